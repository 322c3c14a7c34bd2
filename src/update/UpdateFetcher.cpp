#include "update/UpdateFetcher.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>

UpdateFetcher::UpdateFetcher(std::chrono::milliseconds timeout)
    : m_timeout(timeout)
{}

UpdateFetcher::Answer UpdateFetcher::get(const QUrl& url, const Progress& progress)
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
    QNetworkReply* reply = m_network.get(request);
    m_reply = reply;
    bool tooLarge = false;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::downloadProgress, &loop,
                     [&](qint64 received, qint64 total) {
                         if (received > kMaxBytes || total > kMaxBytes) {
                             tooLarge = true;
                             reply->abort();
                         } else if (progress) {
                             progress(received, total);
                         }
                     });
    if (!reply->isFinished())
        loop.exec();

    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    m_reply = nullptr;
    if (m_cancelled) {
        answer.outcome = Outcome::Cancelled;
    } else if (tooLarge) {
        answer.error =
            QStringLiteral("%1 is larger than %2 bytes.").arg(url.toString()).arg(kMaxBytes);
    } else if (reply->error() != QNetworkReply::NoError) {
        answer.error = QStringLiteral("%1: %2").arg(url.toString(), reply->errorString());
    } else if (status != 200) {
        answer.error = QStringLiteral("%1 answered %2.").arg(url.toString()).arg(status);
    } else {
        answer.outcome = Outcome::Fetched;
        answer.body = reply->readAll();
    }
    reply->deleteLater();
    return answer;
}

void UpdateFetcher::cancel()
{
    m_cancelled = true;
    if (m_reply)
        m_reply->abort();
}
