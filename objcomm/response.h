#pragma once
#include "objcomm/export.h"
#include "objcomm/in_binary_string.h"
#include "objcomm/out_binary_string.h"
#include "platform/types.h"

// A decoded frame. Create is the only place that maps command codes to classes.
class OBJCOMM_API CObjCommResponse {
public:
    // dwContext is the factory's: nonzero selects the extended form of the card-station responses.
    explicit CObjCommResponse(DWORD dwContext) : m_dwContext(dwContext) {}
    CObjCommResponse(const CObjCommResponse&) = delete;
    CObjCommResponse& operator=(const CObjCommResponse&) = delete;

    // The command byte of the frame the response came in.
    virtual int GetCommand() = 0;
    // The pass-through sub-command, or kNoSubCommand for the server's own responses.
    virtual int GetSubCommand() = 0;
    // Whether the frame was, or is to be, in the long form, with the identifier.
    virtual bool HasHeader() { return true; }
    // What the response holds, as texts a person reads: label/value pairs in payload order (see
    // GetLoneEntries). The list belongs to the response and is rebuilt by each call.
    virtual CStringArray& Describe() = 0;
    virtual ~CObjCommResponse() = default;
    // The payload, written back to bytes as it was read.
    virtual COutBinaryString GetData() { return COutBinaryString(); }

    // Describe lists are label/value pairs, except in the few classes that put a lone text
    // (an action or a mode) where a label would stand. Those name the indexes of such texts
    // in the list Describe last built, so that tools can lay the list out.
    virtual CArray<int> GetLoneEntries() { return {}; }

    // Checks and decodes one whole frame. *pdwTag receives the exchange tag of a
    // pass-through frame, 0 for any other. Throws the CPassThruFormatError family.
    static CObjCommResponse* Create(CInBinaryString& frame, DWORD* pdwTag, DWORD dwContext);

    // The context the factory was given.
    const DWORD m_dwContext;
};
