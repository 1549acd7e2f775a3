#pragma once
#include <memory>
#include <string>
#include <typeinfo>

#include "objcomm/export.h"
#include "objcomm/response.h"

// The outcome of running the factory over one frame: a response, or the class name of
// the format error that rejected it. The tag is what the factory wrote either way.
struct OBJCOMM_API CDecodedFrame {
    // The decoded response; null when the frame was rejected.
    std::unique_ptr<CObjCommResponse> response;
    // The class name of the format error, e.g. "CPassThruChecksumError".
    std::string strError;
    // The exchange tag the factory read.
    DWORD dwTag = 0;
};

// Decodes the frame at the start of the reader, which is left just after the frame when it
// decoded, so that bytes beyond it show.
OBJCOMM_API CDecodedFrame DecodeFrame(CInBinaryString& frame, DWORD dwContext);

// "CRspError" for a CRspError, whatever the object.
OBJCOMM_API std::string ResponseClassName(const CObjCommResponse& response);
// The source name of a type, as ResponseClassName gives it.
OBJCOMM_API std::string ClassName(const std::type_info& type);
