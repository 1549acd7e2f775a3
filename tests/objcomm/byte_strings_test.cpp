// The byte strings where no frame reaches: what every sample and seed exercises is checked by
// the decode cases of tests/tools/cases, which compare each response's bytes written back.
#include <gtest/gtest.h>

#include "objcomm/errors.h"
#include "objcomm/in_binary_string.h"
#include "objcomm/length_prefix.h"
#include "objcomm/out_binary_string.h"
#include "tests/support/frames.h"

using station_test::Hex;
using station_test::HexOf;

namespace {

TEST(OutBinaryString, PrefixTakesOnlyTheLowBitsOfTheCount) {
    COutBinaryString out;
    out.SetPrefix(kCountByte).AppendString(CString(257, 'x'));
    EXPECT_EQ(out.GetBytes()[0], 0x01);
    EXPECT_EQ(out.GetSize(), 258u);
}

// What was read before the end stays read: the bytes of a cut field, the position after them.
TEST(InBinaryString, ReadPastTheEndThrowsAtTheEndAndKeepsWhatWasRead) {
    CInBinaryString in(Hex("01 AA BB"));
    in.ReadByte();
    in.ReadByte();
    EXPECT_THROW(in.ReadWord(), CInBinaryStringException);
    EXPECT_EQ(in.m_nPos, 3);
    CInBinaryString field(Hex("05 41 42"));
    CByteArray out;
    try {
        field.ReadBytes(out, kCountByte);
        FAIL() << "no exception";
    } catch (const CInBinaryStringException& e) {
        EXPECT_EQ(e.m_nPos, 3);
    }
    EXPECT_EQ(HexOf(out), "4142");
}

// ReadField hands out what ReadString and ReadBytes copy: the same field, the same end.
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

TEST(InBinaryString, HugeLengthClaimFailsWithoutAllocatingIt) {
    CInBinaryString in(Hex("FF FF FF FF 01 02"));
    CByteArray out;
    EXPECT_THROW(in.ReadBytes(out, kCountDWord), CInBinaryStringException);
    EXPECT_LE(out.capacity(), 16u);
}

// The position is public: one off the bytes is refused before anything is summed.
TEST(InBinaryString, VerifyChecksumRefusesAPositionOffTheBytes) {
    CInBinaryString in(Hex("01 02 03 06"));
    in.m_nPos = 3;
    EXPECT_TRUE(in.VerifyChecksum());
    for (const int nPos : {4, 4096, -1}) {
        in.m_nPos = nPos;
        EXPECT_THROW(in.VerifyChecksum(), CInBinaryStringException) << nPos;
        EXPECT_EQ(in.m_nPos, nPos);
    }
}

}  // namespace
