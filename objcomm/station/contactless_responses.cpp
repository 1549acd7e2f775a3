#include "objcomm/station/contactless_responses.h"

CDestinationBlockResponse::CDestinationBlockResponse(CInBinaryString& payload, DWORD dwContext,
                                                     const CBlockProfile& profile)
    : CDestinationResponse(payload, dwContext, profile.response),
      m_arrData(*this, profile.pszLabel, profile.nMode) {}

CTypeBRequestResponse::CTypeBRequestResponse(CInBinaryString& payload, DWORD dwContext,
                                             const CTypeBProfile& profile)
    : CDestinationResponse(payload, dwContext,
                           {profile.response.nSubCommand, profile.response.pszDisplayName,
                            kPiccOrUnknownDestination}) {}
