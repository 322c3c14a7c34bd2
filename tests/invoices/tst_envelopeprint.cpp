#include "app/MainWindow.h"
#include "clients/ClientStore.h"
#include "core/ui/PictureButton.h"
#include "invoices/Envelope.h"
#include "invoices/ui/EnvelopePrinter.h"
#include "invoices/ui/EnvelopeSettings.h"
#include "support/TestEnv.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kPpd = QStringLiteral(ENVELOPE_PPD);
const QStringList kPrinters{QStringLiteral("Office_Laser"),
                            QStringLiteral("Canon_MP800R_Series_Printer")};
const QString kQuestion = QStringLiteral("Print Envelope ?");

// The settings box over a database with one client, trays read from the test PPD, and jobs
// recorded (and printed, when the test gives a printer) instead of sent to CUPS.
struct Box {
    Box()
    {
        env.addIdentity(QStringLiteral("Main"));
        Client c;
        c.salutation = QStringLiteral("Mr");
        c.firstName = QStringLiteral("John");
        c.lastName = QStringLiteral("Smith");
        c.company = QStringLiteral("Acme Ltd");
        c.address1 = QStringLiteral("1 Mill Lane");
        c.town = QStringLiteral("Leeds");
        c.postCode = QStringLiteral("LS1 1AA");
        clientId = *ClientStore(env.db).insert(c, 1);
        shown = QString::number(clientId);

        settings.setShownClient([this] { return shown; });
        settings.setTrayReader(
            [](const QString& printer) { return EnvelopeTrays::fromPpd(printer, kPpd); });
        settings.setPrintStep([this](const EnvelopeJob& job) -> Status {
            jobs << job;
            if (!failure.isEmpty())
                return Failure{failure};
            if (pdf.isEmpty())
                return Done{};
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return EnvelopePrinter::print(printer, job);
        });
        settings.listPrinters(kPrinters);
    }

    QComboBox* printers() { return child<QComboBox>(&settings, "cboPrinters"); }
    QComboBox* trays() { return child<QComboBox>(&settings, "cboPrinterTrays"); }
    void choosePrinter(int index)
    {
        printers()->setCurrentIndex(index);
        emit printers()->activated(index);
    }
    void clickPrint()
    {
        QTest::mouseClick(child<PictureButton>(&settings, "picPrintEnvelopes"), Qt::LeftButton);
    }
    void expectQuestion(Prompter::Answer answer)
    {
        env.prompter.expectExactly({kQuestion, kQuestion, Prompter::Buttons::YesNo,
                                    Prompter::Icon::Question, Prompter::Answer::No},
                                   answer);
    }

    TestEnv env;
    EnvelopeSettings settings{*env.session};
    int clientId = 0;
    QString shown;
    QString failure; // what the print step fails with, when set
    QString pdf;     // where the print step prints, when set
    QList<EnvelopeJob> jobs;
};

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestEnvelopePrint : public QObject {
    Q_OBJECT

private slots:
    // Choosing a printer lists its trays by position, the default marked; "Select Printer"
    // chooses nothing; a failure to read them is reported with the trays read so far kept.
    void choosingAPrinterListsItsTrays()
    {
        Box box;
        QCOMPARE(box.printers()->currentText(), EnvelopeSettings::kSelectPrinter);
        QCOMPARE(box.trays()->currentText(), QString());
        emit box.printers()->activated(-1);
        QCOMPARE(box.trays()->count(), 0);

        box.choosePrinter(0);
        QStringList items;
        for (int i = 0; i < box.trays()->count(); ++i)
            items << box.trays()->itemText(i) + u'=' + box.trays()->itemData(i).toString();
        QCOMPARE(items, (QStringList{"0=Upper", "1=Cassette", "2 (default)=Manual"}));
        QCOMPARE(box.trays()->currentText(), EnvelopeSettings::kSelectTray);

        box.settings.setTrayReader([](const QString&) {
            return EnvelopeTrays::Reading{{{QStringLiteral("0"), QStringLiteral("Upper")}},
                                          EnvelopeTrays::Error{1030, QStringLiteral("Busy")}};
        });
        box.env.prompter.expectMessage(QStringLiteral("There was an error1030Busy"), QString());
        box.choosePrinter(1);
        QCOMPARE(box.trays()->count(), 1);
        QCOMPARE(box.trays()->currentText(), QString());
        VERIFY_PROMPTS(box.env.prompter);
    }

    void printing_data()
    {
        QTest::addColumn<QString>("shown");     // lblClientID; "id" for the client's number
        QTest::addColumn<bool>("yes");          // the answer to "Print Envelope ?"
        QTest::addColumn<int>("printer");       // index chosen in cboPrinters, -1 none
        QTest::addColumn<int>("tray");          // index chosen in cboPrinterTrays, -1 none
        QTest::addColumn<QString>("failure");   // of the print step
        QTest::addColumn<QStringList>("after"); // messages after the question
        QTest::addColumn<QString>("job");       // "printer/tray" printed; empty: none

        QTest::newRow("no client") << "" << true << 0 << 2 << "" << QStringList() << "";
        QTest::newRow("client 0") << "0" << true << 0 << 2 << "" << QStringList() << "";
        QTest::newRow("answered No") << "id" << false << 0 << 2 << "" << QStringList() << "";
        QTest::newRow("no printer")
            << "id" << true << -1 << -1 << "" << QStringList{"Select Printer And Tray"} << "";
        QTest::newRow("third tray")
            << "id" << true << 0 << 2 << "" << QStringList() << "Office_Laser/Manual";
        QTest::newRow("no tray: the printer's own")
            << "id" << true << 0 << -1 << "" << QStringList{"Select Printer Tray"}
            << "Office_Laser/-";
        QTest::newRow("no tray on the maker's printer")
            << "id" << true << 1 << -1 << "" << QStringList{"Select Printer Tray"}
            << "Canon_MP800R_Series_Printer/Cassette";
        QTest::newRow("printer fails")
            << "id" << true << 0 << 0 << "Out of paper"
            << QStringList{"Printer Error\nOut of paper"} << "Office_Laser/Upper";
        QTest::newRow("client deleted meanwhile")
            << "999" << true << 0 << 0 << ""
            << QStringList{"Printer Error\nThe client is no longer in the address book."} << "";
    }
    void printing()
    {
        QFETCH(QString, shown);
        QFETCH(bool, yes);
        QFETCH(int, printer);
        QFETCH(int, tray);
        QFETCH(QString, failure);
        QFETCH(QStringList, after);
        QFETCH(QString, job);
        Box box;
        box.shown = shown == QLatin1String("id") ? box.shown : shown;
        box.failure = failure;
        if (printer >= 0)
            box.choosePrinter(printer);
        if (tray >= 0)
            box.trays()->setCurrentIndex(tray);

        bool numeric = false;
        if (box.shown.toInt(&numeric) == 0 || !numeric)
            box.env.prompter.expectMessage(QStringLiteral("No Client Selected"));
        else
            box.expectQuestion(yes ? Prompter::Answer::Yes : Prompter::Answer::No);
        for (const QString& message : after)
            box.env.prompter.expectMessage(message, QString());
        box.clickPrint();
        VERIFY_PROMPTS(box.env.prompter);

        QStringList printed;
        for (const EnvelopeJob& j : box.jobs)
            printed << j.printer + u'/' + j.tray.value_or(QStringLiteral("-"));
        QCOMPARE(printed.join(u';'), job);
        if (!box.jobs.isEmpty())
            QCOMPARE(box.jobs[0].layout.lines.size(), 5); // name, company, line 1, town, code
    }

    // In the main window the envelope is for the client the Clients tab shows: none at first,
    // the chosen one after a choice in cmbSelectClient.
    void mainWindowHandsOverTheShownClient()
    {
        TestEnv env;
        env.addIdentity(QStringLiteral("Main"));
        env.addClient(QStringLiteral("Acme Ltd"));
        MainWindow w(*env.session);
        w.startUp();
        auto* print = child<PictureButton>(&w, "picPrintEnvelopes");
        QVERIFY(print->isEnabled());
        env.prompter.expectMessage(QStringLiteral("No Client Selected"), QString());
        QTest::mouseClick(print, Qt::LeftButton);
        VERIFY_PROMPTS(env.prompter);

        auto* clients = child<QComboBox>(&w, "cmbSelectClient");
        clients->setCurrentIndex(clients->findText(QStringLiteral("Acme Ltd")));
        emit clients->activated(clients->currentIndex());
        env.prompter.expectQuestion(kQuestion, Prompter::Answer::No, kQuestion);
        QTest::mouseClick(print, Qt::LeftButton);
        VERIFY_PROMPTS(env.prompter);
    }

    // On paper the first address line stands where ten empty lines and 75 spaces of 10-point
    // Verdana (or its stand-in) put it, within a millimetre, and the lines follow one another
    // one line apart at the same left edge.
    void pdfPlacesTheAddressBlock()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (Debian poppler-utils) is not installed");
        Box box;
        box.pdf = box.env.file(QStringLiteral("envelope.pdf"));
        box.choosePrinter(0);
        box.trays()->setCurrentIndex(1);
        box.expectQuestion(Prompter::Answer::Yes);
        box.clickPrint();
        VERIFY_PROMPTS(box.env.prompter);

        const QString html =
            run(pdftotext, {QStringLiteral("-bbox"), box.pdf, QStringLiteral("-")});
        const QRegularExpression page(
            QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
        const QRegularExpressionMatch size = page.match(html);
        QVERIFY2(size.hasMatch(), qPrintable(html));
        constexpr double kPointsPerMm = 72 / 25.4;
        QVERIFY(qAbs(size.captured(1).toDouble() - 220 * kPointsPerMm) < 1);
        QVERIFY(qAbs(size.captured(2).toDouble() - 110 * kPointsPerMm) < 1);

        // The font as a 72-dpi device measures it: one pixel is one point.
        QImage device(1, 1, QImage::Format_Mono);
        device.setDotsPerMeterX(qRound(72 / 0.0254));
        device.setDotsPerMeterY(qRound(72 / 0.0254));
        QFont font(QStringLiteral("Verdana"));
        font.setPointSize(10);
        font.setHintingPreference(QFont::PreferNoHinting);
        const QFontMetricsF metrics(font, &device);
        const double left = metrics.horizontalAdvance(QString(75, u' '));
        const double line = metrics.lineSpacing();

        const QRegularExpression word(
            QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"[\\d.]+\" "
                           "yMax=\"[\\d.]+\">([^<]*)</word>"));
        QMap<QString, QPointF> at;
        for (const QRegularExpressionMatch& m : word.globalMatch(html))
            at.insert(m.captured(3), {m.captured(1).toDouble(), m.captured(2).toDouble()});
        const QStringList firsts{"Mr", "Acme", "1", "Leeds", "LS1"};
        for (int i = 0; i < firsts.size(); ++i) {
            QVERIFY2(at.contains(firsts[i]), qPrintable(html));
            const QPointF p = at.value(firsts[i]);
            const QString where = QStringLiteral("%1 at %2,%3; expected %4,%5")
                                      .arg(firsts[i])
                                      .arg(p.x())
                                      .arg(p.y())
                                      .arg(left)
                                      .arg((10 + i) * line);
            QVERIFY2(qAbs(p.x() - left) < kPointsPerMm, qPrintable(where));
            QVERIFY2(qAbs(p.y() - (10 + i) * line) < kPointsPerMm, qPrintable(where));
        }
    }
};

QTEST_MAIN(TestEnvelopePrint)
#include "tst_envelopeprint.moc"
