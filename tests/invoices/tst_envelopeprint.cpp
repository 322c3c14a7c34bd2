#include "app/MainWindow.h"
#include "core/ui/PictureButton.h"
#include "invoices/ui/EnvelopePrinter.h"
#include "invoices/ui/EnvelopeSettings.h"
#include "support/CaseFile.h"
#include "support/ListItems.h"
#include "support/PdfText.h"
#include "support/TestEnv.h"

#include <QComboBox>
#include <QDir>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kQuestion = QStringLiteral("Print Envelope ?");

// The settings box over one client (no first address line), and jobs recorded, and printed
// to `pdf` when set, instead of sent to CUPS. Each listed printer has three trays, the first
// its default; the trays of "Broken" cannot be read. A printer the box does not list goes to
// the print system, which has none in this test.
struct Box {
    Box()
    {
        env.addIdentity(QStringLiteral("Main"));
        shown = QString::number(env.addClient(QStringLiteral("Acme Ltd")));
        env.exec(QStringLiteral("UPDATE TblClients SET Salutation = 'Mr', FirstName = 'John', "
                                "LastName = 'Smith', Town = 'Leeds', PostCode = 'LS1 1AA'"));
        settings.setShownClient([this] { return shown; });
        settings.setTrayReader([](const QString& printer) {
            if (printer == QLatin1String("Broken"))
                return EnvelopeTrays::Reading{{}, EnvelopeTrays::Error{1030, "Busy"}};
            const EnvelopeTrays::Slots offered{{"Upper", "Cassette", "Manual"}, "Upper"};
            return EnvelopeTrays::Reading{EnvelopeTrays::list(printer, offered), {}};
        });
        settings.setPrintStep([this](const EnvelopeJob& job) -> Status {
            jobs << job.printer + u'/' + job.tray.value_or(QStringLiteral("-"));
            if (printers()->findText(job.printer) < 0)
                return EnvelopePrinter::printOnPrinter(job);
            if (!failure.isEmpty() || pdf.isEmpty())
                return failure.isEmpty() ? Status(Done{}) : Status(Failure{failure});
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFileName(pdf);
            return EnvelopePrinter::print(printer, job);
        });
        settings.listPrinters({QStringLiteral("Office"),
                               QStringLiteral("Canon_MP800R_Series_Printer"),
                               QStringLiteral("Broken")});
    }
    QComboBox* printers() { return child<QComboBox>(&settings, "cboPrinters"); }
    QComboBox* trays() { return child<QComboBox>(&settings, "cboPrinterTrays"); }
    // Chooses a printer, or types the name when none has it; then a tray by its label or,
    // when no tray has it, types the text.
    void choose(const QString& name, const QString& tray = {})
    {
        if (const int printer = printers()->findText(name); printer >= 0) {
            printers()->setCurrentIndex(printer);
            emit printers()->activated(printer);
        } else {
            printers()->setEditText(name);
        }
        if (const int i = trays()->findText(tray); i >= 0)
            trays()->setCurrentIndex(i);
        else if (!tray.isEmpty())
            trays()->setEditText(tray);
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
    void initTestCase()
    {
        // No print server: no installed printer, and no default one.
        qputenv("CUPS_SERVER", QFile::encodeName(QDir::tempPath() + "/no-cupsd-here.sock"));
    }

    // A failed tray listing is reported at once.
    void printing_data()
    {
        CaseFile::addRows(QStringLiteral("invoices/envelope-printing.txt"),
                          {"answer", "printer", "tray", "failure", "message", "job"});
    }
    void printing()
    {
        QFETCH(QString, answer);
        QFETCH(QString, printer);
        QFETCH(QString, tray);
        QFETCH(QString, failure);
        QFETCH(QString, message);
        QFETCH(QString, job);
        Box box;
        box.failure = failure;
        if (printer == QLatin1String("Broken"))
            box.env.prompter.expectMessage(QStringLiteral("There was an error1030Busy"), QString());
        if (!printer.isEmpty())
            box.choose(printer, tray);
        box.print(answer == u"Yes" ? Prompter::Answer::Yes : Prompter::Answer::No, message);
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
        Box box;
        box.pdf = box.env.file(QStringLiteral("envelope.pdf"));
        box.choose(QStringLiteral("Office"), QStringLiteral("1"));
        box.print(Prompter::Answer::Yes);
        VERIFY_PROMPTS(box.env.prompter);
        const QString html = pdfText(box.pdf, {QStringLiteral("-bbox")});
        if (html.isNull())
            QSKIP("pdftotext (Debian poppler-utils) is not installed");

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
