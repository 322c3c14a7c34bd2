#include "core/DataFolder.h"
#include "core/Database.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

const QStringList kTables = {QStringLiteral("TblUserData"), QStringLiteral("TblClients"),
                             QStringLiteral("TblInvoices"), QStringLiteral("TblExpenses"),
                             QStringLiteral("TblAppointments")};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
private slots:
    void newFileGetsTheWholeSchema()
    {
        QTemporaryDir dir;
        Database db;
        QVERIFY2(db.open(dir.filePath(Database::kFileName)), qPrintable(db.errorString()));
        for (const QString& table : kTables)
            QVERIFY2(db.connection().tables().contains(table), qPrintable(table));
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
        QVERIFY(db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='index' "
                                         "AND tbl_name='TblInvoices' AND sql LIKE '%Identity%'"))
                    .toInt() > 0);
    }

    void olderDatabaseGainsNotesOnceAndNullEverywhere()
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
        }
        Database db;
        QVERIFY(db.open(path));
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
        QTest::newRow("text file") << QByteArray("Name,Value\nAcme,12\n");
        QByteArray damaged("SQLite format 3\0", 16);
        damaged += QByteArray(4080, '\xAB');
        QTest::newRow("damaged sqlite") << damaged;
    }
    void foreignFilesAreRefusedAndLeftUntouched()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(Database::kFileName);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        Database db;
        QVERIFY(!db.open(path));
        QVERIFY2(db.errorString().contains(QStringLiteral("not a Billcraft database")),
                 qPrintable(db.errorString()));
        QVERIFY(!db.isOpen());
        QCOMPARE(readAll(path), content);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{Database::kFileName});
    }

    void transactionRollsBackUnlessCommitted()
    {
        QTemporaryDir dir;
        Database db;
        QVERIFY(db.open(dir.filePath(Database::kFileName)));
        const QString insert = QStringLiteral("INSERT INTO TblClients(Company) VALUES (?)");
        {
            Transaction tx(db);
            QVERIFY(tx.isActive());
            QVERIFY(db.exec(insert, {QStringLiteral("Lost")}));
        }
        {
            Transaction tx(db);
            QVERIFY(db.exec(insert, {QStringLiteral("Kept")}));
            QVERIFY(tx.commit());
        }
        QCOMPARE(
            db.scalar(QStringLiteral("SELECT group_concat(Company) FROM TblClients")).toString(),
            QStringLiteral("Kept"));
    }

    void dataFolderIsCreatedOrExplained()
    {
        QTemporaryDir dir;
        const QString nested = dir.filePath(QStringLiteral("a/b"));
        QCOMPARE(DataFolder::prepare(nested), QString());
        QVERIFY(QFileInfo(nested).isDir());

        const QString file = dir.filePath(QStringLiteral("plain"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(DataFolder::prepare(file).contains(QStringLiteral("is a file")));
        if (geteuid() != 0) { // root writes anywhere
            const QString locked = dir.filePath(QStringLiteral("locked"));
            QDir().mkdir(locked);
            QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
            QVERIFY(DataFolder::prepare(locked).contains(QStringLiteral("cannot be written")));
        }
    }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
