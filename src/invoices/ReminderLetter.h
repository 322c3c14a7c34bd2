#pragma once

#include "core/Money.h"
#include "core/Result.h"
#include "printing/InvoicePage.h"

#include <QDate>
#include <QHash>
#include <QString>

class LocaleText;
class SharedFiles;

// A reminder as it is printed or e-mailed: the invoice's page layout, with the reminder's title
// where the invoice caption stands and its letter where the invoice's content stands; below it
// the invoice total, the fee and the amount due in place of the net, VAT and total lines.
namespace ReminderLetter {

// "Reminder", "Second Reminder", "Final Reminder" (levels 1 to 3), translated.
QString title(int level);
// The program's own wording of a level: polite, firm, final. Its fields are those of fields().
QString defaultText(int level);

struct Letter {
    int level = 1;
    QString title;
    QString text; // the fields filled
    Money fee;
    Money amountDue; // the invoice total and the fee
    QDate due;
    InvoiceSheet invoice;
};

// The fields a reminder text may use: {number}, {date}, {due date}, {total}, {fee},
// {amount due}, {trading name}, {client}; dates and money in the locale's forms.
QHash<QString, QString> fields(const Letter& letter, const QString& tradingName,
                               const LocaleText& locale);

// The letter of `level` for the invoice, `text` as written (empty: the default wording) with its
// fields filled. A Failure when the fee added to the total cannot be held.
Result<Letter> compose(const InvoiceSheet& invoice, QDate due, int level, const QString& text,
                       Money fee, const QString& tradingName, const LocaleText& locale);

// The letter on the identity's page, dated `today`.
InvoicePage::Layout layOut(const LayoutRecord& record, const Letter& letter, QDate today,
                           const LocaleText& locale, const SharedFiles* files, QColor windowText,
                           QSize pageSize = InvoicePage::kA4);

// The file name a saved reminder is offered under: "Second Reminder 0124.pdf".
QString fileName(const Letter& letter);

} // namespace ReminderLetter
