#pragma once

#include <QDate>
#include <QString>
#include <QVariantList>
#include <optional>

class Database;
class LocaleText;
struct GridShape;

// The invoice list of the Find Invoices tab: which statement each way of viewing runs, and the
// status changes made from a row's menu.
namespace InvoiceList {

enum class Filter { All, Paid, Unpaid };

// What asked for the list. Each asks with its own filters and order, as users have long seen it.
enum class Trigger {
    Option,        // an identity-wide option chosen (Show All / Paid / UnPaid)
    BadDebtBox,    // "Hide Bad Debts" ticked or unticked
    ClientChosen,  // a client chosen in the company list
    CompanyOption, // a per-client option chosen
    ExcludeClient, // "Exclude This Client" from a row's menu
};

struct Request {
    Trigger trigger = Trigger::Option;
    Filter filter = Filter::Unpaid;
    bool hideBadDebts = true;
    int clientId = 0; // the chosen client, or the one excluded
    int identity = 0;
};

struct Statement {
    QString sql;
    QVariantList values;
};

// Columns, by index: InvoiceID, Date, InvoiceNumber, Company, Content, Value, VAT, Total, Paid,
// DatePaid. The list starts from the clients, so invoices whose client is gone, and an
// identity's starting row (client 0), never show.
Statement statement(const Request& request);

enum Column {
    ColInvoiceId,
    ColDate,
    ColInvoiceNumber,
    ColCompany,
    ColContent,
    ColValue,
    ColVat,
    ColTotal,
    ColPaid,
    ColDatePaid,
    ColumnCount
};

// How the list's columns are shown: money, dates, the paid flag, and old unpaid dates in red.
const GridShape& gridShape();

bool markPaid(Database& db, int invoiceId, QDate today);
bool markUnpaid(Database& db, int invoiceId);

enum class BadDebtOutcome { Marked, AlreadyPaid, NoSuchInvoice, Failed };
BadDebtOutcome markBadDebt(Database& db, int invoiceId);

struct InvoiceSummary {
    QString invoiceNumber;
    bool paid = false;
    int clientId = 0;
};
std::optional<InvoiceSummary> summary(Database& db, int invoiceId);
bool remove(Database& db, int invoiceId);

// How a paid date is written into the list after "Mark as Paid": "3 December 2026".
QString paidDateText(QDate date, const LocaleText& locale);

} // namespace InvoiceList
