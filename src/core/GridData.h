#pragma once

#include "core/LocaleText.h"
#include "core/Result.h"

#include <QColor>
#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

class Database;
class QSqlField;
class QSqlQuery;
struct sqlite3_stmt;

// What a list's texts and colours depend on besides its rows: the locale its cells are written
// in, and today for the overdue rule.
struct GridContext {
    LocaleText locale;
    QDate today;
};

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
// the header; the totals row is kept apart. Values are kept by column in their plain form (an
// exact 64-bit integer per money, key or Yes/No cell; a double per date or number cell; the
// string itself in a text column) and turned into text when asked, so a 35,000-row result costs
// little more than reading it. Exports read the same text the grid shows. Row and column numbers
// from callers are checked: outside the grid, readers give an empty answer and setters change
// nothing.
class GridData {
    Q_DECLARE_TR_FUNCTIONS(GridData)
public:
    // A result of more than this many cells, the header row counted, is not shown.
    static constexpr qint64 kCellLimit = 350000;
    static constexpr const char* kTooManyRecordsMessage =
        QT_TR_NOOP("There Are Too Many Records To Display\nPlease Use Selection Criteria");
    static constexpr const char* kTotalsCaption = QT_TR_NOOP("Totals");
    // A column's positive total beyond the largest amount Money holds (922 trillion pounds).
    static constexpr const char* kTotalOutOfRange = QT_TR_NOOP("Out of range");
    static inline const QColor kOverdueColour = QColor(255, 0, 0);
    // Columns never totalled although their cells may be numbers.
    static inline const QStringList kUntotalledColumns = {
        QStringLiteral("Mileage"), QStringLiteral("InvoiceNumber"), QStringLiteral("ClientRef"),
        QStringLiteral("Description")};

    enum class Outcome { Filled, TooManyRecords };

    GridData() = default;

    // Reads an executed query to its end. Over the cell limit the result is empty with the
    // outcome TooManyRecords; the caller shows kTooManyRecordsMessage. Today (for the overdue
    // rule) and the locale come from the context. A stored value that its column cannot hold
    // (text that is no number in a money column, an amount past the 64-bit count, a date past
    // any calendar) reads as Null: an empty cell that no total counts. A REAL in a money column
    // is rounded to the nearest ten-thousandth.
    static GridData fromQuery(QSqlQuery& query, const GridContext& context,
                              const GridShape& shape = {});
    // The same from an SQLite statement, bound and not yet stepped, read to its end without a
    // QVariant per cell: the shape names every column's kind (columns past it read as Text).
    // A value is read as fromQuery reads the value Qt's SQLite driver would give. A step that
    // fails is the database's error, worded as that driver words it.
    static Result<GridData> fromStatement(sqlite3_stmt* statement, const GridContext& context,
                                          const GridShape& shape);
    // The skeleton of a long list (see PagedGrid): every column's name and kind, the row count,
    // and only the cells of the key (grid column 0) and the totalled columns, read from a
    // statement that gives those first: its column i fills grid column `filled[i]`. Rows for
    // which `keep` (when given) is false are left out, a condition tested in code rather than
    // in SQL. The totals are made as fromStatement makes them; cells of the other columns read
    // as empty, and no cell is coloured. Over the cell limit the result is refused as
    // fromStatement refuses it.
    using RowTest = std::function<bool(sqlite3_stmt* statement)>;
    static Result<GridData> skeletonFromStatement(sqlite3_stmt* statement,
                                                  const GridContext& context,
                                                  const QStringList& header, const GridShape& shape,
                                                  const QList<int>& filled,
                                                  const RowTest& keep = {});
    // A statement of ours read on either engine, as fromStatement reads it: on a file straight
    // from SQLite without a QVariant per cell, on a server through the driver. The values are
    // bound in order (whole numbers, reals, texts, Null). Either way the grid is the same: the
    // same header, kinds (columns past the shape read as Text), cells and totals.
    static Result<GridData> read(Database& db, const GridContext& context, const QString& sql,
                                 const QVariantList& values, const GridShape& shape);
    // skeletonFromStatement's work over a running query of the driver (a server's), without a
    // row test: the statement leaves out what is not shown.
    static Result<GridData> skeletonFromQuery(QSqlQuery& query, const GridContext& context,
                                              const QStringList& header, const GridShape& shape,
                                              const QList<int>& filled);
    // A column's name as our statements spell it ("InvoiceNumber"), for a result whose names the
    // engine gave back folded to lower case, as PostgreSQL does with every unquoted name. Names
    // that are not ours come back as given.
    static QString canonicalName(const QString& field);
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
    bool contains(int row, int column) const
    {
        return row >= 0 && row < m_rows && column >= 0 && column < columnCount();
    }

    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return m_rows; }
    const QStringList& header() const { return m_header; }
    const GridColumn& column(int column) const; // a plain Text column when out of range
    // The locale the cells' texts are written in.
    const LocaleText& locale() const { return m_locale; }

    // The text the grid shows: empty for Null, else formatted by the column's kind.
    QString text(int row, int column) const;
    // The stored value: QString for text, qint64 for money (ten-thousandths), keys and Yes/No,
    // double for dates (day serials) and numbers; an invalid QVariant for Null.
    QVariant value(int row, int column) const;
    // The id in column 0 of a row, the invoice or expense id the row stands for; 0 for none.
    qint64 key(int row) const;
    int rowOfKey(qint64 key) const; // -1 when no row has it

    // An invalid colour is the grid's usual text colour.
    QColor cellColour(int row, int column) const;

    // The totals row: "Totals" in column 1 and the positive sums of the totalled columns.
    const QStringList& totals() const { return m_totals; }

    // Change one row in place, as a status change does without a new query. The value is read
    // as fromQuery reads a stored one; the text is formatted by the column's kind unless given.
    // The totals row is not recomputed. False, and nothing changed, outside the grid.
    bool setCell(int row, int column, const QVariant& value);
    bool setCell(int row, int column, const QVariant& value, const QString& text);
    bool setCellColour(int row, int column, const QColor& colour);

    // Whether the row's date is red under the overdue rule on the given day (false without one).
    bool isOverdue(int row, QDate today) const;
    // Sets the date cell red when the row is overdue, else back to the usual colour.
    void applyOverdueRule(int row, QDate today);
    const std::optional<OverdueRule>& overdueRule() const { return m_overdue; }

private:
    friend class PagedGrid;

    struct Column {
        GridColumn shape;
        std::vector<QString> texts;                  // Text; a null QString is Null
        std::vector<std::optional<qint64>> integers; // Money (ten-thousandths), Key, YesNo
        std::vector<double> numbers;                 // Date (day serials), Number; NaN is Null
    };
    enum class Storage { Text, Integer, Real };

    qsizetype cell(int row, int column) const { return qsizetype(row) * columnCount() + column; }
    // Whether the column's cells were read (a skeleton reads only some columns).
    bool isRead(int column) const;
    static bool isTextKind(GridColumn::Kind kind) { return kind == GridColumn::Kind::Text; }
    static Storage storageOf(GridColumn::Kind kind);
    // fromQuery's work; `infer` gives the columns past the shape a kind from their field, else
    // they read as Text, as a statement's do.
    static GridData fromRows(QSqlQuery& query, const GridContext& context, const GridShape& shape,
                             bool infer);
    static Result<std::vector<Column>> skeletonColumns(const QStringList& header,
                                                       const GridShape& shape,
                                                       const QList<int>& filled, int read);
    static void store(Column& column, const QVariant& value);
    static void store(Column& column, sqlite3_stmt* statement, int index);
    // Overdue colours and totals, once the rows are read.
    void finish(QDate today);
    static void replace(Column& column, int row, const QVariant& value);
    // A money, key, Yes/No, date or number cell as a double; nullopt for Null or out of range.
    std::optional<double> number(int row, int column) const;
    QString format(GridColumn::Kind kind, double number) const;
    QString format(GridColumn::Kind kind, qint64 number) const;
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
};

// The rows a grid shows, read as they are needed. A long list is opened from its keys alone: the
// key of every row in the order shown, with the columns that are totalled, so the row count and
// the totals row are known at once (the skeleton). The other cells are read a page of rows at a
// time, by key, when a row is first asked for; a few pages are kept. A page that has been changed
// in place (a row marked paid) is kept until the next fill, so the change stays shown. A grid
// made from a GridData holds every row from the start.
//
// Row positions are fixed by the keys: rows another window changes or deletes meanwhile keep
// their place (a deleted row reads empty) until the list is read again.
class PagedGrid {
public:
    static constexpr int kPageRows = 128;  // rows read at once: a few screens
    static constexpr int kCachedPages = 8; // pages kept beyond those changed in place

    // Reads the rows of these keys, one row per key in the same order, every column as the
    // skeleton's; a key no longer found gives a row of Null cells.
    using Fetch = std::function<Result<GridData>(const QList<qint64>& keys)>;

    PagedGrid() = default;
    explicit PagedGrid(GridData all);
    PagedGrid(GridData skeleton, Fetch fetch);

    GridData::Outcome outcome() const { return m_skeleton.outcome(); }
    bool isEmpty() const { return m_skeleton.isEmpty(); }
    int rowCount() const { return m_skeleton.rowCount(); }
    int columnCount() const { return m_skeleton.columnCount(); }
    const QStringList& header() const { return m_skeleton.header(); }
    const GridColumn& column(int column) const { return m_skeleton.column(column); }
    const QStringList& totals() const { return m_skeleton.totals(); }
    qint64 key(int row) const { return m_skeleton.key(row); }
    const std::optional<OverdueRule>& overdueRule() const { return m_skeleton.overdueRule(); }
    // Whether every row is at hand (a grid made from a GridData, or one read to its end).
    bool isComplete() const { return !m_fetch; }

    // As GridData's, reading the row's page first when it is not at hand. A page that cannot be
    // read shows empty cells; readError() then says why.
    QString text(int row, int column) const;
    QVariant value(int row, int column) const;
    QColor cellColour(int row, int column) const;

    bool setCell(int row, int column, const QVariant& value);
    bool setCell(int row, int column, const QVariant& value, const QString& text);
    bool setCellColour(int row, int column, const QColor& colour);
    void applyOverdueRule(int row, QDate today);

    // The database's words for the last page that could not be read; empty after a good read.
    const QString& readError() const { return m_readError; }

    // Reads every row not yet at hand: afterwards the grid holds them all and reads nothing more.
    // A page that cannot be read fails the whole with the database's words (readError() keeps
    // them), and the grid stays as it was: no row is made up of empty cells.
    Status readAll() const;
    // Every row, read by readAll() when not at hand. For what needs the whole list (exports,
    // tests). An empty grid when a page cannot be read; readError() then says why.
    const GridData& all() const;

private:
    struct Page {
        GridData rows;
        bool pinned = false; // changed in place: kept
        quint64 used = 0;
    };
    // The rows of `row`'s page and the row's number in it; null when the page cannot be read.
    GridData* page(int row, int* local) const;
    // What `read` gives for the cell, from the rows in memory or from the row's page; T() for a
    // cell outside the grid or on a page that cannot be read.
    template <typename T, typename Read> T readCell(int row, int column, Read read) const;
    void evict() const;

    mutable GridData m_skeleton; // every row once complete
    mutable Fetch m_fetch;       // empty once complete
    mutable std::unordered_map<int, Page> m_pages;
    mutable quint64 m_clock = 0;
    mutable QString m_readError;
};
