#include "reports/VatReport.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/LocaleText.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <memory>
#include <sqlite3.h>

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
        "FROM TblInvoices WHERE Identity IS NULL)"));
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
    // Read straight from SQLite into the grid's columns, as the invoice list is: a quarter of a
    // busy business is thousands of rows.
    sqlite3* connection = db.sqliteHandle();
    if (!connection)
        return Failure{QCoreApplication::translate(
            "VatReport", "The database connection is not an SQLite one.")};
    const Statement s = paidInvoicesStatement(identity, first, last);
    const QByteArray sql = s.sql.toUtf8();
    const auto failed = [connection] {
        return Failure{QString::fromUtf8(sqlite3_errmsg(connection)) + u' ' +
                       QCoreApplication::translate("QSQLiteResult", "Unable to execute statement")};
    };
    sqlite3_stmt* prepared = nullptr;
    if (sqlite3_prepare_v2(connection, sql.constData(), int(sql.size()), &prepared, nullptr) !=
        SQLITE_OK)
        return failed();
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> finalize(prepared,
                                                                         sqlite3_finalize);
    // The identity is a whole number, the ends of the period day serials.
    if (sqlite3_bind_int64(prepared, 1, s.values[0].toLongLong()) != SQLITE_OK ||
        sqlite3_bind_double(prepared, 2, s.values[1].toDouble()) != SQLITE_OK ||
        sqlite3_bind_double(prepared, 3, s.values[2].toDouble()) != SQLITE_OK)
        return failed();
    return GridData::fromStatement(prepared, context, gridShape());
}

} // namespace VatReport
