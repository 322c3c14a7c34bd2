#pragma once

#include "core/LocaleText.h"

#include <QColor>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <vector>

class QSqlField;
class QSqlQuery;
class Session;

// How one column of a list is shown. The database has no money or date column types of its own
// (money is INTEGER ten-thousandths, dates REAL day serials, Yes/No -1/0), so the list that runs
// the query says what each column holds.
struct GridColumn {
    enum class Kind {
        Text,   // plain text
        Money,  // ten-thousandths, shown in the locale currency form with 2 decimals
        Date,   // day serial, shown in the locale's long date form
        Number, // plain number
        YesNo,  // -1 / 0, shown as "True" / "False"
        Key,    // the row's id, shown as plain digits
    };
    Kind kind = Kind::Text;
    int widthTwips = 0; // 0: the widget chooses (dates 1500 twips, others from the contents)
};

// Unpaid invoices whose date is this many days or more before today get a red date.
struct OverdueRule {
    int dateColumn = 1;
    int paidColumn = 8; // a Yes/No column; 0 means unpaid
    int days = 30;
};

// What the caller knows about a query's columns. Columns past the end of `columns` are inferred
// from the field's name and type (GridData::inferKind).
struct GridShape {
    QList<GridColumn> columns;
    std::optional<OverdueRule> overdue;
};

// A query result made ready for a list grid: the header (field names), every cell's value and
// its display text, per-cell text colours and the "Totals" row. Rows are numbered from 0 without
// the header; the totals row is kept apart. Values are kept by column in their plain form (a
// double per number, money, date, key or Yes/No cell; the string itself in a text column) and
// turned into text when asked, so a 35,000-row result costs little more than reading it. Exports
// read the same text the grid shows.
class GridData {
public:
    // A result of more than this many cells, the header row counted, is not shown.
    static constexpr qint64 kCellLimit = 350000;
    static inline const QString kTooManyRecordsMessage =
        QStringLiteral("There Are Too Many Records To Display\nPlease Use Selection Criteria");
    static inline const QString kTotalsCaption = QStringLiteral("Totals");
    static inline const QColor kOverdueColour = QColor(255, 0, 0);
    // Columns never totalled although their cells may be numbers.
    static inline const QStringList kUntotalledColumns = {
        QStringLiteral("Mileage"), QStringLiteral("InvoiceNumber"), QStringLiteral("ClientRef"),
        QStringLiteral("Description")};

    enum class Outcome { Filled, TooManyRecords };

    GridData() = default;

    // Reads an executed query to its end. Over the cell limit the result is empty with the
    // outcome TooManyRecords; the caller shows kTooManyRecordsMessage. Today (for the overdue
    // rule), the locale and the currency symbol come from the session.
    static GridData fromQuery(QSqlQuery& query, const Session& session,
                              const GridShape& shape = {});
    // The refusal without reading: for a caller that counted the rows first.
    static GridData tooManyRecords()
    {
        GridData data;
        data.m_outcome = Outcome::TooManyRecords;
        return data;
    }

    static bool exceedsCellLimit(qint64 records, qint64 fields)
    {
        return (records + 1) * fields > kCellLimit;
    }
    // Column 0 holding an integer is the key; REAL columns named like a date are dates; the
    // money and Yes/No columns of our tables are known by name; other numbers are numbers.
    static GridColumn::Kind inferKind(const QSqlField& field, int index);

    Outcome outcome() const { return m_outcome; }
    bool isEmpty() const { return m_columns.empty(); }

    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return m_rows; }
    const QStringList& header() const { return m_header; }
    const GridColumn& column(int column) const { return m_columns[column].shape; }

    // The text the grid shows: empty for Null, else formatted by the column's kind.
    QString text(int row, int column) const;
    // The stored value: QString for text, qint64 for money (ten-thousandths), keys and Yes/No,
    // double for dates (day serials) and numbers; an invalid QVariant for Null.
    QVariant value(int row, int column) const;
    // The id in column 0 of a row, the invoice or expense id the row stands for.
    qint64 key(int row) const;
    int rowOfKey(qint64 key) const; // -1 when no row has it

    // An invalid colour is the grid's usual text colour.
    QColor cellColour(int row, int column) const;

    // The totals row: "Totals" in column 1 and the positive sums of the totalled columns.
    const QStringList& totals() const { return m_totals; }

    // Change one row in place, as a status change does without a new query. The text is
    // formatted by the column's kind unless given. The totals row is not recomputed.
    void setCell(int row, int column, const QVariant& value);
    void setCell(int row, int column, const QVariant& value, const QString& text);
    void setCellColour(int row, int column, const QColor& colour);

    // Whether the row's date is red under the overdue rule on the given day (false without one).
    bool isOverdue(int row, QDate today) const;
    // Sets the date cell red when the row is overdue, else back to the usual colour.
    void applyOverdueRule(int row, QDate today);
    const std::optional<OverdueRule>& overdueRule() const { return m_overdue; }

private:
    struct Column {
        GridColumn shape;
        std::vector<QString> texts;  // Text columns; a null QString is Null
        std::vector<double> numbers; // other kinds; NaN is Null. Exact to 2^53 ten-thousandths.
    };

    qsizetype cell(int row, int column) const { return qsizetype(row) * columnCount() + column; }
    static bool isTextKind(GridColumn::Kind kind) { return kind == GridColumn::Kind::Text; }
    static void store(Column& column, const QVariant& value);
    double number(int row, int column) const { return m_columns[column].numbers[row]; }
    QString format(GridColumn::Kind kind, double number) const;
    void computeTotals();

    Outcome m_outcome = Outcome::Filled;
    QStringList m_header;
    std::vector<Column> m_columns;
    int m_rows = 0;
    QHash<qsizetype, QString> m_texts;  // texts given by setCell, in place of the formatted ones
    QHash<qsizetype, QColor> m_colours; // sparse: few cells are coloured
    QStringList m_totals;
    std::optional<OverdueRule> m_overdue;
    LocaleText m_locale;
    QString m_currencySymbol;
};
