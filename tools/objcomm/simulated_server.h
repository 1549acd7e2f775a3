#pragma once
#include <ostream>
#include <string>

#include "objcomm/connection.h"
#include "tools/objcomm/server_reply.h"

// What goes wrong with every answer (--fault FAULT).
enum class EServeFault {
    None,
    Close,     // close without answering
    Silent,    // never answer, keep the connection open
    Drip,      // the answer one byte at a time, 10 ms apart
    Truncate,  // the answer without its last byte, then close
    Corrupt,   // the answer with its checksum byte changed
};

// "none", "close", "silent", "drip", "truncate" or "corrupt"; else a usage error.
EServeFault ParseServeFault(const std::string& strText);

// A stand-in Object Communicator: reads request frames, logs one line each, and answers
// them by the reply mode, spoilt by the fault.
class CSimulatedServer {
public:
    CSimulatedServer(const CReplyMode& mode, EServeFault eFault, bool bJson, std::ostream& log,
                     std::ostream& err);

    // Answers requests until the peer closes the connection or the fault ends it.
    void Serve(CObjCommConnection& connection);

private:
    // False when the connection is to end.
    bool Deliver(CObjCommConnection& connection, CByteArray answer);

    CReplyMode m_mode;
    EServeFault m_eFault;
    bool m_bJson;
    std::ostream& m_log;
    std::ostream& m_err;
};
