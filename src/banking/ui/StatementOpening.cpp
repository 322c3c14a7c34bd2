#include "banking/ui/StatementOpening.h"

#include "banking/StatementFiles.h"
#include "core/Prompter.h"
#include "core/ui/Session.h"

#include <QCoreApplication>

std::optional<Statement> openStatement(Session& session, QWidget*)
{
    const std::optional<QString> path = session.prompter().openFileName(
        {QCoreApplication::translate("StatementOpening", "Match bank statement"), {}, {}, {}});
    if (!path)
        return std::nullopt;
    Result<Statement> read = StatementFiles::read(*path, session.preferences());
    if (!read) {
        session.prompter().ask({read.error(), {}});
        return std::nullopt;
    }
    return *read;
}
