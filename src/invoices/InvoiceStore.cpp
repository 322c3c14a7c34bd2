#include "invoices/InvoiceStore.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/StoredText.h"

#include <QSqlError>
#include <QSqlQuery>
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
    // or ask for a starting number the identity does not need.
    QSqlQuery latest =
        m_db.prepare(QStringLiteral("SELECT max(InvoiceID) FROM TblInvoices WHERE Identity = ?"));
    latest.addBindValue(identity);
    if (!m_db.exec(latest))
        return Failure{m_db.errorString()};
    if (!latest.next())
        return Failure{latest.lastError().text()};
    const qint64 invoiceId = latest.value(0).isNull() ? 1 : latest.value(0).toLongLong();

    // Deliberately no identity condition: an identity without rows follows row 1.
    QSqlQuery q =
        m_db.prepare(QStringLiteral("SELECT InvoiceNumber FROM TblInvoices WHERE InvoiceID = ?"));
    q.addBindValue(invoiceId);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    if (!q.next()) {
        if (q.lastError().isValid())
            return Failure{q.lastError().text()};
        return std::optional<QString>();
    }
    return std::optional<QString>(q.value(0).toString());
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
        return Failure{QStringLiteral("The starting number %1 is not a number.").arg(*start)};

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
    if (!tx.commit()) {
        const QString reason = m_db.connection().lastError().text();
        m_db.connection().rollback(); // a failed COMMIT leaves the transaction open
        return Failure{reason};
    }
    made.invoiceId = *invoiceId;
    return made;
}

Result<int> InvoiceStore::insert(const InvoiceFields& fields, const QString& number, QDate date,
                                 int identity)
{
    QSqlQuery q = m_db.prepare(QStringLiteral(
        "INSERT INTO TblInvoices (ClientID, \"Value\", InvoiceNumber, Content, VAT, Total, "
        "\"Date\", Identity) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(fields.clientId);
    q.addBindValue(fields.value.units());
    q.addBindValue(number);
    q.addBindValue(withoutSingleQuotes(fields.content));
    q.addBindValue(fields.vat.units());
    q.addBindValue(fields.total.units());
    q.addBindValue(DaySerial::fromDate(date));
    q.addBindValue(identity);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    return q.lastInsertId().toInt();
}

Status InvoiceStore::update(int invoiceId, const InvoiceFields& fields)
{
    QSqlQuery q = m_db.prepare(QStringLiteral("UPDATE TblInvoices SET ClientID = ?, Content = ?, "
                                              "\"Value\" = ?, VAT = ?, Total = ? "
                                              "WHERE InvoiceID = ?"));
    for (const QVariant& v :
         QVariantList{fields.clientId, withoutSingleQuotes(fields.content), fields.value.units(),
                      fields.vat.units(), fields.total.units(), invoiceId})
        q.addBindValue(v);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    return Done{};
}

Result<std::optional<StoredInvoice>> InvoiceStore::load(int invoiceId) const
{
    QSqlQuery q = m_db.prepare(
        QStringLiteral("SELECT ClientID, Identity, InvoiceNumber, Content, \"Value\", VAT, Total "
                       "FROM TblInvoices WHERE InvoiceID = ?"));
    q.addBindValue(invoiceId);
    if (!m_db.exec(q))
        return Failure{m_db.errorString()};
    if (!q.next()) {
        if (q.lastError().isValid())
            return Failure{q.lastError().text()};
        return std::optional<StoredInvoice>();
    }
    StoredInvoice s;
    s.invoiceId = invoiceId;
    s.clientId = q.value(0).toInt();
    s.identity = q.value(1).toInt();
    s.invoiceNumber = q.value(2).toString();
    s.content = q.value(3).toString();
    s.value = moneyOf(q.value(4));
    s.vat = moneyOf(q.value(5));
    s.total = moneyOf(q.value(6));
    return std::optional<StoredInvoice>(s);
}
