// Reader attribute values: each attribute has its own rule, range and unit.
#include <gtest/gtest.h>

#include "objcomm/errors.h"
#include "objcomm/out_binary_string.h"
#include "tests/support/frames.h"

namespace {

using station_test::DecodePassThrough;

struct CAttributeCase {
    BYTE nAttribute;
    DWORD dwValue;
    const char* pszName;
    const char* pszValue;
};

// clang-format off
const CAttributeCase kCases[] = {
    {2, 9600, "Baud Rate", "9600 bps"},
    {5, 49, "IFSD", "Invalid value"},
    {5, 50, "IFSD", "50"},
    {5, 596, "IFSD", "596"},
    {5, 597, "IFSD", "Invalid value"},
    {7, 0, "Command Handling", "APDU Level"},
    {7, 2, "Command Handling", "TPDU Level"},
    {8, 0x0A, "Get Response CLA Byte", "Use 0x0A as CLA Byte"},
    {8, 0x100, "Get Response CLA Byte", "Use Original CLA Bytes"},
    {10, 14, "Frame Waiting Time Integer", "14"},
    {10, 15, "Frame Waiting Time Integer", "Invalid value"},
    {11, 300, "Frame Waiting Time", "300 microseconds"},
    {15, 4, "Divisor Send Integer", "Invalid value"},
    {17, (3u << 16) | 10, "Type B Start of Frame", "Number of 0's: 3, Number of 1's: 10"},
    {20, 1, "CRC Returned Setting", "CRC is returned to the application"},
    {23, 1, "Type A Parity Bit Setting", "Parity bit is NOT automatically added"},
    {23, 0, "Type A Parity Bit Setting", "Parity bit is automatically added"},
    {25, 13560, "Carrier Frequency", "13560 kHz"},
    {25, 18000, "Carrier Frequency", "18000 kHz"},
    {25, 13565, "Carrier Frequency", "Invalid value"},
    {25, 11990, "Carrier Frequency", "Invalid value"},
    {26, 15, "Carrier Field Strength", "15"},
    {26, 16, "Carrier Field Strength", "Invalid value"},
    {27, 1, "Unknown Value", "Unknown Attribute Data Value"},
};
// clang-format on

void PrintTo(const CAttributeCase& c, std::ostream* os) {
    *os << "attribute " << int(c.nAttribute) << " value " << c.dwValue;
}

class ReaderAttributeValueTest : public testing::TestWithParam<CAttributeCase> {};

TEST_P(ReaderAttributeValueTest, NamesTheAttributeAndAppliesItsValueRule) {
    const CAttributeCase& c = GetParam();
    COutBinaryString payload;
    payload.AppendByte(0x58).AppendByte(c.nAttribute).AppendByte(4).AppendDWord(c.dwValue);
    auto response = DecodePassThrough(0x16, payload.GetBytes());
    const CStringArray expected{"Command",   "Reader Attribute", "Destination", "TBP",
                                "Attribute", c.pszName,          "Value",       c.pszValue};
    EXPECT_EQ(response->Describe(), expected);
    EXPECT_EQ(response->GetData().GetBytes(), payload.GetBytes()) << "held unchanged";
}

INSTANTIATE_TEST_SUITE_P(CardStation, ReaderAttributeValueTest, testing::ValuesIn(kCases));

TEST(ReaderAttributeTest, ANonzeroLengthWithoutFourValueBytesIsRejected) {
    EXPECT_THROW(DecodePassThrough(0x16, station_test::Hex("43 05 01 32")), CPassThruParseError);
}

}  // namespace
