#pragma once

#include "clients/ClientStore.h"

#include <QFrame>
#include <array>

class LazyClientList;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QGridLayout;
class Session;

// FrameClients, the page of the "Clients" tab: the address book of the current identity.
// The user picks a client from cmbSelectClient or by typing its first letters, browses with
// "<<" and ">>", finds one by the start of its company name (in any identity), edits and
// saves it, adds clients and deletes a client together with its invoices. "E-invoice
// details..." edits the loaded client's terms as a buyer on e-invoices.
//
// Two modes, switched by showing and hiding buttons: browsing (at start) and adding, where
// only the fields, cmdSaveNew and cmdCancelAdd are offered. A client is loaded while
// lblClientID shows its ClientID.
class ClientsTab : public QFrame {
    Q_OBJECT
public:
    explicit ClientsTab(Session& session, QWidget* parent = nullptr);

    // Empties every field, the notes and lblClientID; the drop-down is left as it is.
    void clearForm();
    // cmbSelectClient is to show the current identity's clients afresh, none chosen; it reads
    // them when it is next used.
    void refillDropDown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kFieldCount = 15;

    void buildControls();
    void addFields(QGridLayout* grid);
    void addButtons(QGridLayout* grid, int row);
    void setAddingMode(bool adding);
    void showSaveButton();
    // 0 when no client is loaded.
    int loadedClientId() const;
    // Loads the client into the form; false when it is gone or could not be read (then said).
    bool loadClient(int clientId);
    void showClient(const Client& client);
    Client formClient() const;
    // `what` failed, then the database's reason on the next line.
    void showDatabaseError(const QString& what, const QString& reason);

    void onClientChosen();
    void onTypedClient(int clientId);
    void onCompanyPressed();
    void onAddNew();
    void onSaveNew();
    void onCancelAdd();
    void onSave();
    void onFind();
    void onMove(int step);
    void onDelete();
    void onEInvoiceDetails();
    // "E-invoice details..." serves the loaded client, so it is usable only while one is.
    void enableClientButtons();

    Session& m_session;
    ClientStore m_store;

    LazyClientList* m_clients = nullptr;
    QLabel* m_clientId = nullptr;
    std::array<QLineEdit*, kFieldCount> m_fields{};
    QLineEdit* m_company = nullptr;
    QPlainTextEdit* m_notes = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_find = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_addNew = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_saveNew = nullptr;
    QPushButton* m_cancelAdd = nullptr;
    QPushButton* m_eInvoiceDetails = nullptr;
};
