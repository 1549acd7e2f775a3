#pragma once
#include <string>

#include "tools/objcomm/received_request.h"

// How the simulated server answers each request (--reply MODE).
struct CReplyMode {
    enum EKind { Normal, Error, Swap, Raw };
    EKind eKind = Normal;
    BYTE nErrorCode = 0;  // Error: the code of every answer
    CByteArray raw;       // Raw: the bytes of every answer
};

// "normal", "error:HH", "swap" or "raw:HEX"; anything else is a usage error.
CReplyMode ParseReplyMode(const std::string& strText);

// The whole answer frame to one request, never empty.
CByteArray BuildReply(const CReplyMode& mode, const CReceivedRequest& request);
