#pragma once
#include <string>

#include "objcomm/request_decoder.h"

// How the simulated server answers each request (--reply MODE).
struct CReplyMode {
    enum class EKind { kNormal, kError, kSwap, kRaw };
    EKind eKind = EKind::kNormal;
    BYTE nErrorCode = 0;  // kError: the code of every answer
    CByteArray raw;       // kRaw: the bytes of every answer
};

// "normal", "error:HH", "swap" or "raw:HEX"; anything else is a usage error.
CReplyMode ParseReplyMode(const std::string& strText);

// The whole answer frame to one request, never empty.
CByteArray BuildReply(const CReplyMode& mode, const CDecodedRequest& request);
