#include "tests/app/low_port.h"

#include <gtest/gtest.h>

#include <random>

namespace station_test {

namespace {
constexpr UINT kFirstPort = 20000;
constexpr UINT kPortCount = 12000;
}  // namespace

SOCKET BindLowLoopbackPort(UINT& nPort) {
    // A random start keeps tests that run side by side apart.
    const UINT nStart = std::random_device()() % kPortCount;
    for (UINT i = 0; i < kPortCount; ++i) {
        nPort = kFirstPort + (nStart + i) % kPortCount;
        const SOCKET hSocket = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address;
        MakeIpv4Address("127.0.0.1", nPort, address);
        if (bind(hSocket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
            return hSocket;
        }
        closesocket(hSocket);
    }
    ADD_FAILURE() << "no free loopback port below 32000";
    return INVALID_SOCKET;
}

}  // namespace station_test
