// The ADTG reader's values, a reader per family of column types: numbers, structures (GUIDs,
// dates, times, timestamps) and length-prefixed strings and bytes.

#include "layout/AdtgByteReader.h"
#include "layout/Windows1252.h"

#include <QUuid>

namespace AdtgFormat {

namespace {

// GUIDs, dates, times and timestamps: fixed-size structures of little-endian numbers.
QVariant readStructure(Reader& in, Type type)
{
    switch (type) {
    case Type::Guid: {
        // A GUID as Windows keeps it: a 32-bit and two 16-bit numbers, then eight bytes.
        const char* at = in.take(16, "GUID");
        if (!at)
            return {};
        const auto b = [at](int i) { return uchar(at[i]); };
        return QUuid(qFromLittleEndian<quint32>(at), qFromLittleEndian<quint16>(at + 4),
                     qFromLittleEndian<quint16>(at + 6), b(8), b(9), b(10), b(11), b(12), b(13),
                     b(14), b(15));
    }
    case Type::DbDate: {
        const char* at = in.take(6, "date");
        if (!at)
            return {};
        return QVariant::fromValue(AdtgDate{qFromLittleEndian<qint16>(at),
                                            qFromLittleEndian<quint16>(at + 2),
                                            qFromLittleEndian<quint16>(at + 4)});
    }
    case Type::DbTime: {
        const char* at = in.take(6, "time");
        if (!at)
            return {};
        return QVariant::fromValue(AdtgTime{qFromLittleEndian<quint16>(at),
                                            qFromLittleEndian<quint16>(at + 2),
                                            qFromLittleEndian<quint16>(at + 4)});
    }
    default: { // Type::Timestamp
        const char* at = in.take(16, "timestamp");
        if (!at)
            return {};
        const auto part = [at](int i) { return qFromLittleEndian<quint16>(at + 2 * i); };
        return QVariant::fromValue(AdtgTimestamp{qFromLittleEndian<qint16>(at), part(1), part(2),
                                                 part(3), part(4), part(5),
                                                 qFromLittleEndian<quint32>(at + 12)});
    }
    }
}

// Strings and binary values: a length prefix (or the column's fixed width), then the bytes.
QVariant readVariable(Reader& in, const AdtgColumn& c)
{
    qsizetype length = 0;
    switch (lengthPrefixBytes(c)) {
    case 0:
        length = qsizetype(byteSize(c)); // 255 at most
        break;
    case 1:
        length = in.get<quint8>("length of a value");
        break;
    default: {
        const qsizetype at = in.position();
        const quint32 n = in.get<quint32>("length of a value");
        if (quint64(n) > quint64(in.remaining())) {
            in.failAt(at, Text::tr("a value of %1 bytes runs past the end").arg(n));
            return {};
        }
        length = qsizetype(n);
    }
    }
    if (in.failed())
        return {};
    if (c.type == Type::Bytes)
        return in.bytes(length, "binary value");
    if (c.type == Type::NarrowString) {
        const QByteArray bytes = in.bytes(length, "string");
        return in.failed() ? QVariant() : QVariant(Windows1252::decode(bytes));
    }
    if (length % 2 != 0) {
        in.fail(Text::tr("a string of an odd byte count (%1)").arg(length));
        return {};
    }
    return in.wide(length / 2, "string");
}

} // namespace

QVariant readValue(Reader& in, const AdtgColumn& c)
{
    switch (c.type) {
    case Type::TinyInt:
        return int(in.get<qint8>("tiny integer"));
    case Type::UnsignedTinyInt:
        return int(in.get<quint8>("tiny integer"));
    case Type::SmallInt:
        return int(in.get<qint16>("small integer"));
    case Type::UnsignedSmallInt:
        return int(in.get<quint16>("small integer"));
    case Type::Integer:
        return int(in.get<qint32>("integer"));
    case Type::UnsignedInt:
        return uint(in.get<quint32>("integer"));
    case Type::BigInt:
        return qlonglong(in.get<qint64>("big integer"));
    case Type::UnsignedBigInt:
        return qulonglong(in.get<quint64>("big integer"));
    case Type::Single:
        return double(in.get<float>("single"));
    case Type::Double:
        return in.get<double>("double");
    case Type::Currency:
        return QVariant::fromValue(AdtgCurrency{in.get<qint64>("currency")});
    case Type::Date:
        return in.get<double>("date");
    case Type::Boolean:
        return in.get<quint16>("boolean") != 0;
    case Type::Guid:
    case Type::DbDate:
    case Type::DbTime:
    case Type::Timestamp:
        return readStructure(in, c.type);
    case Type::Bstr:
    case Type::Bytes:
    case Type::NarrowString:
    case Type::WideString:
        return readVariable(in, c);
    }
    return {};
}

// The fewest bytes a present value of the column takes.
quint64 minValueBytes(const AdtgColumn& c)
{
    switch (c.type) {
    case Type::TinyInt:
    case Type::UnsignedTinyInt:
        return 1;
    case Type::SmallInt:
    case Type::UnsignedSmallInt:
    case Type::Boolean:
        return 2;
    case Type::Integer:
    case Type::UnsignedInt:
    case Type::Single:
        return 4;
    case Type::DbDate:
    case Type::DbTime:
        return 6;
    case Type::Double:
    case Type::Currency:
    case Type::Date:
    case Type::BigInt:
    case Type::UnsignedBigInt:
        return 8;
    case Type::Guid:
    case Type::Timestamp:
        return 16;
    case Type::Bstr:
    case Type::Bytes:
    case Type::NarrowString:
    case Type::WideString: {
        const int prefix = lengthPrefixBytes(c);
        return prefix == 0 ? byteSize(c) : quint64(prefix);
    }
    }
    return 1;
}

} // namespace AdtgFormat
