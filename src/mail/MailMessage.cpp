#include "mail/MailMessage.h"

#include "core/BusinessIds.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>

namespace {

// xdg-email's exit codes beyond 0.
constexpr int kToolMissing = 3;
// A mail program started in the foreground may run as long as the user writes: after this
// long it has taken the message.
constexpr int kHandOverMs = 15'000;

} // namespace

bool MailLauncher::isPlainAddress(const QString& address)
{
    static const QRegularExpression unsafe(QStringLiteral("[?&=:/%,;<>\"\\\\]"));
    return BusinessIds::emailFault(address).isEmpty() && !address.contains(unsafe) &&
           !address.startsWith(u'-');
}

QStringList MailLauncher::arguments(const MailMessage& message)
{
    QStringList args{QStringLiteral("--utf8")};
    if (!message.subject.isEmpty())
        args << QStringLiteral("--subject") << message.subject;
    if (!message.body.isEmpty())
        args << QStringLiteral("--body") << message.body;
    if (!message.attachment.isEmpty())
        args << QStringLiteral("--attach") << message.attachment;
    if (!message.to.isEmpty())
        args << message.to;
    return args;
}

Status MailLauncher::launch(const MailMessage& message) const
{
    if (!message.to.isEmpty() && !isPlainAddress(message.to))
        return Failure{
            tr("The address \"%1\" cannot be given to a mail program.").arg(message.to.left(80))};
    // Owned by the application once it outlives this call: the mail program keeps running.
    auto* process = new QProcess();
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->start(m_program, arguments(message));
    if (!process->waitForStarted()) {
        const QString reason = process->errorString();
        delete process;
        return Failure{tr("No mail program could be started (%1: %2).").arg(m_program, reason)};
    }
    if (!process->waitForFinished(kHandOverMs))
        return Done{};
    const bool crashed = process->exitStatus() != QProcess::NormalExit;
    const int code = process->exitCode();
    if (!crashed && code == 0)
        return Done{};
    if (!crashed && code == kToolMissing)
        return Failure{tr("This computer has no mail program set up.")};
    return Failure{tr("The mail program did not take the message (%1 ended with code %2).")
                       .arg(m_program)
                       .arg(code)};
}

Status MailLauncher::openFolder(const QString& folder) const
{
    if (!QProcess::startDetached(m_opener, {folder}))
        return Failure{tr("The folder %1 cannot be shown.").arg(folder)};
    return Done{};
}

QString fillTemplate(const QString& text, const QHash<QString, QString>& fields)
{
    static const QRegularExpression field(QStringLiteral("\\{([^{}]+)\\}"));
    QString filled;
    filled.reserve(text.size());
    qsizetype at = 0;
    for (const QRegularExpressionMatch& m : field.globalMatch(text)) {
        const auto value = fields.constFind(m.captured(1));
        if (value == fields.constEnd())
            continue;
        filled += QStringView(text).mid(at, m.capturedStart() - at);
        filled += *value;
        at = m.capturedEnd();
    }
    filled += QStringView(text).mid(at);
    return filled;
}
