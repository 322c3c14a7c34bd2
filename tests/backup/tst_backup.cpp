#include "BackupFixtures.h"
#include "backup/Backup.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace fixtures;

namespace {

// Makes every write of this process past `bytes` fail with EFBIG, as a full disk fails them.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    // Rows committed since the last checkpoint live only in the write-ahead log; the backup
    // still holds them, unzip accepts the archive, and a restore brings back every row.
    void roundTripWithPagesStillInTheLog()
    {
        TestEnv env;
        env.exec(QStringLiteral("PRAGMA wal_autocheckpoint=0"));
        fillBooks(env);
        const QString live = env.file(Database::kFileName);
        QVERIFY(QFileInfo(live + QStringLiteral("-wal")).size() > 0);
        // The main file alone lacks them: a copy of it would not be a backup.
        QTemporaryDir other;
        QFile::copy(live, other.filePath(QStringLiteral("alone.db")));
        QVERIFY(rowsOf(other.filePath(QStringLiteral("alone.db"))).size() < 40);
        const QStringList before = rowsOf(live);

        const QString archive = env.file(QStringLiteral("Monday.bak"));
        const Status made = Backup::write(env.db, archive);
        QVERIFY2(made, qPrintable(made.error()));
        QCOMPARE(*ZipArchive::entryNames(archive), QStringList{Database::kFileName});
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-tq"), archive});
        QVERIFY(unzip.waitForFinished(60'000));
        QCOMPARE(unzip.exitCode(), 0);
        QCOMPARE(filesIn(env.file(Backup::kScratchFolder)), QStringList());

        env.exec(QStringLiteral("DELETE FROM TblInvoices WHERE InvoiceID > 3"));
        env.exec(QStringLiteral("UPDATE TblClients SET Company = 'Gone'"));
        const Result<QString> copy = Restore::extract(env.folder(), archive);
        QVERIFY2(copy, qPrintable(copy.error()));
        const Status proven = Restore::prove(*copy);
        QVERIFY2(proven, qPrintable(proven.error()));
        env.db.close();
        const Status replaced = Restore::replaceLive(env.folder());
        QVERIFY2(replaced, qPrintable(replaced.error()));
        QCOMPARE(readAll(live), readAll(*copy));
        QVERIFY(env.db.open(live));
        QCOMPARE(rowsOf(live), before);
    }

    // An older file gains the start-up's schema steps on the copy, before it becomes live.
    void olderSchemaIsUpgradedOnTheCopy()
    {
        TestEnv env;
        const QByteArray old = sqliteFile(
            {"CREATE TABLE TblUserData(Identity INTEGER PRIMARY KEY AUTOINCREMENT, TextLogo TEXT, "
             "Logo TEXT, LogoFont TEXT, FontColour INTEGER, FontSize REAL, FontStyle TEXT, "
             "PageHeader TEXT, DividerLine INTEGER, VatReg INTEGER, VatRate REAL, "
             "InvoiceCaption TEXT, PageFooter TEXT)",
             "CREATE TABLE TblClients(ClientID INTEGER PRIMARY KEY AUTOINCREMENT, Salutation TEXT, "
             "FirstName TEXT, LastName TEXT, Company TEXT, Address1 TEXT, Address2 TEXT, "
             "Address3 TEXT, Town TEXT, County TEXT, PostCode TEXT, Country TEXT, Telephone TEXT, "
             "Fax TEXT, Email TEXT, Mobile TEXT, Identity INTEGER)",
             "CREATE TABLE TblInvoices(InvoiceID INTEGER PRIMARY KEY AUTOINCREMENT, ClientID "
             "INTEGER, InvoiceNumber TEXT, Content TEXT, \"Value\" INTEGER, VAT INTEGER, Total "
             "INTEGER, \"Date\" REAL, Paid INTEGER NOT NULL DEFAULT 0, DatePaid REAL, BadDebt "
             "INTEGER NOT NULL DEFAULT 0, Identity INTEGER)",
             "CREATE TABLE TblExpenses(ExpenseID INTEGER PRIMARY KEY AUTOINCREMENT, \"Date\" REAL, "
             "ClientRef TEXT, Description TEXT, Milage REAL, \"Value\" INTEGER, VAT INTEGER, "
             "Identity INTEGER)",
             "CREATE TABLE TblAppointments(AppointId INTEGER PRIMARY KEY AUTOINCREMENT NOT NULL, "
             "ADate REAL, Appoint TEXT, ATime REAL, Alert INTEGER, Identity INTEGER)",
             "INSERT INTO TblUserData(TextLogo) VALUES ('Old Firm')",
             "INSERT INTO TblClients(Company, Identity) VALUES ('Acme', 1)"});
        writeAll(env.file(QStringLiteral("old.bak")), zipOf({{"ACCOUNTS.MDB", old}}));

        const Result<QString> copy = Restore::extract(env.folder(), env.file("old.bak"));
        QVERIFY2(copy, qPrintable(copy.error()));
        const Status proven = Restore::prove(*copy);
        QVERIFY2(proven, qPrintable(proven.error()));
        Database restored;
        QVERIFY(restored.open(*copy));
        QCOMPARE(restored.schemaVersion(), Database::kSchemaVersion);
        QVERIFY(restored.columns(QStringLiteral("TblClients")).contains(QStringLiteral("Notes")));
        QCOMPARE(restored.scalar(QStringLiteral("SELECT Company FROM TblClients")).toString(),
                 QStringLiteral("Acme"));
    }

    // What a restore refuses, and at which step; the live files are never touched, and a copy
    // left by an earlier restore never stands in for the archive that failed.
    void refusedArchives_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<bool>("extracts");
        QTest::addColumn<QString>("because");
        const QByteArray text = "Dear Sir,\nplease find enclosed\n";
        QTest::newRow("text file") << text << false << "not a readable zip archive";
        QTest::newRow("empty file") << QByteArray() << false << "not a readable zip archive";
        QTest::newRow("zip bomb") << withDeclaredSize(zipOf({{"Accounts.mdb", "x"}}), 0xFFFFFFF0u)
                                  << false << "more than the|is damaged";
        QTest::newRow("parent path")
            << zipOf({{"../Accounts.mdb", text}}) << false << "under a folder name";
        QTest::newRow("other file")
            << zipOf({{"/etc/x", text}}) << false << "does not hold Accounts.mdb";
        QTest::newRow("text as database")
            << zipOf({{"Accounts.mdb", text}}) << true << "is not an SQLite database";
        QTest::newRow("empty database")
            << zipOf({{"Accounts.mdb", {}}}) << true << "is not an SQLite database";
        QTest::newRow("damaged database")
            << zipOf({{"Accounts.mdb", damagedDatabase()}}) << true << "is damaged";
        QTest::newRow("another program's database")
            << zipOf({{"Accounts.mdb", sqliteFile({"CREATE TABLE Recipes(Name TEXT)"})}}) << true
            << "has no table TblUserData";
        QTest::newRow("a table short of columns")
            << zipOf({{"Accounts.mdb",
                       sqliteFile({"CREATE TABLE TblUserData(Identity INTEGER PRIMARY KEY)",
                                   "CREATE TABLE TblClients(ClientID, Company, Identity)",
                                   "CREATE TABLE TblInvoices(InvoiceID)",
                                   "CREATE TABLE TblExpenses(ExpenseID)",
                                   "CREATE TABLE TblAppointments(AppointId)"})}})
            << true << "has no column textlogo";
    }
    void refusedArchives()
    {
        QFETCH(QByteArray, archive);
        QFETCH(bool, extracts);
        QFETCH(QString, because);
        TestEnv env;
        fillBooks(env);
        writeAll(env.file(QStringLiteral("chosen.bak")), archive);
        QDir(env.folder()).mkpath(Backup::kScratchFolder);
        writeAll(Restore::copyPath(env.folder()), readAll(env.file(Database::kFileName)));
        const QByteArray before = liveHash(env.folder());

        const Result<QString> copy = Restore::extract(env.folder(), env.file("chosen.bak"));
        const Status proven = copy ? Restore::prove(*copy) : Status(Failure{copy.error()});
        QCOMPARE(bool(copy), extracts);
        QVERIFY(!proven);
        // A forged size is refused up front when the disk is smaller, else by the bytes.
        QVERIFY2(proven.error().contains(QRegularExpression(because)), qPrintable(proven.error()));
        QCOMPARE(QFileInfo::exists(Restore::copyPath(env.folder())), extracts);
        QCOMPARE(liveHash(env.folder()), before);
        QVERIFY(env.db.isOpen());
    }

    // A failed or cancelled backup leaves no archive and no scratch file, and the books open.
    void failedBackupLeavesNothing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("because");
        QTest::newRow("disk fills while copying") << "copy"
                                                  << "could not be copied";
        QTest::newRow("archive folder missing") << "nowhere"
                                                << "folder does not exist";
        QTest::newRow("cancelled") << "cancel"
                                   << "cancelled";
        QTest::newRow("onto the database") << "self"
                                           << "is the database itself";
    }
    void failedBackupLeavesNothing()
    {
        QFETCH(QString, how);
        QFETCH(QString, because);
        TestEnv env;
        fillBooks(env, 3000);
        const QString live = env.file(Database::kFileName);
        env.db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        const QByteArray before = liveHash(env.folder());
        const QStringList files = filesIn(env.folder());
        const QString archive = how == u"self"      ? live
                                : how == u"nowhere" ? env.file(QStringLiteral("nowhere/out.bak"))
                                                    : env.file(QStringLiteral("out.bak"));

        Status done = Done{};
        if (how == u"cancel") {
            done = Backup::write(env.db, archive, [](double f) { return f < 0.5; });
        } else if (how == u"copy") {
            FileSizeLimit full(rlim_t(QFileInfo(live).size() / 2));
            done = Backup::write(env.db, archive);
        } else {
            done = Backup::write(env.db, archive);
        }
        QVERIFY(!done);
        QVERIFY2(done.error().contains(because), qPrintable(done.error()));
        QCOMPARE(filesIn(env.folder()), files);
        QCOMPARE(filesIn(env.file(Backup::kScratchFolder)), QStringList());
        QCOMPARE(liveHash(env.folder()), before);
        env.exec(QStringLiteral("INSERT INTO TblClients(Company) VALUES ('After')"));
    }

    // The command line mode, on the real program with no display: it writes the archive, or
    // says in one line why not and leaves the folder as it was.
    void commandLine_data()
    {
        QTest::addColumn<QString>("database");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stderrStart");
        QTest::newRow("ours") << "books" << 0 << "";
        QTest::newRow("none") << "" << 1 << "Billcraft: There is no Billcraft database";
        QTest::newRow("foreign") << "text" << 1 << "Billcraft: ";
    }
    void commandLine()
    {
        QFETCH(QString, database);
        QFETCH(int, exitCode);
        QFETCH(QString, stderrStart);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("data"));
        QDir().mkpath(folder);
        if (database == u"books") {
            TestEnv env;
            fillBooks(env);
            env.db.close();
            QFile::copy(env.file(Database::kFileName), QDir(folder).filePath(Database::kFileName));
        } else if (database == u"text") {
            writeAll(QDir(folder).filePath(Database::kFileName), "not a database");
        }
        const QStringList before = filesIn(folder);

        QProcess billcraft;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        billcraft.setProcessEnvironment(environment);
        billcraft.setWorkingDirectory(dir.path());
        billcraft.start(QStringLiteral(BILLCRAFT_BINARY),
                        {QStringLiteral("--backup"), QStringLiteral("out.bak"),
                         QStringLiteral("--data-folder"), folder});
        QVERIFY(billcraft.waitForFinished(60'000));
        const QString err = QString::fromUtf8(billcraft.readAllStandardError());
        QCOMPARE(billcraft.exitCode(), exitCode);
        QCOMPARE(QFileInfo::exists(dir.filePath(QStringLiteral("out.bak"))), exitCode == 0);
        if (exitCode == 0) {
            QCOMPARE(err, QString());
            QCOMPARE(*ZipArchive::entryNames(dir.filePath("out.bak")),
                     QStringList{Database::kFileName});
        } else {
            QCOMPARE(err.count(u'\n'), 1);
            QVERIFY2(err.startsWith(stderrStart), qPrintable(err));
            QCOMPARE(filesIn(folder), before);
        }
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
