#include "objcomm/station/contactless_responses.h"

CDestinationBlockResponse::CDestinationBlockResponse(CInBinaryString& payload, DWORD dwContext,
                                                     const CBlockSpec& spec)
    : CDestinationResponse(payload, dwContext, spec.response),
      m_arrData(*this, spec.pszLabel, spec.nMode) {}

CTypeBRequestResponse::CTypeBRequestResponse(CInBinaryString& payload, DWORD dwContext,
                                             const CTypeBSpec& spec)
    : CDestinationResponse(
          payload, dwContext,
          {spec.response.nSubCommand, spec.response.pszDisplayName, kPiccOrUnknownDestination}) {}
