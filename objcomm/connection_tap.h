#pragma once
#include "objcomm/export.h"
#include "platform/sockets.h"
#include "platform/types.h"

// Watches the traffic of one connection as it passes, so that the exchange can be recorded
// (a capture for a bug report) without a packet sniffer or its privileges.
class OBJCOMM_API CConnectionTap {
public:
    virtual ~CConnectionTap() = default;
    // The connection is open between local and peer; bActive when this side connected.
    virtual void Opened(const sockaddr_in& local, const sockaddr_in& peer, bool bActive) = 0;
    // Bytes one send (bSent) or one recv moved.
    virtual void Passed(bool bSent, const BYTE* pBytes, size_t nCount) = 0;
    // This side closed the connection; bPeerFirst when the peer had closed its side already.
    virtual void Closed(bool bPeerFirst) = 0;
};
