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

struct TableDef {
    const char* name;
    const char* key;
    const char* create;
};

// Names and columns as the program has always used them; "Date" and "Value" are quoted because
// they are SQL words. Keys are AUTOINCREMENT so that numbers of deleted rows are never reused:
// the highest InvoiceID of an identity must stay its latest invoice.
constexpr TableDef kTables[] = {
    {"TblUserData", "Identity", R"(CREATE TABLE TblUserData(
        Identity INTEGER PRIMARY KEY AUTOINCREMENT, TextLogo TEXT, Logo TEXT, LogoFont TEXT,
        FontColour INTEGER, FontSize REAL, FontStyle TEXT, PageHeader TEXT, DividerLine INTEGER,
        VatReg INTEGER, VatRate REAL, InvoiceCaption TEXT, PageFooter TEXT))"},
    {"TblClients", "ClientID", R"(CREATE TABLE TblClients(
        ClientID INTEGER PRIMARY KEY AUTOINCREMENT, Salutation TEXT, FirstName TEXT,
        LastName TEXT, Company TEXT, Address1 TEXT, Address2 TEXT, Address3 TEXT, Town TEXT,
        County TEXT, PostCode TEXT, Country TEXT, Telephone TEXT, Fax TEXT, Email TEXT,
        Mobile TEXT, Notes TEXT, Identity INTEGER))"},
    {"TblInvoices", "InvoiceID", R"(CREATE TABLE TblInvoices(
        InvoiceID INTEGER PRIMARY KEY AUTOINCREMENT, ClientID INTEGER, InvoiceNumber TEXT,
        Content TEXT, "Value" INTEGER, VAT INTEGER, Total INTEGER, "Date" REAL,
        Paid INTEGER NOT NULL DEFAULT 0, DatePaid REAL, BadDebt INTEGER NOT NULL DEFAULT 0,
        Identity INTEGER))"},
    {"TblExpenses", "ExpenseID", R"(CREATE TABLE TblExpenses(
        ExpenseID INTEGER PRIMARY KEY AUTOINCREMENT, "Date" REAL, ClientRef TEXT,
        Description TEXT, Milage REAL, "Value" INTEGER, VAT INTEGER, Identity INTEGER))"},
    {"TblAppointments", "AppointId", R"(CREATE TABLE TblAppointments(
        AppointId INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, ADate REAL, Appoint TEXT,
        ATime REAL, Alert INTEGER, Identity INTEGER))"},
};

// Schema changes after the five tables, one list per version (PRAGMA user_version). A new file
// gets its tables and then every step; an older one the steps it has not had yet.
//
// Version 2 indexes the invoice list so that its views read only what they show: the unpaid
// views read a partial index of the unpaid rows alone (which holds every listed column, so not
// even the unpaid rows' table pages are read), and each order of the other views has an index
// that yields it without a sort. (Identity, Paid, DatePaid) serves the paid invoices of a period.
// InvoiceID is the rowid: an index ordered by (Identity, Date) is ordered by (Identity, Date,
// InvoiceID).
const QList<QStringList>& migrations()
{
    static const QList<QStringList> steps = {
        {
            // 1: every list of the program filters on the current identity.
            "CREATE INDEX IF NOT EXISTS IdxClientsIdentity ON TblClients(Identity, Company)",
            "CREATE INDEX IF NOT EXISTS IdxInvoicesIdentity ON TblInvoices(Identity, InvoiceID)",
            "CREATE INDEX IF NOT EXISTS IdxInvoicesClient ON TblInvoices(ClientID)",
            "CREATE INDEX IF NOT EXISTS IdxExpensesIdentity ON TblExpenses(Identity, \"Date\")",
            "CREATE INDEX IF NOT EXISTS IdxAppointmentsIdentity ON TblAppointments(Identity, "
            "ADate)",
        },
        {
            // 2: the invoice list's views and the paid invoices of a period.
            "CREATE INDEX IF NOT EXISTS IdxInvoicesUnpaid ON TblInvoices(Identity, InvoiceID, "
            "\"Date\", InvoiceNumber, ClientID, Content, \"Value\", VAT, Total, Paid, DatePaid, "
            "BadDebt) WHERE Paid = 0",
            "CREATE INDEX IF NOT EXISTS IdxInvoicesUnpaidNumber ON TblInvoices(Identity, "
            "InvoiceNumber, \"Date\", ClientID, Content, \"Value\", VAT, Total, Paid, DatePaid, "
            "BadDebt) WHERE Paid = 0",
            "CREATE INDEX IF NOT EXISTS IdxInvoicesPaidNumber ON TblInvoices(Identity, "
            "InvoiceNumber) WHERE Paid = -1",
            "CREATE INDEX IF NOT EXISTS IdxInvoicesDate ON TblInvoices(Identity, \"Date\")",
            "CREATE INDEX IF NOT EXISTS IdxInvoicesDateNumber ON TblInvoices(Identity, \"Date\", "
            "InvoiceNumber)",
            "CREATE INDEX IF NOT EXISTS IdxInvoicesPaidOn ON TblInvoices(Identity, Paid, DatePaid)",
            // The per-client views; they serve "has this client invoices" as the ClientID index
            // did.
            "CREATE INDEX IF NOT EXISTS IdxInvoicesClientDate ON TblInvoices(ClientID, \"Date\")",
            "CREATE INDEX IF NOT EXISTS IdxInvoicesClientDateNumber ON TblInvoices(ClientID, "
            "\"Date\", InvoiceNumber)",
            "DROP INDEX IF EXISTS IdxInvoicesClient",
        },
        {
            // 3: the business terms an e-invoice needs beyond the printed page; the columns come
            // from businessTerms(), which runs after these statements.
        },
    };
    return steps;
}

// Version 3's columns: the seller's terms on each identity, the buyer's on each client. Named
// as other tools may rely on them. An empty LegalName means the trading name (TextLogo), an
// empty EInvoiceAddress the client's e-mail.
struct TermColumn {
    const char* table;
    const char* column;
    const char* type;
};
constexpr TermColumn kTermColumns[] = {
    {"TblUserData", "LegalName", "TEXT"},
    {"TblUserData", "VatId", "TEXT"},
    {"TblUserData", "TaxNumber", "TEXT"},
    {"TblUserData", "Street", "TEXT"},
    {"TblUserData", "Town", "TEXT"},
    {"TblUserData", "PostCode", "TEXT"},
    {"TblUserData", "CountryCode", "TEXT"},
    {"TblUserData", "Email", "TEXT"},
    {"TblUserData", "Phone", "TEXT"},
    {"TblUserData", "ContactName", "TEXT"},
    {"TblUserData", "Iban", "TEXT"},
    {"TblUserData", "Bic", "TEXT"},
    {"TblUserData", "PaymentDays", "INTEGER NOT NULL DEFAULT 30"},
    {"TblClients", "CountryCode", "TEXT"},
    {"TblClients", "VatId", "TEXT"},
    {"TblClients", "EInvoiceAddress", "TEXT"},
    {"TblClients", "BuyerReference", "TEXT"},
};

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

QString Database::keyColumn(const QString& table)
{
    for (const TableDef& t : kTables) {
        if (table.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return QLatin1String(t.key);
    }
    return {};
}

QStringList Database::tableNames()
{
    QStringList names;
    for (const TableDef& t : kTables)
        names << QLatin1String(t.name);
    return names;
}

QStringList Database::columnNames()
{
    // Each column of a table's statement follows its "(" or "," and comes before its type.
    static const QRegularExpression column(
        QStringLiteral("[(,]\\s*\"?([A-Za-z_][A-Za-z0-9_]*)\"?\\s+(?:INTEGER|TEXT|REAL)\\b"));
    QStringList names;
    for (const TableDef& t : kTables) {
        const QString ddl = QString::fromLatin1(t.create); // the matches read it in place
        for (const QRegularExpressionMatch& m : column.globalMatch(ddl))
            names << m.captured(1);
    }
    for (const TermColumn& c : kTermColumns)
        names << QLatin1String(c.column);
    names.removeDuplicates();
    return names;
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
    for (const TableDef& t : kTables) {
        if (!tables.contains(QLatin1String(t.name), Qt::CaseInsensitive))
            missing << QLatin1String(t.name);
    }
    if (missing.size() == int(std::size(kTables)))
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

bool Database::createTables()
{
    Transaction tx(*this);
    if (!makeTables())
        return false;
    if (!tx.commit())
        return setError(tr("%1 cannot be written: %2").arg(m_path, m_error));
    return true;
}

bool Database::makeTables()
{
    for (const TableDef& t : kTables) {
        if (!exec(tableDdl(QString::fromLatin1(t.create))))
            return setError(tr("%1: the table %2 cannot be created: %3")
                                .arg(m_path, QLatin1String(t.name), m_error));
    }
    return true;
}

bool Database::migrate()
{
    const int from = schemaVersion();
    if (from >= kSchemaVersion)
        return true;
    // All the steps or none: a failure leaves the file at the version it had.
    Transaction tx(*this, Transaction::Mode::Immediate);
    if (!runSteps(from))
        return false;
    if (!writeSchemaVersion(kSchemaVersion) || !tx.commit())
        return setError(tr("%1 cannot be upgraded: %2").arg(m_path, m_error));
    return true;
}

bool Database::runSteps(int from)
{
    const QList<QStringList>& steps = migrations();
    static_assert(kSchemaVersion == 3, "a new schema version needs its step in migrations()");
    Q_ASSERT(steps.size() == kSchemaVersion);
    for (int version = from + 1; version <= steps.size(); ++version) {
        bool done = true;
        for (const QString& sql : steps[version - 1])
            done = done && exec(indexDdl(sql));
        if (done && version == 3)
            done = addBusinessTerms();
        if (!done)
            return setError(tr("%1 cannot be upgraded to version %2: %3")
                                .arg(m_path)
                                .arg(version)
                                .arg(m_error));
    }
    return true;
}

bool Database::addBusinessTerms()
{
    QHash<QString, QStringList> present; // each table's columns, read once
    for (const TermColumn& c : kTermColumns) {
        const QString table = QLatin1String(c.table), column = QLatin1String(c.column);
        if (!present.contains(table))
            present.insert(table, columns(table));
        // Identifiers cannot be bound; these are the constants above.
        // A server gives its column names in lower case.
        if (!present[table].contains(column, Qt::CaseInsensitive) &&
            !exec(QStringLiteral("ALTER TABLE %1 ADD %2 %3")
                      .arg(table, column, columnDdl(QLatin1String(c.type)))))
            return false;
    }
    return fillCountryCodes();
}

bool Database::fillCountryCodes()
{
    const QString country = QStringLiteral("Country");
    if (!columns(QStringLiteral("TblClients")).contains(country))
        return true;
    QSqlQuery names = prepare(QStringLiteral(
        "SELECT DISTINCT Country FROM TblClients WHERE Country IS NOT NULL AND Country <> '' "
        "AND (CountryCode IS NULL OR CountryCode = '')"));
    if (!exec(names))
        return false;
    QList<QPair<QString, QString>> found;
    while (names.next()) {
        const QString name = names.value(0).toString();
        if (const QString code = Countries::codeFromName(name); !code.isEmpty())
            found.append({code, name});
    }
    for (const auto& [code, name] : found) {
        if (!exec(QStringLiteral("UPDATE TblClients SET CountryCode = ? WHERE Country = ? AND "
                                 "(CountryCode IS NULL OR CountryCode = '')"),
                  {code, name}))
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

int Database::schemaVersion() const
{
    QSqlQuery q(connection());
    const QString sql = isServer() ? QStringLiteral("SELECT Version FROM BillcraftSchema")
                                   : QStringLiteral("PRAGMA user_version");
    return q.exec(sql) && q.next() ? q.value(0).toInt() : 0;
}

bool Database::writeSchemaVersion(int version)
{
    return isServer() ? exec(QStringLiteral("UPDATE BillcraftSchema SET Version = ?"), {version})
                      : exec(QStringLiteral("PRAGMA user_version=%1").arg(version));
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
