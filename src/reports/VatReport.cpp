#include "reports/VatReport.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/LocaleText.h"

#include <QSqlError>
#include <QSqlQuery>

namespace VatReport {

Result<int> firstYear(Database& db)
{
    // The earliest date of each identity is one step into the index of (Identity, Date), and
    // the identities are walked on the same index one step each: a million invoices cost a few
    // lookups, where a plain min("Date") would read the whole index at every start-up. Rows
    // without an identity count too.
    QSqlQuery q = db.prepare(QStringLiteral(
        "WITH RECURSIVE ids(id) AS (SELECT min(Identity) FROM TblInvoices UNION ALL SELECT "
        "(SELECT min(Identity) FROM TblInvoices WHERE Identity > id) FROM ids WHERE id IS NOT "
        "NULL) SELECT min(first) FROM (SELECT (SELECT min(\"Date\") FROM TblInvoices WHERE "
        "Identity = id) AS first FROM ids WHERE id IS NOT NULL UNION ALL SELECT min(\"Date\") "
        "FROM TblInvoices WHERE Identity IS NULL) AS Firsts"));
    if (!db.exec(q))
        return Failure{db.errorString()};
    if (!q.next()) {
        if (q.lastError().isValid())
            return Failure{q.lastError().text()};
        return kFirstYearWithoutInvoices;
    }
    bool ok = false;
    const double serial = q.value(0).toDouble(&ok);
    if (q.value(0).isNull() || !ok || !DaySerial::isDaySerial(serial))
        return kFirstYearWithoutInvoices;
    return DaySerial::toDate(serial).year();
}

PeriodLists periodLists(int firstYear, int lastYear, const LocaleText& locale)
{
    PeriodLists lists;
    for (int day = 1; day <= 31; ++day)
        lists.days << QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
    for (int month = 1; month <= 12; ++month)
        lists.months << locale.monthName(month);
    for (int year = std::min(firstYear, lastYear); year <= lastYear; ++year)
        lists.years << QString::number(year);
    return lists;
}

std::optional<QDate> periodDate(const QString& day, const QString& month, const QString& year,
                                const LocaleText& locale)
{
    // The lists' own items are read back by position, so the month names of any language and
    // calendar need no parsing.
    const PeriodLists names = periodLists(0, 0, locale);
    const qsizetype d = names.days.indexOf(day);
    const qsizetype m = names.months.indexOf(month);
    bool ok = false;
    const int y = year.toInt(&ok);
    if (d < 0 || m < 0 || !ok || y < 100 || y > 9999)
        return std::nullopt;
    const QDate date(y, int(m) + 1, int(d) + 1);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

Statement paidInvoicesStatement(int identity, QDate first, QDate last)
{
    // Served by the index of (Identity, Paid, DatePaid): the range is read in payment order, and
    // InvoiceID, the rowid, orders the payments of one day without a sort.
    return {QStringLiteral(
                "SELECT TblInvoices.\"Date\", TblInvoices.InvoiceNumber, TblClients.Company, "
                "TblInvoices.Content, TblInvoices.\"Value\", TblInvoices.VAT, "
                "TblInvoices.DatePaid FROM TblInvoices JOIN TblClients ON TblClients.ClientID = "
                "TblInvoices.ClientID WHERE TblInvoices.Identity = ? AND TblInvoices.Paid = -1 "
                "AND TblInvoices.DatePaid >= ? AND TblInvoices.DatePaid < ? ORDER BY "
                "TblInvoices.DatePaid, TblInvoices.InvoiceID"),
            {identity, DaySerial::fromDate(first), DaySerial::fromDate(last) + 1}};
}

const GridShape& gridShape()
{
    using K = GridColumn::Kind;
    static const GridShape shape{
        {{K::Date}, {K::Text}, {K::Text}, {K::Text}, {K::Money}, {K::Money}, {K::Date}},
        std::nullopt};
    return shape;
}

Result<GridData> paidInvoices(Database& db, const GridContext& context, int identity, QDate first,
                              QDate last)
{
    // Read as the invoice list is, without a QVariant per cell on a file: a quarter of a busy
    // business is thousands of rows.
    const Statement s = paidInvoicesStatement(identity, first, last);
    return GridData::read(db, context, s.sql, s.values, gridShape());
}

} // namespace VatReport
