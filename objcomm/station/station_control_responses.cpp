#include "objcomm/station/station_control_responses.h"

#include "objcomm/contact/clock_codes.h"
#include "objcomm/contact/voltage_codes.h"
#include "objcomm/length_prefix.h"
#include "objcomm/station/card_types.h"

CRspSelectStation::CRspSelectStation(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughFieldResponse(kSubCommand, "Select Station", dwContext) {
    ReadFields(*this, payload);
}

void CRspSelectStation::VisitFields(CFieldVisitor& visitor) {
    visitor.Number(m_nStationNumber, 1, "Station Number", FormatDecimal);
}

CRspSetCardType::CRspSetCardType(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughFieldResponse(kSubCommand, "Set Card Type", dwContext) {
    ReadFields(*this, payload);
}

void CRspSetCardType::VisitFields(CFieldVisitor& visitor) {
    visitor.Number(m_nCardType, 1, "Card Type", kCardTypes);
}

CRspCardCommandSimulation::CRspCardCommandSimulation(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughFieldResponse(kSubCommand, "Card Command Simulation", dwContext) {
    ReadFields(*this, payload);
}

void CRspCardCommandSimulation::VisitFields(CFieldVisitor& visitor) {
    if (IsExtended()) visitor.Number(m_nDestination, 1, "Destination", kStationOrUnknownValue);
    // The byte after the destination means nothing here; it goes back as 0.
    visitor.Filler(1, 0);
    visitor.Caption("DELAY LOOP");
    visitor.Number(m_dwDelayTime, 4, "Delay Time", FormatUnsigned);
    visitor.Number(m_wRequestedLength, 2, "Requested Length", FormatUnsigned);
    visitor.Block(m_arrSimulatedData, kCountWord, "Simulated Data", "None");
}

CRspWarmResetWithPPS::CRspWarmResetWithPPS(CInBinaryString& payload, DWORD dwContext)
    : CDestinationResponse({{kSubCommand, "Warm Reset With PPS"}, kContactOrUnknownValue},
                           dwContext) {
    ReadFields(*this, payload);
}

void CRspWarmResetWithPPS::VisitFields(CFieldVisitor& visitor) {
    CDestinationResponse::VisitFields(visitor);
    VisitSetting(visitor, m_dwFrequency, "Frequency Value", kWarmResetClockFrequencies,
                 FormatKilohertz);
}

CRspResetCardWithPPS::CRspResetCardWithPPS(CInBinaryString& payload, DWORD dwContext)
    : CDestinationResponse({{kSubCommand, "Reset Card With PPS"}, kContactOrUnknownValue},
                           dwContext) {
    ReadFields(*this, payload);
}

void CRspResetCardWithPPS::VisitFields(CFieldVisitor& visitor) {
    CDestinationResponse::VisitFields(visitor);
    VisitSetting(visitor, m_dwResetVoltage, "Reset Value", kContactVoltages, FormatMillivolts);
    VisitSetting(visitor, m_dwFrequency, "Frequency Value", kResetClockFrequencies,
                 FormatKilohertz);
}
