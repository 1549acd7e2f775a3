// The registry file shared between processes and users: damaged or foreign files, a file
// the process may only read, writers killed or running at the same time, long readers.
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>

#include "platform/format.h"
#include "platform/registry.h"
#include "tests/registry/temp_registry.h"
#include "tests/support/child_process.h"

namespace {

using station_test::StartFunction;
using station_test::WaitFunction;

constexpr const char* kStationKey = "SOFTWARE\\Quenvale\\Tarrow";
constexpr uid_t kNobody = 65534;

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

// Every file of the folder with its bytes; none for what is not a plain file, which
// reading could hang on, nor for the log's index, shared memory that every connection
// rebuilds and that holds no data.
std::map<std::string, CByteArray> FolderSnapshot(const std::string& strFolder) {
    std::map<std::string, CByteArray> files;
    for (const auto& entry : std::filesystem::directory_iterator(strFolder)) {
        const std::string strName = entry.path().filename().string();
        const bool bData = entry.is_regular_file() && !strName.ends_with("-shm");
        files[strName] = bData ? ReadFileBytes(entry.path().string()) : CByteArray();
    }
    return files;
}

// stationreg ARGS, killed at its dwSync-th sync call if it gets that far: its exit status,
// 128 + SIGKILL when killed.
int RunKilledAtSync(DWORD dwSync, std::vector<std::string> args) {
    if (access("/usr/bin/strace", X_OK) != 0) ADD_FAILURE() << "strace is missing (install-deps)";
    const std::string strInject =
        FormatText("inject=fsync,fdatasync:signal=SIGKILL:when=%u", dwSync);
    args.insert(args.begin(), {"/usr/bin/strace", "-f", "-e", strInject, STATIONREG_PATH});
    std::vector<char*> argv;
    for (std::string& strArg : args) argv.push_back(strArg.data());
    argv.push_back(nullptr);
    return WaitFunction(StartFunction([&] {
        const int fdNull = open("/dev/null", O_WRONLY);
        dup2(fdNull, STDOUT_FILENO);
        dup2(fdNull, STDERR_FILENO);
        // In a sanitizer build: the leak check cannot run under a tracer.
        setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
        execv(argv[0], argv.data());
        return 127;
    }));
}

void GiveToNobody(const std::string& strPath) {
    ASSERT_EQ(chown(strPath.c_str(), kNobody, kNobody), 0) << strPath;
}

using RegistryFileTest = CTempRegistryTest;

// Files the registry must take for somebody else's and leave exactly as they are; those a
// user can make without root are cases of tests/stationreg/cases/foreign_files.txt.
TEST_F(RegistryFileTest, DamagedOrForeignFileReadsAsMissingAndIsNeverWritten) {
    struct Case {
        const char* pszWhat;
        void (*write)(const std::string&);
        bool bNeedsRoot = false;  // to make a file of another user
    } const cases[] = {
        {"registry with damaged pages",
         [](const std::string& strPath) {
             // The second writer copies what the first left in the log into the database.
             ASSERT_EQ(WriteDword("ObjectCommunicatorPort", 1600), ERROR_SUCCESS);
             ASSERT_EQ(WriteDword("ObjectCommunicatorPort", 1600), ERROR_SUCCESS);
             CByteArray data = ReadFileBytes(strPath);
             ASSERT_GT(data.size(), 4096u);
             for (size_t i = 4096; i < data.size(); ++i) data[i] = static_cast<BYTE>(i * 131 + 7);
             WriteFileBytes(strPath, data);
             // Nor does the log hold the pages any more.
             const std::string strLog = strPath + "-wal";
             WriteFileBytes(strLog, CByteArray(ReadFileBytes(strLog).size()));
         }},
        {"empty file of another user",
         [](const std::string& strPath) {
             WriteFileBytes(strPath, {});
             GiveToNobody(strPath);
         },
         true},
        {"log of another user",
         [](const std::string& strPath) {
             ASSERT_EQ(WriteDword("ObjectCommunicatorPort", 1600), ERROR_SUCCESS);
             GiveToNobody(strPath + "-wal");
         },
         true},
        {"journal of another user",
         [](const std::string& strPath) {
             ASSERT_EQ(WriteDword("ObjectCommunicatorPort", 1600), ERROR_SUCCESS);
             WriteFileBytes(strPath + "-journal", BytesOf("planted"));
             GiveToNobody(strPath + "-journal");
         },
         true},
    };
    for (const Case& c : cases) {
        if (c.bNeedsRoot && geteuid() != 0) continue;
        SCOPED_TRACE(c.pszWhat);
        m_registry.emplace();
        const std::string strPath = m_registry->DatabasePath();
        c.write(strPath);
        const auto files = FolderSnapshot(m_registry->Folder());

        DWORD dwValue = 0;
        EXPECT_EQ(ReadDword("ObjectCommunicatorPort", dwValue), ERROR_FILE_NOT_FOUND);
        EXPECT_EQ(WriteDword("ObjectCommunicatorPort", 1700), ERROR_BADDB);
        HKEY hKey = nullptr;
        EXPECT_NE(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kStationKey, 0, KEY_WRITE, &hKey),
                  ERROR_SUCCESS);

        EXPECT_TRUE(FolderSnapshot(m_registry->Folder()) == files) << "a file changed";
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

TEST_F(RegistryFileTest, FourProcessesWritingAtOnceLoseNothing) {
    constexpr int kValuesPerWriter = 100;
    constexpr char kWriters[] = {'A', 'B', 'C', 'D'};
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
    // All start from an existing file, so none waits on another's creating it.
    ASSERT_EQ(WriteDword("Start", 0), ERROR_SUCCESS);
    std::vector<pid_t> writers;
    for (const char cPrefix : kWriters) writers.push_back(StartFunction(writer(cPrefix)));
    for (const pid_t pid : writers) EXPECT_EQ(WaitFunction(pid), 0);

    for (const char cPrefix : kWriters) {
        for (int i = 0; i < kValuesPerWriter; ++i) {
            const CString strName = FormatText("%c%04d", cPrefix, i);
            DWORD dwValue = 0xFFFFFFFF;
            ASSERT_EQ(ReadDword(strName.c_str(), dwValue), ERROR_SUCCESS) << strName;
            ASSERT_EQ(dwValue, static_cast<DWORD>(i)) << strName;
        }
    }
}

// The first column of the last row the SQL gives, run on the registry by another program.
std::string RunSql(const std::string& strPath, const std::string& strSql) {
    sqlite3* pDb = nullptr;
    sqlite3_open(strPath.c_str(), &pDb);
    std::string strResult;
    auto keep = [](void* pResult, int, char** ppValues, char**) {
        *static_cast<std::string*>(pResult) = ppValues[0] ? ppValues[0] : "";
        return 0;
    };
    sqlite3_exec(pDb, strSql.c_str(), keep, &strResult, nullptr);
    sqlite3_close(pDb);
    return strResult;
}

// stationreg add killed at each sync in turn, each time on a registry that prepare makes
// afresh with ObjectCommunicatorPort at dwBefore: the next reader, unprivileged first, then
// root, finds the value from before or after the write, and the file stays whole.
void KillWriteAtEverySync(const std::function<void(const std::string&)>& prepare, DWORD dwBefore) {
    int nStatus = 128 + SIGKILL;
    for (DWORD dwSync = 1; nStatus == 128 + SIGKILL && dwSync < 40; ++dwSync) {
        const CTempRegistry registry;
        ASSERT_EQ(chmod(registry.Folder().c_str(), 0755), 0);
        prepare(registry.DatabasePath());
        nStatus = RunKilledAtSync(
            dwSync, {"add", "HKLM\\SOFTWARE\\Quenvale\\Tarrow", "/v", "ObjectCommunicatorPort",
                     "/t", "REG_DWORD", "/d", std::to_string(dwSync), "/f"});
        // 1 for the value from before, 2 for the new one.
        const int nNobody = WaitFunction(StartFunction(
            [&] {
                DWORD dwValue = 0;
                if (ReadDword("ObjectCommunicatorPort", dwValue) != ERROR_SUCCESS) return 0;
                return dwValue == dwBefore ? 1 : dwValue == dwSync ? 2 : 3;
            },
            true));
        DWORD dwRoot = 0;
        ASSERT_EQ(ReadDword("ObjectCommunicatorPort", dwRoot), ERROR_SUCCESS) << dwSync;
        ASSERT_TRUE(dwRoot == dwBefore || dwRoot == dwSync) << dwSync << ": " << dwRoot;
        ASSERT_EQ(nNobody, dwRoot == dwBefore ? 1 : 2) << dwSync;
        EXPECT_EQ(RunSql(registry.DatabasePath(), "PRAGMA integrity_check"), "ok") << dwSync;
    }
    EXPECT_EQ(nStatus, 0) << "the last write, with no sync left to kill it at";
}

TEST(RegistryKillTest, WriterKilledAtAnySyncLeavesTheLastCommitReadable) {
    KillWriteAtEverySync(
        [](const std::string&) {
            ASSERT_EQ(WriteDword("ObjectCommunicatorPort", 0), ERROR_SUCCESS);
        },
        0);
}

// The first write to a file of version 1 brings it to version 2 in the same process.
TEST(RegistryKillTest, MigrationKilledAtAnySyncLeavesTheLastCommitReadable) {
    const CByteArray script = ReadFileBytes(VERSION1_SQL);
    const std::string strScript(script.begin(), script.end());
    KillWriteAtEverySync([&](const std::string& strPath) { RunSql(strPath, strScript); }, 1600);
}

// The same while the registry is first made: a reader finds no registry, never a failed
// read, and the next writer finishes the work.
TEST_F(RegistryFileTest, CreationKilledAtAnySyncReadsAsNoRegistry) {
    int nStatus = 128 + SIGKILL;
    for (DWORD dwSync = 1; nStatus == 128 + SIGKILL && dwSync < 40; ++dwSync) {
        m_registry.emplace();
        nStatus = RunKilledAtSync(dwSync, {"init"});
        DWORD dwValue = 0;
        EXPECT_EQ(ReadDword("ObjectCommunicatorPort", dwValue), ERROR_FILE_NOT_FOUND) << dwSync;
        EXPECT_EQ(WriteDword("ObjectCommunicatorPort", 1600), ERROR_SUCCESS) << dwSync;
    }
    EXPECT_EQ(nStatus, 0) << "the last init, with no sync left to kill it at";
}

// However long an unprivileged reader keeps its read open, a writer goes ahead at once: the
// busy handler, which only runs while a lock keeps a writer waiting, never runs.
TEST_F(RegistryFileTest, OpenReadHoldsNoWriterUp) {
    ASSERT_EQ(chmod(m_registry->Folder().c_str(), 0755), 0);
    ASSERT_EQ(WriteDword("ObjectCommunicatorPort", 1600), ERROR_SUCCESS);
    int ready[2] = {-1, -1};
    ASSERT_EQ(pipe(ready), 0);
    const std::string strPath = m_registry->DatabasePath();
    const pid_t reader = StartFunction(
        [&] {
            sqlite3* pDb = nullptr;
            sqlite3_open_v2(strPath.c_str(), &pDb, SQLITE_OPEN_READONLY, nullptr);
            // The read lasts until COMMIT, which never comes.
            const bool bRead = sqlite3_exec(pDb, "BEGIN; SELECT count(*) FROM registry_values",
                                            nullptr, nullptr, nullptr) == SQLITE_OK;
            if (write(ready[1], bRead ? "r" : "x", 1) != 1) return 1;
            pause();
            return 0;
        },
        true);
    char cRead = 0;
    ASSERT_EQ(read(ready[0], &cRead, 1), 1);
    EXPECT_EQ(cRead, 'r') << "the reader could not read";

    const DWORD dwWaits = GetRegistryBusyWaits();
    EXPECT_EQ(WriteDword("ObjectCommunicatorPort", 1700), ERROR_SUCCESS);
    EXPECT_EQ(GetRegistryBusyWaits(), dwWaits);
    kill(reader, SIGKILL);
    WaitFunction(reader);
    close(ready[0]);
    close(ready[1]);
    DWORD dwValue = 0;
    EXPECT_EQ(ReadDword("ObjectCommunicatorPort", dwValue), ERROR_SUCCESS);
    EXPECT_EQ(dwValue, 1700u);
}

// The installed layout: a set-group-ID folder whose group may write, whatever the umask of
// whoever made the files, after root has written too; everybody else reads.
TEST_F(RegistryFileTest, SetGroupIdFolderLetsItsGroupWrite) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can hand the folder to a group";
    constexpr gid_t kGroup = 100;
    ASSERT_EQ(chown(m_registry->Folder().c_str(), 0, kGroup), 0);
    ASSERT_EQ(chmod(m_registry->Folder().c_str(), 02775), 0);
    const mode_t previousMask = umask(077);
    const LONG lCreated = CreateRegistryDatabase();
    umask(previousMask);
    ASSERT_EQ(lCreated, ERROR_SUCCESS);
    for (const char* pszSuffix : {"", "-wal", "-shm"}) {
        struct stat info {};
        ASSERT_EQ(stat((m_registry->DatabasePath() + pszSuffix).c_str(), &info), 0) << pszSuffix;
        EXPECT_EQ(info.st_gid, kGroup) << pszSuffix;
        EXPECT_EQ(info.st_mode & 0777, 0664u) << pszSuffix;
    }
    ASSERT_EQ(WriteDword("ObjectCommunicatorPort", 1600), ERROR_SUCCESS);

    auto write = [] { return WriteDword("ObjectCommunicatorPort", 1700); };
    EXPECT_EQ(WaitFunction(StartFunction(write, true, kGroup)), ERROR_SUCCESS);
    const int nOutsider = WaitFunction(StartFunction(
        [&] {
            DWORD dwValue = 0;
            const bool bRead = ReadDword("ObjectCommunicatorPort", dwValue) == ERROR_SUCCESS;
            return bRead && dwValue == 1700 ? write() : -1;
        },
        true));
    EXPECT_EQ(nOutsider, ERROR_ACCESS_DENIED);
}

// A reader who may not write cannot make the log files a read needs; once another program
// has removed them, root's init puts them back.
TEST_F(RegistryFileTest, InitRestoresLogFilesThatAReaderNeeds) {
    if (geteuid() != 0) GTEST_SKIP() << "the owner of the registry may make the files itself";
    ASSERT_EQ(chmod(m_registry->Folder().c_str(), 0755), 0);
    ASSERT_EQ(WriteDword("ObjectCommunicatorPort", 1600), ERROR_SUCCESS);
    // As the sqlite3 shell does: the last connection to close copies the log back and
    // deletes it with its index.
    sqlite3* pDb = nullptr;
    sqlite3_open(m_registry->DatabasePath().c_str(), &pDb);
    sqlite3_exec(pDb, "SELECT count(*) FROM registry_values", nullptr, nullptr, nullptr);
    sqlite3_close(pDb);
    ASSERT_FALSE(std::filesystem::exists(m_registry->DatabasePath() + "-shm"));
    auto read = [] {
        DWORD dwValue = 0;
        return ReadDword("ObjectCommunicatorPort", dwValue);
    };
    EXPECT_EQ(WaitFunction(StartFunction(read, true)), ERROR_ACCESS_DENIED);
    ASSERT_EQ(CreateRegistryDatabase(), ERROR_SUCCESS);
    EXPECT_EQ(WaitFunction(StartFunction(read, true)), ERROR_SUCCESS);
}

}  // namespace
