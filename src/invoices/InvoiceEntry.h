#pragma once

#include "core/Money.h"

#include <QString>
#include <optional>

// The arithmetic and the checks of the Make Invoice tab, on the texts of its fields, so that
// they can be tried without any window.
namespace InvoiceEntry {

// The three amount fields of the entry, as text.
struct Amounts {
    QString value;
    QString vat;
    QString total;
};

// An identity's VAT rate (a percentage such as 17.5) as an exact amount, to 4 decimal places;
// nullopt for a rate that is not a finite number or too large to hold.
std::optional<Money> ratePercent(double percent);

// RecalculateTotals. A value that is not a number (empty included) becomes "0". The VAT is the
// value x rate rounded half to even to whole pence when addVat is set, else "0"; the total is
// value + VAT rounded to pence. Amounts are written as their shortest text: 17.5, 117.5, 100.
// A VAT typed by hand never survives: it is always worked out again from the value.
// A value whose VAT or total cannot be worked out (beyond what Money holds, or VAT to add
// without a usable rate) is treated like one that is not a number: all three fields read "0",
// so no invoice can be made with amounts that do not add up.
Amounts recalculate(const QString& valueText, bool addVat, std::optional<Money> ratePercent);

// A caption or tag that names a row: ASCII digits only, at least one.
bool isWholeNumber(const QString& text);

// The lines that stop "Make Invoice" once a client is chosen, each a line break followed by the
// text; empty when the entry may be made.
QString makeInvoiceProblems(const QString& content, const QString& value);

// The lines that stop "Save" of an edited invoice, in the order they are shown; empty when it
// may be saved. clientIdText is the caption of lblClientID2, invoiceIdText the id under edit.
QString saveProblems(const QString& clientIdText, const QString& invoiceIdText,
                     const QString& content, const QString& value);

} // namespace InvoiceEntry
