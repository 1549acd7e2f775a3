#pragma once
#include "objcomm/pass_through_response.h"

// Reads (no value) or sets (a value) one attribute of a reader. Any nonzero value length
// means a four-byte value follows, whatever the length says; it goes back out as 4.
class CRspReaderAttribute : public CPassThroughResponse {
public:
    static constexpr int kSubCommand = 0x16;

    CRspReaderAttribute(CInBinaryString& payload, DWORD dwContext);

    CStringArray& Describe() override;
    COutBinaryString GetData() override;
    // "Get Value" stands alone at the end of a list for a response without a value.
    CArray<int> GetLoneEntries() override;

    int m_nDestination;
    int m_nAttribute;
    bool m_bHasValue = false;
    DWORD m_dwValue = 0;
};
