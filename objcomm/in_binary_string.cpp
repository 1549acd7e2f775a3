#include "objcomm/in_binary_string.h"

#include <algorithm>

#include "objcomm/errors.h"
#include "objcomm/out_binary_string.h"

size_t CInBinaryString::GetRemaining() const {
    return IsExhausted() ? 0 : m_bytes.size() - static_cast<size_t>(m_nPos);
}

void CInBinaryString::RequireByte() const {
    if (IsExhausted()) throw CInBinaryStringException{m_nPos};
}

BYTE CInBinaryString::ReadByte() {
    RequireByte();
    return m_bytes[static_cast<size_t>(m_nPos++)];
}

WORD CInBinaryString::ReadWord() {
    const WORD high = ReadByte();
    return static_cast<WORD>((high << 8) | ReadByte());
}

DWORD CInBinaryString::ReadDWord() {
    const DWORD high = ReadWord();
    return (high << 16) | ReadWord();
}

long long CInBinaryString::ReadCount(int nMode) {
    switch (nMode) {
        case -1:
            return ReadByte();
        case -2:
            return ReadWord();
        case -4:
            return ReadDWord();
        default:
            return nMode;
    }
}

template <typename Sink>
void CInBinaryString::ReadRun(long long nCount, Sink&& sink) {
    if (nCount <= 0) return;
    // Before any iterator is formed from m_nPos, which a caller may have set anywhere.
    RequireByte();
    // The count may be a hostile claim: never size anything by it, only by what is here.
    const size_t available = GetRemaining();
    const size_t take = std::min(static_cast<unsigned long long>(nCount),
                                 static_cast<unsigned long long>(available));
    const auto first = m_bytes.begin() + m_nPos;
    sink(first, first + static_cast<std::ptrdiff_t>(take));
    m_nPos += static_cast<int>(take);
    if (take < static_cast<unsigned long long>(nCount)) throw CInBinaryStringException{m_nPos};
}

CString CInBinaryString::ReadString(int nMode) {
    CString text;
    ReadRun(ReadCount(nMode), [&](auto first, auto last) { text.assign(first, last); });
    return text;
}

void CInBinaryString::ReadBytes(CByteArray& out, int nMode) {
    out.clear();
    ReadRun(ReadCount(nMode), [&](auto first, auto last) { out.assign(first, last); });
}

bool CInBinaryString::VerifyChecksum() {
    // The sum runs over m_nPos bytes, so the position must be inside the bytes first.
    RequireByte();
    const BYTE expected = ComputeChecksum(m_bytes.data(), static_cast<size_t>(m_nPos));
    return ReadByte() == expected;
}
