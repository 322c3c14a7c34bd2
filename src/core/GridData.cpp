#include "core/GridData.h"

#include "core/Clock.h"
#include "core/DaySerial.h"
#include "core/Money.h"
#include "core/Session.h"

#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <cmath>

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
    data.m_currencySymbol = session.currencySymbol();

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
    if (data.m_overdue) {
        const int date = data.m_overdue->dateColumn;
        const int paid = data.m_overdue->paidColumn;
        if (date >= fields || paid >= fields || isTextKind(data.m_columns[date].shape.kind) ||
            isTextKind(data.m_columns[paid].shape.kind))
            data.m_overdue.reset();
    }
    if (data.m_overdue) {
        const QDate today = session.clock().today();
        for (int r = 0; r < rows; ++r) {
            if (data.isOverdue(r, today))
                data.m_colours.insert(data.cell(r, data.m_overdue->dateColumn), kOverdueColour);
        }
    }
    data.computeTotals();
    return data;
}

namespace {

double toNumber(const QVariant& value)
{
    bool ok = false;
    const double number = value.isNull() ? 0 : value.toDouble(&ok);
    return ok ? number : std::nan("");
}

} // namespace

void GridData::store(Column& column, const QVariant& value)
{
    if (isTextKind(column.shape.kind))
        column.texts.push_back(value.isNull() ? QString() : value.toString());
    else
        column.numbers.push_back(toNumber(value));
}

QString GridData::format(GridColumn::Kind kind, double number) const
{
    if (std::isnan(number))
        return {};
    switch (kind) {
    case GridColumn::Kind::Money:
        return Money::fromUnits(qint64(number))
            .toCurrencyString(m_locale.locale(), m_currencySymbol);
    case GridColumn::Kind::Date:
        return m_locale.toLongDate(DaySerial::toDate(number));
    case GridColumn::Kind::YesNo:
        return number != 0 ? QStringLiteral("True") : QStringLiteral("False");
    case GridColumn::Kind::Key:
        return QString::number(qint64(number));
    case GridColumn::Kind::Number:
    case GridColumn::Kind::Text:
        break;
    }
    if (std::trunc(number) == number && std::abs(number) < 1e15)
        return QString::number(qint64(number));
    // Up to 15 significant digits, no grouping, the locale's decimal point.
    QString text = QString::number(number, 'g', 15);
    return text.replace(u'.', m_locale.locale().decimalPoint());
}

QString GridData::text(int row, int column) const
{
    if (!m_texts.isEmpty()) {
        const auto given = m_texts.constFind(cell(row, column));
        if (given != m_texts.constEnd())
            return *given;
    }
    const Column& c = m_columns[column];
    return isTextKind(c.shape.kind) ? c.texts[row] : format(c.shape.kind, c.numbers[row]);
}

QVariant GridData::value(int row, int column) const
{
    const Column& c = m_columns[column];
    if (isTextKind(c.shape.kind))
        return c.texts[row].isNull() ? QVariant() : QVariant(c.texts[row]);
    const double number = c.numbers[row];
    if (std::isnan(number))
        return {};
    switch (c.shape.kind) {
    case GridColumn::Kind::Money:
    case GridColumn::Kind::Key:
    case GridColumn::Kind::YesNo:
        return QVariant(qint64(number));
    default:
        return QVariant(number);
    }
}

qint64 GridData::key(int row) const
{
    const Column& c = m_columns[0];
    if (isTextKind(c.shape.kind))
        return c.texts[row].toLongLong();
    return std::isnan(c.numbers[row]) ? 0 : qint64(c.numbers[row]);
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
        Money sum;
        if (kind == GridColumn::Kind::Money) {
            for (double units : m_columns[c].numbers) {
                if (!std::isnan(units))
                    sum += Money::fromUnits(qint64(units));
            }
        } else {
            double plain = 0;
            for (double number : m_columns[c].numbers) {
                if (!std::isnan(number))
                    plain += number;
            }
            sum = Money::fromUnits(std::llround(plain * double(Money::kScale)));
        }
        if (sum > Money())
            m_totals[c] = sum.toCurrencyString(m_locale.locale(), m_currencySymbol);
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
    return m_colours.value(cell(row, column));
}

void GridData::setCell(int row, int column, const QVariant& value)
{
    Column& c = m_columns[column];
    if (isTextKind(c.shape.kind))
        c.texts[row] = value.isNull() ? QString() : value.toString();
    else
        c.numbers[row] = toNumber(value);
    m_texts.remove(cell(row, column));
}

void GridData::setCell(int row, int column, const QVariant& value, const QString& text)
{
    setCell(row, column, value);
    m_texts.insert(cell(row, column), text);
}

void GridData::setCellColour(int row, int column, const QColor& colour)
{
    if (colour.isValid())
        m_colours.insert(cell(row, column), colour);
    else
        m_colours.remove(cell(row, column));
}

bool GridData::isOverdue(int row, QDate today) const
{
    if (!m_overdue)
        return false;
    const double paid = number(row, m_overdue->paidColumn);
    const double date = number(row, m_overdue->dateColumn);
    if (std::isnan(paid) || paid != 0 || std::isnan(date))
        return false;
    // Whole days: the time of day of either side plays no part.
    return DaySerial::toDate(date).daysTo(today) >= m_overdue->days;
}

void GridData::applyOverdueRule(int row, QDate today)
{
    if (m_overdue)
        setCellColour(row, m_overdue->dateColumn,
                      isOverdue(row, today) ? kOverdueColour : QColor());
}
