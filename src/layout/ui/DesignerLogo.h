#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class SharedFiles;

// The logo pictures of the layout designer: read no larger than they are shown, and copied into
// the books' shared files when chosen, so that every seat prints the same picture.
namespace DesignerLogo {

// The picture in `bytes` as the designer shows it: no larger than `shown` (device pixels),
// keeping its proportions. A null image when it is no picture Qt can read.
QImage readShownIn(const QByteArray& bytes, QSize shown);

enum class CopyResult { Copied, NotAPicture, CannotCopy };

// Copies the chosen picture file into `files` unless one of its name is there already; a huge
// picture is stored as a smaller PNG of its own. `name` is the file name the layout keeps;
// `error` says why a copy failed.
CopyResult copyIn(const QString& source, SharedFiles& files, QString* name, QString* error);

} // namespace DesignerLogo
