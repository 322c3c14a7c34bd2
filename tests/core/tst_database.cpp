#include "core/DataFolder.h"
#include "core/Database.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The bytes of an SQLite file made by running `statements` on a new file.
QByteArray sqliteFile(const QStringList& statements)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("made.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot make %s", qPrintable(path));
        QSqlQuery q(db);
        for (const QString& sql : statements) {
            if (!q.exec(sql))
                qFatal("%s failed", qPrintable(sql));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(path);
    return readAll(path);
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
        QCOMPARE(
            db.columns(QStringLiteral("TblClients")),
            QStringList({"ClientID", "Salutation", "FirstName", "LastName", "Company", "Address1",
                         "Address2", "Address3", "Town", "County", "PostCode", "Country",
                         "Telephone", "Fax", "Email", "Mobile", "Notes", "Identity"}));
        QCOMPARE(db.columns(QStringLiteral("TblInvoices")),
                 QStringList({"InvoiceID", "ClientID", "InvoiceNumber", "Content", "Value", "VAT",
                              "Total", "Date", "Paid", "DatePaid", "BadDebt", "Identity"}));
        QCOMPARE(db.columns(QStringLiteral("TblUserData")),
                 QStringList({"Identity", "TextLogo", "Logo", "LogoFont", "FontColour", "FontSize",
                              "FontStyle", "PageHeader", "DividerLine", "VatReg", "VatRate",
                              "InvoiceCaption", "PageFooter"}));
        QCOMPARE(db.columns(QStringLiteral("TblExpenses")),
                 QStringList({"ExpenseID", "Date", "ClientRef", "Description", "Milage", "Value",
                              "VAT", "Identity"}));
        QCOMPARE(db.columns(QStringLiteral("TblAppointments")),
                 QStringList({"AppointId", "ADate", "Appoint", "ATime", "Alert", "Identity"}));
        QCOMPARE(db.schemaVersion(), Database::kSchemaVersion);
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA journal_mode")).toString(),
                 QStringLiteral("wal"));
        QCOMPARE(db.scalar(QStringLiteral("PRAGMA synchronous")).toInt(), 2); // FULL
    }

    void olderDatabaseIsUpgradedAndGainsNotesOnce()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(Database::kFileName);
        {
            Database db;
            QVERIFY(db.open(path));
            // An earlier installation's address book had no notes.
            QVERIFY(db.exec(QStringLiteral("DROP TABLE TblClients")));
            QVERIFY(db.exec(QStringLiteral("CREATE TABLE TblClients(ClientID INTEGER PRIMARY KEY "
                                           "AUTOINCREMENT, Company TEXT, Identity INTEGER)")));
            QVERIFY(db.exec(QStringLiteral("INSERT INTO TblClients(Company, Identity) VALUES "
                                           "('Acme', 1), ('Zeta', 1)")));
            // Schema version 1: no list indexes yet, and the old one on ClientID.
            QVERIFY(db.exec(QStringLiteral("DROP INDEX IdxInvoicesUnpaid")));
            QVERIFY(db.exec(QStringLiteral("CREATE INDEX IdxInvoicesClient ON "
                                           "TblInvoices(ClientID)")));
            QVERIFY(db.exec(QStringLiteral("PRAGMA user_version=1")));
        }
        Database db;
        QVERIFY(db.open(path));
        QCOMPARE(db.schemaVersion(), 2);
        const QString index =
            QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='index' AND name=?");
        QCOMPARE(db.scalar(index, {QStringLiteral("IdxInvoicesUnpaid")}).toInt(), 1);
        QCOMPARE(db.scalar(index, {QStringLiteral("IdxInvoicesClient")}).toInt(), 0);
        const QString table = QStringLiteral("TblClients"), notes = QStringLiteral("Notes");
        QCOMPARE(db.addColumnIfMissing(table, notes, QStringLiteral("Memo")),
                 Database::AddColumn::Added);
        QCOMPARE(db.columns(table).count(notes), 1);
        QCOMPARE(db.scalar(QStringLiteral("SELECT count(*) FROM TblClients WHERE Notes IS NULL"))
                     .toInt(),
                 2);
        // Memo is text: digits keep their leading zero.
        QVERIFY(db.exec(QStringLiteral("UPDATE TblClients SET Notes=? WHERE Company='Acme'"),
                        {QStringLiteral("0123")}));
        QCOMPARE(db.scalar(QStringLiteral("SELECT typeof(Notes) FROM TblClients WHERE "
                                          "Company='Acme'"))
                     .toString(),
                 QStringLiteral("text"));
        QCOMPARE(db.addColumnIfMissing(table, notes, QStringLiteral("Memo")),
                 Database::AddColumn::Present);
        QCOMPARE(db.columns(table).count(notes), 1);
        // Names that are not plain identifiers are refused rather than pasted into SQL.
        QCOMPARE(db.addColumnIfMissing(table, QStringLiteral("x; DROP TABLE TblClients"),
                                       QStringLiteral("Memo")),
                 Database::AddColumn::Failed);
    }

    void foreignFilesAreRefusedAndLeftUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text file")
            << QByteArray("Name,Value\nAcme,12\n") << QStringLiteral("not a Billcraft database");
        QByteArray damaged("SQLite format 3\0", 16);
        damaged += QByteArray(4080, '\xAB');
        QTest::newRow("damaged sqlite") << damaged << QStringLiteral("not a Billcraft database");
        QTest::newRow("another program's sqlite")
            << sqliteFile({"CREATE TABLE Songs(Title TEXT, Seconds INTEGER)",
                           "INSERT INTO Songs VALUES ('Intro', 61)"})
            << QStringLiteral("none of Billcraft's tables");
        // Billcraft makes the five tables together: a file with only some was made elsewhere.
        QTest::newRow("some of our tables")
            << sqliteFile({"CREATE TABLE TblClients(ClientID INTEGER PRIMARY KEY, Company TEXT)",
                           "CREATE TABLE tblinvoices(InvoiceID INTEGER PRIMARY KEY)",
                           "CREATE TABLE Notes(Body TEXT)"})
            << QStringLiteral("lacks the tables TblUserData, TblExpenses, TblAppointments");
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
    // read through it, and the opening recovers what was committed there, and only that.
    void committedWorkSurvivesACrash()
    {
        QTemporaryDir dir, copy;
        Database db;
        QVERIFY(db.open(dir.filePath(Database::kFileName)));
        QVERIFY(db.exec(QStringLiteral("PRAGMA wal_autocheckpoint=0")));
        const QString insert = QStringLiteral("INSERT INTO TblClients(Company) VALUES (?)");
        {
            Transaction tx(db);
            QVERIFY(tx.isActive() && db.exec(insert, {QStringLiteral("Lost")}));
        }
        {
            Transaction tx(db);
            QVERIFY(db.exec(insert, {QStringLiteral("Kept")}) && tx.commit());
        }
        for (const QString& suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")}) {
            const QString name = Database::kFileName + suffix;
            QVERIFY2(QFile::copy(dir.filePath(name), copy.filePath(name)), qPrintable(name));
        }
        QVERIFY(QFileInfo(copy.filePath(Database::kFileName + "-wal")).size() > 0);
        Database recovered;
        QVERIFY2(recovered.open(copy.filePath(Database::kFileName)),
                 qPrintable(recovered.errorString()));
        QCOMPARE(recovered.scalar(QStringLiteral("SELECT group_concat(Company) FROM TblClients"))
                     .toString(),
                 QStringLiteral("Kept"));
    }

    // A read-only database or folder is refused and left as it is; a missing folder is made.
    void readOnlyOrMissingDataFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(Database::kFileName);
        {
            Database db;
            QVERIFY(db.open(path));
        }
        const QByteArray before = readAll(path);
        const auto writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        Database db;
        QVERIFY(!db.open(path));
        QVERIFY2(db.errorString().contains(QStringLiteral("Accounts.mdb is read-only")),
                 qPrintable(db.errorString()));
        QCOMPARE(readAll(path), before);

        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(!db.open(path));
        QVERIFY2(db.errorString().contains(QStringLiteral("is read-only")),
                 qPrintable(db.errorString()));
        QVERIFY(DataFolder::prepare(dir.path()).contains(QStringLiteral("is read-only")));
        QCOMPARE(readAll(path), before);
        QVERIFY(QFile::setPermissions(dir.path(), writable));
        QVERIFY2(db.open(path), qPrintable(db.errorString()));

        const QString nested = dir.filePath(QStringLiteral("a/b"));
        QCOMPARE(DataFolder::prepare(nested), QString());
        QVERIFY(QFileInfo(nested).isDir());
        QVERIFY(DataFolder::prepare(path).contains(QStringLiteral("is a file")));
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
