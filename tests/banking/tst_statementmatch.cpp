#include "banking/StatementMatch.h"
#include "support/Statements.h"

#include <QTest>

using namespace Statements;

Q_DECLARE_METATYPE(StatementEntry)

class TestStatementMatch : public QObject {
    Q_OBJECT

private slots:
    // Each case is a statement matched against the fixture's unpaid invoices: the lines a script
    // reads, and where nothing is proposed, words of the reason the user is shown.
    void match_data()
    {
        QTest::addColumn<QList<StatementEntry>>("entries");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("reason");
        const QString none;

        QTest::newRow("number and amount")
            << QList{credit("117.50", "A1", "Invoice 0100 thank you")}
            << QStringList{"sure 0100 117.50 2026-11-30 A1"} << none;
        QTest::newRow("number among punctuation and letters")
            << QList{credit("117.50", "A1", "INV-0100,"),
                     credit("80.00", "A2", "Rechnung 0101, danke"),
                     credit("55.00", "A3", "inv10100/2026")}
            << QStringList{"sure 0100 117.50 2026-11-30 A1", "sure 0101 80.00 2026-11-30 A2",
                           "sure 10100 55.00 2026-11-30 A3"}
            << none;
        QTest::newRow("number inside a longer number names only the longer")
            << QList{credit("117.50", "A1", "Order 10100")}
            << QStringList{"none - 117.50 2026-11-30 A1"}
            << QStringLiteral("total of invoice 10100");
        QTest::newRow("amount alone, one candidate")
            << QList{credit("42.00", "A1", "Thanks for the work")}
            << QStringList{"likely 0104 42.00 2026-11-30 A1"} << none;
        QTest::newRow("amount alone, two candidates")
            << QList{credit("200.00", "A1", "Payment")}
            << QStringList{"none - 200.00 2026-11-30 A1"} << QStringLiteral("2 unpaid invoices");
        QTest::newRow("number with two candidates decides")
            << QList{credit("200.00", "A1", "0103")}
            << QStringList{"sure 0103 200.00 2026-11-30 A1"} << none;
        QTest::newRow("partial payment")
            << QList{credit("50.00", "A1", "0100 part one")}
            << QStringList{"none - 50.00 2026-11-30 A1"} << QStringLiteral("Partial payment");
        QTest::newRow("partial payment is not matched by amount instead")
            << QList{credit("42.00", "A1", "0100 first instalment")}
            << QStringList{"none - 42.00 2026-11-30 A1"} << QStringLiteral("Partial payment");
        QTest::newRow("another currency")
            << QList{credit("117.50", "A1", "0100", "USD")}
            << QStringList{"none - 117.50 2026-11-30 A1"} << QStringLiteral("USD");
        QTest::newRow("debit") << QList{debit("117.50", "A1")}
                               << QStringList{"debit - 117.50 2026-11-30 A1"} << none;
        QTest::newRow("one credit naming two invoices")
            << QList{credit("140.00", "A1", "0101 and 0105")}
            << QStringList{"sure 0101+0105 140.00 2026-11-30 A1"} << none;
        QTest::newRow("two invoices named, one paid")
            << QList{credit("60.00", "A1", "0101 0105")}
            << QStringList{"sure 0105 60.00 2026-11-30 A1"} << none;
        QTest::newRow("done before") << QList{credit("117.50", "OLD", "0100")}
                                     << QStringList{"done - 117.50 2026-11-30 OLD"} << none;
        QTest::newRow("two credits for one invoice")
            << QList{credit("117.50", "A1", "0100"), credit("117.50", "A2", "0100 again")}
            << QStringList{"sure 0100 117.50 2026-11-30 A1", "none - 117.50 2026-11-30 A2"}
            << QStringLiteral("earlier credit");
        QTest::newRow("a number outranks an earlier amount")
            << QList{credit("42.00", "A1", "Thanks"), credit("42.00", "A2", "0104")}
            << QStringList{"none - 42.00 2026-11-30 A1", "sure 0104 42.00 2026-11-30 A2"}
            << QStringLiteral("another credit");
        QTest::newRow("amounts share out two candidates")
            << QList{credit("200.00", "A1", "0102"), credit("200.00", "A2", "Payment")}
            << QStringList{"sure 0102 200.00 2026-11-30 A1", "likely 0103 200.00 2026-11-30 A2"}
            << none;
        QTest::newRow("the same bank reference twice")
            << QList{credit("117.50", "A1", "0100"), credit("80.00", "A1", "0101")}
            << QStringList{"sure 0100 117.50 2026-11-30 A1", "none - 80.00 2026-11-30 A1"}
            << QStringLiteral("bank reference");
        QTest::newRow("no invoice of the amount")
            << QList{credit("99.99", "A1", "Invoice 0999")}
            << QStringList{"none - 99.99 2026-11-30 A1"} << QStringLiteral("No unpaid invoice");
    }
    void match()
    {
        QFETCH(QList<StatementEntry>, entries);
        QFETCH(QStringList, lines);
        QFETCH(QString, reason);
        const StatementMatch::Books books = Statements::books({QStringLiteral("OLD")});
        const Statement read = statement(entries);
        const QList<StatementMatch::Match> matches = StatementMatch::match(read, books);
        QCOMPARE(matches.size(), entries.size());
        QStringList got;
        for (qsizetype i = 0; i < matches.size(); ++i)
            got << StatementMatch::line(entries[i], matches[i], books);
        QCOMPARE(got, lines);
        QStringList reasons;
        for (const StatementMatch::Match& m : matches)
            reasons << m.reason;
        QVERIFY2(reasons.join(u'\n').contains(reason), qPrintable(reasons.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestStatementMatch)
#include "tst_statementmatch.moc"
