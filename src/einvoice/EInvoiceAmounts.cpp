#include "einvoice/EInvoiceAmounts.h"

#include <QCoreApplication>
#include <QStringList>
#include <optional>

namespace EInvoiceAmounts {
namespace {

using EInvoice::VatCategory;

constexpr qint64 kOneUnit = Money::kScale; // the rules' tolerance on BT-117, exclusive

struct Category {
    VatCategory category = VatCategory::Standard;
    Money ratePercent;
    QString reason;
    QString reasonCode;
};

Failure tooLarge()
{
    return Failure{QCoreApplication::translate(
        "EInvoiceAmounts", "The invoice's amounts are too large to be written as an e-invoice.")};
}

Category categoryOf(const EInvoice::Invoice& invoice, const Stored& stored, const Vat& vat)
{
    if (!stored.vat.isZero())
        return {VatCategory::Standard, vat.ratePercent, {}, {}};
    if (!vat.registered)
        return {VatCategory::Exempt, {}, QString::fromLatin1(kSmallBusinessExemption), {}};
    if (stored.value.isZero() && vat.ratePercent > Money())
        return {VatCategory::Standard, vat.ratePercent, {}, {}};
    const QString seller = invoice.seller.address.countryCode;
    const QString buyer = invoice.buyer.address.countryCode;
    if (!invoice.buyer.vatId.trimmed().isEmpty() && inEu(seller) && inEu(buyer) && seller != buyer)
        return {VatCategory::ReverseCharge,
                {},
                QStringLiteral("Reverse charge"),
                QStringLiteral("VATEX-EU-AE")};
    return {VatCategory::Zero, {}, {}, {}};
}

// BT-117: the stored VAT when it is within the tolerance of BT-116 x rate, else that product.
std::optional<Money> taxOf(Money basis, Money storedVat, Money ratePercent)
{
    const std::optional<Money> expected = basis.percentOf(ratePercent);
    if (!expected)
        return std::nullopt;
    const Money stated = storedVat.roundedToCents();
    const std::optional<Money> gap = stated.minus(*expected);
    if (gap && gap->units() > -kOneUnit && gap->units() < kOneUnit)
        return stated;
    return expected;
}

} // namespace

void setPayment(EInvoice::Invoice& invoice, const QString& iban, const QString& bic,
                int paymentDays)
{
    EInvoice::Payment& p = invoice.payment;
    p.iban = iban.simplified().remove(QLatin1Char(' '));
    p.bic = p.iban.isEmpty() ? QString() : bic.trimmed();
    p.meansCode = p.iban.isEmpty() ? 1 : 58;
    p.remittance = invoice.number;
    p.terms =
        QCoreApplication::translate("EInvoiceAmounts", "Payable within %1 days").arg(paymentDays);
    invoice.dueDate = invoice.issueDate.addDays(paymentDays);
}

bool inEu(const QString& countryCode)
{
    static const QStringList kMembers{
        QStringLiteral("AT"), QStringLiteral("BE"), QStringLiteral("BG"), QStringLiteral("CY"),
        QStringLiteral("CZ"), QStringLiteral("DE"), QStringLiteral("DK"), QStringLiteral("EE"),
        QStringLiteral("ES"), QStringLiteral("FI"), QStringLiteral("FR"), QStringLiteral("GR"),
        QStringLiteral("HR"), QStringLiteral("HU"), QStringLiteral("IE"), QStringLiteral("IT"),
        QStringLiteral("LT"), QStringLiteral("LU"), QStringLiteral("LV"), QStringLiteral("MT"),
        QStringLiteral("NL"), QStringLiteral("PL"), QStringLiteral("PT"), QStringLiteral("RO"),
        QStringLiteral("SE"), QStringLiteral("SI"), QStringLiteral("SK")};
    return kMembers.contains(countryCode);
}

Status fill(EInvoice::Invoice& invoice, const QString& content, const Stored& stored,
            const Vat& vat)
{
    const Category category = categoryOf(invoice, stored, vat);
    if (category.category == VatCategory::Standard && vat.ratePercent <= Money() &&
        !stored.vat.isZero())
        return Failure{QCoreApplication::translate(
            "EInvoiceAmounts", "The invoice charges VAT but the identity's VAT rate is 0: "
                               "correct the VAT Rate on the Invoice Layout tab.")};

    EInvoice::Line line;
    line.name = content;
    const bool credit = stored.value < Money();
    const std::optional<Money> price = credit ? stored.value.negated() : stored.value;
    if (!price)
        return tooLarge();
    line.netPrice = *price;
    line.quantity = Money::fromUnits(credit ? -Money::kScale : Money::kScale);
    line.netAmount = stored.value.roundedToCents();
    line.category = category.category;
    line.ratePercent = category.ratePercent;

    EInvoice::VatBreakdown breakdown;
    breakdown.category = category.category;
    breakdown.ratePercent = category.ratePercent;
    breakdown.taxableAmount = line.netAmount;
    breakdown.exemptionReason = category.reason;
    breakdown.exemptionCode = category.reasonCode;
    if (category.category == VatCategory::Standard) {
        const std::optional<Money> tax =
            taxOf(breakdown.taxableAmount, stored.vat, category.ratePercent);
        if (!tax)
            return tooLarge();
        breakdown.taxAmount = *tax;
    }
    const std::optional<Money> grand = line.netAmount.plus(breakdown.taxAmount);
    if (!grand)
        return tooLarge();

    invoice.lines = {line};
    invoice.vat = {breakdown};
    invoice.lineTotal = line.netAmount;
    invoice.taxBasis = line.netAmount;
    invoice.taxTotal = breakdown.taxAmount;
    invoice.grandTotal = *grand;
    invoice.paidAmount = Money();
    invoice.amountDue = *grand;
    return Done{};
}

} // namespace EInvoiceAmounts
