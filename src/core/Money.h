#pragma once

#include <QString>
#include <compare>
#include <optional>

class QLocale;

// An amount of money as a 64-bit count of ten-thousandths of the currency unit. This is how
// money columns are stored, so arithmetic and comparisons are exact.
class Money {
public:
    static constexpr qint64 kScale = 10'000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 tenThousandths) { return Money(tenThousandths); }

    // Plain decimal text as typed into a money field: optional sign, digits, at most one point
    // ("17.5", ".5", "-3", "12."). Digits past the fourth decimal are rounded half to even.
    // Empty or malformed text gives nullopt.
    static std::optional<Money> parse(const QString& text);

    constexpr qint64 units() const { return m_units; }
    double toDouble() const { return double(m_units) / kScale; }
    constexpr bool isZero() const { return m_units == 0; }

    // Rounded half to even to whole pence (2 decimal places).
    Money roundedToCents() const;
    // value x percent / 100, rounded half to even to 2 places (the VAT on a net value).
    Money percentOf(const Money& percent) const;

    // Shortest plain text: 17.5, 117.5, 100, 0.05, -2.25. No grouping, '.' as the point.
    QString toPlainString() const;
    // Locale currency text with 2 decimals, e.g. "£1,234.50", using the given symbol.
    QString toCurrencyString(const QLocale& locale, const QString& symbol) const;

    constexpr Money operator+(Money o) const { return Money(m_units + o.m_units); }
    constexpr Money operator-(Money o) const { return Money(m_units - o.m_units); }
    constexpr Money operator-() const { return Money(-m_units); }
    constexpr Money& operator+=(Money o)
    {
        m_units += o.m_units;
        return *this;
    }
    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(qint64 units)
        : m_units(units)
    {}
    qint64 m_units = 0;
};

// Wide enough for a product of two amounts.
__extension__ typedef __int128 Int128;

// Divides numerator by a positive denominator, rounding half to even.
Int128 divideRoundHalfEven(Int128 numerator, Int128 denominator);
