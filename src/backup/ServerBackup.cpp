#include "backup/ServerBackup.h"

#include "backup/BookCopy.h"
#include "core/Database.h"
#include "core/SharedFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>

namespace {

// Share of a backup's progress taken by copying the rows; compressing takes the rest.
constexpr double kCopyShare = 0.6;

// The shared files on the server, as archive members.
Result<QList<ZipArchive::Member>> sharedMembers(Database& server)
{
    const SharedFiles files(server, {});
    const Result<QStringList> names = files.names();
    if (!names)
        return Failure{names.error()};
    QList<ZipArchive::Member> members;
    for (const QString& name : *names) {
        if (!BookCopy::isSharedFile(name))
            continue;
        const Result<std::optional<QByteArray>> bytes = files.read(name);
        if (!bytes)
            return Failure{bytes.error()};
        if (*bytes)
            members.append({name, {}, **bytes});
    }
    return members;
}

// The books on `server` copied into the new SQLite file `copy`, and the shared files beside
// them; one snapshot of the server for both.
Result<QList<ZipArchive::Member>> copyOut(Database& server, const QString& copy,
                                          const ZipArchive::Progress& progress)
{
    Database made;
    if (!made.open(copy))
        return Failure{made.errorString()};
    const BookCopy::Snapshot reading(server);
    if (!reading.error().isEmpty())
        return Failure{QCoreApplication::translate("ServerBackup", "%1 cannot be read: %2")
                           .arg(server.path(), reading.error())};
    Transaction tx(made);
    if (!tx.isActive())
        return Failure{made.errorString()};
    if (const Status copied = BookCopy::copyRows(server, made, progress); !copied)
        return Failure{copied.error()};
    Result<QList<ZipArchive::Member>> files = sharedMembers(server);
    if (!files)
        return files;
    if (!tx.commit())
        return Failure{made.errorString()};
    made.close(); // the write-ahead log goes into the file
    files->prepend({Database::kFileName, copy, {}});
    return files;
}

} // namespace

namespace ServerBackup {

Status write(Database& server, const QString& scratchFolder, const QString& archivePath,
             const ZipArchive::Progress& progress)
{
    if (!server.isOpen() || !server.isServer())
        return Failure{
            QCoreApplication::translate("ServerBackup", "The shared books are not open.")};
    QString copy;
    {
        // Named as a data folder's backup snapshot, so that one left by a killed Billcraft is
        // removed as those are.
        QTemporaryFile reserve(QDir(scratchFolder).filePath(QStringLiteral("backup-XXXXXX.db")));
        reserve.setAutoRemove(false);
        if (!reserve.open())
            return Failure{
                QCoreApplication::translate("ServerBackup", "%1 cannot be written: %2")
                    .arg(QDir::toNativeSeparators(scratchFolder), reserve.errorString())};
        copy = reserve.fileName();
    }
    struct Cleanup {
        QString path;
        ~Cleanup()
        {
            for (const char* suffix : {"", "-wal", "-shm", "-journal"})
                QFile::remove(path + QLatin1String(suffix));
        }
    } cleanup{copy};

    const Result<QList<ZipArchive::Member>> members =
        copyOut(server, copy, [&](double f) { return !progress || progress(f * kCopyShare); });
    if (!members)
        return Failure{QCoreApplication::translate("ServerBackup", "%1 cannot be written: %2")
                           .arg(QDir::toNativeSeparators(archivePath), members.error())};
    ZipArchive::WriteOptions options;
    options.level = 1;
    options.progress = [&](double f) {
        return !progress || progress(kCopyShare + f * (1 - kCopyShare));
    };
    return ZipArchive::write(archivePath, *members, options);
}

Status runJob(const ServerAddress& address, const QString& archivePath)
{
    if (archivePath.isEmpty())
        return Failure{QCoreApplication::translate("ServerBackup",
                                                   "--backup needs FILE, the archive to write.")};
    const QString archive = QFileInfo(archivePath).absoluteFilePath();
    // Beside the archive, where there is room for it; the folder is its owner's alone.
    QTemporaryDir scratch(QFileInfo(archive).absolutePath() +
                          QStringLiteral("/.billcraft-backup-XXXXXX"));
    if (!scratch.isValid())
        return Failure{QCoreApplication::translate("ServerBackup", "%1 cannot be written: %2")
                           .arg(QDir::toNativeSeparators(archive), scratch.errorString())};
    Database server;
    if (!server.openServer(address))
        return Failure{server.errorString()};
    return write(server, scratch.path(), archive);
}

Result<QList<QPair<QString, QByteArray>>> sharedFilesIn(const QString& archivePath,
                                                        const QString& scratchFolder)
{
    const Result<QStringList> names = ZipArchive::entryNames(archivePath);
    if (!names)
        return Failure{names.error()};
    QTemporaryDir dir(QDir(scratchFolder).filePath(QStringLiteral("restore-XXXXXX")));
    if (!dir.isValid())
        return Failure{QCoreApplication::translate("ServerBackup", "%1 cannot be written: %2")
                           .arg(QDir::toNativeSeparators(scratchFolder), dir.errorString())};
    QList<QPair<QString, QByteArray>> files;
    for (const QString& name : *names) {
        if (name.compare(Database::kFileName, Qt::CaseInsensitive) == 0 ||
            !BookCopy::isSharedFile(name))
            continue;
        if (files.size() >= kMaxSharedFiles)
            return Failure{QCoreApplication::translate("ServerBackup",
                                                       "%1 holds more than %2 files beside the "
                                                       "database: it is not a Billcraft backup.")
                               .arg(QDir::toNativeSeparators(archivePath))
                               .arg(kMaxSharedFiles)};
        ZipArchive::ExtractLimits limits;
        limits.maxBytes = kMaxSharedFile;
        const QString path = dir.filePath(QStringLiteral("entry"));
        const Result<qint64> got = ZipArchive::extractOne(archivePath, name, path, limits);
        if (!got)
            return Failure{got.error()};
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return Failure{QCoreApplication::translate("ServerBackup", "%1 cannot be read: %2")
                               .arg(path, file.errorString())};
        files.append({name, file.readAll()});
        file.close();
        file.remove();
    }
    return files;
}

namespace {

// Inside the caller's transaction: the server's shared files become `files`.
Status replaceFiles(Database& server, const QList<QPair<QString, QByteArray>>& files)
{
    SharedFiles shared(server, {});
    const Result<QStringList> names = shared.names();
    if (!names)
        return Failure{names.error()};
    for (const QString& name : *names) {
        if (const Status removed = shared.remove(name); !removed)
            return removed;
    }
    for (const auto& [name, bytes] : files) {
        if (const Status written = shared.write(name, bytes); !written)
            return written;
    }
    return Done{};
}

} // namespace

Status restore(Database& server, const QString& provenCopy,
               const QList<QPair<QString, QByteArray>>& files)
{
    const QString unchanged =
        QCoreApplication::translate("ServerBackup", "Nothing has been changed.");
    Transaction tx(server);
    if (!tx.isActive())
        return Failure{QCoreApplication::translate("ServerBackup", "%1 cannot be written: %2")
                           .arg(server.path(), server.errorString())};
    const Result<int> others = server.otherSeats();
    if (!others)
        return Failure{QCoreApplication::translate("ServerBackup", "%1 cannot be read: %2")
                           .arg(server.path(), others.error())};
    if (*others > 0)
        return Failure{QCoreApplication::translate(
                           "ServerBackup",
                           "%n other seat(s) are connected to the shared books at %1. A restore "
                           "replaces everything they work on: ask them to close Billcraft, then "
                           "restore again.",
                           nullptr, *others)
                           .arg(server.path()) +
                       u' ' + unchanged};
    Database copy;
    if (!copy.open(provenCopy))
        return Failure{copy.errorString()};
    const BookCopy::Snapshot reading(copy);
    if (!reading.error().isEmpty())
        return Failure{reading.error()};
    const Result<QStringList> duplicates = BookCopy::duplicateNumbers(copy);
    if (!duplicates)
        return Failure{duplicates.error()};
    if (!duplicates->isEmpty())
        return Failure{duplicates->join(u'\n') + u'\n' + unchanged};
    for (const QString& table : Database::tableNames()) {
        // The table names are the program's own.
        const Result<qint64> gone =
            server.change(DatabaseChanges::Clients | DatabaseChanges::Invoices,
                          QStringLiteral("DELETE FROM %1").arg(table), {});
        if (!gone)
            return Failure{QCoreApplication::translate("ServerBackup", "%1 cannot be written: %2")
                               .arg(server.path(), gone.error())};
    }
    if (const Status copied = BookCopy::copyRows(copy, server); !copied)
        return Failure{copied.error() + u'\n' + unchanged};
    if (!files.isEmpty()) {
        if (const Status replaced = replaceFiles(server, files); !replaced)
            return Failure{replaced.error() + u'\n' + unchanged};
    }
    if (!tx.commit())
        return Failure{QCoreApplication::translate("ServerBackup", "%1 cannot be written: %2")
                           .arg(server.path(), server.errorString())};
    return Done{};
}

} // namespace ServerBackup
