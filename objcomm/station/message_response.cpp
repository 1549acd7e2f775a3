#include "objcomm/station/message_response.h"

#include "objcomm/length_prefix.h"

namespace {

constexpr CodeText kButtonSchemeCodes[] = {
    {'C', "'Ok' and Cancel Button Scheme"},
    {'O', " 'Ok' Button Scheme"},
    {'Y', " 'Yes' and 'No' Button Scheme"},
};
constexpr CodeText kInputIndicatorCodes[] = {
    {'H', "Hexadecimal input is required"},
    {'I', "Decimal input is required"},
    {'Y', "Input is required"},
    {'N', "Input is not required"},
};
constexpr CodeText kInputTypeCodes[] = {
    {'N', "Security of information is not required"},
    {'S', "Security of information is required"},
};
constexpr CodeText kConfirmationTypeCodes[] = {
    {'N', "Confirmation is not needed"},
    {'Y', "Confirmation is needed"},
};

constexpr CTextTable kButtonSchemes{kButtonSchemeCodes, kUnknownValue};
constexpr CTextTable kInputIndicators{kInputIndicatorCodes, kUnknownValue};
constexpr CTextTable kInputTypes{kInputTypeCodes, kUnknownValue};
constexpr CTextTable kConfirmationTypes{kConfirmationTypeCodes, kUnknownValue};

}  // namespace

CRspMessage::CRspMessage(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughFieldResponse(kSubCommand, nullptr, dwContext) {
    ReadFields(*this, payload);
}

void CRspMessage::VisitFields(CFieldVisitor& visitor) {
    visitor.Text(m_strText, kCountWord, "Message");
    visitor.Number(m_nButtonScheme, 1, "Button Scheme", kButtonSchemes);
    visitor.Number(m_nInputIndicator, 1, "Input Indicator", kInputIndicators);
    // Any indicator but 'N', known or not, brings the input fields; only a known one shows
    // them.
    if (!HasInputFields()) return;
    const bool bShown =
        LookupText(kInputIndicatorCodes, static_cast<unsigned>(m_nInputIndicator), nullptr);
    visitor.Number(m_nExpectedInputLength, 1, bShown ? "Expected Input Length" : nullptr,
                   FormatLowerHex);
    visitor.Number(m_nInputType, 1, bShown ? "Input Type" : nullptr, kInputTypes);
    visitor.Number(m_nConfirmationType, 1, bShown ? "Confirmation Type" : nullptr,
                   kConfirmationTypes);
}
