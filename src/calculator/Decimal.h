#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>
#include <optional>

// A decimal number of at most 15 significant digits, the calculator's display precision, so
// that 0.1 + 0.2 is 0.3 and nothing a binary fraction cannot hold turns up in a sum. Every
// result is rounded to 15 significant digits, halves to even. Magnitudes run from 1E-307 up to
// (not including) 1E+308, about a 64-bit float's range: smaller results are 0, larger ones
// overflow (nullopt).
class Decimal {
public:
    static constexpr int kDigits = 15;
    static constexpr int kMaxExponent = 307; // of the leading digit

    constexpr Decimal() = default;
    static Decimal fromInt(qint64 n);

    // The calculator's own number forms: an optional "-", digits with at most one decimal
    // point (at least one digit), and an optional exponent "E+12"/"e-3". nullopt for anything
    // else, or a number out of range.
    static std::optional<Decimal> parse(const QString& text, QChar point = u'.');
    // Up to 15 significant digits without thousands separators: plain from 0.0001 to below
    // 1E+15, otherwise "1.5E+20" / "2E-05".
    QString toString(QChar point = u'.') const;

    bool isZero() const { return m_coefficient == 0; }
    bool isNegative() const { return m_negative && m_coefficient != 0; }
    int sign() const { return isZero() ? 0 : (m_negative ? -1 : 1); }

    std::optional<Decimal> plus(const Decimal& other) const;
    std::optional<Decimal> minus(const Decimal& other) const;
    std::optional<Decimal> times(const Decimal& other) const;
    std::optional<Decimal> dividedBy(const Decimal& other) const; // nullopt also for 0
    std::optional<Decimal> squareRoot() const;                    // of a value above 0
    Decimal negated() const;

    bool operator==(const Decimal& other) const;

private:
    __extension__ typedef unsigned __int128 Wide;

    // value = (-1)^negative * coefficient * 10^exponent; coefficient is 0 or has exactly 15
    // digits.
    static std::optional<Decimal> make(bool negative, Wide coefficient, int exponent,
                                       bool sticky = false);

    bool m_negative = false;
    quint64 m_coefficient = 0;
    int m_exponent = 0;
};
