#include "objcomm/contact/contact_responses.h"

namespace {
constexpr CodeText kResendCodes[] = {
    {0x01, "HeaderUnmatched"},
    {0x02, "MessageCorrupted"},
    {0x91, "ChecksumError"},
    {0x93, "UnknownCommand"},
};
}  // namespace

constinit const CTextTable kResendErrorCodes{kResendCodes, kUnknownValue};

CContactSettingResponse::CContactSettingResponse(CInBinaryString& payload, DWORD dwContext,
                                                 const CSettingProfile& profile)
    : CDestinationResponse(payload, dwContext, profile.response),
      m_valueLength(*this, 2, IsExtended() ? 4 : 1),
      m_dwValue(*this, profile.pszLabel, profile.codes, profile.formatExtended) {}
