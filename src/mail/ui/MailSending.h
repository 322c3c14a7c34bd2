#pragma once

class QString;
class Session;
struct MailMessage;

// How handing a message to the mail program ended.
enum class MailOutcome {
    Opened,       // the mail program has it, open for the user to send
    SavedInstead, // no mail program took it: its attachment waits in a folder now shown
};

// Hands `message` to the session's mail program. When none takes it, tells the user (through
// the Prompter) why and where the attachment is, and shows that folder. Only Opened means the
// message is on its way.
MailOutcome sendMail(Session& session, const MailMessage& message);
