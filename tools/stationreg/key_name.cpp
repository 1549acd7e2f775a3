#include "tools/stationreg/key_name.h"

#include <algorithm>

#include "app/text_utils.h"

std::optional<CRegKeyName> ParseKeyName(const CString& strKey) {
    const char cSeparator = strKey.find('\\') == CString::npos ? '/' : '\\';
    CString strTrimmed = strKey;
    const bool bTrailing = !strTrimmed.empty() && strTrimmed.back() == cSeparator;
    if (bTrailing) strTrimmed.pop_back();

    CStringArray arrComponents;
    SplitString(arrComponents, strTrimmed, cSeparator);
    const bool bEmptyComponent =
        std::ranges::any_of(arrComponents, [](const CString& str) { return str.empty(); });
    const CRegistryRoot* pRoot =
        arrComponents.empty() ? nullptr : FindRegistryRoot(arrComponents[0], true);
    // reg takes "HKCU\" for a key without a name below the root, and refuses it.
    const bool bBareRootWithSeparator = bTrailing && arrComponents.size() == 1;
    if (!pRoot || bEmptyComponent || bBareRootWithSeparator) return std::nullopt;

    CRegKeyName name{pRoot->hKey, "", pRoot->pszName};
    for (size_t i = 1; i < arrComponents.size(); ++i) name = ChildKeyName(name, arrComponents[i]);
    return name;
}

CRegKeyName ChildKeyName(const CRegKeyName& parent, const CString& strName) {
    CRegKeyName child = parent;
    child.strSubKey += (child.strSubKey.empty() ? "" : "\\") + strName;
    child.strDisplay += "\\" + strName;
    return child;
}
