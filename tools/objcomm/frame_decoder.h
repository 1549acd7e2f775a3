#pragma once
#include <memory>
#include <string>

#include "objcomm/response.h"

// The outcome of running the factory over one frame: a response, or the class name of
// the format error that rejected it. The tag is what the factory wrote either way.
struct CDecodedFrame {
    std::unique_ptr<CObjCommResponse> response;
    std::string strError;
    DWORD dwTag = 0;
};

CDecodedFrame DecodeFrame(const CByteArray& frame, DWORD dwContext);
// Decodes a frame read whole into a CInBinaryString (as the connection hands it over).
CDecodedFrame DecodeFrame(CInBinaryString& frame, DWORD dwContext);

// "CRspError" for a CRspError, whatever the object.
std::string ResponseClassName(const CObjCommResponse& response);
