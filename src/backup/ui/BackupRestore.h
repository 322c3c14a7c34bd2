#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>

class LongWork;
class QWidget;
class Session;

// The Back Up and Restore picture-buttons: the questions, the file dialogs, the progress of the
// copy and the messages. The copying and the proof run on a worker thread behind LongWork; the
// work is done by Backup and Restore.
class BackupRestore {
    Q_DECLARE_TR_FUNCTIONS(BackupRestore)
public:
    static constexpr const char* kBackUpQuestion = QT_TR_NOOP("Back Up DataFile ?");
    static constexpr const char* kBackUpTitle = QT_TR_NOOP("Back Up ?");
    static constexpr const char* kBackUpDialogTitle = QT_TR_NOOP("Back Data file");
    static constexpr const char* kBackedUp = QT_TR_NOOP("File Backed Up");
    // Asked when ".bak" was added to a typed name that another file already has.
    static constexpr const char* kReplaceQuestion =
        QT_TR_NOOP("%1 already exists.\nDo you want to replace it?");
    static constexpr const char* kBackUpFailed = QT_TR_NOOP("The back up was not made.\n");

    static constexpr const char* kRestoreQuestion = QT_TR_NOOP("Restore DataFile ?");
    static constexpr const char* kRestoreTitle = QT_TR_NOOP("Restore ?");
    static constexpr const char* kRestoreDialogTitle = QT_TR_NOOP("Restore DataFile");
    static constexpr const char* kNoDatabase = QT_TR_NOOP("File Restore Error");
    static constexpr const char* kInvalid = QT_TR_NOOP("File restore Failed The back up is "
                                                       "invalid\nReturning to existing Data file");
    static constexpr const char* kRestored = QT_TR_NOOP("File Sucessfully Restored");
    static constexpr const char* kKeptAs = QT_TR_NOOP("\nThe data file it replaced is kept as %1");
    static constexpr const char* kNotReplaced =
        QT_TR_NOOP("The back up was proved sound but could not replace the data file:\n%1\n"
                   "Returning to existing Data file");
    static constexpr const char* kNotReopened =
        QT_TR_NOOP("The data file could not be opened again:\n%1\nClose Billcraft and start "
                   "it again.");

    // A restore onto shared books replaces what every seat sees: refused while others work.
    static constexpr const char* kOtherSeats =
        QT_TR_N_NOOP("%n other seat(s) are connected to the shared books. A restore replaces "
                     "everything they work on: ask them to close Billcraft, then restore again.");

    // `reloadWindow` refills the main window from whatever database the session has open:
    // identities, client lists, page settings, the first tab, the calendar and its day.
    BackupRestore(Session& session, QWidget* window, std::function<void()> reloadWindow);

    // Each asks its questions, then starts the copy on a worker and returns at once; the
    // messages follow when it is done. The LongWork is returned (nullptr when the user
    // stopped before any work began), for whoever waits on its finished().
    LongWork* backUp();
    LongWork* restore();

private:
    // True on a data folder, and on shared books no other seat is connected to; else says why.
    bool othersAway();
    // After the proof, on shared books: their rows and files replaced by the copy's and the
    // archive's in one transaction.
    static void replaceOnServer(Session& session, const std::function<void()>& reloadWindow,
                                const QString& copy,
                                const QList<QPair<QString, QByteArray>>& files);
    // After the proof: loads the window from the proved copy, then makes it the live file.
    static void replaceLive(Session& session, const std::function<void()>& reloadWindow,
                            const QString& copy);

    Session& m_session;
    QWidget* m_window;
    std::function<void()> m_reloadWindow;
};
