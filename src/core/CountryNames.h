#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Country names in other languages, from Debian's iso-codes: its list of ISO 3166-1 names and
// their gettext catalogues. The catalogues are read here rather than through gettext, which
// would follow the C library's locale instead of the program's language.
namespace CountryNames {

// Alpha-2 code to the country's name in `language` ("de"), from the iso-codes files under
// `root`; empty when they are not installed or have no catalogue for the language.
QHash<QString, QString> in(const QString& language,
                           const QString& root = QStringLiteral("/usr/share"));

// The messages of a gettext .mo catalogue, original to translation; empty for bytes that are
// not one. Contexts and plural forms are left out: country names have neither.
QHash<QString, QString> readCatalogue(const QByteArray& mo);

} // namespace CountryNames
