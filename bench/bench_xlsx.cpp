// Exporting a 30,000-row invoice list as shown: as an .xlsx workbook and as a CSV file, each
// written whole to disk. The list is one identity's "Show All" view of BookMaker's books of
// 60,000 invoices. Run a Release build:
//   bench_xlsx --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
// max_rss_mb is the process's peak resident memory after the runs: the workbook is written in
// constant memory, so it stays near what the list itself takes.

#include "BenchBooks.h"
#include "BenchMain.h"
#include "BookMaker.h"
#include "BooksCache.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/GridExport.h"
#include "core/SafeFile.h"
#include "core/ui/Session.h"
#include "invoices/InvoiceList.h"
#include "support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

namespace {

const QDate kToday(2026, 12, 3);

struct Books : BenchBooks {
    GridData list;

    // `rows` invoices for each of the two identities.
    explicit Books(qint64 rows)
        : BenchBooks(rows * BookMaker::kIdentities, kToday)
    {
        const Result<GridData> all = InvoiceList::load(
            db, context(), {InvoiceList::Trigger::Option, InvoiceList::Filter::All, false, 0, 1});
        if (!all || all->outcome() != GridData::Outcome::Filled)
            qFatal("cannot list the bench invoices");
        list = *all;
    }
};

Books& books(qint64 rows)
{
    return BooksCache<Books, qint64>::get(rows);
}

void reportMemory(benchmark::State& state, const Books& b, const QString& file)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["rows"] = b.list.rowCount();
    state.counters["file_kib"] = double(QFileInfo(file).size()) / 1024;
    state.counters["max_rss_mb"] = double(usage.ru_maxrss) / 1024;
}

void BM_ExportXlsx(benchmark::State& state)
{
    Books& b = books(state.range(0));
    const QString path = b.dir.filePath(QStringLiteral("Invoices.xlsx"));
    const GridExport::XlsxLayout layout = GridExport::layoutOf(GridExport::Grid::Invoices);
    for (auto _ : state) {
        const Result<bool> written =
            GridExport::writeXlsx(b.list, b.session->locale(), layout, path);
        if (!written)
            state.SkipWithError(qPrintable(written.error()));
    }
    reportMemory(state, b, path);
}

void BM_ExportCsv(benchmark::State& state)
{
    Books& b = books(state.range(0));
    const QString path = b.dir.filePath(QStringLiteral("Invoices.csv"));
    for (auto _ : state) {
        const std::optional<QByteArray> text = GridExport::csv(b.list);
        QString error;
        if (!text || !SafeFile::write(path, *text, &error))
            state.SkipWithError(qPrintable(error));
    }
    reportMemory(state, b, path);
}

BENCHMARK(BM_ExportXlsx)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportCsv)->Arg(30000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv, &BooksCache<Books, qint64>::clear);
}
