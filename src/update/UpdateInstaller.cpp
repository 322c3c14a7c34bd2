#include "update/UpdateInstaller.h"

#include "core/ZipArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
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
        return failed(QCoreApplication::translate("UpdateInstaller", "%1 cannot be read: %2")
                          .arg(from, in.errorString()));
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return failed(QCoreApplication::translate("UpdateInstaller", "%1 cannot be written: %2")
                          .arg(to, out.errorString()));
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n < 0) {
            out.cancelWriting();
            return failed(QCoreApplication::translate("UpdateInstaller", "%1 cannot be read: %2")
                              .arg(from, in.errorString()));
        }
        if (n == 0)
            break;
        if (out.write(buffer.constData(), n) != n) {
            const QString why = out.errorString();
            out.cancelWriting();
            return failed(QCoreApplication::translate("UpdateInstaller", "%1 cannot be written: %2")
                              .arg(to, why));
        }
    }
    if (!out.commit())
        return failed(QCoreApplication::translate("UpdateInstaller", "%1 cannot be written: %2")
                          .arg(to, out.errorString()));
    QFile::setPermissions(to, QFile::permissions(from));
    return Done{};
}

// The earlier program file stays reachable as `backup`. A hard link costs no space and keeps
// the program file itself in place, so nothing is ever missing while the copy is made.
Status keepBackup(const QString& programPath, const QString& backup)
{
    if (QFileInfo::exists(backup) && !QFile::remove(backup))
        return failed(
            QCoreApplication::translate("UpdateInstaller", "The earlier copy %1 cannot be removed.")
                .arg(backup));
    if (::link(QFile::encodeName(programPath).constData(), QFile::encodeName(backup).constData()) ==
        0)
        return Done{};
    return copyDurably(programPath, backup);
}

// Closes a descriptor when it goes out of scope.
struct Descriptor {
    int fd = -1;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool writeFully(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data += n;
        left -= n;
    }
    return ::fsync(fd) == 0;
}

QString notOurs(const QString& folder)
{
    return QCoreApplication::translate(
               "UpdateInstaller",
               "The folder %1 belongs to another user; Billcraft does not write into "
               "it. Remove it and try again.")
        .arg(folder);
}

} // namespace

Owner owner(const QString& programPath, const QStringList& packageLists)
{
    const QFileInfo program(programPath);
    const QString canonical = program.canonicalFilePath();
    const QString path = canonical.isEmpty() ? program.absoluteFilePath() : canonical;
    if (path.startsWith(QLatin1String("/usr/")) && !path.startsWith(QLatin1String("/usr/local/")))
        return Owner::PackageManager;
    const QString suffix = u'/' + program.fileName();
    for (const QString& list : packageLists) {
        QFile file(list);
        if (!file.open(QIODevice::ReadOnly))
            continue; // a package that is not installed has no list
        while (!file.atEnd()) {
            const QString line = QFile::decodeName(file.readLine().trimmed());
            if (line.endsWith(suffix) && QFileInfo(line).canonicalFilePath() == path)
                return Owner::PackageManager;
        }
    }
    // Replacing the file is a rename in its folder, so both must be writable.
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0 ||
        ::access(QFile::encodeName(program.absolutePath()).constData(), W_OK) != 0)
        return Owner::NotWritable;
    return Owner::User;
}

QString downloadsProblem(const QString& downloadsFolder)
{
    struct stat st {};
    if (::lstat(QFile::encodeName(downloadsFolder).constData(), &st) != 0)
        return errno == ENOENT ? QString()
                               : QCoreApplication::translate("UpdateInstaller",
                                                             "The folder %1 cannot be examined: %2")
                                     .arg(downloadsFolder, systemError());
    if (S_ISLNK(st.st_mode))
        return QCoreApplication::translate(
                   "UpdateInstaller", "%1 is a symbolic link; Billcraft does not write through it. "
                                      "Remove the link and try again.")
            .arg(downloadsFolder);
    if (!S_ISDIR(st.st_mode))
        return QCoreApplication::translate("UpdateInstaller",
                                           "%1 is not a folder. Remove it and try again.")
            .arg(downloadsFolder);
    if (st.st_uid != ::geteuid())
        return notOurs(downloadsFolder);
    return {};
}

Status keepPackage(const QByteArray& package, const QString& downloadsFolder)
{
    const QByteArray folder = QFile::encodeName(downloadsFolder);
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        return failed(
            QCoreApplication::translate("UpdateInstaller", "The folder %1 cannot be made: %2")
                .arg(downloadsFolder, systemError()));
    if (const QString problem = downloadsProblem(downloadsFolder); !problem.isEmpty())
        return failed(problem);
    // Checked again through the opened folder itself: whatever its name points at by now.
    const Descriptor dir{
        ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC)};
    struct stat st {};
    if (dir.fd < 0 || ::fstat(dir.fd, &st) != 0) {
        const QString why = systemError();
        const QString problem = downloadsProblem(downloadsFolder); // swapped for a link?
        return failed(problem.isEmpty()
                          ? QCoreApplication::translate("UpdateInstaller",
                                                        "The folder %1 cannot be opened: %2")
                                .arg(downloadsFolder, why)
                          : problem);
    }
    if (st.st_uid != ::geteuid())
        return failed(notOurs(downloadsFolder));

    const QByteArray name = QFile::encodeName(kPackageName);
    const QByteArray temp = name + '.' + QByteArray::number(::getpid()) + ".part";
    ::unlinkat(dir.fd, temp.constData(), 0); // left by a crash of an earlier process of this id
    const QString where = QDir(downloadsFolder).filePath(kPackageName);
    QString why;
    {
        const Descriptor out{::openat(dir.fd, temp.constData(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)};
        if (out.fd < 0 || !writeFully(out.fd, package))
            why = systemError();
    }
    if (why.isEmpty() && ::renameat(dir.fd, temp.constData(), dir.fd, name.constData()) != 0)
        why = systemError();
    if (!why.isEmpty()) {
        ::unlinkat(dir.fd, temp.constData(), 0);
        return failed(QCoreApplication::translate("UpdateInstaller", "%1 cannot be written: %2")
                          .arg(where, why));
    }
    if (::fsync(dir.fd) != 0)
        return failed(
            QCoreApplication::translate("UpdateInstaller",
                                        "%1 was written, but it could not be flushed to disk: %2")
                .arg(where, systemError()));
    return Done{};
}

Result<QByteArray> revisionEntry(const QByteArray& package)
{
    QTemporaryDir scratch; // private to this user (0700)
    if (!scratch.isValid())
        return Failure{QCoreApplication::translate("UpdateInstaller", "No temporary folder: %1")
                           .arg(scratch.errorString())};
    const QString revisionPath = scratch.filePath(kRevisionEntry);
    const Result<qint64> read = ZipArchive::extractOneFromMemory(
        package, kPackageName, kRevisionEntry, revisionPath, {kMaxRevisionEntryBytes, {}});
    if (!read)
        return Failure{read.error()};
    QFile file(revisionPath);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QCoreApplication::translate("UpdateInstaller", "%1 cannot be read: %2")
                           .arg(revisionPath, file.errorString())};
    return file.readAll();
}

Status install(const QByteArray& package, const QString& programPath)
{
    const QFileInfo program(programPath);
    if (!program.isFile())
        return failed(
            QCoreApplication::translate("UpdateInstaller", "The program file %1 was not found.")
                .arg(programPath));

    // Unpacked beside the program first (flushed to disk by the extraction), so the final step
    // is a rename within one folder and a package that does not unpack changes nothing.
    const QString staged = programPath + QStringLiteral(".new");
    QFile::remove(staged);
    const Result<qint64> unpacked =
        ZipArchive::extractOneFromMemory(package, kPackageName, kProgramEntry, staged);
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
        return failed(QCoreApplication::translate(
                          "UpdateInstaller", "The new program cannot be put in place of %1: %2")
                          .arg(programPath, why));
    }
    // The rename survives a power cut; the new program is in place either way.
    ZipArchive::syncFolder(program.absolutePath());
    return Done{};
}

} // namespace UpdateInstaller
