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

Result<std::optional<PageSettings>> readPageSettings(const SharedFiles& files, int identity)
{
    const Result<std::optional<LayoutRecord>> read = IdentityLayoutFile::read(files, identity);
    if (!read)
        return Failure{read.error()};
    if (!*read)
        return std::optional<PageSettings>();
    const LayoutRecord* record = &**read;
    PageSettings settings;
    settings.vatRegistered = record->VatReg;
    settings.vatRate = record->VatRate;
    settings.taxCaption = record->lblVATCaption;
    settings.identityName = record->lblTextLogoCaption;
    return std::optional<PageSettings>(settings);
}

} // namespace IdentityStore
