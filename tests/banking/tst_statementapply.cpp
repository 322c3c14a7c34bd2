#include "banking/StatementMatch.h"
#include "banking/StatementMatchJob.h"
#include "core/DaySerial.h"
#include "core/Preferences.h"
#include "support/Statements.h"
#include "support/TestEnv.h"

#include <QTest>

using namespace Statements;

namespace {

// Everything an apply may change: each invoice's payment and the remembered entries.
QStringList snapshot(TestEnv& env)
{
    QStringList rows;
    const auto invoices =
        env.db.all(QStringLiteral("SELECT InvoiceNumber, Paid, BadDebt, DatePaid FROM TblInvoices "
                                  "ORDER BY InvoiceID"),
                   {}, [](const Row& r) {
                       return QStringLiteral("%1 %2 %3 %4")
                           .arg(r[0].toString(), r[1].toString(), r[2].toString(), r[3].toString());
                   });
    const auto entries = env.db.all(
        QStringLiteral("SELECT Identity, BankRef, BookedOn, Amount, InvoiceID, MatchedOn "
                       "FROM TblStatementEntries ORDER BY EntryID"),
        {}, [](const Row& r) {
            QStringList fields;
            for (int i = 0; i < 6; ++i)
                fields << r[i].toString();
            return fields.join(u' ');
        });
    if (!invoices || !entries)
        QTest::qFail("the snapshot cannot be read", __FILE__, __LINE__);
    return *invoices + *entries;
}

StatementMatch::UnpaidInvoice invoiceOf(const StatementMatch::Books& books, const char* number)
{
    for (const StatementMatch::UnpaidInvoice& u : books.unpaid) {
        if (u.number == QLatin1String(number))
            return u;
    }
    QTest::qFail(number, __FILE__, __LINE__);
    return {};
}

} // namespace

class TestStatementApply : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnv> m_env;
    QHash<QString, int> m_ids;
    StatementMatch::Books m_books;
    QList<StatementMatch::Accepted> m_accepted;

private slots:
    // Identity 1 holds the fixture, a paid invoice and a bad debt; identity 2 an invoice of the
    // same number as one of identity 1's. The accepted credits: 0100 alone, 0101 and 0105
    // together, and the bad debt, which money arriving after all pays.
    void init()
    {
        m_env = std::make_unique<TestEnv>();
        m_env->addIdentity(QStringLiteral("One"));
        m_env->addIdentity(QStringLiteral("Two"));
        m_ids = addUnpaid(*m_env, 1);
        const int client = m_env->addClient(QStringLiteral("Cole"), 1);
        const QString insert =
            QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, \"Date\", Paid, "
                           "BadDebt, Identity, Total) VALUES (?, ?, 46300, ?, ?, ?, 100000)");
        m_env->exec(insert, {client, QStringLiteral("0090"), -1, 0, 1});
        m_env->exec(insert, {client, QStringLiteral("0091"), 0, -1, 1});
        m_env->exec(insert, {client, QStringLiteral("0100"), 0, 0, 2});
        m_env->exec(QStringLiteral("INSERT INTO TblStatementEntries(Identity, BankRef) VALUES "
                                   "(1, 'OLD'), (2, 'OTHER')"));
        const Result<StatementMatch::Books> books =
            StatementMatch::readBooks(m_env->db, 1, QStringLiteral("GBP"));
        QVERIFY2(books, qPrintable(books.error()));
        m_books = *books;
        m_accepted = {
            {credit("117.50", "A1", QStringLiteral("0100")), {invoiceOf(m_books, "0100")}},
            {credit("140.00", "A2", QStringLiteral("0101 0105")),
             {invoiceOf(m_books, "0101"), invoiceOf(m_books, "0105")}},
            {credit("10.00", "A3", QStringLiteral("0091")), {invoiceOf(m_books, "0091")}},
        };
    }
    void cleanup() { m_env.reset(); }

    // The identity's unpaid invoices, bad debt included, with their clients; its own
    // references only.
    void readsTheIdentitysBooks()
    {
        QStringList read;
        for (const StatementMatch::UnpaidInvoice& u : m_books.unpaid)
            read << QStringLiteral("%1 %2 %3").arg(u.number, u.total.toPlainString(), u.client);
        read.sort();
        QCOMPARE(read,
                 (QStringList{"0091 10 Cole", "0100 117.5 Acme Ltd", "0101 80 Brill & Co",
                              "0102 200 Brill & Co", "0103 200 Acme Ltd", "0104 42 Brill & Co",
                              "0105 60 Acme Ltd", "10100 55 Acme Ltd"}));
        QCOMPARE(m_books.doneRefs, QSet<QString>{QStringLiteral("OLD")});
    }

    // Paid on the booking date, bad debt cleared, each credit remembered once with today's
    // date; the same statement matched again proposes nothing.
    void marksPaidAndRemembers()
    {
        const Result<StatementMatch::Applied> applied =
            StatementMatch::apply(m_env->db, 1, m_accepted, m_env->clock.today());
        QVERIFY2(applied, qPrintable(applied.error()));
        QCOMPARE(applied->entries, 3);
        QCOMPARE(applied->invoices, 4);
        const double booked = DaySerial::fromDate(kBooked);
        for (const char* number : {"0100", "0101", "0105", "0091"}) {
            const auto paid = m_env->db.one(
                QStringLiteral("SELECT Paid, BadDebt, DatePaid FROM TblInvoices "
                               "WHERE InvoiceID = ?"),
                {m_ids.value(QLatin1String(number), invoiceOf(m_books, number).invoiceId)},
                [](const Row& r) {
                    return QList<double>{r[0].toDouble(), r[1].toDouble(), r[2].toDouble()};
                });
            QVERIFY(paid && *paid);
            QCOMPARE(**paid, (QList<double>{-1, 0, booked}));
        }
        QCOMPARE(m_env->db
                     .scalar(QStringLiteral("SELECT count(*) FROM TblInvoices WHERE Paid = "
                                            "-1 AND Identity = 2"))
                     .toInt(),
                 0);
        const auto remembered = m_env->db.all(
            QStringLiteral("SELECT BankRef, Amount, InvoiceID, BookedOn, MatchedOn FROM "
                           "TblStatementEntries WHERE Identity = 1 AND BankRef <> 'OLD' "
                           "ORDER BY BankRef"),
            {}, [](const Row& r) {
                return QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(r[0].toString(), r[1].toString(), r[2].toString())
                    .arg(r[3].toDouble())
                    .arg(r[4].toDouble());
            });
        QVERIFY(remembered);
        const double today = DaySerial::fromDate(TestEnv::kToday);
        QCOMPARE(
            *remembered,
            (QStringList{
                QStringLiteral("A1 1175000 %1 %2 %3").arg(m_ids["0100"]).arg(booked).arg(today),
                QStringLiteral("A2 1400000 %1 %2 %3").arg(m_ids["0101"]).arg(booked).arg(today),
                QStringLiteral("A3 100000 %1 %2 %3")
                    .arg(invoiceOf(m_books, "0091").invoiceId)
                    .arg(booked)
                    .arg(today)}));

        const Result<StatementMatch::Books> again =
            StatementMatch::readBooks(m_env->db, 1, QStringLiteral("GBP"));
        QVERIFY(again);
        const Statement read = statement({m_accepted[0].entry, m_accepted[1].entry});
        for (const StatementMatch::Match& m : StatementMatch::match(read, *again))
            QCOMPARE(m.proposal, StatementMatch::Proposal::DoneBefore);
    }

    // An apply that cannot be whole changes nothing and says why.
    void failsWhole_data()
    {
        QTest::addColumn<QString>("sabotage");
        QTest::addColumn<QString>("message");
        QTest::newRow("applied twice") << "twice"
                                       << "The bank entry A1 has been matched already.";
        QTest::newRow("paid meanwhile at another seat")
            << "paid"
            << "Invoice 0105 has been marked paid meanwhile.";
        QTest::newRow("reference remembered meanwhile") << "ref"
                                                        << "The bank entry A3 has";
        QTest::newRow("a write failing midway") << "trigger"
                                                << "no room for entries";
    }
    void failsWhole()
    {
        QFETCH(QString, sabotage);
        QFETCH(QString, message);
        if (sabotage == QLatin1String("twice"))
            QVERIFY(StatementMatch::apply(m_env->db, 1, m_accepted, m_env->clock.today()));
        else if (sabotage == QLatin1String("paid"))
            m_env->exec(QStringLiteral("UPDATE TblInvoices SET Paid = -1 WHERE InvoiceID = ?"),
                        {m_ids["0105"]});
        else if (sabotage == QLatin1String("ref"))
            m_env->exec(QStringLiteral("INSERT INTO TblStatementEntries(Identity, BankRef) "
                                       "VALUES (1, 'A3')"));
        else
            m_env->addFailingTrigger(QStringLiteral("no_entries"), QStringLiteral("INSERT"),
                                     QStringLiteral("TblStatementEntries"),
                                     QStringLiteral("no room for entries"));
        const QStringList before = snapshot(*m_env);
        const Result<StatementMatch::Applied> applied =
            StatementMatch::apply(m_env->db, 1, m_accepted, m_env->clock.today());
        QVERIFY(!applied);
        QVERIFY2(applied.error().contains(message), qPrintable(applied.error()));
        QCOMPARE(snapshot(*m_env), before);
    }

    // The command line's work: nothing made where there are no books, the lowest identity
    // unless one is named, and the books unchanged.
    void commandLine()
    {
        if (m_env->db.isServer())
            QSKIP("the command line reads a data folder's books");
        Preferences preferences;
        StatementMatchJob::Request request{
            m_env->folder(),
            QStringLiteral(BILLCRAFT_TEST_DATA "/banking/match/statement.camt053.xml"),
            std::nullopt, QStringLiteral("GBP")};
        QTemporaryDir empty;
        Result<QStringList> lines =
            StatementMatchJob::run({empty.path(), request.statementFile, {}, {}}, preferences);
        QVERIFY(!lines &&
                lines.error().startsWith(QLatin1String("There is no Billcraft database")));
        QVERIFY(QDir(empty.path()).isEmpty());
        lines =
            StatementMatchJob::run({m_env->folder(), request.statementFile, 9, {}}, preferences);
        QCOMPARE(lines.error(), QStringLiteral("There is no identity 9."));

        const QStringList before = snapshot(*m_env);
        lines = StatementMatchJob::run(request, preferences);
        QVERIFY2(lines, qPrintable(lines.error()));
        QCOMPARE(*lines, (QStringList{"sure 0100 117.50 2026-11-30 REF-A1",
                                      "debit - 20.00 2026-11-30 REF-D1",
                                      "likely 0104 42.00 2026-12-01 REF-A3"}));
        QCOMPARE(snapshot(*m_env), before);
    }
};

QTEST_GUILESS_MAIN(TestStatementApply)
#include "tst_statementapply.moc"
