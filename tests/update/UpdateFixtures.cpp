#include "UpdateFixtures.h"

#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <sodium.h>
#include <zip.h>

TestSigningKey TestSigningKey::make(char seedByte)
{
    if (sodium_init() < 0)
        qFatal("libsodium cannot start");
    const QByteArray seed(crypto_sign_SEEDBYTES, seedByte);
    TestSigningKey key;
    key.publicKey.resize(crypto_sign_PUBLICKEYBYTES);
    key.secretKey.resize(crypto_sign_SECRETKEYBYTES);
    crypto_sign_seed_keypair(reinterpret_cast<unsigned char*>(key.publicKey.data()),
                             reinterpret_cast<unsigned char*>(key.secretKey.data()),
                             reinterpret_cast<const unsigned char*>(seed.constData()));
    return key;
}

QByteArray signDetached(const QByteArray& data, const QByteArray& secretKey)
{
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(data.constData()),
                         static_cast<unsigned long long>(data.size()),
                         reinterpret_cast<const unsigned char*>(secretKey.constData()));
    return signature;
}

QByteArray makeZip(const QList<QPair<QString, QByteArray>>& entries)
{
    QTemporaryDir dir;
    const QByteArray path = dir.filePath(QStringLiteral("package.zip")).toLocal8Bit();
    int error = 0;
    zip_t* archive = zip_open(path.constData(), ZIP_CREATE | ZIP_EXCL, &error);
    if (!archive)
        qFatal("zip_open failed: %d", error);
    for (const auto& [name, bytes] : entries) {
        // libzip reads the buffer when the archive is closed; `entries` outlives that.
        zip_source_t* source = zip_source_buffer(archive, bytes.constData(),
                                                 static_cast<zip_uint64_t>(bytes.size()), 0);
        if (!source ||
            zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0)
            qFatal("zip_file_add failed: %s", zip_strerror(archive));
    }
    if (zip_close(archive) < 0)
        qFatal("zip_close failed");
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("the zip just written cannot be read");
    return file.readAll();
}

LoopbackServer::LoopbackServer()
{
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("no loopback port: %s", qPrintable(m_server.errorString()));
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            socket->setParent(&m_server);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                QByteArray request = socket->property("request").toByteArray() + socket->readAll();
                socket->setProperty("request", request);
                if (request.contains("\r\n\r\n"))
                    answer(socket, request);
            });
        }
    });
}

LoopbackServer::~LoopbackServer() = default;

QString LoopbackServer::address() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

void LoopbackServer::answer(QTcpSocket* socket, const QByteArray& request)
{
    // "GET /path HTTP/1.1"
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = words.size() > 1 ? QString::fromLatin1(words[1]) : QString();
    m_requested << path;
    const Route route = m_routes.value(path, Route{404, "not here", false});
    if (route.hang)
        return; // the socket stays open and silent until the client gives up
    const QByteArray reason = route.status == 200 ? "OK" : "Not Found";
    socket->write("HTTP/1.1 " + QByteArray::number(route.status) + ' ' + reason +
                  "\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                  QByteArray::number(route.body.size()) + "\r\nConnection: close\r\n\r\n" +
                  route.body);
    socket->disconnectFromHost();
}
