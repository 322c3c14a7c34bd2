#pragma once

#include <QString>

// Checks of the identifiers an e-invoice carries: bank account (IBAN, BT-84), bank (BIC,
// BT-86), VAT identifiers (BT-31, BT-48), country codes and electronic addresses (BT-34,
// BT-49). Each check answers an empty text when the identifier is well formed, else one line
// saying what is wrong, in the user's language. An empty identifier is not checked here: the
// caller decides whether one is needed.
namespace BusinessIds {

// Upper case, without blanks: the form an IBAN or BIC is stored and checked in.
QString compact(const QString& text);
// Upper case, without blanks, dots and hyphens: "CHE-123.456.789 MWST" gives
// "CHE123456789MWST", the form a VAT identifier is stored and checked in.
QString compactVatId(const QString& text);

// Blanks are ignored; the country prefix must be known, the length that country's (15 to 34
// characters where the registry is not known here) and the ISO 7064 mod-97 remainder 1.
QString ibanFault(const QString& iban);
// 8 or 11 characters: four letters for the bank, a country code, two letters or digits for
// the place and optionally three for the branch.
QString bicFault(const QString& bic);
// A country prefix (EL for Greece, XI for Northern Ireland) and the form of that country's
// numbers; when `countryCode` is given, the prefix must belong to it (GR takes EL, GB takes XI
// too).
QString vatIdFault(const QString& vatId, const QString& countryCode = {});
// An ISO 3166-1 alpha-2 code in upper case.
QString countryCodeFault(const QString& code);
// name@domain.tld: one @, no blanks, a domain of dotted parts ending in two or more letters.
QString emailFault(const QString& address);

} // namespace BusinessIds
