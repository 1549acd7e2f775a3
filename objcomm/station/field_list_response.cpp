#include "objcomm/station/field_list_response.h"

CFieldListResponse::CFieldListResponse(CInBinaryString& payload, DWORD dwContext,
                                       const CResponseProfile& profile)
    : CPassThroughResponse(profile.nSubCommand, dwContext),
      m_pPayload(&payload),
      m_pszDisplayName(profile.pszDisplayName) {}

CStringArray& CFieldListResponse::Describe() {
    BeginDescribe(m_arrDescribe, m_pszDisplayName);
    m_arrLoneEntries.clear();
    for (const CField* pField : m_fields) {
        // A field that adds a single entry has put a text where a label would stand.
        const size_t nBefore = m_arrDescribe.size();
        pField->Describe(m_arrDescribe);
        if (m_arrDescribe.size() == nBefore + 1)
            m_arrLoneEntries.push_back(static_cast<int>(nBefore));
    }
    return m_arrDescribe;
}

COutBinaryString CFieldListResponse::GetData() {
    COutBinaryString out;
    for (const CField* pField : m_fields) pField->Write(out);
    return out;
}

CDestinationResponse::CDestinationResponse(CInBinaryString& payload, DWORD dwContext,
                                           const CDestinationProfile& profile)
    : CFieldListResponse(payload, dwContext, {profile.nSubCommand, profile.pszDisplayName}),
      m_nDestination(*this, "Destination", profile.destinations) {}
