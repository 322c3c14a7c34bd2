#include "app/MainWindow.h"
#include "app/QtPrompter.h"
#include "app/SharedBooks.h"
#include "app/WindowMemory.h"
#include "backup/Backup.h"
#include "backup/BookCopy.h"
#include "backup/ServerBackup.h"
#include "banking/StatementMatchJob.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/Database.h"
#include "core/LocaleText.h"
#include "core/Preferences.h"
#include "core/Translations.h"
#include "core/ui/Icons.h"
#include "core/ui/LongWork.h"
#include "core/ui/Session.h"
#include "einvoice/EInvoiceExport.h"
#include "einvoice/EInvoiceReader.h"
#include "invoices/InvoicePdfJob.h"
#include "legacy/JetFile.h"
#include "legacy/JetImport.h"
#include "legacy/ui/JetConversion.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
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

// A failure of several problems: one line each.
int failEach(const QString& message)
{
    for (const QString& line : message.split(u'\n', Qt::SkipEmptyParts))
        fail(line);
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
        for (const char* option :
             {"--invoice-pdf", "--einvoice", "--import-jet", "--backup", "--read-einvoice",
              "--copy-to", "--match-statement", "--help", "-h", "--help-all", "--version", "-v"}) {
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

// The command line: the data folder, and the modes that do one thing and exit.
struct CommandLine {
    QCommandLineOption dataFolder{
        QStringLiteral("data-folder"),
        QCoreApplication::translate("Main",
                                    "Keep the database and layout files in <dir> instead of %1.")
            .arg(QDir::toNativeSeparators(DataFolder::defaultPath())),
        QStringLiteral("dir")};
    QCommandLineOption pdf{QStringLiteral("invoice-pdf"),
                           QCoreApplication::translate(
                               "Main",
                               "Write the invoice numbered <number> as PDF to the --out file and "
                               "exit, without opening a window."),
                           QStringLiteral("number")};
    QCommandLineOption einvoice{
        QStringLiteral("einvoice"),
        QCoreApplication::translate("Main",
                                    "Write the invoice numbered <number> as an e-invoice in the "
                                    "--format given to the --out file and exit, without opening "
                                    "a window."),
        QStringLiteral("number")};
    QCommandLineOption format{QStringLiteral("format"),
                              QCoreApplication::translate(
                                  "Main", "The e-invoice format --einvoice writes: facturx (a PDF "
                                          "with its XML), xrechnung or ubl."),
                              QStringLiteral("format")};
    QCommandLineOption out{
        QStringLiteral("out"),
        QCoreApplication::translate("Main", "The file --invoice-pdf or --einvoice writes."),
        QStringLiteral("file")};
    QCommandLineOption identity{
        QStringLiteral("identity"),
        QCoreApplication::translate("Main",
                                    "The trading identity whose invoice --invoice-pdf or "
                                    "--einvoice writes, or whose unpaid invoices "
                                    "--match-statement matches (default: the lowest-numbered "
                                    "one)."),
        QStringLiteral("n")};
    QCommandLineOption import{
        QStringLiteral("import-jet"),
        QCoreApplication::translate(
            "Main",
            "Convert <file>, the Accounts.mdb of the earlier Windows program, into the data "
            "folder's Accounts.mdb and exit, without opening a window. When <file> is the "
            "folder's own Accounts.mdb, it is kept as Accounts.jet.mdb."),
        QStringLiteral("file")};
    QCommandLineOption backup{QStringLiteral("backup"),
                              QCoreApplication::translate(
                                  "Main",
                                  "Write a backup archive of the data folder's database to <file> "
                                  "(a zip holding Accounts.mdb, as the Back Up button makes) and "
                                  "exit, without opening a window."),
                              QStringLiteral("file")};
    QCommandLineOption readEInvoice{
        QStringLiteral("read-einvoice"),
        QCoreApplication::translate(
            "Main",
            "Read the received e-invoice <file> (Factur-X / ZUGFeRD PDF, XRechnung or other CII "
            "XML, UBL XML), print its seller, number, date, net, VAT and total, one a line, and "
            "exit, without opening a window."),
        QStringLiteral("file")};
    QCommandLineOption database{
        QStringLiteral("database"),
        QCoreApplication::translate(
            "Main", "Use the shared books on the PostgreSQL server at <url> "
                    "(postgresql://user@host:port/dbname?sslmode=...) instead of the data folder's "
                    "database. Billcraft keeps no password: libpq's ~/.pgpass, service file or "
                    "environment give it."),
        QStringLiteral("url")};
    QCommandLineOption copyTo{
        QStringLiteral("copy-to"),
        QCoreApplication::translate(
            "Main",
            "Copy the data folder's books, with its layouts, logos and help, into the empty "
            "server database at <url> and exit, without opening a window."),
        QStringLiteral("url")};
    QCommandLineOption matchStatement{
        QStringLiteral("match-statement"),
        QCoreApplication::translate(
            "Main",
            "Match the credits of the bank statement <file> (camt.053, MT940 or a CSV file of a "
            "bank met before) to the identity's unpaid invoices, print one line per entry "
            "(sure, likely, none, debit or done; the invoice numbers or -; the amount; the date; "
            "the bank reference) and exit, without opening a window or changing the books."),
        QStringLiteral("file")};
    QCommandLineParser parser;

    explicit CommandLine(QCoreApplication& app)
    {
        parser.setApplicationDescription(
            QCoreApplication::translate("Main", "Invoicing for sole traders and small companies."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOptions({dataFolder, pdf, einvoice, format, out, identity, import});
        parser.addOption(backup);
        parser.addOption(readEInvoice);
        parser.addOptions({database, copyTo, matchStatement});
        parser.process(app);
    }

    // The server --database names; nullopt without the option, a Failure for a URL that is
    // not one.
    Result<std::optional<ServerAddress>> server() const
    {
        if (!parser.isSet(database))
            return std::optional<ServerAddress>();
        const Result<ServerAddress> address = ServerAddress::fromUrl(parser.value(database));
        if (!address)
            return Failure{
                QCoreApplication::translate("Main", "--database: %1").arg(address.error())};
        return std::optional<ServerAddress>(*address);
    }

    QString folder() const
    {
        return parser.isSet(dataFolder) ? QDir(parser.value(dataFolder)).absolutePath()
                                        : DataFolder::defaultPath();
    }
};

// The invoice --invoice-pdf or --einvoice names; a Failure is the line to print.
Result<InvoicePdfRequest> invoiceRequest(const CommandLine& line, const QCommandLineOption& mode,
                                         const QString& missingOut)
{
    InvoicePdfRequest request;
    request.dataFolder = line.folder();
    request.invoiceNumber = line.parser.value(mode);
    request.outFile = line.parser.value(line.out);
    if (request.outFile.isEmpty())
        return Failure{missingOut};
    if (line.parser.isSet(line.identity)) {
        bool ok = false;
        request.identity = line.parser.value(line.identity).toInt(&ok);
        if (!ok)
            return Failure{
                QCoreApplication::translate("Main", "--identity needs a number, not \"%1\".")
                    .arg(line.parser.value(line.identity))};
    }
    return request;
}

int writeInvoicePdf(const CommandLine& line)
{
    const Result<InvoicePdfRequest> request = invoiceRequest(
        line, line.pdf,
        QCoreApplication::translate("Main", "--invoice-pdf needs --out FILE, the PDF to write."));
    if (!request)
        return fail(request.error());
    const Status done = InvoicePdfJob::run(*request, LocaleText(QLocale::system()));
    return done ? 0 : fail(done.error());
}

int writeEInvoice(const CommandLine& line)
{
    const Result<InvoicePdfRequest> request = invoiceRequest(
        line, line.einvoice,
        QCoreApplication::translate("Main", "--einvoice needs --out FILE, the file to write."));
    if (!request)
        return fail(request.error());
    const std::optional<EInvoice::Format> format =
        EInvoiceExport::formatNamed(line.parser.value(line.format));
    if (!format)
        return fail(QCoreApplication::translate(
                        "Main", "--einvoice needs --format facturx, xrechnung or ubl, not \"%1\".")
                        .arg(line.parser.value(line.format)));
    const Status done = EInvoiceExport::runJob(*request, *format, LocaleText(QLocale::system()));
    return done ? 0 : fail(done.error());
}

int importJet(const CommandLine& line)
{
    const Result<JetImportReport> report = JetImport::convertFile(
        line.parser.value(line.import), line.folder(), JetFile::installedReader(), {});
    if (!report)
        return fail(report.error());
    for (const JetTableSummary& table : report->tables)
        std::printf("%s\n", qUtf8Printable(table.line()));
    return 0;
}

int writeBackup(const CommandLine& line)
{
    const QString archive = line.parser.value(line.backup);
    // "--backup --data-folder D" takes the next option's name for the archive.
    if (archive.startsWith(QLatin1String("--")))
        return fail(QCoreApplication::translate(
                        "Main",
                        "--backup needs FILE, the archive to write, before any other option; "
                        "\"%1\" is an option (write ./%1 for a file of that name).")
                        .arg(archive));
    const Result<std::optional<ServerAddress>> server = line.server();
    if (!server)
        return fail(server.error());
    const Status done =
        *server ? ServerBackup::runJob(**server, archive) : Backup::runJob(line.folder(), archive);
    return done ? 0 : failEach(done.error());
}

int copyBooks(const CommandLine& line)
{
    const Result<ServerAddress> address = ServerAddress::fromUrl(line.parser.value(line.copyTo));
    if (!address)
        return fail(QCoreApplication::translate("Main", "--copy-to: %1").arg(address.error()));
    QElapsedTimer timer;
    timer.start();
    const Status done = BookCopy::copyToServer(line.folder(), *address);
    if (!done)
        return failEach(done.error());
    std::printf("%s\n", qUtf8Printable(
                            QCoreApplication::translate("Main", "Copied %1 to %2 in %3 s.")
                                .arg(QDir::toNativeSeparators(line.folder()), address->url(),
                                     QString::number(double(timer.elapsed()) / 1000.0, 'f', 1))));
    return 0;
}

int printEInvoice(const CommandLine& line)
{
    const Result<EInvoice::Read> read =
        EInvoiceReader::readFile(line.parser.value(line.readEInvoice));
    if (!read)
        return fail(read.error());
    for (const QString& term : EInvoiceReader::summaryLines(*read))
        std::printf("%s\n", qUtf8Printable(term));
    return 0;
}

int printStatementMatches(const CommandLine& line)
{
    StatementMatchJob::Request request;
    request.dataFolder = line.folder();
    request.statementFile = line.parser.value(line.matchStatement);
    request.currency = QLocale::system().currencySymbol(QLocale::CurrencyIsoCode);
    if (line.parser.isSet(line.identity)) {
        bool ok = false;
        request.identity = line.parser.value(line.identity).toInt(&ok);
        if (!ok)
            return fail(
                QCoreApplication::translate("Main", "--identity needs a number, not \"%1\".")
                    .arg(line.parser.value(line.identity)));
    }
    const Result<QStringList> lines =
        StatementMatchJob::run(request, Preferences(Preferences::defaultFile()));
    if (!lines)
        return fail(lines.error());
    for (const QString& entry : *lines)
        std::printf("%s\n", qUtf8Printable(entry));
    return 0;
}

// What the main window needs, made once the folder's books are known to be ours.
struct Program {
    Database db;
    SystemClock clock;
    std::unique_ptr<Session> session;
    std::unique_ptr<MainWindow> window;

    // The server's books when `server` is given, else the folder's; false when the program is
    // not to start (the user chose to quit, or has been told why it cannot).
    bool open(QtPrompter& prompter, const QString& folder,
              const std::optional<ServerAddress>& server = std::nullopt)
    {
        if (SharedBooks::openAtStart(db, prompter, server, folder) == SharedBooks::Opened::Quit) {
            if (!db.errorString().isEmpty())
                fail(db.errorString());
            return false;
        }
        session = std::make_unique<Session>(db, prompter, clock, LocaleText(QLocale::system()),
                                            folder, Preferences::defaultFile());
        QGuiApplication::setWindowIcon(Icons::application());
        window = std::make_unique<MainWindow>(*session);
        prompter.setFallbackParent(window.get());
        window->startUp(MainWindow::HiddenTabs::BuildAfterFirstPaint);
        window->rememberStateIn(WindowMemory::defaultFile());
        window->show();
        return true;
    }
};

// The folder's scratch files and any conversion cut short are put right before the books are
// looked at. False when the program must not start; the user has been told why.
bool tidyFolder(QtPrompter& prompter, const QString& folder, DataFolder::Hold& hold)
{
    QStringList leftovers;
    hold.whileAlone([&] { leftovers = DataFolder::removeStaleScratchFiles(folder); });
    if (!leftovers.isEmpty())
        prompter.inform(QCoreApplication::translate(
                            "Main",
                            "Billcraft could not remove these files, left behind when it was "
                            "stopped while writing them:\n%1")
                            .arg(leftovers.join(u'\n')),
                        {}, Prompter::Icon::Warning);
    if (const Status recovered = JetImport::recover(folder); !recovered) {
        refuseToStart(prompter, recovered.error());
        return false;
    }
    return true;
}

// The shared books to open: those of `databaseUrl` (--database) for this run, else the ones the
// user last chose; nullopt for the data folder's. False when the program must not start.
bool chooseBooks(QtPrompter& prompter, const QString& databaseUrl,
                 std::optional<ServerAddress>& server)
{
    if (!databaseUrl.isEmpty()) {
        const Result<ServerAddress> named = SharedBooks::fromCommandLine(databaseUrl);
        if (!named) {
            refuseToStart(prompter, named.error());
            return false;
        }
        server = *named;
        return true;
    }
    const Result<std::optional<ServerAddress>> remembered =
        SharedBooks::remembered(Preferences(Preferences::defaultFile()));
    if (!remembered) // the data folder's books open instead
        prompter.inform(remembered.error(), {}, Prompter::Icon::Warning);
    else
        server = *remembered;
    return true;
}

int runWindow(QApplication& app, const QString& folder, const QString& databaseUrl = {})
{
    QtPrompter prompter;
    std::optional<ServerAddress> server;
    if (!chooseBooks(prompter, databaseUrl, server))
        return 1;
    if (const QString problem = DataFolder::prepare(folder); !problem.isEmpty())
        return refuseToStart(prompter, problem);
    // Held for the window's whole life, so that another Billcraft does not take this one's
    // scratch files for leftovers; those of a Billcraft that was killed go now.
    const Result<std::unique_ptr<DataFolder::Hold>> hold = DataFolder::Hold::take(folder);
    if (!hold)
        return refuseToStart(prompter, hold.error());
    if (!tidyFolder(prompter, folder, **hold))
        return 1;

    Program program;
    if (server || !Database::hasJetSignature(QDir(folder).filePath(Database::kFileName)))
        return program.open(prompter, folder, server) ? app.exec() : 1;

    // An earlier installation's books are converted before anything opens them. The reader
    // and the conversion run on a worker while the event loop shows their progress; start-up
    // goes on when they are done. No window is open meanwhile, so closing the progress window
    // must not end the program.
    app.setQuitOnLastWindowClosed(false);
    std::optional<int> early;
    const auto then = [&](JetConversion::Outcome outcome) {
        app.setQuitOnLastWindowClosed(true);
        if (outcome == JetConversion::Outcome::Converted && program.open(prompter, folder))
            return;
        early = outcome == JetConversion::Outcome::Converted ||
                        outcome == JetConversion::Outcome::Failed
                    ? 1
                    : 0;
        QCoreApplication::exit(*early);
    };
    if (!JetConversion::offer(prompter, folder, JetFile::installedReader(), then))
        return early.value_or(0); // declined: nothing to wait for
    return app.exec();
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
    // The language the user chose in the window, else the desktop's, where there is a catalogue.
    Translations::install(
        *app, Translations::locale(
                  Preferences(Preferences::defaultFile()).value(Translations::kPreference)));
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(BILLCRAFT_APP_ID));

    const CommandLine line(*app);
    if (line.parser.isSet(line.pdf))
        return writeInvoicePdf(line);
    if (line.parser.isSet(line.einvoice))
        return writeEInvoice(line);
    if (line.parser.isSet(line.import))
        return importJet(line);
    if (line.parser.isSet(line.backup))
        return writeBackup(line);
    if (line.parser.isSet(line.readEInvoice))
        return printEInvoice(line);
    if (line.parser.isSet(line.copyTo))
        return copyBooks(line);
    if (line.parser.isSet(line.matchStatement))
        return printStatementMatches(line);
    return runWindow(static_cast<QApplication&>(*app), line.folder(),
                     line.parser.isSet(line.database) ? line.parser.value(line.database)
                                                      : QString());
}
