#include "UpdateFixtures.h"
#include "app/MainWindow.h"
#include "core/ui/PictureButton.h"
#include "support/TestEnv.h"
#include "update/UpdateSource.h"
#include "update/ui/UpdateCommand.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QString kInstalled =
    QStringLiteral("New file installed\nPlease restart application for new updates to take effect");
const QString kAvailable = QStringLiteral("updates are available");
const QString kUpToDate = QStringLiteral("You have the most up to date Version");
const QString kNotInstalled = QStringLiteral("The update could not be installed");
const QString kOldProgram = QStringLiteral("old program");
const QString kNewProgram = QStringLiteral("new program");
constexpr int kRunningRevision = 174;

QString unreachable(const QString& host)
{
    return QStringLiteral("An error occured connecting to %1\nPlease ensure you are connected to "
                          "the Internet before trying again")
        .arg(host);
}

// A data folder with a fake program file in bin/ (never the test's own executable), a server
// on this machine and a command that updates that program from it.
struct UpdateRig {
    UpdateRig()
    {
        QDir(env.folder()).mkdir("bin");
        writeAll(program(), kOldProgram.toUtf8());
        settings.address = server.address();
        settings.publicKey = key.publicKey;
        settings.programPath = program();
        settings.downloadsFolder = env.file("downloads");
        settings.runningRevision = kRunningRevision;
        settings.timeout = std::chrono::milliseconds(400);
    }

    QString program() const { return env.file("bin/billcraft"); }
    QString backup() const { return env.file("bin/billcraft.bak"); }
    QStringList programFolder() const { return QDir(env.file("bin")).entryList(QDir::Files); }

    // The server offers `revision` and a good, signed package holding `programBytes`.
    void offer(const QByteArray& revision, const QByteArray& programBytes)
    {
        package = makeZip({{"billcraft", programBytes}});
        server.route("/Revision.txt", {200, revision, false});
        server.route("/updates/accounts.zip", {200, package, false});
        server.route("/updates/accounts.zip.sig",
                     {200, signDetached(package, key.secretKey), false});
    }

    void expectQuestion(Prompter::Answer answer)
    {
        env.prompter.expectExactly(
            {QStringLiteral("Check if Updates are available from 127.0.0.1 ?"),
             QStringLiteral("Web Updates"), Prompter::Buttons::YesNo, Prompter::Icon::Question,
             Prompter::Answer::No},
            answer);
    }

    void run()
    {
        UpdateCommand command(*env.session, settings, nullptr);
        command.run();
    }

    TestEnv env;
    LoopbackServer server;
    TestSigningKey key = TestSigningKey::make();
    UpdateSettings settings;
    QByteArray package;
};

} // namespace

class TestUpdateCommand : public QObject {
    Q_OBJECT

private slots:
    // What the server does decides the messages; only a good, signed, newer package changes a
    // file, and then the old program is kept as .bak.
    void serverAnswers_data()
    {
        QTest::addColumn<QString>("path");         // the resource the row changes
        QTest::addColumn<int>("status");           // its answer, 0 = hangs
        QTest::addColumn<QByteArray>("body");      // empty: leave the good one
        QTest::addColumn<QStringList>("messages"); // after the question; "!" = connection message
        QTest::addColumn<bool>("installs");

        const QStringList failedCheck{"!"};
        const QStringList failedDownload{kAvailable, "!"};
        const QByteArray otherSignature =
            signDetached("something else", TestSigningKey::make().secretKey);
        QTest::newRow("newer, good package")
            << "" << 200 << QByteArray() << QStringList{kAvailable, kInstalled} << true;
        QTest::newRow("same revision")
            << "/Revision.txt" << 200 << QByteArray("174\r\n") << QStringList{kUpToDate} << false;
        QTest::newRow("older revision")
            << "/Revision.txt" << 200 << QByteArray("99") << QStringList{kUpToDate} << false;
        QTest::newRow("revision not a number")
            << "/Revision.txt" << 200 << QByteArray("<html>Sign in</html>") << failedCheck << false;
        QTest::newRow("no revision file")
            << "/Revision.txt" << 404 << QByteArray("gone") << failedCheck << false;
        QTest::newRow("revision hangs")
            << "/Revision.txt" << 0 << QByteArray() << failedCheck << false;
        QTest::newRow("no signature")
            << "/updates/accounts.zip.sig" << 404 << QByteArray("gone") << failedDownload << false;
        QTest::newRow("signature of other bytes")
            << "/updates/accounts.zip.sig" << 200 << otherSignature << failedDownload << false;
        QTest::newRow("truncated signature")
            << "/updates/accounts.zip.sig" << 200 << QByteArray(40, 'x') << failedDownload << false;
        QTest::newRow("signature hangs")
            << "/updates/accounts.zip.sig" << 0 << QByteArray() << failedDownload << false;
        QTest::newRow("no package")
            << "/updates/accounts.zip" << 404 << QByteArray("gone") << failedDownload << false;
        QTest::newRow("package hangs")
            << "/updates/accounts.zip" << 0 << QByteArray() << failedDownload << false;
        QTest::newRow("package truncated")
            << "/updates/accounts.zip" << 200 << QByteArray("PK\3\4") << failedDownload << false;
    }
    void serverAnswers()
    {
        QFETCH(QString, path);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(QStringList, messages);
        QFETCH(bool, installs);

        UpdateRig rig;
        rig.offer("175\n", kNewProgram.toUtf8());
        if (!path.isEmpty())
            rig.server.route(path, {status, body, status == 0});
        rig.expectQuestion(Prompter::Answer::Yes);
        for (const QString& m : messages)
            rig.env.prompter.expectMessage(m == "!" ? unreachable("127.0.0.1") : m, QString());
        rig.run();
        VERIFY_PROMPTS(rig.env.prompter);

        QCOMPARE(readAll(rig.program()), (installs ? kNewProgram : kOldProgram).toUtf8());
        if (installs) {
            QCOMPARE(readAll(rig.backup()), kOldProgram.toUtf8());
            QCOMPARE(readAll(rig.env.file("downloads/accounts.zip")), rig.package);
        } else {
            QCOMPARE(rig.programFolder(), QStringList{"billcraft"});
            QVERIFY(!QFileInfo::exists(rig.env.file("downloads")));
        }
        // Nothing is downloaded after a check that found no newer revision.
        if (messages.value(0) != kAvailable)
            QCOMPARE(rig.server.requested(), QStringList{"/Revision.txt"});
    }

    // A signed package that does not hold the program is refused with its reason.
    void signedPackageWithoutTheProgram()
    {
        UpdateRig rig;
        rig.offer("175", kNewProgram.toUtf8());
        const QByteArray wrong = makeZip({{"accounts.exe", "new program"}});
        rig.server.route("/updates/accounts.zip", {200, wrong, false});
        rig.server.route("/updates/accounts.zip.sig",
                         {200, signDetached(wrong, rig.key.secretKey), false});
        rig.expectQuestion(Prompter::Answer::Yes);
        rig.env.prompter.expectMessage(kAvailable, QString());
        rig.env.prompter.expectMessageStarting(kNotInstalled, QStringLiteral("Web Updates"));
        rig.run();
        VERIFY_PROMPTS(rig.env.prompter);
        QCOMPARE(readAll(rig.program()), kOldProgram.toUtf8());
        QCOMPARE(rig.programFolder(), QStringList{"billcraft"});
    }

    // No: nothing is fetched. No server listening: the connection message.
    void declinedOrNoServer()
    {
        UpdateRig rig;
        rig.offer("175", kNewProgram.toUtf8());
        rig.expectQuestion(Prompter::Answer::No);
        rig.run();
        QVERIFY(rig.server.requested().isEmpty());

        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        rig.settings.address = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        rig.expectQuestion(Prompter::Answer::Yes);
        rig.env.prompter.expectMessage(unreachable("127.0.0.1"), QString());
        rig.run();
        VERIFY_PROMPTS(rig.env.prompter);
        QCOMPARE(rig.programFolder(), QStringList{"billcraft"});
    }

    // A second update replaces the first one's .bak; a click while one runs does nothing.
    void secondUpdate()
    {
        UpdateRig rig;
        UpdateCommand command(*rig.env.session, rig.settings, nullptr);
        rig.offer("175", "first update");
        rig.expectQuestion(Prompter::Answer::Yes);
        rig.env.prompter.expectMessage(kAvailable).whileShown([&command] {
            QVERIFY(command.busy());
            command.run(); // no prompt, no request
        });
        rig.env.prompter.expectMessage(kInstalled);
        command.run();

        rig.offer("176", "second update");
        rig.expectQuestion(Prompter::Answer::Yes);
        rig.env.prompter.expectMessage(kAvailable).expectMessage(kInstalled);
        command.run();
        VERIFY_PROMPTS(rig.env.prompter);
        QCOMPARE(readAll(rig.program()), QByteArray("second update"));
        QCOMPARE(readAll(rig.backup()), QByteArray("first update"));
        QCOMPARE(rig.server.requested().count("/Revision.txt"), 2);
    }

    // The download shows its progress window; Cancel stops a stalled transfer at once, without a
    // message and without touching a file.
    void cancelDownload()
    {
        UpdateRig rig;
        rig.offer("175", kNewProgram.toUtf8());
        rig.server.route("/updates/accounts.zip", {200, {}, true});
        rig.settings.timeout = std::chrono::milliseconds(20000);
        rig.expectQuestion(Prompter::Answer::Yes);
        rig.env.prompter.expectMessage(kAvailable, QString());
        QString label;
        QTimer::singleShot(300, [&label] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* progress = qobject_cast<QProgressDialog*>(w);
                if (progress && progress->objectName() == "dlgUpdateProgress" &&
                    progress->isVisible()) {
                    label = progress->labelText();
                    child<QPushButton>(progress, "cmdCancelUpdate")->click();
                }
            }
        });
        QElapsedTimer elapsed;
        elapsed.start();
        rig.run();
        QVERIFY(elapsed.elapsed() < 10000);
        QCOMPARE(label, QStringLiteral("Downloading the update..."));
        VERIFY_PROMPTS(rig.env.prompter);
        QCOMPARE(rig.programFolder(), QStringList{"billcraft"});
    }

    // picUpdate is live and asks about the built-in server.
    void mainWindowButton()
    {
        TestEnv env;
        MainWindow w(*env.session);
        auto* button = child<PictureButton>(&w, "picUpdate");
        QVERIFY(button->isEnabled());
        const QString host = UpdateSource::fromAddress(UpdateSource::builtInAddress())->hostName();
        env.prompter.expectQuestion(
            QStringLiteral("Check if Updates are available from %1 ?").arg(host),
            Prompter::Answer::No, QStringLiteral("Web Updates"));
        QTest::mouseClick(button, Qt::LeftButton);
        VERIFY_PROMPTS(env.prompter);
    }
};

QTEST_MAIN(TestUpdateCommand)
#include "tst_updatecommand.moc"
