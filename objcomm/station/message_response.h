#pragma once
#include "objcomm/station/pass_through_response.h"

// A message for the station's operator: the text, the buttons to offer, and whether and how
// the operator must answer. The three input fields travel only when the input indicator is
// not 'N'. Its describe list opens with the message itself, not with a "Command" pair.
class CRspMessage : public CPassThroughResponse {
public:
    CRspMessage(CInBinaryString& payload, DWORD dwContext);

    CStringArray& Describe() override;
    COutBinaryString GetData() override;

    CString m_strText;
    int m_nButtonScheme;
    int m_nInputIndicator;
    BYTE m_nExpectedInputLength = 0;
    int m_nInputType = kNo;
    int m_nConfirmationType = kNo;

private:
    static constexpr int kNo = 'N';

    bool HasInputFields() const { return m_nInputIndicator != kNo; }
};
