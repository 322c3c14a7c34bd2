#include "einvoice/CiiWriter.h"

#include "einvoice/EInvoiceRules.h"
#include "einvoice/XmlNamespaces.h"
#include "einvoice/XmlWrite.h"

using EInvoice::Invoice;
using EInvoice::Party;
using XmlWrite::Writer;

namespace CiiWriter {
namespace {

// The business process (BT-23) XRechnung expects, as Peppol names it.
const QString kPeppolProcess = QStringLiteral("urn:fdc:peppol.eu:2017:poacc:billing:01:1.0");

void dateTime(Writer& w, const QString& name, const QDate& date)
{
    w.start(name);
    w.optional(QStringLiteral("udt:DateTimeString"), XmlWrite::date102(date),
               QStringLiteral("format"), QStringLiteral("102"));
    w.end();
}

void context(Writer& w, const Invoice& invoice, Profile profile)
{
    w.start(QStringLiteral("rsm:ExchangedDocumentContext"));
    if (profile == Profile::XRechnung) {
        w.start(QStringLiteral("ram:BusinessProcessSpecifiedDocumentContextParameter"));
        w.element(QStringLiteral("ram:ID"), kPeppolProcess);
        w.end();
    }
    w.start(QStringLiteral("ram:GuidelineSpecifiedDocumentContextParameter"));
    w.element(QStringLiteral("ram:ID"), guidelineId(profile));
    w.end();
    w.end();

    w.start(QStringLiteral("rsm:ExchangedDocument"));
    w.element(QStringLiteral("ram:ID"), invoice.number);
    w.element(QStringLiteral("ram:TypeCode"), QString::number(invoice.typeCode));
    dateTime(w, QStringLiteral("ram:IssueDateTime"), invoice.issueDate);
    if (XmlWrite::has(invoice.note)) {
        w.start(QStringLiteral("ram:IncludedNote"));
        w.optional(QStringLiteral("ram:Content"), invoice.note);
        w.end();
    }
    w.end();
}

void line(Writer& w, const EInvoice::Line& l)
{
    w.start(QStringLiteral("ram:IncludedSupplyChainTradeLineItem"));
    w.start(QStringLiteral("ram:AssociatedDocumentLineDocument"));
    w.element(QStringLiteral("ram:LineID"), l.id);
    w.end();
    w.start(QStringLiteral("ram:SpecifiedTradeProduct"));
    w.element(QStringLiteral("ram:Name"), l.name);
    w.end();
    w.start(QStringLiteral("ram:SpecifiedLineTradeAgreement"));
    w.start(QStringLiteral("ram:NetPriceProductTradePrice"));
    w.element(QStringLiteral("ram:ChargeAmount"), XmlWrite::price(l.netPrice));
    w.end();
    w.end();
    w.start(QStringLiteral("ram:SpecifiedLineTradeDelivery"));
    w.optional(QStringLiteral("ram:BilledQuantity"), XmlWrite::decimal(l.quantity),
               QStringLiteral("unitCode"), l.unitCode);
    w.end();
    w.start(QStringLiteral("ram:SpecifiedLineTradeSettlement"));
    w.start(QStringLiteral("ram:ApplicableTradeTax"));
    w.element(QStringLiteral("ram:TypeCode"), QStringLiteral("VAT"));
    w.element(QStringLiteral("ram:CategoryCode"), EInvoice::categoryCode(l.category));
    if (l.category != EInvoice::VatCategory::NotSubject) // BR-O-05: no rate outside VAT
        w.element(QStringLiteral("ram:RateApplicablePercent"), XmlWrite::decimal(l.ratePercent));
    w.end();
    w.start(QStringLiteral("ram:SpecifiedTradeSettlementLineMonetarySummation"));
    w.element(QStringLiteral("ram:LineTotalAmount"), XmlWrite::amount(l.netAmount));
    w.end();
    w.end();
    w.end();
}

// The seller's identifier (BT-29) where there is no VAT number: BR-CO-26 asks for BT-29, BT-30
// or BT-31, and a seller without a VAT number is known to its tax office by its tax number.
QString sellerIdentifier(const Party& p, bool seller)
{
    return seller && !XmlWrite::has(p.vatId) ? p.taxNumber : QString();
}

void party(Writer& w, const QString& name, const Party& p, bool seller)
{
    w.start(name);
    w.optional(QStringLiteral("ram:ID"), sellerIdentifier(p, seller));
    w.element(QStringLiteral("ram:Name"), p.name);
    if (XmlWrite::has(p.tradingName)) {
        w.start(QStringLiteral("ram:SpecifiedLegalOrganization"));
        w.optional(QStringLiteral("ram:TradingBusinessName"), p.tradingName);
        w.end();
    }
    const EInvoice::Contact& c = p.contact;
    if (XmlWrite::has(c.name + c.phone + c.email)) {
        w.start(QStringLiteral("ram:DefinedTradeContact"));
        w.optional(QStringLiteral("ram:PersonName"), c.name);
        if (XmlWrite::has(c.phone)) {
            w.start(QStringLiteral("ram:TelephoneUniversalCommunication"));
            w.optional(QStringLiteral("ram:CompleteNumber"), c.phone);
            w.end();
        }
        if (XmlWrite::has(c.email)) {
            w.start(QStringLiteral("ram:EmailURIUniversalCommunication"));
            w.optional(QStringLiteral("ram:URIID"), c.email);
            w.end();
        }
        w.end();
    }
    const EInvoice::Address& a = p.address;
    w.start(QStringLiteral("ram:PostalTradeAddress"));
    w.optional(QStringLiteral("ram:PostcodeCode"), a.postCode);
    w.optional(QStringLiteral("ram:LineOne"), a.line1);
    w.optional(QStringLiteral("ram:LineTwo"), a.line2);
    w.optional(QStringLiteral("ram:LineThree"), a.line3);
    w.optional(QStringLiteral("ram:CityName"), a.city);
    w.element(QStringLiteral("ram:CountryID"), a.countryCode);
    w.optional(QStringLiteral("ram:CountrySubDivisionName"), a.subdivision);
    w.end();
    if (XmlWrite::has(p.electronicAddress)) {
        w.start(QStringLiteral("ram:URIUniversalCommunication"));
        w.optional(QStringLiteral("ram:URIID"), p.electronicAddress, QStringLiteral("schemeID"),
                   p.electronicAddressScheme.isEmpty() ? QStringLiteral("EM")
                                                       : p.electronicAddressScheme);
        w.end();
    }
    for (const auto& [id, scheme] :
         {std::pair{p.vatId, QStringLiteral("VA")},
          std::pair{seller ? p.taxNumber : QString(), QStringLiteral("FC")}}) {
        if (!XmlWrite::has(id))
            continue;
        w.start(QStringLiteral("ram:SpecifiedTaxRegistration"));
        w.optional(QStringLiteral("ram:ID"), id, QStringLiteral("schemeID"), scheme);
        w.end();
    }
    w.end();
}

void agreement(Writer& w, const Invoice& invoice)
{
    w.start(QStringLiteral("ram:ApplicableHeaderTradeAgreement"));
    w.optional(QStringLiteral("ram:BuyerReference"), invoice.buyerReference);
    party(w, QStringLiteral("ram:SellerTradeParty"), invoice.seller, true);
    party(w, QStringLiteral("ram:BuyerTradeParty"), invoice.buyer, false);
    w.end();

    w.start(QStringLiteral("ram:ApplicableHeaderTradeDelivery"));
    if (invoice.deliveryDate.isValid()) {
        w.start(QStringLiteral("ram:ActualDeliverySupplyChainEvent"));
        dateTime(w, QStringLiteral("ram:OccurrenceDateTime"), invoice.deliveryDate);
        w.end();
    }
    w.end();
}

void paymentMeans(Writer& w, const EInvoice::Payment& p)
{
    w.start(QStringLiteral("ram:SpecifiedTradeSettlementPaymentMeans"));
    w.element(QStringLiteral("ram:TypeCode"), QString::number(p.meansCode));
    if (XmlWrite::has(p.iban)) {
        w.start(QStringLiteral("ram:PayeePartyCreditorFinancialAccount"));
        w.optional(QStringLiteral("ram:IBANID"), p.iban);
        w.optional(QStringLiteral("ram:AccountName"), p.accountName);
        w.end();
        if (XmlWrite::has(p.bic)) {
            w.start(QStringLiteral("ram:PayeeSpecifiedCreditorFinancialInstitution"));
            w.optional(QStringLiteral("ram:BICID"), p.bic);
            w.end();
        }
    }
    w.end();
}

void settlement(Writer& w, const Invoice& invoice)
{
    w.start(QStringLiteral("ram:ApplicableHeaderTradeSettlement"));
    w.optional(QStringLiteral("ram:PaymentReference"), invoice.payment.remittance);
    w.element(QStringLiteral("ram:InvoiceCurrencyCode"), invoice.currency);
    paymentMeans(w, invoice.payment);
    for (const EInvoice::VatBreakdown& v : invoice.vat) {
        w.start(QStringLiteral("ram:ApplicableTradeTax"));
        w.element(QStringLiteral("ram:CalculatedAmount"), XmlWrite::amount(v.taxAmount));
        w.element(QStringLiteral("ram:TypeCode"), QStringLiteral("VAT"));
        w.optional(QStringLiteral("ram:ExemptionReason"), v.exemptionReason);
        w.element(QStringLiteral("ram:BasisAmount"), XmlWrite::amount(v.taxableAmount));
        w.element(QStringLiteral("ram:CategoryCode"), EInvoice::categoryCode(v.category));
        w.optional(QStringLiteral("ram:ExemptionReasonCode"), v.exemptionCode);
        if (v.category != EInvoice::VatCategory::NotSubject) // BR-O-06: no rate outside VAT
            w.element(QStringLiteral("ram:RateApplicablePercent"),
                      XmlWrite::decimal(v.ratePercent));
        w.end();
    }
    if (invoice.dueDate.isValid() || XmlWrite::has(invoice.payment.terms)) {
        w.start(QStringLiteral("ram:SpecifiedTradePaymentTerms"));
        w.optional(QStringLiteral("ram:Description"), invoice.payment.terms);
        if (invoice.dueDate.isValid())
            dateTime(w, QStringLiteral("ram:DueDateDateTime"), invoice.dueDate);
        w.end();
    }
    w.start(QStringLiteral("ram:SpecifiedTradeSettlementHeaderMonetarySummation"));
    w.element(QStringLiteral("ram:LineTotalAmount"), XmlWrite::amount(invoice.lineTotal));
    w.element(QStringLiteral("ram:TaxBasisTotalAmount"), XmlWrite::amount(invoice.taxBasis));
    w.optional(QStringLiteral("ram:TaxTotalAmount"), XmlWrite::amount(invoice.taxTotal),
               QStringLiteral("currencyID"), invoice.currency);
    w.element(QStringLiteral("ram:GrandTotalAmount"), XmlWrite::amount(invoice.grandTotal));
    w.element(QStringLiteral("ram:TotalPrepaidAmount"), XmlWrite::amount(invoice.paidAmount));
    w.element(QStringLiteral("ram:DuePayableAmount"), XmlWrite::amount(invoice.amountDue));
    w.end();
    w.end();
}

} // namespace

QString guidelineId(Profile profile)
{
    return profile == Profile::XRechnung
               ? QStringLiteral("urn:cen.eu:en16931:2017#compliant#urn:xeinkauf.de:kosit:"
                                "xrechnung_3.0")
               : QStringLiteral("urn:cen.eu:en16931:2017");
}

QByteArray write(const Invoice& invoice, Profile profile)
{
    const EInvoice::Format format =
        profile == Profile::XRechnung ? EInvoice::Format::XRechnung : EInvoice::Format::FacturX;
    if (!EInvoiceRules::check(invoice, format).isEmpty())
        return {};
    Writer w;
    QXmlStreamWriter& xml = w.xml();
    xml.writeNamespace(XmlNamespaces::kCiiInvoice, QStringLiteral("rsm"));
    xml.writeNamespace(XmlNamespaces::kCiiQualified, QStringLiteral("qdt"));
    xml.writeNamespace(XmlNamespaces::kCiiAggregates, QStringLiteral("ram"));
    xml.writeNamespace(XmlNamespaces::kCiiUnqualified, QStringLiteral("udt"));
    w.start(QStringLiteral("rsm:CrossIndustryInvoice"));
    context(w, invoice, profile);
    w.start(QStringLiteral("rsm:SupplyChainTradeTransaction"));
    for (const EInvoice::Line& l : invoice.lines)
        line(w, l);
    agreement(w, invoice);
    settlement(w, invoice);
    w.end();
    w.end();
    return w.finish();
}

} // namespace CiiWriter
