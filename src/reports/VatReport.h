#pragma once

#include "core/GridData.h"
#include "core/Result.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

class Database;
class LocaleText;

// The VAT return of a period: the lists its period is chosen from, and the current identity's
// invoices paid in it.
namespace VatReport {

// The first year offered when there are no invoices at all.
constexpr int kFirstYearWithoutInvoices = 2003;

// The year of the earliest invoice of any identity; kFirstYearWithoutInvoices when there is
// none or its date is no date.
Result<int> firstYear(Database& db);

// The items of the six period lists: days "01" to "31", the locale's month names, and the years
// from firstYear to lastYear (only lastYear when firstYear comes after it).
struct PeriodLists {
    QStringList days;
    QStringList months;
    QStringList years;
};
PeriodLists periodLists(int firstYear, int lastYear, const LocaleText& locale);

// One end of the period from the texts of its three lists; nullopt for an impossible date such
// as 31 February, or texts that are not the lists' items.
std::optional<QDate> periodDate(const QString& day, const QString& month, const QString& year,
                                const LocaleText& locale);

struct Statement {
    QString sql;
    QVariantList values;
};

// Columns: Date, InvoiceNumber, Company, Content, Value, VAT, DatePaid. The identity's paid
// invoices whose payment falls on `first`, `last` or a day between, whatever time of day the
// payment date carries, in order of payment; invoices whose client is gone are not listed.
Statement paidInvoicesStatement(int identity, QDate first, QDate last);
const GridShape& gridShape();
// The statement read into grid data for that identity (refused past the cell limit). A start
// after the end gives no rows.
Result<GridData> paidInvoices(Database& db, const GridContext& context, int identity, QDate first,
                              QDate last);

} // namespace VatReport
