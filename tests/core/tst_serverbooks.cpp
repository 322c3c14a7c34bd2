// Shared books on the test run's PostgreSQL server: the address, the schema made once however
// many seats start together, refusals that change nothing, and changes reaching other seats.

#include "core/Database.h"
#include "support/CaseFile.h"
#include "support/TestServer.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <memory>

namespace {

ServerAddress freshBooks()
{
    const Result<ServerAddress> address = TestServer::freshDatabase();
    if (!address)
        qFatal("%s", qPrintable(address.error()));
    return *address;
}

// Runs one statement on a bare connection of its own: what another program does.
void runOutside(const ServerAddress& at, const QString& sql)
{
    {
        QSqlDatabase raw =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("raw"));
        raw.setHostName(at.host);
        raw.setPort(at.port);
        raw.setUserName(at.user);
        raw.setDatabaseName(at.database);
        QVERIFY(raw.open());
        QVERIFY(QSqlQuery(raw).exec(sql));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

} // namespace

class TestServerBooks : public QObject {
    Q_OBJECT
private slots:
    void addresses_data() { CaseFile::addRows("core/server-addresses.txt", {"url", "options"}); }
    void addresses()
    {
        QFETCH(QString, url);
        QFETCH(QString, options);
        const Result<ServerAddress> address = ServerAddress::fromUrl(url);
        QCOMPARE(address.ok(), !options.isEmpty());
        if (!address)
            return;
        QCOMPARE(address->connectOptions(), options);
        QCOMPARE(ServerAddress::fromUrl(address->url())->url(), address->url());
    }

    // Seats starting together against an empty database make one schema between them.
    void seatsStartingAtOnceMakeOneSchema()
    {
        const ServerAddress books = freshBooks();
        QList<QString> errors(4);
        QList<QThread*> seats;
        for (int i = 0; i < 4; ++i) {
            seats << QThread::create([&books, &errors, i] {
                Database db;
                if (!db.openServer(books))
                    errors[i] = db.errorString();
            });
            seats.last()->start();
        }
        for (QThread* seat : seats) {
            QVERIFY(seat->wait(30000));
            delete seat;
        }
        QCOMPARE(errors, QList<QString>(4));
        Database db;
        QVERIFY(db.openServer(books));
        QCOMPARE(db.value("SELECT count(*) FROM BillcraftSchema")->toInt(), 1);
        QCOMPARE(db.schemaVersion(), Database::kSchemaVersion);
    }

    // A newer program's schema and another program's tables are refused, and left as they were.
    void foreignAndNewerBooksAreRefusedUnchanged()
    {
        const ServerAddress newer = freshBooks();
        QVERIFY(Database().openServer(newer));
        runOutside(newer, QStringLiteral("UPDATE BillcraftSchema SET Version = 99"));
        Database db;
        QVERIFY(!db.openServer(newer));
        QVERIFY2(db.errorString().contains(u"newer Billcraft"), qPrintable(db.errorString()));
        QVERIFY(!db.isOpen());

        const ServerAddress foreign = freshBooks();
        runOutside(foreign, QStringLiteral("CREATE TABLE Ledger(Id INTEGER)"));
        QVERIFY(!db.openServer(foreign));
        QVERIFY2(db.errorString().contains(u"another program"), qPrintable(db.errorString()));
    }

    // A committed change reaches the other seat as the same announcement its own would make;
    // a rolled-back one never does.
    void committedChangesReachOtherSeats()
    {
        const ServerAddress books = freshBooks();
        Database mine, theirs;
        QVERIFY(mine.openServer(books));
        QVERIFY(theirs.openServer(books));
        QSignalSpy heard(&mine.changes(), &DatabaseChanges::changed);
        {
            Transaction tx(theirs);
            QVERIFY(theirs.insert(DatabaseChanges::Invoices,
                                  "INSERT INTO TblInvoices(InvoiceNumber, Identity) VALUES (?, ?)",
                                  {"01", 1}));
        } // rolled back
        QVERIFY(theirs.insert(DatabaseChanges::Clients,
                              "INSERT INTO TblClients(Company, Identity) VALUES (?, ?)",
                              {"Acme", 1}));
        QTRY_COMPARE_WITH_TIMEOUT(heard.size(), 1, 1000);
        QCOMPARE(heard.at(0).at(0).value<DatabaseChanges::Tables>(),
                 DatabaseChanges::Tables(DatabaseChanges::Clients));
        QTest::qWait(100);
        QCOMPARE(heard.size(), 1);
    }

    // The server going away fails the statement that meets it; once it is back, the next
    // statement connects again by itself.
    void aLostConnectionIsReportedThenRegained()
    {
        const ServerAddress books = freshBooks();
        Database db;
        QVERIFY(db.openServer(books));
        QVERIFY(TestServer::pause());
        const Result<QVariant> during = db.value("SELECT count(*) FROM TblInvoices");
        QVERIFY(TestServer::resume());
        QVERIFY(!during);
        QVERIFY(db.connectionLost());
        const Result<QVariant> after = db.value("SELECT count(*) FROM TblInvoices");
        QVERIFY2(after, qPrintable(after.error()));
        QCOMPARE(after->toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestServerBooks)
#include "tst_serverbooks.moc"
