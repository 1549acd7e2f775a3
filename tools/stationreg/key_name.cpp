#include "tools/stationreg/key_name.h"

#include <algorithm>

#include "app/text_utils.h"

std::optional<CRegKeyName> ParseKeyName(const CString& strKey) {
    const char cSeparator = strKey.find('\\') == CString::npos ? '/' : '\\';
    CString strTrimmed = strKey;
    if (!strTrimmed.empty() && strTrimmed.back() == cSeparator) strTrimmed.pop_back();

    CStringArray arrComponents;
    SplitString(arrComponents, strTrimmed, cSeparator);
    const bool bEmptyComponent =
        std::ranges::any_of(arrComponents, [](const CString& str) { return str.empty(); });
    const CRegistryRoot* pRoot =
        arrComponents.empty() ? nullptr : FindRegistryRoot(arrComponents[0], true);
    if (!pRoot || bEmptyComponent) return std::nullopt;

    CRegKeyName name{pRoot->hKey, "", pRoot->pszName};
    for (size_t i = 1; i < arrComponents.size(); ++i) {
        if (i > 1) name.strSubKey += '\\';
        name.strSubKey += arrComponents[i];
    }
    if (!name.strSubKey.empty()) name.strDisplay += "\\" + name.strSubKey;
    return name;
}
