#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <sstream>

#include "tests/support/frames.h"
#include "tools/objcomm/commands.h"
#include "tools/objcomm/json.h"
#include "tools/objcomm/usage_error.h"

using station_test::HexOf;
using station_test::LongFrame;

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

struct DecodeCase {
    std::vector<std::string> args;
    std::string strInput;
    int nStatus;
    std::string strOut;  // in full, or up to a "..."
    std::string strErr;
};

TEST(DecodeCommand, PrintsEachFrameAndExitsByTheWorstOutcome) {
    // clang-format off
    const DecodeCase cases[] = {
        // JSON: the fields in order.
        {{"--json", "00 02 49 44 FF 00 01 93 22"}, "", 0,
         "{\"class\":\"CRspError\",\"command\":255,\"subCommand\":-1,\"hasHeader\":true,"
         "\"tag\":0,\"describe\":[\"Command\",\"Resend Data\",\"Error Code\","
         "\"UnKnown Command\"],\"data\":\"93\"}\n", ""},
        // Text from standard input: comments and blank lines skipped, header pairs and data.
        {{}, "# a comment\n\n99 00 00 99\r\n", 0,
         "CRspHealthCheck command=153 form=short tag=0\nCommand: Health Request Acknowledge\n"
         "data:\n", ""},
        // A rejected frame still prints, the next frame too, and the status is 1.
        {{"--json", "99000098", "99000099"}, "", 1,
         "{\"error\":\"CPassThruChecksumError\",\"tag\":0}\n{\"class\":\"CRspHealthCheck\"...", ""},
        // Short form is refused for command 10 before its tag is read; the long form's
        // unknown sub-command 0x11 reports the tag 0x0102 already read.
        {{"--json", "0A 00 03 11 01 02 21"}, "", 1,
         "{\"error\":\"CPassThruParseError\",\"tag\":0}\n", ""},
        {{"--json", "00 00 0A 00 03 11 01 02 21"}, "", 1,
         "{\"error\":\"CPassThruSubCmdUnknown\",\"tag\":258}\n", ""},
        // Bytes after a whole frame: the frame decodes, the rest is named, the status is 1.
        {{"99000099FFFF"}, "", 1, "CRspHealthCheck command=153...",
         "objcomm decode: argument 1 '99000099FFFF': 2 bytes after the frame\n"},
        // Bad hex names the input and exits 2.
        {{"990"}, "", 2, "...", "objcomm decode: argument 1 '990': odd number of hex digits\n"},
        {{"99 00 00 99", "zz"}, "", 2, "...",
         "objcomm decode: argument 2 'zz': character 1 is not a hex digit\n"},
        {{}, "99000099\n\nq\n", 2, "...", "objcomm decode: line 3: character 1 is not a hex digit\n"},
    };
    // clang-format on
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args) + " " + c.strInput);
        const CRun run = Decode(c.args, c.strInput);
        EXPECT_EQ(run.nStatus, c.nStatus);
        const size_t nPrefix = c.strOut.find("...");
        EXPECT_EQ(run.strOut.substr(0, nPrefix), c.strOut.substr(0, nPrefix));
        EXPECT_EQ(run.strErr, c.strErr);
    }
}

// A Register Device answer whose name holds every byte value: each line of the text output
// stays one line of plain ASCII, and the bytes can still be told apart.
TEST(DecodeCommand, TextOutputEscapesEveryByteThatIsNotPrintableAscii) {
    CByteArray name(256);
    std::iota(name.begin(), name.end(), 0);
    const CRun run = Decode({HexOf(LongFrame(0x06, name))});

    EXPECT_EQ(run.nStatus, 0);
    EXPECT_EQ(std::count(run.strOut.begin(), run.strOut.end(), '\n'), 4) << run.strOut;
    EXPECT_TRUE(std::all_of(run.strOut.begin(), run.strOut.end(),
                            [](unsigned char c) { return c == '\n' || (c >= 0x20 && c < 0x7F); }));
    for (const char* pszSpot :
         {"Registered: \\x00\\x01", "\\x1F !", "[\\\\]", "~\\x7F\\x80", "\\xFF\n"}) {
        EXPECT_NE(run.strOut.find(pszSpot), std::string::npos) << pszSpot;
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
        {{"register", "--name", "AB", "--old", "C", "--module", "0A 0B", "--module", "0C", "--id",
          ""},
         "000006000A320143024142030A0B0C2F\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream out;
        EXPECT_EQ(RunFrame(c.args, out, out), 0);
        EXPECT_EQ(out.str(), c.strFrame);
    }
}

TEST(FrameCommand, RejectsMissingAndMalformedValues) {
    // clang-format off
    const std::vector<std::vector<std::string>> bad = {
        {}, {"ping"}, {"register"}, {"register", "--name"}, {"health", "--tag", "65536"},
        {"health", "--tag", "-1"}, {"register", "--name", "A", "--module", "1"},
        {"health", "--name", "A"}, {"health", "--id", std::string(256, 'x')}};
    // clang-format on
    for (const auto& args : bad) {
        std::ostringstream out;
        EXPECT_THROW(RunFrame(args, out, out), CUsageError) << testing::PrintToString(args);
    }
}

TEST(Json, EscapesQuotesControlAndNonAsciiBytes) {
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString(std::string("\n\x01\x7F\xE9", 4)), "\"\\u000a\\u0001\\u007f\\u00e9\"");
}

}  // namespace
