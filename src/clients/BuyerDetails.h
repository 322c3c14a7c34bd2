#pragma once

#include "core/Result.h"

#include <QString>

class Database;

// What an e-invoice needs to know about the buyer beyond the address: the columns of
// TblClients that hold a client's business terms.
struct BuyerDetails {
    QString countryCode;     // CountryCode: ISO 3166-1 alpha-2
    QString vatId;           // VatId
    QString eInvoiceAddress; // EInvoiceAddress; the client's e-mail when none is entered
    QString buyerReference;  // BuyerReference: the Leitweg-ID a German public body gives
};

namespace BuyerDetailsStore {

// The client's details; a Failure when the client does not exist or cannot be read.
Result<BuyerDetails> load(Database& db, int clientId);
// Stores every member (texts trimmed, single quotes removed as from all stored text; the VAT
// identifier in its compact form, BusinessIds::compactVatId).
Status save(Database& db, int clientId, const BuyerDetails& details);

} // namespace BuyerDetailsStore
