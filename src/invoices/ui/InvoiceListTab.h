#pragma once

#include "invoices/InvoiceList.h"

#include <QWidget>
#include <optional>

class FlexGrid;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QMenu;
class QRadioButton;
class Session;

// The Find Invoices tab: the current identity's invoices, identity-wide or for one client,
// and the row menu that marks an invoice paid, unpaid or a bad debt, deletes, edits, or hides
// its client from the list.
class InvoiceListTab : public QWidget {
    Q_OBJECT
public:
    explicit InvoiceListTab(Session& session, QWidget* parent = nullptr);

    // Selects "UnPaid" and lists the unpaid invoices, as entering the tab does.
    void showUnpaid();
    void clearList();
    // A new invoice was made for this client. When that was the only change since the company
    // list was filled and the client is listed already, the list is still right and is not read
    // again (a new invoice can only add its client to the clients with invoices).
    void invoiceMade(int clientId);
    FlexGrid* grid() const { return m_grid; }

protected:
    void showEvent(QShowEvent* event) override;

signals:
    // A left click on a row: show this invoice as a page.
    void showInvoiceRequested(int invoiceId);
    // "Edit" from a row's menu.
    void editRequested(int invoiceId);

private:
    // The preference that keeps chkFollowUp's choice.
    static inline const QString kFollowUpKey = QStringLiteral("invoiceListFollowUp");
    QGroupBox* buildViewOptions();
    QGroupBox* buildCompanyOptions();
    void buildMenu();
    void connectControls();
    void onGlobalOption(InvoiceList::Filter filter);
    void onBadDebtBox();
    void onFollowUpBox(bool shown);
    void sendByEmail();
    void remind();
    void onClientChosen();
    void onCompanyOption(InvoiceList::Filter filter);
    void onRowMenu(qint64 key, int row, const QPoint& globalPos);

    void markPaid();
    void markUnpaid();
    void markBadDebt();
    void deleteInvoice();
    void excludeClient();
    void viewDetails();

    void selectGlobal(InvoiceList::Filter filter); // selects the option and runs its list
    InvoiceList::Filter globalFilter() const;
    bool clientChosen() const;
    int chosenClient() const;
    void clientsChanged();
    void refreshClients(); // refills the company list when a change has made it stale
    // Lists the shown invoices again after another seat's change; waits while the row menu
    // is open, whose actions name a row of the list as it is.
    void relistForOthers();
    void reportDatabaseError();
    void reportFailure(const QString& error);
    // Runs a list statement; an empty result is refused with `emptyMessage` (keeping the old
    // list) when one is given. Returns whether the grid was filled.
    bool fill(const InvoiceList::Request& request, const QString& emptyMessage = {});
    InvoiceList::Request request(InvoiceList::Trigger trigger, InvoiceList::Filter filter) const;

    Session& m_session;
    QRadioButton* m_showAll;
    QRadioButton* m_showPaid;
    QRadioButton* m_showUnpaid;
    QButtonGroup* m_globalOptions;
    QCheckBox* m_hideBadDebts;
    QCheckBox* m_followUp; // chkFollowUp: the sent and reminder columns
    QComboBox* m_clients;
    QRadioButton* m_companyAll;
    QRadioButton* m_companyPaid;
    QRadioButton* m_companyUnpaid;
    QButtonGroup* m_companyOptions;
    FlexGrid* m_grid;
    QMenu* m_menu;
    int m_menuInvoice = 0; // the invoice whose row opened the menu
    int m_menuRow = -1;
    QString m_menuContent;            // that row's content, for "View Details"
    bool m_clientsStale = true;       // the company list waits for the tab to be shown
    int m_changesSinceFill = 1;       // changes since the company list was filled (none yet)
    bool m_clientsChosenKept = false; // whether its refill keeps the chosen client
    std::optional<InvoiceList::Request> m_shown; // what the grid lists, while it lists something
    bool m_relistAfterMenu = false;
};
