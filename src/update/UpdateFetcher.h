#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <functional>

// Fetches one document over HTTP(S) and waits for it: meant for a worker thread, where the
// transfer runs in that thread's own event loop with a network manager of that thread, while
// the window goes on painting.
// Anything but a whole "200" answer is a failure: a refused connection, a name that does not
// resolve, another status, a server that stops sending for longer than the time-out, a
// document larger or slower than the caller's limits.
class UpdateFetcher {
    Q_DECLARE_TR_FUNCTIONS(UpdateFetcher)
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{30000};
    // The package is held in memory until its signature has been checked.
    static constexpr qint64 kMaxBytes = 256LL * 1024 * 1024;

    struct Limits {
        // Refused as soon as the server announces or sends more.
        qint64 maxBytes = kMaxBytes;
        // The whole transfer must end within this, however steadily bytes arrive (a server
        // sending one byte a second would otherwise never time out); zero for no limit.
        std::chrono::milliseconds deadline{0};
    };

    // Told the bytes received so far and the total (-1 while unknown).
    using Progress = std::function<void(qint64 received, qint64 total)>;

    enum class Outcome { Fetched, Failed, Cancelled };
    struct Answer {
        Outcome outcome = Outcome::Failed;
        QByteArray body;
        QString error; // why it failed, for the record; the user is shown one message
    };

    explicit UpdateFetcher(std::chrono::milliseconds timeout = kDefaultTimeout);

    // Not re-entrant: the caller refuses a second update while one runs. One fetcher serves
    // one update.
    Answer get(const QUrl& url, const Limits& limits, const Progress& progress = {});
    // Stops the transfer under way and every later one: they end Cancelled. Safe from any
    // thread (a Cancel button while a worker waits in get()).
    void cancel() { m_cancelled.store(true); }

private:
    std::chrono::milliseconds m_timeout;
    std::atomic<bool> m_cancelled{false};
};
