#include "help/HelpPrint.h"

#include "core/SafeFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr double kMarginMillimetres = 20;
constexpr double kFontPoints = 10;

} // namespace

namespace HelpPrint {

bool paint(QPagedPaintDevice& device, const QStringList& lines)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Point sizes follow the device's resolution: no scaling of the painter.
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kFontPoints);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const QRectF paper(0, 0, device.width(), device.height()); // the printable area
    const double margin = kMarginMillimetres / 25.4 * device.logicalDpiY();
    const double top = paper.top() + margin, bottom = paper.bottom() - margin;
    const double left = paper.left() + margin;
    double y = top;
    bool ok = true;
    for (const QString& line : lines) {
        if (y + metrics.height() > bottom && y > top) {
            ok = device.newPage();
            if (!ok)
                break;
            y = top;
        }
        painter.drawText(QPointF(left, y + metrics.ascent()), line);
        y += metrics.lineSpacing();
    }
    return painter.end() && ok;
}

Status writePdf(const QStringList& lines, const QString& title, const QString& path)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Billcraft"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!paint(pdf, lines))
            return Failure{QStringLiteral("The help text could not be drawn as a PDF.")};
    }
    QString why;
    if (!SafeFile::write(path, bytes, &why))
        return Failure{
            QStringLiteral("%1 could not be written: %2").arg(QFileInfo(path).fileName(), why)};
    return Done{};
}

} // namespace HelpPrint
