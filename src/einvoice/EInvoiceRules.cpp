#include "einvoice/EInvoiceRules.h"

#include "einvoice/XmlWrite.h"

#include <QSet>

using EInvoice::Format;
using EInvoice::Invoice;
using EInvoice::VatCategory;

namespace {

// Empty once the writers have left out what XML cannot carry.
bool blank(const QString& text)
{
    return !XmlWrite::has(text);
}

bool twoLetters(const QString& text)
{
    return text.size() == 2 && text[0] >= u'A' && text[0] <= u'Z' && text[1] >= u'A' &&
           text[1] <= u'Z';
}

// The letters the standard's rule identifiers give a category: BR-S-08, BR-IC-02.
QString rulePrefix(VatCategory category)
{
    return category == VatCategory::IntraCommunity ? QStringLiteral("IC")
                                                   : EInvoice::categoryCode(category);
}

QString rule(VatCategory category, const char* number)
{
    return QStringLiteral("BR-%1-%2").arg(rulePrefix(category), QLatin1String(number));
}

bool lineHas(const Invoice& invoice, VatCategory category)
{
    for (const EInvoice::Line& line : invoice.lines) {
        if (line.category == category)
            return true;
    }
    return false;
}

// Whether `amount` lies less than one currency unit from `expected` (false when there is none).
bool withinOneUnit(Money amount, std::optional<Money> expected)
{
    if (!expected)
        return false;
    const std::optional<Money> gap = amount.minus(expected.value());
    return gap.has_value() && gap->units() > -Money::kScale && gap->units() < Money::kScale;
}

bool inCents(Money amount)
{
    return amount.units() % 100 == 0;
}

} // namespace

QList<EInvoiceRules::Missing> EInvoiceRules::check(const Invoice& invoice, Format format)
{
    QList<Missing> found;
    seller(invoice, format, found);
    buyer(invoice, format, found);
    document(invoice, found);
    categories(invoice, found);
    amounts(invoice, found);
    // A term that several rules need (the seller's e-mail is address and contact) is named once.
    QList<Missing> once;
    QSet<QString> said;
    for (const Missing& m : std::as_const(found)) {
        if (!said.contains(m.message)) {
            said.insert(m.message);
            once.append(m);
        }
    }
    return once;
}

Status EInvoiceRules::status(const Invoice& invoice, Format format)
{
    const QList<Missing> missing = check(invoice, format);
    if (missing.isEmpty())
        return Done{};
    return Failure{missing.first().message};
}

EInvoiceRules::Missing EInvoiceRules::fault(const QString& rule)
{
    return {rule, tr("The invoice's amounts or VAT categories break the e-invoice rule %1, so it "
                     "cannot be written as an e-invoice.")
                      .arg(rule)};
}

void EInvoiceRules::seller(const Invoice& invoice, Format format, QList<Missing>& out)
{
    const EInvoice::Party& s = invoice.seller;
    if (blank(s.name))
        out.append({QStringLiteral("BR-6"),
                    tr("The e-invoice needs your business's legal name: enter it under Trading "
                       "details.")});
    if (blank(s.vatId) && blank(s.taxNumber))
        out.append({QStringLiteral("BR-CO-26"),
                    tr("The e-invoice needs your VAT number or tax number: enter one under "
                       "Trading details.")});
    if (!blank(s.vatId) && !twoLetters(s.vatId.left(2)))
        out.append({QStringLiteral("BR-CO-09"),
                    tr("Your VAT number must begin with its country code, such as GB or DE: "
                       "correct it under Trading details.")});
    if (blank(s.vatId) &&
        (lineHas(invoice, VatCategory::IntraCommunity) || lineHas(invoice, VatCategory::Export)))
        out.append({QStringLiteral("BR-IC-02"),
                    tr("The e-invoice needs your VAT number for this invoice's VAT category: "
                       "enter it under Trading details.")});
    if (!twoLetters(s.address.countryCode))
        out.append({QStringLiteral("BR-9"),
                    tr("The e-invoice needs your country code: enter it under Trading details.")});
    if (invoice.payment.meansCode == 58 && blank(invoice.payment.iban))
        out.append({QStringLiteral("BR-61"),
                    tr("The e-invoice needs your IBAN for payment by credit transfer: enter it "
                       "under Trading details.")});
    const QString email = tr("The e-invoice needs your e-mail address: enter it under Trading "
                             "details.");
    if (format == Format::XRechnung || format == Format::Ubl) {
        // XRechnung and Peppol both require the seller's electronic address (BT-34).
        if (blank(s.electronicAddress))
            out.append({QStringLiteral("PEPPOL-EN16931-R020"), email});
    }
    if (format != Format::XRechnung)
        return;
    if (blank(s.contact.name))
        out.append({QStringLiteral("BR-DE-5"),
                    tr("An XRechnung needs your contact name: enter it under Trading details.")});
    if (blank(s.contact.phone))
        out.append(
            {QStringLiteral("BR-DE-6"),
             tr("An XRechnung needs your telephone number: enter it under Trading details.")});
    if (blank(s.contact.email))
        out.append({QStringLiteral("BR-DE-7"), email});
    if (blank(s.address.city))
        out.append({QStringLiteral("BR-DE-3"),
                    tr("An XRechnung needs your town: enter it under Trading details.")});
    if (blank(s.address.postCode))
        out.append({QStringLiteral("BR-DE-4"),
                    tr("An XRechnung needs your post code: enter it under Trading details.")});
}

void EInvoiceRules::buyer(const Invoice& invoice, Format format, QList<Missing>& out)
{
    const EInvoice::Party& b = invoice.buyer;
    if (blank(b.name))
        out.append({QStringLiteral("BR-7"),
                    tr("The e-invoice needs the client's name: enter it on the Clients tab.")});
    if (!twoLetters(b.address.countryCode))
        out.append({QStringLiteral("BR-11"),
                    tr("The e-invoice needs the client's country code: enter it under E-invoice "
                       "details on the Clients tab.")});
    if (!blank(b.vatId) && !twoLetters(b.vatId.left(2)))
        out.append({QStringLiteral("BR-CO-09"),
                    tr("The client's VAT number must begin with its country code, such as FR or "
                       "DE: correct it under E-invoice details on the Clients tab.")});
    if (blank(b.vatId) && (lineHas(invoice, VatCategory::ReverseCharge) ||
                           lineHas(invoice, VatCategory::IntraCommunity)))
        out.append({QStringLiteral("BR-AE-02"),
                    tr("The e-invoice needs the client's VAT number for this invoice's VAT "
                       "category: enter it under E-invoice details on the Clients tab.")});
    if ((format == Format::XRechnung || format == Format::Ubl) && blank(b.electronicAddress))
        out.append({QStringLiteral("PEPPOL-EN16931-R010"),
                    tr("The e-invoice needs the client's e-invoice address: enter it under "
                       "E-invoice details on the Clients tab.")});
    if (format == Format::Ubl && blank(invoice.buyerReference))
        out.append({QStringLiteral("PEPPOL-EN16931-R003"),
                    tr("A UBL e-invoice needs the client's buyer reference or order number: "
                       "enter it under E-invoice details on the Clients tab.")});
    if (format != Format::XRechnung)
        return;
    if (blank(invoice.buyerReference))
        out.append({QStringLiteral("BR-DE-15"),
                    tr("An XRechnung needs the client's buyer reference (Leitweg-ID): enter it "
                       "under E-invoice details on the Clients tab.")});
    if (blank(b.address.city))
        out.append({QStringLiteral("BR-DE-8"),
                    tr("An XRechnung needs the client's town: enter it on the Clients tab.")});
    if (blank(b.address.postCode))
        out.append({QStringLiteral("BR-DE-9"),
                    tr("An XRechnung needs the client's post code: enter it on the Clients tab.")});
}

void EInvoiceRules::document(const Invoice& invoice, QList<Missing>& out)
{
    if (blank(invoice.number))
        out.append({QStringLiteral("BR-2"), tr("The e-invoice needs the invoice's number.")});
    if (!invoice.issueDate.isValid())
        out.append({QStringLiteral("BR-3"), tr("The e-invoice needs the invoice's date.")});
    const QString& currency = invoice.currency;
    if (currency.size() != 3 || !twoLetters(currency.left(2)) || !twoLetters(currency.mid(1)))
        out.append({QStringLiteral("BR-5"),
                    tr("The e-invoice needs the currency's code (ISO 4217, such as GBP or EUR), "
                       "which the system's locale does not give.")});
    for (const EInvoice::Line& line : invoice.lines) {
        if (blank(line.name))
            out.append({QStringLiteral("BR-25"),
                        tr("The e-invoice needs the invoice's content: edit the invoice to enter "
                           "it.")});
    }
    if (invoice.amountDue > Money() && !invoice.dueDate.isValid() && blank(invoice.payment.terms))
        out.append({QStringLiteral("BR-CO-25"),
                    tr("The e-invoice needs a due date: enter the days allowed for payment under "
                       "Trading details.")});
}

// The categories and rates the model builder chose: faults here are the program's, not the
// user's, but are refused all the same rather than written.
void EInvoiceRules::categories(const Invoice& invoice, QList<Missing>& out)
{
    const auto broken = [&out](const QString& rule) { out.append(fault(rule)); };
    if (invoice.lines.isEmpty())
        broken(QStringLiteral("BR-16"));
    if (invoice.vat.isEmpty())
        broken(QStringLiteral("BR-CO-18"));
    if (invoice.payment.meansCode <= 0)
        broken(QStringLiteral("BR-49"));
    for (const EInvoice::Line& line : invoice.lines) {
        bool covered = false;
        for (const EInvoice::VatBreakdown& v : invoice.vat)
            covered = covered || (v.category == line.category && v.ratePercent == line.ratePercent);
        if (!covered)
            broken(rule(line.category, "01"));
    }
    for (const EInvoice::VatBreakdown& v : invoice.vat) {
        const bool standard = v.category == VatCategory::Standard;
        if (standard ? v.ratePercent <= Money() : !v.ratePercent.isZero())
            broken(rule(v.category, "06"));
        const bool reason = !blank(v.exemptionReason) || !blank(v.exemptionCode);
        const bool wantsReason = !standard && v.category != VatCategory::Zero;
        if (reason != wantsReason)
            broken(rule(v.category, "10"));
        // An intra-community supply needs the deliver-to country (BT-80), which the model and
        // the writers do not carry.
        if (v.category == VatCategory::IntraCommunity)
            broken(QStringLiteral("BR-IC-12"));
        if (v.category == VatCategory::NotSubject && invoice.vat.size() > 1)
            broken(QStringLiteral("BR-O-11"));
        if (v.category == VatCategory::NotSubject &&
            (!blank(invoice.seller.vatId) || !blank(invoice.buyer.vatId)))
            broken(QStringLiteral("BR-O-02"));
    }
}

void EInvoiceRules::amounts(const Invoice& invoice, QList<Missing>& out)
{
    const auto broken = [&out](const QString& rule) { out.append(fault(rule)); };
    MoneySum lines;
    for (const EInvoice::Line& line : invoice.lines) {
        lines.add(line.netAmount);
        if (!inCents(line.netAmount) || line.netPrice < Money())
            broken(inCents(line.netAmount) ? QStringLiteral("BR-27") : QStringLiteral("BR-DEC-23"));
    }
    if (lines.value() != invoice.lineTotal)
        broken(QStringLiteral("BR-CO-10"));
    if (invoice.taxBasis != invoice.lineTotal)
        broken(QStringLiteral("BR-CO-13"));
    MoneySum taxes;
    for (const EInvoice::VatBreakdown& v : invoice.vat) {
        taxes.add(v.taxAmount);
        MoneySum basis;
        for (const EInvoice::Line& line : invoice.lines) {
            if (line.category == v.category && line.ratePercent == v.ratePercent)
                basis.add(line.netAmount);
        }
        if (basis.value() != v.taxableAmount)
            broken(rule(v.category, "08"));
        // The rules allow BT-117 to differ from BT-116 x rate by less than one currency unit.
        if ((v.category != VatCategory::Standard && !v.taxAmount.isZero()) ||
            !withinOneUnit(v.taxAmount, v.taxableAmount.percentOf(v.ratePercent)) ||
            !inCents(v.taxAmount))
            broken(rule(v.category, "09"));
    }
    if (taxes.value() != invoice.taxTotal)
        broken(QStringLiteral("BR-CO-14"));
    if (invoice.taxBasis.plus(invoice.taxTotal) != invoice.grandTotal)
        broken(QStringLiteral("BR-CO-15"));
    if (invoice.grandTotal.minus(invoice.paidAmount) != invoice.amountDue)
        broken(QStringLiteral("BR-CO-16"));
    for (const Money total : {invoice.lineTotal, invoice.taxTotal, invoice.grandTotal,
                              invoice.paidAmount, invoice.amountDue}) {
        if (!inCents(total)) {
            broken(QStringLiteral("BR-DEC-09"));
            break;
        }
    }
}
