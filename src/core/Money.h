#pragma once

#include <QString>
#include <array>
#include <compare>
#include <optional>

class QLocale;

// How a locale writes an amount of money around the digits: the currency symbol's place and
// spacing, the decimal point and the digits themselves. Worked out once per locale, since a
// list shows thousands of amounts.
struct CurrencyForm {
    static CurrencyForm of(const QLocale& locale, const QString& symbol);

    QString prefix; // "£", or "" where the symbol follows: "1.234,50 €"
    QString suffix;
    QString negativeSign;
    QString decimalPoint;
    std::array<QString, 10> digits;
};

// An amount of money as a 64-bit count of ten-thousandths of the currency unit. This is how
// money columns are stored, so arithmetic and comparisons are exact. Every count is a valid
// amount, the most negative one included; an operation whose result would not fit gives nullopt
// rather than a wrapped amount, so the caller must decide what to do about it.
class Money {
public:
    static constexpr qint64 kScale = 10'000;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 tenThousandths) { return Money(tenThousandths); }

    // Plain decimal text as typed into a money field: optional sign, digits, at most one point
    // ("17.5", ".5", "-3", "12."). Digits past the fourth decimal are rounded half to even,
    // however many there are. Empty or malformed text, or an amount beyond the 64-bit count,
    // gives nullopt.
    static std::optional<Money> parse(const QString& text);
    // An amount as a person writes it in `locale`: first as parse() reads it, with '.' as the
    // point in every locale (the money fields' keys type nothing else), then in the locale's own
    // form, as lists show amounts: its decimal point, its grouping where the locale puts it and
    // its minus sign ("1.250,50" and "-12,5" in German). Text that reads both ways is read the
    // first way, so German "1.250" is 1.25. No currency symbol, no blanks.
    static std::optional<Money> parseInLocale(const QString& text, const QLocale& locale);

    constexpr qint64 units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }

    // Rounded half to even to whole pence (2 decimal places). Always fits: the extremes of the
    // count round towards zero.
    Money roundedToCents() const;
    // value x percent / 100, rounded half to even to 2 places (the VAT on a net value).
    [[nodiscard]] std::optional<Money> percentOf(Money percent) const;

    [[nodiscard]] std::optional<Money> plus(Money other) const;
    [[nodiscard]] std::optional<Money> minus(Money other) const;
    [[nodiscard]] std::optional<Money> negated() const;

    // Shortest plain text: 17.5, 117.5, 100, 0.05, -2.25. No grouping, '.' as the point.
    // Money::parse reads it back to the same amount.
    QString toPlainString() const;
    // Locale currency text rounded to 2 decimals, e.g. "£1,234.50": the locale's grouping,
    // decimal point, digits and symbol placement with the given symbol. Exact for every amount.
    QString toCurrencyString(const QLocale& locale, const QString& symbol) const;
    QString toCurrencyString(const QLocale& locale, const CurrencyForm& form) const;

    constexpr auto operator<=>(const Money&) const = default;

private:
    constexpr explicit Money(qint64 units)
        : m_units(units)
    {}
    qint64 m_units = 0;
};

// Adds amounts without overflow however many there are (a list's Totals row): the running sum
// is kept 128 bits wide, and only the result has to fit.
class MoneySum {
public:
    void add(Money amount);
    bool isPositive() const { return m_sum > 0; }
    std::optional<Money> value() const; // nullopt when the sum is beyond a 64-bit count

private:
    __extension__ __int128 m_sum = 0;
};
