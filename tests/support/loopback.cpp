#include "tests/support/loopback.h"

#include <gtest/gtest.h>

#include <random>

namespace station_test {

namespace {

SOCKET BindTo(UINT nPort) {
    const SOCKET hSocket = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address;
    MakeIpv4Address("127.0.0.1", nPort, address);
    if (bind(hSocket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) return hSocket;
    closesocket(hSocket);
    return INVALID_SOCKET;
}

}  // namespace

SOCKET BindLoopback(UINT& nPort, bool bBelow32000) {
    constexpr UINT kFirstPort = 20000, kPortCount = 12000;
    // A random start keeps tests that run side by side apart.
    const UINT nStart = std::random_device()() % kPortCount;
    for (UINT i = 0; bBelow32000 && i < kPortCount; ++i) {
        nPort = kFirstPort + (nStart + i) % kPortCount;
        if (const SOCKET hSocket = BindTo(nPort); hSocket != INVALID_SOCKET) return hSocket;
    }
    const SOCKET hSocket = bBelow32000 ? INVALID_SOCKET : BindTo(0);
    sockaddr_in address{};
    socklen_t nLength = sizeof address;
    EXPECT_EQ(getsockname(hSocket, reinterpret_cast<sockaddr*>(&address), &nLength), 0);
    nPort = ntohs(address.sin_port);
    return hSocket;
}

}  // namespace station_test
