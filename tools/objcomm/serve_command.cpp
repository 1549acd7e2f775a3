#include <fcntl.h>
#include <poll.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ostream>

#include "tools/objcomm/address_argument.h"
#include "tools/objcomm/commands.h"
#include "tools/objcomm/connection_threads.h"
#include "tools/objcomm/option_values.h"
#include "tools/objcomm/pcap_tap.h"
#include "tools/objcomm/simulated_server.h"
#include "tools/objcomm/stop_signals.h"
#include "tools/objcomm/usage_error.h"

namespace {

constexpr int kServed = 0;
constexpr int kCannotServe = 1;
constexpr int kLogFailed = 1;
constexpr unsigned kMaxIdleSeconds = 24 * 3600;
// Each connection takes two descriptors: within the usual limit of 1024 with room to spare.
constexpr unsigned long kMaxConnections = 500;

struct CServeOptions {
    CServerAddress listen{"127.0.0.1", 1500};
    CReplyMode reply;
    EServeFault eFault = EServeFault::kNone;
    unsigned long nCount = 0;  // 0: until a stop signal
    std::chrono::milliseconds idleTimeout{30000};
    unsigned long nMaxConnections = 64;
    bool bJson = false;
    std::string strPcap;  // where every connection is recorded; empty: nowhere
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
        } else if (args[i] == "--idle-timeout") {
            options.idleTimeout =
                ParseSecondsArgument("--idle-timeout", OptionValue(args, i), kMaxIdleSeconds);
        } else if (args[i] == "--max-connections") {
            options.nMaxConnections =
                ParseNumberArgument("--max-connections", OptionValue(args, i), kMaxConnections);
            if (options.nMaxConnections == 0) {
                throw CUsageError("--max-connections takes a number from 1");
            }
        } else if (args[i] == "--json") {
            options.bJson = true;
        } else if (args[i] == "--pcap") {
            options.strPcap = OptionValue(args, i);
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

// Waits until a connection waits on the listener (looked for only while bAccepting), the
// listener is shut down by a stop, or a connection's thread has finished. True when
// accept has a connection to take.
bool WaitForEvent(SOCKET hListener, bool bAccepting, int hFinished) {
    pollfd entries[] = {{hListener, static_cast<short>(bAccepting ? POLLIN : 0), 0},
                        {hFinished, POLLIN, 0}};
    return poll(entries, 2, -1) > 0 && (entries[0].revents & POLLIN) != 0;
}

// Accepts connections and serves each on a thread of its own until the count is reached
// and its connections have ended, or a stop signal came.
int ServeConnections(SOCKET hListener, CStopSignals& stop, const CServeOptions& options,
                     CServeLog& log, CPcapWriter& capture) {
    const CSimulatedServer server(options.reply, options.eFault, options.bJson, log);
    const auto serveOne = [&](SOCKET hServed) {
        // Declared first, so that it still records the close when the connection ends.
        CPcapTap tap(capture);
        CObjCommConnection connection(hServed);
        if (!options.strPcap.empty()) connection.SetTap(&tap);
        connection.SetTimeouts(CObjCommConnection::kDefaultConnectTimeout, options.idleTimeout);
        server.Serve(connection);
    };
    CConnectionThreads threads(options.nMaxConnections);
    if (!threads.IsReady()) {
        log.Problem("objcomm serve: cannot serve: " + std::string(std::strerror(errno)) + "\n");
        return kCannotServe;
    }
    for (unsigned long nAccepted = 0;;) {
        threads.JoinFinished();
        const bool bAccepting = options.nCount == 0 || nAccepted < options.nCount;
        if (stop.Requested() || (!bAccepting && threads.IsEmpty())) return kServed;
        if (!WaitForEvent(hListener, bAccepting, threads.GetFinishedEvent())) continue;
        const SOCKET hPeer = accept(hListener, nullptr, nullptr);
        if (hPeer == INVALID_SOCKET) {
            if (stop.Requested() || IsPassingAcceptError(errno)) continue;
            log.Problem("objcomm serve: accept failed: " + std::string(std::strerror(errno)) +
                        "\n");
            return kCannotServe;
        }
        // A connection over the limit is closed at once and does not count.
        if (threads.Start(hPeer, serveOne)) ++nAccepted;
    }
}

}  // namespace

int RunServe(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const CServeOptions options = ParseServeOptions(args);
    // A log reader that went away must not take the server with it: the failed write is
    // reported instead, and answers to peers never raise the signal anyway.
    std::signal(SIGPIPE, SIG_IGN);
    StartSockets();
    UINT nPort = 0;
    const SOCKET hListener = OpenListener(options.listen.strIp, options.listen.nPort, &nPort);
    if (hListener == INVALID_SOCKET) {
        err << "objcomm serve: cannot listen on " << options.listen.ToText() << ": "
            << std::strerror(errno) << "\n";
        return kCannotServe;
    }
    // Waits happen in poll; a connection gone before accept must not block it.
    fcntl(hListener, F_SETFL, fcntl(hListener, F_GETFL) | O_NONBLOCK);
    CPcapWriter capture;
    std::string strError;
    if (!options.strPcap.empty() && !capture.Open(options.strPcap, &strError)) {
        err << "objcomm serve: cannot write the capture " << options.strPcap << ": " << strError
            << "\n";
        closesocket(hListener);
        return kCannotServe;
    }
    CServeLog log(out, err);
    int nStatus = kServed;
    {
        // Handlers first: a stop asked for as soon as the line is read must end cleanly.
        CStopSignals stop(hListener);
        log.Line("listening on " + options.listen.strIp + ":" + std::to_string(nPort) + "\n");
        nStatus = ServeConnections(hListener, stop, options, log, capture);
    }
    closesocket(hListener);
    if (!capture.Close(&strError)) {
        log.Problem("objcomm serve: the capture " + options.strPcap +
                    " was not written whole: " + strError + "\n");
        return kLogFailed;
    }
    return nStatus == kServed && log.Failed() ? kLogFailed : nStatus;
}
