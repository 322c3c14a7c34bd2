#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <sys/mount.h>

// A small RAM disk (tmpfs) mounted on a temporary folder while it lives, which fill() makes
// full: writes there fail as on a full disk (ENOSPC), unlike FileSizeLimit's EFBIG. Mounting
// needs root; isMounted() says whether it could be had.
class FullDisk {
public:
    explicit FullDisk(int kibibytes = 256)
    {
        const QByteArray options = "size=" + QByteArray::number(kibibytes) + "k,mode=0700";
        m_mounted =
            m_dir.isValid() && ::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(),
                                       "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) == 0;
    }
    ~FullDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    bool isMounted() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

    // Takes up every free byte with a file of its own.
    void fill()
    {
        QFile filler(m_dir.filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(4096, '\0');
        while (filler.write(block) > 0) {
        }
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
