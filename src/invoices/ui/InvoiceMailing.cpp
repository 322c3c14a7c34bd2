#include "invoices/ui/InvoiceMailing.h"

#include "core/Clock.h"
#include "core/Prompter.h"
#include "core/ui/Session.h"
#include "invoices/InvoiceMail.h"

#include <QCoreApplication>

namespace InvoiceMailing {

std::optional<MailOutcome> send(Session& session, int invoiceId)
{
    const InvoiceMail::Context context{session.files(), session.locale(), session.clock().now(),
                                       session.dataFile(QStringLiteral("Outbox"))};
    const Result<MailMessage> message = InvoiceMail::prepare(session.db(), context, invoiceId);
    if (!message) {
        session.prompter().inform(message.error(), {}, Prompter::Icon::Warning);
        return std::nullopt;
    }
    const MailOutcome outcome = sendMail(session, *message);
    if (outcome != MailOutcome::Opened)
        return outcome;
    const Status recorded =
        InvoiceMail::recordSent(session.db(), invoiceId, session.clock().today());
    if (!recorded)
        session.prompter().inform(
            QCoreApplication::translate("InvoiceMailing",
                                        "The message is open in your mail program, but the day "
                                        "it was sent could not be recorded.") +
                u'\n' + recorded.error(),
            {}, Prompter::Icon::Warning);
    return outcome;
}

} // namespace InvoiceMailing
