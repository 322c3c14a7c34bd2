#include "core/ui/LongWork.h"

#include <QApplication>
#include <QCloseEvent>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QTimerEvent>
#include <utility>

namespace {

constexpr int kSteps = 1000;    // the progress bar's resolution
constexpr int kRefreshMs = 100; // how often the window reads the worker's progress

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

void WorkProgress::setFraction(double fraction)
{
    m_permille.store(int(qBound(0.0, fraction, 1.0) * kSteps), std::memory_order_relaxed);
}

void WorkProgress::setLabel(const QString& label)
{
    const std::lock_guard lock(m_labelMutex);
    m_label = label;
}

std::optional<QString> WorkProgress::takeLabel()
{
    const std::lock_guard lock(m_labelMutex);
    return std::exchange(m_label, std::nullopt);
}

std::function<bool(double)> WorkProgress::callback()
{
    return [this](double fraction) {
        setFraction(fraction);
        return !cancelled();
    };
}

LongWork::LongWork(QWidget* parent, Options options, std::function<void(WorkProgress&)> work,
                   std::function<void()> then)
    : QObject(parent)
    , m_options(std::move(options))
    , m_then(std::move(then))
{
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::BusyCursor);
    m_thread = QThread::create([this, work = std::move(work)] { work(m_progress); });
    connect(m_thread, &QThread::finished, this, &LongWork::done, Qt::QueuedConnection);
    m_thread->start();
    QTimer::singleShot(m_options.showAfterMs, this, &LongWork::showProgress);
}

LongWork::~LongWork()
{
    // Only reached before the work returned when the program closes under it: ask it to stop
    // and wait, as its thread uses this object's progress.
    if (m_thread) {
        m_progress.cancel();
        m_thread->wait();
        delete m_thread;
        qApp->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
    }
}

bool LongWork::isRunning() const
{
    return m_thread != nullptr;
}

void LongWork::cancel()
{
    m_progress.cancel();
    emit cancelRequested();
}

void LongWork::showProgress()
{
    if (!m_thread)
        return;
    auto* window = qobject_cast<QWidget*>(parent());
    m_dialog = new QProgressDialog(
        m_options.label, m_options.cancellable ? tr("Cancel") : QString(), 0, kSteps, window);
    m_dialog->setObjectName(m_options.objectName);
    m_dialog->setWindowTitle(m_options.title);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setAutoClose(false);
    m_dialog->setAutoReset(false);
    m_dialog->setMinimumDuration(0);
    connect(m_dialog, &QProgressDialog::canceled, this, &LongWork::cancel);
    updateProgress();
    m_dialog->show();
    m_timer = startTimer(kRefreshMs);
}

void LongWork::updateProgress()
{
    if (!m_dialog)
        return;
    if (const std::optional<QString> label = m_progress.takeLabel()) {
        m_dialog->setLabelText(*label);
        m_dialog->setAccessibleName(*label);
    }
    const int permille = m_progress.permille();
    if (permille < 0) {
        m_dialog->setRange(0, 0); // busy
    } else {
        m_dialog->setRange(0, kSteps);
        m_dialog->setValue(permille);
    }
}

bool LongWork::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_thread || !isUserInput(event->type()))
        return false;
    // The progress window itself stays usable: its Cancel button is the one way in.
    for (QObject* o = watched; o; o = o->parent()) {
        if (o == m_dialog)
            return false;
    }
    event->ignore(); // a close request is refused, not accepted
    return true;
}

void LongWork::done()
{
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    if (m_timer)
        killTimer(m_timer);
    if (m_dialog)
        m_dialog->deleteLater();
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    if (m_then)
        m_then();
    emit finished();
    deleteLater();
}
