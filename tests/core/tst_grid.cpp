#include "core/DaySerial.h"
#include "core/GridData.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/PictureButton.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTest>
#include <limits>

namespace {

const QString kInvoiceList =
    "SELECT TblInvoices.InvoiceID, TblInvoices.\"Date\", TblInvoices.InvoiceNumber, "
    "TblClients.Company, TblInvoices.Content, TblInvoices.\"Value\", TblInvoices.VAT, "
    "TblInvoices.Total, TblInvoices.Paid, TblInvoices.DatePaid FROM TblClients LEFT JOIN "
    "TblInvoices ON TblClients.ClientID = TblInvoices.ClientID WHERE TblInvoices.InvoiceNumber "
    "Is Not Null order by InvoiceID";

using K = GridColumn::Kind;
// clang-format off
const GridShape kInvoiceSpec = {{{K::Key}, {K::Date}, {K::Text}, {K::Text}, {K::Text}, {K::Money},
                                 {K::Money}, {K::Money}, {K::YesNo}, {K::Date}},
                                OverdueRule{}};
// clang-format on

double daysAgo(int days)
{
    return DaySerial::fromDate(TestEnv::kToday.addDays(-days));
}

// One client and an invoice per call; money in pounds, stored in ten-thousandths.
struct Invoices {
    TestEnv& env;
    int client = 0;
    int number = 1000;

    explicit Invoices(TestEnv& e, const QString& company = "Acme")
        : env(e)
    {
        env.exec("INSERT INTO TblClients(Company, Identity) VALUES (?, 1)", {company});
        client = env.db.scalar("SELECT max(ClientID) FROM TblClients").toInt();
    }
    void add(double date, double pounds, bool paid = false, QVariant datePaid = {})
    {
        env.exec("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, "
                 "\"Value\", VAT, Total, \"Date\", Paid, DatePaid, Identity) "
                 "VALUES (?, ?, 'Work', ?, ?, ?, ?, ?, ?, 1)",
                 {client, QString::number(++number), qRound64(pounds * 10000),
                  qRound64(pounds * 2000), qRound64(pounds * 12000), date, paid ? -1 : 0,
                  datePaid});
    }
};

GridData load(TestEnv& env, const QString& sql, const GridShape& shape = {})
{
    QSqlQuery q = env.db.prepare(sql);
    if (!env.db.exec(q))
        qWarning("%s", qPrintable(env.db.errorString()));
    return GridData::fromQuery(q, env.gridContext(), shape);
}

// The same statement read as the invoice list reads it: straight from SQLite on a file.
GridData loadDirect(TestEnv& env, const QString& sql, const GridShape& shape)
{
    Result<GridData> data = GridData::read(env.db, env.gridContext(), sql, {}, shape);
    if (!data)
        qWarning("%s", qPrintable(data.error()));
    return data ? *data : GridData();
}

// A result of `rows` rows of `fields` numbers each, counted by SQLite itself.
QSqlQuery numbers(TestEnv& env, int rows, int fields)
{
    QStringList columns;
    for (int i = 0; i < fields; ++i)
        columns << QStringLiteral("x AS c%1").arg(i);
    QSqlQuery q = env.db.prepare(
        QStringLiteral(
            "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < ?) "
            "SELECT %1 FROM n")
            .arg(columns.join(u',')));
    q.addBindValue(rows);
    if (!env.db.exec(q))
        qFatal("%s", qPrintable(env.db.errorString()));
    return q;
}

} // namespace

class TestGrid : public QObject {
    Q_OBJECT
private slots:
    void headerTextKindsAndTotals()
    {
        TestEnv env;
        Invoices inv(env, "1984");
        inv.add(DaySerial::fromDate(QDate(2026, 12, 3)), 1234.5, true,
                DaySerial::fromDate(QDate(2026, 12, 4)) + 0.5);
        inv.add(daysAgo(1), 10); // unpaid: DatePaid is Null

        // No kinds given: they come from the field types and our column names, as the texts show.
        const GridData data = load(env, kInvoiceList);
        QCOMPARE(data.header(),
                 QStringList({"InvoiceID", "Date", "InvoiceNumber", "Company", "Content", "Value",
                              "VAT", "Total", "Paid", "DatePaid"}));
        QCOMPARE(data.column(0).kind, GridColumn::Kind::Key);
        // Whatever letter case the engine gives the names back in, every column of the books reads
        // as our statements spell it.
        for (const QString& table : Database::tableNames()) {
            QVERIFY2(!env.db.columns(table).isEmpty(), qPrintable(table));
            for (const QString& column : env.db.columns(table)) {
                const QString name = GridData::canonicalName(column.toLower());
                QVERIFY2(name.compare(column, Qt::CaseInsensitive) == 0 && name != name.toLower(),
                         qPrintable(column));
                QVERIFY(env.db.isServer() || name == column);
            }
        }
        // Dates long, money in pounds, Yes/No in words; DatePaid's time of day dropped.
        QCOMPARE(QStringList({data.text(0, 1), data.text(0, 2), data.text(0, 5), data.text(0, 8),
                              data.text(0, 9)}),
                 QStringList({"Thursday, 3 December 2026", "1001", "£1,234.50", "True",
                              "Friday, 4 December 2026"}));
        QCOMPARE(data.text(1, 8), "False");
        QCOMPARE(data.text(1, 9), QString());
        QVERIFY(data.value(1, 9).isNull());
        QCOMPARE(data.rowOfKey(data.key(1)), 1);
        QCOMPARE(data.rowOfKey(999), -1);

        // Invoices: money columns summed, the numeric InvoiceNumber and Company left out.
        QCOMPARE(
            load(env, kInvoiceList, kInvoiceSpec).totals(),
            QStringList({"", "Totals", "", "", "", "£1,244.50", "£248.90", "£1,493.40", "", ""}));

        // Expenses: Mileage is never totalled; a negative sum (a refund larger than the spend) is
        // not shown; a number column of any other name is totalled in the currency form.
        env.exec("INSERT INTO TblExpenses(\"Date\", ClientRef, Description, Milage, "
                 "\"Value\", VAT, Identity) VALUES (?, '7', '8', ?, ?, ?, 1), "
                 "(?, '7', '8', ?, ?, ?, 1)",
                 {daysAgo(2), 10.5, 20000, -50000, daysAgo(3), 2.25, 5000, 10000});
        const GridData expenses =
            load(env, "SELECT ExpenseID, \"Date\", ClientRef, Description, Milage as "
                      "Mileage, Milage, \"Value\", VAT FROM TblExpenses ORDER BY ExpenseID");
        QCOMPARE(expenses.text(0, 4), "10.5");
        QCOMPARE(expenses.totals(), QStringList({"", "Totals", "", "", "", "£12.75", "£2.50", ""}));

        // An empty result still has its header and the Totals row.
        QCOMPARE(load(env, kInvoiceList + " LIMIT 0", kInvoiceSpec).totals().value(1), "Totals");
    }

    void overdueDatesAndRowUpdatedInPlace()
    {
        TestEnv env;
        Invoices inv(env);
        inv.add(daysAgo(30), 1);                    // 30 days old, unpaid: red
        inv.add(daysAgo(29) + 0.99, 1);             // 29 days and late in the day: not red
        inv.add(daysAgo(400), 1, true, daysAgo(1)); // paid: never red
        inv.add(daysAgo(31) + 0.01, 1);             // early on day 31: red

        FlexGrid grid;
        grid.setGridData(load(env, kInvoiceList, kInvoiceSpec));
        FlexGridModel* model = grid.gridModel();
        const GridData& data = grid.gridData();
        const QColor red(255, 0, 0);
        for (int row = 0; row < 4; ++row)
            QCOMPARE(data.cellColour(row, 1), row == 0 || row == 3 ? red : QColor());
        QCOMPARE(model->data(model->index(0, 1), Qt::ForegroundRole).value<QColor>(), red);
        QCOMPARE(data.cellColour(0, 2), QColor()); // only the date cell

        // Marked paid without a new query: the row changes and its date loses the red.
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        const double today = DaySerial::fromDate(TestEnv::kToday);
        model->setCell(0, 8, -1);
        model->setCell(0, 9, today, "3 December 2026");
        model->applyOverdueRule(0, TestEnv::kToday);
        QCOMPARE(changed.count(), 3);
        QCOMPARE(model->data(model->index(0, 8)).toString(), "True");
        QCOMPARE(model->data(model->index(0, 9)).toString(), "3 December 2026");
        QCOMPARE(model->data(model->index(0, 9), FlexGridModel::RawValueRole).toDouble(), today);
        QVERIFY(!model->data(model->index(0, 1), Qt::ForegroundRole).isValid());

        // Unpaid again: red again.
        model->setCell(0, 8, 0);
        model->setCell(0, 9, QVariant());
        model->applyOverdueRule(0, TestEnv::kToday);
        QCOMPARE(data.text(0, 9), QString());
        QCOMPARE(data.cellColour(0, 1), red);
    }

    void valuesTheColumnsCannotHoldAndCellsOutside()
    {
        TestEnv env;
        Invoices inv(env);
        const qint64 max = std::numeric_limits<qint64>::max();
        const QString insert = "INSERT INTO TblInvoices(ClientID, InvoiceNumber, \"Value\", VAT, "
                               "Total, \"Date\", Paid, "
                               "Identity) VALUES (?, ?, ?, ?, ?, ?, 0, 1)";
        // Text, a REAL past 2^63 and a date past any calendar, as a foreign file may hold them; a
        // server's columns hold no such money: Nulls there.
        const bool server = env.db.isServer();
        env.exec(insert, {inv.client, "01", max, server ? QVariant() : QVariant("abc"),
                          server ? QVariant() : QVariant(1e30), 1e300});
        env.exec(insert, {inv.client, "02", max, 20000, 10000, daysAgo(40)});
        GridData data = load(env, kInvoiceList, kInvoiceSpec);

        // Money is exact at the top of the range, not rounded through a double.
        QCOMPARE(data.text(0, 5), "£922,337,203,685,477.58");
        QCOMPARE(data.value(0, 5).toLongLong(), max);
        for (int column : {1, 6, 7}) {
            QCOMPARE(data.text(0, column), QString());
            QVERIFY(data.value(0, column).isNull());
        }
        QCOMPARE(data.cellColour(0, 1), QColor()); // no date, so never overdue
        QCOMPARE(data.cellColour(1, 1), GridData::kOverdueColour);
        // The sum of two largest amounts is refused in words; the unreadable cells count for
        // nothing.
        QCOMPARE(data.totals().mid(5, 3), QStringList({"Out of range", "£2.00", "£1.00"}));

        // Row and column numbers outside the grid change nothing and read as empty.
        const QList<QPoint> outside = {{-1, 0}, {2, 0}, {0, -1}, {0, 10}, {INT_MIN, INT_MAX}};
        for (const QPoint& at : outside) {
            QVERIFY(!data.setCell(at.x(), at.y(), 1));
            QVERIFY(!data.setCellColour(at.x(), at.y(), Qt::blue));
            QCOMPARE(data.text(at.x(), at.y()), QString());
            QVERIFY(!data.value(at.x(), at.y()).isValid());
            QCOMPARE(data.cellColour(at.x(), at.y()), QColor());
            QVERIFY(!data.isOverdue(at.x(), TestEnv::kToday));
            data.applyOverdueRule(at.x(), TestEnv::kToday);
        }
        QCOMPARE(data.key(2), 0);
        QCOMPARE(data.column(10).kind, GridColumn::Kind::Text);
        QVERIFY(data.setCell(1, 6, 1e300)); // a REAL past 2^63 set in place: Null, not wrapped
        QVERIFY(data.value(1, 6).isNull());

        // Read straight from SQLite, every cell reads as through Qt's driver: money as text or
        // REAL, an empty text and a Null, a number and bytes in a text column, a date given as
        // text. A server's typed columns hold only the usual forms.
        if (!server)
            env.exec("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, \"Value\", "
                     "VAT, Total, \"Date\", Paid, DatePaid, Identity) VALUES "
                     "(?, 7, '', '12.5', 1.23456, NULL, '46000', '0', NULL, 1), "
                     "(?, 'Ä€', X'414243', 5, -3, 2.5e4, 45000.75, -1, 1e10, 1)",
                     {inv.client, inv.client});
        const GridData viaQt = load(env, kInvoiceList, kInvoiceSpec);
        const GridData direct = loadDirect(env, kInvoiceList, kInvoiceSpec);
        QCOMPARE(direct.rowCount(), server ? 2 : 4);
        QCOMPARE(direct.header(), viaQt.header());
        QCOMPARE(direct.totals(), viaQt.totals());
        for (int r = 0; r < viaQt.rowCount(); ++r) {
            for (int c = 0; c < viaQt.columnCount(); ++c) {
                QCOMPARE(direct.text(r, c), viaQt.text(r, c));
                QCOMPARE(direct.value(r, c), viaQt.value(r, c));
                QCOMPARE(direct.cellColour(r, c), viaQt.cellColour(r, c));
            }
        }
        if (!server) {
            QCOMPARE(direct.text(2, 4), QString()); // the empty text is a text, not Null
            QVERIFY(!direct.value(2, 4).isNull());
        }
    }

    void cellLimit_data() { CaseFile::addRows("core/cell-limit.txt", {"rowCount", "fieldCount"}); }

    // A refused result shows the message and leaves the grid empty, with no columns.
    void cellLimit()
    {
        QFETCH(QString, rowCount);
        QFETCH(QString, fieldCount);
        const int rows = rowCount.toInt(), fields = fieldCount.toInt();
        const bool shown = QByteArray(QTest::currentDataTag()).endsWith("limit");
        TestEnv env;
        FlexGrid grid;
        QSqlQuery small = numbers(env, 1, 1);
        QVERIFY(grid.populate(GridData::fromQuery(small, env.gridContext()), env.prompter));
        QSqlQuery q = numbers(env, rows, fields);
        if (!shown)
            env.prompter.expectExactly({"There Are Too Many Records To Display\n"
                                        "Please Use Selection Criteria",
                                        QString(), Prompter::Buttons::Ok, Prompter::Icon::None,
                                        Prompter::Answer::Ok},
                                       Prompter::Answer::Ok);
        QCOMPARE(grid.populate(GridData::fromQuery(q, env.gridContext()), env.prompter), shown);
        QCOMPARE(grid.model()->rowCount(), shown ? rows + 1 : 0); // and the Totals row
        QCOMPARE(grid.model()->columnCount(), shown ? fields : 0);
        VERIFY_PROMPTS(env.prompter);
    }

    void unreadablePageReportedOnceAfterThePaint()
    {
        TestEnv env;
        Invoices inv(env);
        inv.add(daysAgo(1), 1);
        inv.add(daysAgo(2), 2);
        FlexGrid grid;
        int reads = 0;
        // Rows are read a page at a time.
        grid.setRows(
            PagedGrid(load(env, kInvoiceList, kInvoiceSpec), [&reads](const QList<qint64>&) {
                ++reads;
                return Result<GridData>(Failure{"disk I/O error"});
            }));
        QSignalSpy failed(grid.gridModel(), &FlexGridModel::readFailed);
        grid.resize(600, 300);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        grid.viewport()->repaint();
        QTRY_COMPARE(failed.count(), 1);
        QCOMPARE(failed[0][0].toString(), "disk I/O error");
        QVERIFY(reads > 0);
        QCOMPARE(grid.model()->data(grid.model()->index(2, 5)).toString(), "£3.00");
        QCOMPARE(grid.model()->data(grid.model()->index(0, 5)).toString(), QString());
        QCOMPARE(failed.count(), 1);
    }

    void clicksReportTheRowKey()
    {
        TestEnv env;
        Invoices inv(env);
        for (int i = 0; i < 3; ++i)
            inv.add(daysAgo(i), 10);
        FlexGrid grid;
        grid.resize(900, 400);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QSignalSpy clicked(&grid, &FlexGrid::rowClicked);
        QSignalSpy menu(&grid, &FlexGrid::rowMenuRequested);

        // An empty grid (a refused result) ignores clicks.
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(50, 10));
        QCOMPARE(clicked.count(), 0);

        grid.setGridData(load(env, kInvoiceList, kInvoiceSpec));
        QCOMPARE(grid.columnWidth(0), 1); // the key column is all but hidden
        const qint64 key1 = grid.gridData().key(1);
        auto centre = [&](int row, int column) {
            return grid.visualRect(grid.model()->index(row, column)).center();
        };
        auto click = [&](Qt::MouseButton button, int row) {
            QTest::mouseClick(grid.viewport(), button, {}, centre(row, 3));
        };

        click(Qt::LeftButton, 1);
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked[0], QVariantList({key1, 1, 3})); // the key, the row and the column
        QCOMPARE(grid.highlightedRow(), 1);
        QCOMPARE(grid.model()->data(grid.model()->index(1, 4), Qt::BackgroundRole).value<QColor>(),
                 QColor(194, 186, 216));

        click(Qt::RightButton, 2);
        QCOMPARE(menu.count(), 1);
        QCOMPARE(menu[0][0].toLongLong(), grid.gridData().key(2));
        QCOMPARE(menu[0][2].toPoint(), grid.viewport()->mapToGlobal(centre(2, 3)));
        QCOMPARE(grid.highlightedRow(), 2);
        QVERIFY(!grid.model()->data(grid.model()->index(1, 4), Qt::BackgroundRole).isValid());

        // The totals row (bold) and the header row do nothing.
        QVERIFY(grid.model()->data(grid.model()->index(3, 1), Qt::FontRole).value<QFont>().bold());
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            click(button, 3);
            QTest::mouseClick(grid.horizontalHeader()->viewport(), button, {}, QPoint(150, 5));
        }
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(menu.count(), 1);
        QCOMPARE(grid.highlightedRow(), 2);
    }

    // Not a grid, but the other widget of core/ui whose drawing waits: the picture keeps its place
    // until the button has been painted, then shows.
    void standardPictureComesAfterThePaint()
    {
        PictureButton button("picTest", Icons::Action::BackUp, "Back Up");
        const QSize place = button.sizeHint();
        QVERIFY(!button.hasPicture());
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QTRY_VERIFY(button.hasPicture());
        const QImage shown = button.pixmap().toImage();
        QCOMPARE(shown, Icons::icon(Icons::Action::BackUp)
                            .pixmap(QSize(32, 32), button.devicePixelRatioF())
                            .toImage());
        QCOMPARE(button.sizeHint(), place);
    }
};

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
