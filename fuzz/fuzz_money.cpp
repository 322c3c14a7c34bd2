// Money parsing, arithmetic and text on any input: "value|rate|amount", each part as typed into a
// money field. Every operation must give the exact answer or refuse; each is checked against a
// wide reference computed here.
#include "core/LocaleText.h"
#include "core/Money.h"
#include "invoices/InvoiceEntry.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

namespace {

__extension__ typedef __int128 Int128;

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "money broke its promise: %s\n", what);
        std::abort();
    }
}

bool fits(Int128 units)
{
    return units >= std::numeric_limits<qint64>::min() &&
           units <= std::numeric_limits<qint64>::max();
}

void requireResult(const std::optional<Money>& result, Int128 expected, const char* what)
{
    require(result.has_value() == fits(expected), what);
    require(!result || result->units() == expected, what);
}

// value x percent / 100 to whole pence, half to even, on magnitudes.
Int128 percentReference(Money value, Money percent)
{
    const Int128 product = Int128(value.units()) * percent.units();
    const Int128 magnitude = product < 0 ? -product : product;
    const Int128 divisor = 100'000'000; // 100 x 10,000 for the percent, 100 for whole pence
    Int128 quotient = magnitude / divisor;
    const Int128 twice = (magnitude % divisor) * 2;
    if (twice > divisor || (twice == divisor && quotient % 2 == 1))
        ++quotient;
    return (product < 0 ? -quotient : quotient) * 100;
}

void checkAmount(const LocaleText& locale, Money amount)
{
    require(Money::parse(amount.toPlainString()) == amount, "plain text reads back");
    const Money cents = amount.roundedToCents();
    const Int128 change = Int128(amount.units()) - cents.units();
    require(cents.units() % 100 == 0 && change >= -50 && change <= 50, "rounded to pence");
    // Without its symbol and grouping, and with a '.' for a point, the text is plain money.
    QString shown = locale.toCurrency(amount);
    shown.remove(locale.currencySymbol()).remove(locale.locale().groupSeparator());
    shown.replace(locale.locale().decimalPoint(), QStringLiteral("."));
    require(Money::parse(shown) == cents, "currency text is the amount in pence");
}

void checkPair(Money a, Money b)
{
    requireResult(a.plus(b), Int128(a.units()) + b.units(), "plus");
    requireResult(a.minus(b), Int128(a.units()) - b.units(), "minus");
    requireResult(a.negated(), -Int128(a.units()), "negated");
    requireResult(a.percentOf(b), percentReference(a, b), "percentOf");
    MoneySum sum;
    sum.add(a);
    sum.add(b);
    requireResult(sum.value(), Int128(a.units()) + b.units(), "MoneySum");
}

// The entry's fields always add up: value + VAT, to pence, is the total.
void checkEntry(const QString& value, const QString& rate)
{
    const InvoiceEntry::Amounts a =
        InvoiceEntry::recalculate(value, true, InvoiceEntry::ratePercent(rate.toDouble()));
    const std::optional<Money> net = Money::parse(a.value), vat = Money::parse(a.vat),
                               total = Money::parse(a.total);
    require(net && vat && total, "the entry shows amounts");
    const std::optional<Money> sum = net->plus(*vat);
    require(sum && sum->roundedToCents() == *total, "the entry adds up");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const LocaleText gb(QLocale(QLocale::English, QLocale::UnitedKingdom));
    static const LocaleText de(QLocale(QLocale::German, QLocale::Germany));
    const QStringList parts =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)).split(u'|');
    std::vector<Money> amounts;
    for (const QString& part : parts.mid(0, 3)) {
        if (const std::optional<Money> amount = Money::parse(part)) {
            checkAmount(gb, *amount);
            checkAmount(de, *amount);
            amounts.push_back(*amount);
        }
    }
    for (const Money a : amounts) {
        for (const Money b : amounts)
            checkPair(a, b);
    }
    if (parts.size() >= 2)
        checkEntry(parts[0], parts[1]);
    return 0;
}
