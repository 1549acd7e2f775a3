#pragma once
#include "objcomm/field_list_response.h"

// A command for the card. Sent to a contact reader as an ISO case, and not flagged as raw
// (flags bit 0x02, extended form only), the command data is an APDU and its parts are
// shown; otherwise the data is shown whole. Either way it is kept and written back whole.
class CRspProcess : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x05;

    CRspProcess(CInBinaryString& payload, DWORD dwContext);

    void VisitFields(CFieldVisitor& visitor) override;
    CStringArray& Describe() override;
    // Bulk Process embeds one Process per command and builds its payload from these.
    void WriteData(COutBinaryString& out);
    int GetDataLength();

    int m_nDestination = 0;
    int m_nTimeOut = 0;
    int m_nCase = 0;
    WORD m_wFlags = 0;  // extended form only
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
