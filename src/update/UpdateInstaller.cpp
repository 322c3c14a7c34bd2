#include "update/UpdateInstaller.h"

#include "core/SafeFile.h"
#include "core/ZipArchive.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace UpdateInstaller {

QString backupPath(const QString& programPath)
{
    const QFileInfo program(programPath);
    return program.dir().filePath(program.completeBaseName() + QStringLiteral(".bak"));
}

namespace {

Status failed(const QString& text)
{
    return Failure{text};
}

} // namespace

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

    // Unpacked beside the program first, so the moves below are renames within one folder and
    // a package that does not unpack leaves the program as it was.
    const QString staged = programPath + QStringLiteral(".new");
    QFile::remove(staged);
    const Result<qint64> unpacked = ZipArchive::extractOne(packagePath, program.fileName(), staged);
    if (!unpacked) {
        QFile::remove(staged);
        return failed(unpacked.error());
    }
    QFile::setPermissions(staged, QFile::permissions(programPath));

    // A program file that is running may be renamed; its process keeps the old file.
    const QString backup = backupPath(programPath);
    if (QFileInfo::exists(backup) && !QFile::remove(backup)) {
        QFile::remove(staged);
        return failed(QStringLiteral("The earlier copy %1 cannot be removed.").arg(backup));
    }
    if (!QFile::rename(programPath, backup)) {
        QFile::remove(staged);
        return failed(QStringLiteral("%1 cannot be renamed to %2.").arg(programPath, backup));
    }
    if (!QFile::rename(staged, programPath)) {
        QFile::remove(staged);
        QFile::rename(backup, programPath); // the old program back in its place
        return failed(
            QStringLiteral("The new program cannot be put in place of %1.").arg(programPath));
    }
    return Done{};
}

} // namespace UpdateInstaller
