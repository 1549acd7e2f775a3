#include "platform/registry_schema.h"

#include <sqlite3.h>

#include <cstdint>

#include "platform/format.h"
#include "platform/sqlite_statement.h"

namespace {

// Marks a file as one of our registries ("SREG"), so that somebody else's database is
// recognised and left alone.
constexpr std::int64_t kApplicationId = 0x53524547;
constexpr std::int64_t kVersion = 2;

constexpr const char* kKeysTable = R"(
CREATE TABLE registry_keys(
    id INTEGER PRIMARY KEY,
    path TEXT NOT NULL UNIQUE COLLATE NOCASE);
)";

// The values table of the current version, named %s.
constexpr const char* kValuesTable = R"(
CREATE TABLE %s(
    key_id INTEGER NOT NULL REFERENCES registry_keys(id),
    name TEXT NOT NULL COLLATE NOCASE,
    type INTEGER NOT NULL CHECK(type IN (0, 1, 2, 3, 4, 7, 11)),
    data BLOB NOT NULL CHECK(type <> 4 OR length(data) = 4) CHECK(type <> 11 OR length(data) = 8),
    PRIMARY KEY(key_id, name));
)";

// Version 1 differs in the checks of its values table only, which SQLite cannot change in
// place. The row ids come along, since they keep the values in the order of their creation.
constexpr const char* kFromVersion1 = R"(
INSERT INTO registry_values_2(rowid, key_id, name, type, data)
    SELECT rowid, key_id, name, type, data FROM registry_values;
DROP TABLE registry_values;
ALTER TABLE registry_values_2 RENAME TO registry_values;
)";

constexpr const char* kStamp = "PRAGMA application_id = %lld; PRAGMA user_version = %lld;";

}  // namespace

int ReadRegistryFormat(sqlite3* pDb, ERegistryFormat& format) {
    CSqliteStatement stmt(pDb,
                          "SELECT (SELECT application_id FROM pragma_application_id),"
                          " (SELECT user_version FROM pragma_user_version),"
                          " (SELECT count(*) FROM sqlite_master)");
    const int rc = stmt.Step();
    if (rc != SQLITE_ROW) return rc;
    const std::int64_t nId = stmt.ColumnInt(0);
    const std::int64_t nVersion = stmt.ColumnInt(1);
    if (nId == kApplicationId && nVersion >= 1 && nVersion <= kVersion) {
        format = nVersion == kVersion ? ERegistryFormat::kCurrent : ERegistryFormat::kOlder;
    } else {
        const bool bEmpty = nId == 0 && nVersion == 0 && stmt.ColumnInt(2) == 0;
        format = bEmpty ? ERegistryFormat::kEmpty : ERegistryFormat::kForeign;
    }
    return SQLITE_OK;
}

int UpgradeRegistryFormat(sqlite3* pDb) {
    ERegistryFormat format = ERegistryFormat::kForeign;
    const int rc = ReadRegistryFormat(pDb, format);
    if (rc != SQLITE_OK || format == ERegistryFormat::kCurrent) return rc;
    if (format == ERegistryFormat::kForeign) return SQLITE_NOTADB;
    const bool bEmpty = format == ERegistryFormat::kEmpty;
    const CString strSql =
        (bEmpty ? kKeysTable + FormatText(kValuesTable, "registry_values")
                : FormatText(kValuesTable, "registry_values_2") + kFromVersion1) +
        FormatText(kStamp, static_cast<long long>(kApplicationId),
                   static_cast<long long>(kVersion));
    return sqlite3_exec(pDb, strSql.c_str(), nullptr, nullptr, nullptr);
}
