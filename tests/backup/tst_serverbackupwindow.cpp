#include "BookFixtures.h"
#include "backup/BookCopy.h"
#include "backup/ui/BackupRestore.h"
#include "core/ui/LongWork.h"

#include <QSignalSpy>
#include <QTest>

using namespace books;

namespace {

using Answer = Prompter::Answer;

// Waits until the work, and the messages after it, are done.
void waitFor(LongWork* work)
{
    if (!work)
        return;
    QSignalSpy finished(work, &LongWork::finished);
    QVERIFY(finished.wait(60'000));
}

} // namespace

class TestServerBackupWindow : public QObject {
    Q_OBJECT
private slots:
    // The buttons on shared books: Back Up writes the zip a data folder restores, with the
    // server's files; Restore is refused while another seat is connected and changes nothing,
    // and once alone brings every row back.
    void backUpAndRestoreOnAServer()
    {
        TestEnv env;
        fill(env, 8);
        writeAll(env.file("Help.set"), "help");
        const ServerAddress address = freshServer();
        const Status copied = BookCopy::copyToServer(env.folder(), address);
        QVERIFY2(copied, qPrintable(copied.error()));
        const QStringList original = rows(env.db);
        QVERIFY(env.db.openServer(address));
        QWidget window;
        int reloads = 0;
        BackupRestore buttons(*env.session, &window, [&reloads] { ++reloads; });
        const QString archive = env.file("shared.bak");

        env.prompter.expectQuestion(BackupRestore::kBackUpQuestion, Answer::Yes)
            .expectSaveFile(archive)
            .expectMessage(BackupRestore::kBackedUp, QString());
        waitFor(buttons.backUp());
        VERIFY_PROMPTS(env.prompter);
        const Result<QStringList> entries = ZipArchive::entryNames(archive);
        QVERIFY(entries && entries->contains("Accounts.mdb") && entries->contains("Help.set"));

        env.exec("DELETE FROM TblInvoices");
        const QStringList changed = rows(env.db);
        {
            Database seat;
            QVERIFY(seat.openServer(address));
            env.prompter.expectQuestion(BackupRestore::kRestoreQuestion, Answer::Yes)
                .expectOpenFile(archive)
                .expectMessage("1 other seat(s) are connected to the shared books. A restore "
                               "replaces everything they work on: ask them to close Billcraft, "
                               "then restore again.");
            QCOMPARE(buttons.restore(), nullptr);
            VERIFY_PROMPTS(env.prompter);
            QCOMPARE(rows(env.db), changed);
        }
        QVERIFY(TestServer::waitAlone(env.db)); // the seat, and the back-up's connection
        env.prompter.expectQuestion(BackupRestore::kRestoreQuestion, Answer::Yes)
            .expectOpenFile(archive)
            .expectMessage(BackupRestore::kRestored, QString());
        waitFor(buttons.restore());
        VERIFY_PROMPTS(env.prompter);
        QCOMPARE(rows(env.db), original);
        QVERIFY(env.db.isServer());
        QCOMPARE(reloads, 1);
    }
};

QTEST_MAIN(TestServerBackupWindow)
#include "tst_serverbackupwindow.moc"
