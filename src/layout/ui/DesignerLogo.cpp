#include "layout/ui/DesignerLogo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A logo larger than this on either side is stored scaled down: it prints a few centimetres
// wide, and a camera's full picture would only make every preview and print slow.
constexpr int kMaxLogoSide = 4000;
constexpr int kScaledLogoSide = 2400;

// The picture, read at most at kScaledLogoSide when it is larger than kMaxLogoSide, so that a
// huge photo never holds the window up.
QImage readLogo(const QString& path, bool* huge)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const bool tooBig = size.width() > kMaxLogoSide || size.height() > kMaxLogoSide;
    if (tooBig)
        reader.setScaledSize(size.scaled(kScaledLogoSide, kScaledLogoSide, Qt::KeepAspectRatio));
    *huge = tooBig;
    return reader.read();
}

} // namespace

namespace DesignerLogo {

// A logo may be a photo of thousands of pixels a side; read whole, it would cost more than the
// rest of the window together, and be shrunk again on every paint. JPEG pictures are decoded at
// the smaller size directly.
QImage readShownIn(const QString& path, QSize shown)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QSize size = reader.size();
    // The reader's size is before the picture's own rotation is applied.
    if (reader.transformation() & QImageIOHandler::TransformationRotate90)
        size.transpose();
    if (size.isValid() && shown.isValid() &&
        (size.width() > shown.width() || size.height() > shown.height())) {
        QSize scaled = size.scaled(shown, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        if (reader.transformation() & QImageIOHandler::TransformationRotate90)
            scaled.transpose();
        reader.setScaledSize(scaled);
    }
    return reader.read();
}

CopyResult copyIn(const QString& sourcePath, const QString& folderPath, QString* name)
{
    const QFileInfo source(sourcePath);
    *name = source.fileName();
    const QDir folder(folderPath);
    if (QFileInfo(folder.filePath(*name)).isFile())
        return CopyResult::Copied; // one of that name is there already: it is used
    // Copied in only when it is a picture; a huge one as a smaller PNG of its own.
    bool huge = false;
    const QImage image = readLogo(source.filePath(), &huge);
    if (image.isNull())
        return CopyResult::NotAPicture;
    if (huge) {
        *name = source.completeBaseName() + QStringLiteral(".png");
        return QFileInfo(folder.filePath(*name)).isFile() ||
                       image.save(folder.filePath(*name), "PNG")
                   ? CopyResult::Copied
                   : CopyResult::CannotCopy;
    }
    return QFile::copy(source.filePath(), folder.filePath(*name)) ? CopyResult::Copied
                                                                  : CopyResult::CannotCopy;
}

} // namespace DesignerLogo
