// The calculator on any input: the bytes before the first '|' are parsed as a typed number, the
// rest are key presses. Whatever is typed, the engine must not crash, its display must hold a
// number or one being typed ("", ".", "-", "12."), and every number must survive its own text.
#include "calculator/Calculator.h"
#include "calculator/Decimal.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "calculator broke its promise: %s\n", what);
        std::abort();
    }
}

constexpr int kKeys = int(Calculator::Key::Backspace) + 1;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    size_t split = 0;
    while (split < size && data[split] != '|')
        ++split;
    const QString typed =
        QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(split));
    if (const std::optional<Decimal> number = Decimal::parse(typed)) {
        const std::optional<Decimal> again = Decimal::parse(number->toString());
        require(again && *again == *number, "a parsed number reads back from its text");
    }

    Calculator calculator;
    for (size_t i = split + 1; i < size; ++i) {
        calculator.press(Calculator::Key(data[i] % kKeys));
        const QString shown = calculator.display();
        if (shown != Calculator::kDivideByZero && shown != Calculator::kOverflow)
            require(shown.isEmpty() || Decimal::parse(shown) || Decimal::parse(shown + u'0'),
                    "the display holds a number, or one being typed");
    }
    return 0;
}
