#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// Standard zip archives (libzip): any unzip tool opens what we write, and what we read is
// treated as hostile input.
namespace ZipArchive {

// Told the share of the work done, 0.0 to 1.0; returning false cancels.
using Progress = std::function<bool(double fraction)>;

// One member of an archive being written: the bytes of a file on disk, or bytes in memory.
struct Member {
    QString name;     // the entry's name inside the archive, e.g. "Accounts.mdb"
    QString filePath; // read from here when not empty...
    QByteArray bytes; // ...else these bytes are stored
};

struct WriteOptions {
    int level = 6; // deflate level: 1 fastest, 9 smallest
    Progress progress;
};

// Writes the members into a new archive at `archivePath`. The archive is built under a
// temporary name beside it and renamed over `archivePath` only when complete and flushed to
// disk, so a full disk, an error or a cancel leaves any earlier file there untouched and no
// temporary file behind.
Status write(const QString& archivePath, const QList<Member>& members,
             const WriteOptions& options = {});

struct ExtractLimits {
    qint64 maxBytes = qint64(1) << 40; // refused when the entry is (or turns out) larger
    Progress progress;
};

// Extracts the one entry called `entryName` (compared ignoring letter case; `entryName` itself
// has no folder part) into `destPath`, replacing a file there only when the whole entry was
// read and its checksum matched. Refused, with a sentence saying why: a file that is not a zip
// archive or is damaged, no such entry or more than one, an entry stored under a folder or an
// absolute or parent path, an encrypted entry or unknown compression, and an entry whose
// declared or actual size exceeds `maxBytes` or the free space at the destination.
// Returns the number of bytes written.
Result<qint64> extractOne(const QString& archivePath, const QString& entryName,
                          const QString& destPath, const ExtractLimits& limits = {});

// extractOne over an archive held in memory, e.g. one whose signature was checked on these very
// bytes, so no copy on disk can be changed between the check and the extraction. `label`
// names the archive in the messages; `archive` must outlive the call.
Result<qint64> extractOneFromMemory(const QByteArray& archive, const QString& label,
                                    const QString& entryName, const QString& destPath,
                                    const ExtractLimits& limits = {});

// The uncompressed size the archive declares for its entry `entryName` (letter case ignored),
// before any of it is read; refused like extractOne when there is no such entry.
Result<qint64> declaredSize(const QString& archivePath, const QString& entryName);

// Flushes a folder's names to the disk, so that a file renamed into it stays there after a
// power cut. False, with errno set, when it cannot.
bool syncFolder(const QString& folder);
// Flushes a finished file to the disk before it is renamed into place, so that a power cut
// after the rename cannot leave a name pointing at blocks never written. False, with errno set.
bool syncFile(const QString& path);

// The names of the archive's entries in their stored order, for diagnostics and tests.
Result<QStringList> entryNames(const QString& archivePath);

} // namespace ZipArchive
