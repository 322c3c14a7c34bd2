#pragma once

#include "invoices/InvoiceStore.h"

#include <QFrame>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class Session;

// FrameMakeInvoice, the page of the "Make Invoice" tab: one client, a free-text content, the net
// value, the VAT and the total. It creates the next numbered invoice of the current identity,
// or saves an invoice the list has handed over for editing.
//
// Two modes: new ("Make Invoice" shown) and edit ("Save" shown, the invoice's id kept in
// m_editInvoiceId). reset() returns to new mode; the main window calls it on every tab change.
class MakeInvoiceTab : public QFrame {
    Q_OBJECT
public:
    explicit MakeInvoiceTab(Session& session, QWidget* parent = nullptr);

    // Back to an empty entry in new mode, with the client list filled afresh.
    void reset();
    // Loads an invoice into the entry and switches to edit mode. VAT and total are worked out
    // again from the value with the current "Add VAT" box and rate, not read from the row.
    void editInvoice(int invoiceId);
    // Sets the "Add VAT" box as the identity's settings say, without asking anything.
    void setVatTicked(bool ticked);

    // RecalculateTotals: the VAT and total fields from the value field.
    void recalculateTotals();

    std::optional<int> invoiceUnderEdit() const { return m_editInvoiceId; }

signals:
    // A new invoice was made for this client; invoiceSaved follows.
    void invoiceMade(int invoiceId, int clientId);
    // An invoice was created or an edited one saved; the list should show the unpaid invoices.
    void invoiceSaved(int invoiceId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void arrangeControls();
    void fillClients();
    void onClientChosen(int index);
    void onVatClicked();
    void onMakeInvoice();
    void onSaveInvoice();
    void followPageSettings();
    bool clientChosen() const;
    bool saveVatDefault(bool registered);
    InvoiceFields enteredFields(int clientId) const;
    // madeForClient: the client of a new invoice; none for an edited one.
    void finishSaving(int invoiceId, std::optional<int> madeForClient = std::nullopt);

    Session& m_session;
    std::optional<int> m_editInvoiceId; // the tag of lblClientID2: the invoice under edit
    bool m_clientsStale = false;        // the client list waits for the entry to be shown

    QLabel* m_clientSelectLabel = nullptr;
    QComboBox* m_clients = nullptr;
    QLabel* m_clientId = nullptr;
    QLabel* m_contentLabel = nullptr;
    QPlainTextEdit* m_content = nullptr;
    QLabel* m_valueLabel = nullptr;
    QLineEdit* m_value = nullptr;
    QCheckBox* m_addVat = nullptr;
    QLineEdit* m_vat = nullptr;
    QLabel* m_totalLabel = nullptr;
    QLineEdit* m_total = nullptr;
    QCheckBox* m_cis = nullptr;
    QPushButton* m_make = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
};
