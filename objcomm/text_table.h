#pragma once
#include <span>

#include "objcomm/code_table.h"

// A code table together with the text its user shows for a code outside it. Several
// classes share one table but differ in that text, so the two travel as a pair.
struct CTextTable {
    std::span<const CodeText> codes;
    const char* pszFallback = nullptr;

    const char* Text(unsigned nCode) const { return LookupText(codes, nCode, pszFallback); }
};

inline constexpr char kUnknownValue[] = "Unknown Value";
