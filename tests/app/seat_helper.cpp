// Another seat at work on the same shared books, for tests that watch a window follow its
// changes: "seat_helper URL raise IDENTITY CLIENT" raises an invoice (the identity's first is
// numbered 0100) and prints its InvoiceID; "seat_helper URL pay INVOICEID" marks it paid;
// "seat_helper URL client COMPANY IDENTITY" adds a client.
#include "clients/ClientStore.h"
#include "core/Database.h"
#include "invoices/InvoiceList.h"
#include "invoices/InvoiceStore.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

int fail(const QString& why)
{
    std::fprintf(stderr, "seat_helper: %s\n", qUtf8Printable(why));
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return fail(QStringLiteral("usage: seat_helper URL raise IDENTITY CLIENT | pay INVOICE | "
                                   "client COMPANY IDENTITY"));
    const Result<ServerAddress> address = ServerAddress::fromUrl(args[1]);
    if (!address)
        return fail(address.error());
    Database db;
    if (!db.openServer(*address))
        return fail(db.errorString());
    const QDate today(2026, 12, 3);
    if (args[2] == u"raise" && args.size() == 5) {
        InvoiceFields fields;
        fields.clientId = args[4].toInt();
        fields.content = QStringLiteral("Raised on another seat");
        fields.value = Money::fromUnits(1000000); // 100.00
        fields.total = fields.value;
        const Result<Creation> made = InvoiceStore(db).create(
            fields, today, args[3].toInt(), InvoiceStore::startingNumber(QStringLiteral("100")));
        if (!made)
            return fail(made.error());
        std::printf("%d\n", made->invoiceId);
        return 0;
    }
    if (args[2] == u"client" && args.size() == 5) {
        Client client;
        client.company = args[3];
        const Result<int> added = ClientStore(db).insert(client, args[4].toInt());
        return added ? 0 : fail(added.error());
    }
    if (args[2] == u"pay")
        return InvoiceList::markPaid(db, args[3].toInt(), today) ? 0 : fail(db.errorString());
    return fail(QStringLiteral("unknown action ") + args[2]);
}
