#pragma once

#include "core/Result.h"

#include <QString>

class Database;

// What an e-invoice needs to know about the seller beyond the printed page: the columns of
// TblUserData that hold an identity's business terms.
struct TradingDetails {
    QString legalName;    // LegalName; the trading name (TextLogo) when none is entered
    QString vatId;        // VatId: "GB123456789", "DE123456789"
    QString taxNumber;    // TaxNumber: the national tax number, where there is no VAT id
    QString street;       // Street
    QString town;         // Town
    QString postCode;     // PostCode
    QString countryCode;  // CountryCode: ISO 3166-1 alpha-2
    QString email;        // Email: the seller's electronic address and contact
    QString phone;        // Phone
    QString contactName;  // ContactName
    QString iban;         // Iban, without blanks
    QString bic;          // Bic
    int paymentDays = 30; // PaymentDays: an invoice is due this many days after its date
    QString tradingName;  // TextLogo, read only: the name the invoice page prints
};

namespace TradingDetailsStore {

// The identity's details; a Failure when it does not exist or cannot be read.
Result<TradingDetails> load(Database& db, int identity);
// Stores every member (texts trimmed, single quotes removed as from all stored text; the VAT
// identifier, IBAN and BIC in their compact forms, BusinessIds::compact*).
Status save(Database& db, int identity, const TradingDetails& details);

} // namespace TradingDetailsStore
