// The registry file shared between processes and users: damaged or foreign files, a file
// the process may only read, and writers running at the same time.
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>

#include "platform/format.h"
#include "platform/registry.h"
#include "tests/registry/temp_registry.h"
#include "tests/support/child_process.h"

namespace {

using station_test::StartFunction;
using station_test::WaitFunction;

constexpr const char* kStationKey = "SOFTWARE\\Quenvale\\Tarrow";

LONG WriteDword(const char* pszName, DWORD dwValue) {
    HKEY hKey = nullptr;
    LONG lResult = RegCreateKeyExA(HKEY_LOCAL_MACHINE, kStationKey, 0, nullptr,
                                   REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &hKey, nullptr);
    if (lResult != ERROR_SUCCESS) return lResult;
    lResult = RegSetValueExA(hKey, pszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                             sizeof(dwValue));
    RegCloseKey(hKey);
    return lResult;
}

LONG ReadDword(const char* pszName, DWORD& dwValue) {
    HKEY hKey = nullptr;
    LONG lResult = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kStationKey, 0, KEY_READ, &hKey);
    if (lResult != ERROR_SUCCESS) return lResult;
    DWORD cbData = sizeof(dwValue);
    lResult = RegQueryValueExA(hKey, pszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&dwValue),
                               &cbData);
    RegCloseKey(hKey);
    return lResult;
}

std::set<std::string> FolderEntries(const std::string& strFolder) {
    std::set<std::string> entries;
    for (const auto& entry : std::filesystem::directory_iterator(strFolder)) {
        entries.insert(entry.path().filename().string());
    }
    return entries;
}

using RegistryFileTest = CTempRegistryTest;

TEST_F(RegistryFileTest, DamagedOrForeignFileReadsAsMissingAndIsNeverWritten) {
    // Files the registry must take for somebody else's and leave exactly as they are.
    struct Case {
        const char* pszWhat;
        void (*write)(const std::string&);
    } const cases[] = {
        {"text file",
         [](const std::string& strPath) {
             WriteFileBytes(strPath,
                            BytesOf("PrinterName=Simulator\nObjectCommunicatorPort=1500\n"));
         }},
        {"SQLite header then noise",
         [](const std::string& strPath) {
             CByteArray data = BytesOf(std::string("SQLite format 3\0", 16));
             for (int i = 0; i < 4096; ++i) data.push_back(static_cast<BYTE>(i * 37 + 11));
             WriteFileBytes(strPath, data);
         }},
        {"another program's database",
         [](const std::string& strPath) {
             sqlite3* pDb = nullptr;
             sqlite3_open(strPath.c_str(), &pDb);
             sqlite3_exec(pDb, "CREATE TABLE notes(text); INSERT INTO notes VALUES('keep me');",
                          nullptr, nullptr, nullptr);
             sqlite3_close(pDb);
         }},
        {"registry with damaged pages",
         [](const std::string& strPath) {
             ASSERT_EQ(WriteDword("ObjectCommunicatorPort", 1600), ERROR_SUCCESS);
             CByteArray data = ReadFileBytes(strPath);
             ASSERT_GT(data.size(), 4096u);
             for (size_t i = 4096; i < data.size(); ++i) data[i] = static_cast<BYTE>(i * 131 + 7);
             WriteFileBytes(strPath, data);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        m_registry.emplace();
        const std::string strPath = m_registry->DatabasePath();
        c.write(strPath);
        const CByteArray original = ReadFileBytes(strPath);
        const auto entries = FolderEntries(m_registry->Folder());

        DWORD dwValue = 0;
        EXPECT_EQ(ReadDword("ObjectCommunicatorPort", dwValue), ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(WriteDword("ObjectCommunicatorPort", 1700), ERROR_BADDB);
        HKEY hKey = nullptr;
        EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kStationKey, 0, KEY_WRITE, &hKey),
                  ERROR_SUCCESS);

        EXPECT_TRUE(ReadFileBytes(strPath) == original) << "the file changed";
        EXPECT_EQ(FolderEntries(m_registry->Folder()), entries);
    }
}

// A write that lands only on intact pages would still succeed on a damaged file: here the
// damage is in the first leaf of the values, while a new value goes to the last one.
TEST_F(RegistryFileTest, RegistryDamagedAwayFromTheWriteIsNotWrittenEither) {
    const std::string strPath = m_registry->DatabasePath();
    // Long names fill several leaves with few writes.
    const CString strPadding(120, 'x');
    for (int i = 0; i < 80; ++i) {
        const CString strName = FormatText("Value%03d", i) + strPadding;
        ASSERT_EQ(WriteDword(strName.c_str(), static_cast<DWORD>(i)), ERROR_SUCCESS);
    }
    sqlite3* pDb = nullptr;
    sqlite3_open(strPath.c_str(), &pDb);
    sqlite3_stmt* pStmt = nullptr;
    sqlite3_prepare_v2(pDb,
                       "SELECT pageno, pgsize FROM dbstat WHERE name = 'registry_values'"
                       " AND pagetype = 'leaf' ORDER BY path LIMIT 1",
                       -1, &pStmt, nullptr);
    ASSERT_EQ(sqlite3_step(pStmt), SQLITE_ROW);
    const auto nPage = static_cast<size_t>(sqlite3_column_int(pStmt, 0));
    const auto nPageSize = static_cast<size_t>(sqlite3_column_int(pStmt, 1));
    sqlite3_finalize(pStmt);
    sqlite3_close(pDb);

    CByteArray data = ReadFileBytes(strPath);
    const size_t nStart = (nPage - 1) * nPageSize;
    for (size_t i = nStart; i < nStart + nPageSize; ++i) data[i] = 0xA5;
    WriteFileBytes(strPath, data);

    EXPECT_EQ(WriteDword("ZZZ", 1), ERROR_BADDB);
    EXPECT_TRUE(ReadFileBytes(strPath) == data) << "the file changed";
}

TEST_F(RegistryFileTest, EmptyFileBecomesARegistry) {
    WriteFileBytes(m_registry->DatabasePath(), {});
    DWORD dwValue = 0;
    EXPECT_EQ(ReadDword("ObjectCommunicatorPort", dwValue), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(WriteDword("ObjectCommunicatorPort", 1600), ERROR_SUCCESS);
    EXPECT_EQ(ReadDword("ObjectCommunicatorPort", dwValue), ERROR_SUCCESS);
    EXPECT_EQ(dwValue, 1600u);
}

// As root the child becomes "nobody", since permissions do not stop root; otherwise the
// file and its folder lose their write permission.
TEST_F(RegistryFileTest, ReadOnlyFileIsReadButNeverWritten) {
    ASSERT_EQ(WriteDword("ObjectCommunicatorPort", 1600), ERROR_SUCCESS);
    const std::string strPath = m_registry->DatabasePath();
    const bool bRoot = geteuid() == 0;
    ASSERT_EQ(chmod(strPath.c_str(), bRoot ? 0644 : 0444), 0);
    ASSERT_EQ(chmod(m_registry->Folder().c_str(), bRoot ? 0755 : 0555), 0);
    const CByteArray original = ReadFileBytes(strPath);
    const std::string strNewFile = m_registry->Folder() + "/sub/registry.db";

    const int nFailures = WaitFunction(StartFunction(
        [&] {
            DWORD dwValue = 0;
            HKEY hKey = nullptr;
            int nFailed = ReadDword("ObjectCommunicatorPort", dwValue) != ERROR_SUCCESS ? 1 : 0;
            nFailed |= dwValue != 1600 ? 2 : 0;
            nFailed |= WriteDword("ObjectCommunicatorPort", 1700) != ERROR_ACCESS_DENIED ? 4 : 0;
            nFailed |= RegOpenKeyExA(HKEY_LOCAL_MACHINE, kStationKey, 0, KEY_WRITE, &hKey) !=
                               ERROR_ACCESS_DENIED
                           ? 8
                           : 0;
            setenv("STATION_REGISTRY", strNewFile.c_str(), 1);
            nFailed |= WriteDword("ObjectCommunicatorPort", 1700) != ERROR_ACCESS_DENIED ? 16 : 0;
            return nFailed;
        },
        true));

    EXPECT_EQ(nFailures, 0) << "1 read, 2 value, 4 write, 8 open for writing, 16 new file";
    EXPECT_TRUE(ReadFileBytes(strPath) == original) << "the file changed";
    EXPECT_FALSE(std::filesystem::exists(strNewFile));
}

TEST_F(RegistryFileTest, TwoProcessesWritingAtOnceLoseNothing) {
    constexpr int kValuesPerWriter = 1000;
    auto writer = [](char cPrefix) {
        return [cPrefix] {
            int nFailed = 0;
            for (int i = 0; i < kValuesPerWriter; ++i) {
                const CString strName = FormatText("%c%04d", cPrefix, i);
                nFailed += WriteDword(strName.c_str(), static_cast<DWORD>(i)) != ERROR_SUCCESS;
            }
            return nFailed > 255 ? 255 : nFailed;
        };
    };
    // Both start from an existing file, so neither waits on the other's creating it.
    ASSERT_EQ(WriteDword("Start", 0), ERROR_SUCCESS);
    const pid_t first = StartFunction(writer('A'));
    const pid_t second = StartFunction(writer('B'));
    EXPECT_EQ(WaitFunction(first), 0);
    EXPECT_EQ(WaitFunction(second), 0);

    for (const char cPrefix : {'A', 'B'}) {
        for (int i = 0; i < kValuesPerWriter; ++i) {
            const CString strName = FormatText("%c%04d", cPrefix, i);
            DWORD dwValue = 0xFFFFFFFF;
            ASSERT_EQ(ReadDword(strName.c_str(), dwValue), ERROR_SUCCESS) << strName;
            ASSERT_EQ(dwValue, static_cast<DWORD>(i)) << strName;
        }
    }
}

}  // namespace
