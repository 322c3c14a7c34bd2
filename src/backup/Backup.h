#pragma once

#include "core/DataFolder.h"
#include "core/Result.h"
#include "core/ZipArchive.h"

#include <QDate>
#include <QString>
#include <functional>

class Database;

// Backup archives of the database: a standard zip holding one entry, Accounts.mdb.
namespace Backup {

// The folder, inside the data folder, that receives a restore's extracted copy (which stays
// there afterwards), the databases a restore replaced, and a backup's passing snapshot. Only
// its owner may read it (0700); a link or a folder of another user there is refused.
inline const QString kScratchFolder = DataFolder::kTempFolder;

// Writes an archive of the open database. The database is copied page by page through
// SQLite's online backup, which sees every committed change, including those still in the
// write-ahead log, and never a half-written one; the copy is then compressed (deflate level 1:
// a backup is made often and should be quick). The archive appears at `archivePath` only when
// complete; a failure or a cancel leaves whatever was there before. Progress runs 0 to 1 over
// both steps; returning false from it cancels.
Status write(Database& db, const QString& archivePath, const ZipArchive::Progress& progress = {});

// The same for scripts: opens the data folder's database (refusing, without creating
// anything, when there is none or it is not one of ours) and writes the archive. It holds the
// data folder shared while it works (a window may be open on it); when no other Billcraft
// holds it, it first removes the scratch files a killed Billcraft left there and the
// part-written archives of `archivePath` beside it. The Failure is one line for the user.
Status runJob(const QString& dataFolder, const QString& archivePath);

} // namespace Backup

// Restoring from an archive, in the order the restore proceeds. The live database is not
// touched until replaceLive(), which is called with its connection closed.
namespace Restore {

// The extracted copy's path: <data folder>/Temp/Accounts.mdb.
QString copyPath(const QString& dataFolder);

// The kept copies of replaced databases: Temp/Accounts-before-restore-<yyyy-MM-dd>.mdb, with
// -2, -3... after the date for a second restore on one day. The newest kKeptCopies stay.
inline const QString kKeptPrefix = QStringLiteral("Accounts-before-restore-");
constexpr int kKeptCopies = 3;

// Puts the archive's Accounts.mdb into the Temp folder (made when missing), first removing any
// copy left by an earlier restore, so a failure can never leave an older copy looking like
// this archive's. Refused when the file yields no database: not a zip, damaged, no such entry,
// an entry under a folder name, or too large for the free disk space. Returns the copy's path.
Result<QString> extract(const QString& dataFolder, const QString& archivePath,
                        const ZipArchive::Progress& progress = {});

// Proves the copy usable before anything depends on it: an SQLite file, passing SQLite's
// integrity check, with the five tables and their columns; then opened as at start-up, which
// brings an older file up to the current schema and adds the client notes column. Refused
// with the reason otherwise. The integrity check of a large file takes a while: `stillWanted`
// is asked every few thousand steps of it, and returning false stops the check (a refusal).
Status prove(const QString& copy, const std::function<bool()>& stillWanted = {});

// Replaces the live database with the copy: the copy's bytes are written beside the live file
// and renamed over it, so a failure at any point leaves the live file as it was; the folder is
// then flushed, so the rename survives a power cut. The replaced file is kept first, as
// Temp/Accounts-before-restore-<today>.mdb, and the oldest kept copies beyond kKeptCopies are
// removed. Returns the kept copy's path (empty when there was no live file). The live
// database must be closed: it is locked against every other connection from the first check
// through the rename, and refused when that lock cannot be had at once or its write-ahead log
// still holds rows (another program has it open, or stopped without closing it).
Result<QString> replaceLive(const QString& dataFolder, QDate today);

} // namespace Restore
