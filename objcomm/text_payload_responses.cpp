#include "objcomm/text_payload_responses.h"

#include "objcomm/describe.h"

CTextPayloadResponse::CTextPayloadResponse(int nCommand, CInBinaryString& payload,
                                           DWORD dwContext, const char* pszDisplayName,
                                           const char* pszLabel)
    : CServerResponse(nCommand, dwContext),
      m_strText(payload.ReadString(static_cast<int>(payload.GetRemaining()))),
      m_pszDisplayName(pszDisplayName),
      m_pszLabel(pszLabel) {}

CStringArray& CTextPayloadResponse::Describe() {
    BeginDescribe(m_arrDescribe, m_pszDisplayName);
    AddPair(m_arrDescribe, m_pszLabel, m_strText);
    return m_arrDescribe;
}

COutBinaryString CTextPayloadResponse::GetData() {
    COutBinaryString out;
    out.AppendString(m_strText);
    return out;
}
