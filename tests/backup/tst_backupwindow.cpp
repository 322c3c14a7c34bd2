#include "BackupFixtures.h"
#include "app/MainWindow.h"
#include "backup/Backup.h"
#include "backup/ui/BackupRestore.h"
#include "core/ui/LongWork.h"
#include "core/ui/PictureButton.h"
#include "support/CaseFile.h"
#include "support/ListItems.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

using namespace fixtures;

namespace {

using Answer = Prompter::Answer;

Prompter::Message question(const QString& text, const QString& title)
{
    return {text, title, Prompter::Buttons::YesNo, Prompter::Icon::Question, Answer::No};
}

// The work a click started on its worker, if any (one that has finished may await deletion).
LongWork* runningWork(MainWindow& w)
{
    for (LongWork* work : w.findChildren<LongWork*>()) {
        if (work->isRunning())
            return work;
    }
    return nullptr;
}

void waitFor(LongWork* work)
{
    if (!work)
        return;
    QSignalSpy finished(work, &LongWork::finished);
    QVERIFY(finished.wait(60'000));
}

// Clicks and waits until the work it started, and the messages after it, are done.
void click(MainWindow& w, const char* name)
{
    QTest::mouseClick(child<PictureButton>(&w, name), Qt::LeftButton);
    waitFor(runningWork(w));
}

} // namespace

class TestBackupWindow : public QObject {
    Q_OBJECT
private slots:
    // No to either question, no file chosen, or Cancel while the copy runs: nothing changes,
    // and nothing more is said (not even that the back up was not made).
    void declinedActionsChangeNothing_data()
    {
        CaseFile::addRows("backup/declined.txt", {"action", "how"});
    }
    void declinedActionsChangeNothing()
    {
        QFETCH(QString, action);
        QFETCH(QString, how);
        const bool backUp = action == u"back up";
        TestEnv env;
        fillBooks(env);
        // About 20 MB, so the copy is still under way when the cancel comes.
        if (how == u"cancel")
            env.exec("INSERT INTO TblExpenses(\"Date\", Description, Identity) WITH RECURSIVE "
                     "n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000) "
                     "SELECT 46001, hex(randomblob(5000)), 1 FROM n");
        MainWindow w(*env.session);
        w.startUp();
        w.tabs()->setCurrentIndex(MainWindow::TabExpenses);
        const QByteArray before = liveHash(env.folder());
        const QStringList files = QDir(env.folder()).entryList(QDir::Files | QDir::Hidden);
        QTemporaryDir out;
        env.prompter.expectExactly(backUp ? question("Back Up DataFile ?", "Back Up ?")
                                          : question("Restore DataFile ?", "Restore ?"),
                                   how == u"No" ? Answer::No : Answer::Yes);
        if (how == u"no file")
            backUp ? env.prompter.expectSaveFile(std::nullopt)
                   : env.prompter.expectOpenFile(std::nullopt);
        if (how == u"cancel")
            env.prompter.expectSaveFile(out.filePath("cancelled.bak"));
        QTest::mouseClick(child<PictureButton>(&w, backUp ? "picBackUp" : "PicRestore"),
                          Qt::LeftButton);
        LongWork* work = runningWork(w);
        QCOMPARE(work != nullptr, how == u"cancel");
        if (work)
            work->cancel();
        waitFor(work);
        VERIFY_PROMPTS(env.prompter);
        QCOMPARE(liveHash(env.folder()), before);
        QCOMPARE(QDir(env.folder()).entryList(QDir::Files | QDir::Hidden), files);
        QCOMPARE(QDir(env.file(Backup::kScratchFolder)).entryList(QDir::Files), QStringList());
        QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(w.tabs()->currentIndex(), int(MainWindow::TabExpenses));
    }

    // Back up while the write-ahead log holds rows the main file lacks, change the books,
    // restore: every row returns, the window shows them on its first tab, and the live file is
    // the extracted copy.
    void backUpThenRestore()
    {
        TestEnv env;
        env.exec("PRAGMA wal_autocheckpoint=0");
        fillBooks(env);
        MainWindow w(*env.session);
        w.startUp();
        const QString live = env.file(Database::kFileName);
        // Typed without an extension: ".bak" is added.
        const QString archive = env.file("Friday.bak");
        const QByteArray before = rowsOf(live);
        QVERIFY(QFileInfo(live + "-wal").size() > 0);
        auto* clients = child<QComboBox>(&w, "cmbSelectClient");
        const QStringList clientsBefore = openedItems(clients);

        env.prompter.expectQuestion(BackupRestore::kBackUpQuestion, Answer::Yes)
            .expectSaveFile(env.file("Friday"))
            .expectMessage(BackupRestore::kBackedUp, QString());
        click(w, "picBackUp");
        VERIFY_PROMPTS(env.prompter);
        QCOMPARE(env.prompter.lastSaveRequest().fileName, "Billcraft 2026-12-03.bak");
        QCOMPARE(QProcess::execute("unzip", {"-tq", archive}), 0);

        env.exec("DELETE FROM TblClients WHERE Company = 'OBrien Builders'");
        env.exec("DELETE FROM TblInvoices");
        const QByteArray changed = rowsOf(live);
        env.db.changes().announce(DatabaseChanges::Clients);
        QCOMPARE(openedItems(clients).size(), 1);
        w.tabs()->setCurrentIndex(MainWindow::TabReports);
        // A restore is no change of identity: the alerts are not shown again, the day stays.
        env.session->setAlertsChecked(true);
        env.session->setCalendarDate(QDate(2031, 3, 14));

        const QString kept = QDir(env.file(Backup::kScratchFolder))
                                 .filePath("Accounts-before-restore-2026-12-03.mdb");
        env.prompter.expectQuestion(BackupRestore::kRestoreQuestion, Answer::Yes)
            .expectOpenFile(archive)
            .expectMessage(
                QString("File Sucessfully Restored\nThe data file it replaced is kept as ") +
                    QDir::toNativeSeparators(kept),
                QString());
        // The extraction and the proof run on a worker with connections of their own: the
        // window's connection stays on the live file, and no window takes input meanwhile.
        QLineEdit calculator;
        calculator.show();
        QTest::mouseClick(child<PictureButton>(&w, "PicRestore"), Qt::LeftButton);
        LongWork* work = runningWork(w);
        QVERIFY(work);
        QCOMPARE(env.db.path(), live);
        QVERIFY(env.db.isOpen());
        QTest::keyClicks(&calculator, "12");
        QCOMPARE(calculator.text(), QString());
        waitFor(work);
        VERIFY_PROMPTS(env.prompter);
        QCOMPARE(rowsOf(kept), changed);
        QCOMPARE(w.tabs()->currentIndex(), int(MainWindow::TabClients));
        QCOMPARE(openedItems(clients), clientsBefore);
        QVERIFY(env.session->alertsChecked());
        QCOMPARE(env.session->calendarDate(), QDate(2031, 3, 14));
        QCOMPARE(readAll(live), readAll(Restore::copyPath(env.folder())));
        QCOMPARE(rowsOf(live), before);
        // The live file, not the copy, takes the next change.
        QCOMPARE(env.db.path(), live);
    }

    // Each bad file, or a sound one while another program holds the books open: the right
    // message, the live books exactly as they were and still shown, and no copy from an
    // earlier restore standing in for this file.
    void badFilesKeepTheLiveBooks_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("yieldsDatabase");
        QTest::addColumn<bool>("heldOpen");
        const QByteArray other = zipOf(
            "Accounts.mdb", databaseFile({"DROP TABLE TblUserData", "CREATE TABLE Recipes(a)"}));
        QTest::newRow("text file") << QByteArray("Minutes of the meeting\n") << false << false;
        QTest::newRow("truncated zip") << other.left(other.size() - 30) << false << false;
        QTest::newRow("damaged database")
            << zipOf("Accounts.mdb", databaseFile({}, true)) << true << false;
        QTest::newRow("another program's database") << other << true << false;
        QTest::newRow("books open elsewhere")
            << zipOf("Accounts.mdb", databaseFile({})) << true << true;
    }
    void badFilesKeepTheLiveBooks()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, yieldsDatabase);
        QFETCH(bool, heldOpen);
        TestEnv env;
        fillBooks(env);
        Database elsewhere;
        if (heldOpen)
            QVERIFY(elsewhere.open(env.file(Database::kFileName)) &&
                    elsewhere.scalar("SELECT count(*) FROM TblClients").isValid());
        MainWindow w(*env.session);
        w.startUp();
        env.session->setAlertsChecked(true);
        writeAll(env.file("chosen.bak"), file);
        QDir(env.folder()).mkpath(Backup::kScratchFolder);
        writeAll(Restore::copyPath(env.folder()), databaseFile({}));
        const QByteArray before = liveHash(env.folder());
        auto* clients = child<QComboBox>(&w, "cmbSelectClient");
        const QStringList clientsBefore = openedItems(clients);

        env.prompter.expectQuestion(BackupRestore::kRestoreQuestion, Answer::Yes)
            .expectOpenFile(env.file("chosen.bak"));
        const QString inUse =
            QStringLiteral("%1 is still open in another program; it has not been replaced.")
                .arg(QDir::toNativeSeparators(env.file(Database::kFileName)));
        if (yieldsDatabase)
            env.prompter.expectExactly({heldOpen ? QString(BackupRestore::kNotReplaced).arg(inUse)
                                                 : QString(BackupRestore::kInvalid),
                                        QString(), Prompter::Buttons::Ok, Prompter::Icon::Critical,
                                        Answer::Ok},
                                       Answer::Ok);
        else
            env.prompter.expectMessage(BackupRestore::kNoDatabase, QString());
        click(w, "PicRestore");
        VERIFY_PROMPTS(env.prompter);
        QCOMPARE(liveHash(env.folder()), before);
        QCOMPARE(env.db.path(), env.file(Database::kFileName));
        QCOMPARE(openedItems(clients), clientsBefore);
        QVERIFY(env.session->alertsChecked());
        QCOMPARE(QFileInfo::exists(Restore::copyPath(env.folder())), yieldsDatabase);
    }
};

QTEST_MAIN(TestBackupWindow)
#include "tst_backupwindow.moc"
