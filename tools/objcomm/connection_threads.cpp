#include "tools/objcomm/connection_threads.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <system_error>

CConnectionThreads::CConnectionThreads(size_t nLimit)
    : m_nLimit(nLimit), m_hFinished(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

CConnectionThreads::~CConnectionThreads() {
    Stop();
    if (m_hFinished >= 0) close(m_hFinished);
}

bool CConnectionThreads::Start(SOCKET hPeer, std::function<void(SOCKET)> serve) {
    std::lock_guard lock(m_mutex);
    const auto nRunning = std::count_if(m_workers.begin(), m_workers.end(),
                                        [](const CWorker& worker) { return !worker.bFinished; });
    // serve may close its descriptor whenever it likes; hPeer stays open until the thread
    // has finished, so Stop never shuts down a descriptor whose number was reused meanwhile.
    const SOCKET hServed = static_cast<size_t>(nRunning) < m_nLimit ? dup(hPeer) : INVALID_SOCKET;
    if (hServed == INVALID_SOCKET) {
        closesocket(hPeer);
        return false;
    }
    CWorker& worker = m_workers.emplace_back();
    worker.hPeer = hPeer;
    try {
        worker.thread = std::thread(&CConnectionThreads::Run, this, std::ref(worker), hServed,
                                    std::move(serve));
    } catch (const std::system_error&) {
        // Out of threads: this peer is turned away like one over the limit.
        m_workers.pop_back();
        closesocket(hServed);
        closesocket(hPeer);
        return false;
    }
    return true;
}

void CConnectionThreads::Run(CWorker& worker, SOCKET hServed,
                             const std::function<void(SOCKET)>& serve) {
    serve(hServed);
    std::lock_guard lock(m_mutex);
    worker.bFinished = true;
    closesocket(worker.hPeer);
    const uint64_t nOne = 1;
    [[maybe_unused]] const ssize_t nWritten = write(m_hFinished, &nOne, sizeof nOne);
}

void CConnectionThreads::JoinFinished() {
    // Cleared before the scan, so that a thread ending during it sets the event again.
    uint64_t nEnded = 0;
    [[maybe_unused]] const ssize_t nRead = read(m_hFinished, &nEnded, sizeof nEnded);
    std::lock_guard lock(m_mutex);
    for (auto it = m_workers.begin(); it != m_workers.end();) {
        if (!it->bFinished) {
            ++it;
            continue;
        }
        // Its last use of the lock is behind it, so the join cannot wait on us.
        it->thread.join();
        it = m_workers.erase(it);
    }
}

bool CConnectionThreads::IsEmpty() {
    std::lock_guard lock(m_mutex);
    return m_workers.empty();
}

void CConnectionThreads::Stop() {
    {
        std::lock_guard lock(m_mutex);
        for (CWorker& worker : m_workers) {
            if (!worker.bFinished) shutdown(worker.hPeer, SHUT_RDWR);
        }
    }
    // Only this thread changes the list, so it may be walked without the lock, which the
    // threads need to finish.
    for (CWorker& worker : m_workers) worker.thread.join();
    m_workers.clear();
}
