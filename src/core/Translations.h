#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

// The program's translation catalogues (billcraft_<language>.qm): beside the program in a build
// tree, in the install's share folder otherwise. English is the source language and needs none.
// The language chosen changes the texts only: money, dates and sorting keep following the
// desktop's regional settings.
namespace Translations {

// The user's preference that holds a chosen language ("de"); empty or absent: the desktop's.
inline const QString kPreference = QStringLiteral("language");

// The languages the program speaks, as ISO 639-1 codes, English first.
QStringList languages();

// The locale whose language the texts are shown in: the chosen language when the program speaks
// it, otherwise the desktop's locale.
QLocale locale(const QString& choice, const QLocale& desktop = QLocale::system());

// The folders searched, first match wins: <program folder>/translations, then
// <program folder>/../share/billcraft/translations.
QStringList folders(const QString& programFolder);

// Loads the catalogue for `locale` from the first folder that has one and installs it in `app`,
// which owns the translator; with it Qt's own catalogue for the language (the standard dialogs'
// buttons and labels), when the system has one. nullptr when no catalogue of ours fits or it
// translates nothing (English, or a language not translated): the program then shows its
// English texts, and Qt's stay English too.
QTranslator* install(QCoreApplication& app, const QLocale& locale = QLocale());
// The same, searching `searched` for the program's catalogue.
QTranslator* install(QCoreApplication& app, const QLocale& locale, const QStringList& searched);

// The language the program's texts are in now ("de"), as the installed catalogue says; "en"
// without one.
QString current();

// `source` of `context` in `language`, whatever language is installed: how the program says
// something in a language it is about to switch to.
QString inLanguage(const QString& language, const char* context, const char* source);

} // namespace Translations
