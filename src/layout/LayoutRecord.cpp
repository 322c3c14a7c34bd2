#include "layout/LayoutRecord.h"

#include <QCoreApplication>
#include <QLocale>
#include <array>

namespace LayoutFields {

namespace {

#define BILLCRAFT_INT(name)                                                                        \
    LayoutField{#name, LayoutField::Type::Int, 0, &LayoutRecord::name, nullptr, nullptr, nullptr},
#define BILLCRAFT_BOOL(name)                                                                       \
    LayoutField{#name, LayoutField::Type::Bool, 0, nullptr, &LayoutRecord::name, nullptr, nullptr},
#define BILLCRAFT_REAL(name)                                                                       \
    LayoutField{#name, LayoutField::Type::Real, 0, nullptr, nullptr, &LayoutRecord::name, nullptr},
#define BILLCRAFT_TEXT(name, size)                                                                 \
    LayoutField{#name,   LayoutField::Type::Text, size, nullptr, nullptr,                          \
                nullptr, &LayoutRecord::name},

#define BILLCRAFT_ONE(...) +1
static_assert(0 BILLCRAFT_LAYOUT_FIELDS(BILLCRAFT_ONE, BILLCRAFT_ONE, BILLCRAFT_ONE,
                                        BILLCRAFT_ONE) == kCount);
#undef BILLCRAFT_ONE

const std::array<LayoutField, kCount> kFields = {
    BILLCRAFT_LAYOUT_FIELDS(BILLCRAFT_INT, BILLCRAFT_BOOL, BILLCRAFT_REAL, BILLCRAFT_TEXT)};

#undef BILLCRAFT_INT
#undef BILLCRAFT_BOOL
#undef BILLCRAFT_REAL
#undef BILLCRAFT_TEXT

} // namespace

std::span<const LayoutField> all()
{
    return kFields;
}

} // namespace LayoutFields

QString LayoutRecord::damage() const
{
    for (const LayoutField& f : LayoutFields::all()) {
        if (f.type != LayoutField::Type::Real)
            continue;
        const double v = this->*f.realMember; // VatRate, or one of the font sizes
        const bool isVatRate = f.realMember == &LayoutRecord::VatRate;
        const LayoutFields::Range range =
            isVatRate ? LayoutFields::kVatRateRange : LayoutFields::kFontSizeRange;
        if (range.contains(v) || (!isVatRate && v == 0))
            continue;
        // As read: the fewest digits that give back the stored number, so 100.0001 is not
        // shown as the 100 that would be allowed.
        const QString read = QString::number(v, 'g', QLocale::FloatingPointShortest);
        return isVatRate
                   ? QCoreApplication::translate(
                         "LayoutRecord", "Its %1 is %2, and a VAT rate is a percentage from %3 "
                                         "to %4.")
                         .arg(QLatin1String(f.name), read)
                         .arg(range.min)
                         .arg(range.max)
                   : QCoreApplication::translate(
                         "LayoutRecord", "Its %1 is %2, and a font size is 0 (not set) or from %3 "
                                         "to %4 points.")
                         .arg(QLatin1String(f.name), read)
                         .arg(range.min)
                         .arg(range.max);
    }
    return {};
}

namespace {

struct Font {
    const char* family;
    double size; // points
    bool bold;
};

} // namespace

// Font, colour and box of one element, through its fields. Every element starts in the
// window-text colour with a thin box and no italic.
#define BILLCRAFT_SET_FONT(r, prefix, f)                                                           \
    do {                                                                                           \
        (r).prefix##Font = QLatin1String((f).family);                                              \
        (r).prefix##FontSize = (f).size;                                                           \
        (r).prefix##FontBold = (f).bold;                                                           \
        (r).prefix##FontItalic = false;                                                            \
        (r).prefix##Colour = LayoutFields::kWindowTextColour;                                      \
        (r).prefix##BorderStyle = 1;                                                               \
    } while (false)

// A new page's caption in the program's language: a German user's first invoice says "MwSt.".
// Stored with the record, so a page keeps its words whatever language opens it later.
QString LayoutRecord::defaultCaption(const char* english)
{
    return QCoreApplication::translate("LayoutRecord", english);
}

LayoutRecord LayoutRecord::designerDefaults()
{
    LayoutRecord r;
    const Font plain{"Verdana", 9.75, false};
    const Font bold{"Verdana", 9.75, true};

    // Header section.
    r.PicLogoLeft = 360, r.PicLogoTop = 600, r.PicLogoWidth = 2535, r.PicLogoHeight = 855;
    r.lblTextLogoLeft = 480, r.lblTextLogoTop = 2040;
    r.lblTextLogoBorderStyle = 1;
    r.lblAddressLeft = 6360, r.lblAddressTop = 480, r.lblAddressWidth = 3180;
    r.lblAddressHeight = 1575;
    BILLCRAFT_SET_FONT(r, lblAddress, plain);
    r.PicLineTop = 2880;
    r.lblInvoiceHeight = 555, r.lblInvoiceWidth = 1860, r.lblInvoiceTop = 3120;
    r.lblInvoiceLeft = 6960;
    BILLCRAFT_SET_FONT(r, lblInvoice, (Font{"Verdana", 21.75, true}));

    // Body section.
    r.lblclientAddressLeft = 360, r.lblclientAddressTop = 240, r.lblclientAddressWidth = 3840;
    BILLCRAFT_SET_FONT(r, lblclientAddress, plain);
    r.lblInvoiceContentLeft = 360, r.lblInvoiceContentTop = 2520;
    r.lblInvoiceContentWidth = 8292;
    BILLCRAFT_SET_FONT(r, lblInvoiceContent, bold);
    r.lblSubTotalLeft = 6240, r.lblSubTotalWidth = 1035, r.lblSubTotalHeight = 270;
    r.lblSubTotalCaption = defaultCaption(QT_TRANSLATE_NOOP("LayoutRecord", "Sub Total"));
    BILLCRAFT_SET_FONT(r, lblSubTotal, bold);
    r.lblVATLeft = 6840, r.lblVATWidth = 450, r.lblVATHeight = 270;
    r.lblVATCaption = defaultCaption(QT_TRANSLATE_NOOP("LayoutRecord", "VAT"));
    BILLCRAFT_SET_FONT(r, lblVAT, bold);
    r.lblTotalLeft = 6720, r.lblTotalWidth = 570, r.lblTotalHeight = 270;
    r.lblTotalCaption = defaultCaption(QT_TRANSLATE_NOOP("LayoutRecord", "Total"));
    BILLCRAFT_SET_FONT(r, lblTotal, bold);
    r.lblDescriptionLeft = 360, r.lblDescriptionTop = 2160, r.lblDescriptionWidth = 1260;
    r.lblDescriptionHeight = 270;
    r.lblDescriptionCaption = defaultCaption(QT_TRANSLATE_NOOP("LayoutRecord", "Description"));
    BILLCRAFT_SET_FONT(r, lblDescription, bold);
    r.lblDateLeft = 360, r.lblDateTop = 1800;
    BILLCRAFT_SET_FONT(r, lblDate, plain);

    // Footer section.
    r.lblFooterLeft = 1560, r.lblFooterTop = 240;
    BILLCRAFT_SET_FONT(r, lblFooter, (Font{"Trebuchet MS", 6, false}));
    return r;
}

#undef BILLCRAFT_SET_FONT
