#include "core/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace Translations {

QStringList folders(const QString& programFolder)
{
    const QDir dir(programFolder);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("translations"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("../share/billcraft/translations")))};
}

QTranslator* install(QCoreApplication& app, const QLocale& locale)
{
    for (const QString& folder : folders(QCoreApplication::applicationDirPath())) {
        auto* translator = new QTranslator(&app);
        // Tries billcraft_de_AT.qm, billcraft_de.qm, ... in the order of the locale's languages.
        // A catalogue without a single translation (English) is not installed.
        if (translator->load(locale, QStringLiteral("billcraft"), QStringLiteral("_"), folder) &&
            QCoreApplication::installTranslator(translator))
            return translator;
        delete translator;
    }
    return nullptr;
}

} // namespace Translations
