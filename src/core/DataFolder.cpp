#include "core/DataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace DataFolder {

QString defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString prepare(const QString& path)
{
    if (path.isEmpty())
        return QStringLiteral("No data folder was given.");
    const QFileInfo info(path);
    if (info.exists() && !info.isDir())
        return QStringLiteral("The data folder %1 is a file, not a folder.").arg(path);
    if (!QDir().mkpath(path))
        return QStringLiteral("The data folder %1 cannot be created.").arg(path);
    // Root writes anywhere, so a folder its owner made read-only is refused on its mark alone.
    if (!(QFileInfo(path).permissions() & QFileDevice::WriteOwner))
        return QStringLiteral("The data folder %1 is read-only. Billcraft needs to write there: "
                              "make the folder writable, or start Billcraft with another data "
                              "folder.")
            .arg(QDir::toNativeSeparators(path));
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral(".write-test-XXXXXX")));
    if (!probe.open())
        return QStringLiteral("The data folder %1 cannot be written to.").arg(path);
    return {};
}

} // namespace DataFolder
