#pragma once
#include "platform/types.h"

// Bytes being built into a frame or payload. Numbers go out big-endian; strings and byte
// arrays get the length prefix of m_nPrefix (the modes of length_prefix.h).
class COutBinaryString {
public:
    COutBinaryString() = default;

    void Clear();
    COutBinaryString& SetPrefix(int nMode);
    COutBinaryString& AppendByte(BYTE b);
    COutBinaryString& AppendWord(WORD w);
    COutBinaryString& AppendDWord(DWORD dw);
    // The low nWidth bytes of dwValue (1, 2 or 4), most significant first.
    COutBinaryString& AppendNumber(int nWidth, DWORD dwValue);
    COutBinaryString& AppendString(const CString& str);
    COutBinaryString& AppendBytes(const CByteArray& bytes);
    void AppendText(const char* pszText);
    COutBinaryString& AppendChecksum();

    const CByteArray& GetBytes() const { return m_bytes; }
    size_t GetSize() const { return m_bytes.size(); }

    int m_nPrefix = 0;

private:
    CByteArray m_bytes;
};
