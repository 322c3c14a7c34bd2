#include "layout/LayoutFiles.h"

#include "core/Database.h"
#include "layout/Adtg.h"
#include "layout/IdentityLayoutFile.h"

#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>
#include <limits>

namespace LayoutFiles {

namespace {

constexpr double kTwipsPerInch = 1440;

struct Font {
    const char* family;
    double size;
    bool bold;
};

// Font, colour and box of one element, through its fields.
#define BILLCRAFT_SET_FONT(r, prefix, f)                                                           \
    do {                                                                                           \
        (r).prefix##Font = QLatin1String((f).family);                                              \
        (r).prefix##FontSize = (f).size;                                                           \
        (r).prefix##FontBold = (f).bold;                                                           \
        (r).prefix##FontItalic = false;                                                            \
        (r).prefix##Colour = LayoutFields::kWindowTextColour;                                      \
        (r).prefix##BorderStyle = 1;                                                               \
    } while (false)

qint16 toInt16(double v)
{
    if (!std::isfinite(v))
        return 0;
    return qint16(std::clamp(std::round(v), double(std::numeric_limits<qint16>::min()),
                             double(std::numeric_limits<qint16>::max())));
}

QString path(const QString& folder, const QString& name)
{
    return QDir(folder).filePath(name);
}

} // namespace

LayoutRecord designerDefaults()
{
    LayoutRecord r;
    const Font plain{"Verdana", 9.75, false};
    const Font bold{"Verdana", 9.75, true};

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
    r.lblclientAddressLeft = 360, r.lblclientAddressTop = 240, r.lblclientAddressWidth = 3840;
    BILLCRAFT_SET_FONT(r, lblclientAddress, plain);
    r.lblInvoiceContentLeft = 360, r.lblInvoiceContentTop = 2520;
    r.lblInvoiceContentWidth = 8292;
    BILLCRAFT_SET_FONT(r, lblInvoiceContent, bold);
    r.lblSubTotalLeft = 6240, r.lblSubTotalWidth = 1035, r.lblSubTotalHeight = 270;
    r.lblSubTotalCaption = QStringLiteral("Sub Total");
    BILLCRAFT_SET_FONT(r, lblSubTotal, bold);
    r.lblVATLeft = 6840, r.lblVATWidth = 450, r.lblVATHeight = 270;
    r.lblVATCaption = QStringLiteral("VAT");
    BILLCRAFT_SET_FONT(r, lblVAT, bold);
    r.lblTotalLeft = 6720, r.lblTotalWidth = 570, r.lblTotalHeight = 270;
    r.lblTotalCaption = QStringLiteral("Total");
    BILLCRAFT_SET_FONT(r, lblTotal, bold);
    r.lblDescriptionLeft = 360, r.lblDescriptionTop = 2160, r.lblDescriptionWidth = 1260;
    r.lblDescriptionHeight = 270;
    r.lblDescriptionCaption = QStringLiteral("Description");
    BILLCRAFT_SET_FONT(r, lblDescription, bold);
    r.lblFooterLeft = 1560, r.lblFooterTop = 240;
    BILLCRAFT_SET_FONT(r, lblFooter, (Font{"Trebuchet MS", 6, false}));
    r.lblDateLeft = 360, r.lblDateTop = 1800;
    BILLCRAFT_SET_FONT(r, lblDate, plain);
    return r;
}

#undef BILLCRAFT_SET_FONT

int textLogoWidthTwips(const LayoutRecord& r)
{
    // Measuring needs the fonts of a GUI session; without one the width is left to the designer.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 0;
    QFont font(r.lblTextLogoFont);
    font.setPointSizeF(r.lblTextLogoFontSize > 0 ? r.lblTextLogoFontSize : 10);
    font.setBold(r.lblTextLogoFontBold);
    font.setItalic(r.lblTextLogoFontItalic);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96;
    // Font metrics are in pixels of the screen's logical resolution; the box adds a pixel a side.
    const double pixels = QFontMetricsF(font).horizontalAdvance(r.lblTextLogoCaption) + 2;
    return int(std::ceil(pixels * kTwipsPerInch / dpi));
}

std::optional<LayoutRecord> defaultLayout(Database& db, int identity)
{
    QSqlQuery q = db.prepare(QStringLiteral(
        "SELECT Logo, LogoFont, FontColour, TextLogo, FontSize, FontStyle, PageHeader, "
        "DividerLine, VatReg, VatRate, InvoiceCaption, PageFooter, Identity "
        "FROM TblUserData WHERE Identity = ?"));
    q.addBindValue(identity);
    if (!db.exec(q) || !q.next())
        return std::nullopt;
    const auto text = [&q](const char* column) {
        return q.value(QLatin1String(column)).toString();
    };
    const auto isNull = [&q](const char* column) { return q.isNull(QLatin1String(column)); };

    LayoutRecord r = designerDefaults();
    r.PicLogoName = text("Logo");
    r.PicLogoShow = !r.PicLogoName.isEmpty();
    r.lblTextLogoFont = text("LogoFont").isEmpty() ? QStringLiteral("Verdana") : text("LogoFont");
    r.lblTextLogoColour =
        isNull("FontColour") ? QStringLiteral("0") : QString::number(q.value(2).toLongLong());
    r.lblTextLogoCaption =
        text("TextLogo").isEmpty() ? QStringLiteral("Your Logo") : text("TextLogo");
    bool numeric = false;
    const double size = q.value(QStringLiteral("FontSize")).toString().toDouble(&numeric);
    r.lblTextLogoFontSize = numeric && size > 6 ? size : 10;
    const QString style = text("FontStyle"); // compared exactly: "bold" is no style
    r.lblTextLogoFontBold = style == u"Bold" || style == u"BoldItalic";
    r.lblTextLogoFontItalic = style == u"Italic" || style == u"BoldItalic";
    r.lblTextLogoWidth = toInt16(textLogoWidthTwips(r));
    r.lblAddressCaption = text("PageHeader");
    r.PicLineShow = q.value(QStringLiteral("DividerLine")).toInt() != 0;
    r.VatReg = q.value(QStringLiteral("VatReg")).toInt() != 0;
    r.VatRate = q.value(QStringLiteral("VatRate")).toDouble();
    r.lblInvoiceCaption = text("InvoiceCaption");
    QString footer = text("PageFooter");
    footer.remove(QStringLiteral("\r\n"));
    r.lblFooterCaption = footer.isEmpty() ? QStringLiteral("Your Footer") : footer;
    r.Identity = toInt16(q.value(QStringLiteral("Identity")).toDouble());
    return r;
}

bool convertSharedLayout(const QString& dataFolder, QString* error)
{
    QString why;
    const auto table = Adtg::readFile(path(dataFolder, kSharedLayoutFile), &why);
    if (!table) {
        if (error)
            *error = QStringLiteral("%1 cannot be converted: %2").arg(kSharedLayoutFile, why);
        return false;
    }
    // Column positions by name; a column the file lacks leaves its field zero.
    QList<int> columnOf;
    for (const LayoutField& f : LayoutFields::all())
        columnOf << table->columnIndex(QLatin1String(f.name));

    const auto fields = LayoutFields::all();
    for (const AdtgRow& row : table->rows) {
        LayoutRecord r;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const int c = columnOf[qsizetype(i)];
            if (c < 0 || c >= row.values.size() || row.values[c].isNull())
                continue;
            const QVariant& v = row.values[c];
            const LayoutField& f = fields[i];
            switch (f.type) {
            case LayoutField::Type::Int:
                r.*f.intMember = toInt16(v.toDouble());
                break;
            case LayoutField::Type::Bool:
                r.*f.boolMember = v.toBool();
                break;
            case LayoutField::Type::Real:
                r.*f.realMember = v.toDouble();
                break;
            case LayoutField::Type::Text:
                r.*f.textMember = v.toString();
                break;
            }
        }
        const QString file = path(dataFolder, IdentityLayoutFile::fileName(r.Identity));
        if (QFile::exists(file))
            continue;
        if (!IdentityLayoutFile::write(file, r, error))
            return false;
    }
    return true;
}

bool ensureForIdentity(Database& db, const QString& dataFolder, int identity, QString* error)
{
    if (identity == 0)
        return true;
    const QString file = path(dataFolder, IdentityLayoutFile::fileName(identity));
    if (QFile::exists(file))
        return true;
    if (QFile::exists(path(dataFolder, kSharedLayoutFile)) &&
        !convertSharedLayout(dataFolder, error))
        return false;
    if (QFile::exists(file))
        return true;
    const auto record = defaultLayout(db, identity);
    if (!record) {
        if (error)
            *error = QStringLiteral("Identity %1 is not in the database.").arg(identity);
        return false;
    }
    return IdentityLayoutFile::write(file, *record, error);
}

bool saveVatDefault(const QString& dataFolder, int identity, bool vatRegistered, QString* error)
{
    const QString own = path(dataFolder, IdentityLayoutFile::fileName(identity));
    if (QFile::exists(own)) {
        auto record = IdentityLayoutFile::read(own, error);
        if (!record)
            return false;
        record->VatReg = vatRegistered;
        if (!IdentityLayoutFile::write(own, *record, error))
            return false;
    }

    const QString shared = path(dataFolder, kSharedLayoutFile);
    if (!QFile::exists(shared))
        return true;
    QString why;
    auto table = Adtg::readFile(shared, &why);
    if (!table) {
        if (error)
            *error = QStringLiteral("%1 cannot be read: %2").arg(kSharedLayoutFile, why);
        return false;
    }
    const int identityColumn = table->columnIndex(QStringLiteral("Identity"));
    const int vatColumn = table->columnIndex(QStringLiteral("VatReg"));
    if (identityColumn < 0 || vatColumn < 0)
        return true; // not a layout table this program can change
    bool changed = false;
    for (AdtgRow& row : table->rows) {
        if (row.values.value(identityColumn).toInt() == identity && vatColumn < row.values.size()) {
            row.values[vatColumn] = vatRegistered;
            changed = true;
        }
    }
    return !changed || Adtg::writeFile(shared, *table, error);
}

} // namespace LayoutFiles
