#include "banking/StatementMatchJob.h"

#include "banking/StatementFiles.h"
#include "banking/StatementMatch.h"
#include "core/Database.h"
#include "identities/IdentityStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace StatementMatchJob {
namespace {

Result<int> identityFor(Database& db, std::optional<int> wanted)
{
    if (!wanted)
        return IdentityStore::firstIdentity(db);
    const Result<QList<IdentityEntry>> identities = IdentityStore::list(db);
    if (!identities)
        return Failure{identities.error()};
    if (std::none_of(identities->begin(), identities->end(),
                     [&](const IdentityEntry& e) { return e.identity == *wanted; }))
        return Failure{QCoreApplication::translate("StatementMatchJob", "There is no identity %1.")
                           .arg(*wanted)};
    return *wanted;
}

} // namespace

Result<QStringList> run(const Request& request, const Preferences& preferences)
{
    const QDir folder(request.dataFolder);
    const QString dbPath = folder.filePath(Database::kFileName);
    // Opening a missing database would create one: this mode never does.
    if (!QFileInfo(dbPath).isFile())
        return Failure{QCoreApplication::translate("StatementMatchJob",
                                                   "There is no Billcraft database (%1) in %2.")
                           .arg(Database::kFileName, QDir::toNativeSeparators(folder.path()))};
    Database db;
    if (!db.open(dbPath))
        return Failure{db.errorString()};
    const Result<int> identity = identityFor(db, request.identity);
    if (!identity)
        return Failure{identity.error()};
    const Result<Statement> statement = StatementFiles::read(request.statementFile, preferences);
    if (!statement)
        return Failure{statement.error()};
    const Result<StatementMatch::Books> books =
        StatementMatch::readBooks(db, *identity, request.currency);
    if (!books)
        return Failure{books.error()};
    const QList<StatementMatch::Match> matches = StatementMatch::match(*statement, *books);
    QStringList lines;
    for (qsizetype i = 0; i < matches.size(); ++i)
        lines << StatementMatch::line(statement->entries[i], matches[i], *books);
    return lines;
}

} // namespace StatementMatchJob
