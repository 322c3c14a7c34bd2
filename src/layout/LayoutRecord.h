#pragma once

#include <QString>
#include <QtGlobal>
#include <span>

// The invoice page layout of one trading identity: where each element stands (twips within its
// section), its font (points), colour (decimal text of red + 256 green + 65536 blue; negative
// for a system colour) and box, plus the identity's VAT rate and registration.
//
// The field order is the byte order of <identity>.dat and the column order of Layout.set, so
// the list below is the one place that states it: the struct and the field table both come
// from it. The number after a Text field is its defined column size in Layout.set.
// clang-format off
#define BILLCRAFT_LAYOUT_FIELDS(INT, BOOL, REAL, TEXT) \
    INT(PicLogoLeft)                               \
    INT(PicLogoTop)                                \
    TEXT(PicLogoName, 70)                          \
    BOOL(PicLogoShow)                              \
    INT(PicLogoWidth)                              \
    INT(PicLogoHeight)                             \
    INT(lblTextLogoLeft)                           \
    INT(lblTextLogoTop)                            \
    TEXT(lblTextLogoFont, 30)                      \
    TEXT(lblTextLogoColour, 30)                    \
    TEXT(lblTextLogoCaption, 100)                  \
    REAL(lblTextLogoFontSize)                      \
    BOOL(lblTextLogoFontBold)                      \
    BOOL(lblTextLogoFontItalic)                    \
    INT(lblTextLogoBorderStyle)                    \
    INT(lblTextLogoWidth)                          \
    INT(lblAddressLeft)                            \
    INT(lblAddressTop)                             \
    INT(lblAddressWidth)                           \
    INT(lblAddressHeight)                          \
    TEXT(lblAddressFont, 30)                       \
    TEXT(lblAddressColour, 30)                     \
    REAL(lblAddressFontSize)                       \
    BOOL(lblAddressFontBold)                       \
    BOOL(lblAddressFontItalic)                     \
    TEXT(lblAddressCaption, 250)                   \
    INT(lblAddressBorderStyle)                     \
    INT(PicLineTop)                                \
    BOOL(PicLineShow)                              \
    REAL(VatRate)                                  \
    BOOL(VatReg)                                   \
    INT(lblInvoiceHeight)                          \
    INT(lblInvoiceWidth)                           \
    TEXT(lblInvoiceFont, 30)                       \
    TEXT(lblInvoiceColour, 30)                     \
    REAL(lblInvoiceFontSize)                       \
    BOOL(lblInvoiceFontBold)                       \
    BOOL(lblInvoiceFontItalic)                     \
    TEXT(lblInvoiceCaption, 30)                    \
    INT(lblInvoiceTop)                             \
    INT(lblInvoiceLeft)                            \
    INT(lblInvoiceBorderStyle)                     \
    INT(lblclientAddressLeft)                      \
    INT(lblclientAddressTop)                       \
    INT(lblclientAddressWidth)                     \
    TEXT(lblclientAddressFont, 30)                 \
    TEXT(lblclientAddressColour, 30)               \
    REAL(lblclientAddressFontSize)                 \
    BOOL(lblclientAddressFontBold)                 \
    BOOL(lblclientAddressFontItalic)               \
    INT(lblclientAddressBorderStyle)               \
    INT(lblInvoiceContentLeft)                     \
    INT(lblInvoiceContentTop)                      \
    INT(lblInvoiceContentWidth)                    \
    TEXT(lblInvoiceContentFont, 30)                \
    TEXT(lblInvoiceContentColour, 30)              \
    REAL(lblInvoiceContentFontSize)                \
    BOOL(lblInvoiceContentFontBold)                \
    BOOL(lblInvoiceContentFontItalic)              \
    INT(lblInvoiceContentBorderStyle)              \
    INT(lblSubTotalLeft)                           \
    TEXT(lblSubTotalCaption, 30)                   \
    TEXT(lblSubTotalFont, 30)                      \
    TEXT(lblSubTotalColour, 30)                    \
    REAL(lblSubTotalFontSize)                      \
    BOOL(lblSubTotalFontBold)                      \
    BOOL(lblSubTotalFontItalic)                    \
    INT(lblSubTotalBorderStyle)                    \
    INT(lblSubTotalWidth)                          \
    INT(lblSubTotalHeight)                         \
    TEXT(lblVATCaption, 30)                        \
    INT(lblVATLeft)                                \
    TEXT(lblVATFont, 30)                           \
    TEXT(lblVATColour, 30)                         \
    REAL(lblVATFontSize)                           \
    BOOL(lblVATFontBold)                           \
    BOOL(lblVATFontItalic)                         \
    INT(lblVATBorderStyle)                         \
    INT(lblVATWidth)                               \
    INT(lblVATHeight)                              \
    TEXT(lblTotalCaption, 30)                      \
    INT(lblTotalLeft)                              \
    TEXT(lblTotalFont, 30)                         \
    TEXT(lblTotalColour, 30)                       \
    REAL(lblTotalFontSize)                         \
    BOOL(lblTotalFontBold)                         \
    BOOL(lblTotalFontItalic)                       \
    INT(lblTotalBorderStyle)                       \
    INT(lblTotalWidth)                             \
    INT(lblTotalHeight)                            \
    INT(lblDescriptionLeft)                        \
    INT(lblDescriptionTop)                         \
    TEXT(lblDescriptionCaption, 30)                \
    TEXT(lblDescriptionFont, 30)                   \
    TEXT(lblDescriptionColour, 30)                 \
    REAL(lblDescriptionFontSize)                   \
    BOOL(lblDescriptionFontBold)                   \
    BOOL(lblDescriptionFontItalic)                 \
    INT(lblDescriptionBorderStyle)                 \
    INT(lblDescriptionWidth)                       \
    INT(lblDescriptionHeight)                      \
    TEXT(lblFooterCaption, 250)                    \
    INT(lblFooterLeft)                             \
    INT(lblFooterTop)                              \
    TEXT(lblFooterFont, 30)                        \
    TEXT(lblFooterColour, 30)                      \
    REAL(lblFooterFontSize)                        \
    BOOL(lblFooterFontBold)                        \
    BOOL(lblFooterFontItalic)                      \
    INT(lblFooterBorderStyle)                      \
    INT(lblDateLeft)                               \
    INT(lblDateTop)                                \
    TEXT(lblDateFont, 30)                          \
    TEXT(lblDateColour, 30)                        \
    REAL(lblDateFontSize)                          \
    BOOL(lblDateFontBold)                          \
    BOOL(lblDateFontItalic)                        \
    INT(lblDateBorderStyle)                        \
    INT(Identity)
// clang-format on

// Member names are the field names of the files (and Layout.set's column names), hence their
// mixed case. A default-constructed record is all zero: numbers 0, Bools false, texts empty.
struct LayoutRecord {
#define BILLCRAFT_INT(name) qint16 name = 0;
#define BILLCRAFT_BOOL(name) bool name = false;
#define BILLCRAFT_REAL(name) double name = 0;
#define BILLCRAFT_TEXT(name, size) QString name;
    BILLCRAFT_LAYOUT_FIELDS(BILLCRAFT_INT, BILLCRAFT_BOOL, BILLCRAFT_REAL, BILLCRAFT_TEXT)
#undef BILLCRAFT_INT
#undef BILLCRAFT_BOOL
#undef BILLCRAFT_REAL
#undef BILLCRAFT_TEXT

    // The designer's first arrangement of the page, before any identity setting is applied:
    // the starting point of a new identity's layout. The text logo's width is left 0 (it is
    // measured from the caption once that is known).
    static LayoutRecord designerDefaults();
    // A caption a new page starts with ("VAT"), in the program's language.
    static QString defaultCaption(const char* english);

    // Why the record cannot be used, naming the first field at fault, or an empty text when it
    // can: a VatRate outside LayoutFields::kVatRateRange, or a font size that is neither 0 (not
    // set, as in an all-zero record) nor within LayoutFields::kFontSizeRange. NaN and the
    // infinities are within no range. A file holding such a record is damaged.
    QString damage() const;

    bool operator==(const LayoutRecord&) const = default;
};

// One field of the record, for code that walks all of them in order (the file codec, the
// conversion of Layout.set). Exactly one member pointer is set, the one of `type`.
struct LayoutField {
    enum class Type { Int, Bool, Real, Text };
    const char* name;
    Type type;
    int textSize; // defined size of a Text field; 0 otherwise
    qint16 LayoutRecord::*intMember = nullptr;
    bool LayoutRecord::*boolMember = nullptr;
    double LayoutRecord::*realMember = nullptr;
    QString LayoutRecord::*textMember = nullptr;
};

namespace LayoutFields {

inline constexpr int kCount = 119;
std::span<const LayoutField> all(); // in record order

// What a sound record holds: a VAT rate is a percentage; a font size is in points, and no letter
// on the invoice page (an A4 page is 842 points tall) needs more than 1000.
struct Range {
    double min, max;
    bool contains(double v) const { return v >= min && v <= max; } // false for NaN
};
inline constexpr Range kVatRateRange{0, 100};
inline constexpr Range kFontSizeRange{1, 1000};

// The colour text of the system window-text colour (0x80000008 as a signed 32-bit number).
inline const QString kWindowTextColour = QStringLiteral("-2147483640");

} // namespace LayoutFields
