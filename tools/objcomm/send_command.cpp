#include <ostream>

#include "objcomm/exchange.h"
#include "platform/format.h"
#include "tools/objcomm/address_argument.h"
#include "tools/objcomm/commands.h"
#include "tools/objcomm/option_values.h"
#include "tools/objcomm/pcap_tap.h"
#include "tools/objcomm/request_options.h"
#include "tools/objcomm/response_printer.h"
#include "tools/objcomm/stream_check.h"
#include "tools/objcomm/usage_error.h"

namespace {

constexpr int kAnswered = 0;
constexpr int kMalformedAnswer = 1;
constexpr int kCannotConnect = 3;
constexpr int kNoAnswer = 4;
constexpr int kOutputFailed = 5;
constexpr unsigned kMaxTimeoutSeconds = 3600;
// The context the station decodes its answers with.
constexpr DWORD kReceiveContext = 0;

struct CSendOptions {
    CServerAddress to{"127.0.0.1", 1500};
    std::chrono::milliseconds connectTimeout = CObjCommConnection::kDefaultConnectTimeout;
    std::chrono::milliseconds receiveTimeout = CObjCommConnection::kDefaultReceiveTimeout;
    bool bJson = false;
    std::string strPcap;  // where the exchange is recorded; empty: nowhere
};

// Reads the options before the request word; i is left on that word.
CSendOptions ParseSendOptions(const std::vector<std::string>& args, size_t& i) {
    CSendOptions options;
    for (; i < args.size() && args[i].starts_with("--"); ++i) {
        if (args[i] == "--to") {
            options.to = ParseAddressArgument("--to", OptionValue(args, i));
        } else if (args[i] == "--timeout") {
            options.connectTimeout = options.receiveTimeout =
                ParseSecondsArgument("--timeout", OptionValue(args, i), kMaxTimeoutSeconds);
        } else if (args[i] == "--json") {
            options.bJson = true;
        } else if (args[i] == "--pcap") {
            options.strPcap = OptionValue(args, i);
        } else {
            throw CUsageError("unknown option '" + args[i] + "' for send");
        }
    }
    return options;
}

// Reports on err why the capture could not be written.
int CaptureFailed(const std::string& strPath, const std::string& strReason, std::ostream& err) {
    err << "objcomm send: cannot write the capture " << strPath << ": " << strReason << "\n";
    return kOutputFailed;
}

// Sends the request and prints the answer; the tap, when not null, sees the traffic.
int Exchange(const CSendOptions& options, CCommandLineRequest& request, CConnectionTap* pTap,
             std::ostream& out, std::ostream& err) {
    const std::string strServer = options.to.ToText();

    StartSockets();
    CExchangeOptions exchange;
    exchange.dwContext = kReceiveContext;
    exchange.connectTimeout = options.connectTimeout;
    exchange.receiveTimeout = options.receiveTimeout;
    CExchangeResult result =
        ExchangeOnce(options.to.strIp, options.to.nPort, *request.message, exchange, pTap);
    switch (result.eOutcome) {
        case EExchangeOutcome::kCannotConnect:
            err << "objcomm send: cannot connect to " << strServer << "\n";
            return kCannotConnect;
        case EExchangeOutcome::kSendFailed:
            err << "objcomm send: " << strServer << " did not take the request\n";
            return kNoAnswer;
        case EExchangeOutcome::kTimedOut:
            err << "objcomm send: " << strServer << " did not respond within "
                << FormatText("%g", static_cast<double>(options.receiveTimeout.count()) / 1000)
                << " s\n";
            return kNoAnswer;
        case EExchangeOutcome::kClosed:
            err << "objcomm send: " << strServer << " closed the connection without responding\n";
            return kNoAnswer;
        case EExchangeOutcome::kAnswered:
        case EExchangeOutcome::kMalformed:
            break;
    }
    CDecodedFrame decoded;
    decoded.response = std::move(result.response);
    decoded.dwTag = result.dwTag;
    if (result.pFormatError != nullptr) decoded.strError = ClassName(*result.pFormatError);
    PrintDecodedFrame(out, decoded, options.bJson);
    if (!OutputWritten(out, err, "objcomm send")) return kOutputFailed;
    if (!decoded.response) {
        err << "objcomm send: " << strServer << " sent a malformed response (" << decoded.strError
            << ")\n";
        return kMalformedAnswer;
    }
    return kAnswered;
}

}  // namespace

int RunSend(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    size_t i = 0;
    const CSendOptions options = ParseSendOptions(args, i);
    CCommandLineRequest request = ParseRequest(args, i, false);
    if (options.strPcap.empty()) return Exchange(options, request, nullptr, out, err);
    CPcapWriter writer;
    std::string strError;
    if (!writer.Open(options.strPcap, &strError)) {
        return CaptureFailed(options.strPcap, strError, err);
    }
    CPcapTap tap(writer);
    const int nStatus = Exchange(options, request, &tap, out, err);
    if (!writer.Close(&strError)) return CaptureFailed(options.strPcap, strError, err);
    return nStatus;
}
