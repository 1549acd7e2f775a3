#pragma once
// Plays the virtual smart cards that the vpcd reader driver (vsmartcard-vpcd) connects to.
// The driver serves two readers and connects each to its own port, the second one above the
// first; the peer listens on both, on 127.0.0.1, and answers like a card that is present.
// Without such a peer the driver's readers would wait for cards on every interface.
#include <array>
#include <thread>

#include "platform/sockets.h"

class CVirtualCardPeer {
public:
    CVirtualCardPeer();
    CVirtualCardPeer(const CVirtualCardPeer&) = delete;
    CVirtualCardPeer& operator=(const CVirtualCardPeer&) = delete;
    ~CVirtualCardPeer();

    // The first reader's port; the second reader's is the next one.
    UINT GetPort() const { return m_nPort; }

private:
    void Serve();

    std::array<SOCKET, 2> m_arrListeners{INVALID_SOCKET, INVALID_SOCKET};
    UINT m_nPort = 0;
    int m_fdWake[2] = {-1, -1};
    std::thread m_thread;
};
