#pragma once

#include "einvoice/EInvoice.h"

#include <QCoreApplication>
#include <QString>

class LocaleText;

// A received e-invoice as a page a person reads (the receiver must be able to): seller and
// buyer, number and dates, lines, VAT breakdown, totals, payment details and notes, as HTML for
// a QTextBrowser or a printer. Amounts and dates are in the user's locale, amounts with the
// invoice's currency code; every text from the file is escaped, since it comes from strangers.
class EInvoiceHtml {
    Q_DECLARE_TR_FUNCTIONS(EInvoiceHtml)
public:
    static QString page(const EInvoice::Read& read, const LocaleText& locale);
};
