#include "core/KeyRules.h"
#include "core/LocaleText.h"
#include "core/ui/KeyRuleGlue.h"
#include "support/CaseFile.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

class TestKeyRules : public QObject {
    Q_OBJECT
private slots:
    // Keys typed into a field under a rule: steps are typed characters and {home}, {end},
    // {clear}, {bs} (Backspace), {del} (Delete), {paste} (Ctrl+V of "0123456789"), {selN,M};
    // "a{248}" in a text is 248 a's. A colour box drives its slider (0 to 255).
    void keysUnderARule_data()
    {
        CaseFile::addRows("core/key-rules.txt", {"rule", "start", "steps", "text", "caretSlider"});
    }
    void keysUnderARule()
    {
        const auto [rule, start, steps, text, caretSlider] =
            CaseFile::fetchEach({"rule", "start", "steps", "text", "caretSlider"});
        static const QRegularExpression repeat("(.)\\{(\\d+)\\}");
        const auto expand = [](QString s) {
            for (QRegularExpressionMatch m; (m = repeat.match(s)).hasMatch();)
                s.replace(m.capturedStart(), m.capturedLength(),
                          m.captured(1).repeated(m.captured(2).toInt()));
            return s;
        };
        QLineEdit field;
        QScrollBar bar(Qt::Horizontal);
        bar.setRange(0, 255);
        if (rule == u"money")
            KeyRuleGlue::attachMoneyKeys(&field);
        else if (rule == u"signed")
            KeyRuleGlue::attachSignedMoneyKeys(&field);
        else if (rule.startsWith(u"length"))
            KeyRuleGlue::attachLengthLimit(&field, rule == u"length" ? KeyRules::kDefaultLengthLimit
                                                                     : rule.mid(6).toInt());
        else {
            KeyRuleGlue::attachDigitsOnly(&field);
            KeyRuleGlue::attachColourClamp(&field, &bar);
        }
        field.setText(expand(start));
        QGuiApplication::clipboard()->setText("0123456789");
        static const QRegularExpression token("\\{(\\w+?)(\\d*),?(\\d*)\\}|.");
        for (const QRegularExpressionMatch& m : token.globalMatch(steps)) {
            const QString command = m.captured(1);
            if (command.isEmpty())
                QTest::keyClicks(&field, m.captured(0));
            else if (command == u"sel")
                field.setSelection(m.captured(2).toInt(), m.captured(3).toInt());
            else if (command == u"home" || command == u"end")
                command == u"home" ? field.home(false) : field.end(false);
            else if (command == u"clear")
                field.clear();
            else if (command == u"paste")
                QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
            else
                QTest::keyClick(&field, command == u"bs" ? Qt::Key_Backspace : Qt::Key_Delete);
        }
        QCOMPARE(field.text(), expand(text));
        if (!caretSlider.isEmpty())
            QCOMPARE(QString("%1 %2").arg(field.cursorPosition()).arg(bar.value()), caretSlider);
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
            QCOMPARE(date->text(), "03/12/2026");
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // Closing the window is not leaving the field: nothing is asked.
        date->setFocus();
        date->setText("31/02/2026");
        window.close();
        QTest::qWait(20);
        VERIFY_PROMPTS(prompter);
    }

    void typeAheadCompletesClientNames()
    {
        QComboBox combo;
        combo.setEditable(true);
        combo.addItem("Acme Ltd", 11);
        combo.addItem("acorn", 22);
        combo.addItem("3M plc", 33);
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
        QCOMPARE(combo.currentText(), "3M plc");
        QCOMPARE(lastNumber(), 33);
    }
};

QTEST_MAIN(TestKeyRules)
#include "tst_keyrules.moc"
