// objcomm serve as the built program, over loopback, to clients that misbehave; what send
// prints against it is a case of tests/tools/process_cases.
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

#include "objcomm/connection.h"
#include "objcomm/error_response.h"
#include "platform/format.h"
#include "tests/support/child_process.h"
#include "tests/support/frames.h"

using namespace station_test;

namespace {

const std::string kTool = OBJCOMM_TOOL_PATH;
const std::string kListening = "listening on 127.0.0.1:";

// A fresh objcomm serve per test, on a port the system picks, and raw frames to it, as a
// faulty or hostile client would send.
class ServeTest : public testing::Test {
protected:
    void Start(std::vector<std::string> args) {
        args.insert(args.begin(), {kTool, "serve", "--listen", "127.0.0.1:0"});
        serve = std::make_unique<CChildProcess>(args, true);
        const std::string line = serve->ReadLine();
        EXPECT_EQ(line.rfind(kListening, 0), 0u) << line;
        if (line.size() > kListening.size()) m_nPort = std::stoul(line.substr(kListening.size()));
    }
    std::string GetAddress() const { return "127.0.0.1:" + std::to_string(m_nPort); }

    std::unique_ptr<CObjCommConnection> Connect() {
        auto connection = std::make_unique<CObjCommConnection>();
        connection->SetTimeouts(std::chrono::seconds(5), std::chrono::seconds(5));
        EXPECT_TRUE(connection->Connect("127.0.0.1", m_nPort));
        return connection;
    }

    // The answer to one raw frame as "CLASS" or "CRspError CODE"; "" when none came.
    std::string AnswerTo(CObjCommConnection& connection, const CByteArray& frame) {
        EXPECT_TRUE(connection.SendBuffer(frame));
        const std::unique_ptr<CObjCommResponse> response(connection.Receive(0));
        if (!response) return "";
        const auto* error = dynamic_cast<const CRspError*>(response.get());
        return error ? FormatText("CRspError %02X", error->m_nErrorCode)
                     : (response->GetCommand() == 0x99 ? "CRspHealthCheck" : "other");
    }

    std::unique_ptr<CChildProcess> serve;
    UINT m_nPort = 0;
};

class ServeStopTest : public ServeTest, public testing::WithParamInterface<int> {};

// The stop comes while serve waits on an idle client: the wait must not outlast it.
TEST_P(ServeStopTest, StopSignalEndsServeWithStatusZero) {
    Start({});
    const auto idle = Connect();
    serve->Signal(GetParam());
    EXPECT_EQ(serve->Wait(), 0);
}

INSTANTIATE_TEST_SUITE_P(Signals, ServeStopTest, testing::Values(SIGINT, SIGTERM));

TEST_F(ServeTest, MalformedRequestsAreAnsweredAndAHugeClaimOnlyEndsItsConnection) {
    Start({"--count", "3"});
    CByteArray badChecksum = LongFrame(0x99, {});
    badChecksum.back() ^= 1;
    // Any number of requests on one connection, each answered in turn.
    auto connection = Connect();
    EXPECT_EQ(AnswerTo(*connection, badChecksum), "CRspError 91");
    EXPECT_EQ(AnswerTo(*connection, Hex("01 00 00 01")), "CRspError 93");
    // Lines come after answers and connections run side by side: read this one's first.
    EXPECT_NE(serve->ReadLine().find("malformed: bad checksum"), std::string::npos);
    EXPECT_NE(serve->ReadLine().find("unknown command=1 form=short"), std::string::npos);

    connection = Connect();
    EXPECT_EQ(AnswerTo(*connection, Hex("02 00 99 FF FF FF FF")), "");
    EXPECT_FALSE(connection->ReceiveTimedOut()) << "serve should close such a connection";
    connection = Connect();
    EXPECT_EQ(AnswerTo(*connection, LongFrame(0x99, {})), "CRspHealthCheck");
    connection.reset();
    EXPECT_NE(serve->ReadLine().find("CMsgHealthCheck command=153"), std::string::npos);
    EXPECT_EQ(serve->Wait(), 0);
    EXPECT_NE(serve->GetErrors().find("declared a body over 16 MiB"), std::string::npos);
}

// --- hostile clients, and output nobody takes ---

TEST_F(ServeTest, IdleClientHoldsUpNoOtherClient) {
    Start({});
    const auto idle = Connect();
    // send gives up after 3 s: an answer at all shows that the idle client stalled nothing.
    const CProcessResult sent =
        RunProcess({kTool, "send", "--to", GetAddress(), "--timeout", "3", "health"});
    EXPECT_EQ(sent.nStatus, 0) << sent.strErr;
}

TEST_F(ServeTest, ConnectionOverTheLimitIsClosedAtOnce) {
    Start({"--max-connections", "1"});
    const auto first = Connect();
    const auto over = Connect();
    EXPECT_EQ(AnswerTo(*over, LongFrame(0x99, {})), "");
    EXPECT_FALSE(over->ReceiveTimedOut()) << "closed, not left waiting";
    EXPECT_EQ(AnswerTo(*first, LongFrame(0x99, {})), "CRspHealthCheck");
}

TEST_F(ServeTest, SilentConnectionIsClosedAfterTheIdleTimeOut) {
    Start({"--idle-timeout", "0.2"});
    const auto idle = Connect();
    EXPECT_EQ(std::unique_ptr<CObjCommResponse>(idle->Receive(0)), nullptr);
    EXPECT_FALSE(idle->ReceiveTimedOut()) << "serve should have closed it";
}

// As `serve | head -1` leaves it: the reader of the log is gone after the first line.
TEST_F(ServeTest, LogNobodyReadsEndsTheLogButNotTheServing) {
    Start({});
    serve->CloseOutput();
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(AnswerTo(*Connect(), LongFrame(0x99, {})), "CRspHealthCheck");
    serve->Signal(SIGTERM);
    EXPECT_EQ(serve->Wait(), 1);
    EXPECT_EQ(serve->GetErrors(),
              "objcomm serve: cannot write the log: Broken pipe; serving on without it\n");
}

// The other tools' streams, and what send prints, are cases of tests/tools/process_cases.
TEST_F(ServeTest, SendFailsWithFiveWhenItsOutputCannotBeWritten) {
    Start({"--count", "1"});
    const CProcessResult run =
        RunProcess({kTool, "send", "--to", GetAddress(), "health"}, {.pszStdout = "/dev/full"});
    EXPECT_EQ(run.nStatus, 5);
    EXPECT_EQ(run.strErr, "objcomm send: cannot write standard output: No space left on device\n");
}

}  // namespace
