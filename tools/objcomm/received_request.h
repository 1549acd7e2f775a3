#pragma once
#include <memory>
#include <ostream>
#include <string>

#include "objcomm/message.h"

// A request frame as the simulated server reads it. The frame layout is the one responses
// use, so any complete frame gives a command; only the station's two requests are rebuilt
// into message objects.
struct CReceivedRequest {
    CByteArray frame;
    bool bLongForm = false;
    CString strIdentifier;
    BYTE nCommand = 0;
    CByteArray body;
    // CMsgHealthCheck or CMsgRegisterDevice; null for any other command or a malformed frame.
    std::unique_ptr<CObjCommMessage> message;
    // Why the frame is malformed; empty when it is not.
    std::string strProblem;
};

// Reads one whole frame, as CObjCommConnection::ReceivePacket delivers it.
CReceivedRequest ReadReceivedRequest(const CByteArray& frame);

// One line: the request's class (or "unknown"), command, form, identifier, then its describe
// pairs or, for an unknown command or a malformed frame, the frame in hex; as one JSON
// object with bJson. A long frame shows as its first bytes and its length, so that one
// request never makes a line longer than a few hundred bytes.
void PrintReceivedRequest(std::ostream& out, const CReceivedRequest& request, bool bJson);
