#pragma once

#include "core/PageSettings.h"
#include "core/Result.h"

#include <QList>
#include <QString>
#include <optional>

class Database;
class SharedFiles;

// The trading identities: rows of TblUserData, listed in ascending number so that "the first
// identity" is the same on every start.
struct IdentityEntry {
    int identity = 0;
    QString textLogo;
};

namespace IdentityStore {

Result<QList<IdentityEntry>> list(Database& db);
// The identity a start begins with: the lowest number, or 0 when there is none.
Result<int> firstIdentity(Database& db);

// The page settings an identity's layout file holds; nullopt when it has no file, a Failure
// when the file cannot be read or is damaged.
Result<std::optional<PageSettings>> readPageSettings(const SharedFiles& files, int identity);

} // namespace IdentityStore
