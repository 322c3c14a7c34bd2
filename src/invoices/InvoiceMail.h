#pragma once

#include "core/Result.h"
#include "mail/MailMessage.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

class Database;
class LocaleText;
class SharedFiles;

// How an identity e-mails its invoices: the columns MailSubject, MailBody and MailFacturX of
// TblUserData. An empty template stands for the program's own wording, so that wording (and
// its translation) still reaches identities that never changed it.
struct MailSettings {
    QString subject;      // empty: defaultSubject()
    QString body;         // empty: defaultBody()
    bool facturX = false; // attach the Factur-X PDF rather than the plain printed page
};

// An invoice sent by e-mail: its message made from the identity's templates with the invoice
// attached, and the day it was handed to the mail program.
namespace InvoiceMail {

// A field the templates may use, written "{name}", and what it stands for.
struct TemplateField {
    QString name;    // "number": never translated, templates keep it as typed
    QString meaning; // "the invoice number", translated
};
// Every field, in the order the settings window lists them.
QList<TemplateField> templateFields();

QString defaultSubject();
QString defaultBody();

// The identity's settings; a Failure when it does not exist or cannot be read.
Result<MailSettings> loadSettings(Database& db, int identity);
// Stores them; a template equal to the default wording, or blank, is kept empty.
Status saveSettings(Database& db, int identity, const MailSettings& settings);

// What an invoice's message is made from beyond the books themselves.
struct Context {
    const SharedFiles& files; // the identity's layout and logo
    const LocaleText& locale; // money and dates in the message, and on the page
    QDateTime now;            // the Factur-X PDF's date
    QString outbox;           // the folder the attachment is written to
};

// The invoice's message: to its client's e-mail address (empty when the client has none, for
// the user to type), the identity's subject and body filled in, and the invoice written into
// the outbox as "Invoice <number>.pdf": the printed page, or the Factur-X PDF when the identity
// chose it. A Failure carries a message for the user (the invoice is gone, the layout cannot
// be read, a term the e-invoice needs is missing, the file cannot be written); nothing is
// attached then and nothing must be sent.
Result<MailMessage> prepare(Database& db, const Context& context, int invoiceId);

// Records that the invoice went to the mail program on `day` (SentOn), in one statement.
Status recordSent(Database& db, int invoiceId, QDate day);

} // namespace InvoiceMail
