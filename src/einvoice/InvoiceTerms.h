#pragma once

#include "clients/BuyerDetails.h"
#include "core/Result.h"
#include "einvoice/EInvoice.h"
#include "identities/TradingDetails.h"
#include "printing/InvoicePage.h"

#include <QLocale>

class Database;

// An invoice of the books as the e-invoice model: what the printed page shows, and the
// business terms the identity and the client hold beside it.
namespace InvoiceTerms {

// Everything the model is made from, read once.
struct Source {
    InvoiceSheet sheet; // the invoice and its client's address and e-mail
    TradingDetails seller;
    BuyerDetails buyer;
    bool vatRegistered = false; // as the identity's layout says, as on the printed page
    double vatRate = 0;         // percent
    QString currency;           // ISO 4217
};

// Reads the identity's and the client's terms for `sheet`, which the identity's layout `record`
// prints. The currency is the one of `locale`, or where the locale names none (the C locale)
// the one of the seller's country.
Result<Source> load(Database& db, const InvoiceSheet& sheet, const LayoutRecord& record,
                    const QLocale& locale);

// The model: one line for the content, the amounts as EInvoiceAmounts decides, delivered on
// the invoice date, due after the identity's payment days. A Failure only for amounts beyond
// what an e-invoice can carry; missing terms are for EInvoiceRules to name.
Result<EInvoice::Invoice> build(const Source& source);

} // namespace InvoiceTerms
