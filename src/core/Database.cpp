#include "core/Database.h"

#include "core/Countries.h"
#include "core/DataFolder.h"
#include "core/SafeFile.h"
#include "core/StoredText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <cerrno>
#include <fcntl.h>
#include <iterator>
#include <sqlite3.h>
#include <unistd.h>

namespace {

sqlite3* handleOf(const QSqlDatabase& db)
{
    const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

// Why a call on `db` failed, for the user: a full disk or the system's reason where the disk
// or the file system refused, else the driver's own text.
QString failureReason(sqlite3* db, const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    if (code == SQLITE_FULL)
        return SafeFile::reason(ENOSPC);
    const int systemError = db ? sqlite3_system_errno(db) : 0;
    if ((code == SQLITE_IOERR || code == SQLITE_CANTOPEN) && systemError != 0)
        return SafeFile::reason(systemError);
    return error.text();
}

// Only these say that the bytes are not a database: a failure to read them says nothing
// about whose file it is.
bool isNotADatabase(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SQLITE_NOTADB || code == SQLITE_CORRUPT;
}

// The database file is made before SQLite opens it, readable by its owner alone; SQLite gives
// the journals it makes beside it the file's permissions. An existing file and its journals
// lose the group's and others' permissions.
Status makePrivate(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(path);
    const int fd = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
    else if (errno != EEXIST)
        return Failure{QCoreApplication::translate("Database", "%1 cannot be made: %2")
                           .arg(QDir::toNativeSeparators(path), SafeFile::reason(errno))};
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
        if (const Status done = DataFolder::makePrivate(path + QLatin1String(suffix)); !done)
            return done;
    }
    return Done{};
}

bool isPlainName(const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return plain.match(name).hasMatch();
}

QString sqliteTypeFor(const QString& jetType)
{
    const QString t = jetType.trimmed().toLower();
    if (t == u"memo" || t == u"text" || t.startsWith(u"text(") || t == u"longtext")
        return QStringLiteral("TEXT");
    if (t == u"long" || t == u"integer" || t == u"yesno" || t == u"currency" || t == u"counter")
        return QStringLiteral("INTEGER");
    if (t == u"date" || t == u"datetime" || t == u"double" || t == u"single")
        return QStringLiteral("REAL");
    return {};
}

} // namespace

Database::Database()
    : m_connectionName(QStringLiteral("billcraft-%1").arg(quintptr(this), 0, 16))
{}

Database::~Database()
{
    close();
}

QString Database::reasonFor(const QSqlError& error) const
{
    if (isServer()) // SQLSTATE 53100: the server's disk is full
        return error.nativeErrorCode() == u"53100" ? SafeFile::reason(ENOSPC) : error.text();
    return failureReason(sqliteHandle(), error);
}

bool Database::fail(const QString& message)
{
    m_error = message;
    close();
    return false;
}

bool Database::setError(const QString& message)
{
    m_error = message;
    return false;
}

namespace {

// Marked read-only by its owner, or not writable by us. Root may write whatever the marks say,
// so the owner's write permission is read as well: a file or folder the user made read-only is
// not written to by anyone's Billcraft.
bool isReadOnly(const QFileInfo& info)
{
    return !info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

bool Database::checkWritable(const QString& path)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    // The write-ahead journal and its index are files beside the database.
    if (!folder.isDir())
        return fail(tr("The data folder %1 does not exist.")
                        .arg(QDir::toNativeSeparators(folder.absoluteFilePath())));
    if (isReadOnly(folder))
        return fail(tr("The data folder %1 is read-only. Billcraft needs to write "
                       "there: make the folder writable, or start Billcraft with "
                       "another data folder.")
                        .arg(QDir::toNativeSeparators(folder.absoluteFilePath())));
    if (file.exists() && (!file.isFile() || isReadOnly(file)))
        return fail(tr("%1 is read-only. Billcraft needs to write to it: make the "
                       "file writable, or start Billcraft with another data folder.")
                        .arg(QDir::toNativeSeparators(path)));
    return true;
}

// Decides whether the file is ours, reading it only: nothing in this function writes to it.
// Ours are a missing or empty file, an SQLite file with no tables (new), and an SQLite file
// holding all five of our tables (existing). A file with some but not all of them was not made
// by Billcraft, which creates the five together in one transaction, so it is refused like any
// other foreign file rather than completed.
bool Database::inspect(const QString& path, bool* isNew)
{
    *isNew = true;
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return true; // SQLite makes a new database of an empty file
    if (!file.open(QIODevice::ReadOnly))
        return fail(tr("%1 cannot be read: %2").arg(path, file.errorString()));
    static constexpr char kMagic[] = "SQLite format 3";
    const QByteArray head = file.read(16);
    file.close();
    const QString foreign = tr("%1 is not a Billcraft database (%2). Billcraft has "
                               "left it unchanged.");
    if (head != QByteArray(kMagic, sizeof kMagic))
        return fail(foreign.arg(path, hasJetSignature(path)
                                          ? tr("it is a database of the earlier "
                                               "Windows program, still to be converted")
                                          : tr("it is not an SQLite file")));

    QStringList tables;
    QString problem;
    const QString probeName = m_connectionName + QStringLiteral("-probe");
    {
        QSqlDatabase probe = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), probeName);
        probe.setDatabaseName(path);
        // Read-only: a read-only connection neither rolls back a left-over journal nor
        // checkpoints a left-over write-ahead log into the file when it closes.
        probe.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!probe.open()) {
            problem = tr("%1 cannot be opened: %2")
                          .arg(path, failureReason(handleOf(probe), probe.lastError()));
        } else {
            QSqlQuery q(probe);
            if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                       "name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"))) {
                const QSqlError error = q.lastError();
                problem = isNotADatabase(error)
                              ? foreign.arg(path, error.databaseText())
                              : tr("%1 cannot be read: %2. Billcraft has left it "
                                   "unchanged.")
                                    .arg(path, failureReason(handleOf(probe), error));
            }
            while (q.next())
                tables << q.value(0).toString();
        }
        probe.close();
    }
    QSqlDatabase::removeDatabase(probeName);
    if (!problem.isEmpty())
        return fail(problem);
    if (tables.isEmpty())
        return true;

    QStringList missing;
    const QStringList original = originalTableNames();
    for (const QString& name : original) {
        if (!tables.contains(name, Qt::CaseInsensitive))
            missing << name;
    }
    if (missing.size() == original.size())
        return fail(foreign.arg(path, tr("it holds none of Billcraft's tables")));
    if (!missing.isEmpty())
        return fail(foreign.arg(
            path, tr("it lacks the tables %1").arg(missing.join(QStringLiteral(", ")))));
    *isNew = false;
    return true;
}

bool Database::hasJetSignature(const QString& path)
{
    // Bytes 4 to 19 of the first page; later Access files (.accdb) say "Standard ACE DB".
    static constexpr char kJet[] = "Standard Jet DB";
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(20).mid(4) == QByteArray(kJet, sizeof kJet);
}

bool Database::open(const QString& path)
{
    close();
    m_error.clear();
    m_engine = Engine::SQLite;
    m_server = {};
    bool isNew = true;
    if (!checkWritable(path) || !inspect(path, &isNew))
        return false;

    if (const Status own = makePrivate(path); !own)
        return fail(own.error());

    m_path = path;
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(path);
        if (!db.open())
            problem = tr("%1 cannot be opened: %2")
                          .arg(path, failureReason(handleOf(db), db.lastError()));
    }
    if (!problem.isEmpty())
        return fail(problem);
    // A write waiting for another connection's lock asks again every few milliseconds until
    // the timeout; SQLite's own timeout backs off to 100 ms between tries, so among several
    // busy writers one could miss every chance for the whole timeout.
    m_busySince.invalidate();
    sqlite3_busy_handler(
        sqliteHandle(),
        [](void* self, int tries) {
            QElapsedTimer& since = static_cast<Database*>(self)->m_busySince;
            if (tries == 0)
                since.start();
            if (since.elapsed() >= kBusyTimeoutMs)
                return 0;
            sqlite3_sleep(2);
            return 1;
        },
        this);

    // A committed invoice must survive a power cut: the write-ahead journal, synced in full at
    // every commit. Either setting can be refused (a file system without shared memory keeps
    // another journal mode), so both are read back.
    const QString mode = scalar(QStringLiteral("PRAGMA journal_mode=WAL")).toString();
    if (mode.compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        return fail(tr("%1 cannot use a write-ahead journal (the journal mode is "
                       "\"%2\"), so a saved invoice might not survive a power cut. %3")
                        .arg(path, mode, m_error));
    exec(QStringLiteral("PRAGMA synchronous=FULL"));
    if (scalar(QStringLiteral("PRAGMA synchronous")).toInt() != 2)
        return fail(tr("%1 cannot be set to write every change through to the disk, "
                       "so a saved invoice might not survive a power cut. %2")
                        .arg(path, m_error));

    if ((isNew && !createTables()) || !migrate()) {
        close();
        return false;
    }
    return true;
}

void Database::close()
{
    forgetPrepared();
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

sqlite3* Database::sqliteHandle() const
{
    if (!isOpen())
        return nullptr;
    return handleOf(connection());
}

Database::AddColumn Database::addColumnIfMissing(const QString& table, const QString& column,
                                                 const QString& columnType)
{
    const QString storage = sqliteTypeFor(columnType);
    if (!isPlainName(table) || !isPlainName(column) || storage.isEmpty()) {
        m_error = tr("Cannot add %1.%2 of type %3").arg(table, column, columnType);
        return AddColumn::Failed;
    }
    // A server folds unquoted names to lower case, so there letter case cannot tell columns apart.
    if (columns(table).contains(column, isServer() ? Qt::CaseInsensitive : Qt::CaseSensitive))
        return AddColumn::Present;
    // Identifiers cannot be bound; both are checked plain names above.
    const QString name = isServer() ? column : u'[' + column + u']';
    if (!exec(QStringLiteral("ALTER TABLE %1 ADD %2 %3").arg(table, name, columnDdl(storage))))
        return AddColumn::Failed;
    return AddColumn::Added;
}
