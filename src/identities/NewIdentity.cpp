#include "identities/NewIdentity.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/SafeFile.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
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

LayoutRecord baseLayout(const QString& dataFolder, int currentIdentity)
{
    const QString path = QDir(dataFolder).filePath(IdentityLayoutFile::fileName(currentIdentity));
    if (currentIdentity > 0 && QFileInfo(path).isFile()) {
        if (std::optional<LayoutRecord> record = IdentityLayoutFile::read(path))
            return *record;
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
    QSqlQuery q = db.prepare(QStringLiteral("SELECT TextLogo FROM TblUserData"));
    if (!db.exec(q))
        return Failure{db.errorString()};
    const QString folded = name.toCaseFolded();
    while (q.next()) {
        if (q.value(0).toString().toCaseFolded() == folded)
            return true;
    }
    if (q.lastError().isValid())
        return Failure{q.lastError().text()};
    return false;
}

// The layout file as it was before, to put back should the identity not be stored after all.
struct FileBefore {
    QString path;
    std::optional<QByteArray> bytes; // nullopt: there was no file

    void restore() const
    {
        if (bytes)
            SafeFile::write(path, *bytes);
        else
            QFile::remove(path);
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
Result<FileBefore> writeLayoutFile(const QString& dataFolder, int identity,
                                   const LayoutRecord& layout)
{
    FileBefore before;
    before.path = QDir(dataFolder).filePath(IdentityLayoutFile::fileName(identity));
    if (QFileInfo(before.path).isFile()) {
        QFile old(before.path);
        if (!old.open(QIODevice::ReadOnly))
            return failed(
                QCoreApplication::translate("NewIdentity", "%1 cannot be read.").arg(before.path),
                old.errorString());
        before.bytes = old.readAll();
    }
    QString why;
    if (!IdentityLayoutFile::write(before.path, layout, &why))
        return failed(QString(), why);
    return before;
}

} // namespace

Result<Outcome> create(Database& db, const QString& dataFolder, const Request& request,
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

    QSqlQuery insert = db.prepare(QStringLiteral("INSERT INTO TblUserData (TextLogo) VALUES (?)"));
    insert.addBindValue(name);
    if (!db.exec(insert))
        return failed(QCoreApplication::translate("NewIdentity", "its row cannot be added."),
                      db.errorString());
    const int identity = insert.lastInsertId().toInt();
    if (identity <= 0 || identity > 32767)
        return failed(QCoreApplication::translate("NewIdentity", "it was given no usable number."),
                      QString());

    if (startingRow) {
        QSqlQuery row = db.prepare(QStringLiteral(
            "INSERT INTO TblInvoices (ClientID, \"Value\", InvoiceNumber, Content, VAT, Total, "
            "\"Date\", Identity) VALUES (0, 0, ?, ' Start ', 0, 0, ?, ?)"));
        row.addBindValue(*startingRow);
        row.addBindValue(DaySerial::fromDate(today));
        row.addBindValue(identity);
        if (!db.exec(row))
            return failed(
                QCoreApplication::translate("NewIdentity", "its starting invoice cannot be added."),
                db.errorString());
    }

    Result<FileBefore> before =
        writeLayoutFile(dataFolder, identity, layoutFor(base, trimmed, identity));
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
