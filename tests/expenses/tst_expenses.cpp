#include "app/MainWindow.h"
#include "core/DaySerial.h"
#include "core/ui/FlexGrid.h"
#include "expenses/ExpenseStore.h"
#include "expenses/ui/AddExpenseDialog.h"
#include "expenses/ui/ExpensesTab.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {

// Identity 1 with two expenses: fuel on 1 December 2026 and a train fare on 2 December.
void addExpenses(TestEnv& env)
{
    env.session->setCurrentIdentity(env.addIdentity(QStringLiteral("One")));
    ExpenseStore store(env.db);
    QVERIFY(store.add({QDate(2026, 12, 1), QStringLiteral("R1"), QStringLiteral("Fuel"), 120,
                       Money::fromUnits(540000), Money::fromUnits(90000)},
                      1));
    QVERIFY(store.add({QDate(2026, 12, 2), QStringLiteral("R2"), QStringLiteral("Train fare"), 0,
                       Money::fromUnits(300000), Money()},
                      1));
}

QVariant stored(TestEnv& env, const char* column, int expenseId = 1)
{
    return env.db.scalar(
        QStringLiteral("SELECT %1 FROM TblExpenses WHERE ExpenseID = ?").arg(QLatin1String(column)),
        {expenseId});
}

// The two expenses listed on the tab, on show.
struct ExpensesOnShow {
    ExpensesOnShow()
        : tab((addExpenses(env), *env.session)) // stored before the tab is made
    {
        tab.resize(900, 400);
        tab.show();
        tab.viewExpenses();
    }
    TestEnv env;
    ExpensesTab tab;
};

void clickCell(FlexGrid* grid, int row, int column, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(grid->viewport(), button, {},
                      grid->visualRect(grid->model()->index(row, column)).center());
}

} // namespace

class TestExpenses : public QObject {
    Q_OBJECT

private slots:
    // The window's messages come together; leaving the rate works the value out only when both
    // boxes hold two characters or more, while "Add" always does; texts lose their single
    // quotes and the client reference its characters past 249.
    void addingAnExpense()
    {
        TestEnv env;
        env.session->setCurrentIdentity(env.addIdentity(QStringLiteral("One")));
        AddExpenseDialog dialog(*env.session);
        QSignalSpy added(&dialog, &AddExpenseDialog::added);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* date = child<QLineEdit>(&dialog, "txtDate");
        auto* mileage = child<QLineEdit>(&dialog, "txtMilage");
        auto* rate = child<QLineEdit>(&dialog, "txtMilageRate");
        auto* value = child<QLineEdit>(&dialog, "txtValue");
        auto* add = child<QPushButton>(&dialog, "CmdAddExpense");
        QCOMPARE(date->text(), QStringLiteral("3 December 2026"));

        date->clear();
        env.prompter.expectMessage(QStringLiteral("You must enter a Date\nYour Date is "
                                                  "incorrect!\nYou must enter a Value"));
        add->click();
        for (const char* bad : {"31/02/2026", "yesterday", "1 January 10000"}) {
            date->setText(QLatin1String(bad));
            value->setText(QStringLiteral("1-2"));
            env.prompter.expectMessage(QString(AddExpenseDialog::kBadDate) + u'\n' +
                                       AddExpenseDialog::kBadValue);
            add->click();
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(env.db.scalar(QStringLiteral("SELECT count(*) FROM TblExpenses")).toInt(), 0);

        date->setText(QStringLiteral("1/12/2026"));
        value->clear();
        QTest::keyClicks(mileage, QStringLiteral("9"));
        QTest::keyClicks(rate, QStringLiteral("0.45"));
        rate->setFocus();
        mileage->setFocus();
        QCOMPARE(date->text(), QStringLiteral("01/12/2026"));
        QCOMPARE(value->text(), QString());
        child<QLineEdit>(&dialog, "txtClientRef")
            ->setText(QStringLiteral("O'B") + QString(300, u'x'));
        child<QLineEdit>(&dialog, "txtDescription")->setText(QStringLiteral("Client's site"));
        add->click();
        QCOMPARE(added.count(), 1);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(stored(env, "\"Value\"").toLongLong(), 40500); // "Add" works it out
        QCOMPARE(stored(env, "Milage").toDouble(), 9.0);
        QCOMPARE(stored(env, "VAT").toLongLong(), 0);
        QCOMPARE(stored(env, "\"Date\"").toDouble(), DaySerial::fromDate(QDate(2026, 12, 1)));
        QCOMPARE(stored(env, "ClientRef").toString(), QStringLiteral("OB") + QString(247, u'x'));
        QCOMPARE(stored(env, "Description").toString(), QStringLiteral("Clients site"));
        QCOMPARE(stored(env, "Identity").toInt(), 1);
        VERIFY_PROMPTS(env.prompter);
    }

    // A cell edited in place stores what its column holds and shows it; amounts refresh the
    // totals; what the column cannot hold is refused, and the cell and the row stay as they were.
    void editingCells_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("storedColumn");
        QTest::addColumn<QVariant>("expected"); // invalid: refused
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("valueTotal");

        const QVariant refused;
        const QVariant nov5 = DaySerial::fromDate(QDate(2026, 11, 5));
        const auto row = [](const char* name, int column, const char* typed, const char* stored,
                            QVariant expected, const char* shown, const char* total) {
            QTest::newRow(name) << column << QString::fromUtf8(typed) << QString::fromUtf8(stored)
                                << expected << QString::fromUtf8(shown) << QString::fromUtf8(total);
        };
        row("value with symbol", 5, "£12.50", "\"Value\"", 125000, "£12.50", "£42.50");
        row("words", 5, "12.50 please", "\"Value\"", refused, "£54.00", "£84.00");
        row("exponent", 5, "1e9", "\"Value\"", refused, "£54.00", "£84.00");
        row("no VAT", 6, "", "VAT", 0, "£0.00", "£84.00");
        row("date", 1, "5/11/2026", "\"Date\"", nov5, "Thursday, 5 November 2026", "£84.00");
        row("not a date", 1, "soon", "\"Date\"", refused, "Tuesday, 1 December 2026", "£84.00");
        row("description", 3, "Fuel's", "Description", "Fuels", "Fuels", "£84.00");
        row("mileage", 4, "12.5", "Milage", 12.5, "12.5", "£84.00");
        row("negative miles", 4, "-3", "Milage", refused, "120", "£84.00");
    }
    void editingCells()
    {
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(QString, storedColumn);
        QFETCH(QVariant, expected);
        QFETCH(QString, shown);
        QFETCH(QString, valueTotal);

        ExpensesOnShow on;
        TestEnv& env = on.env;
        ExpensesTab& tab = on.tab;
        FlexGrid* grid = tab.grid();
        const QVariant before = stored(env, qPrintable(storedColumn));
        clickCell(grid, 0, column);
        QLineEdit* editor = tab.editor();
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->text(), grid->gridData().text(0, column));
        editor->setText(typed);
        if (!expected.isValid())
            env.prompter.expectMessageStarting(u'"' + typed + QStringLiteral("\" is not"));
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
        QCOMPARE(stored(env, qPrintable(storedColumn)), expected.isValid() ? expected : before);
        QCOMPARE(grid->gridData().text(0, column), shown);
        QCOMPARE(grid->gridData().totals()[5], valueTotal);
        VERIFY_PROMPTS(env.prompter);
    }

    // A pending edit is saved for its own cell before another opens; Escape drops one; the key
    // cannot be changed; clicks on the header or the Totals row open nothing. A row's menu shows
    // its description and deletes it after the question; No keeps it.
    void editorAndRowMenu()
    {
        ExpensesOnShow on;
        TestEnv& env = on.env;
        ExpensesTab& tab = on.tab;
        FlexGrid* grid = tab.grid();
        clickCell(grid, 0, 3);
        tab.editor()->setText(QStringLiteral("Diesel"));
        clickCell(grid, 1, 3);
        QCOMPARE(stored(env, "Description").toString(), QStringLiteral("Diesel"));
        QCOMPARE(tab.editor()->text(), QStringLiteral("Train fare"));
        tab.editor()->setText(QStringLiteral("Bus fare"));
        QTest::keyClick(tab.editor(), Qt::Key_Escape);
        QVERIFY(!tab.editor()->isVisible());
        QCOMPARE(stored(env, "Description", 2).toString(), QStringLiteral("Train fare"));

        clickCell(grid, 0, 0);
        tab.editor()->setText(QStringLiteral("9"));
        env.prompter.expectMessage(QStringLiteral("The number of an expense cannot be changed."));
        tab.closeEditor();
        QCOMPARE(env.db.scalar(QStringLiteral("SELECT max(ExpenseID) FROM TblExpenses")).toInt(),
                 2);

        clickCell(grid, grid->gridModel()->totalsRow(), 3);
        clickCell(grid, grid->gridModel()->totalsRow(), 3, Qt::RightButton);
        QVERIFY(!tab.editor()->isVisible());
        auto* menu = tab.findChild<QMenu*>(QStringLiteral("popExesMenu"));
        QVERIFY(!menu->isVisible());
        auto choose = [&](int row, const char* item) {
            clickCell(grid, row, 3, Qt::RightButton);
            QVERIFY(menu->isVisible());
            menu->findChild<QAction*>(QLatin1String(item))->trigger();
            menu->hide();
        };
        env.prompter.expectMessage(QStringLiteral("Train fare"));
        choose(1, "ViewDetails");
        env.prompter.expectExactly({QStringLiteral("This Will Delete Diesel proceed ?"),
                                    QStringLiteral("Delete?"), Prompter::Buttons::YesNo,
                                    Prompter::Icon::Critical, Prompter::Answer::No},
                                   Prompter::Answer::No);
        choose(0, "DeleteExpense");
        QCOMPARE(grid->gridData().rowCount(), 2);
        env.prompter.expectQuestion(QStringLiteral("This Will Delete Diesel proceed ?"),
                                    Prompter::Answer::Yes, QStringLiteral("Delete?"));
        choose(0, "DeleteExpense");
        QCOMPARE(grid->gridData().text(0, 3), QStringLiteral("Train fare"));
        QCOMPARE(env.db.scalar(QStringLiteral("SELECT count(*) FROM TblExpenses")).toInt(), 1);
        VERIFY_PROMPTS(env.prompter);
    }

    // In the main window: start-up fills the period lists, selecting the tab lists the
    // expenses, leaving it saves a pending edit, and another identity's are never left on show.
    void inTheMainWindow()
    {
        TestEnv env;
        addExpenses(env);
        MainWindow w(*env.session);
        w.startUp();
        QCOMPARE(child<QComboBox>(&w, "cboVatEndYear")->currentText(), QStringLiteral("2003"));
        auto* grid = child<FlexGrid>(&w, "flxExpenses");
        QVERIFY(grid->gridData().isEmpty());
        child<QTabWidget>(&w, "SSTab1")->setCurrentIndex(MainWindow::TabExpenses);
        QCOMPARE(grid->gridData().rowCount(), 2);
        // A pending edit is saved when another tab is selected.
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        clickCell(grid, 1, 3);
        child<QLineEdit>(&w, "TxtEditMaster")->setText(QStringLiteral("Taxi"));
        child<QTabWidget>(&w, "SSTab1")->setCurrentIndex(MainWindow::TabCalendar);
        QCOMPARE(stored(env, "Description", 2).toString(), QStringLiteral("Taxi"));
        w.switchIdentity(env.addIdentity(QStringLiteral("Two")));
        QVERIFY(grid->gridData().isEmpty());
        VERIFY_PROMPTS(env.prompter);
    }
};

QTEST_MAIN(TestExpenses)
#include "tst_expenses.moc"
