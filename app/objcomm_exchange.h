#pragma once
#include <chrono>
#include <memory>

#include "objcomm/message.h"
#include "objcomm/response.h"
#include "platform/types.h"

// One exchange with the Object Communicator: the response, or why there is none.
struct CExchangeOutcome {
    std::unique_ptr<CObjCommResponse> pResponse;
    CString strFailure;
};

// Connects to strIp:nPort, sends the request with the station's identifier and the 16-bit
// length, and receives one response with context 0. The connection is closed before this
// returns, whatever happened; a wait cursor shows meanwhile.
CExchangeOutcome ExchangeWithObjComm(const CString& strIp, UINT nPort, CObjCommMessage& request,
                                     std::chrono::milliseconds receiveTimeout);

// The message for a response other than the one the request asked for: the code of an error
// response, or "unexpected".
CString DescribeUnwantedResponse(CObjCommResponse& response);
