#include "help/HelpPrint.h"

#include "core/SafeFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

namespace {

constexpr double kMarginMillimetres = 20;
constexpr double kFontPoints = 10;

// The pieces of `line` that fit `width` (device pixels) one under another: broken at a blank
// where one fits, else within the word. An empty line is one empty piece.
QStringList fitToWidth(const QString& line, const QFont& font, QPaintDevice& device, double width)
{
    QTextLayout layout(line, font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList pieces;
    layout.beginLayout();
    for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine()) {
        l.setLineWidth(width);
        pieces << line.mid(l.textStart(), l.textLength());
    }
    layout.endLayout();
    if (pieces.isEmpty())
        pieces << QString();
    return pieces;
}

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
    const double marginX = kMarginMillimetres / 25.4 * device.logicalDpiX();
    const double marginY = kMarginMillimetres / 25.4 * device.logicalDpiY();
    const double top = paper.top() + marginY, bottom = paper.bottom() - marginY;
    const double left = paper.left() + marginX;
    const double width = paper.width() - 2 * marginX;
    double y = top;
    bool ok = true;
    for (const QString& line : lines) {
        // A line of the text may still be wider than the paper (a long word, a large font):
        // what does not fit continues on the next line rather than off the page's edge.
        for (const QString& piece : fitToWidth(line, font, device, width)) {
            if (y + metrics.height() > bottom && y > top) {
                ok = device.newPage();
                if (!ok)
                    break;
                y = top;
            }
            painter.drawText(QPointF(left, y + metrics.ascent()), piece);
            y += metrics.lineSpacing();
        }
        if (!ok)
            break;
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
            return Failure{QCoreApplication::translate(
                "HelpPrint", "The help text could not be drawn as a PDF.")};
    }
    QString why;
    if (!SafeFile::write(path, bytes, &why))
        return Failure{QCoreApplication::translate("HelpPrint", "%1 could not be written: %2")
                           .arg(QFileInfo(path).fileName(), why)};
    return Done{};
}

} // namespace HelpPrint
