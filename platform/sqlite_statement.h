#pragma once
#include <cstdint>

#include "platform/types.h"

struct sqlite3;
struct sqlite3_stmt;

// One prepared SQLite statement. Binding goes left to right; the first failure, from
// preparing or binding, is what Step then reports, so callers check one result only.
class CSqliteStatement {
public:
    CSqliteStatement(sqlite3* pDb, const char* pszSql);
    CSqliteStatement(const CSqliteStatement&) = delete;
    CSqliteStatement& operator=(const CSqliteStatement&) = delete;
    ~CSqliteStatement();

    CSqliteStatement& Bind(std::int64_t nValue);
    CSqliteStatement& Bind(const CString& strValue);
    CSqliteStatement& Bind(const CByteArray& data);

    // SQLITE_ROW, SQLITE_DONE or the error.
    int Step();

    std::int64_t ColumnInt(int nColumn);
    CString ColumnText(int nColumn);
    CByteArray ColumnBlob(int nColumn);

private:
    void Check(int rc);

    sqlite3_stmt* m_pStmt = nullptr;
    int m_nNextParameter = 1;
    int m_rc;
};
