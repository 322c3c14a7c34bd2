#include "core/DaySerial.h"
#include "core/Money.h"
#include "invoices/InvoiceList.h"
#include "support/TestEnv.h"

#include <QSqlQuery>
#include <QTest>
#include <sqlite3.h>

using namespace InvoiceList;

namespace {

// Invoice numbers listed by a request, in the order the statement returns them.
QStringList numbers(TestEnv& env, const Request& request)
{
    const Result<GridData> rows = load(*env.session, request);
    if (!rows)
        qWarning("%s", qPrintable(rows.error()));
    QStringList found;
    for (int r = 0; rows && r < rows->rowCount(); ++r)
        found << rows->text(r, ColInvoiceNumber);
    return found;
}

} // namespace

class TestInvoiceList : public QObject {
    Q_OBJECT

    TestEnv* m_env = nullptr;
    int m_acme = 0, m_nameless = 0;

    int addClient(const QVariant& company, int identity)
    {
        m_env->exec(QStringLiteral("INSERT INTO TblClients(Company, Identity) VALUES (?, ?)"),
                    {company, identity});
        return m_env->db.scalar(QStringLiteral("SELECT max(ClientID) FROM TblClients")).toInt();
    }
    void addInvoice(int client, const QString& number, int daysAgo, bool paid, bool badDebt,
                    int identity = 1)
    {
        m_env->exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, \"Date\", "
                                   "Paid, BadDebt, Identity, \"Value\") VALUES (?,?,?,?,?,?,?)"),
                    {client, number, DaySerial::fromDate(TestEnv::kToday.addDays(-daysAgo)),
                     paid ? -1 : 0, badDebt ? -1 : 0, identity, 1000000});
    }

private slots:
    void init()
    {
        m_env = new TestEnv;
        m_acme = addClient(QStringLiteral("Acme"), 1);
        m_nameless = addClient(QVariant(), 1); // a client saved before a company was required
        const int other = addClient(QStringLiteral("Other Co"), 2);
        addInvoice(0, QStringLiteral("099"), 90, false, false); // identity 1's starting row
        addInvoice(m_acme, QStringLiteral("0103"), 10, false, false);
        addInvoice(m_acme, QStringLiteral("0100"), 40, true, false);
        addInvoice(m_acme, QStringLiteral("0101"), 30, false, true);
        addInvoice(m_nameless, QStringLiteral("0102"), 20, false, false);
        addInvoice(other, QStringLiteral("0500"), 5, false, false, 2);
        addInvoice(999, QStringLiteral("0104"), 1, false, false); // its client was deleted
    }
    void cleanup()
    {
        delete m_env;
        m_env = nullptr;
    }

    void identityWideViewsHideWhatTheyShould()
    {
        TestEnv& env = *m_env;
        Request r{Trigger::Option, Filter::Unpaid, true, 0, 1};
        QCOMPARE(numbers(env, r), QStringList({"0103", "0102"})); // in the order raised
        r.hideBadDebts = false;
        QCOMPARE(numbers(env, r), QStringList({"0103", "0101", "0102"}));
        r.filter = Filter::All;
        QCOMPARE(numbers(env, r), QStringList({"0100", "0101", "0102", "0103"})); // by date
        r.hideBadDebts = true;
        QCOMPARE(numbers(env, r), QStringList({"0100", "0102", "0103"}));
        r.filter = Filter::Paid; // the box does not apply to paid invoices
        QCOMPARE(numbers(env, r), QStringList({"0100"}));
        r = {Trigger::BadDebtBox, Filter::Unpaid, false, 0, 1}; // by number
        QCOMPARE(numbers(env, r), QStringList({"0101", "0102", "0103"}));
        r.identity = 2;
        QCOMPARE(numbers(env, r), QStringList({"0500"}));
    }

    void perClientAndExcludedViews()
    {
        TestEnv& env = *m_env;
        QCOMPARE(numbers(env, {Trigger::ClientChosen, Filter::All, true, m_acme, 1}),
                 QStringList({"0100", "0103"}));
        QCOMPARE(numbers(env, {Trigger::ClientChosen, Filter::All, false, m_acme, 1}),
                 QStringList({"0100", "0101", "0103"}));
        QCOMPARE(numbers(env, {Trigger::CompanyOption, Filter::Unpaid, true, m_acme, 1}),
                 QStringList({"0101", "0103"}));
        QCOMPARE(numbers(env, {Trigger::CompanyOption, Filter::Paid, true, m_acme, 1}),
                 QStringList({"0100"}));
        QCOMPARE(numbers(env, {Trigger::ExcludeClient, Filter::All, true, m_acme, 1}),
                 QStringList({"0102"}));
        QCOMPARE(numbers(env, {Trigger::ExcludeClient, Filter::Unpaid, true, m_nameless, 1}),
                 QStringList({"0101", "0103"}));
    }

    // Every statement of every view reads the invoices through an index, in the order shown,
    // and counts them without reading the table.
    void everyViewIsServedByAnIndex()
    {
        TestEnv& env = *m_env;
        for (Trigger trigger : {Trigger::Option, Trigger::BadDebtBox, Trigger::ClientChosen,
                                Trigger::CompanyOption, Trigger::ExcludeClient}) {
            for (Filter filter : {Filter::All, Filter::Paid, Filter::Unpaid}) {
                for (bool hide : {true, false}) {
                    const Request r{trigger, filter, hide, m_acme, 1};
                    for (const Statement& s : {statement(r), countStatement(r), keysStatement(r)}) {
                        QSqlQuery q = env.db.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + s.sql);
                        for (const QVariant& v : s.values)
                            q.addBindValue(v);
                        QVERIFY2(env.db.exec(q), qPrintable(env.db.errorString()));
                        QStringList plan;
                        while (q.next())
                            plan << q.value(3).toString();
                        const QString text = plan.join(QStringLiteral("; "));
                        QVERIFY2(text.contains(QStringLiteral("SEARCH TblInvoices USING")) &&
                                     !text.contains(QStringLiteral("SCAN TblInvoices")) &&
                                     !text.contains(QStringLiteral("TEMP B-TREE")),
                                 qPrintable(s.sql + QStringLiteral("\n") + text));
                    }
                }
            }
        }
    }

    // A view one row over the limit is refused, the largest that fits is shown.
    void loadStopsAtTheCellLimit()
    {
        TestEnv& env = *m_env;
        const Request r{Trigger::Option, Filter::Unpaid, false, 0, 3};
        {
            Transaction tx(env.db);
            QSqlQuery insert = env.db.prepare(QStringLiteral(
                "INSERT INTO TblInvoices(ClientID, InvoiceNumber, \"Date\", Paid, BadDebt, "
                "Identity) VALUES (?, ?, 46000, 0, 0, 3)"));
            for (int i = 0; i < maxRows(); ++i) {
                insert.addBindValue(m_acme);
                insert.addBindValue(QString::number(i));
                QVERIFY(env.db.exec(insert));
            }
            QVERIFY(tx.commit());
        }
        Result<GridData> shown = load(*env.session, r);
        QVERIFY(shown);
        QCOMPARE(shown->outcome(), GridData::Outcome::Filled);
        QCOMPARE(shown->rowCount(), maxRows());
        QCOMPARE(maxRows(), 34999);
        addInvoice(m_acme, QStringLiteral("0"), 0, false, false, 3);
        Result<GridData> refused = load(*env.session, r);
        QVERIFY(refused);
        QCOMPARE(refused->outcome(), GridData::Outcome::TooManyRecords);

        // A view that cannot be read, counted first or not, gives the database's words.
        env.exec(QStringLiteral("ALTER TABLE TblInvoices RENAME TO TblElsewhere"));
        QVERIFY(!env.db.scalar(statement(r).sql).isValid());
        const QString error = env.db.errorString();
        for (Filter filter : {Filter::Unpaid, Filter::All}) {
            const Result<GridData> failed =
                load(*env.session, {Trigger::Option, filter, false, 0, 3});
            QVERIFY(!failed);
            QCOMPARE(failed.error(), error);
        }
    }

    // Every view read as the grid shows it (keys and totals first, the rest by page) gives the
    // rows, order, texts, colours and totals of its whole statement, ties included.
    void pagedViewsMatchTheirStatement()
    {
        TestEnv& env = *m_env;
        addInvoice(m_acme, QStringLiteral("0103"), 10, false, false); // number and date repeated
        addInvoice(m_nameless, QStringLiteral("0100"), 40, false, false);
        for (Trigger trigger : {Trigger::Option, Trigger::BadDebtBox, Trigger::ClientChosen,
                                Trigger::CompanyOption, Trigger::ExcludeClient}) {
            for (Filter filter : {Filter::All, Filter::Paid, Filter::Unpaid}) {
                for (bool hide : {true, false}) {
                    const Request r{trigger, filter, hide, m_acme, 1};
                    const Statement whole = statement(r);
                    sqlite3_stmt* prepared = nullptr;
                    QCOMPARE(sqlite3_prepare_v2(env.db.sqliteHandle(),
                                                whole.sql.toUtf8().constData(), -1, &prepared,
                                                nullptr),
                             SQLITE_OK);
                    for (int i = 0; i < whole.values.size(); ++i)
                        sqlite3_bind_int64(prepared, i + 1, whole.values[i].toLongLong());
                    const Result<GridData> expected =
                        GridData::fromStatement(prepared, *env.session, gridShape());
                    sqlite3_finalize(prepared);
                    const Result<PagedGrid> paged = open(*env.session, r);
                    QVERIFY(expected && paged);
                    QCOMPARE(paged->header(), expected->header());
                    QCOMPARE(paged->totals(), expected->totals());
                    QCOMPARE(paged->rowCount(), expected->rowCount());
                    for (int row = 0; row < expected->rowCount(); ++row) {
                        QCOMPARE(paged->key(row), expected->key(row));
                        for (int c = 0; c < ColumnCount; ++c) {
                            QCOMPARE(paged->text(row, c), expected->text(row, c));
                            QCOMPARE(paged->cellColour(row, c), expected->cellColour(row, c));
                        }
                    }
                }
            }
        }
    }

    // Pages are read as rows are asked for; a row changed in place keeps its change while other
    // pages come and go, and every row keeps its place when invoices change meanwhile.
    void pagesReadOnDemandKeepTheirPlaces()
    {
        TestEnv& env = *m_env;
        const int rows = PagedGrid::kPageRows * (PagedGrid::kCachedPages + 2) + 5;
        {
            Transaction tx(env.db);
            QSqlQuery insert = env.db.prepare(QStringLiteral(
                "INSERT INTO TblInvoices(ClientID, InvoiceNumber, \"Date\", Paid, BadDebt, "
                "Identity, \"Value\") VALUES (?, ?, 46000, 0, 0, 3, 10000)"));
            for (int i = 0; i < rows; ++i) {
                insert.addBindValue(m_acme);
                insert.addBindValue(QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0')));
                QVERIFY(env.db.exec(insert));
            }
            QVERIFY(tx.commit());
        }
        const Request r{Trigger::Option, Filter::Unpaid, true, 0, 3};
        Result<PagedGrid> grid = open(*env.session, r);
        QVERIFY(grid && !grid->isComplete());
        QCOMPARE(grid->rowCount(), rows);
        QCOMPARE(grid->totals()[ColValue],
                 env.session->locale().toCurrency(Money::fromUnits(qint64(rows) * 10000)));
        QCOMPARE(grid->text(rows - 1, ColInvoiceNumber),
                 QString::number(rows - 1).rightJustified(5, u'0'));

        QVERIFY(grid->setCell(1, ColPaid, -1));
        const int gone = 3 * PagedGrid::kPageRows; // on a page not read yet
        env.exec(QStringLiteral("DELETE FROM TblInvoices WHERE InvoiceID = ?"), {grid->key(gone)});
        env.exec(QStringLiteral("UPDATE TblInvoices SET Paid = -1 WHERE InvoiceID = ?"),
                 {grid->key(gone + 1)});
        for (int row = 0; row < rows; row += PagedGrid::kPageRows / 2)
            grid->text(row, ColInvoiceNumber); // every page read, the first ones let go
        QCOMPARE(grid->text(1, ColPaid), QStringLiteral("True"));
        QCOMPARE(grid->text(gone, ColInvoiceNumber), QString());
        QCOMPARE(grid->text(gone + 1, ColInvoiceNumber), QStringLiteral("00385"));
        QCOMPARE(grid->text(gone + 2, ColInvoiceNumber), QStringLiteral("00386"));
        QVERIFY(grid->readError().isEmpty());

        // A page that cannot be read shows nothing and says why; the pages at hand stay.
        Result<PagedGrid> failing = open(*env.session, r);
        QVERIFY(failing);
        QCOMPARE(failing->text(0, ColInvoiceNumber), QStringLiteral("00000"));
        const int last = failing->rowCount() - 1;
        env.exec(QStringLiteral("ALTER TABLE TblInvoices RENAME TO TblElsewhere"));
        QCOMPARE(failing->text(last, ColInvoiceNumber), QString());
        QVERIFY(failing->readError().contains(QStringLiteral("no such table")));
        QCOMPARE(failing->text(0, ColInvoiceNumber), QStringLiteral("00000"));
        // Nor is the whole list made up with empty rows in its place.
        QVERIFY(!failing->readAll());
        QVERIFY(failing->all().isEmpty());
        QVERIFY(!failing->isComplete());
    }

    void statusChanges()
    {
        TestEnv& env = *m_env;
        const int badDebt = env.db
                                .scalar(QStringLiteral(
                                    "SELECT InvoiceID FROM TblInvoices WHERE InvoiceNumber='0101'"))
                                .toInt();
        const int paid = env.db
                             .scalar(QStringLiteral(
                                 "SELECT InvoiceID FROM TblInvoices WHERE InvoiceNumber='0100'"))
                             .toInt();
        QCOMPARE(markBadDebt(env.db, paid), BadDebtOutcome::AlreadyPaid);
        QCOMPARE(markBadDebt(env.db, 12345), BadDebtOutcome::NoSuchInvoice);

        // A bad debt that is paid after all loses its bad-debt mark.
        QVERIFY(markPaid(env.db, badDebt, TestEnv::kToday));
        QCOMPARE(env.db
                     .scalar(QStringLiteral("SELECT BadDebt || '/' || Paid || '/' || DatePaid "
                                            "FROM TblInvoices WHERE InvoiceID = ?"),
                             {badDebt})
                     .toString(),
                 QStringLiteral("0/-1/46359.0"));
        QVERIFY(markUnpaid(env.db, badDebt));
        QVERIFY(env.db
                    .scalar(QStringLiteral("SELECT DatePaid FROM TblInvoices WHERE InvoiceID=?"),
                            {badDebt})
                    .isNull());
        QCOMPARE(markBadDebt(env.db, badDebt), BadDebtOutcome::Marked);

        const auto s = summary(env.db, paid);
        QVERIFY(s && *s && (*s)->paid && (*s)->invoiceNumber == QStringLiteral("0100") &&
                (*s)->clientId == m_acme);
        QVERIFY(remove(env.db, paid));
        QVERIFY(summary(env.db, paid) && !*summary(env.db, paid));

        // A failed query is an error, never "no such invoice".
        env.exec(QStringLiteral("ALTER TABLE TblInvoices RENAME TO TblGone"));
        QVERIFY(!summary(env.db, badDebt));
        QCOMPARE(markBadDebt(env.db, badDebt), BadDebtOutcome::Failed);
        QVERIFY(!load(*env.session, {Trigger::Option, Filter::Unpaid, true, 0, 1}));
        QCOMPARE(paidDateText(TestEnv::kToday, env.session->locale()),
                 QStringLiteral("3 December 2026"));
    }
};

QTEST_GUILESS_MAIN(TestInvoiceList)
#include "tst_invoicelist.moc"
