// Filling the invoice list of one identity with tens of thousands of invoices: the list query,
// the grid data made of it and the grid shown, in an SQLite file or on a PostgreSQL server
// (--engine=postgresql [--server=URL]: BenchEngine.h). Run a Release build:
//   bench_invoice_grid --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
// 34,999 invoices x 10 columns is the largest list the 350,000-cell limit lets through;
// 35,000 is refused, so that case times the query and the refusal.

#include "BenchEngine.h"
#include "BenchMain.h"
#include "BooksCache.h"
#include "ServerCpu.h"
#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/GridData.h"
#include "core/ui/FlexGrid.h"
#include "invoices/InvoiceList.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

namespace {

constexpr int kClients = 250;

// Books holding `invoices` invoices of one identity, spread over the clients and the six years
// before today; four in five are paid. Written once: a server keeps them for later runs.
struct Books {
    QTemporaryDir dir;
    Database db;
    const GridContext context{LocaleText(testLocale()), TestEnv::kToday};
    int identity = 0;

    explicit Books(int invoices)
    {
        const Result<BenchEngine::Place> place =
            BenchEngine::place(dir.path(), QStringLiteral("grid_%1").arg(invoices));
        if (!place || !place->open(db))
            qFatal("cannot open the bench books: %s",
                   qPrintable(place ? db.errorString() : place.error()));
        const Result<QVariant> made = db.value(QStringLiteral("SELECT min(Identity) FROM "
                                                              "TblUserData"));
        if (!made)
            qFatal("cannot read the bench books: %s", qPrintable(made.error()));
        identity = made->toInt();
        if (identity == 0)
            write(invoices);
    }

    void write(int invoices)
    {
        Transaction tx(db);
        const Result<qint64> added =
            db.insert({}, QStringLiteral("INSERT INTO TblUserData(TextLogo) VALUES (?)"),
                      {QStringLiteral("Bench Trading")});
        identity = int(added ? *added : 0);
        QSqlQuery client = db.prepare(
            QStringLiteral("INSERT INTO TblClients(Company, Town, Identity) VALUES (?, ?, ?)"));
        for (int c = 1; c <= kClients; ++c) {
            client.addBindValue(QStringLiteral("Client %1 Ltd").arg(c));
            client.addBindValue(QStringLiteral("Town %1").arg(c % 17));
            client.addBindValue(identity);
            db.exec(client);
        }
        QSqlQuery invoice = db.prepare(QStringLiteral(
            "INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, \"Value\", VAT, Total, "
            "\"Date\", Paid, DatePaid, BadDebt, Identity) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, "
            "?)"));
        const double today = DaySerial::fromDate(TestEnv::kToday);
        quint32 seed = 12345;
        auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
        for (int i = 0; i < invoices; ++i) {
            const double date = today - 6 * 365 + double(i) * (6 * 365) / invoices;
            const qint64 pence = 2000 + (next() >> 8) % 500000;
            const qint64 value = pence * 100; // ten-thousandths
            const qint64 vat = value / 5;
            const bool paid = next() % 5 != 0;
            invoice.addBindValue(1 + int(next() % kClients));
            invoice.addBindValue(QString::number(1001 + i));
            invoice.addBindValue(QStringLiteral("Consultancy and support, job %1").arg(i));
            invoice.addBindValue(value);
            invoice.addBindValue(vat);
            invoice.addBindValue(value + vat);
            invoice.addBindValue(date);
            invoice.addBindValue(paid ? -1 : 0);
            invoice.addBindValue(paid ? QVariant(date + 30) : QVariant());
            invoice.addBindValue(identity);
            db.exec(invoice);
        }
        if (!added || !tx.commit())
            qFatal("cannot write the bench database: %s", qPrintable(db.errorString()));
    }

    QSqlQuery runShowAll()
    {
        // "Show All" with "Hide Bad Debts" ticked, as the tab first shows it.
        const InvoiceList::Statement s = InvoiceList::statement(
            {InvoiceList::Trigger::Option, InvoiceList::Filter::All, true, 0, identity});
        QSqlQuery q = db.prepare(s.sql);
        for (const QVariant& v : s.values)
            q.addBindValue(v);
        if (!db.exec(q))
            qFatal("list query failed: %s", qPrintable(db.errorString()));
        return q;
    }
};

Books& books(int invoices)
{
    return BooksCache<Books, int>::get(invoices);
}

// The query alone, every value read: what the database costs.
void BM_InvoiceListQuery(benchmark::State& state)
{
    Books& b = books(int(state.range(0)));
    ServerCpu server(b.db);
    for (auto _ : state) {
        QSqlQuery q = b.runShowAll();
        int cells = 0;
        while (q.next()) {
            for (int i = 0; i < 10; ++i)
                benchmark::DoNotOptimize(q.value(i));
            cells += 10;
        }
        benchmark::DoNotOptimize(cells);
    }
    server.report(state);
}

// The query made into grid data: formatting, overdue dates and totals.
void BM_InvoiceGridData(benchmark::State& state)
{
    Books& b = books(int(state.range(0)));
    ServerCpu server(b.db);
    for (auto _ : state) {
        QSqlQuery q = b.runShowAll();
        GridData data = GridData::fromQuery(q, b.context, InvoiceList::gridShape());
        benchmark::DoNotOptimize(data.rowCount());
    }
    server.report(state);
}

// The whole fill as the user sees it: query, grid data, the grid's model set, columns sized,
// scrolled to the totals and painted.
void BM_InvoiceGridFill(benchmark::State& state)
{
    Books& b = books(int(state.range(0)));
    FlexGrid grid;
    grid.resize(1200, 700);
    grid.show();
    QCoreApplication::processEvents();
    int shownRows = 0;
    ServerCpu server(b.db);
    for (auto _ : state) {
        QSqlQuery q = b.runShowAll();
        GridData data = GridData::fromQuery(q, b.context, InvoiceList::gridShape());
        if (data.outcome() == GridData::Outcome::Filled)
            grid.setGridData(std::move(data));
        else
            grid.clearGrid();
        QCoreApplication::processEvents();
        shownRows = grid.model()->rowCount();
    }
    server.report(state);
    state.counters["rows_shown"] = shownRows;
}

BENCHMARK(BM_InvoiceListQuery)->Arg(34999)->Arg(35000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InvoiceGridData)->Arg(34999)->Arg(35000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InvoiceGridFill)->Arg(34999)->Arg(35000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QApplication>(argc, argv, &BooksCache<Books, int>::clear);
}
