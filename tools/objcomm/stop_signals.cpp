#include "tools/objcomm/stop_signals.h"

#include <atomic>

namespace {

// Plain lock-free atomics: the only state a signal handler may touch.
std::atomic<bool> g_bStop{false};
std::atomic<SOCKET> g_hListener{INVALID_SOCKET};
static_assert(std::atomic<SOCKET>::is_always_lock_free);

void OnStopSignal(int) {
    g_bStop = true;
    // shutdown is async-signal-safe; the socket stays open until the main flow closes it.
    shutdown(g_hListener, SHUT_RDWR);
}

}  // namespace

CStopSignals::CStopSignals(SOCKET hListener) {
    g_bStop = false;
    g_hListener = hListener;
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &m_oldInterrupt);
    sigaction(SIGTERM, &action, &m_oldTerminate);
}

CStopSignals::~CStopSignals() {
    sigaction(SIGINT, &m_oldInterrupt, nullptr);
    sigaction(SIGTERM, &m_oldTerminate, nullptr);
    g_hListener = INVALID_SOCKET;
}

bool CStopSignals::Requested() const {
    return g_bStop;
}
