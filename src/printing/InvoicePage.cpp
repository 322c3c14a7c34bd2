#include "printing/InvoicePage.h"

#include "core/LocaleText.h"
#include "core/SharedFiles.h"
#include "layout/LayoutFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QImage>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace InvoicePage {

namespace {

constexpr int kNumberGap = 40;        // the number stands this far right of the invoice title
constexpr int kAmountGap = 30;        // each amount this far right of its caption
constexpr int kAmountsBelow = 240;    // from the content's bottom to the sub-total
constexpr int kAmountSpacing = 60;    // between the three amount lines
constexpr int kContinuedTop = 240;    // content carried onto a further page starts here
constexpr int kDividerLength = 11055; // the designer's rule, centred in the section
constexpr int kMinDetailHeight = 1440;
constexpr double kDefaultPoints = 10; // a size the record leaves unset (0) or cannot hold

// Fonts are measured at 1440 dots an inch, so one device pixel is one twip. Without hinting,
// glyph advances scale linearly with resolution, so the lines broken here fit every device.
struct Measurer {
    QImage device{1, 1, QImage::Format_Mono};
    Measurer()
    {
        const int dotsPerMeter = qRound(kTwipsPerInch / 0.0254);
        device.setDotsPerMeterX(dotsPerMeter);
        device.setDotsPerMeterY(dotsPerMeter);
    }
};

// The six font fields of one element, by prefix.
struct FontFields {
    const QString& family;
    const QString& colour;
    double size; // points
    bool bold;
    bool italic;
    qint16 border;
};
#define BILLCRAFT_FONT_OF(record, prefix)                                                          \
    FontFields                                                                                     \
    {                                                                                              \
        (record).prefix##Font, (record).prefix##Colour, (record).prefix##FontSize,                 \
            (record).prefix##FontBold, (record).prefix##FontItalic, (record).prefix##BorderStyle   \
    }

QString normalisedLines(const QString& text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(u'\r', u'\n');
    return t;
}

QString trimmedRight(const QString& text)
{
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1).isSpace())
        --n;
    return text.left(n);
}

// Breaks each paragraph at word boundaries, or anywhere in a word longer than the width.
QStringList wrapped(const QString& text, const QFont& font, double width,
                    const QPaintDevice* device)
{
    QStringList lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : text.split(u'\n')) {
        QTextLayout layout(paragraph, font, device);
        layout.setTextOption(option);
        layout.beginLayout();
        const qsizetype before = lines.size();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << trimmedRight(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
        if (lines.size() == before)
            lines << QString();
    }
    return lines;
}

class Builder {
public:
    explicit Builder(QColor windowText)
        : m_windowText(windowText)
    {}

    QColor colour(const QString& text) const
    {
        bool ok = false;
        const qlonglong v = text.trimmed().toLongLong(&ok);
        // Negative values name a system colour; on this page they all mean the window text.
        // A value that is no colour at all is drawn the same way rather than not at all.
        if (!ok || v < 0 || v > 0xFFFFFF)
            return m_windowText;
        return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
    }

    QFont font(const FontFields& f) const
    {
        QFont font(f.family);
        font.setPointSize(wholePoints(f.size));
        font.setBold(f.bold);
        font.setItalic(f.italic);
        font.setHintingPreference(QFont::PreferNoHinting);
        return font;
    }

    // A text item at `topLeft` (twips on the page). A width of 0 takes the text's own width;
    // with `wrap` the text is broken into lines within the width. The height is the stored one
    // or, when the text needs more, the text's.
    TextItem text(const QString& name, const QString& caption, QPoint topLeft, int width,
                  int height, const FontFields& f, bool wrap = false) const
    {
        TextItem item;
        item.name = name;
        item.font = font(f);
        item.colour = colour(f.colour);
        item.boxed = f.border == 1;
        const QFontMetricsF metrics(item.font, &m_measure.device);
        const QString lines = normalisedLines(caption);
        const QStringList broken =
            wrap && width > 2 * kInsetX
                ? wrapped(lines, item.font, width - 2 * kInsetX, &m_measure.device)
                : lines.split(u'\n');
        item.wraps = wrap;
        item.text = broken.join(u'\n');
        double textWidth = 0;
        for (const QString& line : broken)
            textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
        const int w = width > 0 ? width : int(std::ceil(textWidth)) + 2 * kInsetX;
        const int h = std::max(height, linesHeight(metrics, int(broken.size())));
        item.rect = QRect(topLeft, QSize(w, h));
        return item;
    }

    // The width the item's text needs in its font, its box's insets included.
    int naturalWidth(const TextItem& item) const
    {
        const QFontMetricsF metrics(item.font, &m_measure.device);
        double widest = 0;
        for (const QString& line : item.text.split(u'\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        return int(std::ceil(widest)) + 2 * kInsetX;
    }

    static int linesHeight(const QFontMetricsF& metrics, int lines)
    {
        return int(std::ceil(lines * metrics.lineSpacing())) + 2 * kInsetY;
    }

    double lineSpacing(const QFont& font) const
    {
        return QFontMetricsF(font, &m_measure.device).lineSpacing();
    }

    // Whole points, halves to even (9.5 and 10.5 both print at 10).
    static int wholePoints(double size)
    {
        if (!std::isfinite(size) || size <= 0)
            return int(kDefaultPoints);
        return int(std::clamp(std::nearbyint(size), 1.0, LayoutFields::kFontSizeRange.max));
    }

private:
    QColor m_windowText;
    Measurer m_measure;
};

// The client's address block: name line, company and first line always (even empty), then the
// other lines only when longer than one character, post code before country.
QString clientBlock(const InvoiceSheet& s)
{
    QStringList lines;
    QString name = s.salutation + u' ' + s.firstName + u' ' + s.lastName;
    while (name.startsWith(u' '))
        name.remove(0, 1);
    lines << name << s.company << s.address1;
    for (const QString* field :
         {&s.address2, &s.address3, &s.town, &s.county, &s.postCode, &s.country}) {
        if (field->size() > 1)
            lines << *field;
    }
    return lines.join(u'\n');
}

// Where the sections of a page stand, in twips from its top-left corner.
struct Bands {
    QPoint header;
    QPoint detail;
    QPoint footer;
    int detailBottom = 0;
};

Bands bandsOf(QSize pageSize)
{
    Bands bands;
    bands.header = QPoint(leftMargin(pageSize), kPageMargin);
    bands.detail = QPoint(bands.header.x(), bands.header.y() + kHeaderHeight);
    const int detailHeight = std::max(
        pageSize.height() - kPageMargin - kFooterHeight - bands.detail.y(), kMinDetailHeight);
    bands.detailBottom = bands.detail.y() + detailHeight;
    bands.footer = QPoint(bands.header.x(), bands.detailBottom);
    return bands;
}

QPoint at(QPoint origin, int left, int top)
{
    return origin + QPoint(left, top);
}

// The picture logo when it is shown and can be read, else the text logo; `notice` says why a
// picture the layout asks for is not printed.
void addLogo(PageItems& frame, const LayoutRecord& r, QPoint header, const Builder& b,
             const SharedFiles* files, QString* notice)
{
    if (!r.PicLogoName.isEmpty() && r.PicLogoShow && files) {
        // The picture is the books' bytes, the same on every seat, never a path on this one.
        const QString name = LayoutFiles::logoFileName(r.PicLogoName);
        const Result<std::optional<QByteArray>> bytes = LayoutFiles::readLogo(*files, name);
        QImage image;
        if (bytes && *bytes)
            image.loadFromData(**bytes);
        if (!image.isNull()) {
            frame.images.push_back({name,
                                    QRect(at(header, r.PicLogoLeft, r.PicLogoTop),
                                          QSize(r.PicLogoWidth, r.PicLogoHeight)),
                                    image});
            return;
        }
        *notice = bytes ? QCoreApplication::translate(
                              "InvoicePage", "The logo %1 is missing or is not a picture that "
                                             "can be read, so the text logo is printed instead.")
                              .arg(files->describe(name))
                        : QCoreApplication::translate("InvoicePage",
                                                      "%1\nThe text logo is printed instead.")
                              .arg(bytes.error());
    }
    // Its stored width was measured for its caption on the machine that made the layout; where
    // the fonts here are wider it grows rather than cut its last letters off.
    TextItem logo = b.text(QStringLiteral("lblTextLogo"), r.lblTextLogoCaption,
                           at(header, r.lblTextLogoLeft, r.lblTextLogoTop), 0, 0,
                           BILLCRAFT_FONT_OF(r, lblTextLogo));
    logo.rect.setWidth(std::max(logo.rect.width(), int(r.lblTextLogoWidth)));
    frame.texts.push_back(logo);
}

// The invoice title and, beside it, the number: in the title's font and box but in its own
// (window text) colour.
void addTitle(PageItems& frame, const LayoutRecord& r, const QString& invoiceNumber, QPoint header,
              const Builder& b, QColor windowText)
{
    const FontFields title = BILLCRAFT_FONT_OF(r, lblInvoice);
    frame.texts.push_back(b.text(QStringLiteral("Label1"), r.lblInvoiceCaption,
                                 at(header, r.lblInvoiceLeft, r.lblInvoiceTop), r.lblInvoiceWidth,
                                 r.lblInvoiceHeight, title));
    TextItem number =
        b.text(QStringLiteral("lblnumber"), invoiceNumber,
               at(header, r.lblInvoiceLeft + r.lblInvoiceWidth + kNumberGap, r.lblInvoiceTop), 0,
               r.lblInvoiceHeight, title);
    number.colour = windowText;
    frame.texts.push_back(number);
}

// The footer on one line, or wrapped within the section when it is wider than the room left.
TextItem footerOf(const LayoutRecord& r, QPoint footer, const Builder& b)
{
    const int room = kSectionWidth - r.lblFooterLeft;
    const QPoint topLeft = at(footer, r.lblFooterLeft, r.lblFooterTop);
    TextItem item = b.text(QStringLiteral("lblFooter"), r.lblFooterCaption, topLeft, 0, 0,
                           BILLCRAFT_FONT_OF(r, lblFooter));
    if (item.rect.width() > room && room > 2 * kInsetX)
        item = b.text(QStringLiteral("lblFooter"), r.lblFooterCaption, topLeft, room, 0,
                      BILLCRAFT_FONT_OF(r, lblFooter), true);
    return item;
}

// The page header and footer, repeated on every page.
PageItems frameOf(const LayoutRecord& r, const InvoiceSheet& sheet, const Bands& bands,
                  const Builder& b, const SharedFiles* files, QColor windowText, QString* notice)
{
    PageItems frame;
    addLogo(frame, r, bands.header, b, files, notice);
    frame.texts.push_back(b.text(QStringLiteral("lblHeader"), r.lblAddressCaption,
                                 at(bands.header, r.lblAddressLeft, r.lblAddressTop),
                                 r.lblAddressWidth, 0, BILLCRAFT_FONT_OF(r, lblAddress), true));
    if (r.PicLineShow) {
        const int x = bands.header.x() + (kSectionWidth - kDividerLength) / 2;
        const int y = bands.header.y() + r.PicLineTop;
        frame.lines.push_back({QLine(x, y, x + kDividerLength, y)});
    }
    addTitle(frame, r, sheet.invoiceNumber, bands.header, b, windowText);
    frame.texts.push_back(footerOf(r, bands.footer, b));
    return frame;
}

// The detail's fixed items, on the first page only: the client's address, the description
// caption and the date.
void addFixedDetail(std::vector<TextItem>& first, const LayoutRecord& r, const InvoiceSheet& sheet,
                    const LocaleText& locale, QPoint detail, const Builder& b)
{
    first.push_back(b.text(QStringLiteral("lblAddress"), clientBlock(sheet),
                           at(detail, r.lblclientAddressLeft, r.lblclientAddressTop), 0, 0,
                           BILLCRAFT_FONT_OF(r, lblclientAddress)));
    first.push_back(b.text(QStringLiteral("Label5"), r.lblDescriptionCaption,
                           at(detail, r.lblDescriptionLeft, r.lblDescriptionTop), 0, 0,
                           BILLCRAFT_FONT_OF(r, lblDescription)));
    first.push_back(b.text(
        QStringLiteral("txtDate"),
        sheet.date.isValid() ? locale.locale().toString(sheet.date, QStringLiteral("d MMMM, yyyy"))
                             : QString(),
        at(detail, r.lblDateLeft, r.lblDateTop), 0, 0, BILLCRAFT_FONT_OF(r, lblDate)));
}

// Where the detail's flowing items have got to: the page being filled and the next free line
// on it, in twips.
struct Flow {
    Layout& out;
    const PageItems& frame;
    const Bands& bands;
    int y = 0;
    bool freshPage = false; // nothing placed on the page yet

    // A further page, its header and footer repeated; its detail starts kContinuedTop down.
    void newPage()
    {
        out.pages.push_back(frame);
        y = bands.detail.y() + kContinuedTop;
        freshPage = true;
    }
    std::vector<TextItem>& texts() { return out.pages.back().texts; }
};

// The content, wrapped within the designer's content width, runs on to further pages when it
// does not fit; each page holds as many of its lines as fit above the footer, and at least one,
// so that any font size makes progress.
void addContent(Flow& flow, const LayoutRecord& r, const QString& content, const Builder& b)
{
    const TextItem whole =
        b.text(QStringLiteral("txtContent"), content,
               at(flow.bands.detail, r.lblInvoiceContentLeft, r.lblInvoiceContentTop),
               kContentWidth, 0, BILLCRAFT_FONT_OF(r, lblInvoiceContent), true);
    const QStringList lines = whole.text.split(u'\n');
    const double spacing = std::max(b.lineSpacing(whole.font), 1.0);
    flow.y = whole.rect.top();
    flow.freshPage = false;
    for (qsizetype done = 0; done < lines.size();) {
        const qsizetype room =
            qsizetype((flow.bands.detailBottom - flow.y - 2 * kInsetY) / spacing);
        const qsizetype take =
            std::min(lines.size() - done, std::max(room, qsizetype(flow.freshPage)));
        if (take <= 0) {
            flow.newPage();
            continue;
        }
        TextItem part = whole;
        part.text = lines.mid(done, take).join(u'\n');
        part.rect.moveTop(flow.y);
        part.rect.setHeight(int(std::ceil(double(take) * spacing)) + 2 * kInsetY);
        flow.texts().push_back(part);
        flow.y = part.rect.bottom() + 1;
        done += take;
        flow.freshPage = false;
    }
}

// One line of the amounts: its caption's element and the amount beside it.
struct Amount {
    QString captionName, amountName;
    const QString& caption;
    qint16 left, width, height;
    FontFields font;
    Money amount;
};

// The amounts follow the content, each 30 twips right of its caption; every line is printed,
// a zero amount included.
void addAmounts(Flow& flow, const LayoutRecord& r, const InvoiceSheet& sheet,
                const LocaleText& locale, const Builder& b)
{
    const Amount amounts[] = {
        {QStringLiteral("lblSubTotal"), QStringLiteral("lblValue2"), r.lblSubTotalCaption,
         r.lblSubTotalLeft, r.lblSubTotalWidth, r.lblSubTotalHeight,
         BILLCRAFT_FONT_OF(r, lblSubTotal), sheet.value},
        {QStringLiteral("lblVat"), QStringLiteral("lblVAT2"), r.lblVATCaption, r.lblVATLeft,
         r.lblVATWidth, r.lblVATHeight, BILLCRAFT_FONT_OF(r, lblVAT), sheet.vat},
        {QStringLiteral("LblTotal"), QStringLiteral("lblTotal2"), r.lblTotalCaption, r.lblTotalLeft,
         r.lblTotalWidth, r.lblTotalHeight, BILLCRAFT_FONT_OF(r, lblTotal), sheet.total},
    };
    const int left = flow.bands.detail.x();
    flow.y += kAmountsBelow;
    for (const Amount& a : amounts) {
        // Captions stand right-aligned against their amounts (the designer's captions end
        // together), so a caption wider in the fonts here grows away from its amount.
        TextItem captionItem = b.text(a.captionName, a.caption, QPoint(left + a.left, flow.y),
                                      a.width, a.height, a.font);
        captionItem.alignment = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop;
        if (const int needed = b.naturalWidth(captionItem); needed > captionItem.rect.width())
            captionItem.rect.setLeft(captionItem.rect.right() + 1 - needed);
        TextItem amountItem =
            b.text(a.amountName, locale.toCurrency(a.amount),
                   QPoint(left + a.left + a.width + kAmountGap, flow.y), 0, a.height, a.font);
        const int height = std::max(captionItem.rect.height(), amountItem.rect.height());
        if (flow.y + height > flow.bands.detailBottom && !flow.freshPage) {
            flow.newPage();
            captionItem.rect.moveTop(flow.y);
            amountItem.rect.moveTop(flow.y);
        }
        flow.freshPage = false;
        flow.texts().push_back(captionItem);
        flow.texts().push_back(amountItem);
        flow.y += height + kAmountSpacing;
    }
}

} // namespace

Layout layOut(const LayoutRecord& r, const InvoiceSheet& sheet, const LocaleText& locale,
              const SharedFiles* files, QColor windowText, QSize pageSize)
{
    Layout out;
    if (pageSize.width() <= 0 || pageSize.height() <= 0)
        pageSize = kA4;
    out.pageSize = pageSize;
    const QString caption = r.lblInvoiceCaption.trimmed();
    out.title =
        (caption.isEmpty() ? QCoreApplication::translate("InvoicePage", "Invoice") : caption) +
        u' ' + sheet.invoiceNumber;
    const QString tradingName = r.lblTextLogoCaption.simplified();
    out.creator = tradingName.isEmpty() ? QStringLiteral("Billcraft")
                                        : QStringLiteral("Billcraft - ") + tradingName;

    const Builder b(windowText);
    const Bands bands = bandsOf(pageSize);
    const PageItems frame = frameOf(r, sheet, bands, b, files, windowText, &out.notice);
    out.pages.push_back(frame);
    addFixedDetail(out.pages.front().texts, r, sheet, locale, bands.detail, b);
    Flow flow{out, frame, bands};
    addContent(flow, r, sheet.content, b);
    addAmounts(flow, r, sheet, locale, b);
    return out;
}

int leftMargin(QSize pageSize)
{
    return std::max(0, (pageSize.width() - kSectionWidth) / 2);
}

const TextItem* findText(const PageItems& page, const QString& name)
{
    for (const TextItem& t : page.texts) {
        if (t.name == name)
            return &t;
    }
    return nullptr;
}

} // namespace InvoicePage
