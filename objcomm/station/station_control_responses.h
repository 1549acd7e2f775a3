#pragma once
// Responses that steer the station and its readers rather than one card protocol.
#include "objcomm/contact/clock_codes.h"
#include "objcomm/contact/voltage_codes.h"
#include "objcomm/station/card_types.h"
#include "objcomm/station/destination_codes.h"
#include "objcomm/station/field_list_response.h"

inline constexpr CResponseProfile kKeepAlive{0x13, "Keep Alive"};
inline constexpr CDestinationProfile kSerialFlush{0x22, "Serial Flush", kSerialPortOrUnknownWide};

// clang-format off
struct CRspKeepAlive : CShaped<kKeepAlive> { using CShaped::CShaped; };
struct CRspSerialFlush : CShaped<kSerialFlush> { using CShaped::CShaped; };
// clang-format on

class CRspSelectStation : public CFieldListResponse {
public:
    CRspSelectStation(CInBinaryString& payload, DWORD dwContext)
        : CFieldListResponse(payload, dwContext, {0x21, "Select Station"}) {}

    CValueField<BYTE> m_nStationNumber{*this, 1, "Station Number", FormatDecimal};
};

class CRspSetCardType : public CFieldListResponse {
public:
    CRspSetCardType(CInBinaryString& payload, DWORD dwContext)
        : CFieldListResponse(payload, dwContext, {0x17, "Set Card Type"}) {}

    CValueField<int> m_nCardType{*this, "Card Type", kCardTypes};
};

// A delay that stands in for a card command.
class CRspCardCommandSimulation : public CFieldListResponse {
public:
    CRspCardCommandSimulation(CInBinaryString& payload, DWORD dwContext)
        : CFieldListResponse(payload, dwContext, {0x15, "Card Command Simulation"}) {}

    CValueField<int> m_nDestination{*this, "Destination", kStationOrUnknownValue,
                                    EForm::kExtendedOnly};
    // The byte after the destination means nothing here; it goes back as 0.
    CFillerField m_skipped{*this, 1, 0};
    CCaptionField m_delayLoop{*this, "DELAY LOOP"};
    CValueField<DWORD> m_dwDelayTime{*this, 4, "Delay Time", FormatUnsigned};
    CValueField<WORD> m_wRequestedLength{*this, 2, "Requested Length", FormatUnsigned};
    CBlockField m_arrSimulatedData{*this, "Simulated Data", -2, "None"};
};

// Resets with PPS go to the contact readers only; 0x43 is not theirs. The code tables differ
// in their extra codes: a warm reset knows "Keep Current" and "Maximum", a cold one "Default".
class CRspWarmResetWithPPS : public CDestinationResponse {
public:
    CRspWarmResetWithPPS(CInBinaryString& payload, DWORD dwContext)
        : CDestinationResponse(payload, dwContext,
                               {0x12, "Warm Reset With PPS", kContactOrUnknownValue}) {}

    CValueField<DWORD> m_dwFrequency{*this, "Frequency Value", kWarmResetClockFrequencies,
                                     FormatKilohertz};
};

class CRspResetCardWithPPS : public CDestinationResponse {
public:
    CRspResetCardWithPPS(CInBinaryString& payload, DWORD dwContext)
        : CDestinationResponse(payload, dwContext,
                               {0x0F, "Reset Card With PPS", kContactOrUnknownValue}) {}

    CValueField<DWORD> m_dwResetVoltage{*this, "Reset Value", kContactVoltages, FormatMillivolts};
    CValueField<DWORD> m_dwFrequency{*this, "Frequency Value", kResetClockFrequencies,
                                     FormatKilohertz};
};
