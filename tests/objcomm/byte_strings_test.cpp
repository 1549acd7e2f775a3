#include <gtest/gtest.h>

#include "objcomm/errors.h"
#include "objcomm/hex.h"
#include "objcomm/in_binary_string.h"
#include "objcomm/length_prefix.h"
#include "objcomm/out_binary_string.h"
#include "tests/support/frames.h"

using station_test::Hex;
using station_test::HexOf;

namespace {

struct PrefixCase {
    int nMode;
    const char* pszText;
    const char* pszExpected;  // the text with that mode's length prefix
};

class OutPrefixTest : public testing::TestWithParam<PrefixCase> {};

TEST_P(OutPrefixTest, StringAndBytesCarryTheModesLength) {
    const CString text = GetParam().pszText;
    COutBinaryString asText, asBytes;
    asText.SetPrefix(GetParam().nMode).AppendString(text);
    asBytes.SetPrefix(GetParam().nMode).AppendBytes(CByteArray(text.begin(), text.end()));
    EXPECT_EQ(HexOf(asText.GetBytes()), GetParam().pszExpected);
    EXPECT_EQ(asBytes.GetBytes(), asText.GetBytes());
}

INSTANTIATE_TEST_SUITE_P(Modes, OutPrefixTest,
                         testing::Values(PrefixCase{kCountByte, "AB", "024142"},
                                         PrefixCase{kCountWord, "AB", "00024142"},
                                         PrefixCase{kCountDWord, "AB", "000000024142"},
                                         PrefixCase{kCountWord, "", "0000"},
                                         PrefixCase{0, "AB", "4142"}, PrefixCase{5, "AB", "4142"}));

TEST(OutBinaryString, WritesNumbersBigEndianAndSumsAllBytes) {
    COutBinaryString out;
    out.AppendByte(0x01).AppendWord(0x0203).AppendDWord(0x04050607).AppendChecksum();
    EXPECT_EQ(HexOf(out.GetBytes()), "010203040506071C");
    out.Clear();
    out.AppendByte(0xFF).AppendByte(0x02).AppendChecksum();
    EXPECT_EQ(HexOf(out.GetBytes()), "FF0201") << "the sum wraps at 256";
}

TEST(OutBinaryString, PrefixTakesOnlyTheLowBitsOfTheCount) {
    COutBinaryString out;
    out.SetPrefix(kCountByte).AppendString(CString(257, 'x'));
    EXPECT_EQ(out.GetBytes()[0], 0x01);
    EXPECT_EQ(out.GetSize(), 258u);
}

TEST(OutBinaryString, ClearResetsPrefixMode) {
    COutBinaryString out;
    out.SetPrefix(kCountWord).AppendByte(1);
    out.Clear();
    out.AppendString("A");
    EXPECT_EQ(HexOf(out.GetBytes()), "41");
}

TEST(InBinaryString, ReadsBigEndianNumbers) {
    CInBinaryString in(Hex("12 34 12 34 56 78"));
    EXPECT_EQ(in.ReadWord(), 0x1234);
    EXPECT_EQ(in.ReadDWord(), 0x12345678u);
    EXPECT_TRUE(in.IsExhausted());
}

TEST(InBinaryString, ReadPastEndThrowsWithPositionAndKeepsWhatWasConsumed) {
    CInBinaryString in(Hex("01 AA BB"));
    in.ReadByte();
    in.ReadByte();
    try {
        in.ReadWord();
        FAIL() << "no exception";
    } catch (const CInBinaryStringException& e) {
        EXPECT_EQ(e.m_nPos, 3);
    }
    EXPECT_EQ(in.m_nPos, 3) << "the byte of the half-read word stays consumed";
    EXPECT_THROW(in.ReadByte(), CInBinaryStringException);
    EXPECT_EQ(in.m_nPos, 3);
}

struct ReadCase {
    const char* pszBytes;
    int nMode;
    const char* pszValue;
    int nEndPos;
};

class ReadFieldTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadFieldTest, StringBytesAndSpanReadTheSameField) {
    const ReadCase& c = GetParam();
    CInBinaryString forText(Hex(c.pszBytes)), forBytes(Hex(c.pszBytes)), forSpan(Hex(c.pszBytes));
    const CString text = forText.ReadString(c.nMode);
    CByteArray bytes{0xEE};
    forBytes.ReadBytes(bytes, c.nMode);
    const std::span<const BYTE> field = forSpan.ReadField(c.nMode);
    EXPECT_EQ(HexOf(CByteArray(text.begin(), text.end())), c.pszValue);
    EXPECT_EQ(HexOf(bytes), c.pszValue);
    EXPECT_EQ(HexOf(CByteArray(field.begin(), field.end())), c.pszValue);
    EXPECT_EQ(forText.m_nPos, c.nEndPos);
    EXPECT_EQ(forBytes.m_nPos, c.nEndPos);
    EXPECT_EQ(forSpan.m_nPos, c.nEndPos);
}

INSTANTIATE_TEST_SUITE_P(Modes, ReadFieldTest,
                         testing::Values(ReadCase{"03 41 42 43", kCountByte, "414243", 4},
                                         ReadCase{"00 00", kCountWord, "", 2},
                                         ReadCase{"00 00 00 01 7F", kCountDWord, "7F", 5},
                                         ReadCase{"41 42 43 44 45 46", 5, "4142434445", 5},
                                         ReadCase{"41", 0, "", 0}, ReadCase{"41", -3, "", 0}));

TEST(InBinaryString, CutFieldThrowsAtEndAndKeepsWhatWasRead) {
    CInBinaryString in(Hex("05 41 42"));
    CByteArray out;
    try {
        in.ReadBytes(out, kCountByte);
        FAIL() << "no exception";
    } catch (const CInBinaryStringException& e) {
        EXPECT_EQ(e.m_nPos, 3);
    }
    EXPECT_EQ(HexOf(out), "4142");
}

TEST(InBinaryString, HugeLengthClaimFailsWithoutAllocatingIt) {
    CInBinaryString in(Hex("FF FF FF FF 01 02"));
    CByteArray out;
    EXPECT_THROW(in.ReadBytes(out, kCountDWord), CInBinaryStringException);
    EXPECT_LE(out.capacity(), 16u);
    EXPECT_EQ(in.m_nPos, 6);
}

TEST(InBinaryString, VerifyChecksumComparesSumOfBytesBefore) {
    CInBinaryString good(Hex("01 02 03 06")), bad(Hex("01 02 03 07"));
    good.m_nPos = bad.m_nPos = 3;
    EXPECT_TRUE(good.VerifyChecksum());
    EXPECT_FALSE(bad.VerifyChecksum());
    EXPECT_EQ(good.m_nPos, 4);
    EXPECT_EQ(bad.m_nPos, 4);
    // The position is public: one off the bytes is refused before anything is summed.
    for (const int nPos : {4, 4096, -1}) {
        good.m_nPos = nPos;
        EXPECT_THROW(good.VerifyChecksum(), CInBinaryStringException) << nPos;
        EXPECT_EQ(good.m_nPos, nPos);
    }
}

TEST(Hex, FormatsSpacedLowercaseAndPackedUppercase) {
    EXPECT_EQ(FormatHexSpaced(Hex("0A FF 10")), "0a ff 10");
    EXPECT_EQ(FormatHexSpaced(Hex("0A")), "0a");
    EXPECT_EQ(FormatHexSpaced(CByteArray{}), "");
    CString out = "stale";
    FormatHex(Hex("0A FF 10"), out);
    EXPECT_EQ(out, "0AFF10");
    FormatHex(CByteArray{}, out);
    EXPECT_EQ(out, "");
}

TEST(Hex, ParseRejectsOddDigitsAndForeignCharacters) {
    CByteArray out;
    CString error;
    EXPECT_TRUE(ParseHexBytes("0a:FF-10 3c\t\r", out, &error));
    EXPECT_EQ(HexOf(out), "0AFF103C");
    EXPECT_FALSE(ParseHexBytes("0a f", out, &error));
    EXPECT_EQ(error, "odd number of hex digits");
    EXPECT_FALSE(ParseHexBytes("0g", out, &error));
    EXPECT_EQ(error, "character 2 is not a hex digit");
}

TEST(FormatErrors, OneHandlerCatchesEveryFormatError) {
    auto caught = [](auto thrower) {
        try {
            thrower();
        } catch (const CPassThruFormatError&) {
            return true;
        }
        return false;
    };
    EXPECT_TRUE(caught([] { throw CPassThruParseError(); }));
    EXPECT_TRUE(caught([] { throw CPassThruChecksumError(); }));
    EXPECT_TRUE(caught([] { throw CPassThruCmdUnknown(); }));
    EXPECT_TRUE(caught([] { throw CPassThruSubCmdUnknown(); }));
}

}  // namespace
