#include "einvoice/ReceivedExpense.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/StoredText.h"
#include "einvoice/EInvoiceReader.h"

namespace {

// A credit note states positive amounts; kept negated, it reduces the expenses. Amounts read
// from a file are far inside the count's range, so negating one always fits.
Money signedFor(const EInvoice::Invoice& invoice, Money amount)
{
    return EInvoiceReader::isCreditNote(invoice.typeCode) ? amount.negated().value_or(amount)
                                                          : amount;
}

} // namespace

ExpenseFields ReceivedExpense::fieldsOf(const EInvoice::Invoice& invoice)
{
    const bool credit = EInvoiceReader::isCreditNote(invoice.typeCode);
    // Stored as every text is, without single quotes: the length is that of the stored text.
    const QString number = withoutSingleQuotes(invoice.number.simplified());
    const QString form = credit ? tr("%1, credit note %2") : tr("%1, invoice %2");
    const qsizetype room =
        std::max<qsizetype>(0, kDescriptionLength - (form.size() - 4) - number.size());
    const QString seller = withoutSingleQuotes(invoice.seller.name.simplified()).left(room);

    ExpenseFields fields;
    fields.date = invoice.issueDate;
    fields.description = form.arg(seller, number).left(kDescriptionLength);
    fields.value = signedFor(invoice, invoice.taxBasis);
    fields.vat = signedFor(invoice, invoice.taxTotal);
    return fields;
}

Result<bool> ReceivedExpense::alreadyAdded(Database& db, const ExpenseFields& fields, int identity)
{
    const double day = DaySerial::fromDate(fields.date);
    return db.exists(QStringLiteral("SELECT 1 FROM TblExpenses WHERE Identity = ? AND "
                                    "\"Date\" >= ? AND \"Date\" < ? AND Description = ?"),
                     {identity, day, day + 1, withoutSingleQuotes(fields.description)});
}
