#include "tools/objcomm/simulated_server.h"

#include <sstream>
#include <thread>

#include "objcomm/errors.h"
#include "tools/objcomm/request_log.h"
#include "tools/objcomm/usage_error.h"

namespace {

constexpr std::chrono::milliseconds kDripGap{10};

struct FaultName {
    const char* pszName;
    EServeFault eFault;
};

constexpr FaultName kFaults[] = {
    {"none", EServeFault::kNone},         {"close", EServeFault::kClose},
    {"silent", EServeFault::kSilent},     {"drip", EServeFault::kDrip},
    {"truncate", EServeFault::kTruncate}, {"corrupt", EServeFault::kCorrupt},
};

}  // namespace

EServeFault ParseServeFault(const std::string& strText) {
    for (const FaultName& fault : kFaults) {
        if (strText == fault.pszName) return fault.eFault;
    }
    throw CUsageError("unknown --fault '" + strText +
                      "' (none, close, silent, drip, truncate, corrupt)");
}

CSimulatedServer::CSimulatedServer(const CReplyMode& mode, EServeFault eFault, bool bJson,
                                   CServeLog& log)
    : m_mode(mode), m_eFault(eFault), m_bJson(bJson), m_log(log) {}

void CSimulatedServer::Serve(CObjCommConnection& connection) const {
    for (;;) {
        CByteArray frame;
        try {
            if (!connection.ReceivePacket(frame)) return;
        } catch (const CPassThruParseError&) {
            m_log.Problem(
                "objcomm serve: a frame declared a body over 16 MiB; closing the connection\n");
            return;
        }
        const CDecodedRequest request = DecodeRequest(frame);
        // The answer first: the peer should never wait on the log.
        const bool bGoOn = Deliver(connection, BuildReply(m_mode, request));
        std::ostringstream line;
        PrintRequestLog(line, frame, request, m_bJson);
        m_log.Line(line.str());
        if (!bGoOn) return;
    }
}

bool CSimulatedServer::Deliver(CObjCommConnection& connection, CByteArray answer) const {
    switch (m_eFault) {
        case EServeFault::kNone:
            break;
        case EServeFault::kClose:
            return false;
        case EServeFault::kSilent:
            return true;
        case EServeFault::kDrip:
            for (size_t i = 0; i < answer.size(); ++i) {
                if (i > 0) std::this_thread::sleep_for(kDripGap);
                if (!connection.SendBuffer({answer[i]})) return false;
            }
            return true;
        case EServeFault::kTruncate:
            answer.pop_back();
            connection.SendBuffer(answer);
            return false;
        case EServeFault::kCorrupt:
            answer.back() = static_cast<BYTE>(answer.back() + 1);
            break;
    }
    return connection.SendBuffer(answer);
}
