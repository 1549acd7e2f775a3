#pragma once
// The Windows Sockets names the station code is written in, over POSIX sockets. The calls
// themselves (socket, bind, connect, send, recv, inet_addr, htons ...) keep their names.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <chrono>

#include "platform/export.h"
#include "platform/types.h"

// A socket's descriptor.
using SOCKET = int;
// No socket.
inline constexpr SOCKET INVALID_SOCKET = -1;

// Closes the socket; 0, or -1 on failure.
PLATFORM_API int closesocket(SOCKET hSocket);

// POSIX sockets need no start-up; the application calls this where it would report a
// failed start-up, so the path stays in one place.
PLATFORM_API BOOL StartSockets();

// send() for a socket whose peer may be gone: a closed peer is an error result, never
// SIGPIPE, which would end the process.
PLATFORM_API long SendNoSignal(SOCKET hSocket, const BYTE* pBytes, size_t nCount);

// A dotted IPv4 address (no name lookup) and port as a socket address; false on bad text.
PLATFORM_API bool MakeIpv4Address(const CString& strIp, UINT nPort, sockaddr_in& address);

// A listening IPv4 stream socket on strIp:nPort; port 0 lets the system pick, and the port
// in use lands in *pnBoundPort. INVALID_SOCKET on failure.
PLATFORM_API SOCKET OpenListener(const CString& strIp, UINT nPort, UINT* pnBoundPort);

// How long each later recv on the socket may block before it fails with EAGAIN; a negative
// time-out blocks without limit.
PLATFORM_API bool SetReceiveTimeout(SOCKET hSocket, std::chrono::milliseconds timeout);

// The clock of the socket deadlines.
using SocketClock = std::chrono::steady_clock;

// The moment a wait of this length started now ends; a negative length never ends.
PLATFORM_API SocketClock::time_point SocketDeadline(std::chrono::milliseconds timeout);

// Waits until the socket can be read (data, end of stream or an error to collect) or, with
// bWrite, written. Signals do not cut the wait short. False when the deadline passed.
PLATFORM_API bool WaitForSocket(SOCKET hSocket, bool bWrite, SocketClock::time_point deadline);
