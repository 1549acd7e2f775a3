#include "objcomm/out_binary_string.h"

#include <cstring>

#include "objcomm/checksum.h"
#include "objcomm/length_prefix.h"

void COutBinaryString::Clear() {
    m_bytes.clear();
    m_nPrefix = 0;
}

COutBinaryString& COutBinaryString::SetPrefix(int nMode) {
    m_nPrefix = nMode;
    return *this;
}

COutBinaryString& COutBinaryString::AppendByte(BYTE b) {
    m_bytes.push_back(b);
    return *this;
}

COutBinaryString& COutBinaryString::AppendWord(WORD w) {
    return AppendNumber(2, w);
}

COutBinaryString& COutBinaryString::AppendDWord(DWORD dw) {
    return AppendNumber(4, dw);
}

COutBinaryString& COutBinaryString::AppendNumber(int nWidth, DWORD dwValue) {
    for (int nShift = 8 * (nWidth - 1); nShift >= 0; nShift -= 8) {
        m_bytes.push_back(static_cast<BYTE>(dwValue >> nShift));
    }
    return *this;
}

COutBinaryString& COutBinaryString::AppendString(const CString& str) {
    AppendNumber(PrefixWidth(m_nPrefix), static_cast<DWORD>(str.size()));
    m_bytes.insert(m_bytes.end(), str.begin(), str.end());
    return *this;
}

COutBinaryString& COutBinaryString::AppendBytes(const CByteArray& bytes) {
    AppendNumber(PrefixWidth(m_nPrefix), static_cast<DWORD>(bytes.size()));
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}

void COutBinaryString::AppendText(const char* pszText) {
    m_bytes.insert(m_bytes.end(), pszText, pszText + std::strlen(pszText));
}

COutBinaryString& COutBinaryString::AppendChecksum() {
    return AppendByte(ComputeChecksum(m_bytes.data(), m_bytes.size()));
}
