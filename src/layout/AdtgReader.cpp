#include "layout/AdtgByteReader.h"
#include "layout/AdtgFormat.h"
#include "layout/Windows1252.h"

#include <QDateTime>
#include <QFile>
#include <QtEndian>
#include <algorithm>

using namespace AdtgFormat;

namespace {

// The most cells (rows x columns) a file may decode to. A NULL costs one bit in a file and a
// QVariant in memory, so the byte count alone does not bound what a damaged file asks for.
// Layout.set has 119 columns and a row per identity; Help.set a few columns and a row per topic.
constexpr quint64 kMaxCells = quint64(1) << 22;
// The most bytes readFile takes in.
constexpr qint64 kMaxFileBytes = qint64(64) << 20;

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
    case Type::TinyInt:
    case Type::UnsignedTinyInt:
    case Type::UnsignedSmallInt:
    case Type::UnsignedInt:
    case Type::BigInt:
    case Type::UnsignedBigInt:
    case Type::Guid:
    case Type::Bstr:
    case Type::Bytes:
    case Type::NarrowString:
    case Type::WideString:
    case Type::DbDate:
    case Type::DbTime:
    case Type::Timestamp:
        return true;
    }
    return false;
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
        return in.failAt(start, Text::tr("truncated column descriptor %1 (%2 bytes, %3 left)")
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
        in.addContext(Text::tr(" (column %1)").arg(index + 1));
        return false;
    }
    if (!knownType(type))
        return in.failAt(typeAt, Text::tr("column %1 (%2) has the unsupported type %3")
                                     .arg(index + 1)
                                     .arg(c.name)
                                     .arg(type));
    c.type = Type(type);
    if (isVariableLength(c.type) && lengthPrefixBytes(c) == 0 && c.maxLength == 0)
        return in.failAt(typeAt,
                         Text::tr("column %1 (%2) has no width").arg(index + 1).arg(c.name));
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
        return in.failAt(start, Text::tr("truncated result descriptor"));
    if (length < kResultDescriptorMinLength)
        return in.failAt(start, Text::tr("result descriptor too short (%1 bytes)").arg(length));
    const qsizetype outer = in.beginBody(length);
    in.take(16 + 3, "result descriptor"); // GUID, result info, cursor model, normalization
    counts.visibleColumns = in.get<quint16>("result descriptor");
    counts.totalColumns = in.get<quint16>("result descriptor");
    in.take(3 * 2, "result descriptor"); // computed columns, tables, order-by columns
    counts.rows = in.get<quint32>("result descriptor");
    in.endBody(outer);
    return !in.failed();
}

// The 01 header: its length, then "TG!" and the version bytes.
bool readHeader(Reader& in, const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return in.fail(Text::tr("not an ADTG file: the file is empty"));
    if (in.get<quint8>("header") != Header)
        return in.failAt(0, Text::tr("not an ADTG file: no header"));
    const quint8 headerLength = in.get<quint8>("header");
    const QByteArray signature = in.bytes(headerLength, "header");
    if (in.failed() || !signature.startsWith("TG!"))
        return in.failAt(0, Text::tr("not an ADTG file: wrong signature"));
    return true;
}

// The descriptors before the columns: only the result descriptor's counts are needed.
std::optional<Counts> readPreamble(Reader& in)
{
    std::optional<Counts> counts;
    while (true) {
        if (in.atEnd())
            return in.fail(Text::tr("the file ends before its column descriptors")), std::nullopt;
        const quint8 token = in.peek();
        if (token == ColumnDescriptor)
            break;
        if (token == ResultDescriptor) {
            if (counts)
                return in.fail(Text::tr("a second result descriptor (a hierarchical "
                                        "recordset, which is not supported)")),
                       std::nullopt;
            Counts c;
            if (!readResultDescriptor(in, c))
                return std::nullopt;
            counts = c;
        } else if (token == HandlerOptions || token == RowsetContext || token == TableDescriptor) {
            const qsizetype start = in.position();
            in.get<quint8>("descriptor");
            const quint16 length = in.get<quint16>("descriptor");
            if (!in.take(length, "descriptor"))
                return in.failAt(start, Text::tr("truncated descriptor 0x%1").arg(hex(token))),
                       std::nullopt;
        } else {
            return in.fail(Text::tr("unexpected token 0x%1 before the column descriptors")
                               .arg(hex(token))),
                   std::nullopt;
        }
    }
    if (!counts)
        return in.fail(Text::tr("no result descriptor before the column descriptors")),
               std::nullopt;
    return counts;
}

// The columns: as many descriptors as the result descriptor counts. `nullable` gets the columns
// an unchanged row's nullable mask covers.
bool readColumns(Reader& in, const Counts& counts, AdtgTable& table, QList<qsizetype>& nullable)
{
    const qsizetype n = counts.totalColumns;
    if (n == 0)
        return in.fail(Text::tr("the result descriptor counts no columns"));
    if (counts.visibleColumns > counts.totalColumns)
        return in.fail(Text::tr("%1 visible columns of %2 in all")
                           .arg(counts.visibleColumns)
                           .arg(counts.totalColumns));
    if (n > in.remaining() / kMinColumnDescriptorBytes)
        return in.fail(Text::tr("a column count of %1 is more than the file can hold").arg(n));
    table.columns.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        if (in.atEnd())
            return in.fail(
                Text::tr("the file ends before column descriptor %1 of %2").arg(i + 1).arg(n));
        if (in.peek() != ColumnDescriptor)
            return in.fail(Text::tr("column descriptor %1 of %2 expected, found token 0x%3")
                               .arg(i + 1)
                               .arg(n)
                               .arg(hex(in.peek())));
        AdtgColumn c;
        if (!readColumn(in, i, c))
            return false;
        if (c.nullable())
            nullable << i;
        table.columns << c;
    }
    return true;
}

// The row count, bounded by the fewest bytes a row takes and by the cells it would make.
bool checkRowCount(Reader& in, const AdtgTable& table, qsizetype nullableColumns, quint32 rowCount)
{
    const qsizetype n = table.columns.size();
    quint64 unchangedRowBytes = 1 + quint64(maskBytes(nullableColumns));
    for (const AdtgColumn& c : table.columns) {
        if (!c.nullable())
            unchangedRowBytes += minValueBytes(c);
    }
    const quint64 insertedRowBytes = 1 + 2 * quint64(maskBytes(n));
    const quint64 rowBytes = std::min(unchangedRowBytes, insertedRowBytes);
    if (quint64(rowCount) * rowBytes > quint64(in.remaining()))
        return in.fail(Text::tr("a row count of %1 is more than the file can hold").arg(rowCount));
    if (quint64(rowCount) * quint64(n) > kMaxCells)
        return in.fail(
            Text::tr("a table of %1 rows of %2 columns is too large").arg(rowCount).arg(n));
    return true;
}

// The rows up to the end mark: unchanged and inserted rows, and the changes and deletions of
// the unchanged row before them.
class RowReader {
public:
    RowReader(Reader& reader, AdtgTable& into, const QList<qsizetype>& nullableColumns,
              quint32 counted)
        : in(reader)
        , table(into)
        , nullable(nullableColumns)
        , rowCount(counted)
        , n(into.columns.size())
    {}

    bool readAll()
    {
        table.rows.reserve(rowCount);
        while (true) {
            if (in.atEnd())
                return in.fail(Text::tr("the file ends without its end mark"));
            const qsizetype rowAt = in.position();
            const quint8 token = in.get<quint8>("row");
            if (token == Done)
                break;
            if (!readRow(token, rowAt))
                return false;
            if (in.failed()) {
                in.addContext(Text::tr(" in the row at offset 0x%1").arg(hex(rowAt)));
                return false;
            }
        }
        if (!in.atEnd())
            return in.fail(Text::tr("%1 bytes after the end mark").arg(in.remaining()));
        // Fewer rows than counted is tolerated: nothing is read that is not there. More are
        // refused, as the count bounds what a file may make us hold.
        return true;
    }

private:
    bool readRow(quint8 token, qsizetype rowAt)
    {
        if ((token == UnchangedRow || token == InsertedRow) &&
            table.rows.size() > qsizetype(rowCount))
            return in.failAt(rowAt,
                             Text::tr("more rows than the %1 the file counts").arg(rowCount));
        switch (token) {
        case UnchangedRow:
            lastIsUnchanged = true;
            return readUnchanged();
        case InsertedRow:
        case ChangedRow:
            if (token == ChangedRow && !lastIsUnchanged)
                return in.failAt(rowAt, Text::tr("a change without the row it changes"));
            lastIsUnchanged = false;
            return readInsertedOrChanged(token == InsertedRow);
        case DeletedRow:
            if (!lastIsUnchanged)
                return in.failAt(rowAt, Text::tr("a deletion without the row it deletes"));
            table.rows.removeLast();
            lastIsUnchanged = false;
            return true;
        default:
            return in.failAt(rowAt, Text::tr("unknown row token 0x%1").arg(hex(token)));
        }
    }

    void readValues(const QByteArray& present, QVariantList& values)
    {
        for (qsizetype k = 0; k < n && !in.failed(); ++k) {
            if (present.isEmpty() || isBitSet(present, k)) {
                values[k] = readValue(in, table.columns[k]);
                if (in.failed())
                    in.addContext(Text::tr(" (column %1)").arg(table.columns[k].name));
            }
        }
    }

    // False only when its mask is cut short (reported without the row's offset).
    bool readUnchanged()
    {
        // The nullable mask over the nullable columns, widened to all columns.
        QByteArray present;
        if (!nullable.isEmpty()) {
            const QByteArray mask = in.bytes(maskBytes(nullable.size()), "row mask");
            if (in.failed())
                return false;
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
        return true;
    }

    bool readInsertedOrChanged(bool inserted)
    {
        const QByteArray set = in.bytes(maskBytes(n), "row mask");
        const QByteArray nulls = in.bytes(maskBytes(n), "row mask");
        if (in.failed())
            return false;
        QVariantList values(n);
        readValues(set, values);
        if (inserted) {
            AdtgRow row;
            row.values = values; // a column in neither mask is NULL
            row.form = AdtgRow::Form::Inserted;
            table.rows << row;
            return true;
        }
        // A column in neither mask keeps its original value.
        QVariantList& original = table.rows.last().values;
        for (qsizetype k = 0; k < n; ++k) {
            if (isBitSet(set, k))
                original[k] = values[k];
            else if (isBitSet(nulls, k))
                original[k] = QVariant();
        }
        return true;
    }

    Reader& in;
    AdtgTable& table;
    const QList<qsizetype>& nullable;
    const quint32 rowCount;
    const qsizetype n;
    bool lastIsUnchanged = false; // a change or deletion applies to the unchanged row before it
};

} // namespace

QDateTime AdtgTimestamp::toDateTime() const
{
    return QDateTime(QDate(year, month, day),
                     QTime(hour, minute, second, int(nanoseconds / 1000000)), Qt::UTC);
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
    QList<qsizetype> nullable;
    std::optional<Counts> counts;
    const bool read = readHeader(in, bytes) && (counts = readPreamble(in)) &&
                      readColumns(in, *counts, table, nullable) &&
                      checkRowCount(in, table, nullable.size(), counts->rows) &&
                      RowReader(in, table, nullable, counts->rows).readAll();
    if (!read) {
        if (error)
            *error = in.error();
        return std::nullopt;
    }
    return table;
}

double toDouble(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<AdtgCurrency>())
        return value.value<AdtgCurrency>().toDouble();
    return value.toDouble();
}

std::optional<QByteArray> readBytes(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > kMaxFileBytes) {
        if (error)
            *error = Text::tr("the file is too large (%1 bytes) for a table").arg(file.size());
        return std::nullopt;
    }
    QByteArray bytes = file.read(kMaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    if (bytes.size() > kMaxFileBytes) {
        if (error)
            *error = Text::tr("the file is too large for a table");
        return std::nullopt;
    }
    return bytes;
}

std::optional<AdtgTable> readFile(const QString& path, QString* error)
{
    const auto bytes = readBytes(path, error);
    if (!bytes)
        return std::nullopt;
    return decode(*bytes, error);
}

} // namespace Adtg
