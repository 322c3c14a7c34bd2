#include "layout/Windows1252.h"

#include <algorithm>
#include <iterator>

namespace Windows1252 {

namespace {

constexpr char16_t k80to9F[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString decode(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(b >= 0x80 && b <= 0x9F ? k80to9F[b - 0x80] : char16_t(b));
    }
    return text;
}

std::optional<QByteArray> encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const auto* in80to9F = std::find(std::begin(k80to9F), std::end(k80to9F), c);
        if (in80to9F != std::end(k80to9F))
            bytes[i] = char(0x80 + (in80to9F - std::begin(k80to9F)));
        else if (c <= 0xFF && !(c >= 0x80 && c <= 0x9F))
            bytes[i] = char(c);
        else
            return std::nullopt;
    }
    return bytes;
}

} // namespace Windows1252
