#include "invoices/InvoiceList.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/GridData.h"
#include "core/LocaleText.h"

namespace InvoiceList {

namespace {

const QString kSelect = QStringLiteral(
    "SELECT TblInvoices.InvoiceID, TblInvoices.\"Date\", TblInvoices.InvoiceNumber, "
    "TblClients.Company, TblInvoices.Content, TblInvoices.\"Value\", TblInvoices.VAT, "
    "TblInvoices.Total, TblInvoices.Paid, TblInvoices.DatePaid "
    "FROM TblClients LEFT JOIN TblInvoices ON TblClients.ClientID = TblInvoices.ClientID "
    "WHERE TblInvoices.InvoiceNumber IS NOT NULL");

const QString kByDateThenId =
    QStringLiteral(" ORDER BY TblInvoices.\"Date\", TblInvoices.InvoiceID");
const QString kById = QStringLiteral(" ORDER BY TblInvoices.InvoiceID");
const QString kByDateThenNumber =
    QStringLiteral(" ORDER BY TblInvoices.\"Date\", TblInvoices.InvoiceNumber");
const QString kByNumber = QStringLiteral(" ORDER BY TblInvoices.InvoiceNumber");

const QString kPaid = QStringLiteral(" AND TblInvoices.Paid = -1");
const QString kUnpaid = QStringLiteral(" AND TblInvoices.Paid = 0");
const QString kNoBadDebt = QStringLiteral(" AND TblInvoices.BadDebt = 0");

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

} // namespace

Statement statement(const Request& r)
{
    QString where;
    QString order;
    QVariantList values;
    switch (r.trigger) {
    case Trigger::Option:
    case Trigger::BadDebtBox: {
        // The paid list shows bad debts whatever the box says: a paid invoice is no bad debt.
        const bool hide = r.hideBadDebts && r.filter != Filter::Paid;
        where = paymentCondition(r.filter) + (hide ? kNoBadDebt : QString());
        const bool byNumber = r.trigger == Trigger::BadDebtBox;
        if (r.filter == Filter::All)
            order = byNumber ? kByDateThenNumber : kByDateThenId;
        else
            order = byNumber ? kByNumber : kById;
        break;
    }
    case Trigger::ClientChosen:
        where = (r.hideBadDebts ? kNoBadDebt : QString()) +
                QStringLiteral(" AND TblClients.ClientID = ?");
        values << r.clientId;
        order = kByDateThenNumber;
        break;
    case Trigger::CompanyOption:
        where = QStringLiteral(" AND TblClients.ClientID = ?") + paymentCondition(r.filter);
        values << r.clientId;
        order = kByDateThenId;
        break;
    case Trigger::ExcludeClient:
        where = paymentCondition(r.filter) + QStringLiteral(" AND TblInvoices.ClientID <> ?");
        values << r.clientId;
        order = r.filter == Filter::All ? kByDateThenNumber : kByNumber;
        break;
    }
    values << r.identity;
    return {kSelect + where + QStringLiteral(" AND TblInvoices.Identity = ?") + order, values};
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

std::optional<InvoiceSummary> summary(Database& db, int invoiceId)
{
    QSqlQuery q = db.prepare(QStringLiteral(
        "SELECT InvoiceNumber, Paid, ClientID FROM TblInvoices WHERE InvoiceID = ?"));
    q.addBindValue(invoiceId);
    if (!db.exec(q) || !q.next())
        return std::nullopt;
    return InvoiceSummary{q.value(0).toString(), q.value(1).toInt() != 0, q.value(2).toInt()};
}

BadDebtOutcome markBadDebt(Database& db, int invoiceId)
{
    const auto invoice = summary(db, invoiceId);
    if (!invoice)
        return BadDebtOutcome::NoSuchInvoice;
    if (invoice->paid)
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
