#pragma once

#include "expenses/ExpenseStore.h"

#include <QWidget>
#include <optional>

class ExportButtons;
class FlexGrid;
class QLineEdit;
class QMenu;
class Session;

// The Expenses tab: the current identity's expenses in flxExpenses, added through
// frmAddExpense, deleted from a row's menu, and corrected in place. A left click on a cell
// floats the editor TxtEditMaster over it; Enter, or moving elsewhere, saves what was typed
// (Escape drops it). A value its column cannot hold is refused with a message, the cell keeps
// its text and nothing is stored.
class ExpensesTab : public QWidget {
    Q_OBJECT
public:
    explicit ExpensesTab(Session& session, QWidget* parent = nullptr);

    // Reloads the grid (ViewExpenses).
    void viewExpenses();
    void clearList();
    // Saves a pending cell edit and hides the editor, as leaving the tab does.
    void closeEditor();
    // Opens frmAddExpense; the grid is reloaded after an expense is added.
    void addExpense();
    // Asks for a received e-invoice, shows it, and may add it as an expense.
    void readEInvoice();

    FlexGrid* grid() const { return m_grid; }
    QLineEdit* editor() const { return m_editor; }
    ExportButtons* exportButtons() const { return m_export; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The cell being edited: the expense, where it is shown and what it showed.
    struct Edit {
        qint64 expenseId = 0;
        int row = 0;
        int column = 0;
        QString header;
        QString original;
    };

    void openEditor(int row, int column);
    void commitEdit();
    void cancelEdit();
    void onRowMenu(int row, const QPoint& globalPos);
    void deleteExpense();
    void viewDetails();
    // The message for a cell text its column cannot hold.
    QString refusal(ExpenseColumn column, const QString& typed) const;
    void reportFailure(const QString& what, const QString& error);

    Session& m_session;
    ExpenseStore m_store;
    FlexGrid* m_grid;
    QLineEdit* m_editor;
    QMenu* m_menu;
    ExportButtons* m_export;
    std::optional<Edit> m_edit;
    qint64 m_menuExpense = 0; // the expense whose row opened the menu
    QString m_menuDescription;
};
