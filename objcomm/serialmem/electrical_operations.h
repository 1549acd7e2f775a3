#pragma once
// Operations on the contact interface itself (voltages, clock, pads, timing). They mean the
// same under every chip type.
#include "objcomm/contact/voltage_codes.h"
#include "objcomm/serialmem/parameter_operation.h"

// Programming voltages. Their codes follow no digit rule: 5.0 volts is 0x27, and 0x05 is
// unknown. Enable VPP cannot switch to 0 volts, so 0x00 is unknown to it.
extern const CTextTable kProgramVppVoltages;
extern const CTextTable kEnableVppVoltages;
// Set Pad can drive every pad; Read Pad reads only C4, C8, I/O and the clock.
extern const CTextTable kSetPads;
extern const CTextTable kReadPads;
extern const CTextTable kEnableOptions;
extern const CTextTable kRxTxModes;
extern const CTextTable kEtuClocks;
extern const CTextTable kDelayTimes;

// The two base clocks of the contact clock table and their halves. The quarters and eighths
// that table also names are unknown here.
CString FormatProgramClock(DWORD dwCode);

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
struct CSmOpEnableVPP : CParameters<kEnableVppVoltage> { using CParameters::CParameters; };
struct CSmOpSetPad : CParameters<kSetPad, kPadEnable> { using CParameters::CParameters; };
struct CSmOpReadPad : CParameters<kReadPad> { using CParameters::CParameters; };
struct CSmOpEnableRxTx : CParameters<kRxTxMode> { using CParameters::CParameters; };
struct CSmOpSetEtu : CParameters<kEtuClock> { using CParameters::CParameters; };
struct CSmOpDelayMsec : CParameters<kDelayMilliseconds> { using CParameters::CParameters; };
struct CSmOpDelayTime : CParameters<kDelayTime> { using CParameters::CParameters; };
struct CSmOpProgramClock : CParameters<kClock> { using CParameters::CParameters; };
struct CSmOpProgramVcc : CParameters<kVccVoltage> { using CParameters::CParameters; };
struct CSmOpProgramVpp : CParameters<kVppVoltage> { using CParameters::CParameters; };
// clang-format on
