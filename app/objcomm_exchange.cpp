#include "app/objcomm_exchange.h"

#include "app/station_strings.h"
#include "app/wait_cursor.h"
#include "objcomm/connection.h"
#include "objcomm/error_response.h"
#include "objcomm/errors.h"
#include "objcomm/frame_codes.h"
#include "platform/format.h"

namespace {
constexpr const char* kIdentifier = "0123456789ABCDEF";
}  // namespace

CExchangeOutcome ExchangeWithObjComm(const CString& strIp, UINT nPort, CObjCommMessage& request,
                                     std::chrono::milliseconds receiveTimeout) {
    CWaitCursor waitCursor;
    CObjCommConnection connection;
    connection.SetTimeouts(CObjCommConnection::kDefaultConnectTimeout, receiveTimeout);
    if (!connection.Connect(strIp, nPort)) return {nullptr, kMsgUnableToConnect};
    // A failed send shows up as a closed connection when the response is read.
    connection.Send(request, kIdentifier, FALSE);
    try {
        std::unique_ptr<CObjCommResponse> pResponse(connection.Receive(0));
        if (pResponse) return {std::move(pResponse), CString()};
        return {nullptr,
                connection.ReceiveTimedOut() ? kMsgNoResponseInTime : kMsgClosedWithoutResponse};
    } catch (const CPassThruFormatError&) {
        return {nullptr, kMsgMalformedResponse};
    }
}

CString DescribeUnwantedResponse(CObjCommResponse& response) {
    if (response.GetCommand() == kError) {
        if (const auto* pError = dynamic_cast<const CRspError*>(&response)) {
            return FormatText(kFmtRespondedWithError, static_cast<unsigned>(pError->m_nErrorCode));
        }
    }
    return kMsgUnexpectedResponse;
}
