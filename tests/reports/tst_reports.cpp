#include "core/DaySerial.h"
#include "core/GridExport.h"
#include "core/ui/ExportButtons.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/LongWork.h"
#include "core/ui/PictureButton.h"
#include "expenses/ExpenseStore.h"
#include "invoices/InvoiceList.h"
#include "reports/VatReport.h"
#include "reports/ui/ReportsTab.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>
#include <sys/stat.h>
#include <unistd.h>

namespace {

double serial(int y, int m, int d)
{
    return DaySerial::fromDate(QDate(y, m, d));
}

QStringList column(const GridData& data, int c)
{
    QStringList texts;
    for (int r = 0; r < data.rowCount(); ++r)
        texts << data.text(r, c);
    return texts;
}

void choose(QWidget* tab, const QByteArray& name, const QString& item)
{
    auto* box = child<QComboBox>(tab, name.constData());
    const int i = box->findText(item);
    if (i < 0)
        qFatal("%s has no item %s", name.constData(), qPrintable(item));
    box->setCurrentIndex(i);
}

void choosePeriod(QWidget* tab, const QStringList& start, const QStringList& end)
{
    const char* const parts[] = {"Day", "Month", "Year"};
    for (int i = 0; i < 3; ++i) {
        choose(tab, QByteArray("cboVatStart") + parts[i], start[i]);
        choose(tab, QByteArray("cboVatEnd") + parts[i], end[i]);
    }
}

// Waits for the spreadsheet being written on its worker, and for what follows it.
void waitForSpreadsheet(ExportButtons* buttons)
{
    auto* work = buttons->findChild<LongWork*>();
    QVERIFY(work);
    QSignalSpy finished(work, &LongWork::finished);
    QVERIFY(finished.wait(30000));
    QTRY_VERIFY(!buttons->findChild<LongWork*>()); // gone, so the next export is told apart
}

// A file's permission bits (0700), or -1 when there is no such file.
int modeOf(const QString& path)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

// Receives the files the program asks the desktop to open.
class FileCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

class TestReports : public QObject {
    Q_OBJECT

    // Identity 1 with a client, its invoices paid around the second quarter of 2008, and
    // identity 2's invoice paid inside it.
    static void addBooks(TestEnv& env)
    {
        env.session->setCurrentIdentity(env.addIdentity("One"));
        env.addIdentity("Two");
        const int acme = env.addClient("Acme", 1);
        const int other = env.addClient("Other", 2);
        const auto invoice = [&env](int client, const QString& number, QVariant paidOn,
                                    int identity = 1) {
            env.exec(
                "INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, "
                "\"Value\", VAT, \"Date\", Paid, DatePaid, Identity) VALUES "
                "(?, ?, 'Work', 1000000, 200000, ?, ?, ?, ?)",
                {client, number, serial(2008, 3, 1), paidOn.isNull() ? 0 : -1, paidOn, identity});
        };
        invoice(acme, "0101", serial(2008, 4, 1));
        invoice(acme, "0102", serial(2008, 6, 30) + 0.75); // the last evening
        invoice(acme, "0103", serial(2008, 7, 1));
        invoice(acme, "0104", serial(2008, 3, 31));
        invoice(acme, "0105", QVariant());              // unpaid
        invoice(other, "0201", serial(2008, 5, 10), 2); // identity 2
        invoice(acme, "0106", serial(2008, 5, 10));
        invoice(999, "0107", serial(2008, 5, 11)); // its client was deleted
    }

    // Runs the read-back script on an .xlsx with the system's python, whose openpyxl Debian
    // installs: "skip" says why when there is none.
    static QJsonObject readBack(const QString& path)
    {
        QProcess reader;
        reader.start("/usr/bin/python3", {QStringLiteral(READ_XLSX_SCRIPT), path});
        if (!reader.waitForFinished(60000) || reader.exitCode() == 77)
            return {
                {"skip", QString::fromUtf8(reader.readAllStandardError()) + reader.errorString()}};
        if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0)
            qFatal("read_xlsx.py: %s", reader.readAllStandardError().constData());
        return QJsonDocument::fromJson(reader.readAllStandardOutput()).object();
    }

    // Rows `first` to `last` of an id and a text, read as a list is.
    static GridData rows(TestEnv& env, const GridContext& context, qint64 first, qint64 last,
                         const QString& text)
    {
        QSqlQuery q = env.db.prepare(
            "WITH RECURSIVE n(x) AS (SELECT CAST(? AS BIGINT) UNION ALL SELECT x + 1 FROM n "
            "WHERE x < ?) "
            "SELECT x AS ExpenseID, ? AS Description FROM n");
        for (const QVariant& v : {QVariant(first), QVariant(last), QVariant(text)})
            q.addBindValue(v);
        if (!env.db.exec(q))
            qFatal("%s", qPrintable(env.db.errorString()));
        return GridData::fromQuery(q, context, {{{GridColumn::Kind::Key}, {}}, {}});
    }

private slots:
    // The lists start at 2003 without invoices, else at the first invoice's year, of any
    // identity; the period is preset to its 1 January. Impossible days are no period's end.
    void periodLists()
    {
        TestEnv env;
        ReportsTab tab(*env.session);
        tab.fillPeriodLists();
        // Each list as its size, first and last item, and the item chosen.
        const auto summary = [&tab](const char* name) {
            const auto* box = child<QComboBox>(&tab, name);
            return QString("%1 %2..%3 %4")
                .arg(box->count())
                .arg(box->itemText(0), box->itemText(box->count() - 1), box->currentText());
        };
        QCOMPARE(summary("cboVatEndYear"), "24 2003..2026 2003");
        QCOMPARE(summary("cboVatStartMonth"), "12 January..December January");
        QCOMPARE(summary("cboVatStartDay"), "31 01..31 01");
        QCOMPARE(child<QComboBox>(&tab, "cboVatStartDay")->itemText(8), "09");

        env.exec("INSERT INTO TblInvoices(\"Date\", Identity) VALUES (?, 2)",
                 {serial(2011, 7, 9) + 0.5});
        QCOMPARE(*VatReport::firstYear(env.db), 2011);
        env.exec("INSERT INTO TblInvoices(\"Date\") VALUES (?)", {serial(2009, 1, 1)});
        QCOMPARE(*VatReport::firstYear(env.db), 2009);

        const LocaleText& locale = env.session->locale();
        QVERIFY(!VatReport::periodDate("31", "February", "2026", locale));
        QVERIFY(!VatReport::periodDate("29", "February", "2026", locale));
        QCOMPARE(*VatReport::periodDate("29", "February", "2024", locale), QDate(2024, 2, 29));
        QVERIFY(!VatReport::periodDate("01", "Frimaire", "2026", locale));
        VERIFY_PROMPTS(env.prompter);
    }

    // The identity's invoices paid from the first to the last day, both included, by payment;
    // unpaid ones, another identity's and those of a deleted client never; the same days for
    // the expenses. The statement reads the paid invoices' index, in its order.
    void vatReportOfAPeriod()
    {
        TestEnv env;
        addBooks(env);
        ReportsTab tab(*env.session);
        tab.fillPeriodLists();
        QCOMPARE(child<QComboBox>(&tab, "cboVatStartYear")->itemText(0), "2008");
        choosePeriod(&tab, {"01", "April", "2008"}, {"30", "June", "2008"});
        child<QPushButton>(&tab, "cmdVatControl")->click();
        const GridData& vat = tab.grid()->gridData();
        QCOMPARE(vat.header(), QStringList({"Date", "InvoiceNumber", "Company", "Content", "Value",
                                            "VAT", "DatePaid"}));
        QCOMPARE(column(vat, 1), QStringList({"0101", "0106", "0102"}));
        QCOMPARE(vat.totals(), QStringList({"", "Totals", "", "", "£300.00", "£60.00", ""}));

        // A start after the end lists nothing; an impossible day leaves the list as it was.
        choosePeriod(&tab, {"01", "July", "2008"}, {"30", "June", "2008"});
        child<QPushButton>(&tab, "cmdVatControl")->click();
        QCOMPARE(tab.grid()->gridData().rowCount(), 0);
        QCOMPARE(tab.grid()->gridData().totals()[1], "Totals");
        choosePeriod(&tab, {"31", "February", "2008"}, {"30", "June", "2008"});
        env.prompter.expectMessage(ReportsTab::kDateError, QString());
        child<QPushButton>(&tab, "cmdVatControl")->click();
        QCOMPARE(tab.grid()->gridData().rowCount(), 0);

        // "Get Expenses": the identity's expenses dated from the first to the last day.
        ExpenseStore store(env.db);
        for (const auto& [day, identity] : {std::pair{QDate(2008, 5, 1), 1},
                                            {QDate(2008, 5, 31), 1},
                                            {QDate(2008, 6, 1), 1},
                                            {QDate(2008, 5, 15), 2}})
            QVERIFY(store.add({day, {}, day.toString(Qt::ISODate), 12, Money::fromUnits(50000), {}},
                              identity));
        choosePeriod(&tab, {"01", "May", "2008"}, {"31", "May", "2008"});
        child<QPushButton>(&tab, "cmdGetExpenses")->click();
        const GridData& listed = tab.grid()->gridData();
        QCOMPARE(listed.header(),
                 QStringList({"ExpenseID", "Date", "Description", "Mileage", "Value", "VAT"}));
        QCOMPARE(column(listed, 2), QStringList({"2008-05-01", "2008-05-31"}));
        QCOMPARE(listed.totals(), QStringList({"", "Totals", "", "", "£10.00", ""}));

        const VatReport::Statement s =
            VatReport::paidInvoicesStatement(1, QDate(2008, 4, 1), QDate(2008, 6, 30));
        const QString text = env.planOf(s.sql, s.values);
        if (env.db.isServer())
            QVERIFY2(text.contains("Index Scan using idxinvoicespaidon on tblinvoices") &&
                         !text.contains("Seq Scan") && !text.contains("Sort"),
                     qPrintable(text));
        else
            QVERIFY2(text.contains("SEARCH TblInvoices USING INDEX IdxInvoicesPaidOn") &&
                         !text.contains("SCAN") && !text.contains("TEMP B-TREE"),
                     qPrintable(text));
        VERIFY_PROMPTS(env.prompter);
    }

    // Every row as shown, a comma after every cell, CR LF after every row and once more at the
    // end. A cell loses its commas and line breaks; one a spreadsheet would run as a formula gets
    // an apostrophe before it, unless it is a number or an amount as the locale writes it.
    void csvCells_data()
    {
        CaseFile::addRows("reports/csv-cells.txt", {"locale", "shown", "written"});
    }

    void csvCells()
    {
        const auto [locale, shown, written] = CaseFile::fetchEach({"locale", "shown", "written"});
        TestEnv env;
        QCOMPARE(QString::fromUtf8(*GridExport::csv(
                     rows(env, {LocaleText(QLocale(locale)), TestEnv::kToday}, 1, 1, shown))),
                 "ExpenseID,Description,\r\n1," + written + ",\r\n,Totals,\r\n\r\n");
    }

    // The workbook as an independent reader sees it: the grid's cells without the key column,
    // leading zeros kept as text, amounts as numbers in the currency format, the header bold
    // and frozen, 20-point rows, and the autofilter on the invoice numbers.
    void spreadsheetReadBack()
    {
        TestEnv env;
        env.addIdentity("One");
        const int acme = env.addClient("Acme, Trading");
        for (const auto& [number, value, content] : {std::tuple{"00123", 12500000, "Design"},
                                                     {"0124", -55000, "Refund of a deposit"},
                                                     {"=1+2", 0, "=HYPERLINK(\"x\",\"y\")"},
                                                     {"125", 100, "Printing"}})
            env.exec("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, "
                     "\"Value\", VAT, Total, \"Date\", Paid, Identity) VALUES (?, "
                     "?, ?, ?, 0, ?, ?, 0, 1)",
                     {acme, number, content, value, value, serial(2026, 11, 20)});
        const Result<GridData> list =
            InvoiceList::load(env.db, env.gridContext(),
                              {InvoiceList::Trigger::Option, InvoiceList::Filter::All, true, 0, 1});
        QVERIFY(list);
        const GridData& data = *list;
        const QString path = env.file("Invoices.xlsx");
        const Result<bool> written = GridExport::writeXlsx(
            data, LocaleText(testLocale()), GridExport::layoutOf(GridExport::Grid::Invoices), path);
        QVERIFY2(written && *written, qPrintable(written.error()));

        const QJsonObject book = readBack(path);
        if (book.contains("skip"))
            QSKIP(qPrintable(book["skip"].toString()));
        QCOMPARE(book["title"].toString(), "Invoices");
        QCOMPARE(book["freeze"].toString(), "A2");
        QCOMPARE(book["filter"].toString(), "B1:B5");
        const QJsonArray rows = book["rows"].toArray();
        QCOMPARE(rows.size(), data.rowCount() + 2);
        const QString money = GridExport::currencyNumberFormat(LocaleText(testLocale()));
        QCOMPARE(money, "\"£\"#,##0.00;-\"£\"#,##0.00");
        for (int r = -1; r <= data.rowCount(); ++r) {
            const QJsonArray cells = rows[r + 1].toArray();
            for (int c = 1; c < data.columnCount(); ++c) {
                const QJsonArray cell = cells[c - 1].toArray();
                const QString where = QStringLiteral("row %1 column %2").arg(r).arg(c);
                const bool totals = r == data.rowCount();
                const QString shown = r < 0    ? data.header()[c]
                                      : totals ? data.totals()[c]
                                               : data.text(r, c);
                if (shown.isEmpty()) {
                    QVERIFY2(cell[0].isNull(), qPrintable(where));
                    continue;
                }
                QCOMPARE(cell[3].toBool(), r < 0 || totals); // bold
                if (r >= 0 && data.column(c).kind == GridColumn::Kind::Money) {
                    QCOMPARE(cell[1].toString(), "n");
                    QCOMPARE(cell[2].toString(), money);
                    if (!totals)
                        QCOMPARE(cell[0].toDouble(), data.value(r, c).toDouble() / 10000);
                } else {
                    QCOMPARE(cell[1].toString(), "s");
                    QCOMPARE(cell[0].toString(), shown);
                    QCOMPARE(cell[2].toString() == "@", shown.startsWith(u'0'));
                }
            }
        }
        QCOMPARE(rows[1].toArray()[1].toArray()[0].toString(), "00123");
        QCOMPARE(rows[5].toArray()[4].toArray()[0].toDouble(), 1250.0 - 5.5 + 0.01);
        for (const QJsonValue height : book["heights"].toArray())
            QCOMPARE(height.toDouble(), 20.0);
        // The content column fits its longest text, "Refund of a deposit", and a character.
        const double width = book["widths"].toObject()["D"].toDouble();
        QVERIFY2(width >= 20 && width < 21, qPrintable(QString::number(width)));
    }

    // The buttons: nothing to export from an empty grid; CSV through the save dialog, cancelled,
    // saved with ".csv" added, or refused where it cannot be written; the spreadsheet after its
    // question, saved under a free name and handed to the desktop, or named when nothing opens
    // it.
    void exportButtons()
    {
        TestEnv env;
        addBooks(env);
        ReportsTab tab(*env.session);
        ExportButtons* buttons = tab.exportButtons();
        env.prompter.expectMessage("The list is empty, so there is nothing to export.");
        buttons->exportCsv();
        tab.fillPeriodLists();
        choosePeriod(&tab, {"01", "April", "2008"}, {"30", "June", "2008"});
        child<QPushButton>(&tab, "cmdVatControl")->click();

        const QString saved = env.file("vat");
        env.prompter.expectSaveFile(std::nullopt)
            .expectSaveFile(saved)
            .expectMessage("file Saved " + saved + ".csv")
            .expectSaveFile(env.file("no such folder/vat.csv"))
            .expectMessageStarting(ExportButtons::kSaveError);
        for (int i = 0; i < 3; ++i)
            child<PictureButton>(&tab, "PicVATCSV")->clicked();
        QVERIFY(readAll(saved + ".csv")
                    .startsWith("Date,InvoiceNumber,Company,Content,Value,VAT,DatePaid,\r\n"));
        QVERIFY(!QFileInfo::exists(env.file("no such folder")));

        QVERIFY(buttons->spreadsheetFolder().startsWith(
            QStandardPaths::writableLocation(QStandardPaths::CacheLocation)));
        buttons->setSpreadsheetFolder(env.file("sheets"));
        const QString first = env.file("sheets/VAT 2026-12-03.xlsx");
        FileCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        env.prompter
            .expectQuestion("Do You Want To Open This Data In Excel ?", Prompter::Answer::No)
            .expectQuestion(ExportButtons::kOpenQuestion, Prompter::Answer::Yes);
        child<PictureButton>(&tab, "PicVatExel")->clicked();
        QVERIFY(!buttons->findChild<LongWork*>());
        QVERIFY(!QFileInfo::exists(first));
        child<PictureButton>(&tab, "PicVatExel")->clicked();
        waitForSpreadsheet(buttons);
        QDesktopServices::unsetUrlHandler("file");
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl::fromLocalFile(first)});
        QVERIFY(readAll(first).startsWith("PK"));
        QCOMPARE(modeOf(env.file("sheets")), 0700);

        const QString second = env.file("sheets/VAT 2026-12-03 (2).xlsx");
        env.prompter.expectQuestion(ExportButtons::kOpenQuestion, Prompter::Answer::Yes)
            .expectMessage(QString(ExportButtons::kCannotOpen).arg(second));
        buttons->exportSpreadsheet();
        waitForSpreadsheet(buttons);
        QVERIFY(QFileInfo::exists(second));
        VERIFY_PROMPTS(env.prompter);
    }

    // A list shown a page at a time whose second page cannot be read exports nothing, though
    // the page after it reads well; the user is told why.
    void unreadablePageExportsNothing()
    {
        TestEnv env;
        const QString text = "Work";
        FlexGrid grid;
        grid.setRows(PagedGrid(rows(env, env.gridContext(), 1, 3 * PagedGrid::kPageRows, text),
                               [&env, &text](const QList<qint64>& keys) {
                                   if (keys.first() == PagedGrid::kPageRows + 1)
                                       return Result<GridData>(Failure{"disk I/O error"});
                                   return Result<GridData>(rows(env, env.gridContext(),
                                                                keys.first(), keys.last(), text));
                               }));
        ExportButtons buttons(*env.session, &grid, GridExport::Grid::Expenses, "picExcel",
                              "picCSV2");
        buttons.setSpreadsheetFolder(env.file("sheets"));
        const QString why = QString(ExportButtons::kReadError) + "disk I/O error";
        env.prompter.expectMessage(why).expectMessage(why);
        buttons.exportCsv();
        buttons.exportSpreadsheet();
        QVERIFY(!QFileInfo::exists(env.file("sheets")));
        QVERIFY(!grid.rows().isComplete());
        VERIFY_PROMPTS(env.prompter);
    }

    // Spreadsheets are saved only in a folder of the user's own: made 0700 or narrowed to it,
    // refused where a link or another user's folder stands in its place.
    void privateFolder_data()
    {
        CaseFile::addRows("reports/private-folder.txt", {"planted", "refusal"});
    }
    void privateFolder()
    {
        QFETCH(QString, planted);
        QFETCH(QString, refusal);
        TestEnv env;
        QString folder = env.file("cache/sheets");
        const QString elsewhere = env.file("elsewhere");
        QVERIFY(QDir().mkpath(elsewhere) && QDir().mkpath(env.file("cache")));
        const int elsewhereMode = modeOf(elsewhere);
        if (planted == u"open")
            QVERIFY(QDir().mkdir(folder) && ::chmod(QFile::encodeName(folder), 0777) == 0);
        else if (planted == u"link")
            QVERIFY(QFile::link(elsewhere, folder));
        else if (planted == u"foreign" && ::geteuid() != 0)
            folder = "/usr";
        else if (planted == u"foreign")
            QVERIFY(QDir().mkdir(folder) && ::chown(QFile::encodeName(folder), 65534, 65534) == 0);

        const Status made = GridExport::makePrivateFolder(folder);
        QVERIFY2(refusal.isEmpty() ? made.ok() : made.error().contains(refusal),
                 qPrintable(made.error()));
        if (refusal.isEmpty())
            QCOMPARE(modeOf(folder), 0700);
        QCOMPARE(modeOf(elsewhere), elsewhereMode);
    }
};

QTEST_MAIN(TestReports)
#include "tst_reports.moc"
