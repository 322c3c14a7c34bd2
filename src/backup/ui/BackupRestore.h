#pragma once

#include <QString>
#include <functional>

class QWidget;
class Session;

// The Back Up and Restore picture-buttons: the questions, the file dialogs, the progress of a
// large database and the messages. The work is done by Backup and Restore.
class BackupRestore {
public:
    static inline const QString kBackUpQuestion = QStringLiteral("Back Up DataFile ?");
    static inline const QString kBackUpTitle = QStringLiteral("Back Up ?");
    static inline const QString kBackUpDialogTitle = QStringLiteral("Back Data file");
    static inline const QString kBackedUp = QStringLiteral("File Backed Up");
    // Asked when ".bak" was added to a typed name that another file already has.
    static inline const QString kReplaceQuestion =
        QStringLiteral("%1 already exists.\nDo you want to replace it?");
    static inline const QString kBackUpFailed = QStringLiteral("The back up was not made.\n");

    static inline const QString kRestoreQuestion = QStringLiteral("Restore DataFile ?");
    static inline const QString kRestoreTitle = QStringLiteral("Restore ?");
    static inline const QString kRestoreDialogTitle = QStringLiteral("Restore DataFile");
    static inline const QString kNoDatabase = QStringLiteral("File Restore Error");
    static inline const QString kInvalid =
        QStringLiteral("File restore Failed The back up is "
                       "invalid\nReturning to existing Data file");
    static inline const QString kRestored = QStringLiteral("File Sucessfully Restored");
    static inline const QString kKeptAs =
        QStringLiteral("\nThe data file it replaced is kept as %1");
    static inline const QString kNotReplaced =
        QStringLiteral("The back up was proved sound but could not replace the data file:\n%1\n"
                       "Returning to existing Data file");
    static inline const QString kNotReopened =
        QStringLiteral("The data file could not be opened again:\n%1\nClose Billcraft and start "
                       "it again.");

    // `reloadWindow` refills the main window from whatever database the session has open:
    // identities, client lists, page settings, the first tab, the calendar and its day.
    BackupRestore(Session& session, QWidget* window, std::function<void()> reloadWindow);

    void backUp();
    void restore();

private:
    Session& m_session;
    QWidget* m_window;
    std::function<void()> m_reloadWindow;
};
