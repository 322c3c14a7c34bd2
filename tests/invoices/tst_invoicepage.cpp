#include "core/DaySerial.h"
#include "invoices/InvoicePage.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <map>
#include <sys/resource.h>

using namespace InvoicePage;

namespace {

const QColor kWindowText(1, 2, 3);

InvoiceSheet sampleSheet()
{
    InvoiceSheet s;
    s.invoiceNumber = QStringLiteral("0124");
    s.content = QStringLiteral("Garden design, O'Brien's yard");
    s.date = TestEnv::kToday;
    s.value = Money::fromUnits(12345'6700);
    s.vat = Money::fromUnits(0);
    s.total = Money::fromUnits(12345'6700);
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
           const QString& folder = QString())
{
    return layOut(r, s, LocaleText(testLocale()), folder, kWindowText);
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

// Makes writes beyond `bytes` fail as a full disk does.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

Q_DECLARE_METATYPE(InvoiceSheet)

class TestInvoicePage : public QObject {
    Q_OBJECT

private slots:
    void itemsStandBesideTheirCaptions_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("follower");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("expected");
        QTest::newRow("number 40 right of the title") << "Label1"
                                                      << "lblnumber" << 6960 << 1860 << 8860;
        QTest::newRow("VAT amount 30 right") << "lblVat"
                                             << "lblVAT2" << 6840 << 450 << 7320;
        QTest::newRow("sub-total amount") << "lblSubTotal"
                                          << "lblValue2" << 6240 << 1035 << 7305;
        QTest::newRow("total amount") << "LblTotal"
                                      << "lblTotal2" << 100 << 570 << 700;
    }
    void itemsStandBesideTheirCaptions()
    {
        QFETCH(QString, caption);
        QFETCH(QString, follower);
        QFETCH(int, left);
        QFETCH(int, width);
        QFETCH(int, expected);
        LayoutRecord r = sampleRecord();
        const std::map<QString, std::pair<qint16*, qint16*>> fields = {
            {QStringLiteral("Label1"), {&r.lblInvoiceLeft, &r.lblInvoiceWidth}},
            {QStringLiteral("lblVat"), {&r.lblVATLeft, &r.lblVATWidth}},
            {QStringLiteral("lblSubTotal"), {&r.lblSubTotalLeft, &r.lblSubTotalWidth}},
            {QStringLiteral("LblTotal"), {&r.lblTotalLeft, &r.lblTotalWidth}},
        };
        *fields.at(caption).first = qint16(left);
        *fields.at(caption).second = qint16(width);
        const Layout page = lay(r);
        const TextItem& c = text(page, qPrintable(caption));
        const TextItem& f = text(page, qPrintable(follower));
        QCOMPARE(c.rect.left(), onPage(left));
        QCOMPARE(f.rect.left(), onPage(expected));
        QCOMPARE(f.rect.top(), c.rect.top());
        QCOMPARE(f.font, c.font);
    }

    void fontsAndColours_data()
    {
        QTest::addColumn<double>("size");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("9.5 to even") << 9.5 << 10 << "255" << QColor(255, 0, 0);
        QTest::newRow("10.5 to even") << 10.5 << 10 << "65280" << QColor(0, 255, 0);
        QTest::newRow("21.75 up") << 21.75 << 22 << "8421504" << QColor(128, 128, 128);
        QTest::newRow("system colour") << 9.75 << 10 << "-2147483640" << kWindowText;
        QTest::newRow("unset: all zero") << 0.0 << 10 << "" << kWindowText;
    }
    void fontsAndColours()
    {
        QFETCH(double, size);
        QFETCH(int, points);
        QFETCH(QString, colour);
        QFETCH(QColor, expected);
        LayoutRecord r = sampleRecord();
        r.lblInvoiceFontSize = size;
        r.lblInvoiceColour = colour;
        r.lblFooterFontSize = size;
        const Layout page = lay(r);
        QCOMPARE(text(page, "Label1").font.pointSize(), points);
        QCOMPARE(text(page, "Label1").colour, expected);
        QCOMPARE(text(page, "lblFooter").font.pointSize(), points);
        // The number takes the title's font but keeps the window-text colour.
        QCOMPARE(text(page, "lblnumber").font, text(page, "Label1").font);
        QCOMPARE(text(page, "lblnumber").colour, kWindowText);
    }

    void clientAddressBlock_data()
    {
        QTest::addColumn<InvoiceSheet>("sheet");
        QTest::addColumn<QString>("block");
        const InvoiceSheet full = sampleSheet();
        QTest::newRow("full") << full
                              << "Mr John Smith\nSmith & Sons Ltd\n1 High Street\nLeeds\n"
                                 "LS1 1AA";
        InvoiceSheet s = full;
        s.salutation.clear();
        QTest::newRow("no salutation") << s
                                       << "John Smith\nSmith & Sons Ltd\n1 High Street\n"
                                          "Leeds\nLS1 1AA";
        s = full;
        s.company.clear();
        s.address1.clear();
        QTest::newRow("empty company and first line") << s << "Mr John Smith\n\n\nLeeds\nLS1 1AA";
        s = full;
        s.county = QStringLiteral("K");
        s.address2 = QStringLiteral("Unit 4");
        s.country = QStringLiteral("England");
        QTest::newRow("one-character county, post code before country")
            << s
            << "Mr John Smith\nSmith & Sons Ltd\n1 High Street\nUnit 4\nLeeds\nLS1 1AA\n"
               "England";
    }
    void clientAddressBlock()
    {
        QFETCH(InvoiceSheet, sheet);
        QFETCH(QString, block);
        QCOMPARE(text(lay(sampleRecord(), sheet), "lblAddress").text, block);
    }

    void amountsDateAndTitle()
    {
        const Layout page = lay(sampleRecord());
        QCOMPARE(page.pages.size(), std::size_t(1));
        QCOMPARE(text(page, "lblValue2").text, QStringLiteral("£12,345.67"));
        QCOMPARE(text(page, "lblVAT2").text, QStringLiteral("£0.00")); // zero VAT still printed
        QCOMPARE(text(page, "lblVat").text, QStringLiteral("VAT"));
        QCOMPARE(text(page, "txtDate").text, QStringLiteral("3 December, 2026"));
        QCOMPARE(text(page, "lblHeader").text, QStringLiteral("Acme Gardens\n2 Low Road\nYork"));
        QCOMPARE(page.title, QStringLiteral("Invoice 0124"));
        QVERIFY(text(page, "lblValue2").rect.top() > text(page, "txtContent").rect.bottom());
        // Sections: header from the top margin, footer at the bottom of the page.
        QCOMPARE(text(page, "Label1").rect.top(), kPageMargin + 3120);
        QCOMPARE(text(page, "lblAddress").rect.top(), kPageMargin + kHeaderHeight + 240);
        QCOMPARE(text(page, "lblFooter").rect.top(),
                 kA4.height() - kPageMargin - kFooterHeight + 240);
    }

    void logo_data()
    {
        QTest::addColumn<bool>("show");
        QTest::addColumn<QByteArray>("file"); // "" for none
        QTest::addColumn<bool>("picture");
        QTest::newRow("named, not shown") << false << QByteArray("png") << false;
        QTest::newRow("shown") << true << QByteArray("png") << true;
        QTest::newRow("shown, missing") << true << QByteArray() << false;
        QTest::newRow("shown, not a picture") << true << QByteArray("not a picture") << false;
    }
    void logo()
    {
        QFETCH(bool, show);
        QFETCH(QByteArray, file);
        QFETCH(bool, picture);
        TestEnv env;
        if (file == "png") {
            QImage image(40, 20, QImage::Format_RGB32);
            image.fill(Qt::red);
            QVERIFY(image.save(env.file(QStringLiteral("logo.png"))));
        } else if (!file.isEmpty()) {
            writeAll(env.file(QStringLiteral("logo.png")), file);
        }
        LayoutRecord r = sampleRecord();
        // Layouts of earlier installations name the logo by its full Windows path.
        r.PicLogoName = QStringLiteral("C:\\Accounts\\logo.png");
        r.PicLogoShow = show;
        const Layout page = lay(r, sampleSheet(), env.folder());
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
        QString words;
        while (words.size() < 5000)
            words += QStringLiteral("Pruning and planting the long border. ");
        QString hebrew;
        while (hebrew.size() < 5000)
            hebrew += QString::fromUtf8("גינון וגיזום של הגדר החיה ");
        QTest::newRow("5,000 Latin") << words.left(5000);
        QTest::newRow("right to left") << hebrew.left(5000);
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

    void allZeroRecordPaints()
    {
        const Layout page = lay(LayoutRecord());
        QCOMPARE(page.pages.size(), std::size_t(1));
        QImage image(400, 600, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint(painter, page, 0, 0.5);
        paint(painter, page, 7); // no such page: nothing drawn
    }

    void loadSheet()
    {
        TestEnv env;
        const int client = env.addClient(QStringLiteral("Smith & Sons Ltd"));
        env.exec(QStringLiteral("UPDATE TblClients SET FirstName = 'John', Town = 'Leeds'"));
        const auto addInvoice = [&](int clientId, const QString& number) {
            env.exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, "
                                    "\"Value\", VAT, Total, \"Date\", Identity) "
                                    "VALUES (?, ?, 'Work', 1000000, 200000, 1200000, ?, 1)"),
                     {clientId, number, DaySerial::fromDate(TestEnv::kToday)});
            return env.db.scalar(QStringLiteral("SELECT max(InvoiceID) FROM TblInvoices")).toInt();
        };
        const int id = addInvoice(client, QStringLiteral("0124"));
        const int orphan = addInvoice(client + 1, QStringLiteral("0125"));

        const Result<InvoiceSheet> byId = InvoicePage::loadSheet(env.db, id);
        QVERIFY2(byId, qPrintable(byId.error()));
        QCOMPARE(byId->invoiceNumber, QStringLiteral("0124"));
        QCOMPARE(byId->company, QStringLiteral("Smith & Sons Ltd"));
        QCOMPARE(byId->town, QStringLiteral("Leeds"));
        QCOMPARE(byId->date, TestEnv::kToday);
        QCOMPARE(byId->total, Money::fromUnits(1200000));
        const Result<InvoiceSheet> byNumber =
            InvoicePage::loadSheet(env.db, 1, QStringLiteral("0124"));
        QVERIFY(byNumber && byNumber->invoiceId == id);

        QCOMPARE(InvoicePage::loadSheet(env.db, 999).error(),
                 QStringLiteral("This invoice no longer exists: it may have been deleted."));
        QCOMPARE(InvoicePage::loadSheet(env.db, 2, QStringLiteral("0124")).error(),
                 QStringLiteral("Identity 2 has no invoice numbered 0124."));
        QVERIFY(InvoicePage::loadSheet(env.db, orphan).error().contains(u"client"));
        env.exec(QStringLiteral("DROP TABLE TblClients"));
        const QString reason = InvoicePage::loadSheet(env.db, id).error();
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
        QVERIFY(writePdf(lay(sampleRecord()), path, QStringLiteral("Billcraft")));

        const QString printed =
            run(pdftotext, {QStringLiteral("-layout"), path, QStringLiteral("-")});
        qsizetype at = 0;
        for (const char* expected : {"0124", "Mr John Smith", "Smith & Sons Ltd", "LS1 1AA",
                                     "O'Brien's", "£12,345.67", "£0.00", "Thank you"}) {
            const qsizetype found = printed.indexOf(QString::fromUtf8(expected), at);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("%1 after %2 in:\n%3")
                                                .arg(QString::fromUtf8(expected))
                                                .arg(at)
                                                .arg(printed)));
            at = found;
        }
        const QString info = run(pdfinfo, {path});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n"))),
                 qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +Invoice 0124\n"))),
                 qPrintable(info));

        // A full disk or a missing folder: a reason, and the earlier file as it was.
        const QByteArray before = readAll(path);
        {
            const FileSizeLimit limit(1000);
            const Status full = writePdf(lay(sampleRecord()), path, QStringLiteral("Billcraft"));
            QVERIFY(!full && full.error().contains(path));
        }
        QVERIFY(!writePdf(lay(sampleRecord()), env.file(QStringLiteral("none/x.pdf")), {}));
        QCOMPARE(readAll(path), before);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error"); // the one line on stderr
        QTest::newRow("written") << QStringList{QStringLiteral("0124")} << 0 << QString();
        QTest::newRow("unknown number") << QStringList{QStringLiteral("0999")} << 1
                                        << "Billcraft: Identity 1 has no invoice numbered 0999.";
        QTest::newRow("no such identity")
            << QStringList{QStringLiteral("0124"), QStringLiteral("--identity"),
                           QStringLiteral("7")}
            << 1 << "Billcraft: There is no identity 7.";
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        TestEnv env;
        env.addIdentity(QStringLiteral("Acme"));
        const int client = env.addClient(QStringLiteral("Smith & Sons Ltd"));
        env.exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, \"Value\", VAT, "
                                "Total, Identity) VALUES (?, '0124', 10000, 0, 10000, 1)"),
                 {client});
        const QString out = env.file(QStringLiteral("out.pdf"));

        QProcess billcraft;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM")); // the mode chooses it itself
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_GB.UTF-8"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), env.folder()); // private: 0700
        billcraft.setProcessEnvironment(environment);
        billcraft.start(QStringLiteral(BILLCRAFT_BINARY),
                        QStringList{QStringLiteral("--data-folder"), env.folder(),
                                    QStringLiteral("--out"), out, QStringLiteral("--invoice-pdf")} +
                            args);
        QVERIFY(billcraft.waitForFinished(60000));
        QCOMPARE(billcraft.exitCode(), exitCode);
        QCOMPARE(QString::fromUtf8(billcraft.readAllStandardError()).trimmed(), error);
        QCOMPARE(readAll(out).startsWith("%PDF-"), exitCode == 0);
        QCOMPARE(QFileInfo::exists(env.file(QStringLiteral("1.dat"))), false); // nothing written
        VERIFY_PROMPTS(env.prompter);
    }

    void commandLineRefusesAFolderWithoutADatabase()
    {
        QTemporaryDir empty;
        QProcess billcraft;
        billcraft.start(QStringLiteral(BILLCRAFT_BINARY),
                        {QStringLiteral("--data-folder"), empty.path(),
                         QStringLiteral("--invoice-pdf"), QStringLiteral("0124"),
                         QStringLiteral("--out"), empty.filePath(QStringLiteral("x.pdf"))});
        QVERIFY(billcraft.waitForFinished(60000));
        QCOMPARE(billcraft.exitCode(), 1);
        QVERIFY(billcraft.readAllStandardError().contains("There is no Billcraft database"));
        QCOMPARE(QDir(empty.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }
};

QTEST_MAIN(TestInvoicePage)
#include "tst_invoicepage.moc"
