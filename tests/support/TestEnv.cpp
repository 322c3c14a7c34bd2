#include "support/TestEnv.h"

#include "support/TestServer.h"

#include <QFile>
#include <QTest>

TestEnv::TestEnv(QDate today)
    : clock(today)
{
    // The same tests run on a file and, as <test>_server, on the test run's PostgreSQL server.
    bool opened = false;
    if (!TestServer::wanted()) {
        opened = dir.isValid() && db.open(dir.filePath(Database::kFileName));
    } else if (const Result<ServerAddress> server = TestServer::freshDatabase(); !server) {
        QTest::qFail(qPrintable(server.error()), __FILE__, __LINE__);
    } else {
        opened = dir.isValid() && db.openServer(*server);
    }
    if (!opened)
        QTest::qFail(qPrintable(QStringLiteral("test database: ") + db.errorString()), __FILE__,
                     __LINE__);
    if (makeSession)
        session = makeSession(*this);
}

void TestEnv::exec(const QString& sql, const QVariantList& values)
{
    if (!db.exec(sql, values))
        QTest::qFail(qPrintable(sql + QStringLiteral(": ") + db.errorString()), __FILE__, __LINE__);
}

int TestEnv::addIdentity(const QString& textLogo)
{
    const Result<qint64> added =
        db.insert({}, QStringLiteral("INSERT INTO TblUserData(TextLogo) VALUES (?)"), {textLogo});
    if (!added)
        QTest::qFail(qPrintable(added.error()), __FILE__, __LINE__);
    return int(added ? *added : 0);
}

int TestEnv::addClient(const QString& company, int identity)
{
    const Result<qint64> added =
        db.insert({}, QStringLiteral("INSERT INTO TblClients(Company, Identity) VALUES (?, ?)"),
                  {company, identity});
    if (!added)
        QTest::qFail(qPrintable(added.error()), __FILE__, __LINE__);
    return int(added ? *added : 0);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}
