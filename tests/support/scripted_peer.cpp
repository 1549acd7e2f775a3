#include "tests/support/scripted_peer.h"

#include <gtest/gtest.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace station_test {

namespace {

// Bounds every wait of the peer, so that a client that never comes fails its test instead
// of hanging it.
constexpr std::chrono::seconds kPeerPatience{10};

}  // namespace

CPeerStep ReadRequest() {
    return [](CPeerSide& side) {
        CByteArray frame;
        ASSERT_TRUE(side.connection->ReceivePacket(frame)) << "the client sent no request";
        side.requests.push_back(frame);
    };
}

CPeerStep Write(CByteArray bytes) {
    return [bytes](CPeerSide& side) { EXPECT_TRUE(side.connection->SendBuffer(bytes)); };
}

CPeerStep Drip(CByteArray bytes, std::chrono::milliseconds gap) {
    return [bytes, gap](CPeerSide& side) {
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (i > 0) std::this_thread::sleep_for(gap);
            // A client that stopped waiting may be gone; the rest of the drip is moot.
            if (!side.connection->SendBuffer({bytes[i]})) return;
        }
    };
}

CPeerStep Close() {
    return [](CPeerSide& side) { side.connection.reset(); };
}

CPeerStep Reset() {
    return [](CPeerSide& side) {
        const linger abortive{1, 0};
        setsockopt(side.hSocket, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
        side.connection.reset();
    };
}

CPeerStep AwaitClose() {
    return [](CPeerSide& side) {
        for (CByteArray frame; side.connection->ReceivePacket(frame);) {
            side.requests.push_back(frame);
        }
        EXPECT_FALSE(side.connection->ReceiveTimedOut()) << "the client never closed";
    };
}

CScriptedPeer::CScriptedPeer() {
    m_hListener = OpenListener("127.0.0.1", 0, &m_nPort);
    EXPECT_NE(m_hListener, INVALID_SOCKET);
}

CScriptedPeer::~CScriptedPeer() {
    // Wakes a peer still waiting for a client that never came.
    shutdown(m_hListener, SHUT_RDWR);
    Finish();
    closesocket(m_hListener);
}

void CScriptedPeer::Play(std::vector<CPeerStep> script) {
    m_thread = std::thread([this, script = std::move(script)] {
        if (!WaitForSocket(m_hListener, false, SocketDeadline(kPeerPatience))) {
            ADD_FAILURE() << "no client connected to the scripted peer";
            return;
        }
        CPeerSide side;
        side.hSocket = accept(m_hListener, nullptr, nullptr);
        if (side.hSocket == INVALID_SOCKET) return;
        // Each write leaves at once, so a drip really arrives in pieces.
        const int nNoDelay = 1;
        setsockopt(side.hSocket, IPPROTO_TCP, TCP_NODELAY, &nNoDelay, sizeof nNoDelay);
        side.connection = std::make_unique<CObjCommConnection>(side.hSocket);
        side.connection->SetTimeouts(kPeerPatience, kPeerPatience);
        for (const CPeerStep& step : script) {
            step(side);
            if (testing::Test::HasFatalFailure()) break;
        }
        m_requests = std::move(side.requests);
    });
}

const std::vector<CByteArray>& CScriptedPeer::Finish() {
    if (m_thread.joinable()) m_thread.join();
    return m_requests;
}

}  // namespace station_test
