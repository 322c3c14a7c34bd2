#include "backup/ui/BackupRestore.h"

#include "backup/Backup.h"
#include "core/Clock.h"
#include "core/Database.h"
#include "core/Prompter.h"
#include "core/ui/Session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>
#include <QWidget>
#include <memory>

namespace {

// Files smaller than this are done before a progress window could be noticed.
constexpr qint64 kProgressFromBytes = qint64(16) << 20;
constexpr int kProgressDelayMs = 300;
constexpr int kProgressSteps = 1000;

// The progress of a backup or an extraction in a window-modal progress window, made only for
// large files. Its setValue lets the program handle its events, so the window stays responsive
// and Cancel works.
class Progress {
public:
    Progress(QWidget* parent, qint64 bytes, const QString& label)
    {
        if (bytes < kProgressFromBytes)
            return;
        m_dialog = std::make_unique<QProgressDialog>(label, QStringLiteral("Cancel"), 0,
                                                     kProgressSteps, parent);
        m_dialog->setObjectName(QStringLiteral("frmBackupProgress"));
        m_dialog->setWindowTitle(kApplicationTitle);
        m_dialog->setWindowModality(Qt::WindowModal);
        m_dialog->setMinimumDuration(kProgressDelayMs);
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
    }

    ZipArchive::Progress callback()
    {
        if (!m_dialog)
            return {};
        return [this](double fraction) {
            m_dialog->setValue(int(fraction * kProgressSteps));
            return !m_dialog->wasCanceled();
        };
    }

    // For work of unknown length: a busy indicator that keeps the window answering. Setting
    // the same value again handles no events, so they are handled here.
    std::function<bool()> busy()
    {
        if (!m_dialog)
            return {};
        return [this] {
            if (m_dialog->maximum() != 0)
                m_dialog->setRange(0, 0);
            m_dialog->setValue(0);
            QCoreApplication::processEvents();
            return !m_dialog->wasCanceled();
        };
    }

    bool cancelled() const { return m_dialog && m_dialog->wasCanceled(); }
    void close() { m_dialog.reset(); }

private:
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace

BackupRestore::BackupRestore(Session& session, QWidget* window, std::function<void()> reloadWindow)
    : m_session(session)
    , m_window(window)
    , m_reloadWindow(std::move(reloadWindow))
{}

void BackupRestore::backUp()
{
    Prompter& prompter = m_session.prompter();
    if (!prompter.confirm(kBackUpQuestion, kBackUpTitle))
        return;
    // The dialog asks before it overwrites the file it names; a name typed without an
    // extension gets ".bak", and replacing a file of that name is asked here.
    const QString suggested =
        QStringLiteral("Billcraft %1.bak").arg(m_session.clock().today().toString(Qt::ISODate));
    std::optional<QString> chosen =
        prompter.saveFileName({kBackUpDialogTitle,
                               QDir::homePath(),
                               suggested,
                               {QStringLiteral("All Back Up files (*.bak *.BAK)"),
                                QStringLiteral("bak files (*.bak *.BAK)")}});
    if (!chosen || QFileInfo(*chosen).fileName().isEmpty())
        return;
    if (QFileInfo(*chosen).suffix().isEmpty()) {
        *chosen += QStringLiteral(".bak");
        if (QFileInfo::exists(*chosen) &&
            !prompter.confirm(kReplaceQuestion.arg(QDir::toNativeSeparators(*chosen)),
                              kBackUpDialogTitle, Prompter::Icon::Warning))
            return;
    }

    Database& db = m_session.db();
    Progress progress(m_window, QFileInfo(db.path()).size(),
                      QStringLiteral("Backing up the data file..."));
    const Status done = Backup::write(db, *chosen, progress.callback());
    const bool cancelled = progress.cancelled();
    progress.close();
    if (cancelled)
        return;
    if (!done) {
        prompter.inform(kBackUpFailed + done.error(), {}, Prompter::Icon::Critical);
        return;
    }
    prompter.inform(kBackedUp);
}

void BackupRestore::restore()
{
    Prompter& prompter = m_session.prompter();
    if (!prompter.confirm(kRestoreQuestion, kRestoreTitle))
        return;
    const std::optional<QString> chosen = prompter.openFileName(
        {kRestoreDialogTitle,
         QDir::homePath(),
         {},
         {QStringLiteral("All Bak files (*.bak *.BAK)"), QStringLiteral("bak files (*.bak *.BAK)"),
          QStringLiteral("All files (*)")}});
    if (!chosen || QFileInfo(*chosen).fileName().isEmpty())
        return;

    const QString dataFolder = m_session.dataFolder();
    // The database's own size, not the archive's: compressed, it is a fraction of the work.
    const Result<qint64> declared = ZipArchive::declaredSize(*chosen, Database::kFileName);
    Progress progress(m_window, declared ? *declared : 0, QStringLiteral("Reading the back up..."));
    const Result<QString> copy = Restore::extract(dataFolder, *chosen, progress.callback());
    if (progress.cancelled())
        return;
    // Until the copy is proved, the live database stays open and untouched.
    if (!copy) {
        progress.close();
        prompter.inform(kNoDatabase);
        return;
    }

    Database& db = m_session.db();
    const QString live = db.path();
    auto invalid = [&] {
        m_reloadWindow();
        prompter.inform(kInvalid, {}, Prompter::Icon::Critical);
    };
    const Status proven = Restore::prove(*copy, progress.busy());
    const bool cancelled = progress.cancelled();
    progress.close();
    if (cancelled)
        return;
    if (!proven) {
        invalid();
        return;
    }
    // The main window is loaded from the copy before the copy becomes the live file.
    if (!db.open(*copy)) {
        if (!db.open(live)) {
            prompter.inform(kNotReopened.arg(db.errorString()), {}, Prompter::Icon::Critical);
            return;
        }
        invalid();
        return;
    }
    m_reloadWindow();
    db.close();
    const Result<QString> replaced = Restore::replaceLive(dataFolder, m_session.clock().today());
    if (!db.open(live)) {
        prompter.inform(kNotReopened.arg(db.errorString()), {}, Prompter::Icon::Critical);
        return;
    }
    if (!replaced) {
        m_reloadWindow();
        prompter.inform(kNotReplaced.arg(replaced.error()), {}, Prompter::Icon::Critical);
        return;
    }
    prompter.inform(replaced->isEmpty()
                        ? kRestored
                        : kRestored + kKeptAs.arg(QDir::toNativeSeparators(*replaced)));
}
