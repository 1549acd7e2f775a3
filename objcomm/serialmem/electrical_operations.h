#pragma once
// Operations on the contact interface itself (voltages, clock, pads, timing). They mean the
// same under every chip type.
#include "objcomm/contact/voltage_codes.h"
#include "objcomm/export.h"
#include "objcomm/serialmem/parameter_operation.h"

// Programming voltages. Their codes follow no digit rule: 5.0 volts is 0x27, and 0x05 is
// unknown. Enable VPP cannot switch to 0 volts, so 0x00 is unknown to it.
extern OBJCOMM_API const CTextTable kProgramVppVoltages;
extern OBJCOMM_API const CTextTable kEnableVppVoltages;
// Set Pad can drive every pad; Read Pad reads only C4, C8, I/O and the clock.
extern OBJCOMM_API const CTextTable kSetPads;
extern OBJCOMM_API const CTextTable kReadPads;
extern OBJCOMM_API const CTextTable kEnableOptions;
extern OBJCOMM_API const CTextTable kRxTxModes;
extern OBJCOMM_API const CTextTable kEtuClocks;
extern OBJCOMM_API const CTextTable kDelayTimes;

// The two base clocks of the contact clock table and their halves. The quarters and eighths
// that table also names are unknown here.
OBJCOMM_API CString FormatProgramClock(DWORD dwCode);

inline constexpr CParameterInfo kEnableVppVoltage = Code("Voltage", kEnableVppVoltages);
inline constexpr CParameterInfo kSetPad = Code("ChipPad Type", kSetPads);
inline constexpr CParameterInfo kPadEnable = Flag("Enable Option", kEnableOptions);
inline constexpr CParameterInfo kReadPad = Code("ChipPad Type", kReadPads);
inline constexpr CParameterInfo kRxTxMode = Flag("Mode", kRxTxModes);
inline constexpr CParameterInfo kEtuClock = Code("ETU", kEtuClocks);
// The label has never had its closing parenthesis.
inline constexpr CParameterInfo kDelayMilliseconds =
    Number("Delay duration (in millseconds", 1, FormatDecimal);
inline constexpr CParameterInfo kDelayTime = Code("Delay duration", kDelayTimes);
inline constexpr CParameterInfo kClock = Number("Frequency", 1, FormatProgramClock);
inline constexpr CParameterInfo kVccVoltage = Code("Voltage", kContactVoltages);
inline constexpr CParameterInfo kVppVoltage = Code("Voltage", kProgramVppVoltages);

// clang-format off
struct OBJCOMM_API CSmOpEnableVPP : CParameters<kEnableVppVoltage> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpSetPad : CParameters<kSetPad, kPadEnable> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpReadPad : CParameters<kReadPad> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpEnableRxTx : CParameters<kRxTxMode> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpSetEtu : CParameters<kEtuClock> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpDelayMsec : CParameters<kDelayMilliseconds> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpDelayTime : CParameters<kDelayTime> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpProgramClock : CParameters<kClock> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpProgramVcc : CParameters<kVccVoltage> { using CParameters::CParameters; };
struct OBJCOMM_API CSmOpProgramVpp : CParameters<kVppVoltage> { using CParameters::CParameters; };
// clang-format on
