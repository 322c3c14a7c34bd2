#include "core/GridData.h"

#include "core/Database.h"
#include "core/DaySerial.h"
#include "core/GridNumbers.h"
#include "core/SqliteValue.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>
#include <limits>
#include <memory>
#include <sqlite3.h>

namespace {

bool isIntegerType(int typeId)
{
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return true;
    default:
        return false;
    }
}

bool isNumberType(int typeId)
{
    return isIntegerType(typeId) || typeId == QMetaType::Double || typeId == QMetaType::Float;
}

} // namespace

GridColumn::Kind GridData::inferKind(const QSqlField& field, int index)
{
    const int type = field.metaType().id();
    const QString name = field.name();
    if (!isNumberType(type))
        return GridColumn::Kind::Text;
    if (!isIntegerType(type) && name.contains(QLatin1String("date"), Qt::CaseInsensitive))
        return GridColumn::Kind::Date;
    if (index == 0 && isIntegerType(type))
        return GridColumn::Kind::Key;
    static const QStringList moneyNames = {QStringLiteral("Value"), QStringLiteral("VAT"),
                                           QStringLiteral("Total")};
    static const QStringList yesNoNames = {QStringLiteral("Paid"), QStringLiteral("BadDebt"),
                                           QStringLiteral("Alert")};
    if (isIntegerType(type) && moneyNames.contains(name, Qt::CaseInsensitive))
        return GridColumn::Kind::Money;
    if (isIntegerType(type) && yesNoNames.contains(name, Qt::CaseInsensitive))
        return GridColumn::Kind::YesNo;
    return GridColumn::Kind::Number;
}

GridData GridData::fromQuery(QSqlQuery& query, const GridContext& context, const GridShape& shape)
{
    return fromRows(query, context, shape, true);
}

GridData GridData::fromRows(QSqlQuery& query, const GridContext& context, const GridShape& shape,
                            bool infer)
{
    GridData data;
    data.m_locale = context.locale;

    const QSqlRecord record = query.record();
    const int fields = record.count();
    if (fields == 0)
        return data;

    // A server folds the names to lower case: the header reads as on a file.
    const bool folded = query.driver() && query.driver()->dbmsType() == QSqlDriver::PostgreSQL;
    std::vector<Column> columns(fields);
    QStringList header;
    for (int i = 0; i < fields; ++i) {
        header << (folded ? canonicalName(record.fieldName(i)) : record.fieldName(i));
        if (i < shape.columns.size())
            columns[i].shape = shape.columns[i];
        else if (infer)
            columns[i].shape = GridColumn{inferKind(record.field(i), i), 0};
    }

    int rows = 0;
    while (query.next()) {
        ++rows;
        if (exceedsCellLimit(rows, fields)) {
            // Counting on could only make it larger; the rest of the result is left unread.
            data.m_outcome = Outcome::TooManyRecords;
            return data;
        }
        for (int i = 0; i < fields; ++i)
            store(columns[i], query.value(i));
    }

    data.m_header = std::move(header);
    data.m_columns = std::move(columns);
    data.m_rows = rows;
    data.m_overdue = shape.overdue;
    data.finish(context.today);
    return data;
}

Result<GridData> GridData::fromStatement(sqlite3_stmt* statement, const GridContext& context,
                                         const GridShape& shape)
{
    GridData data;
    data.m_locale = context.locale;

    const int fields = sqlite3_column_count(statement);
    if (fields == 0)
        return data;

    std::vector<Column> columns(fields);
    QStringList header;
    for (int i = 0; i < fields; ++i) {
        header << QString::fromUtf8(sqlite3_column_name(statement, i));
        columns[i].shape = i < shape.columns.size() ? shape.columns[i] : GridColumn{};
    }

    int rows = 0;
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        ++rows;
        if (exceedsCellLimit(rows, fields)) {
            data.m_outcome = Outcome::TooManyRecords;
            return data;
        }
        for (int i = 0; i < fields; ++i)
            store(columns[i], statement, i);
    }
    if (step != SQLITE_DONE)
        return Failure{QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(statement))) + u' ' +
                       QCoreApplication::translate("QSQLiteResult", "Unable to fetch row")};

    data.m_header = std::move(header);
    data.m_columns = std::move(columns);
    data.m_rows = rows;
    data.m_overdue = shape.overdue;
    data.finish(context.today);
    return data;
}

// A skeleton's columns, each with its shape, once the statement's `read` columns are known to
// fill the grid columns `filled` names.
Result<std::vector<GridData::Column>> GridData::skeletonColumns(const QStringList& header,
                                                                const GridShape& shape,
                                                                const QList<int>& filled, int read)
{
    const int fields = int(header.size());
    if (fields == 0 || read < filled.size())
        return Failure{tr("The list's statement does not match its columns.")};
    for (int column : filled) {
        if (column < 0 || column >= fields)
            return Failure{tr("The list's statement does not match its columns.")};
    }
    std::vector<Column> columns(fields);
    for (int i = 0; i < fields; ++i)
        columns[i].shape = i < shape.columns.size() ? shape.columns[i] : GridColumn{};
    return columns;
}

Result<GridData> GridData::skeletonFromStatement(sqlite3_stmt* statement,
                                                 const GridContext& context,
                                                 const QStringList& header, const GridShape& shape,
                                                 const QList<int>& filled, const RowTest& keep)
{
    GridData data;
    data.m_locale = context.locale;
    const int fields = int(header.size());
    Result<std::vector<Column>> made =
        skeletonColumns(header, shape, filled, sqlite3_column_count(statement));
    if (!made)
        return Failure{made.error()};
    std::vector<Column>& columns = *made;
    int rows = 0;
    int step;
    while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
        if (keep && !keep(statement))
            continue;
        ++rows;
        if (exceedsCellLimit(rows, fields)) {
            data.m_outcome = Outcome::TooManyRecords;
            return data;
        }
        for (int i = 0; i < filled.size(); ++i)
            store(columns[filled[i]], statement, i);
    }
    if (step != SQLITE_DONE)
        return Failure{QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(statement))) + u' ' +
                       QCoreApplication::translate("QSQLiteResult", "Unable to fetch row")};

    data.m_header = header;
    data.m_columns = std::move(columns);
    data.m_rows = rows;
    data.m_overdue = shape.overdue;
    data.computeTotals();
    return data;
}

void GridData::finish(QDate today)
{
    const int fields = columnCount();
    if (m_overdue) {
        const int date = m_overdue->dateColumn;
        const int paid = m_overdue->paidColumn;
        if (date < 0 || paid < 0 || date >= fields || paid >= fields ||
            isTextKind(m_columns[date].shape.kind) || isTextKind(m_columns[paid].shape.kind))
            m_overdue.reset();
    }
    if (m_overdue) {
        for (int r = 0; r < m_rows; ++r) {
            if (isOverdue(r, today))
                m_colours.insert(cell(r, m_overdue->dateColumn), kOverdueColour);
        }
    }
    computeTotals();
}

namespace {

using GridNumbers::wholeOf;

// A stored money, key or Yes/No value exactly as an integer. SQLite hands back what was stored,
// which for a hand-edited or foreign file may be a REAL or text.
std::optional<qint64> toInteger(const QVariant& value)
{
    if (value.isNull())
        return std::nullopt;
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
        return value.toLongLong();
    case QMetaType::ULongLong: {
        const qulonglong n = value.toULongLong();
        return n > qulonglong(std::numeric_limits<qint64>::max()) ? std::nullopt
                                                                  : std::optional(qint64(n));
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return wholeOf(value.toDouble());
    default: {
        const QString text = value.toString();
        bool ok = false;
        const qint64 n = text.toLongLong(&ok);
        if (ok)
            return n;
        const double d = text.toDouble(&ok);
        return ok ? wholeOf(d) : std::nullopt;
    }
    }
}

// A date or number cell; NaN (Null) for what is no finite number, or no day serial in a date
// column.
double toReal(const QVariant& value, GridColumn::Kind kind)
{
    bool ok = false;
    const double number = value.isNull() ? 0 : value.toDouble(&ok);
    if (!ok || !std::isfinite(number) ||
        (kind == GridColumn::Kind::Date && !DaySerial::isDaySerial(number)))
        return std::nan("");
    return number;
}

} // namespace

GridData::Storage GridData::storageOf(GridColumn::Kind kind)
{
    switch (kind) {
    case GridColumn::Kind::Text:
        return Storage::Text;
    case GridColumn::Kind::Money:
    case GridColumn::Kind::Key:
    case GridColumn::Kind::YesNo:
        return Storage::Integer;
    case GridColumn::Kind::Date:
    case GridColumn::Kind::Number:
        break;
    }
    return Storage::Real;
}

void GridData::store(Column& column, const QVariant& value)
{
    switch (storageOf(column.shape.kind)) {
    case Storage::Text:
        column.texts.push_back(value.isNull() ? QString() : value.toString());
        break;
    case Storage::Integer:
        column.integers.push_back(toInteger(value));
        break;
    case Storage::Real:
        column.numbers.push_back(toReal(value, column.shape.kind));
        break;
    }
}

namespace {

// A cell as Qt's SQLite driver gives it: a NULL is a null QString, text is read as UTF-16.
QVariant variantOf(sqlite3_stmt* statement, int index)
{
    switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(statement, index)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, index));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, index)),
                          sqlite3_column_bytes(statement, index));
    default:
        break;
    }
    const auto* text = static_cast<const QChar*>(sqlite3_column_text16(statement, index));
    return QString(text, sqlite3_column_bytes16(statement, index) / qsizetype(sizeof(QChar)));
}

} // namespace

void GridData::store(Column& column, sqlite3_stmt* statement, int index)
{
    // The usual pairs of storage and stored type are read directly; the rest as fromQuery would.
    const int type = sqlite3_column_type(statement, index);
    switch (storageOf(column.shape.kind)) {
    case Storage::Text:
        if (type == SQLITE_NULL) {
            column.texts.emplace_back();
            return;
        }
        if (type == SQLITE_TEXT) {
            // Read as the UTF-8 it is stored in: SQLite's own UTF-16 conversion costs more than
            // the rest of the row. The texts were written from QStrings, so they are valid UTF-8.
            // An empty text stays a text (not Null), as Qt's driver gives it.
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, index));
            const int bytes = sqlite3_column_bytes(statement, index);
            column.texts.push_back(bytes > 0 ? QString::fromUtf8(text, bytes) : QStringLiteral(""));
            return;
        }
        break;
    case Storage::Integer:
        if (type == SQLITE_NULL) {
            column.integers.emplace_back();
            return;
        }
        if (type == SQLITE_INTEGER) {
            column.integers.emplace_back(qint64(sqlite3_column_int64(statement, index)));
            return;
        }
        break;
    case Storage::Real:
        if (type == SQLITE_NULL) {
            column.numbers.push_back(std::nan(""));
            return;
        }
        if (type == SQLITE_INTEGER || type == SQLITE_FLOAT) {
            const double number = sqlite3_column_double(statement, index);
            const bool date = column.shape.kind == GridColumn::Kind::Date;
            column.numbers.push_back(
                !std::isfinite(number) || (date && !DaySerial::isDaySerial(number)) ? std::nan("")
                                                                                    : number);
            return;
        }
        break;
    }
    store(column, variantOf(statement, index));
}

void GridData::replace(Column& column, int row, const QVariant& value)
{
    switch (storageOf(column.shape.kind)) {
    case Storage::Text:
        column.texts[row] = value.isNull() ? QString() : value.toString();
        break;
    case Storage::Integer:
        column.integers[row] = toInteger(value);
        break;
    case Storage::Real:
        column.numbers[row] = toReal(value, column.shape.kind);
        break;
    }
}

QString GridData::canonicalName(const QString& field)
{
    // Every column of the books' tables, and the name the expense lists give Milage.
    static const QHash<QString, QString> names = [] {
        QStringList spelt = Database::columnNames();
        spelt << QStringLiteral("Mileage");
        QHash<QString, QString> byFolded;
        for (const QString& name : spelt)
            byFolded.insert(name.toLower(), name);
        return byFolded;
    }();
    return names.value(field, field);
}

Result<GridData> GridData::read(Database& db, const GridContext& context, const QString& sql,
                                const QVariantList& values, const GridShape& shape)
{
    sqlite3* connection = db.sqliteHandle();
    if (!connection) {
        return db.query(sql, values,
                        [&](QSqlQuery& q) { return fromRows(q, context, shape, false); });
    }
    // Worded as Qt's driver words a failed statement, as every other database error is shown.
    const auto failed = [connection] {
        return Failure{QString::fromUtf8(sqlite3_errmsg(connection)) + u' ' +
                       QCoreApplication::translate("QSQLiteResult", "Unable to execute statement")};
    };
    sqlite3_stmt* prepared = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(connection, text.constData(), int(text.size()), &prepared, nullptr) !=
        SQLITE_OK)
        return failed();
    const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> finalize(prepared,
                                                                         sqlite3_finalize);
    for (int i = 0; i < values.size(); ++i) {
        if (bindSqliteValue(prepared, i + 1, values[i]) != SQLITE_OK)
            return failed();
    }
    return fromStatement(prepared, context, shape);
}

Result<GridData> GridData::skeletonFromQuery(QSqlQuery& query, const GridContext& context,
                                             const QStringList& header, const GridShape& shape,
                                             const QList<int>& filled)
{
    GridData data;
    data.m_locale = context.locale;
    const int fields = int(header.size());
    Result<std::vector<Column>> made =
        skeletonColumns(header, shape, filled, query.record().count());
    if (!made)
        return Failure{made.error()};
    std::vector<Column>& columns = *made;
    int rows = 0;
    while (query.next()) {
        ++rows;
        if (exceedsCellLimit(rows, fields)) {
            data.m_outcome = Outcome::TooManyRecords;
            return data;
        }
        for (int i = 0; i < filled.size(); ++i)
            store(columns[filled[i]], query.value(i));
    }
    if (query.lastError().isValid()) // a read that broke off is not the whole list
        return Failure{query.lastError().text()};

    data.m_header = header;
    data.m_columns = std::move(columns);
    data.m_rows = rows;
    data.m_overdue = shape.overdue;
    data.computeTotals();
    return data;
}
