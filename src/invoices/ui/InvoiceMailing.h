#pragma once

#include "mail/ui/MailSending.h"

#include <optional>

class Session;

namespace InvoiceMailing {

// "Send by E-mail...": the invoice's message, with the invoice attached from the data folder's
// Outbox, handed to the desktop's mail program. A client without an e-mail address still gets
// the message, its address left for the user to type there. Once the mail program has the
// message the invoice records the day (SentOn). A message that cannot be made (a term the
// e-invoice needs, say) is shown and nothing is sent: nullopt then.
std::optional<MailOutcome> send(Session& session, int invoiceId);

} // namespace InvoiceMailing
