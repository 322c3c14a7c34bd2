#include "invoices/Envelope.h"

#include "clients/ClientStore.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace Envelope {

QStringList addressLines(const Client& client)
{
    QStringList lines;
    lines << client.salutation + u' ' + client.firstName + u' ' + client.lastName;
    lines << client.company << client.address1;
    for (const QString* part : {&client.address2, &client.address3, &client.town, &client.county,
                                &client.postCode, &client.country}) {
        if (part->size() > 1) // a stray letter or full stop is not an address line
            lines << *part;
    }
    return lines;
}

QFont addressFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(kPointSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

Layout layOut(const QStringList& lines, const QFont& font)
{
    QImage device(1, 1, QImage::Format_Mono);
    const int dotsPerMeter = qRound(kTwipsPerInch / 0.0254);
    device.setDotsPerMeterX(dotsPerMeter);
    device.setDotsPerMeterY(dotsPerMeter);
    const QFontMetricsF metrics(font, &device);

    Layout layout;
    layout.font = font;
    layout.lineHeight = int(std::lround(metrics.lineSpacing()));
    layout.ascent = int(std::lround(metrics.ascent()));
    const int indent = int(std::lround(metrics.horizontalAdvance(QString(kIndentSpaces, u' '))));
    int top = kBlankLines * layout.lineHeight;
    for (const QString& text : lines) {
        layout.lines.append({text, QPoint(indent, top)});
        top += layout.lineHeight;
    }
    return layout;
}

void paint(QPainter& painter, const Layout& layout)
{
    QPaintDevice* device = painter.device();
    if (!device)
        return;
    const double sx = double(device->logicalDpiX()) / kTwipsPerInch;
    const double sy = double(device->logicalDpiY()) / kTwipsPerInch;
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(layout.font);
    painter.setPen(Qt::black);
    for (const Line& line : layout.lines) {
        if (line.text.isEmpty())
            continue;
        // A line's leading spaces (no salutation) stay: they were part of the printed line.
        painter.drawText(QPointF(line.origin.x() * sx, (line.origin.y() + layout.ascent) * sy),
                         line.text);
    }
    painter.restore();
}

} // namespace Envelope
