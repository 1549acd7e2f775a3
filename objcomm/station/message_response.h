#pragma once
#include "objcomm/export.h"
#include "objcomm/field_list_response.h"

// A message for the station's operator: the text, the buttons to offer, and whether and how
// the operator must answer. The three input fields travel only when the input indicator is
// not 'N'. Its describe list opens with the message itself, not with a "Command" pair.
class OBJCOMM_API CRspMessage : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x20;

    CRspMessage(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    // The message.
    CString m_strText;
    // The buttons to offer: 'C' OK and Cancel, 'O' OK, 'Y' Yes and No.
    int m_nButtonScheme = 0;
    // Whether the operator must answer: 'H' in hex, 'I' in decimal, 'Y' in any way, 'N' not at all.
    int m_nInputIndicator = 0;
    // How long the answer is to be.
    BYTE m_nExpectedInputLength = 0;
    // 'S' when the answer is secret, 'N' when it is not.
    int m_nInputType = kNo;
    // 'Y' when the operator must confirm the answer, 'N' when not.
    int m_nConfirmationType = kNo;

private:
    static constexpr int kNo = 'N';

    bool HasInputFields() const { return m_nInputIndicator != kNo; }
};
