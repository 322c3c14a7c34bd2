#include "layout/ui/DesignerElement.h"

#include "layout/DesignerModel.h"
#include "layout/ui/LayoutDesigner.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

using DesignerRules::Mark;
using DesignerRules::toPixels;
using Type = DesignerModel::Type;

namespace {

QColor fromValue(int v)
{
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

QColor screenColour(const QString& text, const QPalette& palette)
{
    bool ok = false;
    const qlonglong v = text.trimmed().toLongLong(&ok);
    if (!ok || v < 0 || v > 0xFFFFFF) // a system colour: the window text of this desktop
        return palette.color(QPalette::WindowText);
    return fromValue(int(v));
}

} // namespace

DesignerElement::DesignerElement(DesignerModel& model, int index, LayoutDesigner& designer,
                                 QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_index(index)
    , m_designer(designer)
{
    const DesignerModel::ElementDef& def = model.def(index);
    setObjectName(QLatin1String(def.name));
    if (def.type == Type::Picture)
        setAccessibleName(tr("Logo"));
    else if (def.type == Type::Line)
        setAccessibleName(tr("Divider Line"));
    setMouseTracking(true); // the grab offset follows the pointer
    setFocusPolicy(Qt::ClickFocus);
    sync();
}

void DesignerElement::sync()
{
    const DesignerModel::Element& e = m_model.element(m_index);
    const QRect r = e.rect;
    setGeometry(toPixels(r.left()), toPixels(r.top()), std::max(toPixels(r.width()), 1),
                std::max(toPixels(r.height()), 1));
    // The caption is what a text element shows, so it is its accessible name too.
    if (m_model.def(m_index).type == Type::Label)
        setAccessibleName(DesignerModel::displayText(e.style.caption).simplified());
    update();
}

void DesignerElement::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect r = rect();
    const Mark mark = m_model.element(m_index).mark;
    QColor background = Qt::white;
    if (mark == Mark::Anchor)
        background = fromValue(DesignerRules::kAlignAnchorColour);
    else if (mark == Mark::Member)
        background = fromValue(DesignerRules::kAlignMemberColour);
    const Type type = m_model.def(m_index).type;
    if (type == Type::Line) {
        p.fillRect(r, mark == Mark::None ? palette().color(QPalette::Window) : background);
        p.fillRect(QRect(0, r.height() / 2 - 1, r.width(), 2), Qt::black);
        return;
    }
    p.fillRect(r, background);
    if (type == Type::Picture) {
        if (!image.isNull()) {
            const QSize s =
                image.deviceIndependentSize().toSize().scaled(r.size(), Qt::KeepAspectRatio);
            QRect target(QPoint(), s);
            target.moveCenter(r.center());
            p.drawImage(target, image);
        } else {
            p.setPen(Qt::gray);
            p.drawText(r, Qt::AlignCenter, tr("Logo"));
        }
    } else {
        paintText(p, r);
    }
    // A sunken single-line border: dark above and left, lighter below and right.
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    p.setPen(palette().color(QPalette::Shadow));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void DesignerElement::paintText(QPainter& p, QRect r)
{
    const DesignerModel::Element& e = m_model.element(m_index);
    // Points at the designer's scale (96 dots an inch), whatever the screen's own.
    QFont scaled = e.style.font;
    scaled.setPointSizeF(e.style.font.pointSizeF() * 96 / std::max(logicalDpiY(), 1));
    p.setFont(scaled);
    p.setPen(screenColour(e.style.colour, palette()));
    const int flags = (m_model.def(m_index).alignment | Qt::AlignTop).toInt() |
                      (e.wraps ? int(Qt::TextWordWrap) : 0);
    p.drawText(r.adjusted(1, 1, -1, -1), flags, DesignerModel::displayText(e.style.caption));
}

void DesignerElement::mousePressEvent(QMouseEvent* e)
{
    m_designer.elementPressed(this, e);
}

void DesignerElement::mouseMoveEvent(QMouseEvent* e)
{
    m_designer.elementMoved(this, e);
}

void DesignerElement::mouseReleaseEvent(QMouseEvent* e)
{
    m_designer.elementReleased(this, e);
}

void DesignerElement::keyPressEvent(QKeyEvent* e)
{
    if (!m_designer.elementKey(this, e))
        QWidget::keyPressEvent(e);
}
