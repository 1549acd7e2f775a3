#include <gtest/gtest.h>

#include "objcomm/health_check_request.h"
#include "objcomm/register_device_request.h"
#include "tests/support/frames.h"
#include "tests/support/pass_through_probe.h"

using station_test::CPassThroughProbe;
using station_test::HexOf;

namespace {

const CString kId = "0123456789ABCDEF";
const CString kIdHex = "30313233343536373839414243444546";

CString Frame(CObjCommMessage& message, WORD wTag, const CString& strId, BOOL bLong) {
    COutBinaryString out;
    out.SetPrefix(-4).AppendByte(0xEE);  // BuildPacket must start from a clean string
    message.BuildPacket(out, wTag, strId, bLong);
    return HexOf(out.GetBytes());
}

TEST(BuildPacket, HealthCheckLongFormIs22Bytes) {
    CMsgHealthCheck health(true, 0);
    EXPECT_EQ(Frame(health, 0, kId, FALSE), "0010" + kIdHex + "9900004B");
}

TEST(BuildPacket, LongLengthSwitchUsesFourByteLengthWhateverTheHeader) {
    CMsgHealthCheck shortForm(false, 0);
    EXPECT_EQ(Frame(shortForm, 0, kId, TRUE), "0210" + kIdHex + "99000000004D");
}

TEST(BuildPacket, ShortFormHasCommandLengthAndChecksumOnly) {
    CMsgHealthCheck health(false, 0);
    EXPECT_EQ(Frame(health, 0x1234, kId, FALSE), "99000099");
}

TEST(BuildPacket, PassThroughBodyStartsWithSubCommandAndTag) {
    CPassThroughProbe probe;
    EXPECT_EQ(Frame(probe, 0x0102, kId, FALSE), "0A000313010223");
}

TEST(RegisterDevice, PayloadCarriesModeOldNameNameAndModules) {
    CMsgRegisterDevice request("NAME", {0x01}, "OLD", 1);
    EXPECT_EQ(HexOf(request.GetData().GetBytes()), "32034F4C44044E414D450101");
    EXPECT_EQ(request.GetCommand(), 6);
    EXPECT_EQ(request.GetSubCommand(), -1);
    EXPECT_TRUE(request.HasHeader());
}

TEST(RegisterDevice, DescribesEveryFieldAndEachModule) {
    CMsgRegisterDevice request("NAME", {0x01, 0xAB}, "OLD", 1);
    const CStringArray expected = {"Command", "Register Device Name",
                                   "Over Write Name Settings", "Over write name and use pseudo IP",
                                   "Old Personalization Device Name", "OLD",
                                   "Personalization Device Name", "NAME",
                                   "Sequence number of Module 0", "01",
                                   "Sequence number of Module 1", "AB"};
    EXPECT_EQ(request.Describe(), expected);
    EXPECT_EQ(request.Describe(), expected) << "a second call rebuilds, not appends";
}

TEST(RegisterDevice, EmptyNamesAndModulesAreZeroLengths) {
    CMsgRegisterDevice request("", {}, "", 1);
    EXPECT_EQ(HexOf(request.GetData().GetBytes()), "32000000");
    EXPECT_EQ(request.Describe().size(), 8u);
}

TEST(RegisterDevice, OtherModesDropTheOldName) {
    struct Case {
        char cMode;
        const char* pszText;
        const char* pszPayload;
    } cases[] = {{'0', "Over write is not allowed", "30014E00"},
                 {'1', "Over write is allowed", "31014E00"},
                 {'7', "Over write is not allowed", "37014E00"}};
    for (const Case& c : cases) {
        CMsgRegisterDevice request("N", {}, "OLD", 1);
        request.m_cOverwriteMode = c.cMode;
        EXPECT_EQ(HexOf(request.GetData().GetBytes()), c.pszPayload);
        const CStringArray& list = request.Describe();
        ASSERT_EQ(list.size(), 6u);
        EXPECT_EQ(list[3], c.pszText);
    }
}

TEST(HealthCheck, DescribesAsTwoTextsWithTrailingBlank) {
    CMsgHealthCheck health(true, 0);
    EXPECT_EQ(health.Describe(), (CStringArray{"Command", "Health Check Request "}));
    EXPECT_EQ(health.GetSubCommand(), -1);
}

}  // namespace
