// objcomm send against objcomm serve, both as the built program, over loopback.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <memory>

#include "objcomm/connection.h"
#include "objcomm/error_response.h"
#include "platform/format.h"
#include "tests/support/case_name.h"
#include "tests/support/child_process.h"
#include "tests/support/frames.h"
#include "tests/support/loopback.h"

using namespace station_test;

namespace {

const std::string kTool = OBJCOMM_TOOL_PATH;
const std::string kListening = "listening on 127.0.0.1:";

std::vector<std::string> Joined(std::vector<std::string> first,
                                const std::vector<std::string>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// objcomm serve on a port the system picks, ready once its first line is read.
class CServeProcess {
public:
    explicit CServeProcess(const std::vector<std::string>& args)
        : m_process(Joined({kTool, "serve", "--listen", "127.0.0.1:0"}, args), true) {
        const std::string line = m_process.ReadLine();
        EXPECT_EQ(line.rfind(kListening, 0), 0u) << line;
        if (line.size() > kListening.size()) m_nPort = std::stoul(line.substr(kListening.size()));
    }

    UINT GetPort() const { return m_nPort; }
    std::string GetAddress() const { return "127.0.0.1:" + std::to_string(m_nPort); }
    CChildProcess& Process() { return m_process; }

private:
    CChildProcess m_process;
    UINT m_nPort = 0;
};

// --- one exchange per case: what send prints and returns, what serve logs ---

struct ExchangeCase {
    const char* pszName;
    std::vector<std::string> serveArgs;
    std::vector<std::string> sendArgs;
    int nStatus;
    const char* pszOut;       // expected within send's standard output
    const char* pszErr;       // expected within send's standard error
    const char* pszServeLog;  // expected within serve's line for the request
};

class ExchangeTest : public testing::TestWithParam<ExchangeCase> {
protected:
    void SetUp() override {
        serve = std::make_unique<CServeProcess>(Joined({"--count", "1"}, GetParam().serveArgs));
    }

    std::unique_ptr<CServeProcess> serve;
};

TEST_P(ExchangeTest, SendPrintsTheOutcomeAndServeLogsTheRequest) {
    const ExchangeCase& c = GetParam();
    const CProcessResult sent =
        RunProcess(Joined({kTool, "send", "--to", serve->GetAddress()}, c.sendArgs));

    EXPECT_EQ(sent.nStatus, c.nStatus) << sent.strErr;
    EXPECT_NE(sent.strOut.find(c.pszOut), std::string::npos) << sent.strOut;
    EXPECT_NE(sent.strErr.find(c.pszErr), std::string::npos) << sent.strErr;
    if (c.nStatus != 0) {
        EXPECT_EQ(std::count(sent.strErr.begin(), sent.strErr.end(), '\n'), 1) << "one line";
    }
    const std::string logged = serve->Process().ReadLine();
    EXPECT_NE(logged.find(c.pszServeLog), std::string::npos) << logged;
    EXPECT_EQ(serve->Process().Wait(), 0);
}

constexpr const char* kHealthLogged = "CMsgHealthCheck command=153 form=long id=0123456789ABCDEF";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Exchanges, ExchangeTest, testing::Values(
    ExchangeCase{"HealthCheck", {}, {"health"}, 0,
        "CRspHealthCheck command=153 form=long tag=0\nCommand: Health Request Acknowledge\ndata:\n",
        "", kHealthLogged},
    ExchangeCase{"RegisterDevice", {}, {"register", "--name", "STA7", "--old", "STA1"}, 0,
        "Device Registered: STA7", "",
        "Old Personalization Device Name: STA1; Personalization Device Name: STA7"},
    ExchangeCase{"JsonOnBothSides", {"--json"}, {"--json", "health"}, 0,
        R"({"class":"CRspHealthCheck","command":153,)", "",
        R"({"request":"CMsgHealthCheck","command":153,"form":"long")"},
    ExchangeCase{"FaultClose", {"--fault", "close"}, {"health"}, 4,
        "", "closed the connection without responding", kHealthLogged},
    ExchangeCase{"FaultSilent", {"--fault", "silent"}, {"--timeout", "0.3", "health"}, 4,
        "", "did not respond within 0.3 s", kHealthLogged},
    ExchangeCase{"FaultDrip", {"--fault", "drip"}, {"health"}, 0,
        "CRspHealthCheck", "", kHealthLogged},
    ExchangeCase{"FaultCorrupt", {"--fault", "corrupt"}, {"health"}, 1,
        "rejected: CPassThruChecksumError", "malformed response (CPassThruChecksumError)",
        kHealthLogged}),
    CCaseName());
// clang-format on

TEST(SendTest, RefusedConnectionExitsWithThree) {
    UINT nPort = 0;
    const SOCKET hBound = BindLoopback(nPort);
    const std::string strTo = "127.0.0.1:" + std::to_string(nPort);
    const CProcessResult refused = RunProcess({kTool, "send", "--to", strTo, "health"});
    EXPECT_EQ(refused.nStatus, 3);
    EXPECT_EQ(refused.strOut, "");
    EXPECT_EQ(refused.strErr, "objcomm send: cannot connect to " + strTo + "\n");
    closesocket(hBound);
}

// --- serve's own life ---

// A fresh serve per test, and raw frames to it, as a faulty or hostile client would send.
class ServeTest : public testing::Test {
protected:
    void Start(const std::vector<std::string>& args) {
        serve = std::make_unique<CServeProcess>(args);
    }

    std::unique_ptr<CObjCommConnection> Connect() {
        auto connection = std::make_unique<CObjCommConnection>();
        connection->SetTimeouts(std::chrono::seconds(5), std::chrono::seconds(5));
        EXPECT_TRUE(connection->Connect("127.0.0.1", serve->GetPort()));
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

    std::unique_ptr<CServeProcess> serve;
};

class ServeStopTest : public ServeTest, public testing::WithParamInterface<int> {};

// The stop comes while serve waits on an idle client: the wait must not outlast it.
TEST_P(ServeStopTest, StopSignalEndsServeWithStatusZero) {
    Start({});
    const auto idle = Connect();
    serve->Process().Signal(GetParam());
    EXPECT_EQ(serve->Process().Wait(), 0);
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
    EXPECT_NE(serve->Process().ReadLine().find("malformed: bad checksum"), std::string::npos);
    EXPECT_NE(serve->Process().ReadLine().find("unknown command=1 form=short"), std::string::npos);

    connection = Connect();
    EXPECT_EQ(AnswerTo(*connection, Hex("02 00 99 FF FF FF FF")), "");
    EXPECT_FALSE(connection->ReceiveTimedOut()) << "serve should close such a connection";
    connection = Connect();
    EXPECT_EQ(AnswerTo(*connection, LongFrame(0x99, {})), "CRspHealthCheck");
    connection.reset();
    EXPECT_NE(serve->Process().ReadLine().find("CMsgHealthCheck command=153"), std::string::npos);
    EXPECT_EQ(serve->Process().Wait(), 0);
    EXPECT_NE(serve->Process().GetErrors().find("declared a body over 16 MiB"), std::string::npos);
}

// --- hostile clients, and output nobody takes ---

TEST_F(ServeTest, IdleClientHoldsUpNoOtherClient) {
    Start({});
    const auto idle = Connect();
    // send gives up after 3 s: an answer at all shows that the idle client stalled nothing.
    const CProcessResult sent =
        RunProcess({kTool, "send", "--to", serve->GetAddress(), "--timeout", "3", "health"});
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
    serve->Process().CloseOutput();
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(AnswerTo(*Connect(), LongFrame(0x99, {})), "CRspHealthCheck");
    serve->Process().Signal(SIGTERM);
    EXPECT_EQ(serve->Process().Wait(), 1);
    EXPECT_EQ(serve->Process().GetErrors(),
              "objcomm serve: cannot write the log: Broken pipe; serving on without it\n");
}

TEST_F(ServeTest, ToolsFailWithOneLineWhenTheirOutputOrInputFails) {
    Start({"--count", "1"});
    const std::string strFull = ": cannot write standard output: No space left on device\n";
    const struct {
        std::vector<std::string> args;
        const char* pszStdin;
        int nStatus;
        std::string strErr;
    } cases[] = {
        {{"decode", "99000099"}, nullptr, 1, "objcomm decode" + strFull},
        {{"frame", "health"}, nullptr, 1, "objcomm frame" + strFull},
        {{"send", "--to", serve->GetAddress(), "health"}, nullptr, 5, "objcomm send" + strFull},
        {{"decode"}, "/tmp", 1, "objcomm decode: cannot read standard input: Is a directory\n"},
    };
    for (const auto& c : cases) {
        const CProcessResult run =
            RunProcess(Joined({kTool}, c.args), {.pszStdin = c.pszStdin, .pszStdout = "/dev/full"});
        EXPECT_EQ(run.nStatus, c.nStatus) << c.args[0];
        EXPECT_EQ(run.strErr, c.strErr);
    }
}

}  // namespace
