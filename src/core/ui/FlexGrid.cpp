#include "core/ui/FlexGrid.h"

#include "core/Prompter.h"

#include <QCoreApplication>
#include <QFont>
#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>

namespace {

// A heading is a field name of the query ("InvoiceNumber"); the grid shows it in the user's
// language, while exports keep the field names, so exchanged files read the same everywhere.
QString shownHeading(const QString& fieldName)
{
    return QCoreApplication::translate("GridHeading", fieldName.toUtf8().constData());
}

// Column widths are judged from the header and this many first rows, not from every row.
constexpr int kWidthSampleRows = 50;
constexpr int kMinAutoWidth = 30;  // pixels
constexpr int kMaxAutoWidth = 320; // pixels; long content texts are cut, as they always were
constexpr int kCellPadding = 12;   // pixels, both sides together
constexpr int kRememberedWidths = 4096;

} // namespace

FlexGridModel::FlexGridModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

void FlexGridModel::setRows(PagedGrid rows)
{
    beginResetModel();
    m_data = std::move(rows);
    m_highlightedRow = -1;
    m_readFailureReported = false;
    endResetModel();
}

void FlexGridModel::noteReadError() const
{
    if (m_readFailureReported || m_data.readError().isEmpty())
        return;
    m_readFailureReported = true;
    // Not from inside the paint that asked for the row: a message box there would paint again.
    auto* self = const_cast<FlexGridModel*>(this);
    QMetaObject::invokeMethod(
        self, [self, error = m_data.readError()] { emit self->readFailed(error); },
        Qt::QueuedConnection);
}

void FlexGridModel::setHighlightedRow(int row)
{
    const int previous = m_highlightedRow;
    m_highlightedRow = row;
    if (previous >= 0)
        rowChanged(previous);
    if (row >= 0 && row != previous)
        rowChanged(row);
}

void FlexGridModel::setCell(int row, int column, const QVariant& value)
{
    m_data.setCell(row, column, value);
    cellChanged(row, column);
}

void FlexGridModel::setCell(int row, int column, const QVariant& value, const QString& text)
{
    m_data.setCell(row, column, value, text);
    cellChanged(row, column);
}

void FlexGridModel::setCellColour(int row, int column, const QColor& colour)
{
    m_data.setCellColour(row, column, colour);
    cellChanged(row, column);
}

void FlexGridModel::applyOverdueRule(int row, QDate today)
{
    if (!m_data.overdueRule())
        return;
    m_data.applyOverdueRule(row, today);
    cellChanged(row, m_data.overdueRule()->dateColumn);
}

void FlexGridModel::cellChanged(int row, int column)
{
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i);
}

void FlexGridModel::rowChanged(int row)
{
    if (row >= rowCount() || columnCount() == 0)
        return;
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::BackgroundRole});
}

int FlexGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_data.isEmpty() ? 0 : m_data.rowCount() + 1;
}

int FlexGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_data.columnCount();
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();
    const bool totals = row == totalsRow();
    switch (role) {
    case Qt::DisplayRole: {
        if (totals)
            return m_data.totals()[column];
        const QString text = m_data.text(row, column);
        noteReadError();
        return text;
    }
    case RawValueRole:
        return totals ? QVariant() : m_data.value(row, column);
    case Qt::ForegroundRole: {
        if (totals)
            return {};
        const QColor colour = m_data.cellColour(row, column);
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    case Qt::BackgroundRole:
        if (row == m_highlightedRow && column > 0)
            return kHighlightColour;
        return {};
    case Qt::FontRole:
        if (totals) {
            QFont bold;
            bold.setBold(true); // only the weight is set; the rest comes from the view
            return bold;
        }
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_data.columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return shownHeading(m_data.header()[section]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

FlexGrid::FlexGrid(QWidget* parent)
    : QTableView(parent)
    , m_model(new FlexGridModel(this))
{
    setModel(m_model);
    // The highlight is the model's own colour; the view's selection would only compete with it.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setSortingEnabled(false);

    QHeaderView* top = horizontalHeader();
    top->setMinimumSectionSize(1); // the key column is one pixel wide
    top->setSectionsClickable(false);
    top->setHighlightSections(false);
    top->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // All rows one height, so 35,000 rows need no per-row measuring.
    QHeaderView* side = verticalHeader();
    side->hide();
    side->setSectionResizeMode(QHeaderView::Fixed);
    side->setDefaultSectionSize(fontMetrics().height() + 6);
}

bool FlexGrid::populate(PagedGrid contents, Prompter& prompter)
{
    if (contents.outcome() == GridData::Outcome::TooManyRecords) {
        clearGrid();
        prompter.inform(GridData::tr(GridData::kTooManyRecordsMessage));
        return false;
    }
    setRows(std::move(contents));
    return true;
}

bool FlexGrid::populate(GridData contents, Prompter& prompter)
{
    return populate(PagedGrid(std::move(contents)), prompter);
}

void FlexGrid::setRows(PagedGrid contents)
{
    m_model->setRows(std::move(contents));
    sizeColumns();
    // The totals are what the user looks for first.
    if (m_model->rowCount() > 0)
        scrollToBottom();
}

int FlexGrid::twipsToPixels(int twips) const
{
    return std::max(1, (twips * logicalDpiX() + 720) / 1440);
}

void FlexGrid::sizeColumns()
{
    const PagedGrid& contents = m_model->rows();
    const QFontMetrics headerMetrics = horizontalHeader()->fontMetrics();
    const int sampleRows = std::min(contents.rowCount(), kWidthSampleRows);
    for (int c = 0; c < contents.columnCount(); ++c) {
        int width;
        const GridColumn& column = contents.column(c);
        if (c == 0) {
            width = twipsToPixels(kKeyColumnTwips);
        } else if (column.widthTwips > 0) {
            width = twipsToPixels(column.widthTwips);
        } else {
            // Nothing is measured once the column is as wide as it may be.
            const int widest = kMaxAutoWidth - kCellPadding;
            width = headerMetrics.horizontalAdvance(shownHeading(contents.header()[c]));
            for (int r = -1; r < sampleRows && width < widest; ++r)
                width =
                    std::max(width, textWidth(r < 0 ? contents.totals()[c] : contents.text(r, c)));
            width = std::clamp(width + kCellPadding, kMinAutoWidth, kMaxAutoWidth);
            // Dates are at least their traditional 1500 twips, and wide enough for a long
            // form with its weekday, which some locales give.
            if (column.kind == GridColumn::Kind::Date)
                width = std::max(width, twipsToPixels(kDateColumnTwips));
        }
        setColumnWidth(c, width);
    }
}

int FlexGrid::textWidth(const QString& text)
{
    const auto known = m_textWidths.constFind(text);
    if (known != m_textWidths.constEnd())
        return *known;
    if (m_textWidths.size() >= kRememberedWidths)
        m_textWidths.clear();
    const int width = fontMetrics().horizontalAdvance(text);
    m_textWidths.insert(text, width);
    return width;
}

void FlexGrid::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_textWidths.clear();
}

void FlexGrid::mousePressEvent(QMouseEvent* event)
{
    QTableView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    const PagedGrid& contents = m_model->rows();
    if (!index.isValid() || contents.columnCount() < 3 || contents.rowCount() == 0)
        return;
    const int row = index.row();
    if (row >= contents.rowCount())
        return; // the totals row
    m_model->setHighlightedRow(row);
    if (event->button() == Qt::RightButton)
        emit rowMenuRequested(contents.key(row), row, event->globalPosition().toPoint());
    else
        emit rowClicked(contents.key(row), row, index.column());
}
