// When Process command data is taken apart as an ISO APDU, and what it then shows.
#include <gtest/gtest.h>

#include "objcomm/contact/process_response.h"
#include "objcomm/errors.h"
#include "tests/support/frames.h"

namespace {

using station_test::DecodePassThrough;
using station_test::Hex;

struct CApduCase {
    const char* pszName;
    const char* pszPayload;
    CStringArray tail;  // the describe list from the "APDU" pair on
    DWORD dwContext = 0;
};

// clang-format off
const CApduCase kCases[] = {
    {"PiccIsNeverParsed", "43 00 34 0002 0102", {"APDU", "CASE 4", "Data", "0102"}},
    {"Case5IsNonIso", "57 00 35 0004 00a40400", {"APDU", "Non-ISO", "Data", "00A40400"}},
    {"RawFlagKeepsDataWhole", "58 00 31 0002 0004 00a40400",
     {"APDU", "CASE 1", "Flags", "0002", "Data", "00A40400"}, 1},
    {"OtherFlagsStillParse", "58 00 31 fffd 0004 00a40400",
     {"APDU", "CASE 1", "Flags", "FFFD", "CLA", "00", "INS", "A4", "P1", "04", "P2", "00"}, 1},
    {"Case2HasLe", "58 00 32 0005 80ca9f7f 2d",
     {"APDU", "CASE 2", "CLA", "80", "INS", "CA", "P1", "9F", "P2", "7F", "Le", "2D"}},
    {"Case3WithEmptyLcData", "58 00 33 0005 00a40400 00",
     {"APDU", "CASE 3", "CLA", "00", "INS", "A4", "P1", "04", "P2", "00", "Lc Data", "None"}},
    {"OtherIsoCaseParsesTheHeaderOnly", "57 00 36 0005 00a40400 99",
     {"APDU", "Non-ISO", "CLA", "00", "INS", "A4", "P1", "04", "P2", "00"}},
    {"EmptyDataShowsNone", "80 00 35 0000", {"APDU", "Non-ISO", "Data", "None"}},
};
// clang-format on

void PrintTo(const CApduCase& c, std::ostream* os) {
    *os << c.pszName;
}

class ProcessApduTest : public testing::TestWithParam<CApduCase> {};

TEST_P(ProcessApduTest, ParsesOnlyIsoCommandsToAContactReader) {
    const CApduCase& c = GetParam();
    const CByteArray payload = Hex(c.pszPayload);
    auto response = DecodePassThrough(0x05, payload, c.dwContext);
    const CStringArray& list = response->Describe();
    ASSERT_GE(list.size(), 6u);
    EXPECT_EQ(CStringArray(list.begin() + 6, list.end()), c.tail);
    EXPECT_EQ(response->GetData().GetBytes(), payload) << "the command data is kept whole";
}

INSTANTIATE_TEST_SUITE_P(CardStation, ProcessApduTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.pszName; });

TEST(ProcessTest, CommandDataShorterThanItsCaseIsRejected) {
    for (const char* pszPayload :
         {"58 00 32 0004 80ca9f7f", "58 00 34 0007 00a40400 02 3f00", "57 00 33 0003 00a404"}) {
        EXPECT_THROW(DecodePassThrough(0x05, Hex(pszPayload)), CPassThruParseError) << pszPayload;
    }
}

TEST(ProcessTest, DataLengthCountsTheHeaderOfEachForm) {
    CInBinaryString plainPayload(Hex("58 00 31 0006 010203040506"));
    CRspProcess plain(plainPayload, 0);
    EXPECT_EQ(plain.GetDataLength(), 11);
    EXPECT_EQ(plain.GetData().GetSize(), 11u);

    CInBinaryString extendedPayload(Hex("58 00 31 0000 0006 010203040506"));
    CRspProcess extended(extendedPayload, 1);
    EXPECT_EQ(extended.GetDataLength(), 13);

    COutBinaryString out;
    out.AppendByte(0xEE);
    extended.WriteData(out);
    EXPECT_EQ(out.GetBytes(), Hex("ee 58 00 31 0000 0006 010203040506")) << "appends";
}

}  // namespace
