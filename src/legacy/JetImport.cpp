#include "legacy/JetImport.h"

#include "core/DataFolder.h"
#include "core/Database.h"
#include "core/ZipArchive.h"
#include "legacy/JetFile.h"
#include "legacy/JetSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QUuid>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace JetImport {

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The new database under its temporary name, with the journal files SQLite keeps beside it.
void removeDatabaseFiles(const QString& path)
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

// The names of a conversion's scratch files: the new database and its journals, and a copy of
// the original where the folder's file system has no hard links.
const QStringList& scratchPatterns()
{
    static const QStringList patterns = {QStringLiteral(".Accounts-*.converting"),
                                         QStringLiteral(".Accounts-*.converting-*")};
    return patterns;
}

QString scratchName(const QDir& folder)
{
    return folder.filePath(
        QStringLiteral(".Accounts-%1.converting").arg(QUuid::createUuid().toString(QUuid::Id128)));
}

QString systemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The same file under two names (a hard link), or two files with the same bytes.
bool sameContent(const QString& a, const QString& b)
{
    struct stat first {};
    struct stat second {};
    if (::stat(QFile::encodeName(a).constData(), &first) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &second) != 0)
        return false;
    if (first.st_dev == second.st_dev && first.st_ino == second.st_ino)
        return true;
    if (first.st_size != second.st_size)
        return false;
    QFile one(a);
    QFile two(b);
    if (!one.open(QIODevice::ReadOnly) || !two.open(QIODevice::ReadOnly))
        return false;
    while (!one.atEnd()) {
        const QByteArray chunk = one.read(1 << 20);
        if (chunk.isEmpty() || chunk != two.read(chunk.size()))
            return false;
    }
    return two.atEnd();
}

// A failed write in a folder whose disk has less room than this most likely met a full disk.
constexpr qint64 kRoomNeeded = 1 << 20;

bool diskIsFull(const QDir& folder)
{
    const QStorageInfo disk(folder.path());
    return disk.isValid() && disk.bytesAvailable() < kRoomNeeded;
}

QString noSpace(const QDir& folder)
{
    return QCoreApplication::translate(
               "JetImport", "The new database cannot be written in %1: there is no space left on "
                            "the disk.")
        .arg(native(folder.path()));
}

// recover(), with the folder's conversion lock held.
Status recoverLocked(const QDir& folder)
{
    const QString target = folder.filePath(Database::kFileName);
    const QString kept = folder.filePath(kKeptName);
    const QStringList scratch =
        folder.entryList(scratchPatterns(), QDir::Files | QDir::Hidden | QDir::System);
    if (QFileInfo::exists(kept)) {
        if (!QFileInfo::exists(target) && !scratch.isEmpty()) {
            // Earlier versions moved the original away before the new file took its name.
            if (!QFile::rename(kept, target))
                return Failure{QCoreApplication::translate(
                                   "JetImport", "A conversion of %1 was interrupted, and %2 cannot "
                                                "be given its name back: %3")
                                   .arg(native(target), kKeptName, systemReason())};
            ZipArchive::syncFolder(folder.path());
        } else if (Database::hasJetSignature(target) && sameContent(target, kept)) {
            // Interrupted after the original gained its second name, before the new file was
            // renamed over it: Accounts.mdb is still the original, whole.
            if (!QFile::remove(kept))
                return Failure{QCoreApplication::translate(
                                   "JetImport", "A conversion of %1 was interrupted, and %2 cannot "
                                                "be removed: %3")
                                   .arg(native(target), native(kept), systemReason())};
            ZipArchive::syncFolder(folder.path());
        }
    }
    for (const QString& name : scratch) {
        if (!QFile::remove(folder.filePath(name)))
            return Failure{QCoreApplication::translate(
                               "JetImport", "%1, left by an interrupted conversion, cannot be "
                                            "removed: %2")
                               .arg(native(folder.filePath(name)), systemReason())};
    }
    return Done{};
}

// Gives `original` the second name `kept` without ever leaving it without its first: a hard
// link, or, where the file system has none (a FAT stick), a copy renamed into place.
Status keepOriginal(const QDir& folder, const QString& original, const QString& kept)
{
    const QByteArray from = QFile::encodeName(original);
    if (::link(from.constData(), QFile::encodeName(kept).constData()) == 0)
        return Done{};
    const QString copy = scratchName(folder) + QStringLiteral("-original");
    if (!QFile::copy(original, copy) || !ZipArchive::syncFile(copy) || !QFile::rename(copy, kept)) {
        const QString reason = systemReason();
        QFile::remove(copy);
        return Failure{QCoreApplication::translate("JetImport", "%1 cannot be kept as %2: %3")
                           .arg(native(original), kKeptName, reason)};
    }
    return Done{};
}

Result<JetImportReport> convertLocked(JetSource& source, const QString& jetFile, const QDir& folder,
                                      const JetProgress& progress)
{
    if (const Status recovered = recoverLocked(folder); !recovered)
        return Failure{recovered.error()};
    const QString target = folder.filePath(Database::kFileName);
    const QString kept = folder.filePath(kKeptName);
    const QFileInfo jet(jetFile);
    const bool inFolder = QFileInfo::exists(target) && jet.exists() &&
                          jet.canonicalFilePath() == QFileInfo(target).canonicalFilePath();
    if (!inFolder && QFileInfo::exists(target))
        return Failure{QCoreApplication::translate(
                           "JetImport", "%1 already holds a database (%2). Billcraft converts only "
                                        "into a data folder without one.")
                           .arg(native(folder.path()), Database::kFileName)};
    if (inFolder && QFileInfo::exists(kept))
        return Failure{QCoreApplication::translate(
                           "JetImport", "%1 already holds %2, the original of an earlier "
                                        "conversion. Move it elsewhere first.")
                           .arg(native(folder.path()), kKeptName)};
    if (diskIsFull(folder))
        return Failure{noSpace(folder)};

    const QString temporary = scratchName(folder);
    // A failure on a full disk says so, whatever step met it; the disk is looked at before
    // the new file's room is given back.
    const auto fail = [&](const QString& message) -> Result<JetImportReport> {
        const QString said = diskIsFull(folder) ? noSpace(folder) : message;
        removeDatabaseFiles(temporary);
        return Failure{said};
    };
    Result<JetImportReport> copied = Failure{};
    {
        Database db;
        if (!db.open(temporary))
            return fail(db.errorString());
        copied = copyTables(source, db, progress);
        db.close();
    }
    if (!copied)
        return fail(QStringLiteral("%1: %2").arg(native(jet.absoluteFilePath()), copied.error()));
    if (copied->cancelled) {
        removeDatabaseFiles(temporary);
        return copied;
    }
    // The new file takes the old one's name only once it is complete, closed and on the disk;
    // the journal is gone with the connection, so the file alone is the database.
    if (QFileInfo::exists(temporary + QStringLiteral("-wal")))
        return fail(QCoreApplication::translate("JetImport",
                                                "The new database could not be completed in %1.")
                        .arg(native(folder.path())));
    if (!ZipArchive::syncFile(temporary))
        return fail(
            QCoreApplication::translate("JetImport", "The new database cannot be saved in %1: %2")
                .arg(native(folder.path()), systemReason()));
    // Accounts.mdb is whole at every moment: the original gains its second name first, and
    // the new file then replaces the first in one rename. A crash in between leaves the
    // original under both names, which recover() undoes.
    if (inFolder) {
        if (const Status keptOriginal = keepOriginal(folder, target, kept); !keptOriginal)
            return fail(keptOriginal.error());
        ZipArchive::syncFolder(folder.path());
    }
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) !=
        0) {
        const QString reason = systemReason();
        if (inFolder)
            QFile::remove(kept);
        return fail(QCoreApplication::translate(
                        "JetImport", "The new database cannot be moved into place as %1: %2")
                        .arg(native(target), reason));
    }
    // Once renamed the books are converted; the flush only hurries what the system does anyway.
    ZipArchive::syncFolder(folder.path());
    return copied;
}

} // namespace

Status recover(const QString& dataFolder)
{
    const QDir folder(QDir(dataFolder).absolutePath());
    if (!QFileInfo(folder.path()).isDir())
        return Done{};
    QLockFile lock(folder.filePath(kLockName));
    lock.setStaleLockTime(0); // a lock is stale only when its process is gone
    // Another Billcraft converting here owns the scratch files; a folder that cannot take
    // the lock file cannot be put right either, and is refused when it is opened.
    if (!lock.tryLock(0))
        return Done{};
    return recoverLocked(folder);
}

Result<JetImportReport> convert(JetSource& source, const QString& jetFile,
                                const QString& dataFolder, const JetProgress& progress)
{
    const QDir folder(QDir(dataFolder).absolutePath());
    const bool folderExisted = QFileInfo(folder.path()).isDir();
    if (const QString problem = DataFolder::prepare(folder.path()); !problem.isEmpty())
        return Failure{problem};
    Result<JetImportReport> converted = Failure{};
    {
        QLockFile lock(folder.filePath(kLockName));
        lock.setStaleLockTime(0);
        if (lock.tryLock(0))
            converted = convertLocked(source, jetFile, folder, progress);
        else if (lock.error() == QLockFile::LockFailedError)
            converted = Failure{QCoreApplication::translate(
                                    "JetImport", "Another Billcraft is converting the books in %1.")
                                    .arg(native(folder.path()))};
        else
            converted = Failure{
                QCoreApplication::translate("JetImport", "The data folder %1 cannot be written to.")
                    .arg(native(folder.path()))};
    }
    // A folder made for a conversion that did not happen goes again.
    if (!folderExisted && (!converted || converted->cancelled))
        QDir().rmdir(folder.path());
    return converted;
}

Result<JetImportReport> convertFile(const QString& jetFile, const QString& dataFolder,
                                    const QString& reader, const JetProgress& progress)
{
    Result<std::unique_ptr<JetSource>> source = JetFile::open(jetFile, reader, tableNames());
    if (!source)
        return Failure{source.error()};
    return convert(**source, jetFile, dataFolder, progress);
}

} // namespace JetImport
