#pragma once
#include <span>

#include "objcomm/export.h"
#include "platform/types.h"

// One code and the text a person reads for it. Code tables are data; LookupText is the
// single way to read them, with each caller's own fallback for codes outside the table.
struct OBJCOMM_API CodeText {
    // The code as it travels.
    unsigned nCode;
    // What a person reads for it.
    const char* pszText;
};

// The text of nCode in table, or pszFallback when the table has no such code.
inline const char* LookupText(std::span<const CodeText> table, unsigned nCode,
                              const char* pszFallback) {
    for (const CodeText& entry : table) {
        if (entry.nCode == nCode) return entry.pszText;
    }
    return pszFallback;
}
