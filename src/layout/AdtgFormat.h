#pragma once

// What the ADTG reader and writer share: the tokens, the row masks and the length rules of
// string and binary values. Internal to src/layout.

#include "layout/Adtg.h"

#include <QByteArray>
#include <QCoreApplication>

// The binary ADTG form of a persisted recordset (Layout.set, Help.set), [MS-ADTG] 2.2.3.14:
//   01 header | 02 handler options | 03 result descriptor | 10 rowset context |
//   (05 table descriptor)* | 06 column descriptor x n | rows (07 unchanged, 0D inserted,
//   0A change of the previous 07, 0C deletion of the previous 07) | 0F done.
// Tokens 02, 03, 05, 06 and 10 carry a 16-bit body length. All numbers are little-endian.
namespace AdtgFormat {

enum Token : quint8 {
    Header = 0x01,
    HandlerOptions = 0x02,
    ResultDescriptor = 0x03,
    TableDescriptor = 0x05,
    ColumnDescriptor = 0x06,
    UnchangedRow = 0x07,
    ChangedRow = 0x0A,
    DeletedRow = 0x0C,
    InsertedRow = 0x0D,
    Done = 0x0F,
    RowsetContext = 0x10,
};

using Type = AdtgColumn::Type;

// The context of the reader's and writer's messages, which tell the user why a file could not
// be read or written.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AdtgText)
};

// Bit k of a mask (columns counted from 0) is bit 0x80 >> (k % 8) of byte k / 8.
inline bool isBitSet(const QByteArray& mask, qsizetype k)
{
    return (static_cast<quint8>(mask[k / 8]) & (0x80 >> (k % 8))) != 0;
}

inline void setBit(QByteArray& mask, qsizetype k)
{
    mask[k / 8] = char(mask[k / 8] | (0x80 >> (k % 8)));
}

inline void clearBit(QByteArray& mask, qsizetype k)
{
    mask[k / 8] = char(mask[k / 8] & ~(0x80 >> (k % 8)));
}

inline qsizetype maskBytes(qsizetype bits)
{
    return (bits + 7) / 8;
}

// String and binary columns: each value carries its length, or fills the column's fixed width.
inline bool isVariableLength(Type type)
{
    return type == Type::Bytes || type == Type::NarrowString || type == Type::WideString ||
           type == Type::Bstr;
}

inline bool isWide(Type type)
{
    return type == Type::WideString || type == Type::Bstr;
}

// Bytes a string or binary column holds at most (maxLength counts characters of a string).
inline quint64 byteSize(const AdtgColumn& c)
{
    return isWide(c.type) ? quint64(c.maxLength) * 2 : quint64(c.maxLength);
}

// How long a string or binary value's length prefix is: none for a short fixed-length column
// (its value is exactly byteSize bytes), else one byte while the column's byte size fits in
// one, else four. A BSTR keeps the four-byte length it has in memory, whatever its maxLength.
inline int lengthPrefixBytes(const AdtgColumn& c)
{
    if (c.type == Type::Bstr)
        return 4;
    const quint64 bytes = byteSize(c);
    const bool fixed = (c.flags & AdtgColumn::kFixedLength) && !(c.flags & AdtgColumn::kLong);
    if (fixed && bytes <= 255)
        return 0;
    return bytes <= 255 ? 1 : 4;
}

} // namespace AdtgFormat
