#include "tools/objcomm/simulated_server.h"

#include <thread>

#include "objcomm/errors.h"
#include "tools/objcomm/usage_error.h"

namespace {

constexpr std::chrono::milliseconds kDripGap{10};

struct FaultName {
    const char* pszName;
    EServeFault eFault;
};

constexpr FaultName kFaults[] = {
    {"none", EServeFault::None},         {"close", EServeFault::Close},
    {"silent", EServeFault::Silent},     {"drip", EServeFault::Drip},
    {"truncate", EServeFault::Truncate}, {"corrupt", EServeFault::Corrupt},
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
                                   std::ostream& log, std::ostream& err)
    : m_mode(mode), m_eFault(eFault), m_bJson(bJson), m_log(log), m_err(err) {}

void CSimulatedServer::Serve(CObjCommConnection& connection) {
    for (;;) {
        CByteArray frame;
        try {
            if (!connection.ReceivePacket(frame)) return;
        } catch (const CPassThruParseError&) {
            m_err << "objcomm serve: a frame declared a body over 16 MiB; closing the connection"
                  << std::endl;
            return;
        }
        const CReceivedRequest request = ReadReceivedRequest(frame);
        PrintReceivedRequest(m_log, request, m_bJson);
        m_log.flush();
        if (!Deliver(connection, BuildReply(m_mode, request))) return;
    }
}

bool CSimulatedServer::Deliver(CObjCommConnection& connection, CByteArray answer) {
    switch (m_eFault) {
        case EServeFault::None:
            break;
        case EServeFault::Close:
            return false;
        case EServeFault::Silent:
            return true;
        case EServeFault::Drip:
            for (size_t i = 0; i < answer.size(); ++i) {
                if (i > 0) std::this_thread::sleep_for(kDripGap);
                if (!connection.SendBuffer({answer[i]})) return false;
            }
            return true;
        case EServeFault::Truncate:
            answer.pop_back();
            connection.SendBuffer(answer);
            return false;
        case EServeFault::Corrupt:
            answer.back() = static_cast<BYTE>(answer.back() + 1);
            break;
    }
    return connection.SendBuffer(answer);
}
