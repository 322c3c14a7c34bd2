#include "core/SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace SafeFile {

QString reason(int systemError)
{
    if (systemError == ENOSPC || systemError == EDQUOT)
        return QCoreApplication::translate("SafeFile", "there is no space left on the disk");
    return QString::fromLocal8Bit(std::strerror(systemError));
}

bool writeAll(QFileDevice& file, const QByteArray& bytes, QString* error)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        errno = 0;
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            const int systemError = errno;
            if (error)
                *error = systemError != 0 ? reason(systemError) : file.errorString();
            return false;
        }
        done += n;
    }
    return true;
}

namespace {

// Writes out what the device still buffers, so that a full disk is reported with its reason.
bool flush(QFileDevice& file, QString* error)
{
    errno = 0;
    if (file.flush())
        return true;
    *error = errno != 0 ? reason(errno) : file.errorString();
    return false;
}

} // namespace

bool flushToDisk(QFileDevice& file, QString* error)
{
    if (!flush(file, error))
        return false;
    if (::fsync(file.handle()) == 0)
        return true;
    *error = reason(errno);
    return false;
}

bool write(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    QString why;
    bool ok = file.open(QIODevice::WriteOnly);
    if (!ok)
        why = file.errorString();
    else if (!(ok = writeAll(file, bytes, &why) && flush(file, &why)))
        file.cancelWriting();
    if (ok) {
        errno = 0;
        ok = file.commit();
        // A failed sync or rename inside commit() may leave only "Unknown error" as the text.
        if (!ok)
            why = errno != 0 && file.errorString() == QFile().errorString() ? reason(errno)
                                                                            : file.errorString();
    }
    if (!ok && error)
        *error = QCoreApplication::translate("SafeFile", "%1 cannot be written: %2").arg(path, why);
    return ok;
}

QString plainFileName(QString name)
{
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    return name;
}

} // namespace SafeFile
