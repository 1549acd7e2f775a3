#pragma once
#include "objcomm/export.h"
#include "objcomm/pass_through_response.h"

// Reads (no value) or sets (a value) one attribute of a reader. Any nonzero value length
// means a four-byte value follows, whatever the length says; it goes back out as 4.
class OBJCOMM_API CRspReaderAttribute : public CPassThroughResponse {
public:
    static constexpr int kSubCommand = 0x16;

    CRspReaderAttribute(CInBinaryString& payload, DWORD dwContext);

    CStringArray& Describe() override;
    COutBinaryString GetData() override;
    // "Get Value" stands alone at the end of a list for a response without a value.
    CArray<int> GetLoneEntries() override;

    // The reader.
    int m_nDestination;
    // Which attribute, by its number.
    int m_nAttribute;
    // Whether a value is set (else it is read).
    bool m_bHasValue = false;
    // The value to set.
    DWORD m_dwValue = 0;
};
