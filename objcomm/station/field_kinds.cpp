#include "objcomm/station/field_kinds.h"

#include "objcomm/station/field_list.h"
#include "objcomm/station/pass_through_response.h"
#include "platform/format.h"

CField::CField(CFieldList& owner) {
    owner.m_fields.push_back(this);
}

CInBinaryString& CField::Payload(CFieldList& owner) {
    return *owner.m_pPayload;
}

bool CField::IsExtended(const CFieldList& owner) {
    return owner.m_bExtended;
}

CString FormatHexByte(DWORD dwValue) {
    return FormatText("%02X", dwValue);
}

CString FormatDecimal(DWORD dwValue) {
    return FormatText("%d", static_cast<int>(dwValue));
}

CString FormatUnsigned(DWORD dwValue) {
    return FormatText("%u", dwValue);
}

CString FormatHexDWord(DWORD dwValue) {
    return FormatText("%08x", dwValue);
}

DWORD ReadNumber(CInBinaryString& in, int nWidth) {
    switch (nWidth) {
        case 1:
            return in.ReadByte();
        case 2:
            return in.ReadWord();
        default:
            return in.ReadDWord();
    }
}

void WriteNumber(COutBinaryString& out, int nWidth, DWORD dwValue) {
    switch (nWidth) {
        case 1:
            out.AppendByte(static_cast<BYTE>(dwValue));
            break;
        case 2:
            out.AppendWord(static_cast<WORD>(dwValue));
            break;
        default:
            out.AppendDWord(dwValue);
            break;
    }
}

CBlockField::CBlockField(CFieldList& owner, const char* pszLabel, int nMode,
                         const char* pszEmpty)
    : CField(owner), m_pszLabel(pszLabel), m_nMode(nMode), m_pszEmpty(pszEmpty) {
    Payload(owner).ReadBytes(m_value, nMode);
}

void CBlockField::Write(COutBinaryString& out) const {
    // A fixed block goes out bare; a counted one gets its length from what it holds.
    out.SetPrefix(m_nMode < 0 ? m_nMode : 0).AppendBytes(m_value);
}

void CBlockField::Describe(CStringArray& list) const {
    AddPair(list, m_pszLabel, HexOrText(m_value, m_pszEmpty));
}

CFlagField::CFlagField(CFieldList& owner, const char* pszOn, const char* pszOff)
    : CField(owner), m_pszOn(pszOn), m_pszOff(pszOff), m_value(Payload(owner).ReadByte() != 0) {}

void CFlagField::Write(COutBinaryString& out) const {
    out.AppendByte(m_value ? 1 : 0);
}

void CFlagField::Describe(CStringArray& list) const {
    if (m_pszOn != nullptr) list.push_back(m_value ? m_pszOn : m_pszOff);
}

CFillerField::CFillerField(CFieldList& owner, int nWidth, DWORD dwWritten)
    : CField(owner), m_nWidth(nWidth), m_dwWritten(dwWritten) {
    ReadNumber(Payload(owner), nWidth);
}

void CFillerField::Write(COutBinaryString& out) const {
    WriteNumber(out, m_nWidth, m_dwWritten);
}

CCaptionField::CCaptionField(CFieldList& owner, const char* pszText)
    : CField(owner), m_pszText(pszText) {}

void CCaptionField::Describe(CStringArray& list) const {
    list.push_back(m_pszText);
}
