#pragma once

#include "core/Database.h"
#include "core/SharedFiles.h"
#include "support/TestEnv.h"
#include "support/TestServer.h"

#include <QTest>

// Books that try a copy between engines, and ways to compare them on either engine.
namespace books {

// Two identities whose invoices and expenses hold every kind of value: Nulls, texts with the
// characters a copy must escape or could lose (tab, line break, backslash, a first U+FEFF,
// letters beyond Latin-1, an astral character), fractions of days to the last bit, negative
// and large money. The newest invoice is deleted afterwards: its key must never come back.
inline void fill(TestEnv& env, int invoices = 30)
{
    const int first = env.addIdentity("Lowther Joinery");
    const int second = env.addIdentity(QStringLiteral("Bryn Ŵyn \t\"Ltd\"\\"));
    const QStringList contents = {QStringLiteral("Sash windows\nand doors"),
                                  QStringLiteral("\uFEFFBOM first"),
                                  QStringLiteral("tab\there"),
                                  QStringLiteral("back\\slash \\N"),
                                  QStringLiteral("€ 🪟 ŵ"),
                                  QString()};
    for (const int identity : {first, second}) {
        const int client = env.addClient(QStringLiteral("Client of %1").arg(identity), identity);
        env.exec(QStringLiteral("UPDATE TblClients SET Notes = ? WHERE ClientID = ?"),
                 {QStringLiteral("line1\r\nline2"), client});
        for (int i = 0; i < invoices; ++i) {
            const qint64 value = (i % 7 == 3 ? -1 : 1) * (1000000 + 137 * qint64(i)) +
                                 (i == 5 ? qint64(9'000'000'000'000) : 0);
            env.exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, "
                                    "\"Value\", VAT, Total, \"Date\", Paid, DatePaid, BadDebt, "
                                    "Identity) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?)"),
                     {client, QStringLiteral("%1").arg(100 + i, 4, 10, QChar(u'0')),
                      contents[i % contents.size()], value, value / 5, value + value / 5,
                      46000.0 + i / 3.0, i % 2 ? -1 : 0,
                      i % 2 ? QVariant(46001.123456789 + i) : QVariant(), identity});
        }
        env.exec(QStringLiteral("INSERT INTO TblExpenses(\"Date\", Description, Milage, "
                                "\"Value\", VAT, Identity) VALUES (46001.5, 'Timber', 12.25, "
                                "-4550, -910, ?)"),
                 {identity});
        env.exec(QStringLiteral("INSERT INTO TblAppointments(ADate, Appoint, ATime, Alert, "
                                "Identity) VALUES (46002, 'Measure up', 0.375, -1, ?)"),
                 {identity});
    }
    env.exec(QStringLiteral("DELETE FROM TblInvoices WHERE InvoiceID = (SELECT MAX(InvoiceID) "
                            "FROM TblInvoices)"));
}

// Every row of every table, a line each, in key order: values as text, Nulls as such, days to
// the last bit. The same books give the same lines on either engine.
inline QStringList rows(Database& db)
{
    QStringList out;
    for (const QString& table : Database::tableNames()) {
        const QStringList columns = db.columns(table.toLower());
        const auto lines = db.all(
            QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, Database::keyColumn(table)),
            {}, [&](const Row& row) {
                QStringList values;
                for (const QString& column : columns) {
                    const QVariant v = row[column];
                    QString text = v.isNull() ? QStringLiteral("NULL")
                                   : v.typeId() == QMetaType::Double
                                       ? QString::number(v.toDouble(), 'g', 17)
                                       : v.toString();
                    // Qt's server driver drops a first U+FEFF as it reads a text, though the
                    // server keeps it (a file restored from the server's backup has it).
                    if (text.startsWith(QChar::ByteOrderMark))
                        text.remove(0, 1);
                    values << column.toLower() + u'=' + text;
                }
                values.sort();
                return table + u':' + values.join(u'|');
            });
        if (!lines)
            QTest::qFail(qPrintable(lines.error()), __FILE__, __LINE__);
        else
            out << *lines;
    }
    return out;
}

// The invoice list's figures of each identity: how many, and the sums of Total and VAT.
inline QStringList totalsByIdentity(Database& db)
{
    const auto lines = db.all(
        QStringLiteral("SELECT Identity, COUNT(*), CAST(SUM(Total) AS BIGINT), CAST(SUM(VAT) AS "
                       "BIGINT) FROM TblInvoices GROUP BY Identity ORDER BY Identity"),
        {}, [](const Row& row) {
            return QStringLiteral("%1: %2 invoices, total %3, VAT %4")
                .arg(row[0].toString(), row[1].toString(), row[2].toString(), row[3].toString());
        });
    if (!lines)
        QTest::qFail(qPrintable(lines.error()), __FILE__, __LINE__);
    return lines ? *lines : QStringList();
}

// The shared files, name and bytes, in name order.
inline QStringList files(Database& db, const QString& folder)
{
    SharedFiles shared(db, folder);
    const Result<QStringList> names = shared.names();
    QStringList out;
    for (const QString& name : names ? *names : QStringList()) {
        const auto bytes = shared.read(name);
        out << name + u'=' + QString::fromLatin1(bytes && *bytes ? (*bytes)->toHex() : "?");
    }
    out.sort();
    return out;
}

// The indexes, as the statements that make them: a copy that sets them aside while it fills
// the tables must leave every one as it was.
inline QStringList indexes(Database& db)
{
    const auto found = db.all(
        db.isServer() ? QStringLiteral("SELECT indexdef FROM pg_indexes WHERE schemaname = "
                                       "current_schema() ORDER BY indexname")
                      : QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'index' AND "
                                       "sql IS NOT NULL ORDER BY name"),
        {}, [](const Row& row) { return row[0].toString(); });
    if (!found)
        QTest::qFail(qPrintable(found.error()), __FILE__, __LINE__);
    return found ? *found : QStringList();
}

// A fresh server database; fails the test when there is none.
inline ServerAddress freshServer()
{
    const Result<ServerAddress> address = TestServer::freshDatabase();
    if (!address)
        QTest::qFail(qPrintable(address.error()), __FILE__, __LINE__);
    return address ? *address : ServerAddress{};
}

} // namespace books
