#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>
#include <QVariant>
#include <optional>

// A Currency value as the file holds it: a count of ten-thousandths of the unit, so it is
// carried exactly (12.5 is 125000).
struct AdtgCurrency {
    qint64 tenThousandths = 0;
    double toDouble() const { return double(tenThousandths) / 10000; }
    bool operator==(const AdtgCurrency&) const = default;
};
Q_DECLARE_METATYPE(AdtgCurrency)

// A Timestamp value field by field, as the file holds it: any fraction of a second (in
// nanoseconds) and any field values are kept, valid as a date or not.
struct AdtgTimestamp {
    qint16 year = 0;
    quint16 month = 0, day = 0, hour = 0, minute = 0, second = 0;
    quint32 nanoseconds = 0;
    // In UTC so that no time is shifted; invalid when the fields make no date and time.
    QDateTime toDateTime() const;
    static AdtgTimestamp fromDateTime(const QDateTime& t); // its own fields, whatever the zone
    bool operator==(const AdtgTimestamp&) const = default;
};
Q_DECLARE_METATYPE(AdtgTimestamp)

// A DBDate value field by field, as the file holds it, valid as a date or not.
struct AdtgDate {
    qint16 year = 0;
    quint16 month = 0, day = 0;
    QDate toDate() const { return QDate(year, month, day); } // invalid when no such day
    bool operator==(const AdtgDate&) const = default;
};
Q_DECLARE_METATYPE(AdtgDate)

// A DBTime value field by field, as the file holds it, valid as a time or not.
struct AdtgTime {
    quint16 hour = 0, minute = 0, second = 0;
    QTime toTime() const { return QTime(hour, minute, second); } // invalid when no such time
    bool operator==(const AdtgTime&) const = default;
};
Q_DECLARE_METATYPE(AdtgTime)

// A table in the binary ADTG persisted-recordset form (Layout.set, Help.set): columns with their
// types, and rows whose values are QVariants (an invalid QVariant is NULL).
//   TinyInt, UnsignedTinyInt, SmallInt, UnsignedSmallInt, Integer -> int; UnsignedInt -> uint;
//   BigInt -> qlonglong; UnsignedBigInt -> qulonglong; Boolean -> bool; Single, Double -> double;
//   Date -> double (day serial); Currency -> AdtgCurrency; Timestamp -> AdtgTimestamp;
//   DbDate -> AdtgDate; DbTime -> AdtgTime; Guid -> QUuid; Bytes -> QByteArray;
//   WideString, Bstr -> QString; NarrowString -> QString (read and written as Windows-1252).
// Whatever is read is written back with the same value, each string and binary value whole.
// Any other column type is refused on read with an error naming the column and the type.
struct AdtgColumn {
    enum class Type : quint16 {
        SmallInt = 2,
        Integer = 3,
        Single = 4,
        Double = 5,
        Currency = 6,
        Date = 7,
        Bstr = 8, // stored as a wide string with a four-byte length, whatever its maxLength
        Boolean = 11,
        TinyInt = 16,
        UnsignedTinyInt = 17,
        UnsignedSmallInt = 18,
        UnsignedInt = 19,
        BigInt = 20,
        UnsignedBigInt = 21,
        Guid = 72,
        Bytes = 128,
        NarrowString = 129,
        WideString = 130,
        DbDate = 133,
        DbTime = 134,
        Timestamp = 135,
    };
    // DBCOLUMNFLAGS as stored in the file.
    static constexpr quint32 kWritable = 0x04, kFixedLength = 0x10, kNullable = 0x20,
                             kMayBeNull = 0x40, kLong = 0x80;

    QString name;
    Type type = Type::WideString;
    quint32 maxLength = 0xFFFFFFFF; // as stored: bytes for fixed types, characters for strings
    quint32 precision = 0;
    quint32 scale = 0;
    quint32 flags = kWritable | kLong;

    bool nullable() const { return (flags & (kNullable | kMayBeNull)) != 0; }

    // Columns as a recordset built in code appends them (default or nullable attributes).
    static AdtgColumn integer(const QString& name, bool nullable = false);
    static AdtgColumn boolean(const QString& name, bool nullable = false);
    static AdtgColumn real(const QString& name, bool nullable = false);
    static AdtgColumn text(const QString& name, bool nullable = false);

    bool operator==(const AdtgColumn&) const = default;
};

struct AdtgRow {
    // How the row is stored: unchanged (token 07) or inserted (token 0D).
    enum class Form { Unchanged, Inserted };
    QVariantList values;
    Form form = Form::Unchanged;
};

struct AdtgTable {
    QList<AdtgColumn> columns;
    QList<AdtgRow> rows; // live rows only: deleted rows are dropped and changes applied on read

    int columnIndex(const QString& name) const; // -1 when absent; names compare ignoring case
};

namespace Adtg {

// Decodes a whole file's bytes. Malformed or truncated input gives nullopt and a reason in
// *error; it never reads past the end or allocates from an unchecked length.
std::optional<AdtgTable> decode(const QByteArray& bytes, QString* error = nullptr);
// The file MDAC would write for the table: its 270-byte prefix with the counts patched, the
// column descriptors, then each row as stored (see AdtgRow::Form) and the end mark. A NULL in a
// column that cannot be NULL is written as 0, false or an empty string. A value its column
// cannot hold whole and exactly (a string longer than its length prefix or fixed width counts,
// a number out of the column's range, text outside Windows-1252 in a narrow column) is never
// cut or replaced: nullopt, and *error names its row and column.
std::optional<QByteArray> encode(const AdtgTable& table, QString* error = nullptr);

std::optional<AdtgTable> readFile(const QString& path, QString* error = nullptr);
// The bytes of a file as readFile takes them in (at most 64 MiB), for a caller that keeps them.
std::optional<QByteArray> readBytes(const QString& path, QString* error = nullptr);
// Written atomically: a crash leaves the old file or the new one.
bool writeFile(const QString& path, const AdtgTable& table, QString* error = nullptr);

// A number value as a double: a Currency value in units, any other as QVariant::toDouble.
double toDouble(const QVariant& value);

} // namespace Adtg
