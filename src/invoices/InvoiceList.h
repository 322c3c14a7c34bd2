#pragma once

#include "core/GridData.h"
#include "core/Result.h"

#include <QDate>
#include <QString>
#include <QVariantList>
#include <optional>

class Database;
class LocaleText;

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
    // With the follow-up columns: when each invoice was e-mailed, its last reminder's level and
    // day.
    bool followUp = false;
};

struct Statement {
    QString sql;
    QVariantList values;
};

// The most rows a view may have and still be shown (the grid's cell limit over its columns).
int maxRows(bool followUp = false);

// Columns, by index: InvoiceID, Date, InvoiceNumber, Company, Content, Value, VAT, Total, Paid,
// DatePaid, then with followUp SentOn, ReminderLevel, RemindedOn. Only invoices of an existing
// client show, so invoices whose client is gone, and an identity's starting row (client 0), never
// do. At most maxRows() + 1 rows are returned.
Statement statement(const Request& request);
// The number of rows of the view, counted no further than maxRows() + 1.
Statement countStatement(const Request& request);
// The rows of statement() in the same order, with only the key, the money columns (what the
// row count and the totals row need) and the ClientID; without the join, so rows whose client
// is gone are among them, to be left out by the reader; without a limit.
Statement keysStatement(const Request& request);
// keysStatement with the clients joined, as a server reads it: no row whose client is gone.
Statement joinedKeysStatement(const Request& request);
// The list's columns of the invoices whose ids are given as one value bound, a JSON array on a
// file ([1,2]), an array literal on a server ({1,2}); one row per id in the order given; an id
// no longer found gives a row of Nulls.
QString rowsByKeySql(bool onServer, bool followUp = false);

// The view as the grid shows it: its keys, row count and totals read at once, the other cells
// a page at a time as they are shown. Refused (GridData::Outcome::TooManyRecords) without
// reading its rows when it has more than maxRows(), or the database's error. The database must
// outlive the result, which reads from it as rows are shown.
Result<PagedGrid> open(Database& db, const GridContext& context, const Request& request);
// The same with every row read: for exports and checks that need them all.
Result<GridData> load(Database& db, const GridContext& context, const Request& request);

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
    ColSentOn, // the follow-up columns, shown when asked for
    ColReminderLevel,
    ColRemindedOn,
    ColumnCount,
    ColFollowUpStart = ColSentOn,
};

// How the list's columns are shown: money, dates, the paid flag, and old unpaid dates in red.
const GridShape& gridShape(bool followUp = false);

bool markPaid(Database& db, int invoiceId, QDate today);
bool markUnpaid(Database& db, int invoiceId);

enum class BadDebtOutcome { Marked, AlreadyPaid, NoSuchInvoice, Failed };
// Failed leaves the reason in db.errorString().
BadDebtOutcome markBadDebt(Database& db, int invoiceId);

struct InvoiceSummary {
    QString invoiceNumber;
    bool paid = false;
    int clientId = 0;
};
// nullopt when there is no such invoice (deleted meanwhile, perhaps in another window).
Result<std::optional<InvoiceSummary>> summary(Database& db, int invoiceId);
bool remove(Database& db, int invoiceId);

// How a paid date is written into the list after "Mark as Paid": "3 December 2026".
QString paidDateText(QDate date, const LocaleText& locale);

} // namespace InvoiceList
