#pragma once

#include "calculator/Decimal.h"

#include <QCoreApplication>
#include <QString>

// The desk calculator's immediate-execution engine: each operator key first completes the
// pending operation, "=" completes it, and there are percent, square root, sign change, clear
// and a one-value memory. The display text is the truth: the keys read their operand from it,
// and a display that holds no number makes the arithmetic keys do nothing.
class Calculator {
    Q_DECLARE_TR_FUNCTIONS(Calculator)

public:
    enum class Key {
        Digit0,
        Digit1,
        Digit2,
        Digit3,
        Digit4,
        Digit5,
        Digit6,
        Digit7,
        Digit8,
        Digit9,
        Point,
        Plus,
        Minus,
        Times,
        Divide,
        Equals,
        Percent,
        SquareRoot,
        ChangeSign,
        Cancel,
        MemoryPlus,
        MemoryRecall,
        ClearMemory,
        Backspace,
    };
    enum class Operator { None, Plus, Minus, Times, Divide };

    // Digits a number may be typed with: the display shows no more.
    static constexpr int kMaxTypedDigits = Decimal::kDigits;
    static constexpr const char* kDivideByZero = QT_TR_NOOP("Cannot divide by zero");
    static constexpr const char* kOverflow = QT_TR_NOOP("Overflow");

    // `point` is the locale's decimal separator, which the point key types and results show.
    explicit Calculator(QChar point = u'.');

    void press(Key key);
    static Key digit(int n) { return Key(int(Key::Digit0) + n); }

    QString display() const { return m_display; }
    QChar point() const { return m_point; }
    // True once M+ has stored a value, until CM clears it: the M+ key is coloured meanwhile.
    bool memoryInUse() const { return m_memoryInUse; }
    Operator pendingOperator() const { return m_pending; }

private:
    void pressDigit(int n);
    void pressPoint();
    void pressOperator(Operator op);
    void equals();
    void percent();
    void squareRoot();
    void changeSign();
    void memoryPlus();
    void backspace();
    std::optional<Decimal> displayValue() const;
    // Shows the value, or the overflow notice when there is none.
    void show(const std::optional<Decimal>& value);

    QChar m_point;
    QString m_display;
    Decimal m_accumulator;
    Decimal m_memory;
    Operator m_pending = Operator::None;
    bool m_resultShown = false;         // blocks a second "="; the next digit starts afresh
    bool m_operatorJustPressed = false; // the next digit starts a new number
    bool m_memoryInUse = false;
};
