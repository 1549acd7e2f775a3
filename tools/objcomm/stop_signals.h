#pragma once
#include <csignal>

#include "platform/sockets.h"

// While alive, SIGINT and SIGTERM ask the server to stop. The handler shuts the listening
// socket down, so that a wait on it (which then reports a hang-up) returns at once; the
// server then ends the connections it serves.
class CStopSignals {
public:
    explicit CStopSignals(SOCKET hListener);
    CStopSignals(const CStopSignals&) = delete;
    CStopSignals& operator=(const CStopSignals&) = delete;
    ~CStopSignals();

    bool Requested() const;

private:
    struct sigaction m_oldInterrupt;
    struct sigaction m_oldTerminate;
};
