#include "objcomm/connection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "objcomm/errors.h"
#include "objcomm/exchange.h"
#include "objcomm/health_check_request.h"
#include "tests/support/case_name.h"
#include "tests/support/frames.h"
#include "tests/support/loopback.h"
#include "tests/support/pass_through_probe.h"
#include "tests/support/scripted_peer.h"

using namespace station_test;
using namespace std::chrono_literals;

namespace {

// Long enough never to pass on a loaded machine; the tests that need a time-out set a short one.
constexpr std::chrono::milliseconds kPatience = 5s;
constexpr std::chrono::milliseconds kShortWait = 200ms;
const CByteArray kShortHealthAnswer = {0x99, 0x00, 0x00, 0x99};

// Bytes 4 and 5 of a probe's frame are the exchange tag the connection chose.
WORD SentTag(const CByteArray& probeFrame) {
    EXPECT_EQ(probeFrame.size(), 7u);
    return probeFrame.size() < 6 ? 0 : static_cast<WORD>(probeFrame[4] << 8 | probeFrame[5]);
}

CByteArray Joined(CByteArray first, const CByteArray& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

class ConnectionTest : public testing::Test {
protected:
    void SetUp() override {
        peer = std::make_unique<CScriptedPeer>();
        connection = std::make_unique<CObjCommConnection>();
        connection->SetTimeouts(kPatience, kPatience);
    }

    // Connects and sends a Health Check, as the station opens every exchange.
    void ConnectAndAsk() {
        ASSERT_TRUE(connection->Connect("127.0.0.1", peer->GetPort()));
        CMsgHealthCheck request(true, 0);
        ASSERT_TRUE(connection->Send(request, "0123456789ABCDEF", FALSE));
    }

    std::unique_ptr<CObjCommResponse> Receive() {
        return std::unique_ptr<CObjCommResponse>(connection->Receive(0));
    }

    // Declared first, destroyed last: the client closes before the peer is waited for.
    std::unique_ptr<CScriptedPeer> peer;
    std::unique_ptr<CObjCommConnection> connection;
};

// --- one whole frame, whatever its form and however it arrives ---

struct FrameCase {
    const char* pszName;
    CByteArray frame;
    // How many of the bytes arrive at once; the rest follow one at a time.
    size_t nAtOnce;
    int nCommand;
    int nSubCommand;
    bool bHeader;
};

class FrameShapeTest : public ConnectionTest, public testing::WithParamInterface<FrameCase> {};

// Each frame is followed at once by a short Health Check answer: reading the first must
// take exactly its own bytes and leave the second whole.
TEST_P(FrameShapeTest, ReadsExactlyOneFrameAndKeepsWhatFollows) {
    const FrameCase& c = GetParam();
    const CByteArray bytes = Joined(c.frame, kShortHealthAnswer);
    const size_t nAtOnce = std::min(c.nAtOnce, bytes.size());
    const auto split = bytes.begin() + static_cast<std::ptrdiff_t>(nAtOnce);
    peer->Play({ReadRequest(), Write(CByteArray(bytes.begin(), split)),
                Drip(CByteArray(split, bytes.end()), 10ms), AwaitClose()});
    ConnectAndAsk();

    const auto first = Receive();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetCommand(), c.nCommand);
    EXPECT_EQ(first->GetSubCommand(), c.nSubCommand);
    EXPECT_EQ(first->HasHeader(), c.bHeader);

    const auto second = Receive();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetCommand(), 0x99);
    EXPECT_FALSE(second->HasHeader());
}

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameShapeTest,
    testing::Values(
        FrameCase{"LongForm", LongFrame(0xFF, {0x93}), SIZE_MAX, 0xFF, -1, true},
        FrameCase{"LongFormWith32BitLength", LongFrame32(0xFF, {0x93}), SIZE_MAX, 0xFF, -1, true},
        FrameCase{"OneByteAtATime", LongFrame(0x06, Hex("53 54 41 31")), 0, 6, -1, true},
        // The second frame starts in the buffer behind the first and is completed later.
        FrameCase{"NextFrameCompletedLater", LongFrame(0xFF, {0x93}),
                  LongFrame(0xFF, {0x93}).size() + 2, 0xFF, -1, true}),
    CCaseName());

// --- how one exchange ends ---

struct EndCase {
    const char* pszName;
    std::vector<CPeerStep> script;  // after the request is read
    EExchangeOutcome eOutcome;
};

class ExchangeOutcomeTest : public ConnectionTest, public testing::WithParamInterface<EndCase> {};

TEST_P(ExchangeOutcomeTest, TellsAnswerTimeOutCloseAndMalformedApart) {
    std::vector<CPeerStep> script = {ReadRequest()};
    script.insert(script.end(), GetParam().script.begin(), GetParam().script.end());
    peer->Play(script);
    CExchangeOptions options;
    options.receiveTimeout = kShortWait;
    CMsgHealthCheck request(true, 0);
    const CExchangeResult result = ExchangeOnce("127.0.0.1", peer->GetPort(), request, options);

    EXPECT_EQ(result.eOutcome, GetParam().eOutcome);
    EXPECT_EQ(result.response != nullptr, GetParam().eOutcome == EExchangeOutcome::kAnswered);
    EXPECT_EQ(result.pFormatError != nullptr, GetParam().eOutcome == EExchangeOutcome::kMalformed);
}

CByteArray WithoutChecksum() {
    CByteArray frame = LongFrame(0x06, Hex("53 54 41 31"));
    frame.pop_back();
    return frame;
}

INSTANTIATE_TEST_SUITE_P(
    Ends, ExchangeOutcomeTest,
    testing::Values(
        EndCase{"Answered", {Write(kShortHealthAnswer)}, EExchangeOutcome::kAnswered},
        EndCase{"PeerClosesWithoutAnswer", {Close()}, EExchangeOutcome::kClosed},
        EndCase{"PeerClosesAfterFirstByte", {Write({0x00}), Close()}, EExchangeOutcome::kClosed},
        EndCase{"PeerClosesBeforeChecksum",
                {Write(WithoutChecksum()), Close()},
                EExchangeOutcome::kClosed},
        EndCase{"PeerResets", {Reset()}, EExchangeOutcome::kClosed},
        EndCase{"PeerStaysSilent", {AwaitClose()}, EExchangeOutcome::kTimedOut},
        // Every byte comes well within the time-out, the frame as a whole does not.
        EndCase{"FrameTricklesPastTheTimeOut",
                {Drip(LongFrame(0x99, {}, "0123456789ABCDEF"), 40ms), AwaitClose()},
                EExchangeOutcome::kTimedOut},
        EndCase{"BadChecksum", {Write(Hex("99 00 00 98"))}, EExchangeOutcome::kMalformed}),
    CCaseName());

TEST_F(ConnectionTest, FrameCutShortByTheTimeOutIsReadWholeByTheNextReceive) {
    const CByteArray frame = LongFrame(0xFF, {0x93});
    const CByteArray head(frame.begin(), frame.begin() + 3);
    const CByteArray rest(frame.begin() + 3, frame.end());
    peer->Play({ReadRequest(), Write(head), ReadRequest(), Write(rest), AwaitClose()});
    connection->SetTimeouts(kPatience, kShortWait);
    ConnectAndAsk();

    EXPECT_EQ(Receive(), nullptr);
    EXPECT_TRUE(connection->ReceiveTimedOut());
    // A second request lets the peer know the first wait is over.
    CMsgHealthCheck again(true, 0);
    ASSERT_TRUE(connection->Send(again, "0123456789ABCDEF", FALSE));
    connection->SetTimeouts(kPatience, kPatience);
    const auto response = Receive();
    ASSERT_NE(response, nullptr);
    EXPECT_EQ(response->GetCommand(), 0xFF);
    EXPECT_FALSE(connection->ReceiveTimedOut());
}

// --- exchange tag ---

TEST_F(ConnectionTest, SendsTheTagOfTheLastPassThroughResponseAndZeroAfterAnyOther) {
    peer->Play({ReadRequest(), Write(PassThroughFrame(0x13, {}, 0x1234)),  //
                ReadRequest(), Write(LongFrame(0x99, {})),                 //
                ReadRequest(), Write(PassThroughFrame(0x11, {}, 0x0505)),  // unknown sub-command
                ReadRequest(), Write(PassThroughFrame(0x13, {}, 0x0707)),  //
                ReadRequest(), Write(Hex("00 00 FF 00 00 FF")),            // rejected error frame
                AwaitClose()});
    ASSERT_TRUE(connection->Connect("127.0.0.1", peer->GetPort()));
    CPassThroughProbe probe;

    ASSERT_TRUE(connection->Send(probe, "", FALSE));
    EXPECT_NE(Receive(), nullptr);
    EXPECT_EQ(connection->GetTag(), 0x1234u);
    ASSERT_TRUE(connection->Send(probe, "", FALSE));
    EXPECT_NE(Receive(), nullptr);
    EXPECT_EQ(connection->GetTag(), 0u);
    ASSERT_TRUE(connection->Send(probe, "", FALSE));
    EXPECT_THROW(Receive(), CPassThruSubCmdUnknown);
    ASSERT_TRUE(connection->Send(probe, "", FALSE));
    EXPECT_NE(Receive(), nullptr);
    ASSERT_TRUE(connection->Send(probe, "", FALSE));
    EXPECT_THROW(Receive(), CPassThruParseError);
    ASSERT_TRUE(connection->Send(probe, "", FALSE));
    connection.reset();

    const std::vector<CByteArray>& sent = peer->Finish();
    ASSERT_EQ(sent.size(), 6u);
    const WORD expected[] = {0x0000, 0x1234, 0x0000, 0x0505, 0x0707, 0x0000};
    for (size_t i = 0; i < sent.size(); ++i) EXPECT_EQ(SentTag(sent[i]), expected[i]) << i;
}

// --- malformed and hostile input ---

TEST_F(ConnectionTest, MalformedFrameIsReportedAndTheNextFrameStillReads) {
    CByteArray corrupt = LongFrame(0x99, {});
    corrupt.back() = static_cast<BYTE>(corrupt.back() + 1);
    peer->Play({ReadRequest(), Write(Joined(corrupt, kShortHealthAnswer)), AwaitClose()});
    ConnectAndAsk();

    EXPECT_THROW(Receive(), CPassThruChecksumError);
    const auto next = Receive();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->GetCommand(), 0x99);
}

// The peer sends only the header and stays: waiting for the body would end in the
// time-out, so a prompt parse error shows the claim was refused up front. Nothing after
// the header can be read in step, so the connection ends there, and the last tag with it.
TEST_F(ConnectionTest, BodyLongerThanTheLimitIsAParseErrorThatClosesTheConnection) {
    COutBinaryString header;
    header.AppendByte(0x02).AppendByte(0x00).AppendByte(0x99).AppendDWord(
        CObjCommConnection::kMaxBodyLength + 1);
    peer->Play({ReadRequest(), Write(Joined(PassThroughFrame(0x13, {}, 0x1234), header.GetBytes())),
                AwaitClose()});
    ConnectAndAsk();
    ASSERT_NE(Receive(), nullptr);
    ASSERT_EQ(connection->GetTag(), 0x1234u);

    EXPECT_THROW(Receive(), CPassThruParseError);
    EXPECT_FALSE(connection->IsConnected());
    EXPECT_EQ(connection->GetTag(), 0u);
    EXPECT_EQ(Receive(), nullptr);
    EXPECT_FALSE(connection->ReceiveTimedOut()) << "closed, not waiting for the rest";
}

TEST_F(ConnectionTest, BodyOfExactlyTheLimitIsRead) {
    const CByteArray body(CObjCommConnection::kMaxBodyLength, 0x41);
    peer->Play({ReadRequest(), Write(LongFrame32(0x99, body)), AwaitClose()});
    ConnectAndAsk();

    const auto response = Receive();
    ASSERT_NE(response, nullptr);
    EXPECT_EQ(response->GetCommand(), 0x99);
}

// --- connecting and sending ---

// The listener never accepts: any connection that reached it would wait in its queue.
TEST_F(ConnectionTest, ConnectionNeverConnectedOrFailedToIsUnusable) {
    EXPECT_FALSE(connection->IsConnected());
    CMsgHealthCheck unsent(true, 0);
    EXPECT_FALSE(connection->Send(unsent, "ID", FALSE));
    // Bound but not listening: connecting to it is refused at once.
    UINT nRefusingPort = 0;
    const SOCKET hBound = BindLoopback(nRefusingPort);
    UINT nListening = 0;
    const SOCKET hListener = BindLoopback(nListening);
    ASSERT_EQ(listen(hListener, 1), 0);
    const std::pair<const char*, UINT> targets[] = {
        {"127.0.0.1", nRefusingPort}, {"localhost", nListening}, {"127.0.0", nListening},
        {"127.0.0.256", nListening},  {"0.0.0.0", nListening},   {"0.255.255.255", nListening}};
    for (const auto& [pszIp, nPort] : targets) {
        EXPECT_FALSE(connection->Connect(pszIp, nPort)) << pszIp;
        EXPECT_FALSE(connection->IsConnected());
        CMsgHealthCheck request(true, 0);
        EXPECT_FALSE(connection->Send(request, "ID", FALSE));
        EXPECT_EQ(Receive(), nullptr);
    }
    EXPECT_FALSE(WaitForSocket(hListener, false, SocketDeadline(0ms))) << "a connection came";
    closesocket(hListener);
    closesocket(hBound);
}

TEST_F(ConnectionTest, ConnectGivesUpWhenTheServerNeverCompletesTheHandshake) {
    // A listener whose queue is full and that never accepts drops further connection
    // requests, so the handshake never completes.
    UINT nPort = 0;
    const SOCKET hListener = BindLoopback(nPort);
    ASSERT_EQ(listen(hListener, 0), 0);
    CObjCommConnection queued;
    queued.SetTimeouts(kShortWait, kShortWait);
    ASSERT_TRUE(queued.Connect("127.0.0.1", nPort));
    connection->SetTimeouts(kShortWait, kShortWait);

    EXPECT_FALSE(connection->Connect("127.0.0.1", nPort));
    EXPECT_FALSE(connection->IsConnected());
    closesocket(hListener);
}

// A reset ends the exchange without a time-out; sending to the peer that reset the
// connection would raise SIGPIPE and end this test program if the connection let it.
TEST_F(ConnectionTest, SendingToAResetPeerFailsWithoutEndingTheProcess) {
    peer->Play({ReadRequest(), Reset()});
    ConnectAndAsk();
    EXPECT_EQ(Receive(), nullptr);
    EXPECT_FALSE(connection->ReceiveTimedOut());

    CMsgHealthCheck request(true, 0);
    EXPECT_FALSE(connection->Send(request, "0123456789ABCDEF", FALSE));
    EXPECT_TRUE(connection->IsConnected()) << "a failed send leaves the connection as it was";
}

}  // namespace
