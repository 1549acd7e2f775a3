#include "objcomm/station/message_response.h"

#include "objcomm/describe.h"
#include "objcomm/station/text_table.h"
#include "platform/format.h"

namespace {

constexpr CodeText kButtonSchemes[] = {
    {'C', "'Ok' and Cancel Button Scheme"},
    {'O', " 'Ok' Button Scheme"},
    {'Y', " 'Yes' and 'No' Button Scheme"},
};
constexpr CodeText kInputIndicators[] = {
    {'H', "Hexadecimal input is required"},
    {'I', "Decimal input is required"},
    {'Y', "Input is required"},
    {'N', "Input is not required"},
};
constexpr CodeText kInputTypes[] = {
    {'N', "Security of information is not required"},
    {'S', "Security of information is required"},
};
constexpr CodeText kConfirmationTypes[] = {
    {'N', "Confirmation is not needed"},
    {'Y', "Confirmation is needed"},
};

const char* CodeTextOf(std::span<const CodeText> table, int nCode) {
    return LookupText(table, static_cast<unsigned>(nCode), kUnknownValue);
}

}  // namespace

CRspMessage::CRspMessage(CInBinaryString& payload, DWORD dwContext)
    : CPassThroughResponse(0x20, dwContext),
      m_strText(payload.ReadString(-2)),
      m_nButtonScheme(payload.ReadByte()),
      m_nInputIndicator(payload.ReadByte()) {
    // Any indicator but 'N', known or not, brings the input fields.
    if (!HasInputFields()) return;
    m_nExpectedInputLength = payload.ReadByte();
    m_nInputType = payload.ReadByte();
    m_nConfirmationType = payload.ReadByte();
}

CStringArray& CRspMessage::Describe() {
    m_arrDescribe.clear();
    AddPair(m_arrDescribe, "Message", m_strText);
    AddPair(m_arrDescribe, "Button Scheme", CodeTextOf(kButtonSchemes, m_nButtonScheme));
    const char* pszIndicator =
        LookupText(kInputIndicators, static_cast<unsigned>(m_nInputIndicator), nullptr);
    AddPair(m_arrDescribe, "Input Indicator", pszIndicator ? pszIndicator : kUnknownValue);
    // An indicator the station does not know shows no input fields, though they travel.
    if (!HasInputFields() || pszIndicator == nullptr) return m_arrDescribe;
    AddPair(m_arrDescribe, "Expected Input Length", FormatText("%02x", m_nExpectedInputLength));
    AddPair(m_arrDescribe, "Input Type", CodeTextOf(kInputTypes, m_nInputType));
    AddPair(m_arrDescribe, "Confirmation Type",
            CodeTextOf(kConfirmationTypes, m_nConfirmationType));
    return m_arrDescribe;
}

COutBinaryString CRspMessage::GetData() {
    COutBinaryString out;
    out.SetPrefix(-2).AppendString(m_strText);
    out.AppendByte(static_cast<BYTE>(m_nButtonScheme))
        .AppendByte(static_cast<BYTE>(m_nInputIndicator));
    if (HasInputFields()) {
        out.AppendByte(m_nExpectedInputLength)
            .AppendByte(static_cast<BYTE>(m_nInputType))
            .AppendByte(static_cast<BYTE>(m_nConfirmationType));
    }
    return out;
}
