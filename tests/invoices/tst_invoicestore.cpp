#include "invoices/InvoiceEntry.h"
#include "invoices/InvoiceStore.h"
#include "support/TestEnv.h"

#include <QTest>

namespace {

const QString kNone = QStringLiteral("-");
QString orNone(const std::optional<QString>& text)
{
    return text.value_or(kNone);
}

} // namespace

class TestInvoiceStore : public QObject {
    Q_OBJECT

    static int addRow(TestEnv& env, const QVariant& number, int identity)
    {
        env.exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Identity) "
                                "VALUES (0, ?, ?)"),
                 {number, identity});
        return env.db.scalar(QStringLiteral("SELECT max(InvoiceID) FROM TblInvoices")).toInt();
    }

private slots:
    void numbers_data()
    {
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("starting");
        QTest::newRow("zeros") << "0123"
                               << "0124"
                               << "100"
                               << "0100";
        QTest::newRow("no zero") << "9"
                                 << "010"
                                 << "0100"
                                 << "00100";
        QTest::newRow("wide") << "00100"
                              << "0101"
                              << " 7 "
                              << "07";
        QTest::newRow("past 16 bits") << "032767"
                                      << "032768"
                                      << "40000"
                                      << "040000";
        QTest::newRow("past 64 bits")
            << "9223372036854775807" << kNone << "9223372036854775808" << kNone;
        QTest::newRow("not digits") << "1e3" << kNone << "-5" << kNone;
        QTest::newRow("point") << "12.0" << kNone << "1,000" << kNone;
        QTest::newRow("empty") << "" << kNone << "" << kNone;
    }
    void numbers()
    {
        QFETCH(QString, previous);
        QFETCH(QString, next);
        QFETCH(QString, answer);
        QFETCH(QString, starting);
        QCOMPARE(orNone(InvoiceStore::numberAfter(previous)), next);
        QCOMPARE(orNone(InvoiceStore::startingNumber(answer)), starting);
    }

    void nextNumberFollowsTheIdentitysLatestRow()
    {
        TestEnv env;
        InvoiceStore store(env.db);
        const int a = env.addIdentity(QStringLiteral("A"));
        const int b = env.addIdentity(QStringLiteral("B"));
        QCOMPARE(orNone(store.nextNumber(a)), kNone); // empty table: ask for a start

        addRow(env, QStringLiteral("0100"), a); // InvoiceID 1
        QCOMPARE(orNone(store.nextNumber(a)), QStringLiteral("0101"));
        QCOMPARE(orNone(store.nextNumber(b)), QStringLiteral("0101")); // b follows row 1

        addRow(env, QStringLiteral("0500"), b);
        addRow(env, QStringLiteral("0200"), a);
        const int latest = addRow(env, QStringLiteral("0150"), a);
        QCOMPARE(orNone(store.nextNumber(a)), QStringLiteral("0151")); // latest, not highest
        QCOMPARE(orNone(store.nextNumber(b)), QStringLiteral("0501"));

        env.exec(QStringLiteral("DELETE FROM TblInvoices WHERE InvoiceID = ?"), {latest});
        QCOMPARE(orNone(store.nextNumber(a)), QStringLiteral("0201"));

        env.exec(QStringLiteral("DELETE FROM TblInvoices WHERE InvoiceID = 1"));
        QCOMPARE(orNone(store.nextNumber(env.addIdentity(QStringLiteral("C")))), kNone);

        addRow(env, QVariant(), a); // a Null number cannot be continued
        QCOMPARE(orNone(store.nextNumber(a)), kNone);
    }

    void totals_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("addVat");
        QTest::addColumn<double>("rate");
        QTest::addColumn<QString>("expected"); // value|VAT|total as the fields show them
        QTest::newRow("ticked") << "100" << true << 17.5 << "100|17.5|117.5";
        QTest::newRow("unticked") << "100" << false << 17.5 << "100|0|100";
        QTest::newRow("not a number") << "" << true << 17.5 << "0|0|0";
        QTest::newRow("kept as typed") << "12." << true << 20.0 << "12.|2.4|14.4";
        QTest::newRow("VAT tie to even") << "0.1" << true << 25.0 << "0.1|0.02|0.12";
        QTest::newRow("VAT tie up to even") << "0.3" << true << 25.0 << "0.3|0.08|0.38";
        QTest::newRow("total rounds value") << "10.015" << false << 20.0 << "10.015|0|10.02";
        QTest::newRow("no binary drift") << "99.99" << true << 17.5 << "99.99|17.5|117.49";
    }
    void totals()
    {
        QFETCH(QString, value);
        QFETCH(bool, addVat);
        QFETCH(double, rate);
        QFETCH(QString, expected);
        const InvoiceEntry::Amounts a =
            InvoiceEntry::recalculate(value, addVat, InvoiceEntry::ratePercent(rate));
        QCOMPARE(QStringList({a.value, a.vat, a.total}).join(u'|'), expected);
    }

    void saveProblemsInOrder()
    {
        QCOMPARE(InvoiceEntry::saveProblems({}, QStringLiteral("x"), {}, {}),
                 QStringLiteral("\n Please Select a Client\nThere is an Invoice Number Error"
                                "\n You must add Some content\n You must add a value"));
    }
};

QTEST_GUILESS_MAIN(TestInvoiceStore)
#include "tst_invoicestore.moc"
