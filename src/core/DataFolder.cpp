#include "core/DataFolder.h"

#include "core/SafeFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace DataFolder {

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The whole lock file, shared (F_RDLCK) or alone (F_WRLCK).
struct flock wholeFile(short type)
{
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return lock;
}

// Whether `path` is a real folder, not a link, that belongs to this user.
bool isOwnFolder(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid();
}

// Removes the files of `folder` whose whole names match `pattern`; adds those that stay.
void removeMatching(const QString& folder, const QRegularExpression& pattern, QStringList* kept)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (pattern.match(name).hasMatch() && !QFile::remove(dir.filePath(name)))
            kept->append(native(dir.filePath(name)));
    }
}

} // namespace

QString defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString prepare(const QString& path)
{
    if (path.isEmpty())
        return QCoreApplication::translate("DataFolder", "No data folder was given.");
    const QFileInfo info(path);
    if (info.exists() && !info.isDir())
        return QCoreApplication::translate("DataFolder",
                                           "The data folder %1 is a file, not a folder.")
            .arg(path);
    if (!info.exists()) {
        // Only the data folder itself is private; the folders above it are the user's.
        const QString clean = QDir::cleanPath(info.absoluteFilePath());
        const auto ownerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        if (!QDir().mkpath(QFileInfo(clean).absolutePath()) ||
            (!QDir().mkdir(clean, ownerOnly) && !QFileInfo(clean).isDir()))
            return QCoreApplication::translate("DataFolder",
                                               "The data folder %1 cannot be created.")
                .arg(path);
    }
    // Root writes anywhere, so a folder its owner made read-only is refused on its mark alone.
    if (!(QFileInfo(path).permissions() & QFileDevice::WriteOwner))
        return QCoreApplication::translate(
                   "DataFolder", "The data folder %1 is read-only. Billcraft needs to write there: "
                                 "make the folder writable, or start Billcraft with another data "
                                 "folder.")
            .arg(native(path));
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".write-test-XXXXXX")));
    if (!probe.open())
        return QCoreApplication::translate("DataFolder", "The data folder %1 cannot be written to.")
            .arg(path);
    return {};
}

Result<QString> privateSubfolder(const QString& dataFolder, const QString& name)
{
    const QString path = QDir(dataFolder).filePath(name);
    const QByteArray encoded = QFile::encodeName(path);
    struct stat st;
    if (::lstat(encoded.constData(), &st) != 0) {
        if (errno != ENOENT || (::mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST) ||
            ::lstat(encoded.constData(), &st) != 0)
            return Failure{
                QCoreApplication::translate("DataFolder", "The folder %1 cannot be made: %2")
                    .arg(native(path), SafeFile::reason(errno))};
    }
    if (S_ISLNK(st.st_mode))
        return Failure{
            QCoreApplication::translate("DataFolder",
                                        "%1 is a link to another place. Billcraft writes a copy of "
                                        "your books there, so it must be a folder of your own in "
                                        "the data folder: remove the link and try again.")
                .arg(native(path))};
    if (!S_ISDIR(st.st_mode))
        return Failure{
            QCoreApplication::translate(
                "DataFolder", "%1 is not a folder; Billcraft needs a folder of that name.")
                .arg(native(path))};
    if (st.st_uid != ::geteuid())
        return Failure{
            QCoreApplication::translate("DataFolder",
                                        "The folder %1 belongs to another user. Billcraft writes a "
                                        "copy of your books there, so it must be yours: remove it "
                                        "and try again.")
                .arg(native(path))};
    if ((st.st_mode & 077) != 0 && ::chmod(encoded.constData(), 0700) != 0)
        return Failure{QCoreApplication::translate(
                           "DataFolder", "The folder %1 cannot be made private to you: %2")
                           .arg(native(path), SafeFile::reason(errno))};
    return path;
}

Status makePrivate(const QString& file)
{
    const QByteArray encoded = QFile::encodeName(file);
    struct stat st;
    if (::stat(encoded.constData(), &st) != 0)
        return errno == ENOENT
                   ? Status(Done{})
                   : Failure{QCoreApplication::translate("DataFolder", "%1 cannot be read: %2")
                                 .arg(native(file), SafeFile::reason(errno))};
    if ((st.st_mode & 077) == 0)
        return Done{};
    if (::chmod(encoded.constData(), st.st_mode & 0700) != 0)
        return Failure{
            QCoreApplication::translate("DataFolder", "%1 cannot be made private to you: %2")
                .arg(native(file), SafeFile::reason(errno))};
    return Done{};
}

Result<std::unique_ptr<Hold>> Hold::take(const QString& folder, bool canCreate)
{
    const QString path = QDir(folder).filePath(kLockFile);
    const QByteArray encoded = QFile::encodeName(path);
    int fd = ::open(encoded.constData(),
                    O_RDWR | O_CLOEXEC | O_NOFOLLOW | (canCreate ? O_CREAT : 0), 0600);
    // A lock file we may only read still takes a shared hold.
    if (fd < 0 && (errno == EACCES || errno == EROFS))
        fd = ::open(encoded.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return Failure{QCoreApplication::translate("DataFolder", "%1 cannot be opened: %2")
                           .arg(native(path), SafeFile::reason(errno))};
    struct flock shared = wholeFile(F_RDLCK);
    while (::fcntl(fd, F_OFD_SETLKW, &shared) != 0) {
        if (errno != EINTR) {
            const int error = errno;
            ::close(fd);
            return Failure{QCoreApplication::translate("DataFolder", "%1 cannot be locked: %2")
                               .arg(native(path), SafeFile::reason(error))};
        }
    }
    return std::unique_ptr<Hold>(new Hold(fd));
}

Hold::Hold(int fd)
    : m_fd(fd)
{}

Hold::~Hold()
{
    ::close(m_fd); // releases the lock
}

bool Hold::whileAlone(const std::function<void()>& work)
{
    // Exchanging a shared lock for an exclusive one either succeeds at once or leaves the
    // shared lock in place; giving the exclusive one back for a shared one never waits.
    struct flock alone = wholeFile(F_WRLCK);
    if (::fcntl(m_fd, F_OFD_SETLK, &alone) != 0)
        return false;
    work();
    struct flock shared = wholeFile(F_RDLCK);
    ::fcntl(m_fd, F_OFD_SETLK, &shared);
    return true;
}

QStringList removeStaleScratchFiles(const QString& dataFolder)
{
    // QTemporaryFile and QSaveFile put six letters or digits in place of XXXXXX.
    static const QRegularExpression restoring(
        QStringLiteral("^Accounts\\.mdb\\.[A-Za-z0-9]{6}\\.part$"));
    static const QRegularExpression probe(QStringLiteral("^\\.write-test-[A-Za-z0-9]{6}$"));
    static const QRegularExpression snapshot(QStringLiteral("^backup-[A-Za-z0-9]{6}\\.db$"));
    static const QRegularExpression extracting(QStringLiteral("^Accounts\\.mdb\\.[A-Za-z0-9]{6}$"));
    QStringList kept;
    removeMatching(dataFolder, restoring, &kept);
    removeMatching(dataFolder, probe, &kept);
    // Nothing is removed through a link or in a folder that is not ours.
    const QString temp = QDir(dataFolder).filePath(kTempFolder);
    if (isOwnFolder(temp)) {
        removeMatching(temp, snapshot, &kept);
        removeMatching(temp, extracting, &kept);
    }
    return kept;
}

} // namespace DataFolder
