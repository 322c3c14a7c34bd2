#include "core/Preferences.h"

#include "core/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

namespace {

// Far beyond any set of choices; a larger file is not ours.
constexpr qint64 kMaxFileSize = 64 * 1024;

} // namespace

QString Preferences::defaultFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Billcraft/preferences.json"));
}

Preferences::Preferences(QString file)
    : m_file(std::move(file))
{
    QFile in(m_file);
    if (m_file.isEmpty() || in.size() > kMaxFileSize || !in.open(QIODevice::ReadOnly))
        return;
    const QJsonObject values = QJsonDocument::fromJson(in.readAll()).object();
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (it->isString())
            m_values.insert(it.key(), it->toString());
    }
}

QString Preferences::value(const QString& key, const QString& fallback) const
{
    return m_values.value(key, fallback);
}

Status Preferences::setValue(const QString& key, const QString& value)
{
    m_values.insert(key, value);
    if (m_file.isEmpty())
        return Done{};
    QJsonObject values;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        values.insert(it.key(), it.value());
    QString error;
    if (!QDir().mkpath(QFileInfo(m_file).absolutePath()) ||
        !SafeFile::write(m_file, QJsonDocument(values).toJson(), &error))
        return Failure{error.isEmpty() ? QDir::toNativeSeparators(m_file) : error};
    return Done{};
}
