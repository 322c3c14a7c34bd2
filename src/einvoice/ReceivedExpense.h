#pragma once

#include "core/Result.h"
#include "einvoice/EInvoice.h"
#include "expenses/ExpenseStore.h"

#include <QCoreApplication>

class Database;

// A received e-invoice kept as one expense of the current identity: dated on its issue date,
// described as "Harbour Supplies, invoice 4711", its value the total without VAT (BT-109) and
// its VAT the VAT total (BT-110), as stated. A credit note is kept with both amounts negative,
// so that it takes its invoice back out of the expenses.
class ReceivedExpense {
    Q_DECLARE_TR_FUNCTIONS(ReceivedExpense)
public:
    // As long as a Jet text column, the longest description the expense list has ever held.
    static constexpr int kDescriptionLength = 255;

    // The expense's fields (no client reference, no mileage); the description at most
    // kDescriptionLength characters, the seller's name shortened first.
    static ExpenseFields fieldsOf(const EInvoice::Invoice& invoice);

    // True when the identity already has an expense of that date and description: the same
    // supplier invoice added before.
    static Result<bool> alreadyAdded(Database& db, const ExpenseFields& fields, int identity);
};
