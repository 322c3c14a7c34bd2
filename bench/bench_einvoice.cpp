// E-invoices at a million invoices in the books: one invoice written as Factur-X (read from the
// books, laid out, drawn as PDF/A, the CII written and embedded) as the preview's "Save as
// e-invoice..." does, and a received e-invoice read. Run a Release build:
//   bench_einvoice --benchmark_repetitions=9 --benchmark_report_aggregates_only=true
// BILLCRAFT_BENCH_INVOICES sets the size of the books (1,000,000 unless given); the goal
// figures are CPU times.

#include "BenchMain.h"
#include "BookMaker.h"
#include "BooksCache.h"
#include "core/Database.h"
#include "core/LocaleText.h"
#include "einvoice/EInvoiceExport.h"
#include "einvoice/EInvoiceReader.h"
#include "support/EInvoiceTerms.h"

#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

const QDate kToday(2026, 12, 3);

qint64 bookSize()
{
    bool ok = false;
    const qint64 n = qEnvironmentVariableIntValue("BILLCRAFT_BENCH_INVOICES", &ok);
    return ok && n > 0 ? n : 1000000;
}

// The books with identity 1 and its client of invoice `number` ready for e-invoices.
struct Books {
    TestEnv env{kToday};
    QString number;

    explicit Books(qint64 invoices)
    {
        if (const QString problem = BookMaker::make(env.db, invoices, kToday); !problem.isEmpty())
            qFatal("cannot write the bench books: %s", qPrintable(problem));
        const QVariant latest = env.db.scalar(QStringLiteral(
            "SELECT InvoiceNumber || '|' || ClientID FROM TblInvoices WHERE Identity = 1 "
            "ORDER BY InvoiceID DESC LIMIT 1"));
        const QStringList parts = latest.toString().split(u'|');
        number = parts.value(0);
        env.exec(QStringLiteral("UPDATE TblUserData SET VatReg = -1, VatRate = 20"));
        giveEInvoiceTerms(env, 1, parts.value(1).toInt());
    }

    QByteArray write(EInvoice::Format format)
    {
        QByteArray bytes;
        const InvoicePdfRequest request{env.folder(), number, {}, 1};
        const Status done = InvoicePdfJob::withInvoice(
            request, LocaleText(testLocale()),
            [&](Database& db, const InvoicePdfJob::Found& found) -> Status {
                const Result<QByteArray> made =
                    EInvoiceExport::bytes(db, found, testLocale(), format, env.clock.now());
                if (!made)
                    return Failure{made.error()};
                bytes = *made;
                return Done{};
            });
        if (!done)
            qFatal("cannot write the e-invoice: %s", qPrintable(done.error()));
        return bytes;
    }
};

using Cache = BooksCache<Books, qint64>;

void BM_WriteFacturX(benchmark::State& state)
{
    Books& books = Cache::get(bookSize());
    for (auto _ : state)
        benchmark::DoNotOptimize(books.write(EInvoice::Format::FacturX));
}

void BM_Read(benchmark::State& state, EInvoice::Format format)
{
    const QByteArray bytes = Cache::get(bookSize()).write(format);
    for (auto _ : state) {
        if (!EInvoiceReader::read(bytes))
            state.SkipWithError("the e-invoice was not read");
    }
}

BENCHMARK(BM_WriteFacturX)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read, facturx, EInvoice::Format::FacturX)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read, xrechnung, EInvoice::Format::XRechnung)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Read, ubl, EInvoice::Format::Ubl)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QGuiApplication>(argc, argv, &Cache::clear);
}
