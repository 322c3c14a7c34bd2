#include "identities/IdentityStore.h"

#include "core/Database.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutRecord.h"

#include <QDir>

namespace IdentityStore {

QList<IdentityEntry> list(Database& db)
{
    QList<IdentityEntry> entries;
    QSqlQuery q =
        db.prepare(QStringLiteral("SELECT Identity, TextLogo FROM TblUserData ORDER BY Identity"));
    if (!db.exec(q))
        return entries;
    while (q.next())
        entries.append({q.value(0).toInt(), q.value(1).toString()});
    return entries;
}

int firstIdentity(Database& db)
{
    return db.scalar(QStringLiteral("SELECT min(Identity) FROM TblUserData")).toInt();
}

std::optional<PageSettings> readPageSettings(const QString& dataFolder, int identity,
                                             QString* error)
{
    const QString path = QDir(dataFolder).filePath(IdentityLayoutFile::fileName(identity));
    if (!QFile::exists(path))
        return std::nullopt;
    const std::optional<LayoutRecord> record = IdentityLayoutFile::read(path, error);
    if (!record)
        return std::nullopt;
    PageSettings settings;
    settings.vatRegistered = record->VatReg;
    settings.vatRate = record->VatRate;
    settings.taxCaption = record->lblVATCaption;
    settings.identityName = record->lblTextLogoCaption;
    return settings;
}

} // namespace IdentityStore
