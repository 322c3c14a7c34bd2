#pragma once

#include "core/Result.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// The folder that holds everything Billcraft stores: Accounts.mdb, the <identity>.dat layout
// files, Layout.set, Help.set, logos, and the Temp and downloads working folders.
namespace DataFolder {

// The working folder of backups and restores.
inline const QString kTempFolder = QStringLiteral("Temp");

// QStandardPaths::AppDataLocation, e.g. ~/.local/share/Billcraft.
QString defaultPath();

// Creates the folder when missing, readable by its owner alone (0700: it holds the books), and
// checks that files can be written in it (a folder marked read-only is refused even where the
// user could write to it). A folder that exists keeps its permissions. Returns an empty
// string on success, else a message for the user.
QString prepare(const QString& path);

// The working folder `name` inside the data folder (made 0700 when missing), for files that
// must not be read by other users. Refused, with a message for the user, when it is a symbolic
// link, not a folder, or not owned by this user: writing through it could put the books where
// someone else reads them or overwrite someone else's file.
Result<QString> privateSubfolder(const QString& dataFolder, const QString& name);

// Takes away the group's and others' permissions from a file of the books, leaving the
// owner's. Missing files are fine; a file whose permissions cannot be changed is a failure.
Status makePrivate(const QString& file);

// Every Billcraft process that works in a data folder holds it, shared, for as long as it
// works there, through the lock file "Billcraft.lock" in the folder: a window for its whole
// life, a --backup while it runs. The locks are the system's (open file description locks),
// so they go with the process that held them, however it ends: a lock file left behind by a
// killed process holds nothing.
class Hold {
public:
    static inline const QString kLockFile = QStringLiteral("Billcraft.lock");

    // Takes a shared hold of the folder, creating the lock file when missing (0600). Waits
    // while another process cleans up (whileAlone) in the folder. `canCreate` false only opens
    // an existing lock file, for a job that must not write to the folder.
    static Result<std::unique_ptr<Hold>> take(const QString& folder, bool canCreate = true);
    ~Hold();
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

    // Runs `work` only when no other Billcraft holds the folder, holding it alone meanwhile,
    // so that no other Billcraft can start work there until it is done; then holds it shared
    // again. Returns whether `work` ran. For removing files that a killed Billcraft left
    // behind: while another Billcraft holds the folder, such a file may still be its own.
    bool whileAlone(const std::function<void()>& work);

private:
    explicit Hold(int fd);
    int m_fd = -1;
};

// Billcraft's own scratch files left behind in the data folder by a process that was killed
// while writing them: the snapshots of a backup (Temp/backup-XXXXXX.db), the half-extracted
// copies of a restore (Temp/Accounts.mdb.XXXXXX) and the half-written database of a restore
// (Accounts.mdb.XXXXXX.part), and the probe of prepare() (.write-test-XXXXXX). Removes them by
// their names; returns the names of those that could not be removed. Call it inside
// Hold::whileAlone.
QStringList removeStaleScratchFiles(const QString& dataFolder);

} // namespace DataFolder
