#include "core/Money.h"

#include <QLocale>
#include <limits>

namespace {

__extension__ typedef __int128 Int128;

constexpr qint64 kMaxUnits = std::numeric_limits<qint64>::max();
constexpr quint64 kMaxWhole = quint64(kMaxUnits) / quint64(Money::kScale);

// Divides by a positive denominator, rounding half to even. Both sides are far inside 128 bits.
Int128 divideRoundHalfEven(Int128 numerator, Int128 denominator)
{
    Int128 quotient = numerator / denominator;
    Int128 remainder = numerator % denominator;
    if (remainder < 0)
        remainder = -remainder;
    const Int128 twice = remainder * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += numerator < 0 ? -1 : 1;
    return quotient;
}

std::optional<Money> fitting(Int128 units)
{
    if (units > kMaxUnits || units < std::numeric_limits<qint64>::min())
        return std::nullopt;
    return Money::fromUnits(qint64(units));
}

// |units| without overflow: the most negative count has no positive counterpart in 64 bits.
quint64 magnitudeOf(qint64 units)
{
    return units < 0 ? quint64(0) - quint64(units) : quint64(units);
}

} // namespace

std::optional<Money> Money::parse(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        negative = t[i++] == u'-';

    // The whole part is refused as soon as it passes the largest count; the decimals past the
    // fourth only decide the rounding, so a long tail of them costs nothing.
    quint64 whole = 0;
    quint64 fraction = 0; // the first four decimals
    int decimals = 0;
    int roundingDigit = 0;       // the fifth decimal
    bool beyondRounding = false; // a non-zero decimal after the fifth
    bool sawDigit = false, sawPoint = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'.' && !sawPoint) {
            sawPoint = true;
            continue;
        }
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c.unicode() - u'0';
        sawDigit = true;
        if (!sawPoint) {
            whole = whole * 10 + quint64(digit);
            if (whole > kMaxWhole)
                return std::nullopt;
        } else if (decimals < 4) {
            fraction = fraction * 10 + quint64(digit);
            ++decimals;
        } else if (decimals == 4) {
            roundingDigit = digit;
            ++decimals;
        } else {
            beyondRounding = beyondRounding || digit != 0;
        }
    }
    if (!sawDigit)
        return std::nullopt;

    for (int d = std::min(decimals, 4); d < 4; ++d)
        fraction *= 10;
    quint64 units = whole * quint64(kScale) + fraction;
    if (roundingDigit > 5 || (roundingDigit == 5 && (beyondRounding || units % 2 != 0)))
        ++units;
    // The most negative count has one unit more than the largest positive one.
    if (units > quint64(kMaxUnits) + (negative ? 1 : 0))
        return std::nullopt;
    return Money(negative ? qint64(quint64(0) - units) : qint64(units));
}

std::optional<Money> Money::parseInLocale(const QString& text, const QLocale& locale)
{
    if (const std::optional<Money> plain = parse(text))
        return plain;
    // QLocale checks the form, grouping included ("1,25" is no English number); the amount is
    // then read exactly, never through a double.
    bool localForm = false;
    (void)locale.toDouble(text, &localForm);
    if (!localForm)
        return std::nullopt;
    QString s = text.trimmed();
    // French and Finnish group with a narrow or no-break space, and QLocale takes a plain one.
    const QString group = locale.groupSeparator();
    if (group.size() == 1 && group.at(0).isSpace())
        s.removeIf([](QChar c) { return c.isSpace(); });
    else
        s.remove(group);
    s.replace(locale.decimalPoint(), QStringLiteral("."));
    // QLocale takes either minus, the locale's own (U+2212 in Finnish) or the ASCII one.
    s.replace(locale.negativeSign(), QStringLiteral("-"));
    s.replace(QChar(0x2212), u'-');
    s.replace(locale.positiveSign(), QStringLiteral("+"));
    return parse(s);
}

Money Money::roundedToCents() const
{
    return Money(qint64(divideRoundHalfEven(m_units, 100)) * 100);
}

std::optional<Money> Money::percentOf(Money percent) const
{
    // units x percentUnits / (100 x kScale) gives ten-thousandths; round straight to cents.
    // The product of two 64-bit counts fits in 127 bits.
    const Int128 product = Int128(m_units) * percent.m_units;
    return fitting(divideRoundHalfEven(product, Int128(100) * kScale * 100) * 100);
}

std::optional<Money> Money::plus(Money other) const
{
    qint64 sum;
    if (__builtin_add_overflow(m_units, other.m_units, &sum))
        return std::nullopt;
    return Money(sum);
}

std::optional<Money> Money::minus(Money other) const
{
    qint64 difference;
    if (__builtin_sub_overflow(m_units, other.m_units, &difference))
        return std::nullopt;
    return Money(difference);
}

std::optional<Money> Money::negated() const
{
    return Money().minus(*this);
}

QString Money::toPlainString() const
{
    const quint64 magnitude = magnitudeOf(m_units);
    QString text = QString::number(magnitude / kScale);
    const quint64 fraction = magnitude % kScale;
    if (fraction != 0) {
        QString decimals = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        text += u'.' + decimals;
    }
    return m_units < 0 ? u'-' + text : text;
}

CurrencyForm CurrencyForm::of(const QLocale& locale, const QString& symbol)
{
    // The locale places its symbol around a number; find the number in a formatted zero.
    CurrencyForm form;
    const QString zero = locale.toString(0.0, 'f', 2);
    const QString pattern = locale.toCurrencyString(0.0, symbol, 2);
    const qsizetype at = pattern.indexOf(zero);
    if (at < 0) {
        form.prefix = symbol;
    } else {
        form.prefix = pattern.left(at);
        form.suffix = pattern.mid(at + zero.size());
    }
    form.negativeSign = locale.negativeSign();
    form.decimalPoint = locale.decimalPoint();
    for (int d = 0; d < 10; ++d)
        form.digits[d] = locale.toString(d);
    return form;
}

QString Money::toCurrencyString(const QLocale& locale, const QString& symbol) const
{
    return toCurrencyString(locale, CurrencyForm::of(locale, symbol));
}

QString Money::toCurrencyString(const QLocale& locale, const CurrencyForm& form) const
{
    // Built from whole units and pence, never through a double, so every amount is exact. Some
    // locales write negative amounts in accounting brackets; a plain sign reads better in lists
    // and totals.
    const Money cents = roundedToCents();
    const quint64 magnitude = magnitudeOf(cents.m_units);
    const quint64 pence = magnitude % kScale / 100;
    QString text = form.prefix;
    text += locale.toString(qulonglong(magnitude / kScale));
    text += form.decimalPoint;
    text += form.digits[pence / 10];
    text += form.digits[pence % 10];
    text += form.suffix;
    return cents.m_units < 0 ? form.negativeSign + text : text;
}

void MoneySum::add(Money amount)
{
    m_sum += amount.units();
}

std::optional<Money> MoneySum::value() const
{
    return fitting(m_sum);
}
