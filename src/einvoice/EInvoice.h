#pragma once

#include "core/Money.h"

#include <QDate>
#include <QList>
#include <QString>

// One invoice as the business terms of the European e-invoice standard EN 16931, the one model
// that every syntax is written from and read into. Each member names its business term (BT-n)
// so that a rule's text ("BT-31 ...") leads straight to it.
//
// Amounts are Money (ten-thousandths). Document-level amounts are whole cents, as the standard
// allows no more than two decimals; a unit price may carry four.
namespace EInvoice {

// The invoice type codes (UNTDID 1001) Billcraft writes and reads.
inline constexpr int kCommercialInvoice = 380;
inline constexpr int kCreditNote = 381;

struct Address {
    QString line1;       // BT-35 / BT-50
    QString line2;       // BT-36 / BT-51
    QString line3;       // BT-162 / BT-163
    QString city;        // BT-37 / BT-52
    QString postCode;    // BT-38 / BT-53
    QString subdivision; // BT-39 / BT-54: county, region
    QString countryCode; // BT-40 / BT-55: ISO 3166-1 alpha-2, upper case
};

struct Contact {
    QString name;  // BT-41 / BT-56
    QString phone; // BT-42 / BT-57
    QString email; // BT-43 / BT-58
};

struct Party {
    QString name;                    // BT-27 / BT-44: the registered (legal) name
    QString tradingName;             // BT-28 / BT-45, when it differs from the name
    QString vatId;                   // BT-31 / BT-48: with its country prefix, "DE123456789"
    QString taxNumber;               // BT-32: the seller's national tax number (seller only)
    QString electronicAddress;       // BT-34 / BT-49
    QString electronicAddressScheme; // its scheme (EAS code list): "EM" for an e-mail address
    Address address;
    Contact contact;
};

// VAT categories (UNCL 5305) as the standard uses them.
enum class VatCategory {
    Standard,       // S
    Zero,           // Z
    Exempt,         // E
    ReverseCharge,  // AE
    IntraCommunity, // K
    Export,         // G
    NotSubject,     // O: outside the scope of VAT
};
QString categoryCode(VatCategory category); // "S", "Z", "E", "AE", "K", "G", "O"
// The category of a code, or false when the code is not one of the above.
bool categoryFromCode(const QString& code, VatCategory* category);

struct Line {
    QString id = QStringLiteral("1");                 // BT-126
    QString name;                                     // BT-153: the invoice's content
    Money quantity = Money::fromUnits(Money::kScale); // BT-129 (1)
    QString unitCode = QStringLiteral("C62");         // BT-130 (UN/ECE Rec 20: one)
    Money netPrice;                                   // BT-146: up to four decimals
    Money netAmount;                                  // BT-131: quantity x price, whole cents
    VatCategory category = VatCategory::Standard;     // BT-151
    Money ratePercent; // BT-152: 17.5 % is 17.5; absent (not written) for category O
};

struct VatBreakdown {
    VatCategory category = VatCategory::Standard; // BT-118
    Money ratePercent;                            // BT-119
    Money taxableAmount;                          // BT-116
    Money taxAmount;                              // BT-117
    QString exemptionReason;                      // BT-120
    QString exemptionCode;                        // BT-121 (VATEX list)
};

struct Payment {
    int meansCode = 0;   // BT-81 (UNCL 4461): 58 SEPA credit transfer, 30 credit transfer
    QString remittance;  // BT-83: the invoice number
    QString iban;        // BT-84, without blanks
    QString accountName; // BT-85
    QString bic;         // BT-86
    QString terms;       // BT-20: "Payable within 30 days"
};

struct Invoice {
    QString number;                    // BT-1
    QDate issueDate;                   // BT-2
    int typeCode = kCommercialInvoice; // BT-3
    QString currency;                  // BT-5: ISO 4217, "GBP"
    QDate dueDate;                     // BT-9
    QString buyerReference;            // BT-10: a Leitweg-ID for German public bodies
    QString note;                      // BT-22
    QDate deliveryDate;                // BT-72
    QString guidelineId; // BT-24: the profile the invoice follows; each writer sets its own

    Party seller;
    Party buyer;
    Payment payment;
    QList<Line> lines;
    QList<VatBreakdown> vat;

    Money lineTotal;      // BT-106: sum of the lines' net amounts
    Money allowanceTotal; // BT-107: document-level allowances (read only; Billcraft writes none)
    Money chargeTotal;    // BT-108: document-level charges (read only)
    Money taxBasis;       // BT-109: total without VAT
    Money taxTotal;       // BT-110
    Money grandTotal;     // BT-112: BT-109 + BT-110
    Money paidAmount;     // BT-113
    Money roundingAmount; // BT-114 (read only)
    Money amountDue;      // BT-115: BT-112 - BT-113
};

// The syntaxes and profiles Billcraft writes; a read invoice says which one it was.
enum class Format {
    FacturX,   // PDF/A-3 with CII embedded as factur-x.xml, profile EN 16931
    XRechnung, // CII XML, XRechnung 3.0
    Ubl,       // UBL 2.1 Invoice, Peppol BIS Billing 3.0
    Cii,       // any other CII XML (read only)
};

// A received e-invoice as read, and the syntax it came in.
struct Read {
    Invoice invoice;
    Format format = Format::Cii;
};

} // namespace EInvoice
