#include "tools/stationreg/open_key.h"

#include <algorithm>

LONG OpenKey(HKEY hRoot, const CString& strSubKey, REGSAM samDesired, CKeyHandle& key) {
    HKEY hKey = nullptr;
    const LONG lResult = RegOpenKeyExA(hRoot, strSubKey.c_str(), 0, samDesired, &hKey);
    key.reset(hKey);
    return lResult;
}

LONG CreateKey(HKEY hRoot, const CString& strSubKey, CKeyHandle& key) {
    HKEY hKey = nullptr;
    const LONG lResult =
        RegCreateKeyExA(hRoot, strSubKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                        nullptr, &hKey, nullptr);
    key.reset(hKey);
    return lResult;
}

LONG ReadValue(HKEY hKey, const CString& strName, CRegistryValue& value) {
    DWORD cbData = 0;
    LONG lResult = RegQueryValueExA(hKey, strName.c_str(), nullptr, nullptr, nullptr, &cbData);
    if (lResult != ERROR_SUCCESS) return lResult;
    value.strName = strName;
    value.data.resize(cbData);
    lResult =
        RegQueryValueExA(hKey, strName.c_str(), nullptr, &value.dwType, value.data.data(), &cbData);
    value.data.resize(cbData);
    return lResult;
}

LONG ReadAllValues(HKEY hKey, std::vector<CRegistryValue>& values) {
    CString strName(256, '\0');
    for (DWORD dwIndex = 0;; ++dwIndex) {
        DWORD cchName = 0;
        LONG lResult = ERROR_MORE_DATA;
        // A name that does not fit reports the size it needs.
        while (lResult == ERROR_MORE_DATA) {
            strName.resize(std::max<size_t>(strName.size(), cchName));
            cchName = static_cast<DWORD>(strName.size());
            lResult = RegEnumValueA(hKey, dwIndex, strName.data(), &cchName, nullptr, nullptr,
                                    nullptr, nullptr);
        }
        if (lResult == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (lResult != ERROR_SUCCESS) return lResult;
        values.emplace_back();
        lResult = ReadValue(hKey, strName.substr(0, cchName), values.back());
        if (lResult != ERROR_SUCCESS) return lResult;
    }
}

LONG ReadSubKeyNames(HKEY hKey, CStringArray& names) {
    char szName[kMaxKeyNameChars + 1];
    for (DWORD dwIndex = 0;; ++dwIndex) {
        DWORD cchName = sizeof szName;
        const LONG lResult =
            RegEnumKeyExA(hKey, dwIndex, szName, &cchName, nullptr, nullptr, nullptr, nullptr);
        if (lResult == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
        if (lResult != ERROR_SUCCESS) return lResult;
        names.emplace_back(szName, cchName);
    }
}
