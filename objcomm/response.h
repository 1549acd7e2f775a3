#pragma once
#include "objcomm/in_binary_string.h"
#include "objcomm/out_binary_string.h"
#include "platform/types.h"

// A decoded frame. Create is the only place that maps command codes to classes.
class CObjCommResponse {
public:
    explicit CObjCommResponse(DWORD dwContext) : m_dwContext(dwContext) {}
    CObjCommResponse(const CObjCommResponse&) = delete;
    CObjCommResponse& operator=(const CObjCommResponse&) = delete;

    virtual int GetCommand() = 0;
    virtual int GetSubCommand() = 0;
    virtual bool HasHeader() { return true; }
    virtual CStringArray& Describe() = 0;
    virtual ~CObjCommResponse() = default;
    virtual COutBinaryString GetData() { return COutBinaryString(); }

    // Describe lists are label/value pairs, except in the few classes that put a lone text
    // (an action or a mode) where a label would stand. Those name the indexes of such texts
    // in the list Describe last built, so that tools can lay the list out.
    virtual CArray<int> GetLoneEntries() { return {}; }

    // Checks and decodes one whole frame. *pdwTag receives the exchange tag of a
    // pass-through frame, 0 for any other. Throws the CPassThruFormatError family.
    static CObjCommResponse* Create(CInBinaryString& frame, DWORD* pdwTag, DWORD dwContext);

    const DWORD m_dwContext;
};
