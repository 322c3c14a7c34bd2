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
    case Type::Timestamp: {
        const char* at = in.take(16, "timestamp");
        if (!at)
            return {};
        const auto part = [at](int i) { return qFromLittleEndian<quint16>(at + 2 * i); };
        return QVariant::fromValue(AdtgTimestamp{qFromLittleEndian<qint16>(at), part(1), part(2),
                                                 part(3), part(4), part(5),
                                                 qFromLittleEndian<quint32>(at + 12)});
    }
    case Type::Bstr:
    case Type::Bytes:
    case Type::NarrowString:
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
        if (c.type == Type::NarrowString) {
            const QByteArray bytes = in.bytes(length, "string");
            return in.failed() ? QVariant() : QVariant(Windows1252::decode(bytes));
        }
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
    if (isVariableLength(c.type) && lengthPrefixBytes(c) == 0 && c.maxLength == 0)
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
            *error =
                QStringLiteral("the file is too large (%1 bytes) for a table").arg(file.size());
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
            *error = QStringLiteral("the file is too large for a table");
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
