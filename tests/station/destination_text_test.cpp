// Each class recognises its own destinations and has its own text for the rest; the code
// itself always goes back out unchanged.
#include <gtest/gtest.h>

#include "tests/support/frames.h"

namespace {

using station_test::DecodePassThrough;
using station_test::Hex;

struct CDestinationCase {
    const char* pszName;
    BYTE nSubCommand;
    const char* pszPayload;
    const char* pszText;
    DWORD dwContext = 0;
};

// clang-format off
const CDestinationCase kCases[] = {
    {"HltbUnknown", 0x3A, "57 01020304", "Unknown Destination Value"},
    {"SetKeysUnknown", 0x33, "57 0000", "Unknown Value"},
    {"SerialFlushSendOnlyPortIsUnknown", 0x22, "81", "Unknown Destination  Value"},
    {"SerialFlushSpellsPortA", 0x22, "80", "Port A"},
    {"CardCommandSimulationSpellsPortA", 0x15, "80 00 00000000 0000 0000", "PORT A", 1},
    {"CardCommandSimulationSendOnlyPort", 0x15, "81 00 00000000 0000 0000", "PORTA Send only", 1},
    {"ProcessSendOnlyPortB", 0x05, "89 00 31 0000", "PORTB Send only"},
    {"SetVoltageUnknown", 0x02, "10 0001 01", "Unknown Destination  Value"},
    {"ResetCardUnknown", 0x01, "10 0001 01", "Unknown Value"},
    {"SetNadUnknown", 0x08, "43 00", "Unknown Destination  Value"},
    {"SetBaudRateUnknown", 0x03, "10 0001 11", "Unknown Destination  Value"},
    {"EjectCardDoesNotKnowThePicc", 0x06, "43", "Unknown Value"},
    {"WarmResetWithPpsDoesNotKnowThePicc", 0x12, "43 00", "Unknown Value"},
    {"ReaderAttributeDoesNotKnowThePorts", 0x16, "80 00 00", "Unknown Value"},
    {"ReaderAttributeKnowsEveryReader", 0x16, "57 00 00", "EX_TBP"},
};
// clang-format on

void PrintTo(const CDestinationCase& c, std::ostream* os) {
    *os << c.pszName;
}

class DestinationTextTest : public testing::TestWithParam<CDestinationCase> {};

TEST_P(DestinationTextTest, ShowsTheClassOwnTextAndKeepsTheCode) {
    const CDestinationCase& c = GetParam();
    const CByteArray payload = Hex(c.pszPayload);
    auto response = DecodePassThrough(c.nSubCommand, payload, c.dwContext);
    const CStringArray& list = response->Describe();
    ASSERT_GE(list.size(), 4u);
    EXPECT_EQ(list[2], "Destination");
    EXPECT_EQ(list[3], c.pszText);
    EXPECT_EQ(response->GetData().GetBytes().at(0), payload[0]);
}

INSTANTIATE_TEST_SUITE_P(CardStation, DestinationTextTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.pszName; });

}  // namespace
