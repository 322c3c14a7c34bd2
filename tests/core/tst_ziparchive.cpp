#include "core/ZipArchive.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <csignal>
#include <functional>
#include <sys/resource.h>

using WriteAttempt = std::function<Status(const QString& archivePath)>;
Q_DECLARE_METATYPE(WriteAttempt)

namespace {

const QString kEntry = QStringLiteral("Accounts.mdb");

QByteArray noise(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator gen(seed);
    gen.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

// Some text that compresses, like a database does.
QByteArray pages(qsizetype size)
{
    QByteArray bytes;
    for (int i = 0; bytes.size() < size; ++i)
        bytes += QByteArray::number(i) + " Lowther Joinery, invoice for window frames;";
    bytes.truncate(size);
    return bytes;
}

// An archive of named byte members, made by our own writer (which stores names as given).
QByteArray zipOf(const QList<QPair<QString, QByteArray>>& members)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("made.zip"));
    QList<ZipArchive::Member> list;
    for (const auto& [name, bytes] : members)
        list.append({name, {}, bytes});
    const Status done = ZipArchive::write(path, list);
    if (!done)
        qFatal("%s", qPrintable(done.error()));
    return readAll(path);
}

// Sets the uncompressed size in the one entry's local and central headers, as a forger would.
QByteArray withDeclaredSize(QByteArray zip, quint32 size)
{
    const qsizetype central = zip.indexOf(QByteArray("PK\x01\x02", 4));
    qToLittleEndian(size, zip.data() + 22);
    qToLittleEndian(size, zip.data() + central + 24);
    return zip;
}

// Files in `folder` other than those named.
QStringList strays(const QString& folder, const QStringList& expected)
{
    QStringList found = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : expected)
        found.removeAll(name);
    return found;
}

// Makes every write of this process past `bytes` fail, as a full disk would.
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

} // namespace

class TestZipArchive : public QObject {
    Q_OBJECT
private slots:
    void writtenArchiveRoundTripsAndPassesUnzip_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("fastest") << 1;
        QTest::newRow("smallest") << 9;
    }
    void writtenArchiveRoundTripsAndPassesUnzip()
    {
        QFETCH(int, level);
        QTemporaryDir dir;
        const QByteArray database = pages(3'000'000) + noise(200'000, 7);
        const QByteArray note = "one note";
        writeAll(dir.filePath(QStringLiteral("source.db")), database);
        const QString archive = dir.filePath(QStringLiteral("out.bak"));
        writeAll(archive, "an older backup");

        QList<double> seen;
        ZipArchive::WriteOptions options;
        options.level = level;
        options.progress = [&](double f) {
            seen.append(f);
            return true;
        };
        const Status done = ZipArchive::write(
            archive,
            {{kEntry, dir.filePath(QStringLiteral("source.db")), {}}, {"notes.txt", {}, note}},
            options);
        QVERIFY2(done, qPrintable(done.error()));
        QVERIFY(!seen.isEmpty());
        QVERIFY(std::is_sorted(seen.begin(), seen.end()));
        QCOMPARE(seen.last(), 1.0);
        QCOMPARE(strays(dir.path(), {"source.db", "out.bak"}), QStringList());
        QCOMPARE(*ZipArchive::entryNames(archive), QStringList({kEntry, "notes.txt"}));

        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-t"), archive});
        QVERIFY(unzip.waitForFinished(60'000));
        QCOMPARE(unzip.exitCode(), 0);

        // Found whatever the letter case asked for.
        const Result<qint64> db = ZipArchive::extractOne(archive, QStringLiteral("ACCOUNTS.mdb"),
                                                         dir.filePath(QStringLiteral("x.db")));
        QVERIFY2(db, qPrintable(db.error()));
        QCOMPARE(*db, database.size());
        QCOMPARE(readAll(dir.filePath(QStringLiteral("x.db"))), database);
        QVERIFY(ZipArchive::extractOne(archive, "notes.txt", dir.filePath("n.txt")));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("n.txt"))), note);
    }

    void hostileArchivesAreRefusedAndTheDestinationKept_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<QString>("because");

        const QByteArray db = pages(100'000);
        const qint64 plenty = 1 << 30;
        const QByteArray good = zipOf({{kEntry, db}});
        QTest::newRow("text file") << QByteArray("Dear Sir,\nplease find enclosed\n") << plenty
                                   << "is not a readable zip archive";
        QTest::newRow("empty file") << QByteArray() << plenty << "is not a readable zip archive";
        QTest::newRow("truncated")
            << good.left(good.size() / 2) << plenty << "is not a readable zip archive";
        QTest::newRow("declared size over the limit") << good << qint64(50'000) << "more than the";
        QTest::newRow("declared size beyond any disk")
            << withDeclaredSize(zipOf({{kEntry, QByteArray(10, 'x')}}), 0xFFFF'FFF0u) << plenty
            << "more than the";
        QTest::newRow("bomb under a small declared size")
            << withDeclaredSize(zipOf({{kEntry, QByteArray(5'000'000, '\0')}}), 1000) << plenty
            << "holds more of Accounts.mdb than it says";
        QTest::newRow("parent path")
            << zipOf({{"../Accounts.mdb", db}}) << plenty << "under a folder name";
        QTest::newRow("absolute path")
            << zipOf({{"/tmp/accounts.MDB", db}}) << plenty << "under a folder name";
        QTest::newRow("backslash folder")
            << zipOf({{"old\\Accounts.mdb", db}}) << plenty << "under a folder name";
        QTest::newRow("other files only")
            << zipOf({{"/etc/x", db}, {"readme", db}}) << plenty << "does not hold Accounts.mdb";
        QTest::newRow("same name twice")
            << zipOf({{kEntry, db}, {"ACCOUNTS.MDB", db}}) << plenty << "more than once";
        QByteArray flipped = zipOf({{kEntry, noise(100'000, 3)}});
        for (qsizetype i = 1000; i < 1100; ++i)
            flipped[i] = char(~flipped[i]);
        QTest::newRow("damaged data") << flipped << plenty << "is damaged";
    }
    void hostileArchivesAreRefusedAndTheDestinationKept()
    {
        QFETCH(QByteArray, archive);
        QFETCH(qint64, maxBytes);
        QFETCH(QString, because);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chosen.bak"));
        writeAll(path, archive);
        const QString dest = dir.filePath(QStringLiteral("Temp.mdb"));
        writeAll(dest, "earlier copy");

        ZipArchive::ExtractLimits limits;
        limits.maxBytes = maxBytes;
        const Result<qint64> got = ZipArchive::extractOne(path, kEntry, dest, limits);
        QVERIFY(!got);
        QVERIFY2(got.error().contains(because), qPrintable(got.error()));
        QCOMPARE(readAll(dest), QByteArray("earlier copy"));
        QCOMPARE(strays(dir.path(), {"chosen.bak", "Temp.mdb"}), QStringList());
    }

    void failedWritesLeaveTheOldArchive_data()
    {
        QTest::addColumn<WriteAttempt>("attempt");
        QTest::addColumn<QString>("because");
        QTest::newRow("cancelled") << WriteAttempt([](const QString& to) {
            ZipArchive::WriteOptions options;
            options.progress = [](double f) { return f < 0.3; };
            return ZipArchive::write(to, {{kEntry, {}, noise(4'000'000, 1)}}, options);
        }) << "cancelled";
        QTest::newRow("disk full") << WriteAttempt([](const QString& to) {
            FileSizeLimit full(256 * 1024);
            return ZipArchive::write(to, {{kEntry, {}, noise(1'000'000, 2)}});
        }) << "cannot be written";
        QTest::newRow("missing source") << WriteAttempt([](const QString& to) {
            return ZipArchive::write(to,
                                     {{kEntry, QStringLiteral("/nonexistent/Accounts.mdb"), {}}});
        }) << "does not exist";
    }
    void failedWritesLeaveTheOldArchive()
    {
        QFETCH(WriteAttempt, attempt);
        QFETCH(QString, because);
        QTemporaryDir dir;
        const QString archive = dir.filePath(QStringLiteral("out.bak"));
        writeAll(archive, "an older backup");
        const Status done = attempt(archive);
        QVERIFY(!done);
        QVERIFY2(done.error().contains(because), qPrintable(done.error()));
        QCOMPARE(readAll(archive), QByteArray("an older backup"));
        QCOMPARE(strays(dir.path(), {"out.bak"}), QStringList());
    }

    void entryNameMustBePlain()
    {
        for (const char* name : {"", "..", "a/Accounts.mdb", "..\\Accounts.mdb"}) {
            const Result<qint64> got =
                ZipArchive::extractOne(QStringLiteral("/nonexistent.zip"), name, "/tmp/never");
            QVERIFY(!got);
            QVERIFY2(got.error().contains("not a plain file name"), qPrintable(got.error()));
        }
    }
};

QTEST_GUILESS_MAIN(TestZipArchive)
#include "tst_ziparchive.moc"
