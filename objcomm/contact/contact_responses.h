#pragma once
// The regular contact-card responses. Their destination is one of the two contact readers;
// each class has its own text for any other code.
#include "objcomm/contact/clock_codes.h"
#include "objcomm/contact/voltage_codes.h"
#include "objcomm/destination_codes.h"
#include "objcomm/shaped_response.h"

// Shape: Reset Card, Set Voltage and Set Frequency: the reader, a value length, and one
// setting. The form alone decides the setting's width (a code byte, or four bytes holding
// the value itself when extended), so the length is not trusted on the way in and is
// rewritten as 1 or 4 on the way out.
class CContactSettingResponse;

struct CSettingProfile : CDestinationProfile {
    using Shape = CContactSettingResponse;
    const char* pszLabel;
    const CTextTable& codes;
    Formatter formatExtended;
};

class CContactSettingResponse : public CDestinationResponse {
public:
    void VisitFields(CFieldVisitor& visitor) override;

    DWORD m_dwValue = 0;

protected:
    CContactSettingResponse(const CSettingProfile& profile, DWORD dwContext);

private:
    const CSettingProfile& m_profile;
};

inline constexpr CSettingProfile kResetCard{{{0x01, "Reset Card"}, kContactOrUnknownValue},
                                            "Reset Value",
                                            kContactVoltages,
                                            FormatMillivolts};
inline constexpr CSettingProfile kSetVoltage{{{0x02, "Set Voltage"}, kContactOrUnknownWide},
                                             "Voltage Value",
                                             kContactVoltages,
                                             FormatMillivolts};
inline constexpr CSettingProfile kSetFrequency{{{0x04, "Set Frequency"}, kContactOrUnknownValue},
                                               "Frequency Value",
                                               kClockFrequencies,
                                               FormatKilohertz};

// clang-format off
struct CRspResetCard : CShaped<kResetCard> { using CShaped::CShaped; };
struct CRspSetVoltage : CShaped<kSetVoltage> { using CShaped::CShaped; };
struct CRspSetFrequency : CShaped<kSetFrequency> { using CShaped::CShaped; };
// clang-format on

inline constexpr CDestinationProfile kEjectCard{{0x06, "Eject Card"}, kContactOrUnknownValue};
inline constexpr CDestinationProfile kQueryCard{{0x07, "Query Card"}, kContactOrUnknownValue};
inline constexpr CDestinationProfile kWarmReset{{0x0B, "Warm Reset Card"}, kContactOrUnknownValue};

// clang-format off
struct CRspEjectCard : CShaped<kEjectCard> { using CShaped::CShaped; };
struct CRspQueryCard : CShaped<kQueryCard> { using CShaped::CShaped; };
struct CRspWarmReset : CShaped<kWarmReset> { using CShaped::CShaped; };
// clang-format on

inline constexpr CResponseProfile kGetHardwareVersion{0x0A, "Retrieve Hardware Version"};
// clang-format off
struct CRspGetHardwareVersion : CShaped<kGetHardwareVersion> { using CShaped::CShaped; };
// clang-format on

class CRspSetNAD : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x08;

    CRspSetNAD(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    int m_nNad = 0;
};

// Why the reader wants the last command again.
class CRspResend : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x10;

    CRspResend(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    int m_nErrorCode = 0;
};
