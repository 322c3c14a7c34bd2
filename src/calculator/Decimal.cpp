#include "calculator/Decimal.h"

#include <QRegularExpression>
#include <cmath>

namespace {

__extension__ typedef unsigned __int128 Wide;

Wide pow10(int n)
{
    Wide p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

int digitCount(Wide n)
{
    int d = 0;
    for (; n != 0; n /= 10)
        ++d;
    return d;
}

// The largest s with s * s <= n.
Wide integerSquareRoot(Wide n)
{
    Wide s = Wide(std::sqrt(static_cast<long double>(n)));
    while (s > 0 && s * s > n)
        --s;
    while ((s + 1) * (s + 1) <= n)
        ++s;
    return s;
}

} // namespace

std::optional<Decimal> Decimal::make(bool negative, Wide coefficient, int exponent, bool sticky)
{
    Decimal d;
    if (coefficient == 0)
        return d;
    const int digits = digitCount(coefficient);
    if (digits > kDigits) {
        const int drop = digits - kDigits;
        const Wide divisor = pow10(drop);
        const Wide rest = coefficient % divisor;
        coefficient /= divisor;
        exponent += drop;
        // Halves to even; a remainder below what was dropped (sticky) lifts a half above it.
        const Wide twice = rest * 2;
        if (twice > divisor || (twice == divisor && (sticky || coefficient % 2 == 1)))
            ++coefficient;
        if (coefficient == pow10(kDigits)) {
            coefficient /= 10;
            ++exponent;
        }
    } else if (digits < kDigits) {
        coefficient *= pow10(kDigits - digits);
        exponent -= kDigits - digits;
    }
    const int leading = exponent + kDigits - 1;
    if (leading > kMaxExponent)
        return std::nullopt;
    if (leading < -kMaxExponent)
        return d; // below the smallest magnitude: 0
    d.m_negative = negative;
    d.m_coefficient = quint64(coefficient);
    d.m_exponent = exponent;
    return d;
}

Decimal Decimal::fromInt(qint64 n)
{
    const Wide magnitude = n < 0 ? Wide(-(n + 1)) + 1 : Wide(n);
    return *make(n < 0, magnitude, 0);
}

std::optional<Decimal> Decimal::parse(const QString& text, QChar point)
{
    static const QRegularExpression form(
        QStringLiteral("^(-?)([0-9]*)(?:\\.([0-9]*))?(?:[eE]([+-]?[0-9]+))?$"));
    QString plain = text;
    if (point != u'.') { // the display shows the locale's point and never "."
        if (text.contains(u'.'))
            return std::nullopt;
        plain.replace(point, u'.');
    }
    const QRegularExpressionMatch m = form.match(plain);
    if (!m.hasMatch())
        return std::nullopt;
    const QString whole = m.captured(2), fraction = m.captured(3);
    if (whole.isEmpty() && fraction.isEmpty())
        return std::nullopt;
    qint64 exponent = -fraction.size();
    if (m.hasCaptured(4)) {
        bool ok = false;
        const qint64 e = m.captured(4).toLongLong(&ok);
        if (!ok || e > 100000)
            return std::nullopt; // a number far beyond any range
        if (e < -100000)
            return Decimal();
        exponent += e;
    }
    // Leading zeros mean nothing; beyond 36 digits only whether anything non-zero follows
    // matters for rounding.
    QString digits = whole + fraction;
    const qsizetype first = digits.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
    if (first < 0)
        return Decimal();
    digits = digits.mid(first);
    bool sticky = false;
    if (digits.size() > 36) {
        sticky = digits.mid(36).contains(QRegularExpression(QStringLiteral("[1-9]")));
        exponent += digits.size() - 36;
        digits.truncate(36);
    }
    Wide coefficient = 0;
    for (QChar c : std::as_const(digits))
        coefficient = coefficient * 10 + Wide(c.unicode() - u'0');
    if (exponent > 100000)
        return std::nullopt;
    if (exponent < -100000)
        return Decimal();
    return make(!m.captured(1).isEmpty(), coefficient, int(exponent), sticky);
}

QString Decimal::toString(QChar point) const
{
    if (isZero())
        return QStringLiteral("0");
    QString digits = QString::number(m_coefficient);
    while (digits.endsWith(u'0'))
        digits.chop(1);
    const int leading = m_exponent + kDigits - 1;
    QString text = m_negative ? QStringLiteral("-") : QString();
    if (leading >= -4 && leading < kDigits) {
        if (leading < 0) {
            text += u'0';
            text += point;
            text += QString(-leading - 1, u'0') + digits;
        } else {
            if (digits.size() <= leading + 1)
                return text + digits + QString(leading + 1 - digits.size(), u'0');
            text += digits.left(leading + 1);
            text += point;
            text += digits.mid(leading + 1);
        }
        return text;
    }
    text += digits.left(1);
    if (digits.size() > 1) {
        text += point;
        text += digits.mid(1);
    }
    return text + (leading < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) +
           QStringLiteral("%1").arg(std::abs(leading), 2, 10, QLatin1Char('0'));
}

std::optional<Decimal> Decimal::plus(const Decimal& other) const
{
    if (other.isZero())
        return *this;
    if (isZero())
        return other;
    const Decimal& large = m_exponent >= other.m_exponent ? *this : other;
    const Decimal& small = m_exponent >= other.m_exponent ? other : *this;
    const int gap = large.m_exponent - small.m_exponent;
    // Below a hundredth of the larger one's last digit the smaller cannot change its rounding.
    if (gap > kDigits + 2)
        return large;
    const Wide a = Wide(large.m_coefficient) * pow10(gap);
    const Wide b = small.m_coefficient;
    if (large.m_negative == small.m_negative)
        return make(large.m_negative, a + b, small.m_exponent);
    if (a >= b)
        return make(large.m_negative, a - b, small.m_exponent);
    return make(small.m_negative, b - a, small.m_exponent);
}

std::optional<Decimal> Decimal::minus(const Decimal& other) const
{
    return plus(other.negated());
}

std::optional<Decimal> Decimal::times(const Decimal& other) const
{
    return make(m_negative != other.m_negative, Wide(m_coefficient) * other.m_coefficient,
                m_exponent + other.m_exponent);
}

std::optional<Decimal> Decimal::dividedBy(const Decimal& other) const
{
    if (other.isZero())
        return std::nullopt;
    if (isZero())
        return Decimal();
    // Seventeen or more quotient digits, and whether anything was left over.
    const Wide scaled = Wide(m_coefficient) * pow10(17);
    const Wide quotient = scaled / other.m_coefficient;
    const bool sticky = scaled % other.m_coefficient != 0;
    return make(m_negative != other.m_negative, quotient, m_exponent - other.m_exponent - 17,
                sticky);
}

std::optional<Decimal> Decimal::squareRoot() const
{
    if (isZero() || m_negative)
        return std::nullopt;
    // Scaled to 33 or 34 digits with an even exponent, the root has 17.
    const int shift = (m_exponent - 18) % 2 == 0 ? 18 : 19;
    const Wide scaled = Wide(m_coefficient) * pow10(shift);
    const Wide root = integerSquareRoot(scaled);
    return make(false, root, (m_exponent - shift) / 2, root * root != scaled);
}

Decimal Decimal::negated() const
{
    Decimal d = *this;
    d.m_negative = !m_negative && !isZero();
    return d;
}

bool Decimal::operator==(const Decimal& other) const
{
    if (isZero() || other.isZero())
        return isZero() && other.isZero();
    return m_negative == other.m_negative && m_coefficient == other.m_coefficient &&
           m_exponent == other.m_exponent;
}
