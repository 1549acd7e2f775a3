#include "objcomm/text_payload_responses.h"

CTextPayloadResponse::CTextPayloadResponse(int nCommand, CInBinaryString& payload, DWORD dwContext,
                                           const char* pszDisplayName, const char* pszLabel)
    : CServerFieldResponse(nCommand, pszDisplayName, dwContext), m_pszLabel(pszLabel) {
    ReadFields(*this, payload);
}

void CTextPayloadResponse::VisitFields(CFieldVisitor& visitor) {
    visitor.Text(m_strText, kToTheEnd, m_pszLabel);
}
