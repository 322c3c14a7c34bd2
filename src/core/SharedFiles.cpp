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

QString SharedFiles::describe(const QString& name) const
{
    return onServer() ? tr("%1 in the shared books").arg(name)
                      : QDir::toNativeSeparators(QDir(m_folder).filePath(name));
}

Result<std::optional<QByteArray>> SharedFiles::read(const QString& name) const
{
    if (onServer())
        return m_db.one(QStringLiteral("SELECT Bytes FROM BillcraftFiles WHERE Name = ?"), {name},
                        [](const Row& row) { return row[0].toByteArray(); });
    QFile file(QDir(m_folder).filePath(name));
    if (!file.exists())
        return std::optional<QByteArray>();
    if (!file.open(QIODevice::ReadOnly))
        return Failure{tr("%1 cannot be read: %2").arg(describe(name), file.errorString())};
    return std::optional<QByteArray>(file.readAll());
}

Status SharedFiles::write(const QString& name, const QByteArray& bytes)
{
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
    if (!SafeFile::write(QDir(m_folder).filePath(name), bytes, &error))
        return Failure{tr("%1 cannot be saved: %2").arg(describe(name), error)};
    return Done{};
}

Status SharedFiles::remove(const QString& name)
{
    if (onServer()) {
        const Result<qint64> done =
            m_db.change({}, QStringLiteral("DELETE FROM BillcraftFiles WHERE Name = ?"), {name});
        if (!done)
            return Failure{tr("%1 cannot be removed: %2").arg(describe(name), done.error())};
        return Done{};
    }
    QFile file(QDir(m_folder).filePath(name));
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
