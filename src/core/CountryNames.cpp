#include "core/CountryNames.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>

namespace CountryNames {

namespace {

constexpr quint32 kMoMagic = 0x950412de;
constexpr qint64 kMaxFile = 4 * 1024 * 1024; // the real files are tens of kilobytes

QByteArray readSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFile)
        return {};
    return file.readAll();
}

} // namespace

QHash<QString, QString> readCatalogue(const QByteArray& mo)
{
    // Header: magic, revision, message count, offset of the originals' table, offset of the
    // translations' table; each table entry is (length, offset), 32-bit, in the magic's order.
    const auto word = [&mo](qint64 at, bool little) -> std::optional<quint32> {
        if (at < 0 || at + 4 > mo.size())
            return std::nullopt;
        const char* p = mo.constData() + at;
        return little ? qFromLittleEndian<quint32>(p) : qFromBigEndian<quint32>(p);
    };
    QHash<QString, QString> messages;
    const bool little = word(0, true) == kMoMagic;
    if (!little && word(0, false) != kMoMagic)
        return messages;
    const auto count = word(8, little);
    const auto originals = word(12, little);
    const auto translations = word(16, little);
    if (!count || !originals || !translations || *count > mo.size() / 8)
        return messages;
    const auto text = [&](quint32 table, quint32 i) -> std::optional<QByteArray> {
        const auto length = word(qint64(table) + 8 * qint64(i), little);
        const auto offset = word(qint64(table) + 8 * qint64(i) + 4, little);
        if (!length || !offset || qint64(*offset) + qint64(*length) > mo.size())
            return std::nullopt;
        return mo.mid(*offset, *length);
    };
    for (quint32 i = 0; i < *count; ++i) {
        const std::optional<QByteArray> original = text(*originals, i);
        const std::optional<QByteArray> translation = text(*translations, i);
        if (!original || !translation)
            return {}; // a damaged catalogue gives nothing rather than part
        if (original->isEmpty() || original->contains('\x04') || original->contains('\0'))
            continue; // the header, a message with a context, a plural
        messages.insert(QString::fromUtf8(*original), QString::fromUtf8(*translation));
    }
    return messages;
}

QHash<QString, QString> in(const QString& language, const QString& root)
{
    QHash<QString, QString> names;
    const QHash<QString, QString> catalogue = readCatalogue(readSmallFile(
        QStringLiteral("%1/locale/%2/LC_MESSAGES/iso_3166-1.mo").arg(root, language)));
    if (catalogue.isEmpty())
        return names;
    const QJsonArray countries =
        QJsonDocument::fromJson(
            readSmallFile(root + QStringLiteral("/iso-codes/json/iso_3166-1.json")))
            .object()
            .value(QStringLiteral("3166-1"))
            .toArray();
    for (const QJsonValue& entry : countries) {
        const QJsonObject country = entry.toObject();
        const QString english = country.value(QStringLiteral("name")).toString();
        const QString translated = catalogue.value(english);
        if (!translated.isEmpty())
            names.insert(country.value(QStringLiteral("alpha_2")).toString(), translated);
    }
    return names;
}

} // namespace CountryNames
