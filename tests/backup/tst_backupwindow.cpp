#include "BackupFixtures.h"
#include "app/MainWindow.h"
#include "backup/Backup.h"
#include "backup/ui/BackupRestore.h"
#include "core/ui/PictureButton.h"

#include <QComboBox>
#include <QTabWidget>
#include <QTest>

using namespace fixtures;

namespace {

using Answer = Prompter::Answer;

Prompter::Message question(const QString& text, const QString& title)
{
    return {text, title, Prompter::Buttons::YesNo, Prompter::Icon::Question, Answer::No};
}

QStringList listed(QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void click(MainWindow& w, const char* name)
{
    QTest::mouseClick(child<PictureButton>(&w, name), Qt::LeftButton);
}

} // namespace

class TestBackupWindow : public QObject {
    Q_OBJECT
private slots:
    // No to either question, or no file chosen, changes nothing and says nothing more.
    void declinedActionsChangeNothing_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("yes");
        QTest::newRow("back up: No") << "picBackUp" << false;
        QTest::newRow("back up: no file") << "picBackUp" << true;
        QTest::newRow("restore: No") << "PicRestore" << false;
        QTest::newRow("restore: no file") << "PicRestore" << true;
    }
    void declinedActionsChangeNothing()
    {
        QFETCH(QString, button);
        QFETCH(bool, yes);
        TestEnv env;
        fillBooks(env);
        MainWindow w(*env.session);
        w.startUp();
        w.tabs()->setCurrentIndex(MainWindow::TabExpenses);
        const QByteArray before = liveHash(env.folder());
        const QStringList files = QDir(env.folder()).entryList();

        const bool backUp = button == u"picBackUp";
        env.prompter.expectExactly(
            backUp ? question(BackupRestore::kBackUpQuestion, BackupRestore::kBackUpTitle)
                   : question(BackupRestore::kRestoreQuestion, BackupRestore::kRestoreTitle),
            yes ? Answer::Yes : Answer::No);
        if (yes && backUp)
            env.prompter.expectSaveFile(std::nullopt);
        if (yes && !backUp)
            env.prompter.expectOpenFile(std::nullopt);
        click(w, qPrintable(button));
        VERIFY_PROMPTS(env.prompter);
        QCOMPARE(liveHash(env.folder()), before);
        QCOMPARE(QDir(env.folder()).entryList(), files);
        QCOMPARE(w.tabs()->currentIndex(), int(MainWindow::TabExpenses));
    }

    // Back up, change the books, restore: every row returns, the window shows the restored
    // books on its first tab, and the live file is the extracted copy.
    void backUpThenRestore()
    {
        TestEnv env;
        fillBooks(env);
        MainWindow w(*env.session);
        w.startUp();
        const QString live = env.file(Database::kFileName);
        const QString archive = env.file(QStringLiteral("Friday.bak"));
        const QStringList before = rowsOf(live);
        auto* clients = child<QComboBox>(&w, "cmbSelectClient");
        const QStringList clientsBefore = listed(clients);
        QCOMPARE(clientsBefore.size(), 2);

        env.prompter.expectQuestion(BackupRestore::kBackUpQuestion, Answer::Yes)
            .expectSaveFile(archive)
            .expectMessage(BackupRestore::kBackedUp, QString());
        click(w, "picBackUp");
        VERIFY_PROMPTS(env.prompter);

        env.exec(QStringLiteral("DELETE FROM TblClients WHERE Company = 'OBrien Builders'"));
        env.exec(QStringLiteral("DELETE FROM TblInvoices"));
        env.session->notifyClientsChanged();
        QCOMPARE(listed(clients).size(), 1);
        w.tabs()->setCurrentIndex(MainWindow::TabReports);

        env.prompter.expectQuestion(BackupRestore::kRestoreQuestion, Answer::Yes)
            .expectOpenFile(archive)
            .expectMessage(BackupRestore::kRestored, QString());
        click(w, "PicRestore");
        VERIFY_PROMPTS(env.prompter);
        QCOMPARE(w.tabs()->currentIndex(), int(MainWindow::TabClients));
        QCOMPARE(listed(clients), clientsBefore);
        QCOMPARE(readAll(live), readAll(Restore::copyPath(env.folder())));
        QCOMPARE(env.db.path(), live);
        QCOMPARE(rowsOf(live), before);
        // The books work on: the live file, not the copy, takes the next change.
        env.exec(QStringLiteral("INSERT INTO TblClients(Company, Identity) VALUES ('New', 1)"));
        QCOMPARE(rowsOf(live).size(), before.size() + 1);
    }

    // Each bad file: the right message, and the live books exactly as they were, still shown.
    void badFilesKeepTheLiveBooks_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("yieldsDatabase");
        const QByteArray good = zipOf({{"Accounts.mdb", sqliteFile({"CREATE TABLE T(a)"})}});
        QTest::newRow("text file") << QByteArray("Minutes of the meeting\n") << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("truncated zip") << good.left(good.size() - 30) << false;
        QTest::newRow("zip bomb") << withDeclaredSize(good, 0xFFFFFFF0u) << false;
        QTest::newRow("parent path") << zipOf({{"../Accounts.mdb", "x"}}) << false;
        QTest::newRow("absolute path") << zipOf({{"/etc/x", "x"}}) << false;
        QTest::newRow("damaged database") << zipOf({{"Accounts.mdb", damagedDatabase()}}) << true;
        QTest::newRow("another program's database") << good << true;
    }
    void badFilesKeepTheLiveBooks()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, yieldsDatabase);
        TestEnv env;
        fillBooks(env);
        MainWindow w(*env.session);
        w.startUp();
        writeAll(env.file(QStringLiteral("chosen.bak")), file);
        const QByteArray before = liveHash(env.folder());
        auto* clients = child<QComboBox>(&w, "cmbSelectClient");
        const QStringList clientsBefore = listed(clients);

        env.prompter.expectQuestion(BackupRestore::kRestoreQuestion, Answer::Yes)
            .expectOpenFile(env.file(QStringLiteral("chosen.bak")));
        if (yieldsDatabase)
            env.prompter.expectExactly({BackupRestore::kInvalid, QString(), Prompter::Buttons::Ok,
                                        Prompter::Icon::Critical, Answer::Ok},
                                       Answer::Ok);
        else
            env.prompter.expectMessage(BackupRestore::kNoDatabase, QString());
        click(w, "PicRestore");
        VERIFY_PROMPTS(env.prompter);
        QCOMPARE(liveHash(env.folder()), before);
        QCOMPARE(env.db.path(), env.file(Database::kFileName));
        QCOMPARE(listed(clients), clientsBefore);
    }
};

QTEST_MAIN(TestBackupWindow)
#include "tst_backupwindow.moc"
