#include "objcomm/in_binary_string.h"

#include <algorithm>

#include "objcomm/checksum.h"
#include "objcomm/errors.h"
#include "objcomm/length_prefix.h"

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
    return static_cast<WORD>(ReadNumber(2));
}

DWORD CInBinaryString::ReadDWord() {
    return ReadNumber(4);
}

DWORD CInBinaryString::ReadNumber(int nWidth) {
    return ReadBigEndian(nWidth, [this] { return ReadByte(); });
}

long long CInBinaryString::ReadFieldLength(int nMode) {
    return ReadLength(nMode, [this] { return ReadByte(); });
}

template <typename Sink>
void CInBinaryString::ReadRun(long long nCount, Sink&& sink) {
    if (nCount <= 0) return;
    // Before any pointer is formed from m_nPos, which a caller may have set anywhere.
    RequireByte();
    // The count may be a hostile claim: never size anything by it, only by what is here.
    const size_t available = GetRemaining();
    const size_t take = std::min(static_cast<unsigned long long>(nCount),
                                 static_cast<unsigned long long>(available));
    sink(std::span<const BYTE>(m_bytes.data() + m_nPos, take));
    m_nPos += static_cast<int>(take);
    if (take < static_cast<unsigned long long>(nCount)) throw CInBinaryStringException{m_nPos};
}

CString CInBinaryString::ReadString(int nMode) {
    CString text;
    ReadRun(ReadFieldLength(nMode), [&](std::span<const BYTE> run) {
        text.assign(reinterpret_cast<const char*>(run.data()), run.size());
    });
    return text;
}

void CInBinaryString::ReadBytes(CByteArray& out, int nMode) {
    out.clear();
    ReadRun(ReadFieldLength(nMode),
            [&](std::span<const BYTE> run) { out.assign(run.begin(), run.end()); });
}

std::span<const BYTE> CInBinaryString::ReadField(int nMode) {
    std::span<const BYTE> field;
    ReadRun(ReadFieldLength(nMode), [&](std::span<const BYTE> run) { field = run; });
    return field;
}

bool CInBinaryString::VerifyChecksum() {
    // The sum runs over m_nPos bytes, so the position must be inside the bytes first.
    RequireByte();
    const BYTE expected = ComputeChecksum(m_bytes.data(), static_cast<size_t>(m_nPos));
    return ReadByte() == expected;
}
