#pragma once
#include <span>

#include "platform/types.h"

// One code and the text a person reads for it. Code tables are data; LookupText is the
// single way to read them, with each caller's own fallback for codes outside the table.
struct CodeText {
    unsigned nCode;
    const char* pszText;
};

inline const char* LookupText(std::span<const CodeText> table, unsigned nCode,
                              const char* pszFallback) {
    for (const CodeText& entry : table) {
        if (entry.nCode == nCode) return entry.pszText;
    }
    return pszFallback;
}
