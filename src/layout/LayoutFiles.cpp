#include "layout/LayoutFiles.h"

#include "core/Database.h"
#include "layout/Adtg.h"
#include "layout/IdentityLayoutFile.h"

#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <limits>

namespace LayoutFiles {

namespace {

constexpr double kTwipsPerInch = 1440;
// Widths are measured as the designer shows them on a 96-DPI screen, so a layout comes out the
// same whatever the screen of the machine that builds it.
constexpr int kMeasureDpi = 96;
constexpr double kDotsPerMeterAt96Dpi = kMeasureDpi / 0.0254;

// A number to a 16-bit Int field: to the nearest whole number, halves to even, held to range.
qint16 toInt16(double v)
{
    if (!std::isfinite(v))
        return 0;
    return qint16(std::clamp(std::nearbyint(v), double(std::numeric_limits<qint16>::min()),
                             double(std::numeric_limits<qint16>::max())));
}

QString path(const QString& folder, const QString& name)
{
    return QDir(folder).filePath(name);
}

} // namespace

int textLogoWidthTwips(const LayoutRecord& r)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 0;
    QImage device(1, 1, QImage::Format_Mono);
    device.setDotsPerMeterX(qRound(kDotsPerMeterAt96Dpi));
    device.setDotsPerMeterY(qRound(kDotsPerMeterAt96Dpi));
    QFont font(r.lblTextLogoFont);
    font.setPointSizeF(r.lblTextLogoFontSize > 0 ? r.lblTextLogoFontSize : 10);
    font.setBold(r.lblTextLogoFontBold);
    font.setItalic(r.lblTextLogoFontItalic);
    const double pixels = QFontMetricsF(font, &device).horizontalAdvance(r.lblTextLogoCaption) + 2;
    return int(std::ceil(pixels * kTwipsPerInch / device.logicalDpiX()));
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

    LayoutRecord r = LayoutRecord::designerDefaults();
    r.PicLogoName = text("Logo");
    r.PicLogoShow = !r.PicLogoName.isEmpty();
    r.lblTextLogoFont = text("LogoFont").isEmpty() ? QStringLiteral("Verdana") : text("LogoFont");
    r.lblTextLogoColour =
        isNull("FontColour") ? QStringLiteral("0") : text("FontColour"); // decimal text
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
    // The footer's lines are joined with nothing between them; only a footer with no text at
    // all gets the placeholder.
    const QString footer = text("PageFooter");
    r.lblFooterCaption = footer.isEmpty() ? QStringLiteral("Your Footer")
                                          : QString(footer).remove(QStringLiteral("\r\n"));
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
    if (table->columnIndex(QStringLiteral("Identity")) < 0) {
        if (error)
            *error = QStringLiteral("%1 has no Identity column, so its rows belong to no identity.")
                         .arg(kSharedLayoutFile);
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
                r.*f.intMember = toInt16(Adtg::toDouble(v));
                break;
            case LayoutField::Type::Bool:
                r.*f.boolMember = v.toBool();
                break;
            case LayoutField::Type::Real:
                r.*f.realMember = Adtg::toDouble(v);
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
    // Both files are read and changed in memory first, so a file that cannot be read leaves
    // both as they were.
    const QString own = path(dataFolder, IdentityLayoutFile::fileName(identity));
    std::optional<LayoutRecord> record;
    if (QFile::exists(own)) {
        record = IdentityLayoutFile::read(own, error);
        if (!record)
            return false;
        record->VatReg = vatRegistered;
    }

    const QString shared = path(dataFolder, kSharedLayoutFile);
    std::optional<AdtgTable> table;
    bool sharedChanged = false;
    if (QFile::exists(shared)) {
        QString why;
        table = Adtg::readFile(shared, &why);
        if (!table) {
            if (error)
                *error = QStringLiteral("%1 cannot be read: %2").arg(kSharedLayoutFile, why);
            return false;
        }
        const int identityColumn = table->columnIndex(QStringLiteral("Identity"));
        const int vatColumn = table->columnIndex(QStringLiteral("VatReg"));
        for (AdtgRow& row : table->rows) {
            if (identityColumn >= 0 && vatColumn >= 0 && vatColumn < row.values.size() &&
                row.values.value(identityColumn).toInt() == identity) {
                row.values[vatColumn] = vatRegistered;
                sharedChanged = true;
            }
        }
    }
    if (sharedChanged && !Adtg::writeFile(shared, *table, error))
        return false;
    return !record || IdentityLayoutFile::write(own, *record, error);
}

} // namespace LayoutFiles
