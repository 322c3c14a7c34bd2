// The VAT report of one quarter on a million-invoice book (BookMaker's, as make_books writes
// it): the current identity's invoices paid in the quarter read into grid data, and filled into
// the grid and painted, as "Get The VAT" does; and the first invoice's year that start-up reads
// for the period lists; in an SQLite file or on a PostgreSQL server (--engine=postgresql
// [--server=URL]: BenchEngine.h). Run a Release build:
//   bench_vat_report --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
// BILLCRAFT_BENCH_INVOICES sets the size of the book (1,000,000 unless given).

#include "BenchBooks.h"
#include "BenchMain.h"
#include "BookMaker.h"
#include "BooksCache.h"
#include "ServerCpu.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/ui/FlexGrid.h"
#include "core/ui/Session.h"
#include "reports/VatReport.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

const QDate kToday(2026, 12, 3);
// The last whole quarter before today.
const QDate kQuarterStart(2026, 7, 1);
const QDate kQuarterEnd(2026, 9, 30);

struct Books : BenchBooks {
    explicit Books(qint64 invoices)
        : BenchBooks(invoices, kToday)
    {}
};

qint64 bookSize()
{
    bool ok = false;
    const qint64 n = qEnvironmentVariableIntValue("BILLCRAFT_BENCH_INVOICES", &ok);
    return ok && n >= 0 ? n : 1000000;
}

Books& books(qint64 invoices)
{
    return BooksCache<Books, qint64>::get(invoices);
}

GridData quarter(Books& b, benchmark::State& state)
{
    Result<GridData> data = VatReport::paidInvoices(b.db, b.context(), b.session->currentIdentity(),
                                                    kQuarterStart, kQuarterEnd);
    if (!data) {
        state.SkipWithError(qPrintable(data.error()));
        return {};
    }
    return std::move(*data);
}

// The statement read into grid data: dates and money formatted, the totals added up.
void BM_VatQuarterData(benchmark::State& state)
{
    Books& b = books(state.range(0));
    int rows = 0;
    ServerCpu server(b.db);
    for (auto _ : state)
        rows = quarter(b, state).rowCount();
    server.report(state);
    state.counters["rows"] = rows;
}

// As the user sees it: grid data, the grid's model set, columns sized, scrolled to the totals
// and painted.
void BM_VatQuarterGrid(benchmark::State& state)
{
    Books& b = books(state.range(0));
    FlexGrid grid;
    grid.resize(1200, 700);
    grid.show();
    QCoreApplication::processEvents();
    int rows = 0;
    ServerCpu server(b.db);
    for (auto _ : state) {
        grid.populate(quarter(b, state), b.prompter);
        QCoreApplication::processEvents();
        rows = grid.gridData().rowCount();
    }
    server.report(state);
    state.counters["rows"] = rows;
}

// Start-up step 10's one query.
void BM_FirstInvoiceYear(benchmark::State& state)
{
    Books& b = books(state.range(0));
    ServerCpu server(b.db);
    for (auto _ : state) {
        const Result<int> year = VatReport::firstYear(b.db);
        if (!year)
            state.SkipWithError(qPrintable(year.error()));
        benchmark::DoNotOptimize(year);
    }
    server.report(state);
}

BENCHMARK(BM_VatQuarterData)->Arg(bookSize())->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VatQuarterGrid)->Arg(bookSize())->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstInvoiceYear)->Arg(bookSize())->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv, &BooksCache<Books, qint64>::clear);
}
