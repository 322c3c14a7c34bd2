#include "core/DataFolder.h"
#include "core/Database.h"
#include "core/SafeFile.h"
#include "support/CaseFile.h"
#include "support/FullDisk.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <future>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// The bytes of an SQLite file made by running `statements` on a new file.
QByteArray sqliteFile(const QStringList& statements)
{
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.filePath("made.db"));
    sqlite3* db = nullptr;
    if (sqlite3_open(path.constData(), &db) != SQLITE_OK ||
        sqlite3_exec(db, statements.join(u';').toUtf8().constData(), nullptr, nullptr, nullptr) !=
            SQLITE_OK)
        qFatal("cannot make %s: %s", path.constData(), sqlite3_errmsg(db));
    sqlite3_close(db);
    return readAll(QFile::decodeName(path));
}

// The permission bits of a file or folder, e.g. 0600.
int modeOf(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
private slots:
    void newFileGetsTheWholeSchema_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("no file") << QByteArray();
        QTest::newRow("sqlite file without tables")
            << sqliteFile({"CREATE TABLE Scratch(a)", "DROP TABLE Scratch"});
    }
    void newFileGetsTheWholeSchema()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        if (!content.isEmpty())
            writeAll(dir.filePath(Database::kFileName), content);
        Database db;
        QVERIFY2(db.open(dir.filePath(Database::kFileName)), qPrintable(db.errorString()));
        for (const QStringList& table : CaseFile::read("core/schema.txt"))
            QCOMPARE(table[0] + u':' + db.columns(table[0]).join(u' '), table.join(u':'));
        QCOMPARE(db.schemaVersion(), Database::kSchemaVersion);
        QCOMPARE(db.scalar("PRAGMA journal_mode"), QVariant("wal"));
        QCOMPARE(db.scalar("PRAGMA synchronous").toInt(), 2); // FULL
    }

    void olderDatabaseIsUpgradedAndGainsNotesOnce()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(Database::kFileName);
        {
            Database db;
            QVERIFY(db.open(path));
            // An earlier installation's address book had no notes; schema version 1 had no list
            // indexes yet, and the old one on ClientID.
            for (const char* sql :
                 {"DROP TABLE TblClients",
                  "CREATE TABLE TblClients(ClientID INTEGER PRIMARY KEY AUTOINCREMENT, "
                  "Company TEXT, Identity INTEGER)",
                  "INSERT INTO TblClients(Company, Identity) VALUES ('Acme', 1), ('Zeta', 1)",
                  "DROP INDEX IdxInvoicesUnpaid",
                  "CREATE INDEX IdxInvoicesClient ON TblInvoices(ClientID)",
                  "PRAGMA user_version=1"})
                QVERIFY2(db.exec(QString::fromLatin1(sql)), sql);
        }
        Database db;
        QVERIFY(db.open(path));
        QCOMPARE(db.schemaVersion(), Database::kSchemaVersion);
        const QString index = "SELECT count(*) FROM sqlite_master WHERE type='index' AND name=?";
        QCOMPARE(db.scalar(index, {"IdxInvoicesUnpaid"}).toInt(), 1);
        QCOMPARE(db.scalar(index, {"IdxInvoicesClient"}).toInt(), 0);
        const QString table = "TblClients", notes = "Notes";
        QCOMPARE(db.addColumnIfMissing(table, notes, "Memo"), Database::AddColumn::Added);
        // Memo is text: digits keep their leading zero; the rows there before have none.
        QVERIFY(db.exec("UPDATE TblClients SET Notes=? WHERE Company='Acme'", {"0123"}));
        QCOMPARE(db.scalar("SELECT group_concat(typeof(Notes)) FROM TblClients"),
                 QVariant("text,null"));
        QCOMPARE(db.addColumnIfMissing(table, notes, "Memo"), Database::AddColumn::Present);
        QCOMPARE(db.columns(table).count(notes), 1);
        // Names that are not plain identifiers are refused rather than pasted into SQL.
        QCOMPARE(db.addColumnIfMissing(table, "x; DROP TABLE TblClients", "Memo"),
                 Database::AddColumn::Failed);
    }

    // Version 3 gives the seller and the buyer their e-invoice terms, and each client the
    // country code its Country text clearly names.
    void version2GainsBusinessTermsAndCountryCodes()
    {
        const QList<QStringList> cases = CaseFile::read("core/countries.txt");
        QTemporaryDir dir;
        const QString path = dir.filePath(Database::kFileName);
        {
            Database db;
            QVERIFY(db.open(path));
            for (const char* sql :
                 {"DROP TABLE TblClients", "DROP TABLE TblUserData",
                  "CREATE TABLE TblClients(ClientID INTEGER PRIMARY KEY, Company TEXT, Country "
                  "TEXT, "
                  "Email TEXT, Identity INTEGER)",
                  "CREATE TABLE TblUserData(Identity INTEGER PRIMARY KEY, TextLogo TEXT)",
                  "INSERT INTO TblUserData VALUES (1, 'Harbour')", "PRAGMA user_version=2"})
                QVERIFY2(db.exec(QString::fromLatin1(sql)), sql);
            for (const QStringList& c : cases)
                QVERIFY(db.exec("INSERT INTO TblClients(Company, Country) VALUES (?, ?)",
                                {c[0], c[1]}));
        }
        Database db;
        QVERIFY2(db.open(path), qPrintable(db.errorString()));
        QCOMPARE(db.schemaVersion(), Database::kSchemaVersion);
        for (const QStringList& c : cases)
            QCOMPARE(db.scalar("SELECT coalesce(CountryCode, '') FROM TblClients "
                               "WHERE Company = ?",
                               {c[0]})
                         .toString(),
                     c[2]);
        QCOMPARE(db.scalar("SELECT PaymentDays FROM TblUserData").toInt(), 30);
    }

    void foreignFilesAreRefusedAndLeftUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text file")
            << QByteArray("Name,Value\nAcme,12\n") << "not a Billcraft database";
        QByteArray damaged("SQLite format 3\0", 16);
        damaged += QByteArray(4080, '\xAB');
        QTest::newRow("damaged sqlite") << damaged << "not a Billcraft database";
        QTest::newRow("another program's sqlite")
            << sqliteFile({"CREATE TABLE Songs(Title TEXT, Seconds INTEGER)",
                           "INSERT INTO Songs VALUES ('Intro', 61)"})
            << "none of Billcraft's tables";
        // Billcraft makes the five tables together: a file with only some was made elsewhere.
        QTest::newRow("some of our tables")
            << sqliteFile({"CREATE TABLE TblClients(ClientID INTEGER PRIMARY KEY, Company TEXT)",
                           "CREATE TABLE tblinvoices(InvoiceID INTEGER PRIMARY KEY)",
                           "CREATE TABLE Notes(Body TEXT)"})
            << "lacks the tables TblUserData, TblExpenses, TblAppointments";
    }
    void foreignFilesAreRefusedAndLeftUntouched()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(Database::kFileName);
        writeAll(path, content);
        Database db;
        QVERIFY(!db.open(path));
        QVERIFY2(db.errorString().contains(reason), qPrintable(db.errorString()));
        QVERIFY(!db.isOpen());
        QCOMPARE(readAll(path), content);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{Database::kFileName});
    }

    // A crash leaves the write-ahead log beside the file: the check that the file is ours must
    // read through it, and the opening recovers what was committed there, and only that. On a
    // full disk, where the log's index cannot be made, the refusal says so, as does a write
    // there that stops short.
    void committedWorkSurvivesACrash_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("room on the disk") << false;
        QTest::newRow("full disk") << true;
    }
    void committedWorkSurvivesACrash()
    {
        QFETCH(bool, full);
        QTemporaryDir dir, room;
        FullDisk disk;
        if (full && !disk.isMounted())
            QSKIP("mounting a RAM disk needs root");
        const QDir copy(full ? disk.path() : room.path());
        Database db;
        QVERIFY(db.open(dir.filePath(Database::kFileName)));
        QVERIFY(db.exec("PRAGMA wal_autocheckpoint=0"));
        const QString insert = "INSERT INTO TblClients(Company) VALUES (?)";
        {
            Transaction tx(db);
            QVERIFY(tx.isActive() && db.exec(insert, {"Lost"}));
        }
        {
            Transaction tx(db);
            QVERIFY(db.exec(insert, {"Kept"}) && tx.commit());
        }
        for (const QString& name : {Database::kFileName, Database::kFileName + "-wal"})
            QVERIFY2(QFile::copy(dir.filePath(name), copy.filePath(name)), qPrintable(name));
        QVERIFY(QFileInfo(copy.filePath(Database::kFileName + "-wal")).size() > 0);
        Database recovered;
        if (full) {
            QString error;
            QVERIFY(!SafeFile::write(copy.filePath("1.dat"), QByteArray(512 << 10, 'x'), &error));
            QVERIFY2(error.endsWith("there is no space left on the disk"), qPrintable(error));
            disk.fill();
            QVERIFY(!recovered.open(copy.filePath(Database::kFileName)));
            error = recovered.errorString();
            QVERIFY2(error.contains("there is no space left on the disk") &&
                         !error.contains("not a Billcraft database"),
                     qPrintable(error));
            return;
        }
        QVERIFY2(recovered.open(copy.filePath(Database::kFileName)),
                 qPrintable(recovered.errorString()));
        QCOMPARE(recovered.scalar("SELECT group_concat(Company) FROM TblClients"),
                 QVariant("Kept"));
    }

    // The books are their owner's alone: a new data folder, a new database and its journals.
    // An existing folder's database files lose others' permissions when opened; its other
    // files keep theirs. A read-only database or folder is refused and left as it is.
    void booksArePrivateAndReadOnlyOnesRefused()
    {
        ::umask(022);
        QTemporaryDir dir;
        const QString folder = dir.filePath("a/books");
        QCOMPARE(DataFolder::prepare(folder), QString());
        QCOMPARE(modeOf(folder), 0700);
        const QString path = QDir(folder).filePath(Database::kFileName);
        const QString layout = QDir(folder).filePath("1.dat");
        const QStringList books{path, path + "-wal", path + "-shm"};
        {
            Database db, second;
            QVERIFY(db.open(path));
            for (const QString& file : books)
                QCOMPARE(modeOf(file), 0600);
            writeAll(layout, "layout");
            for (const QString& file : books + QStringList{layout})
                QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner |
                                                        QFile::ReadGroup | QFile::ReadOther));
            QVERIFY2(second.open(path), qPrintable(second.errorString()));
            for (const QString& file : books)
                QCOMPARE(modeOf(file), 0600);
            QCOMPARE(modeOf(layout), 0644);
        }

        const QByteArray before = readAll(path);
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        Database db;
        QVERIFY(!db.open(path));
        QVERIFY2(db.errorString().contains("Accounts.mdb is read-only"),
                 qPrintable(db.errorString()));
        QCOMPARE(readAll(path), before);

        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(!db.open(path));
        QVERIFY2(db.errorString().contains("is read-only"), qPrintable(db.errorString()));
        QVERIFY(DataFolder::prepare(folder).contains("is read-only"));
        QCOMPARE(readAll(path), before);
        QVERIFY(
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QVERIFY2(db.open(path), qPrintable(db.errorString()));
        QVERIFY(DataFolder::prepare(path).contains("is a file"));
    }

    // The working folder that receives copies of the books is never written through a link or
    // into another user's folder; a missing one is made, an open one closed.
    void privateSubfolder_data() { CaseFile::addRows("core/private-subfolder.txt", {"refusal"}); }
    void privateSubfolder()
    {
        const QString what = QString::fromLatin1(QTest::currentDataTag());
        QFETCH(QString, refusal);
        QTemporaryDir dir, elsewhere;
        const QString temp = dir.filePath(DataFolder::kTempFolder);
        if (what == u"open" || what == u"stranger")
            QVERIFY(QDir().mkdir(temp, QFile::Permissions(0x7777)));
        if (what == u"stranger" && ::geteuid() != 0)
            QSKIP("giving a folder to another user needs root");
        if (what == u"stranger")
            QCOMPARE(::chown(QFile::encodeName(temp).constData(), 65534, 65534), 0);
        if (what == u"link")
            QVERIFY(QFile::link(elsewhere.path(), temp));
        const Result<QString> got =
            DataFolder::privateSubfolder(dir.path(), DataFolder::kTempFolder);
        if (refusal.isEmpty()) {
            QVERIFY2(got, qPrintable(got.error()));
            QCOMPARE(modeOf(*got), 0700);
        } else {
            QVERIFY(!got);
            QVERIFY2(got.error().contains(refusal), qPrintable(got.error()));
        }
        QCOMPARE(filesIn(elsewhere.path()), QStringList());
    }

    // The row helpers read what the statement gives, and a failing statement is a Failure with
    // the driver's reason, never an empty result.
    void rowHelpersAndFailedCommits()
    {
        TestEnv env;
        Database& db = env.db;
        const QString add = "INSERT INTO TblClients(Company, Town) VALUES (?, ?)";
        QCOMPARE(*db.insert({}, add, {"Acme", "Bray"}), qint64(1));
        QCOMPARE(*db.insert({}, add, {"Bolt", QVariant()}), qint64(2));
        const auto company = [](const Row& r) { return r["company"].toString(); };
        const QString byTown = "SELECT * FROM TblClients WHERE Town IS ?";
        QCOMPARE(*db.all(byTown, {QVariant()}, company), QStringList{"Bolt"});
        QCOMPARE(**db.one(byTown, {"Bray"}, company), "Acme");
        QCOMPARE(*db.one(byTown, {"Cork"}, company), std::nullopt);
        QCOMPARE(db.value("SELECT max(ClientID) FROM TblClients")->toInt(), 2);
        QCOMPARE(*db.change({}, "UPDATE TblClients SET Town = ?", {"Cork"}), qint64(2));

        const QString missing = "SELECT * FROM TblNowhere WHERE Town = ?";
        QVERIFY(db.all(missing, {"Cork"}, company).error().contains("no such table"));
        QVERIFY(db.one(missing, {"Cork"}, company).error().contains("no such table"));
        const QString noColumn = db.change({}, "UPDATE TblClients SET Colour = 1", {}).error();
        QVERIFY2(noColumn.contains("no such column"), qPrintable(noColumn));
        QVERIFY(!db.insert({}, add, {"too few values"}));

        // SQLite leaves a transaction open when its COMMIT fails (here a deferred foreign key).
        // The failed commit rolls it back and reports why, so the next write is a change of its
        // own, committed and announced, not a part of the failed one.
        env.exec("DELETE FROM TblClients");
        for (const char* sql :
             {"PRAGMA foreign_keys=ON", "CREATE TABLE Owner(Id INTEGER PRIMARY KEY)",
              "CREATE TABLE Owned(OwnerId INTEGER REFERENCES Owner(Id) DEFERRABLE INITIALLY "
              "DEFERRED)"})
            env.exec(QString::fromLatin1(sql));
        QSignalSpy announced(&db.changes(), &DatabaseChanges::changed);
        const QString addCompany = "INSERT INTO TblClients(Company) VALUES (?)";
        {
            Transaction tx(db);
            QVERIFY(db.insert(DatabaseChanges::Clients, addCompany, {"Lost"}));
            env.exec("INSERT INTO Owned VALUES (7)"); // no owner 7
            QVERIFY(!tx.commit());
            QVERIFY2(db.errorString().contains("FOREIGN KEY"), qPrintable(db.errorString()));
            QVERIFY(!tx.isActive());
            QVERIFY(db.insert(DatabaseChanges::Clients, addCompany, {"Kept"}));
        }
        QCOMPARE(announced.count(), 1);
        Database other;
        QVERIFY2(other.open(db.path()), qPrintable(other.errorString()));
        QCOMPARE(other.scalar("SELECT group_concat(Company) FROM TblClients"), QVariant("Kept"));
        QCOMPARE(other.scalar("SELECT count(*) FROM Owned").toInt(), 0);
    }

    // A write waits for another process's write to end rather than fail, also when it reads
    // first (as taking the next number does).
    void aWriterWaitsForAnother()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(Database::kFileName);
        Database db;
        QVERIFY(db.open(path));
        std::promise<void> locked;
        std::thread other([&] {
            sqlite3* raw = nullptr;
            sqlite3_open(QFile::encodeName(path).constData(), &raw);
            sqlite3_exec(raw, "BEGIN IMMEDIATE; INSERT INTO TblClients(Company) VALUES ('Other')",
                         nullptr, nullptr, nullptr);
            locked.set_value();
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(raw);
        });
        locked.get_future().wait();
        bool written = false;
        {
            Transaction tx(db);
            written = tx.isActive() && db.scalar("SELECT count(*) FROM TblClients").isValid() &&
                      db.exec("INSERT INTO TblClients(Company) VALUES ('Ours')") && tx.commit();
        }
        other.join();
        QVERIFY2(written, qPrintable(db.errorString()));
        QCOMPARE(db.scalar("SELECT count(*) FROM TblClients").toInt(), 2);
    }

    // Scratch files a killed Billcraft left go by their names, and only while no other
    // Billcraft holds the folder; everything else stays.
    void staleScratchFilesGoWhenAlone()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(DataFolder::kTempFolder));
        const QDir temp(dir.filePath(DataFolder::kTempFolder));
        const QStringList stale{"Accounts.mdb.Qw12Er.part", ".write-test-Zx12Cv"};
        const QStringList staleInTemp{"backup-Ab12Cd.db", "Accounts.mdb.Xy12Zz"};
        const QStringList kept{"1.dat", "Accounts.mdb", "Billcraft.lock", "notes.part"};
        const QStringList keptInTemp{"Accounts-before-restore-2026-12-03.mdb", "Accounts.mdb",
                                     "backup-notes.db"};
        for (const QString& name : stale + kept)
            writeAll(dir.filePath(name), "x");
        for (const QString& name : staleInTemp + keptInTemp)
            writeAll(temp.filePath(name), "x");

        auto window = DataFolder::Hold::take(dir.path());
        auto job = DataFolder::Hold::take(dir.path());
        QVERIFY(window && job);
        QVERIFY(!(*job)->whileAlone([] { QFAIL("not alone"); }));
        (*window).reset();
        QStringList leftovers{"unset"};
        QVERIFY((*job)->whileAlone(
            [&] { leftovers = DataFolder::removeStaleScratchFiles(dir.path()); }));
        QCOMPARE(leftovers, QStringList());
        QCOMPARE(filesIn(dir.path()), kept);
        QCOMPARE(filesIn(temp.path()), keptInTemp);
        // Shared again afterwards: another Billcraft starts, and neither is alone.
        auto later = DataFolder::Hold::take(dir.path());
        QVERIFY(later && !(*later)->whileAlone([] {}));
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
