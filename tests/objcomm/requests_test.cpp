// Requests encoded by the station and decoded by the server side, from one declaration of
// their fields.
#include <gtest/gtest.h>

#include "objcomm/health_check_request.h"
#include "objcomm/length_prefix.h"
#include "objcomm/register_device_request.h"
#include "objcomm/request_decoder.h"
#include "tests/support/frames.h"

using namespace station_test;

namespace {

CByteArray Framed(CObjCommMessage& message, BOOL bLongLength = FALSE) {
    COutBinaryString out;
    out.SetPrefix(kCountDWord).AppendByte(0xEE);  // BuildPacket must start from a clean string
    message.BuildPacket(out, 0x0102, "ID", bLongLength);
    return out.GetBytes();
}

TEST(DecodeRequest, RebuildsTheStationsRequestsFromTheirFrames) {
    CMsgHealthCheck longHealth(true, 0), shortHealth(false, 0);
    CMsgRegisterDevice registration("STA7", {0x01, 0xAB}, "STA1", 1);
    CMsgRegisterDevice overwrite("N", {}, "unsent", 1);
    overwrite.m_cOverwriteMode = '1';
    for (CObjCommMessage* pSent : std::initializer_list<CObjCommMessage*>{
             &longHealth, &shortHealth, &registration, &overwrite}) {
        for (const BOOL bLongLength : {FALSE, TRUE}) {
            const CDecodedRequest decoded = DecodeRequest(Framed(*pSent, bLongLength));
            ASSERT_NE(decoded.message, nullptr) << decoded.strProblem;
            EXPECT_EQ(typeid(*decoded.message), typeid(*pSent));
            EXPECT_EQ(decoded.nCommand, pSent->GetCommand());
            EXPECT_EQ(decoded.bLongForm, bLongLength || pSent->HasHeader());
            EXPECT_EQ(decoded.message->HasHeader(), bLongLength || pSent->HasHeader());
            EXPECT_EQ(decoded.strIdentifier, decoded.bLongForm ? "ID" : "");
            EXPECT_EQ(decoded.message->Describe(), pSent->Describe());
            EXPECT_EQ(decoded.message->GetData().GetBytes(), pSent->GetData().GetBytes());
        }
    }
}

TEST(DecodeRequest, NamesWhatIsWrongAndKeepsWhatWasRead) {
    CByteArray badChecksum = LongFrame(0x99, {});
    badChecksum.back() ^= 1;
    const struct {
        CByteArray frame;
        const char* pszProblem;
        BYTE nCommand;
        const char* pszIdentifier;
    } cases[] = {
        {{}, "frame cut short", 0, ""},
        {Hex("00 05 41 42"), "frame cut short", 0, ""},
        {Hex("00 02 41 42 06 00 05 32"), "frame cut short", 6, "AB"},
        {badChecksum, "bad checksum", 0x99, "ID"},
        {LongFrame(0x06, Hex("32 05 41")), "Register Device payload cut short", 6, "ID"},
        {LongFrame(0x06, Hex("30 00 00 00")), "bytes after the module list", 6, "ID"},
        {ShortFrame(0x0A, Hex("13 00 00")), "", 10, ""},
    };
    for (const auto& c : cases) {
        const CDecodedRequest decoded = DecodeRequest(c.frame);
        EXPECT_EQ(decoded.message, nullptr) << HexOf(c.frame);
        EXPECT_EQ(decoded.strProblem, c.pszProblem) << HexOf(c.frame);
        EXPECT_EQ(decoded.nCommand, c.nCommand) << HexOf(c.frame);
        EXPECT_EQ(decoded.strIdentifier, c.pszIdentifier) << HexOf(c.frame);
        EXPECT_EQ(decoded.bLongForm, !c.frame.empty() && c.frame[0] == 0) << HexOf(c.frame);
    }
}

}  // namespace
