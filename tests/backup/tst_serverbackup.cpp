#include "BookFixtures.h"
#include "backup/Backup.h"
#include "backup/BookCopy.h"
#include "backup/ServerBackup.h"
#include "support/Windowless.h"

#include <QDir>
#include <QTest>

using namespace books;

namespace {

// Shared books on a fresh server database, copied from `env`'s folder with one shared file.
ServerAddress serverOf(TestEnv& env, const QByteArray& help)
{
    writeAll(env.file("Help.set"), help);
    const ServerAddress address = freshServer();
    if (const Status copied = BookCopy::copyToServer(env.folder(), address); !copied)
        QTest::qFail(qPrintable(copied.error()), __FILE__, __LINE__);
    return address;
}

} // namespace

class TestServerBackup : public QObject {
    Q_OBJECT
private slots:
    // The archive of shared books is one a data folder restores: the same rows, the same
    // totals, and key counters that still never give a deleted row's key again.
    void backupFromServerRestoresIntoAFolder()
    {
        TestEnv source;
        fill(source);
        const ServerAddress address = serverOf(source, "help of the books");
        const QString archive = source.file("shared.bak");

        const WindowlessRun run = runWindowless({"--database", address.url(), "--backup", archive});
        QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.stdErr));
        const Result<QStringList> entries = ZipArchive::entryNames(archive);
        QVERIFY2(entries, qPrintable(entries.error()));
        QCOMPARE(*entries, (QStringList{"Accounts.mdb", "Help.set"}));
        // Nothing of the scratch copy is left beside the archive.
        QCOMPARE(
            QDir(source.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            (QStringList{"Accounts.mdb", "Accounts.mdb-shm", "Accounts.mdb-wal", "Help.set",
                         "shared.bak"}));

        TestEnv target;
        target.db.close();
        const Result<QString> copy = Restore::extract(target.folder(), archive);
        QVERIFY2(copy, qPrintable(copy.error()));
        const Status proven = Restore::prove(*copy);
        QVERIFY2(proven, qPrintable(proven.error()));
        const Result<QString> replaced = Restore::replaceLive(target.folder(), TestEnv::kToday);
        QVERIFY2(replaced, qPrintable(replaced.error()));
        QVERIFY(target.db.open(target.file(Database::kFileName)));
        Database server;
        QVERIFY2(server.openServer(address), qPrintable(server.errorString()));
        QCOMPARE(totalsByIdentity(target.db), totalsByIdentity(server));
        QCOMPARE(rows(target.db), rows(source.db));
        QCOMPARE(indexes(target.db), indexes(source.db));
        const QVariant counter =
            target.db.scalar("SELECT seq FROM sqlite_sequence WHERE name = 'TblInvoices'");
        QCOMPARE(counter,
                 source.db.scalar("SELECT seq FROM sqlite_sequence WHERE name = 'TblInvoices'"));
    }

    // A restore waits until no other seat works on the books; then the server holds the
    // archive's rows and files alone.
    void restoreOntoServerWhenAlone()
    {
        TestEnv live;
        fill(live, 12);
        const ServerAddress liveAddress = serverOf(live, "live help");
        TestEnv other;
        fill(other, 4);
        other.addClient("Only in the archive", 1);
        const ServerAddress otherAddress = serverOf(other, "archived help");
        const QString archive = other.file("other.bak");
        {
            Database from;
            QVERIFY(from.openServer(otherAddress));
            const Status written = ServerBackup::write(from, other.folder(), archive);
            QVERIFY2(written, qPrintable(written.error()));
        }
        TestEnv scratch;
        const Result<QString> copy = Restore::extract(scratch.folder(), archive);
        QVERIFY(copy && Restore::prove(*copy));
        const auto archived = ServerBackup::sharedFilesIn(archive, scratch.folder());
        QVERIFY2(archived, qPrintable(archived.error()));

        Database server;
        QVERIFY(server.openServer(liveAddress));
        const QStringList before = rows(server);
        {
            Database seat;
            QVERIFY(seat.openServer(liveAddress));
            const Status refused = ServerBackup::restore(server, *copy, *archived);
            QVERIFY(!refused);
            QVERIFY2(refused.error().startsWith("1 other seat(s) are connected"),
                     qPrintable(refused.error()));
            QCOMPARE(rows(server), before);
        }
        QVERIFY(TestServer::waitAlone(server));
        const Status restored = ServerBackup::restore(server, *copy, *archived);
        QVERIFY2(restored, qPrintable(restored.error()));
        QCOMPARE(rows(server), rows(other.db));
        QCOMPARE(totalsByIdentity(server), totalsByIdentity(other.db));
        QCOMPARE(files(server, {}), QStringList{"Help.set=" + QByteArray("archived help").toHex()});
    }

    // An archive from outside: only plain shared files are taken, and one too large for a
    // layout or a logo refuses the archive before it is read.
    void archivesFilesAreJudged()
    {
        TestEnv env;
        const QString archive = env.file("outside.bak");
        QVERIFY(ZipArchive::write(archive, {{"Accounts.mdb", {}, "db"},
                                            {"2.dat", {}, "layout"},
                                            {"sub/3.dat", {}, "in a folder"},
                                            {"run.sh", {}, "not ours"},
                                            {".hidden.png", {}, "hidden"}}));
        const auto files = ServerBackup::sharedFilesIn(archive, env.folder());
        QVERIFY2(files, qPrintable(files.error()));
        QCOMPARE(*files, (QList<QPair<QString, QByteArray>>{{"2.dat", "layout"}}));

        QVERIFY(ZipArchive::write(
            archive, {{"Accounts.mdb", {}, "db"},
                      {"Logo.png", {}, QByteArray(ServerBackup::kMaxSharedFile + 1, 'x')}}));
        const auto refused = ServerBackup::sharedFilesIn(archive, env.folder());
        QVERIFY(!refused);
        QCOMPARE(QDir(env.folder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestServerBackup)
#include "tst_serverbackup.moc"
