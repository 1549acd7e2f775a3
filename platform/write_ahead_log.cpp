#include "platform/write_ahead_log.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/sqlite_statement.h"

namespace {

constexpr off_t kLogHeaderSize = 32;
// Any size beyond the header will do (see PadLog).
constexpr off_t kPaddedLogSize = 4096;

int Execute(sqlite3* pDb, const char* pszSql) {
    return sqlite3_exec(pDb, pszSql, nullptr, nullptr, nullptr);
}

int SwitchToLog(sqlite3* pDb) {
    std::int64_t nPages = 0;
    {
        // Finished before the mode changes, which it cannot while a statement reads.
        CSqliteStatement pages(pDb, "PRAGMA page_count");
        const int rc = pages.Step();
        if (rc != SQLITE_ROW) return rc;
        nPages = pages.ColumnInt(0);
    }
    // Switching an empty file writes its first page. With nothing to protect yet, no journal
    // is made that a writer killed meanwhile could leave behind.
    if (nPages == 0) Execute(pDb, "PRAGMA journal_mode = OFF");
    CSqliteStatement mode(pDb, "PRAGMA journal_mode = WAL");
    const int rc = mode.Step();
    if (rc != SQLITE_ROW) return rc;
    return mode.ColumnText(0) == "wal" ? SQLITE_OK : SQLITE_ERROR;
}

// A log that holds its 32-byte header and nothing else, as a writer killed between writing
// the header of a new log and its first frame leaves it, stops every reader who may not
// write: SQLite rebuilds the index without the header's salts, finds that they differ, and
// retries for ten seconds before it gives up. The log starts out longer than that, so it
// never has that size again: nothing here truncates it (no size limit, no truncating
// checkpoint, no deletion on close), and its zeros read as an empty log.
int PadLog(sqlite3* pDb) {
    const CString strLog = CString(sqlite3_db_filename(pDb, "main")) + "-wal";
    auto isShort = [&] {
        struct stat info {};
        return stat(strLog.c_str(), &info) == 0 && info.st_size <= kLogHeaderSize;
    };
    if (!isShort()) return SQLITE_OK;
    // Again under the write lock, so that no other writer adds its first frame meanwhile.
    int rc = Execute(pDb, "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK) return rc;
    if (isShort() && truncate(strLog.c_str(), kPaddedLogSize) != 0) rc = SQLITE_IOERR;
    Execute(pDb, rc == SQLITE_OK ? "COMMIT" : "ROLLBACK");
    return rc;
}

}  // namespace

void KeepWriteAheadLogFiles(sqlite3* pDb) {
    int nPersist = 1;
    sqlite3_file_control(pDb, "main", SQLITE_FCNTL_PERSIST_WAL, &nPersist);
    sqlite3_db_config(pDb, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
}

int UseWriteAheadLog(sqlite3* pDb) {
    const int rc = SwitchToLog(pDb);
    if (rc != SQLITE_OK) return rc;
    // Every connection rebuilds the log's index from the log and takes each frame in it for
    // one not yet in the database, so a log that is only appended to would grow with every
    // write. Once its frames are copied back, this writer's first commit starts the log
    // over. Readers in the middle of a read keep the copy from finishing, and the log then
    // grows this once; waiting for them would hold this writer up.
    sqlite3_wal_checkpoint_v2(pDb, "main", SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    return PadLog(pDb);
}
