#include "invoices/InvoiceList.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/GridData.h"
#include "core/LocaleText.h"

#include <QCoreApplication>
#include <QSet>
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
// The follow-up columns after them, when asked for: no reminder yet shows an empty cell.
const QString kFollowUpColumns =
    QStringLiteral(", TblInvoices.SentOn, NULLIF(TblInvoices.ReminderLevel, 0) AS ReminderLevel, "
                   "TblInvoices.RemindedOn");
// The key and the totalled columns, the grid's columns kKeyColumnsFill, then the client; the
// others are read per page of rows shown. The join with the clients is made in code, from a set
// of their ids: a lookup per row in the clients' table costs a quarter of the reading.
const QString kKeyColumns = QStringLiteral(
    "SELECT TblInvoices.InvoiceID, TblInvoices.\"Value\", TblInvoices.VAT, TblInvoices.Total, "
    "TblInvoices.ClientID");
const QString kKeyFrom = QStringLiteral(
    " FROM TblInvoices WHERE TblInvoices.InvoiceNumber IS NOT NULL AND TblInvoices.Identity = ?");
const QList<int> kKeyColumnsFill = {ColInvoiceId, ColValue, ColVat, ColTotal};
// The names kColumns gives its columns.
// Field names; the grid shows them translated, exports as they are.
const QStringList kHeader = {
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "InvoiceID")),
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "Date")),
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "InvoiceNumber")),
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "Company")),
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "Content")),
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "Value")),
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "VAT")),
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "Total")),
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "Paid")),
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "DatePaid")),
};
const QStringList kFollowUpHeader = {
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "SentOn")),
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "ReminderLevel")),
    QStringLiteral(QT_TRANSLATE_NOOP("GridHeading", "RemindedOn")),
};

QString columns(bool followUp)
{
    return followUp ? kColumns + kFollowUpColumns : kColumns;
}

QStringList header(bool followUp)
{
    return followUp ? kHeader + kFollowUpHeader : kHeader;
}
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

int maxRows(bool followUp)
{
    // The header row counts as a row of cells.
    return int(GridData::kCellLimit / (followUp ? ColumnCount : ColFollowUpStart)) - 1;
}

Statement statement(const Request& r)
{
    Parts p = parts(r);
    p.values << maxRows(r.followUp) + 1;
    return {columns(r.followUp) + kFrom + p.where + p.order + QStringLiteral(" LIMIT ?"), p.values};
}

Statement countStatement(const Request& r)
{
    Parts p = parts(r);
    p.values << maxRows(r.followUp) + 1;
    return {QStringLiteral("SELECT count(*) FROM (SELECT 1") + kFrom + p.where +
                QStringLiteral(" LIMIT ?) AS Counted"),
            p.values};
}

Statement keysStatement(const Request& r)
{
    // No limit: rows whose client is gone are left out after reading, and the reading stops at
    // the cell limit.
    const Parts p = parts(r);
    return {kKeyColumns + kKeyFrom + p.where + p.order, p.values};
}

Statement joinedKeysStatement(const Request& r)
{
    const Parts p = parts(r);
    return {kKeyColumns + kFrom + p.where + p.order, p.values};
}

QString rowsByKeySql(bool onServer, bool followUp)
{
    // Left joins from the ids, so every id keeps its place even when its invoice or client has
    // gone meanwhile. A file reads the ids from a JSON array, a server from an array literal:
    // each numbers them in the order given.
    const QString wanted =
        onServer ? QStringLiteral(" FROM unnest(CAST(? AS BIGINT[])) WITH ORDINALITY AS "
                                  "Wanted(value, key)")
                 : QStringLiteral(" FROM json_each(?) AS Wanted");
    return columns(followUp) + wanted +
           QStringLiteral(" LEFT JOIN TblInvoices ON TblInvoices.InvoiceID = Wanted.value"
                          " LEFT JOIN TblClients ON TblClients.ClientID = TblInvoices.ClientID"
                          " ORDER BY Wanted.key");
}

namespace {

// A statement of ours prepared straight on SQLite, its values bound; finalized when it goes.
using Prepared = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

// Worded as Qt's driver words a failed statement, as every other database error is shown.
Failure sqliteFailure(sqlite3* connection)
{
    return Failure{QString::fromUtf8(sqlite3_errmsg(connection)) + u' ' +
                   QCoreApplication::translate("QSQLiteResult", "Unable to execute statement")};
}

Result<Prepared> prepare(const Database& db, const QString& sql)
{
    sqlite3* connection = db.sqliteHandle();
    if (!connection)
        return Failure{QCoreApplication::translate(
            "InvoiceList", "The database connection is not an SQLite one.")};
    sqlite3_stmt* prepared = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(connection, text.constData(), int(text.size()), &prepared, nullptr) !=
        SQLITE_OK)
        return sqliteFailure(connection);
    return Prepared(prepared, sqlite3_finalize);
}

// The rows of the given invoices, in the order given.
Result<GridData> rowsByKey(Database& db, const GridContext& context, const QList<qint64>& keys,
                           bool followUp)
{
    QStringList ids;
    ids.reserve(keys.size());
    for (qint64 key : keys)
        ids << QString::number(key);
    const QString list =
        db.isServer() ? u'{' + ids.join(u',') + u'}' : u'[' + ids.join(u',') + u']';
    return GridData::read(db, context, rowsByKeySql(db.isServer(), followUp), {list},
                          gridShape(followUp));
}

// The skeleton on a server: the join with the clients is the server's, which makes it next to
// the rows without sending every client's id.
Result<GridData> serverSkeleton(Database& db, const GridContext& context, const Request& request)
{
    const Statement keys = joinedKeysStatement(request);
    Result<Result<GridData>> read = db.query(keys.sql, keys.values, [&](QSqlQuery& q) {
        return GridData::skeletonFromQuery(q, context, header(request.followUp),
                                           gridShape(request.followUp), kKeyColumnsFill);
    });
    return read ? *read : Result<GridData>(Failure{read.error()});
}

} // namespace

Result<PagedGrid> open(Database& db, const GridContext& context, const Request& request)
{
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
        if (count.value(0).toLongLong() > maxRows(request.followUp))
            return PagedGrid(GridData::tooManyRecords());
    }

    if (db.isServer()) {
        Result<GridData> skeleton = serverSkeleton(db, context, request);
        if (!skeleton)
            return Failure{skeleton.error()};
        return PagedGrid(std::move(*skeleton),
                         [&db, context, followUp = request.followUp](const QList<qint64>& wanted) {
                             return rowsByKey(db, context, wanted, followUp);
                         });
    }

    // Every client's id, for the join made in code: the rows are those of an inner join on
    // ClientID, an INTEGER column, so only whole numbers can match.
    Result<Prepared> clientIds = prepare(db, QStringLiteral("SELECT ClientID FROM TblClients"));
    if (!clientIds)
        return Failure{clientIds.error()};
    QSet<qint64> clients;
    int step;
    while ((step = sqlite3_step(clientIds->get())) == SQLITE_ROW)
        clients.insert(sqlite3_column_int64(clientIds->get(), 0));
    if (step != SQLITE_DONE)
        return sqliteFailure(db.sqliteHandle());

    // The keys and the amounts are read straight from SQLite into the grid's columns: through
    // QSqlQuery every cell would cost a QVariant. The rest of each row is read when shown.
    const Statement keys = keysStatement(request);
    Result<Prepared> prepared = prepare(db, keys.sql);
    if (!prepared)
        return Failure{prepared.error()};
    // Every value of these statements is a whole number: identity, client.
    for (int i = 0; i < keys.values.size(); ++i) {
        if (sqlite3_bind_int64(prepared->get(), i + 1, keys.values[i].toLongLong()) != SQLITE_OK)
            return sqliteFailure(db.sqliteHandle());
    }
    const int clientColumn = int(kKeyColumnsFill.size());
    Result<GridData> skeleton = GridData::skeletonFromStatement(
        prepared->get(), context, header(request.followUp), gridShape(request.followUp),
        kKeyColumnsFill, [&clients, clientColumn](sqlite3_stmt* row) {
            return sqlite3_column_type(row, clientColumn) == SQLITE_INTEGER &&
                   clients.contains(sqlite3_column_int64(row, clientColumn));
        });
    if (!skeleton)
        return Failure{skeleton.error()};
    return PagedGrid(std::move(*skeleton),
                     [&db, context, followUp = request.followUp](const QList<qint64>& wanted) {
                         return rowsByKey(db, context, wanted, followUp);
                     });
}

Result<GridData> load(Database& db, const GridContext& context, const Request& request)
{
    Result<PagedGrid> grid = open(db, context, request);
    if (!grid)
        return Failure{grid.error()};
    GridData rows = grid->all();
    if (!grid->readError().isEmpty())
        return Failure{grid->readError()};
    return rows;
}

const GridShape& gridShape(bool followUp)
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
    static const GridShape withFollowUp = [] {
        GridShape more = shape;
        more.columns << GridColumn{K::Date} << GridColumn{K::Number} << GridColumn{K::Date};
        return more;
    }();
    return followUp ? withFollowUp : shape;
}

bool markPaid(Database& db, int invoiceId, QDate today)
{
    return db
        .change(DatabaseChanges::Invoices,
                QStringLiteral("UPDATE TblInvoices SET Paid = -1, BadDebt = 0, DatePaid = ? "
                               "WHERE InvoiceID = ?"),
                {DaySerial::fromDate(today), invoiceId})
        .ok();
}

bool markUnpaid(Database& db, int invoiceId)
{
    return db
        .change(DatabaseChanges::Invoices,
                QStringLiteral("UPDATE TblInvoices SET Paid = 0, DatePaid = NULL "
                               "WHERE InvoiceID = ?"),
                {invoiceId})
        .ok();
}

Result<std::optional<InvoiceSummary>> summary(Database& db, int invoiceId)
{
    return db.one(
        QStringLiteral("SELECT InvoiceNumber, Paid, ClientID FROM TblInvoices WHERE InvoiceID = ?"),
        {invoiceId}, [](const Row& r) {
            return InvoiceSummary{r[0].toString(), r[1].toInt() != 0, r[2].toInt()};
        });
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
    return db.change(DatabaseChanges::Invoices,
                     QStringLiteral("UPDATE TblInvoices SET BadDebt = -1 WHERE InvoiceID = ?"),
                     {invoiceId})
               ? BadDebtOutcome::Marked
               : BadDebtOutcome::Failed;
}

bool remove(Database& db, int invoiceId)
{
    return db
        .change(DatabaseChanges::Invoices,
                QStringLiteral("DELETE FROM TblInvoices WHERE InvoiceID = ?"), {invoiceId})
        .ok();
}

QString paidDateText(QDate date, const LocaleText& locale)
{
    return QStringLiteral("%1 %2 %3")
        .arg(date.day())
        .arg(locale.monthName(date.month()))
        .arg(date.year());
}

} // namespace InvoiceList
