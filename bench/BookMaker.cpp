#include "BookMaker.h"

#include "BenchEngine.h"
#include "backup/PgCopy.h"
#include "core/Database.h"
#include "core/DaySerial.h"

#include <QSqlDriver>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <memory>
#include <sqlite3.h>

namespace BookMaker {

namespace {

// A small fixed generator, so every run writes the same books on every machine.
class Sequence {
public:
    quint32 next()
    {
        m_state = m_state * 6364136223846793005ULL + 1442695040888963407ULL;
        return quint32(m_state >> 33);
    }
    quint32 below(quint32 n) { return next() % n; }

private:
    quint64 m_state = 0x2545F4914F6CDD1DULL;
};

// One row of TblInvoices as both writers take it. Money in ten-thousandths, dates as day
// serials.
struct Invoice {
    qint64 clientId = 0;
    QByteArray number;
    QByteArray content; // empty: Null
    qint64 value = 0;
    double date = 0;
    bool paid = false;
    double datePaid = 0; // when paid
    bool badDebt = false;
    qint64 identity = 0;
};

// Writes invoices a million at a time: each engine's own bulk path, since binding through Qt
// would take most of the time. The indexes are dropped first and made again at the end: sorting
// them once is far quicker than keeping a dozen of them in order row by row.
class Writer {
public:
    virtual ~Writer() = default;
    virtual bool write(const Invoice& invoice) = 0;
    // Empty when every row is in.
    virtual QString finish() = 0;
    virtual QString error() const = 0;
};

// SQLite: one prepared statement, stepped per row.
class SqliteWriter : public Writer {
public:
    explicit SqliteWriter(sqlite3* db)
        : m_db(db)
    {
        if (sqlite3_prepare_v2(
                db,
                "INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, \"Value\", "
                "VAT, Total, \"Date\", Paid, DatePaid, BadDebt, Identity) VALUES "
                "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                -1, &m_insert, nullptr) != SQLITE_OK)
            m_insert = nullptr;
    }
    ~SqliteWriter() override { sqlite3_finalize(m_insert); }
    bool ready() const { return m_insert; }

    bool write(const Invoice& i) override
    {
        sqlite3_stmt* s = m_insert;
        sqlite3_bind_int64(s, 1, i.clientId);
        sqlite3_bind_text(s, 2, i.number.constData(), int(i.number.size()), SQLITE_STATIC);
        if (i.content.isEmpty())
            sqlite3_bind_null(s, 3);
        else
            sqlite3_bind_text(s, 3, i.content.constData(), int(i.content.size()), SQLITE_STATIC);
        sqlite3_bind_int64(s, 4, i.value);
        sqlite3_bind_int64(s, 5, i.value / 5);
        sqlite3_bind_int64(s, 6, i.value + i.value / 5);
        sqlite3_bind_double(s, 7, i.date);
        sqlite3_bind_int(s, 8, i.paid ? -1 : 0);
        if (i.paid)
            sqlite3_bind_double(s, 9, i.datePaid);
        else
            sqlite3_bind_null(s, 9);
        sqlite3_bind_int(s, 10, i.badDebt ? -1 : 0);
        sqlite3_bind_int64(s, 11, i.identity);
        const bool done = sqlite3_step(s) == SQLITE_DONE;
        sqlite3_reset(s);
        return done;
    }
    QString finish() override { return {}; }
    QString error() const override { return QString::fromUtf8(sqlite3_errmsg(m_db)); }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_insert = nullptr;
};

// PostgreSQL: the program's own COPY (PgCopy::In) through the connection Qt's driver holds,
// inside the transaction it began.
class CopyWriter : public Writer {
public:
    explicit CopyWriter(pg_conn* db)
        : m_copy(db)
    {
        // Column names as the server keeps them: folded to lower case but for the two quoted.
        const Status started = m_copy.start(
            QStringLiteral("TblInvoices"),
            QStringLiteral("clientid invoicenumber content Value vat total Date paid datepaid "
                           "baddebt identity")
                .split(u' '));
        m_error = started.error();
    }
    bool ready() const { return m_error.isEmpty(); }

    bool write(const Invoice& i) override
    {
        const Status added = m_copy.add(
            {i.clientId, QString::fromUtf8(i.number),
             i.content.isEmpty() ? QVariant() : QVariant(QString::fromUtf8(i.content)), i.value,
             i.value / 5, i.value + i.value / 5, i.date, i.paid ? -1 : 0,
             i.paid ? QVariant(i.datePaid) : QVariant(), i.badDebt ? -1 : 0, i.identity});
        m_error = added.error();
        return added.ok();
    }
    QString finish() override { return m_copy.finish().error(); }
    QString error() const override { return m_error; }

private:
    PgCopy::In m_copy;
    QString m_error;
};

// The invoice indexes as statements that make them again; dropped.
Result<QStringList> dropInvoiceIndexes(Database& db)
{
    // A server's key is a constraint, kept; the unique number index is an index like the others.
    const QString sql =
        db.isServer()
            ? QStringLiteral("SELECT indexname, indexdef FROM pg_indexes WHERE schemaname = "
                             "current_schema() AND tablename = 'tblinvoices' AND indexname NOT "
                             "IN (SELECT conname FROM pg_constraint WHERE conrelid = "
                             "'tblinvoices'::regclass)")
            : QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = 'index' AND "
                             "tbl_name = 'TblInvoices' AND sql IS NOT NULL");
    const auto indexes =
        db.all(sql, {}, [](const Row& r) { return std::pair(r[0].toString(), r[1].toString()); });
    if (!indexes)
        return Failure{indexes.error()};
    QStringList remade;
    for (const auto& [name, make] : *indexes) {
        if (!db.exec(QStringLiteral("DROP INDEX \"%1\"").arg(name)))
            return Failure{db.errorString()};
        remade << make;
    }
    return remade;
}

struct Clients {
    qint64 identities[kIdentities] = {};
    qint64 ids[kIdentities][kClientsPerIdentity] = {};
};

Result<std::unique_ptr<Clients>> makeClients(Database& db)
{
    auto made = std::make_unique<Clients>();
    for (int i = 0; i < kIdentities; ++i) {
        const Result<qint64> identity =
            db.insert({}, QStringLiteral("INSERT INTO TblUserData(TextLogo) VALUES (?)"),
                      {QStringLiteral("Trading Name %1").arg(i + 1)});
        if (!identity)
            return Failure{identity.error()};
        made->identities[i] = *identity;
        for (int c = 0; c < kClientsPerIdentity; ++c) {
            const Result<qint64> client = db.insert(
                {},
                QStringLiteral("INSERT INTO TblClients(Company, Address1, Town, PostCode, "
                               "Identity) VALUES (?, ?, ?, ?, ?)"),
                {QStringLiteral("Client %1-%2 Ltd").arg(i + 1).arg(c + 1, 4, 10, QLatin1Char('0')),
                 QStringLiteral("%1 High Street").arg(c % 200 + 1),
                 QStringLiteral("Town %1").arg(c % 37), QStringLiteral("AB%1 2CD").arg(c % 90 + 10),
                 *identity});
            if (!client)
                return Failure{client.error()};
            made->ids[i][c] = *client;
        }
    }
    return made;
}

// Every invoice, in the order it is written.
bool writeInvoices(Writer& out, const Clients& clients, qint64 invoices, QDate today)
{
    const double last = DaySerial::fromDate(today) - 1;
    const double first = last - 3652;
    // Each identity's starting row: client 0, never listed, the number its invoices follow.
    for (const qint64 identity : clients.identities) {
        Invoice start;
        start.number = "01000";
        start.date = first;
        start.identity = identity;
        if (!out.write(start))
            return false;
    }
    Sequence random;
    qint64 number[kIdentities] = {};
    Invoice row;
    for (qint64 n = 0; n < invoices; ++n) {
        const int i = int(n % kIdentities);
        row.date = first + std::floor(double(n) * 3652.0 / double(invoices));
        row.value = (2000 + random.below(500000)) * 100; // ten-thousandths
        const bool unpaid = random.below(1000) < quint32(kUnpaidPerThousand);
        row.badDebt = unpaid && random.below(8) == 0;
        row.paid = !unpaid;
        row.datePaid = std::min(last, row.date + 10 + random.below(60));
        row.clientId = clients.ids[i][random.below(kClientsPerIdentity)];
        row.number = '0' + QByteArray::number(1001 + number[i]++);
        row.content = "Consultancy and support, job " + QByteArray::number(n + 1);
        row.identity = clients.identities[i];
        if (!out.write(row))
            return false;
    }
    return true;
}

} // namespace

QString make(Database& db, qint64 invoices, QDate today)
{
    // The indexes take rows in many orders at once: a large cache keeps their pages in memory
    // until the one commit, instead of reading them back for every row.
    const bool cached = db.isServer() ? db.exec(QStringLiteral("SET maintenance_work_mem = "
                                                               "'512MB'"))
                                      : db.exec(QStringLiteral("PRAGMA cache_size=-262144")); // KiB
    if (!cached)
        return db.errorString();
    Transaction tx(db, Transaction::Mode::Immediate);
    if (!tx.isActive())
        return db.errorString();
    const Result<std::unique_ptr<Clients>> clients = makeClients(db);
    if (!clients)
        return clients.error();
    const Result<QStringList> indexes = dropInvoiceIndexes(db);
    if (!indexes)
        return indexes.error();
    {
        std::unique_ptr<Writer> out;
        if (db.isServer()) {
            pg_conn* pg = PgCopy::connectionOf(db);
            auto copy = pg ? std::make_unique<CopyWriter>(pg) : nullptr;
            if (!copy || !copy->ready())
                return copy ? copy->error() : QStringLiteral("the driver is not PostgreSQL's");
            out = std::move(copy);
        } else {
            sqlite3* sqlite = db.sqliteHandle();
            auto insert = sqlite ? std::make_unique<SqliteWriter>(sqlite) : nullptr;
            if (!insert || !insert->ready())
                return insert ? insert->error() : QStringLiteral("the driver is not SQLite's");
            out = std::move(insert);
        }
        if (!writeInvoices(*out, **clients, invoices, today))
            return out->error();
        if (const QString problem = out->finish(); !problem.isEmpty())
            return problem;
    }
    for (const QString& index : *indexes) {
        if (!db.exec(index))
            return db.errorString();
    }
    if (!tx.commit())
        return db.errorString();
    // As the server's own upkeep leaves a grown table: its statistics read and its pages marked
    // visible, so the plans and index-only reads are those of books in daily use.
    if (db.isServer() && (!db.exec(QStringLiteral("RESET maintenance_work_mem")) ||
                          !db.exec(QStringLiteral("VACUUM (ANALYZE)"))))
        return db.errorString();
    return {};
}

void openAndMake(Database& db, const BenchEngine::Place& place, qint64 invoices, QDate today)
{
    if (!place.open(db))
        qFatal("cannot open the bench books: %s", qPrintable(db.errorString()));
    const Result<QVariant> identities =
        db.value(QStringLiteral("SELECT count(*) FROM TblUserData"));
    if (!identities)
        qFatal("cannot read the bench books: %s", qPrintable(identities.error()));
    if (identities->toLongLong() > 0)
        return; // written by an earlier run
    const QString problem = make(db, invoices, today);
    if (!problem.isEmpty())
        qFatal("cannot write the bench books: %s", qPrintable(problem));
}

} // namespace BookMaker
