#include "app/MainWindow.h"
#include "core/ui/FlexGrid.h"
#include "expenses/ExpenseStore.h"
#include "expenses/ui/AddExpenseDialog.h"
#include "expenses/ui/ExpensesTab.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"
#include "support/UiSteps.h"

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
    env.session->setCurrentIdentity(env.addIdentity("One"));
    ExpenseStore store(env.db);
    QVERIFY(store.add(
        {QDate(2026, 12, 1), "R1", "Fuel", 120, Money::fromUnits(540000), Money::fromUnits(90000)},
        1));
    QVERIFY(store.add(
        {QDate(2026, 12, 2), "R2", "Train fare", 0, Money::fromUnits(300000), Money()}, 1));
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
        env.session->setCurrentIdentity(env.addIdentity("One"));
        AddExpenseDialog dialog(*env.session);
        QSignalSpy added(&dialog, &AddExpenseDialog::added);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        auto* date = child<QLineEdit>(&dialog, "txtDate");
        auto* mileage = child<QLineEdit>(&dialog, "txtMilage");
        auto* rate = child<QLineEdit>(&dialog, "txtMilageRate");
        auto* value = child<QLineEdit>(&dialog, "txtValue");
        auto* add = child<QPushButton>(&dialog, "CmdAddExpense");
        QCOMPARE(date->text(), "3 December 2026");

        date->clear();
        env.prompter.expectMessage("You must enter a Date\nYour Date is "
                                   "incorrect!\nYou must enter a Value");
        add->click();
        for (const char* bad : {"31/02/2026", "yesterday", "1 January 10000"}) {
            date->setText(QLatin1String(bad));
            value->setText("1-2");
            env.prompter.expectMessage(QString(AddExpenseDialog::kBadDate) + u'\n' +
                                       AddExpenseDialog::kBadValue);
            add->click();
        }
        QVERIFY(dialog.isVisible());
        QCOMPARE(env.db.scalar("SELECT count(*) FROM TblExpenses").toInt(), 0);

        date->setText("1/12/2026");
        value->clear();
        QTest::keyClicks(mileage, "9");
        QTest::keyClicks(rate, "0.45");
        rate->setFocus();
        mileage->setFocus();
        QCOMPARE(date->text(), "01/12/2026");
        QCOMPARE(value->text(), QString());
        child<QLineEdit>(&dialog, "txtClientRef")->setText("O'B" + QString(300, u'x'));
        child<QLineEdit>(&dialog, "txtDescription")->setText("Client's site");
        add->click();
        QCOMPARE(added.count(), 1);
        QVERIFY(!dialog.isVisible());
        // "Add" works the value out: 9 miles at 45p, in ten-thousandths; the date is 1 December.
        const auto row = env.db.one("SELECT \"Value\", Milage, VAT, \"Date\", ClientRef, "
                                    "Description, Identity FROM TblExpenses",
                                    {}, [](const Row& r) {
                                        QStringList cells;
                                        for (int c = 0; c < 7; ++c)
                                            cells << r[c].toString();
                                        return cells.join(u'|');
                                    });
        QCOMPARE(row ? row->value_or(QString()) : row.error(),
                 "40500|9|0|46357|OB" + QString(247, u'x') + "|Clients site|1");
        VERIFY_PROMPTS(env.prompter);
    }

    // A cell edited in place stores what its column holds and shows it; amounts refresh the
    // totals; what the column cannot hold is refused, and the cell and the row stay as they were.
    void editingCells_data()
    {
        CaseFile::addRows("expenses/editing-cells.txt",
                          {"column", "typed", "storedColumn", "expected", "shown", "valueTotal"});
    }
    void editingCells()
    {
        const auto [column, typed, storedColumn, expected] =
            CaseFile::fetchEach({"column", "typed", "storedColumn", "expected"});
        const int at = column.toInt();
        // "Date" and "Value" are SQL words: quoted, as every statement of ours writes them.
        const QByteArray quoted = storedColumn == u"Date" || storedColumn == u"Value"
                                      ? '"' + storedColumn.toUtf8() + '"'
                                      : storedColumn.toUtf8();
        ExpensesOnShow on;
        TestEnv& env = on.env;
        ExpensesTab& tab = on.tab;
        FlexGrid* grid = tab.grid();
        const QString before = stored(env, quoted.constData()).toString();
        clickCell(grid, 0, at);
        QLineEdit* editor = tab.editor();
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->text(), grid->gridData().text(0, at));
        editor->setText(typed);
        const bool refused = expected == u"refused";
        if (refused)
            env.prompter.expectMessageStarting(u'"' + typed + "\" is not");
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
        QCOMPARE(stored(env, quoted.constData()).toString(), refused ? before : expected);
        QTEST(grid->gridData().text(0, at), "shown");
        QTEST(grid->gridData().totals()[5], "valueTotal");
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
        tab.editor()->setText("Diesel");
        clickCell(grid, 1, 3);
        QCOMPARE(stored(env, "Description").toString(), "Diesel");
        QCOMPARE(tab.editor()->text(), "Train fare");
        tab.editor()->setText("Bus fare");
        QTest::keyClick(tab.editor(), Qt::Key_Escape);
        QVERIFY(!tab.editor()->isVisible());
        QCOMPARE(stored(env, "Description", 2).toString(), "Train fare");

        clickCell(grid, 0, 0);
        tab.editor()->setText("9");
        env.prompter.expectMessage("The number of an expense cannot be changed.");
        tab.closeEditor();
        QCOMPARE(env.db.scalar("SELECT max(ExpenseID) FROM TblExpenses").toInt(), 2);

        clickCell(grid, grid->gridModel()->totalsRow(), 3);
        clickCell(grid, grid->gridModel()->totalsRow(), 3, Qt::RightButton);
        QVERIFY(!tab.editor()->isVisible());
        auto* menu = child<QMenu>(&tab, "popExesMenu");
        QVERIFY(!menu->isVisible());
        env.prompter.expectMessage("Train fare");
        chooseFromMenu(grid, 1, 3, menu, "ViewDetails");
        env.prompter.expectExactly({"This Will Delete Diesel proceed ?", "Delete?",
                                    Prompter::Buttons::YesNo, Prompter::Icon::Critical,
                                    Prompter::Answer::No},
                                   Prompter::Answer::No);
        chooseFromMenu(grid, 0, 3, menu, "DeleteExpense");
        QCOMPARE(grid->gridData().rowCount(), 2);
        env.prompter.expectQuestion("This Will Delete Diesel proceed ?", Prompter::Answer::Yes,
                                    "Delete?");
        chooseFromMenu(grid, 0, 3, menu, "DeleteExpense");
        QCOMPARE(grid->gridData().text(0, 3), "Train fare");
        QCOMPARE(env.db.scalar("SELECT count(*) FROM TblExpenses").toInt(), 1);
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
        QCOMPARE(child<QComboBox>(&w, "cboVatEndYear")->currentText(), "2003");
        auto* grid = child<FlexGrid>(&w, "flxExpenses");
        QVERIFY(grid->gridData().isEmpty());
        child<QTabWidget>(&w, "SSTab1")->setCurrentIndex(MainWindow::TabExpenses);
        QCOMPARE(grid->gridData().rowCount(), 2);
        // A pending edit is saved when another tab is selected.
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        clickCell(grid, 1, 3);
        child<QLineEdit>(&w, "TxtEditMaster")->setText("Taxi");
        child<QTabWidget>(&w, "SSTab1")->setCurrentIndex(MainWindow::TabCalendar);
        QCOMPARE(stored(env, "Description", 2).toString(), "Taxi");
        w.switchIdentity(env.addIdentity("Two"));
        QVERIFY(grid->gridData().isEmpty());
        VERIFY_PROMPTS(env.prompter);
    }
};

QTEST_MAIN(TestExpenses)
#include "tst_expenses.moc"
