#pragma once
// The tables of the registry file and the versions of its format. Version 1 knew the value
// types REG_SZ, REG_EXPAND_SZ and REG_DWORD; version 2 adds REG_NONE, REG_BINARY,
// REG_MULTI_SZ and REG_QWORD. Readers take either; the first writer brings a version-1
// file up to date. A later version is another program's format, as is any other database.
struct sqlite3;

enum class ERegistryFormat { kEmpty, kOlder, kCurrent, kForeign };

// What the file holds; an SQLite result code.
int ReadRegistryFormat(sqlite3* pDb, ERegistryFormat& format);

// Under the write lock: gives an empty file the current tables and an older one the current
// format, keeping every key and value in its place. What another writer has done meanwhile
// is not done again. An SQLite result code.
int UpgradeRegistryFormat(sqlite3* pDb);
