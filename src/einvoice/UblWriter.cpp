#include "einvoice/UblWriter.h"

#include "einvoice/EInvoiceRules.h"
#include "einvoice/XmlNamespaces.h"
#include "einvoice/XmlWrite.h"

using EInvoice::Invoice;
using EInvoice::Party;
using XmlWrite::Writer;

namespace UblWriter {
namespace {

const QString kCustomization =
    QStringLiteral("urn:cen.eu:en16931:2017#compliant#urn:fdc:peppol.eu:2017:poacc:billing:3.0");
const QString kProfile = QStringLiteral("urn:fdc:peppol.eu:2017:poacc:billing:01:1.0");

// Every UBL amount names its currency.
void money(Writer& w, const QString& name, Money value, const QString& currency)
{
    w.optional(name, XmlWrite::amount(value), QStringLiteral("currencyID"), currency);
}

void taxScheme(Writer& w, const QString& id)
{
    w.start(QStringLiteral("cac:TaxScheme"));
    w.element(QStringLiteral("cbc:ID"), id);
    w.end();
}

void address(Writer& w, const EInvoice::Address& a)
{
    w.start(QStringLiteral("cac:PostalAddress"));
    w.optional(QStringLiteral("cbc:StreetName"), a.line1);
    w.optional(QStringLiteral("cbc:AdditionalStreetName"), a.line2);
    w.optional(QStringLiteral("cbc:CityName"), a.city);
    w.optional(QStringLiteral("cbc:PostalZone"), a.postCode);
    w.optional(QStringLiteral("cbc:CountrySubentity"), a.subdivision);
    if (XmlWrite::has(a.line3)) {
        w.start(QStringLiteral("cac:AddressLine"));
        w.optional(QStringLiteral("cbc:Line"), a.line3);
        w.end();
    }
    w.start(QStringLiteral("cac:Country"));
    w.element(QStringLiteral("cbc:IdentificationCode"), a.countryCode);
    w.end();
    w.end();
}

void contact(Writer& w, const EInvoice::Contact& c)
{
    if (!XmlWrite::has(c.name + c.phone + c.email))
        return;
    w.start(QStringLiteral("cac:Contact"));
    w.optional(QStringLiteral("cbc:Name"), c.name);
    w.optional(QStringLiteral("cbc:Telephone"), c.phone);
    w.optional(QStringLiteral("cbc:ElectronicMail"), c.email);
    w.end();
}

void party(Writer& w, const QString& role, const Party& p, bool seller)
{
    w.start(role);
    w.start(QStringLiteral("cac:Party"));
    // EAS scheme "EM" (an e-mail address) unless the model names another: EN 16931 takes the
    // whole EAS list, of which Peppol's own network uses only a part.
    w.optional(QStringLiteral("cbc:EndpointID"), p.electronicAddress, QStringLiteral("schemeID"),
               p.electronicAddressScheme.isEmpty() ? QStringLiteral("EM")
                                                   : p.electronicAddressScheme);
    // BT-29 where there is no VAT number, as BR-CO-26 asks: the seller's tax number.
    if (seller && !XmlWrite::has(p.vatId) && XmlWrite::has(p.taxNumber)) {
        w.start(QStringLiteral("cac:PartyIdentification"));
        w.element(QStringLiteral("cbc:ID"), p.taxNumber);
        w.end();
    }
    if (XmlWrite::has(p.tradingName)) {
        w.start(QStringLiteral("cac:PartyName"));
        w.element(QStringLiteral("cbc:Name"), p.tradingName);
        w.end();
    }
    address(w, p.address);
    for (const auto& [id, scheme] :
         {std::pair{p.vatId, QStringLiteral("VAT")},
          std::pair{seller ? p.taxNumber : QString(), QStringLiteral("FC")}}) {
        if (!XmlWrite::has(id))
            continue;
        w.start(QStringLiteral("cac:PartyTaxScheme"));
        w.element(QStringLiteral("cbc:CompanyID"), id);
        taxScheme(w, scheme);
        w.end();
    }
    w.start(QStringLiteral("cac:PartyLegalEntity"));
    w.element(QStringLiteral("cbc:RegistrationName"), p.name);
    w.end();
    contact(w, p.contact);
    w.end();
    w.end();
}

void header(Writer& w, const Invoice& invoice)
{
    w.element(QStringLiteral("cbc:CustomizationID"), kCustomization);
    w.element(QStringLiteral("cbc:ProfileID"), kProfile);
    w.element(QStringLiteral("cbc:ID"), invoice.number);
    w.element(QStringLiteral("cbc:IssueDate"), XmlWrite::isoDate(invoice.issueDate));
    if (invoice.dueDate.isValid())
        w.element(QStringLiteral("cbc:DueDate"), XmlWrite::isoDate(invoice.dueDate));
    w.element(QStringLiteral("cbc:InvoiceTypeCode"), QString::number(invoice.typeCode));
    w.optional(QStringLiteral("cbc:Note"), invoice.note);
    w.element(QStringLiteral("cbc:DocumentCurrencyCode"), invoice.currency);
    w.optional(QStringLiteral("cbc:BuyerReference"), invoice.buyerReference);
    party(w, QStringLiteral("cac:AccountingSupplierParty"), invoice.seller, true);
    party(w, QStringLiteral("cac:AccountingCustomerParty"), invoice.buyer, false);
    if (invoice.deliveryDate.isValid()) {
        w.start(QStringLiteral("cac:Delivery"));
        w.element(QStringLiteral("cbc:ActualDeliveryDate"),
                  XmlWrite::isoDate(invoice.deliveryDate));
        w.end();
    }
}

void payment(Writer& w, const EInvoice::Payment& p)
{
    w.start(QStringLiteral("cac:PaymentMeans"));
    w.element(QStringLiteral("cbc:PaymentMeansCode"), QString::number(p.meansCode));
    w.optional(QStringLiteral("cbc:PaymentID"), p.remittance);
    if (XmlWrite::has(p.iban)) {
        w.start(QStringLiteral("cac:PayeeFinancialAccount"));
        w.element(QStringLiteral("cbc:ID"), p.iban);
        w.optional(QStringLiteral("cbc:Name"), p.accountName);
        if (XmlWrite::has(p.bic)) {
            w.start(QStringLiteral("cac:FinancialInstitutionBranch"));
            w.element(QStringLiteral("cbc:ID"), p.bic);
            w.end();
        }
        w.end();
    }
    w.end();
    if (XmlWrite::has(p.terms)) {
        w.start(QStringLiteral("cac:PaymentTerms"));
        w.element(QStringLiteral("cbc:Note"), p.terms);
        w.end();
    }
}

// The category of a line (ClassifiedTaxCategory) or of the breakdown (TaxCategory).
void category(Writer& w, const QString& name, EInvoice::VatCategory c, Money rate,
              const EInvoice::VatBreakdown* breakdown)
{
    w.start(name);
    w.element(QStringLiteral("cbc:ID"), EInvoice::categoryCode(c));
    if (c != EInvoice::VatCategory::NotSubject) // BR-O-05, BR-O-06: no rate outside VAT
        w.element(QStringLiteral("cbc:Percent"), XmlWrite::decimal(rate));
    if (breakdown) {
        w.optional(QStringLiteral("cbc:TaxExemptionReasonCode"), breakdown->exemptionCode);
        w.optional(QStringLiteral("cbc:TaxExemptionReason"), breakdown->exemptionReason);
    }
    taxScheme(w, QStringLiteral("VAT"));
    w.end();
}

void totals(Writer& w, const Invoice& invoice)
{
    const QString& cur = invoice.currency;
    w.start(QStringLiteral("cac:TaxTotal"));
    money(w, QStringLiteral("cbc:TaxAmount"), invoice.taxTotal, cur);
    for (const EInvoice::VatBreakdown& v : invoice.vat) {
        w.start(QStringLiteral("cac:TaxSubtotal"));
        money(w, QStringLiteral("cbc:TaxableAmount"), v.taxableAmount, cur);
        money(w, QStringLiteral("cbc:TaxAmount"), v.taxAmount, cur);
        category(w, QStringLiteral("cac:TaxCategory"), v.category, v.ratePercent, &v);
        w.end();
    }
    w.end();
    w.start(QStringLiteral("cac:LegalMonetaryTotal"));
    money(w, QStringLiteral("cbc:LineExtensionAmount"), invoice.lineTotal, cur);
    money(w, QStringLiteral("cbc:TaxExclusiveAmount"), invoice.taxBasis, cur);
    money(w, QStringLiteral("cbc:TaxInclusiveAmount"), invoice.grandTotal, cur);
    money(w, QStringLiteral("cbc:PrepaidAmount"), invoice.paidAmount, cur);
    money(w, QStringLiteral("cbc:PayableAmount"), invoice.amountDue, cur);
    w.end();
}

void line(Writer& w, const EInvoice::Line& l, const QString& currency)
{
    w.start(QStringLiteral("cac:InvoiceLine"));
    w.element(QStringLiteral("cbc:ID"), l.id);
    w.optional(QStringLiteral("cbc:InvoicedQuantity"), XmlWrite::decimal(l.quantity),
               QStringLiteral("unitCode"), l.unitCode);
    money(w, QStringLiteral("cbc:LineExtensionAmount"), l.netAmount, currency);
    w.start(QStringLiteral("cac:Item"));
    w.element(QStringLiteral("cbc:Name"), l.name);
    category(w, QStringLiteral("cac:ClassifiedTaxCategory"), l.category, l.ratePercent, nullptr);
    w.end();
    w.start(QStringLiteral("cac:Price"));
    w.optional(QStringLiteral("cbc:PriceAmount"), XmlWrite::price(l.netPrice),
               QStringLiteral("currencyID"), currency);
    w.end();
    w.end();
}

} // namespace

QByteArray write(const Invoice& invoice)
{
    if (!EInvoiceRules::check(invoice, EInvoice::Format::Ubl).isEmpty())
        return {};
    Writer w;
    QXmlStreamWriter& xml = w.xml();
    xml.writeDefaultNamespace(XmlNamespaces::kUblInvoice);
    xml.writeNamespace(XmlNamespaces::kUblAggregates, QStringLiteral("cac"));
    xml.writeNamespace(XmlNamespaces::kUblBasics, QStringLiteral("cbc"));
    w.start(QStringLiteral("Invoice"));
    header(w, invoice);
    payment(w, invoice.payment);
    totals(w, invoice);
    for (const EInvoice::Line& l : invoice.lines)
        line(w, l, invoice.currency);
    w.end();
    return w.finish();
}

} // namespace UblWriter
