#pragma once
// Responses that steer the station and its readers rather than one card protocol.
#include "objcomm/destination_codes.h"
#include "objcomm/shaped_response.h"

inline constexpr CResponseProfile kKeepAlive{0x13, "Keep Alive"};
inline constexpr CDestinationProfile kSerialFlush{{0x22, "Serial Flush"}, kSerialPortOrUnknownWide};

// clang-format off
struct CRspKeepAlive : CShaped<kKeepAlive> { using CShaped::CShaped; };
struct CRspSerialFlush : CShaped<kSerialFlush> { using CShaped::CShaped; };
// clang-format on

class CRspSelectStation : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x21;

    CRspSelectStation(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    BYTE m_nStationNumber = 0;
};

class CRspSetCardType : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x17;

    CRspSetCardType(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    int m_nCardType = 0;
};

// A delay that stands in for a card command. Only the extended form names a destination.
class CRspCardCommandSimulation : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x15;

    CRspCardCommandSimulation(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    int m_nDestination = 0;
    DWORD m_dwDelayTime = 0;
    WORD m_wRequestedLength = 0;
    CByteArray m_arrSimulatedData;
};

// Resets with PPS go to the contact readers only; 0x43 is not theirs. The code tables differ
// in their extra codes: a warm reset knows "Keep Current" and "Maximum", a cold one "Default".
// The extended form carries the values themselves, four bytes each.
class CRspWarmResetWithPPS : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x12;

    CRspWarmResetWithPPS(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    DWORD m_dwFrequency = 0;
};

class CRspResetCardWithPPS : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x0F;

    CRspResetCardWithPPS(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    DWORD m_dwResetVoltage = 0;
    DWORD m_dwFrequency = 0;
};
