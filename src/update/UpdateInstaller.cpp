#include "update/UpdateInstaller.h"

#include "core/SafeFile.h"
#include "core/ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace UpdateInstaller {

QString backupPath(const QString& programPath)
{
    const QFileInfo program(programPath);
    return program.dir().filePath(program.completeBaseName() + QStringLiteral(".bak"));
}

namespace {

// A revision number is at most nine digits; blanks and a byte-order mark fit well within this.
constexpr qint64 kMaxRevisionEntryBytes = 64;

Status failed(const QString& text)
{
    return Failure{text};
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// A full copy when the folder cannot hold a second link (some mounted file systems);
// QSaveFile::commit flushes the bytes to disk before it renames them into place.
Status copyDurably(const QString& from, const QString& to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return failed(QStringLiteral("%1 cannot be read: %2").arg(from, in.errorString()));
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return failed(QStringLiteral("%1 cannot be written: %2").arg(to, out.errorString()));
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n < 0) {
            out.cancelWriting();
            return failed(QStringLiteral("%1 cannot be read: %2").arg(from, in.errorString()));
        }
        if (n == 0)
            break;
        if (out.write(buffer.constData(), n) != n) {
            const QString why = out.errorString();
            out.cancelWriting();
            return failed(QStringLiteral("%1 cannot be written: %2").arg(to, why));
        }
    }
    if (!out.commit())
        return failed(QStringLiteral("%1 cannot be written: %2").arg(to, out.errorString()));
    QFile::setPermissions(to, QFile::permissions(from));
    return Done{};
}

// The earlier program file stays reachable as `backup`. A hard link costs no space and keeps
// the program file itself in place, so nothing is ever missing while the copy is made.
Status keepBackup(const QString& programPath, const QString& backup)
{
    if (QFileInfo::exists(backup) && !QFile::remove(backup))
        return failed(QStringLiteral("The earlier copy %1 cannot be removed.").arg(backup));
    if (::link(QFile::encodeName(programPath).constData(), QFile::encodeName(backup).constData()) ==
        0)
        return Done{};
    return copyDurably(programPath, backup);
}

} // namespace

Result<QByteArray> revisionEntry(const QByteArray& package)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return Failure{QStringLiteral("No temporary folder: %1").arg(scratch.errorString())};
    const QString packagePath = scratch.filePath(kPackageName);
    QString error;
    if (!SafeFile::write(packagePath, package, &error))
        return Failure{error};
    const QString revisionPath = scratch.filePath(kRevisionEntry);
    const Result<qint64> read = ZipArchive::extractOne(packagePath, kRevisionEntry, revisionPath,
                                                       {kMaxRevisionEntryBytes, {}});
    if (!read)
        return Failure{read.error()};
    QFile file(revisionPath);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{
            QStringLiteral("%1 cannot be read: %2").arg(revisionPath, file.errorString())};
    return file.readAll();
}

Status install(const QByteArray& package, const QString& programPath,
               const QString& downloadsFolder)
{
    const QFileInfo program(programPath);
    if (!program.isFile())
        return failed(QStringLiteral("The program file %1 was not found.").arg(programPath));

    if (!QDir().mkpath(downloadsFolder))
        return failed(QStringLiteral("The folder %1 cannot be made.").arg(downloadsFolder));
    const QString packagePath = QDir(downloadsFolder).filePath(kPackageName);
    QString error;
    if (!SafeFile::write(packagePath, package, &error))
        return failed(error);

    // Unpacked beside the program first (flushed to disk by the extraction), so the final step
    // is a rename within one folder and a package that does not unpack changes nothing.
    const QString staged = programPath + QStringLiteral(".new");
    QFile::remove(staged);
    const Result<qint64> unpacked = ZipArchive::extractOne(packagePath, kProgramEntry, staged);
    if (!unpacked) {
        QFile::remove(staged);
        return failed(unpacked.error());
    }
    QFile::setPermissions(staged, QFile::permissions(programPath));

    const QString backup = backupPath(programPath);
    if (const Status kept = keepBackup(programPath, backup); !kept) {
        QFile::remove(staged);
        return kept;
    }
    // rename() replaces the program file in one step; a running program keeps its open file.
    if (std::rename(QFile::encodeName(staged).constData(),
                    QFile::encodeName(programPath).constData()) != 0) {
        const QString why = systemError();
        QFile::remove(staged);
        return failed(QStringLiteral("The new program cannot be put in place of %1: %2")
                          .arg(programPath, why));
    }
    // The rename survives a power cut; the new program is in place either way.
    ZipArchive::syncFolder(program.absolutePath());
    return Done{};
}

} // namespace UpdateInstaller
