#include "invoices/InvoicePdfJob.h"

#include "core/Database.h"
#include "core/LocaleText.h"
#include "identities/IdentityStore.h"
#include "invoices/InvoicePage.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace InvoicePdfJob {

Status run(const InvoicePdfRequest& request, const LocaleText& locale, const QString& creator)
{
    const QDir folder(request.dataFolder);
    const QString dbPath = folder.filePath(Database::kFileName);
    // Opening a missing database would create one: this mode never does.
    if (!QFileInfo(dbPath).isFile())
        return Failure{QStringLiteral("There is no Billcraft database (%1) in %2.")
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
            return Failure{QStringLiteral("There is no identity %1.").arg(*request.identity)};
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

    // A missing layout file means the default layout; nothing is written for it here.
    const QString layoutPath = folder.filePath(IdentityLayoutFile::fileName(identity));
    LayoutRecord record;
    if (QFileInfo::exists(layoutPath)) {
        QString error;
        const std::optional<LayoutRecord> read = IdentityLayoutFile::read(layoutPath, &error);
        if (!read)
            return Failure{error.isEmpty() ? QStringLiteral("%1 cannot be read.").arg(layoutPath)
                                           : error};
        record = *read;
    } else {
        const Result<LayoutRecord> defaults = LayoutFiles::defaultLayout(db, identity);
        if (!defaults)
            return Failure{defaults.error()};
        record = *defaults;
    }

    const QColor windowText = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                  ? QGuiApplication::palette().color(QPalette::WindowText)
                                  : QColor(Qt::black);
    const InvoicePage::Layout layout =
        InvoicePage::layOut(record, *sheet, locale, folder.path(), windowText);
    return InvoicePage::writePdf(layout, QFileInfo(request.outFile).absoluteFilePath(), creator);
}

} // namespace InvoicePdfJob
