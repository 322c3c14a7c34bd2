#include "core/Countries.h"
#include "core/Database.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <iterator>

// The books' tables and the numbered steps that bring older books up to the current schema.

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
            // from kAddedColumns, added after these statements.
        },
        {
            // 4: getting paid. The columns come from kAddedColumns; the statement entries'
            // table from kStatementTable, made before these statements. A bank's reference is
            // remembered once per identity, so a statement read twice pays nothing twice.
            "CREATE UNIQUE INDEX IF NOT EXISTS IdxStatementEntriesRef ON "
            "TblStatementEntries(Identity, BankRef)",
            "CREATE INDEX IF NOT EXISTS IdxInvoicesDue ON TblInvoices(Identity, \"Date\") "
            "WHERE Paid = 0 AND BadDebt = 0",
        },
    };
    return steps;
}

// The bank statement entries that paid invoices, remembered by the bank's reference: Amount in
// ten-thousandths as every money column, BookedOn and MatchedOn day serials, InvoiceID the
// invoice marked paid.
constexpr TableDef kStatementTable = {"TblStatementEntries", "EntryID",
                                      R"(CREATE TABLE TblStatementEntries(
        EntryID INTEGER PRIMARY KEY AUTOINCREMENT, Identity INTEGER, BankRef TEXT,
        BookedOn REAL, Amount INTEGER, InvoiceID INTEGER, MatchedOn REAL))"};

// Columns added after the five tables, each by the schema version that brought it. Named as
// other tools may rely on them.
//
// Version 3: the seller's terms on each identity, the buyer's on each client. An empty
// LegalName means the trading name (TextLogo), an empty EInvoiceAddress the client's e-mail.
//
// Version 4: getting paid. On each invoice the day it was sent by e-mail (SentOn), its last
// reminder's level (0 none, 1 first, 2 second, 3 final) and day (RemindedOn). On each identity
// the e-mail's subject and body templates, whether it attaches Factur-X rather than a plain PDF
// (MailFacturX, Yes/No), and each reminder level's text and fee (money, 0 for
// none; empty texts mean the program's own wording), and the last day whose overdue invoices the
// alerts have listed (OverdueAlertedTo).
struct AddedColumn {
    int version;
    const char* table;
    const char* column;
    const char* type;
};
constexpr AddedColumn kAddedColumns[] = {
    {3, "TblUserData", "LegalName", "TEXT"},
    {3, "TblUserData", "VatId", "TEXT"},
    {3, "TblUserData", "TaxNumber", "TEXT"},
    {3, "TblUserData", "Street", "TEXT"},
    {3, "TblUserData", "Town", "TEXT"},
    {3, "TblUserData", "PostCode", "TEXT"},
    {3, "TblUserData", "CountryCode", "TEXT"},
    {3, "TblUserData", "Email", "TEXT"},
    {3, "TblUserData", "Phone", "TEXT"},
    {3, "TblUserData", "ContactName", "TEXT"},
    {3, "TblUserData", "Iban", "TEXT"},
    {3, "TblUserData", "Bic", "TEXT"},
    {3, "TblUserData", "PaymentDays", "INTEGER NOT NULL DEFAULT 30"},
    {3, "TblClients", "CountryCode", "TEXT"},
    {3, "TblClients", "VatId", "TEXT"},
    {3, "TblClients", "EInvoiceAddress", "TEXT"},
    {3, "TblClients", "BuyerReference", "TEXT"},
    {4, "TblInvoices", "SentOn", "REAL"},
    {4, "TblInvoices", "ReminderLevel", "INTEGER NOT NULL DEFAULT 0"},
    {4, "TblInvoices", "RemindedOn", "REAL"},
    {4, "TblUserData", "MailSubject", "TEXT"},
    {4, "TblUserData", "MailBody", "TEXT"},
    {4, "TblUserData", "MailFacturX", "INTEGER NOT NULL DEFAULT 0"},
    {4, "TblUserData", "ReminderText1", "TEXT"},
    {4, "TblUserData", "ReminderText2", "TEXT"},
    {4, "TblUserData", "ReminderText3", "TEXT"},
    {4, "TblUserData", "ReminderFee1", "INTEGER NOT NULL DEFAULT 0"},
    {4, "TblUserData", "ReminderFee2", "INTEGER NOT NULL DEFAULT 0"},
    {4, "TblUserData", "ReminderFee3", "INTEGER NOT NULL DEFAULT 0"},
    {4, "TblUserData", "OverdueAlertedTo", "REAL"},
};

} // namespace

QString Database::keyColumn(const QString& table)
{
    for (const TableDef& t : kTables) {
        if (table.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return QLatin1String(t.key);
    }
    if (table.compare(QLatin1String(kStatementTable.name), Qt::CaseInsensitive) == 0)
        return QLatin1String(kStatementTable.key);
    return {};
}

QStringList Database::tableNames()
{
    QStringList names;
    for (const TableDef& t : kTables)
        names << QLatin1String(t.name);
    names << QLatin1String(kStatementTable.name);
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
    for (const QRegularExpressionMatch& m :
         column.globalMatch(QString::fromLatin1(kStatementTable.create)))
        names << m.captured(1);
    for (const AddedColumn& c : kAddedColumns)
        names << QLatin1String(c.column);
    names.removeDuplicates();
    return names;
}

QStringList Database::originalTableNames()
{
    QStringList names;
    for (const TableDef& t : kTables)
        names << QLatin1String(t.name);
    return names;
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
    static_assert(kSchemaVersion == 4, "a new schema version needs its step in migrations()");
    Q_ASSERT(steps.size() == kSchemaVersion);
    for (int version = from + 1; version <= steps.size(); ++version) {
        // IF NOT EXISTS: a file may have had the table from a later version already.
        bool done =
            version != 4 || exec(tableDdl(QString::fromLatin1(kStatementTable.create))
                                     .replace(QStringLiteral("CREATE TABLE "),
                                              QStringLiteral("CREATE TABLE IF NOT EXISTS ")));
        for (const QString& sql : steps[version - 1])
            done = done && exec(indexDdl(sql));
        done = done && addColumns(version);
        if (done && version == 3)
            done = fillCountryCodes();
        if (!done)
            return setError(tr("%1 cannot be upgraded to version %2: %3")
                                .arg(m_path)
                                .arg(version)
                                .arg(m_error));
    }
    return true;
}

bool Database::addColumns(int version)
{
    QHash<QString, QStringList> present; // each table's columns, read once
    for (const AddedColumn& c : kAddedColumns) {
        if (c.version != version)
            continue;
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
    return true;
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
