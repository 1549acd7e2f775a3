#pragma once
// The regular contact-card responses. Their destination is one of the two contact readers;
// each class has its own text for any other code.
#include "objcomm/contact/clock_codes.h"
#include "objcomm/contact/voltage_codes.h"
#include "objcomm/destination_codes.h"
#include "objcomm/export.h"
#include "objcomm/shaped_response.h"

// Shape: Reset Card, Set Voltage and Set Frequency: the reader, a value length, and one
// setting. The form alone decides the setting's width (a code byte, or four bytes holding
// the value itself when extended), so the length is not trusted on the way in and is
// rewritten as 1 or 4 on the way out.
class CContactSettingResponse;

// Who a contact setting response is: its destinations, and the setting it carries.
struct OBJCOMM_API CSettingProfile : CDestinationProfile {
    // The base class of the CShaped classes of such profiles.
    using Shape = CContactSettingResponse;
    // The setting's label in the describe list.
    const char* pszLabel;
    // The setting's codes, in the short form.
    const CTextTable& codes;
    // How the setting's value reads in the extended form.
    Formatter formatExtended;
};

// A contact reader and one setting (see the shape above): Reset Card, Set Voltage, Set Frequency.
class OBJCOMM_API CContactSettingResponse : public CDestinationResponse {
public:
    // The destination, the value length, the setting.
    void VisitFields(CFieldVisitor& visitor) override;

    // The setting: its code, or in the extended form the value itself.
    DWORD m_dwValue = 0;

protected:
    // The profile is the class's; the most derived class reads the fields.
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
struct OBJCOMM_API CRspResetCard : CShaped<kResetCard> { using CShaped::CShaped; };
struct OBJCOMM_API CRspSetVoltage : CShaped<kSetVoltage> { using CShaped::CShaped; };
struct OBJCOMM_API CRspSetFrequency : CShaped<kSetFrequency> { using CShaped::CShaped; };
// clang-format on

inline constexpr CDestinationProfile kEjectCard{{0x06, "Eject Card"}, kContactOrUnknownValue};
inline constexpr CDestinationProfile kQueryCard{{0x07, "Query Card"}, kContactOrUnknownValue};
inline constexpr CDestinationProfile kWarmReset{{0x0B, "Warm Reset Card"}, kContactOrUnknownValue};

// clang-format off
struct OBJCOMM_API CRspEjectCard : CShaped<kEjectCard> { using CShaped::CShaped; };
struct OBJCOMM_API CRspQueryCard : CShaped<kQueryCard> { using CShaped::CShaped; };
struct OBJCOMM_API CRspWarmReset : CShaped<kWarmReset> { using CShaped::CShaped; };
// clang-format on

inline constexpr CResponseProfile kGetHardwareVersion{0x0A, "Retrieve Hardware Version"};
// clang-format off
struct OBJCOMM_API CRspGetHardwareVersion : CShaped<kGetHardwareVersion> { using CShaped::CShaped; };
// clang-format on

// Sets the node address that a contact reader's T=1 blocks carry.
class OBJCOMM_API CRspSetNAD : public CDestinationResponse {
public:
    static constexpr int kSubCommand = 0x08;

    CRspSetNAD(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // The node address.
    int m_nNad = 0;
};

// Why the reader wants the last command again.
class OBJCOMM_API CRspResend : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x10;

    CRspResend(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // Why, as a code of the reader's resend errors.
    int m_nErrorCode = 0;
};
