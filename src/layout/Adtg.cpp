#include "layout/Adtg.h"

#include "core/SafeFile.h"

#include <QDateTime>
#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>

// The binary ADTG form of a persisted recordset (Layout.set, Help.set), [MS-ADTG] 2.2.3.14:
//   01 header | 02 handler options | 03 result descriptor | 10 rowset context |
//   (05 table descriptor)* | 06 column descriptor x n | rows (07 unchanged, 0D inserted,
//   0A change of the previous 07, 0C deletion of the previous 07) | 0F done.
// Tokens 02, 03, 05, 06 and 10 carry a 16-bit body length. All numbers are little-endian.

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

// The most cells (rows x columns) a file may decode to. A NULL costs one bit in a file and a
// QVariant in memory, so the byte count alone does not bound what a damaged file asks for.
// Layout.set has 119 columns and a row per identity; Help.set a few columns and a row per topic.
constexpr quint64 kMaxCells = quint64(1) << 22;
// The most bytes readFile takes in.
constexpr qint64 kMaxFileBytes = qint64(64) << 20;

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

// The first byte of a column descriptor's presence map ([MS-ADTG] 2.2.3.14.3.6), from the high
// bit: name, base table ordinal, base column ordinal, base column name, two reserved bits, base
// catalog name, base schema name. The first four come before the column type and are read; the
// catalog and schema names come after the flags and are skipped with the rest of the body.
// A field appended in code has 80; a column of a base table F0, or F3 with catalog and schema.
constexpr quint8 kHasName = 0x80, kHasBaseTable = 0x40, kHasBaseColumnOrdinal = 0x20,
                 kHasBaseColumnName = 0x10;

// The result descriptor's body up to its row count: a GUID, three single bytes, five 16-bit
// counts and the 32-bit row count.
constexpr quint16 kResultDescriptorMinLength = 16 + 3 + 5 * 2 + 4;
// The smallest column descriptor a file can hold: token, length, presence map, ordinal, type,
// maxLength, precision, scale, flags.
constexpr qsizetype kMinColumnDescriptorBytes = 1 + 2 + 3 + 2 + 2 + 4 * 4;

using Type = AdtgColumn::Type;

bool isBitSet(const QByteArray& mask, qsizetype k)
{
    return (static_cast<quint8>(mask[k / 8]) & (0x80 >> (k % 8))) != 0;
}

void setBit(QByteArray& mask, qsizetype k)
{
    mask[k / 8] = char(mask[k / 8] | (0x80 >> (k % 8)));
}

void clearBit(QByteArray& mask, qsizetype k)
{
    mask[k / 8] = char(mask[k / 8] & ~(0x80 >> (k % 8)));
}

qsizetype maskBytes(qsizetype bits)
{
    return (bits + 7) / 8;
}

QString hex(qsizetype value)
{
    return QString::number(value, 16);
}

bool knownType(quint16 type)
{
    switch (Type(type)) {
    case Type::SmallInt:
    case Type::Integer:
    case Type::Single:
    case Type::Double:
    case Type::Currency:
    case Type::Date:
    case Type::Boolean:
    case Type::Bytes:
    case Type::WideString:
    case Type::Timestamp:
        return true;
    }
    return false;
}

bool isVariableLength(const AdtgColumn& c)
{
    return c.type == Type::WideString || c.type == Type::Bytes;
}

// Bytes a string or binary column holds at most.
quint64 byteSize(const AdtgColumn& c)
{
    return c.type == Type::WideString ? quint64(c.maxLength) * 2 : quint64(c.maxLength);
}

// How long a string or binary value's length prefix is: none for a short fixed-length column
// (its value is exactly byteSize bytes), else one byte while the column's byte size fits in
// one, else four.
int lengthPrefixBytes(const AdtgColumn& c)
{
    const quint64 bytes = byteSize(c);
    const bool fixed = (c.flags & AdtgColumn::kFixedLength) && !(c.flags & AdtgColumn::kLong);
    if (fixed && bytes <= 255)
        return 0;
    return bytes <= 255 ? 1 : 4;
}

// The fewest bytes a present value of the column takes.
quint64 minValueBytes(const AdtgColumn& c)
{
    switch (c.type) {
    case Type::SmallInt:
    case Type::Boolean:
        return 2;
    case Type::Integer:
    case Type::Single:
        return 4;
    case Type::Double:
    case Type::Currency:
    case Type::Date:
        return 8;
    case Type::Timestamp:
        return 16;
    case Type::Bytes:
    case Type::WideString: {
        const int prefix = lengthPrefixBytes(c);
        return prefix == 0 ? byteSize(c) : quint64(prefix);
    }
    }
    return 1;
}

// Reads the bytes of a file, never past their end nor past the end of the body being read.
// The first failure is kept with its offset; every read after it gives nothing.
class Reader {
public:
    explicit Reader(const QByteArray& bytes)
        : m_data(bytes.constData())
        , m_end(bytes.size())
    {}

    bool failed() const { return !m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_end - m_pos; }
    bool atEnd() const { return m_pos >= m_end; }

    bool failAt(qsizetype offset, const QString& what)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1 at offset 0x%2").arg(what, hex(offset));
        return false;
    }
    bool fail(const QString& what) { return failAt(m_pos, what); }
    // Adds where the failure happened, e.g. " (row 3, column Name)".
    void addContext(const QString& context)
    {
        if (failed())
            m_error += context;
    }

    // Confines the reads to the next `length` bytes (checked by the caller) until endBody.
    qsizetype beginBody(qsizetype length)
    {
        const qsizetype outer = m_end;
        m_end = m_pos + length;
        return outer;
    }
    // Steps over what is left of the body.
    void endBody(qsizetype outer)
    {
        m_pos = m_end;
        m_end = outer;
    }

    const char* take(qsizetype n, const char* what)
    {
        if (failed())
            return nullptr;
        if (n < 0 || n > remaining()) {
            fail(QStringLiteral("truncated %1").arg(QLatin1String(what)));
            return nullptr;
        }
        const char* at = m_data + m_pos;
        m_pos += n;
        return at;
    }
    template <typename T> T get(const char* what)
    {
        const char* at = take(qsizetype(sizeof(T)), what);
        return at ? qFromLittleEndian<T>(at) : T{};
    }
    QByteArray bytes(qsizetype n, const char* what)
    {
        const char* at = take(n, what);
        return at ? QByteArray(at, n) : QByteArray();
    }
    QString wide(qsizetype units, const char* what)
    {
        const char* at = take(units * 2, what); // checked before anything is allocated
        if (!at || units == 0)
            return at ? QStringLiteral("") : QString(); // empty, not NULL
        QString s(units, Qt::Uninitialized); // the code units as they are, unpaired or not
        qFromLittleEndian<quint16>(at, units, s.data());
        return s;
    }
    QString lps(const char* what) { return wide(get<quint16>(what), what); }
    quint8 peek() const { return quint8(m_data[m_pos]); }

private:
    const char* m_data;
    qsizetype m_pos = 0;
    qsizetype m_end;
    QString m_error;
};

QVariant readValue(Reader& in, const AdtgColumn& c)
{
    switch (c.type) {
    case Type::SmallInt:
        return int(in.get<qint16>("small integer"));
    case Type::Integer:
        return int(in.get<qint32>("integer"));
    case Type::Single:
        return double(in.get<float>("single"));
    case Type::Double:
        return in.get<double>("double");
    case Type::Currency:
        return double(in.get<qint64>("currency")) / 10000.0;
    case Type::Date:
        return in.get<double>("date");
    case Type::Boolean:
        return in.get<quint16>("boolean") != 0;
    case Type::Timestamp: {
        const char* at = in.take(16, "timestamp");
        if (!at)
            return {};
        const auto part = [at](int i) { return int(qFromLittleEndian<quint16>(at + 2 * i)); };
        const int year = qFromLittleEndian<qint16>(at);
        const quint32 nanoseconds = qFromLittleEndian<quint32>(at + 12);
        return QDateTime(QDate(year, part(1), part(2)),
                         QTime(part(3), part(4), part(5), int(nanoseconds / 1000000)), Qt::UTC);
    }
    case Type::Bytes:
    case Type::WideString: {
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
                in.failAt(at, QStringLiteral("a value of %1 bytes runs past the end").arg(n));
                return {};
            }
            length = qsizetype(n);
        }
        }
        if (in.failed())
            return {};
        if (c.type == Type::Bytes)
            return in.bytes(length, "binary value");
        if (length % 2 != 0) {
            in.fail(QStringLiteral("a string of an odd byte count (%1)").arg(length));
            return {};
        }
        return in.wide(length / 2, "string");
    }
    }
    return {};
}

// Reads a column descriptor, its token included. Only the parts before and including the
// flags are used; the rest of the body is skipped by its length.
bool readColumn(Reader& in, qsizetype index, AdtgColumn& c)
{
    const qsizetype start = in.position();
    in.get<quint8>("column descriptor");
    const quint16 length = in.get<quint16>("column descriptor");
    if (in.failed())
        return false;
    if (length > in.remaining())
        return in.failAt(start, QStringLiteral("truncated column descriptor %1 (%2 bytes, %3 left)")
                                    .arg(index + 1)
                                    .arg(length)
                                    .arg(in.remaining()));
    const qsizetype outer = in.beginBody(length);
    const quint8 presence = in.get<quint8>("column descriptor");
    in.take(2, "column descriptor");      // the other two bytes of the presence map
    in.get<quint16>("column descriptor"); // ordinal
    if (presence & kHasName)
        c.name = in.lps("column descriptor");
    if (presence & kHasBaseTable)
        in.get<quint16>("column descriptor");
    if (presence & kHasBaseColumnOrdinal)
        in.get<quint16>("column descriptor");
    if (presence & kHasBaseColumnName)
        in.lps("column descriptor");
    const qsizetype typeAt = in.position();
    const quint16 type = in.get<quint16>("column descriptor");
    c.maxLength = in.get<quint32>("column descriptor");
    c.precision = in.get<quint32>("column descriptor");
    c.scale = in.get<quint32>("column descriptor");
    c.flags = in.get<quint32>("column descriptor");
    in.endBody(outer);
    if (in.failed()) {
        in.addContext(QStringLiteral(" (column %1)").arg(index + 1));
        return false;
    }
    if (!knownType(type))
        return in.failAt(typeAt, QStringLiteral("column %1 (%2) has the unsupported type %3")
                                     .arg(index + 1)
                                     .arg(c.name)
                                     .arg(type));
    c.type = Type(type);
    if (isVariableLength(c) && lengthPrefixBytes(c) == 0 && c.maxLength == 0)
        return in.failAt(typeAt,
                         QStringLiteral("column %1 (%2) has no width").arg(index + 1).arg(c.name));
    return true;
}

struct Counts {
    quint16 visibleColumns = 0;
    quint16 totalColumns = 0;
    quint32 rows = 0;
};

// Reads the result descriptor, its token included, for the counts.
bool readResultDescriptor(Reader& in, Counts& counts)
{
    const qsizetype start = in.position();
    in.get<quint8>("result descriptor");
    const quint16 length = in.get<quint16>("result descriptor");
    if (in.failed())
        return false;
    if (length > in.remaining())
        return in.failAt(start, QStringLiteral("truncated result descriptor"));
    if (length < kResultDescriptorMinLength)
        return in.failAt(start,
                         QStringLiteral("result descriptor too short (%1 bytes)").arg(length));
    const qsizetype outer = in.beginBody(length);
    in.take(16 + 3, "result descriptor"); // GUID, result info, cursor model, normalization
    counts.visibleColumns = in.get<quint16>("result descriptor");
    counts.totalColumns = in.get<quint16>("result descriptor");
    in.take(3 * 2, "result descriptor"); // computed columns, tables, order-by columns
    counts.rows = in.get<quint32>("result descriptor");
    in.endBody(outer);
    return !in.failed();
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

int AdtgTable::columnIndex(const QString& name) const
{
    for (qsizetype i = 0; i < columns.size(); ++i) {
        if (columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

namespace Adtg {

std::optional<AdtgTable> decode(const QByteArray& bytes, QString* error)
{
    Reader in(bytes);
    AdtgTable table;
    const auto failed = [&]() -> std::optional<AdtgTable> {
        if (error)
            *error = in.error();
        return std::nullopt;
    };

    // 01 header: its length, then "TG!" and the version bytes.
    if (bytes.isEmpty())
        return in.fail(QStringLiteral("not an ADTG file: the file is empty")), failed();
    if (in.get<quint8>("header") != Header)
        return in.failAt(0, QStringLiteral("not an ADTG file: no header")), failed();
    const quint8 headerLength = in.get<quint8>("header");
    const QByteArray signature = in.bytes(headerLength, "header");
    if (in.failed() || !signature.startsWith("TG!"))
        return in.failAt(0, QStringLiteral("not an ADTG file: wrong signature")), failed();

    // The descriptors before the columns: only the result descriptor's counts are needed.
    std::optional<Counts> counts;
    while (true) {
        if (in.atEnd())
            return in.fail(QStringLiteral("the file ends before its column descriptors")), failed();
        const quint8 token = in.peek();
        if (token == ColumnDescriptor)
            break;
        if (token == ResultDescriptor) {
            if (counts)
                return in.fail(QStringLiteral("a second result descriptor (a hierarchical "
                                              "recordset, which is not supported)")),
                       failed();
            Counts c;
            if (!readResultDescriptor(in, c))
                return failed();
            counts = c;
        } else if (token == HandlerOptions || token == RowsetContext || token == TableDescriptor) {
            const qsizetype start = in.position();
            in.get<quint8>("descriptor");
            const quint16 length = in.get<quint16>("descriptor");
            if (!in.take(length, "descriptor"))
                return in.failAt(start,
                                 QStringLiteral("truncated descriptor 0x%1").arg(hex(token))),
                       failed();
        } else {
            return in.fail(QStringLiteral("unexpected token 0x%1 before the column descriptors")
                               .arg(hex(token))),
                   failed();
        }
    }
    if (!counts)
        return in.fail(QStringLiteral("no result descriptor before the column descriptors")),
               failed();

    // The columns: as many descriptors as the result descriptor counts.
    const qsizetype n = counts->totalColumns;
    if (n == 0)
        return in.fail(QStringLiteral("the result descriptor counts no columns")), failed();
    if (counts->visibleColumns > counts->totalColumns)
        return in.fail(QStringLiteral("%1 visible columns of %2 in all")
                           .arg(counts->visibleColumns)
                           .arg(counts->totalColumns)),
               failed();
    if (n > in.remaining() / kMinColumnDescriptorBytes)
        return in.fail(
                   QStringLiteral("a column count of %1 is more than the file can hold").arg(n)),
               failed();
    table.columns.reserve(n);
    QList<qsizetype> nullable; // the columns an unchanged row's nullable mask covers
    for (qsizetype i = 0; i < n; ++i) {
        if (in.atEnd() || in.peek() != ColumnDescriptor)
            return in.fail(in.atEnd() ? QStringLiteral("the file ends before column descriptor %1 "
                                                       "of %2")
                                            .arg(i + 1)
                                            .arg(n)
                                      : QStringLiteral("column descriptor %1 of %2 expected, "
                                                       "found token 0x%3")
                                            .arg(i + 1)
                                            .arg(n)
                                            .arg(hex(in.peek()))),
                   failed();
        AdtgColumn c;
        if (!readColumn(in, i, c))
            return failed();
        if (c.nullable())
            nullable << i;
        table.columns << c;
    }

    // The rows: their count bounded by the fewest bytes a row takes.
    quint64 unchangedRowBytes = 1 + quint64(maskBytes(nullable.size()));
    for (const AdtgColumn& c : std::as_const(table.columns)) {
        if (!c.nullable())
            unchangedRowBytes += minValueBytes(c);
    }
    const quint64 insertedRowBytes = 1 + 2 * quint64(maskBytes(n));
    const quint64 rowBytes = std::min(unchangedRowBytes, insertedRowBytes);
    const quint32 rowCount = counts->rows;
    if (quint64(rowCount) * rowBytes > quint64(in.remaining()))
        return in.fail(QStringLiteral("a row count of %1 is more than the file can hold")
                           .arg(rowCount)),
               failed();
    if (quint64(rowCount) * quint64(n) > kMaxCells)
        return in.fail(QStringLiteral("a table of %1 rows of %2 columns is too large")
                           .arg(rowCount)
                           .arg(n)),
               failed();
    table.rows.reserve(rowCount);

    const auto readValues = [&](const QByteArray& present, QVariantList& values) {
        for (qsizetype k = 0; k < n && !in.failed(); ++k) {
            if (present.isEmpty() || isBitSet(present, k)) {
                values[k] = readValue(in, table.columns[k]);
                if (in.failed())
                    in.addContext(QStringLiteral(" (column %1)").arg(table.columns[k].name));
            }
        }
    };
    bool lastIsUnchanged = false; // a change or deletion applies to the unchanged row before it
    while (true) {
        if (in.atEnd())
            return in.fail(QStringLiteral("the file ends without its end mark")), failed();
        const qsizetype rowAt = in.position();
        const quint8 token = in.get<quint8>("row");
        if (token == Done)
            break;
        if ((token == UnchangedRow || token == InsertedRow) &&
            table.rows.size() > qsizetype(rowCount))
            return in.failAt(rowAt,
                             QStringLiteral("more rows than the %1 the file counts").arg(rowCount)),
                   failed();
        if (token == UnchangedRow) {
            // The nullable mask over the nullable columns, widened to all columns.
            QByteArray present;
            if (!nullable.isEmpty()) {
                const QByteArray mask = in.bytes(maskBytes(nullable.size()), "row mask");
                if (in.failed())
                    return failed();
                present = QByteArray(maskBytes(n), char(0xFF));
                for (qsizetype j = 0; j < nullable.size(); ++j) {
                    if (!isBitSet(mask, j))
                        clearBit(present, nullable[j]);
                }
            }
            AdtgRow row;
            row.values = QVariantList(n);
            readValues(present, row.values);
            table.rows << row;
            lastIsUnchanged = true;
        } else if (token == InsertedRow || token == ChangedRow) {
            if (token == ChangedRow && !lastIsUnchanged)
                return in.failAt(rowAt, QStringLiteral("a change without the row it changes")),
                       failed();
            const QByteArray set = in.bytes(maskBytes(n), "row mask");
            const QByteArray nulls = in.bytes(maskBytes(n), "row mask");
            if (in.failed())
                return failed();
            QVariantList values(n);
            readValues(set, values);
            if (token == InsertedRow) {
                AdtgRow row;
                row.values = values; // a column in neither mask is NULL
                row.form = AdtgRow::Form::Inserted;
                table.rows << row;
            } else {
                // A column in neither mask keeps its original value.
                QVariantList& original = table.rows.last().values;
                for (qsizetype k = 0; k < n; ++k) {
                    if (isBitSet(set, k))
                        original[k] = values[k];
                    else if (isBitSet(nulls, k))
                        original[k] = QVariant();
                }
            }
            lastIsUnchanged = false;
        } else if (token == DeletedRow) {
            if (!lastIsUnchanged)
                return in.failAt(rowAt, QStringLiteral("a deletion without the row it deletes")),
                       failed();
            table.rows.removeLast();
            lastIsUnchanged = false;
        } else {
            return in.failAt(rowAt, QStringLiteral("unknown row token 0x%1").arg(hex(token))),
                   failed();
        }
        if (in.failed()) {
            in.addContext(QStringLiteral(" in the row at offset 0x%1").arg(hex(rowAt)));
            return failed();
        }
    }
    if (!in.atEnd())
        return in.fail(QStringLiteral("%1 bytes after the end mark").arg(in.remaining())), failed();
    // Fewer rows than counted is tolerated: nothing is read that is not there. More would be
    // refused above, as the count bounds what a file may make us hold.
    return table;
}

namespace {

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

std::optional<AdtgTable> readFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMaxFileBytes) {
        if (error)
            *error =
                QStringLiteral("the file is too large (%1 bytes) for a table").arg(file.size());
        return std::nullopt;
    }
    const QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > kMaxFileBytes) {
        if (error)
            *error = QStringLiteral("the file is too large for a table");
        return std::nullopt;
    }
    return decode(bytes, error);
}

bool writeFile(const QString& path, const AdtgTable& table, QString* error)
{
    const QByteArray bytes = encode(table);
    return SafeFile::write(path, bytes, error);
}

} // namespace Adtg
