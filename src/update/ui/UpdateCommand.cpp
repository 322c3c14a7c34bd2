#include "update/ui/UpdateCommand.h"

#include "core/Prompter.h"
#include "core/ui/Session.h"
#include "update/UpdateSignature.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QProgressDialog>
#include <QPushButton>

namespace {

const QString kTitle = QStringLiteral("Web Updates");
const QString kChecking = QStringLiteral("Checking for updates...");
const QString kDownloading = QStringLiteral("Downloading the update...");
const QString kPackageManaged =
    QStringLiteral("Billcraft was installed by the system's package "
                   "manager, which updates it. Nothing was downloaded.");

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
    if (m_busy)
        return;
    m_busy = true;
    OnlineUpdate update(m_settings);
    m_update = &update;
    runSteps(update);
    m_settings.runningRevision = update.runningRevision();

    m_progress.reset();
    m_update = nullptr;
    m_busy = false;
}

void UpdateCommand::runSteps(OnlineUpdate& update)
{
    Prompter& prompter = m_session.prompter();
    switch (update.programOwner()) {
    case UpdateInstaller::Owner::User:
        break;
    case UpdateInstaller::Owner::PackageManager:
        prompter.inform(kPackageManaged, kTitle, Prompter::Icon::Information);
        return;
    case UpdateInstaller::Owner::NotWritable:
        prompter.inform(QStringLiteral("Billcraft cannot update itself: you may not replace the "
                                       "program file %1. Nothing was downloaded.")
                            .arg(update.programPath()),
                        kTitle, Prompter::Icon::Warning);
        return;
    }
    if (!update.addressError().isEmpty()) {
        prompter.inform(update.addressError(), kTitle, Prompter::Icon::Warning);
        return;
    }
    if (!prompter.confirm(
            QStringLiteral("Check if Updates are available from %1 ?").arg(update.hostName()),
            kTitle))
        return;

    startProgress(kChecking);
    const OnlineUpdate::Outcome checked = update.checkRevision(
        [this](qint64 received, qint64 total) { showProgress(received, total); });
    m_progress->hide();
    switch (checked) {
    case OnlineUpdate::Outcome::UpToDate:
        prompter.inform(QStringLiteral("You have the most up to date Version"));
        return;
    case OnlineUpdate::Outcome::Available:
        prompter.inform(QStringLiteral("updates are available"));
        break;
    case OnlineUpdate::Outcome::Cancelled:
        return;
    default:
        showUnreachable(update);
        return;
    }

    startProgress(kDownloading);
    const OnlineUpdate::Outcome installed =
        update.install([this](qint64 received, qint64 total) { showProgress(received, total); });
    m_progress->hide();
    switch (installed) {
    case OnlineUpdate::Outcome::Installed:
        prompter.inform(QStringLiteral("New file installed\nPlease restart application for new "
                                       "updates to take effect"));
        return;
    case OnlineUpdate::Outcome::Cancelled:
        return;
    case OnlineUpdate::Outcome::NotInstalled:
        logFailure(update);
        prompter.inform(QStringLiteral("The update could not be installed; the program is "
                                       "unchanged.\n") +
                            update.error(),
                        kTitle, Prompter::Icon::Warning);
        return;
    default:
        showUnreachable(update);
        return;
    }
}

// The user's message names no cause; the log keeps it for whoever looks into the failure.
void UpdateCommand::logFailure(const OnlineUpdate& update)
{
    qWarning().noquote() << "Online update failed:" << update.error();
}

void UpdateCommand::showUnreachable(const OnlineUpdate& update)
{
    logFailure(update);
    m_session.prompter().inform(
        QStringLiteral("An error occured connecting to %1\nPlease ensure you are connected to "
                       "the Internet before trying again")
            .arg(update.hostName()));
}

// One dialog for both transfers, made when the first starts (a progress dialog made earlier
// would show itself behind the question); modal, so nothing else happens while they wait.
void UpdateCommand::startProgress(const QString& label)
{
    if (!m_progress) {
        m_progress = std::make_unique<QProgressDialog>(m_window);
        m_progress->setObjectName(QStringLiteral("dlgUpdateProgress"));
        m_progress->setWindowTitle(kTitle);
        m_progress->setWindowModality(Qt::ApplicationModal);
        m_progress->setAutoClose(false);
        m_progress->setAutoReset(false);
        auto* cancel = new QPushButton(QStringLiteral("Cancel"), m_progress.get());
        cancel->setObjectName(QStringLiteral("cmdCancelUpdate"));
        cancel->setAccessibleName(QStringLiteral("Cancel"));
        m_progress->setCancelButton(cancel);
        connect(m_progress.get(), &QProgressDialog::canceled, this, [this] { m_update->cancel(); });
    }
    m_progress->setLabelText(label);
    m_progress->setAccessibleName(label);
    m_progress->setRange(0, 0); // a busy bar until the size is known
    m_progress->show();
}

void UpdateCommand::showProgress(qint64 received, qint64 total)
{
    if (total <= 0)
        return;
    // Kilobytes keep a package of any size within the bar's int range.
    m_progress->setRange(0, int(total / 1024) + 1);
    m_progress->setValue(int(received / 1024));
}
