#pragma once
#include <memory>
#include <string>

#include "objcomm/export.h"
#include "objcomm/message.h"
#include "platform/types.h"

// A request frame as the Object Communicator reads it. Its layout is the one responses have,
// so any complete frame gives a command; the station's two requests are rebuilt into their
// message objects, by the same field declarations that encode them.
struct OBJCOMM_API CDecodedRequest {
    // Whether the frame is in a long form.
    bool bLongForm = false;
    // The identifier of a long-form frame.
    CString strIdentifier;
    // The command byte.
    BYTE nCommand = 0;
    // CMsgHealthCheck or CMsgRegisterDevice; null for any other command or a malformed frame.
    std::unique_ptr<CObjCommMessage> message;
    // Why the frame is malformed; empty when it is not. What was read before the fault is
    // kept.
    std::string strProblem;
};

// Reads one whole request frame; what is wrong with a malformed one is in strProblem, not
// thrown.
OBJCOMM_API CDecodedRequest DecodeRequest(const CByteArray& frame);
