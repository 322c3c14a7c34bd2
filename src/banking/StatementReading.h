#pragma once

#include "banking/Statement.h"

#include <QByteArray>
#include <QHash>
#include <QString>

// What the statement readers share: how much they read, the text of files that may be UTF-8 or
// Latin-1, and the references made for entries whose bank gives none.
namespace StatementReading {

// A year of daily statements of a busy account is a few MB; more is no statement.
inline constexpr qsizetype kMaxBytes = 20 * 1024 * 1024;
inline constexpr qsizetype kMaxEntries = 100'000;

// The size check every reader makes first; empty when the bytes may be read.
QString tooLarge(qsizetype size);
// The message for a statement with more than kMaxEntries entries.
QString tooManyEntries();

// UTF-8 when the bytes are valid UTF-8 (a byte order mark dropped), else Latin-1, which every
// byte is.
QString decoded(const QByteArray& bytes);

// Gives entries without a bank reference one made from their own fields: the booking date, the
// direction, the amount, the counterparty and the text, and the entry's ordinal among the
// identical entries before it, so that the same file read twice gives the same references and
// two identical lines of one file still differ.
class MadeReferences {
public:
    QString next(const StatementEntry& entry);

private:
    QHash<QString, int> m_seen;
};

} // namespace StatementReading
