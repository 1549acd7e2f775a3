#include "objcomm/contact/voltage_codes.h"

#include "platform/format.h"

namespace {
// 3.3, 5.0 and 6.0 volts have the codes 1 to 3 only: 0x33, 0x50 and 0x60 are not here.
// clang-format off
constexpr CodeText kVoltageCodes[] = {
    {0x01, "3.3 Volts"}, {0x02, "5.0 Volts"}, {0x03, "6.0 Volts"}, {0x12, "1.2 Volts"},
    {0x13, "1.3 Volts"}, {0x14, "1.4 Volts"}, {0x15, "1.5 Volts"}, {0x16, "1.6 Volts"},
    {0x17, "1.7 Volts"}, {0x18, "1.8 Volts"}, {0x19, "1.9 Volts"}, {0x20, "2.0 Volts"},
    {0x21, "2.1 Volts"}, {0x22, "2.2 Volts"}, {0x23, "2.3 Volts"}, {0x24, "2.4 Volts"},
    {0x25, "2.5 Volts"}, {0x26, "2.6 Volts"}, {0x27, "2.7 Volts"}, {0x28, "2.8 Volts"},
    {0x29, "2.9 Volts"}, {0x30, "3.0 Volts"}, {0x31, "3.1 Volts"}, {0x32, "3.2 Volts"},
    {0x34, "3.4 Volts"}, {0x35, "3.5 Volts"}, {0x36, "3.6 Volts"}, {0x37, "3.7 Volts"},
    {0x38, "3.8 Volts"}, {0x39, "3.9 Volts"}, {0x40, "4.0 Volts"}, {0x41, "4.1 Volts"},
    {0x42, "4.2 Volts"}, {0x43, "4.3 Volts"}, {0x44, "4.4 Volts"}, {0x45, "4.5 Volts"},
    {0x46, "4.6 Volts"}, {0x47, "4.7 Volts"}, {0x48, "4.8 Volts"}, {0x49, "4.9 Volts"},
    {0x51, "5.1 Volts"}, {0x52, "5.2 Volts"}, {0x53, "5.3 Volts"}, {0x54, "5.4 Volts"},
    {0x55, "5.5 Volts"}, {0x56, "5.6 Volts"}, {0x57, "5.7 Volts"}, {0x58, "5.8 Volts"},
    {0x59, "5.9 Volts"}, {0x61, "6.1 Volts"}, {0x62, "6.2 Volts"}, {0x63, "6.3 Volts"},
    {0x64, "6.4 Volts"}, {0x65, "6.5 Volts"}, {0x66, "6.6 Volts"}, {0x67, "6.7 Volts"},
    {0x68, "6.8 Volts"}, {0x69, "6.9 Volts"}, {0x70, "7.0 Volts"}, {0x71, "7.1 Volts"},
    {0x72, "7.2 Volts"}, {0x73, "7.3 Volts"}, {0x74, "7.4 Volts"}, {0x75, "7.5 Volts"},
    {0x76, "7.6 Volts"}, {0x77, "7.7 Volts"}, {0x78, "7.8 Volts"}, {0x79, "7.9 Volts"},
    {0x80, "8.0 Volts"},
};
// clang-format on
}  // namespace

constinit const CTextTable kContactVoltages{kVoltageCodes, kUnknownValue};

CString FormatMillivolts(DWORD dwMillivolts) {
    return FormatText("%u Millivolts", dwMillivolts);
}
