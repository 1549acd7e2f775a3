#include "objcomm/out_binary_string.h"

#include <cstring>

BYTE ComputeChecksum(const BYTE* pBytes, size_t nCount) {
    unsigned sum = 0;
    for (size_t i = 0; i < nCount; ++i) sum += pBytes[i];
    return static_cast<BYTE>(sum);
}

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
    return AppendByte(static_cast<BYTE>(w >> 8)).AppendByte(static_cast<BYTE>(w));
}

COutBinaryString& COutBinaryString::AppendDWord(DWORD dw) {
    return AppendWord(static_cast<WORD>(dw >> 16)).AppendWord(static_cast<WORD>(dw));
}

void COutBinaryString::AppendLength(size_t nLength) {
    switch (m_nPrefix) {
        case -1: AppendByte(static_cast<BYTE>(nLength)); break;
        case -2: AppendWord(static_cast<WORD>(nLength)); break;
        case -4: AppendDWord(static_cast<DWORD>(nLength)); break;
        default: break;
    }
}

COutBinaryString& COutBinaryString::AppendString(const CString& str) {
    AppendLength(str.size());
    m_bytes.insert(m_bytes.end(), str.begin(), str.end());
    return *this;
}

COutBinaryString& COutBinaryString::AppendBytes(const CByteArray& bytes) {
    AppendLength(bytes.size());
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}

void COutBinaryString::AppendText(const char* pszText) {
    m_bytes.insert(m_bytes.end(), pszText, pszText + std::strlen(pszText));
}

COutBinaryString& COutBinaryString::AppendChecksum() {
    return AppendByte(ComputeChecksum(m_bytes.data(), m_bytes.size()));
}
