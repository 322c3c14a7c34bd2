#include "legacy/ui/JetConversion.h"

#include "core/Database.h"
#include "core/Prompter.h"
#include "core/ui/LongWork.h"
#include "legacy/JetFile.h"
#include "legacy/JetImport.h"

#include <QDir>

namespace JetConversion {

namespace {

// Reads the Jet file with the reader program when no source is given, then converts it.
Result<JetImportReport> work(WorkProgress& progress, std::shared_ptr<JetSource> source,
                             const QString& dataFolder, const QString& reader)
{
    const QString jetFile = QDir(dataFolder).filePath(Database::kFileName);
    if (!source) {
        JetReaderLimits limits;
        limits.stillWanted = [&progress] { return !progress.cancelled(); };
        Result<std::unique_ptr<JetSource>> opened =
            JetFile::open(jetFile, reader, JetImport::tableNames(), limits);
        if (progress.cancelled())
            return JetImportReport{{}, true};
        if (!opened)
            return Failure{opened.error()};
        source = std::move(*opened);
    }
    QString shown;
    const auto step = [&](const JetImportProgress& at) {
        if (!at.table.isEmpty() && at.table != shown) {
            shown = at.table;
            progress.setLabel(
                QCoreApplication::translate("JetConversion", "Reading %1...").arg(at.table));
        }
        progress.setFraction(at.rowsTotal > 0 ? double(at.rowsDone) / double(at.rowsTotal) : 0);
        return !progress.cancelled();
    };
    return JetImport::convert(*source, jetFile, dataFolder, step);
}

LongWork* start(Prompter& prompter, std::shared_ptr<JetSource> source, const QString& dataFolder,
                const QString& reader, Then then)
{
    LongWork::Options options;
    options.label = QCoreApplication::translate("JetConversion", "Reading the old database...");
    options.title = kApplicationTitle;
    options.objectName = QStringLiteral("dlgJetConversion");
    // Small books convert in a blink: the window only shows when a conversion takes a while.
    options.showAfterMs = 400;
    Prompter* told = &prompter;
    return LongWork::start<Result<JetImportReport>>(
        nullptr, options,
        [source = std::move(source), dataFolder, reader](WorkProgress& progress) {
            return work(progress, source, dataFolder, reader);
        },
        [told, then = std::move(then)](Result<JetImportReport> report) {
            if (!report) {
                told->inform(QCoreApplication::translate("JetConversion", kFailed) + report.error(),
                             {}, Prompter::Icon::Critical);
                return then(Outcome::Failed);
            }
            then(report->cancelled ? Outcome::Cancelled : Outcome::Converted);
        });
}

} // namespace

LongWork* offer(Prompter& prompter, const QString& dataFolder, const QString& reader, Then then)
{
    if (!prompter.confirm(QCoreApplication::translate("JetConversion", kQuestion))) {
        then(Outcome::Declined);
        return nullptr;
    }
    return start(prompter, nullptr, dataFolder, reader, std::move(then));
}

LongWork* convert(Prompter& prompter, std::shared_ptr<JetSource> source, const QString& dataFolder,
                  Then then)
{
    return start(prompter, std::move(source), dataFolder, {}, std::move(then));
}

} // namespace JetConversion
