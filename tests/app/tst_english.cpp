#include "app/MainWindow.h"
#include "calculator/Calculator.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/PictureButton.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

// The program started in English with its built English catalogue loaded shows its texts exactly
// as written; and the catalogue that later languages start from is whole and clean.
class TestEnglish : public QObject {
    Q_OBJECT

    QTranslator m_english;

    // The sources of the catalogue, by context.
    static QMultiHash<QString, QString> catalogue(const QString& tsPath, QStringList* trouble)
    {
        QFile file(tsPath);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("%s cannot be read", qPrintable(tsPath));
        QMultiHash<QString, QString> sources;
        QXmlStreamReader xml(&file);
        QString context;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == u"name")
                context = xml.readElementText();
            else if (xml.name() == u"source")
                sources.insert(context,
                               xml.readElementText(QXmlStreamReader::IncludeChildElements));
            else if (xml.name() == u"translation") {
                const QString type = xml.attributes().value(QStringLiteral("type")).toString();
                if (type == u"obsolete" || type == u"vanished")
                    *trouble << type;
            }
        }
        if (xml.hasError())
            *trouble << xml.errorString();
        return sources;
    }

private slots:
    void initTestCase()
    {
        // English is the source language: its catalogue holds no translation yet, so Qt does
        // not take it up; were one added, the texts below would show it.
        QVERIFY(m_english.load(QStringLiteral(BILLCRAFT_QM_DIR "/billcraft_en.qm")));
        QVERIFY(m_english.language().startsWith(u"en"));
        QCoreApplication::installTranslator(&m_english);
    }

    void mainWindowAndItsMessages()
    {
        TestEnv env;
        MainWindow w(*env.session);
        w.startUp();
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("Billcraft version")));
        auto* tabs = child<QTabWidget>(&w, "SSTab1");
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        QCOMPARE(captions, QStringList({"Clients", "Make Invoice", "Find Invoices", "Expenses",
                                        "Invoice Layout", "Calendar", "Reports"}));
        QStringList tips;
        for (const char* name : {"picHelp", "picUpdate", "PicRestore", "picBackUp",
                                 "picAddIdentity", "picIdentities", "PicCalc", "picPrintEnvelopes"})
            tips << child<PictureButton>(&w, name)->toolTip();
        QCOMPARE(tips, QStringList({"", "Check For Web Updates", "Restore", "Back Up", "Add User",
                                    "Switch Users", "Calculator", "Print Envelope"}));
        QCOMPARE(child<QWidget>(&w, "picHelp")->accessibleName(), QStringLiteral("Help"));
        QCOMPARE(Mnemonics::plain(child<QPushButton>(&w, "CmdAddNew")->text()),
                 QStringLiteral("AddNew"));

        // A question and its title, an input box, and a message with a title of its own.
        env.prompter
            .expectInput(
                QStringLiteral("Type the first characters of the client you are looking for"),
                QStringLiteral("zz"), QStringLiteral("Find"))
            .expectMessage(QStringLiteral("Not Found"), QStringLiteral("Not Found"));
        child<QPushButton>(&w, "CmdFind")->click();
        tabs->setCurrentIndex(MainWindow::TabMakeInvoice);
        env.prompter.expectMessage(QStringLiteral("Please Select a Client"));
        child<QPushButton>(&w, "CmdMakeInvoice")->click();
        env.prompter.expectQuestion(QStringLiteral("Quit Program.. proceed ?"),
                                    Prompter::Answer::Yes, QStringLiteral("Quit"));
        QVERIFY(w.close());
        VERIFY_PROMPTS(env.prompter);
    }

    // Logic outside the windows speaks through the same catalogue.
    void textsOfTheLogic()
    {
        Calculator c;
        for (Calculator::Key k : {Calculator::digit(2), Calculator::Key::Divide,
                                  Calculator::digit(0), Calculator::Key::Percent})
            c.press(k);
        QCOMPARE(c.display(), QStringLiteral("Cannot divide by zero"));
    }

    // The committed catalogue holds the texts under their classes and nothing stale, and lupdate
    // finds no text it cannot place (a tr() outside a class, say) anywhere in the sources.
    void catalogueIsWholeAndClean()
    {
        QStringList trouble;
        const QMultiHash<QString, QString> sources =
            catalogue(QStringLiteral(BILLCRAFT_TS_FILE), &trouble);
        QCOMPARE(trouble.join(u'\n'), QString());
        QVERIFY(sources.contains(QStringLiteral("MainWindow"), QStringLiteral("Find Invoices")));
        QVERIFY(
            sources.contains(QStringLiteral("ClientDropDown"), QStringLiteral("Select Company")));
        QVERIFY(sources.contains(QStringLiteral("GridHeading"), QStringLiteral("InvoiceNumber")));
        QVERIFY(!sources.contains(QString()));

        QTemporaryDir dir;
        QProcess lupdate;
        lupdate.start(QStringLiteral(BILLCRAFT_LUPDATE),
                      {QStringLiteral("-locations"), QStringLiteral("none"),
                       QStringLiteral(BILLCRAFT_SOURCE_DIR "/src"), QStringLiteral("-ts"),
                       dir.filePath(QStringLiteral("check.ts"))});
        QVERIFY(lupdate.waitForFinished(120'000));
        QCOMPARE(lupdate.exitCode(), 0);
        // Its warnings name a file and line: "src/x.cpp:12: Cannot invoke tr() like this".
        const QStringList warnings =
            QString::fromUtf8(lupdate.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(warnings, QStringList());
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
