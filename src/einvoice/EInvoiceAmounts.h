#pragma once

#include "core/Result.h"
#include "einvoice/EInvoice.h"

// How an invoice's stored amounts become the e-invoice's line, VAT breakdown and totals: decided
// here once, so that every syntax carries the same figures and the official rules hold.
//
// - Document amounts (BT-131, BT-106, BT-109, BT-116) are the stored value rounded half to even
//   to whole cents, as the program rounds everywhere; the unit price (BT-146) keeps the value's
//   four decimals.
// - BT-117 is the stored VAT rounded to cents when it lies within the rules' tolerance of
//   BT-116 x rate (less than one currency unit, BR-S-09 / BR-CO-17), else it is worked out again
//   from BT-116 x rate, rounded half to even. BT-112 is BT-109 + BT-110, so a stored total that
//   carried the value's fractions of a cent differs from it by that rounding only.
// - Category: VAT charged is S at the identity's rate. No VAT from an identity that is not VAT
//   registered is E ("Exempt from VAT") with the reason kSmallBusinessExemption and no VATEX
//   code: the EU's small enterprise scheme is an exemption, the rules allow a reason text alone
//   (BR-E-10), and unlike O it lets the buyer's VAT number stay on the invoice. No VAT from a
//   registered identity is S at the rate with 0 tax when the value is 0 (a total of 0), reverse
//   charge AE when the buyer is in another EU country with a VAT number, else zero rated Z.
// - Nothing is prepaid: BT-113 is 0 and BT-115 is BT-112 even for an invoice marked paid, so an
//   e-invoice written after payment is the same document as the one sent before it.
// - A negative value (a credit) is quantity -1 at the positive price, as BR-27 wants prices >= 0.
namespace EInvoiceAmounts {

// The exemption reason (BT-120) of an identity that is not VAT registered. Document text, in
// English as the rest of the e-invoice's fixed terms.
inline constexpr const char* kSmallBusinessExemption =
    "Exempt from VAT: the seller is a small business that is not VAT registered";

// An invoice's amounts as TblInvoices stores them (ten-thousandths).
struct Stored {
    Money value; // net
    Money vat;
    Money total;
};

// The identity's VAT setting.
struct Vat {
    Money ratePercent; // 17.5 % is 17.5
    bool registered = false;
};

// Fills `invoice`'s one line (named `content`), its VAT breakdown and its totals from `stored`.
// The seller's and buyer's parties must be set first: the category looks at their countries and
// the buyer's VAT number. A Failure (one line for the user) when the amounts are beyond what
// Money holds or VAT was charged at a rate of 0; the invoice is then left unchanged.
Status fill(EInvoice::Invoice& invoice, const QString& content, const Stored& stored,
            const Vat& vat);

// The payment instructions (BG-16) and due date (BT-9) of `invoice`, from the seller's account
// and the days allowed for payment: SEPA credit transfer (58) to the IBAN when there is one,
// else 1, "instrument not defined", the one means code that promises no account the invoice
// cannot give (30 and 58 need one, BR-61). The invoice number is the remittance information.
void setPayment(EInvoice::Invoice& invoice, const QString& iban, const QString& bic,
                int paymentDays);

// True for the ISO 3166-1 codes of the EU's member states (Greece as "GR").
bool inEu(const QString& countryCode);

} // namespace EInvoiceAmounts
