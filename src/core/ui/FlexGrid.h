#pragma once

#include "core/GridData.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QTableView>

class Prompter;

// The table model behind a FlexGrid: the data rows of a PagedGrid followed by its totals row.
// A row's texts are made when its page is read, the first time the view asks for it.
class FlexGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int RawValueRole = Qt::UserRole; // the cell's stored value
    static inline const QColor kHighlightColour = QColor(194, 186, 216);

    explicit FlexGridModel(QObject* parent = nullptr);

    void setRows(PagedGrid rows);
    const PagedGrid& rows() const { return m_data; }
    // Every row at hand, read now if the grid was filled a page at a time.
    const GridData& gridData() const { return m_data.all(); }

    // Model row of the totals row (after the data rows), -1 when the grid is empty.
    int totalsRow() const { return m_data.isEmpty() ? -1 : m_data.rowCount(); }

    // The row clicked last, shown in the highlight colour from column 1 on; -1 for none.
    int highlightedRow() const { return m_highlightedRow; }
    void setHighlightedRow(int row);

    // In-place changes of one data row, shown at once (see GridData).
    void setCell(int row, int column, const QVariant& value);
    void setCell(int row, int column, const QVariant& value, const QString& text);
    void setCellColour(int row, int column, const QColor& colour);
    void applyOverdueRule(int row, QDate today);

signals:
    // A page of rows could not be read from the database; reported once per fill, after the
    // paint that asked for it.
    void readFailed(const QString& error);

public:
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void cellChanged(int row, int column);
    void rowChanged(int row);
    void noteReadError() const;

    PagedGrid m_data;
    int m_highlightedRow = -1;
    mutable bool m_readFailureReported = false;
};

// The list grid of the invoices, expenses and VAT report: a fixed header row of field names,
// the data rows and a bold "Totals" row. Column 0 holds the row's key and is all but hidden.
// A click on a data row highlights it and reports the row's key; clicks on the header, the
// totals row or an empty grid do nothing.
class FlexGrid : public QTableView {
    Q_OBJECT
public:
    static constexpr int kKeyColumnTwips = 15;
    static constexpr int kDateColumnTwips = 1500;

    explicit FlexGrid(QWidget* parent = nullptr);

    // Fills the grid. Over the cell limit it shows the refusal and leaves the grid empty;
    // returns whether the data is shown.
    bool populate(PagedGrid contents, Prompter& prompter);
    bool populate(GridData contents, Prompter& prompter);
    void setRows(PagedGrid contents);
    void setGridData(GridData contents) { setRows(PagedGrid(std::move(contents))); }
    void clearGrid() { setGridData(GridData()); }

    // The rows as shown, read a page at a time.
    const PagedGrid& rows() const { return m_model->rows(); }
    // Every row at hand: reads the rows not yet read (for exports and checks).
    const GridData& gridData() const { return m_model->gridData(); }
    FlexGridModel* gridModel() const { return m_model; }
    int highlightedRow() const { return m_model->highlightedRow(); }

signals:
    // Row numbers are data rows from 0, as in GridData.
    void rowClicked(qint64 key, int row, int column);
    void rowMenuRequested(qint64 key, int row, const QPoint& globalPos);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void sizeColumns();
    int textWidth(const QString& text);
    int twipsToPixels(int twips) const;

    FlexGridModel* m_model;
    // Widths of cell texts in the grid's font, kept across fills: a list filled again mostly
    // starts with the rows it showed before, and measuring a text costs far more than reading it.
    QHash<QString, int> m_textWidths;
};
