#include "invoices/InvoiceList.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/GridData.h"
#include "core/LocaleText.h"
#include "core/Session.h"

#include <QSqlError>
#include <QSqlQuery>
#include <memory>
#include <optional>
#include <sqlite3.h>

namespace InvoiceList {

namespace {

// An inner join: the condition on InvoiceNumber already drops the rows a left join from the
// clients would add, so the rows are the same, and the planner may start from the invoices'
// indexes. Per-client views name TblInvoices.ClientID, equal to TblClients.ClientID by the join.
const QString kColumns = QStringLiteral(
    "SELECT TblInvoices.InvoiceID, TblInvoices.\"Date\", TblInvoices.InvoiceNumber, "
    "TblClients.Company, TblInvoices.Content, TblInvoices.\"Value\", TblInvoices.VAT, "
    "TblInvoices.Total, TblInvoices.Paid, TblInvoices.DatePaid");
const QString kFrom = QStringLiteral(
    " FROM TblInvoices JOIN TblClients ON TblClients.ClientID = TblInvoices.ClientID "
    "WHERE TblInvoices.InvoiceNumber IS NOT NULL AND TblInvoices.Identity = ?");

const QString kByDateThenId =
    QStringLiteral(" ORDER BY TblInvoices.\"Date\", TblInvoices.InvoiceID");
const QString kById = QStringLiteral(" ORDER BY TblInvoices.InvoiceID");
const QString kByDateThenNumber =
    QStringLiteral(" ORDER BY TblInvoices.\"Date\", TblInvoices.InvoiceNumber");
const QString kByNumber = QStringLiteral(" ORDER BY TblInvoices.InvoiceNumber");

// "Paid = 0" is written as the partial indexes of the unpaid rows say it, so they are used.
const QString kPaid = QStringLiteral(" AND TblInvoices.Paid = -1");
const QString kUnpaid = QStringLiteral(" AND TblInvoices.Paid = 0");
const QString kNoBadDebt = QStringLiteral(" AND TblInvoices.BadDebt = 0");
const QString kClient = QStringLiteral(" AND TblInvoices.ClientID = ?");
const QString kNotClient = QStringLiteral(" AND TblInvoices.ClientID <> ?");

QString paymentCondition(Filter filter)
{
    switch (filter) {
    case Filter::All:
        return {};
    case Filter::Paid:
        return kPaid;
    case Filter::Unpaid:
        return kUnpaid;
    }
    return {};
}

struct Parts {
    QString where; // after kFrom
    QString order;
    QVariantList values; // kFrom's identity first
};

Parts parts(const Request& r)
{
    Parts p;
    p.values << r.identity;
    switch (r.trigger) {
    case Trigger::Option:
    case Trigger::BadDebtBox: {
        // The paid list shows bad debts whatever the box says: a paid invoice is no bad debt.
        const bool hide = r.hideBadDebts && r.filter != Filter::Paid;
        p.where = paymentCondition(r.filter) + (hide ? kNoBadDebt : QString());
        const bool byNumber = r.trigger == Trigger::BadDebtBox;
        if (r.filter == Filter::All)
            p.order = byNumber ? kByDateThenNumber : kByDateThenId;
        else
            p.order = byNumber ? kByNumber : kById;
        break;
    }
    case Trigger::ClientChosen:
        p.where = (r.hideBadDebts ? kNoBadDebt : QString()) + kClient;
        p.values << r.clientId;
        p.order = kByDateThenNumber;
        break;
    case Trigger::CompanyOption:
        p.where = kClient + paymentCondition(r.filter);
        p.values << r.clientId;
        p.order = kByDateThenId;
        break;
    case Trigger::ExcludeClient:
        p.where = paymentCondition(r.filter) + kNotClient;
        p.values << r.clientId;
        p.order = r.filter == Filter::All ? kByDateThenNumber : kByNumber;
        break;
    }
    return p;
}

} // namespace

int maxRows()
{
    // The header row counts as a row of cells.
    return int(GridData::kCellLimit / ColumnCount) - 1;
}

Statement statement(const Request& r)
{
    Parts p = parts(r);
    p.values << maxRows() + 1;
    return {kColumns + kFrom + p.where + p.order + QStringLiteral(" LIMIT ?"), p.values};
}

Statement countStatement(const Request& r)
{
    Parts p = parts(r);
    p.values << maxRows() + 1;
    return {QStringLiteral("SELECT count(*) FROM (SELECT 1") + kFrom + p.where +
                QStringLiteral(" LIMIT ?)"),
            p.values};
}

Result<GridData> load(const Session& session, const Request& request)
{
    Database& db = session.db();
    // The identity-wide lists of all or of paid invoices are most often too large to show:
    // they are counted first on the indexes, so they are refused without reading their rows.
    // The other views are read at once; a read still stops at the cell limit.
    const bool usuallyTooLarge =
        (request.trigger == Trigger::Option || request.trigger == Trigger::BadDebtBox ||
         request.trigger == Trigger::ExcludeClient) &&
        request.filter != Filter::Unpaid;
    if (usuallyTooLarge) {
        const Statement counting = countStatement(request);
        QSqlQuery count = db.prepare(counting.sql);
        for (const QVariant& v : counting.values)
            count.addBindValue(v);
        if (!db.exec(count) || !count.next())
            return Failure{db.errorString()};
        if (count.value(0).toLongLong() > maxRows())
            return GridData::tooManyRecords();
    }

    // The rows are read straight from SQLite into the grid's columns: through QSqlQuery every
    // cell would cost a QVariant, most of the time of a long list.
    sqlite3* connection = db.sqliteHandle();
    if (!connection)
        return Failure{QStringLiteral("The database connection is not an SQLite one.")};
    const Statement rows = statement(request);
    sqlite3_stmt* prepared = nullptr;
    const QByteArray sql = rows.sql.toUtf8();
    // Worded as Qt's driver words a failed statement, as every other database error is shown.
    const auto failed = [connection] {
        return Failure{QString::fromUtf8(sqlite3_errmsg(connection)) +
                       QStringLiteral(" Unable to execute statement")};
    };
    if (sqlite3_prepare_v2(connection, sql.constData(), int(sql.size()), &prepared, nullptr) !=
        SQLITE_OK)
        return failed();
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> finalize(prepared,
                                                                         sqlite3_finalize);
    // Every value of these statements is a whole number: identity, client, limit.
    for (int i = 0; i < rows.values.size(); ++i) {
        if (sqlite3_bind_int64(prepared, i + 1, rows.values[i].toLongLong()) != SQLITE_OK)
            return failed();
    }
    return GridData::fromStatement(prepared, session, gridShape());
}

const GridShape& gridShape()
{
    using K = GridColumn::Kind;
    static const GridShape shape{{{K::Key},
                                  {K::Date},
                                  {K::Text},
                                  {K::Text},
                                  {K::Text},
                                  {K::Money},
                                  {K::Money},
                                  {K::Money},
                                  {K::YesNo},
                                  {K::Date}},
                                 OverdueRule{ColDate, ColPaid, 30}};
    return shape;
}

bool markPaid(Database& db, int invoiceId, QDate today)
{
    return db.exec(QStringLiteral("UPDATE TblInvoices SET Paid = -1, BadDebt = 0, DatePaid = ? "
                                  "WHERE InvoiceID = ?"),
                   {DaySerial::fromDate(today), invoiceId});
}

bool markUnpaid(Database& db, int invoiceId)
{
    return db.exec(
        QStringLiteral("UPDATE TblInvoices SET Paid = 0, DatePaid = NULL WHERE InvoiceID = ?"),
        {invoiceId});
}

Result<std::optional<InvoiceSummary>> summary(Database& db, int invoiceId)
{
    QSqlQuery q = db.prepare(QStringLiteral(
        "SELECT InvoiceNumber, Paid, ClientID FROM TblInvoices WHERE InvoiceID = ?"));
    q.addBindValue(invoiceId);
    if (!db.exec(q))
        return Failure{db.errorString()};
    if (!q.next())
        return std::optional<InvoiceSummary>();
    return std::optional<InvoiceSummary>(
        InvoiceSummary{q.value(0).toString(), q.value(1).toInt() != 0, q.value(2).toInt()});
}

BadDebtOutcome markBadDebt(Database& db, int invoiceId)
{
    const auto invoice = summary(db, invoiceId);
    if (!invoice)
        return BadDebtOutcome::Failed;
    if (!*invoice)
        return BadDebtOutcome::NoSuchInvoice;
    if ((*invoice)->paid)
        return BadDebtOutcome::AlreadyPaid;
    return db.exec(QStringLiteral("UPDATE TblInvoices SET BadDebt = -1 WHERE InvoiceID = ?"),
                   {invoiceId})
               ? BadDebtOutcome::Marked
               : BadDebtOutcome::Failed;
}

bool remove(Database& db, int invoiceId)
{
    return db.exec(QStringLiteral("DELETE FROM TblInvoices WHERE InvoiceID = ?"), {invoiceId});
}

QString paidDateText(QDate date, const LocaleText& locale)
{
    return QStringLiteral("%1 %2 %3")
        .arg(date.day())
        .arg(locale.monthName(date.month()))
        .arg(date.year());
}

} // namespace InvoiceList
