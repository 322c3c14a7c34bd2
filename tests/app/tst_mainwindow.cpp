#include "app/MainWindow.h"
#include "core/ui/PictureButton.h"
#include "support/TestEnv.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void tabsInOrderWithTheirCaptions()
    {
        TestEnv env;
        MainWindow w(*env.session);
        w.startUp();
        QCOMPARE(w.objectName(), QStringLiteral("frmFront"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Billcraft version"));
        auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("SSTab1"));
        QVERIFY(tabs);
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        QCOMPARE(captions, QStringList({"Clients", "Make Invoice", "Find Invoices", "Expenses",
                                        "Invoice Layout", "Calendar", "Reports"}));
        QCOMPARE(tabs->currentIndex(), int(MainWindow::ClientsTab));

        auto* printers = w.findChild<QComboBox*>(QStringLiteral("cboPrinters"));
        QVERIFY(printers);
        QCOMPARE(printers->currentText(), QStringLiteral("Select Printer"));
        QCOMPARE(w.findChild<QComboBox*>(QStringLiteral("cboPrinterTrays"))->currentText(),
                 QString());
        VERIFY_PROMPTS(env.prompter);
    }

    void pictureButtonsCarryTipsNamesAndThePressedLook()
    {
        TestEnv env;
        MainWindow w(*env.session);
        const QList<QPair<QString, QString>> tips = {
            {"picHelp", ""},           {"picUpdate", "Check For Web Updates"},
            {"PicRestore", "Restore"}, {"picBackUp", "Back Up"},
            {"picAddIdentity", "Add User"}, {"picIdentities", "Switch Users"},
            {"PicCalc", "Calculator"}};
        for (const auto& [name, tip] : tips) {
            auto* b = w.findChild<PictureButton*>(name);
            QVERIFY2(b, qPrintable(name));
            QCOMPARE(b->toolTip(), tip);
            QVERIFY2(!b->accessibleName().isEmpty(), qPrintable(name));
            if (!tip.isEmpty())
                QCOMPARE(b->accessibleName(), tip);
        }
        PictureButton button(QStringLiteral("picTest"), QIcon(), QStringLiteral("Test"));
        QSignalSpy clicks(&button, &PictureButton::clicked);
        button.resize(32, 32);
        QTest::mousePress(&button, Qt::LeftButton);
        QCOMPARE(button.frameShape(), QFrame::Box);
        QCOMPARE(button.lineWidth(), 1);
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(button.frameShape(), QFrame::NoFrame);
        QCOMPARE(clicks.count(), 1);
    }

    void quitAsksAndNoKeepsEverything()
    {
        TestEnv env;
        MainWindow w(*env.session);
        w.startUp();
        w.show();
        env.prompter.expectExactly({QStringLiteral("Quit Program.. proceed ?"),
                                    QStringLiteral("Quit"), Prompter::Buttons::YesNo,
                                    Prompter::Icon::Question, Prompter::Answer::No},
                                   Prompter::Answer::No);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QVERIFY(env.db.isOpen());

        QWidget other;
        other.show();
        env.prompter.expectQuestion(QStringLiteral("Quit Program.. proceed ?"),
                                    Prompter::Answer::Yes, QStringLiteral("Quit"));
        QVERIFY(w.close());
        QVERIFY(!other.isVisible());
        QVERIFY(!env.db.isOpen());
        VERIFY_PROMPTS(env.prompter);
    }

    void alertCheckRunsOnceAfterStartAndOnceAfterAnIdentityChange()
    {
        TestEnv env;
        MainWindow w(*env.session);
        QSignalSpy due(&w, &MainWindow::alertCheckDue);
        w.startUp();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(due.count(), 1);

        QWidget dialog; // another window takes the focus and gives it back
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.close();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(due.count(), 1);

        env.session->setCurrentIdentity(7);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.close();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(due.count(), 2);

        env.prompter.expectQuestion(QStringLiteral("Quit Program.. proceed ?"),
                                    Prompter::Answer::Yes);
        w.close();
        VERIFY_PROMPTS(env.prompter);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
