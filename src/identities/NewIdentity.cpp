#include "identities/NewIdentity.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/SharedFiles.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace NewIdentity {

QString storedName(const QString& typed)
{
    return typed.trimmed().remove(u'\'');
}

std::optional<QString> startingRowNumber(const QString& typed, const QLocale& locale)
{
    // '.' is the decimal point as in every number box; the locale's own form ("1,001",
    // "1 001") is read when the text is no plain number.
    const QString t = typed.trimmed();
    bool numeric = false;
    double start = t.toDouble(&numeric);
    if (!numeric)
        start = locale.toDouble(t, &numeric);
    if (!numeric || !std::isfinite(start))
        return std::nullopt;
    const double previous = std::nearbyint(start - 1); // halves to even
    if (previous < 1)
        return std::nullopt;
    return QStringLiteral("0") + QString::number(previous, 'f', 0);
}

LayoutRecord baseLayout(const SharedFiles& files, int currentIdentity)
{
    if (currentIdentity > 0) {
        const Result<std::optional<LayoutRecord>> record =
            IdentityLayoutFile::read(files, currentIdentity);
        if (record && *record)
            return **record;
    }
    return LayoutRecord::designerDefaults();
}

LayoutRecord layoutFor(const LayoutRecord& base, const QString& trimmedName, int identity)
{
    LayoutRecord r = base;
    r.PicLogoName.clear();
    r.PicLogoShow = false;
    r.lblTextLogoCaption = trimmedName;
    r.lblTextLogoFontSize = 10;
    // The text logo is sized to its new caption, as the designer shows it.
    if (const int width = LayoutFiles::textLogoWidthTwips(r); width > 0)
        r.lblTextLogoWidth = qint16(std::min(width, 32767));
    r.PicLineShow = true;
    r.VatRate = 0;
    r.VatReg = false;
    r.Identity = qint16(identity);
    return r;
}

namespace {

// Whether an identity of that stored name exists, letter case aside (in any script, not only
// ASCII as SQLite's NOCASE would have it). Identities are few, so they are all read.
Result<bool> nameExists(Database& db, const QString& name)
{
    const auto names = db.all(QStringLiteral("SELECT TextLogo FROM TblUserData"), {},
                              [](const Row& r) { return r[0].toString().toCaseFolded(); });
    if (!names)
        return Failure{names.error()};
    return names->contains(name.toCaseFolded());
}

// The layout file as it was before, to put back should the identity not be stored after all.
// On a server the file is a row of the rolled-back transaction: nothing is left to put back.
struct FileBefore {
    SharedFiles* files = nullptr;
    QString name;
    std::optional<QByteArray> bytes; // nullopt: there was no file

    void restore() const
    {
        if (files->onServer())
            return;
        // Best effort after a failure already reported: the identity is not stored either way.
        if (bytes)
            (void)files->write(name, *bytes);
        else
            (void)files->remove(name);
    }
};

QString translated(const char* text)
{
    return QCoreApplication::translate("NewIdentity", text);
}

Failure failed(const QString& what, const QString& why)
{
    return Failure{
        QCoreApplication::translate("NewIdentity", "The new identity could not be stored: %1 %2")
            .arg(what, why)};
}

// Writes the new identity's layout file, keeping what a file of that name held, so that the
// file can be put back when the database refuses the identity.
Result<FileBefore> writeLayoutFile(SharedFiles& files, int identity, const LayoutRecord& layout)
{
    FileBefore before{&files, IdentityLayoutFile::fileName(identity), {}};
    const Result<std::optional<QByteArray>> old = files.read(before.name);
    if (!old)
        return failed(QString(), old.error());
    before.bytes = *old;
    if (const Status written = IdentityLayoutFile::write(files, identity, layout); !written)
        return failed(QString(), written.error());
    return before;
}

} // namespace

Result<Outcome> create(Database& db, SharedFiles& files, const Request& request,
                       const LayoutRecord& base, QDate today, const QLocale& locale)
{
    const QString trimmed = request.name.trimmed();
    if (trimmed.isEmpty())
        return Outcome{translated(kNameMissing), {}, Outcome::Field::Name};
    if (trimmed.size() > kMaxNameLength)
        return Outcome{QCoreApplication::translate("NewIdentity",
                                                   "The Company Name can have at most %1 "
                                                   "characters.")
                           .arg(kMaxNameLength),
                       {},
                       Outcome::Field::Name};
    const QString name = storedName(request.name);
    if (name.isEmpty()) // nothing but quotes
        return Outcome{translated(kNameMissing), {}, Outcome::Field::Name};
    const std::optional<QString> startingRow = startingRowNumber(request.startNumber, locale);
    bool fits = true;
    if (startingRow && (startingRow->toLongLong(&fits) >= kMaxStartNumber || !fits))
        return Outcome{QCoreApplication::translate("NewIdentity",
                                                   "The first invoice number can be at most %1.")
                           .arg(kMaxStartNumber),
                       {},
                       Outcome::Field::StartNumber};

    // The check and the inserts hold the write lock, so two windows cannot both add the name.
    Transaction tx(db, Transaction::Mode::Immediate);
    if (!tx.isActive())
        return failed(QCoreApplication::translate("NewIdentity", "the database is busy."),
                      db.errorString());
    const Result<bool> exists = nameExists(db, name);
    if (!exists)
        return failed(QCoreApplication::translate("NewIdentity", "the identities cannot be read."),
                      exists.error());
    if (*exists)
        return Outcome{translated(kNameExists), {}};

    const Result<qint64> key =
        db.insert({}, QStringLiteral("INSERT INTO TblUserData (TextLogo) VALUES (?)"), {name});
    if (!key)
        return failed(QCoreApplication::translate("NewIdentity", "its row cannot be added."),
                      key.error());
    // Layout records hold the identity in 16 bits.
    if (*key <= 0 || *key > 32767)
        return failed(QCoreApplication::translate("NewIdentity", "it was given no usable number."),
                      QString());
    const int identity = int(*key);

    if (startingRow) {
        const Result<qint64> row = db.insert(
            DatabaseChanges::Invoices,
            QStringLiteral(
                "INSERT INTO TblInvoices (ClientID, \"Value\", InvoiceNumber, Content, VAT, "
                "Total, \"Date\", Identity) VALUES (0, 0, ?, ' Start ', 0, 0, ?, ?)"),
            {*startingRow, DaySerial::fromDate(today), identity});
        if (!row)
            return failed(
                QCoreApplication::translate("NewIdentity", "its starting invoice cannot be added."),
                row.error());
    }

    Result<FileBefore> before =
        writeLayoutFile(files, identity, layoutFor(base, trimmed, identity));
    if (!before)
        return Failure{before.error()};
    if (!tx.commit()) {
        before->restore();
        return failed(
            QCoreApplication::translate("NewIdentity", "the database refused the change."),
            db.errorString());
    }
    return Outcome{{}, {identity, startingRow.value_or(QString())}};
}

} // namespace NewIdentity
