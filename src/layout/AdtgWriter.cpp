#include "core/SafeFile.h"
#include "layout/AdtgFormat.h"

#include <QDateTime>
#include <QtEndian>
#include <algorithm>
#include <cmath>

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

// The value a column that cannot be NULL stores for NULL: 0, false, an empty string.
void writeValue(QByteArray& out, const AdtgColumn& c, const QVariant& v)
{
    switch (c.type) {
    case Type::SmallInt:
        put(out, qint16(v.toInt()));
        break;
    case Type::Integer:
        put(out, qint32(v.toInt()));
        break;
    case Type::Single:
        put(out, float(v.toDouble()));
        break;
    case Type::Double:
    case Type::Date:
        put(out, v.toDouble());
        break;
    case Type::Currency: {
        const double scaled = std::round(v.toDouble() * 10000.0);
        // Out of range (or NaN) has no currency value; store 0 rather than overflow.
        const bool fits = scaled >= -9.2e18 && scaled <= 9.2e18;
        put(out, qint64(fits ? scaled : 0.0));
        break;
    }
    case Type::Boolean:
        put(out, quint16(v.toBool() ? 0xFFFF : 0));
        break;
    case Type::Timestamp: {
        // The fields as they are, whatever the time zone.
        const QDateTime t = v.toDateTime();
        const QDate d = t.date();
        const QTime time = t.time();
        put(out, qint16(d.year()));
        for (int part : {d.month(), d.day(), time.hour(), time.minute(), time.second()})
            put(out, quint16(part));
        put(out, quint32(std::max(time.msec(), 0)) * 1000000u);
        break;
    }
    case Type::Bytes: {
        QByteArray b = v.toByteArray();
        switch (lengthPrefixBytes(c)) {
        case 0:
            b = b.leftJustified(qsizetype(c.maxLength), '\0', true);
            break;
        case 1:
            b.truncate(qsizetype(c.maxLength)); // 255 at most
            put(out, quint8(b.size()));
            break;
        default:
            put(out, quint32(b.size()));
        }
        out.append(b);
        break;
    }
    case Type::WideString: {
        QString s = v.toString();
        switch (lengthPrefixBytes(c)) {
        case 0:
            s = s.leftJustified(qsizetype(c.maxLength), u' ', true);
            break;
        case 1:
            s.truncate(qsizetype(c.maxLength)); // 127 at most
            put(out, quint8(s.size() * 2));
            break;
        default:
            if (c.maxLength != 0xFFFFFFFF && quint64(s.size()) > c.maxLength)
                s.truncate(qsizetype(c.maxLength));
            put(out, quint32(s.size() * 2));
        }
        putWide(out, s);
        break;
    }
    }
}
} // namespace

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

QByteArray encode(const AdtgTable& table)
{
    const qsizetype n = table.columns.size();
    Q_ASSERT(n <= 0xFFFF);
    QByteArray out(kPrefix, kPrefixSize);
    qToLittleEndian(quint16(n), out.data() + kVisibleColumnsAt);
    qToLittleEndian(quint16(n), out.data() + kTotalColumnsAt);
    qToLittleEndian(quint32(table.rows.size()), out.data() + kRowCountAt);

    QList<qsizetype> nullable;
    for (qsizetype i = 0; i < n; ++i) {
        const AdtgColumn& c = table.columns[i];
        if (c.nullable())
            nullable << i;
        // The body's length is 16 bits: a name longer than it can hold is cut.
        const QStringView name = QStringView(c.name).left((0xFFFF - 29) / 2);
        QByteArray body("\x80\x01\x00", 3); // presence: name; IsAutoIncrement
        put(body, quint16(i + 1));
        put(body, quint16(name.size()));
        putWide(body, name);
        put(body, quint16(c.type));
        put(body, c.maxLength);
        put(body, c.precision);
        put(body, c.scale);
        put(body, c.flags);
        body.append("\x00\x00\xFF\xFF", 4); // not auto-increment; visible
        out.append(char(ColumnDescriptor));
        put(out, quint16(body.size()));
        out.append(body);
    }

    for (const AdtgRow& row : table.rows) {
        const auto isNull = [&](qsizetype k) {
            return k >= row.values.size() || row.values[k].isNull();
        };
        // A column that cannot be NULL takes its empty value instead.
        const auto storesNull = [&](qsizetype k) {
            return isNull(k) && table.columns[k].nullable();
        };
        const auto value = [&](qsizetype k) { return isNull(k) ? QVariant() : row.values[k]; };
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
            if (!storesNull(k))
                writeValue(out, table.columns[k], value(k));
        }
    }
    out.append(char(Done));
    return out;
}
bool writeFile(const QString& path, const AdtgTable& table, QString* error)
{
    const QByteArray bytes = encode(table);
    return SafeFile::write(path, bytes, error);
}

} // namespace Adtg
