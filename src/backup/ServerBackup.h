#pragma once

#include "core/Result.h"
#include "core/ServerAddress.h"
#include "core/ZipArchive.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class Database;

// Backups of shared books on a server, and restores onto them. The archive is the one a data
// folder's backup makes, so any single-seat install restores it: a zip whose entry
// Accounts.mdb is an SQLite file holding the books. Beside it lie the files the server keeps
// for the books (layouts, Layout.set, logos, Help.set), an entry each under its own name.
namespace ServerBackup {

// Larger shared files in an archive are refused: a layout or a logo is far smaller.
constexpr qint64 kMaxSharedFile = qint64(64) << 20;
// More shared files in an archive are refused: a data folder holds a few per identity.
constexpr int kMaxSharedFiles = 10000;

// Writes the archive of the books on `server`, as of one moment: their rows are copied into a
// new SQLite file made in `scratchFolder` (removed afterwards), which is compressed with the
// shared files. The archive appears at `archivePath` only when complete. Progress runs 0 to 1;
// returning false from it cancels.
Status write(Database& server, const QString& scratchFolder, const QString& archivePath,
             const ZipArchive::Progress& progress = {});

// The same for scripts: --database URL --backup FILE. The scratch file is made beside the
// archive. The Failure is for the user, one line per problem.
Status runJob(const ServerAddress& address, const QString& archivePath);

// The shared files an archive holds beside Accounts.mdb (none in a data folder's backup),
// each extracted through `scratchFolder` with the limits above.
Result<QList<QPair<QString, QByteArray>>> sharedFilesIn(const QString& archivePath,
                                                        const QString& scratchFolder);

// Replaces the books on `server` with those of `provenCopy` (an extracted Accounts.mdb that
// Restore::prove passed) and, when `files` holds any, the server's shared files with those:
// all in one transaction, checked by counts and sums before it commits. Refused, changing
// nothing, while other seats are connected to the books.
Status restore(Database& server, const QString& provenCopy,
               const QList<QPair<QString, QByteArray>>& files);

} // namespace ServerBackup
