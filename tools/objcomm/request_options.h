#pragma once
#include <memory>
#include <string>
#include <vector>

#include "objcomm/message.h"

// A request named on the command line ("health ..." or "register ..."), with how to frame it.
struct CCommandLineRequest {
    std::unique_ptr<CObjCommMessage> message;
    CString strIdentifier = kStationIdentifier;
    bool bLongLength = false;
    WORD wTag = 0;
};

// Reads args[first..]: the request kind, its options and, when bFramingOptions is set,
// --id, --long-length and --tag. Throws CUsageError.
CCommandLineRequest ParseRequest(const std::vector<std::string>& args, size_t first,
                                 bool bFramingOptions);
