#include "layout/DesignerModel.h"

#include <QUndoCommand>
#include <algorithm>
#include <limits>
#include <utility>

using DesignerRules::Mark;

namespace {

// Commands that may fold into the one before them.
constexpr int kNudgeId = 1;

// The text elements the preview also shows, which its width rule moves.
const char16_t* const kPreviewed[] = {
    u"lblTextLogo", u"lblInvoice", u"lblClientAddress", u"lblInvoiceContent", u"lblSubTotal",
    u"lblVAT",      u"lblTotal",   u"lblDescription",   u"lblDate",           u"lblFooter"};

} // namespace

// One edit: the whole page before and after it. A page is a dozen elements whose texts and fonts
// are shared, so a copy is cheap, and undo restores exactly what was there.
class DesignerModel::Command : public QUndoCommand {
public:
    Command(DesignerModel& model, const QString& text, State before, State after, int mergeId,
            int element)
        : QUndoCommand(text)
        , m_model(model)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_mergeId(mergeId)
        , m_element(element)
    {}

    void undo() override { m_model.setState(m_before); }
    void redo() override { m_model.setState(m_after); }
    int id() const override { return m_mergeId; }
    // Arrow keys held on one element make one step.
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const Command*>(other);
        if (next->m_element != m_element)
            return false;
        m_after = next->m_after;
        return true;
    }

private:
    DesignerModel& m_model;
    State m_before;
    State m_after;
    int m_mergeId;
    int m_element;
};

DesignerModel::DesignerModel(QObject* parent)
    : QObject(parent)
    , m_state(initialState())
{
    m_undo.setUndoLimit(kUndoLimit);
}

DesignerModel::~DesignerModel() = default;

int DesignerModel::indexOf(QAnyStringView name) const
{
    const auto defs = definitions();
    for (std::size_t i = 0; i < defs.size(); ++i) {
        if (QAnyStringView::equal(QLatin1String(defs[i].name), name))
            return int(i);
    }
    return -1;
}

int DesignerModel::colourValue(const QString& text)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return 0;
    return int(v);
}

void DesignerModel::setState(const State& s)
{
    const State old = std::exchange(m_state, s);
    for (int i = 0; i < count(); ++i) {
        if (old.elements[std::size_t(i)] != m_state.elements[std::size_t(i)])
            emit elementChanged(i);
    }
    if (old.logoName != s.logoName || old.useLogo != s.useLogo || old.showLine != s.showLine ||
        old.addressAsLine != s.addressAsLine)
        emit switchesChanged();
}

void DesignerModel::push(const QString& text, State after, int mergeId, int element)
{
    if (after == m_state)
        return;
    m_undo.push(new Command(*this, text, m_state, std::move(after), mergeId, element));
}

// --- Moves ------------------------------------------------------------------------------------

void DesignerModel::drop(int i, DesignerRules::Section onto, QPointF grab, QPointF at)
{
    State next = m_state;
    Element& e = next.elements[std::size_t(i)];
    const DesignerRules::DropResult placed =
        DesignerRules::drop(def(i).kind, onto, e.rect, grab, at);
    e.rect = placed.rect;
    if (placed.becomesAnchor) {
        m_anchor = DesignerRules::Anchor{placed.rect.left(), placed.rect.width()};
        if (e.mark == Mark::Member)
            markAnchor(next, i, true);
    }
    push(tr("Move %1").arg(QLatin1String(def(i).name)), std::move(next));
}

void DesignerModel::nudge(int i, int dx, int dy)
{
    State next = m_state;
    QRect& r = next.elements[std::size_t(i)].rect;
    r = DesignerRules::nudge(def(i).kind, r, dx, dy);
    push(tr("Nudge %1").arg(QLatin1String(def(i).name)), std::move(next), kNudgeId, i);
}

QStringList DesignerModel::fitForPreview()
{
    State next = m_state;
    QStringList moved;
    for (const char16_t* name : kPreviewed) {
        const int i = indexOf(name);
        QRect& r = next.elements[std::size_t(i)].rect;
        const DesignerRules::PreviewPlace place = DesignerRules::previewPlace(r);
        if (!place.moved)
            continue;
        r.moveLeft(place.left);
        moved << QLatin1String(def(i).name);
    }
    push(tr("Fit for Preview"), std::move(next));
    return moved;
}

// --- Alignment ----------------------------------------------------------------------------------

// The element takes the anchor's colour (an opaque background, so it counts as boxed); the one
// that had it becomes a member.
void DesignerModel::markAnchor(State& s, int i, bool colour)
{
    if (colour) {
        s.elements[std::size_t(i)].mark = Mark::Anchor;
        s.elements[std::size_t(i)].style.boxed = true;
    }
    m_lastSelected = QLatin1String(def(i).name);
    for (int other = 0; other < count(); ++other) {
        Element& e = s.elements[std::size_t(other)];
        if (other != i && e.mark == Mark::Anchor)
            e.mark = Mark::Member;
    }
}

// The element's edges become the anchor the others are aligned with. The logo is never coloured,
// but its edges can still be the anchor.
void DesignerModel::selectForAlign(int i)
{
    State next = m_state;
    markAnchor(next, i, def(i).type != Type::Picture);
    const QRect r = element(i).rect;
    m_anchor = DesignerRules::Anchor{r.left(), r.width()};
    setState(next);
}

// A selection's colours come off with its opaque background: the element is left unboxed.
void DesignerModel::clearAlignSelection()
{
    State next = m_state;
    for (Element& e : next.elements) {
        if (e.mark == Mark::None)
            continue;
        e.mark = Mark::None;
        e.style.boxed = false;
    }
    setState(next);
}

void DesignerModel::alignLefts()
{
    align(true);
}

void DesignerModel::alignRights()
{
    align(false);
}

void DesignerModel::align(bool lefts)
{
    std::vector<DesignerRules::Selectable> items;
    for (const Element& e : m_state.elements)
        items.push_back({e.rect, e.mark});
    if (lefts)
        DesignerRules::alignLefts(items, m_anchor);
    else
        DesignerRules::alignRights(items, m_anchor);
    State next = m_state;
    for (std::size_t i = 0; i < items.size(); ++i) {
        Element& e = next.elements[i];
        if (e.mark != items[i].mark)
            e.style.boxed = false; // aligned elements lose their selection's opaque background
        e.mark = items[i].mark;
        e.rect = items[i].rect;
    }
    push(lefts ? tr("Align Lefts") : tr("Align Rights"), std::move(next));
}

// --- Look and switches ------------------------------------------------------------------------

void DesignerModel::restyle(int i, const Style& style)
{
    State next = m_state;
    Element& e = next.elements[std::size_t(i)];
    // The date's caption is the printed date: only its look is kept.
    const QString caption = i == indexOf(u"lblDate") ? e.style.caption : style.caption;
    e.style = style;
    e.style.caption = caption;
    autoSize(e, i);
    e.rect = DesignerRules::fitAfterRestyle(def(i).kind, e.rect);
    push(tr("Edit %1").arg(QLatin1String(def(i).name)), std::move(next));
}

void DesignerModel::setAddressAsLine(bool asLine)
{
    if (asLine == m_state.addressAsLine)
        return;
    State next = m_state;
    next.addressAsLine = asLine;
    const int i = indexOf(u"lblAddress");
    Element& e = next.elements[std::size_t(i)];
    const DesignerRules::AddressShape saved{m_savedAddressCaption, m_savedAddressRect.left(),
                                            m_savedAddressRect.width(),
                                            m_savedAddressRect.height()};
    const DesignerRules::AddressShape shape =
        asLine ? DesignerRules::addressAsLine(saved)
               : DesignerRules::addressFromLine(saved, e.rect.left());
    e.style.caption = shape.caption;
    e.wraps = asLine;
    e.rect = QRect(shape.left, e.rect.top(), shape.width, shape.height);
    if (asLine)
        autoSize(e, i);
    push(tr("Address As Line"), std::move(next));
}

void DesignerModel::setUseLogo(bool use)
{
    State next = m_state;
    next.useLogo = use;
    push(tr("Use Logo"), std::move(next));
}

void DesignerModel::setShowLine(bool show)
{
    State next = m_state;
    next.showLine = show;
    push(tr("Show Divider Line"), std::move(next));
}

void DesignerModel::chooseLogo(const QString& name)
{
    State next = m_state;
    next.logoName = name;
    next.useLogo = true;
    push(tr("Load Picture"), std::move(next));
}
