#include "core/DaySerial.h"
#include "printing/InvoicePage.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"
#include "support/TestFiles.h"
#include "support/Windowless.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace InvoicePage;

namespace {

const QColor kWindowText(1, 2, 3);

InvoiceSheet sampleSheet()
{
    InvoiceSheet s;
    s.invoiceNumber = QStringLiteral("0124");
    s.content = QStringLiteral("Garden design, O'Brien's yard");
    s.date = TestEnv::kToday;
    s.value = s.total = Money::fromUnits(12345'6700);
    s.salutation = QStringLiteral("Mr");
    s.firstName = QStringLiteral("John");
    s.lastName = QStringLiteral("Smith");
    s.company = QStringLiteral("Smith & Sons Ltd");
    s.address1 = QStringLiteral("1 High Street");
    s.town = QStringLiteral("Leeds");
    s.postCode = QStringLiteral("LS1 1AA");
    return s;
}

LayoutRecord sampleRecord()
{
    LayoutRecord r = LayoutRecord::designerDefaults();
    r.lblInvoiceCaption = QStringLiteral("Invoice");
    r.lblTextLogoCaption = QStringLiteral("Acme Gardens");
    r.lblAddressCaption = QStringLiteral("Acme Gardens\r\n2 Low Road\r\nYork");
    r.lblFooterCaption = QStringLiteral("Thank you for your custom");
    return r;
}

Layout lay(const LayoutRecord& r, const InvoiceSheet& s = sampleSheet(),
           const SharedFiles* files = nullptr)
{
    return layOut(r, s, LocaleText(testLocale()), files, kWindowText);
}

// The item of that name on the page; fails the test program when there is none.
const TextItem& text(const Layout& layout, const char* name, std::size_t page = 0)
{
    const TextItem* found =
        page < layout.pages.size() ? findText(layout.pages[page], QLatin1String(name)) : nullptr;
    if (!found)
        qFatal("no item %s on page %zu", name, page);
    return *found;
}

// Where a section element's Left falls on the page.
int onPage(int left)
{
    return leftMargin(kA4) + left;
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestInvoicePage : public QObject {
    Q_OBJECT

private slots:
    void fontsAndColours_data()
    {
        CaseFile::addRows(QStringLiteral("printing/fonts-and-colours.txt"),
                          {"size", "points", "colour", "printed"});
    }
    void fontsAndColours()
    {
        const auto [size, colour, printed] = CaseFile::fetchEach({"size", "colour", "printed"});
        const QStringList rgb = printed.split(u' ');
        const QColor expected =
            rgb.size() == 3 ? QColor(rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt()) : kWindowText;
        LayoutRecord r = sampleRecord();
        r.lblInvoiceFontSize = size.toDouble();
        r.lblInvoiceColour = colour;
        const Layout page = lay(r);
        QTEST(QString::number(text(page, "Label1").font.pointSize()), "points");
        QCOMPARE(text(page, "Label1").colour, expected);
        // The number takes the title's font but keeps the window-text colour.
        QCOMPARE(text(page, "lblnumber").font, text(page, "Label1").font);
        QCOMPARE(text(page, "lblnumber").colour, kWindowText);
    }

    void clientAddressBlock_data()
    {
        CaseFile::addRows(
            QStringLiteral("printing/address-blocks.txt"),
            {"salutation", "company", "address1", "address2", "county", "country", "block"});
    }
    void clientAddressBlock()
    {
        const auto [salutation, company, address1, address2, county, country] = CaseFile::fetchEach(
            {"salutation", "company", "address1", "address2", "county", "country"});
        InvoiceSheet s = sampleSheet();
        s.salutation = salutation, s.company = company, s.address1 = address1;
        s.address2 = address2, s.county = county, s.country = country;
        QTEST(text(lay(sampleRecord(), s), "lblAddress").text, "block");
    }

    void amountsDateAndTitle()
    {
        // An all-zero record (a layout file that could not be read) lays out and paints.
        QImage image(400, 600, QImage::Format_RGB32);
        QPainter painter(&image);
        paint(painter, lay(LayoutRecord()), 0, 0.5);
        paint(painter, lay(LayoutRecord()), 7); // no such page: nothing drawn

        const Layout page = lay(sampleRecord());
        QCOMPARE(page.pages.size(), std::size_t(1));
        QCOMPARE(text(page, "lblValue2").text, QStringLiteral("£12,345.67"));
        QCOMPARE(text(page, "lblVAT2").text, QStringLiteral("£0.00")); // zero VAT still printed
        QCOMPARE(text(page, "txtDate").text, QStringLiteral("3 December, 2026"));
        QCOMPARE(text(page, "lblHeader").text, QStringLiteral("Acme Gardens\n2 Low Road\nYork"));
        QCOMPARE(page.title, QStringLiteral("Invoice 0124"));
        QVERIFY(text(page, "lblValue2").rect.top() > text(page, "txtContent").rect.bottom());
        // The designer's title at 6960 width 1860 and VAT caption at 6840 width 450.
        QCOMPARE(text(page, "lblnumber").rect.topLeft(), QPoint(onPage(8860), kPageMargin + 3120));
        QCOMPARE(text(page, "lblVAT2").rect.left(), onPage(7320));
        QCOMPARE(text(page, "lblVAT2").rect.top(), text(page, "lblVat").rect.top());
        // Sections: header from the top margin, footer at the bottom of the page.
        QCOMPARE(text(page, "lblAddress").rect.top(), kPageMargin + kHeaderHeight + 240);
        QCOMPARE(text(page, "lblFooter").rect.top(),
                 kA4.height() - kPageMargin - kFooterHeight + 240);
    }

    void logo_data()
    {
        CaseFile::addRows(QStringLiteral("printing/logos.txt"), {"shown", "file", "printed"});
    }
    void logo()
    {
        const auto [shown, file, printed] = CaseFile::fetchEach({"shown", "file", "printed"});
        const bool show = shown == u"yes", picture = printed == u"yes";
        TestEnv env;
        TestFiles files(env);
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::red);
        if (file == u"png") {
            QVERIFY(image.save(env.file(QStringLiteral("picture.png"))));
            files.write(QStringLiteral("logo.png"),
                        readAll(env.file(QStringLiteral("picture.png"))));
        } else if (file != u"none") {
            files.write(QStringLiteral("logo.png"), file.toUtf8());
        }
        LayoutRecord r = sampleRecord();
        // Layouts of earlier installations name the logo by its full Windows path.
        r.PicLogoName = QStringLiteral("C:\\Accounts\\logo.png");
        r.PicLogoShow = show;
        const Layout page = lay(r, sampleSheet(), &files.files);
        const PageItems& items = page.pages.front();
        QCOMPARE(items.images.size(), std::size_t(picture));
        QCOMPARE(findText(items, QStringLiteral("lblTextLogo")) != nullptr, !picture);
        QCOMPARE(!page.notice.isEmpty(), show && !picture);
        if (picture)
            QCOMPARE(items.images.front().rect, QRect(onPage(360), kPageMargin + 600, 2535, 855));
        else
            QCOMPARE(text(page, "lblTextLogo").text, QStringLiteral("Acme Gardens"));
    }

    void longContentWrapsAndContinues_data()
    {
        QTest::addColumn<QString>("content");
        QTest::newRow("5,000 Latin")
            << QStringLiteral("Pruning and planting the long border. ").repeated(132).left(5000);
        QTest::newRow("right to left")
            << QString::fromUtf8("גינון וגיזום של הגדר החיה ").repeated(193).left(5000);
        QTest::newRow("one unbroken word") << QString(3000, QChar(0x6F22));
    }
    void longContentWrapsAndContinues()
    {
        QFETCH(QString, content);
        InvoiceSheet s = sampleSheet();
        s.content = content;
        const Layout page = lay(sampleRecord(), s);
        QVERIFY(page.pages.size() > 1);
        QString printed;
        int bottom = 0;
        for (std::size_t i = 0; i < page.pages.size(); ++i) {
            // Header and footer on every page.
            QCOMPARE(text(page, "lblnumber", i).text, QStringLiteral("0124"));
            const TextItem& footer = text(page, "lblFooter", i);
            for (const TextItem& t : page.pages[i].texts) {
                if (t.name != u"txtContent")
                    continue;
                QCOMPARE(t.rect.width(), kContentWidth);
                QVERIFY(t.rect.bottom() < footer.rect.top());
                printed += t.text;
                bottom = t.rect.bottom();
            }
        }
        QCOMPARE(printed.remove(u' ').remove(u'\n'), QString(content).remove(u' '));
        QVERIFY(text(page, "lblValue2", page.pages.size() - 1).rect.top() > bottom);
    }

    void loadSheet()
    {
        TestEnv env;
        const int client = env.addClient(QStringLiteral("Smith & Sons Ltd"));
        // A server's books cannot give a number twice: there the later invoice has its own.
        const QString later = env.db.isServer() ? QStringLiteral("0125") : QStringLiteral("0124");
        for (const auto& [clientId, number] :
             {std::pair{client, QStringLiteral("0124")}, std::pair{client + 1, later}})
            env.exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Total, "
                                    "\"Date\", Identity) VALUES (?, ?, 1200000, ?, 1)"),
                     {clientId, number, DaySerial::fromDate(TestEnv::kToday)});

        const Result<InvoiceSheet> byId = InvoicePage::loadSheet(env.db, 1);
        QVERIFY2(byId, qPrintable(byId.error()));
        QCOMPARE(byId->company, QStringLiteral("Smith & Sons Ltd"));
        QCOMPARE(byId->date, TestEnv::kToday);
        QCOMPARE(byId->total, Money::fromUnits(1200000));
        // By number the later of two invoices so numbered is meant.
        QCOMPARE(InvoicePage::loadSheet(env.db, 1, later).error(),
                 QStringLiteral("The client of invoice %1 has been deleted, so the invoice "
                                "cannot be shown.")
                     .arg(later));
        QCOMPARE(InvoicePage::loadSheet(env.db, 999).error(),
                 QStringLiteral("This invoice no longer exists: it may have been deleted."));
        QCOMPARE(InvoicePage::loadSheet(env.db, 2, QStringLiteral("0124")).error(),
                 QStringLiteral("Identity 2 has no invoice numbered 0124."));
        env.exec(QStringLiteral("DROP TABLE TblClients"));
        const QString reason = InvoicePage::loadSheet(env.db, 1).error();
        QVERIFY2(reason.contains(u"TblClients"), qPrintable(reason)); // the database's reason
        VERIFY_PROMPTS(env.prompter);
    }

    void pdfReadsBackInOrder()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
        if (pdftotext.isEmpty() || pdfinfo.isEmpty())
            QSKIP("pdftotext and pdfinfo (Debian poppler-utils) are not installed");
        TestEnv env;
        const QString path = env.file(QStringLiteral("Invoice 0124.pdf"));
        QVERIFY(writePdf(lay(sampleRecord()), path));

        const QString printed =
            run(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        QStringList inOrder;
        for (const char* expected : {"0124", "Mr John Smith", "Smith & Sons Ltd", "LS1 1AA",
                                     "O'Brien's", "£12,345.67", "£0.00", "Thank you"})
            inOrder << QRegularExpression::escape(QString::fromUtf8(expected));
        const QRegularExpression order(inOrder.join(QLatin1String(".*")),
                                       QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(printed.contains(order), qPrintable(printed));
        const QString info = run(pdfinfo, {path});
        const QRegularExpression pageAndTitle(
            QStringLiteral(
                "Title: +Invoice 0124\nCreator: +Billcraft - Acme Gardens\n.*Pages: +1\n"),
            QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(info.contains(pageAndTitle), qPrintable(info));

        const QString nowhere = path + QStringLiteral("/x.pdf"); // in a "folder" that is a file
        const Status failed = writePdf(lay(sampleRecord()), nowhere);
        QVERIFY(!failed && failed.error().contains(nowhere));
    }

    void commandLine_data()
    {
        CaseFile::addRows(QStringLiteral("printing/command-line.txt"), {"args", "db", "error"});
    }
    void commandLine()
    {
        const auto [args, db, error] = CaseFile::fetchEach({"args", "db", "error"});
        const bool database = db == u"yes";
        TestEnv env;
        if (env.db.isServer())
            QSKIP("the command line prints from a data folder's books");
        env.addIdentity(QStringLiteral("Acme"));
        env.exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Identity) "
                                "VALUES (?, '0124', 1)"),
                 {env.addClient(QStringLiteral("Smith & Sons Ltd"))});
        QTemporaryDir empty;
        const QString folder = database ? env.folder() : empty.path();
        const QString out = empty.filePath(QStringLiteral("out.pdf"));

        // The mode chooses its platform itself, and keeps Qt's warnings (the test's shared
        // XDG_RUNTIME_DIR is not private) off its one line.
        const WindowlessRun run = runWindowless(
            QStringList{QStringLiteral("--data-folder"), folder, QStringLiteral("--out"), out} +
            args.split(u' '));
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, error.isEmpty() ? 0 : 1);
        QCOMPARE(run.stdErr.trimmed(), error.arg(folder));
        QCOMPARE(readAll(out).startsWith("%PDF-"), error.isEmpty());
        // Nothing else is written: no layout file, no database.
        QVERIFY(!QFileInfo::exists(env.file(QStringLiteral("1.dat"))));
        QCOMPARE(QDir(empty.path()).entryList(QDir::Files).size(), int(error.isEmpty()));
        VERIFY_PROMPTS(env.prompter);
    }
};

QTEST_MAIN(TestInvoicePage)
#include "tst_invoicepage.moc"
