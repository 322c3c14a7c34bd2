// The CSV statement reader on any bytes, with a mapping made from the input's first line when
// it is a remembered mapping's JSON, else one of two fixed mappings; the mapping's JSON and the
// bank's key are worked out as the window does.
#include "banking/CsvStatement.h"
#include "core/Preferences.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype end = bytes.indexOf('\n');
    std::optional<CsvMapping> mapping =
        CsvMapping::fromJson(QString::fromUtf8(bytes.left(end < 0 ? 0 : end)));
    if (!mapping) {
        mapping = CsvMapping{};
        const bool comma = size > 0 && data[0] % 2;
        mapping->delimiter = comma ? u',' : u';';
        mapping->decimalComma = !comma;
        mapping->dateFormat = comma ? QStringLiteral("yyyy-MM-dd") : QStringLiteral("dd.MM.yyyy");
        mapping->date = 0;
        mapping->amount = comma ? -1 : 1;
        mapping->credit = comma ? 4 : -1;
        mapping->debit = comma ? 5 : -1;
        mapping->text = comma ? 1 : 5;
        mapping->reference = comma ? 2 : 3;
        mapping->counterparty = comma ? 3 : 4;
        mapping->currency = comma ? 6 : 2;
    }
    (void)CsvStatement::read(bytes, *mapping);
    Preferences preferences;
    if (CsvStatement::remember(bytes, *mapping, preferences))
        (void)CsvStatement::remembered(bytes, preferences);
    (void)CsvStatement::guessDelimiter(QString::fromUtf8(bytes.left(200)));
    return 0;
}
