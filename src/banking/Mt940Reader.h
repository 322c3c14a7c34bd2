#pragma once

#include "banking/Statement.h"
#include "core/Result.h"

#include <QByteArray>

// SWIFT MT940 customer statements, as banks export them: with or without the message's blocks
// ({1:..}{2:..}{4: .. -}), one or several statements a file, in UTF-8 or Latin-1. The currency
// is the opening balance's (:60F: or :60M:); each :61: line is an entry and the :86: after it
// its remittance text, whose German sub-fields (?20 to ?29 and ?60 to ?63 the text, ?32 and ?33
// the other party's name) are joined. Reversals (RC, RD) are kept as debits: seen, never paying.
namespace Mt940Reader {

// True when the file starts as MT940 does: a block "{1:" or a field ":20:".
bool looksLike(const QByteArray& bytes);

// A Failure's message says what is wrong in one line, to follow "<file> cannot be read: ".
Result<Statement> read(const QByteArray& bytes);

} // namespace Mt940Reader
