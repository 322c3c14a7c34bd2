#pragma once

#include <QString>

class JetSource;
class Prompter;

// The start-up offer to convert an earlier installation's Jet Accounts.mdb.
namespace JetConversion {

enum class Outcome {
    Converted, // the folder's Accounts.mdb is now a Billcraft database
    Declined,  // the user said No; nothing changed
    Cancelled, // the user cancelled the progress; nothing changed
    Failed,    // the user has been told why; nothing changed
};

inline const QString kQuestion = QStringLiteral(
    "This data folder holds a database from the earlier Windows program. Convert it to "
    "Billcraft's format? The original is kept as Accounts.jet.mdb.");

// The start of what the user is told when the conversion fails; the reason follows.
inline const QString kFailed = QStringLiteral("The database could not be converted, and the data "
                                              "folder has been left as it was.\n");

// Asks kQuestion about dataFolder/Accounts.mdb and, on Yes, reads it with the reader program
// `reader` (JetFile) and converts it while a progress window names the table being copied and
// offers Cancel.
Outcome offer(Prompter& prompter, const QString& dataFolder, const QString& reader);
// The conversion itself, from any source (tests hand in their own).
Outcome convert(Prompter& prompter, JetSource& source, const QString& dataFolder);

} // namespace JetConversion
