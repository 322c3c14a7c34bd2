#pragma once

#include <QByteArray>
#include <QString>

// The help document delivered with the program: the bytes of the Help.set that tools/helpbuild
// makes from data/help (English) and data/help/<language> at build time (library
// billcraft_helpdata).
namespace DeliveredHelp {

// The help in `language` ("de"); English for a language it is not written in.
QByteArray bytes(const QString& language = QStringLiteral("en"));

// Each language's bytes, made by tools/helpbuild.
QByteArray english();
QByteArray german();
QByteArray french();

} // namespace DeliveredHelp
