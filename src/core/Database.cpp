#include "core/Database.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>

namespace {

struct TableDef {
    const char* name;
    const char* create;
};

// Names and columns as the program has always used them; "Date" and "Value" are quoted because
// they are SQL words. Keys are AUTOINCREMENT so that numbers of deleted rows are never reused:
// the highest InvoiceID of an identity must stay its latest invoice.
constexpr TableDef kTables[] = {
    {"TblUserData", R"(CREATE TABLE TblUserData(
        Identity INTEGER PRIMARY KEY AUTOINCREMENT, TextLogo TEXT, Logo TEXT, LogoFont TEXT,
        FontColour INTEGER, FontSize REAL, FontStyle TEXT, PageHeader TEXT, DividerLine INTEGER,
        VatReg INTEGER, VatRate REAL, InvoiceCaption TEXT, PageFooter TEXT))"},
    {"TblClients", R"(CREATE TABLE TblClients(
        ClientID INTEGER PRIMARY KEY AUTOINCREMENT, Salutation TEXT, FirstName TEXT,
        LastName TEXT, Company TEXT, Address1 TEXT, Address2 TEXT, Address3 TEXT, Town TEXT,
        County TEXT, PostCode TEXT, Country TEXT, Telephone TEXT, Fax TEXT, Email TEXT,
        Mobile TEXT, Notes TEXT, Identity INTEGER))"},
    {"TblInvoices", R"(CREATE TABLE TblInvoices(
        InvoiceID INTEGER PRIMARY KEY AUTOINCREMENT, ClientID INTEGER, InvoiceNumber TEXT,
        Content TEXT, "Value" INTEGER, VAT INTEGER, Total INTEGER, "Date" REAL,
        Paid INTEGER NOT NULL DEFAULT 0, DatePaid REAL, BadDebt INTEGER NOT NULL DEFAULT 0,
        Identity INTEGER))"},
    {"TblExpenses", R"(CREATE TABLE TblExpenses(
        ExpenseID INTEGER PRIMARY KEY AUTOINCREMENT, "Date" REAL, ClientRef TEXT,
        Description TEXT, Milage REAL, "Value" INTEGER, VAT INTEGER, Identity INTEGER))"},
    {"TblAppointments", R"(CREATE TABLE TblAppointments(
        AppointId INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, ADate REAL, Appoint TEXT,
        ATime REAL, Alert INTEGER, Identity INTEGER))"},
};

// Every list of the program filters on the current identity.
constexpr const char* kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS IdxClientsIdentity ON TblClients(Identity, Company)",
    "CREATE INDEX IF NOT EXISTS IdxInvoicesIdentity ON TblInvoices(Identity, InvoiceID)",
    "CREATE INDEX IF NOT EXISTS IdxInvoicesClient ON TblInvoices(ClientID)",
    "CREATE INDEX IF NOT EXISTS IdxExpensesIdentity ON TblExpenses(Identity, \"Date\")",
    "CREATE INDEX IF NOT EXISTS IdxAppointmentsIdentity ON TblAppointments(Identity, ADate)",
};

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

bool Database::validateExistingFile(const QString& path)
{
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return true; // SQLite makes a new database of an empty file
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1 cannot be read: %2").arg(path, file.errorString()));
    static constexpr char kMagic[] = "SQLite format 3";
    const QByteArray head = file.read(16);
    if (head != QByteArray(kMagic, sizeof kMagic))
        return fail(QStringLiteral("%1 is not a Billcraft database.").arg(path));
    return true;
}

bool Database::open(const QString& path)
{
    close();
    m_error.clear();
    if (!validateExistingFile(path))
        return false;

    m_path = path;
    QString problem;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
        db.setDatabaseName(path);
        if (!db.open()) {
            problem = QStringLiteral("%1 cannot be opened: %2").arg(path, db.lastError().text());
        } else {
            // Reading the schema is the first real look at the file: a damaged one fails here,
            // before anything has been written to it.
            QSqlQuery probe(db);
            if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                problem = QStringLiteral("%1 is not a Billcraft database: %2")
                              .arg(path, probe.lastError().databaseText());
        }
    }
    if (!problem.isEmpty())
        return fail(problem);

    if (!createMissingTables() || !migrate()) {
        close();
        return false;
    }

    // A committed invoice must survive a power cut.
    exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    exec(QStringLiteral("PRAGMA synchronous=FULL"));
    return true;
}

bool Database::createMissingTables()
{
    const QStringList existing = connection().tables(QSql::Tables);
    auto has = [&](const QString& name) { return existing.contains(name, Qt::CaseInsensitive); };
    bool anyMissing = false;
    for (const TableDef& t : kTables)
        anyMissing = anyMissing || !has(QLatin1String(t.name));
    if (!anyMissing)
        return true;

    Transaction tx(*this);
    for (const TableDef& t : kTables) {
        if (!has(QLatin1String(t.name)) && !exec(QString::fromLatin1(t.create)))
            return setError(QStringLiteral("%1: the table %2 cannot be created: %3")
                                .arg(m_path, QLatin1String(t.name), m_error));
    }
    for (const char* index : kIndexes) {
        if (!exec(QString::fromLatin1(index)))
            return setError(QStringLiteral("%1 cannot be indexed: %2").arg(m_path, m_error));
    }
    if (!exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion)) || !tx.commit())
        return setError(QStringLiteral("%1 cannot be written: %2").arg(m_path, m_error));
    return true;
}

bool Database::migrate()
{
    // Numbered steps from one schema version to the next go here; version 1 is the first.
    if (schemaVersion() >= kSchemaVersion)
        return true;
    Transaction tx(*this);
    for (const char* index : kIndexes) {
        if (!exec(QString::fromLatin1(index)))
            return setError(QStringLiteral("%1 cannot be upgraded: %2").arg(m_path, m_error));
    }
    if (!exec(QStringLiteral("PRAGMA user_version=%1").arg(kSchemaVersion)) || !tx.commit())
        return setError(QStringLiteral("%1 cannot be upgraded: %2").arg(m_path, m_error));
    return true;
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && connection().isOpen();
}

QSqlDatabase Database::connection() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

QSqlQuery Database::prepare(const QString& sql) const
{
    QSqlQuery q(connection());
    q.setForwardOnly(true);
    q.prepare(sql);
    return q;
}

bool Database::exec(QSqlQuery& query)
{
    if (query.exec())
        return true;
    m_error = query.lastError().text();
    return false;
}

bool Database::exec(const QString& sql, const QVariantList& values)
{
    QSqlQuery q(connection());
    if (values.isEmpty()) {
        if (q.exec(sql))
            return true;
        m_error = q.lastError().text();
        return false;
    }
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    return exec(q);
}

QVariant Database::scalar(const QString& sql, const QVariantList& values)
{
    QSqlQuery q = prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!exec(q) || !q.next())
        return {};
    return q.value(0);
}

QStringList Database::columns(const QString& table) const
{
    QStringList names;
    const QSqlRecord record = connection().record(table);
    for (int i = 0; i < record.count(); ++i)
        names << record.fieldName(i);
    return names;
}

int Database::schemaVersion() const
{
    QSqlQuery q(connection());
    return q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : 0;
}

Database::AddColumn Database::addColumnIfMissing(const QString& table, const QString& column,
                                                 const QString& columnType)
{
    const QString storage = sqliteTypeFor(columnType);
    if (!isPlainName(table) || !isPlainName(column) || storage.isEmpty()) {
        m_error = QStringLiteral("Cannot add %1.%2 of type %3").arg(table, column, columnType);
        return AddColumn::Failed;
    }
    if (columns(table).contains(column, Qt::CaseSensitive))
        return AddColumn::Present;
    // Identifiers cannot be bound; both are checked plain names above.
    if (!exec(QStringLiteral("ALTER TABLE %1 ADD [%2] %3").arg(table, column, storage)))
        return AddColumn::Failed;
    return AddColumn::Added;
}

Transaction::Transaction(Database& db, Mode mode)
    : m_db(db)
{
    if (mode == Mode::Deferred) {
        m_active = db.connection().transaction();
        return;
    }
    // The driver's transaction() only issues a deferred BEGIN; its commit() and rollback()
    // issue plain COMMIT and ROLLBACK, which end this one too.
    m_active = db.exec(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (m_active)
        m_db.connection().rollback();
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    return m_db.connection().commit();
}
