#include "backup/ui/BackupRestore.h"

#include "backup/Backup.h"
#include "backup/ServerBackup.h"
#include "core/Clock.h"
#include "core/DataFolder.h"
#include "core/Database.h"
#include "core/Prompter.h"
#include "core/ui/LongWork.h"
#include "core/ui/Session.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

namespace {

// What the restore's worker hands back: the extracted copy, or why there is none, and the
// proof's verdict on it.
struct Extracted {
    Result<QString> copy = Failure{};
    Status proven = Done{};
    // The shared files beside the database, for books on a server.
    Result<QList<QPair<QString, QByteArray>>> files = QList<QPair<QString, QByteArray>>();
    bool cancelled = false;
};

LongWork::Options progressWindow(const QString& label)
{
    LongWork::Options options;
    options.label = label;
    options.title = kApplicationTitle;
    options.objectName = QStringLiteral("frmBackupProgress");
    return options;
}

} // namespace

BackupRestore::BackupRestore(Session& session, QWidget* window, std::function<void()> reloadWindow)
    : m_session(session)
    , m_window(window)
    , m_reloadWindow(std::move(reloadWindow))
{}

LongWork* BackupRestore::backUp()
{
    Prompter& prompter = m_session.prompter();
    if (!prompter.confirm(tr(kBackUpQuestion), tr(kBackUpTitle)))
        return nullptr;
    // The dialog asks before it overwrites the file it names; a name typed without an
    // extension gets ".bak", and replacing a file of that name is asked here.
    const QString suggested =
        QStringLiteral("Billcraft %1.bak").arg(m_session.clock().today().toString(Qt::ISODate));
    std::optional<QString> chosen = prompter.saveFileName(
        {tr(kBackUpDialogTitle),
         QDir::homePath(),
         suggested,
         {tr("All Back Up files (*.bak *.BAK)"), tr("bak files (*.bak *.BAK)")}});
    if (!chosen || QFileInfo(*chosen).fileName().isEmpty())
        return nullptr;
    if (QFileInfo(*chosen).suffix().isEmpty()) {
        *chosen += QStringLiteral(".bak");
        if (QFileInfo::exists(*chosen) &&
            !prompter.confirm(tr(kReplaceQuestion).arg(QDir::toNativeSeparators(*chosen)),
                              tr(kBackUpDialogTitle), Prompter::Icon::Warning))
            return nullptr;
    }

    // The worker reads the books through a connection of its own: the snapshot sees every
    // committed row, and the UI thread's connection is never used off its thread.
    const QString live = m_session.db().path();
    const std::optional<ServerAddress> server =
        m_session.db().isServer() ? std::optional(m_session.db().server()) : std::nullopt;
    const QString dataFolder = m_session.dataFolder();
    const QString archive = *chosen;
    Prompter* shown = &prompter;
    return LongWork::start<std::optional<Status>>(
        m_window, progressWindow(tr("Backing up the data file...")),
        [live, server, dataFolder, archive](WorkProgress& progress) -> std::optional<Status> {
            Database db;
            if (server ? !db.openServer(*server) : !db.open(live))
                return Status{Failure{db.errorString()}};
            Status done = Failure{};
            if (server) {
                const Result<QString> scratch =
                    DataFolder::privateSubfolder(dataFolder, Backup::kScratchFolder);
                done = scratch ? ServerBackup::write(db, *scratch, archive, progress.callback())
                               : Status{Failure{scratch.error()}};
            } else {
                done = Backup::write(db, archive, progress.callback());
            }
            if (progress.cancelled())
                return std::nullopt;
            return done;
        },
        [shown](std::optional<Status> done) {
            if (!done) // cancelled: nothing to say
                return;
            if (!*done) {
                shown->inform(tr(kBackUpFailed) + done->error(), {}, Prompter::Icon::Critical);
                return;
            }
            shown->inform(tr(kBackedUp));
        });
}

LongWork* BackupRestore::restore()
{
    Prompter& prompter = m_session.prompter();
    if (!prompter.confirm(tr(kRestoreQuestion), tr(kRestoreTitle)))
        return nullptr;
    const std::optional<QString> chosen = prompter.openFileName(
        {tr(kRestoreDialogTitle),
         QDir::homePath(),
         {},
         {tr("All Bak files (*.bak *.BAK)"), tr("bak files (*.bak *.BAK)"), tr("All files (*)")}});
    if (!chosen || QFileInfo(*chosen).fileName().isEmpty())
        return nullptr;
    if (!othersAway())
        return nullptr;

    // Until the copy is proved, the live database stays open and untouched. The extraction
    // and the proof (an integrity check that reads every page) run on the worker, which opens
    // the copy through connections of its own.
    const QString dataFolder = m_session.dataFolder();
    const QString archive = *chosen;
    Session* session = &m_session;
    const std::function<void()> reload = m_reloadWindow;
    return LongWork::start<Extracted>(
        m_window, progressWindow(tr("Reading the back up...")),
        [dataFolder, archive, onServer = m_session.db().isServer()](WorkProgress& progress) {
            Extracted out;
            out.copy = Restore::extract(dataFolder, archive, progress.callback());
            if (out.copy && !progress.cancelled()) {
                progress.setBusy(); // the check's length is not known beforehand
                out.proven =
                    Restore::prove(*out.copy, [&progress] { return !progress.cancelled(); });
                // A data folder's restore replaces its database alone.
                if (out.proven && onServer)
                    out.files =
                        ServerBackup::sharedFilesIn(archive, QFileInfo(*out.copy).absolutePath());
            }
            out.cancelled = progress.cancelled();
            return out;
        },
        [session, reload](Extracted got) {
            if (got.cancelled)
                return;
            Prompter& told = session->prompter();
            if (!got.copy) {
                told.inform(tr(kNoDatabase));
                return;
            }
            if (!got.proven || !got.files) {
                reload();
                told.inform(tr(kInvalid), {}, Prompter::Icon::Critical);
                return;
            }
            if (session->db().isServer())
                replaceOnServer(*session, reload, *got.copy, *got.files);
            else
                replaceLive(*session, reload, *got.copy);
        });
}

void BackupRestore::replaceLive(Session& session, const std::function<void()>& reloadWindow,
                                const QString& copy)
{
    Prompter& prompter = session.prompter();
    Database& db = session.db();
    const QString live = db.path();
    const auto notReopened = [&] {
        prompter.inform(tr(kNotReopened).arg(db.errorString()), {}, Prompter::Icon::Critical);
    };
    // The main window is loaded from the copy before the copy becomes the live file.
    if (!db.open(copy)) {
        if (!db.open(live))
            return notReopened();
        reloadWindow();
        prompter.inform(tr(kInvalid), {}, Prompter::Icon::Critical);
        return;
    }
    reloadWindow();
    db.close();
    const Result<QString> replaced =
        Restore::replaceLive(session.dataFolder(), session.clock().today());
    if (!db.open(live))
        return notReopened();
    if (!replaced) {
        reloadWindow();
        prompter.inform(tr(kNotReplaced).arg(replaced.error()), {}, Prompter::Icon::Critical);
        return;
    }
    prompter.inform(replaced->isEmpty()
                        ? tr(kRestored)
                        : tr(kRestored) + tr(kKeptAs).arg(QDir::toNativeSeparators(*replaced)));
}

bool BackupRestore::othersAway()
{
    Database& db = m_session.db();
    if (!db.isServer())
        return true;
    const Result<int> others = db.otherSeats();
    if (others && *others == 0)
        return true;
    m_session.prompter().inform(others ? tr(kOtherSeats, nullptr, *others) : others.error(), {},
                                Prompter::Icon::Critical);
    return false;
}

void BackupRestore::replaceOnServer(Session& session, const std::function<void()>& reloadWindow,
                                    const QString& copy,
                                    const QList<QPair<QString, QByteArray>>& files)
{
    // One transaction on the session's own connection, which the other-seats check leaves out.
    const Status done = ServerBackup::restore(session.db(), copy, files);
    reloadWindow();
    if (!done) {
        session.prompter().inform(tr(kNotReplaced).arg(done.error()), {}, Prompter::Icon::Critical);
        return;
    }
    session.prompter().inform(tr(kRestored));
}
