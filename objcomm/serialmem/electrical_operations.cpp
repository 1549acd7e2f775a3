#include "objcomm/serialmem/electrical_operations.h"

#include "objcomm/contact/clock_codes.h"

namespace {

// clang-format off
constexpr CodeText kVppCodes[] = {
    {0x00, "0.0 Volts"},  // Program Vpp only
    {0x03, "3.0 Volts"},  {0x04, "4.0 Volts"},  {0x07, "7.0 Volts"},  {0x08, "8.0 Volts"},
    {0x09, "9.0 Volts"},  {0x10, "10.0 Volts"}, {0x11, "11.0 Volts"}, {0x13, "13.0 Volts"},
    {0x14, "14.0 Volts"}, {0x16, "16.0 Volts"}, {0x17, "17.0 Volts"}, {0x19, "19.0 Volts"},
    {0x20, "20.0 Volts"}, {0x22, "22.0 Volts"}, {0x23, "23.0 Volts"}, {0x27, "5.0 Volts"},
    {0x31, "6.0 Volts"},  {0x6E, "12.0 Volts"}, {0x8D, "15.0 Volts"}, {0xAC, "18.0 Volts"},
    {0xCA, "21.0 Volts"}, {0xE9, "24.0 Volts"}, {0xF3, "25.0 Volts"}, {0xFD, "26.0 Volts"},
};
// clang-format on

// The pads Read Pad knows come first, so that its table is a run of this one.
constexpr CodeText kPadCodes[] = {
    {2, "C4 Pad"},  {3, "C8 Pad"},  {5, "I/O Pad"},   {6, "Clock Pad"},
    {0, "VCC Pad"}, {1, "VPP Pad"}, {4, "Reset Pad"},
};
constexpr size_t kReadablePads = 4;

constexpr CodeText kEnableCodes[] = {{0, "Disable"}, {1, "Enable"}};
constexpr CodeText kModeCodes[] = {{0, "Tx"}, {1, "Rx"}};
// Clock rates in MHz; the texts carry no unit.
constexpr CodeText kEtuCodes[] = {
    {0, "2.457"}, {1, "3.579"}, {2, "4.915"}, {3, "7.159"}, {4, "9.830"},
};
constexpr CodeText kDelayCodes[] = {{0, "5 microseconds"}, {1, "10 microseconds"}};

constexpr char kUnknown[] = "Unknown";

// The low digit of a clock code divides the base clock by 1, 2, 4 or 8.
constexpr DWORD kDivisorBits = 0x0E;
constexpr DWORD kLastClockCode = 0x11;

}  // namespace

constinit const CTextTable kProgramVppVoltages{kVppCodes, kUnknownValue};
constinit const CTextTable kEnableVppVoltages{std::span(kVppCodes).subspan(1), kUnknownValue};
constinit const CTextTable kSetPads{kPadCodes, kUnknown};
constinit const CTextTable kReadPads{std::span(kPadCodes).first(kReadablePads), kUnknown};
constinit const CTextTable kEnableOptions{kEnableCodes, kUnknownValue};
constinit const CTextTable kRxTxModes{kModeCodes, kUnknownValue};
constinit const CTextTable kEtuClocks{kEtuCodes, kUnknown};
constinit const CTextTable kDelayTimes{kDelayCodes, kUnknownValue};

CString FormatProgramClock(DWORD dwCode) {
    const bool bReachable = (dwCode & kDivisorBits) == 0 && dwCode <= kLastClockCode;
    return bReachable ? kClockFrequencies.Text(dwCode) : kUnknownValue;
}
