#pragma once
// A loopback server that plays a script on one connection, so that tests see the client
// side of every way a server can behave: answers whole or dripped, silence, a close or a
// reset at any point.
#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "objcomm/connection.h"

namespace station_test {

// The peer's end of the connection as the script steps see it.
struct CPeerSide {
    // Reads request frames with the same framing code as the client; null once closed.
    std::unique_ptr<CObjCommConnection> connection;
    SOCKET hSocket = INVALID_SOCKET;
    std::vector<CByteArray> requests;
};

using CPeerStep = std::function<void(CPeerSide&)>;

// Reads one request frame and keeps it for CScriptedPeer::Finish.
CPeerStep ReadRequest();
// The bytes in one write, so that they arrive as one segment.
CPeerStep Write(CByteArray bytes);
// The bytes one write at a time, a gap between them.
CPeerStep Drip(CByteArray bytes, std::chrono::milliseconds gap);
// An orderly close (FIN). No step may follow.
CPeerStep Close();
// An abortive close (RST): the client's next read fails with an error. No step may follow.
CPeerStep Reset();
// Reads, keeping any further requests, until the client closes.
CPeerStep AwaitClose();

class CScriptedPeer {
public:
    // Listens on 127.0.0.1 at a port the system picks.
    CScriptedPeer();
    CScriptedPeer(const CScriptedPeer&) = delete;
    CScriptedPeer& operator=(const CScriptedPeer&) = delete;
    ~CScriptedPeer();

    UINT GetPort() const { return m_nPort; }
    // Accepts one connection and plays the script on it, on a thread of its own.
    void Play(std::vector<CPeerStep> script);
    // Waits for the script to end; the request frames it read, in order.
    const std::vector<CByteArray>& Finish();

private:
    SOCKET m_hListener = INVALID_SOCKET;
    UINT m_nPort = 0;
    std::thread m_thread;
    std::vector<CByteArray> m_requests;
};

}  // namespace station_test
