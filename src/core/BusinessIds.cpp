#include "core/BusinessIds.h"

#include "core/Countries.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace BusinessIds {
namespace {

// IBAN lengths from the SWIFT IBAN registry: every SEPA country and the other countries whose
// banks a European seller is likely to name.
struct IbanLength {
    const char* country;
    int length;
};
constexpr IbanLength kIbanLengths[] = {
    {"AD", 24}, {"AE", 23}, {"AL", 28}, {"AT", 20}, {"AZ", 28}, {"BA", 20}, {"BE", 16}, {"BG", 22},
    {"BH", 22}, {"BR", 29}, {"BY", 28}, {"CH", 21}, {"CR", 22}, {"CY", 28}, {"CZ", 24}, {"DE", 22},
    {"DK", 18}, {"DO", 28}, {"EE", 20}, {"EG", 29}, {"ES", 24}, {"FI", 18}, {"FO", 18}, {"FR", 27},
    {"GB", 22}, {"GE", 22}, {"GI", 23}, {"GL", 18}, {"GR", 27}, {"GT", 28}, {"HR", 21}, {"HU", 28},
    {"IE", 22}, {"IL", 23}, {"IQ", 23}, {"IS", 26}, {"IT", 27}, {"JO", 30}, {"KW", 30}, {"KZ", 20},
    {"LB", 28}, {"LC", 32}, {"LI", 21}, {"LT", 20}, {"LU", 20}, {"LV", 21}, {"MC", 27}, {"MD", 24},
    {"ME", 22}, {"MK", 19}, {"MR", 27}, {"MT", 31}, {"MU", 30}, {"NL", 18}, {"NO", 15}, {"PK", 24},
    {"PL", 28}, {"PS", 29}, {"PT", 25}, {"QA", 29}, {"RO", 24}, {"RS", 22}, {"SA", 24}, {"SC", 31},
    {"SE", 24}, {"SI", 19}, {"SK", 24}, {"SM", 27}, {"ST", 25}, {"SV", 28}, {"TL", 23}, {"TN", 24},
    {"TR", 26}, {"UA", 29}, {"VA", 22}, {"VG", 24}, {"XK", 20},
};

// The registry's length for the country, 0 when it is not listed here.
int ibanLength(const QString& country)
{
    for (const IbanLength& l : kIbanLengths) {
        if (country == QLatin1String(l.country))
            return l.length;
    }
    return 0;
}

// Kosovo has IBANs and BICs but no ISO 3166-1 code of its own.
bool isBankCountry(const QString& code)
{
    return Countries::isCode(code) || ibanLength(code) > 0;
}

// ISO 7064 MOD 97-10 over the IBAN moved round by four, letters counting A = 10 to Z = 35;
// the remainder is carried digit by digit, so any length works.
int ibanRemainder(const QString& iban)
{
    const QString moved = iban.mid(4) + iban.left(4);
    int remainder = 0;
    for (const QChar c : moved) {
        if (c.isDigit())
            remainder = (remainder * 10 + c.digitValue()) % 97;
        else
            remainder = (remainder * 100 + (c.unicode() - u'A' + 10)) % 97;
    }
    return remainder;
}

bool matches(const QString& pattern, const QString& text)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

// What follows a VAT identifier's prefix: the EU members' forms as the VIES service checks
// them, the United Kingdom's (GB, and XI for Northern Ireland), Switzerland's and Norway's.
struct VatForm {
    const char* prefix;
    const char* pattern;
    const char* form; // for the message: "9 digits"
};
constexpr VatForm kVatForms[] = {
    {"AT", "U[0-9]{8}", QT_TRANSLATE_NOOP("BusinessIds", "U and 8 digits")},
    {"BE", "[01][0-9]{9}", QT_TRANSLATE_NOOP("BusinessIds", "10 digits, the first 0 or 1")},
    {"BG", "[0-9]{9,10}", QT_TRANSLATE_NOOP("BusinessIds", "9 or 10 digits")},
    {"CY", "[0-9]{8}[A-Z]", QT_TRANSLATE_NOOP("BusinessIds", "8 digits and a letter")},
    {"CZ", "[0-9]{8,10}", QT_TRANSLATE_NOOP("BusinessIds", "8 to 10 digits")},
    {"DE", "[0-9]{9}", QT_TRANSLATE_NOOP("BusinessIds", "9 digits")},
    {"DK", "[0-9]{8}", QT_TRANSLATE_NOOP("BusinessIds", "8 digits")},
    {"EE", "[0-9]{9}", QT_TRANSLATE_NOOP("BusinessIds", "9 digits")},
    {"EL", "[0-9]{9}", QT_TRANSLATE_NOOP("BusinessIds", "9 digits")},
    {"ES", "[0-9A-Z][0-9]{7}[0-9A-Z]",
     QT_TRANSLATE_NOOP("BusinessIds", "9 characters, 7 digits between a letter or digit each")},
    {"FI", "[0-9]{8}", QT_TRANSLATE_NOOP("BusinessIds", "8 digits")},
    {"FR", "[0-9A-HJ-NP-Z]{2}[0-9]{9}",
     QT_TRANSLATE_NOOP("BusinessIds", "2 letters or digits and 9 digits")},
    {"HR", "[0-9]{11}", QT_TRANSLATE_NOOP("BusinessIds", "11 digits")},
    {"HU", "[0-9]{8}", QT_TRANSLATE_NOOP("BusinessIds", "8 digits")},
    {"IE", "[0-9][0-9A-Z+*][0-9]{5}[A-Z]{1,2}",
     QT_TRANSLATE_NOOP("BusinessIds", "7 digits (the second may be a letter) and 1 or 2 letters")},
    {"IT", "[0-9]{11}", QT_TRANSLATE_NOOP("BusinessIds", "11 digits")},
    {"LT", "[0-9]{9}|[0-9]{12}", QT_TRANSLATE_NOOP("BusinessIds", "9 or 12 digits")},
    {"LU", "[0-9]{8}", QT_TRANSLATE_NOOP("BusinessIds", "8 digits")},
    {"LV", "[0-9]{11}", QT_TRANSLATE_NOOP("BusinessIds", "11 digits")},
    {"MT", "[0-9]{8}", QT_TRANSLATE_NOOP("BusinessIds", "8 digits")},
    {"NL", "[0-9]{9}B[0-9]{2}", QT_TRANSLATE_NOOP("BusinessIds", "9 digits, B and 2 digits")},
    {"PL", "[0-9]{10}", QT_TRANSLATE_NOOP("BusinessIds", "10 digits")},
    {"PT", "[0-9]{9}", QT_TRANSLATE_NOOP("BusinessIds", "9 digits")},
    {"RO", "[0-9]{2,10}", QT_TRANSLATE_NOOP("BusinessIds", "2 to 10 digits")},
    {"SE", "[0-9]{10}01", QT_TRANSLATE_NOOP("BusinessIds", "12 digits ending in 01")},
    {"SI", "[0-9]{8}", QT_TRANSLATE_NOOP("BusinessIds", "8 digits")},
    {"SK", "[0-9]{10}", QT_TRANSLATE_NOOP("BusinessIds", "10 digits")},
    {"GB", "[0-9]{9}|[0-9]{12}|GD[0-4][0-9]{2}|HA[5-9][0-9]{2}",
     QT_TRANSLATE_NOOP("BusinessIds", "9 or 12 digits, or GD or HA and 3 digits")},
    {"XI", "[0-9]{9}|[0-9]{12}|GD[0-4][0-9]{2}|HA[5-9][0-9]{2}",
     QT_TRANSLATE_NOOP("BusinessIds", "9 or 12 digits, or GD or HA and 3 digits")},
    {"CH", "E[0-9]{9}(MWST|TVA|IVA)?",
     QT_TRANSLATE_NOOP("BusinessIds", "E, 9 digits and MWST, TVA or IVA")},
    {"NO", "[0-9]{9}(MVA)?", QT_TRANSLATE_NOOP("BusinessIds", "9 digits and MVA")},
};
constexpr VatForm kOtherVatForm = {"", "[0-9A-Z]{2,13}",
                                   QT_TRANSLATE_NOOP("BusinessIds", "2 to 13 letters or digits")};

const VatForm& vatForm(const QString& prefix)
{
    for (const VatForm& f : kVatForms) {
        if (prefix == QLatin1String(f.prefix))
            return f;
    }
    return kOtherVatForm;
}

// The country a VAT prefix stands for: Greece's numbers begin with EL, Northern Ireland's
// (part of GB) with XI; empty when the prefix is no country's.
QString vatCountry(const QString& prefix)
{
    if (prefix == u"EL")
        return QStringLiteral("GR");
    if (prefix == u"XI")
        return QStringLiteral("GB");
    return Countries::isCode(prefix) ? prefix : QString();
}

} // namespace

QString compact(const QString& text)
{
    QString out = text.toUpper();
    out.removeIf([](QChar c) { return c.isSpace(); });
    return out;
}

QString compactVatId(const QString& text)
{
    QString out = compact(text);
    out.removeIf([](QChar c) { return c == u'.' || c == u'-'; });
    return out;
}

QString ibanFault(const QString& iban)
{
    const QString s = compact(iban);
    if (!matches(QStringLiteral("[A-Z0-9]+"), s))
        return QCoreApplication::translate(
                   "BusinessIds", "An IBAN holds only letters and digits: \"%1\" does not.")
            .arg(iban);
    if (!matches(QStringLiteral("[A-Z]{2}[0-9]{2}.*"), s))
        return QCoreApplication::translate(
                   "BusinessIds",
                   "An IBAN begins with its country's two letters and two check digits: \"%1\" "
                   "does not.")
            .arg(iban);
    const QString country = s.left(2);
    if (!isBankCountry(country))
        return QCoreApplication::translate(
                   "BusinessIds", "The IBAN begins with \"%1\", which is no country's code.")
            .arg(country);
    if (const int length = ibanLength(country); length > 0 && s.size() != length)
        return QCoreApplication::translate("BusinessIds",
                                           "An IBAN of %1 has %2 characters; this one has %3.")
            .arg(Countries::name(country))
            .arg(length)
            .arg(s.size());
    if (s.size() < 15 || s.size() > 34)
        return QCoreApplication::translate("BusinessIds",
                                           "An IBAN has 15 to 34 characters; this one has %1.")
            .arg(s.size());
    if (ibanRemainder(s) != 1)
        return QCoreApplication::translate(
            "BusinessIds",
            "The IBAN's check digits are wrong: check it against your bank statement.");
    return {};
}

QString bicFault(const QString& bic)
{
    const QString s = compact(bic);
    if (s.size() != 8 && s.size() != 11)
        return QCoreApplication::translate("BusinessIds",
                                           "A BIC has 8 or 11 characters; this one has %1.")
            .arg(s.size());
    if (!matches(QStringLiteral("[A-Z]{4}"), s.left(4)))
        return QCoreApplication::translate(
                   "BusinessIds", "A BIC begins with four letters for the bank: \"%1\" does not.")
            .arg(bic);
    if (!isBankCountry(s.mid(4, 2)))
        return QCoreApplication::translate(
                   "BusinessIds",
                   "A BIC's fifth and sixth characters are its country: \"%1\" is no country's "
                   "code.")
            .arg(s.mid(4, 2));
    if (!matches(QStringLiteral("[A-Z0-9]+"), s.mid(6)))
        return QCoreApplication::translate(
                   "BusinessIds",
                   "After its country a BIC holds only letters and digits: \"%1\" does not.")
            .arg(bic);
    return {};
}

QString vatIdFault(const QString& vatId, const QString& countryCode)
{
    const QString s = compactVatId(vatId);
    const QString prefix = s.left(2);
    if (!matches(QStringLiteral("[A-Z]{2}.*"), s))
        return QCoreApplication::translate(
                   "BusinessIds",
                   "A VAT number begins with its country's two letters (DE, FR, EL...): \"%1\" "
                   "does not.")
            .arg(vatId);
    if (prefix == u"GR")
        return QCoreApplication::translate("BusinessIds",
                                           "Greek VAT numbers begin with EL, not GR.");
    const QString country = vatCountry(prefix);
    if (country.isEmpty())
        return QCoreApplication::translate(
                   "BusinessIds", "The VAT number begins with \"%1\", which is no country's code.")
            .arg(prefix);
    const VatForm& form = vatForm(prefix);
    if (!matches(QLatin1String(form.pattern), s.mid(2)))
        return QCoreApplication::translate(
                   "BusinessIds", "A VAT number of %1 is %2 followed by %3: \"%4\" is not.")
            .arg(Countries::name(country), prefix,
                 QCoreApplication::translate("BusinessIds", form.form), vatId);
    if (!countryCode.isEmpty() && countryCode.toUpper() != country)
        return QCoreApplication::translate("BusinessIds",
                                           "The VAT number \"%1\" is of %2, but the country is %3.")
            .arg(vatId, Countries::name(country), Countries::name(countryCode.toUpper()));
    return {};
}

QString countryCodeFault(const QString& code)
{
    if (Countries::isCode(code))
        return {};
    return QCoreApplication::translate("BusinessIds", "\"%1\" is not a country code.").arg(code);
}

QString emailFault(const QString& address)
{
    // A domain of non-empty dotted labels, the last (the top-level domain) of letters only.
    static const QRegularExpression form(QRegularExpression::anchoredPattern(QStringLiteral(
                                             "[^\\s@]+@([^\\s@.]+\\.)+[^\\W\\d_]{2,}")),
                                         QRegularExpression::UseUnicodePropertiesOption);
    if (address.size() <= 254 && form.match(address).hasMatch())
        return {};
    return QCoreApplication::translate(
               "BusinessIds",
               "\"%1\" is not an e-mail address: it needs the form name@example.com, without "
               "blanks.")
        .arg(address);
}

} // namespace BusinessIds
