#pragma once

#include "einvoice/EInvoice.h"

#include <QDialog>
#include <optional>

class QTextBrowser;
class Session;

// A received e-invoice shown as a readable page (frmReceivedInvoice), with "Add as expense",
// which keeps it as one expense of the current identity, and "Close".
class ReceivedInvoiceWindow : public QDialog {
    Q_OBJECT
public:
    ReceivedInvoiceWindow(Session& session, EInvoice::Read read, QWidget* parent = nullptr);

    // Asks for an e-invoice file and reads it. nullopt when the user cancels, or when the file
    // cannot be read: the user has been told why.
    static std::optional<EInvoice::Read> chooseAndRead(Session& session);

    QTextBrowser* page() const { return m_page; }

signals:
    // An expense was stored; the expense list should be read again.
    void added();

private:
    void addAsExpense();

    Session& m_session;
    EInvoice::Read m_read;
    QTextBrowser* m_page;
};
