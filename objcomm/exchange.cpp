#include "objcomm/exchange.h"

#include "objcomm/errors.h"

CExchangeResult ExchangeOnce(const CString& strIp, UINT nPort, CObjCommMessage& request,
                             const CExchangeOptions& options) {
    return ExchangeOnce(strIp, nPort, request, options, nullptr);
}

CExchangeResult ExchangeOnce(const CString& strIp, UINT nPort, CObjCommMessage& request,
                             const CExchangeOptions& options, CConnectionTap* pTap) {
    CExchangeResult result;
    CObjCommConnection connection;
    connection.SetTimeouts(options.connectTimeout, options.receiveTimeout);
    if (pTap) connection.SetTap(pTap);
    if (!connection.Connect(strIp, nPort)) return result;
    if (!connection.Send(request, options.strIdentifier, options.bLongLength)) {
        result.eOutcome = EExchangeOutcome::kSendFailed;
        return result;
    }
    try {
        result.response.reset(connection.Receive(options.dwContext));
        result.eOutcome = result.response                ? EExchangeOutcome::kAnswered
                          : connection.ReceiveTimedOut() ? EExchangeOutcome::kTimedOut
                                                         : EExchangeOutcome::kClosed;
    } catch (const CPassThruFormatError& error) {
        result.eOutcome = EExchangeOutcome::kMalformed;
        result.pFormatError = &typeid(error);
    }
    result.dwTag = connection.GetTag();
    return result;
}
