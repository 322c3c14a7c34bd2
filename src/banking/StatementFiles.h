#pragma once

#include "banking/Statement.h"
#include "core/Result.h"

#include <QByteArray>
#include <QString>

class Preferences;

// Reading a bank statement file whatever its format: ISO 20022 camt.053 (.001.02 to .001.08),
// SWIFT MT940, or CSV read through the column mapping remembered for its bank. Files from
// outside: a damaged, oversized or hostile file gives a Failure with a one-line reason.
namespace StatementFiles {

enum class Format { Camt053, Mt940, Csv };

// A CSV file whose bank has no remembered mapping fails, saying so.
Result<Statement> read(const QString& path, const Preferences& preferences);

} // namespace StatementFiles
