#include "core/SharedFiles.h"

#include "core/Database.h"
#include "core/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

SharedFiles::SharedFiles(Database& db, QString dataFolder)
    : m_db(db)
    , m_folder(std::move(dataFolder))
{}

bool SharedFiles::onServer() const
{
    return m_db.isServer();
}

QString SharedFiles::pathOf(const QString& name) const
{
    return QDir(m_folder).filePath(name);
}

QString SharedFiles::describe(const QString& name) const
{
    return onServer() ? tr("%1 in the shared books").arg(name)
                      : QDir::toNativeSeparators(pathOf(name));
}

QString SharedFiles::checkName(const QString& name) const
{
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'/') ||
        name.contains(u'\\') || name.contains(QChar(0)))
        return tr("\"%1\" is not the name of a file the books keep.").arg(name);
    return {};
}

Result<std::optional<QByteArray>> SharedFiles::read(const QString& name) const
{
    if (const QString why = checkName(name); !why.isEmpty())
        return Failure{why};
    const auto tooLarge = [&](qint64 size) {
        return Failure{
            tr("%1 cannot be read: it is too large (%2 bytes).").arg(describe(name)).arg(size)};
    };
    if (onServer()) {
        // The length first, so that a huge value is refused without being sent.
        const auto row = m_db.one(
            QStringLiteral("SELECT length(Bytes), CASE WHEN length(Bytes) <= ? THEN Bytes END "
                           "FROM BillcraftFiles WHERE Name = ?"),
            {kMaxBytes, name}, [](const Row& r) {
                return std::pair<qint64, QByteArray>(r[0].toLongLong(), r[1].toByteArray());
            });
        if (!row)
            return Failure{tr("%1 cannot be read: %2").arg(describe(name), row.error())};
        if (!*row)
            return std::optional<QByteArray>();
        if ((*row)->first > kMaxBytes)
            return tooLarge((*row)->first);
        return std::optional<QByteArray>((*row)->second);
    }
    QFile file(pathOf(name));
    const QFileInfo info(file);
    if (!info.exists())
        return std::optional<QByteArray>();
    // A folder in its place is not taken for a missing file, which a write would then replace.
    if (!info.isFile())
        return Failure{tr("%1 cannot be read: it is not a file.").arg(describe(name))};
    if (!file.open(QIODevice::ReadOnly))
        return Failure{tr("%1 cannot be read: %2").arg(describe(name), file.errorString())};
    if (file.size() > kMaxBytes)
        return tooLarge(file.size());
    QByteArray bytes = file.read(kMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return Failure{tr("%1 cannot be read: %2").arg(describe(name), file.errorString())};
    if (bytes.size() > kMaxBytes) // grown while read
        return tooLarge(bytes.size());
    return std::optional<QByteArray>(std::move(bytes));
}

Result<bool> SharedFiles::exists(const QString& name) const
{
    if (const QString why = checkName(name); !why.isEmpty())
        return Failure{why};
    if (onServer())
        return m_db.exists(QStringLiteral("SELECT 1 FROM BillcraftFiles WHERE Name = ?"), {name});
    return QFileInfo::exists(pathOf(name));
}

Status SharedFiles::write(const QString& name, const QByteArray& bytes)
{
    if (const QString why = checkName(name); !why.isEmpty())
        return Failure{why};
    if (bytes.size() > kMaxBytes)
        return Failure{tr("%1 cannot be saved: it would be too large (%2 bytes).")
                           .arg(describe(name))
                           .arg(bytes.size())};
    if (onServer()) {
        const Result<qint64> done =
            m_db.change({},
                        QStringLiteral("INSERT INTO BillcraftFiles(Name, Bytes) VALUES (?, ?) "
                                       "ON CONFLICT (Name) DO UPDATE SET Bytes = excluded.Bytes"),
                        {name, bytes});
        if (!done)
            return Failure{tr("%1 cannot be saved: %2").arg(describe(name), done.error())};
        return Done{};
    }
    QString error;
    if (!SafeFile::write(pathOf(name), bytes, &error))
        return Failure{tr("%1 cannot be saved: %2").arg(describe(name), error)};
    return Done{};
}

Status SharedFiles::writeTogether(const QList<std::pair<QString, QByteArray>>& files)
{
    if (onServer()) {
        Transaction tx(m_db);
        if (!tx.isActive())
            return Failure{tr("The files cannot be saved: %1").arg(m_db.errorString())};
        for (const auto& [name, bytes] : files) {
            if (const Status written = write(name, bytes); !written)
                return written;
        }
        if (!tx.commit())
            return Failure{tr("The files cannot be saved: %1").arg(m_db.errorString())};
        return Done{};
    }
    // Each file's old bytes are read before anything is written, so that all can go back.
    QList<std::optional<QByteArray>> before;
    for (const auto& file : files) {
        const Result<std::optional<QByteArray>> old = read(file.first);
        if (!old)
            return Failure{old.error()};
        before << *old;
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        const Status written = write(files[i].first, files[i].second);
        if (written)
            continue;
        QString why = written.error();
        for (qsizetype j = i - 1; j >= 0; --j) {
            const Status undone =
                before[j] ? write(files[j].first, *before[j]) : remove(files[j].first);
            if (!undone)
                why += tr("\n%1 could not be put back as it was: %2")
                           .arg(describe(files[j].first), undone.error());
        }
        return Failure{why};
    }
    return Done{};
}

Status SharedFiles::remove(const QString& name)
{
    if (const QString why = checkName(name); !why.isEmpty())
        return Failure{why};
    if (onServer()) {
        const Result<qint64> done =
            m_db.change({}, QStringLiteral("DELETE FROM BillcraftFiles WHERE Name = ?"), {name});
        if (!done)
            return Failure{tr("%1 cannot be removed: %2").arg(describe(name), done.error())};
        return Done{};
    }
    QFile file(pathOf(name));
    if (file.exists() && !file.remove())
        return Failure{tr("%1 cannot be removed: %2").arg(describe(name), file.errorString())};
    return Done{};
}

Result<QStringList> SharedFiles::names() const
{
    if (onServer()) {
        const auto all = m_db.all(QStringLiteral("SELECT Name FROM BillcraftFiles"), {},
                                  [](const Row& row) { return row[0].toString(); });
        if (!all)
            return Failure{all.error()};
        return QStringList(*all);
    }
    return QDir(m_folder).entryList(QDir::Files);
}
