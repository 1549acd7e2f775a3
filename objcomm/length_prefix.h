#pragma once
#include "platform/types.h"

// The length-prefix modes of the byte strings: a field's length goes before it as one, two
// or four big-endian bytes. Any other mode value is itself the field's length, so a
// positive mode is a fixed-length field and 0 no field at all.
inline constexpr int kCountByte = -1;
inline constexpr int kCountWord = -2;
inline constexpr int kCountDWord = -4;

// The bytes of the length prefix of nMode; 0 for a mode that is itself the length.
constexpr int PrefixWidth(int nMode) {
    return nMode == kCountByte ? 1 : nMode == kCountWord ? 2 : nMode == kCountDWord ? 4 : 0;
}

// A big-endian number of nWidth bytes, each taken from nextByte() in turn. A source that
// runs out part way throws from nextByte, having given up the bytes it had.
template <typename NextByte>
DWORD ReadBigEndian(int nWidth, NextByte&& nextByte) {
    DWORD dwValue = 0;
    for (int i = 0; i < nWidth; ++i) dwValue = (dwValue << 8) | nextByte();
    return dwValue;
}

// The length of a field in mode nMode: its prefix, read through nextByte, or the mode.
template <typename NextByte>
long long ReadLength(int nMode, NextByte&& nextByte) {
    const int nWidth = PrefixWidth(nMode);
    if (nWidth == 0) return nMode;
    return ReadBigEndian(nWidth, nextByte);
}
