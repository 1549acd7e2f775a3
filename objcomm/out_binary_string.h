#pragma once
#include "platform/types.h"

// Bytes being built into a frame or payload. Numbers go out big-endian; strings and byte
// arrays get a length prefix chosen by m_nPrefix: -1 one byte, -2 two, -4 four, else none.
class COutBinaryString {
public:
    COutBinaryString() = default;

    void Clear();
    COutBinaryString& SetPrefix(int nMode);
    COutBinaryString& AppendByte(BYTE b);
    COutBinaryString& AppendWord(WORD w);
    COutBinaryString& AppendDWord(DWORD dw);
    COutBinaryString& AppendString(const CString& str);
    COutBinaryString& AppendBytes(const CByteArray& bytes);
    void AppendText(const char* pszText);
    COutBinaryString& AppendChecksum();

    const CByteArray& GetBytes() const { return m_bytes; }
    size_t GetSize() const { return m_bytes.size(); }

    int m_nPrefix = 0;

private:
    void AppendLength(size_t nLength);

    CByteArray m_bytes;
};

// The 8-bit wrap-around sum that closes every frame.
BYTE ComputeChecksum(const BYTE* pBytes, size_t nCount);
