#pragma once

#include <QFont>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

struct Client;
class QPainter;

// The client's postal address printed on a DL envelope in landscape.
//
// The address block stands where ten empty lines and an indent of 75 spaces, in 10-point
// Verdana (or what fontconfig gives in its place), put it on the page: the block's position is
// worked out from the metrics of the font actually used, then every line is drawn at its
// coordinates. Positions are in twips (1/1440 inch) from the top-left corner of the printable
// area, which is the paper's corner on a device without margins (a PDF file).
namespace Envelope {

inline constexpr int kTwipsPerInch = 1440;
// DL, 220 x 110 mm, lying on its long side.
inline constexpr QSize kDlLandscape{12472, 6236};
inline constexpr int kBlankLines = 10;
inline constexpr int kIndentSpaces = 75;
inline constexpr int kPointSize = 10;

// The address lines of a client, in print order: "salutation first last" (the spaces kept
// when a part is empty), the company and the first address line (printed even when empty),
// then the second and third address lines, town, county, postcode and country, each only when
// it is longer than one character.
QStringList addressLines(const Client& client);

// 10-point Verdana, unhinted so that its advances scale evenly from one device to another.
QFont addressFont();

struct Line {
    QString text;  // may be empty: the line is kept, nothing is drawn
    QPoint origin; // top-left of the line's box, twips
};

struct Layout {
    QSize pageSize = kDlLandscape; // twips
    QFont font;
    int lineHeight = 0; // twips from one line's top to the next
    int ascent = 0;     // twips from a line's top to its baseline
    QList<Line> lines;
    QString title; // the print job's name
};

// Places the lines in `font`; font metrics are taken at 1440 dots an inch, so one device
// pixel is one twip.
Layout layOut(const QStringList& lines, const QFont& font = addressFont());

// Draws the envelope with the paper's top-left corner at the painter's origin, twips turned
// into device units from the device's resolution.
void paint(QPainter& painter, const Layout& layout);

} // namespace Envelope
