#include "objcomm/shaped_response.h"

CDestinationResponse::CDestinationResponse(const CDestinationProfile& profile, DWORD dwContext)
    : CPassThroughFieldResponse(profile.nSubCommand, profile.pszDisplayName, dwContext),
      m_destinations(profile.destinations) {}

void CDestinationResponse::VisitFields(CFieldVisitor& visitor) {
    visitor.Number(m_nDestination, 1, "Destination", m_destinations);
}
