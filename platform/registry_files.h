#pragma once
// The files the registry keeps on disk: the database and the side files SQLite keeps beside
// it (-wal, -shm, and -journal while a file changes its storage mode). Who may have made
// them decides whether they are used at all, since whoever can write them decides what
// every reader of the registry sees.
#include "platform/registry.h"
#include "platform/types.h"

// Judges the database at strPath and every side file that exists, before SQLite opens any
// of them. Each must be a plain file owned by root or the caller, or, in a folder with the
// set-group-ID bit, belong to that folder's group; none may be writable by anybody else.
//   ERROR_SUCCESS         the files may be used
//   ERROR_FILE_NOT_FOUND  there is no database
//   ERROR_BADDB           a file is somebody else's; it is left as it is
//   ERROR_ACCESS_DENIED   a read would need side files that are missing and that this
//                         process may not create
LONG CheckRegistryFiles(const CString& strPath);

// Makes the folder (when missing) and an empty database file, unless one exists. In a
// set-group-ID folder the file is group-writable whatever the umask, so that the folder's
// group may write; SQLite gives the side files the database's mode.
LONG CreateRegistryFile(const CString& strPath);
