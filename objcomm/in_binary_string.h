#pragma once
#include <span>

#include "objcomm/export.h"
#include "platform/types.h"

// A read cursor over received bytes. Every read is bounds-checked: a read that would pass
// the end throws CInBinaryStringException with the position it stopped at, and bytes that
// a partial read consumed stay consumed.
class OBJCOMM_API CInBinaryString {
public:
    CInBinaryString() = default;
    // A cursor at the first of bytes.
    explicit CInBinaryString(CByteArray bytes) : m_bytes(std::move(bytes)) {}
    virtual ~CInBinaryString() = default;

    // The next byte.
    BYTE ReadByte();
    // The next two bytes, big-endian.
    WORD ReadWord();
    // The next four bytes, big-endian.
    DWORD ReadDWord();
    // A big-endian number of nWidth bytes (1, 2 or 4).
    DWORD ReadNumber(int nWidth);
    // A field whose length nMode gives: a prefix of one, two or four bytes for the count
    // modes of length_prefix.h, else the mode itself (so 0 reads nothing).
    CString ReadString(int nMode);
    // As ReadString, into bytes.
    void ReadBytes(CByteArray& out, int nMode);
    // The same field, left where it lies: the bytes stay the reader's, valid until its bytes
    // change, so a caller can build its value from them without a copy on the way.
    std::span<const BYTE> ReadField(int nMode);
    // Reads one byte and compares it with the sum of every byte before it.
    bool VerifyChecksum();

    // Whether every byte has been read.
    bool IsExhausted() const { return static_cast<size_t>(m_nPos) >= m_bytes.size(); }
    // The bytes not yet read.
    size_t GetRemaining() const;
    // All the bytes, the ones read and the ones to come.
    const CByteArray& GetBytes() const { return m_bytes; }
    // All the bytes, to change in place.
    CByteArray& GetBytes() { return m_bytes; }

    // The position of the next read, from the first byte.
    int m_nPos = 0;

private:
    // Throws when m_nPos is not on a byte: at or past the end, or negative.
    void RequireByte() const;
    // The length of a field in nMode, its prefix read from here.
    long long ReadFieldLength(int nMode);
    // Hands out up to nCount bytes from the cursor; throws after taking what there was.
    template <typename Sink>
    void ReadRun(long long nCount, Sink&& sink);

    CByteArray m_bytes;
};
