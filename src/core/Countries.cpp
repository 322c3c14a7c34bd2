#include "core/Countries.h"

#include "core/CountryNames.h"
#include "core/Translations.h"

#include <QCollator>
#include <QHash>
#include <QLocale>
#include <QMutex>
#include <algorithm>

namespace Countries {
namespace {

// Names folded for comparison: lower case, accents and dots dropped, blanks collapsed.
QString folded(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isMark() || c == u'.')
            continue;
        out += c.isSpace() || c == u'-' ? QChar(u' ') : c;
    }
    return out.simplified();
}

// Two-letter codes Qt gives to regions that ISO 3166-1 reserves for other uses (the European
// Union, the United Nations, the Canary Islands, Kosovo...), which no e-invoice may carry.
bool isReserved(const QString& code)
{
    static const QStringList reserved = {
        QStringLiteral("AC"), QStringLiteral("CP"), QStringLiteral("DG"), QStringLiteral("EA"),
        QStringLiteral("EU"), QStringLiteral("EZ"), QStringLiteral("IC"), QStringLiteral("QO"),
        QStringLiteral("TA"), QStringLiteral("UN"), QStringLiteral("XK"), QStringLiteral("XA"),
        QStringLiteral("XB")};
    return reserved.contains(code);
}

QLocale::Territory territoryOf(const QString& code)
{
    if (code.size() != 2 || isReserved(code))
        return QLocale::AnyTerritory;
    return QLocale::codeToTerritory(code);
}

// The alpha-2 code of a territory, or empty for a region that has none.
QString codeOf(QLocale::Territory territory)
{
    const QString code = QLocale::territoryToCode(territory);
    return code.size() == 2 && !isReserved(code) ? code : QString();
}

// Every name Qt knows for each territory, folded, with its code; an empty code marks a name
// that two territories share.
QHash<QString, QString> buildNames()
{
    QHash<QString, QString> names;
    const auto add = [&names](const QString& name, const QString& code) {
        const QString key = folded(name);
        if (key.isEmpty())
            return;
        const auto it = names.constFind(key);
        if (it == names.constEnd())
            names.insert(key, code);
        else if (*it != code)
            names[key].clear();
    };
    for (int t = 1; t <= int(QLocale::LastTerritory); ++t) {
        const auto territory = QLocale::Territory(t);
        if (const QString code = codeOf(territory); !code.isEmpty())
            add(QLocale::territoryToString(territory), code);
    }
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : locales) {
        if (const QString code = codeOf(locale.territory()); !code.isEmpty())
            add(locale.nativeTerritoryName(), code);
    }
    // What English-speaking users commonly write where the list has a longer name.
    static const char* const kCommon[][2] = {
        {"UK", "GB"},
        {"Great Britain", "GB"},
        {"Britain", "GB"},
        {"England", "GB"},
        {"Scotland", "GB"},
        {"Wales", "GB"},
        {"Northern Ireland", "GB"},
        {"USA", "US"},
        {"United States of America", "US"},
        {"Holland", "NL"},
        {"Eire", "IE"},
        {"Republic of Ireland", "IE"},
    };
    for (const auto& [name, code] : kCommon)
        add(QLatin1String(name), QLatin1String(code));
    return names;
}

// The names in the program's language where it is not English and iso-codes has them; read
// once per language.
QHash<QString, QString> localNames()
{
    const QString language = Translations::current();
    if (language == u"en")
        return {};
    static QMutex mutex;
    static QHash<QString, QHash<QString, QString>> byLanguage;
    const QMutexLocker lock(&mutex);
    auto it = byLanguage.find(language);
    if (it == byLanguage.end())
        it = byLanguage.insert(language, CountryNames::in(language));
    return *it;
}

QString nameOf(QLocale::Territory territory, const QString& code,
               const QHash<QString, QString>& local)
{
    const QString name = local.value(code);
    return name.isEmpty() ? QLocale::territoryToString(territory) : name;
}

} // namespace

bool isCode(const QString& code)
{
    return code.size() == 2 && code == code.toUpper() && territoryOf(code) != QLocale::AnyTerritory;
}

QString codeFromName(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() == 2 && isCode(trimmed.toUpper()))
        return trimmed.toUpper();
    static const QHash<QString, QString> names = buildNames();
    return names.value(folded(trimmed));
}

QString name(const QString& code)
{
    const QLocale::Territory territory = territoryOf(code);
    return territory == QLocale::AnyTerritory ? code : nameOf(territory, code, localNames());
}

QList<Country> list(const QLocale& display)
{
    QList<Country> countries;
    const QHash<QString, QString> local = localNames();
    for (int t = 1; t <= int(QLocale::LastTerritory); ++t) {
        const auto territory = QLocale::Territory(t);
        if (const QString code = codeOf(territory); !code.isEmpty())
            countries.append({code, nameOf(territory, code, local)});
    }
    QCollator collator(display);
    std::sort(countries.begin(), countries.end(), [&](const Country& a, const Country& b) {
        return collator.compare(a.name, b.name) < 0;
    });
    return countries;
}

} // namespace Countries
