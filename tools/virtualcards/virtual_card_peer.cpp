#include "tools/virtualcards/virtual_card_peer.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kAttempts = 20;
// The driver's requests: a 16-bit big-endian length, then the bytes. One byte is a control
// code; anything longer is a command for the card.
constexpr BYTE kControlAtr = 4;
const CByteArray kAtrReply{0x00, 0x05, 0x3B, 0x80, 0x80, 0x01, 0x01};
const CByteArray kInstructionNotSupported{0x00, 0x02, 0x6D, 0x00};

bool ReadExactly(SOCKET hSocket, BYTE* pBytes, size_t nCount) {
    return nCount == 0 || recv(hSocket, pBytes, nCount, MSG_WAITALL) == static_cast<long>(nCount);
}

// Answers one request; false when the driver has gone.
bool AnswerRequest(SOCKET hSocket) {
    BYTE arrLength[2];
    if (!ReadExactly(hSocket, arrLength, sizeof arrLength)) return false;
    CByteArray request(static_cast<size_t>(arrLength[0] << 8 | arrLength[1]));
    if (!ReadExactly(hSocket, request.data(), request.size())) return false;
    // Power off, on and reset want no answer.
    if (request.size() == 1 && request[0] != kControlAtr) return true;
    const CByteArray& reply = request.size() == 1 ? kAtrReply : kInstructionNotSupported;
    return SendNoSignal(hSocket, reply.data(), reply.size()) == static_cast<long>(reply.size());
}

}  // namespace

CVirtualCardPeer::CVirtualCardPeer() {
    for (int i = 0; i < kAttempts && m_arrListeners[1] == INVALID_SOCKET; ++i) {
        m_arrListeners[0] = OpenListener("127.0.0.1", 0, &m_nPort);
        UINT nSecond = 0;
        m_arrListeners[1] = OpenListener("127.0.0.1", m_nPort + 1, &nSecond);
        if (m_arrListeners[1] == INVALID_SOCKET) closesocket(m_arrListeners[0]);
    }
    if (m_arrListeners[1] == INVALID_SOCKET) {
        throw std::runtime_error("no two free loopback ports in a row");
    }
    if (pipe(m_fdWake) != 0) {
        for (const SOCKET hListener : m_arrListeners) closesocket(hListener);
        throw std::runtime_error("no pipe to stop the virtual cards with");
    }
    m_thread = std::thread([this] { Serve(); });
}

CVirtualCardPeer::~CVirtualCardPeer() {
    close(m_fdWake[1]);
    m_thread.join();
    close(m_fdWake[0]);
    for (const SOCKET hListener : m_arrListeners) closesocket(hListener);
}

void CVirtualCardPeer::Serve() {
    // The wake pipe first, then the two listeners, then the driver's connections.
    std::vector<pollfd> entries{{m_fdWake[0], POLLIN, 0}};
    for (const SOCKET hListener : m_arrListeners) entries.push_back({hListener, POLLIN, 0});
    for (;;) {
        const int nReady = poll(entries.data(), entries.size(), -1);
        if (nReady < 0 && errno == EINTR) continue;
        if (nReady < 0 || entries[0].revents != 0) break;
        for (size_t i = entries.size(); i-- > 1;) {
            if (entries[i].revents == 0) continue;
            if (i <= m_arrListeners.size()) {
                const SOCKET hDriver = accept(entries[i].fd, nullptr, nullptr);
                if (hDriver != INVALID_SOCKET) entries.push_back({hDriver, POLLIN, 0});
            } else if (!AnswerRequest(entries[i].fd)) {
                closesocket(entries[i].fd);
                entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
            }
        }
    }
    for (size_t i = 1 + m_arrListeners.size(); i < entries.size(); ++i) {
        closesocket(entries[i].fd);
    }
}
