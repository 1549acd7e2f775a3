#include "objcomm/connection.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "objcomm/errors.h"
#include "objcomm/frame_reader.h"
#include "objcomm/tap_registry.h"

namespace {

// Large enough that a typical frame, and whatever follows it in the same segment, comes in
// with one recv.
constexpr size_t kInitialBuffer = 8192;

// A non-blocking connect bounded by the deadline; the socket is blocking again afterwards.
bool ConnectBefore(SOCKET hSocket, const sockaddr_in& address, SocketClock::time_point deadline) {
    const int nFlags = fcntl(hSocket, F_GETFL);
    if (nFlags < 0 || fcntl(hSocket, F_SETFL, nFlags | O_NONBLOCK) < 0) return false;
    const auto* pAddress = reinterpret_cast<const sockaddr*>(&address);
    if (connect(hSocket, pAddress, sizeof address) != 0) {
        if (errno != EINPROGRESS || !WaitForSocket(hSocket, true, deadline)) return false;
        int nError = 0;
        socklen_t nLength = sizeof nError;
        if (getsockopt(hSocket, SOL_SOCKET, SO_ERROR, &nError, &nLength) != 0 || nError != 0) {
            return false;
        }
    }
    return fcntl(hSocket, F_SETFL, nFlags) == 0;
}

}  // namespace

CObjCommConnection::CObjCommConnection(SOCKET hConnected)
    : m_bConnected(TRUE), m_hSocket(hConnected) {}

CObjCommConnection::~CObjCommConnection() {
    CloseSocket();
    AttachTap(this, nullptr);
}

void CObjCommConnection::SetTap(CConnectionTap* pTap) {
    AttachTap(this, pTap);
    ReportOpened(false);
}

void CObjCommConnection::ReportOpened(bool bActive) {
    CConnectionTap* pTap = FindTap(this);
    if (!pTap || !m_bConnected) return;
    sockaddr_in local{}, peer{};
    socklen_t nLocal = sizeof local, nPeer = sizeof peer;
    if (getsockname(m_hSocket, reinterpret_cast<sockaddr*>(&local), &nLocal) != 0 ||
        getpeername(m_hSocket, reinterpret_cast<sockaddr*>(&peer), &nPeer) != 0) {
        return;
    }
    pTap->Opened(local, peer, bActive);
}

void CObjCommConnection::CloseSocket() {
    if (!m_bConnected) return;
    closesocket(m_hSocket);
    if (CConnectionTap* pTap = FindTap(this)) pTap->Closed(m_bPeerClosed);
}

void CObjCommConnection::SetTimeouts(std::chrono::milliseconds connect,
                                     std::chrono::milliseconds receive) {
    m_connectTimeout = connect;
    m_receiveTimeout = receive;
}

BOOL CObjCommConnection::Connect(const CString& strIp, UINT nPort) {
    CloseSocket();
    m_bConnected = FALSE;
    m_bPeerClosed = false;
    m_socketRecvTimeout = kNoTimeout;
    DropBuffered();
    const SocketClock::time_point deadline = SocketDeadline(m_connectTimeout);
    sockaddr_in peer;
    if (!MakeIpv4Address(strIp, nPort, peer)) return FALSE;
    // 0.0.0.0/8 ("this network") names no server. Linux would take 0.0.0.0 for this very
    // host and reach whatever listens here, so no socket is even made for it.
    if ((ntohl(peer.sin_addr.s_addr) >> 24) == 0) return FALSE;
    m_hSocket = socket(AF_INET, SOCK_STREAM, 0);
    if (m_hSocket == INVALID_SOCKET) return FALSE;
    sockaddr_in local;
    MakeIpv4Address("0.0.0.0", 0, local);
    // The port is then chosen at connect, knowing the peer, so that it never collides with
    // an earlier connection to the same server still waiting out its close.
    const int nNoPortYet = 1;
    setsockopt(m_hSocket, IPPROTO_IP, IP_BIND_ADDRESS_NO_PORT, &nNoPortYet, sizeof nNoPortYet);
    if (bind(m_hSocket, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0 ||
        !ConnectBefore(m_hSocket, peer, deadline)) {
        closesocket(m_hSocket);
        m_hSocket = INVALID_SOCKET;
        return FALSE;
    }
    m_bConnected = TRUE;
    ReportOpened(true);
    return TRUE;
}

BOOL CObjCommConnection::Send(CObjCommMessage& request, const CString& strIdentifier,
                              BOOL bLongLength) {
    COutBinaryString frame;
    request.BuildPacket(frame, static_cast<WORD>(m_dwTag), strIdentifier, bLongLength);
    return SendBuffer(frame.GetBytes());
}

BOOL CObjCommConnection::SendBuffer(const CByteArray& bytes) {
    if (!m_bConnected) return FALSE;
    for (size_t nSent = 0; nSent < bytes.size();) {
        const long nCount = SendNoSignal(m_hSocket, bytes.data() + nSent, bytes.size() - nSent);
        if (nCount < 0 && errno == EINTR) continue;
        if (nCount <= 0) return FALSE;
        if (CConnectionTap* pTap = FindTap(this)) {
            pTap->Passed(true, bytes.data() + nSent, static_cast<size_t>(nCount));
        }
        nSent += static_cast<size_t>(nCount);
    }
    return TRUE;
}

CObjCommResponse* CObjCommConnection::Receive(DWORD dwContext) {
    CInBinaryString frame;
    if (!ReceivePacket(frame.GetBytes())) return nullptr;
    return CObjCommResponse::Create(frame, &m_dwTag, dwContext);
}

// The frame being received, read in place in the buffer.
struct CReceivedFrame {
    CObjCommConnection& connection;

    void EnsureBuffered(size_t nCount) { connection.BufferFrameBytes(nCount); }
    BYTE At(size_t nIndex) const {
        return connection.m_arrBuffer[connection.m_nFrameStart + nIndex];
    }
};

BOOL CObjCommConnection::ReceivePacket(CByteArray& packet) {
    m_bTimedOut = false;
    m_bReceiveStarted = false;
    m_receiveDeadline = SocketDeadline(m_receiveTimeout);
    // A frame that a time-out cut short is still in the buffer, and is read again from its
    // start.
    CReceivedFrame frame{*this};
    CFrameLayout layout;
    try {
        ReadFrameLayoutFrom(frame, layout, kMaxBodyLength);
    } catch (const CSocketClosed&) {
        return FALSE;
    } catch (const CPassThruParseError&) {
        // Where this frame would end is unknowable, so nothing after it can be read in step.
        Abandon();
        throw;
    }
    const auto first = m_arrBuffer.begin() + static_cast<std::ptrdiff_t>(m_nFrameStart);
    packet.assign(first, first + static_cast<std::ptrdiff_t>(layout.GetSize()));
    m_nFrameStart += layout.GetSize();
    if (m_nFrameStart == m_nFilled) DropBuffered();
    return TRUE;
}

void CObjCommConnection::BufferFrameBytes(size_t nCount) {
    while (m_nFilled - m_nFrameStart < nCount) FillBuffer();
}

void CObjCommConnection::FillBuffer() {
    if (!m_bConnected) throw CSocketClosed();
    if (m_nFilled == m_arrBuffer.size()) {
        if (m_nFrameStart > 0) {
            // Earlier frames are gone: slide the current one to the front.
            std::memmove(m_arrBuffer.data(), m_arrBuffer.data() + m_nFrameStart,
                         m_nFilled - m_nFrameStart);
            m_nFilled -= m_nFrameStart;
            m_nFrameStart = 0;
        } else {
            // Full of bytes that really arrived, so doubling stays within twice what the
            // peer sent.
            m_arrBuffer.resize(std::max(kInitialBuffer, 2 * m_arrBuffer.size()));
        }
    }
    for (;;) {
        if (!ArmReceiveTimeout()) break;
        ++m_nRecvCalls;
        const long nCount =
            recv(m_hSocket, m_arrBuffer.data() + m_nFilled, m_arrBuffer.size() - m_nFilled, 0);
        if (nCount > 0) {
            if (CConnectionTap* pTap = FindTap(this)) {
                pTap->Passed(false, m_arrBuffer.data() + m_nFilled, static_cast<size_t>(nCount));
            }
            m_nFilled += static_cast<size_t>(nCount);
            return;
        }
        if (nCount < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
        if (nCount < 0 && errno == EINTR) continue;
        m_bPeerClosed = m_bPeerClosed || nCount == 0;
        // A read error ends the exchange the way an orderly close does.
        throw CSocketClosed();
    }
    m_bTimedOut = true;
    throw CSocketClosed();
}

bool CObjCommConnection::ArmReceiveTimeout() {
    // The first recv of a Receive may block for the whole time-out, which the socket holds
    // already after the first exchange: the usual one-recv frame costs no extra call.
    std::chrono::milliseconds wait = m_receiveTimeout;
    if (m_bReceiveStarted && m_receiveTimeout.count() >= 0) {
        wait = std::chrono::ceil<std::chrono::milliseconds>(m_receiveDeadline - SocketClock::now());
        if (wait.count() <= 0) return false;
    }
    m_bReceiveStarted = true;
    if (wait != m_socketRecvTimeout) {
        SetReceiveTimeout(m_hSocket, wait);
        m_socketRecvTimeout = wait;
    }
    return true;
}

void CObjCommConnection::Abandon() {
    CloseSocket();
    m_hSocket = INVALID_SOCKET;
    m_bConnected = FALSE;
    // The tag belongs to an exchange that cannot go on.
    m_dwTag = 0;
    DropBuffered();
}

void CObjCommConnection::DropBuffered() {
    m_nFrameStart = m_nFilled = 0;
    // One large frame should not pin its memory for the life of the connection.
    if (m_arrBuffer.size() > kInitialBuffer) CByteArray().swap(m_arrBuffer);
}
