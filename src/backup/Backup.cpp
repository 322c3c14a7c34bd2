#include "backup/Backup.h"

#include "core/Database.h"
#include "core/SafeFile.h"
#include "identities/IdentityStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <sqlite3.h>
#include <unistd.h>

namespace {

const char* const kTables[] = {"TblUserData", "TblClients", "TblInvoices", "TblExpenses",
                               "TblAppointments"};

// Pages copied per step of the online backup: 4 MiB at SQLite's default page size, small
// enough for the progress dialog to answer between steps.
constexpr int kPagesPerStep = 1024;
// Virtual machine steps of SQLite between two calls of a long check's progress function.
constexpr int kStepsPerCall = 100000;
// Share of a backup's progress taken by the snapshot; compressing takes the rest.
constexpr double kSnapshotShare = 0.25;

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using SqlitePtr = std::unique_ptr<sqlite3, SqliteCloser>;

// Why the last call on `db` failed, for the user: a full disk or the system's reason where the
// disk refused, else SQLite's text.
QString sqliteReason(sqlite3* db)
{
    const int code = sqlite3_errcode(db) & 0xff;
    if (code == SQLITE_FULL)
        return SafeFile::reason(ENOSPC);
    if ((code == SQLITE_IOERR || code == SQLITE_CANTOPEN) && sqlite3_system_errno(db) != 0)
        return SafeFile::reason(sqlite3_system_errno(db));
    return QString::fromUtf8(sqlite3_errmsg(db));
}

Result<SqlitePtr> openSqlite(const QString& path, int flags)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, flags, nullptr);
    SqlitePtr db(raw);
    if (rc != SQLITE_OK)
        return Failure{QCoreApplication::translate("Backup", "%1 cannot be opened: %2")
                           .arg(native(path),
                                QString::fromUtf8(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)))};
    return db;
}

// Whether the file begins as every SQLite database does.
bool hasSqliteHeader(const QString& path)
{
    static constexpr char kMagic[] = "SQLite format 3";
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(16) == QByteArray(kMagic, sizeof kMagic);
}

// Copies the open database `source`, as of now, into a new file at `to`.
Status snapshot(sqlite3* source, const QString& to, const ZipArchive::Progress& progress)
{
    Result<SqlitePtr> opened = openSqlite(to, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!opened)
        return Failure{opened.error()};
    sqlite3* dest = opened->get();
    // A passing file, compressed and then deleted: it needs neither a journal nor syncs.
    sqlite3_exec(dest, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF", nullptr, nullptr,
                 nullptr);
    sqlite3_backup* backup = sqlite3_backup_init(dest, "main", source, "main");
    if (!backup)
        return Failure{QString::fromUtf8(sqlite3_errmsg(dest))};

    int busyWaits = 0;
    bool cancelled = false;
    for (;;) {
        const int rc = sqlite3_backup_step(backup, kPagesPerStep);
        if (rc == SQLITE_DONE)
            break;
        if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
            // Another program holds a lock for a moment; give up after about ten seconds.
            if (++busyWaits > 500)
                break;
            sqlite3_sleep(20);
        } else if (rc != SQLITE_OK) {
            break;
        }
        const int total = sqlite3_backup_pagecount(backup);
        const int left = sqlite3_backup_remaining(backup);
        if (progress && total > 0 && !progress(double(total - left) / double(total))) {
            cancelled = true;
            break;
        }
    }
    sqlite3_backup_finish(backup);
    if (cancelled)
        return Failure{QCoreApplication::translate("Backup", "cancelled.")};
    if (const int rc = sqlite3_errcode(dest); rc != SQLITE_OK)
        return Failure{sqliteReason(dest)};
    sqlite3* raw = opened->release();
    if (sqlite3_close(raw) != SQLITE_OK)
        return Failure{sqliteReason(raw)};
    return Done{};
}

bool samePath(const QString& a, const QString& b)
{
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

// Column names of every table of a database made by this program today, lower-cased.
Result<QList<QStringList>> currentColumns()
{
    QTemporaryDir dir;
    Database fresh;
    if (!dir.isValid() || !fresh.open(dir.filePath(Database::kFileName)))
        return Failure{
            QCoreApplication::translate("Backup", "A reference database cannot be made: %1")
                .arg(fresh.errorString())};
    QList<QStringList> columns;
    for (const char* table : kTables)
        columns.append(fresh.columns(QLatin1String(table)).join(u'\n').toLower().split(u'\n'));
    return columns;
}

// One text column of each row a statement returns.
Result<QStringList> column(sqlite3* db, const char* sql)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK)
        return Failure{QString::fromUtf8(sqlite3_errmsg(db))};
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
    QStringList values;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW)
        values << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(raw, 0)));
    if (rc != SQLITE_DONE)
        return Failure{QString::fromUtf8(sqlite3_errmsg(db))};
    return values;
}

// The archive of the open database `source`, whose file is `live`; the passing snapshot is
// made in `scratchFolder`.
Status writeArchive(sqlite3* source, const QString& live, const QString& scratchFolder,
                    const QString& archivePath, const ZipArchive::Progress& progress)
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        if (samePath(archivePath, live + QLatin1String(suffix)))
            return Failure{QCoreApplication::translate(
                               "Backup", "%1 is the database itself; a backup needs a file of "
                                         "its own.")
                               .arg(native(archivePath))};
    }

    QString copy;
    {
        QTemporaryFile reserve(QDir(scratchFolder).filePath(QStringLiteral("backup-XXXXXX.db")));
        reserve.setAutoRemove(false);
        if (!reserve.open())
            return Failure{QCoreApplication::translate("Backup", "%1 cannot be written: %2")
                               .arg(native(scratchFolder), reserve.errorString())};
        copy = reserve.fileName();
    }
    struct Cleanup {
        QString path;
        ~Cleanup() { QFile::remove(path); }
    } cleanup{copy};

    const Status copied =
        snapshot(source, copy, [&](double f) { return !progress || progress(f * kSnapshotShare); });
    if (!copied)
        return Failure{QCoreApplication::translate(
                           "Backup", "%1 cannot be written: the database could not be copied: %2")
                           .arg(native(archivePath), copied.error())};

    ZipArchive::WriteOptions options;
    options.level = 1;
    options.progress = [&](double f) {
        return !progress || progress(kSnapshotShare + f * (1 - kSnapshotShare));
    };
    return ZipArchive::write(archivePath, {{Database::kFileName, copy, {}}}, options);
}

// The part-written archives that ZipArchive::write leaves beside `archive` when it is killed:
// <archive>.XXXXXX.part.
void removeStaleParts(const QString& archive)
{
    const QFileInfo target(archive);
    const QRegularExpression part(QStringLiteral("^%1\\.[A-Za-z0-9]{6}\\.part$")
                                      .arg(QRegularExpression::escape(target.fileName())));
    const QDir dir = target.absoluteDir();
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (part.match(name).hasMatch())
            QFile::remove(dir.filePath(name));
    }
}

// Orders the kept copies of replaced databases, newest first: by the date in the name, then
// by the number after it (none is the day's first).
QStringList keptCopies(const QString& temp)
{
    static const QRegularExpression kept(
        QStringLiteral("^%1(\\d{4}-\\d{2}-\\d{2})(?:-(\\d+))?\\.mdb$")
            .arg(QRegularExpression::escape(Restore::kKeptPrefix)));
    QList<std::pair<std::pair<QString, int>, QString>> found;
    for (const QString& name : QDir(temp).entryList(QDir::Files)) {
        const QRegularExpressionMatch m = kept.match(name);
        if (m.hasMatch())
            found.append(
                {{m.captured(1), m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()}, name});
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a > b; });
    QStringList names;
    for (const auto& entry : found)
        names << entry.second;
    return names;
}

// A name for today's kept copy that no file has yet.
QString keptName(const QString& temp, QDate today)
{
    const QString base = Restore::kKeptPrefix + today.toString(Qt::ISODate);
    QString name = base + QStringLiteral(".mdb");
    for (int n = 2; QFileInfo::exists(QDir(temp).filePath(name)); ++n)
        name = base + QStringLiteral("-%1.mdb").arg(n);
    return QDir(temp).filePath(name);
}

// Keeps `live` as `kept`: a second name for the same file where the file system allows it (the
// old file then lives on under that name alone), else a flushed copy.
Status keep(const QString& live, const QString& kept)
{
    const QByteArray from = QFile::encodeName(live), to = QFile::encodeName(kept);
    if (::link(from.constData(), to.constData()) == 0)
        return Done{};
    const auto failed = [&](const QString& why) -> Status {
        QFile::remove(kept);
        return Failure{QCoreApplication::translate(
                           "Backup", "%1 cannot be kept as %2: %3; it has not been replaced.")
                           .arg(native(live), native(kept), why)};
    };
    QFile in(live);
    QFile out(kept);
    if (!in.open(QIODevice::ReadOnly))
        return failed(in.errorString());
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFile::ReadOwner | QFile::WriteOwner))
        return failed(out.errorString());
    QString why;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            return failed(in.errorString());
        if (!SafeFile::writeAll(out, chunk, &why))
            return failed(why);
    }
    if (!SafeFile::flushToDisk(out, &why))
        return failed(why);
    return Done{};
}

} // namespace

namespace Backup {

Status write(Database& db, const QString& archivePath, const ZipArchive::Progress& progress)
{
    sqlite3* source = db.isOpen() ? db.sqliteHandle() : nullptr;
    if (!source)
        return Failure{QCoreApplication::translate("Backup", "The database is not open.")};
    const Result<QString> scratch =
        DataFolder::privateSubfolder(QFileInfo(db.path()).absolutePath(), kScratchFolder);
    if (!scratch)
        return Failure{scratch.error()};
    return writeArchive(source, db.path(), *scratch, archivePath, progress);
}

Status runJob(const QString& dataFolder, const QString& archivePath)
{
    if (archivePath.isEmpty())
        return Failure{
            QCoreApplication::translate("Backup", "--backup needs FILE, the archive to write.")};
    const QDir folder(dataFolder);
    const QString dbPath = folder.filePath(Database::kFileName);
    // Opening a missing database would create one: a backup never does.
    if (!QFileInfo(dbPath).isFile())
        return Failure{
            QCoreApplication::translate("Backup", "There is no Billcraft database (%1) in %2.")
                .arg(Database::kFileName, native(folder.path()))};
    // Read only, so that a backup needs no right to write the database and never upgrades,
    // fills or otherwise changes it.
    const QString notOurs =
        QCoreApplication::translate("Backup", "%1 is not a Billcraft database").arg(native(dbPath));
    if (!hasSqliteHeader(dbPath))
        return Failure{notOurs + u'.'};
    {
        // Even a reading connection makes the log and shared-memory files beside a database in
        // write-ahead mode. Without a log no other program has the file open, and the tables
        // are read from the file alone, so one that is not ours is left with nothing beside it.
        const bool logged = QFileInfo::exists(dbPath + QStringLiteral("-wal"));
        const QString uri = QString::fromUtf8(QUrl::fromLocalFile(dbPath).toEncoded()) +
                            (logged ? QString() : QStringLiteral("?immutable=1"));
        Result<SqlitePtr> judged = openSqlite(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
        if (!judged)
            return Failure{judged.error()};
        const Result<QStringList> tables =
            column(judged->get(), "SELECT lower(name) FROM sqlite_master WHERE type = 'table'");
        if (!tables)
            return Failure{QCoreApplication::translate("Backup", "%1 cannot be read: %2")
                               .arg(native(dbPath), tables.error())};
        for (const char* table : kTables) {
            if (!tables->contains(QString::fromLatin1(table).toLower()))
                return Failure{QCoreApplication::translate("Backup", "%1: it has no table %2.")
                                   .arg(notOurs, QLatin1String(table))};
        }
    }
    const QString archive = QFileInfo(archivePath).absoluteFilePath();
    const QFileInfo folderInfo(folder.absolutePath());
    const bool writable =
        folderInfo.isWritable() && (folderInfo.permissions() & QFileDevice::WriteOwner);
    // Held until the archive is written. Without it (a read-only folder that has no lock file,
    // or a lock file of another user's) the backup is still made, only nothing is cleaned up.
    const Result<std::unique_ptr<DataFolder::Hold>> hold =
        DataFolder::Hold::take(folder.absolutePath(), writable);
    if (hold) {
        // What cannot be removed now is reported when the window next starts.
        (*hold)->whileAlone([&] {
            DataFolder::removeStaleScratchFiles(folder.absolutePath());
            removeStaleParts(archive);
        });
    }
    // The snapshot is made in the data folder's Temp, or beside the archive when the data
    // folder is read-only.
    QString scratch = QFileInfo(archive).absolutePath();
    if (writable) {
        const Result<QString> temp =
            DataFolder::privateSubfolder(folder.absolutePath(), kScratchFolder);
        if (!temp)
            return Failure{temp.error()};
        scratch = *temp;
    }
    Result<SqlitePtr> opened = openSqlite(dbPath, SQLITE_OPEN_READONLY);
    if (!opened)
        return Failure{opened.error()};
    return writeArchive(opened->get(), dbPath, scratch, archive, {});
}

} // namespace Backup

namespace Restore {

QString copyPath(const QString& dataFolder)
{
    return QDir(dataFolder).filePath(Backup::kScratchFolder + u'/' + Database::kFileName);
}

Result<QString> extract(const QString& dataFolder, const QString& archivePath,
                        const ZipArchive::Progress& progress)
{
    if (const Result<QString> temp =
            DataFolder::privateSubfolder(dataFolder, Backup::kScratchFolder);
        !temp)
        return Failure{temp.error()};
    const QString copy = copyPath(dataFolder);
    // A journal left beside an earlier copy would be replayed into this one.
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        const QString stale = copy + QLatin1String(suffix);
        if (QFileInfo::exists(stale) && !QFile::remove(stale))
            return Failure{
                QCoreApplication::translate("Backup", "The earlier copy %1 cannot be removed.")
                    .arg(native(stale))};
    }
    ZipArchive::ExtractLimits limits;
    limits.progress = progress;
    const Result<qint64> got =
        ZipArchive::extractOne(archivePath, Database::kFileName, copy, limits);
    if (!got)
        return Failure{got.error()};
    // Written with the usual permissions; the folder kept others out meanwhile.
    if (const Status own = DataFolder::makePrivate(copy); !own)
        return Failure{own.error()};
    return copy;
}

Status prove(const QString& copy, const std::function<bool()>& stillWanted)
{
    const QString where = native(copy);
    if (!hasSqliteHeader(copy))
        return Failure{
            QCoreApplication::translate("Backup", "%1 is not an SQLite database.").arg(where)};
    const Result<QList<QStringList>> expected = currentColumns();
    if (!expected)
        return Failure{expected.error()};
    {
        Result<SqlitePtr> opened = openSqlite(copy, SQLITE_OPEN_READONLY);
        if (!opened)
            return Failure{opened.error()};
        sqlite3* db = opened->get();
        if (stillWanted) {
            sqlite3_progress_handler(
                db, kStepsPerCall,
                [](void* wanted) {
                    return (*static_cast<const std::function<bool()>*>(wanted))() ? 0 : 1;
                },
                const_cast<std::function<bool()>*>(&stillWanted));
        }
        const Result<QStringList> check = column(db, "PRAGMA integrity_check");
        if (!check)
            return Failure{QCoreApplication::translate("Backup", "%1 is damaged: %2")
                               .arg(where, check.error())};
        if (*check != QStringList{QStringLiteral("ok")})
            return Failure{QCoreApplication::translate("Backup", "%1 is damaged: %2")
                               .arg(where, check->value(0))};
        for (int t = 0; t < int(std::size(kTables)); ++t) {
            const QByteArray sql =
                QByteArray("SELECT lower(name) FROM pragma_table_info('") + kTables[t] + "')";
            const Result<QStringList> have = column(db, sql.constData());
            if (!have)
                return Failure{QStringLiteral("%1: %2").arg(where, have.error())};
            if (have->isEmpty())
                return Failure{QCoreApplication::translate(
                                   "Backup", "%1 is not a Billcraft database: it has no table %2.")
                                   .arg(where, QLatin1String(kTables[t]))};
            for (const QString& name : expected->at(t)) {
                // The one column that start-up adds to older files.
                if (!have->contains(name) && !(t == 1 && name == u"notes"))
                    return Failure{QCoreApplication::translate(
                                       "Backup", "%1 is not a Billcraft database: the table %2 "
                                                 "has no column %3.")
                                       .arg(where, QLatin1String(kTables[t]), name)};
            }
        }
    }
    // As at start-up: the schema upgrade, then the column for client notes, then the identity.
    Database db;
    if (!db.open(copy))
        return Failure{db.errorString()};
    if (db.addColumnIfMissing(QStringLiteral("TblClients"), QStringLiteral("Notes"),
                              QStringLiteral("Memo")) == Database::AddColumn::Failed)
        return Failure{db.errorString()};
    const Result<int> first = IdentityStore::firstIdentity(db);
    if (!first)
        return Failure{first.error()};
    db.close();
    return Done{};
}

namespace {

// A connection holding `live` locked against every other connection, from here until it is
// closed: exclusive locking mode inside an exclusive transaction. Asked for once, without
// waiting: a program holding the file open keeps it. Null when there is no live file.
Result<SqlitePtr> lockLive(const QString& live, const QString& inUse)
{
    if (!QFileInfo::exists(live))
        return SqlitePtr{};
    Result<SqlitePtr> opened = openSqlite(live, SQLITE_OPEN_READWRITE);
    if (!opened)
        return Failure{opened.error()};
    const int rc = sqlite3_exec(opened->get(), "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE",
                                nullptr, nullptr, nullptr);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        return Failure{inUse};
    if (rc != SQLITE_OK)
        return Failure{QCoreApplication::translate("Backup", "%1 cannot be locked: %2")
                           .arg(native(live), QString::fromUtf8(sqlite3_errmsg(opened->get())))};
    return opened;
}

// The copy's bytes in a new file beside `live`, on the disk, ready to be renamed over it. A
// temporary file is its owner's alone (0600), as the books should be.
Result<std::unique_ptr<QTemporaryFile>> writeBeside(const QString& copy, const QString& live)
{
    QFile in(copy);
    if (!in.open(QIODevice::ReadOnly))
        return Failure{QCoreApplication::translate("Backup", "%1 cannot be read: %2")
                           .arg(native(copy), in.errorString())};
    auto out = std::make_unique<QTemporaryFile>(live + QStringLiteral(".XXXXXX.part"));
    if (!out->open())
        return Failure{QCoreApplication::translate("Backup", "%1 cannot be written: %2")
                           .arg(native(live), out->errorString())};
    QString why;
    for (;;) {
        const QByteArray chunk = in.read(1 << 20);
        if (chunk.isEmpty()) {
            if (in.error() != QFileDevice::NoError)
                return Failure{QCoreApplication::translate("Backup", "%1 cannot be read: %2")
                                   .arg(native(copy), in.errorString())};
            break;
        }
        if (!SafeFile::writeAll(*out, chunk, &why))
            return Failure{QCoreApplication::translate("Backup", "%1 cannot be written: %2")
                               .arg(native(live), why)};
    }
    // On the disk before the rename makes it the live file.
    if (!SafeFile::flushToDisk(*out, &why))
        return Failure{QCoreApplication::translate("Backup", "%1 cannot be written: %2")
                           .arg(native(live), why)};
    return out;
}

} // namespace

Result<QString> replaceLive(const QString& dataFolder, QDate today)
{
    const QString live = QDir(dataFolder).filePath(Database::kFileName);
    const QString copy = copyPath(dataFolder);
    const QString inUse =
        QCoreApplication::translate(
            "Backup", "%1 is still open in another program; it has not been replaced.")
            .arg(native(live));
    // Held from here through the rename.
    Result<SqlitePtr> locked = lockLive(live, inUse);
    if (!locked)
        return Failure{locked.error()};
    SqlitePtr lock = std::move(*locked);
    // Committed rows still in the log (left by a program that stopped) would be replayed
    // into the new file.
    if (QFileInfo(live + QStringLiteral("-wal")).size() > 0)
        return Failure{inUse};
    Result<std::unique_ptr<QTemporaryFile>> written = writeBeside(copy, live);
    if (!written)
        return Failure{written.error()};
    QTemporaryFile& out = **written;

    QString kept, temp;
    if (lock) {
        const Result<QString> folder =
            DataFolder::privateSubfolder(dataFolder, Backup::kScratchFolder);
        if (!folder)
            return Failure{folder.error()};
        temp = *folder;
        kept = keptName(temp, today);
        if (const Status done = keep(live, kept); !done)
            return Failure{done.error()};
    }
    if (std::rename(QFile::encodeName(out.fileName()).constData(),
                    QFile::encodeName(live).constData()) != 0) {
        const int error = errno;
        if (!kept.isEmpty())
            QFile::remove(kept);
        return Failure{QCoreApplication::translate("Backup", "%1 cannot be replaced: %2")
                           .arg(native(live), SafeFile::reason(error))};
    }
    out.setAutoRemove(false); // it is the live file now
    // The rename and the kept name on the disk, so that a power cut cannot bring the old file
    // back or lose it.
    bool synced = ZipArchive::syncFolder(dataFolder);
    int syncError = errno;
    if (synced && !temp.isEmpty()) {
        synced = ZipArchive::syncFolder(temp);
        syncError = errno;
    }
    // Closing ends the transaction on the old file, whose log it removes (an empty one).
    lock.reset();
    // The old file's shared-memory index describes nothing any more.
    QFile::remove(live + QStringLiteral("-shm"));
    if (!synced)
        return Failure{QCoreApplication::translate(
                           "Backup", "%1 was replaced, but the change could not be flushed to "
                                     "disk: %2")
                           .arg(native(live), SafeFile::reason(syncError))};
    // The oldest kept copies go. One that cannot be removed is only kept longer.
    if (!temp.isEmpty()) {
        const QStringList copies = keptCopies(temp);
        for (qsizetype i = kKeptCopies; i < copies.size(); ++i)
            QFile::remove(QDir(temp).filePath(copies[i]));
    }
    return kept;
}

} // namespace Restore
