#include "app/objcomm_exchange.h"

#include "app/station_strings.h"
#include "app/wait_cursor.h"
#include "objcomm/error_response.h"
#include "objcomm/exchange.h"
#include "platform/format.h"

namespace {

// The message box text for an exchange that brought no response.
const char* FailureText(EExchangeOutcome eOutcome) {
    switch (eOutcome) {
        case EExchangeOutcome::kCannotConnect:
            return kMsgUnableToConnect;
        case EExchangeOutcome::kTimedOut:
            return kMsgNoResponseInTime;
        case EExchangeOutcome::kMalformed:
            return kMsgMalformedResponse;
        case EExchangeOutcome::kSendFailed:  // the connection broke under the request
        case EExchangeOutcome::kClosed:
        case EExchangeOutcome::kAnswered:
            break;
    }
    return kMsgClosedWithoutResponse;
}

}  // namespace

CExchangeOutcome ExchangeWithObjComm(const CString& strIp, UINT nPort, CObjCommMessage& request,
                                     std::chrono::milliseconds receiveTimeout) {
    CWaitCursor waitCursor;
    CExchangeOptions options;
    options.receiveTimeout = receiveTimeout;
    CExchangeResult result = ExchangeOnce(strIp, nPort, request, options);
    if (result.response) return {std::move(result.response), CString()};
    return {nullptr, FailureText(result.eOutcome)};
}

CString DescribeUnwantedResponse(CObjCommResponse& response) {
    if (response.GetCommand() == kError) {
        if (const auto* pError = dynamic_cast<const CRspError*>(&response)) {
            return FormatText(kFmtRespondedWithError, static_cast<unsigned>(pError->m_nErrorCode));
        }
    }
    return kMsgUnexpectedResponse;
}
