#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class QProgressDialog;
class QThread;
class QWidget;

// What long work reports while it runs on its worker thread, and how it learns that the user
// cancelled. Written by the worker and read by the UI thread, so every member is atomic.
class WorkProgress {
public:
    // Fraction done, 0 to 1. Work that never sets it shows a busy indicator.
    void setFraction(double fraction);
    // Back to a busy indicator, for a step whose length is not known.
    void setBusy() { m_permille.store(-1, std::memory_order_relaxed); }
    bool cancelled() const { return m_cancelled.load(std::memory_order_relaxed); }
    // The callback form of ZipArchive and the copy routines: reports the fraction, and answers
    // false once the user has cancelled.
    std::function<bool(double)> callback();

    // Replaces the label shown above the bar (the step the work has reached).
    void setLabel(const QString& label);

    int permille() const { return m_permille.load(std::memory_order_relaxed); } // -1: unknown
    // The label set since the last call, if any.
    std::optional<QString> takeLabel();
    void cancel() { m_cancelled.store(true, std::memory_order_relaxed); }

private:
    std::atomic<int> m_permille{-1};
    std::atomic<bool> m_cancelled{false};
    std::mutex m_labelMutex; // guards m_label, the one member that is not atomic
    std::optional<QString> m_label;
};

// Runs one piece of long work on a worker thread while the UI thread goes on handling events,
// with no nested event loop: start() returns at once, and the outcome is handed to `then` on the
// UI thread when the work returns. While it runs, every window of the program ignores the user's
// keys, clicks and close requests (the work may hold the database or the data folder); after
// showAfterMs a modal progress window shows the label, the fraction done and, when the work can
// stop, a Cancel button that sets WorkProgress::cancelled.
//
// The work must not touch widgets, the Prompter or the UI thread's database connection: it gets
// what it needs by value (a path, a copy of the rows) and opens its own connection if it needs
// one. It must not throw.
class LongWork : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString label; // shown above the progress bar
        QString title; // the progress window's title
        QString objectName = QStringLiteral("frmProgress");
        bool cancellable = true;
        int showAfterMs = 300; // work done sooner never shows a window
    };

    // The LongWork belongs to `parent` and deletes itself after `then` has run.
    template <typename T>
    static LongWork* start(QWidget* parent, Options options, std::function<T(WorkProgress&)> work,
                           std::function<void(T)> then)
    {
        auto outcome = std::make_shared<std::optional<T>>();
        return new LongWork(
            parent, std::move(options),
            [work = std::move(work), outcome](WorkProgress& p) { outcome->emplace(work(p)); },
            [then = std::move(then), outcome] { then(std::move(**outcome)); });
    }

    ~LongWork() override;
    bool isRunning() const;
    // What the progress window's Cancel does, for a caller that stops the work itself.
    void cancel();

signals:
    // On the UI thread when the user presses Cancel, for work that waits on something it can
    // stop from there (a network transfer).
    void cancelRequested();
    // After `then` has run, just before the LongWork deletes itself.
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void timerEvent(QTimerEvent*) override { updateProgress(); }

private:
    LongWork(QWidget* parent, Options options, std::function<void(WorkProgress&)> work,
             std::function<void()> then);
    void showProgress();
    void updateProgress();
    void done();

    Options m_options;
    std::function<void()> m_then;
    WorkProgress m_progress;
    QThread* m_thread = nullptr;
    QPointer<QProgressDialog> m_dialog;
    int m_timer = 0;
};
