#include "invoices/InvoicePage.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/LocaleText.h"
#include "core/SafeFile.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPageSize>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace InvoicePage {

namespace {

// --- Reading the invoice ----------------------------------------------------------------------

// The invoice joined to its client. Built from literal fragments only; values are bound.
const QString kSheetSelect = QStringLiteral(
    "SELECT i.InvoiceID, i.Identity, i.InvoiceNumber, i.Content, i.\"Date\", i.\"Value\", i.VAT, "
    "i.Total, c.ClientID, c.Salutation, c.FirstName, c.LastName, c.Company, c.Address1, "
    "c.Address2, c.Address3, c.Town, c.County, c.Country, c.PostCode "
    "FROM TblInvoices i LEFT JOIN TblClients c ON c.ClientID = i.ClientID ");

Result<InvoiceSheet> readSheet(Database& db, const QString& where, const QVariantList& values,
                               const QString& notFound)
{
    QSqlQuery q = db.prepare(kSheetSelect + where);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!db.exec(q))
        return Failure{QStringLiteral("The invoice cannot be read: %1").arg(db.errorString())};
    if (!q.next()) {
        if (q.lastError().isValid())
            return Failure{
                QStringLiteral("The invoice cannot be read: %1").arg(q.lastError().text())};
        return Failure{notFound};
    }
    InvoiceSheet s;
    s.invoiceId = q.value(0).toInt();
    s.identity = q.value(1).toInt();
    s.invoiceNumber = q.value(2).toString();
    if (q.value(8).isNull())
        return Failure{QStringLiteral("The client of invoice %1 has been deleted, so the invoice "
                                      "cannot be shown.")
                           .arg(s.invoiceNumber)};
    s.content = q.value(3).toString();
    s.date = q.value(4).isNull() ? QDate() : DaySerial::toDate(q.value(4).toDouble());
    s.value = Money::fromUnits(q.value(5).toLongLong());
    s.vat = Money::fromUnits(q.value(6).toLongLong());
    s.total = Money::fromUnits(q.value(7).toLongLong());
    s.salutation = q.value(9).toString();
    s.firstName = q.value(10).toString();
    s.lastName = q.value(11).toString();
    s.company = q.value(12).toString();
    s.address1 = q.value(13).toString();
    s.address2 = q.value(14).toString();
    s.address3 = q.value(15).toString();
    s.town = q.value(16).toString();
    s.county = q.value(17).toString();
    s.country = q.value(18).toString();
    s.postCode = q.value(19).toString();
    return s;
}

// --- Laying out -------------------------------------------------------------------------------

constexpr int kInsetX = 30;           // twips between a box and its text, left and right
constexpr int kInsetY = 15;           // and above and below
constexpr int kNumberGap = 40;        // the number stands this far right of the invoice title
constexpr int kAmountGap = 30;        // each amount this far right of its caption
constexpr int kAmountsBelow = 240;    // from the content's bottom to the sub-total
constexpr int kAmountSpacing = 60;    // between the three amount lines
constexpr int kContinuedTop = 240;    // content carried onto a further page starts here
constexpr int kDividerLength = 11055; // the designer's rule, centred in the section
constexpr int kDividerPen = 20;       // 1 point
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

} // namespace

Result<InvoiceSheet> loadSheet(Database& db, int invoiceId)
{
    return readSheet(db, QStringLiteral("WHERE i.InvoiceID = ?"), {invoiceId},
                     QStringLiteral("This invoice no longer exists: it may have been deleted."));
}

Result<InvoiceSheet> loadSheet(Database& db, int identity, const QString& invoiceNumber)
{
    // Numbers are unique in practice; should a number have been given twice, the later
    // invoice is the one meant. Every row is paid (-1) or not (0), and each kind has its index
    // by number, so the two lookups find the row without reading the identity's invoices (the
    // paid one named, since the planner would otherwise walk every paid row of the identity).
    return readSheet(
        db,
        QStringLiteral("WHERE i.InvoiceID = (SELECT max(InvoiceID) FROM ("
                       "SELECT InvoiceID FROM TblInvoices "
                       "WHERE Identity = ? AND InvoiceNumber = ? AND Paid = 0 UNION ALL "
                       "SELECT InvoiceID FROM TblInvoices INDEXED BY IdxInvoicesPaidNumber "
                       "WHERE Identity = ? AND InvoiceNumber = ? AND Paid = -1))"),
        {identity, invoiceNumber, identity, invoiceNumber},
        QStringLiteral("Identity %1 has no invoice numbered %2.").arg(identity).arg(invoiceNumber));
}

Result<LayoutRecord> identityLayout(Database& db, const QString& dataFolder, int identity)
{
    const QString path = QDir(dataFolder).filePath(IdentityLayoutFile::fileName(identity));
    if (!QFileInfo::exists(path))
        return LayoutFiles::defaultLayout(db, identity);
    QString error;
    if (std::optional<LayoutRecord> read = IdentityLayoutFile::read(path, &error))
        return *read;
    return Failure{error.isEmpty() ? QStringLiteral("%1 cannot be read.").arg(path) : error};
}

QColor paperTextColour()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return Qt::black;
    const QColor text = QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
    return text.lightness() < 128 ? text : QColor(Qt::black);
}

Layout layOut(const LayoutRecord& r, const InvoiceSheet& sheet, const LocaleText& locale,
              const QString& dataFolder, QColor windowText, QSize pageSize)
{
    Layout out;
    if (pageSize.width() <= 0 || pageSize.height() <= 0)
        pageSize = kA4;
    out.pageSize = pageSize;
    const QString caption = r.lblInvoiceCaption.trimmed();
    out.title =
        (caption.isEmpty() ? QStringLiteral("Invoice") : caption) + u' ' + sheet.invoiceNumber;
    const QString tradingName = r.lblTextLogoCaption.simplified();
    out.creator = tradingName.isEmpty() ? QStringLiteral("Billcraft")
                                        : QStringLiteral("Billcraft - ") + tradingName;

    const Builder b(windowText);
    const QPoint header(leftMargin(pageSize), kPageMargin);
    const QPoint detail(header.x(), header.y() + kHeaderHeight);
    const int detailHeight =
        std::max(pageSize.height() - kPageMargin - kFooterHeight - detail.y(), kMinDetailHeight);
    const int detailBottom = detail.y() + detailHeight;
    const QPoint footer(header.x(), detailBottom);
    const auto at = [](QPoint origin, int left, int top) { return origin + QPoint(left, top); };

    // Page header and footer, repeated on every page.
    PageItems frame;
    bool pictureLogo = false;
    if (!r.PicLogoName.isEmpty() && r.PicLogoShow) {
        const QString path = LayoutFiles::logoPath(dataFolder, r.PicLogoName);
        QImageReader reader(path);
        const QImage image = reader.read();
        if (!image.isNull()) {
            frame.images.push_back({path,
                                    QRect(at(header, r.PicLogoLeft, r.PicLogoTop),
                                          QSize(r.PicLogoWidth, r.PicLogoHeight)),
                                    image});
            pictureLogo = true;
        } else {
            out.notice = QStringLiteral("The logo %1 is missing or is not a picture that can be "
                                        "read, so the text logo is printed instead.")
                             .arg(QDir::toNativeSeparators(path));
        }
    }
    if (!pictureLogo) {
        // Its stored width was measured for its caption on the machine that made the layout;
        // where the fonts here are wider it grows rather than cut its last letters off.
        TextItem logo = b.text(QStringLiteral("lblTextLogo"), r.lblTextLogoCaption,
                               at(header, r.lblTextLogoLeft, r.lblTextLogoTop), 0, 0,
                               BILLCRAFT_FONT_OF(r, lblTextLogo));
        logo.rect.setWidth(std::max(logo.rect.width(), int(r.lblTextLogoWidth)));
        frame.texts.push_back(logo);
    }
    frame.texts.push_back(b.text(QStringLiteral("lblHeader"), r.lblAddressCaption,
                                 at(header, r.lblAddressLeft, r.lblAddressTop), r.lblAddressWidth,
                                 0, BILLCRAFT_FONT_OF(r, lblAddress), true));
    if (r.PicLineShow) {
        const int x = header.x() + (kSectionWidth - kDividerLength) / 2;
        const int y = header.y() + r.PicLineTop;
        frame.lines.push_back({QLine(x, y, x + kDividerLength, y)});
    }
    const FontFields title = BILLCRAFT_FONT_OF(r, lblInvoice);
    frame.texts.push_back(b.text(QStringLiteral("Label1"), r.lblInvoiceCaption,
                                 at(header, r.lblInvoiceLeft, r.lblInvoiceTop), r.lblInvoiceWidth,
                                 r.lblInvoiceHeight, title));
    // The number has the title's font and box but keeps its own (window text) colour.
    TextItem number =
        b.text(QStringLiteral("lblnumber"), sheet.invoiceNumber,
               at(header, r.lblInvoiceLeft + r.lblInvoiceWidth + kNumberGap, r.lblInvoiceTop), 0,
               r.lblInvoiceHeight, title);
    number.colour = windowText;
    frame.texts.push_back(number);
    const int footerRoom = kSectionWidth - r.lblFooterLeft;
    TextItem footerItem =
        b.text(QStringLiteral("lblFooter"), r.lblFooterCaption,
               at(footer, r.lblFooterLeft, r.lblFooterTop), 0, 0, BILLCRAFT_FONT_OF(r, lblFooter));
    if (footerItem.rect.width() > footerRoom && footerRoom > 2 * kInsetX)
        footerItem = b.text(QStringLiteral("lblFooter"), r.lblFooterCaption,
                            at(footer, r.lblFooterLeft, r.lblFooterTop), footerRoom, 0,
                            BILLCRAFT_FONT_OF(r, lblFooter), true);
    frame.texts.push_back(footerItem);

    const auto newPage = [&] { out.pages.push_back(frame); };
    newPage();

    // The detail: fixed items on the first page only.
    std::vector<TextItem>& first = out.pages.front().texts;
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

    // The content, wrapped within the designer's content width, runs on to further pages when
    // it does not fit; each page holds as many of its lines as fit above the footer, and at
    // least one, so that any font size makes progress.
    const FontFields contentFont = BILLCRAFT_FONT_OF(r, lblInvoiceContent);
    const TextItem whole = b.text(QStringLiteral("txtContent"), sheet.content,
                                  at(detail, r.lblInvoiceContentLeft, r.lblInvoiceContentTop),
                                  kContentWidth, 0, contentFont, true);
    const QStringList lines = whole.text.split(u'\n');
    const double spacing = std::max(b.lineSpacing(whole.font), 1.0);
    int y = whole.rect.top();
    bool freshPage = false;
    for (qsizetype done = 0; done < lines.size();) {
        const qsizetype room = qsizetype((detailBottom - y - 2 * kInsetY) / spacing);
        const qsizetype take = std::min(lines.size() - done, std::max(room, qsizetype(freshPage)));
        if (take <= 0) {
            newPage();
            y = detail.y() + kContinuedTop;
            freshPage = true;
            continue;
        }
        TextItem part = whole;
        part.text = lines.mid(done, take).join(u'\n');
        part.rect.moveTop(y);
        part.rect.setHeight(int(std::ceil(double(take) * spacing)) + 2 * kInsetY);
        out.pages.back().texts.push_back(part);
        y = part.rect.bottom() + 1;
        done += take;
        freshPage = false;
    }

    // The amounts follow the content, each 30 twips right of its caption; every line is
    // printed, a zero amount included.
    struct Amount {
        QString captionName, amountName;
        const QString& caption;
        qint16 left, width, height;
        FontFields font;
        Money amount;
    };
    const Amount amounts[] = {
        {QStringLiteral("lblSubTotal"), QStringLiteral("lblValue2"), r.lblSubTotalCaption,
         r.lblSubTotalLeft, r.lblSubTotalWidth, r.lblSubTotalHeight,
         BILLCRAFT_FONT_OF(r, lblSubTotal), sheet.value},
        {QStringLiteral("lblVat"), QStringLiteral("lblVAT2"), r.lblVATCaption, r.lblVATLeft,
         r.lblVATWidth, r.lblVATHeight, BILLCRAFT_FONT_OF(r, lblVAT), sheet.vat},
        {QStringLiteral("LblTotal"), QStringLiteral("lblTotal2"), r.lblTotalCaption, r.lblTotalLeft,
         r.lblTotalWidth, r.lblTotalHeight, BILLCRAFT_FONT_OF(r, lblTotal), sheet.total},
    };
    y += kAmountsBelow;
    for (const Amount& a : amounts) {
        // Captions stand right-aligned against their amounts (the designer's captions end
        // together), so a caption wider in the fonts here grows away from its amount.
        TextItem captionItem = b.text(a.captionName, a.caption, QPoint(detail.x() + a.left, y),
                                      a.width, a.height, a.font);
        captionItem.alignment = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop;
        if (const int needed = b.naturalWidth(captionItem); needed > captionItem.rect.width())
            captionItem.rect.setLeft(captionItem.rect.right() + 1 - needed);
        TextItem amountItem =
            b.text(a.amountName, locale.toCurrency(a.amount),
                   QPoint(detail.x() + a.left + a.width + kAmountGap, y), 0, a.height, a.font);
        const int height = std::max(captionItem.rect.height(), amountItem.rect.height());
        if (y + height > detailBottom && !freshPage) {
            newPage();
            y = detail.y() + kContinuedTop;
            captionItem.rect.moveTop(y);
            amountItem.rect.moveTop(y);
        }
        freshPage = false;
        out.pages.back().texts.push_back(captionItem);
        out.pages.back().texts.push_back(amountItem);
        y += height + kAmountSpacing;
    }
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

// --- Drawing --------------------------------------------------------------------------------

void paint(QPainter& painter, const Layout& layout, int page, double scale)
{
    QPaintDevice* device = painter.device();
    if (!device || page < 0 || page >= int(layout.pages.size()))
        return;
    const double sx = device->logicalDpiX() * scale / kTwipsPerInch;
    const double sy = device->logicalDpiY() * scale / kTwipsPerInch;
    const auto toDevice = [&](const QRect& r) {
        return QRectF(r.x() * sx, r.y() * sy, r.width() * sx, r.height() * sy);
    };
    const PageItems& items = layout.pages[std::size_t(page)];

    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    for (const ImageItem& item : items.images) {
        const QImage image = item.image.isNull() ? QImage(item.path) : item.image;
        if (image.isNull() || item.rect.isEmpty())
            continue;
        // Scaled into its rect with its proportions kept, centred.
        const QRectF box = toDevice(item.rect);
        QSizeF size = QSizeF(image.size()).scaled(box.size(), Qt::KeepAspectRatio);
        QRectF target(QPointF(), size);
        target.moveCenter(box.center());
        painter.drawImage(target, image);
    }
    for (const LineItem& item : items.lines) {
        painter.setPen(QPen(Qt::black, std::max(kDividerPen * sy, 1.0)));
        painter.drawLine(QLineF(item.line.x1() * sx, item.line.y1() * sy, item.line.x2() * sx,
                                item.line.y2() * sy));
    }
    for (const TextItem& item : items.texts) {
        const QRectF box = toDevice(item.rect);
        if (item.boxed) {
            painter.setPen(QPen(item.colour, 0)); // cosmetic: one device pixel on any device
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
        }
        QFont font = item.font;
        font.setPointSizeF(item.font.pointSizeF() * scale);
        painter.setFont(font);
        painter.setPen(item.colour);
        // Lines were broken when the page was laid out, so every device shows the same lines.
        // Right-to-left text starts at the right: AlignLeft means the leading edge.
        QTextOption option(item.alignment);
        option.setWrapMode(QTextOption::NoWrap);
        option.setTextDirection(item.text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        painter.drawText(box.adjusted(kInsetX * sx, kInsetY * sy, -kInsetX * sx, -kInsetY * sy),
                         item.text, option);
    }
    painter.restore();
}

Status writePdf(const Layout& layout, const QString& path)
{
    // The document is made in memory and written in one go through a temporary file that
    // replaces `path`, so a failure leaves any earlier file as it was.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(layout.title);
        writer.setCreator(layout.creator);
        const QSizeF points(layout.pageSize.width() / 20.0, layout.pageSize.height() / 20.0);
        writer.setPageSize(QPageSize(points, QPageSize::Point));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&writer))
            return Failure{QStringLiteral("The PDF document cannot be started.")};
        for (int i = 0; i < int(layout.pages.size()); ++i) {
            if (i > 0)
                writer.newPage();
            paint(painter, layout, i);
        }
        if (!painter.end())
            return Failure{QStringLiteral("The PDF document cannot be finished.")};
    }
    QString error;
    if (!SafeFile::write(path, buffer.data(), &error))
        return Failure{error};
    return Done{};
}

} // namespace InvoicePage
