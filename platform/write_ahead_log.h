#pragma once
// How the registry's SQLite file is journalled: a write-ahead log, with the log and its
// index kept in place between connections. Why:
// - a reader reads a snapshot of the last commit, taken from the database and the log, and
//   never rolls anything back, so a writer killed at any point leaves nothing behind that a
//   reader without write access stumbles on (a rollback journal left behind makes SQLite
//   refuse every read-only open until somebody who may write rolls it back);
// - readers hold no lock that a writer needs, so however long a read lasts, a write goes
//   ahead at once (under a rollback journal a writer waits for every reader to finish
//   before it commits);
// - a reader who may not write opens the log and its index read-only, and builds the index
//   in its own memory when no writer keeps it up to date. Both files must therefore exist
//   before such a reader comes, and stay: they do from the first write on.
struct sqlite3;

// Every connection: closing leaves the log and its index as they are. Closing the last one
// would otherwise delete both, which a reader without write access cannot create again;
// copying the log back into the database is left to the next writer, who does it anyway.
void KeepWriteAheadLogFiles(sqlite3* pDb);

// A writer's connection to a registry of ours, or to an empty file: switches it to the log
// when it is not yet, and readies the log for this writer's commits. An SQLite result code.
int UseWriteAheadLog(sqlite3* pDb);
