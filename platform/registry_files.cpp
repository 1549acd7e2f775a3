#include "platform/registry_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace {

struct CSideFile {
    const char* pszSuffix;
    bool bReadNeedsIt;  // by a reader of a database in write-ahead-log mode
};

constexpr CSideFile kSideFiles[] = {{"-wal", true}, {"-shm", true}, {"-journal", false}};

// Bytes 18 and 19 of the database header: the file format versions, 2 for write-ahead log.
constexpr off_t kFormatVersionsOffset = 18;

LONG ErrorFromOpen(int nError) {
    return (nError == ENOENT || nError == ENOTDIR) ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED;
}

LONG ErrorFromCreate(int nError) {
    const bool bDenied = nError == EACCES || nError == EPERM || nError == EROFS;
    return bDenied ? ERROR_ACCESS_DENIED : ERROR_CANTWRITE;
}

CString FolderOf(const CString& strPath) {
    const std::filesystem::path folder = std::filesystem::path(strPath).parent_path();
    return folder.empty() ? CString(".") : folder.string();
}

bool BelongsToFolderGroup(const struct stat& file, const struct stat& folder) {
    return (folder.st_mode & S_ISGID) != 0 && file.st_gid == folder.st_gid;
}

bool IsTrusted(const struct stat& file, const struct stat& folder) {
    const bool bFolderGroup = BelongsToFolderGroup(file, folder);
    const bool bOwner = file.st_uid == 0 || file.st_uid == geteuid() || bFolderGroup;
    const bool bGroupMayWrite = (file.st_mode & S_IWGRP) != 0;
    const bool bOthersMayWrite = (file.st_mode & S_IWOTH) != 0;
    return S_ISREG(file.st_mode) && bOwner && (bFolderGroup || !bGroupMayWrite) && !bOthersMayWrite;
}

// SQLite creates a missing side file as the process opening the database, with the
// database's mode (root hands it to the database's owner), so here the new file is trusted.
bool MayCreateSideFiles(const struct stat& database, const struct stat& folder) {
    return geteuid() == 0 || database.st_uid == geteuid() || (folder.st_mode & S_ISGID) != 0;
}

// Judged by what was opened, not by what the name leads to later: a link is not followed,
// and a FIFO does not keep the open waiting for a writer.
LONG InspectDatabase(const CString& strPath, const struct stat& folder, struct stat& info,
                     bool& bWriteAheadLog) {
    const int fd = open(strPath.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ELOOP ? ERROR_BADDB : ErrorFromOpen(errno);
    unsigned char versions[2] = {};
    const bool bStat = fstat(fd, &info) == 0;
    bWriteAheadLog = pread(fd, versions, sizeof versions, kFormatVersionsOffset) == 2 &&
                     versions[0] == 2 && versions[1] == 2;
    close(fd);
    if (!bStat) return ERROR_ACCESS_DENIED;
    return IsTrusted(info, folder) ? ERROR_SUCCESS : ERROR_BADDB;
}

LONG InspectSideFile(const CString& strPath, const struct stat& folder, bool& bPresent) {
    struct stat info {};
    bPresent = lstat(strPath.c_str(), &info) == 0;
    if (!bPresent) return errno == ENOENT ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
    return IsTrusted(info, folder) ? ERROR_SUCCESS : ERROR_BADDB;
}

LONG CreateFolder(const CString& strFolder) {
    std::error_code error;
    if (std::filesystem::create_directories(strFolder, error) || !error) return ERROR_SUCCESS;
    return ErrorFromCreate(error.value());
}

}  // namespace

LONG CheckRegistryFiles(const CString& strPath) {
    struct stat folder {};
    if (stat(FolderOf(strPath).c_str(), &folder) != 0) return ErrorFromOpen(errno);
    struct stat database {};
    bool bWriteAheadLog = false;
    LONG lResult = InspectDatabase(strPath, folder, database, bWriteAheadLog);
    if (lResult != ERROR_SUCCESS) return lResult;
    bool bReadNeedsMissingFile = false;
    for (const CSideFile& side : kSideFiles) {
        bool bPresent = false;
        lResult = InspectSideFile(strPath + side.pszSuffix, folder, bPresent);
        if (lResult != ERROR_SUCCESS) return lResult;
        bReadNeedsMissingFile |= side.bReadNeedsIt && !bPresent;
    }
    const bool bMustCreate = bWriteAheadLog && bReadNeedsMissingFile;
    return bMustCreate && !MayCreateSideFiles(database, folder) ? ERROR_ACCESS_DENIED
                                                                : ERROR_SUCCESS;
}

LONG CreateRegistryFile(const CString& strPath) {
    const CString strFolder = FolderOf(strPath);
    const LONG lFolder = CreateFolder(strFolder);
    struct stat folder {};
    if (lFolder != ERROR_SUCCESS) return lFolder;
    if (stat(strFolder.c_str(), &folder) != 0) return ErrorFromOpen(errno);
    const mode_t mode = (folder.st_mode & S_ISGID) != 0 ? 0664 : 0644;
    const int fd =
        open(strPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) return errno == EEXIST ? ERROR_SUCCESS : ErrorFromCreate(errno);
    // The umask would take the group's right to write away.
    const bool bMode = fchmod(fd, mode) == 0;
    close(fd);
    return bMode ? ERROR_SUCCESS : ERROR_CANTWRITE;
}
