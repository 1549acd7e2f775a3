#pragma once
#include "objcomm/field_list_response.h"

// A message for the station's operator: the text, the buttons to offer, and whether and how
// the operator must answer. The three input fields travel only when the input indicator is
// not 'N'. Its describe list opens with the message itself, not with a "Command" pair.
class CRspMessage : public CPassThroughFieldResponse {
public:
    static constexpr int kSubCommand = 0x20;

    CRspMessage(CInBinaryString& payload, DWORD dwContext);
    void VisitFields(CFieldVisitor& visitor) override;

    CString m_strText;
    int m_nButtonScheme = 0;
    int m_nInputIndicator = 0;
    BYTE m_nExpectedInputLength = 0;
    int m_nInputType = kNo;
    int m_nConfirmationType = kNo;

private:
    static constexpr int kNo = 'N';

    bool HasInputFields() const { return m_nInputIndicator != kNo; }
};
