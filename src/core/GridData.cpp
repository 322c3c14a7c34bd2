#include "core/GridData.h"

#include "core/Clock.h"
#include "core/DaySerial.h"
#include "core/Money.h"
#include "core/Session.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>
#include <cmath>
#include <limits>
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

GridData GridData::fromQuery(QSqlQuery& query, const Session& session, const GridShape& shape)
{
    GridData data;
    data.m_locale = session.locale();

    const QSqlRecord record = query.record();
    const int fields = record.count();
    if (fields == 0)
        return data;

    std::vector<Column> columns(fields);
    QStringList header;
    for (int i = 0; i < fields; ++i) {
        header << record.fieldName(i);
        columns[i].shape = i < shape.columns.size() ? shape.columns[i]
                                                    : GridColumn{inferKind(record.field(i), i), 0};
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
    data.finish(session);
    return data;
}

Result<GridData> GridData::fromStatement(sqlite3_stmt* statement, const Session& session,
                                         const GridShape& shape)
{
    GridData data;
    data.m_locale = session.locale();

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
        return Failure{QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(statement))) +
                       QStringLiteral(" Unable to fetch row")};

    data.m_header = std::move(header);
    data.m_columns = std::move(columns);
    data.m_rows = rows;
    data.m_overdue = shape.overdue;
    data.finish(session);
    return data;
}

Result<GridData> GridData::skeletonFromStatement(sqlite3_stmt* statement, const Session& session,
                                                 const QStringList& header, const GridShape& shape,
                                                 const QList<int>& filled, const RowTest& keep)
{
    GridData data;
    data.m_locale = session.locale();
    const int fields = int(header.size());
    const int read = sqlite3_column_count(statement);
    if (fields == 0 || read < filled.size())
        return Failure{QStringLiteral("The list's statement does not match its columns.")};
    for (int column : filled) {
        if (column < 0 || column >= fields)
            return Failure{QStringLiteral("The list's statement does not match its columns.")};
    }

    std::vector<Column> columns(fields);
    for (int i = 0; i < fields; ++i)
        columns[i].shape = i < shape.columns.size() ? shape.columns[i] : GridColumn{};
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
        return Failure{QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(statement))) +
                       QStringLiteral(" Unable to fetch row")};

    data.m_header = header;
    data.m_columns = std::move(columns);
    data.m_rows = rows;
    data.m_overdue = shape.overdue;
    data.computeTotals();
    return data;
}

bool GridData::isRead(int column) const
{
    const Column& c = m_columns[column];
    switch (storageOf(c.shape.kind)) {
    case Storage::Text:
        return qsizetype(c.texts.size()) == m_rows;
    case Storage::Integer:
        return qsizetype(c.integers.size()) == m_rows;
    case Storage::Real:
        break;
    }
    return qsizetype(c.numbers.size()) == m_rows;
}

void GridData::finish(const Session& session)
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
        const QDate today = session.clock().today();
        for (int r = 0; r < m_rows; ++r) {
            if (isOverdue(r, today))
                m_colours.insert(cell(r, m_overdue->dateColumn), kOverdueColour);
        }
    }
    computeTotals();
}

namespace {

constexpr double kTwoTo63 = 0x1p63;

// A double as a whole 64-bit count; nullopt for NaN, infinities and anything past 2^63, whose
// conversion would be undefined.
std::optional<qint64> wholeOf(double number)
{
    const double rounded = std::round(number);
    if (!(rounded >= -kTwoTo63 && rounded < kTwoTo63))
        return std::nullopt;
    return qint64(rounded);
}

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

QString GridData::format(GridColumn::Kind kind, qint64 number) const
{
    switch (kind) {
    case GridColumn::Kind::Money:
        return m_locale.toCurrency(Money::fromUnits(number));
    case GridColumn::Kind::YesNo:
        return number != 0 ? QStringLiteral("True") : QStringLiteral("False");
    default:
        return QString::number(number);
    }
}

QString GridData::format(GridColumn::Kind kind, double number) const
{
    if (std::isnan(number))
        return {};
    if (kind == GridColumn::Kind::Date)
        return DaySerial::isDaySerial(number) ? m_locale.toLongDate(DaySerial::toDate(number))
                                              : QString();
    if (std::trunc(number) == number && std::abs(number) < 1e15)
        return QString::number(qint64(number));
    // Up to 15 significant digits, no grouping, the locale's decimal point.
    QString text = QString::number(number, 'g', 15);
    return text.replace(u'.', m_locale.locale().decimalPoint());
}

const GridColumn& GridData::column(int column) const
{
    static const GridColumn none;
    return column >= 0 && column < columnCount() ? m_columns[column].shape : none;
}

QString GridData::text(int row, int column) const
{
    if (!contains(row, column) || !isRead(column))
        return {};
    if (!m_texts.isEmpty()) {
        const auto given = m_texts.constFind(cell(row, column));
        if (given != m_texts.constEnd())
            return *given;
    }
    const Column& c = m_columns[column];
    switch (storageOf(c.shape.kind)) {
    case Storage::Text:
        return c.texts[row];
    case Storage::Integer:
        return c.integers[row] ? format(c.shape.kind, *c.integers[row]) : QString();
    case Storage::Real:
        break;
    }
    return format(c.shape.kind, c.numbers[row]);
}

QVariant GridData::value(int row, int column) const
{
    if (!contains(row, column) || !isRead(column))
        return {};
    const Column& c = m_columns[column];
    switch (storageOf(c.shape.kind)) {
    case Storage::Text:
        return c.texts[row].isNull() ? QVariant() : QVariant(c.texts[row]);
    case Storage::Integer:
        return c.integers[row] ? QVariant(*c.integers[row]) : QVariant();
    case Storage::Real:
        break;
    }
    return std::isnan(c.numbers[row]) ? QVariant() : QVariant(c.numbers[row]);
}

std::optional<double> GridData::number(int row, int column) const
{
    if (!contains(row, column) || !isRead(column))
        return std::nullopt;
    const Column& c = m_columns[column];
    switch (storageOf(c.shape.kind)) {
    case Storage::Text:
        return std::nullopt;
    case Storage::Integer:
        return c.integers[row] ? std::optional(double(*c.integers[row])) : std::nullopt;
    case Storage::Real:
        break;
    }
    return std::isnan(c.numbers[row]) ? std::nullopt : std::optional(c.numbers[row]);
}

qint64 GridData::key(int row) const
{
    if (!contains(row, 0) || !isRead(0))
        return 0;
    const Column& c = m_columns[0];
    switch (storageOf(c.shape.kind)) {
    case Storage::Text:
        return c.texts[row].toLongLong();
    case Storage::Integer:
        return c.integers[row].value_or(0);
    case Storage::Real:
        break;
    }
    return wholeOf(c.numbers[row]).value_or(0);
}

void GridData::computeTotals()
{
    const int columns = columnCount();
    m_totals = QStringList(columns, QString());
    if (columns > 1)
        m_totals[1] = kTotalsCaption;
    // Only money and number columns are added up: a text column of numeric names (a company
    // called "1984") is not a quantity. Column 0 is the key and never added.
    for (int c = 1; c < columns; ++c) {
        const GridColumn::Kind kind = m_columns[c].shape.kind;
        if (kind != GridColumn::Kind::Money && kind != GridColumn::Kind::Number)
            continue;
        if (kUntotalledColumns.contains(m_header[c]))
            continue;
        std::optional<Money> sum;
        bool positive = false;
        if (kind == GridColumn::Kind::Money) {
            // Exact however large the amounts: only the sum itself has to fit.
            MoneySum exact;
            for (const std::optional<qint64>& units : m_columns[c].integers) {
                if (units)
                    exact.add(Money::fromUnits(*units));
            }
            sum = exact.value();
            positive = exact.isPositive();
        } else {
            double plain = 0;
            for (double number : m_columns[c].numbers) {
                if (!std::isnan(number))
                    plain += number;
            }
            const std::optional<qint64> units = wholeOf(plain * double(Money::kScale));
            sum = units ? std::optional(Money::fromUnits(*units)) : std::nullopt;
            positive = plain > 0;
        }
        if (!positive)
            continue;
        m_totals[c] = sum ? m_locale.toCurrency(*sum) : kTotalOutOfRange;
    }
}

int GridData::rowOfKey(qint64 key) const
{
    for (int r = 0; r < m_rows; ++r) {
        if (this->key(r) == key)
            return r;
    }
    return -1;
}

QColor GridData::cellColour(int row, int column) const
{
    return contains(row, column) ? m_colours.value(cell(row, column)) : QColor();
}

bool GridData::setCell(int row, int column, const QVariant& value)
{
    if (!contains(row, column) || !isRead(column))
        return false;
    replace(m_columns[column], row, value);
    m_texts.remove(cell(row, column));
    return true;
}

bool GridData::setCell(int row, int column, const QVariant& value, const QString& text)
{
    if (!setCell(row, column, value))
        return false;
    m_texts.insert(cell(row, column), text);
    return true;
}

bool GridData::setCellColour(int row, int column, const QColor& colour)
{
    if (!contains(row, column))
        return false;
    if (colour.isValid())
        m_colours.insert(cell(row, column), colour);
    else
        m_colours.remove(cell(row, column));
    return true;
}

bool GridData::isOverdue(int row, QDate today) const
{
    if (!m_overdue)
        return false;
    const std::optional<double> paid = number(row, m_overdue->paidColumn);
    const std::optional<double> date = number(row, m_overdue->dateColumn);
    if (!paid || *paid != 0 || !date || !DaySerial::isDaySerial(*date))
        return false;
    // Whole days: the time of day of either side plays no part.
    return DaySerial::toDate(*date).daysTo(today) >= m_overdue->days;
}

void GridData::applyOverdueRule(int row, QDate today)
{
    if (m_overdue)
        setCellColour(row, m_overdue->dateColumn,
                      isOverdue(row, today) ? kOverdueColour : QColor());
}

PagedGrid::PagedGrid(GridData all)
    : m_skeleton(std::move(all))
{}

PagedGrid::PagedGrid(GridData skeleton, Fetch fetch)
    : m_skeleton(std::move(skeleton))
    , m_fetch(m_skeleton.rowCount() > 0 ? std::move(fetch) : Fetch())
{}

GridData* PagedGrid::page(int row, int* local) const
{
    const int index = row / kPageRows;
    *local = row % kPageRows;
    auto found = m_pages.find(index);
    if (found == m_pages.end()) {
        const int first = index * kPageRows;
        const int end = std::min(rowCount(), first + kPageRows);
        QList<qint64> keys;
        keys.reserve(end - first);
        for (int r = first; r < end; ++r)
            keys << m_skeleton.key(r);
        Result<GridData> read = m_fetch(keys);
        if (!read) {
            m_readError = read.error();
            return nullptr;
        }
        if (read->rowCount() != keys.size() || read->columnCount() != columnCount()) {
            m_readError = QStringLiteral("The rows read do not match the list's keys.");
            return nullptr;
        }
        m_readError.clear();
        found = m_pages.emplace(index, Page{std::move(*read)}).first;
        found->second.used = ++m_clock;
        evict();
    }
    found->second.used = ++m_clock;
    return &found->second.rows;
}

void PagedGrid::evict() const
{
    for (;;) {
        auto oldest = m_pages.end();
        int unpinned = 0;
        for (auto i = m_pages.begin(); i != m_pages.end(); ++i) {
            if (i->second.pinned)
                continue;
            ++unpinned;
            if (oldest == m_pages.end() || i->second.used < oldest->second.used)
                oldest = i;
        }
        if (unpinned <= kCachedPages)
            return;
        m_pages.erase(oldest);
    }
}

template <typename T, typename Read> T PagedGrid::readCell(int row, int column, Read read) const
{
    if (!m_fetch)
        return read(m_skeleton, row);
    int local = 0;
    const GridData* rows = m_skeleton.contains(row, column) ? page(row, &local) : nullptr;
    return rows ? read(*rows, local) : T();
}

QString PagedGrid::text(int row, int column) const
{
    return readCell<QString>(row, column,
                             [column](const GridData& d, int r) { return d.text(r, column); });
}

QVariant PagedGrid::value(int row, int column) const
{
    return readCell<QVariant>(row, column,
                              [column](const GridData& d, int r) { return d.value(r, column); });
}

QColor PagedGrid::cellColour(int row, int column) const
{
    return readCell<QColor>(row, column,
                            [column](const GridData& d, int r) { return d.cellColour(r, column); });
}

bool PagedGrid::setCell(int row, int column, const QVariant& value)
{
    if (!m_fetch)
        return m_skeleton.setCell(row, column, value);
    int local = 0;
    GridData* rows = m_skeleton.contains(row, column) ? page(row, &local) : nullptr;
    if (!rows)
        return false;
    m_pages[row / kPageRows].pinned = true;
    return rows->setCell(local, column, value);
}

bool PagedGrid::setCell(int row, int column, const QVariant& value, const QString& text)
{
    if (!m_fetch)
        return m_skeleton.setCell(row, column, value, text);
    int local = 0;
    GridData* rows = m_skeleton.contains(row, column) ? page(row, &local) : nullptr;
    if (!rows)
        return false;
    m_pages[row / kPageRows].pinned = true;
    return rows->setCell(local, column, value, text);
}

bool PagedGrid::setCellColour(int row, int column, const QColor& colour)
{
    if (!m_fetch)
        return m_skeleton.setCellColour(row, column, colour);
    int local = 0;
    GridData* rows = m_skeleton.contains(row, column) ? page(row, &local) : nullptr;
    if (!rows)
        return false;
    m_pages[row / kPageRows].pinned = true;
    return rows->setCellColour(local, column, colour);
}

void PagedGrid::applyOverdueRule(int row, QDate today)
{
    if (!m_fetch)
        return m_skeleton.applyOverdueRule(row, today);
    int local = 0;
    GridData* rows = m_skeleton.contains(row, 0) ? page(row, &local) : nullptr;
    if (!rows)
        return;
    m_pages[row / kPageRows].pinned = true;
    rows->applyOverdueRule(local, today);
}

const GridData& PagedGrid::all() const
{
    static const GridData unread;
    return readAll() ? m_skeleton : unread;
}

Status PagedGrid::readAll() const
{
    if (!m_fetch)
        return Done{};
    // The skeleton's header, kinds, totals and rule, its rows replaced by the pages' in order.
    GridData whole;
    whole.m_outcome = m_skeleton.m_outcome;
    whole.m_header = m_skeleton.m_header;
    whole.m_totals = m_skeleton.m_totals;
    whole.m_overdue = m_skeleton.m_overdue;
    whole.m_locale = m_skeleton.m_locale;
    for (const GridData::Column& c : m_skeleton.m_columns)
        whole.m_columns.push_back(GridData::Column{c.shape, {}, {}, {}});
    const int columns = columnCount();
    for (int first = 0; first < rowCount(); first += kPageRows) {
        int local = 0;
        const GridData* rows = page(first, &local);
        if (!rows)
            return Failure{m_readError}; // stop here, so no later good page clears the reason
        const qsizetype offset = qsizetype(whole.m_rows) * columns;
        for (int c = 0; c < columns; ++c) {
            GridData::Column& into = whole.m_columns[c];
            const GridData::Column& from = rows->m_columns[c];
            into.texts.insert(into.texts.end(), from.texts.begin(), from.texts.end());
            into.integers.insert(into.integers.end(), from.integers.begin(), from.integers.end());
            into.numbers.insert(into.numbers.end(), from.numbers.begin(), from.numbers.end());
        }
        for (auto i = rows->m_texts.constBegin(); i != rows->m_texts.constEnd(); ++i)
            whole.m_texts.insert(offset + i.key(), i.value());
        for (auto i = rows->m_colours.constBegin(); i != rows->m_colours.constEnd(); ++i)
            whole.m_colours.insert(offset + i.key(), i.value());
        whole.m_rows += rows->rowCount();
    }
    m_skeleton = std::move(whole);
    m_fetch = {};
    m_pages.clear();
    return Done{};
}
