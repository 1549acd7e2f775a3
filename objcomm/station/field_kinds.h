#pragma once
#include "objcomm/describe.h"
#include "objcomm/in_binary_string.h"
#include "objcomm/out_binary_string.h"
#include "objcomm/station/text_table.h"

class CFieldList;

// One field of a regular record, declared as a member of it. A field reads itself from the
// payload when it is constructed and enrols in its record's list, so the order the members
// are declared in is the payload order for parsing, GetData and Describe alike: the three
// cannot drift apart.
class CField {
public:
    CField(const CField&) = delete;
    CField& operator=(const CField&) = delete;
    virtual ~CField() = default;

    virtual void Write(COutBinaryString& out) const = 0;
    virtual void Describe(CStringArray& list) const = 0;

protected:
    explicit CField(CFieldList& owner);

    static CInBinaryString& Payload(CFieldList& owner);
    static bool IsExtended(const CFieldList& owner);
};

using Formatter = CString (*)(DWORD dwValue);
CString FormatHexByte(DWORD dwValue);   // "%02X"
CString FormatDecimal(DWORD dwValue);   // "%d"
CString FormatUnsigned(DWORD dwValue);  // "%u"
CString FormatHexDWord(DWORD dwValue);  // "%08x"

// Big-endian numbers of 1, 2 or 4 bytes; a 1-byte field writes the value's low byte.
DWORD ReadNumber(CInBinaryString& in, int nWidth);
void WriteNumber(COutBinaryString& out, int nWidth, DWORD dwValue);

// Whether a field travels in both forms or in the extended form only.
enum class EForm { kBoth, kExtendedOnly };

// A number, shown by a formatter or by its text in a code table.
template <typename T>
class CValueField : public CField {
public:
    // nWidth bytes, shown by format.
    CValueField(CFieldList& owner, int nWidth, const char* pszLabel, Formatter format)
        : CValueField(owner, nWidth, pszLabel, {}, format, EForm::kBoth) {}
    // A code byte, shown by its text.
    CValueField(CFieldList& owner, const char* pszLabel, const CTextTable& codes,
                EForm eForm = EForm::kBoth)
        : CValueField(owner, 1, pszLabel, codes, nullptr, eForm) {}
    // A code byte; in the extended form four bytes holding the value itself, shown by format.
    CValueField(CFieldList& owner, const char* pszLabel, const CTextTable& codes,
                Formatter format)
        : CValueField(owner, IsExtended(owner) ? 4 : 1, pszLabel, codes,
                      IsExtended(owner) ? format : nullptr, EForm::kBoth) {}

    const T& Get() const { return m_value; }

    void Write(COutBinaryString& out) const override {
        if (m_bPresent) WriteNumber(out, m_nWidth, static_cast<DWORD>(m_value));
    }
    void Describe(CStringArray& list) const override {
        if (!m_bPresent) return;
        const DWORD dwValue = static_cast<DWORD>(m_value);
        AddPair(list, m_pszLabel, m_format ? m_format(dwValue) : CString(m_codes.Text(dwValue)));
    }

private:
    CValueField(CFieldList& owner, int nWidth, const char* pszLabel,
                const CTextTable& codes, Formatter format, EForm eForm)
        : CField(owner),
          m_nWidth(nWidth),
          m_pszLabel(pszLabel),
          m_codes(codes),
          m_format(format),
          m_bPresent(eForm == EForm::kBoth || IsExtended(owner)),
          m_value(m_bPresent ? static_cast<T>(ReadNumber(Payload(owner), nWidth)) : T{}) {}

    const int m_nWidth;
    const char* const m_pszLabel;
    const CTextTable m_codes;
    const Formatter m_format;
    const bool m_bPresent;
    T m_value;
};

// A byte block: nMode > 0 is exactly that many bytes; -2 a two-byte length first, which is
// recomputed when written. Shown as uppercase hex, or pszEmpty when there are no bytes.
class CBlockField : public CField {
public:
    CBlockField(CFieldList& owner, const char* pszLabel, int nMode,
                const char* pszEmpty = "");

    const CByteArray& Get() const { return m_value; }
    void Write(COutBinaryString& out) const override;
    void Describe(CStringArray& list) const override;

private:
    const char* const m_pszLabel;
    const int m_nMode;
    const char* const m_pszEmpty;
    CByteArray m_value;
};

// A byte read as true when nonzero and written back as 1 or 0. Shown as one unlabelled
// entry, or not at all when no texts are given.
class CFlagField : public CField {
public:
    explicit CFlagField(CFieldList& owner, const char* pszOn = nullptr,
                        const char* pszOff = nullptr);

    bool Get() const { return m_value; }
    void Write(COutBinaryString& out) const override;
    void Describe(CStringArray& list) const override;

private:
    const char* const m_pszOn;
    const char* const m_pszOff;
    bool m_value;
};

// Bytes that mean nothing here: read and dropped, written back as dwWritten, never shown.
class CFillerField : public CField {
public:
    CFillerField(CFieldList& owner, int nWidth, DWORD dwWritten);

    void Write(COutBinaryString& out) const override;
    void Describe(CStringArray&) const override {}

private:
    const int m_nWidth;
    const DWORD m_dwWritten;
};

// A single unlabelled describe entry that stands for no bytes at all.
class CCaptionField : public CField {
public:
    CCaptionField(CFieldList& owner, const char* pszText);

    void Write(COutBinaryString&) const override {}
    void Describe(CStringArray& list) const override;

private:
    const char* const m_pszText;
};
