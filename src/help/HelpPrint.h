#pragma once

#include "core/Result.h"

#include <QStringList>

class QPagedPaintDevice;

// The help text on paper: the lines of HelpText::wrapForPrint, one under another from the top
// of the first page on, in the help window's font, onto as many pages as they need. A line
// wider than the page between its margins goes on over as many lines as it needs.
namespace HelpPrint {

// False when the device cannot be painted on or a page cannot be started.
bool paint(QPagedPaintDevice& device, const QStringList& lines);

// An A4 PDF of the lines, written atomically; `title` is the document's title.
Status writePdf(const QStringList& lines, const QString& title, const QString& path);

} // namespace HelpPrint
