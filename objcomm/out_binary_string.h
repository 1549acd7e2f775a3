#pragma once
#include "objcomm/export.h"
#include "platform/types.h"

// Bytes being built into a frame or payload. Numbers go out big-endian; strings and byte
// arrays get the length prefix of m_nPrefix (the modes of length_prefix.h).
class OBJCOMM_API COutBinaryString {
public:
    COutBinaryString() = default;

    // Empties the bytes and resets the prefix mode to 0.
    void Clear();
    // The length prefix of the strings and byte arrays appended from now on.
    COutBinaryString& SetPrefix(int nMode);
    // Appends one byte.
    COutBinaryString& AppendByte(BYTE b);
    // Appends two bytes, big-endian.
    COutBinaryString& AppendWord(WORD w);
    // Appends four bytes, big-endian.
    COutBinaryString& AppendDWord(DWORD dw);
    // The low nWidth bytes of dwValue (1, 2 or 4), most significant first.
    COutBinaryString& AppendNumber(int nWidth, DWORD dwValue);
    // Appends the text's length in the prefix mode, then its characters.
    COutBinaryString& AppendString(const CString& str);
    // Appends the bytes' length in the prefix mode, then the bytes.
    COutBinaryString& AppendBytes(const CByteArray& bytes);
    // Appends the characters alone, without a length.
    void AppendText(const char* pszText);
    // Appends the checksum of every byte so far (ComputeChecksum).
    COutBinaryString& AppendChecksum();

    // The bytes built so far.
    const CByteArray& GetBytes() const { return m_bytes; }
    // Their number.
    size_t GetSize() const { return m_bytes.size(); }

    // The prefix mode of AppendString and AppendBytes.
    int m_nPrefix = 0;

private:
    CByteArray m_bytes;
};
