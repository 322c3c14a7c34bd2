#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QString>

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

// The text of the package's "revision" entry, read without touching the data folder.
Result<QByteArray> revisionEntry(const QByteArray& package);

// `package` must already have been verified: this only unpacks and moves files. On failure the
// program file is as it was.
Status install(const QByteArray& package, const QString& programPath,
               const QString& downloadsFolder);

} // namespace UpdateInstaller
