#include "BookFixtures.h"
#include "backup/BookCopy.h"
#include "support/Windowless.h"

#include <QDir>
#include <QTest>

using namespace books;

namespace {

// Files a data folder shares with its books, and one it does not.
void addFolderFiles(const QString& folder)
{
    writeAll(QDir(folder).filePath("1.dat"), QByteArray("\x01\x00layout\xff", 9));
    writeAll(QDir(folder).filePath("Layout.set"), "set");
    writeAll(QDir(folder).filePath("Help.set"), "help");
    writeAll(QDir(folder).filePath("Logo.PNG"), "\x89PNG");
    writeAll(QDir(folder).filePath("notes.txt"), "not the books'");
}

} // namespace

class TestBookCopy : public QObject {
    Q_OBJECT
private slots:
    // Every row comes over as it was, every identity's list totals agree, the shared files
    // come with it, and the server never gives a key the file had given, a deleted row's
    // included.
    void copyToKeepsEveryRowAndTotal()
    {
        TestEnv env;
        fill(env);
        addFolderFiles(env.folder());
        const qint64 lastKey =
            env.db.scalar("SELECT seq FROM sqlite_sequence WHERE name = 'TblInvoices'")
                .toLongLong();
        const ServerAddress address = freshServer();

        const WindowlessRun run =
            runWindowless({"--data-folder", env.folder(), "--copy-to", address.url()});
        QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.stdErr));
        QVERIFY(run.stdOut.startsWith("Copied "));

        Database server;
        QVERIFY2(server.openServer(address), qPrintable(server.errorString()));
        Database fresh;
        QVERIFY(fresh.openServer(freshServer()));
        QCOMPARE(indexes(server), indexes(fresh));
        QCOMPARE(totalsByIdentity(server), totalsByIdentity(env.db));
        QCOMPARE(totalsByIdentity(server).size(), 2);
        QCOMPARE(rows(server), rows(env.db));
        QStringList expected = files(env.db, env.folder());
        expected.removeIf([](const QString& f) {
            return !f.startsWith("1.dat=") && !f.startsWith("Layout.set=") &&
                   !f.startsWith("Help.set=") && !f.startsWith("Logo.PNG=");
        });
        QCOMPARE(expected.size(), 4);
        QCOMPARE(files(server, {}), expected);

        const Result<qint64> key = server.insert(
            {}, "INSERT INTO TblInvoices(InvoiceNumber, Identity) VALUES ('9999', 1)", {});
        QVERIFY2(key, qPrintable(key.error()));
        QCOMPARE(*key, lastKey + 1);
    }

    // A copy that cannot be whole leaves the server's books as they were, and says why, one
    // line a problem.
    void refusedCopyChangesNothing_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("because");
        QTest::newRow("books there already") << "books"
                                             << "already holds books (rows in TblUserData)";
        QTest::newRow("a number twice in an identity")
            << "duplicate"
            << "Identity 1 (Lowther Joinery) has 2 invoices numbered \"0103\"";
        // Expenses are copied after invoices: those must go too.
        QTest::newRow("a value the server cannot hold") << "value"
                                                        << "TblExpenses cannot be copied";
    }
    void refusedCopyChangesNothing()
    {
        QFETCH(QString, obstacle);
        QFETCH(QString, because);
        TestEnv env;
        fill(env, 6);
        addFolderFiles(env.folder());
        const ServerAddress address = freshServer();
        Database server;
        QVERIFY2(server.openServer(address), qPrintable(server.errorString()));
        if (obstacle == u"books")
            QVERIFY(server.exec("INSERT INTO TblUserData(TextLogo) VALUES ('Theirs')"));
        if (obstacle == u"duplicate")
            env.exec("INSERT INTO TblInvoices(InvoiceNumber, Identity) VALUES ('0103', 1)");
        if (obstacle == u"value") // an old file may hold a text where a number belongs
            env.exec("UPDATE TblExpenses SET \"Value\" = 'lots'");
        const QStringList before = rows(server);
        const QStringList filesBefore = files(server, {});

        const WindowlessRun run =
            runWindowless({"--data-folder", env.folder(), "--copy-to", address.url()});
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.stdErr.contains(because), qPrintable(run.stdErr));
        for (const QString& line : run.stdErr.split(u'\n', Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith("Billcraft: "), qPrintable(line));
        QCOMPARE(rows(server), before);
        QCOMPARE(files(server, {}), filesBefore);
    }
};

QTEST_GUILESS_MAIN(TestBookCopy)
#include "tst_bookcopy.moc"
