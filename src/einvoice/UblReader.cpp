// UBL 2.1 Invoice and CreditNote (Peppol BIS Billing 3.0, XRechnung UBL) read into the model.
// Elements are known by their local names; the paths follow the EN 16931 UBL binding.
#include "einvoice/EInvoiceReader.h"
#include "einvoice/EInvoiceReaderParts.h"

namespace ReceivedXml {
namespace {

using namespace EInvoice;

Address ublAddress(const Node* node)
{
    Address a;
    if (!node)
        return a;
    a.line1 = node->textAt(u"StreetName");
    a.line2 = node->textAt(u"AdditionalStreetName");
    a.line3 = node->textAt(u"AddressLine/Line");
    a.city = node->textAt(u"CityName");
    a.postCode = node->textAt(u"PostalZone");
    a.subdivision = node->textAt(u"CountrySubentity");
    a.countryCode = node->textAt(u"Country/IdentificationCode");
    return a;
}

Party ublParty(const Node* outer)
{
    Party p;
    const Node* node = outer ? outer->child(u"Party") : nullptr;
    if (!node)
        return p;
    p.name = node->textAt(u"PartyLegalEntity/RegistrationName");
    p.tradingName = node->textAt(u"PartyName/Name");
    if (p.name.isEmpty()) // not EN 16931, but a name is a name
        std::swap(p.name, p.tradingName);
    // The scheme VAT names the VAT identifier (BT-31); any other the tax number (BT-32).
    for (const Node* scheme : node->all(u"PartyTaxScheme")) {
        if (scheme->textAt(u"TaxScheme/ID") == u"VAT")
            p.vatId = scheme->textAt(u"CompanyID");
        else
            p.taxNumber = scheme->textAt(u"CompanyID");
    }
    if (const Node* endpoint = node->child(u"EndpointID")) {
        p.electronicAddress = endpoint->text;
        p.electronicAddressScheme = endpoint->attribute(u"schemeID");
    }
    p.address = ublAddress(node->child(u"PostalAddress"));
    p.contact.name = node->textAt(u"Contact/Name");
    p.contact.phone = node->textAt(u"Contact/Telephone");
    p.contact.email = node->textAt(u"Contact/ElectronicMail");
    return p;
}

Line ublLine(const Node& item, bool creditNote, Terms& terms)
{
    Line line;
    line.id = item.textAt(u"ID");
    line.name = item.textAt(u"Item/Name");
    line.netPrice = terms.amountAt(item, u"Price/PriceAmount");
    if (const Node* quantity = item.child(creditNote ? u"CreditedQuantity" : u"InvoicedQuantity")) {
        line.quantity = terms.amount(quantity);
        line.unitCode = quantity->attribute(u"unitCode");
    }
    line.netAmount = terms.amountAt(item, u"LineExtensionAmount");
    line.category = terms.category(item.at(u"Item/ClassifiedTaxCategory/ID"));
    line.ratePercent = terms.amountAt(item, u"Item/ClassifiedTaxCategory/Percent");
    return line;
}

VatBreakdown ublVat(const Node& subtotal, Terms& terms)
{
    VatBreakdown v;
    v.taxableAmount = terms.amountAt(subtotal, u"TaxableAmount");
    v.taxAmount = terms.amountAt(subtotal, u"TaxAmount");
    v.category = terms.category(subtotal.at(u"TaxCategory/ID"));
    v.ratePercent = terms.amountAt(subtotal, u"TaxCategory/Percent");
    v.exemptionReason = subtotal.textAt(u"TaxCategory/TaxExemptionReason");
    v.exemptionCode = subtotal.textAt(u"TaxCategory/TaxExemptionReasonCode");
    return v;
}

void ublPayment(const Node& root, Invoice& invoice, Terms& terms)
{
    const std::vector<const Node*> means = root.all(u"PaymentMeans");
    const Node* chosen = means.empty() ? nullptr : means.front();
    for (const Node* m : means) {
        if (m->child(u"PayeeFinancialAccount")) {
            chosen = m;
            break;
        }
    }
    if (chosen) {
        invoice.payment.meansCode = terms.code(chosen->child(u"PaymentMeansCode"), 0);
        invoice.payment.remittance = chosen->textAt(u"PaymentID");
        invoice.payment.iban = chosen->textAt(u"PayeeFinancialAccount/ID").remove(u' ');
        invoice.payment.accountName = chosen->textAt(u"PayeeFinancialAccount/Name");
        invoice.payment.bic =
            chosen->textAt(u"PayeeFinancialAccount/FinancialInstitutionBranch/ID");
        // A credit note states its due date here.
        if (!invoice.dueDate.isValid())
            invoice.dueDate = terms.ublDate(chosen->child(u"PaymentDueDate"));
    }
    invoice.payment.terms = root.textAt(u"PaymentTerms/Note");
}

// The TaxTotal of BT-110 (with the breakdown, in the invoice's currency); another may state
// the VAT in the accounting currency (BT-111).
const Node* invoiceCurrencyTaxTotal(const Node& root, const QString& currency)
{
    const std::vector<const Node*> totals = root.all(u"TaxTotal");
    for (const Node* t : totals) {
        if (t->child(u"TaxSubtotal"))
            return t;
    }
    for (const Node* t : totals) {
        if (const Node* amount = t->child(u"TaxAmount");
            amount && amount->attribute(u"currencyID") == currency)
            return t;
    }
    return totals.empty() ? nullptr : totals.front();
}

void ublTotals(const Node& root, Invoice& invoice, Terms& terms)
{
    if (const Node* tax = invoiceCurrencyTaxTotal(root, invoice.currency)) {
        invoice.taxTotal = terms.amountAt(*tax, u"TaxAmount");
        for (const Node* subtotal : tax->all(u"TaxSubtotal"))
            invoice.vat << ublVat(*subtotal, terms);
    }
    const Node* sums = root.child(u"LegalMonetaryTotal");
    terms.require(sums ? sums->child(u"TaxExclusiveAmount") : nullptr, Terms::kTaxBasis);
    terms.require(sums ? sums->child(u"TaxInclusiveAmount") : nullptr, Terms::kGrandTotal);
    if (!sums)
        return;
    invoice.lineTotal = terms.amountAt(*sums, u"LineExtensionAmount");
    invoice.allowanceTotal = terms.amountAt(*sums, u"AllowanceTotalAmount");
    invoice.chargeTotal = terms.amountAt(*sums, u"ChargeTotalAmount");
    invoice.taxBasis = terms.amountAt(*sums, u"TaxExclusiveAmount");
    invoice.grandTotal = terms.amountAt(*sums, u"TaxInclusiveAmount");
    invoice.paidAmount = terms.amountAt(*sums, u"PrepaidAmount");
    invoice.roundingAmount = terms.amountAt(*sums, u"PayableRoundingAmount");
    invoice.amountDue = terms.amountAt(*sums, u"PayableAmount");
}

void ublDocument(const Node& root, bool creditNote, Invoice& invoice, Terms& terms)
{
    terms.require(root.child(u"ID"), Terms::kNumber);
    terms.require(root.child(u"IssueDate"), Terms::kIssueDate);
    invoice.guidelineId = root.textAt(u"CustomizationID");
    invoice.number = root.textAt(u"ID");
    invoice.issueDate = terms.ublDate(root.child(u"IssueDate"));
    invoice.dueDate = terms.ublDate(root.child(u"DueDate"));
    invoice.typeCode = creditNote ? terms.code(root.child(u"CreditNoteTypeCode"), kCreditNote)
                                  : terms.code(root.child(u"InvoiceTypeCode"), kCommercialInvoice);
    QStringList notes;
    for (const Node* note : root.all(u"Note"))
        notes << note->text;
    notes.removeAll(QString());
    invoice.note = notes.join(u'\n');
    invoice.currency = root.textAt(u"DocumentCurrencyCode");
    invoice.buyerReference = root.textAt(u"BuyerReference");
    invoice.deliveryDate = terms.ublDate(root.at(u"Delivery/ActualDeliveryDate"));
}

} // namespace

Result<Invoice> readUbl(const Node& root, bool creditNote)
{
    Invoice invoice;
    Terms terms;
    ublDocument(root, creditNote, invoice, terms);

    const Node* supplier = root.child(u"AccountingSupplierParty");
    invoice.seller = ublParty(supplier);
    if (invoice.seller.name.isEmpty())
        terms.require(nullptr, Terms::kSellerName);
    invoice.buyer = ublParty(root.child(u"AccountingCustomerParty"));
    ublPayment(root, invoice, terms);
    ublTotals(root, invoice, terms);

    const std::vector<const Node*> items =
        root.all(creditNote ? u"CreditNoteLine" : u"InvoiceLine");
    terms.limitLines(items.size());
    if (items.size() <= std::size_t(EInvoiceReader::kMaxLines)) {
        for (const Node* item : items)
            invoice.lines << ublLine(*item, creditNote, terms);
    }
    return terms.result(std::move(invoice));
}

} // namespace ReceivedXml
