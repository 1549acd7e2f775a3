#pragma once
#include "objcomm/export.h"
#include "objcomm/field_list_response.h"

// A command for the card. Sent to a contact reader as an ISO case, and not flagged as raw
// (flags bit 0x02, extended form only), the command data is an APDU and its parts are
// shown; otherwise the data is shown whole. Either way it is kept and written back whole.
class OBJCOMM_API CRspProcess : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x05;

    CRspProcess(CInBinaryString& payload, DWORD dwContext);

    void VisitFields(CFieldVisitor& visitor) override;
    // The fields, then for an ISO APDU its header bytes, and its Lc data and Le as its case has
    // them.
    CStringArray& Describe() override;
    // Bulk Process embeds one Process per command and builds its payload from these.
    void WriteData(COutBinaryString& out);
    // The bytes WriteData appends.
    int GetDataLength();

    // The reader or port the command goes to.
    int m_nDestination = 0;
    // How long the station waits for the card's answer.
    int m_nTimeOut = 0;
    // The command's ISO 7816-4 case, '1' to '4'; '5' for a command that is not an ISO one.
    int m_nCase = 0;
    WORD m_wFlags = 0;  // extended form only
    // The command's bytes, whole.
    CInBinaryString m_commandData;
    // The parts of an ISO APDU, when the command data is one.
    BYTE m_nCla = 0;
    // The instruction byte.
    BYTE m_nIns = 0;
    // The first parameter byte.
    BYTE m_nP1 = 0;
    // The second parameter byte.
    BYTE m_nP2 = 0;
    // The length of the answer expected, in cases 2 and 4.
    BYTE m_nLe = 0;
    // Case 3 and 4 only.
    CByteArray m_arrLcData;

private:
    bool IsIsoApdu() const;
    bool HasLc() const;
    bool HasLe() const;
};
