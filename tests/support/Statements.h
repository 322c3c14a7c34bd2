#pragma once

#include "banking/Statement.h"
#include "banking/StatementMatch.h"

#include <QHash>
#include <QList>
#include <QString>

// The unpaid invoices the statement tests match against, and entries made in code. Two invoices
// share a total (0102, 0103), one number holds another (10100 holds 0100), and 0101 + 0105
// add up to 140.00.
namespace Statements {

struct Invoice {
    const char* number;
    const char* total;
    const char* client;
};

inline const QList<Invoice> kUnpaid = {
    {"0100", "117.50", "Acme Ltd"}, {"0101", "80.00", "Brill & Co"},
    {"10100", "55.00", "Acme Ltd"}, {"0102", "200.00", "Brill & Co"},
    {"0103", "200.00", "Acme Ltd"}, {"0104", "42.00", "Brill & Co"},
    {"0105", "60.00", "Acme Ltd"},
};

inline const QDate kBooked = QDate(2026, 11, 30);

inline Money money(const char* text)
{
    return *Money::parse(QLatin1String(text));
}

// The fixture as matching reads it from the books, the invoices keyed 1, 2, ... in order.
inline StatementMatch::Books books(const QSet<QString>& doneRefs = {})
{
    StatementMatch::Books books;
    for (int i = 0; i < kUnpaid.size(); ++i)
        books.unpaid << StatementMatch::UnpaidInvoice{i + 1, QLatin1String(kUnpaid[i].number),
                                                      money(kUnpaid[i].total),
                                                      QLatin1String(kUnpaid[i].client)};
    books.doneRefs = doneRefs;
    books.currency = QStringLiteral("GBP");
    return books;
}

inline StatementEntry credit(const char* amount, const char* ref, const QString& remittance,
                             const char* currency = "GBP")
{
    return {kBooked,    money(amount),          true, QLatin1String(currency), QLatin1String(ref),
            remittance, QStringLiteral("Payer")};
}

inline StatementEntry debit(const char* amount, const char* ref)
{
    StatementEntry entry = credit(amount, ref, QStringLiteral("Rent"));
    entry.credit = false;
    return entry;
}

// The fixture's invoices as rows of `identity` in the books of a TestEnv, each client once:
// their InvoiceIDs by number.
template <typename Env> QHash<QString, int> addUnpaid(Env& env, int identity)
{
    QHash<QString, int> clients;
    QHash<QString, int> ids;
    for (const Invoice& invoice : kUnpaid) {
        const QString client = QLatin1String(invoice.client);
        if (!clients.contains(client))
            clients.insert(client, env.addClient(client, identity));
        const Result<qint64> id = env.db.insert(
            {},
            QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, \"Date\", Paid, "
                           "BadDebt, Identity, Total) VALUES (?, ?, 46300, 0, 0, ?, ?)"),
            {clients[client], QLatin1String(invoice.number), identity,
             money(invoice.total).units()});
        ids.insert(QLatin1String(invoice.number), int(id ? *id : 0));
    }
    return ids;
}

inline Statement statement(const QList<StatementEntry>& entries)
{
    return {QStringLiteral("GB33BUKB20201555555555"), QStringLiteral("GBP"), entries};
}

} // namespace Statements
