// The layout designer's mouse and keys, turned into edits of its model.

#include "layout/ui/DesignerElement.h"
#include "layout/ui/DesignerSection.h"
#include "layout/ui/LayoutDesigner.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QRubberBand>
#include <cmath>

void LayoutDesigner::setCords(QLabel* top, QLabel* left, QPointF twips)
{
    top->setText(QString::number(std::lround(twips.y())));
    left->setText(QString::number(std::lround(twips.x())));
}

DesignerSection* LayoutDesigner::sectionAt(DesignerElement* e, QPointF localPos,
                                           QPointF* inSection) const
{
    const QPoint global = e->mapToGlobal(localPos.toPoint());
    for (DesignerSection* s : m_sections) {
        if (!s->isVisible())
            continue;
        const QPoint p = s->mapFromGlobal(global);
        if (s->rect().contains(p)) {
            *inSection = QPointF(toTwips(p.x()), toTwips(p.y()));
            return s;
        }
    }
    return nullptr;
}

void LayoutDesigner::endDrag()
{
    m_outline->hide();
    m_dragged = nullptr;
    m_dragging = false;
}

void LayoutDesigner::elementPressed(DesignerElement* e, QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_dragged = e;
        m_dragging = false;
        m_pressPixels = event->position().toPoint();
        m_grab = QPointF(toTwips(event->position().x()), toTwips(event->position().y()));
        setCords(m_startTop, m_startLeft, m_grab);
        return;
    }
    if (event->button() != Qt::RightButton || e->objectName() == u"lblFooter")
        return; // the footer takes no part in a selection
    if (event->modifiers() & Qt::ShiftModifier)
        m_model.selectForAlign(e->index());
    else
        m_model.clearAlignSelection();
}

void LayoutDesigner::elementMoved(DesignerElement* e, QMouseEvent* event)
{
    if (m_dragged != e || !(event->buttons() & Qt::LeftButton)) {
        setCords(m_startTop, m_startLeft,
                 QPointF(toTwips(event->position().x()), toTwips(event->position().y())));
        return;
    }
    if (!m_dragging && (event->position().toPoint() - m_pressPixels).manhattanLength() <
                           QApplication::startDragDistance())
        return;
    m_dragging = true;
    QPointF drop;
    if (sectionAt(e, event->position(), &drop))
        setCords(m_finishTop, m_finishLeft, drop);
    // The outline follows the pointer, held where the element was grabbed; the element itself
    // moves once, when it is dropped.
    const QPoint topLeft = mapFromGlobal(e->mapToGlobal(event->position().toPoint())) -
                           QPoint(toPixels(m_grab.x()), toPixels(m_grab.y()));
    m_outline->setGeometry(QRect(topLeft, e->size()));
    m_outline->show();
    m_outline->raise();
}

void LayoutDesigner::elementReleased(DesignerElement* e, QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_dragged == e) {
        QPointF drop;
        DesignerSection* onto = m_dragging ? sectionAt(e, event->position(), &drop) : nullptr;
        endDrag();
        if (!onto)
            return; // a click, or a drop outside the sections: nothing moves
        setCords(m_finishTop, m_finishLeft, drop);
        m_model.drop(e->index(), onto->section(), m_grab, drop);
        return;
    }
    if (event->button() != Qt::RightButton || !e->rect().contains(event->position().toPoint()))
        return;
    const DesignerModel::Type type = m_model.def(e->index()).type;
    if (type == DesignerModel::Type::Picture) {
        if (!(event->modifiers() & Qt::ShiftModifier))
            chooseLogo();
    } else if (type == DesignerModel::Type::Label) {
        openStyleEditor(e);
    }
}

bool LayoutDesigner::elementKey(DesignerElement* e, QKeyEvent* event)
{
    constexpr int step = DesignerRules::kNudge;
    switch (event->key()) {
    case Qt::Key_Left:
        m_model.nudge(e->index(), -step, 0);
        return true;
    case Qt::Key_Right:
        m_model.nudge(e->index(), step, 0);
        return true;
    case Qt::Key_Up:
        m_model.nudge(e->index(), 0, -step);
        return true;
    case Qt::Key_Down:
        m_model.nudge(e->index(), 0, step);
        return true;
    case Qt::Key_Escape:
        if (!m_dragged)
            return false;
        endDrag(); // Escape drops nothing
        return true;
    default:
        return false;
    }
}
