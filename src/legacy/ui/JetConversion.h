#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <memory>

class JetSource;
class LongWork;
class Prompter;

// The start-up offer to convert an earlier installation's Jet Accounts.mdb.
namespace JetConversion {

enum class Outcome {
    Converted, // the folder's Accounts.mdb is now a Billcraft database
    Declined,  // the user said No; nothing changed
    Cancelled, // the user cancelled the progress; nothing changed
    Failed,    // the user has been told why; nothing changed
};
using Then = std::function<void(Outcome)>;

inline const char* const kQuestion = QT_TRANSLATE_NOOP(
    "JetConversion",
    "This data folder holds a database from the earlier Windows program. Convert it to "
    "Billcraft's format? The original is kept as Accounts.jet.mdb.");

// The start of what the user is told when the conversion fails; the reason follows.
inline const char* const kFailed =
    QT_TRANSLATE_NOOP("JetConversion", "The database could not be converted, and the data "
                                       "folder has been left as it was.\n");

// Asks kQuestion about dataFolder/Accounts.mdb. On No, hands Declined to `then` at once and
// returns nullptr. On Yes, starts the work on a worker thread and returns at once: the reader
// program `reader` (JetFile) reads the file and the tables are converted, while a progress
// window names the step reached and offers Cancel; `then` gets the outcome on the UI thread,
// after any failure has been told.
LongWork* offer(Prompter& prompter, const QString& dataFolder, const QString& reader, Then then);
// The conversion itself, from any source (tests hand in their own).
LongWork* convert(Prompter& prompter, std::shared_ptr<JetSource> source, const QString& dataFolder,
                  Then then);

} // namespace JetConversion
