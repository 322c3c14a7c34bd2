#pragma once

#include "core/Money.h"
#include "core/Result.h"

#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <optional>

class Database;

// Late payers: which invoices are overdue, which became overdue since the alerts last looked,
// each identity's reminder wording and fees, and the reminder an invoice last had.
//
// An invoice is overdue when it is unpaid (Paid = 0), not written off as a bad debt, and today
// is after its due date: the invoice's date plus the identity's PaymentDays. On its due date it
// is not yet overdue.
namespace Reminders {

inline constexpr int kLevels = 3; // 1 first, 2 second, 3 final

// Invoices dated before this day serial are past their due date on `today`: the one place the
// rule's arithmetic lives, for SQL (bound) and for a single invoice alike.
double overdueBefore(QDate today, int paymentDays);

// One invoice as the overdue lists and the reminder window see it.
struct DueInvoice {
    int invoiceId = 0;
    int identity = 0;
    QString invoiceNumber;
    QString client; // the company, or the person's name when there is none
    QDate date;
    QDate due;
    Money total;
    bool paid = false;
    bool badDebt = false;
    int reminderLevel = 0; // 0 none, 1 first, 2 second, 3 final
    QDate remindedOn;      // null when never reminded

    bool overdueOn(QDate today) const;
    // The level a new reminder starts at: one above the last, at most the final one.
    int nextLevel() const;
};

// The statement the overdue lists run: identity, the rule's bound (overdueBefore) and, when
// `fromBound`, the first day serial listed. Its conditions are IdxInvoicesDue's.
QString dueStatement(bool fromBound);

// The identity's overdue invoices on `today`, oldest first.
Result<QList<DueInvoice>> overdue(Database& db, int identity, QDate today);

// The invoices that became overdue after the day the alerts last listed (OverdueAlertedTo) and
// up to `today`, oldest first; the mark moves to today in the same transaction, so each is
// handed out once, also when two seats start together. The first time (no mark yet) every
// invoice overdue today is handed out once: those are the late payers the user has to learn
// of. A clock set back hands out nothing and leaves the mark where it was.
Result<QList<DueInvoice>> takeNewlyOverdue(Database& db, int identity, QDate today);

// One invoice with its due date and reminder state; a Failure when it no longer exists.
Result<DueInvoice> invoice(Database& db, int invoiceId);

// Records a reminder of `level` given on `day` (printed, saved or handed to the mail program).
Status record(Database& db, int invoiceId, int level, QDate day);

// An identity's reminder texts and fees, index 0 for the first reminder. An empty text means
// the program's own wording (defaultText), so that it follows the user's language.
struct Settings {
    std::array<QString, kLevels> texts;
    std::array<Money, kLevels> fees;
};

// The highest fee accepted: far above any reminder fee, far below what sums can hold.
inline constexpr Money kMaxFee = Money::fromUnits(100'000 * Money::kScale);

Result<Settings> loadSettings(Database& db, int identity);
// Texts equal to the default wording are stored empty; a fee below zero or above kMaxFee is
// refused with nothing stored.
Status saveSettings(Database& db, int identity, const Settings& settings);

} // namespace Reminders
