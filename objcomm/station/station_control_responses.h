#pragma once
// Responses that steer the station and its readers rather than one card protocol.
#include "objcomm/destination_codes.h"
#include "objcomm/export.h"
#include "objcomm/shaped_response.h"

inline constexpr CResponseProfile kKeepAlive{0x13, "Keep Alive"};
inline constexpr CDestinationProfile kSerialFlush{{0x22, "Serial Flush"}, kSerialPortOrUnknownWide};

// clang-format off
struct OBJCOMM_API CRspKeepAlive : CShaped<kKeepAlive> { using CShaped::CShaped; };
struct OBJCOMM_API CRspSerialFlush : CShaped<kSerialFlush> { using CShaped::CShaped; };
// clang-format on

// Selects a station by its number.
class OBJCOMM_API CRspSelectStation : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x21;

    CRspSelectStation(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // The station's number.
    BYTE m_nStationNumber = 0;
};

// Sets the type of the card.
class OBJCOMM_API CRspSetCardType : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x17;

    CRspSetCardType(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // The card type, a code of kCardTypes.
    int m_nCardType = 0;
};

// A delay that stands in for a card command. Only the extended form names a destination.
class OBJCOMM_API CRspCardCommandSimulation : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x15;

    CRspCardCommandSimulation(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // The reader or port; in the extended form only.
    int m_nDestination = 0;
    // How long the station waits.
    DWORD m_dwDelayTime = 0;
    // The length of the answer asked for.
    WORD m_wRequestedLength = 0;
    // The answer the station gives in place of the card's.
    CByteArray m_arrSimulatedData;
};

// Resets with PPS go to the contact readers only; 0x43 is not theirs. The code tables differ
// in their extra codes: a warm reset knows "Keep Current" and "Maximum", a cold one "Default".
// The extended form carries the values themselves, four bytes each.
class OBJCOMM_API CRspWarmResetWithPPS : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x12;

    CRspWarmResetWithPPS(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // The clock frequency: its code, or in the extended form the value in kHz.
    DWORD m_dwFrequency = 0;
};

// A cold reset of a contact card, then a PPS, with the voltage and clock to use.
class OBJCOMM_API CRspResetCardWithPPS : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x0F;

    CRspResetCardWithPPS(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // The voltage: its code, or in the extended form the value in millivolts.
    DWORD m_dwResetVoltage = 0;
    // The clock frequency: its code, or in the extended form the value in kHz.
    DWORD m_dwFrequency = 0;
};
