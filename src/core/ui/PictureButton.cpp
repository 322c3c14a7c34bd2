#include "core/ui/PictureButton.h"

#include <QAccessibleWidget>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionFocusRect>
#include <QTimer>

namespace {

// Assistive tools see a picture-button as a button they can press, not as a picture.
class PictureButtonAccessible final : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {}
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (!widget()->isEnabled())
            return;
        // Queued, as Qt's own buttons click: the tool's call returns at once, even when the
        // click opens a modal window, and the click is dropped if the button goes first.
        auto* button = static_cast<PictureButton*>(widget());
        QMetaObject::invokeMethod(
            button, [button] { emit button->clicked(); }, Qt::QueuedConnection);
    }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    if (className == QLatin1String("PictureButton") && object && object->isWidgetType())
        return new PictureButtonAccessible(static_cast<PictureButton*>(object));
    return nullptr;
}

} // namespace

PictureButton::PictureButton(const QString& objectName, const QIcon& icon, const QString& toolTip,
                             const QString& accessibleName, QWidget* parent)
    : QLabel(parent)
{
    setUp(objectName, toolTip, accessibleName);
    setPixmap(icon.pixmap(kPictureSize, kPictureSize));
}

PictureButton::PictureButton(const QString& objectName, Icons::Action picture,
                             const QString& toolTip, const QString& accessibleName, QWidget* parent)
    : QLabel(parent)
    , m_pending([picture] { return Icons::icon(picture); })
{
    setUp(objectName, toolTip, accessibleName);
    keepPlace();
}

// A clear picture of the same size, so nothing moves when the real one comes.
void PictureButton::keepPlace()
{
    QPixmap place(kPictureSize, kPictureSize);
    place.fill(Qt::transparent);
    setPixmap(place);
}

void PictureButton::setUp(const QString& objectName, const QString& toolTip,
                          const QString& accessibleName)
{
    // Before the name is set: setting it may already ask for the button's accessible
    // interface, which is then kept for the button's life. Qt keeps the factories for the
    // whole process; adding ours once is enough.
    static const bool accessible = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(accessible);
    setObjectName(objectName);
    setToolTip(toolTip);
    setAccessibleName(toolTip.isEmpty() ? accessibleName : toolTip);
    setFrameStyle(QFrame::NoFrame);
    setLineWidth(1);
    setFocusPolicy(Qt::TabFocus); // reachable from the keyboard; Space or Enter clicks
    setCursor(Qt::PointingHandCursor);
    // Room for the pressed border around the picture, so pressing moves nothing around it.
    setFixedSize(kPictureSize + 2 * lineWidth(), kPictureSize + 2 * lineWidth());
    setAlignment(Qt::AlignCenter);
}

void PictureButton::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
    // Made after this paint, so the window's first paint does not wait for it.
    if (m_pending && !m_scheduled) {
        m_scheduled = true;
        QTimer::singleShot(0, this, &PictureButton::showPicture);
    }
}

void PictureButton::showPicture()
{
    if (!m_pending)
        return;
    const std::function<QIcon()> picture = std::move(m_pending);
    m_pending = nullptr;
    // Drawn for the screen's pixel density, so a scaled desktop shows it sharp.
    setPixmap(picture().pixmap(QSize(kPictureSize, kPictureSize), devicePixelRatioF()));
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
