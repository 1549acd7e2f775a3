#pragma once
#include <chrono>
#include <memory>
#include <typeinfo>

#include "objcomm/connection.h"
#include "objcomm/export.h"

// How one exchange with the Object Communicator ended.
enum class EExchangeOutcome {
    kAnswered,       // a response arrived and decoded
    kCannotConnect,  // no connection: refused, unreachable, bad address, connect time-out
    kSendFailed,     // the connection would not take the whole request
    kTimedOut,       // no whole response within the receive time-out
    kClosed,         // the server closed the connection before a whole response
    kMalformed,      // a response arrived but the factory rejected it
};

// How to frame the request and how long to wait.
struct OBJCOMM_API CExchangeOptions {
    // The identifier the request is framed with.
    CString strIdentifier = kStationIdentifier;
    // Frame the request with a 32-bit length (see CObjCommMessage::BuildPacket).
    BOOL bLongLength = FALSE;
    // Handed to the response factory.
    DWORD dwContext = 0;
    // How long to wait for the connection.
    std::chrono::milliseconds connectTimeout = CObjCommConnection::kDefaultConnectTimeout;
    // How long to wait for the whole response.
    std::chrono::milliseconds receiveTimeout = CObjCommConnection::kDefaultReceiveTimeout;
};

// What ExchangeOnce brings back.
struct OBJCOMM_API CExchangeResult {
    // How the exchange ended.
    EExchangeOutcome eOutcome = EExchangeOutcome::kCannotConnect;
    std::unique_ptr<CObjCommResponse> response;  // when answered
    // When malformed: the CPassThruFormatError class that rejected the response.
    const std::type_info* pFormatError = nullptr;
    // The exchange tag the response left, as the connection keeps it.
    DWORD dwTag = 0;
};

// Connects to strIp:nPort, sends the request, receives one response. The connection is
// closed before this returns, whatever happened.
OBJCOMM_API CExchangeResult ExchangeOnce(const CString& strIp, UINT nPort, CObjCommMessage& request,
                                         const CExchangeOptions& options);
// The same, the connection's traffic shown to pTap (CObjCommConnection::SetTap).
OBJCOMM_API CExchangeResult ExchangeOnce(const CString& strIp, UINT nPort, CObjCommMessage& request,
                                         const CExchangeOptions& options, CConnectionTap* pTap);
