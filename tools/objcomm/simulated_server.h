#pragma once
#include <string>

#include "objcomm/connection.h"
#include "tools/objcomm/serve_log.h"
#include "tools/objcomm/server_reply.h"

// What goes wrong with every answer (--fault FAULT).
enum class EServeFault {
    kNone,
    kClose,     // close without answering
    kSilent,    // never answer, keep the connection open
    kDrip,      // the answer one byte at a time, 10 ms apart
    kTruncate,  // the answer without its last byte, then close
    kCorrupt,   // the answer with its checksum byte changed
};

// "none", "close", "silent", "drip", "truncate" or "corrupt"; else a usage error.
EServeFault ParseServeFault(const std::string& strText);

// A stand-in Object Communicator: reads request frames, answers them by the reply mode,
// spoilt by the fault, and logs one line each. One object serves any number of connections
// at once.
class CSimulatedServer {
public:
    CSimulatedServer(const CReplyMode& mode, EServeFault eFault, bool bJson, CServeLog& log);

    // Answers requests until the peer closes the connection, the connection's receive
    // time-out passes or the fault ends it.
    void Serve(CObjCommConnection& connection) const;

private:
    // False when the connection is to end.
    bool Deliver(CObjCommConnection& connection, CByteArray answer) const;

    const CReplyMode m_mode;
    const EServeFault m_eFault;
    const bool m_bJson;
    CServeLog& m_log;
};
