#include "core/DaySerial.h"
#include "core/GridData.h"
#include "core/GridNumbers.h"
#include "core/Money.h"

#include <cmath>

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

QString GridData::format(GridColumn::Kind kind, qint64 number) const
{
    switch (kind) {
    case GridColumn::Kind::Money:
        return m_locale.toCurrency(Money::fromUnits(number));
    case GridColumn::Kind::YesNo:
        return number != 0 ? tr("True") : tr("False");
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
    return GridNumbers::wholeOf(c.numbers[row]).value_or(0);
}

void GridData::computeTotals()
{
    const int columns = columnCount();
    m_totals = QStringList(columns, QString());
    if (columns > 1)
        m_totals[1] = tr(kTotalsCaption);
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
            const std::optional<qint64> units = GridNumbers::wholeOf(plain * double(Money::kScale));
            sum = units ? std::optional(Money::fromUnits(*units)) : std::nullopt;
            positive = plain > 0;
        }
        if (!positive)
            continue;
        m_totals[c] = sum ? m_locale.toCurrency(*sum) : tr(kTotalOutOfRange);
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
