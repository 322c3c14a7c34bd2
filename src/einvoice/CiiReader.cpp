// CII (UN/CEFACT CrossIndustryInvoice D16B) as Factur-X, ZUGFeRD and XRechnung carry it, read
// into the model. Elements are known by their local names; the paths follow the EN 16931 CII
// binding.
#include "einvoice/EInvoiceReader.h"
#include "einvoice/EInvoiceReaderParts.h"

namespace ReceivedXml {
namespace {

using namespace EInvoice;

Address ciiAddress(const Node* node)
{
    Address a;
    if (!node)
        return a;
    a.line1 = node->textAt(u"LineOne");
    a.line2 = node->textAt(u"LineTwo");
    a.line3 = node->textAt(u"LineThree");
    a.city = node->textAt(u"CityName");
    a.postCode = node->textAt(u"PostcodeCode");
    a.subdivision = node->textAt(u"CountrySubDivisionName");
    a.countryCode = node->textAt(u"CountryID");
    return a;
}

Party ciiParty(const Node* node)
{
    Party p;
    if (!node)
        return p;
    p.name = node->textAt(u"Name");
    p.tradingName = node->textAt(u"SpecifiedLegalOrganization/TradingBusinessName");
    // VA: a VAT identifier (BT-31, BT-48); FC: the seller's national tax number (BT-32).
    for (const Node* registration : node->all(u"SpecifiedTaxRegistration")) {
        const Node* id = registration->child(u"ID");
        if (!id)
            continue;
        if (id->attribute(u"schemeID") == u"VA")
            p.vatId = id->text;
        else if (id->attribute(u"schemeID") == u"FC")
            p.taxNumber = id->text;
    }
    if (const Node* uri = node->at(u"URIUniversalCommunication/URIID")) {
        p.electronicAddress = uri->text;
        p.electronicAddressScheme = uri->attribute(u"schemeID");
    }
    p.address = ciiAddress(node->child(u"PostalTradeAddress"));
    if (const Node* contact = node->child(u"DefinedTradeContact")) {
        p.contact.name = contact->textAt(u"PersonName");
        if (p.contact.name.isEmpty())
            p.contact.name = contact->textAt(u"DepartmentName");
        p.contact.phone = contact->textAt(u"TelephoneUniversalCommunication/CompleteNumber");
        p.contact.email = contact->textAt(u"EmailURIUniversalCommunication/URIID");
    }
    return p;
}

Line ciiLine(const Node& item, Terms& terms)
{
    Line line;
    line.id = item.textAt(u"AssociatedDocumentLineDocument/LineID");
    line.name = item.textAt(u"SpecifiedTradeProduct/Name");
    line.netPrice = terms.amount(
        item.at(u"SpecifiedLineTradeAgreement/NetPriceProductTradePrice/ChargeAmount"));
    if (const Node* quantity = item.at(u"SpecifiedLineTradeDelivery/BilledQuantity")) {
        line.quantity = terms.amount(quantity);
        line.unitCode = quantity->attribute(u"unitCode");
    }
    const Node* settlement = item.child(u"SpecifiedLineTradeSettlement");
    if (settlement) {
        line.category = terms.category(settlement->at(u"ApplicableTradeTax/CategoryCode"));
        line.ratePercent =
            terms.amount(settlement->at(u"ApplicableTradeTax/RateApplicablePercent"));
        line.netAmount = terms.amount(
            settlement->at(u"SpecifiedTradeSettlementLineMonetarySummation/LineTotalAmount"));
    }
    return line;
}

VatBreakdown ciiVat(const Node& tax, Terms& terms)
{
    VatBreakdown v;
    v.category = terms.category(tax.child(u"CategoryCode"));
    v.ratePercent = terms.amount(tax.child(u"RateApplicablePercent"));
    v.taxableAmount = terms.amount(tax.child(u"BasisAmount"));
    v.taxAmount = terms.amount(tax.child(u"CalculatedAmount"));
    v.exemptionReason = tax.textAt(u"ExemptionReason");
    v.exemptionCode = tax.textAt(u"ExemptionReasonCode");
    return v;
}

// The payment means with an account, else the first (BG-16, BG-17).
void ciiPayment(const Node& settlement, Invoice& invoice, Terms& terms)
{
    invoice.payment.remittance = settlement.textAt(u"PaymentReference");
    const std::vector<const Node*> means = settlement.all(u"SpecifiedTradeSettlementPaymentMeans");
    const Node* chosen = means.empty() ? nullptr : means.front();
    for (const Node* m : means) {
        if (m->child(u"PayeePartyCreditorFinancialAccount")) {
            chosen = m;
            break;
        }
    }
    if (chosen) {
        invoice.payment.meansCode = terms.code(chosen->child(u"TypeCode"), 0);
        const Node* account = chosen->child(u"PayeePartyCreditorFinancialAccount");
        if (account) {
            invoice.payment.iban = account->textAt(u"IBANID").remove(u' ');
            if (invoice.payment.iban.isEmpty())
                invoice.payment.iban = account->textAt(u"ProprietaryID");
            invoice.payment.accountName = account->textAt(u"AccountName");
        }
        invoice.payment.bic = chosen->textAt(u"PayeeSpecifiedCreditorFinancialInstitution/BICID");
    }
    const Node* paymentTerms = settlement.child(u"SpecifiedTradePaymentTerms");
    if (paymentTerms) {
        invoice.payment.terms = paymentTerms->textAt(u"Description");
        invoice.dueDate = terms.ciiDate(paymentTerms->child(u"DueDateDateTime"));
    }
}

// BT-110 in the invoice's currency: a second TaxTotalAmount may state it in the accounting
// currency (BT-111).
const Node* invoiceCurrencyTax(const Node& sums, const QString& currency)
{
    const std::vector<const Node*> totals = sums.all(u"TaxTotalAmount");
    for (const Node* t : totals) {
        if (t->attribute(u"currencyID") == currency)
            return t;
    }
    return totals.empty() ? nullptr : totals.front();
}

void ciiTotals(const Node* sums, Invoice& invoice, Terms& terms)
{
    terms.require(sums ? sums->child(u"TaxBasisTotalAmount") : nullptr, Terms::kTaxBasis);
    terms.require(sums ? sums->child(u"GrandTotalAmount") : nullptr, Terms::kGrandTotal);
    if (!sums)
        return;
    invoice.lineTotal = terms.amount(sums->child(u"LineTotalAmount"));
    invoice.chargeTotal = terms.amount(sums->child(u"ChargeTotalAmount"));
    invoice.allowanceTotal = terms.amount(sums->child(u"AllowanceTotalAmount"));
    invoice.taxBasis = terms.amount(sums->child(u"TaxBasisTotalAmount"));
    invoice.taxTotal = terms.amount(invoiceCurrencyTax(*sums, invoice.currency));
    invoice.roundingAmount = terms.amount(sums->child(u"RoundingAmount"));
    invoice.grandTotal = terms.amount(sums->child(u"GrandTotalAmount"));
    invoice.paidAmount = terms.amount(sums->child(u"TotalPrepaidAmount"));
    invoice.amountDue = terms.amount(sums->child(u"DuePayableAmount"));
}

void ciiDocument(const Node& root, Invoice& invoice, Terms& terms)
{
    invoice.guidelineId =
        root.textAt(u"ExchangedDocumentContext/GuidelineSpecifiedDocumentContextParameter/ID");
    const Node* document = root.child(u"ExchangedDocument");
    terms.require(document ? document->child(u"ID") : nullptr, Terms::kNumber);
    terms.require(document ? document->at(u"IssueDateTime/DateTimeString") : nullptr,
                  Terms::kIssueDate);
    if (!document)
        return;
    invoice.number = document->textAt(u"ID");
    invoice.typeCode = terms.code(document->child(u"TypeCode"), kCommercialInvoice);
    invoice.issueDate = terms.ciiDate(document->child(u"IssueDateTime"));
    QStringList notes;
    for (const Node* note : document->all(u"IncludedNote"))
        notes << note->textAt(u"Content");
    notes.removeAll(QString());
    invoice.note = notes.join(u'\n');
}

} // namespace

Result<Invoice> readCii(const Node& root)
{
    Invoice invoice;
    Terms terms;
    ciiDocument(root, invoice, terms);

    const Node empty;
    const Node* found = root.child(u"SupplyChainTradeTransaction");
    const Node& transaction = found ? *found : empty;
    const std::vector<const Node*> items = transaction.all(u"IncludedSupplyChainTradeLineItem");
    terms.limitLines(items.size());
    if (items.size() <= std::size_t(EInvoiceReader::kMaxLines)) {
        for (const Node* item : items)
            invoice.lines << ciiLine(*item, terms);
    }

    const Node* agreement = transaction.child(u"ApplicableHeaderTradeAgreement");
    const Node* seller = agreement ? agreement->child(u"SellerTradeParty") : nullptr;
    terms.require(seller ? seller->child(u"Name") : nullptr, Terms::kSellerName);
    invoice.seller = ciiParty(seller);
    if (agreement) {
        invoice.buyer = ciiParty(agreement->child(u"BuyerTradeParty"));
        invoice.buyerReference = agreement->textAt(u"BuyerReference");
    }
    invoice.deliveryDate = terms.ciiDate(transaction.at(
        u"ApplicableHeaderTradeDelivery/ActualDeliverySupplyChainEvent/OccurrenceDateTime"));

    const Node* settlement = transaction.child(u"ApplicableHeaderTradeSettlement");
    if (settlement) {
        invoice.currency = settlement->textAt(u"InvoiceCurrencyCode");
        ciiPayment(*settlement, invoice, terms);
        for (const Node* tax : settlement->all(u"ApplicableTradeTax"))
            invoice.vat << ciiVat(*tax, terms);
    }
    ciiTotals(settlement ? settlement->child(u"SpecifiedTradeSettlementHeaderMonetarySummation")
                         : nullptr,
              invoice, terms);
    return terms.result(std::move(invoice));
}

} // namespace ReceivedXml
