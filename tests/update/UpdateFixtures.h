#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTcpServer>

// What the update tests build their packages and servers from.

// A key pair made from a fixed seed, for tests only: it signs nothing that is delivered.
struct TestSigningKey {
    QByteArray publicKey; // 32 bytes
    QByteArray secretKey; // 64 bytes
    static TestSigningKey make(char seedByte = 't');
};

// Ed25519 detached signature (64 bytes).
QByteArray signDetached(const QByteArray& data, const QByteArray& secretKey);

// A zip archive holding the entries as named, each stored with deflate.
QByteArray makeZip(const QList<QPair<QString, QByteArray>>& entries);

// An HTTP server on 127.0.0.1 in the test's own thread: each path answers with a status and a
// body, or holds the connection open without a word. Unknown paths answer 404.
class LoopbackServer {
public:
    struct Route {
        int status = 200;
        QByteArray body;
        bool hang = false;
    };

    LoopbackServer();
    ~LoopbackServer();

    QString address() const; // http://127.0.0.1:<port>
    void route(const QString& path, Route answer) { m_routes.insert(path, std::move(answer)); }
    const QStringList& requested() const { return m_requested; }

private:
    void answer(class QTcpSocket* socket, const QByteArray& request);

    QTcpServer m_server;
    QHash<QString, Route> m_routes;
    QStringList m_requested;
};
