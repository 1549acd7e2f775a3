#include <cerrno>
#include <cstring>
#include <ostream>

#include "tools/objcomm/address_argument.h"
#include "tools/objcomm/commands.h"
#include "tools/objcomm/simulated_server.h"
#include "tools/objcomm/stop_signals.h"
#include "tools/objcomm/usage_error.h"

namespace {

constexpr int kCannotListen = 1;

struct CServeOptions {
    CServerAddress listen{"127.0.0.1", 1500};
    CReplyMode reply;
    EServeFault eFault = EServeFault::None;
    unsigned long nCount = 0;  // 0: until a stop signal
    bool bJson = false;
};

CServeOptions ParseServeOptions(const std::vector<std::string>& args) {
    CServeOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--listen") {
            options.listen = ParseAddressArgument("--listen", OptionValue(args, i));
        } else if (args[i] == "--reply") {
            options.reply = ParseReplyMode(OptionValue(args, i));
        } else if (args[i] == "--fault") {
            options.eFault = ParseServeFault(OptionValue(args, i));
        } else if (args[i] == "--count") {
            options.nCount = ParseNumberArgument("--count", OptionValue(args, i), 1000000000);
            if (options.nCount == 0) throw CUsageError("--count takes a number from 1");
        } else if (args[i] == "--json") {
            options.bJson = true;
        } else {
            throw CUsageError("unknown option '" + args[i] + "' for serve");
        }
    }
    return options;
}

// A failed accept that says nothing about the listener itself: try the next one.
bool IsPassingAcceptError(int nError) {
    return nError == EINTR || nError == ECONNABORTED || nError == EPROTO || nError == EAGAIN;
}

// Serves connections one after another until the count is reached or a stop signal came.
int ServeConnections(SOCKET hListener, CStopSignals& stop, const CServeOptions& options,
                     std::ostream& out, std::ostream& err) {
    CSimulatedServer server(options.reply, options.eFault, options.bJson, out, err);
    for (unsigned long nServed = 0;
         !stop.Requested() && (options.nCount == 0 || nServed < options.nCount);) {
        const SOCKET hPeer = accept(hListener, nullptr, nullptr);
        if (hPeer == INVALID_SOCKET) {
            if (stop.Requested() || IsPassingAcceptError(errno)) continue;
            err << "objcomm serve: accept failed: " << std::strerror(errno) << "\n";
            return kCannotListen;
        }
        CObjCommConnection connection(hPeer);
        connection.SetTimeouts(CObjCommConnection::kDefaultConnectTimeout,
                               CObjCommConnection::kNoTimeout);
        stop.Watch(hPeer);
        // A stop that came just before Watch would otherwise leave this peer unwatched.
        if (!stop.Requested()) server.Serve(connection);
        stop.Watch(INVALID_SOCKET);
        ++nServed;
    }
    return 0;
}

}  // namespace

int RunServe(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const CServeOptions options = ParseServeOptions(args);
    StartSockets();
    UINT nPort = 0;
    const SOCKET hListener = OpenListener(options.listen.strIp, options.listen.nPort, &nPort);
    if (hListener == INVALID_SOCKET) {
        err << "objcomm serve: cannot listen on " << options.listen.ToText() << ": "
            << std::strerror(errno) << "\n";
        return kCannotListen;
    }
    int nStatus = 0;
    {
        // Handlers first: a stop asked for as soon as the line is read must end cleanly.
        CStopSignals stop(hListener);
        out << "listening on " << options.listen.strIp << ":" << nPort << std::endl;
        nStatus = ServeConnections(hListener, stop, options, out, err);
    }
    closesocket(hListener);
    return nStatus;
}
