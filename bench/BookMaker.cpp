#include "BookMaker.h"

#include "core/Database.h"
#include "core/DaySerial.h"

#include <QSqlQuery>
#include <algorithm>
#include <cmath>

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

    QSqlQuery invoice = db.prepare(QStringLiteral(
        "INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, \"Value\", VAT, Total, "
        "\"Date\", Paid, DatePaid, BadDebt, Identity) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    auto insert = [&](int clientId, const QString& number, const QString& content, qint64 value,
                      double date, bool paid, double datePaid, bool badDebt, int identity) {
        invoice.addBindValue(clientId);
        invoice.addBindValue(number);
        invoice.addBindValue(content);
        invoice.addBindValue(value);
        invoice.addBindValue(value / 5);
        invoice.addBindValue(value + value / 5);
        invoice.addBindValue(date);
        invoice.addBindValue(paid ? -1 : 0);
        invoice.addBindValue(paid ? QVariant(datePaid) : QVariant());
        invoice.addBindValue(badDebt ? -1 : 0);
        invoice.addBindValue(identity);
        return db.exec(invoice);
    };

    const double last = DaySerial::fromDate(today) - 1;
    const double first = last - 3652;
    // Each identity's starting row: client 0, never listed, the number its invoices follow.
    for (int i = 0; i < kIdentities; ++i) {
        if (!insert(0, QStringLiteral("01000"), QString(), 0, first, false, 0, false,
                    identities[i]))
            return db.errorString();
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
            return db.errorString();
    }
    if (!tx.commit())
        return db.errorString();
    return {};
}

} // namespace BookMaker
