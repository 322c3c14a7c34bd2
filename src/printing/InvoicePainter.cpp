#include "core/SafeFile.h"
#include "printing/InvoicePage.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QTextOption>
#include <algorithm>

namespace InvoicePage {

QColor paperTextColour()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return Qt::black;
    const QColor text = QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
    return text.lightness() < 128 ? text : QColor(Qt::black);
}

void paint(QPainter& painter, const Layout& layout, int page, double scale)
{
    QPaintDevice* device = painter.device();
    if (!device || page < 0 || page >= int(layout.pages.size()))
        return;
    const double sx = device->logicalDpiX() * scale / kTwipsPerInch;
    const double sy = device->logicalDpiY() * scale / kTwipsPerInch;
    const auto toDevice = [&](const QRect& r) {
        return QRectF(r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy);
    };
    const PageItems& items = layout.pages[std::size_t(page)];

    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    for (const ImageItem& item : items.images) {
        const QImage& image = item.image;
        if (image.isNull() || item.rect.isEmpty())
            continue;
        // Scaled into its rect with its proportions kept, centred.
        const QRectF box = toDevice(item.rect);
        QSizeF size = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(), size);
        target.moveCenter(box.center());
        painter.drawImage(target, image);
    }
    for (const LineItem& item : items.lines) {
        painter.setPen(QPen(Qt::black, std::max(kDividerPen * sy, 1.0)));
        painter.drawLine(QLineF(item.line.x1() * sx, item.line.y1() * sy, item.line.x2() * sx,
                                item.line.y2() * sy));
    }
    for (const TextItem& item : items.texts) {
        const QRectF box = toDevice(item.rect);
        if (item.boxed) {
            painter.setPen(QPen(item.colour, 0)); // cosmetic: one device pixel on any device
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        }
        QFont font = item.font;
        font.setPointSizeF(item.font.pointSizeF() * scale);
        painter.setFont(font);
        painter.setPen(item.colour);
        // Lines were broken when the page was laid out, so every device shows the same lines.
        // Right-to-left text starts at the right: AlignLeft means the leading edge.
        QTextOption option(item.alignment);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(item.text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        painter.drawText(box.adjusted(kInsetX * sx, kInsetY * sy, -kInsetX * sx, -kInsetY * sy),
                         item.text, option);
    }
    painter.restore();
}

Result<QByteArray> pdfBytes(const Layout& layout, PdfKind kind)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        if (kind == PdfKind::ArchiveA1b)
            writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
        writer.setTitle(layout.title);
        writer.setCreator(layout.creator);
        const QSizeF points(layout.pageSize.width() / 20.0, layout.pageSize.height() / 20.0);
        writer.setPageSize(QPageSize(points, QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer))
            return Failure{
                QCoreApplication::translate("InvoicePage", "The PDF document cannot be started.")};
        for (int i = 0; i < int(layout.pages.size()); ++i) {
            if (i > 0)
                writer.newPage();
            paint(painter, layout, i);
        }
        if (!painter.end())
            return Failure{
                QCoreApplication::translate("InvoicePage", "The PDF document cannot be finished.")};
    }
    return buffer.data();
}

Status writePdf(const Layout& layout, const QString& path)
{
    // The document is made in memory and written in one go through a temporary file that
    // replaces `path`, so a failure leaves any earlier file as it was.
    const Result<QByteArray> bytes = pdfBytes(layout, PdfKind::Plain);
    if (!bytes)
        return Failure{bytes.error()};
    QString error;
    if (!SafeFile::write(path, *bytes, &error))
        return Failure{error};
    return Done{};
}

} // namespace InvoicePage
