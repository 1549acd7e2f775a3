#pragma once
// The registry calls the station is written against, kept to their Windows signatures and
// return codes, over one SQLite file: $STATION_REGISTRY, else
// /var/lib/configure-station/registry.db.
//
// Key paths and value names match case-insensitively (ASCII letters) and keep the spelling
// of their first creation. Values are of the types below; a REG_DWORD holds 4 bytes and a
// REG_QWORD 8, any other type any bytes. Value operations need a handle from RegOpenKeyExA or
// RegCreateKeyExA; the predefined roots only serve as the starting point of those two and of
// the deletions. Names over the platform's limits get ERROR_INVALID_PARAMETER before
// anything is written: a key name part over kMaxKeyNameChars, a key more than 512 levels
// below its root (HKEY_LOCAL_MACHINE\A is level 1), a value name over kMaxValueNameChars.
#include <cstdint>
#include <string_view>

#include "platform/types.h"

using LONG = std::int32_t;
using ULONGLONG = std::uint64_t;
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
struct FILETIME;
using PFILETIME = FILETIME*;

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
inline constexpr LONG ERROR_KEY_DELETED = 1018;

inline constexpr DWORD kMaxKeyNameChars = 255;
inline constexpr DWORD kMaxValueNameChars = 16383;

inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;
inline constexpr DWORD REG_EXPAND_SZ = 2;
inline constexpr DWORD REG_BINARY = 3;
inline constexpr DWORD REG_DWORD = 4;
inline constexpr DWORD REG_MULTI_SZ = 7;
inline constexpr DWORD REG_QWORD = 11;

inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_SET_VALUE = 0x0002;
inline constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
inline constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
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
// Deletes a key with its values; ERROR_ACCESS_DENIED while it has subkeys, and for a root.
LONG RegDeleteKeyExA(HKEY hKey, LPCSTR lpSubKey, REGSAM samDesired, DWORD Reserved);
// Deletes a key with its values and all its subkeys; with a null lpSubKey, only the values
// and subkeys of hKey.
LONG RegDeleteTreeA(HKEY hKey, LPCSTR lpSubKey);
// Values come in the order they were first created. Unlike Windows, a name buffer that is
// too small gets the size it needs (with the terminating zero) in *lpcchValueName, so that
// callers can grow it and ask again.
LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName,
                   LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
// Subkeys come ordered by their names compared in upper case, as on Windows, and as they
// were when index 0 was asked for. Keys keep no class and no write time here, so lpClass
// and lpftLastWriteTime must be null. A name buffer that is too small gets the size it
// needs, as with RegEnumValueA.
LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                   LPSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime);
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
// Calls of the busy handler since the process started: how often a registry call waited
// for a lock that another connection held.
DWORD GetRegistryBusyWaits();

// The file the registry lives in, read afresh on every open so that a process (or a test)
// can point it elsewhere at any time.
CString RegistryDatabasePath();
// Makes the registry as a first writer would (its folder when missing, the database with
// its tables and storage mode, and the side files that mode keeps), without adding a key;
// leaves a registry that exists as it is. Fails as a writer's open does.
LONG CreateRegistryDatabase();
