#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The logo pictures of the layout designer: read no larger than they are shown, and copied into
// the data folder when chosen.
namespace DesignerLogo {

// The picture as the designer shows it: no larger than `shown` (device pixels), keeping its
// proportions. A null image when it is no picture Qt can read.
QImage readShownIn(const QString& path, QSize shown);

enum class CopyResult { Copied, NotAPicture, CannotCopy };

// Copies the chosen picture into `folder` unless a file of its name is there already; a huge
// picture is stored as a smaller PNG of its own. `name` is the file name the layout keeps.
CopyResult copyIn(const QString& source, const QString& folder, QString* name);

} // namespace DesignerLogo
