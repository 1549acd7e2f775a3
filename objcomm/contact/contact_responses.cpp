#include "objcomm/contact/contact_responses.h"

namespace {
constexpr CodeText kResendCodes[] = {
    {0x01, "HeaderUnmatched"},
    {0x02, "MessageCorrupted"},
    {0x91, "ChecksumError"},
    {0x93, "UnknownCommand"},
};
constexpr CTextTable kResendErrorCodes{kResendCodes, kUnknownValue};
}  // namespace

CContactSettingResponse::CContactSettingResponse(const CSettingProfile& profile, DWORD dwContext)
    : CDestinationResponse(profile, dwContext), m_profile(profile) {}

void CContactSettingResponse::VisitFields(CFieldVisitor& visitor) {
    CDestinationResponse::VisitFields(visitor);
    visitor.Filler(2, IsExtended() ? 4 : 1);
    VisitSetting(visitor, m_dwValue, m_profile.pszLabel, m_profile.codes, m_profile.formatExtended);
}

CRspSetNAD::CRspSetNAD(CInBinaryString& payload, DWORD dwContext)
    : CDestinationResponse({{kSubCommand, "Set NAD"}, kContactOrUnknownWide}, dwContext) {
    ReadFields(*this, payload);
}

void CRspSetNAD::VisitFields(CFieldVisitor& visitor) {
    CDestinationResponse::VisitFields(visitor);
    visitor.Number(m_nNad, 1, "NAD Value", FormatDecimal);
}

CRspResend::CRspResend(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughFieldResponse(kSubCommand, "Resend Data", dwContext) {
    ReadFields(*this, payload);
}

void CRspResend::VisitFields(CFieldVisitor& visitor) {
    visitor.Filler(1, 0);
    visitor.Number(m_nErrorCode, 1, "Error Code", kResendErrorCodes);
}
