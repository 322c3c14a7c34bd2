#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The Windows ANSI code page of Western European installations, in which files of earlier
// installations hold their text. It differs from Latin-1 only in 0x80..0x9F; the five bytes it
// leaves unassigned map to the control characters of the same value, so every byte sequence
// decodes, and encodes back, exactly.
namespace Windows1252 {

QString decode(const QByteArray& bytes);
// nullopt when the text holds a character the code page has no byte for.
std::optional<QByteArray> encode(QStringView text);

} // namespace Windows1252
