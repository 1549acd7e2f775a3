#include "tests/support/loopback.h"

#include <gtest/gtest.h>

namespace station_test {

SOCKET BindLoopback(UINT& nPort) {
    const SOCKET hSocket = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address;
    MakeIpv4Address("127.0.0.1", 0, address);
    socklen_t nLength = sizeof address;
    EXPECT_EQ(bind(hSocket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_EQ(getsockname(hSocket, reinterpret_cast<sockaddr*>(&address), &nLength), 0);
    nPort = ntohs(address.sin_port);
    return hSocket;
}

}  // namespace station_test
