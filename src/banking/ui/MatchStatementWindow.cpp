#include "banking/ui/MatchStatementWindow.h"

#include "banking/ui/StatementOpening.h"
#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/ui/NamedWidgets.h"
#include "core/ui/Session.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

using StatementMatch::Proposal;

namespace {

QString proposalText(Proposal proposal)
{
    switch (proposal) {
    case Proposal::Sure:
        return MatchStatementWindow::tr("Sure");
    case Proposal::Likely:
        return MatchStatementWindow::tr("Likely");
    case Proposal::None:
        return MatchStatementWindow::tr("None");
    case Proposal::NotPayment:
        return MatchStatementWindow::tr("Not a payment");
    case Proposal::DoneBefore:
        return MatchStatementWindow::tr("Done before");
    }
    return {};
}

QTableWidgetItem* cell(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

MatchStatementWindow::MatchStatementWindow(Session& session, int identity, Statement statement,
                                           StatementMatch::Books books, QWidget* parent)
    : QDialog(parent)
    , m_session(session)
    , m_identity(identity)
    , m_statement(std::move(statement))
    , m_books(std::move(books))
{
    setObjectName(QStringLiteral("frmMatchStatement"));
    setWindowTitle(tr("Match bank statement"));
    m_matches = StatementMatch::match(m_statement, m_books);
    for (const StatementMatch::Match& m : m_matches)
        m_chosen << m.invoices;

    m_grid = new QTableWidget(int(m_statement.entries.size()), Columns, this);
    m_grid->setObjectName(QStringLiteral("grdStatement"));
    m_grid->setAccessibleName(tr("Bank entries"));
    m_grid->setHorizontalHeaderLabels({tr("Accept"), tr("Date"), tr("Amount"), tr("Payer"),
                                       tr("Remittance"), tr("Proposal"), tr("Invoice"),
                                       tr("Note")});
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);

    m_invoiceLabel = new QLabel(tr("Pay invoice"), this);
    m_invoice = new QComboBox(this);
    m_invoice->setObjectName(QStringLiteral("cboInvoice"));
    m_invoice->setAccessibleName(m_invoiceLabel->text());
    m_invoiceLabel->setBuddy(m_invoice);
    m_invoice->addItem(tr("(no invoice)"), -1);
    const QLocale& locale = m_session.locale().locale();
    for (int at = 0; at < m_books.unpaid.size(); ++at) {
        const StatementMatch::UnpaidInvoice& u = m_books.unpaid[at];
        m_invoice->addItem(QStringLiteral("%1  %2  %3")
                               .arg(u.number,
                                    u.total.toCurrencyString(locale, m_session.currencySymbol()),
                                    u.client),
                           at);
    }

    auto* markPaid = namedButton(QStringLiteral("cmdMarkPaid"), tr("Mark accepted paid"), this);
    auto* close = namedButton(QStringLiteral("cmdClose"), tr("Close"), this);
    connect(markPaid, &QPushButton::clicked, this, &MatchStatementWindow::markPaid);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_grid, &QTableWidget::currentCellChanged, this, &MatchStatementWindow::onCurrentRow);
    connect(m_invoice, &QComboBox::activated, this, &MatchStatementWindow::onInvoicePicked);
    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        // A row checked without an invoice has nothing to pay: the check does not stay.
        if (!m_filling && item->column() == Accept && item->checkState() == Qt::Checked &&
            m_chosen[item->row()].isEmpty())
            item->setCheckState(Qt::Unchecked);
    });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_invoiceLabel);
    bottom->addWidget(m_invoice, 1);
    bottom->addWidget(markPaid);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);
    fill();
    resize(1000, 600);
}

void MatchStatementWindow::fill()
{
    m_filling = true;
    for (int row = 0; row < m_grid->rowCount(); ++row)
        showRow(row);
    m_filling = false;
    m_grid->resizeColumnsToContents();
    onCurrentRow();
}

void MatchStatementWindow::showRow(int row)
{
    const bool wasFilling = m_filling;
    m_filling = true;
    const StatementEntry& entry = m_statement.entries[row];
    const StatementMatch::Match& match = m_matches[row];
    const QLocale& locale = m_session.locale().locale();
    auto* accept = new QTableWidgetItem;
    accept->setFlags(canPay(row)
                         ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                         : Qt::ItemIsSelectable);
    // Only sure and likely rows come with invoices; a row of no proposal gets one when the
    // user picks it.
    const bool checked = canPay(row) && !m_chosen[row].isEmpty();
    accept->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    accept->setData(Qt::AccessibleTextRole, tr("Accept"));
    m_grid->setItem(row, Accept, accept);
    m_grid->setItem(row, Date, cell(locale.toString(entry.bookedOn, QLocale::ShortFormat)));
    QString amount = entry.amount.toCurrencyString(locale, m_session.currencySymbol());
    if (!entry.credit)
        amount = locale.negativeSign() + amount;
    m_grid->setItem(row, Amount, cell(amount));
    m_grid->item(row, Amount)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_grid->setItem(row, Payer, cell(entry.counterparty));
    m_grid->setItem(row, Remittance, cell(entry.remittance));
    m_grid->setItem(row, Proposed, cell(proposalText(match.proposal)));
    QStringList numbers;
    for (int at : m_chosen[row])
        numbers << m_books.unpaid[at].number;
    m_grid->setItem(row, Invoice, cell(numbers.join(u'+')));
    m_grid->setItem(row, Note, cell(match.reason));
    m_filling = wasFilling;
}

bool MatchStatementWindow::canPay(int row) const
{
    const Proposal p = m_matches[row].proposal;
    return p != Proposal::NotPayment && p != Proposal::DoneBefore;
}

void MatchStatementWindow::onCurrentRow()
{
    const int row = m_grid->currentRow();
    const bool usable = row >= 0 && canPay(row);
    m_invoice->setEnabled(usable);
    m_invoiceLabel->setEnabled(usable);
    const QList<int> chosen = usable ? m_chosen[row] : QList<int>();
    // A credit paying several invoices shows the first; picking one replaces them all.
    m_invoice->setCurrentIndex(chosen.isEmpty() ? 0 : m_invoice->findData(chosen.first()));
}

void MatchStatementWindow::onInvoicePicked(int index)
{
    const int row = m_grid->currentRow();
    if (row < 0 || !canPay(row))
        return;
    const int at = m_invoice->itemData(index).toInt();
    choose(row, at < 0 ? QList<int>() : QList<int>{at});
}

void MatchStatementWindow::choose(int row, const QList<int>& invoices)
{
    for (int other = 0; other < m_chosen.size(); ++other) {
        if (other == row)
            continue;
        const qsizetype before = m_chosen[other].size();
        m_chosen[other].removeIf([&](int at) { return invoices.contains(at); });
        if (m_chosen[other].size() != before) {
            m_chosen[other].clear(); // a credit paying several invoices is whole or nothing
            showRow(other);
            m_grid->item(other, Accept)->setCheckState(Qt::Unchecked);
        }
    }
    m_chosen[row] = invoices;
    showRow(row);
    m_grid->item(row, Accept)->setCheckState(invoices.isEmpty() ? Qt::Unchecked : Qt::Checked);
}

void MatchStatementWindow::markPaid()
{
    QList<StatementMatch::Accepted> accepted;
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        if (m_grid->item(row, Accept)->checkState() != Qt::Checked || m_chosen[row].isEmpty())
            continue;
        StatementMatch::Accepted a{m_statement.entries[row], {}};
        for (int at : m_chosen[row])
            a.invoices << m_books.unpaid[at];
        accepted << a;
    }
    if (accepted.isEmpty()) {
        m_session.prompter().inform(tr("No credit is accepted: check the ones that pay an "
                                       "invoice, or pick the invoice they pay."));
        return;
    }
    const Result<StatementMatch::Applied> applied =
        StatementMatch::apply(m_session.db(), m_identity, accepted, m_session.clock().today());
    if (!applied) {
        m_session.prompter().inform(applied.error(), {}, Prompter::Icon::Warning);
        return;
    }
    m_session.prompter().inform(tr("Invoices marked paid: %1, from %2 bank entries.")
                                    .arg(applied->invoices)
                                    .arg(applied->entries));
    accept();
}

void MatchStatementWindow::matchStatement(Session& session, QWidget* parent)
{
    const int identity = session.currentIdentity();
    if (identity == 0)
        return;
    std::optional<Statement> statement = openStatement(session, parent);
    if (!statement)
        return;
    if (statement->entries.isEmpty()) {
        session.prompter().inform(tr("The statement holds no entries."));
        return;
    }
    Result<StatementMatch::Books> books = StatementMatch::readBooks(
        session.db(), identity, session.locale().locale().currencySymbol(QLocale::CurrencyIsoCode));
    if (!books) {
        session.prompter().inform(books.error(), {}, Prompter::Icon::Warning);
        return;
    }
    MatchStatementWindow window(session, identity, std::move(*statement), std::move(*books),
                                parent);
    window.exec();
}
