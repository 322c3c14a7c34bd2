#include "core/KeyRules.h"
#include "core/LocaleText.h"
#include "core/ui/KeyRuleGlue.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

class TestKeyRules : public QObject {
    Q_OBJECT
private slots:
    void moneyKeysTakeDigitsOnePointAndASign()
    {
        QLineEdit field;
        KeyRuleGlue::attachMoneyKeys(&field);
        QTest::keyClicks(&field, "12.5.3");
        QCOMPARE(field.text(), QStringLiteral("12.53"));

        // A selected point would be replaced by the new one, and still the key is refused.
        field.setSelection(2, 1);
        QTest::keyClick(&field, '.');
        QCOMPARE(field.text(), QStringLiteral("12.53"));

        field.end(false);
        QTest::keyClicks(&field, "-, a");
        QCOMPARE(field.text(), QStringLiteral("12.53"));
        QTest::keyClick(&field, Qt::Key_Backspace);
        QCOMPARE(field.text(), QStringLiteral("12.5"));

        // Signed amounts take a minus anywhere.
        QLineEdit signedField;
        KeyRuleGlue::attachSignedMoneyKeys(&signedField);
        QTest::keyClicks(&signedField, "1-2");
        QCOMPARE(signedField.text(), QStringLiteral("1-2"));
        signedField.home(false);
        QTest::keyClicks(&signedField, "--.,.");
        QCOMPARE(signedField.text(), QStringLiteral("--.1-2"));
    }

    void lengthLimitStopsKeyStrokesButNotDeleteOrPaste()
    {
        QLineEdit field;
        KeyRuleGlue::attachLengthLimit(&field);
        field.setText(QString(248, u'a'));
        QTest::keyClicks(&field, "bc");
        QCOMPARE(field.text(), QString(248, u'a') + u'b');

        QTest::keyClick(&field, Qt::Key_Backspace);
        QCOMPARE(field.text().size(), 249);

        field.home(false);
        QTest::keyClick(&field, Qt::Key_Delete);
        QCOMPARE(field.text(), QString(247, u'a') + u'b');
        QTest::keyClick(&field, 'c');
        QCOMPARE(field.text().size(), 249);

        // Pasting, also with Ctrl+V, goes past the limit and is not cut.
        QGuiApplication::clipboard()->setText(QStringLiteral("0123456789"));
        field.end(false);
        QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field.text().size(), 259);

        QLineEdit shortField;
        KeyRuleGlue::attachLengthLimit(&shortField, 3);
        QTest::keyClicks(&shortField, "abcd");
        QCOMPARE(shortField.text(), QStringLiteral("abc"));
    }

    void colourBoxDrivesItsSlider()
    {
        QLineEdit red;
        QScrollBar bar(Qt::Horizontal);
        bar.setRange(0, 255);
        KeyRuleGlue::attachDigitsOnly(&red);
        KeyRuleGlue::attachColourClamp(&red, &bar);

        QTest::keyClicks(&red, "3x00");
        QCOMPARE(red.text(), QStringLiteral("255"));
        QCOMPARE(red.cursorPosition(), 3);
        QCOMPARE(bar.value(), 255);

        red.clear(); // an empty box leaves the slider alone
        QCOMPARE(bar.value(), 255);

        // "255" typed in the middle is already the right text; the caret still goes to the end.
        red.setText(QStringLiteral("55"));
        red.home(false);
        QTest::keyClick(&red, '2');
        QCOMPARE(red.text(), QStringLiteral("255"));
        QCOMPARE(red.cursorPosition(), 3);

        red.clear();
        QTest::keyClicks(&red, "007");
        QCOMPARE(red.text(), QStringLiteral("007"));
        QCOMPARE(bar.value(), 7);
    }

    void dateIsTidiedOrRefusedOnLeaving()
    {
        ScriptedPrompter prompter;
        const LocaleText locale(testLocale());
        QWidget window;
        auto* date = new QLineEdit(&window);
        auto* next = new QLineEdit(&window);
        KeyRuleGlue::attachDateOnLeave(date, locale, prompter);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        // Empty: one message, and the focus ends back in the field.
        date->setFocus();
        prompter.expectMessage(KeyRules::kDateError);
        QTest::keyClick(date, Qt::Key_Tab);
        QTRY_COMPARE(prompter.remaining(), 0);
        QTest::qWait(20);
        QCOMPARE(QApplication::focusWidget(), date);
        VERIFY_PROMPTS(prompter);

        for (const char* typed : {"3 December 2026", "3/12/26", "2026-12-03"}) {
            date->setFocus();
            date->setText(QString::fromLatin1(typed));
            QTest::keyClick(date, Qt::Key_Tab);
            QCOMPARE(date->text(), QStringLiteral("03/12/2026"));
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // Closing the window is not leaving the field: nothing is asked.
        date->setFocus();
        date->setText(QStringLiteral("31/02/2026"));
        window.close();
        QTest::qWait(20);
        VERIFY_PROMPTS(prompter);
    }

    void typeAheadCompletesClientNames()
    {
        QComboBox combo;
        combo.setEditable(true);
        combo.addItem(QStringLiteral("Acme Ltd"), 11);
        combo.addItem(QStringLiteral("acorn"), 22);
        combo.addItem(QStringLiteral("3M plc"), 33);
        auto* typeAhead = new ClientTypeAhead(&combo);
        QSignalSpy released(typeAhead, &ClientTypeAhead::keyReleased);
        // Shown and focused, as the drop-down's own completer only acts then.
        combo.show();
        QVERIFY(QTest::qWaitForWindowActive(&combo));
        combo.setFocus();
        const auto lastNumber = [&released] { return released.last().at(0).toInt(); };

        const struct {
            const char *typed, *text, *completed;
            int number;
        } steps[] = {
            {"x", "x", "", 0}, {"AC", "Acme Ltd", "me Ltd", 11}, {"aco", "acorn", "rn", 22}};
        for (const auto& step : steps) {
            combo.clearEditText();
            QTest::keyClicks(&combo, step.typed);
            QCOMPARE(combo.currentText(), QLatin1String(step.text));
            QCOMPARE(combo.lineEdit()->selectedText(), QLatin1String(step.completed));
            QCOMPARE(lastNumber(), step.number);
        }

        // Backspace completing nothing: the clients tab's test.
        combo.clearEditText();
        QTest::keyClick(&combo, Qt::Key_3, Qt::KeypadModifier);
        QCOMPARE(combo.currentText(), QStringLiteral("3M plc"));
        QCOMPARE(lastNumber(), 33);
    }
};

QTEST_MAIN(TestKeyRules)
#include "tst_keyrules.moc"
