#include "core/DaySerial.h"
#include "core/Money.h"
#include "invoices/InvoiceList.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"

#include <QSqlQuery>
#include <QTest>

using namespace InvoiceList;

namespace {

// Every view there is, for one client of identity 1.
QList<Request> everyView(int client)
{
    QList<Request> all;
    for (Trigger t : {Trigger::Option, Trigger::BadDebtBox, Trigger::ClientChosen,
                      Trigger::CompanyOption, Trigger::ExcludeClient})
        for (Filter f : {Filter::All, Filter::Paid, Filter::Unpaid})
            for (bool hide : {true, false})
                all.append({t, f, hide, client, 1});
    return all;
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
    // Invoice numbers listed by a request, in the order the statement returns them.
    QStringList numbers(const Request& request)
    {
        const Result<GridData> rows = load(m_env->db, m_env->gridContext(), request);
        if (!rows)
            qWarning("%s", qPrintable(rows.error()));
        QStringList found;
        for (int r = 0; rows && r < rows->rowCount(); ++r)
            found << rows->text(r, ColInvoiceNumber);
        return found;
    }
    // `count` unpaid invoices of Acme for identity 3 worth 1.00 each, numbered 00000 up.
    void addMany(int count)
    {
        Transaction tx(m_env->db);
        QSqlQuery insert = m_env->db.prepare(
            QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, \"Date\", Paid, "
                           "BadDebt, Identity, \"Value\") VALUES (?, ?, 46000, 0, 0, 3, 10000)"));
        for (int i = 0; i < count; ++i) {
            insert.addBindValue(m_acme);
            insert.addBindValue(QStringLiteral("%1").arg(i, 5, 10, QLatin1Char('0')));
            QVERIFY(m_env->db.exec(insert));
        }
        QVERIFY(tx.commit());
    }
    // Whether a plan reads the invoices through an index in the order shown.
    bool isIndexed(const QString& plan) const
    {
        if (!m_env->db.isServer())
            return plan.contains(QStringLiteral("SEARCH TblInvoices USING")) &&
                   !plan.contains(QStringLiteral("SCAN TblInvoices")) &&
                   !plan.contains(QStringLiteral("TEMP B-TREE"));
        return plan.contains(QStringLiteral("Index")) &&
               !plan.contains(QStringLiteral("Seq Scan on tblinvoices")) &&
               !plan.contains(QStringLiteral("Sort"));
    }
    int idOf(const char* number)
    {
        return m_env->db
            .scalar(QStringLiteral("SELECT InvoiceID FROM TblInvoices WHERE InvoiceNumber = ?"),
                    {QString::fromLatin1(number)})
            .toInt();
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

    void views_data()
    {
        CaseFile::addRows(QStringLiteral("invoices/views.txt"),
                          {"trigger", "filter", "hide", "client", "identity", "numbers"});
    }
    void views()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, filter);
        QFETCH(QString, hide);
        QFETCH(QString, client);
        QFETCH(QString, identity);
        const QStringList triggers{"Option", "BadDebtBox", "ClientChosen", "CompanyOption",
                                   "ExcludeClient"};
        const Request r{Trigger(triggers.indexOf(trigger)),
                        Filter(QStringList{"All", "Paid", "Unpaid"}.indexOf(filter)),
                        hide == u"yes", client.toInt(), identity.toInt()};
        QTEST(numbers(r).join(u' '), "numbers");
    }

    // Every statement of every view reads the invoices through an index, in the order shown,
    // and counts them without reading the table. Every view read as the grid shows it (keys and
    // totals first, the rest by page) gives the rows, order, texts, colours and totals of its
    // whole statement, ties included.
    void everyViewIsIndexedAndPagedLikeItsStatement()
    {
        // Number and date repeated; a server's books hold each number once: the date alone.
        const bool server = m_env->db.isServer();
        addInvoice(m_acme, server ? QStringLiteral("01031") : QStringLiteral("0103"), 10, false,
                   false);
        addInvoice(m_nameless, server ? QStringLiteral("01001") : QStringLiteral("0100"), 40, false,
                   false);
        for (const Request& r : everyView(m_acme)) {
            const Statement keys = m_env->db.isServer() ? joinedKeysStatement(r) : keysStatement(r);
            for (const Statement& s : {statement(r), countStatement(r), keys}) {
                const QString plan = m_env->planOf(s.sql, s.values);
                QVERIFY2(isIndexed(plan), qPrintable(s.sql + QStringLiteral("\n") + plan));
            }

            const Statement whole = statement(r);
            const Result<GridData> expected = GridData::read(m_env->db, m_env->gridContext(),
                                                             whole.sql, whole.values, gridShape());
            const Result<PagedGrid> paged = open(m_env->db, m_env->gridContext(), r);
            QVERIFY2(expected && paged, qPrintable(expected.error() + paged.error()));
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
        QCOMPARE(load(m_env->db, m_env->gridContext(), {Trigger::Option, Filter::All, false, 0, 1})
                     ->header(),
                 QStringList({"InvoiceID", "Date", "InvoiceNumber", "Company", "Content", "Value",
                              "VAT", "Total", "Paid", "DatePaid"}));
    }

    // A view one row over the limit is refused, the largest that fits is shown.
    void loadStopsAtTheCellLimit()
    {
        const Request r{Trigger::Option, Filter::Unpaid, false, 0, 3};
        addMany(maxRows());
        Result<GridData> shown = load(m_env->db, m_env->gridContext(), r);
        QVERIFY(shown);
        QCOMPARE(shown->outcome(), GridData::Outcome::Filled);
        QCOMPARE(shown->rowCount(), maxRows());
        QCOMPARE(maxRows(), 34999);
        addInvoice(m_acme, QStringLiteral("0"), 0, false, false, 3);
        Result<GridData> refused = load(m_env->db, m_env->gridContext(), r);
        QVERIFY(refused);
        QCOMPARE(refused->outcome(), GridData::Outcome::TooManyRecords);

        // A view that cannot be read, counted first or not, gives the database's words.
        m_env->exec(QStringLiteral("ALTER TABLE TblInvoices RENAME TO TblElsewhere"));
        QVERIFY(!m_env->db.scalar(statement(r).sql).isValid());
        // A server's words go on to quote the statement.
        const QString error = m_env->db.errorString().section(u'\n', 0, 0);
        for (Filter filter : {Filter::Unpaid, Filter::All}) {
            const Result<GridData> failed =
                load(m_env->db, m_env->gridContext(), {Trigger::Option, filter, false, 0, 3});
            QVERIFY(!failed);
            QCOMPARE(failed.error().section(u'\n', 0, 0), error);
        }
    }

    // Pages are read as rows are asked for; a row changed in place keeps its change while other
    // pages come and go, and every row keeps its place when invoices change meanwhile.
    void pagesReadOnDemandKeepTheirPlaces()
    {
        const int rows = PagedGrid::kPageRows * (PagedGrid::kCachedPages + 2) + 5;
        addMany(rows);
        const Request r{Trigger::Option, Filter::Unpaid, true, 0, 3};
        Result<PagedGrid> grid = open(m_env->db, m_env->gridContext(), r);
        QVERIFY(grid && !grid->isComplete());
        QCOMPARE(grid->rowCount(), rows);
        QCOMPARE(grid->totals()[ColValue],
                 LocaleText(testLocale()).toCurrency(Money::fromUnits(qint64(rows) * 10000)));
        QCOMPARE(grid->text(rows - 1, ColInvoiceNumber),
                 QString::number(rows - 1).rightJustified(5, u'0'));

        QVERIFY(grid->setCell(1, ColPaid, -1));
        const int gone = 3 * PagedGrid::kPageRows; // on a page not read yet
        m_env->exec(QStringLiteral("DELETE FROM TblInvoices WHERE InvoiceID = ?"),
                    {grid->key(gone)});
        m_env->exec(QStringLiteral("UPDATE TblInvoices SET Paid = -1 WHERE InvoiceID = ?"),
                    {grid->key(gone + 1)});
        for (int row = 0; row < rows; row += PagedGrid::kPageRows / 2)
            grid->text(row, ColInvoiceNumber); // every page read, the first ones let go
        QCOMPARE(grid->text(1, ColPaid), QStringLiteral("True"));
        QCOMPARE(grid->text(gone, ColInvoiceNumber), QString());
        QCOMPARE(grid->text(gone + 1, ColInvoiceNumber), QStringLiteral("00385"));
        QCOMPARE(grid->text(gone + 2, ColInvoiceNumber), QStringLiteral("00386"));
        QVERIFY(grid->readError().isEmpty());

        // A page that cannot be read shows nothing and says why; the pages at hand stay.
        Result<PagedGrid> failing = open(m_env->db, m_env->gridContext(), r);
        QVERIFY(failing);
        QCOMPARE(failing->text(0, ColInvoiceNumber), QStringLiteral("00000"));
        const int last = failing->rowCount() - 1;
        m_env->exec(QStringLiteral("ALTER TABLE TblInvoices RENAME TO TblElsewhere"));
        QCOMPARE(failing->text(last, ColInvoiceNumber), QString());
        QVERIFY(failing->readError().contains(m_env->missingTableWords()));
        QCOMPARE(failing->text(0, ColInvoiceNumber), QStringLiteral("00000"));
        // Nor is the whole list made up with empty rows in its place.
        QVERIFY(!failing->readAll());
        QVERIFY(failing->all().isEmpty());
        QVERIFY(!failing->isComplete());
    }

    void statusChanges()
    {
        const int badDebt = idOf("0101"), paid = idOf("0100");
        QCOMPARE(markBadDebt(m_env->db, paid), BadDebtOutcome::AlreadyPaid);
        QCOMPARE(markBadDebt(m_env->db, 12345), BadDebtOutcome::NoSuchInvoice);

        // A bad debt that is paid after all loses its bad-debt mark.
        QVERIFY(markPaid(m_env->db, badDebt, TestEnv::kToday));
        const auto stored = m_env->db.one(
            QStringLiteral("SELECT BadDebt, Paid, DatePaid FROM TblInvoices WHERE InvoiceID = ?"),
            {badDebt}, [](const Row& row) {
                return QStringLiteral("%1/%2/%3")
                    .arg(row[0].toInt())
                    .arg(row[1].toInt())
                    .arg(row[2].toDouble());
            });
        QCOMPARE(stored ? stored->value_or(QString()) : stored.error(),
                 QStringLiteral("0/-1/46359"));
        QVERIFY(markUnpaid(m_env->db, badDebt));
        QVERIFY(m_env->db
                    .scalar(QStringLiteral("SELECT DatePaid FROM TblInvoices WHERE InvoiceID=?"),
                            {badDebt})
                    .isNull());
        QCOMPARE(markBadDebt(m_env->db, badDebt), BadDebtOutcome::Marked);

        const auto s = summary(m_env->db, paid);
        QVERIFY(s && *s && (*s)->paid && (*s)->invoiceNumber == QStringLiteral("0100") &&
                (*s)->clientId == m_acme);
        QVERIFY(remove(m_env->db, paid));
        QVERIFY(summary(m_env->db, paid) && !*summary(m_env->db, paid));

        // A failed query is an error, never "no such invoice".
        m_env->exec(QStringLiteral("ALTER TABLE TblInvoices RENAME TO TblGone"));
        QVERIFY(!summary(m_env->db, badDebt));
        QCOMPARE(markBadDebt(m_env->db, badDebt), BadDebtOutcome::Failed);
        QCOMPARE(paidDateText(TestEnv::kToday, LocaleText(testLocale())),
                 QStringLiteral("3 December 2026"));
    }
};

QTEST_GUILESS_MAIN(TestInvoiceList)
#include "tst_invoicelist.moc"
