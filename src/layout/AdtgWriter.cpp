#include "core/SafeFile.h"
#include "layout/AdtgFormat.h"
#include "layout/Windows1252.h"

#include <QDateTime>
#include <QtEndian>
#include <cmath>
#include <limits>

using namespace AdtgFormat;

namespace {

// The bytes before the first column descriptor, the same in every file of a recordset built
// in code except the counts patched in below (the first 270 bytes of a file MDAC 2.8 wrote,
// types_basic.adtg of the sample files).
constexpr char kPrefix[] = "\x01\x07\x54\x47\x21\x00\x00\x00\x00\x02\x19\x00\xb6\x92\xf2\x3f"
                           "\x04\xb2\xcf\x11\x8d\x23\x00\xaa\x00\x5f\xfe\x58\x01\x00\x00\x00"
                           "\x00\x00\x00\x00\x00\x03\x67\x00\xd2\xad\x63\xf6\x02\xeb\xcf\x11"
                           "\xb0\xe3\x00\xaa\x00\x3f\x00\x0f\x00\x00\x00\x05\x00\x05\x00\x00"
                           "\x00\x00\x00\x00\x00\x02\x00\x00\x00\x01\x00\xc1\x3c\x8e\xb6\xeb"
                           "\x6d\xd0\x11\x8d\xf6\x00\xaa\x00\x5f\xfe\x58\x07\x00\x0b\x00\x00"
                           "\x00\x04\x00\x01\x00\x00\x00\x13\x00\x00\x00\x04\x00\x01\x00\x00"
                           "\x00\x0d\x00\x00\x00\x00\x00\x0e\x00\x00\x00\x00\x00\x0f\x00\x00"
                           "\x00\x00\x00\x10\x00\x00\x00\x00\x00\x12\x00\x00\x00\x00\x00\x10"
                           "\x7c\x00\x02\x00\xbe\x22\xb5\xc8\xf3\x5c\xce\x11\xad\xe5\x00\xaa"
                           "\x00\x44\x77\x3d\x04\x00\x7f\x00\x00\x00\x02\x00\xff\xff\x86\x00"
                           "\x00\x00\x02\x00\xff\xff\x22\x00\x00\x00\x04\x00\x00\x00\x00\x00"
                           "\x49\x00\x00\x00\x04\x00\x00\x00\x00\x00\xc1\x3c\x8e\xb6\xeb\x6d"
                           "\xd0\x11\x8d\xf6\x00\xaa\x00\x5f\xfe\x58\x05\x00\x04\x00\x00\x00"
                           "\x04\x00\x0f\x00\x00\x00\x05\x00\x00\x00\x04\x00\x02\x00\x00\x00"
                           "\x03\x00\x00\x00\x04\x00\x0f\x00\x00\x00\x07\x00\x00\x00\x04\x00"
                           "\x32\x00\x00\x00\x08\x00\x00\x00\x04\x00\x03\x00\x00\x00";
constexpr qsizetype kPrefixSize = 270;
static_assert(sizeof kPrefix == kPrefixSize + 1);
// The counts inside the prefix's result descriptor (token 03 at 0x25).
constexpr qsizetype kVisibleColumnsAt = 0x3B, kTotalColumnsAt = 0x3D, kRowCountAt = 0x45;

void put(QByteArray& out, auto value)
{
    char b[sizeof value];
    qToLittleEndian(value, b);
    out.append(b, sizeof value);
}

void putWide(QByteArray& out, QStringView s)
{
    if (s.isEmpty())
        return;
    const qsizetype at = out.size();
    out.resize(at + 2 * s.size());
    qToLittleEndian<quint16>(s.utf16(), s.size(), out.data() + at);
}

// The whole number a value holds, within [lo, hi]; nullopt for anything else (text that is
// no number, a fraction, NaN, out of range).
std::optional<qint64> wholeNumber(const QVariant& v, qint64 lo, qint64 hi)
{
    qint64 n = 0;
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) {
        const double d = v.toDouble();
        // hi + 1 as a double is exact, or rounds to 2^63 for the 64-bit limit.
        if (!(d >= double(lo) && d < double(hi) + 1) || d != std::trunc(d))
            return std::nullopt;
        n = qint64(d);
    } else if (v.typeId() == QMetaType::ULongLong) {
        if (v.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
            return std::nullopt;
        n = v.toLongLong();
    } else {
        bool ok = false;
        n = v.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (n < lo || n > hi)
        return std::nullopt;
    return n;
}

// The integer columns but the unsigned 64-bit one: their range, kind and width in bytes.
struct IntegerColumn {
    qint64 lo, hi;
    const char* kind;
    int bytes;
};

IntegerColumn integerColumn(Type type)
{
    using L = std::numeric_limits<qint64>;
    switch (type) {
    case Type::TinyInt:
        return {-0x80, 0x7F, QT_TRANSLATE_NOOP("AdtgText", "an 8-bit integer"), 1};
    case Type::UnsignedTinyInt:
        return {0, 0xFF, QT_TRANSLATE_NOOP("AdtgText", "an unsigned 8-bit integer"), 1};
    case Type::SmallInt:
        return {-0x8000, 0x7FFF, QT_TRANSLATE_NOOP("AdtgText", "a 16-bit integer"), 2};
    case Type::UnsignedSmallInt:
        return {0, 0xFFFF, QT_TRANSLATE_NOOP("AdtgText", "an unsigned 16-bit integer"), 2};
    case Type::Integer:
        return {-0x80000000LL, 0x7FFFFFFF, QT_TRANSLATE_NOOP("AdtgText", "a 32-bit integer"), 4};
    case Type::UnsignedInt:
        return {0, 0xFFFFFFFF, QT_TRANSLATE_NOOP("AdtgText", "an unsigned 32-bit integer"), 4};
    default:
        return {L::min(), L::max(), QT_TRANSLATE_NOOP("AdtgText", "a 64-bit integer"), 8};
    }
}

// `kind` is marked for translation where it is written.
QString notANumber(const QVariant& v, const char* kind)
{
    return Text::tr("%1 is not %2").arg(v.toString(), Text::tr(kind));
}

// How a string or binary value of `bytes` bytes is stored: its length prefix (none for a fixed
// width, which pads it), or why it cannot be stored whole.
QString putLength(QByteArray& out, const AdtgColumn& c, qsizetype bytes)
{
    switch (lengthPrefixBytes(c)) {
    case 0:
        if (quint64(bytes) > byteSize(c))
            return Text::tr("a value of %1 bytes is wider than the column's %2")
                .arg(bytes)
                .arg(byteSize(c));
        return {};
    case 1:
        if (bytes > 255 - (isWide(c.type) ? 1 : 0))
            return Text::tr("a value of %1 bytes is longer than a one-byte length counts")
                .arg(bytes);
        put(out, quint8(bytes));
        return {};
    default:
        if (quint64(bytes) > 0xFFFFFFFFu)
            return Text::tr("a value of %1 bytes is longer than a four-byte length counts")
                .arg(bytes);
        put(out, quint32(bytes));
        return {};
    }
}

QString writeInteger(QByteArray& out, Type type, const QVariant& v, bool null)
{
    if (type == Type::UnsignedBigInt) {
        // Past the signed range only as an unsigned 64-bit number itself, never via a double.
        const bool whole = !null && v.typeId() == QMetaType::ULongLong;
        const auto n = null || whole ? std::optional<qint64>(0)
                                     : wholeNumber(v, 0, std::numeric_limits<qint64>::max());
        if (!n)
            return notANumber(v, QT_TRANSLATE_NOOP("AdtgText", "an unsigned 64-bit integer"));
        put(out, whole ? v.toULongLong() : quint64(*n));
        return {};
    }
    const IntegerColumn r = integerColumn(type);
    const auto n = null ? 0 : wholeNumber(v, r.lo, r.hi);
    if (!n)
        return notANumber(v, r.kind);
    // Two's complement, little-endian: the low bytes of the 64-bit number.
    char b[sizeof(qint64)];
    qToLittleEndian(*n, b);
    out.append(b, r.bytes);
    return {};
}

QString writeDate(QByteArray& out, const QVariant& v, bool null)
{
    AdtgDate d;
    if (v.metaType() == QMetaType::fromType<AdtgDate>())
        d = v.value<AdtgDate>();
    else if (!null && v.typeId() == QMetaType::QDate && v.toDate().isValid() &&
             v.toDate().year() >= std::numeric_limits<qint16>::min() &&
             v.toDate().year() <= std::numeric_limits<qint16>::max())
        d = {qint16(v.toDate().year()), quint16(v.toDate().month()), quint16(v.toDate().day())};
    else if (!null)
        return notANumber(v, QT_TRANSLATE_NOOP("AdtgText", "a date"));
    put(out, d.year);
    put(out, d.month);
    put(out, d.day);
    return {};
}

// GUIDs, dates, times and timestamps.
QString writeStructure(QByteArray& out, Type type, const QVariant& v, bool null)
{
    if (type == Type::DbDate)
        return writeDate(out, v, null);
    if (type == Type::Guid) {
        if (!null && v.typeId() != QMetaType::QUuid)
            return notANumber(v, QT_TRANSLATE_NOOP("AdtgText", "a GUID"));
        const QUuid id = null ? QUuid() : v.toUuid();
        put(out, quint32(id.data1));
        put(out, quint16(id.data2));
        put(out, quint16(id.data3));
        out.append(reinterpret_cast<const char*>(id.data4), sizeof id.data4);
    } else if (type == Type::DbTime) {
        AdtgTime t;
        if (v.metaType() == QMetaType::fromType<AdtgTime>())
            t = v.value<AdtgTime>();
        else if (!null && v.typeId() == QMetaType::QTime && v.toTime().isValid())
            t = {quint16(v.toTime().hour()), quint16(v.toTime().minute()),
                 quint16(v.toTime().second())};
        else if (!null)
            return notANumber(v, QT_TRANSLATE_NOOP("AdtgText", "a time of day"));
        put(out, t.hour);
        put(out, t.minute);
        put(out, t.second);
    } else { // Type::Timestamp
        AdtgTimestamp t;
        if (v.metaType() == QMetaType::fromType<AdtgTimestamp>())
            t = v.value<AdtgTimestamp>();
        else if (!null && v.canConvert<QDateTime>())
            t = AdtgTimestamp::fromDateTime(v.toDateTime());
        else if (!null)
            return notANumber(v, QT_TRANSLATE_NOOP("AdtgText", "a date and time"));
        put(out, t.year);
        for (quint16 part : {t.month, t.day, t.hour, t.minute, t.second})
            put(out, part);
        put(out, t.nanoseconds);
    }
    return {};
}

// Singles, doubles, dates as day numbers, and currency amounts.
QString writeReal(QByteArray& out, Type type, const QVariant& v, bool null)
{
    if (type == Type::Currency) {
        if (null || v.metaType() == QMetaType::fromType<AdtgCurrency>()) {
            put(out, null ? qint64(0) : v.value<AdtgCurrency>().tenThousandths);
            return {};
        }
        bool ok = false;
        // To the nearest ten-thousandth, halves to even; never zero for what does not fit.
        const double scaled = std::nearbyint(v.toDouble(&ok) * 10000);
        if (!ok || !(scaled >= -0x1p63 && scaled < 0x1p63))
            return notANumber(v, QT_TRANSLATE_NOOP("AdtgText", "a currency amount"));
        put(out, qint64(scaled));
        return {};
    }
    bool ok = true;
    const double d = null ? 0 : Adtg::toDouble(v);
    if (!null && v.metaType() != QMetaType::fromType<AdtgCurrency>())
        v.toDouble(&ok);
    if (!ok)
        return notANumber(v, QT_TRANSLATE_NOOP("AdtgText", "a number"));
    if (type != Type::Single) {
        put(out, d);
        return {};
    }
    // Infinities and NaN are singles too; a finite number past their range is not.
    if (std::isfinite(d) && std::abs(d) > double(std::numeric_limits<float>::max()))
        return notANumber(v, QT_TRANSLATE_NOOP("AdtgText", "within the range of a single"));
    put(out, float(d));
    return {};
}

// Strings and binary values: a length prefix, or padded to the column's fixed width.
QString writeVariable(QByteArray& out, const AdtgColumn& c, const QVariant& v)
{
    if (c.type == Type::Bytes) {
        const QByteArray b = v.toByteArray();
        if (const QString why = putLength(out, c, b.size()); !why.isEmpty())
            return why;
        out.append(b);
        if (lengthPrefixBytes(c) == 0)
            out.append(QByteArray(qsizetype(byteSize(c)) - b.size(), '\0'));
        return {};
    }
    if (c.type == Type::NarrowString) {
        const QString text = v.toString();
        auto b = Windows1252::encode(text);
        if (!b)
            return Text::tr("\"%1\" holds a character that Windows-1252 has not").arg(text);
        if (const QString why = putLength(out, c, b->size()); !why.isEmpty())
            return why;
        out.append(*b);
        if (lengthPrefixBytes(c) == 0)
            out.append(QByteArray(qsizetype(byteSize(c)) - b->size(), ' '));
        return {};
    }
    QString s = v.toString();
    if (const QString why = putLength(out, c, 2 * s.size()); !why.isEmpty())
        return why;
    if (lengthPrefixBytes(c) == 0)
        s = s.leftJustified(qsizetype(c.maxLength), u' ');
    putWide(out, s);
    return {};
}

// Appends the value, or returns why the column cannot hold it whole and exactly. NULL (in a
// column that cannot be NULL) is stored as 0, false or an empty string.
QString writeValue(QByteArray& out, const AdtgColumn& c, const QVariant& v)
{
    const bool null = v.isNull();
    switch (c.type) {
    case Type::TinyInt:
    case Type::UnsignedTinyInt:
    case Type::SmallInt:
    case Type::UnsignedSmallInt:
    case Type::Integer:
    case Type::UnsignedInt:
    case Type::BigInt:
    case Type::UnsignedBigInt:
        return writeInteger(out, c.type, v, null);
    case Type::Guid:
    case Type::DbDate:
    case Type::DbTime:
    case Type::Timestamp:
        return writeStructure(out, c.type, v, null);
    case Type::Single:
    case Type::Double:
    case Type::Date:
    case Type::Currency:
        return writeReal(out, c.type, v, null);
    case Type::Boolean:
        put(out, quint16(v.toBool() ? 0xFFFF : 0));
        return {};
    case Type::Bytes:
    case Type::NarrowString:
    case Type::Bstr:
    case Type::WideString:
        return writeVariable(out, c, v);
    }
    return Text::tr("the column type %1 cannot be written").arg(int(c.type));
}

} // namespace

AdtgTimestamp AdtgTimestamp::fromDateTime(const QDateTime& t)
{
    const QDate d = t.date();
    const QTime time = t.time();
    return {qint16(d.year()),
            quint16(d.month()),
            quint16(d.day()),
            quint16(time.hour()),
            quint16(time.minute()),
            quint16(time.second()),
            quint32(time.msec()) * 1000000u};
}

AdtgColumn AdtgColumn::integer(const QString& name, bool nullable)
{
    return {name, Type::Integer, 4, 0, 0, kWritable | kFixedLength | (nullable ? kNullable : 0)};
}

AdtgColumn AdtgColumn::boolean(const QString& name, bool nullable)
{
    return {name, Type::Boolean, 2, 0, 0, kWritable | kFixedLength | (nullable ? kNullable : 0)};
}

AdtgColumn AdtgColumn::real(const QString& name, bool nullable)
{
    return {name, Type::Double, 8, 0, 0, kWritable | kFixedLength | (nullable ? kNullable : 0)};
}

AdtgColumn AdtgColumn::text(const QString& name, bool nullable)
{
    return {
        name, Type::WideString, 0xFFFFFFFF, 0, 0, kWritable | kLong | (nullable ? kNullable : 0)};
}
namespace Adtg {

std::optional<QByteArray> encode(const AdtgTable& table, QString* error)
{
    const auto failed = [error](const QString& why) -> std::optional<QByteArray> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const qsizetype n = table.columns.size();
    if (n > 0xFFFF)
        return failed(Text::tr("a table of %1 columns; a file holds 65535 at most").arg(n));
    if (table.rows.size() > qsizetype(0xFFFFFFFFu))
        return failed(Text::tr("a table of %1 rows is too long").arg(table.rows.size()));
    QByteArray out(kPrefix, kPrefixSize);
    qToLittleEndian(quint16(n), out.data() + kVisibleColumnsAt);
    qToLittleEndian(quint16(n), out.data() + kTotalColumnsAt);
    qToLittleEndian(quint32(table.rows.size()), out.data() + kRowCountAt);

    QList<qsizetype> nullable;
    for (qsizetype i = 0; i < n; ++i) {
        const AdtgColumn& c = table.columns[i];
        if (c.nullable())
            nullable << i;
        QByteArray body("\x80\x01\x00", 3); // presence: name; IsAutoIncrement
        put(body, quint16(i + 1));
        put(body, quint16(c.name.size()));
        putWide(body, c.name);
        put(body, quint16(c.type));
        put(body, c.maxLength);
        put(body, c.precision);
        put(body, c.scale);
        put(body, c.flags);
        body.append("\x00\x00\xFF\xFF", 4); // not auto-increment; visible
        if (body.size() > 0xFFFF)           // the body's length is 16 bits
            return failed(Text::tr("the name of column %1 (%2 characters) is too long")
                              .arg(i + 1)
                              .arg(c.name.size()));
        out.append(char(ColumnDescriptor));
        put(out, quint16(body.size()));
        out.append(body);
    }

    for (qsizetype r = 0; r < table.rows.size(); ++r) {
        const AdtgRow& row = table.rows[r];
        const auto isNull = [&](qsizetype k) {
            return k >= row.values.size() || row.values[k].isNull();
        };
        // A column that cannot be NULL takes its empty value instead.
        const auto storesNull = [&](qsizetype k) {
            return isNull(k) && table.columns[k].nullable();
        };
        if (row.form == AdtgRow::Form::Inserted) {
            QByteArray set(maskBytes(n), 0), nulls(maskBytes(n), 0);
            for (qsizetype k = 0; k < n; ++k)
                setBit(storesNull(k) ? nulls : set, k);
            out.append(char(InsertedRow)).append(set).append(nulls);
        } else {
            out.append(char(UnchangedRow));
            if (!nullable.isEmpty()) {
                QByteArray mask(maskBytes(nullable.size()), char(0xFF)); // unused bits are 1
                for (qsizetype j = 0; j < nullable.size(); ++j) {
                    if (storesNull(nullable[j]))
                        clearBit(mask, j);
                }
                out.append(mask);
            }
        }
        for (qsizetype k = 0; k < n; ++k) {
            if (storesNull(k))
                continue;
            const QString why =
                writeValue(out, table.columns[k], isNull(k) ? QVariant() : row.values[k]);
            if (!why.isEmpty())
                return failed(
                    Text::tr("Row %1, column %2: %3").arg(r + 1).arg(table.columns[k].name, why));
        }
    }
    out.append(char(Done));
    return out;
}

bool writeFile(const QString& path, const AdtgTable& table, QString* error)
{
    const auto bytes = encode(table, error);
    return bytes && SafeFile::write(path, *bytes, error);
}

} // namespace Adtg
