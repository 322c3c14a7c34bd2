// The printed invoice: reading one invoice with its client, laying it out and writing it as a
// one-page PDF, as the preview's "Save as PDF" and `billcraft --invoice-pdf` do. Run a Release
// build:
//   bench_invoice_page --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "BenchMain.h"
#include "core/DaySerial.h"
#include "core/SharedFiles.h"
#include "printing/InvoicePage.h"
#include "support/TestEnv.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

struct Books {
    TestEnv env;
    const LocaleText locale{testLocale()};
    SharedFiles files{env.db, env.folder()};
    int invoiceId = 0;
    LayoutRecord record = LayoutRecord::designerDefaults();

    Books()
    {
        const int identity = env.addIdentity(QStringLiteral("Bench Trading"));
        const int client = env.addClient(QStringLiteral("Smith & Sons Ltd"), identity);
        env.exec(QStringLiteral("UPDATE TblClients SET Salutation = 'Mr', FirstName = 'John', "
                                "LastName = 'Smith', Address1 = '1 High Street', Town = 'Leeds', "
                                "PostCode = 'LS1 1AA'"));
        env.exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Content, "
                                "\"Value\", VAT, Total, \"Date\", Identity) VALUES (?, '0124', ?, "
                                "1000000, 200000, 1200000, ?, ?)"),
                 {client,
                  QStringLiteral("Garden design for the front and back yard, and planting of "
                                 "the long border with shrubs and perennials."),
                  DaySerial::fromDate(TestEnv::kToday), identity});
        invoiceId = env.db.scalar(QStringLiteral("SELECT max(InvoiceID) FROM TblInvoices")).toInt();
        record.lblInvoiceCaption = QStringLiteral("Invoice");
        record.lblTextLogoCaption = QStringLiteral("Bench Trading");
        record.lblAddressCaption = QStringLiteral("Bench Trading\r\n2 Low Road\r\nYork YO1 1AA");
        record.lblFooterCaption = QStringLiteral("Bench Trading Ltd, registered in England");
        record.PicLineShow = true;
    }

    InvoicePage::Layout layOut()
    {
        const Result<InvoiceSheet> sheet = InvoicePage::loadSheet(env.db, invoiceId);
        if (!sheet)
            qFatal("%s", qPrintable(sheet.error()));
        return InvoicePage::layOut(record, *sheet, locale, &files, Qt::black);
    }
};

void BM_LayOut(benchmark::State& state)
{
    Books books;
    for (auto _ : state)
        benchmark::DoNotOptimize(books.layOut());
}

void BM_LayOutAndWritePdf(benchmark::State& state)
{
    Books books;
    const QString path = books.env.file(QStringLiteral("Invoice 0124.pdf"));
    for (auto _ : state) {
        if (!InvoicePage::writePdf(books.layOut(), path))
            state.SkipWithError("the PDF was not written");
    }
}

BENCHMARK(BM_LayOut)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LayOutAndWritePdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks<QGuiApplication>(argc, argv);
}
