#include "identities/IdentityStore.h"

#include "core/Database.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutRecord.h"

#include <QCoreApplication>
#include <QDir>

namespace IdentityStore {

Result<QList<IdentityEntry>> list(Database& db)
{
    return db.all(QStringLiteral("SELECT Identity, TextLogo FROM TblUserData ORDER BY Identity"),
                  {}, [](const Row& r) {
                      return IdentityEntry{r[0].toInt(), r[1].toString()};
                  });
}

Result<int> firstIdentity(Database& db)
{
    const Result<QVariant> first =
        db.value(QStringLiteral("SELECT min(Identity) FROM TblUserData"));
    if (!first)
        return Failure{first.error()};
    return first->toInt(); // Null, with no identity, reads as 0
}

Result<std::optional<PageSettings>> readPageSettings(const QString& dataFolder, int identity)
{
    const QString path = QDir(dataFolder).filePath(IdentityLayoutFile::fileName(identity));
    if (!QFile::exists(path))
        return std::optional<PageSettings>();
    QString error;
    const std::optional<LayoutRecord> record = IdentityLayoutFile::read(path, &error);
    if (!record)
        return Failure{
            error.isEmpty()
                ? QCoreApplication::translate("IdentityStore", "%1 cannot be read.").arg(path)
                : error};
    PageSettings settings;
    settings.vatRegistered = record->VatReg;
    settings.vatRate = record->VatRate;
    settings.taxCaption = record->lblVATCaption;
    settings.identityName = record->lblTextLogoCaption;
    return std::optional<PageSettings>(settings);
}

} // namespace IdentityStore
