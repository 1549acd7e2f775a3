#include "platform/sockets.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>

int closesocket(SOCKET hSocket) {
    return close(hSocket);
}

BOOL StartSockets() {
    return TRUE;
}

long SendNoSignal(SOCKET hSocket, const BYTE* pBytes, size_t nCount) {
    return send(hSocket, pBytes, nCount, MSG_NOSIGNAL);
}

bool MakeIpv4Address(const CString& strIp, UINT nPort, sockaddr_in& address) {
    address = sockaddr_in{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(nPort));
    return nPort <= 0xFFFF && inet_pton(AF_INET, strIp.c_str(), &address.sin_addr) == 1;
}

SOCKET OpenListener(const CString& strIp, UINT nPort, UINT* pnBoundPort) {
    sockaddr_in address;
    if (!MakeIpv4Address(strIp, nPort, address)) return INVALID_SOCKET;
    const SOCKET hSocket = socket(AF_INET, SOCK_STREAM, 0);
    if (hSocket == INVALID_SOCKET) return INVALID_SOCKET;
    // A restarted server must not wait for the previous run's connections to time out.
    const int nReuse = 1;
    setsockopt(hSocket, SOL_SOCKET, SO_REUSEADDR, &nReuse, sizeof nReuse);
    socklen_t nLength = sizeof address;
    if (bind(hSocket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(hSocket, SOMAXCONN) != 0 ||
        getsockname(hSocket, reinterpret_cast<sockaddr*>(&address), &nLength) != 0) {
        closesocket(hSocket);
        return INVALID_SOCKET;
    }
    *pnBoundPort = ntohs(address.sin_port);
    return hSocket;
}

bool SetReceiveTimeout(SOCKET hSocket, std::chrono::milliseconds timeout) {
    timeval limit{};  // all zero: no limit
    if (timeout.count() >= 0) {
        // Zero would mean no limit to the system: the shortest wait it can tell apart is 1 us.
        const auto micros = std::max<long long>(
            std::chrono::duration_cast<std::chrono::microseconds>(timeout).count(), 1);
        limit.tv_sec = static_cast<time_t>(micros / 1000000);
        limit.tv_usec = static_cast<suseconds_t>(micros % 1000000);
    }
    return setsockopt(hSocket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit) == 0;
}

SocketClock::time_point SocketDeadline(std::chrono::milliseconds timeout) {
    return timeout.count() < 0 ? SocketClock::time_point::max() : SocketClock::now() + timeout;
}

bool WaitForSocket(SOCKET hSocket, bool bWrite, SocketClock::time_point deadline) {
    pollfd entry{hSocket, static_cast<short>(bWrite ? POLLOUT : POLLIN), 0};
    for (;;) {
        int nWaitMs = -1;
        if (deadline != SocketClock::time_point::max()) {
            const auto left =
                std::chrono::ceil<std::chrono::milliseconds>(deadline - SocketClock::now());
            nWaitMs = static_cast<int>(std::clamp<long long>(left.count(), 0, INT_MAX));
        }
        const int nReady = poll(&entry, 1, nWaitMs);
        if (nReady > 0) return true;
        if (nReady == 0) return false;
        // Anything but an interruption is trouble with the socket itself; the call that
        // follows collects the error.
        if (errno != EINTR) return true;
    }
}
