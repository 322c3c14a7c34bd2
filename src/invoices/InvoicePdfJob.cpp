#include "invoices/InvoicePdfJob.h"

#include "core/Database.h"
#include "core/LocaleText.h"
#include "core/SharedFiles.h"
#include "identities/IdentityStore.h"
#include "printing/InvoicePage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace InvoicePdfJob {

Status withInvoice(const InvoicePdfRequest& request, const LocaleText& locale,
                   const std::function<Status(Database&, const Found&)>& use)
{
    const QDir folder(request.dataFolder);
    const QString dbPath = folder.filePath(Database::kFileName);
    // Opening a missing database would create one: this mode never does.
    if (!QFileInfo(dbPath).isFile())
        return Failure{QCoreApplication::translate("InvoicePdfJob",
                                                   "There is no Billcraft database (%1) in %2.")
                           .arg(Database::kFileName, QDir::toNativeSeparators(folder.path()))};
    Database db;
    if (!db.open(dbPath))
        return Failure{db.errorString()};

    int identity = 0;
    if (request.identity) {
        const Result<QList<IdentityEntry>> identities = IdentityStore::list(db);
        if (!identities)
            return Failure{identities.error()};
        const bool known =
            std::any_of(identities->begin(), identities->end(),
                        [&](const IdentityEntry& e) { return e.identity == *request.identity; });
        if (!known)
            return Failure{QCoreApplication::translate("InvoicePdfJob", "There is no identity %1.")
                               .arg(*request.identity)};
        identity = *request.identity;
    } else {
        const Result<int> first = IdentityStore::firstIdentity(db);
        if (!first)
            return Failure{first.error()};
        identity = *first;
    }

    const Result<InvoiceSheet> sheet = InvoicePage::loadSheet(db, identity, request.invoiceNumber);
    if (!sheet)
        return Failure{sheet.error()};

    const SharedFiles files(db, request.dataFolder);
    const Result<LayoutRecord> record = InvoicePage::identityLayout(db, files, identity);
    if (!record)
        return Failure{record.error()};
    const InvoicePage::Layout layout =
        InvoicePage::layOut(*record, *sheet, locale, &files, InvoicePage::paperTextColour());
    return use(db, {*sheet, *record, layout});
}

Status run(const InvoicePdfRequest& request, const LocaleText& locale)
{
    return withInvoice(request, locale, [&](Database&, const Found& found) {
        return InvoicePage::writePdf(found.layout, QFileInfo(request.outFile).absoluteFilePath());
    });
}

} // namespace InvoicePdfJob
