#include "banking/StatementMatch.h"

#include "core/Database.h"
#include "core/DaySerial.h"

#include <QHash>

namespace StatementMatch {
namespace {

// "117.50": two decimals and '.', whatever the locale, as scripts read it.
QString centsText(Money amount)
{
    const qint64 units = amount.roundedToCents().units();
    const qint64 cents = (units < 0 ? -units : units) / (Money::kScale / 100);
    return QStringLiteral("%1%2.%3")
        .arg(units < 0 ? QStringLiteral("-") : QString())
        .arg(cents / 100)
        .arg(cents % 100, 2, 10, QLatin1Char('0'));
}

// Numbers are looked up as written in capitals, so a number holding letters matches
// whatever case the payer typed.
QString numberKey(const QString& text)
{
    return text.toUpper();
}

// The invoice numbers a remittance text names, each once, in the order written. A token is a
// run of letters and digits, taken whole; in a run that mixes both ("INV0100") each run of
// digits is a token as well. "10100" is one token, so it never names 0100.
QList<int> namedInvoices(const QString& remittance, const QHash<QString, int>& byNumber)
{
    QList<int> named;
    auto take = [&](const QString& token) {
        const auto found = byNumber.constFind(numberKey(token));
        if (found != byNumber.cend() && !named.contains(*found))
            named << *found;
    };
    qsizetype i = 0;
    while (i < remittance.size()) {
        if (!remittance[i].isLetterOrNumber()) {
            ++i;
            continue;
        }
        qsizetype end = i;
        bool letters = false;
        for (; end < remittance.size() && remittance[end].isLetterOrNumber(); ++end) {
            if (!remittance[end].isDigit())
                letters = true;
        }
        const QString run = remittance.mid(i, end - i);
        take(run);
        for (qsizetype d = 0; letters && d < run.size();) {
            qsizetype e = d;
            while (e < run.size() && run[e].isDigit())
                ++e;
            if (e > d)
                take(run.mid(d, e - d));
            d = e > d ? e : d + 1;
        }
        i = end;
    }
    return named;
}

QString numbersText(const QList<int>& invoices, const Books& books)
{
    QStringList numbers;
    for (int at : invoices)
        numbers << books.unpaid[at].number;
    return numbers.join(u'+');
}

class Matcher {
public:
    Matcher(const Statement& statement, const Books& books)
        : m_statement(statement)
        , m_books(books)
        , m_claimed(books.unpaid.size(), false)
    {
        for (int at = 0; at < books.unpaid.size(); ++at) {
            m_byNumber.insert(numberKey(books.unpaid[at].number), at);
            m_byTotal[books.unpaid[at].total.units()] << at;
        }
    }

    QList<Match> run()
    {
        QList<Match> matches(m_statement.entries.size());
        QList<int> byAmount;
        QSet<QString> refs;
        for (int i = 0; i < m_statement.entries.size(); ++i) {
            const StatementEntry& entry = m_statement.entries[i];
            if (!screen(entry, refs, matches[i])) {
                refs.insert(entry.bankRef);
                continue;
            }
            refs.insert(entry.bankRef);
            const QList<int> named = namedInvoices(entry.remittance, m_byNumber);
            if (named.isEmpty())
                byAmount << i;
            else
                matches[i] = byNumber(entry.amount, named);
        }
        // Amounts share out only what the numbers have left.
        for (int i : byAmount)
            matches[i] = byTotal(m_statement.entries[i].amount);
        return matches;
    }

private:
    // False, with `match` filled, for an entry that cannot pay an invoice.
    bool screen(const StatementEntry& entry, const QSet<QString>& refs, Match& match) const
    {
        if (!entry.credit) {
            match = {
                Proposal::NotPayment,
                {},
                QCoreApplication::translate("StatementMatch", "Money paid out, not a payment.")};
            return false;
        }
        if (m_books.doneRefs.contains(entry.bankRef)) {
            match = {Proposal::DoneBefore,
                     {},
                     QCoreApplication::translate("StatementMatch",
                                                 "Matched when this statement was read before.")};
            return false;
        }
        if (refs.contains(entry.bankRef)) {
            match = {
                Proposal::None,
                {},
                QCoreApplication::translate(
                    "StatementMatch", "The same bank reference comes earlier in this statement.")};
            return false;
        }
        const QString currency = entry.currency.isEmpty() ? m_statement.currency : entry.currency;
        const QString books = m_books.currency.isEmpty() ? m_statement.currency : m_books.currency;
        if (!currency.isEmpty() && !books.isEmpty() &&
            currency.compare(books, Qt::CaseInsensitive) != 0) {
            match = {
                Proposal::None,
                {},
                QCoreApplication::translate("StatementMatch", "Paid in %1; the invoices are in %2.")
                    .arg(currency.toUpper(), books)};
            return false;
        }
        if (entry.amount.units() <= 0) {
            match = {
                Proposal::None, {}, QCoreApplication::translate("StatementMatch", "No amount.")};
            return false;
        }
        return true;
    }

    Match claim(Proposal proposal, const QList<int>& invoices)
    {
        for (int at : invoices)
            m_claimed[at] = true;
        return {proposal, invoices, {}};
    }

    Match byNumber(Money amount, const QList<int>& named)
    {
        QList<int> open;
        MoneySum sum;
        for (int at : named) {
            if (m_claimed[at])
                continue;
            if (m_books.unpaid[at].total == amount)
                return claim(Proposal::Sure, {at});
            open << at;
            sum.add(m_books.unpaid[at].total);
        }
        if (open.size() > 1 && sum.value() == amount)
            return claim(Proposal::Sure, open);
        const QString numbers = numbersText(named, m_books);
        if (open.isEmpty())
            return {Proposal::None,
                    {},
                    QCoreApplication::translate("StatementMatch",
                                                "Invoice %1 is proposed for an earlier credit.")
                        .arg(numbers)};
        if (open.size() == 1 && amount < m_books.unpaid[open[0]].total)
            return {Proposal::None,
                    {},
                    QCoreApplication::translate("StatementMatch",
                                                "Partial payment of invoice %1 (total %2).")
                        .arg(numbers, centsText(m_books.unpaid[open[0]].total))};
        return {Proposal::None,
                {},
                QCoreApplication::translate("StatementMatch",
                                            "The amount is not the total of invoice %1.")
                    .arg(numbersText(open, m_books))};
    }

    Match byTotal(Money amount)
    {
        QList<int> open;
        const QList<int> all = m_byTotal.value(amount.units());
        for (int at : all) {
            if (!m_claimed[at])
                open << at;
        }
        if (open.size() == 1)
            return claim(Proposal::Likely, open);
        if (open.size() > 1)
            return {Proposal::None,
                    {},
                    QCoreApplication::translate("StatementMatch",
                                                "%1 unpaid invoices have this amount.")
                        .arg(open.size())};
        if (!all.isEmpty())
            return {Proposal::None,
                    {},
                    QCoreApplication::translate(
                        "StatementMatch",
                        "The invoice of this amount is proposed for another credit.")};
        return {
            Proposal::None,
            {},
            QCoreApplication::translate("StatementMatch", "No unpaid invoice has this amount.")};
    }

    const Statement& m_statement;
    const Books& m_books;
    QList<bool> m_claimed;
    QHash<QString, int> m_byNumber;
    QHash<qint64, QList<int>> m_byTotal;
};

} // namespace

Result<Books> readBooks(Database& db, int identity, const QString& currency)
{
    // IdxInvoicesUnpaid holds every invoice column read here; each client is one key lookup.
    const Result<QList<UnpaidInvoice>> unpaid = db.all(
        QStringLiteral("SELECT i.InvoiceID, i.InvoiceNumber, i.Total, c.Company, c.FirstName, "
                       "c.LastName FROM TblInvoices i LEFT JOIN TblClients c "
                       "ON c.ClientID = i.ClientID WHERE i.Identity = ? AND i.Paid = 0"),
        {identity}, [](const Row& r) {
            QString client = r[3].toString().trimmed();
            if (client.isEmpty())
                client = QStringLiteral("%1 %2").arg(r[4].toString(), r[5].toString()).trimmed();
            return UnpaidInvoice{r[0].toInt(), r[1].toString().trimmed(),
                                 Money::fromUnits(r[2].toLongLong()), client};
        });
    if (!unpaid)
        return Failure{unpaid.error()};
    const Result<QList<QString>> refs =
        db.all(QStringLiteral("SELECT BankRef FROM TblStatementEntries WHERE Identity = ?"),
               {identity}, [](const Row& r) { return r[0].toString(); });
    if (!refs)
        return Failure{refs.error()};
    return Books{*unpaid, QSet<QString>(refs->begin(), refs->end()), currency};
}

QList<Match> match(const Statement& statement, const Books& books)
{
    return Matcher(statement, books).run();
}

QString proposalWord(Proposal proposal)
{
    switch (proposal) {
    case Proposal::Sure:
        return QStringLiteral("sure");
    case Proposal::Likely:
        return QStringLiteral("likely");
    case Proposal::None:
        return QStringLiteral("none");
    case Proposal::NotPayment:
        return QStringLiteral("debit");
    case Proposal::DoneBefore:
        return QStringLiteral("done");
    }
    return {};
}

QString line(const StatementEntry& entry, const Match& match, const Books& books)
{
    const QString numbers =
        match.invoices.isEmpty() ? QStringLiteral("-") : numbersText(match.invoices, books);
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(proposalWord(match.proposal), numbers, centsText(entry.amount),
             entry.bookedOn.toString(Qt::ISODate), entry.bankRef);
}

Result<Applied> apply(Database& db, int identity, const QList<Accepted>& accepted, QDate today)
{
    Applied applied;
    if (accepted.isEmpty())
        return applied;
    Transaction transaction(db, Transaction::Mode::Immediate);
    if (!transaction.isActive())
        return Failure{db.errorString()};
    const QString nothing = QCoreApplication::translate(
        "StatementMatch", "Nothing was marked paid; match the statement again.");
    for (const Accepted& a : accepted) {
        const Result<bool> known = db.exists(
            QStringLiteral("SELECT 1 FROM TblStatementEntries WHERE Identity = ? AND BankRef = ?"),
            {identity, a.entry.bankRef});
        if (!known)
            return Failure{known.error()};
        if (*known)
            return Failure{QCoreApplication::translate(
                               "StatementMatch", "The bank entry %1 has been matched already.")
                               .arg(a.entry.bankRef) +
                           u' ' + nothing};
        for (const UnpaidInvoice& invoice : a.invoices) {
            const Result<qint64> changed = db.change(
                DatabaseChanges::Invoices,
                QStringLiteral("UPDATE TblInvoices SET Paid = -1, BadDebt = 0, DatePaid = ? "
                               "WHERE InvoiceID = ? AND Identity = ? AND Paid = 0"),
                {DaySerial::fromDate(a.entry.bookedOn), invoice.invoiceId, identity});
            if (!changed)
                return Failure{changed.error()};
            if (*changed != 1)
                return Failure{QCoreApplication::translate(
                                   "StatementMatch", "Invoice %1 has been marked paid meanwhile.")
                                   .arg(invoice.number) +
                               u' ' + nothing};
            ++applied.invoices;
        }
        // One row per credit: the invoice it paid, the first where it paid several.
        const Result<qint64> row = db.insert(
            {},
            QStringLiteral("INSERT INTO TblStatementEntries(Identity, BankRef, BookedOn, Amount, "
                           "InvoiceID, MatchedOn) VALUES (?, ?, ?, ?, ?, ?)"),
            {identity, a.entry.bankRef, DaySerial::fromDate(a.entry.bookedOn),
             a.entry.amount.units(),
             a.invoices.isEmpty() ? QVariant(QMetaType::fromType<int>()) : a.invoices[0].invoiceId,
             DaySerial::fromDate(today)});
        if (!row)
            return Failure{row.error()};
        ++applied.entries;
    }
    if (!transaction.commit())
        return Failure{db.errorString()};
    return applied;
}

} // namespace StatementMatch
