#include "app/MainWindow.h"
#include "calculator/Calculator.h"
#include "core/ui/Mnemonics.h"
#include "core/ui/PictureButton.h"
#include "support/Catalogue.h"
#include "support/TestEnv.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

// The program started in English with its built English catalogue loaded shows its texts exactly
// as written; and the catalogue that later languages start from is whole and clean.
class TestEnglish : public QObject {
    Q_OBJECT

    QTranslator m_english;

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
        QMultiHash<QString, QString> sources;
        for (const CatalogueMessage& m : readCatalogue(QStringLiteral(BILLCRAFT_TS_FILE))) {
            sources.insert(m.context, m.source);
            if (m.type == u"obsolete" || m.type == u"vanished")
                trouble << m.type;
        }
        QCOMPARE(trouble.join(u'\n'), QString());
        QVERIFY(sources.contains(QStringLiteral("MainWindow"), QStringLiteral("Find Invoices")));
        QVERIFY(
            sources.contains(QStringLiteral("ClientDropDown"), QStringLiteral("Select Company")));
        QVERIFY(sources.contains(QStringLiteral("GridHeading"), QStringLiteral("InvoiceNumber")));
        QVERIFY(!sources.contains(QString()));

        QTemporaryDir dir;
        QCOMPARE(updateCatalogue(dir.filePath(QStringLiteral("check.ts"))), QStringList());
    }
};

QTEST_MAIN(TestEnglish)
#include "tst_english.moc"
