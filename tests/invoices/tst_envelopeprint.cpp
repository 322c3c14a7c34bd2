#include "app/MainWindow.h"
#include "core/ui/PictureButton.h"
#include "invoices/ui/EnvelopePrinter.h"
#include "invoices/ui/EnvelopeSettings.h"
#include "support/ListItems.h"
#include "support/TestEnv.h"

#include <QComboBox>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

namespace {

const QString kQuestion = QStringLiteral("Print Envelope ?");

// The settings box over one client (no first address line), trays read from the test PPD,
// and jobs recorded, and printed to `pdf` when set, instead of sent to CUPS.
struct Box {
    Box()
    {
        env.addIdentity(QStringLiteral("Main"));
        shown = QString::number(env.addClient(QStringLiteral("Acme Ltd")));
        env.exec(QStringLiteral("UPDATE TblClients SET Salutation = 'Mr', FirstName = 'John', "
                                "LastName = 'Smith', Town = 'Leeds', PostCode = 'LS1 1AA'"));
        settings.setShownClient([this] { return shown; });
        settings.setTrayReader([](const QString& printer) {
            return EnvelopeTrays::fromPpd(printer, QStringLiteral(ENVELOPE_PPD));
        });
        settings.setPrintStep([this](const EnvelopeJob& job) -> Status {
            jobs << job.printer + u'/' + job.tray.value_or(QStringLiteral("-"));
            if (!failure.isEmpty() || pdf.isEmpty())
                return failure.isEmpty() ? Status(Done{}) : Status(Failure{failure});
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFileName(pdf);
            return EnvelopePrinter::print(printer, job);
        });
        settings.listPrinters(
            {QStringLiteral("Office"), QStringLiteral("Canon_MP800R_Series_Printer")});
    }
    QComboBox* printers() { return child<QComboBox>(&settings, "cboPrinters"); }
    QComboBox* trays() { return child<QComboBox>(&settings, "cboPrinterTrays"); }
    void choose(int printer, int tray = -1)
    {
        printers()->setCurrentIndex(printer);
        emit printers()->activated(printer);
        if (tray >= 0)
            trays()->setCurrentIndex(tray);
        else if (tray == -2)
            trays()->setEditText(QStringLiteral("7")); // typed, no tray of that label
    }
    // Answers "Print Envelope ?"; `message` is expected after it.
    void print(Prompter::Answer answer, const QString& message = {})
    {
        env.prompter.expectExactly({kQuestion, kQuestion, Prompter::Buttons::YesNo,
                                    Prompter::Icon::Question, Prompter::Answer::No},
                                   answer);
        if (!message.isEmpty())
            env.prompter.expectMessage(message, QString());
        QTest::mouseClick(child<PictureButton>(&settings, "picPrintEnvelopes"), Qt::LeftButton);
    }

    TestEnv env;
    EnvelopeSettings settings{*env.session};
    QString shown, failure, pdf;
    QStringList jobs; // printer/tray
};

} // namespace

class TestEnvelopePrint : public QObject {
    Q_OBJECT

private slots:
    // A failure to read a printer's trays is reported, the trays read so far kept. (The trays
    // listed are checked through the envelopes printed.)
    void trayFailure()
    {
        Box box;
        box.settings.setTrayReader([](const QString&) {
            return EnvelopeTrays::Reading{{{QStringLiteral("0"), QStringLiteral("Upper")}},
                                          EnvelopeTrays::Error{1030, QStringLiteral("Busy")}};
        });
        box.env.prompter.expectMessage(QStringLiteral("There was an error1030Busy"), QString());
        box.choose(1);
        QCOMPARE(box.trays()->count(), 1);
        QCOMPARE(box.trays()->currentText(), QString());
        VERIFY_PROMPTS(box.env.prompter);
    }

    void printing_data()
    {
        QTest::addColumn<bool>("yes");        // the answer to "Print Envelope ?"
        QTest::addColumn<int>("printer");     // chosen in cboPrinters, -1 none
        QTest::addColumn<int>("tray");        // chosen in cboPrinterTrays, -1 none
        QTest::addColumn<QString>("failure"); // of the print step; "gone": the client is
        QTest::addColumn<QString>("message"); // after the question
        QTest::addColumn<QString>("job");     // printer/tray; empty: nothing printed
        const auto row = [](const char* name, bool yes, int printer, int tray, const char* failure,
                            const char* message, const char* job) {
            QTest::newRow(name) << yes << printer << tray << QString::fromUtf8(failure)
                                << QString::fromUtf8(message) << QString::fromUtf8(job);
        };
        row("No", false, 0, 2, "", "", "");
        row("no printer", true, -1, -1, "", "Select Printer And Tray", "");
        row("third tray", true, 0, 2, "", "", "Office/Manual");
        row("no tray: the last listed", true, 0, -1, "", "Select Printer Tray", "Office/Manual");
        row("no tray, maker's printer", true, 1, -1, "", "Select Printer Tray",
            "Canon_MP800R_Series_Printer/Cassette");
        row("no listed tray", true, 0, -2, "", "Printer Error\nNo tray of Office is chosen.", "");
        row("printer fails", true, 0, 0, "Out of paper", "Printer Error\nOut of paper",
            "Office/Upper");
        row("client gone", true, 0, 0, "gone",
            "Printer Error\nThe client is no longer in the address book.", "");
    }
    void printing()
    {
        QFETCH(bool, yes);
        QFETCH(int, printer);
        QFETCH(int, tray);
        QFETCH(QString, failure);
        QFETCH(QString, message);
        QFETCH(QString, job);
        Box box;
        if (failure == QLatin1String("gone"))
            box.shown = QStringLiteral("999");
        else
            box.failure = failure;
        if (printer >= 0)
            box.choose(printer, tray);
        box.print(yes ? Prompter::Answer::Yes : Prompter::Answer::No, message);
        VERIFY_PROMPTS(box.env.prompter);
        QCOMPARE(box.jobs.join(u';'), job);
    }

    // In the main window the envelope is for the client the Clients tab shows: none at first.
    // The printer list, opened without the focus, is filled then (its text reset).
    void mainWindowHandsOverTheShownClient()
    {
        TestEnv env;
        env.addIdentity(QStringLiteral("Main"));
        env.addClient(QStringLiteral("Acme Ltd"));
        MainWindow w(*env.session);
        w.startUp();
        auto* printers = child<QComboBox>(&w, "cboPrinters");
        printers->setEditText(QStringLiteral("x"));
        QCOMPARE(openedItems(printers), QPrinterInfo::availablePrinterNames());
        QCOMPARE(printers->currentText(), QStringLiteral("Select Printer"));
        auto* print = child<PictureButton>(&w, "picPrintEnvelopes");
        env.prompter.expectMessage(QStringLiteral("No Client Selected"), QString());
        QTest::mouseClick(print, Qt::LeftButton);
        auto* clients = child<QComboBox>(&w, "cmbSelectClient");
        QCOMPARE(openedItems(clients), QStringList{QStringLiteral("Acme Ltd")});
        clients->setCurrentIndex(0);
        emit clients->activated(0);
        env.prompter.expectQuestion(kQuestion, Prompter::Answer::No, kQuestion);
        QTest::mouseClick(print, Qt::LeftButton);
        VERIFY_PROMPTS(env.prompter);
    }

    // On a DL page in landscape, the first address line stands where ten empty lines and 75
    // spaces of 10-point Verdana (or its stand-in) put it, within a millimetre; the lines
    // follow one line apart at the same left edge, an empty one keeping its place.
    void pdfPlacesTheAddressBlock()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (Debian poppler-utils) is not installed");
        Box box;
        box.pdf = box.env.file(QStringLiteral("envelope.pdf"));
        box.choose(0, 1);
        box.print(Prompter::Answer::Yes);
        VERIFY_PROMPTS(box.env.prompter);
        QProcess p;
        p.start(pdftotext, {QStringLiteral("-bbox"), box.pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        const QString html = QString::fromUtf8(p.readAllStandardOutput());

        constexpr double kMm = 72 / 25.4; // points
        const QRegularExpressionMatch page =
            QRegularExpression(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""))
                .match(html);
        QVERIFY2(page.hasMatch(), qPrintable(html));
        QVERIFY(qAbs(page.captured(1).toDouble() - 220 * kMm) < 1);
        QVERIFY(qAbs(page.captured(2).toDouble() - 110 * kMm) < 1);

        // Measured on a 72-dpi device, where a pixel is a point.
        QImage device(1, 1, QImage::Format_Mono);
        device.setDotsPerMeterX(qRound(72 / 0.0254));
        device.setDotsPerMeterY(qRound(72 / 0.0254));
        const QFontMetricsF metrics(Envelope::addressFont(), &device); // 10-point Verdana
        const double left = metrics.horizontalAdvance(QString(75, u' '));

        QMap<QString, QPointF> at;
        const QRegularExpression word(
            QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
        for (const QRegularExpressionMatch& m : word.globalMatch(html))
            at.insert(m.captured(3), {m.captured(1).toDouble(), m.captured(2).toDouble()});
        const QList<QPair<QString, int>> firstWords{
            {"Mr", 0}, {"Acme", 1}, {"Leeds", 3}, {"LS1", 4}};
        for (const auto& [text, line] : firstWords) {
            const QPointF expected(left, (10 + line) * metrics.lineSpacing());
            const QPointF got = at.value(text, {-99, -99});
            QVERIFY2(qAbs(got.x() - expected.x()) < kMm && qAbs(got.y() - expected.y()) < kMm,
                     qPrintable(text));
        }
    }
};

QTEST_MAIN(TestEnvelopePrint)
#include "tst_envelopeprint.moc"
