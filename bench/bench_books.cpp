// Billcraft at a million invoices: start-up, every view of the invoice list, and a "Make
// Invoice" click, on books written by BookMaker (as make_books writes them). Run a Release build:
//   bench_books --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// BILLCRAFT_BENCH_INVOICES sets the size of the large books (1,000,000 unless given). The goal
// figures are CPU times: the fsync of a commit shows in the real time only.

#include "BookMaker.h"
#include "app/MainWindow.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/GridData.h"
#include "core/Session.h"
#include "core/ui/FlexGrid.h"
#include "invoices/InvoiceList.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

const QDate kToday(2026, 12, 3);

// A data folder with its books, and a session over them like the program's own.
struct Books {
    QTemporaryDir dir;
    Database db;
    ScriptedPrompter prompter;
    FixedClock clock{kToday};
    std::unique_ptr<Session> session;

    explicit Books(qint64 invoices)
    {
        if (!dir.isValid() || !db.open(path()))
            qFatal("cannot open the bench books: %s", qPrintable(db.errorString()));
        const QString problem = BookMaker::make(db, invoices, kToday);
        if (!problem.isEmpty())
            qFatal("cannot write the bench books: %s", qPrintable(problem));
        openSession();
    }
    QString path() const { return dir.filePath(Database::kFileName); }
    void openSession()
    {
        session = std::make_unique<Session>(
            db, prompter, clock, LocaleText(QLocale(QLocale::English, QLocale::UnitedKingdom)),
            dir.path());
    }
};

qint64 largeBooks()
{
    bool ok = false;
    const qint64 n = qEnvironmentVariableIntValue("BILLCRAFT_BENCH_INVOICES", &ok);
    return ok && n >= 0 ? n : 1000000;
}

std::map<qint64, std::unique_ptr<Books>>& allBooks()
{
    static std::map<qint64, std::unique_ptr<Books>> made;
    return made;
}

Books& books(qint64 invoices)
{
    auto& slot = allBooks()[invoices];
    if (!slot)
        slot = std::make_unique<Books>(invoices);
    return *slot;
}

void paint(QWidget& window)
{
    window.show();
    QCoreApplication::processEvents(); // the expose and the first paint
}

// Start-up as main() does it after the data folder: open the database, build the main window,
// run the start-up sequence and paint the window.
void BM_StartUp(benchmark::State& state)
{
    Books& b = books(state.range(0));
    b.db.close();
    for (auto _ : state) {
        auto db = std::make_unique<Database>();
        if (!db->open(b.path()))
            state.SkipWithError(qPrintable(db->errorString()));
        auto session = std::make_unique<Session>(
            *db, b.prompter, b.clock, LocaleText(QLocale(QLocale::English, QLocale::UnitedKingdom)),
            b.dir.path());
        auto window = std::make_unique<MainWindow>(*session);
        window->startUp();
        paint(*window);
        state.PauseTiming();
        window.reset();
        session.reset();
        db.reset();
        state.ResumeTiming();
    }
    if (!b.db.open(b.path()))
        qFatal("cannot reopen the bench books");
    b.openSession();
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

// One view of the invoice list of identity 1, as the tab shows it: the list read and the grid
// filled and painted (or the refusal when the view is too large).
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
    for (auto _ : state) {
        Result<GridData> data = InvoiceList::load(*b.session, request);
        if (!data)
            state.SkipWithError(qPrintable(data.error()));
        if (data && data->outcome() == GridData::Outcome::Filled)
            grid.setGridData(std::move(*data));
        else
            grid.clearGrid();
        QCoreApplication::processEvents();
        rows = grid.gridData().rowCount();
    }
    state.counters["rows"] = rows;
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
        QCoreApplication::processEvents();
    }
    if (window.tabs()->currentIndex() != MainWindow::TabFindInvoices || !b.prompter.verifyDone())
        state.SkipWithError(
            qPrintable(QStringLiteral("the invoice was not made: ") + b.prompter.leftover()));
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
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RegisterBenchmark("BM_BareWindow", BM_BareWindow)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_StartUp", BM_StartUp)
        ->Arg(0)
        ->Arg(largeBooks())
        ->Unit(benchmark::kMillisecond);
    registerListViews();
    benchmark::RegisterBenchmark("BM_MakeInvoice", BM_MakeInvoice)
        ->Arg(largeBooks())
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    allBooks().clear(); // their temporary folders go while the application still exists
    return 0;
}
