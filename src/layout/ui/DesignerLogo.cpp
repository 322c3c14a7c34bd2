#include "layout/ui/DesignerLogo.h"

#include "core/SharedFiles.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

// A logo larger than this on either side is stored scaled down: it prints a few centimetres
// wide, and a camera's full picture would only make every preview and print slow.
constexpr int kMaxLogoSide = 4000;
constexpr int kScaledLogoSide = 2400;
// A picture file larger than this is stored re-encoded as PNG rather than as it is: every seat
// reads the logo for every preview and print.
constexpr qint64 kMaxLogoBytes = 8 * 1024 * 1024;

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

using CopyResult = DesignerLogo::CopyResult;

// Stores `bytes` as `name` unless the books hold a file of that name already.
CopyResult storeUnlessThere(SharedFiles& files, const QString& name, const QByteArray& bytes,
                            QString* error)
{
    const Result<bool> there = files.exists(name);
    if (!there) {
        *error = there.error();
        return CopyResult::CannotCopy;
    }
    if (*there)
        return CopyResult::Copied;
    if (const Status written = files.write(name, bytes); !written) {
        *error = written.error();
        return CopyResult::CannotCopy;
    }
    return CopyResult::Copied;
}

} // namespace

namespace DesignerLogo {

// A logo may be a photo of thousands of pixels a side; read whole, it would cost more than the
// rest of the window together, and be shrunk again on every paint. JPEG pictures are decoded at
// the smaller size directly.
QImage readShownIn(const QByteArray& bytes, QSize shown)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
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

CopyResult copyIn(const QString& sourcePath, SharedFiles& files, QString* name, QString* error)
{
    const QFileInfo source(sourcePath);
    *name = source.fileName();
    const Result<bool> there = files.exists(*name);
    if (!there) {
        *error = there.error();
        return CopyResult::CannotCopy;
    }
    if (*there)
        return CopyResult::Copied; // one of that name is there already: it is used
    // Copied in only when it is a picture; a huge one as a smaller PNG of its own.
    bool huge = false;
    const QImage image = readLogo(source.filePath(), &huge);
    if (image.isNull())
        return CopyResult::NotAPicture;
    if (huge || source.size() > kMaxLogoBytes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) {
            *error = QCoreApplication::translate("DesignerLogo",
                                                 "%1 could not be made into a smaller picture.")
                         .arg(source.fileName());
            return CopyResult::CannotCopy;
        }
        *name = source.completeBaseName() + QStringLiteral(".png");
        return storeUnlessThere(files, *name, png, error);
    }
    QFile file(source.filePath());
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return CopyResult::CannotCopy;
    }
    const QByteArray bytes = file.read(kMaxLogoBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxLogoBytes) {
        // One that grew past the size checked is not stored cut short.
        *error = file.error() != QFileDevice::NoError
                     ? file.errorString()
                     : QCoreApplication::translate("DesignerLogo", "%1 changed while it was read.")
                           .arg(source.fileName());
        return CopyResult::CannotCopy;
    }
    return storeUnlessThere(files, *name, bytes, error);
}

} // namespace DesignerLogo
