#include "core/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace Translations {

namespace {

// The program's own catalogue for `locale`, not yet installed; nullptr when none fits.
std::unique_ptr<QTranslator> programCatalogue(const QLocale& locale, const QStringList& searched)
{
    for (const QString& folder : searched) {
        auto translator = std::make_unique<QTranslator>();
        // Tries billcraft_de_AT.qm, billcraft_de.qm, ... in the order of the locale's languages.
        if (translator->load(locale, QStringLiteral("billcraft"), QStringLiteral("_"), folder))
            return translator;
    }
    return nullptr;
}

} // namespace

QStringList languages()
{
    return {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("fr")};
}

QLocale locale(const QString& choice, const QLocale& desktop)
{
    return languages().contains(choice) ? QLocale(choice) : desktop;
}

QStringList folders(const QString& programFolder)
{
    const QDir dir(programFolder);
    return {QDir::cleanPath(dir.filePath(QStringLiteral("translations"))),
            QDir::cleanPath(dir.filePath(QStringLiteral("../share/billcraft/translations")))};
}

QTranslator* install(QCoreApplication& app, const QLocale& locale)
{
    return install(app, locale, folders(QCoreApplication::applicationDirPath()));
}

QTranslator* install(QCoreApplication& app, const QLocale& locale, const QStringList& searched)
{
    std::unique_ptr<QTranslator> ours = programCatalogue(locale, searched);
    // A catalogue without a single translation (English) is not installed.
    if (!ours || !QCoreApplication::installTranslator(ours.get()))
        return nullptr;
    ours->setParent(&app);
    auto* qt = new QTranslator(&app);
    if (!qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(qt))
        delete qt; // the standard dialogs then speak English, the rest is still translated
    return ours.release();
}

QString current()
{
    //: The ISO 639-1 code of the language of this catalogue: "de" in the German one.
    const QString code = QCoreApplication::translate("Translations", "en");
    return languages().contains(code) ? code : QStringLiteral("en");
}

QString inLanguage(const QString& language, const char* context, const char* source)
{
    const std::unique_ptr<QTranslator> catalogue =
        programCatalogue(QLocale(language), folders(QCoreApplication::applicationDirPath()));
    const QString text = catalogue ? catalogue->translate(context, source) : QString();
    return text.isEmpty() ? QString::fromUtf8(source) : text;
}

} // namespace Translations
