#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

// The program's translation catalogues (billcraft_<language>.qm): beside the program in a build
// tree, in the install's share folder otherwise. English is the source language and needs none.
namespace Translations {

// The folders searched, first match wins: <program folder>/translations, then
// <program folder>/../share/billcraft/translations.
QStringList folders(const QString& programFolder);

// Loads the catalogue for `locale` from the first folder that has one and installs it in `app`,
// which owns the translator. nullptr when none fits or it translates nothing (English, or a
// language not yet translated): the program then shows its English texts.
QTranslator* install(QCoreApplication& app, const QLocale& locale = QLocale());

} // namespace Translations
