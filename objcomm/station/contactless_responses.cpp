#include "objcomm/station/contactless_responses.h"

CDestinationBlockResponse::CDestinationBlockResponse(const CBlockProfile& profile, DWORD dwContext)
    : CDestinationResponse(profile, dwContext),
      m_pszLabel(profile.pszLabel),
      m_nMode(profile.nMode) {}

void CDestinationBlockResponse::VisitFields(CFieldVisitor& visitor) {
    CDestinationResponse::VisitFields(visitor);
    visitor.Block(m_arrData, m_nMode, m_pszLabel);
}

CTypeBRequestResponse::CTypeBRequestResponse(const CTypeBProfile& profile, DWORD dwContext)
    : CDestinationResponse({profile, kPiccOrUnknownDestination}, dwContext) {}

void CTypeBRequestResponse::VisitFields(CFieldVisitor& visitor) {
    CDestinationResponse::VisitFields(visitor);
    visitor.Number(m_nAfi, 1, "AFI", FormatHexByte);
    visitor.Number(m_nN, 1, "N", FormatHexByte);
}

CRspAttrib::CRspAttrib(CInBinaryString& payload, DWORD dwContext)
    : CDestinationResponse({{kSubCommand, "ATTRIB"}, kPiccOrUnknownDestination}, dwContext) {
    ReadFields(*this, payload);
}

void CRspAttrib::VisitFields(CFieldVisitor& visitor) {
    CDestinationResponse::VisitFields(visitor);
    visitor.Block(m_arrIdentifier, 4, "Identifier");
    visitor.Number(m_nMinimumTR0, 1, "Minimum TR0", FormatHexByte);
    visitor.Number(m_nMinimumTR1, 1, "Minimum TR1", FormatHexByte);
    visitor.Number(m_nEof, 1, "EOF", FormatHexByte);
    visitor.Number(m_nSof, 1, "SOF", FormatHexByte);
    visitor.Number(m_nBitRateToPcd, 1, "Bit Rate Selection to PCD", FormatHexByte);
    visitor.Number(m_nBitRateToPicc, 1, "Bit Rate Selection to PICC", FormatHexByte);
    visitor.Number(m_nMaximumFrameSize, 1, "Maximum Frame Size", FormatHexByte);
    visitor.Number(m_nProtocol, 1, "Protocol", FormatHexByte);
    visitor.Block(m_arrInf, kCountWord, "INF");
}

CRspPiccPower::CRspPiccPower(CInBinaryString& payload, DWORD dwContext)
    : CDestinationResponse({{kSubCommand, "PICC Power"}, kPiccOrUnknownDestination}, dwContext) {
    ReadFields(*this, payload);
}

void CRspPiccPower::VisitFields(CFieldVisitor& visitor) {
    CDestinationResponse::VisitFields(visitor);
    visitor.Number(m_bPowerOn, 1);
    visitor.Caption(m_bPowerOn ? "Turn Power On" : "Turn Power Off");
    visitor.Number(m_dwCarrierFieldStrength, 4, "Carrier Field Strength", FormatHexDWord);
}

CRspPiccAuthenticate::CRspPiccAuthenticate(CInBinaryString& payload, DWORD dwContext)
    : CDestinationResponse({{kSubCommand, "PICC Authenticate"}, kPiccOrUnknownValue}, dwContext) {
    ReadFields(*this, payload);
}

void CRspPiccAuthenticate::VisitFields(CFieldVisitor& visitor) {
    CDestinationResponse::VisitFields(visitor);
    visitor.Number(m_bFlag, 1);
    visitor.Block(m_arrData, kCountWord, "Data");
}

CRspPiccIssuePPS::CRspPiccIssuePPS(CInBinaryString& payload, DWORD dwContext)
    : CDestinationResponse({{kSubCommand, "PICC Issue PPS"}, kPiccOrUnknownDestination},
                           dwContext) {
    ReadFields(*this, payload);
}

void CRspPiccIssuePPS::VisitFields(CFieldVisitor& visitor) {
    CDestinationResponse::VisitFields(visitor);
    visitor.Number(m_nPps1, 1, "PPS1 Value", FormatHexByte);
}
