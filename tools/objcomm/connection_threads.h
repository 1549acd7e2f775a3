#pragma once
#include <functional>
#include <list>
#include <mutex>
#include <thread>

#include "platform/sockets.h"

// The connections serve is serving, each on a thread of its own, so that a peer that idles
// or drips holds up no other. At most nLimit run at a time. Threads rather than one poll
// loop: a connection reads its frames with blocking calls under a receive time-out, and a
// fault such as a drip is a sequence in time; on a thread each stays plain code, where a
// poll loop would turn both into state machines.
class CConnectionThreads {
public:
    explicit CConnectionThreads(size_t nLimit);
    CConnectionThreads(const CConnectionThreads&) = delete;
    CConnectionThreads& operator=(const CConnectionThreads&) = delete;
    // Stops whatever still runs.
    ~CConnectionThreads();

    // False when the object could not be set up; nothing else works then.
    bool IsReady() const { return m_hFinished >= 0; }
    // Runs serve on a thread of its own, handing it a descriptor of hPeer's socket that serve
    // owns and closes. False, with hPeer closed at once, when nLimit are running already.
    bool Start(SOCKET hPeer, std::function<void(SOCKET)> serve);
    // Joins the threads whose connection has ended.
    void JoinFinished();
    // True when every thread started has been joined.
    bool IsEmpty();
    // A descriptor that polls readable once a thread has ended since the last JoinFinished.
    int GetFinishedEvent() const { return m_hFinished; }
    // Shuts every connection still served down, so that its thread ends at once, and joins
    // them all.
    void Stop();

private:
    struct CWorker {
        SOCKET hPeer = INVALID_SOCKET;
        bool bFinished = false;
        std::thread thread;
    };

    void Run(CWorker& worker, SOCKET hServed, const std::function<void(SOCKET)>& serve);

    const size_t m_nLimit;
    const int m_hFinished;
    std::mutex m_mutex;
    std::list<CWorker> m_workers;  // a list, so that a running thread's entry never moves
};
