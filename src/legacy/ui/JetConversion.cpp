#include "legacy/ui/JetConversion.h"

#include "core/Database.h"
#include "core/Prompter.h"
#include "legacy/JetFile.h"
#include "legacy/JetImport.h"

#include <QDir>
#include <QProgressDialog>

namespace JetConversion {

namespace {

Outcome run(Prompter& prompter, JetSource& source, const QString& dataFolder)
{
    const QString jetFile = QDir(dataFolder).filePath(Database::kFileName);
    QProgressDialog progress(QStringLiteral("Reading the old database..."),
                             QStringLiteral("Cancel"), 0, 1);
    progress.setObjectName(QStringLiteral("dlgJetConversion"));
    progress.setWindowTitle(kApplicationTitle);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    // Small books convert in a blink: the window only shows when a conversion takes a while.
    progress.setMinimumDuration(400);
    const auto step = [&](const JetImportProgress& at) {
        if (!at.table.isEmpty()) {
            const QString label = QStringLiteral("Reading %1...").arg(at.table);
            if (progress.labelText() != label)
                progress.setLabelText(label);
        }
        progress.setMaximum(int(std::max<qint64>(at.rowsTotal, 1)));
        progress.setValue(int(std::min<qint64>(at.rowsDone, at.rowsTotal)));
        return !progress.wasCanceled();
    };
    const Result<JetImportReport> report = JetImport::convert(source, jetFile, dataFolder, step);
    progress.close();
    if (!report) {
        prompter.inform(kFailed + report.error(), {}, Prompter::Icon::Critical);
        return Outcome::Failed;
    }
    return report->cancelled ? Outcome::Cancelled : Outcome::Converted;
}

} // namespace

Outcome offer(Prompter& prompter, const QString& dataFolder, const QString& reader)
{
    if (!prompter.confirm(kQuestion))
        return Outcome::Declined;
    const QString jetFile = QDir(dataFolder).filePath(Database::kFileName);
    Result<std::unique_ptr<JetSource>> source =
        JetFile::open(jetFile, reader, JetImport::tableNames());
    if (!source) {
        prompter.inform(kFailed + source.error(), {}, Prompter::Icon::Critical);
        return Outcome::Failed;
    }
    return run(prompter, **source, dataFolder);
}

Outcome convert(Prompter& prompter, JetSource& source, const QString& dataFolder)
{
    return run(prompter, source, dataFolder);
}

} // namespace JetConversion
