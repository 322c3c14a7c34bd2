#include "einvoice/InvoiceTerms.h"

#include "core/Database.h"
#include "einvoice/EInvoiceAmounts.h"

#include <QCoreApplication>

namespace InvoiceTerms {
namespace {

// The electronic address scheme (EAS) of an e-mail address.
const QString kEmailScheme = QStringLiteral("EM");

QString currencyOf(const QLocale& locale, const QString& countryCode)
{
    const QString own = locale.currencySymbol(QLocale::CurrencyIsoCode);
    if (!own.isEmpty())
        return own;
    if (countryCode.size() != 2)
        return {};
    const QLocale::Territory territory = QLocale::codeToTerritory(countryCode);
    if (territory == QLocale::AnyTerritory)
        return {};
    return QLocale(QLocale::AnyLanguage, territory).currencySymbol(QLocale::CurrencyIsoCode);
}

QString joined(const QStringList& parts)
{
    QStringList kept;
    for (const QString& p : parts) {
        if (!p.trimmed().isEmpty())
            kept << p.trimmed();
    }
    return kept.join(u' ');
}

EInvoice::Party sellerParty(const Source& s)
{
    EInvoice::Party p;
    p.name = s.seller.legalName;
    if (s.seller.tradingName.trimmed() != p.name)
        p.tradingName = s.seller.tradingName.trimmed();
    p.vatId = s.seller.vatId;
    p.taxNumber = s.seller.taxNumber;
    if (!s.seller.email.isEmpty()) {
        p.electronicAddress = s.seller.email;
        p.electronicAddressScheme = kEmailScheme;
    }
    p.address.line1 = s.seller.street;
    p.address.city = s.seller.town;
    p.address.postCode = s.seller.postCode;
    p.address.countryCode = s.seller.countryCode;
    p.contact = {s.seller.contactName, s.seller.phone, s.seller.email};
    return p;
}

EInvoice::Party buyerParty(const Source& s)
{
    const InvoiceSheet& sheet = s.sheet;
    EInvoice::Party p;
    const QString person = joined({sheet.firstName, sheet.lastName});
    p.name = sheet.company.trimmed().isEmpty() ? person : sheet.company.trimmed();
    p.vatId = s.buyer.vatId;
    if (!s.buyer.eInvoiceAddress.isEmpty()) {
        p.electronicAddress = s.buyer.eInvoiceAddress;
        p.electronicAddressScheme = kEmailScheme;
    }
    p.address.line1 = sheet.address1.trimmed();
    p.address.line2 = sheet.address2.trimmed();
    p.address.line3 = sheet.address3.trimmed();
    p.address.city = sheet.town.trimmed();
    p.address.postCode = sheet.postCode.trimmed();
    p.address.subdivision = sheet.county.trimmed();
    p.address.countryCode = s.buyer.countryCode;
    if (!sheet.company.trimmed().isEmpty())
        p.contact.name = joined({sheet.salutation, person});
    p.contact.email = sheet.email;
    return p;
}

} // namespace

Result<Source> load(Database& db, const InvoiceSheet& sheet, const LayoutRecord& record,
                    const QLocale& locale)
{
    Source s;
    s.sheet = sheet;
    const Result<TradingDetails> seller = TradingDetailsStore::load(db, sheet.identity);
    if (!seller)
        return Failure{seller.error()};
    s.seller = *seller;
    const Result<BuyerDetails> buyer = BuyerDetailsStore::load(db, sheet.clientId);
    if (!buyer)
        return Failure{buyer.error()};
    s.buyer = *buyer;
    s.vatRegistered = record.VatReg;
    s.vatRate = record.VatRate;
    s.currency = currencyOf(locale, s.seller.countryCode);
    return s;
}

Result<EInvoice::Invoice> build(const Source& source)
{
    EInvoice::Invoice invoice;
    invoice.number = source.sheet.invoiceNumber;
    invoice.issueDate = source.sheet.date;
    invoice.deliveryDate = source.sheet.date;
    invoice.currency = source.currency;
    invoice.buyerReference = source.buyer.buyerReference;
    invoice.seller = sellerParty(source);
    invoice.buyer = buyerParty(source);

    // The rate as the layout keeps it, to four decimals as Money holds it.
    const std::optional<Money> rate = Money::parse(QString::number(source.vatRate, 'f', 4));
    if (!rate)
        return Failure{QCoreApplication::translate("InvoiceTerms",
                                                   "The identity's VAT rate %1 cannot be used.")
                           .arg(source.vatRate)};
    const EInvoiceAmounts::Stored stored{source.sheet.value, source.sheet.vat, source.sheet.total};
    if (const Status filled = EInvoiceAmounts::fill(invoice, source.sheet.content, stored,
                                                    {*rate, source.vatRegistered});
        !filled)
        return Failure{filled.error()};
    EInvoiceAmounts::setPayment(invoice, source.seller.iban, source.seller.bic,
                                source.seller.paymentDays);
    return invoice;
}

} // namespace InvoiceTerms
