#include "mail/ui/MailSending.h"

#include "core/Prompter.h"
#include "core/ui/Session.h"
#include "mail/MailMessage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

MailOutcome sendMail(Session& session, const MailMessage& message)
{
    const Status launched = session.mailLauncher().launch(message);
    if (launched)
        return MailOutcome::Opened;
    const QString folder = QFileInfo(message.attachment).absolutePath();
    QString text =
        QCoreApplication::translate("MailSending", "%1\n\nThe file is saved as %2, so that "
                                                   "you can attach it to a message yourself.")
            .arg(launched.error(), QDir::toNativeSeparators(message.attachment));
    if (const Status shown = session.mailLauncher().openFolder(folder); !shown)
        text += QStringLiteral("\n\n") + shown.error();
    session.prompter().ask({text, {}, Prompter::Buttons::Ok, Prompter::Icon::Information});
    return MailOutcome::SavedInstead;
}
