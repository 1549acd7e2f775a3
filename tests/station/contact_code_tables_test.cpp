// The voltage and clock code tables that several classes share.
#include <gtest/gtest.h>

#include "objcomm/contact/clock_codes.h"
#include "objcomm/contact/voltage_codes.h"
#include "platform/format.h"

namespace {

// Codes 1 to 3 are the common voltages; 0x12 to 0x80 read their two decimal digits as volts
// and tenths, except the three that would repeat codes 1 to 3.
CString VoltageByDigitRule(unsigned nCode) {
    const char* const common[] = {"3.3 Volts", "5.0 Volts", "6.0 Volts"};
    if (nCode >= 1 && nCode <= 3) return common[nCode - 1];
    const unsigned high = nCode >> 4, low = nCode & 0x0F;
    const bool bDigits = high <= 9 && low <= 9;
    const bool bRepeat = nCode == 0x33 || nCode == 0x50 || nCode == 0x60;
    if (nCode < 0x12 || nCode > 0x80 || !bDigits || bRepeat) return "Unknown Value";
    return FormatText("%u.%u Volts", high, low);
}

TEST(ContactVoltageCodesTest, EveryCodeReadsByTheDigitRule) {
    for (unsigned nCode = 0; nCode <= 0xFF; ++nCode) {
        EXPECT_EQ(kContactVoltages.Text(nCode), VoltageByDigitRule(nCode)) << nCode;
    }
}

TEST(ContactVoltageCodesTest, ExtendedVoltagesAreMillivolts) {
    EXPECT_EQ(FormatMillivolts(3300), "3300 Millivolts");
}

struct CClockCase {
    unsigned nCode;
    const char* pszPlain;
    const char* pszWarmReset;
    const char* pszReset;
};

TEST(ClockCodesTest, EachReadingAddsOnlyItsOwnCodes) {
    const CClockCase cases[] = {
        {0x00, "9.830 Mhz", "9.830 Mhz", "9.830 Mhz"},
        {0x03, "1.228 Mhz", "1.228 Mhz", "1.228 Mhz"},
        {0x10, "7.159 Mhz", "7.159 Mhz", "7.159 Mhz"},
        {0x12, "1.789 Mhz", "1.789 Mhz", "1.789 Mhz"},
        {0x04, "Unknown Value", "Unknown Value", "Unknown Value"},
        {0x13, "Unknown Value", "Unknown Value", "Unknown Value"},
        {0xFE, "Unknown Value", "Keep Current", "Unknown Value"},
        {0xFF, "Unknown Value", "Maximum", "Default"},
    };
    for (const CClockCase& c : cases) {
        EXPECT_STREQ(kClockFrequencies.Text(c.nCode), c.pszPlain) << c.nCode;
        EXPECT_STREQ(kWarmResetClockFrequencies.Text(c.nCode), c.pszWarmReset) << c.nCode;
        EXPECT_STREQ(kResetClockFrequencies.Text(c.nCode), c.pszReset) << c.nCode;
    }
    EXPECT_EQ(FormatKilohertz(4915), "4915 khz");
}

}  // namespace
