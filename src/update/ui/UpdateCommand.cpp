#include "update/ui/UpdateCommand.h"

#include "core/Prompter.h"
#include "core/ui/LongWork.h"
#include "core/ui/Session.h"
#include "update/UpdateSignature.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QPointer>

namespace {

const char* const kTitle = QT_TRANSLATE_NOOP("UpdateCommand", "Web Updates");

QString title()
{
    return QCoreApplication::translate("UpdateCommand", kTitle);
}

} // namespace

UpdateCommand::UpdateCommand(Session& session, UpdateSettings settings, QWidget* window)
    : QObject(window)
    , m_session(session)
    , m_settings(std::move(settings))
    , m_window(window)
{}

UpdateCommand::~UpdateCommand() = default;

UpdateSettings UpdateCommand::builtInSettings(const Session& session)
{
    UpdateSettings settings;
    settings.address = UpdateSource::builtInAddress();
    settings.publicKey = UpdateSignature::builtInPublicKey();
    settings.programPath = QCoreApplication::applicationFilePath();
    settings.downloadsFolder = session.dataFile(QStringLiteral("downloads"));
    // Named billcraft.list, or billcraft:<arch>.list for a package of several architectures.
    const QFileInfoList lists =
        QDir(QStringLiteral("/var/lib/dpkg/info"))
            .entryInfoList({QStringLiteral("billcraft.list"), QStringLiteral("billcraft:*.list")},
                           QDir::Files);
    for (const QFileInfo& list : lists)
        settings.packageLists << list.absoluteFilePath();
    settings.runningRevision = OnlineUpdate::builtInRevision();
    return settings;
}

void UpdateCommand::run()
{
    if (m_update)
        return;
    m_update = std::make_shared<OnlineUpdate>(m_settings);
    if (mayStart())
        check();
    else
        end();
}

// The questions and refusals that come before anything is fetched.
bool UpdateCommand::mayStart()
{
    Prompter& prompter = m_session.prompter();
    switch (m_update->programOwner()) {
    case UpdateInstaller::Owner::User:
        break;
    case UpdateInstaller::Owner::PackageManager:
        prompter.inform(tr("Billcraft was installed by the system's package "
                           "manager, which updates it. Nothing was downloaded."),
                        title(), Prompter::Icon::Information);
        return false;
    case UpdateInstaller::Owner::NotWritable:
        prompter.inform(tr("Billcraft cannot update itself: you may not replace the "
                           "program file %1. Nothing was downloaded.")
                            .arg(m_update->programPath()),
                        title(), Prompter::Icon::Warning);
        return false;
    }
    if (!m_update->addressError().isEmpty()) {
        prompter.inform(m_update->addressError(), title(), Prompter::Icon::Warning);
        return false;
    }
    return prompter.confirm(
        tr("Check if Updates are available from %1 ?").arg(m_update->hostName()), title());
}

void UpdateCommand::onWorker(
    const QString& label,
    std::function<OnlineUpdate::Outcome(OnlineUpdate&, const UpdateFetcher::Progress&)> step,
    void (UpdateCommand::*then)(OnlineUpdate::Outcome))
{
    LongWork::Options options;
    options.label = label;
    options.title = title();
    options.objectName = QStringLiteral("dlgUpdateProgress");
    const std::shared_ptr<OnlineUpdate> update = m_update;
    const QPointer<UpdateCommand> self(this);
    LongWork* work = LongWork::start<OnlineUpdate::Outcome>(
        m_window, options,
        [update, step = std::move(step)](WorkProgress& progress) {
            return step(*update, [&progress](qint64 received, qint64 total) {
                if (total > 0)
                    progress.setFraction(double(received) / double(total));
            });
        },
        [self, then](OnlineUpdate::Outcome outcome) {
            if (self)
                (self->*then)(outcome);
        });
    // The transfer waits on the network, not on its progress: the cancel goes to it directly.
    connect(work, &LongWork::cancelRequested, this, [update] { update->cancel(); });
}

void UpdateCommand::check()
{
    onWorker(
        tr("Checking for updates..."),
        [](OnlineUpdate& update, const UpdateFetcher::Progress& progress) {
            return update.checkRevision(progress);
        },
        &UpdateCommand::afterCheck);
}

void UpdateCommand::afterCheck(OnlineUpdate::Outcome checked)
{
    switch (checked) {
    case OnlineUpdate::Outcome::UpToDate:
        m_session.prompter().inform(tr("You have the most up to date Version"));
        return end();
    case OnlineUpdate::Outcome::Available:
        m_session.prompter().inform(tr("updates are available"));
        return install();
    case OnlineUpdate::Outcome::Cancelled:
        return end();
    default:
        showUnreachable();
        return end();
    }
}

void UpdateCommand::install()
{
    onWorker(
        tr("Downloading the update..."),
        [](OnlineUpdate& update, const UpdateFetcher::Progress& progress) {
            return update.install(progress);
        },
        &UpdateCommand::afterInstall);
}

void UpdateCommand::afterInstall(OnlineUpdate::Outcome installed)
{
    switch (installed) {
    case OnlineUpdate::Outcome::Installed:
        m_session.prompter().inform(tr("New file installed\nPlease restart application for new "
                                       "updates to take effect"));
        break;
    case OnlineUpdate::Outcome::Cancelled:
        break;
    case OnlineUpdate::Outcome::NotInstalled:
        logFailure(*m_update);
        m_session.prompter().inform(tr("The update could not be installed; the program is "
                                       "unchanged.\n") +
                                        m_update->error(),
                                    title(), Prompter::Icon::Warning);
        break;
    default:
        showUnreachable();
        break;
    }
    end();
}

void UpdateCommand::end()
{
    m_settings.runningRevision = m_update->runningRevision();
    m_update.reset();
    emit finished();
}

// The user's message names no cause; the log keeps it for whoever looks into the failure.
void UpdateCommand::logFailure(const OnlineUpdate& update)
{
    qWarning().noquote() << "Online update failed:" << update.error();
}

void UpdateCommand::showUnreachable()
{
    logFailure(*m_update);
    m_session.prompter().inform(tr("An error occured connecting to %1\nPlease ensure you are "
                                   "connected to the Internet before trying again")
                                    .arg(m_update->hostName()));
}
