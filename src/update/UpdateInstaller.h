#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Puts a verified package in place. The package is a zip archive holding the new program file
// as the entry "billcraft" (whatever the installed program file is called) and its revision
// number as the entry "revision"; it is kept as "accounts.zip" in the downloads folder.
// The program file being replaced is kept beside it as ".bak" (billcraft -> billcraft.bak,
// accounts.exe -> accounts.bak), replacing an older one. The new file replaces the program
// file in one rename, so the program file is always either the old or the new one, never none.
namespace UpdateInstaller {

inline const QString kPackageName = QStringLiteral("accounts.zip");
inline const QString kProgramEntry = QStringLiteral("billcraft");
inline const QString kRevisionEntry = QStringLiteral("revision");

QString backupPath(const QString& programPath);

// Who may replace the program file.
enum class Owner {
    User,           // the user running it: the update may install
    PackageManager, // the system's package manager, which updates it
    NotWritable     // neither: the user may not write the file or its folder
};
// The package manager's when the program lives under /usr (but not /usr/local, the
// administrator's own) or one of `packageLists` (dpkg's file lists of the billcraft package)
// names it: a path test and a small file read, no process started.
Owner owner(const QString& programPath, const QStringList& packageLists);

// Why the downloads folder must not be written into, empty when it may be (or does not exist
// yet): a symbolic link, not a folder, or another user's folder.
QString downloadsProblem(const QString& downloadsFolder);

// Keeps the verified package as accounts.zip in the downloads folder, made private (0700) when
// missing. The folder is opened without following a link and checked through that descriptor,
// and the file is written under a temporary name and renamed relative to it, so nothing is
// written elsewhere even when the folder's name is swapped meanwhile.
Status keepPackage(const QByteArray& package, const QString& downloadsFolder);

// The text of the package's "revision" entry, read without touching the data folder.
Result<QByteArray> revisionEntry(const QByteArray& package);

// `package` must already have been verified: the program is unpacked from these bytes, never
// from a copy on disk that someone could have changed since. On failure the program file is as
// it was.
Status install(const QByteArray& package, const QString& programPath);

} // namespace UpdateInstaller
