#pragma once
#include <optional>

#include "platform/registry.h"
#include "platform/types.h"

// A KEY argument: ROOT\SUB\KEY, the root short (HKLM) or full (HKEY_LOCAL_MACHINE) in any
// case. A key without a backslash may use / instead. One trailing separator is allowed,
// except straight after the root.
struct CRegKeyName {
    HKEY hRoot = nullptr;
    CString strSubKey;
    CString strDisplay;  // root spelled in full, then the sub-key with backslashes
};

std::optional<CRegKeyName> ParseKeyName(const CString& strKey);
// The key strName right below parent.
CRegKeyName ChildKeyName(const CRegKeyName& parent, const CString& strName);
