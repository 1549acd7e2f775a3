#pragma once
#include <memory>

#include "platform/registry.h"
#include "platform/registry_value.h"
#include "platform/types.h"

struct CKeyCloser {
    void operator()(HKEY hKey) const { RegCloseKey(hKey); }
};
// An open key, closed when it goes out of scope.
using CKeyHandle = std::unique_ptr<CRegistryKey, CKeyCloser>;

LONG OpenKey(HKEY hRoot, const CString& strSubKey, REGSAM samDesired, CKeyHandle& key);
LONG CreateKey(HKEY hRoot, const CString& strSubKey, CKeyHandle& key);

LONG ReadValue(HKEY hKey, const CString& strName, CRegistryValue& value);
// Every value of the key, in the order they were created.
LONG ReadAllValues(HKEY hKey, std::vector<CRegistryValue>& values);
// The names of the keys right below, in the order RegEnumKeyExA gives them.
LONG ReadSubKeyNames(HKEY hKey, CStringArray& names);
