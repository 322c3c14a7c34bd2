// Raises invoices in a loop for the crash-safety test of tst_invoicestore, which kills it at
// random moments or runs several at once; not a test itself.
//   invoice_raiser DATA_FOLDER|postgresql://URL IDENTITY [COUNT]
// Prints "<InvoiceID> <InvoiceNumber>" for each invoice once it is committed, and flushes, so
// that every line the test reads names an invoice that must be in the database. Without COUNT
// it runs until it is killed. The first invoice of an identity starts at 01.

#include "core/Database.h"
#include "invoices/InvoiceStore.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fputs("usage: invoice_raiser DATA_FOLDER|URL IDENTITY [COUNT]\n", stderr);
        return 2;
    }
    const int identity = args.at(2).toInt();
    const int count = args.size() > 3 ? args.at(3).toInt() : 0;

    Database db;
    const QString books = args.at(1);
    bool opened = false;
    if (ServerAddress::looksLikeUrl(books)) {
        const Result<ServerAddress> server = ServerAddress::fromUrl(books);
        if (!server) {
            std::fprintf(stderr, "%s\n", qPrintable(server.error()));
            return 1;
        }
        opened = db.openServer(*server);
    } else {
        opened = db.open(QDir(books).filePath(Database::kFileName));
    }
    if (!opened) {
        std::fprintf(stderr, "%s\n", qPrintable(db.errorString()));
        return 1;
    }
    InvoiceStore store(db);
    const InvoiceFields fields{0, QStringLiteral("Work"), Money::fromUnits(1'000'000),
                               Money::fromUnits(200'000), Money::fromUnits(1'200'000)};
    const QDate day(2026, 12, 3);
    for (int i = 0; count == 0 || i < count; ++i) {
        Result<Creation> made = store.create(fields, day, identity);
        if (made && !made->created())
            made = store.create(fields, day, identity, QStringLiteral("01"));
        if (!made || !made->created()) {
            std::fprintf(stderr, "%s\n", qPrintable(made.error()));
            return 1;
        }
        std::printf("%d %s\n", made->invoiceId, qPrintable(made->number));
        std::fflush(stdout);
    }
    return 0;
}
