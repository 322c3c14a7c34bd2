#pragma once

#include "clients/BuyerDetails.h"

#include <QDialog>

struct Client;
class CountryCombo;
class QLineEdit;
class Session;

// frmBuyerDetails, "E-invoice details": what e-invoices to a client say about the buyer beyond
// the address: country code, VAT number, electronic address and the buyer reference a public
// body gives (the German Leitweg-ID). A client without a country code is offered the one its
// Country text names. Save checks the filled fields and names each fault at once; stored
// details close the window, a store failure is shown and the window stays.
class BuyerDetailsDialog : public QDialog {
    Q_OBJECT
public:
    BuyerDetailsDialog(Session& session, const Client& client, const BuyerDetails& details,
                       QWidget* parent = nullptr);

    // Reads the client and its details and opens the window on them, modally; when they cannot
    // be read, says why instead. True when the details were saved.
    static bool edit(Session& session, int clientId, QWidget* parent);

private:
    void buildFields(const Client& client);
    QStringList faults(QWidget** first) const;
    void onSave();

    Session& m_session;
    int m_clientId;
    QString m_email; // the client's e-mail, which an empty e-invoice address stands for
    CountryCombo* m_country = nullptr;
    QLineEdit* m_vatId = nullptr;
    QLineEdit* m_address = nullptr;
    QLineEdit* m_reference = nullptr;
};
