// The lenient date reading of typed text (DateOnLeave) in locales of different orders.
#include "core/KeyRules.h"
#include "core/LocaleText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "date reading broke its promise: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::array<LocaleText, 3> locales = {
        LocaleText(QLocale(QLocale::English, QLocale::UnitedKingdom)),
        LocaleText(QLocale(QLocale::English, QLocale::UnitedStates)),
        LocaleText(QLocale(QLocale::German, QLocale::Germany))};
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const LocaleText& locale : locales) {
        const std::optional<QDate> date = locale.parseDate(text);
        require(!date || date->isValid(), "a date read is a valid date");
        // What DateOnLeave writes back into the field reads as the same day.
        const std::optional<QString> tidied = KeyRules::tidyDate(text, locale);
        require(tidied.has_value() == date.has_value(), "tidied exactly when read");
        if (date && date->year() >= 1 && date->year() <= 9999)
            require(locale.parseDate(*tidied) == date, "the short form reads back");
    }
    return 0;
}
