#include "identities/IdentityStore.h"

#include "core/Database.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutRecord.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

namespace IdentityStore {

namespace {} // namespace

Result<QList<IdentityEntry>> list(Database& db)
{
    QSqlQuery q =
        db.prepare(QStringLiteral("SELECT Identity, TextLogo FROM TblUserData ORDER BY Identity"));
    if (!db.exec(q))
        return Failure{db.errorString()};
    QList<IdentityEntry> entries;
    while (q.next())
        entries.append({q.value(0).toInt(), q.value(1).toString()});
    if (q.lastError().isValid())
        return Failure{q.lastError().text()};
    return entries;
}

Result<int> firstIdentity(Database& db)
{
    QSqlQuery q = db.prepare(QStringLiteral("SELECT min(Identity) FROM TblUserData"));
    if (!db.exec(q))
        return Failure{db.errorString()};
    if (!q.next())
        return Failure{q.lastError().text()};
    return q.value(0).toInt(); // Null, with no identity, reads as 0
}

Result<std::optional<PageSettings>> readPageSettings(const QString& dataFolder, int identity)
{
    const QString path = QDir(dataFolder).filePath(IdentityLayoutFile::fileName(identity));
    if (!QFile::exists(path))
        return std::optional<PageSettings>();
    QString error;
    const std::optional<LayoutRecord> record = IdentityLayoutFile::read(path, &error);
    if (!record)
        return Failure{error.isEmpty() ? QStringLiteral("%1 cannot be read.").arg(path) : error};
    PageSettings settings;
    settings.vatRegistered = record->VatReg;
    settings.vatRate = record->VatRate;
    settings.taxCaption = record->lblVATCaption;
    settings.identityName = record->lblTextLogoCaption;
    return std::optional<PageSettings>(settings);
}

} // namespace IdentityStore
