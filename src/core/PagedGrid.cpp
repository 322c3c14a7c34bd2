#include "core/GridData.h"

#include <algorithm>

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
            m_readError = GridData::tr("The rows read do not match the list's keys.");
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
