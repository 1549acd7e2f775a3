#include "platform/registry_database.h"

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/registry_files.h"
#include "platform/registry_schema.h"
#include "platform/sqlite_statement.h"
#include "platform/write_ahead_log.h"

namespace {

constexpr const char* kDefaultPath = "/var/lib/configure-station/registry.db";

// Far longer than any one transaction lasts, so a writer waits out the others.
constexpr auto kBusyTimeout = std::chrono::seconds(5);
// Short, even naps while the file is locked. SQLite's own waits grow to 100 ms, long enough
// for a neighbour writing value after value to take the lock again every time, until the
// waiting writer runs out of time and loses its value.
constexpr auto kBusyNap = std::chrono::milliseconds(1);

std::atomic<DWORD> g_dwBusyWaits{0};

// The keys below the path ?1, matched like every path, whatever the case: those that sort
// after the path and a backslash, and before the path and the character after it. The
// range lets SQLite find them in the paths' index.
constexpr const char* kKeysBelow =
    " FROM registry_keys WHERE path > (?1 || '\\') AND path < (?1 || ']')";

struct CSqliteError {
    int nSqlite;
    LONG lError;
};

constexpr CSqliteError kSqliteErrors[] = {
    {SQLITE_PERM, ERROR_ACCESS_DENIED},
    {SQLITE_READONLY, ERROR_ACCESS_DENIED},
    {SQLITE_CANTOPEN, ERROR_ACCESS_DENIED},
    {SQLITE_AUTH, ERROR_ACCESS_DENIED},
    {SQLITE_BUSY, ERROR_BUSY},
    {SQLITE_LOCKED, ERROR_BUSY},
    {SQLITE_NOMEM, ERROR_OUTOFMEMORY},
    {SQLITE_FULL, ERROR_DISK_FULL},
    {SQLITE_CORRUPT, ERROR_BADDB},
    {SQLITE_NOTADB, ERROR_BADDB},
};

// Reading a damaged or foreign file fails as for a missing value, so callers fall back to
// their defaults.
LONG AsSeenBy(LONG lError, bool bWriting) {
    return (lError == ERROR_BADDB && !bWriting) ? ERROR_FILE_NOT_FOUND : lError;
}

LONG ErrorFromSqlite(int rc, bool bWriting) {
    LONG lError = bWriting ? ERROR_CANTWRITE : ERROR_CANTREAD;
    for (const CSqliteError& entry : kSqliteErrors) {
        if (entry.nSqlite == (rc & 0xff)) lError = entry.lError;
    }
    return AsSeenBy(lError, bWriting);
}

// Success with a row, lNoRow without one.
LONG ReadRow(CSqliteStatement& stmt, LONG lNoRow) {
    const int rc = stmt.Step();
    if (rc == SQLITE_ROW) return ERROR_SUCCESS;
    return rc == SQLITE_DONE ? lNoRow : ErrorFromSqlite(rc, false);
}

LONG Execute(CSqliteStatement& stmt) {
    const int rc = stmt.Step();
    return rc == SQLITE_DONE ? ERROR_SUCCESS : ErrorFromSqlite(rc, true);
}

LONG ReadValue(CSqliteStatement& stmt, LONG lNoRow, CRegistryValue& value) {
    const LONG lResult = ReadRow(stmt, lNoRow);
    if (lResult == ERROR_SUCCESS) {
        value.strName = stmt.ColumnText(0);
        value.dwType = static_cast<DWORD>(stmt.ColumnInt(1));
        value.data = stmt.ColumnBlob(2);
    }
    return lResult;
}

int WaitWhileBusy(void* pBusySince, int nTries) {
    ++g_dwBusyWaits;
    auto& busySince = *static_cast<std::chrono::steady_clock::time_point*>(pBusySince);
    const auto now = std::chrono::steady_clock::now();
    if (nTries == 0) busySince = now;
    if (now - busySince >= kBusyTimeout) return 0;
    std::this_thread::sleep_for(kBusyNap);
    return 1;
}

int OpenFlags(CRegistryDatabase::EAccess access) {
    switch (access) {
        case CRegistryDatabase::EAccess::kRead:
            return SQLITE_OPEN_READONLY;
        case CRegistryDatabase::EAccess::kReadWrite:
            return SQLITE_OPEN_READWRITE;
        case CRegistryDatabase::EAccess::kCreate:
            break;
    }
    return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
}

}  // namespace

CString RegistryDatabasePath() {
    const char* pszPath = std::getenv("STATION_REGISTRY");
    return (pszPath && *pszPath) ? CString(pszPath) : CString(kDefaultPath);
}

CRegistryDatabase::~CRegistryDatabase() {
    sqlite3_close(m_pDb);
}

DWORD GetRegistryBusyWaits() {
    return g_dwBusyWaits;
}

LONG CRegistryDatabase::Open(EAccess access, std::unique_ptr<CRegistryDatabase>& result) {
    const CString strPath = RegistryDatabasePath();
    const bool bWriting = access != EAccess::kRead;
    LONG lResult = access == EAccess::kCreate ? CreateRegistryFile(strPath) : ERROR_SUCCESS;
    if (lResult == ERROR_SUCCESS) lResult = CheckRegistryFiles(strPath);
    if (lResult != ERROR_SUCCESS) return AsSeenBy(lResult, bWriting);

    sqlite3* pDb = nullptr;
    const int rc = sqlite3_open_v2(strPath.c_str(), &pDb, OpenFlags(access), nullptr);
    // Owned from here on: SQLite hands out a connection to close even when opening fails.
    std::unique_ptr<CRegistryDatabase> database(new CRegistryDatabase(pDb));
    if (rc != SQLITE_OK) return ErrorFromSqlite(rc, bWriting);
    KeepWriteAheadLogFiles(pDb);
    sqlite3_busy_handler(pDb, WaitWhileBusy, &database->m_busySince);

    // SQLite quietly falls back to reading a file it may not write.
    if (bWriting && sqlite3_db_readonly(pDb, "main") == 1) return ERROR_ACCESS_DENIED;
    ERegistryFormat format = ERegistryFormat::kForeign;
    const int rcFormat = ReadRegistryFormat(pDb, format);
    if (rcFormat != SQLITE_OK) return ErrorFromSqlite(rcFormat, bWriting);
    if (format == ERegistryFormat::kForeign) return AsSeenBy(ERROR_BADDB, bWriting);
    // An empty file holds no keys until a writer that creates sets it up.
    const bool bEmpty = format == ERegistryFormat::kEmpty;
    if (bEmpty && access != EAccess::kCreate) return ERROR_FILE_NOT_FOUND;
    lResult = bWriting ? database->PrepareToWrite(format) : ERROR_SUCCESS;
    if (lResult == ERROR_SUCCESS) result = std::move(database);
    return lResult;
}

LONG CRegistryDatabase::PrepareToWrite(ERegistryFormat format) {
    const LONG lIntegrity = format == ERegistryFormat::kEmpty ? ERROR_SUCCESS : CheckIntegrity();
    if (lIntegrity != ERROR_SUCCESS) return lIntegrity;
    // A registry of ours gets the log before anything else is written.
    const int rcLog = UseWriteAheadLog(m_pDb);
    if (rcLog != SQLITE_OK) return ErrorFromSqlite(rcLog, true);
    if (format == ERegistryFormat::kCurrent) return ERROR_SUCCESS;
    // In one transaction, so that a writer killed meanwhile leaves the file as it was, and
    // a writer that started at the same time finds the work done.
    return InTransaction([&] {
        const int rc = UpgradeRegistryFormat(m_pDb);
        return rc == SQLITE_OK ? ERROR_SUCCESS : ErrorFromSqlite(rc, true);
    });
}

LONG CRegistryDatabase::CheckIntegrity() {
    // A damaged file could still take a write in its intact pages; refusing every write keeps
    // what is left of it for whoever repairs it. The file is small, so the check is cheap.
    CSqliteStatement stmt(m_pDb, "PRAGMA quick_check(1)");
    const int rc = stmt.Step();
    if (rc != SQLITE_ROW) return ErrorFromSqlite(rc, true);
    return stmt.ColumnText(0) == "ok" ? ERROR_SUCCESS : ERROR_BADDB;
}

template <typename Work>
LONG CRegistryDatabase::InTransaction(Work work) {
    int rc = sqlite3_exec(m_pDb, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) return ErrorFromSqlite(rc, true);
    LONG lResult = work();
    if (lResult == ERROR_SUCCESS) {
        rc = sqlite3_exec(m_pDb, "COMMIT", nullptr, nullptr, nullptr);
        if (rc == SQLITE_OK) return ERROR_SUCCESS;
        lResult = ErrorFromSqlite(rc, true);
    }
    sqlite3_exec(m_pDb, "ROLLBACK", nullptr, nullptr, nullptr);
    return lResult;
}

LONG CRegistryDatabase::FindKey(const CString& strPath, std::int64_t& nKeyId) {
    CSqliteStatement stmt(m_pDb, "SELECT id FROM registry_keys WHERE path = ?");
    stmt.Bind(strPath);
    const LONG lResult = ReadRow(stmt, ERROR_FILE_NOT_FOUND);
    if (lResult == ERROR_SUCCESS) nKeyId = stmt.ColumnInt(0);
    return lResult;
}

LONG CRegistryDatabase::CreateKey(const CString& strPath, std::int64_t& nKeyId, bool& bCreated) {
    // Most opens find the key; only a new one needs the write lock.
    bCreated = false;
    const LONG lFound = FindKey(strPath, nKeyId);
    if (lFound != ERROR_FILE_NOT_FOUND) return lFound;
    return InTransaction([&] {
        // Each prefix ending before a backslash is a parent; the whole path comes last.
        size_t nEnd = 0;
        do {
            nEnd = strPath.find('\\', nEnd + 1);
            CSqliteStatement insert(m_pDb, "INSERT OR IGNORE INTO registry_keys(path) VALUES(?)");
            insert.Bind(strPath.substr(0, nEnd));
            const LONG lResult = Execute(insert);
            if (lResult != ERROR_SUCCESS) return lResult;
        } while (nEnd != CString::npos);
        bCreated = sqlite3_changes(m_pDb) > 0;
        return FindKey(strPath, nKeyId);
    });
}

LONG CRegistryDatabase::SubKeys(const CString& strPath, std::vector<CString>& names) {
    CSqliteStatement stmt(m_pDb, (CString("SELECT substr(path, length(?1) + 2) AS name") +
                                  kKeysBelow + " AND instr(name, '\\') = 0 ORDER BY upper(name)")
                                     .c_str());
    stmt.Bind(strPath);
    LONG lResult = ERROR_SUCCESS;
    while ((lResult = ReadRow(stmt, ERROR_NO_MORE_ITEMS)) == ERROR_SUCCESS) {
        names.push_back(stmt.ColumnText(0));
    }
    return lResult == ERROR_NO_MORE_ITEMS ? ERROR_SUCCESS : lResult;
}

LONG CRegistryDatabase::CheckKeyExists(std::int64_t nKeyId) {
    CSqliteStatement stmt(m_pDb, "SELECT 1 FROM registry_keys WHERE id = ?");
    stmt.Bind(nKeyId);
    return ReadRow(stmt, ERROR_KEY_DELETED);
}

LONG CRegistryDatabase::QueryValue(std::int64_t nKeyId, const CString& strName,
                                   CRegistryValue& value) {
    CSqliteStatement stmt(
        m_pDb, "SELECT name, type, data FROM registry_values WHERE key_id = ? AND name = ?");
    stmt.Bind(nKeyId).Bind(strName);
    return ReadValue(stmt, ERROR_FILE_NOT_FOUND, value);
}

LONG CRegistryDatabase::ValueAt(std::int64_t nKeyId, DWORD dwIndex, CRegistryValue& value) {
    CSqliteStatement stmt(m_pDb,
                          "SELECT name, type, data FROM registry_values WHERE key_id = ?"
                          " ORDER BY rowid LIMIT 1 OFFSET ?");
    stmt.Bind(nKeyId).Bind(static_cast<std::int64_t>(dwIndex));
    return ReadValue(stmt, ERROR_NO_MORE_ITEMS, value);
}

LONG CRegistryDatabase::SetValue(std::int64_t nKeyId, const CString& strName, DWORD dwType,
                                 const CByteArray& data) {
    return InTransaction([&] {
        // Another process may have deleted the key since this handle opened it; a value
        // written now would belong to no key.
        const LONG lKey = CheckKeyExists(nKeyId);
        if (lKey != ERROR_SUCCESS) return lKey;
        // Updating in place keeps the name's first spelling and its place in the key.
        CSqliteStatement upsert(m_pDb,
                                "INSERT INTO registry_values(key_id, name, type, data)"
                                " VALUES(?, ?, ?, ?) ON CONFLICT(key_id, name)"
                                " DO UPDATE SET type = excluded.type, data = excluded.data");
        upsert.Bind(nKeyId).Bind(strName).Bind(static_cast<std::int64_t>(dwType)).Bind(data);
        return Execute(upsert);
    });
}

LONG CRegistryDatabase::DeleteValue(std::int64_t nKeyId, const CString& strName) {
    return InTransaction([&] {
        CSqliteStatement remove(m_pDb, "DELETE FROM registry_values WHERE key_id = ? AND name = ?");
        remove.Bind(nKeyId).Bind(strName);
        const LONG lResult = Execute(remove);
        if (lResult != ERROR_SUCCESS) return lResult;
        return sqlite3_changes(m_pDb) > 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

LONG CRegistryDatabase::CheckNoSubKeys(const CString& strPath) {
    CSqliteStatement below(m_pDb, (CString("SELECT 1") + kKeysBelow + " LIMIT 1").c_str());
    below.Bind(strPath);
    const LONG lResult = ReadRow(below, ERROR_FILE_NOT_FOUND);
    if (lResult == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
    return lResult == ERROR_SUCCESS ? ERROR_ACCESS_DENIED : lResult;
}

LONG CRegistryDatabase::DeleteKey(const CString& strPath, EDeletion deletion) {
    const CString strBelow = kKeysBelow;
    return InTransaction([&] {
        std::int64_t nKeyId = 0;
        LONG lResult = FindKey(strPath, nKeyId);
        if (lResult == ERROR_SUCCESS && deletion == EDeletion::kKeyWithoutSubKeys) {
            lResult = CheckNoSubKeys(strPath);
        }
        if (lResult != ERROR_SUCCESS) return lResult;
        CSqliteStatement values(
            m_pDb, ("DELETE FROM registry_values WHERE key_id = ?2 OR key_id IN (SELECT id" +
                    strBelow + ")")
                       .c_str());
        values.Bind(strPath).Bind(nKeyId);
        lResult = Execute(values);
        if (lResult != ERROR_SUCCESS) return lResult;
        CSqliteStatement keys(m_pDb, ("DELETE" + strBelow + " OR (id = ?2 AND ?3)").c_str());
        keys.Bind(strPath).Bind(nKeyId).Bind(std::int64_t{deletion != EDeletion::kContents});
        return Execute(keys);
    });
}
