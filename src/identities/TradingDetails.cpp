#include "identities/TradingDetails.h"

#include "core/BusinessIds.h"
#include "core/Database.h"
#include "core/StoredText.h"

#include <QCoreApplication>

namespace {

// The text columns in the order of the statements below and of texts().
const QString kColumns = QStringLiteral(
    "LegalName, VatId, TaxNumber, Street, Town, PostCode, CountryCode, Email, Phone, "
    "ContactName, Iban, Bic");

QVariantList texts(const TradingDetails& d)
{
    QVariantList values;
    for (const QString& t :
         {d.legalName, BusinessIds::compactVatId(d.vatId), d.taxNumber, d.street, d.town,
          d.postCode, d.countryCode.toUpper(), d.email, d.phone, d.contactName,
          BusinessIds::compact(d.iban), BusinessIds::compact(d.bic)})
        values << withoutSingleQuotes(t.trimmed());
    return values;
}

QString missing(int identity)
{
    return QCoreApplication::translate("TradingDetails", "There is no identity %1.").arg(identity);
}

} // namespace

namespace TradingDetailsStore {

Result<TradingDetails> load(Database& db, int identity)
{
    const auto found =
        db.one(QStringLiteral("SELECT ") + kColumns +
                   QStringLiteral(", PaymentDays, TextLogo FROM TblUserData WHERE Identity = ?"),
               {identity}, [](const Row& r) {
                   TradingDetails d;
                   int i = 0;
                   for (QString* t :
                        {&d.legalName, &d.vatId, &d.taxNumber, &d.street, &d.town, &d.postCode,
                         &d.countryCode, &d.email, &d.phone, &d.contactName, &d.iban, &d.bic})
                       *t = r[i++].toString();
                   d.paymentDays = r[i++].toInt();
                   d.tradingName = r[i].toString();
                   if (d.legalName.isEmpty())
                       d.legalName = d.tradingName;
                   return d;
               });
    if (!found)
        return Failure{found.error()};
    if (!*found)
        return Failure{missing(identity)};
    return **found;
}

Status save(Database& db, int identity, const TradingDetails& details)
{
    const Result<qint64> changed =
        db.change({},
                  QStringLiteral("UPDATE TblUserData SET LegalName = ?, VatId = ?, TaxNumber = ?, "
                                 "Street = ?, Town = ?, PostCode = ?, CountryCode = ?, Email = ?, "
                                 "Phone = ?, ContactName = ?, Iban = ?, Bic = ?, PaymentDays = ? "
                                 "WHERE Identity = ?"),
                  texts(details) << details.paymentDays << identity);
    if (!changed)
        return Failure{changed.error()};
    if (*changed == 0)
        return Failure{missing(identity)};
    return Done{};
}

} // namespace TradingDetailsStore
