#include "layout/Adtg.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <cmath>

// The binary ADTG form of a persisted recordset (Layout.set, Help.set):
//   01 header | 02 handler options | 03 result descriptor | 10 rowset context |
//   (05 table descriptor)* | 06 column descriptor x n | rows (07 unchanged, 0D inserted,
//   0A change of the previous 07, 0C deletion of the previous 07) | 0F done.
// Tokens 02, 03, 05, 06 and 10 carry a 16-bit body length. All numbers are little-endian.

namespace {

// The bytes before the first column descriptor, the same in every file of a recordset built
// in code except the counts patched in below (taken from a file the original engine wrote).
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
constexpr qsizetype kVisibleColumnsAt = 0x3B, kTotalColumnsAt = 0x3D, kRowCountAt = 0x45;

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

bool isBitSet(const QByteArray& mask, qsizetype k)
{
    return (static_cast<quint8>(mask[k / 8]) & (0x80 >> (k % 8))) != 0;
}

void setBit(QByteArray& mask, qsizetype k)
{
    mask[k / 8] = char(mask[k / 8] | (0x80 >> (k % 8)));
}

qsizetype maskBytes(qsizetype bits)
{
    return (bits + 7) / 8;
}

// Bytes a string or binary column holds at most.
quint64 byteSize(const AdtgColumn& c)
{
    return c.type == Type::WideString ? quint64(c.maxLength) * 2 : quint64(c.maxLength);
}

// How long a string or binary value's length prefix is: none for a short fixed-length column,
// else one byte while the column's byte size fits in one, else four.
int stringPrefixBytes(const AdtgColumn& c)
{
    const quint64 bytes = byteSize(c);
    const bool fixed = (c.flags & AdtgColumn::kFixedLength) && !(c.flags & AdtgColumn::kLong);
    if (fixed && bytes <= 255)
        return 0;
    return bytes <= 255 ? 1 : 4;
}

class Reader {
public:
    explicit Reader(const QByteArray& bytes)
        : m_bytes(bytes)
    {}

    bool failed() const { return !m_error.isEmpty(); }
    const QString& error() const { return m_error; }
    qsizetype remaining() const { return m_bytes.size() - m_pos; }
    qsizetype position() const { return m_pos; }
    bool atEnd() const { return m_pos >= m_bytes.size(); }

    bool fail(const QString& what)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1 at offset 0x%2").arg(what).arg(m_pos, 0, 16);
        return false;
    }
    const char* take(qsizetype n, const char* what)
    {
        if (n < 0 || n > remaining()) {
            fail(QStringLiteral("truncated %1").arg(QLatin1String(what)));
            return nullptr;
        }
        const char* at = m_bytes.constData() + m_pos;
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
        const char* at = take(units * 2, what);
        if (!at)
            return {};
        QString s(units, Qt::Uninitialized);
        for (qsizetype i = 0; i < units; ++i)
            s[i] = QChar(qFromLittleEndian<quint16>(at + 2 * i));
        return s;
    }
    QString lps(const char* what) { return wide(get<quint16>(what), what); }
    quint8 peek() const { return quint8(m_bytes[m_pos]); }
    void skip(qsizetype n) { m_pos += n; }

private:
    const QByteArray& m_bytes;
    qsizetype m_pos = 0;
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
        const int year = in.get<qint16>("timestamp"), month = in.get<quint16>("timestamp"),
                  day = in.get<quint16>("timestamp"), hour = in.get<quint16>("timestamp"),
                  minute = in.get<quint16>("timestamp"), second = in.get<quint16>("timestamp");
        const quint32 nanoseconds = in.get<quint32>("timestamp");
        return QDateTime(QDate(year, month, day),
                         QTime(hour, minute, second, int(nanoseconds / 1000000)));
    }
    case Type::Bytes:
    case Type::WideString: {
        qsizetype bytes = 0;
        switch (stringPrefixBytes(c)) {
        case 0:
            bytes = qsizetype(byteSize(c));
            break;
        case 1:
            bytes = in.get<quint8>("string length");
            break;
        default: {
            const quint32 n = in.get<quint32>("string length");
            if (n > quint32(in.remaining())) {
                in.fail(QStringLiteral("string of %1 bytes past the end").arg(n));
                return {};
            }
            bytes = qsizetype(n);
        }
        }
        if (c.type == Type::Bytes)
            return in.bytes(bytes, "binary value");
        if (bytes % 2 != 0) {
            in.fail(QStringLiteral("string of an odd byte count"));
            return {};
        }
        QString s = in.wide(bytes / 2, "string");
        if (stringPrefixBytes(c) == 0) // fixed-length text is padded
            while (s.endsWith(u' ') || s.endsWith(QChar(0)))
                s.chop(1);
        return s;
    }
    }
    return {};
}

bool knownType(quint16 type)
{
    switch (type) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 11:
    case 128:
    case 130:
    case 135:
        return true;
    default:
        return false;
    }
}

bool readColumn(Reader& in, AdtgColumn& c)
{
    const quint16 length = in.get<quint16>("column descriptor");
    const qsizetype end = in.position() + length;
    if (in.failed() || length > in.remaining())
        return in.fail(QStringLiteral("truncated column descriptor"));
    const QByteArray presence = in.bytes(3, "column descriptor");
    in.get<quint16>("column ordinal");
    c.name = in.lps("column name");
    if (!presence.isEmpty() && (quint8(presence[0]) & 0x02)) { // the column's base table
        in.get<quint16>("base table");
        in.get<quint16>("base column");
        in.lps("base column name");
    }
    const quint16 type = in.get<quint16>("column type");
    c.maxLength = in.get<quint32>("column size");
    c.precision = in.get<quint32>("column precision");
    c.scale = in.get<quint32>("column scale");
    c.flags = in.get<quint32>("column flags");
    if (in.failed())
        return false;
    if (!knownType(type))
        return in.fail(
            QStringLiteral("column %1 has the unsupported type %2").arg(c.name).arg(type));
    c.type = Type(type);
    if (in.position() > end)
        return in.fail(QStringLiteral("column descriptor longer than its length"));
    in.skip(end - in.position());
    return true;
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

    const QByteArray header = in.bytes(2, "header");
    if (in.failed() || quint8(header[0]) != Header)
        return in.fail(QStringLiteral("not an ADTG file: no header")), failed();
    const QByteArray signature = in.bytes(quint8(header[1]), "header");
    if (in.failed() || !signature.startsWith("TG!"))
        return in.fail(QStringLiteral("not an ADTG file: wrong signature")), failed();

    // The descriptors before the rows: only the columns are needed.
    QList<qsizetype> nullable; // column indexes in the unchanged rows' nullable mask
    bool sawColumns = false;
    while (!in.failed()) {
        if (in.atEnd())
            return in.fail(QStringLiteral("the file ends before its rows")), failed();
        const quint8 token = in.peek();
        if (token == HandlerOptions || token == ResultDescriptor || token == RowsetContext ||
            token == TableDescriptor) {
            in.skip(1);
            const quint16 length = in.get<quint16>("descriptor");
            in.take(length, "descriptor");
        } else if (token == ColumnDescriptor) {
            in.skip(1);
            AdtgColumn c;
            if (!readColumn(in, c))
                break;
            if (c.nullable())
                nullable << table.columns.size();
            table.columns << c;
            sawColumns = true;
        } else {
            break;
        }
    }
    if (in.failed())
        return failed();
    if (!sawColumns)
        return in.fail(QStringLiteral("no column descriptors")), failed();

    const qsizetype n = table.columns.size();
    const auto readValues = [&](const QByteArray& present, QVariantList& values) {
        for (qsizetype k = 0; k < n && !in.failed(); ++k) {
            if (present.isEmpty() || isBitSet(present, k))
                values[k] = readValue(in, table.columns[k]);
        }
    };
    bool lastIsUnchanged = false; // a change or deletion applies to the unchanged row before it
    while (true) {
        if (in.atEnd())
            return in.fail(QStringLiteral("the file ends without its end mark")), failed();
        const quint8 token = in.get<quint8>("row");
        if (token == Done)
            break;
        if (token == UnchangedRow) {
            QByteArray present;
            if (!nullable.isEmpty()) {
                const QByteArray mask = in.bytes(maskBytes(nullable.size()), "row mask");
                present = QByteArray(maskBytes(n), char(0xFF));
                for (qsizetype j = 0; j < nullable.size() && !in.failed(); ++j) {
                    if (!isBitSet(mask, j))
                        present[nullable[j] / 8] =
                            char(present[nullable[j] / 8] & ~(0x80 >> (nullable[j] % 8)));
                }
            }
            AdtgRow row;
            row.values = QVariantList(n);
            readValues(present, row.values);
            table.rows << row;
            lastIsUnchanged = true;
        } else if (token == InsertedRow || token == ChangedRow) {
            const QByteArray set = in.bytes(maskBytes(n), "row mask");
            const QByteArray nulls = in.bytes(maskBytes(n), "row mask");
            if (in.failed())
                return failed();
            if (token == ChangedRow && !lastIsUnchanged)
                return in.fail(QStringLiteral("a change without its row")), failed();
            AdtgRow inserted;
            inserted.values = QVariantList(n);
            inserted.form = AdtgRow::Form::Inserted;
            AdtgRow& row = token == InsertedRow ? inserted : table.rows.last();
            for (qsizetype k = 0; k < n; ++k) {
                if (isBitSet(nulls, k))
                    row.values[k] = QVariant();
            }
            QVariantList changed(n);
            readValues(set, changed);
            for (qsizetype k = 0; k < n; ++k) {
                if (isBitSet(set, k))
                    row.values[k] = changed[k];
            }
            if (token == InsertedRow)
                table.rows << inserted;
            lastIsUnchanged = false;
        } else if (token == DeletedRow) {
            if (!lastIsUnchanged)
                return in.fail(QStringLiteral("a deletion without its row")), failed();
            table.rows.removeLast();
            lastIsUnchanged = false;
        } else {
            return in.fail(QStringLiteral("unknown row token 0x%1").arg(token, 2, 16)), failed();
        }
        if (in.failed())
            return failed();
    }
    if (!in.atEnd())
        return in.fail(QStringLiteral("bytes after the end mark")), failed();
    return table;
}

namespace {

void put(QByteArray& out, auto value)
{
    char b[sizeof value];
    qToLittleEndian(value, b);
    out.append(b, sizeof value);
}

void putWide(QByteArray& out, const QString& s)
{
    for (QChar ch : s)
        put(out, quint16(ch.unicode()));
}

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
    case Type::Currency:
        put(out, qint64(std::llround(v.toDouble() * 10000.0)));
        break;
    case Type::Boolean:
        put(out, quint16(v.toBool() ? 0xFFFF : 0));
        break;
    case Type::Timestamp: {
        const QDateTime t = v.toDateTime();
        for (int part : {t.date().year(), t.date().month(), t.date().day(), t.time().hour(),
                         t.time().minute(), t.time().second()})
            put(out, quint16(part));
        put(out, quint32(t.time().msec()) * 1000000u);
        break;
    }
    case Type::Bytes: {
        QByteArray b = v.toByteArray();
        const int prefix = stringPrefixBytes(c);
        if (prefix == 0)
            b = b.leftJustified(qsizetype(c.maxLength), '\0', true);
        else if (prefix == 1)
            put(out, quint8(std::min<qsizetype>(b.size(), c.maxLength)));
        else
            put(out, quint32(b.size()));
        out.append(prefix == 1 ? b.left(c.maxLength) : b);
        break;
    }
    case Type::WideString: {
        QString s = v.toString();
        switch (stringPrefixBytes(c)) {
        case 0:
            s = s.left(qsizetype(c.maxLength)).leftJustified(qsizetype(c.maxLength), u' ');
            break;
        case 1:
            s.truncate(qsizetype(c.maxLength));
            put(out, quint8(s.size() * 2));
            break;
        default:
            if (c.maxLength != 0xFFFFFFFF)
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
    QByteArray out(kPrefix, kPrefixSize);
    const auto columns = quint16(table.columns.size());
    qToLittleEndian(columns, out.data() + kVisibleColumnsAt);
    qToLittleEndian(columns, out.data() + kTotalColumnsAt);
    qToLittleEndian(quint32(table.rows.size()), out.data() + kRowCountAt);

    QList<qsizetype> nullable;
    for (qsizetype i = 0; i < table.columns.size(); ++i) {
        const AdtgColumn& c = table.columns[i];
        if (c.nullable())
            nullable << i;
        QByteArray body("\x80\x01\x00", 3);
        put(body, quint16(i + 1));
        put(body, quint16(c.name.size()));
        putWide(body, c.name);
        put(body, quint16(c.type));
        put(body, c.maxLength);
        put(body, c.precision);
        put(body, c.scale);
        put(body, c.flags);
        body.append("\x00\x00\xFF\xFF", 4);
        out.append(char(ColumnDescriptor));
        put(out, quint16(body.size()));
        out.append(body);
    }

    const qsizetype n = table.columns.size();
    for (const AdtgRow& row : table.rows) {
        const auto isNull = [&](qsizetype k) {
            return k >= row.values.size() || row.values[k].isNull();
        };
        if (row.form == AdtgRow::Form::Inserted) {
            QByteArray set(maskBytes(n), 0), nulls(maskBytes(n), 0);
            for (qsizetype k = 0; k < n; ++k)
                setBit(isNull(k) ? nulls : set, k);
            out.append(char(InsertedRow)).append(set).append(nulls);
            for (qsizetype k = 0; k < n; ++k) {
                if (!isNull(k))
                    writeValue(out, table.columns[k], row.values[k]);
            }
            continue;
        }
        // An unchanged row can leave out only the nullable columns; the others take their
        // empty value.
        out.append(char(UnchangedRow));
        if (!nullable.isEmpty()) {
            QByteArray mask(maskBytes(nullable.size()), char(0xFF));
            for (qsizetype j = 0; j < nullable.size(); ++j) {
                if (isNull(nullable[j]))
                    mask[j / 8] = char(mask[j / 8] & ~(0x80 >> (j % 8)));
            }
            out.append(mask);
        }
        for (qsizetype k = 0; k < n; ++k) {
            const AdtgColumn& c = table.columns[k];
            if (isNull(k) && c.nullable())
                continue;
            writeValue(out, c, isNull(k) ? QVariant() : row.values[k]);
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
    return decode(file.readAll(), error);
}

bool writeFile(const QString& path, const AdtgTable& table, QString* error)
{
    const QByteArray bytes = encode(table);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace Adtg
