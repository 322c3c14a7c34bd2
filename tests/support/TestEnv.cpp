#include "support/TestEnv.h"

#include <QFile>
#include <QTest>

TestEnv::TestEnv(QDate today)
    : clock(today)
{
    if (!dir.isValid() || !db.open(dir.filePath(Database::kFileName)))
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
    exec(QStringLiteral("INSERT INTO TblUserData(TextLogo) VALUES (?)"), {textLogo});
    return db.scalar(QStringLiteral("SELECT max(Identity) FROM TblUserData")).toInt();
}

int TestEnv::addClient(const QString& company, int identity)
{
    exec(QStringLiteral("INSERT INTO TblClients(Company, Identity) VALUES (?, ?)"),
         {company, identity});
    return db.scalar(QStringLiteral("SELECT max(ClientID) FROM TblClients")).toInt();
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
