#pragma once
#include <span>

#include "objcomm/code_table.h"
#include "objcomm/export.h"

// A code table together with the text its user shows for a code outside it. Several
// classes share one table but differ in that text, so the two travel as a pair.
struct OBJCOMM_API CTextTable {
    // The codes and their texts.
    std::span<const CodeText> codes;
    // The text for a code outside them.
    const char* pszFallback = nullptr;

    // The text of nCode.
    const char* Text(unsigned nCode) const { return LookupText(codes, nCode, pszFallback); }
};

// The usual fallback text.
inline constexpr char kUnknownValue[] = "Unknown Value";
