#include "clients/BuyerDetails.h"

#include "core/BusinessIds.h"
#include "core/Database.h"
#include "core/StoredText.h"

#include <QCoreApplication>

namespace {

QString missing()
{
    return QCoreApplication::translate("BuyerDetails", "The client no longer exists.");
}

} // namespace

namespace BuyerDetailsStore {

Result<BuyerDetails> load(Database& db, int clientId)
{
    const auto found =
        db.one(QStringLiteral("SELECT CountryCode, VatId, EInvoiceAddress, BuyerReference, Email "
                              "FROM TblClients WHERE ClientID = ?"),
               {clientId}, [](const Row& r) {
                   BuyerDetails d;
                   d.countryCode = r[0].toString();
                   d.vatId = r[1].toString();
                   d.eInvoiceAddress = r[2].toString();
                   d.buyerReference = r[3].toString();
                   if (d.eInvoiceAddress.isEmpty())
                       d.eInvoiceAddress = r[4].toString();
                   return d;
               });
    if (!found)
        return Failure{found.error()};
    if (!*found)
        return Failure{missing()};
    return **found;
}

Status save(Database& db, int clientId, const BuyerDetails& details)
{
    QVariantList values;
    for (const QString& t :
         {details.countryCode.toUpper(), BusinessIds::compactVatId(details.vatId),
          details.eInvoiceAddress, details.buyerReference})
        values << withoutSingleQuotes(t.trimmed());
    const Result<qint64> changed = db.change(
        {},
        QStringLiteral("UPDATE TblClients SET CountryCode = ?, VatId = ?, EInvoiceAddress = ?, "
                       "BuyerReference = ? WHERE ClientID = ?"),
        values << clientId);
    if (!changed)
        return Failure{changed.error()};
    if (*changed == 0)
        return Failure{missing()};
    return Done{};
}

} // namespace BuyerDetailsStore
