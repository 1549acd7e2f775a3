#pragma once
#include <vector>

#include "objcomm/export.h"
#include "platform/types.h"

// One line of a describe list as a person reads it: "Label: value", or a lone text.
struct OBJCOMM_API CDescribeEntry {
    // The label, or the lone text.
    CString strLabel;
    // The value; empty for a lone text.
    CString strValue;
    // Whether the entry is a lone text, without a value.
    bool bAlone = false;
};

// Pairs the texts of a describe list; the indexes in lone, and a last text left without
// a partner, stand alone.
OBJCOMM_API std::vector<CDescribeEntry> DescribeEntries(const CStringArray& list,
                                                        const CArray<int>& lone);
