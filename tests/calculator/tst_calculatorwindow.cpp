#include "app/MainWindow.h"
#include "calculator/ui/CalculatorWindow.h"
#include "core/ui/PictureButton.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class TestCalculatorWindow : public QObject {
    Q_OBJECT

private slots:
    // PicCalc opens one free calculator; the keyboard and the keys drive it, the display keeps
    // the focus and the caret at its end, M+ shows the memory in use; quitting closes it.
    void keysKeyboardAndMemory()
    {
        TestEnv env;
        MainWindow w(*env.session);
        w.startUp();
        w.show();
        auto* pic = child<PictureButton>(&w, "PicCalc");
        QTest::mouseClick(pic, Qt::LeftButton);
        QPointer<CalculatorWindow> calc = w.calculatorWindow();
        QVERIFY(calc && calc->isVisible());
        QVERIFY(!calc->parentWidget()); // free: no owner
        QTest::mouseClick(pic, Qt::LeftButton);
        QCOMPARE(w.calculatorWindow(), calc.data()); // one at a time
        QVERIFY(QTest::qWaitForWindowActive(calc));

        auto* screen = child<QLineEdit>(calc, "txtScreen");
        QTest::keyClicks(screen, "12x+3a");
        QCOMPARE(screen->text(), "3"); // the letters are discarded
        QTest::keyClick(screen, Qt::Key_Return);
        QCOMPARE(screen->text(), "15");
        QTest::keyClicks(screen, "*2=");
        QCOMPARE(screen->text(), "30");
        QTest::keyClick(screen, Qt::Key_Backspace);
        QCOMPARE(screen->text(), "3");

        auto* memoryPlus = child<QPushButton>(calc, "CmdMemoryPlus");
        const QColor face = memoryPlus->palette().color(QPalette::Button);
        memoryPlus->click();
        QCOMPARE(memoryPlus->palette().color(QPalette::Button), QColor(255, 192, 192));
        child<QPushButton>(calc, "CmdCancel")->click();
        QCOMPARE(screen->text(), QString());
        child<QPushButton>(calc, "CmdMemoryRecal")->click();
        QCOMPARE(screen->text(), "3");
        QCOMPARE(QApplication::focusWidget(), screen);
        QCOMPARE(screen->cursorPosition(), 1);
        QVERIFY(!screen->hasSelectedText());
        child<QPushButton>(calc, "cmdClearMemory")->click();
        QCOMPARE(memoryPlus->palette().color(QPalette::Button), face);
        for (QPushButton* b : calc->findChildren<QPushButton*>())
            QCOMPARE(b->accessibleName(), b->text());

        quitAnsweringYes(env.prompter, w);
        QVERIFY(!calc->isVisible()); // deleted once events run
        VERIFY_PROMPTS(env.prompter);
    }
};

QTEST_MAIN(TestCalculatorWindow)
#include "tst_calculatorwindow.moc"
