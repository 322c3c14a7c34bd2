#pragma once

#include "banking/CsvStatement.h"
#include "banking/Statement.h"
#include "core/Result.h"

#include <QByteArray>
#include <QString>

class Preferences;

// Reading a bank statement file whatever its format: ISO 20022 camt.053 (.001.02 to .001.08),
// SWIFT MT940, or CSV read through the column mapping remembered for its bank. Files from
// outside: a damaged, oversized or hostile file gives a Failure with a one-line reason naming
// the file.
namespace StatementFiles {

enum class Format { Camt053, Mt940, Csv };

// A CSV file whose bank has no remembered mapping fails, saying so.
Result<Statement> read(const QString& path, const Preferences& preferences);

// The steps of read(), for the window that asks a new bank's columns in between.
// The file's bytes, refused when larger than a statement is.
Result<QByteArray> load(const QString& path);
// XML is taken for camt.053, a start of ":20:" or "{1:" for MT940, anything else for CSV.
Format formatOf(const QByteArray& bytes);
// read() on the bytes load() gave.
Result<Statement> read(const QString& path, const QByteArray& bytes,
                       const Preferences& preferences);
// Reads `bytes` of the file `path` (named in messages) as `mapping` says.
Result<Statement> readCsv(const QString& path, const QByteArray& bytes, const CsvMapping& mapping);

} // namespace StatementFiles
