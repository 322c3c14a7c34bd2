// Billcraft at a million invoices: start-up, every view of the invoice list, and a "Make
// Invoice" click, on books written by BookMaker (as make_books writes them), in an SQLite file
// or on a PostgreSQL server (--engine=postgresql [--server=URL]: BenchEngine.h). Run a Release
// build:
//   bench_books --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// BILLCRAFT_BENCH_INVOICES sets the size of the large books (1,000,000 unless given). On SQLite
// the goal figures are CPU times: the fsync of a commit shows in the real time only. On a server
// the statements' work is the server's, so the real time counts, and server_cpu_ms gives the
// server's CPU time. BM_FirstPaint times start-up from outside: this program started again with
// --first-paint bare|billcraft FOLDER [URL]. scripts/bench-server runs both engines and prints
// their figures side by side (bench/README.md).

#include "BenchEngine.h"
#include "BookMaker.h"
#include "BooksCache.h"
#include "ServerCpu.h"
#include "app/MainWindow.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/GridData.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/Session.h"
#include "invoices/InvoiceList.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#endif
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <optional>

namespace {

const QDate kToday(2026, 12, 3);

qint64 largeBooks()
{
    bool ok = false;
    const qint64 n = qEnvironmentVariableIntValue("BILLCRAFT_BENCH_INVOICES", &ok);
    return ok && n >= 0 ? n : 1000000;
}

// BILLCRAFT_BENCH_BOOKS names a folder whose books make_books wrote: the large books in SQLite
// are those, not written afresh (under callgrind, writing a million invoices takes longer than
// the rest). "Make Invoice" adds to them. On a server it is only the data folder: the books are
// the server's, written by the first run and kept.
QString givenFolder(qint64 invoices)
{
    return invoices == largeBooks() ? qEnvironmentVariable("BILLCRAFT_BENCH_BOOKS") : QString();
}

// A data folder with its books, and a session over them like the program's own.
struct Books {
    QTemporaryDir dir;
    BenchEngine::Place place;
    Database db;
    ScriptedPrompter prompter;
    FixedClock clock{kToday};
    std::unique_ptr<Session> session;

    explicit Books(qint64 invoices)
    {
        QString folder = givenFolder(invoices);
        if (!dir.isValid())
            qFatal("no temporary folder for the bench books");
        const Result<BenchEngine::Place> where = BenchEngine::place(
            folder.isEmpty() ? dir.path() : folder, QStringLiteral("books_%1").arg(invoices));
        if (!where)
            qFatal("no place for the bench books: %s", qPrintable(where.error()));
        place = *where;
        BookMaker::openAndMake(db, place, invoices, kToday);
        openSession();
    }
    // After a benchmark that wanted the books to itself.
    void reopen()
    {
        if (!place.open(db))
            qFatal("cannot reopen the bench books: %s", qPrintable(db.errorString()));
        openSession();
    }
    void openSession()
    {
        session = std::make_unique<Session>(
            db, prompter, clock, LocaleText(QLocale(QLocale::English, QLocale::UnitedKingdom)),
            place.folder);
    }
};

Books& books(qint64 invoices)
{
    return BooksCache<Books, qint64>::get(invoices);
}

void paint(QWidget& window)
{
    window.show();
    QCoreApplication::processEvents(); // the expose and the first paint
}

// A start that showed a message (a read that failed) is not the start users have: the counter
// "messages", per iteration, says so beside the figures.
void countMessages(benchmark::State& state, qsizetype shown)
{
    if (shown > 0)
        state.counters["messages"] =
            benchmark::Counter(double(shown), benchmark::Counter::kAvgIterations);
}

// Start-up as main() does it after the data folder: open the database (on a server: connect,
// check the schema under its lock, listen for other seats), build the main window, run the
// start-up sequence and paint the window.
void BM_StartUp(benchmark::State& state)
{
    Books& b = books(state.range(0));
    b.db.close();
    double serverCpu = 0;
    const qsizetype messages = b.prompter.messagesShown().size();
    for (auto _ : state) {
        auto db = std::make_unique<Database>();
        if (!b.place.open(*db))
            state.SkipWithError(qPrintable(db->errorString()));
        auto session = std::make_unique<Session>(
            *db, b.prompter, b.clock, LocaleText(QLocale(QLocale::English, QLocale::UnitedKingdom)),
            b.place.folder);
        auto window = std::make_unique<MainWindow>(*session);
        window->startUp();
        paint(*window);
        state.PauseTiming();
        // Each start has a server process of its own: all its time is this start's.
        serverCpu += BenchEngine::serverCpuSeconds(*db).value_or(0);
        window.reset();
        session.reset();
        db.reset();
        state.ResumeTiming();
    }
    if (b.place.server)
        state.counters["server_cpu_ms"] =
            benchmark::Counter(serverCpu * 1000, benchmark::Counter::kAvgIterations);
    countMessages(state, b.prompter.messagesShown().size() - messages);
    b.reopen();
}

// The floor start-up is judged against: a main window with seven empty tabs, painted.
void BM_BareWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto window = std::make_unique<QMainWindow>();
        auto* tabs = new QTabWidget(window.get());
        for (int i = 0; i < MainWindow::TabCount; ++i)
            tabs->addTab(new QWidget(tabs), QStringLiteral("Tab %1").arg(i));
        window->setCentralWidget(tabs);
        window->resize(900, 640);
        paint(*window);
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}

// Start-up seen from outside: this program started again as a child that builds one window and
// reports, once its first paint is done, the CPU time it has spent. The real time is the
// parent's, from starting the process to that report: loading the libraries and making the
// application are part of it, as they are of every start of the program.
constexpr const char* kFirstPaintFlag = "--first-paint";

[[gnu::noinline]] double processCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Under callgrind the child's instructions are counted up to the moment it reports, as its CPU
// time is: tearing the window down afterwards is not start-up.
void stopCallgrind()
{
#if __has_include(<valgrind/callgrind.h>)
    CALLGRIND_STOP_INSTRUMENTATION;
#endif
}

// The child: "bare" builds the bare seven-tab window, "billcraft" starts the program on the
// books at `place` as main() does. Prints the CPU seconds and the number of messages shown after
// the first paint, then the server's CPU seconds for it on a line of their own (a query, so not
// part of the start), and exits.
int firstPaintChild(QApplication& app, const QString& mode, const BenchEngine::Place& place)
{
    std::unique_ptr<Database> db;
    std::unique_ptr<ScriptedPrompter> prompter;
    std::unique_ptr<FixedClock> clock;
    std::unique_ptr<Session> session;
    std::unique_ptr<QMainWindow> window;
    if (mode == QLatin1String("bare")) {
        window = std::make_unique<QMainWindow>();
        auto* tabs = new QTabWidget(window.get());
        for (int i = 0; i < MainWindow::TabCount; ++i)
            tabs->addTab(new QWidget(tabs), QStringLiteral("Tab %1").arg(i));
        window->setCentralWidget(tabs);
        window->resize(900, 640);
    } else {
        db = std::make_unique<Database>();
        if (!place.open(*db)) {
            std::fprintf(stderr, "%s\n", qPrintable(db->errorString()));
            return 1;
        }
        prompter = std::make_unique<ScriptedPrompter>();
        clock = std::make_unique<FixedClock>(kToday);
        session = std::make_unique<Session>(
            *db, *prompter, *clock, LocaleText(QLocale(QLocale::English, QLocale::UnitedKingdom)),
            place.folder);
        auto main = std::make_unique<MainWindow>(*session);
        main->startUp(MainWindow::HiddenTabs::BuildAfterFirstPaint);
        window = std::move(main);
    }
    // The first paint event starts the window's first repaint; the report waits for its end.
    struct FirstPaint : QObject {
        QWidget* window = nullptr;
        const ScriptedPrompter* prompter = nullptr;
        Database* db = nullptr;
        bool seen = false;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (!seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
                static_cast<QWidget*>(watched)->window() == window) {
                seen = true;
                QTimer::singleShot(0, qApp, [shown = prompter, books = db] {
                    stopCallgrind();
                    const double cpu = processCpuSeconds();
                    std::printf("%.9f %lld\n", cpu,
                                shown ? qint64(shown->messagesShown().size()) : qint64(0));
                    std::fflush(stdout);
                    const std::optional<double> server =
                        books ? BenchEngine::serverCpuSeconds(*books) : std::nullopt;
                    std::printf("%.9f\n", server.value_or(-1));
                    std::fflush(stdout);
                    QCoreApplication::exit(0); // quit() would ask the window to close
                });
            }
            return false;
        }
    } watch;
    watch.window = window.get();
    watch.prompter = prompter.get();
    watch.db = db.get();
    app.installEventFilter(&watch);
    window->show();
    const int code = QApplication::exec();
    app.removeEventFilter(&watch);
    return code;
}

// Times one child start-up; the child's CPU time is the counter "child_cpu_ms".
void firstPaint(benchmark::State& state, const QString& mode, const QStringList& place,
                const QString& program)
{
    double cpu = 0;
    double serverCpu = 0;
    qsizetype messages = 0;
    for (auto _ : state) {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        child.start(program, QStringList{QLatin1String(kFirstPaintFlag), mode} + place);
        if (!child.waitForReadyRead(60000)) {
            state.SkipWithError("the child reported no first paint");
            break;
        }
        const QByteArray line = child.readLine();
        const double seconds = double(clock.nsecsElapsed()) * 1e-9;
        state.SetIterationTime(seconds);
        const QList<QByteArray> report = line.trimmed().split(' ');
        cpu += report.value(0).toDouble();
        messages += report.value(1).toLongLong();
        state.PauseTiming();
        child.waitForFinished(60000);
        serverCpu += std::max(0.0, child.readLine().trimmed().toDouble());
        state.ResumeTiming();
    }
    state.counters["child_cpu_ms"] =
        benchmark::Counter(cpu * 1000, benchmark::Counter::kAvgIterations);
    if (serverCpu > 0)
        state.counters["server_cpu_ms"] =
            benchmark::Counter(serverCpu * 1000, benchmark::Counter::kAvgIterations);
    countMessages(state, messages);
}

void BM_FirstPaintBare(benchmark::State& state)
{
    firstPaint(state, QStringLiteral("bare"), {}, QCoreApplication::applicationFilePath());
}

void BM_FirstPaintStartUp(benchmark::State& state)
{
    Books& b = books(state.range(0));
    b.db.close(); // the child opens the books as the program does, with nobody else on them
    firstPaint(state, QStringLiteral("billcraft"), b.place.arguments(),
               QCoreApplication::applicationFilePath());
    b.reopen();
}

// One view of the invoice list of identity 1, as the tab shows it: the keys, count and totals
// read, the grid filled and painted at its end, which reads the pages shown (or the refusal when
// the view is too large).
void listView(benchmark::State& state, InvoiceList::Request request)
{
    Books& b = books(largeBooks());
    request.identity = 1;
    if (request.clientId == 0)
        request.clientId = b.db.scalar(QStringLiteral("SELECT min(ClientID) FROM TblClients "
                                                      "WHERE Identity = 1"))
                               .toInt();
    FlexGrid grid;
    grid.resize(1200, 700);
    paint(grid);
    int rows = 0;
    ServerCpu server(b.db);
    for (auto _ : state) {
        Result<PagedGrid> data =
            InvoiceList::open(b.db, {b.session->locale(), b.session->clock().today()}, request);
        if (!data)
            state.SkipWithError(qPrintable(data.error()));
        if (data && data->outcome() == GridData::Outcome::Filled)
            grid.setRows(std::move(*data));
        else
            grid.clearGrid();
        QCoreApplication::processEvents();
        rows = grid.rows().rowCount();
    }
    server.report(state);
    state.counters["rows"] = rows;
}

// What the click leaves to the event loop (the list's paint). A function of its own, so a
// profile can collect it with the click: valgrind --tool=callgrind
// --toggle-collect='QAbstractButton::click()' --toggle-collect='*settle*' bench_books
// --benchmark_filter=MakeInvoice, with BILLCRAFT_BENCH_BOOKS naming make_books' folder.
[[gnu::noinline]] void settle()
{
    QCoreApplication::processEvents();
}

// "Make Invoice" clicked on the real main window: whatever the click does (numbering, the
// insert and its commit, the lists it refreshes, the tab it shows) is timed.
void BM_MakeInvoice(benchmark::State& state)
{
    Books& b = books(state.range(0));
    MainWindow window(*b.session);
    window.startUp();
    paint(window);
    auto* clients = window.findChild<QComboBox*>(QStringLiteral("cmbSelectClient2"));
    auto* content = window.findChild<QPlainTextEdit*>(QStringLiteral("txtInvoiceContent"));
    auto* value = window.findChild<QLineEdit*>(QStringLiteral("txtInvoiceValue"));
    auto* make = window.findChild<QPushButton*>(QStringLiteral("CmdMakeInvoice"));
    const auto invoices = [&b] {
        return b.db.scalar(QStringLiteral("SELECT count(*) FROM TblInvoices")).toLongLong();
    };
    const qint64 before = invoices();
    const qsizetype messages = b.prompter.messagesShown().size();
    ServerCpu server(b.db);
    for (auto _ : state) {
        state.PauseTiming();
        window.tabs()->setCurrentIndex(MainWindow::TabMakeInvoice);
        QCoreApplication::processEvents();
        clients->setCurrentIndex(0);
        emit clients->activated(0);
        content->setPlainText(QStringLiteral("Bench work"));
        value->setText(QStringLiteral("125.00"));
        state.ResumeTiming();
        make->click();
        settle();
    }
    server.report(state);
    const qsizetype shown = b.prompter.messagesShown().size() - messages;
    countMessages(state, shown);
    if (window.tabs()->currentIndex() != MainWindow::TabFindInvoices ||
        invoices() - before != qint64(state.iterations()))
        state.SkipWithError(qPrintable(
            QStringLiteral("the invoice was not made: ") +
            (shown > 0 ? b.prompter.messagesShown().last().text : QStringLiteral("no message"))));
}

void registerListViews()
{
    using InvoiceList::Filter;
    using InvoiceList::Trigger;
    struct View {
        const char* name;
        InvoiceList::Request request;
    };
    const View views[] = {
        {"All", {Trigger::Option, Filter::All, true, 0, 0}},
        {"All/BadDebtsShown", {Trigger::Option, Filter::All, false, 0, 0}},
        {"Paid", {Trigger::Option, Filter::Paid, true, 0, 0}},
        {"UnPaid", {Trigger::Option, Filter::Unpaid, true, 0, 0}},
        {"UnPaid/BadDebtsShown", {Trigger::Option, Filter::Unpaid, false, 0, 0}},
        {"BadDebtBox/All", {Trigger::BadDebtBox, Filter::All, true, 0, 0}},
        {"BadDebtBox/All/Shown", {Trigger::BadDebtBox, Filter::All, false, 0, 0}},
        {"BadDebtBox/Paid", {Trigger::BadDebtBox, Filter::Paid, true, 0, 0}},
        {"BadDebtBox/UnPaid", {Trigger::BadDebtBox, Filter::Unpaid, true, 0, 0}},
        {"BadDebtBox/UnPaid/Shown", {Trigger::BadDebtBox, Filter::Unpaid, false, 0, 0}},
        {"Client", {Trigger::ClientChosen, Filter::All, true, 0, 0}},
        {"Client/BadDebtsShown", {Trigger::ClientChosen, Filter::All, false, 0, 0}},
        {"Client/All", {Trigger::CompanyOption, Filter::All, true, 0, 0}},
        {"Client/Paid", {Trigger::CompanyOption, Filter::Paid, true, 0, 0}},
        {"Client/UnPaid", {Trigger::CompanyOption, Filter::Unpaid, true, 0, 0}},
        {"Exclude/All", {Trigger::ExcludeClient, Filter::All, true, 0, 0}},
        {"Exclude/Paid", {Trigger::ExcludeClient, Filter::Paid, true, 0, 0}},
        {"Exclude/UnPaid", {Trigger::ExcludeClient, Filter::Unpaid, true, 0, 0}},
    };
    for (const View& v : views)
        benchmark::RegisterBenchmark((std::string("BM_List/") + v.name).c_str(), listView,
                                     v.request)
            ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1; // the benchmark's own flags are not Qt's
    QApplication app(qtArgc, argv);
    if (argc >= 3 && std::strcmp(argv[1], kFirstPaintFlag) == 0) {
        QStringList place;
        for (int i = 3; i < argc; ++i)
            place << QString::fromLocal8Bit(argv[i]);
        return firstPaintChild(app, QString::fromLocal8Bit(argv[2]),
                               BenchEngine::Place::fromArguments(place));
    }
    const BenchEngine::PrivateServer server = BenchEngine::configure(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::AddCustomContext("engine", BenchEngine::name().toStdString());
    benchmark::RegisterBenchmark("BM_BareWindow", BM_BareWindow)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_StartUp", BM_StartUp)
        ->Arg(0)
        ->Arg(largeBooks())
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_FirstPaint/Bare", BM_FirstPaintBare)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_FirstPaint/StartUp", BM_FirstPaintStartUp)
        ->Arg(0)
        ->Arg(largeBooks())
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    registerListViews();
    benchmark::RegisterBenchmark("BM_MakeInvoice", BM_MakeInvoice)
        ->Arg(largeBooks())
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    BooksCache<Books, qint64>::clear();
    return 0;
}
