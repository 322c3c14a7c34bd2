#include "expenses/ui/ExpensesTab.h"

#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/ui/ExportButtons.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"
#include "einvoice/ui/ReceivedInvoiceWindow.h"
#include "expenses/ui/AddExpenseDialog.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

constexpr const char* kDeleteQuestion =
    QT_TRANSLATE_NOOP("ExpensesTab", "This Will Delete %1 proceed ?");
constexpr const char* kKeyFixed =
    QT_TRANSLATE_NOOP("ExpensesTab", "The number of an expense cannot be changed.");
constexpr const char* kGone = QT_TRANSLATE_NOOP(
    "ExpensesTab", "This expense has been deleted meanwhile, so the change could not be saved.");

} // namespace

ExpensesTab::ExpensesTab(Session& session, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_store(session.db())
{
    m_grid = new FlexGrid(this);
    m_grid->setObjectName(QStringLiteral("flxExpenses"));
    m_grid->setAccessibleName(tr("Expenses"));

    m_editor = new QLineEdit(m_grid->viewport());
    m_editor->setObjectName(QStringLiteral("TxtEditMaster"));
    m_editor->setAccessibleName(tr("Edit the cell"));
    m_editor->setFrame(false);
    m_editor->hide();
    m_editor->installEventFilter(this);

    auto* add = namedButton(QStringLiteral("cmdAddExpense"), tr("Add Expense"), this);
    connect(add, &QPushButton::clicked, this, &ExpensesTab::addExpense);
    auto* read = namedButton(QStringLiteral("cmdReadEInvoice"), tr("Read e-invoice..."), this);
    connect(read, &QPushButton::clicked, this, &ExpensesTab::readEInvoice);
    m_export = new ExportButtons(session, m_grid, GridExport::Grid::Expenses,
                                 QStringLiteral("picExcel"), QStringLiteral("picCSV2"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(read);
    buttons->addStretch(1);
    buttons->addWidget(m_export);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    m_menu = new QMenu(tr("Menu"), this);
    m_menu->setObjectName(QStringLiteral("popExesMenu"));
    auto addAction = [this](const char* name, const char* caption, void (ExpensesTab::*slot)()) {
        QAction* a = m_menu->addAction(tr(caption));
        a->setObjectName(QLatin1String(name));
        if (slot)
            connect(a, &QAction::triggered, this, slot);
    };
    addAction("DeleteExpense", QT_TR_NOOP("Delete"), &ExpensesTab::deleteExpense);
    addAction("ViewDetails", QT_TR_NOOP("View Details"), &ExpensesTab::viewDetails);
    addAction("mnuExit2", QT_TR_NOOP("Exit Menu"), nullptr); // closes the menu, nothing else

    // The rows are read again once a pending edit is saved (see openEditor).
    connect(m_grid, &FlexGrid::rowClicked, this,
            [this](qint64, int row, int column) { openEditor(row, column); });
    connect(m_grid, &FlexGrid::rowMenuRequested, this,
            [this](qint64, int row, const QPoint& globalPos) { onRowMenu(row, globalPos); });
    // The editor stands over its cell only while the cell stays where it was.
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, &ExpensesTab::commitEdit);
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &ExpensesTab::commitEdit);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this,
            &ExpensesTab::commitEdit);
    // Another identity's expenses are listed when the tab is next selected.
    connect(&m_session, &Session::identityChanged, this, [this] {
        cancelEdit();
        clearList();
    });
}

void ExpensesTab::viewExpenses()
{
    cancelEdit();
    const Result<GridData> contents =
        m_store.list({m_session.locale(), m_session.clock().today()}, m_session.currentIdentity());
    if (!contents) {
        reportFailure(tr("The expenses could not be read"), contents.error());
        return;
    }
    m_grid->populate(*contents, m_session.prompter());
}

void ExpensesTab::clearList()
{
    m_grid->clearGrid();
}

void ExpensesTab::addExpense()
{
    AddExpenseDialog dialog(m_session, window());
    connect(&dialog, &AddExpenseDialog::added, this, &ExpensesTab::viewExpenses);
    dialog.exec();
}

void ExpensesTab::readEInvoice()
{
    const std::optional<EInvoice::Read> read = ReceivedInvoiceWindow::chooseAndRead(m_session);
    if (!read)
        return;
    ReceivedInvoiceWindow received(m_session, *read, window());
    connect(&received, &ReceivedInvoiceWindow::added, this, &ExpensesTab::viewExpenses);
    received.exec();
}

void ExpensesTab::openEditor(int row, int column)
{
    commitEdit(); // a pending edit is saved for its own cell first
    // Read after the save, which may have listed the expenses afresh: the row's key with it.
    const GridData& contents = m_grid->gridData();
    if (!contents.contains(row, column))
        return;
    m_edit = Edit{contents.key(row), row, column, contents.header().value(column),
                  contents.text(row, column)};
    m_editor->setGeometry(m_grid->visualRect(m_grid->model()->index(row, column)));
    m_editor->setText(m_edit->original);
    m_editor->show();
    m_editor->setFocus(Qt::MouseFocusReason);
    m_editor->selectAll();
}

void ExpensesTab::cancelEdit()
{
    m_edit.reset();
    m_editor->hide();
}

void ExpensesTab::closeEditor()
{
    commitEdit();
}

bool ExpensesTab::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_editor || !m_edit)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            commitEdit();
            m_grid->setFocus(Qt::OtherFocusReason);
            return true;
        }
        if (key == Qt::Key_Escape) {
            cancelEdit();
            m_grid->setFocus(Qt::OtherFocusReason);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // The focus moving elsewhere in the window saves the edit; the window losing the focus,
        // or the editor's own context menu, leaves it open.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            commitEdit();
    }
    return QWidget::eventFilter(watched, event);
}

void ExpensesTab::commitEdit()
{
    if (!m_edit)
        return;
    // Taken first: the messages below move the focus, and that must not save the edit twice.
    const Edit edit = *std::exchange(m_edit, std::nullopt);
    const QString typed = m_editor->text();
    m_editor->hide();
    if (typed == edit.original)
        return;

    Prompter& prompter = m_session.prompter();
    const std::optional<ExpenseColumn> column = ExpenseStore::columnNamed(edit.header);
    if (!column || *column == ExpenseColumn::ExpenseId) {
        prompter.inform(tr(kKeyFixed));
        return;
    }
    const std::optional<QVariant> stored =
        ExpenseStore::readCell(*column, typed, m_session.locale());
    if (!stored) {
        prompter.inform(refusal(*column, typed));
        return;
    }
    const Result<bool> updated = m_store.update(edit.expenseId, *column, *stored);
    if (!updated) {
        reportFailure(tr("The change could not be saved"), updated.error());
        return;
    }
    if (!*updated) {
        prompter.inform(tr(kGone));
        viewExpenses();
        return;
    }
    // Amounts change the Totals row; other cells show the stored value in the grid's own form.
    if (*column == ExpenseColumn::Value || *column == ExpenseColumn::Vat)
        viewExpenses();
    else
        m_grid->gridModel()->setCell(edit.row, edit.column, *stored);
}

QString ExpensesTab::refusal(ExpenseColumn column, const QString& typed) const
{
    const LocaleText& locale = m_session.locale();
    switch (column) {
    case ExpenseColumn::Date:
        if (typed.trimmed().isEmpty())
            return tr("An expense must have a date, so it keeps the one it had.");
        return tr("\"%1\" is not a date, so the expense keeps the one it had. Type a date "
                  "such as %2.")
            .arg(typed, locale.toShortDate(m_session.clock().today()));
    case ExpenseColumn::Value:
    case ExpenseColumn::Vat: {
        const QString name = column == ExpenseColumn::Value ? tr("value") : tr("VAT");
        if (typed.trimmed().isEmpty())
            return tr("An expense must have a value, so it keeps the one it had.");
        return tr("\"%1\" is not an amount of money, so the expense keeps its %2. Type a "
                  "number such as 12.50, with or without %3.")
            .arg(typed, name, locale.currencySymbol());
    }
    case ExpenseColumn::Mileage:
        return tr("\"%1\" is not a number of miles, so the expense keeps its mileage. Type a "
                  "number such as 12.5.")
            .arg(typed);
    case ExpenseColumn::ExpenseId:
    case ExpenseColumn::ClientRef:
    case ExpenseColumn::Description:
        break;
    }
    return tr(kKeyFixed);
}

void ExpensesTab::onRowMenu(int row, const QPoint& globalPos)
{
    commitEdit();
    m_menuExpense = m_grid->gridData().key(row);
    m_menuDescription = m_grid->gridData().text(row, ExpenseStore::ColDescription);
    m_menu->popup(globalPos);
}

void ExpensesTab::deleteExpense()
{
    const qint64 expense = std::exchange(m_menuExpense, 0);
    const QString description = std::exchange(m_menuDescription, QString());
    if (expense <= 0)
        return;
    if (!m_session.prompter().confirm(tr(kDeleteQuestion).arg(description), tr("Delete?"),
                                      Prompter::Icon::Critical))
        return;
    const Result<bool> removed = m_store.remove(expense);
    if (!removed) {
        reportFailure(tr("The expense could not be deleted"), removed.error());
        return;
    }
    viewExpenses();
}

void ExpensesTab::viewDetails()
{
    m_session.prompter().inform(m_menuDescription);
}

void ExpensesTab::reportFailure(const QString& what, const QString& error)
{
    m_session.prompter().inform(QStringLiteral("%1:\n%2").arg(what, error), {},
                                Prompter::Icon::Warning);
}
