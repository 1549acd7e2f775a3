#pragma once
#include "objcomm/export.h"
#include "objcomm/text_table.h"
#include "platform/types.h"

// Turns a number into the text a person reads; the Format functions below are the ones in use.
using Formatter = CString (*)(DWORD dwValue);
OBJCOMM_API CString FormatHexByte(DWORD dwValue);   // "%02X"
OBJCOMM_API CString FormatDecimal(DWORD dwValue);   // "%d"
OBJCOMM_API CString FormatUnsigned(DWORD dwValue);  // "%u"
OBJCOMM_API CString FormatHexDWord(DWORD dwValue);  // "%08x"
// "%02x": lowercase, and every significant digit of a wider number.
OBJCOMM_API CString FormatLowerHex(DWORD dwValue);

// How a number reads to a person: by a formatter, or by its text in a code table.
class OBJCOMM_API CShow {
public:
    CShow() = default;
    // Shows a number by format.
    constexpr CShow(Formatter format) : m_format(format) {}
    // Shows a number by its text in codes.
    constexpr CShow(const CTextTable& codes) : m_pCodes(&codes) {}

    // The text of dwValue; empty for a CShow made with neither.
    CString Text(DWORD dwValue) const;

private:
    Formatter m_format = nullptr;
    const CTextTable* m_pCodes = nullptr;
};

// One walk over the fields of a record: reading them, writing them, describing them or
// counting their bytes. A record declares its fields once, in wire order, in a function that
// hands each field to the visitor, so the walks cannot disagree about order, widths or which
// fields are there: a field that is present only sometimes is declared under an if.
// A field without a label travels but is not described.
class OBJCOMM_API CFieldVisitor {
public:
    virtual ~CFieldVisitor() = default;

    // A big-endian number of nWidth bytes (1, 2 or 4); a one-byte field writes the low byte.
    template <typename T>
    void Number(T& value, int nWidth, const char* pszLabel = nullptr, CShow show = {}) {
        DWORD dwValue = static_cast<DWORD>(value);
        VisitNumber(dwValue, nWidth, pszLabel, show);
        value = static_cast<T>(dwValue);
    }
    // Bytes: a positive nMode is exactly that many, a count mode (length_prefix.h) counts
    // them, recounted when written. Shown as uppercase hex, or pszEmpty when there are none.
    virtual void Block(CByteArray& value, int nMode, const char* pszLabel,
                       const char* pszEmpty = "") = 0;
    // Characters, one per byte, with the length of nMode as for Block.
    virtual void Text(CString& value, int nMode, const char* pszLabel) = 0;
    // Bytes that mean nothing here: read and dropped, written as dwWritten, never shown.
    virtual void Filler(int nWidth, DWORD dwWritten) = 0;
    // A text that stands alone in the describe list, where a label would stand; no bytes.
    virtual void Caption(const char* pszText) = 0;
    // Whether the payload goes on: a reader at the payload's end says no, every other walk
    // yes. Fields that may be left off at the end are declared under it.
    virtual bool HasMore() { return true; }

protected:
    // What Number does, for a number of any type held as a DWORD.
    virtual void VisitNumber(DWORD& dwValue, int nWidth, const char* pszLabel, CShow show) = 0;
};

// The length mode for a field that takes the rest of the payload: read to the end, written
// without a length.
inline constexpr int kToTheEnd = -8;
