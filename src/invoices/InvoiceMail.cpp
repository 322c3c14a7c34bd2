#include "invoices/InvoiceMail.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/LocaleText.h"
#include "core/SafeFile.h"
#include "core/SharedFiles.h"
#include "einvoice/EInvoiceExport.h"
#include "identities/TradingDetails.h"
#include "invoices/InvoicePdfJob.h"
#include "printing/InvoicePage.h"

#include <QCoreApplication>
#include <QDir>

namespace {

constexpr const char* kDefaultSubject =
    QT_TRANSLATE_NOOP("InvoiceMail", "Invoice {number} from {trading name}");
constexpr const char* kDefaultBody =
    QT_TRANSLATE_NOOP("InvoiceMail", "Dear {client},\n\n"
                                     "Please find attached our invoice {number} of {date} for "
                                     "{total}, due for payment by {due date}.\n\n"
                                     "Thank you for your business.\n\n"
                                     "Kind regards,\n"
                                     "{trading name}");

// The field names, as templates spell them.
const QString kNumber = QStringLiteral("number");
const QString kTradingName = QStringLiteral("trading name");
const QString kTotal = QStringLiteral("total");
const QString kDueDate = QStringLiteral("due date");
const QString kClient = QStringLiteral("client");
const QString kDate = QStringLiteral("date");

QString missingIdentity(int identity)
{
    return QCoreApplication::translate("InvoiceMail", "There is no identity %1.").arg(identity);
}

// Kept empty when it says what the default says, so the default's later wording applies.
QVariant storedTemplate(const QString& text, const QString& defaultText)
{
    if (text.trimmed().isEmpty() || text == defaultText)
        return QVariant(QMetaType::fromType<QString>());
    return text;
}

// Who the invoice is addressed to: the company, or the person where there is none.
QString clientName(const InvoiceSheet& sheet)
{
    if (!sheet.company.trimmed().isEmpty())
        return sheet.company.trimmed();
    return (sheet.firstName.trimmed() + u' ' + sheet.lastName.trimmed()).trimmed();
}

QString attachmentName(const QString& number)
{
    return QCoreApplication::translate("InvoiceMail", "Invoice %1.pdf")
        .arg(SafeFile::plainFileName(number));
}

QHash<QString, QString> fieldsOf(const InvoiceSheet& sheet, const TradingDetails& trading,
                                 const LocaleText& locale)
{
    return {
        {kNumber, sheet.invoiceNumber},
        {kTradingName, trading.tradingName},
        {kTotal, locale.toCurrency(sheet.total)},
        {kDueDate, locale.toLongDate(sheet.date.addDays(trading.paymentDays))},
        {kClient, clientName(sheet)},
        {kDate, locale.toLongDate(sheet.date)},
    };
}

// Writes the invoice as the identity sends it: the printed page, or Factur-X. Either is written
// whole or not at all.
Status writeAttachment(Database& db, const InvoiceMail::Context& context,
                       const InvoicePdfJob::Found& found, bool facturX, const QString& path)
{
    if (!facturX)
        return InvoicePage::writePdf(found.layout, path);
    const Result<QByteArray> made = EInvoiceExport::bytes(db, found, context.locale.locale(),
                                                          EInvoice::Format::FacturX, context.now);
    if (!made)
        return Failure{made.error() + u'\n' +
                       QCoreApplication::translate(
                           "InvoiceMail", "Nothing was sent. Enter what is missing, or send a "
                                          "plain PDF by clearing \"Attach e-invoice (Factur-X)\" "
                                          "in the e-mail settings.")};
    QString error;
    if (!SafeFile::write(path, *made, &error))
        return Failure{error};
    return Done{};
}

} // namespace

namespace InvoiceMail {

QList<TemplateField> templateFields()
{
    return {
        {kNumber, QCoreApplication::translate("InvoiceMail", "the invoice number")},
        {kDate, QCoreApplication::translate("InvoiceMail", "the invoice's date")},
        {kTotal, QCoreApplication::translate("InvoiceMail", "the invoice's total")},
        {kDueDate, QCoreApplication::translate("InvoiceMail", "the day payment is due")},
        {kClient, QCoreApplication::translate("InvoiceMail", "the client's company, or name")},
        {kTradingName, QCoreApplication::translate("InvoiceMail", "your trading name")},
    };
}

QString defaultSubject()
{
    return QCoreApplication::translate("InvoiceMail", kDefaultSubject);
}

QString defaultBody()
{
    return QCoreApplication::translate("InvoiceMail", kDefaultBody);
}

Result<MailSettings> loadSettings(Database& db, int identity)
{
    const auto found =
        db.one(QStringLiteral(
                   "SELECT MailSubject, MailBody, MailFacturX FROM TblUserData WHERE Identity = ?"),
               {identity}, [](const Row& r) {
                   return MailSettings{r[0].toString(), r[1].toString(), r[2].toInt() != 0};
               });
    if (!found)
        return Failure{found.error()};
    if (!*found)
        return Failure{missingIdentity(identity)};
    return **found;
}

Status saveSettings(Database& db, int identity, const MailSettings& settings)
{
    const Result<qint64> changed = db.change(
        {},
        QStringLiteral("UPDATE TblUserData SET MailSubject = ?, MailBody = ?, MailFacturX = ? "
                       "WHERE Identity = ?"),
        {storedTemplate(settings.subject, defaultSubject()),
         storedTemplate(settings.body, defaultBody()), settings.facturX ? -1 : 0, identity});
    if (!changed)
        return Failure{changed.error()};
    if (*changed == 0)
        return Failure{missingIdentity(identity)};
    return Done{};
}

Result<MailMessage> prepare(Database& db, const Context& context, int invoiceId)
{
    const Result<InvoiceSheet> sheet = InvoicePage::loadSheet(db, invoiceId);
    if (!sheet)
        return Failure{sheet.error()};
    const QString to = sheet->email.trimmed();
    if (!to.isEmpty() && !MailLauncher::isPlainAddress(to))
        return Failure{QCoreApplication::translate(
                           "InvoiceMail", "The client's e-mail address \"%1\" is not one address "
                                          "such as name@example.com: correct it on the Clients "
                                          "tab.")
                           .arg(to)};
    const Result<TradingDetails> trading = TradingDetailsStore::load(db, sheet->identity);
    if (!trading)
        return Failure{trading.error()};
    const Result<MailSettings> settings = loadSettings(db, sheet->identity);
    if (!settings)
        return Failure{settings.error()};
    const Result<LayoutRecord> record =
        InvoicePage::identityLayout(db, context.files, sheet->identity);
    if (!record)
        return Failure{record.error()};
    const InvoicePage::Layout layout = InvoicePage::layOut(
        *record, *sheet, context.locale, &context.files, InvoicePage::paperTextColour());

    if (!QDir().mkpath(context.outbox))
        return Failure{QCoreApplication::translate("InvoiceMail", "The folder %1 cannot be made.")
                           .arg(QDir::toNativeSeparators(context.outbox))};
    const QString path =
        QDir(context.outbox).absoluteFilePath(attachmentName(sheet->invoiceNumber));
    if (const Status written =
            writeAttachment(db, context, {*sheet, *record, layout}, settings->facturX, path);
        !written)
        return Failure{written.error()};

    const QHash<QString, QString> fields = fieldsOf(*sheet, *trading, context.locale);
    const QString subject = settings->subject.isEmpty() ? defaultSubject() : settings->subject;
    const QString body = settings->body.isEmpty() ? defaultBody() : settings->body;
    return MailMessage{to, fillTemplate(subject, fields), fillTemplate(body, fields), path};
}

Status recordSent(Database& db, int invoiceId, QDate day)
{
    const Result<qint64> changed =
        db.change(DatabaseChanges::Invoices,
                  QStringLiteral("UPDATE TblInvoices SET SentOn = ? WHERE InvoiceID = ?"),
                  {DaySerial::fromDate(day), invoiceId});
    if (!changed)
        return Failure{changed.error()};
    if (*changed == 0)
        return Failure{QCoreApplication::translate("InvoiceMail", "The invoice no longer exists.")};
    return Done{};
}

} // namespace InvoiceMail
