#pragma once
#include "objcomm/station/pass_through_response.h"

// A command for the card. Sent to a contact reader as an ISO case, and not flagged as raw
// (flags bit 0x02, extended form only), the command data is an APDU and its parts are
// shown; otherwise the data is shown whole. Either way it is kept and written back whole.
class CRspProcess : public CPassThroughResponse {
public:
    CRspProcess(CInBinaryString& payload, DWORD dwContext);

    CStringArray& Describe() override;
    COutBinaryString GetData() override;
    // Bulk Process embeds one Process per command and builds its payload from these.
    void WriteData(COutBinaryString& out) const;
    int GetDataLength() const;

    int m_nDestination;
    int m_nTimeOut;
    int m_nCase;
    WORD m_wFlags = 0;
    CInBinaryString m_commandData;
    // The parts of an ISO APDU, when the command data is one.
    BYTE m_nCla = 0;
    BYTE m_nIns = 0;
    BYTE m_nP1 = 0;
    BYTE m_nP2 = 0;
    BYTE m_nLe = 0;
    // Case 3 and 4 only.
    CByteArray m_arrLcData;

private:
    bool IsIsoApdu() const;
    bool HasLc() const;
    bool HasLe() const;
};
