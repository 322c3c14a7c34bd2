#include "layout/LayoutFiles.h"

#include "core/Database.h"
#include "core/SharedFiles.h"
#include "layout/Adtg.h"
#include "layout/IdentityLayoutFile.h"

#include <QCoreApplication>
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

Result<LayoutRecord> defaultLayout(Database& db, int identity)
{
    // With no identity yet (0) there is no row to read: its settings are all NULL. Identities
    // are numbered from 1, so no row can answer for 0.
    QSqlQuery q = db.prepare(QStringLiteral(
        "SELECT Logo, LogoFont, FontColour, TextLogo, FontSize, FontStyle, PageHeader, "
        "DividerLine, VatReg, VatRate, InvoiceCaption, PageFooter, Identity "
        "FROM TblUserData WHERE Identity = ?"));
    bool hasRow = false;
    if (identity != 0) {
        q.addBindValue(identity);
        if (!db.exec(q))
            return Failure{QCoreApplication::translate(
                               "LayoutFiles", "The settings of identity %1 cannot be read: %2")
                               .arg(identity)
                               .arg(db.errorString())};
        hasRow = q.next();
        if (!hasRow)
            return Failure{
                QCoreApplication::translate("LayoutFiles", "Identity %1 is not in the database.")
                    .arg(identity)};
    }
    const auto value = [&](const char* column) {
        return hasRow ? q.value(QLatin1String(column)) : QVariant();
    };
    const auto text = [&](const char* column) { return value(column).toString(); };
    const auto isNull = [&](const char* column) { return value(column).isNull(); };

    LayoutRecord r = LayoutRecord::designerDefaults();
    r.PicLogoName = text("Logo");
    r.PicLogoShow = !r.PicLogoName.isEmpty();
    r.lblTextLogoFont = text("LogoFont").isEmpty() ? QStringLiteral("Verdana") : text("LogoFont");
    r.lblTextLogoColour =
        isNull("FontColour") ? QStringLiteral("0") : text("FontColour"); // decimal text
    r.lblTextLogoCaption =
        text("TextLogo").isEmpty() ? QStringLiteral("Your Logo") : text("TextLogo");
    bool numeric = false;
    const double size = text("FontSize").toDouble(&numeric);
    r.lblTextLogoFontSize =
        numeric && size > 6 && LayoutFields::kFontSizeRange.contains(size) ? size : 10;
    const QString style = text("FontStyle"); // compared exactly: "bold" is no style
    r.lblTextLogoFontBold = style == u"Bold" || style == u"BoldItalic";
    r.lblTextLogoFontItalic = style == u"Italic" || style == u"BoldItalic";
    r.lblTextLogoWidth = toInt16(textLogoWidthTwips(r));
    r.lblAddressCaption = text("PageHeader");
    r.PicLineShow = value("DividerLine").toInt() != 0;
    r.VatReg = value("VatReg").toInt() != 0;
    r.VatRate = value("VatRate").toDouble();
    r.lblInvoiceCaption = text("InvoiceCaption");
    // The footer's lines are joined with nothing between them; only a footer with no text at
    // all gets the placeholder.
    const QString footer = text("PageFooter");
    r.lblFooterCaption = footer.isEmpty() ? QStringLiteral("Your Footer")
                                          : QString(footer).remove(QStringLiteral("\r\n"));
    r.Identity = qint16(identity);
    return r;
}

bool convertSharedLayout(SharedFiles& files, QString* error)
{
    QString why;
    std::optional<AdtgTable> table;
    const Result<std::optional<QByteArray>> bytes = files.read(kSharedLayoutFile);
    if (!bytes)
        why = bytes.error();
    else if (!*bytes)
        why = QCoreApplication::translate("LayoutFiles", "there is no such file");
    else
        table = Adtg::decode(**bytes, &why);
    if (!table) {
        if (error)
            *error = QCoreApplication::translate("LayoutFiles", "%1 cannot be converted: %2")
                         .arg(kSharedLayoutFile, why);
        return false;
    }
    if (table->columnIndex(QStringLiteral("Identity")) < 0) {
        if (error)
            *error =
                QCoreApplication::translate(
                    "LayoutFiles", "%1 has no Identity column, so its rows belong to no identity.")
                    .arg(kSharedLayoutFile);
        return false;
    }
    // Column positions by name; a column the file lacks leaves its field zero.
    QList<int> columnOf;
    for (const LayoutField& f : LayoutFields::all())
        columnOf << table->columnIndex(QLatin1String(f.name));

    QStringList problems;
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
        // A damaged row is left for the user to see in Layout.set; its identity gets no file.
        if (const QString damage = r.damage(); !damage.isEmpty()) {
            problems << QCoreApplication::translate("LayoutFiles",
                                                    "%1 has a damaged layout for identity %2. %3")
                            .arg(kSharedLayoutFile)
                            .arg(r.Identity)
                            .arg(damage);
            continue;
        }
        const Result<bool> there = files.exists(IdentityLayoutFile::fileName(r.Identity));
        if (!there)
            problems << there.error();
        else if (*there)
            continue;
        else if (const Status written = IdentityLayoutFile::write(files, r.Identity, r); !written)
            problems << written.error();
    }
    if (!problems.isEmpty() && error)
        *error = problems.join(u'\n');
    return problems.isEmpty();
}

bool ensureForIdentity(Database& db, SharedFiles& files, int identity, QString* error)
{
    const QString name = IdentityLayoutFile::fileName(identity);
    const auto has = [&](const QString& file, QStringList& problems) {
        const Result<bool> there = files.exists(file);
        if (!there)
            problems << there.error();
        return there && *there;
    };
    QStringList problems;
    if (has(name, problems))
        return true;
    if (!problems.isEmpty()) {
        // Whether it is there is unknown: nothing is written over what may be the user's.
        if (error)
            *error = problems.join(u'\n');
        return false;
    }
    QString why;
    if (has(kSharedLayoutFile, problems) && !convertSharedLayout(files, &why))
        problems << why;
    if (!has(name, problems)) {
        // Start-up leaves the identity with a file whatever happened to the shared one, which
        // stays as it is.
        const Result<LayoutRecord> record = defaultLayout(db, identity);
        if (!record)
            problems << record.error();
        else if (const Status written = IdentityLayoutFile::write(files, identity, *record);
                 !written)
            problems << written.error();
        else if (!problems.isEmpty())
            problems << QCoreApplication::translate(
                            "LayoutFiles", "Identity %1 starts with the default layout; %2 is left "
                                           "as it is.")
                            .arg(identity)
                            .arg(kSharedLayoutFile);
    }
    if (error)
        *error = problems.join(u'\n');
    return problems.isEmpty();
}

bool saveVatDefault(SharedFiles& files, int identity, bool vatRegistered, QString* error)
{
    // Both files are read and their new bytes made first, so a file that cannot be read, or a
    // table that cannot be written back whole, changes neither.
    const Result<std::optional<LayoutRecord>> read = IdentityLayoutFile::read(files, identity);
    if (!read) {
        if (error)
            *error = read.error();
        return false;
    }
    std::optional<LayoutRecord> record = *read;
    if (record)
        record->VatReg = vatRegistered;

    std::optional<QByteArray> sharedAfter;
    QString why;
    const Result<std::optional<QByteArray>> sharedBefore = files.read(kSharedLayoutFile);
    std::optional<AdtgTable> table;
    if (!sharedBefore)
        why = sharedBefore.error();
    else if (*sharedBefore)
        table = Adtg::decode(**sharedBefore, &why);
    if (!sharedBefore || (*sharedBefore && !table)) {
        if (error)
            *error = QCoreApplication::translate("LayoutFiles", "%1 cannot be read: %2")
                         .arg(kSharedLayoutFile, why);
        return false;
    }
    if (table) {
        const int identityColumn = table->columnIndex(QStringLiteral("Identity"));
        const int vatColumn = table->columnIndex(QStringLiteral("VatReg"));
        bool changed = false;
        for (AdtgRow& row : table->rows) {
            if (identityColumn >= 0 && vatColumn >= 0 && vatColumn < row.values.size() &&
                row.values.value(identityColumn).toInt() == identity) {
                row.values[vatColumn] = vatRegistered;
                changed = true;
            }
        }
        if (changed) {
            sharedAfter = Adtg::encode(*table, &why);
            if (!sharedAfter) {
                if (error)
                    *error = QCoreApplication::translate("LayoutFiles", "%1 cannot be written: %2")
                                 .arg(kSharedLayoutFile, why);
                return false;
            }
        }
    }
    if (!record && !sharedAfter) {
        if (error)
            *error =
                QCoreApplication::translate(
                    "LayoutFiles", "Identity %1 has no layout file and no row in %2, so its VAT "
                                   "default cannot be saved.")
                    .arg(identity)
                    .arg(kSharedLayoutFile);
        return false;
    }

    // The identity's own file keeps the tail of a longer record it held.
    QList<std::pair<QString, QByteArray>> changes;
    if (sharedAfter)
        changes.append({kSharedLayoutFile, *sharedAfter});
    if (record) {
        const QString own = IdentityLayoutFile::fileName(identity);
        QByteArray bytes = IdentityLayoutFile::encode(*record);
        const Result<std::optional<QByteArray>> old = files.read(own);
        if (old && *old && (*old)->size() > bytes.size())
            bytes.append((*old)->mid(bytes.size()));
        changes.append({own, bytes});
    }
    if (const Status written = files.writeTogether(changes); !written) {
        if (error)
            *error = written.error();
        return false;
    }
    return true;
}

QString logoFileName(const QString& name)
{
    const qsizetype cut = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    return name.mid(cut + 1);
}

Result<std::optional<QByteArray>> readLogo(const SharedFiles& files, const QString& name)
{
    const QString file = logoFileName(name);
    if (file.isEmpty())
        return std::optional<QByteArray>();
    return files.read(file);
}

} // namespace LayoutFiles
