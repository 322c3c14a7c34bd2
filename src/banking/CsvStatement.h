#pragma once

#include "banking/Statement.h"
#include "core/Result.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

class Preferences;

// How one bank writes its statements as CSV: set once by the user and remembered under the
// bank's header line, by which its files are known again. Columns count from 0; -1 is none.
struct CsvMapping {
    QChar delimiter = u';';
    int headerRow = 0; // the line of column names; the lines before it are the bank's preamble
    QString dateFormat = QStringLiteral("dd.MM.yyyy"); // as QDate::fromString reads it
    bool decimalComma = true;                          // "1.234,56"; else "1,234.56"
    int date = -1;
    int amount = -1; // signed: negative is a debit
    int credit = -1; // or money in and money out in columns of their own
    int debit = -1;
    int text = -1;
    int reference = -1;
    int counterparty = -1;
    int currency = -1;
    QString defaultCurrency; // when no column gives it

    // A date and an amount, one way or the other.
    bool usable() const;
    QString toJson() const;
    // nullopt for text that is no mapping (a damaged preferences file).
    static std::optional<CsvMapping> fromJson(const QString& json);
    bool operator==(const CsvMapping&) const = default;
};

namespace CsvStatement {

// The lines of the file split into fields: quotes ("a;b", "say ""hi""") and line breaks inside
// quotes as CSV has them. At most `maxRows` rows (-1: all); a quote never closed gives a
// Failure.
Result<QList<QStringList>> rows(const QString& text, QChar delimiter, qsizetype maxRows = -1);
// The delimiter of a header line: whichever of ';', ',' and tab it holds most of.
QChar guessDelimiter(const QString& line);

// The preferences key of the bank whose header line this is.
QString keyOf(const QString& headerLine);
// The mapping remembered for the bank of this file: its header is looked for among the first
// lines, past any preamble.
std::optional<CsvMapping> remembered(const QByteArray& bytes, const Preferences& preferences);
// Remembers `mapping` under the file's line `mapping.headerRow`.
Status remember(const QByteArray& bytes, const CsvMapping& mapping, Preferences& preferences);

// A Failure's message says what is wrong and on which line, to follow "<file> cannot be read: ".
Result<Statement> read(const QByteArray& bytes, const CsvMapping& mapping);

} // namespace CsvStatement
