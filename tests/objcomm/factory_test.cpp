#include <gtest/gtest.h>

#include "objcomm/errors.h"
#include "objcomm/health_check_response.h"
#include "tests/support/frames.h"

using namespace station_test;

namespace {

enum class Outcome { Parse, Checksum, CmdUnknown, SubCmdUnknown };

struct RejectCase {
    const char* pszName;
    CByteArray frame;
    Outcome expected;
};

CByteArray WithChecksumOff(CByteArray frame) {
    frame.back() = static_cast<BYTE>(frame.back() + 1);
    return frame;
}

CByteArray WithoutLastByte(CByteArray frame) {
    frame.pop_back();
    return frame;
}

Outcome Rejection(const CByteArray& frame) {
    try {
        Decode(frame);
    } catch (const CPassThruParseError&) {
        return Outcome::Parse;
    } catch (const CPassThruChecksumError&) {
        return Outcome::Checksum;
    } catch (const CPassThruCmdUnknown&) {
        return Outcome::CmdUnknown;
    } catch (const CPassThruSubCmdUnknown&) {
        return Outcome::SubCmdUnknown;
    }
    ADD_FAILURE() << "frame was accepted";
    return Outcome::Parse;
}

class FactoryRejectTest : public testing::TestWithParam<RejectCase> {};

TEST_P(FactoryRejectTest, ThrowsTheFirstApplicableError) {
    EXPECT_EQ(Rejection(GetParam().frame), GetParam().expected);
}

std::string CaseName(const testing::TestParamInfo<RejectCase>& info) { return info.param.pszName; }

INSTANTIATE_TEST_SUITE_P(
    Frames, FactoryRejectTest,
    testing::Values(
        RejectCase{"Empty", {}, Outcome::Parse},
        RejectCase{"CutInIdentifier", Hex("00 05 41 42"), Outcome::Parse},
        RejectCase{"CutInBody", WithoutLastByte(LongFrame(0x99, Hex("01 02"))), Outcome::Parse},
        RejectCase{"ShortFormOfLongOnlyCommand", Hex("06 00 00 06"), Outcome::Parse},
        RejectCase{"UnknownFirstByteBeatsChecksum", Hex("05 00 00 00"), Outcome::Parse},
        RejectCase{"ChecksumBeatsUnknownCommand", WithChecksumOff(LongFrame(0x42, {})),
                   Outcome::Checksum},
        RejectCase{"ChecksumOffByOne", WithChecksumOff(LongFrame(0x99, {})), Outcome::Checksum},
        RejectCase{"CommandTwoHasNoClass", LongFrame(0x02, {}), Outcome::CmdUnknown},
        RejectCase{"CommandZeroHasNoClass", LongFrame32(0x00, {}), Outcome::CmdUnknown},
        RejectCase{"PassThroughWithoutTag", LongFrame(0x0A, Hex("01 00")), Outcome::Parse},
        RejectCase{"SubCommandWithoutClass", PassThroughFrame(0x11, {}), Outcome::SubCmdUnknown},
        RejectCase{"ErrorWithoutCode", LongFrame(0xFF, {}), Outcome::Parse},
        RejectCase{"ObjectRequestOfWrongType", LongFrame(0x04, Hex("12")), Outcome::Parse}),
    CaseName);

TEST(Factory, HostileFourByteLengthIsAParseErrorNotAnAllocation) {
    // Ten bytes in all, claiming a 4 GiB body.
    EXPECT_EQ(Rejection(Hex("02 00 99 FF FF FF FF 00 00 00")), Outcome::Parse);
}

TEST(Factory, HealthCheckRemembersItsFrameForm) {
    EXPECT_FALSE(Decode(Hex("99 00 00 99"))->HasHeader());
    EXPECT_TRUE(Decode(LongFrame(0x99, {}))->HasHeader());
    EXPECT_TRUE(Decode(LongFrame32(0x99, {}))->HasHeader());
    EXPECT_FALSE(Decode(ShortFrame(0xFF, Hex("93")))->HasHeader());
}

TEST(Factory, PassThroughTagIsWrittenEvenWhenTheSubCommandIsRejected) {
    DWORD tag = 0xDEAD;
    CInBinaryString frame(PassThroughFrame(0x11, {}, 0x1234));
    EXPECT_THROW(CObjCommResponse::Create(frame, &tag, 0), CPassThruSubCmdUnknown);
    EXPECT_EQ(tag, 0x1234u);
}

TEST(Factory, OtherCommandsResetTheTag) {
    DWORD tag = 0xDEAD;
    Decode(LongFrame(0x99, {}), 0, &tag);
    EXPECT_EQ(tag, 0u);
    tag = 0xDEAD;
    CInBinaryString bad(WithChecksumOff(LongFrame(0x99, {})));
    EXPECT_THROW(CObjCommResponse::Create(bad, &tag, 0), CPassThruChecksumError);
    EXPECT_EQ(tag, 0u);
}

TEST(Factory, RereadsAFrameFromItsStart) {
    CInBinaryString frame(LongFrame(0xFF, Hex("93")));
    frame.m_nPos = 5;
    DWORD tag = 0;
    std::unique_ptr<CObjCommResponse> response(CObjCommResponse::Create(frame, &tag, 0));
    EXPECT_EQ(response->GetCommand(), 0xFF);
}

TEST(Factory, ContextReachesTheResponse) {
    EXPECT_EQ(Decode(LongFrame(0x99, {}), 7)->m_dwContext, 7u);
}

}  // namespace
