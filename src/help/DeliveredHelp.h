#pragma once

#include <QByteArray>

// The help document delivered with the program: the bytes of the Help.set that tools/helpbuild
// makes from data/help at build time (library billcraft_helpdata).
namespace DeliveredHelp {

QByteArray bytes();

} // namespace DeliveredHelp
