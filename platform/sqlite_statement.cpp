#include "platform/sqlite_statement.h"

#include <sqlite3.h>

CSqliteStatement::CSqliteStatement(sqlite3* pDb, const char* pszSql)
    : m_rc(sqlite3_prepare_v2(pDb, pszSql, -1, &m_pStmt, nullptr)) {}

CSqliteStatement::~CSqliteStatement() {
    sqlite3_finalize(m_pStmt);
}

void CSqliteStatement::Check(int rc) {
    if (m_rc == SQLITE_OK) m_rc = rc;
    ++m_nNextParameter;
}

CSqliteStatement& CSqliteStatement::Bind(std::int64_t nValue) {
    Check(sqlite3_bind_int64(m_pStmt, m_nNextParameter, nValue));
    return *this;
}

CSqliteStatement& CSqliteStatement::Bind(const CString& strValue) {
    Check(sqlite3_bind_text(m_pStmt, m_nNextParameter, strValue.data(),
                            static_cast<int>(strValue.size()), SQLITE_TRANSIENT));
    return *this;
}

CSqliteStatement& CSqliteStatement::Bind(const CByteArray& data) {
    // A null pointer would bind NULL; an empty value must stay an empty blob.
    static const BYTE kEmpty = 0;
    Check(sqlite3_bind_blob(m_pStmt, m_nNextParameter, data.empty() ? &kEmpty : data.data(),
                            static_cast<int>(data.size()), SQLITE_TRANSIENT));
    return *this;
}

int CSqliteStatement::Step() {
    return m_rc == SQLITE_OK ? sqlite3_step(m_pStmt) : m_rc;
}

std::int64_t CSqliteStatement::ColumnInt(int nColumn) {
    return sqlite3_column_int64(m_pStmt, nColumn);
}

CString CSqliteStatement::ColumnText(int nColumn) {
    const auto* pText = sqlite3_column_text(m_pStmt, nColumn);
    return pText ? CString(reinterpret_cast<const char*>(pText),
                           static_cast<size_t>(sqlite3_column_bytes(m_pStmt, nColumn)))
                 : CString();
}

CByteArray CSqliteStatement::ColumnBlob(int nColumn) {
    const auto* pData = static_cast<const BYTE*>(sqlite3_column_blob(m_pStmt, nColumn));
    return pData ? CByteArray(pData, pData + sqlite3_column_bytes(m_pStmt, nColumn)) : CByteArray();
}
