// A Health Check round trip through CObjCommConnection against its floor: a raw TCP
// ping-pong of the same byte counts over loopback, to the same in-process server. The
// ratio shows what framing, the receive buffer, the time-out wait and decoding add.
#include <benchmark/benchmark.h>

#include <memory>
#include <thread>

#include "objcomm/connection.h"
#include "objcomm/health_check_request.h"
#include "platform/sockets.h"

namespace {

const CString kIdentifier = "0123456789ABCDEF";

CByteArray HealthCheckFrame() {
    CMsgHealthCheck request(true, 0);
    COutBinaryString frame;
    request.BuildPacket(frame, 0, kIdentifier, FALSE);
    return frame.GetBytes();
}

// The answer to a long-form Health Check has the same 22 bytes: command 0x99, the
// request's form and identifier, an empty body.
const CByteArray kRequest = HealthCheckFrame();
const CByteArray& kAnswer = kRequest;

// Reads exactly bytes.size() bytes; false on end of stream or error.
bool RecvAll(SOCKET hSocket, CByteArray& bytes) {
    for (size_t nHave = 0; nHave < bytes.size();) {
        const long nCount = recv(hSocket, bytes.data() + nHave, bytes.size() - nHave, 0);
        if (nCount <= 0) return false;
        nHave += static_cast<size_t>(nCount);
    }
    return true;
}

bool SendAll(SOCKET hSocket, const CByteArray& bytes) {
    return SendNoSignal(hSocket, bytes.data(), bytes.size()) == static_cast<long>(bytes.size());
}

// Answers every request-sized read with the answer, one connection after another, each
// until the client closes it.
class CPingServer {
public:
    CPingServer() {
        m_hListener = OpenListener("127.0.0.1", 0, &m_nPort);
        m_thread = std::thread([this] {
            for (;;) {
                const SOCKET hPeer = accept(m_hListener, nullptr, nullptr);
                if (hPeer == INVALID_SOCKET) return;
                CByteArray request(kRequest.size());
                while (RecvAll(hPeer, request) && SendAll(hPeer, kAnswer)) {
                }
                closesocket(hPeer);
            }
        });
    }
    ~CPingServer() {
        shutdown(m_hListener, SHUT_RDWR);
        m_thread.join();
        closesocket(m_hListener);
    }

    UINT GetPort() const { return m_nPort; }

private:
    SOCKET m_hListener = INVALID_SOCKET;
    UINT m_nPort = 0;
    std::thread m_thread;
};

SOCKET RawConnect(UINT nPort) {
    sockaddr_in address;
    MakeIpv4Address("127.0.0.1", nPort, address);
    const SOCKET hSocket = socket(AF_INET, SOCK_STREAM, 0);
    connect(hSocket, reinterpret_cast<sockaddr*>(&address), sizeof address);
    return hSocket;
}

void RawExchange(benchmark::State& state, SOCKET hSocket) {
    CByteArray answer(kAnswer.size());
    if (!SendAll(hSocket, kRequest) || !RecvAll(hSocket, answer))
        state.SkipWithError("raw exchange");
}

void ConnectionExchange(benchmark::State& state, CObjCommConnection& connection) {
    CMsgHealthCheck request(true, 0);
    connection.Send(request, kIdentifier, FALSE);
    const std::unique_ptr<CObjCommResponse> response(connection.Receive(0));
    if (!response) state.SkipWithError("no response");
}

void BM_RawPingPong_OpenConnection(benchmark::State& state) {
    CPingServer server;
    const SOCKET hSocket = RawConnect(server.GetPort());
    for (auto _ : state) RawExchange(state, hSocket);
    closesocket(hSocket);
}
BENCHMARK(BM_RawPingPong_OpenConnection);

void BM_HealthCheck_OpenConnection(benchmark::State& state) {
    CPingServer server;
    CObjCommConnection connection;
    if (!connection.Connect("127.0.0.1", server.GetPort())) state.SkipWithError("connect");
    for (auto _ : state) ConnectionExchange(state, connection);
    state.counters["recv_per_frame"] =
        static_cast<double>(connection.GetRecvCalls()) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_HealthCheck_OpenConnection);

void BM_RawPingPong_ConnectPerExchange(benchmark::State& state) {
    CPingServer server;
    for (auto _ : state) {
        const SOCKET hSocket = RawConnect(server.GetPort());
        RawExchange(state, hSocket);
        closesocket(hSocket);
    }
}
BENCHMARK(BM_RawPingPong_ConnectPerExchange);

void BM_HealthCheck_ConnectPerExchange(benchmark::State& state) {
    CPingServer server;
    size_t nRecvCalls = 0;
    for (auto _ : state) {
        CObjCommConnection connection;
        if (!connection.Connect("127.0.0.1", server.GetPort())) state.SkipWithError("connect");
        ConnectionExchange(state, connection);
        nRecvCalls += connection.GetRecvCalls();
    }
    state.counters["recv_per_frame"] =
        static_cast<double>(nRecvCalls) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_HealthCheck_ConnectPerExchange);

}  // namespace
