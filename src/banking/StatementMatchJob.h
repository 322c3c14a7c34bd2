#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>
#include <optional>

class Preferences;

// --match-statement: a statement matched against the books of a data folder, one line per
// entry as StatementMatch::line() writes it. Writes nothing to the books.
namespace StatementMatchJob {

struct Request {
    QString dataFolder;
    QString statementFile;
    std::optional<int> identity; // the lowest-numbered identity when not given
    QString currency;            // ISO 4217 code of the books' money, the locale's
};

Result<QStringList> run(const Request& request, const Preferences& preferences);

} // namespace StatementMatchJob
