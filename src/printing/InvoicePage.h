#pragma once

#include "core/Money.h"
#include "core/Result.h"
#include "layout/LayoutRecord.h"

#include <QByteArray>
#include <QColor>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

class Database;
class LocaleText;
class QPainter;
class SharedFiles;

// One invoice as it is printed: its row and its client's address.
struct InvoiceSheet {
    int invoiceId = 0;
    int identity = 0;
    int clientId = 0;
    QString invoiceNumber;
    QString content;
    QDate date;
    Money value; // net
    Money vat;
    Money total;

    QString salutation, firstName, lastName, company;
    QString address1, address2, address3, town, county, country, postCode;
    QString email; // the client's
};

// The printed invoice: laid out from the identity's layout record into positioned items, then
// drawn by one painter on the preview, a printer or a PDF, so that they can never differ.
//
// Positions and sizes are in twips (1/1440 inch) from the page's top-left corner; font sizes
// are whole points.
namespace InvoicePage {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr QSize kA4{11906, 16838}; // 210 x 297 mm

// The page stacks its sections as a banded report does: the page header from the top margin,
// the detail below it, the page footer at the bottom of the page. Sections are as wide as the
// designer's, centred on the page; element positions are measured from their section.
inline constexpr int kSectionWidth = 11250;
inline constexpr int kHeaderHeight = 3855;
inline constexpr int kFooterHeight = 1455;
inline constexpr int kPageMargin = 360;    // above the header and below the footer
inline constexpr int kContentWidth = 8292; // the invoice content wraps within this
inline constexpr int kInsetX = 30;         // between a box and its text, left and right
inline constexpr int kInsetY = 15;         // and above and below
inline constexpr int kDividerPen = 20;     // the divider line's pen: 1 point

struct TextItem {
    QString name; // the page element it stands for: "lblnumber", "txtContent", "lblFooter"
    QString text; // lines separated by "\n"
    QRect rect;   // twips
    QFont font;   // family, whole points, bold, italic
    QColor colour;
    bool boxed = false; // a thin single-line box round the rect
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    // Long lines were wrapped within the rect's width when the page was laid out: `text`
    // holds the broken lines, and every device draws exactly those lines.
    bool wraps = false;
};

struct ImageItem {
    QString name; // the shared file it was read from
    QRect rect;   // twips; the picture is scaled into it with its proportions kept
    QImage image; // the picture, read once when laid out
};

struct LineItem {
    QLine line; // twips
};

struct PageItems {
    std::vector<TextItem> texts;
    std::vector<ImageItem> images;
    std::vector<LineItem> lines;
};

struct Layout {
    QSize pageSize = kA4;         // twips
    std::vector<PageItems> pages; // at least one
    QString title;                // "Invoice 0124": the PDF's title, the preview's caption
    QString creator;              // "Billcraft - Harbour Joinery": the trading name it is from
    // For the preview only, never printed: why the page differs from what its layout asks
    // for (the logo file it names is missing or unreadable). Empty when it does not.
    QString notice;
};

// The invoice and its client. A Failure carries a message for the user: the invoice no longer
// exists, its client was deleted, or the database's reason.
Result<InvoiceSheet> loadSheet(Database& db, int invoiceId);
// The identity's invoice with that number (as listed: "0124").
Result<InvoiceSheet> loadSheet(Database& db, int identity, const QString& invoiceNumber);

// The layout an identity's invoices are printed with: its layout file, or without one the layout
// a new identity starts with (nothing is written). A file that cannot be read or is damaged is
// a Failure naming it, and is left as it is.
Result<LayoutRecord> identityLayout(Database& db, const SharedFiles& files, int identity);

// What the system window-text colour prints as. Paper is white: the light text of a dark
// desktop theme prints black.
QColor paperTextColour();

// Lays out the invoice as the identity's layout says, on pages of `pageSize` twips.
// `windowText` is what the system window-text colour resolves to; a picture logo is read from
// `files` (without them, null, the text logo is printed).
Layout layOut(const LayoutRecord& record, const InvoiceSheet& sheet, const LocaleText& locale,
              const SharedFiles* files, QColor windowText, QSize pageSize = kA4);

// Left edge of the sections on a page of that width.
int leftMargin(QSize pageSize);
// The page's text item of that name ("lblnumber"), or null.
const TextItem* findText(const PageItems& page, const QString& name);

// Draws one page with its top-left corner at the painter's origin, twips turned into device
// units from the painter's device resolution, times `scale` (1 = real size).
void paint(QPainter& painter, const Layout& layout, int page, double scale = 1.0);

// Plain: the PDF QPdfWriter makes. ArchiveA1b: the same pages in its PDF/A-1b mode (every font
// embedded, no transparency, its own XMP and output intent), the start of a Factur-X invoice.
enum class PdfKind { Plain, ArchiveA1b };

// Every page as PDF bytes (text kept as text, fonts embedded, the title as the document's title).
Result<QByteArray> pdfBytes(const Layout& layout, PdfKind kind);

// Writes every page as PDF (text kept as text, fonts embedded, the title as the document's
// title). Atomic: a failure leaves any earlier file as it was, and gives the reason.
Status writePdf(const Layout& layout, const QString& path);

} // namespace InvoicePage
