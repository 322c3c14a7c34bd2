// The designer's page read from and written to a LayoutRecord, and the elements' sizes taken
// from their captions.

#include "layout/DesignerModel.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <limits>

using DesignerRules::Kind;
using DesignerRules::Section;
using DesignerRules::toPixels;
using DesignerRules::toTwips;

namespace {

using Type = DesignerModel::Type;

// clang-format off
const DesignerModel::ElementDef kDefs[] = {
    {"picLogo",           Section::Header, Kind::Plain,        Type::Picture, {360, 600, 2535, 855},   true,  Qt::AlignLeft,    ""},
    {"PicLine",           Section::Header, Kind::DividerLine,  Type::Line,    {DesignerRules::kLineLeft, 2880, 11055, 105}, true, Qt::AlignLeft, ""},
    {"lblAddress",        Section::Header, Kind::Plain,        Type::Label,   {6360, 480, 3180, 1575}, false, Qt::AlignLeft,    "lblAddress"},
    {"lblTextLogo",       Section::Header, Kind::Plain,        Type::Label,   {480, 2040, 0, 0},       false, Qt::AlignLeft,    "txtlogo"},
    {"lblInvoice",        Section::Header, Kind::InvoiceTitle, Type::Label,   {6960, 3120, 1860, 555}, false, Qt::AlignLeft,    "Invoice"},
    {"lblClientAddress",  Section::Body,   Kind::Plain,        Type::Label,   {360, 240, 3840, 1417},  true,  Qt::AlignLeft,    "Client Address"},
    {"lblDate",           Section::Body,   Kind::Figure,       Type::Label,   {360, 1800, 0, 0},       false, Qt::AlignLeft,    "lblDate"},
    {"lblDescription",    Section::Body,   Kind::Plain,        Type::Label,   {360, 2160, 1260, 270},  false, Qt::AlignLeft,    "Description"},
    {"lblInvoiceContent", Section::Body,   Kind::Plain,        Type::Label,   {360, 2520, 8292, 1095}, true,  Qt::AlignLeft,    "Invoice Content"},
    {"lblSubTotal",       Section::Body,   Kind::Figure,       Type::Label,   {6240, 3840, 1035, 270}, false, Qt::AlignRight,   "Sub Total"},
    {"lblVAT",            Section::Body,   Kind::Figure,       Type::Label,   {6840, 4140, 450, 270},  false, Qt::AlignRight,   "VAT"},
    {"lblTotal",          Section::Body,   Kind::Figure,       Type::Label,   {6720, 4440, 570, 270},  false, Qt::AlignRight,   "Total"},
    {"lblFooter",         Section::Footer, Kind::Plain,        Type::Label,   {1560, 240, 7515, 1095}, true,  Qt::AlignHCenter, "lblFooter"},
};
// clang-format on

// The record's fields of one text element; null where the record keeps no such field.
struct Binding {
    const char* name;
    QString LayoutRecord::*font;
    QString LayoutRecord::*colour;
    double LayoutRecord::*size;
    bool LayoutRecord::*bold;
    bool LayoutRecord::*italic;
    qint16 LayoutRecord::*border;
    qint16 LayoutRecord::*left;
    qint16 LayoutRecord::*top;
    qint16 LayoutRecord::*width;
    qint16 LayoutRecord::*height;
    QString LayoutRecord::*caption;
    bool loadWidth; // the client address and content keep the designer's width on loading
};

#define BILLCRAFT_FONT(p)                                                                          \
    &LayoutRecord::p##Font, &LayoutRecord::p##Colour, &LayoutRecord::p##FontSize,                  \
        &LayoutRecord::p##FontBold, &LayoutRecord::p##FontItalic, &LayoutRecord::p##BorderStyle
#define F(field) &LayoutRecord::field

// clang-format off
const Binding kBindings[] = {
    {"lblTextLogo",       BILLCRAFT_FONT(lblTextLogo),       F(lblTextLogoLeft),       F(lblTextLogoTop),       F(lblTextLogoWidth),       nullptr,                 F(lblTextLogoCaption),    true},
    {"lblAddress",        BILLCRAFT_FONT(lblAddress),        F(lblAddressLeft),        F(lblAddressTop),        F(lblAddressWidth),        F(lblAddressHeight),     F(lblAddressCaption),     true},
    {"lblInvoice",        BILLCRAFT_FONT(lblInvoice),        F(lblInvoiceLeft),        F(lblInvoiceTop),        F(lblInvoiceWidth),        F(lblInvoiceHeight),     F(lblInvoiceCaption),     true},
    {"lblClientAddress",  BILLCRAFT_FONT(lblclientAddress),  F(lblclientAddressLeft),  F(lblclientAddressTop),  F(lblclientAddressWidth),  nullptr,                 nullptr,                  false},
    {"lblInvoiceContent", BILLCRAFT_FONT(lblInvoiceContent), F(lblInvoiceContentLeft), F(lblInvoiceContentTop), F(lblInvoiceContentWidth), nullptr,                 nullptr,                  false},
    {"lblSubTotal",       BILLCRAFT_FONT(lblSubTotal),       F(lblSubTotalLeft),       nullptr,                 F(lblSubTotalWidth),       F(lblSubTotalHeight),    F(lblSubTotalCaption),    true},
    {"lblVAT",            BILLCRAFT_FONT(lblVAT),            F(lblVATLeft),            nullptr,                 F(lblVATWidth),            F(lblVATHeight),         F(lblVATCaption),         true},
    {"lblTotal",          BILLCRAFT_FONT(lblTotal),          F(lblTotalLeft),          nullptr,                 F(lblTotalWidth),          F(lblTotalHeight),       F(lblTotalCaption),       true},
    {"lblDescription",    BILLCRAFT_FONT(lblDescription),    F(lblDescriptionLeft),    F(lblDescriptionTop),    F(lblDescriptionWidth),    F(lblDescriptionHeight), F(lblDescriptionCaption), true},
    {"lblFooter",         BILLCRAFT_FONT(lblFooter),         F(lblFooterLeft),         F(lblFooterTop),         nullptr,                   nullptr,                 F(lblFooterCaption),      true},
    {"lblDate",           BILLCRAFT_FONT(lblDate),           F(lblDateLeft),           F(lblDateTop),           nullptr,                   nullptr,                 nullptr,                  true},
};
// clang-format on

#undef F
#undef BILLCRAFT_FONT

qint16 toInt16(double v)
{
    if (!std::isfinite(v))
        return 0;
    return qint16(std::clamp(std::lround(v), long(std::numeric_limits<qint16>::min()),
                             long(std::numeric_limits<qint16>::max())));
}

// Texts are measured as on a 96-DPI screen, 15 twips a pixel, as the layout files' widths are.
struct Measure {
    QImage device{1, 1, QImage::Format_Mono};
    Measure()
    {
        const int dotsPerMeter = qRound(96 / 0.0254);
        device.setDotsPerMeterX(dotsPerMeter);
        device.setDotsPerMeterY(dotsPerMeter);
    }
};

// The size the caption takes in its font: wrapped within the element's width when it wraps.
QSize captionSize(const DesignerModel::Element& e)
{
    const Measure measure; // a 1 x 1 picture: cheap to make for each measurement
    const QFontMetricsF metrics(e.style.font, &measure.device);
    const QString text = DesignerModel::displayText(e.style.caption);
    QRectF box;
    if (e.wraps)
        box = metrics.boundingRect(QRectF(0, 0, std::max(toPixels(e.rect.width()) - 2, 1), 1e6),
                                   Qt::TextWordWrap, text);
    else
        box = metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), 0, text);
    const double lines = std::max(1.0, std::ceil(box.height() / metrics.lineSpacing()));
    const int w = e.wraps ? e.rect.width() : toTwips(std::ceil(box.width()) + 2);
    return {w, toTwips(std::ceil(lines * metrics.lineSpacing()) + 2)};
}

} // namespace

std::span<const DesignerModel::ElementDef> DesignerModel::definitions()
{
    return kDefs;
}

QString DesignerModel::displayText(const QString& caption)
{
    return QString(caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

DesignerModel::State DesignerModel::initialState()
{
    State s;
    for (const ElementDef& def : kDefs) {
        Element e;
        e.rect = def.start;
        e.style.caption = QLatin1String(def.caption);
        e.style.font.setFamily(QStringLiteral("Verdana"));
        e.style.font.setPointSizeF(9.75);
        e.style.colour = LayoutFields::kWindowTextColour;
        e.style.boxed = true;
        s.elements.push_back(e);
    }
    return s;
}

void DesignerModel::autoSize(Element& e, int i) const
{
    if (def(i).type == Type::Label && !def(i).fixedSize)
        e.rect.setSize(captionSize(e));
}

void DesignerModel::load(const LayoutRecord& r, const QString& dateCaption)
{
    State s = initialState();
    for (const Binding& b : kBindings) {
        const int i = indexOf(QLatin1String(b.name));
        Element& e = s.elements[std::size_t(i)];
        // The address and the title take their caption's size; a size of 0 or less (a record
        // that never had one) keeps the caption's too, so the element can still be grabbed.
        const bool sizedByCaption = i == indexOf(u"lblAddress") || i == indexOf(u"lblInvoice");
        QFont font((r.*b.font).trimmed());
        font.setPointSizeF(r.*b.size > 0 ? r.*b.size : 10);
        font.setBold(r.*b.bold);
        font.setItalic(r.*b.italic);
        e.style.font = font;
        e.style.colour = (r.*b.colour).trimmed();
        if (b.caption)
            e.style.caption = (r.*b.caption).trimmed();
        e.style.boxed = r.*b.border == 1;
        autoSize(e, i);
        if (!sizedByCaption) {
            if (b.width && b.loadWidth && r.*b.width > 0)
                e.rect.setWidth(r.*b.width);
            if (b.height && r.*b.height > 0)
                e.rect.setHeight(r.*b.height);
        }
        e.rect.moveLeft(r.*b.left);
        if (b.top)
            e.rect.moveTop(r.*b.top);
    }
    s.logoName = r.PicLogoName.trimmed();
    Element& logo = s.elements[std::size_t(indexOf(u"picLogo"))];
    const QSize logoSize = r.PicLogoWidth > 0 && r.PicLogoHeight > 0
                               ? QSize(r.PicLogoWidth, r.PicLogoHeight)
                               : logo.rect.size();
    logo.rect = QRect(QPoint(r.PicLogoLeft, r.PicLogoTop), logoSize);
    s.useLogo = r.PicLogoShow;
    s.elements[std::size_t(indexOf(u"PicLine"))].rect.moveTop(r.PicLineTop);
    s.showLine = r.PicLineShow;

    const int date = indexOf(u"lblDate");
    s.elements[std::size_t(date)].style.caption = dateCaption;
    autoSize(s.elements[std::size_t(date)], date);

    const Element& address = s.elements[std::size_t(indexOf(u"lblAddress"))];
    m_savedAddressCaption = address.style.caption;
    m_savedAddressRect = address.rect;
    m_anchor.reset();
    m_lastSelected.clear();
    m_undo.clear();
    setState(s);
}

LayoutRecord DesignerModel::record() const
{
    LayoutRecord r;
    for (const Binding& b : kBindings) {
        const Element& e = element(indexOf(QLatin1String(b.name)));
        r.*b.font = e.style.font.family();
        r.*b.colour = e.style.colour;
        r.*b.size = e.style.font.pointSizeF();
        r.*b.bold = e.style.font.bold();
        r.*b.italic = e.style.font.italic();
        r.*b.border = e.style.boxed ? 1 : 0;
        r.*b.left = toInt16(e.rect.left());
        if (b.top)
            r.*b.top = toInt16(e.rect.top());
        if (b.width)
            r.*b.width = toInt16(e.rect.width());
        if (b.height)
            r.*b.height = toInt16(e.rect.height());
        if (b.caption)
            r.*b.caption = e.style.caption;
    }
    const QRect logo = element(indexOf(u"picLogo")).rect;
    r.PicLogoLeft = toInt16(logo.left());
    r.PicLogoTop = toInt16(logo.top());
    r.PicLogoWidth = toInt16(logo.width());
    r.PicLogoHeight = toInt16(logo.height());
    r.PicLogoName = m_state.logoName;
    r.PicLogoShow = m_state.useLogo;
    r.PicLineTop = toInt16(element(indexOf(u"PicLine")).rect.top());
    r.PicLineShow = m_state.showLine;
    return r;
}
