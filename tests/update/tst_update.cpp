#include "UpdateFixtures.h"
#include "support/TestEnv.h"
#include "update/OnlineUpdate.h"
#include "update/UpdateInstaller.h"
#include "update/UpdateSignature.h"
#include "update/UpdateSource.h"

#include <QTemporaryDir>
#include <QTest>

class TestUpdate : public QObject {
    Q_OBJECT

private slots:
    // HTTPS anywhere; plain HTTP only to this machine; the three resources under the address.
    void addresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("revisionUrl"); // empty: refused
        QTest::newRow("https host") << "https://updates.norvane.example"
                                    << "https://updates.norvane.example/Revision.txt";
        QTest::newRow("https with folder") << "https://cdn.example/billcraft/"
                                           << "https://cdn.example/billcraft/Revision.txt";
        QTest::newRow("http loopback v4") << "http://127.0.0.1:8080"
                                          << "http://127.0.0.1:8080/Revision.txt";
        QTest::newRow("http loopback 127/8") << "http://127.3.2.1"
                                             << "http://127.3.2.1/Revision.txt";
        QTest::newRow("http localhost") << "http://localhost:99"
                                        << "http://localhost:99/Revision.txt";
        QTest::newRow("http loopback v6") << "http://[::1]:81"
                                          << "http://[::1]:81/Revision.txt";
        QTest::newRow("http elsewhere") << "http://updates.norvane.example"
                                        << "";
        QTest::newRow("http looks local") << "http://127.0.0.1.evil.example"
                                          << "";
        QTest::newRow("ftp") << "ftp://127.0.0.1"
                             << "";
        QTest::newRow("no scheme") << "updates.norvane.example"
                                   << "";
        QTest::newRow("user info") << "https://me:pw@updates.norvane.example"
                                   << "";
        QTest::newRow("query") << "https://updates.norvane.example/?x=1"
                               << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void addresses()
    {
        QFETCH(QString, address);
        QFETCH(QString, revisionUrl);
        const Result<UpdateSource> source = UpdateSource::fromAddress(address);
        QCOMPARE(source.ok(), !revisionUrl.isEmpty());
        if (!source)
            return;
        QCOMPARE(source->revisionUrl().toString(), revisionUrl);
        const QString base = revisionUrl.chopped(int(qstrlen("/Revision.txt")));
        QCOMPARE(source->packageUrl().toString(), base + "/updates/accounts.zip");
        QCOMPARE(source->signatureUrl().toString(), base + "/updates/accounts.zip.sig");
    }

    void builtInSettingsAreUsable()
    {
        const Result<UpdateSource> source =
            UpdateSource::fromAddress(UpdateSource::builtInAddress());
        QVERIFY2(source.ok(), qPrintable(source.error()));
        QCOMPARE(source->base().scheme(), QStringLiteral("https"));
        QCOMPARE(UpdateSignature::builtInPublicKey().size(), UpdateSignature::kPublicKeyBytes);
        QVERIFY(OnlineUpdate::builtInRevision() > 0);
    }

    void revisionText_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("revision"); // -1: not a revision
        QTest::newRow("plain") << QByteArray("175") << 175;
        QTest::newRow("line end") << QByteArray(" 175\r\n") << 175;
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "42\n")
                                         << 42;
        QTest::newRow("leading zeros") << QByteArray("0009") << 9;
        QTest::newRow("empty") << QByteArray() << -1;
        QTest::newRow("blank") << QByteArray(" \r\n") << -1;
        QTest::newRow("web page") << QByteArray("<html>Sign in</html>") << -1;
        QTest::newRow("trailing letters") << QByteArray("175a") << -1;
        QTest::newRow("sign") << QByteArray("-1") << -1;
        QTest::newRow("fraction") << QByteArray("1.5") << -1;
        QTest::newRow("two numbers") << QByteArray("175 176") << -1;
        QTest::newRow("too long for int") << QByteArray("99999999999") << -1;
    }
    void revisionText()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, revision);
        const std::optional<int> parsed = OnlineUpdate::parseRevision(text);
        QCOMPARE(parsed.value_or(-1), revision);
    }

    void signatures_data()
    {
        const TestSigningKey key = TestSigningKey::make();
        const TestSigningKey other = TestSigningKey::make('o');
        const QByteArray package = makeZip({{"billcraft", "new program"}});
        const QByteArray good = signDetached(package, key.secretKey);
        QByteArray tampered = package;
        tampered[10] = char(tampered[10] ^ 1);

        QTest::addColumn<QByteArray>("package");
        QTest::addColumn<QByteArray>("signature");
        QTest::addColumn<QByteArray>("publicKey");
        QTest::addColumn<bool>("verifies");
        QTest::newRow("good") << package << good << key.publicKey << true;
        QTest::newRow("package changed") << tampered << good << key.publicKey << false;
        QTest::newRow("truncated") << package << good.left(63) << key.publicKey << false;
        QTest::newRow("extra byte") << package << good + '\0' << key.publicKey << false;
        QTest::newRow("empty") << package << QByteArray() << key.publicKey << false;
        QTest::newRow("another key's")
            << package << signDetached(package, other.secretKey) << key.publicKey << false;
        QTest::newRow("short key") << package << good << key.publicKey.left(31) << false;
        QTest::newRow("built-in key")
            << package << good << UpdateSignature::builtInPublicKey() << false;
    }
    void signatures()
    {
        QFETCH(QByteArray, package);
        QFETCH(QByteArray, signature);
        QFETCH(QByteArray, publicKey);
        QFETCH(bool, verifies);
        QCOMPARE(UpdateSignature::verify(package, signature, publicKey), verifies);
    }

    void backupNames()
    {
        QCOMPARE(UpdateInstaller::backupPath("/opt/b/billcraft"),
                 QStringLiteral("/opt/b/billcraft.bak"));
        QCOMPARE(UpdateInstaller::backupPath("/d/accounts.exe"), QStringLiteral("/d/accounts.bak"));
    }

    // A package installs the entry named as the program file, keeping the old one as .bak with
    // the same permissions; anything else in the package, or a package that is not the program,
    // leaves every file as it was.
    void install_data()
    {
        QTest::addColumn<QByteArray>("package");
        QTest::addColumn<bool>("installs");
        QTest::newRow("program") << makeZip({{"billcraft", "new program"}}) << true;
        QTest::newRow("other name") << makeZip({{"accounts.exe", "new program"}}) << false;
        QTest::newRow("in a folder") << makeZip({{"bin/billcraft", "new program"}}) << false;
        QTest::newRow("climbs out") << makeZip({{"../billcraft", "new program"}}) << false;
        QTest::newRow("absolute") << makeZip({{"/tmp/billcraft", "new program"}}) << false;
        QTest::newRow("not a zip") << QByteArray("PK\3\4 but not really") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void install()
    {
        QFETCH(QByteArray, package);
        QFETCH(bool, installs);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("bin");
        const QString program = dir.filePath("bin/billcraft");
        writeAll(program, "old program");
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser |
                          QFile::WriteUser | QFile::ExeUser | QFile::ReadGroup | QFile::ExeGroup;
        QVERIFY(QFile::setPermissions(program, mode));
        writeAll(dir.filePath("bin/billcraft.bak"), "older program");

        const Status done = UpdateInstaller::install(package, program, dir.filePath("downloads"));
        QCOMPARE(done.ok(), installs);
        QCOMPARE(readAll(program),
                 installs ? QByteArray("new program") : QByteArray("old program"));
        QCOMPARE(readAll(dir.filePath("bin/billcraft.bak")),
                 installs ? QByteArray("old program") : QByteArray("older program"));
        QCOMPARE(QFile::permissions(program), mode);
        QCOMPARE(QDir(dir.filePath("bin")).entryList(QDir::Files),
                 QStringList({"billcraft", "billcraft.bak"}));
        QCOMPARE(readAll(dir.filePath("downloads/accounts.zip")), package);
    }
};

QTEST_GUILESS_MAIN(TestUpdate)
#include "tst_update.moc"
