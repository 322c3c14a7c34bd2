#include "calculator/Calculator.h"

#include <QRegularExpression>

Calculator::Calculator(QChar point)
    : m_point(point)
{}

std::optional<Decimal> Calculator::displayValue() const
{
    return Decimal::parse(m_display, m_point);
}

void Calculator::show(const std::optional<Decimal>& value)
{
    m_display = value ? value->toString(m_point) : tr(kOverflow);
}

void Calculator::press(Key key)
{
    switch (key) {
    case Key::Digit0:
        if (m_display != QStringLiteral("0")) // a lone 0 takes no second one
            pressDigit(0);
        return;
    case Key::Digit1:
    case Key::Digit2:
    case Key::Digit3:
    case Key::Digit4:
    case Key::Digit5:
    case Key::Digit6:
    case Key::Digit7:
    case Key::Digit8:
    case Key::Digit9:
        pressDigit(int(key) - int(Key::Digit0));
        return;
    case Key::Point:
        pressPoint();
        return;
    case Key::Plus:
        pressOperator(Operator::Plus);
        return;
    case Key::Minus:
        pressOperator(Operator::Minus);
        return;
    case Key::Times:
        pressOperator(Operator::Times);
        return;
    case Key::Divide:
        pressOperator(Operator::Divide);
        return;
    case Key::Equals:
        equals();
        return;
    case Key::Percent:
        percent();
        return;
    case Key::SquareRoot:
        squareRoot();
        return;
    case Key::ChangeSign:
        changeSign();
        return;
    case Key::Cancel: // the two flags stay as they are
        m_display.clear();
        m_accumulator = Decimal();
        m_pending = Operator::None;
        return;
    case Key::MemoryPlus:
        memoryPlus();
        return;
    case Key::MemoryRecall: // the flags stay, so a digit typed next is appended
        m_display = m_memory.toString(m_point);
        return;
    case Key::ClearMemory:
        m_memory = Decimal();
        m_memoryInUse = false;
        return;
    case Key::Backspace:
        backspace();
        return;
    }
}

void Calculator::pressDigit(int n)
{
    const QChar digit(u'0' + n);
    if (m_resultShown && !m_operatorJustPressed)
        m_pending = Operator::None; // a digit after a result starts a new calculation
    if (m_operatorJustPressed || m_resultShown) {
        m_display = digit;
        m_operatorJustPressed = m_resultShown = false;
        return;
    }
    if (m_display.count(QRegularExpression(QStringLiteral("[0-9]"))) >= kMaxTypedDigits)
        return; // the display shows no more digits
    m_display += digit;
}

// Right after an operator, a display that still holds a point refuses another: a digit must
// come first.
void Calculator::pressPoint()
{
    if (m_display.contains(m_point) && !m_resultShown)
        return;
    if (m_resultShown || m_operatorJustPressed) {
        m_display = QStringLiteral("0") + m_point;
        m_resultShown = false;
    } else {
        m_display += m_point;
    }
    m_operatorJustPressed = false;
}

void Calculator::pressOperator(Operator op)
{
    if (!displayValue())
        return;
    if (!m_resultShown)
        equals();
    // "=" may have replaced the display with a notice that is no number.
    const std::optional<Decimal> value = displayValue();
    if (!value)
        return;
    m_operatorJustPressed = true;
    m_accumulator = *value;
    m_pending = op;
}

void Calculator::equals()
{
    if (m_resultShown)
        return;
    m_resultShown = true;
    const std::optional<Decimal> operand = displayValue();
    if (!operand)
        return;
    if (m_pending == Operator::Divide && operand->isZero())
        return; // not carried out, silently: the display and the accumulator stay
    switch (m_pending) {
    case Operator::None:
        break;
    case Operator::Plus:
        show(m_accumulator.plus(*operand));
        break;
    case Operator::Minus:
        show(m_accumulator.minus(*operand));
        break;
    case Operator::Times:
        show(m_accumulator.times(*operand));
        break;
    case Operator::Divide:
        show(m_accumulator.dividedBy(*operand));
        break;
    }
    if (const std::optional<Decimal> result = displayValue())
        m_accumulator = *result;
}

// The display becomes the percentage applied to the accumulator by the pending operator:
// 200 + 10 % is 220, 200 - 10 % is 180, 200 x 10 % is 20, 200 / 10 % is 2000.
void Calculator::percent()
{
    if (m_resultShown)
        return;
    const std::optional<Decimal> p = displayValue();
    if (!p)
        return;
    const Decimal share = *p->dividedBy(Decimal::fromInt(100));
    const auto ofAccumulator = share.times(m_accumulator);
    switch (m_pending) {
    case Operator::None:
        break;
    case Operator::Times:
        show(ofAccumulator);
        break;
    case Operator::Divide:
        if (share.isZero())
            m_display = tr(kDivideByZero);
        else
            show(m_accumulator.dividedBy(share));
        break;
    case Operator::Minus:
        show(ofAccumulator ? m_accumulator.minus(*ofAccumulator) : std::nullopt);
        break;
    case Operator::Plus:
        show(ofAccumulator ? ofAccumulator->plus(m_accumulator) : std::nullopt);
        break;
    }
    m_resultShown = true;
}

void Calculator::squareRoot()
{
    const std::optional<Decimal> value = displayValue();
    if (!value)
        return;
    m_display = value->sign() > 0 ? value->squareRoot()->toString(m_point) : QStringLiteral("0");
    m_resultShown = true;
}

// A value above 0 gains a "-" in front (the digits typed so far stay as typed); anything else
// loses every "-".
void Calculator::changeSign()
{
    if (m_display.isEmpty())
        return;
    const std::optional<Decimal> value = displayValue();
    if (value && value->sign() > 0)
        m_display.prepend(u'-');
    else
        m_display.remove(u'-');
    m_operatorJustPressed = false;
}

void Calculator::memoryPlus()
{
    const std::optional<Decimal> value = displayValue();
    if (!value)
        return;
    const std::optional<Decimal> sum = m_memory.plus(*value);
    if (!sum) { // the memory keeps what it had
        m_display = tr(kOverflow);
        m_resultShown = true;
        return;
    }
    m_memory = *sum;
    m_memoryInUse = true;
}

// Takes back the last character typed; a notice goes as a whole.
void Calculator::backspace()
{
    if (m_display == tr(kOverflow) || m_display == tr(kDivideByZero))
        m_display.clear();
    else
        m_display.chop(1);
}
