#include "core/ui/PictureButton.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>

PictureButton::PictureButton(const QString& objectName, const QIcon& icon, const QString& toolTip,
                             const QString& accessibleName, QWidget* parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setPixmap(icon.pixmap(32, 32));
    setToolTip(toolTip);
    setAccessibleName(toolTip.isEmpty() ? accessibleName : toolTip);
    setFrameStyle(QFrame::NoFrame);
    setLineWidth(1);
    setFocusPolicy(Qt::TabFocus); // reachable from the keyboard; Space or Enter clicks
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        setFrameStyle(QFrame::Box | QFrame::Plain);
    QLabel::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event)
{
    setFrameStyle(QFrame::NoFrame);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void PictureButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}
