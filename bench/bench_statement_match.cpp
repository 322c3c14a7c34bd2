// Matching a 1,000-entry bank statement against identity 1's unpaid invoices on a
// million-invoice book (BookMaker's: about 17,500 unpaid per identity): the unpaid invoices
// and the remembered bank references read, and every credit matched, as the review window and
// --match-statement do. A third of the credits name their invoice with its total (sure), a third
// pay a total no other unpaid invoice has without naming it (likely), a third pay part of an
// invoice or an amount no invoice has (none); one in twenty entries is a debit. Run a Release
// build:
//   bench_statement_match --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
// BILLCRAFT_BENCH_INVOICES sets the size of the book (1,000,000 unless given).

#include "BenchBooks.h"
#include "BenchMain.h"
#include "BooksCache.h"
#include "ServerCpu.h"
#include "banking/StatementMatch.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

const QDate kToday(2026, 12, 3);
constexpr int kEntries = 1000;

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

// The statement, made from the books once: entries spread over the unpaid invoices.
Statement statementFor(const StatementMatch::Books& books)
{
    QHash<qint64, int> totals;
    for (const StatementMatch::UnpaidInvoice& u : books.unpaid)
        ++totals[u.total.units()];
    Statement statement{QStringLiteral("GB33BUKB20201555555555"), QStringLiteral("GBP"), {}};
    const qsizetype step = qMax<qsizetype>(1, books.unpaid.size() / kEntries);
    for (int i = 0; i < kEntries && !books.unpaid.isEmpty(); ++i) {
        const StatementMatch::UnpaidInvoice& u = books.unpaid[(i * step) % books.unpaid.size()];
        StatementEntry entry{
            kToday.addDays(-(i % 30)),         u.total, i % 20 != 19, QStringLiteral("GBP"),
            QStringLiteral("BENCH-%1").arg(i), {},      u.client};
        if (i % 3 == 0) {
            entry.remittance = QStringLiteral("Invoice INV-%1, with thanks").arg(u.number);
        } else if (i % 3 == 1 && totals.value(u.total.units()) == 1) {
            entry.remittance = QStringLiteral("Payment for services");
        } else {
            entry.remittance = QStringLiteral("Part payment %1").arg(i % 2 ? u.number : QString());
            entry.amount = Money::fromUnits(u.total.units() / 2 + 1);
        }
        statement.entries << entry;
    }
    return statement;
}

void BM_StatementMatch(benchmark::State& state)
{
    Books& b = BooksCache<Books, qint64>::get(state.range(0));
    const Result<StatementMatch::Books> first =
        StatementMatch::readBooks(b.db, 1, QStringLiteral("GBP"));
    if (!first) {
        state.SkipWithError(qPrintable(first.error()));
        return;
    }
    const Statement statement = statementFor(*first);
    QHash<StatementMatch::Proposal, int> proposals;
    ServerCpu server(b.db);
    for (auto _ : state) {
        const Result<StatementMatch::Books> books =
            StatementMatch::readBooks(b.db, 1, QStringLiteral("GBP"));
        if (!books) {
            state.SkipWithError(qPrintable(books.error()));
            return;
        }
        const QList<StatementMatch::Match> matches = StatementMatch::match(statement, *books);
        proposals.clear();
        for (const StatementMatch::Match& m : matches)
            ++proposals[m.proposal];
    }
    server.report(state);
    state.counters["unpaid"] = double(first->unpaid.size());
    state.counters["sure"] = proposals.value(StatementMatch::Proposal::Sure);
    state.counters["likely"] = proposals.value(StatementMatch::Proposal::Likely);
    state.counters["none"] = proposals.value(StatementMatch::Proposal::None);
}

// The matching alone, the books read once before.
void BM_StatementMatchOnly(benchmark::State& state)
{
    Books& b = BooksCache<Books, qint64>::get(state.range(0));
    const Result<StatementMatch::Books> books =
        StatementMatch::readBooks(b.db, 1, QStringLiteral("GBP"));
    if (!books) {
        state.SkipWithError(qPrintable(books.error()));
        return;
    }
    const Statement statement = statementFor(*books);
    for (auto _ : state)
        benchmark::DoNotOptimize(StatementMatch::match(statement, *books));
}

BENCHMARK(BM_StatementMatch)->Arg(bookSize())->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StatementMatchOnly)->Arg(bookSize())->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv, &BooksCache<Books, qint64>::clear);
}
