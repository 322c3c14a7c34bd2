#pragma once

#include <QList>
#include <QString>

class QLocale;

// Countries by their ISO 3166-1 alpha-2 codes, with the names Qt knows for them.
namespace Countries {

struct Country {
    QString code; // "DE"
    QString name; // in the program's language: "Germany", "Deutschland"
};

// The code a country's name stands for, in English or in any language whose own name for the
// country Qt knows ("Deutschland", "Schweiz", "Suisse"), or the code itself ("de"); letter case,
// accents, dots and extra blanks do not matter. Empty when the text names no country, or names
// more than one.
QString codeFromName(const QString& text);

// Whether `code` is an assigned alpha-2 code ("GB": yes, "UK": no).
bool isCode(const QString& code);

// Every country, sorted by name as `display` sorts.
QList<Country> list(const QLocale& display);

// The country's name for `code` in the program's language, or the code itself when Qt does not
// know it.
QString name(const QString& code);

} // namespace Countries
