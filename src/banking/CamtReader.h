#pragma once

#include "banking/Statement.h"
#include "core/Result.h"

#include <QByteArray>

// ISO 20022 camt.053 bank-to-customer statements, versions .001.02 to .001.08. Every statement
// of the document goes into one Statement (the account and currency of the first). An entry
// carrying a batch of transactions gives one entry per transaction, with its own amount. Entries
// not yet booked (status other than BOOK) are left out: the bank reports them again once booked.
// Reversals are kept as debits, so that they are seen but never pay an invoice.
namespace CamtReader {

// True when the bytes look like camt.053 XML (a Document root naming a camt.053 namespace near
// the start); read() still checks the whole.
bool looksLike(const QByteArray& bytes);

// A Failure's message says what is wrong in one line, starting in lower case, to follow
// "<file> cannot be read: ".
Result<Statement> read(const QByteArray& bytes);

} // namespace CamtReader
