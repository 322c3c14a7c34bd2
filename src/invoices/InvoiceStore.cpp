#include "invoices/InvoiceStore.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/StoredText.h"

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

std::optional<QString> InvoiceStore::previousNumber(int identity) const
{
    const QVariant latest = m_db.scalar(
        QStringLiteral("SELECT max(InvoiceID) FROM TblInvoices WHERE Identity = ?"), {identity});
    const qint64 invoiceId = latest.isNull() ? 1 : latest.toLongLong();

    // Deliberately no identity condition: an identity without rows follows row 1.
    QSqlQuery q =
        m_db.prepare(QStringLiteral("SELECT InvoiceNumber FROM TblInvoices WHERE InvoiceID = ?"));
    q.addBindValue(invoiceId);
    if (!m_db.exec(q) || !q.next())
        return std::nullopt;
    return q.value(0).toString();
}

std::optional<QString> InvoiceStore::nextNumber(int identity) const
{
    const std::optional<QString> previous = previousNumber(identity);
    return previous ? numberAfter(*previous) : std::nullopt;
}

std::optional<int> InvoiceStore::insert(const InvoiceFields& fields, const QString& number,
                                        QDate date, int identity)
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
        return std::nullopt;
    return q.lastInsertId().toInt();
}

bool InvoiceStore::update(int invoiceId, const InvoiceFields& fields)
{
    return m_db.exec(QStringLiteral("UPDATE TblInvoices SET ClientID = ?, Content = ?, "
                                    "\"Value\" = ?, VAT = ?, Total = ? WHERE InvoiceID = ?"),
                     {fields.clientId, withoutSingleQuotes(fields.content), fields.value.units(),
                      fields.vat.units(), fields.total.units(), invoiceId});
}

std::optional<StoredInvoice> InvoiceStore::load(int invoiceId) const
{
    QSqlQuery q = m_db.prepare(
        QStringLiteral("SELECT ClientID, Identity, InvoiceNumber, Content, \"Value\", VAT, Total "
                       "FROM TblInvoices WHERE InvoiceID = ?"));
    q.addBindValue(invoiceId);
    if (!m_db.exec(q) || !q.next())
        return std::nullopt;
    StoredInvoice s;
    s.invoiceId = invoiceId;
    s.clientId = q.value(0).toInt();
    s.identity = q.value(1).toInt();
    s.invoiceNumber = q.value(2).toString();
    s.content = q.value(3).toString();
    s.value = moneyOf(q.value(4));
    s.vat = moneyOf(q.value(5));
    s.total = moneyOf(q.value(6));
    return s;
}

QString InvoiceStore::errorString() const
{
    return m_db.errorString();
}
