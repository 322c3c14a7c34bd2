#include "core/ZipArchive.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"
#include "update/UpdateSignature.h"
#include "update/ui/UpdateCommand.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <sodium.h>
#include <unistd.h>

namespace {

const QString kAvailable = "updates are available";
const QString kInstalled =
    "New file installed\nPlease restart application for new updates to take effect";
const QString kUpToDate = "You have the most up to date Version";
const QString kUnreachable = "An error occured connecting to 127.0.0.1\nPlease "
                             "ensure you are connected to the Internet before "
                             "trying again";
const QString kPackageManaged = "Billcraft was installed by the system's package "
                                "manager, which updates it. Nothing was downloaded.";
// These two go on with a path or a reason.
const QString kNotInstalled = "The update could not be installed";
const QString kNotWritable = "Billcraft cannot update itself: you may not replace the program file";
const QByteArray kOld = "old program";
const QByteArray kNew = "new program";
const auto kMode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                   QFile::WriteUser | QFile::ExeUser;

// The messages by their names in server-answers.txt.
const QHash<QString, QString> kMessages{{"available", kAvailable},
                                        {"installed", kInstalled},
                                        {"up to date", kUpToDate},
                                        {"unreachable", kUnreachable},
                                        {"package managed", kPackageManaged},
                                        {"not installed", kNotInstalled},
                                        {"not writable", kNotWritable}};

// A key pair from a fixed seed, for tests only: it signs nothing that is delivered.
struct TestSigningKey {
    QByteArray publicKey{crypto_sign_PUBLICKEYBYTES, '\0'};
    QByteArray secretKey{crypto_sign_SECRETKEYBYTES, '\0'};
    explicit TestSigningKey(char seed = 't')
    {
        QVERIFY(sodium_init() >= 0);
        crypto_sign_seed_keypair(reinterpret_cast<unsigned char*>(publicKey.data()),
                                 reinterpret_cast<unsigned char*>(secretKey.data()),
                                 reinterpret_cast<const unsigned char*>(
                                     QByteArray(crypto_sign_SEEDBYTES, seed).constData()));
    }
    QByteArray sign(const QByteArray& data) const
    {
        QByteArray signature(crypto_sign_BYTES, '\0');
        crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                             reinterpret_cast<const unsigned char*>(data.constData()),
                             static_cast<unsigned long long>(data.size()),
                             reinterpret_cast<const unsigned char*>(secretKey.constData()));
        return signature;
    }
};

// A zip with names stored as given (so "../x" too).
QByteArray zipOf(const QList<ZipArchive::Member>& members)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.zip");
    if (!ZipArchive::write(path, members))
        qFatal("test zip not written");
    return readAll(path);
}

// An update package: the program and the revision it is.
QByteArray packageOf(const QByteArray& revision, const QByteArray& program)
{
    return zipOf({{"billcraft", {}, program}, {"revision", {}, revision}});
}

// A body of server-answers.txt: as written, or made here when in angle brackets.
QByteArray bodyOf(const QString& text)
{
    if (text == u"<1 KB of blanks, then 175>")
        return QByteArray(1024, ' ') + "175";
    if (text == u"<signed by another key>")
        return TestSigningKey('o').sign(packageOf("175", kNew));
    if (text == u"<another program>")
        return packageOf("175", "new progrAm");
    return text.toUtf8();
}

// HTTP on 127.0.0.1 in the test's thread. A path answers its status and body, or (status 0)
// keeps the connection open without a word, or (status -1) sends a blank every 100 ms
// without end; unknown paths answer 404.
struct LoopbackServer {
    struct Route {
        int status = 200;
        QByteArray body;
    };
    QTcpServer server;
    QHash<QString, Route> routes;
    QStringList requested;

    LoopbackServer()
    {
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
            QTcpSocket* socket = server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray head = socket->property("head").toByteArray() + socket->readAll();
                socket->setProperty("head", head);
                if (head.contains("\r\n\r\n")) // "GET /path HTTP/1.1\r\n..."
                    answer(socket, QString::fromLatin1(head.split(' ').value(1)));
            });
        });
    }
    QString address() const { return "http://127.0.0.1:" + QString::number(server.serverPort()); }
    void answer(QTcpSocket* socket, const QString& path)
    {
        requested << path;
        const Route r = routes.value(path, {404, "missing"});
        if (r.status == 0)
            return;
        if (r.status < 0) {
            socket->write("HTTP/1.1 200 X\r\nConnection: close\r\n\r\n");
            auto* drip = new QTimer(socket);
            QObject::connect(drip, &QTimer::timeout, socket, [socket] { socket->write(" "); });
            drip->start(100);
            return;
        }
        socket->write("HTTP/1.1 " + QByteArray::number(r.status) + " X\r\nContent-Length: " +
                      QByteArray::number(r.body.size()) + "\r\nConnection: close\r\n\r\n" + r.body);
        socket->disconnectFromHost();
    }
};

// A data folder with a fake program file in bin/ (never this test's executable), named unlike
// the package's entry so the install cannot depend on the name, a server
// offering a good signed package of revision 175 and settings for running revision 174.
struct Rig {
    TestEnv env;
    LoopbackServer server;
    TestSigningKey key;
    UpdateSettings settings;
    QByteArray package;

    Rig()
    {
        QDir(env.folder()).mkdir("bin");
        writeAll(program(), kOld);
        QVERIFY(QFile::setPermissions(program(), kMode));
        settings = {server.address(),      key.publicKey, program(),
                    env.file("downloads"), 174,           std::chrono::milliseconds(400)};
        settings.smallFileDeadline = std::chrono::milliseconds(1000);
        offer("175\n", kNew);
    }
    QString program() const { return env.file("bin/accounts.exe"); }
    QStringList programFolder() const { return QDir(env.file("bin")).entryList(QDir::Files); }
    void offer(const QByteArray& revision, const QByteArray& programBytes)
    {
        package = packageOf(revision.trimmed(), programBytes);
        server.routes = {{"/Revision.txt", {200, revision}},
                         {"/updates/accounts.zip", {200, package}},
                         {"/updates/accounts.zip.sig", {200, key.sign(package)}}};
    }
    void expectQuestion(Prompter::Answer answer)
    {
        env.prompter.expectExactly({"Check if Updates are available from 127.0.0.1 ?",
                                    "Web Updates", Prompter::Buttons::YesNo,
                                    Prompter::Icon::Question, Prompter::Answer::No},
                                   answer);
    }
    void expect(const QStringList& messages)
    {
        for (const QString& m : messages) {
            if (m == kNotInstalled || m == kNotWritable)
                env.prompter.expectMessageStarting(m, "Web Updates");
            else
                env.prompter.expectMessage(m, m == kPackageManaged ? "Web Updates" : QString());
        }
    }
};

// Runs the update from the click to its last message; the transfers run on workers meanwhile.
void runToEnd(UpdateCommand& command)
{
    QSignalSpy finished(&command, &UpdateCommand::finished);
    command.run();
    if (finished.isEmpty())
        QVERIFY(finished.wait(30'000));
}

QProgressDialog* shownProgress()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "dlgUpdateProgress" && w->isVisible())
            return qobject_cast<QProgressDialog*>(w);
    }
    return nullptr;
}

void runToEnd(Rig& rig)
{
    UpdateCommand command(*rig.env.session, rig.settings, nullptr);
    runToEnd(command);
}

} // namespace

class TestUpdate : public QObject {
    Q_OBJECT

private slots:
    void addresses_data() { CaseFile::addRows("update/addresses.txt", {"address", "package"}); }
    void addresses()
    {
        QFETCH(QString, address);
        QFETCH(QString, package);
        const Result<UpdateSource> source = UpdateSource::fromAddress(address);
        QCOMPARE(source ? source->packageUrl().toString() : QString(), package);
        QVERIFY(UpdateSource::fromAddress(UpdateSource::builtInAddress()));
        QCOMPARE(UpdateSignature::builtInPublicKey().size(), UpdateSignature::kPublicKeyBytes);
    }

    // What the server does, and what lies in the folders, decides the messages; only a good,
    // signed, newer package changes a file, and then the old program is kept as .bak.
    void serverAnswers_data()
    {
        CaseFile::addRows("update/server-answers.txt",
                          {"path", "status", "body", "said", "reason", "plant"});
    }
    void serverAnswers()
    {
        const auto [path, status, body, said, reason, plant] =
            CaseFile::fetchEach({"path", "status", "body", "said", "reason", "plant"});
        QStringList messages;
        for (const QString& word : said.split(u'+'))
            messages << kMessages.value(word.trimmed());
        Rig rig;
        const QString kept = rig.settings.downloadsFolder + "/accounts.zip";
        if (!path.isEmpty())
            rig.server.routes[path] = {status.toInt(), bodyOf(body)};
        if (plant == "swap") {
            rig.settings.packageKept = [&kept] { writeAll(kept, packageOf("175", "unsigned")); };
        } else if (plant == "link") {
            QVERIFY(QDir().mkdir(rig.env.file("elsewhere")));
            QVERIFY(QFile::link(rig.env.file("elsewhere"), rig.settings.downloadsFolder));
        } else if (plant == "foreign" || plant == "read-only") {
            // Only root can give a folder away, and root passes every permission check.
            if ((::geteuid() == 0) != (plant == "foreign"))
                QSKIP("needs another kind of user");
            if (plant == "foreign") {
                QVERIFY(QDir().mkdir(rig.settings.downloadsFolder));
                QCOMPARE(::chown(QFile::encodeName(rig.settings.downloadsFolder), 65534, 65534), 0);
            } else {
                QVERIFY(
                    QFile::setPermissions(rig.env.file("bin"), QFile::ReadOwner | QFile::ExeOwner));
            }
        } else if (plant == "listed") {
            writeAll(rig.env.file("billcraft.list"), "/.\n/usr\n" + rig.program().toUtf8() + "\n");
            rig.settings.packageLists = {rig.env.file("gone.list"), rig.env.file("billcraft.list")};
        } else if (!plant.isEmpty()) {
            rig.settings.programPath = plant;
        }
        if (!reason.isEmpty())
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("^Online update failed: .*" +
                                                    QRegularExpression::escape(reason)));
        const bool asks = messages[0] != kPackageManaged && messages[0] != kNotWritable;
        if (asks)
            rig.expectQuestion(Prompter::Answer::Yes);
        rig.expect(messages);
        runToEnd(rig);
        QFile::setPermissions(rig.env.file("bin"), kMode);
        VERIFY_PROMPTS(rig.env.prompter);

        const bool installs = messages.endsWith(kInstalled);
        QCOMPARE(readAll(rig.program()), installs ? kNew : kOld);
        QCOMPARE(QFile::permissions(rig.program()), kMode);
        QCOMPARE(rig.programFolder(), installs ? QStringList({"accounts.bak", "accounts.exe"})
                                               : QStringList({"accounts.exe"}));
        QCOMPARE(readAll(rig.env.file("bin/accounts.bak")), installs ? kOld : "");
        if (plant != "swap") // else the swapped-in copy lies there
            QCOMPARE(readAll(kept), installs ? rig.package : "");
        // No download after a failed or negative check, or into a refused folder.
        if (!messages.contains(kAvailable) || messages.contains(kNotInstalled))
            QCOMPARE(rig.server.requested, asks ? QStringList{"/Revision.txt"} : QStringList{});
    }

    // No: nothing is fetched. A click while one runs does nothing. The installed revision
    // counts as ours until a restart; a newer one replaces the first update's .bak. A package
    // that is not the program, or no server: no change.
    void repeatedChecks()
    {
        Rig rig;
        UpdateCommand command(*rig.env.session, rig.settings, nullptr);
        rig.expectQuestion(Prompter::Answer::No);
        runToEnd(command);
        QVERIFY(rig.server.requested.isEmpty());

        rig.offer("175", "first");
        rig.expectQuestion(Prompter::Answer::Yes);
        rig.env.prompter.expectMessage(kAvailable).whileShown([&command] {
            QVERIFY(command.busy());
            command.run(); // no prompt, no request
        });
        rig.expect({kInstalled});
        runToEnd(command);
        rig.expectQuestion(Prompter::Answer::Yes);
        rig.expect({kUpToDate});
        runToEnd(command);
        QCOMPARE(readAll(rig.env.file("bin/accounts.bak")), kOld);
        rig.offer("176", "second");
        rig.expectQuestion(Prompter::Answer::Yes);
        rig.expect({kAvailable, kInstalled});
        runToEnd(command);
        QCOMPARE(readAll(rig.program()), "second");
        QCOMPARE(readAll(rig.env.file("bin/accounts.bak")), "first");
        QCOMPARE(rig.server.requested.count("/Revision.txt"), 3);

        // A signed package whose one entry is not the program file, here outside the folder.
        rig.offer("177", "third");
        const QByteArray astray = zipOf({{"../billcraft", {}, "third"}, {"revision", {}, "177"}});
        rig.server.routes["/updates/accounts.zip"] = {200, astray};
        rig.server.routes["/updates/accounts.zip.sig"] = {200, rig.key.sign(astray)};
        rig.expectQuestion(Prompter::Answer::Yes);
        rig.expect({kAvailable, kNotInstalled});
        runToEnd(command);

        rig.server.server.close();
        rig.expectQuestion(Prompter::Answer::Yes);
        rig.expect({kUnreachable});
        runToEnd(command);
        VERIFY_PROMPTS(rig.env.prompter);
        QCOMPARE(readAll(rig.program()), "second");
    }

    // The download shows its progress window, whose Cancel stops a stalled transfer at once,
    // without a message or a changed file.
    void cancelDownload()
    {
        Rig rig;
        rig.server.routes["/updates/accounts.zip"] = {0, {}};
        rig.settings.timeout = std::chrono::milliseconds(20000);
        rig.expectQuestion(Prompter::Answer::Yes);
        rig.expect({kAvailable});
        UpdateCommand command(*rig.env.session, rig.settings, nullptr);
        QSignalSpy finished(&command, &UpdateCommand::finished);
        command.run();
        QProgressDialog* progress = nullptr;
        QTRY_VERIFY((progress = shownProgress()) &&
                    progress->labelText() == "Downloading the update...");
        QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
        // Were Cancel to wait for the 20 s time-out, the connection message would follow.
        QVERIFY(finished.wait(5000));
        VERIFY_PROMPTS(rig.env.prompter);
        QCOMPARE(rig.programFolder(), QStringList{"accounts.exe"});
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
