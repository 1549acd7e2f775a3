#include "objcomm/hex.h"

#include <array>

namespace {

constexpr char kLowerDigits[] = "0123456789abcdef";

// The 256 lowercase pairs, built once at compile time.
constexpr std::array<std::array<char, 2>, 256> kLowerPairs = [] {
    std::array<std::array<char, 2>, 256> pairs{};
    for (int i = 0; i < 256; ++i) pairs[i] = {kLowerDigits[i >> 4], kLowerDigits[i & 15]};
    return pairs;
}();

}  // namespace

CString FormatHexSpaced(const BYTE* pBytes, size_t nCount) {
    CString text;
    if (nCount == 0) return text;
    text.reserve(nCount * 3 - 1);
    for (size_t i = 0; i < nCount; ++i) {
        if (i != 0) text.push_back(' ');
        text.append(kLowerPairs[pBytes[i]].data(), 2);
    }
    return text;
}

CString FormatHexSpaced(const CByteArray& bytes) {
    return FormatHexSpaced(bytes.data(), bytes.size());
}

void ByteToHexChars(BYTE b, char& high, char& low) {
    auto digit = [](int nibble) {
        return static_cast<char>(nibble < 10 ? '0' + nibble : 'A' + nibble - 10);
    };
    high = digit(b >> 4);
    low = digit(b & 15);
}

void FormatHex(const BYTE* pBytes, size_t nCount, CString& out) {
    out.clear();
    out.resize(nCount * 2);
    for (size_t i = 0; i < nCount; ++i) ByteToHexChars(pBytes[i], out[2 * i], out[2 * i + 1]);
}

void FormatHex(const CByteArray& bytes, CString& out) {
    FormatHex(bytes.data(), bytes.size(), out);
}

CString ToHex(const CByteArray& bytes) {
    CString text;
    FormatHex(bytes, text);
    return text;
}

CString HexOrText(const CByteArray& bytes, const char* pszEmpty) {
    return bytes.empty() ? CString(pszEmpty) : ToHex(bytes);
}

namespace {
int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
}  // namespace

bool ParseHexBytes(const CString& strText, CByteArray& out, CString* pstrError) {
    out.clear();
    out.reserve(strText.size() / 2);
    int pending = -1;
    for (size_t i = 0; i < strText.size(); ++i) {
        const char c = strText[i];
        if (c == ' ' || c == '\t' || c == ':' || c == '-' || c == '\r') continue;
        const int value = HexDigitValue(c);
        if (value < 0) {
            if (pstrError) {
                *pstrError = "character " + std::to_string(i + 1) + " is not a hex digit";
            }
            return false;
        }
        if (pending < 0) {
            pending = value;
        } else {
            out.push_back(static_cast<BYTE>(pending << 4 | value));
            pending = -1;
        }
    }
    if (pending >= 0) {
        if (pstrError) *pstrError = "odd number of hex digits";
        return false;
    }
    return true;
}
