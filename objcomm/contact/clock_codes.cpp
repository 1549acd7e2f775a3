#include "objcomm/contact/clock_codes.h"

#include "platform/format.h"

namespace {
// One table; each reading is a run of it, so the shared rows are written once.
constexpr CodeText kClockCodes[] = {
    {0xFF, "Default"},  // cold reset with PPS only
    {0x00, "9.830 Mhz"}, {0x01, "4.915 Mhz"},    {0x02, "2.457 Mhz"},
    {0x03, "1.228 Mhz"}, {0x10, "7.159 Mhz"},    {0x11, "3.579 Mhz"},
    {0x12, "1.789 Mhz"}, {0xFE, "Keep Current"},  // warm reset with PPS only, with the next
    {0xFF, "Maximum"},
};
constexpr std::span<const CodeText> kAll(kClockCodes);
}  // namespace

constinit const CTextTable kResetClockFrequencies{kAll.subspan(0, 8), kUnknownValue};
constinit const CTextTable kClockFrequencies{kAll.subspan(1, 7), kUnknownValue};
constinit const CTextTable kWarmResetClockFrequencies{kAll.subspan(1, 9), kUnknownValue};

CString FormatKilohertz(DWORD dwKilohertz) {
    return FormatText("%d khz", static_cast<int>(dwKilohertz));
}
