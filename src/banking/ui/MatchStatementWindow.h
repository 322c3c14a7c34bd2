#pragma once

#include "banking/StatementMatch.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QTableWidget;
class Session;

// The review of a bank statement matched to the current identity's unpaid invoices
// (frmMatchStatement): one row per entry with its proposal, a check box on each credit that
// can pay (sure and likely ones come checked), another invoice picked for the current row, and
// "Mark accepted paid", which marks the checked ones paid at once and closes.
class MatchStatementWindow : public QDialog {
    Q_OBJECT
public:
    enum Column { Accept, Date, Amount, Payer, Remittance, Proposed, Invoice, Note, Columns };

    MatchStatementWindow(Session& session, int identity, Statement statement,
                         StatementMatch::Books books, QWidget* parent = nullptr);

    // Asks for a statement file and reviews it against the current identity's unpaid invoices;
    // every failure is told through the Prompter.
    static void matchStatement(Session& session, QWidget* parent);

    QTableWidget* grid() const { return m_grid; }

private:
    void fill();
    void showRow(int row);
    // The chosen row's invoice as the combo shows it.
    void onCurrentRow();
    void onInvoicePicked(int index);
    // Gives row `row` the invoices at `invoices` (positions in the books); another row holding
    // one of them loses it.
    void choose(int row, const QList<int>& invoices);
    bool canPay(int row) const;
    void markPaid();

    Session& m_session;
    int m_identity;
    Statement m_statement;
    StatementMatch::Books m_books;
    QList<StatementMatch::Match> m_matches;
    QList<QList<int>> m_chosen; // per entry, the invoices it is to pay
    QTableWidget* m_grid;
    QComboBox* m_invoice;
    QLabel* m_invoiceLabel;
    bool m_filling = false;
};
