#include "BackupFixtures.h"
#include "backup/Backup.h"
#include "core/DataFolder.h"
#include "support/CaseFile.h"
#include "support/FileSizeLimit.h"
#include "support/Windowless.h"

#include <QRegularExpression>
#include <QTest>
#include <optional>

using namespace fixtures;

namespace {

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    // A file from before client notes and the indexes is brought up to date on the copy.
    void olderSchemaIsUpgradedOnTheCopy()
    {
        TestEnv env;
        writeAll(
            env.file("old.bak"),
            zipOf("ACCOUNTS.MDB", databaseFile({"INSERT INTO TblClients(Company) VALUES ('Acme')",
                                                "ALTER TABLE TblClients DROP COLUMN Notes",
                                                "PRAGMA user_version = 0"})));
        const Result<QString> copy = Restore::extract(env.folder(), env.file("old.bak"));
        QVERIFY2(copy, qPrintable(copy.error()));
        const Status proven = Restore::prove(*copy);
        QVERIFY2(proven, qPrintable(proven.error()));
        Database restored;
        QVERIFY(restored.open(*copy));
        QCOMPARE(restored.schemaVersion(), Database::kSchemaVersion);
        QVERIFY(restored.columns("TblClients").contains("Notes"));
        QCOMPARE(restored.scalar("SELECT Company FROM TblClients"), "Acme");
    }

    // A failed or cancelled backup leaves no archive and no scratch file; the books work on.
    void failedBackupLeavesNothing_data()
    {
        CaseFile::addRows("backup/failed-backups.txt", {"how", "because"});
    }
    void failedBackupLeavesNothing()
    {
        QFETCH(QString, how);
        QFETCH(QString, because);
        TestEnv env;
        fillBooks(env, 3000);
        const QString live = env.file(Database::kFileName);
        const QByteArray before = liveHash(env.folder());
        const QStringList files = filesIn(env.folder());
        const QString archive = how == u"self" ? live : env.file("out.bak");

        Status done = Done{};
        if (how == u"cancel") {
            done = Backup::write(env.db, archive, [](double f) { return f < 0.5; });
        } else {
            FileSizeLimit full(rlim_t(QFileInfo(live).size() / 2));
            done = Backup::write(env.db, archive);
        }
        QVERIFY(!done);
        QVERIFY2(done.error().contains(because), qPrintable(done.error()));
        QCOMPARE(filesIn(env.folder()), files);
        QCOMPARE(filesIn(env.file(Backup::kScratchFolder)), QStringList());
        QCOMPARE(liveHash(env.folder()), before);
        env.exec("INSERT INTO TblClients(Company) VALUES ('After')");
    }

    // A proven copy that cannot take the live file's place leaves the live file as it was and
    // no part-written file beside it; once the obstacle is gone, the same copy goes in.
    void refusedReplaceKeepsTheLiveFile_data()
    {
        CaseFile::addRows("backup/refused-replace.txt", {"obstacle", "because"});
    }
    void refusedReplaceKeepsTheLiveFile()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, because);
        const bool heldOpen = obstacle == u"open";
        TestEnv env;
        fillBooks(env);
        const QString live = env.file(Database::kFileName);
        writeAll(env.file("b.bak"), zipOf("Accounts.mdb", databaseFile({})));
        const Result<QString> copy = Restore::extract(env.folder(), env.file("b.bak"));
        QVERIFY(copy && Restore::prove(*copy));
        env.db.close();
        const QByteArray before = liveHash(env.folder());

        Result<QString> done = QString();
        {
            Database other;
            std::optional<FileSizeLimit> full;
            if (heldOpen) {
                QVERIFY(other.open(live));
                QVERIFY(other.scalar("SELECT count(*) FROM TblClients").isValid());
            } else {
                full.emplace(rlim_t(QFileInfo(*copy).size() / 2));
            }
            done = Restore::replaceLive(env.folder(), TestEnv::kToday);
        }
        QVERIFY(!done);
        QVERIFY2(done.error().contains(because) && !done.error().contains("Unknown error"),
                 qPrintable(done.error()));
        QCOMPARE(liveHash(env.folder()), before);
        QCOMPARE(QDir(env.folder()).entryList({"*.part"}, QDir::Files), QStringList());
        QCOMPARE(filesIn(env.file(Backup::kScratchFolder)), QStringList{"Accounts.mdb"});

        const Result<QString> replaced = Restore::replaceLive(env.folder(), TestEnv::kToday);
        QVERIFY2(replaced, qPrintable(replaced.error()));
        QCOMPARE(readAll(live), readAll(*copy));
    }

    // Each restore keeps the books it replaced, private to their owner; the newest three stay.
    void restoresKeepTheReplacedBooks()
    {
        TestEnv env;
        fillBooks(env);
        env.db.close();
        const QString live = env.file(Database::kFileName);
        const QByteArray first = readAll(live);
        writeAll(env.file("b.bak"), zipOf("Accounts.mdb", databaseFile({})));
        const Result<QString> copy = Restore::extract(env.folder(), env.file("b.bak"));
        QVERIFY(copy);
        QCOMPARE(QFileInfo(*copy).permissions() & 0x0077, QFileDevice::Permissions());
        QStringList kept;
        for (const int day : {1, 2, 2, 3}) {
            const Result<QString> replaced =
                Restore::replaceLive(env.folder(), QDate(2026, 12, day));
            QVERIFY2(replaced, qPrintable(replaced.error()));
            kept << QFileInfo(*replaced).fileName();
        }
        const QString prefix = Restore::kKeptPrefix;
        QCOMPARE(kept, QStringList({prefix + "2026-12-01.mdb", prefix + "2026-12-02.mdb",
                                    prefix + "2026-12-02-2.mdb", prefix + "2026-12-03.mdb"}));
        QStringList newest = kept.mid(1);
        newest.sort();
        QCOMPARE(filesIn(env.file(Backup::kScratchFolder)).filter(prefix), newest);
        QCOMPARE(readAll(env.file(Backup::kScratchFolder + '/' + kept[1])), readAll(*copy));
        QVERIFY(first != readAll(*copy));
        QCOMPARE(QFileInfo(live).permissions() & 0x0077, QFileDevice::Permissions());
    }

    // A Temp that leads elsewhere is refused, and nothing is written through it.
    void linkedTempIsRefused()
    {
        TestEnv env;
        QTemporaryDir elsewhere;
        QVERIFY(QFile::link(elsewhere.path(), env.file(Backup::kScratchFolder)));
        writeAll(env.file("b.bak"), zipOf("Accounts.mdb", databaseFile({})));
        const Status backedUp = Backup::write(env.db, env.file("out.bak"));
        const Result<QString> extracted = Restore::extract(env.folder(), env.file("b.bak"));
        for (const QString& error : {backedUp.error(), extracted.error()})
            QVERIFY2(error.contains("is a link to another place"), qPrintable(error));
        QCOMPARE(filesIn(elsewhere.path()), QStringList());
    }

    // The real program with no display writes the archive, or says in one line why not. It
    // only reads the database: a read-only file backs up, an older one is not upgraded, and
    // one that is not ours is neither filled nor given company. A killed backup's snapshot and
    // part-written archive go first, unless another Billcraft holds the data folder (its own
    // backup may be under way).
    void commandLine_data()
    {
        CaseFile::addRows("backup/command-line.txt",
                          {"db", "readOnly", "leftovers", "args", "error"});
    }
    void commandLine()
    {
        QFETCH(QString, db);
        QFETCH(QString, readOnly);
        QFETCH(QString, leftovers);
        QFETCH(QString, args);
        QFETCH(QString, error);
        const bool present = db != u"none";
        const QHash<QString, QStringList> made{
            {"older", {"ALTER TABLE TblClients DROP COLUMN Notes", "PRAGMA user_version = 0"}},
            {"foreign", {"DROP TABLE TblUserData", "CREATE TABLE Recipes(a)"}}};
        const QByteArray database =
            db == u"empty" || !present ? QByteArray() : databaseFile(made.value(db));
        QStringList arguments = args.split(u' ');
        QTemporaryDir dir;
        arguments.replaceInStrings(QRegularExpression("^DIR$"), dir.path());
        const QString dbPath = dir.filePath(Database::kFileName);
        error = error.arg(QDir::toNativeSeparators(dbPath));
        if (present)
            writeAll(dbPath, database);
        if (readOnly == u"yes")
            QVERIFY(QFile::setPermissions(dbPath, QFile::ReadOwner | QFile::ReadGroup));
        const QStringList planted{Backup::kScratchFolder + "/backup-Ab12Cd.db",
                                  "out.bak.Xy12Zz.part"};
        if (leftovers != u"none") {
            QVERIFY(QDir(dir.path()).mkdir(Backup::kScratchFolder));
            for (const QString& name : planted)
                writeAll(dir.filePath(name), "left behind");
        }
        std::optional<Result<std::unique_ptr<DataFolder::Hold>>> window;
        if (leftovers == u"kept")
            window.emplace(DataFolder::Hold::take(dir.path()));
        const QStringList files = filesIn(dir.path());
        const WindowlessRun run = runWindowless(arguments, dir.path());
        QVERIFY(run.finished);
        const QString& err = run.stdErr;
        QCOMPARE(run.exitCode, error.isEmpty() ? 0 : 1);
        QCOMPARE(err.count(u'\n'), error.isEmpty() ? 0 : 1);
        QVERIFY2(error.isEmpty() ? err.isEmpty() : err.startsWith(error), qPrintable(err));
        if (present)
            QCOMPARE(readAll(dbPath), database);
        if (!error.isEmpty()) {
            QCOMPARE(filesIn(dir.path()), files);
            return;
        }
        const Result<QStringList> names = ZipArchive::entryNames(dir.filePath("out.bak"));
        QCOMPARE(names ? *names : QStringList(), QStringList{"Accounts.mdb"});
        QVERIFY(
            ZipArchive::extractOne(dir.filePath("out.bak"), "Accounts.mdb", dir.filePath("x.db")));
        QCOMPARE(rowsOf(dir.filePath("x.db")), rowsOf(dbPath));
        for (const QString& name : planted)
            QCOMPARE(QFileInfo::exists(dir.filePath(name)), leftovers == u"kept");
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
