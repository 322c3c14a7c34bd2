#pragma once

#include <QPointF>
#include <QRect>
#include <QString>
#include <optional>
#include <span>

// The layout designer's placing rules, as plain arithmetic on rectangles in twips: where a
// dropped or nudged element lands, how a selection is aligned, and how the address becomes one
// line across the page. The designer's widgets only move rectangles by these answers.
namespace DesignerRules {

// The three sections of the page, as wide as the invoice page's (twips).
inline constexpr int kSectionWidth = 11250;
inline constexpr int kHeaderHeight = 3855;
inline constexpr int kBodyHeight = 5535;
inline constexpr int kFooterHeight = 1455;

// The designer draws the page at true scale on a 96-DPI screen: 15 twips a pixel.
inline constexpr double kPixelsPerTwip = 1.0 / 15;
int toPixels(double twips);
int toTwips(double pixels);

inline constexpr int kLineLeft = 142;   // the divider line only ever moves up and down
inline constexpr int kNudge = 15;       // an arrow key moves the current element this far
inline constexpr int kLineInset = 5;    // the address as a line stands this far from the left
inline constexpr int kWidthMargin = 10; // a line or a too-wide element is this much narrower

// A preview moves an element whose right edge passes kPreviewRightLimit to kPreviewMovedLeft.
inline constexpr int kPreviewRightLimit = 11595;
inline constexpr int kPreviewMovedLeft = 6960;

// Colours (red + 256 green + 65536 blue) of a selection for alignment.
inline constexpr int kAlignAnchorColour = 7902829; // 109, 150, 120
inline constexpr int kAlignMemberColour = 9810845; // 157, 179, 149
inline constexpr int kWhite = 16777215;

enum class Section { Header, Body, Footer };

// What sets an element apart for the rules.
enum class Kind {
    Plain,
    DividerLine,  // PicLine
    InvoiceTitle, // lblInvoice: keeps room for the number on its right
    Figure,       // lblSubTotal, lblVAT, lblTotal, lblDate: keep room for their amounts
};

struct DropResult {
    QRect rect;
    bool becomesAnchor = false; // header and body drops make the element the alignment anchor
};

// The element with geometry `rect` (in its own section) was grabbed at `grab` (within the
// element) and dropped at `drop` (within the section `onto`). The new rect keeps the size.
DropResult drop(Kind kind, Section onto, QRect rect, QPointF grab, QPointF drop,
                int sectionWidth = kSectionWidth);

// An arrow key: the element moves by (dx, dy) and stays within its section's width and below
// its top; the divider line moves only vertically.
QRect nudge(Kind kind, QRect rect, int dx, int dy, int sectionWidth = kSectionWidth);

// --- Alignment --------------------------------------------------------------------------------

enum class Mark { None, Anchor, Member };

struct Anchor {
    int left = 0;
    int width = 0;
    int right() const { return left + width; }
};

struct Selectable {
    QRect rect;
    Mark mark = Mark::None;
};

// Align Lefts: every marked element takes the anchor's left edge (pulled back inside the
// section when its right edge would pass it) and loses its mark. Nothing without an anchor.
// True when anything was aligned; the anchor is emptied either way.
bool alignLefts(std::span<Selectable> items, std::optional<Anchor>& anchor,
                int sectionWidth = kSectionWidth);
// Align Rights: every marked element's right edge takes the anchor's (never left of 0).
bool alignRights(std::span<Selectable> items, std::optional<Anchor>& anchor);

// --- Address as a line ------------------------------------------------------------------------

struct AddressShape {
    QString caption;
    int left = 0;
    int width = 0;
    int height = 0;
};

// The address as one line across the header: its lines joined by blanks, from kLineInset to
// kWidthMargin short of the right edge. The height is the caller's (it wraps to its text).
AddressShape addressAsLine(const AddressShape& saved, int sectionWidth = kSectionWidth);
// Back to the address as it was loaded; its left edge stays where the line put it.
AddressShape addressFromLine(const AddressShape& saved, int currentLeft);

// The style editor's width rules: an element wider than the section is cut to kWidthMargin
// short of it, and pulled left until it fits; figures keep room for their amounts.
QRect fitAfterRestyle(Kind kind, QRect rect, int sectionWidth = kSectionWidth);

// --- Preview ----------------------------------------------------------------------------------

// The left edge an element shows at in a preview, and whether it had to move.
struct PreviewPlace {
    int left = 0;
    bool moved = false;
};
PreviewPlace previewPlace(QRect rect);

} // namespace DesignerRules
