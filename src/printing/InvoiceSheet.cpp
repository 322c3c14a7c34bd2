#include "core/Database.h"
#include "core/DaySerial.h"
#include "layout/IdentityLayoutFile.h"
#include "layout/LayoutFiles.h"
#include "printing/InvoicePage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace InvoicePage {

namespace {

// The invoice joined to its client. Built from literal fragments only; values are bound.
const QString kSheetSelect = QStringLiteral(
    "SELECT i.InvoiceID, i.Identity, i.InvoiceNumber, i.Content, i.\"Date\", i.\"Value\", i.VAT, "
    "i.Total, c.ClientID, c.Salutation, c.FirstName, c.LastName, c.Company, c.Address1, "
    "c.Address2, c.Address3, c.Town, c.County, c.Country, c.PostCode, c.Email "
    "FROM TblInvoices i LEFT JOIN TblClients c ON c.ClientID = i.ClientID ");

Result<InvoiceSheet> readSheet(Database& db, const QString& where, const QVariantList& values,
                               const QString& notFound)
{
    QSqlQuery q = db.prepare(kSheetSelect + where);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!db.exec(q))
        return Failure{QCoreApplication::translate("InvoicePage", "The invoice cannot be read: %1")
                           .arg(db.errorString())};
    if (!q.next()) {
        if (q.lastError().isValid())
            return Failure{
                QCoreApplication::translate("InvoicePage", "The invoice cannot be read: %1")
                    .arg(q.lastError().text())};
        return Failure{notFound};
    }
    InvoiceSheet s;
    s.invoiceId = q.value(0).toInt();
    s.identity = q.value(1).toInt();
    s.invoiceNumber = q.value(2).toString();
    if (q.value(8).isNull())
        return Failure{QCoreApplication::translate("InvoicePage",
                                                   "The client of invoice %1 has been deleted, so "
                                                   "the invoice cannot be shown.")
                           .arg(s.invoiceNumber)};
    s.clientId = q.value(8).toInt();
    s.content = q.value(3).toString();
    s.date = q.value(4).isNull() ? QDate() : DaySerial::toDate(q.value(4).toDouble());
    s.value = Money::fromUnits(q.value(5).toLongLong());
    s.vat = Money::fromUnits(q.value(6).toLongLong());
    s.total = Money::fromUnits(q.value(7).toLongLong());
    s.salutation = q.value(9).toString();
    s.firstName = q.value(10).toString();
    s.lastName = q.value(11).toString();
    s.company = q.value(12).toString();
    s.address1 = q.value(13).toString();
    s.address2 = q.value(14).toString();
    s.address3 = q.value(15).toString();
    s.town = q.value(16).toString();
    s.county = q.value(17).toString();
    s.country = q.value(18).toString();
    s.postCode = q.value(19).toString();
    s.email = q.value(20).toString();
    return s;
}

} // namespace

Result<InvoiceSheet> loadSheet(Database& db, int invoiceId)
{
    return readSheet(
        db, QStringLiteral("WHERE i.InvoiceID = ?"), {invoiceId},
        QCoreApplication::translate("InvoicePage",
                                    "This invoice no longer exists: it may have been deleted."));
}

Result<InvoiceSheet> loadSheet(Database& db, int identity, const QString& invoiceNumber)
{
    // Numbers are unique in practice; should a number have been given twice, the later
    // invoice is the one meant. Every row is paid (-1) or not (0), and each kind has its index
    // by number, so the two lookups find the row without reading the identity's invoices (the
    // paid one named to SQLite, since its planner would otherwise walk every paid row of the
    // identity; a server's books have a unique index on the number and need no hint).
    const QString hint =
        db.isServer() ? QString() : QStringLiteral("INDEXED BY IdxInvoicesPaidNumber ");
    return readSheet(
        db,
        QStringLiteral("WHERE i.InvoiceID = (SELECT max(InvoiceID) FROM ("
                       "SELECT InvoiceID FROM TblInvoices "
                       "WHERE Identity = ? AND InvoiceNumber = ? AND Paid = 0 UNION ALL "
                       "SELECT InvoiceID FROM TblInvoices %1"
                       "WHERE Identity = ? AND InvoiceNumber = ? AND Paid = -1) AS Numbered)")
            .arg(hint),
        {identity, invoiceNumber, identity, invoiceNumber},
        QCoreApplication::translate("InvoicePage", "Identity %1 has no invoice numbered %2.")
            .arg(identity)
            .arg(invoiceNumber));
}

Result<LayoutRecord> identityLayout(Database& db, const SharedFiles& files, int identity)
{
    const Result<std::optional<LayoutRecord>> read = IdentityLayoutFile::read(files, identity);
    if (!read)
        return Failure{read.error()};
    if (!*read)
        return LayoutFiles::defaultLayout(db, identity);
    return **read;
}

} // namespace InvoicePage
