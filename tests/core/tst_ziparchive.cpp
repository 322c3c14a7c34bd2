#include "core/ZipArchive.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

const QString kEntry = "Accounts.mdb";

QByteArray noise(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

// An archive of named members, made by our own writer (which stores names as given).
QByteArray zipOf(const QList<QPair<QString, QByteArray>>& members)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("made.zip");
    QList<ZipArchive::Member> list;
    for (const auto& [name, bytes] : members)
        list.append({name, {}, bytes});
    if (const Status done = ZipArchive::write(path, list); !done)
        qFatal("%s", qPrintable(done.error()));
    return readAll(path);
}

// The one entry's uncompressed size in its local and central headers, set as a forger would.
QByteArray withDeclaredSize(QByteArray zip, quint32 size)
{
    qToLittleEndian(size, zip.data() + 22);
    qToLittleEndian(size, zip.data() + zip.indexOf(QByteArray("PK\x01\x02", 4)) + 24);
    return zip;
}

} // namespace

class TestZipArchive : public QObject {
    Q_OBJECT
private slots:
    // A file and in-memory bytes go in; unzip accepts the archive; each comes out by its name
    // in any letter case, and the progress ends at 1. Neither reading nor a cancelled write
    // leaves a temporary file.
    void roundTrip()
    {
        QTemporaryDir dir;
        const QByteArray database = QByteArray("invoice 0124;").repeated(200'000) + noise(100'000);
        writeAll(dir.filePath("source.db"), database);
        const QString archive = dir.filePath("out.bak");
        double last = 0;
        const Status done = ZipArchive::write(
            archive, {{kEntry, dir.filePath("source.db"), {}}, {"b.txt", {}, "b"}},
            {1, [&](double f) {
                 last = f;
                 return true;
             }});
        QVERIFY2(done, qPrintable(done.error()));
        QCOMPARE(last, 1.0);
        QCOMPARE(*ZipArchive::entryNames(archive), QStringList({kEntry, "b.txt"}));
        QCOMPARE(*ZipArchive::declaredSize(archive, "accounts.MDB"), qint64(database.size()));
        QCOMPARE(QProcess::execute("unzip", {"-tq", archive}), 0);

        const QString out = dir.filePath("x.db");
        const Result<qint64> got = ZipArchive::extractOne(archive, "ACCOUNTS.mdb", out);
        QVERIFY2(got, qPrintable(got.error()));
        QCOMPARE(readAll(out), database);

        // A cancelled write keeps the earlier archive.
        const QByteArray before = readAll(archive);
        const Status cancelled = ZipArchive::write(archive, {{kEntry, {}, noise(4'000'000)}},
                                                   {1, [](double f) { return f < 0.3; }});
        QVERIFY(!cancelled);
        QVERIFY2(cancelled.error().contains("cancelled"), qPrintable(cancelled.error()));
        QCOMPARE(readAll(archive), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3); // no temporary left
    }

    void hostileArchivesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<QString>("because");
        const QByteArray db = QByteArray("page").repeated(25'000);
        const QByteArray good = zipOf({{kEntry, db}});
        const qint64 gigabyte = 1 << 30;
        QTest::newRow("over the limit") << good << qint64(50'000) << "more than the";
        QTest::newRow("declared 4 GB")
            << withDeclaredSize(good, 0xFFFF'FFF0u) << gigabyte << "more than the";
        QTest::newRow("bomb declared small")
            << withDeclaredSize(zipOf({{kEntry, QByteArray(5'000'000, '\0')}}), 1000) << gigabyte
            << "holds more of Accounts.mdb than it says";
        QTest::newRow("parent path")
            << zipOf({{"../Accounts.mdb", db}}) << gigabyte << "under a folder name";
        QTest::newRow("twice") << zipOf({{kEntry, db}, {"ACCOUNTS.MDB", db}}) << gigabyte
                               << "more than once";
        QByteArray flipped = zipOf({{kEntry, noise(100'000)}});
        for (qsizetype i = 1000; i < 1100; ++i)
            flipped[i] = char(~flipped[i]);
        QTest::newRow("damaged data") << flipped << gigabyte << "is damaged";
    }
    // The destination keeps its earlier content, and nothing else is left beside it.
    void hostileArchivesAreRefused()
    {
        QFETCH(QByteArray, archive);
        QFETCH(qint64, maxBytes);
        QFETCH(QString, because);
        QTemporaryDir dir;
        writeAll(dir.filePath("chosen.bak"), archive);
        const QString dest = dir.filePath("copy.mdb");
        writeAll(dest, "earlier copy");
        const Result<qint64> got =
            ZipArchive::extractOne(dir.filePath("chosen.bak"), kEntry, dest, {maxBytes, {}});
        QVERIFY(!got);
        QVERIFY2(got.error().contains(because), qPrintable(got.error()));
        QCOMPARE(readAll(dest), QByteArray("earlier copy"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestZipArchive)
#include "tst_ziparchive.moc"
