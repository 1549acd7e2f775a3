#pragma once
// The registry calls the station is written against, kept to their Windows signatures and
// return codes, over one SQLite file: $STATION_REGISTRY, else
// /var/lib/configure-station/registry.db.
//
// Key paths and value names match case-insensitively (ASCII letters) and keep the spelling
// of their first creation. Value operations need a handle from RegOpenKeyExA or
// RegCreateKeyExA; the predefined roots only serve as the starting point of those two.
#include <cstdint>
#include <string_view>

#include "platform/types.h"

using LONG = std::int32_t;
using REGSAM = DWORD;
struct CRegistryKey;
using HKEY = CRegistryKey*;
using PHKEY = HKEY*;
using LPCSTR = const char*;
using LPSTR = char*;
using LPBYTE = BYTE*;
using LPDWORD = DWORD*;
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

extern const HKEY HKEY_CLASSES_ROOT;
extern const HKEY HKEY_CURRENT_USER;
extern const HKEY HKEY_LOCAL_MACHINE;
extern const HKEY HKEY_USERS;
extern const HKEY HKEY_CURRENT_CONFIG;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_OUTOFMEMORY = 14;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_DISK_FULL = 112;
inline constexpr LONG ERROR_BUSY = 170;
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_NO_MORE_ITEMS = 259;
inline constexpr LONG ERROR_BADDB = 1009;
inline constexpr LONG ERROR_CANTREAD = 1012;
inline constexpr LONG ERROR_CANTWRITE = 1013;

inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_DWORD = 4;

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_READ = 0x20019;
inline constexpr REGSAM KEY_WRITE = 0x20006;

inline constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
inline constexpr DWORD REG_CREATED_NEW_KEY = 1;
inline constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions,
                     REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                     LPDWORD lpdwDisposition);
LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                      LPBYTE lpData, LPDWORD lpcbData);
LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData);
LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName);
// Values come in the order they were first created. Unlike Windows, a name buffer that is
// too small gets the size it needs (with the terminating zero) in *lpcchValueName, so that
// callers can grow it and ask again.
LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName,
                   LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
LONG RegCloseKey(HKEY hKey);

// A predefined root with the full name path texts use and the short name commands accept.
struct CRegistryRoot {
    HKEY hKey;
    const char* pszName;
    const char* pszShortName;
};

// Matches the full names case-insensitively in the order HKEY_LOCAL_MACHINE,
// HKEY_CURRENT_USER, HKEY_CLASSES_ROOT, HKEY_USERS, HKEY_CURRENT_CONFIG; the short names
// (HKLM ...) too when bAcceptShortName is set. Null when nothing matches.
const CRegistryRoot* FindRegistryRoot(std::string_view strName, bool bAcceptShortName);

// Successful key opens and closes since the process started, so callers can check that
// they release every key they open.
struct CRegistryHandleCounts {
    DWORD dwOpened;
    DWORD dwClosed;
};
CRegistryHandleCounts GetRegistryHandleCounts();

// The file the registry lives in, read afresh on every open so that a process (or a test)
// can point it elsewhere at any time.
CString RegistryDatabasePath();
