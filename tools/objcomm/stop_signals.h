#pragma once
#include <csignal>

#include "platform/sockets.h"

// While alive, SIGINT and SIGTERM ask the server to stop. The handler shuts the listening
// socket and the connection being served down, so that a blocked accept or receive
// returns at once instead of the stop waiting for a peer.
class CStopSignals {
public:
    explicit CStopSignals(SOCKET hListener);
    CStopSignals(const CStopSignals&) = delete;
    CStopSignals& operator=(const CStopSignals&) = delete;
    ~CStopSignals();

    bool Requested() const;
    // The connection now being served; INVALID_SOCKET before it is closed.
    void Watch(SOCKET hPeer);

private:
    struct sigaction m_oldInterrupt;
    struct sigaction m_oldTerminate;
};
