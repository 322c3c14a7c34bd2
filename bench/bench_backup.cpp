// A backup of a million-invoice book (BookMaker's, as make_books writes it), against the zip
// program compressing the same file at its fastest level: both read the same bytes and write
// a standard zip, so their throughputs compare directly. Run a Release build:
//   bench_backup --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// BILLCRAFT_BENCH_INVOICES sets the size of the book (1,000,000 unless given).

#include "BenchEngine.h"
#include "BenchMain.h"
#include "BookMaker.h"
#include "BooksCache.h"
#include "backup/Backup.h"
#include "core/Database.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QDate kToday(2026, 12, 3);

struct Books {
    QTemporaryDir dir;
    Database db;
    qint64 bytes = 0;

    explicit Books(qint64 invoices)
    {
        // Always a file, whatever the engine asked for: the zip program needs one to read.
        BookMaker::openAndMake(db, BenchEngine::Place{dir.path(), std::nullopt}, invoices, kToday);
        // Everything into the main file, so the zip program reads the whole book too.
        db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        bytes = QFileInfo(dir.filePath(Database::kFileName)).size();
    }
};

qint64 bookSize()
{
    bool ok = false;
    const qint64 n = qEnvironmentVariableIntValue("BILLCRAFT_BENCH_INVOICES", &ok);
    return ok && n >= 0 ? n : 1000000;
}

Books& books()
{
    return BooksCache<Books, qint64>::get(bookSize());
}

void BM_Backup(benchmark::State& state)
{
    Books& b = books();
    const QString archive = b.dir.filePath(QStringLiteral("ours.bak"));
    for (auto _ : state) {
        const Status done = Backup::write(b.db, archive);
        if (!done) {
            state.SkipWithError(qPrintable(done.error()));
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * b.bytes);
    state.counters["archive_MB"] = double(QFileInfo(archive).size()) / 1e6;
    state.counters["database_MB"] = double(b.bytes) / 1e6;
}
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);

void BM_ZipProgramFastest(benchmark::State& state)
{
    Books& b = books();
    const QString archive = b.dir.filePath(QStringLiteral("theirs.zip"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(archive); // zip would otherwise update the old archive
        state.ResumeTiming();
        QProcess zip;
        zip.setWorkingDirectory(b.dir.path());
        zip.start(QStringLiteral("zip"),
                  {QStringLiteral("-1"), QStringLiteral("-q"), archive, Database::kFileName});
        if (!zip.waitForFinished(-1) || zip.exitCode() != 0) {
            state.SkipWithError("zip failed (is the zip package installed?)");
            return;
        }
    }
    state.SetBytesProcessed(state.iterations() * b.bytes);
    state.counters["archive_MB"] = double(QFileInfo(archive).size()) / 1e6;
}
BENCHMARK(BM_ZipProgramFastest)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(5);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv, [] { BooksCache<Books, qint64>::clear(); });
}
