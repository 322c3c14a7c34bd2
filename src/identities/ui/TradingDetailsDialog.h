#pragma once

#include "identities/TradingDetails.h"

#include <QDialog>

class CountryCombo;
class QLineEdit;
class QSpinBox;
class Session;

// frmTradingDetails, "Trading details": what an identity's e-invoices say about the seller
// beyond the printed page (legal name, VAT and tax numbers, address, contact, bank account,
// payment terms). Save checks every filled field and names each fault at once; an empty field
// is no fault here, as only the e-invoice knows which terms it needs. Stored details close the
// window; a store failure is shown and the window stays.
class TradingDetailsDialog : public QDialog {
    Q_OBJECT
public:
    // `tradingName` is the identity's TextLogo, which an empty legal name stands for.
    TradingDetailsDialog(Session& session, int identity, const TradingDetails& details,
                         const QString& tradingName, QWidget* parent = nullptr);

    // Reads the identity's details and opens the window on them, modally; when they cannot be
    // read, says why instead. True when the details were saved.
    static bool edit(Session& session, int identity, QWidget* parent);

private:
    void buildFields(const QString& tradingName);
    void showDetails(const TradingDetails& details);
    TradingDetails entered() const;
    // Every fault of the entered details, one line each, and the first field at fault.
    QStringList faults(QWidget** first) const;
    void onSave();

    Session& m_session;
    int m_identity;
    QString m_tradingName;
    QLineEdit* m_legalName = nullptr;
    QLineEdit* m_vatId = nullptr;
    QLineEdit* m_taxNumber = nullptr;
    QLineEdit* m_street = nullptr;
    QLineEdit* m_town = nullptr;
    QLineEdit* m_postCode = nullptr;
    CountryCombo* m_country = nullptr;
    QLineEdit* m_email = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_contactName = nullptr;
    QLineEdit* m_iban = nullptr;
    QLineEdit* m_bic = nullptr;
    QSpinBox* m_paymentDays = nullptr;
};
