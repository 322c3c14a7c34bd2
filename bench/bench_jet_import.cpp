// Reading an old installation's Jet database: every row of every table of nwind.mdb (Jet 3,
// nine tables, 4,032 rows with Currency, dates, memo and OLE pictures) through the generic
// reader, alone and copied into a new SQLite file in one transaction, as the conversion writes.
// Needs the samples in ../shared/jet-samples beside the source tree. Run a Release build:
//   bench_jet_import --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "BenchMain.h"
#include "core/Database.h"
#include "legacy/MdbSource.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

const QString kNwind = QStringLiteral(BILLCRAFT_JET_SAMPLES "/nwind.mdb");

// Reads every row of every table; with `db`, also inserts each into a table of its own.
bool importAll(benchmark::State& state, Database* db)
{
    Result<std::unique_ptr<MdbSource>> source = MdbSource::open(kNwind);
    if (!source) {
        state.SkipWithError(qPrintable(source.error()));
        return false;
    }
    std::unique_ptr<Transaction> tx;
    if (db)
        tx = std::make_unique<Transaction>(*db);
    qint64 rows = 0;
    int tableNumber = 0;
    for (const QString& name : (*source)->tables()) {
        Result<std::unique_ptr<JetTable>> table = (*source)->table(name);
        if (!table) {
            state.SkipWithError(qPrintable(table.error()));
            return false;
        }
        QSqlQuery insert;
        if (db) {
            const QString copy = QStringLiteral("T%1").arg(++tableNumber);
            QStringList columns;
            QStringList marks;
            for (qsizetype i = 0; i < (*table)->columns().size(); ++i) {
                columns << QStringLiteral("c%1").arg(i);
                marks << QStringLiteral("?");
            }
            db->exec(QStringLiteral("CREATE TABLE %1(%2)").arg(copy, columns.join(u',')));
            insert = db->prepare(
                QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(copy, marks.join(u',')));
        }
        QVariantList row;
        for (;;) {
            const Result<bool> more = (*table)->next(row);
            if (!more) {
                state.SkipWithError(qPrintable(more.error()));
                return false;
            }
            if (!*more)
                break;
            ++rows;
            if (db) {
                for (qsizetype i = 0; i < row.size(); ++i)
                    insert.bindValue(int(i), row[i]);
                if (!db->exec(insert)) {
                    state.SkipWithError(qPrintable(db->errorString()));
                    return false;
                }
            }
        }
    }
    if (tx && !tx->commit()) {
        state.SkipWithError("the copy could not be committed");
        return false;
    }
    state.counters["rows"] = double(rows);
    return true;
}

void BM_ReadNwind(benchmark::State& state)
{
    for (auto _ : state) {
        if (!importAll(state, nullptr))
            return;
    }
}
BENCHMARK(BM_ReadNwind)->Unit(benchmark::kMillisecond);

void BM_ImportNwind(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        Database db;
        if (!db.open(dir.filePath(Database::kFileName))) {
            state.SkipWithError(qPrintable(db.errorString()));
            return;
        }
        state.ResumeTiming();
        if (!importAll(state, &db))
            return;
    }
}
BENCHMARK(BM_ImportNwind)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv);
}
