#include "tools/objcomm/server_reply.h"

#include <gtest/gtest.h>

#include <sstream>

#include "objcomm/health_check_request.h"
#include "objcomm/register_device_request.h"
#include "tests/support/case_name.h"
#include "tests/support/frames.h"
#include "tools/objcomm/request_log.h"

using namespace station_test;

namespace {

const CString kId = "0123456789ABCDEF";

CByteArray Framed(CObjCommMessage& request) {
    COutBinaryString out;
    request.BuildPacket(out, 0, kId, FALSE);
    return out.GetBytes();
}

CByteArray HealthRequest(bool bLongForm) {
    CMsgHealthCheck request(bLongForm, 0);
    return Framed(request);
}

CByteArray RegisterRequest() {
    CMsgRegisterDevice request("STA7", {0x01}, "STA1", 1);
    return Framed(request);
}

CByteArray WithChecksumOff(CByteArray frame) {
    frame.back() = static_cast<BYTE>(frame.back() + 1);
    return frame;
}

struct ReplyCase {
    const char* pszName;
    const char* pszMode;
    CByteArray request;
    CByteArray expected;
};

class ServerReplyTest : public testing::TestWithParam<ReplyCase> {};

TEST_P(ServerReplyTest, AnswersByTheMode) {
    const CDecodedRequest request = DecodeRequest(GetParam().request);
    EXPECT_EQ(HexOf(BuildReply(ParseReplyMode(GetParam().pszMode), request)),
              HexOf(GetParam().expected));
}

// The normal answers, error:HH and swap are answered through a running serve by the serve
// and dialog tests.
INSTANTIATE_TEST_SUITE_P(
    Modes, ServerReplyTest,
    testing::Values(
        ReplyCase{"HealthInTheShortForm", "normal", HealthRequest(false), ShortFrame(0x99, {})},
        // A short-form Register Device is still answered in the only form its answer has.
        ReplyCase{"ShortRegisterGetsALongAnswer", "normal", ShortFrame(0x06, Hex("30 00 00")),
                  LongFrame(0x06, {}, "")},
        ReplyCase{"SwapStillRejectsBadChecksum", "swap", WithChecksumOff(RegisterRequest()),
                  LongFrame(0xFF, {0x91}, kId)},
        ReplyCase{"RawEvenToAMalformedRequest", "raw:01-02", WithChecksumOff(RegisterRequest()),
                  Hex("01 02")}),
    CCaseName());

TEST(ReceivedRequestTest, LogLineNamesTheRequestAndItsFields) {
    const struct {
        CByteArray frame;
        bool bJson;
        std::string strExpected;
    } cases[] = {
        {RegisterRequest(), false,
         "CMsgRegisterDevice command=6 form=long id=0123456789ABCDEF; Command: Register Device "
         "Name; Over Write Name Settings: Over write name and use pseudo IP; Old Personalization "
         "Device Name: STA1; Personalization Device Name: STA7; Sequence number of Module 0: 01\n"},
        // The identifier comes from the peer: escaped, so it cannot forge a line.
        {LongFrame(0x0A, Hex("13 00 00"), "I\n\\"), false,
         "unknown command=10 form=long id=I\\x0A\\\\ frame=0003490A5C0A0003130000D2\n"},
        // A long frame shows as its first 64 bytes and its length.
        {LongFrame(0x0A, CByteArray(100, 0x41), "ID"), false,
         "unknown command=10 form=long id=ID frame=000249440A0064" + HexOf(CByteArray(57, 0x41)) +
             " ... (108 bytes)\n"},
        {WithChecksumOff(LongFrame(0x06, {}, "ID")), true,
         R"({"request":"unknown","command":6,"form":"long","id":"ID","describe":[],)"
         R"("frame":"0002494406000096","malformed":"bad checksum"})"
         "\n"},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        PrintRequestLog(out, c.frame, DecodeRequest(c.frame), c.bJson);
        EXPECT_EQ(out.str(), c.strExpected);
    }
}

}  // namespace
