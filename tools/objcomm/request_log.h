#pragma once
#include <ostream>

#include "objcomm/request_decoder.h"

// One line per request serve received: the request's class (or "unknown"), command, form,
// identifier, then its describe pairs or, for an unknown command or a malformed frame, the
// frame in hex; as one JSON object with bJson. A long frame shows as its first bytes and its
// length, so that one request never makes a line longer than a few hundred bytes.
void PrintRequestLog(std::ostream& out, const CByteArray& frame, const CDecodedRequest& request,
                     bool bJson);
