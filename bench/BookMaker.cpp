#include "BookMaker.h"

#include "core/Database.h"
#include "core/DaySerial.h"

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

} // namespace

QString make(Database& db, qint64 invoices, QDate today)
{
    // The indexes take rows in many orders at once: a large page cache keeps their pages in
    // memory until the one commit, instead of reading them back for every row.
    db.exec(QStringLiteral("PRAGMA cache_size=-262144")); // KiB
    Transaction tx(db, Transaction::Mode::Immediate);
    if (!tx.isActive())
        return db.errorString();

    int clients[kIdentities][kClientsPerIdentity];
    int identities[kIdentities];
    QSqlQuery client = db.prepare(
        QStringLiteral("INSERT INTO TblClients(Company, Address1, Town, PostCode, Identity) "
                       "VALUES (?, ?, ?, ?, ?)"));
    for (int i = 0; i < kIdentities; ++i) {
        if (!db.exec(QStringLiteral("INSERT INTO TblUserData(TextLogo) VALUES (?)"),
                     {QStringLiteral("Trading Name %1").arg(i + 1)}))
            return db.errorString();
        identities[i] = db.scalar(QStringLiteral("SELECT max(Identity) FROM TblUserData")).toInt();
        for (int c = 0; c < kClientsPerIdentity; ++c) {
            client.addBindValue(
                QStringLiteral("Client %1-%2 Ltd").arg(i + 1).arg(c + 1, 4, 10, QLatin1Char('0')));
            client.addBindValue(QStringLiteral("%1 High Street").arg(c % 200 + 1));
            client.addBindValue(QStringLiteral("Town %1").arg(c % 37));
            client.addBindValue(QStringLiteral("AB%1 2CD").arg(c % 90 + 10));
            client.addBindValue(identities[i]);
            if (!db.exec(client))
                return db.errorString();
            clients[i][c] = client.lastInsertId().toInt();
        }
    }

    // A million rows through the driver's own statement: binding through Qt would take most of
    // the time.
    sqlite3* sqlite = db.sqliteHandle();
    if (!sqlite)
        return QStringLiteral("the database driver is not SQLite");
    sqlite3_stmt* invoice = nullptr;
    if (sqlite3_prepare_v2(
            sqlite,
            "INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, \"Value\", VAT, Total, "
            "\"Date\", Paid, DatePaid, BadDebt, Identity) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            -1, &invoice, nullptr) != SQLITE_OK)
        return QString::fromUtf8(sqlite3_errmsg(sqlite));
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> finalize(invoice, sqlite3_finalize);
    auto insert = [&](int clientId, const QString& number, const QString& content, qint64 value,
                      double date, bool paid, double datePaid, bool badDebt, int identity) {
        const QByteArray numberText = number.toUtf8();
        const QByteArray contentText = content.toUtf8();
        sqlite3_bind_int(invoice, 1, clientId);
        sqlite3_bind_text(invoice, 2, numberText.constData(), int(numberText.size()),
                          SQLITE_STATIC);
        if (content.isEmpty())
            sqlite3_bind_null(invoice, 3);
        else
            sqlite3_bind_text(invoice, 3, contentText.constData(), int(contentText.size()),
                              SQLITE_STATIC);
        sqlite3_bind_int64(invoice, 4, value);
        sqlite3_bind_int64(invoice, 5, value / 5);
        sqlite3_bind_int64(invoice, 6, value + value / 5);
        sqlite3_bind_double(invoice, 7, date);
        sqlite3_bind_int(invoice, 8, paid ? -1 : 0);
        if (paid)
            sqlite3_bind_double(invoice, 9, datePaid);
        else
            sqlite3_bind_null(invoice, 9);
        sqlite3_bind_int(invoice, 10, badDebt ? -1 : 0);
        sqlite3_bind_int(invoice, 11, identity);
        const bool done = sqlite3_step(invoice) == SQLITE_DONE;
        sqlite3_reset(invoice);
        return done;
    };
    const auto sqliteError = [sqlite] { return QString::fromUtf8(sqlite3_errmsg(sqlite)); };

    // The invoice indexes are built once the rows are in: sorting them once is far quicker than
    // keeping a dozen of them in order row by row. They come back exactly as they were.
    QStringList indexes;
    {
        QSqlQuery q = db.prepare(QStringLiteral("SELECT name, sql FROM sqlite_master WHERE type = "
                                                "'index' AND tbl_name = 'TblInvoices' AND sql "
                                                "IS NOT NULL"));
        if (!db.exec(q))
            return db.errorString();
        QStringList names;
        while (q.next()) {
            names << q.value(0).toString();
            indexes << q.value(1).toString();
        }
        for (const QString& name : names) {
            if (!db.exec(QStringLiteral("DROP INDEX \"%1\"").arg(name)))
                return db.errorString();
        }
    }

    const double last = DaySerial::fromDate(today) - 1;
    const double first = last - 3652;
    // Each identity's starting row: client 0, never listed, the number its invoices follow.
    for (int i = 0; i < kIdentities; ++i) {
        if (!insert(0, QStringLiteral("01000"), QString(), 0, first, false, 0, false,
                    identities[i]))
            return sqliteError();
    }
    Sequence random;
    qint64 number[kIdentities] = {};
    for (qint64 n = 0; n < invoices; ++n) {
        const int i = int(n % kIdentities);
        const double date = first + std::floor(double(n) * 3652.0 / double(invoices));
        const qint64 value = (2000 + random.below(500000)) * 100; // ten-thousandths
        const bool unpaid = random.below(1000) < quint32(kUnpaidPerThousand);
        const bool badDebt = unpaid && random.below(8) == 0;
        const double paidOn = std::min(last, date + 10 + random.below(60));
        const int clientId = clients[i][random.below(kClientsPerIdentity)];
        if (!insert(clientId, QStringLiteral("0%1").arg(1001 + number[i]++),
                    QStringLiteral("Consultancy and support, job %1").arg(n + 1), value, date,
                    !unpaid, paidOn, badDebt, identities[i]))
            return sqliteError();
    }
    for (const QString& index : indexes) {
        if (!db.exec(index))
            return db.errorString();
    }
    if (!tx.commit())
        return db.errorString();
    return {};
}

void openAndMake(Database& db, const QString& path, qint64 invoices, QDate today)
{
    if (!db.open(path))
        qFatal("cannot open the bench books: %s", qPrintable(db.errorString()));
    const QString problem = make(db, invoices, today);
    if (!problem.isEmpty())
        qFatal("cannot write the bench books: %s", qPrintable(problem));
}

} // namespace BookMaker
