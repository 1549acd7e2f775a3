#include "platform/registry.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

#include "platform/no_case.h"
#include "platform/registry_database.h"

struct CRegistryKey {
    CString strPath;  // the root's full name, then the sub-key
    REGSAM samDesired = 0;
    std::unique_ptr<CRegistryDatabase> database;
    std::int64_t nKeyId = 0;
    // The subkeys' names as RegEnumKeyExA last listed them.
    std::optional<std::vector<CString>> subKeys;
};

namespace {

// Far beyond any setting; keeps one value from swallowing the file.
constexpr DWORD kMaxValueBytes = 1 << 20;
constexpr size_t kMaxKeyDepth = 512;

CRegistryKey g_rootKeys[5];

constexpr CRegistryRoot kRoots[] = {
    {&g_rootKeys[0], "HKEY_LOCAL_MACHINE", "HKLM"},  {&g_rootKeys[1], "HKEY_CURRENT_USER", "HKCU"},
    {&g_rootKeys[2], "HKEY_CLASSES_ROOT", "HKCR"},   {&g_rootKeys[3], "HKEY_USERS", "HKU"},
    {&g_rootKeys[4], "HKEY_CURRENT_CONFIG", "HKCC"},
};

// Keys handed out and not yet closed. A stale or made-up handle then gets
// ERROR_INVALID_HANDLE instead of being dereferenced.
std::mutex g_keysMutex;
std::set<HKEY> g_openKeys;
CRegistryHandleCounts g_counts{};

const char* RootName(HKEY hKey) {
    for (const CRegistryRoot& root : kRoots) {
        if (root.hKey == hKey) return root.pszName;
    }
    return nullptr;
}

CRegistryKey* FindOpenKey(HKEY hKey) {
    std::lock_guard<std::mutex> lock(g_keysMutex);
    return g_openKeys.contains(hKey) ? hKey : nullptr;
}

HKEY Register(std::unique_ptr<CRegistryKey> key) {
    std::lock_guard<std::mutex> lock(g_keysMutex);
    ++g_counts.dwOpened;
    return *g_openKeys.insert(key.release()).first;
}

// Sub-keys are names of 1 to kMaxKeyNameChars characters joined by single backslashes; an
// empty one names the parent itself.
bool IsValidSubKey(const CString& strSubKey) {
    for (size_t nStart = 0; nStart < strSubKey.size();) {
        const size_t nEnd = std::min(strSubKey.find('\\', nStart), strSubKey.size());
        const size_t nLength = nEnd - nStart;
        if (nLength == 0 || nLength > kMaxKeyNameChars || nEnd + 1 == strSubKey.size()) {
            return false;
        }
        nStart = nEnd + 1;
    }
    return true;
}

LONG ChildPath(HKEY hParent, LPCSTR lpSubKey, CString& strPath) {
    const CString strSubKey = lpSubKey ? lpSubKey : "";
    if (!IsValidSubKey(strSubKey)) return ERROR_INVALID_PARAMETER;
    if (const char* pszRoot = RootName(hParent)) {
        strPath = pszRoot;
    } else if (const CRegistryKey* pParent = FindOpenKey(hParent)) {
        strPath = pParent->strPath;
    } else {
        return ERROR_INVALID_HANDLE;
    }
    if (!strSubKey.empty()) strPath += "\\" + strSubKey;
    const auto nDepth = static_cast<size_t>(std::ranges::count(strPath, '\\'));
    return nDepth <= kMaxKeyDepth ? ERROR_SUCCESS : ERROR_INVALID_PARAMETER;
}

LONG OpenKey(HKEY hParent, LPCSTR lpSubKey, REGSAM samDesired, bool bCreate, PHKEY phkResult,
             LPDWORD lpdwDisposition) {
    if (!phkResult) return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    auto key = std::make_unique<CRegistryKey>();
    key->samDesired = samDesired;
    LONG lResult = ChildPath(hParent, lpSubKey, key->strPath);
    if (lResult != ERROR_SUCCESS) return lResult;

    using EAccess = CRegistryDatabase::EAccess;
    const bool bWrite = (samDesired & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)) != 0;
    const EAccess access = bCreate  ? EAccess::kCreate
                           : bWrite ? EAccess::kReadWrite
                                    : EAccess::kRead;
    lResult = CRegistryDatabase::Open(access, key->database);
    if (lResult != ERROR_SUCCESS) return lResult;
    bool bCreated = false;
    lResult = bCreate ? key->database->CreateKey(key->strPath, key->nKeyId, bCreated)
                      : key->database->FindKey(key->strPath, key->nKeyId);
    if (lResult != ERROR_SUCCESS) return lResult;

    if (lpdwDisposition)
        *lpdwDisposition = bCreated ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *phkResult = Register(std::move(key));
    return ERROR_SUCCESS;
}

// The open key behind hKey, provided it was opened with every right in samNeeded.
LONG UseKey(HKEY hKey, REGSAM samNeeded, CRegistryKey*& pKey) {
    pKey = FindOpenKey(hKey);
    if (!pKey) return ERROR_INVALID_HANDLE;
    return (pKey->samDesired & samNeeded) == samNeeded ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

// UseKey for a call on one value: strName is its name, none naming the key's default value.
LONG UseKeyValue(HKEY hKey, REGSAM samNeeded, LPCSTR lpValueName, CRegistryKey*& pKey,
                 CString& strName) {
    strName = lpValueName ? lpValueName : "";
    if (strName.size() > kMaxValueNameChars) return ERROR_INVALID_PARAMETER;
    return UseKey(hKey, samNeeded, pKey);
}

LONG DeleteKey(HKEY hKey, LPCSTR lpSubKey, CRegistryDatabase::EDeletion deletion) {
    CString strPath;
    LONG lResult = ChildPath(hKey, lpSubKey, strPath);
    if (lResult != ERROR_SUCCESS) return lResult;
    const bool bRoot = strPath.find('\\') == CString::npos;
    if (bRoot && deletion != CRegistryDatabase::EDeletion::kContents) return ERROR_ACCESS_DENIED;
    std::unique_ptr<CRegistryDatabase> database;
    lResult = CRegistryDatabase::Open(CRegistryDatabase::EAccess::kReadWrite, database);
    return lResult == ERROR_SUCCESS ? database->DeleteKey(strPath, deletion) : lResult;
}

// Type and size always; the data only when the caller's buffer holds all of it.
LONG CopyValueOut(const CRegistryValue& value, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    const auto cbValue = static_cast<DWORD>(value.data.size());
    if (lpType) *lpType = value.dwType;
    const bool bFits = !lpData || *lpcbData >= cbValue;
    if (lpData && bFits && cbValue > 0) std::memcpy(lpData, value.data.data(), cbValue);
    if (lpcbData) *lpcbData = cbValue;
    return bFits ? ERROR_SUCCESS : ERROR_MORE_DATA;
}

// A name and its terminating zero into a buffer of *lpcchName characters. One that does not
// fit gets the size it needs instead.
LONG CopyNameOut(const CString& strName, LPSTR lpName, LPDWORD lpcchName) {
    const auto cchName = static_cast<DWORD>(strName.size());
    if (*lpcchName <= cchName) {
        *lpcchName = cchName + 1;
        return ERROR_MORE_DATA;
    }
    std::memcpy(lpName, strName.c_str(), cchName + 1);
    *lpcchName = cchName;
    return ERROR_SUCCESS;
}

struct CValueTypeSize {
    DWORD dwType;
    DWORD cbFixed;  // 0: any size
};

constexpr CValueTypeSize kValueTypes[] = {
    {REG_NONE, 0},
    {REG_SZ, 0},
    {REG_EXPAND_SZ, 0},
    {REG_BINARY, 0},
    {REG_DWORD, sizeof(DWORD)},
    {REG_MULTI_SZ, 0},
    {REG_QWORD, sizeof(ULONGLONG)},
};

bool IsSupportedValue(DWORD dwType, const BYTE* lpData, DWORD cbData) {
    const auto type = std::ranges::find(kValueTypes, dwType, &CValueTypeSize::dwType);
    return type != std::end(kValueTypes) && (type->cbFixed == 0 || cbData == type->cbFixed) &&
           (lpData || cbData == 0) && cbData <= kMaxValueBytes;
}

}  // namespace

const HKEY HKEY_LOCAL_MACHINE = &g_rootKeys[0];
const HKEY HKEY_CURRENT_USER = &g_rootKeys[1];
const HKEY HKEY_CLASSES_ROOT = &g_rootKeys[2];
const HKEY HKEY_USERS = &g_rootKeys[3];
const HKEY HKEY_CURRENT_CONFIG = &g_rootKeys[4];

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
    return OpenKey(hKey, lpSubKey, samDesired, false, phkResult, nullptr);
}

LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD dwOptions, REGSAM samDesired,
                     LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
    if (dwOptions != REG_OPTION_NON_VOLATILE) return ERROR_INVALID_PARAMETER;
    return OpenKey(hKey, lpSubKey, samDesired, true, phkResult, lpdwDisposition);
}

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD, LPDWORD lpType, LPBYTE lpData,
                      LPDWORD lpcbData) {
    if (lpData && !lpcbData) return ERROR_INVALID_PARAMETER;
    CRegistryKey* pKey = nullptr;
    CString strName;
    LONG lResult = UseKeyValue(hKey, KEY_QUERY_VALUE, lpValueName, pKey, strName);
    if (lResult != ERROR_SUCCESS) return lResult;
    CRegistryValue value;
    lResult = pKey->database->QueryValue(pKey->nKeyId, strName, value);
    if (lResult != ERROR_SUCCESS) return lResult;
    return CopyValueOut(value, lpType, lpData, lpcbData);
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                    DWORD cbData) {
    if (!IsSupportedValue(dwType, lpData, cbData)) return ERROR_INVALID_PARAMETER;
    CRegistryKey* pKey = nullptr;
    CString strName;
    const LONG lResult = UseKeyValue(hKey, KEY_SET_VALUE, lpValueName, pKey, strName);
    if (lResult != ERROR_SUCCESS) return lResult;
    const CByteArray data(lpData, lpData + cbData);
    return pKey->database->SetValue(pKey->nKeyId, strName, dwType, data);
}

LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
    CRegistryKey* pKey = nullptr;
    CString strName;
    const LONG lResult = UseKeyValue(hKey, KEY_SET_VALUE, lpValueName, pKey, strName);
    if (lResult != ERROR_SUCCESS) return lResult;
    return pKey->database->DeleteValue(pKey->nKeyId, strName);
}

LONG RegDeleteKeyExA(HKEY hKey, LPCSTR lpSubKey, REGSAM, DWORD) {
    if (!lpSubKey) return ERROR_INVALID_PARAMETER;
    return DeleteKey(hKey, lpSubKey, CRegistryDatabase::EDeletion::kKeyWithoutSubKeys);
}

LONG RegDeleteTreeA(HKEY hKey, LPCSTR lpSubKey) {
    using EDeletion = CRegistryDatabase::EDeletion;
    return DeleteKey(hKey, lpSubKey, lpSubKey ? EDeletion::kTree : EDeletion::kContents);
}

LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName, LPDWORD,
                   LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    if (!lpValueName || !lpcchValueName || (lpData && !lpcbData)) return ERROR_INVALID_PARAMETER;
    CRegistryKey* pKey = nullptr;
    LONG lResult = UseKey(hKey, KEY_QUERY_VALUE, pKey);
    if (lResult != ERROR_SUCCESS) return lResult;
    CRegistryValue value;
    lResult = pKey->database->ValueAt(pKey->nKeyId, dwIndex, value);
    if (lResult != ERROR_SUCCESS) return lResult;
    lResult = CopyNameOut(value.strName, lpValueName, lpcchValueName);
    if (lResult != ERROR_SUCCESS) return lResult;
    return CopyValueOut(value, lpType, lpData, lpcbData);
}

LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD,
                   LPSTR lpClass, LPDWORD, PFILETIME lpftLastWriteTime) {
    if (!lpName || !lpcchName || lpClass || lpftLastWriteTime) return ERROR_INVALID_PARAMETER;
    CRegistryKey* pKey = nullptr;
    LONG lResult = UseKey(hKey, KEY_ENUMERATE_SUB_KEYS, pKey);
    if (lResult != ERROR_SUCCESS) return lResult;
    // Listed once per enumeration rather than searched for at every index.
    if (dwIndex == 0 || !pKey->subKeys) {
        pKey->subKeys.emplace();
        lResult = pKey->database->SubKeys(pKey->strPath, *pKey->subKeys);
        if (lResult != ERROR_SUCCESS) return lResult;
    }
    if (dwIndex >= pKey->subKeys->size()) return ERROR_NO_MORE_ITEMS;
    return CopyNameOut((*pKey->subKeys)[dwIndex], lpName, lpcchName);
}

LONG RegCloseKey(HKEY hKey) {
    if (RootName(hKey)) return ERROR_SUCCESS;
    std::unique_ptr<CRegistryKey> key;
    {
        std::lock_guard<std::mutex> lock(g_keysMutex);
        if (g_openKeys.erase(hKey) == 0) return ERROR_INVALID_HANDLE;
        ++g_counts.dwClosed;
        key.reset(hKey);
    }
    return ERROR_SUCCESS;
}

const CRegistryRoot* FindRegistryRoot(std::string_view strName, bool bAcceptShortName) {
    for (const CRegistryRoot& root : kRoots) {
        if (EqualsNoCase(strName, root.pszName) ||
            (bAcceptShortName && EqualsNoCase(strName, root.pszShortName))) {
            return &root;
        }
    }
    return nullptr;
}

CRegistryHandleCounts GetRegistryHandleCounts() {
    std::lock_guard<std::mutex> lock(g_keysMutex);
    return g_counts;
}

LONG CreateRegistryDatabase() {
    std::unique_ptr<CRegistryDatabase> database;
    return CRegistryDatabase::Open(CRegistryDatabase::EAccess::kCreate, database);
}
