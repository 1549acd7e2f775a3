#include "objcomm/field_visitor.h"

#include "platform/format.h"

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

CString FormatLowerHex(DWORD dwValue) {
    return FormatText("%02x", dwValue);
}

CString CShow::Text(DWORD dwValue) const {
    if (m_format != nullptr) return m_format(dwValue);
    return m_pCodes != nullptr ? m_pCodes->Text(dwValue) : "";
}
