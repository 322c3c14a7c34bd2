#include "invoices/ReminderLetter.h"

#include "core/LocaleText.h"
#include "core/SafeFile.h"
#include "invoices/Reminders.h"
#include "mail/MailMessage.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cmath>

namespace ReminderLetter {

namespace {

constexpr const char* kTitles[] = {
    QT_TRANSLATE_NOOP("ReminderLetter", "Reminder"),
    QT_TRANSLATE_NOOP("ReminderLetter", "Second Reminder"),
    QT_TRANSLATE_NOOP("ReminderLetter", "Final Reminder"),
};

// Written without apostrophes: stored texts lose their single quotes, and a user who edits the
// default wording should not see it change on saving.
constexpr const char* kTexts[] = {
    QT_TRANSLATE_NOOP("ReminderLetter",
                      "Dear {client},\n\n"
                      "According to our records, invoice {number} of {date} for {total} was due "
                      "for payment on {due date} and has not yet been paid. Perhaps it has been "
                      "overlooked.\n\n"
                      "We would be grateful if you could pay {amount due} at your earliest "
                      "convenience. If you have already paid, please disregard this letter.\n\n"
                      "Kind regards,\n{trading name}"),
    QT_TRANSLATE_NOOP("ReminderLetter",
                      "Dear {client},\n\n"
                      "Invoice {number} of {date} for {total}, due for payment on {due date}, "
                      "remains unpaid despite our first reminder.\n\n"
                      "Please pay {amount due} within seven days of the date of this letter.\n\n"
                      "Yours sincerely,\n{trading name}"),
    QT_TRANSLATE_NOOP("ReminderLetter",
                      "Dear {client},\n\n"
                      "Despite our earlier reminders, invoice {number} of {date} for {total}, due "
                      "for payment on {due date}, remains unpaid.\n\n"
                      "This is our final reminder. Unless we receive {amount due} within seven "
                      "days of the date of this letter, we will take further steps to recover "
                      "the debt without further notice.\n\n"
                      "Yours faithfully,\n{trading name}"),
};

// The amount lines' captions on a reminder, in place of net, VAT and total.
constexpr const char* kInvoiceTotal = QT_TRANSLATE_NOOP("ReminderLetter", "Invoice Total");
constexpr const char* kFee = QT_TRANSLATE_NOOP("ReminderLetter", "Reminder Fee");
constexpr const char* kAmountDue = QT_TRANSLATE_NOOP("ReminderLetter", "Amount Due");
// Above the letter, where the invoice's description caption stands: "Invoice 0124 of 1/10/2026".
constexpr const char* kAbout = QT_TRANSLATE_NOOP("ReminderLetter", "Invoice %1 of %2");

int index(int level)
{
    return std::clamp(level, 1, Reminders::kLevels) - 1;
}

QString tr(const char* text)
{
    return QCoreApplication::translate("ReminderLetter", text);
}

QString clientName(const InvoiceSheet& s)
{
    const QString person = (s.salutation + u' ' + s.firstName + u' ' + s.lastName).simplified();
    return person.isEmpty() ? s.company.trimmed() : person;
}

// A title longer than the layout's invoice caption box widens the box to the left, so that it
// stays clear of the invoice number beside it and of the paper's right edge; no further than the
// section's left edge.
void fitTitle(InvoicePage::Layout& layout)
{
    QImage device(1, 1, QImage::Format_Mono); // one pixel a twip, as the page measures
    const int dotsPerMeter = qRound(InvoicePage::kTwipsPerInch / 0.0254);
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    const int sectionLeft = InvoicePage::leftMargin(layout.pageSize);
    for (InvoicePage::PageItems& page : layout.pages) {
        auto title = std::find_if(page.texts.begin(), page.texts.end(),
                                  [](const auto& t) { return t.name == QLatin1String("Label1"); });
        if (title == page.texts.end())
            continue;
        const QFontMetricsF metrics(title->font, &device);
        const int needed =
            int(std::ceil(metrics.horizontalAdvance(title->text))) + 2 * InvoicePage::kInsetX;
        if (needed > title->rect.width())
            title->rect.setLeft(std::max(sectionLeft, title->rect.right() + 1 - needed));
    }
}

} // namespace

QString title(int level)
{
    return tr(kTitles[index(level)]);
}

QString defaultText(int level)
{
    return tr(kTexts[index(level)]);
}

QHash<QString, QString> fields(const Letter& letter, const QString& tradingName,
                               const LocaleText& locale)
{
    const InvoiceSheet& s = letter.invoice;
    return {
        {QStringLiteral("number"), s.invoiceNumber},
        {QStringLiteral("date"), s.date.isValid() ? locale.toShortDate(s.date) : QString()},
        {QStringLiteral("due date"),
         letter.due.isValid() ? locale.toShortDate(letter.due) : QString()},
        {QStringLiteral("total"), locale.toCurrency(s.total)},
        {QStringLiteral("fee"), locale.toCurrency(letter.fee)},
        {QStringLiteral("amount due"), locale.toCurrency(letter.amountDue)},
        {QStringLiteral("trading name"), tradingName.simplified()},
        {QStringLiteral("client"), clientName(s)},
    };
}

Result<Letter> compose(const InvoiceSheet& invoice, QDate due, int level, const QString& text,
                       Money fee, const QString& tradingName, const LocaleText& locale)
{
    const std::optional<Money> amountDue = invoice.total.plus(fee);
    if (!amountDue)
        return Failure{QCoreApplication::translate(
            "ReminderLetter", "The fee added to the invoice total is too large to be printed.")};
    Letter letter;
    letter.level = index(level) + 1;
    letter.title = title(level);
    letter.fee = fee;
    letter.amountDue = *amountDue;
    letter.due = due;
    letter.invoice = invoice;
    const QString wording = text.trimmed().isEmpty() ? defaultText(level) : text;
    letter.text = fillTemplate(wording, fields(letter, tradingName, locale));
    return letter;
}

InvoicePage::Layout layOut(const LayoutRecord& record, const Letter& letter, QDate today,
                           const LocaleText& locale, const SharedFiles* files, QColor windowText,
                           QSize pageSize)
{
    // The invoice page itself, told other captions and content: the reminder is the same page
    // with the same header, footer and fonts.
    LayoutRecord r = record;
    r.lblInvoiceCaption = letter.title;
    r.lblDescriptionCaption = tr(kAbout).arg(
        letter.invoice.invoiceNumber,
        letter.invoice.date.isValid() ? locale.toShortDate(letter.invoice.date) : QString());
    r.lblSubTotalCaption = tr(kInvoiceTotal);
    r.lblVATCaption = tr(kFee);
    r.lblTotalCaption = tr(kAmountDue);
    InvoiceSheet sheet = letter.invoice;
    sheet.content = letter.text;
    sheet.date = today;
    sheet.value = letter.invoice.total;
    sheet.vat = letter.fee;
    sheet.total = letter.amountDue;
    InvoicePage::Layout layout = InvoicePage::layOut(r, sheet, locale, files, windowText, pageSize);
    fitTitle(layout);
    return layout;
}

QString fileName(const Letter& letter)
{
    return SafeFile::plainFileName(letter.title + u' ' + letter.invoice.invoiceNumber) +
           QStringLiteral(".pdf");
}

} // namespace ReminderLetter
