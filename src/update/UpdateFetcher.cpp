#include "update/UpdateFetcher.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

UpdateFetcher::UpdateFetcher(std::chrono::milliseconds timeout)
    : m_timeout(timeout)
{}

UpdateFetcher::Answer UpdateFetcher::get(const QUrl& url, const Limits& limits,
                                         const Progress& progress)
{
    QNetworkRequest request(url);
    // Aborts when no byte arrives for this long, however long the whole transfer takes.
    request.setTransferTimeout(int(m_timeout.count()));
    // Always the server's current copy, never a cache's.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);

    Answer answer;
    if (m_cancelled) {
        answer.outcome = Outcome::Cancelled;
        return answer;
    }
    // Made on the calling thread, which owns it and its replies for the transfer.
    QNetworkAccessManager network;
    QNetworkReply* reply = network.get(request);
    bool tooLarge = false;
    bool late = false;
    QEventLoop loop;
    // A cancel from another thread is seen here within this many milliseconds.
    QTimer cancelCheck;
    QObject::connect(&cancelCheck, &QTimer::timeout, reply, [this, reply] {
        if (m_cancelled.load())
            reply->abort();
    });
    cancelCheck.start(50);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply, [&] {
        late = true;
        reply->abort();
    });
    if (limits.deadline.count() > 0)
        deadline.start(limits.deadline);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64 total) {
                         if (received > limits.maxBytes || total > limits.maxBytes) {
                             tooLarge = true;
                             reply->abort();
                         } else if (progress) {
                             progress(received, total);
                         }
                     });
    if (!reply->isFinished())
        loop.exec();

    deadline.stop();
    cancelCheck.stop();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (!tooLarge && reply->bytesAvailable() > limits.maxBytes)
        tooLarge = true; // the last bytes may arrive without a progress report
    if (m_cancelled.load()) {
        answer.outcome = Outcome::Cancelled;
    } else if (tooLarge) {
        answer.error = tr("%1 is larger than %2 bytes.").arg(url.toString()).arg(limits.maxBytes);
    } else if (late) {
        answer.error = tr("%1 did not arrive within %2 seconds.")
                           .arg(url.toString())
                           .arg(double(limits.deadline.count()) / 1000.0);
    } else if (reply->error() == QNetworkReply::OperationCanceledError) {
        answer.error = tr("%1 sent nothing for %2 seconds.")
                           .arg(url.toString())
                           .arg(double(m_timeout.count()) / 1000.0);
    } else if (reply->error() != QNetworkReply::NoError) {
        answer.error = QStringLiteral("%1: %2").arg(url.toString(), reply->errorString());
    } else if (status != 200) {
        answer.error = tr("%1 answered %2.").arg(url.toString()).arg(status);
    } else {
        answer.outcome = Outcome::Fetched;
        answer.body = reply->readAll();
    }
    delete reply; // now: a worker thread's loop ends here and would never run a later delete
    return answer;
}
