#pragma once
// The SQLite file behind the registry calls. One object is one connection, held by one open
// key. Every change is its own IMMEDIATE transaction, so concurrent writers queue on the
// busy time-out instead of losing values, and a crash leaves the previous value in place.
// Readers go through a write-ahead log and never hold a writer up (write_ahead_log.h).
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/registry.h"
#include "platform/registry_schema.h"
#include "platform/registry_value.h"

struct sqlite3;

class CRegistryDatabase {
public:
    enum class EAccess { kRead, kReadWrite, kCreate };
    enum class EDeletion { kKeyWithoutSubKeys, kTree, kContents };

    CRegistryDatabase(const CRegistryDatabase&) = delete;
    CRegistryDatabase& operator=(const CRegistryDatabase&) = delete;
    ~CRegistryDatabase();

    // kRead never creates the file; kReadWrite needs a file this process may write; kCreate
    // also makes the file and its folder. A writer brings an older format up to date
    // (registry_schema.h). A file that is not one of our registries, or that somebody else
    // could have changed (see CheckRegistryFiles), is neither read (ERROR_FILE_NOT_FOUND)
    // nor written (ERROR_BADDB).
    static LONG Open(EAccess access, std::unique_ptr<CRegistryDatabase>& result);

    LONG FindKey(const CString& strPath, std::int64_t& nKeyId);
    // Creates the key and its missing parents; bCreated tells whether the key itself is new.
    LONG CreateKey(const CString& strPath, std::int64_t& nKeyId, bool& bCreated);
    // Appends the names of the keys right below strPath, in the order of RegEnumKeyExA.
    LONG SubKeys(const CString& strPath, std::vector<CString>& names);

    LONG QueryValue(std::int64_t nKeyId, const CString& strName, CRegistryValue& value);
    LONG ValueAt(std::int64_t nKeyId, DWORD dwIndex, CRegistryValue& value);
    LONG SetValue(std::int64_t nKeyId, const CString& strName, DWORD dwType,
                  const CByteArray& data);
    LONG DeleteValue(std::int64_t nKeyId, const CString& strName);
    // kKeyWithoutSubKeys: the key and its values, refused (ERROR_ACCESS_DENIED) while it has
    // subkeys. kTree: the key with its values and every key below it. kContents: all of that
    // except the key itself.
    LONG DeleteKey(const CString& strPath, EDeletion deletion);

private:
    explicit CRegistryDatabase(sqlite3* pDb) : m_pDb(pDb) {}

    // Before a writer's first change: the damage check, the log, the current format.
    LONG PrepareToWrite(ERegistryFormat format);
    LONG CheckIntegrity();
    LONG CheckKeyExists(std::int64_t nKeyId);
    LONG CheckNoSubKeys(const CString& strPath);
    template <typename Work>
    LONG InTransaction(Work work);

    sqlite3* m_pDb;
    std::chrono::steady_clock::time_point m_busySince;
};
