#include "support/TestEnv.h"

#include "support/TestServer.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
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

void TestEnv::addFailingTrigger(const QString& name, const QString& event, const QString& table,
                                const QString& message)
{
    if (!db.isServer()) {
        exec(
            QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 BEGIN SELECT RAISE(ABORT, '%4'); END")
                .arg(name, event, table, message));
        return;
    }
    // PostgreSQL runs a trigger's body as a function of its own.
    exec(QStringLiteral("CREATE FUNCTION %1Refuses() RETURNS trigger LANGUAGE plpgsql AS "
                        "$$BEGIN RAISE EXCEPTION '%2'; END$$")
             .arg(name, message));
    exec(QStringLiteral(
             "CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW EXECUTE FUNCTION %1Refuses()")
             .arg(name, event, table));
}

void TestEnv::dropFailingTrigger(const QString& name, const QString& table)
{
    if (!db.isServer()) {
        exec(QStringLiteral("DROP TRIGGER %1").arg(name));
        return;
    }
    exec(QStringLiteral("DROP TRIGGER %1 ON %2").arg(name, table));
    exec(QStringLiteral("DROP FUNCTION %1Refuses()").arg(name));
}

QString TestEnv::missingTableWords() const
{
    return db.isServer() ? QStringLiteral("ERROR:  relation \"") : QStringLiteral("no such table");
}

QString TestEnv::planOf(const QString& sql, const QVariantList& values)
{
    if (!db.isServer()) {
        const auto plan = db.all(QStringLiteral("EXPLAIN QUERY PLAN ") + sql, values,
                                 [](const Row& row) { return row[3].toString(); });
        return plan ? plan->join(QStringLiteral("; ")) : plan.error();
    }
    // A server prepares no EXPLAIN: the values are written in.
    QString written = sql;
    for (const QVariant& v : values) {
        const QString literal = v.typeId() == QMetaType::Double
                                    ? QString::number(v.toDouble(), 'g', 17)
                                    : QString::number(v.toLongLong());
        written.replace(written.indexOf(u'?'), 1, literal);
    }
    // A plan that still sorts, or reads the table whole, has no index that serves it.
    exec(QStringLiteral("SET enable_seqscan = off"));
    exec(QStringLiteral("SET enable_sort = off"));
    QSqlQuery q(db.connection());
    QStringList steps;
    if (!q.exec(QStringLiteral("EXPLAIN ") + written))
        steps << q.lastError().text();
    while (q.next())
        steps << q.value(0).toString().trimmed();
    exec(QStringLiteral("RESET enable_seqscan"));
    exec(QStringLiteral("RESET enable_sort"));
    return steps.join(QStringLiteral("; "));
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
