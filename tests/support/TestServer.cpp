#include "support/TestServer.h"

#include "core/Database.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

namespace {

QString urlFile()
{
    return qEnvironmentVariable("BILLCRAFT_TEST_SERVER_URL_FILE");
}

bool cluster(const QString& action)
{
    const QString state = QFileInfo(urlFile()).absolutePath();
    return QProcess::execute(QStringLiteral(BILLCRAFT_SOURCE_DIR "/scripts/pg-test-cluster"),
                             {action, state}) == 0;
}

} // namespace

namespace TestServer {

bool wanted()
{
    return qEnvironmentVariable("BILLCRAFT_TEST_ENGINE") == u"postgresql";
}

Result<ServerAddress> admin()
{
    QFile file(urlFile());
    if (urlFile().isEmpty() || !file.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("no test server: %1 cannot be read (run the test "
                                      "through ctest, which starts the server)")
                           .arg(urlFile())};
    return ServerAddress::fromUrl(QString::fromUtf8(file.readAll()).trimmed());
}

Result<ServerAddress> freshDatabase()
{
    Result<ServerAddress> address = admin();
    if (!address)
        return address;
    static QAtomicInt counter;
    const QString name = QStringLiteral("t_%1_%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(counter.fetchAndAddRelaxed(1));
    const QString connection = QStringLiteral("test-admin-") + name;
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connection);
        db.setHostName(address->host);
        db.setPort(address->port);
        db.setUserName(address->user);
        db.setDatabaseName(address->database);
        if (!db.open())
            error = db.lastError().text();
        else if (QSqlQuery q(db); !q.exec(QStringLiteral("CREATE DATABASE ") + name))
            error = q.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!error.isEmpty())
        return Failure{QStringLiteral("the test database cannot be made: ") + error};
    address->database = name;
    return address;
}

bool waitAlone(Database& db)
{
    QDeadlineTimer deadline(5000);
    for (;;) {
        const Result<int> others = db.otherSeats();
        if (others && *others == 0)
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
}

bool pause()
{
    return cluster(QStringLiteral("pause"));
}

bool resume()
{
    return cluster(QStringLiteral("resume"));
}

} // namespace TestServer
