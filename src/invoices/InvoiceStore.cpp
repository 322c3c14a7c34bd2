#include "invoices/InvoiceStore.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/StoredText.h"

#include <limits>

namespace {

// Digits only (blanks around them aside) and within 64 bits.
std::optional<qint64> readNumber(const QString& text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty())
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const qint64 n = digits.toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

Money moneyOf(const QVariant& column)
{
    return Money::fromUnits(column.toLongLong());
}

} // namespace

std::optional<QString> InvoiceStore::numberAfter(const QString& previous)
{
    const std::optional<qint64> n = readNumber(previous);
    if (!n || *n == std::numeric_limits<qint64>::max())
        return std::nullopt;
    // The successor never starts with a zero, so it always gains exactly one.
    return u'0' + QString::number(*n + 1);
}

std::optional<QString> InvoiceStore::startingNumber(const QString& answer)
{
    if (!readNumber(answer))
        return std::nullopt;
    // Kept as typed, leading zeros included: the user may want a wider number.
    return u'0' + answer.trimmed();
}

Result<std::optional<QString>> InvoiceStore::previousNumber(int identity) const
{
    // A failure here must never read as "no rows": that would number the invoice after row 1,
    // or ask for a starting number the identity does not need. One statement: on shared books
    // each is a round trip made while holding the books' write lock.
    // Deliberately no identity condition on row 1: an identity without rows follows it.
    return m_db.one(QStringLiteral("SELECT InvoiceNumber FROM TblInvoices WHERE InvoiceID = "
                                   "coalesce((SELECT max(InvoiceID) FROM TblInvoices "
                                   "WHERE Identity = ?), 1)"),
                    {identity}, [](const Row& r) { return r[0].toString(); });
}

Result<std::optional<QString>> InvoiceStore::nextNumber(int identity) const
{
    const Result<std::optional<QString>> previous = previousNumber(identity);
    if (!previous)
        return Failure{previous.error()};
    return *previous ? numberAfter(**previous) : std::nullopt;
}

Result<Creation> InvoiceStore::create(const InvoiceFields& fields, QDate date, int identity,
                                      const std::optional<QString>& start)
{
    if (start && !readNumber(*start))
        return Failure{tr("The starting number %1 is not a number.").arg(*start)};
    // On shared books another seat may win a race the write lock does not cover (a seat whose
    // transaction the server chose to end, the unique index of the numbers met): the invoice
    // is then taken again from the start, with the number that follows the winner's. The user
    // sees a conflict only when it persists.
    for (int attempt = 1;; ++attempt) {
        Result<Creation> made = createOnce(fields, date, identity, start);
        if (made || attempt == kConflictAttempts || !m_db.isServer() ||
            !kConflictCodes.contains(m_db.errorCode()))
            return made;
    }
}

Result<Creation> InvoiceStore::createOnce(const InvoiceFields& fields, QDate date, int identity,
                                          const std::optional<QString>& start)
{
    // The write lock is taken before the number is read and kept until the row is committed,
    // so nobody else can take the same number in between.
    Transaction tx(m_db, Transaction::Mode::Immediate);
    if (!tx.isActive())
        return Failure{m_db.errorString()};
    const Result<std::optional<QString>> next = nextNumber(identity);
    if (!next)
        return Failure{next.error()};

    Creation made;
    if (*next) {
        made.outcome = start ? Creation::Outcome::CreatedAfterAnother : Creation::Outcome::Created;
        made.number = **next;
    } else if (start) {
        made.outcome = Creation::Outcome::Created;
        made.number = *start;
    } else {
        return made; // nothing written; the transaction rolls back
    }

    const Result<int> invoiceId = insert(fields, made.number, date, identity);
    if (!invoiceId)
        return Failure{invoiceId.error()};
    if (!tx.commit())
        return Failure{m_db.errorString()};
    made.invoiceId = *invoiceId;
    return made;
}

Result<int> InvoiceStore::insert(const InvoiceFields& fields, const QString& number, QDate date,
                                 int identity)
{
    const Result<qint64> id = m_db.insert(
        DatabaseChanges::Invoices,
        QStringLiteral("INSERT INTO TblInvoices (ClientID, \"Value\", InvoiceNumber, Content, VAT, "
                       "Total, \"Date\", Identity) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
        {fields.clientId, fields.value.units(), number, withoutSingleQuotes(fields.content),
         fields.vat.units(), fields.total.units(), DaySerial::fromDate(date), identity});
    if (!id)
        return Failure{id.error()};
    return int(*id);
}

Status InvoiceStore::update(int invoiceId, const InvoiceFields& fields)
{
    const Result<qint64> changed =
        m_db.change(DatabaseChanges::Invoices,
                    QStringLiteral("UPDATE TblInvoices SET ClientID = ?, Content = ?, "
                                   "\"Value\" = ?, VAT = ?, Total = ? WHERE InvoiceID = ?"),
                    {fields.clientId, withoutSingleQuotes(fields.content), fields.value.units(),
                     fields.vat.units(), fields.total.units(), invoiceId});
    if (!changed)
        return Failure{changed.error()};
    return Done{};
}

Result<std::optional<StoredInvoice>> InvoiceStore::load(int invoiceId) const
{
    return m_db.one(
        QStringLiteral("SELECT ClientID, Identity, InvoiceNumber, Content, \"Value\", VAT, Total "
                       "FROM TblInvoices WHERE InvoiceID = ?"),
        {invoiceId}, [invoiceId](const Row& r) {
            StoredInvoice s;
            s.invoiceId = invoiceId;
            s.clientId = r[0].toInt();
            s.identity = r[1].toInt();
            s.invoiceNumber = r[2].toString();
            s.content = r[3].toString();
            s.value = moneyOf(r[4]);
            s.vat = moneyOf(r[5]);
            s.total = moneyOf(r[6]);
            return s;
        });
}
