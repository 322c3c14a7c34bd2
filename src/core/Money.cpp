#include "core/Money.h"

#include <QLocale>
#include <cmath>
#include <limits>

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

std::optional<Money> Money::parse(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        negative = t[i++] == u'-';

    Int128 digits = 0; // all digits read, as one integer
    int decimals = 0;  // how many of them follow the point
    bool sawDigit = false, sawPoint = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c == u'.' && !sawPoint) {
            sawPoint = true;
        } else if (c.isDigit() && c.unicode() < 128) {
            sawDigit = true;
            if (digits > (Int128(1) << 100))
                return std::nullopt; // far beyond any amount a 64-bit count can hold
            digits = digits * 10 + (c.unicode() - u'0');
            if (sawPoint)
                ++decimals;
        } else {
            return std::nullopt;
        }
    }
    if (!sawDigit)
        return std::nullopt;

    qint64 units;
    if (decimals <= 4) {
        Int128 scaled = digits;
        for (int d = decimals; d < 4; ++d)
            scaled *= 10;
        if (scaled > std::numeric_limits<qint64>::max())
            return std::nullopt;
        units = qint64(scaled);
    } else {
        Int128 divisor = 1;
        for (int d = 4; d < decimals; ++d)
            divisor *= 10;
        const Int128 q = divideRoundHalfEven(digits, divisor);
        if (q > std::numeric_limits<qint64>::max())
            return std::nullopt;
        units = qint64(q);
    }
    return Money(negative ? -units : units);
}

Money Money::roundedToCents() const
{
    return Money(qint64(divideRoundHalfEven(m_units, 100)) * 100);
}

Money Money::percentOf(const Money& percent) const
{
    // units x percentUnits / (100 x kScale) gives ten-thousandths; round straight to cents.
    const Int128 product = Int128(m_units) * percent.m_units;
    return Money(qint64(divideRoundHalfEven(product, Int128(100) * kScale * 100)) * 100);
}

QString Money::toPlainString() const
{
    const qint64 magnitude = m_units < 0 ? -m_units : m_units;
    QString text = QString::number(magnitude / kScale);
    qint64 fraction = magnitude % kScale;
    if (fraction != 0) {
        QString decimals = QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
        while (decimals.endsWith(u'0'))
            decimals.chop(1);
        text += u'.' + decimals;
    }
    return m_units < 0 ? u'-' + text : text;
}

QString Money::toCurrencyString(const QLocale& locale, const QString& symbol) const
{
    // Some locales write negative amounts in accounting brackets; a plain sign reads better in
    // lists and totals.
    const Money cents = roundedToCents();
    const QString magnitude = locale.toCurrencyString(std::abs(cents.toDouble()), symbol, 2);
    return cents.m_units < 0 ? locale.negativeSign() + magnitude : magnitude;
}
