#include "objcomm/station/field_list_response.h"

CFieldListResponse::CFieldListResponse(CInBinaryString& payload, DWORD dwContext,
                                       const CResponseProfile& profile)
    : CPassThroughResponse(profile.nSubCommand, dwContext),
      CFieldList(payload, IsExtended()),
      m_pszDisplayName(profile.pszDisplayName) {}

CStringArray& CFieldListResponse::Describe() {
    BeginDescribe(m_arrDescribe, m_pszDisplayName);
    m_arrLoneEntries.clear();
    DescribeFields(m_arrDescribe, &m_arrLoneEntries);
    return m_arrDescribe;
}

COutBinaryString CFieldListResponse::GetData() {
    COutBinaryString out;
    WriteFields(out);
    return out;
}

CDestinationResponse::CDestinationResponse(CInBinaryString& payload, DWORD dwContext,
                                           const CDestinationProfile& profile)
    : CFieldListResponse(payload, dwContext, {profile.nSubCommand, profile.pszDisplayName}),
      m_nDestination(*this, "Destination", profile.destinations) {}
