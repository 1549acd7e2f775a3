#include <gtest/gtest.h>

#include <sstream>

#include "tools/objcomm/commands.h"
#include "tools/objcomm/json.h"
#include "tools/objcomm/usage_error.h"

namespace {

struct CRun {
    int nStatus;
    std::string strOut;
    std::string strErr;
};

CRun Decode(const std::vector<std::string>& args, const std::string& strInput = "") {
    std::istringstream in(strInput);
    std::ostringstream out, err;
    const int status = RunDecode(args, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(DecodeCommand, JsonLineHasTheFieldsInOrder) {
    const CRun run = Decode({"--json", "00 02 49 44 FF 00 01 93 22"});
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut,
              "{\"class\":\"CRspError\",\"command\":255,\"subCommand\":-1,\"hasHeader\":true,"
              "\"tag\":0,\"describe\":[\"Command\",\"Resend Data\",\"Error Code\","
              "\"UnKnown Command\"],\"data\":\"93\"}\n");
}

TEST(DecodeCommand, RejectedFrameStillPrintsAndSetsStatusOne) {
    const CRun run = Decode({"--json", "99000098", "99000099"});
    EXPECT_EQ(run.nStatus, 1);
    EXPECT_EQ(run.strOut.substr(0, run.strOut.find('\n')),
              "{\"error\":\"CPassThruChecksumError\",\"tag\":0}");
    EXPECT_NE(run.strOut.find("CRspHealthCheck"), std::string::npos);
}

TEST(DecodeCommand, RejectedPassThroughReportsItsTag)  {
    // Sub-command 0x11 has no class; the tag 0x0102 was already read.
    const CRun run = Decode({"--json", "0A 00 03 11 01 02 21"});
    EXPECT_EQ(run.strOut, "{\"error\":\"CPassThruParseError\",\"tag\":0}\n")
        << "short form is refused for command 10 before its tag is read";
    const CRun longForm = Decode({"--json", "00 00 0A 00 03 11 01 02 21"});
    EXPECT_EQ(longForm.strOut, "{\"error\":\"CPassThruSubCmdUnknown\",\"tag\":258}\n");
}

TEST(DecodeCommand, TextFormHasHeaderPairsAndData) {
    const CRun run = Decode({}, "# a comment\n\n99 00 00 99\r\n");
    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(run.strOut,
              "CRspHealthCheck command=153 form=short tag=0\n"
              "Command: Health Request Acknowledge\n"
              "data:\n");
}

TEST(DecodeCommand, BadHexNamesTheInputAndExitsTwo) {
    struct Case {
        std::vector<std::string> args;
        std::string strInput;
        std::string strMessage;
    } cases[] = {
        {{"990"}, "", "objcomm decode: argument 1 '990': odd number of hex digits\n"},
        {{"99 00 00 99", "zz"}, "", "objcomm decode: argument 2 'zz': character 1 is not a hex digit\n"},
        {{}, "99000099\n\nq\n", "objcomm decode: line 3: character 1 is not a hex digit\n"},
    };
    for (const Case& c : cases) {
        const CRun run = Decode(c.args, c.strInput);
        EXPECT_EQ(run.nStatus, 2);
        EXPECT_EQ(run.strErr, c.strMessage);
    }
}

TEST(DecodeCommand, UnknownOptionIsAUsageError) {
    EXPECT_THROW(Decode({"--jsn"}), CUsageError);
}

TEST(FrameCommand, BuildsTheRequestsWithTheirOptions) {
    struct Case {
        std::vector<std::string> args;
        std::string strFrame;
    } cases[] = {
        {{"health"}, "0010303132333435363738394142434445469900004B\n"},
        {{"health", "--short"}, "99000099\n"},
        {{"health", "--id", "", "--long-length"}, "020099000000009B\n"},
        {{"register", "--name", "AB", "--id", ""}, "000006000732000241420101C6\n"},
        {{"register", "--name", "AB", "--old", "C", "--module", "0A 0B", "--module", "0C", "--id", ""},
         "000006000A320143024142030A0B0C2F\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        EXPECT_EQ(RunFrame(c.args, out), 0);
        EXPECT_EQ(out.str(), c.strFrame);
    }
}

TEST(FrameCommand, RejectsMissingAndMalformedValues) {
    const std::vector<std::vector<std::string>> bad = {
        {}, {"ping"}, {"register"}, {"register", "--name"}, {"health", "--tag", "65536"},
        {"health", "--tag", "-1"}, {"register", "--name", "A", "--module", "1"},
        {"health", "--name", "A"}, {"health", "--id", std::string(256, 'x')}};
    for (const auto& args : bad) {
        std::ostringstream out;
        EXPECT_THROW(RunFrame(args, out), CUsageError) << testing::PrintToString(args);
    }
}

TEST(Json, EscapesQuotesControlAndNonAsciiBytes) {
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString(std::string("\n\x01\x7F\xE9", 4)), "\"\\u000a\\u0001\\u007f\\u00e9\"");
}

}  // namespace
