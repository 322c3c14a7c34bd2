#include "app/MainWindow.h"
#include "app/QtPrompter.h"
#include "app/WindowMemory.h"
#include "backup/Backup.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/Database.h"
#include "core/LocaleText.h"
#include "core/ui/Icons.h"
#include "core/ui/Session.h"
#include "invoices/InvoicePdfJob.h"
#include "legacy/JetFile.h"
#include "legacy/JetImport.h"
#include "legacy/ui/JetConversion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

int fail(const QString& message)
{
    std::fprintf(stderr, "Billcraft: %s\n", qUtf8Printable(message));
    return 1;
}

int refuseToStart(Prompter& prompter, const QString& message)
{
    fail(message);
    prompter.inform(message, {}, Prompter::Icon::Critical);
    return 1;
}

// Modes that open no window are known before the application object exists, so that they can
// choose the offscreen platform and run without a display (cron, SSH). Asking for help or the
// version opens none either.
bool opensNoWindow(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--invoice-pdf", "--import-jet", "--backup", "--help", "-h",
                                   "--help-all", "--version", "-v"}) {
            const size_t n = std::strlen(option);
            if (std::strncmp(argv[i], option, n) == 0 && (argv[i][n] == 0 || argv[i][n] == '='))
                return true;
        }
    }
    return false;
}

// A mode without a window answers with its exit code and at most one line of its own; Qt's
// warnings (no XDG_RUNTIME_DIR under cron, a font fallback) would only muddle that line.
void onlyCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
}

} // namespace

int main(int argc, char* argv[])
{
    std::unique_ptr<QGuiApplication> app;
    if (opensNoWindow(argc, argv)) {
        qInstallMessageHandler(onlyCriticalMessages);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QApplication>(argc, argv);
    }
    QCoreApplication::setApplicationName(QStringLiteral("Billcraft"));
    QCoreApplication::setApplicationVersion(QStringLiteral(BILLCRAFT_VERSION));
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BILLCRAFT_APP_ID));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Invoicing for sole traders and small companies."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataFolderOption(
        QStringLiteral("data-folder"),
        QStringLiteral("Keep the database and layout files in <dir> instead of %1.")
            .arg(QDir::toNativeSeparators(DataFolder::defaultPath())),
        QStringLiteral("dir"));
    const QCommandLineOption pdfOption(
        QStringLiteral("invoice-pdf"),
        QStringLiteral("Write the invoice numbered <number> as PDF to the --out file and exit, "
                       "without opening a window."),
        QStringLiteral("number"));
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("The PDF file --invoice-pdf writes."),
                                       QStringLiteral("file"));
    const QCommandLineOption identityOption(
        QStringLiteral("identity"),
        QStringLiteral("The trading identity whose invoice --invoice-pdf writes (default: the "
                       "lowest-numbered one)."),
        QStringLiteral("n"));
    const QCommandLineOption importOption(
        QStringLiteral("import-jet"),
        QStringLiteral("Convert <file>, the Accounts.mdb of the earlier Windows program, into "
                       "the data folder's Accounts.mdb and exit, without opening a window. When "
                       "<file> is the folder's own Accounts.mdb, it is kept as Accounts.jet.mdb."),
        QStringLiteral("file"));
    const QCommandLineOption backupOption(
        QStringLiteral("backup"),
        QStringLiteral("Write a backup archive of the data folder's database to <file> (a zip "
                       "holding Accounts.mdb, as the Back Up button makes) and exit, without "
                       "opening a window."),
        QStringLiteral("file"));
    parser.addOptions({dataFolderOption, pdfOption, outOption, identityOption, importOption});
    parser.addOption(backupOption);
    parser.process(*app);

    const QString folder = parser.isSet(dataFolderOption)
                               ? QDir(parser.value(dataFolderOption)).absolutePath()
                               : DataFolder::defaultPath();
    if (parser.isSet(pdfOption)) {
        InvoicePdfRequest request;
        request.dataFolder = folder;
        request.invoiceNumber = parser.value(pdfOption);
        request.outFile = parser.value(outOption);
        if (request.outFile.isEmpty())
            return fail(QStringLiteral("--invoice-pdf needs --out FILE, the PDF to write."));
        if (parser.isSet(identityOption)) {
            bool ok = false;
            request.identity = parser.value(identityOption).toInt(&ok);
            if (!ok)
                return fail(QStringLiteral("--identity needs a number, not \"%1\".")
                                .arg(parser.value(identityOption)));
        }
        const Status done = InvoicePdfJob::run(request, LocaleText(QLocale::system()));
        return done ? 0 : fail(done.error());
    }

    if (parser.isSet(importOption)) {
        const Result<JetImportReport> report = JetImport::convertFile(
            parser.value(importOption), folder, JetFile::installedReader(), {});
        if (!report)
            return fail(report.error());
        for (const JetTableSummary& table : report->tables)
            std::printf("%s\n", qUtf8Printable(table.line()));
        return 0;
    }

    if (parser.isSet(backupOption)) {
        // "--backup --data-folder D" takes the next option's name for the archive.
        if (parser.value(backupOption).startsWith(QLatin1String("--")))
            return fail(QStringLiteral("--backup needs FILE, the archive to write, before any "
                                       "other option; \"%1\" is an option (write ./%1 for a "
                                       "file of that name).")
                            .arg(parser.value(backupOption)));
        const Status done = Backup::runJob(folder, parser.value(backupOption));
        return done ? 0 : fail(done.error());
    }

    QtPrompter prompter;
    if (const QString problem = DataFolder::prepare(folder); !problem.isEmpty())
        return refuseToStart(prompter, problem);
    // Held for the window's whole life, so that another Billcraft does not take this one's
    // scratch files for leftovers; those of a Billcraft that was killed go now.
    const Result<std::unique_ptr<DataFolder::Hold>> hold = DataFolder::Hold::take(folder);
    if (!hold)
        return refuseToStart(prompter, hold.error());
    QStringList leftovers;
    (*hold)->whileAlone([&] { leftovers = DataFolder::removeStaleScratchFiles(folder); });
    if (!leftovers.isEmpty())
        prompter.inform(QStringLiteral("Billcraft could not remove these files, left behind when "
                                       "it was stopped while writing them:\n%1")
                            .arg(leftovers.join(u'\n')),
                        {}, Prompter::Icon::Warning);

    // A conversion cut short (a crash, a power cut) is put right before the books are looked
    // at, and an earlier installation's books are converted before anything opens them.
    if (const Status recovered = JetImport::recover(folder); !recovered)
        return refuseToStart(prompter, recovered.error());
    if (Database::hasJetSignature(QDir(folder).filePath(Database::kFileName))) {
        switch (JetConversion::offer(prompter, folder, JetFile::installedReader())) {
        case JetConversion::Outcome::Converted:
            break;
        case JetConversion::Outcome::Failed:
            return 1;
        case JetConversion::Outcome::Declined:
        case JetConversion::Outcome::Cancelled:
            return 0;
        }
    }

    Database db;
    if (!db.open(QDir(folder).filePath(Database::kFileName)))
        return refuseToStart(prompter, db.errorString());

    SystemClock clock;
    Session session(db, prompter, clock, LocaleText(QLocale::system()), folder);
    QGuiApplication::setWindowIcon(Icons::application());
    MainWindow window(session);
    prompter.setFallbackParent(&window);
    window.startUp(MainWindow::HiddenTabs::BuildAfterFirstPaint);
    window.rememberStateIn(WindowMemory::defaultFile());
    window.show();
    return app->exec();
}
