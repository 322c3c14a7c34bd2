#include "invoices/InvoiceStore.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kNone = QStringLiteral("-");
QString orNone(const std::optional<QString>& text)
{
    return text.value_or(kNone);
}
// The next number, "-" when a start must be asked for, or "failed".
QString orNone(const Result<std::optional<QString>>& next)
{
    return next ? orNone(*next) : QStringLiteral("failed");
}

// "<outcome> <number>" of a create(), "failed: <reason>" when it failed.
QString describe(const Result<Creation>& made)
{
    if (!made)
        return QStringLiteral("failed: ") + made.error();
    if (made->outcome == Creation::Outcome::StartingNumberNeeded)
        return QStringLiteral("start needed");
    return (made->outcome == Creation::Outcome::Created ? QStringLiteral("created ")
                                                        : QStringLiteral("after another ")) +
           made->number;
}

// The "<InvoiceID> <number>" lines a raiser printed, complete lines only: a kill may cut the
// last one short, and a cut line names nothing that was committed for sure.
void readCommitted(QProcess& raiser, QMap<int, QString>& committed)
{
    const QList<QByteArray> lines = raiser.readAllStandardOutput().split('\n');
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> parts = lines[i].split(' ');
        committed.insert(parts.value(0).toInt(), QString::fromLatin1(parts.value(1)));
    }
}

} // namespace

class TestInvoiceStore : public QObject {
    Q_OBJECT

    static int addRow(TestEnv& env, const QVariant& number, int identity)
    {
        env.exec(QStringLiteral("INSERT INTO TblInvoices(ClientID, InvoiceNumber, Identity) "
                                "VALUES (0, ?, ?)"),
                 {number, identity});
        return env.db.scalar(QStringLiteral("SELECT max(InvoiceID) FROM TblInvoices")).toInt();
    }

    // Intact, every reported invoice present with its number, and the identity's numbers one
    // after another from 01 in the order the rows were made: none twice, none skipped.
    static void checkBooks(TestEnv& env, int identity, const QMap<int, QString>& committed)
    {
        QCOMPARE(env.db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
        const auto rows = env.db.all(
            QStringLiteral("SELECT InvoiceID, InvoiceNumber FROM "
                           "TblInvoices WHERE Identity = ? ORDER BY "
                           "InvoiceID"),
            {identity}, [](const Row& r) { return std::pair(r[0].toInt(), r[1].toString()); });
        QVERIFY2(rows, qPrintable(rows.error()));
        QMap<int, QString> stored;
        for (const auto& [invoiceId, number] : *rows) {
            QCOMPARE(number, QStringLiteral("0%1").arg(stored.size() + 1));
            stored.insert(invoiceId, number);
        }
        for (auto it = committed.cbegin(); it != committed.cend(); ++it)
            QCOMPARE(stored.value(it.key()), it.value());
    }

private slots:
    void numbers_data()
    {
        CaseFile::addRows(QStringLiteral("invoices/numbers.txt"),
                          {"previous", "next", "answer", "starting"});
    }
    void numbers()
    {
        QFETCH(QString, previous);
        QFETCH(QString, next);
        QFETCH(QString, answer);
        QFETCH(QString, starting);
        QCOMPARE(orNone(InvoiceStore::numberAfter(previous)), next);
        QCOMPARE(orNone(InvoiceStore::startingNumber(answer)), starting);
    }

    // The next number follows the identity's latest row; making an invoice numbers and inserts
    // it in one step, and a failure takes nothing.
    void numberingAndCreating()
    {
        TestEnv env;
        InvoiceStore store(env.db);
        const int a = env.addIdentity(QStringLiteral("A"));
        const int b = env.addIdentity(QStringLiteral("B"));
        const InvoiceFields work{0, QStringLiteral("Work"), Money::fromUnits(10), {}, {}};
        const QDate day = TestEnv::kToday;
        // Each invoice made reaches the invoice lists once it is committed; nothing else does.
        QSignalSpy announced(env.session.get(), &Session::invoicesChanged);
        QCOMPARE(orNone(store.nextNumber(a)), kNone); // empty table: ask for a start

        addRow(env, QStringLiteral("0100"), a); // InvoiceID 1
        QCOMPARE(orNone(store.nextNumber(a)), QStringLiteral("0101"));
        QCOMPARE(orNone(store.nextNumber(b)), QStringLiteral("0101")); // b follows row 1

        addRow(env, QStringLiteral("0500"), b);
        addRow(env, QStringLiteral("0200"), a);
        const int latest = addRow(env, QStringLiteral("0150"), a);
        QCOMPARE(orNone(store.nextNumber(a)), QStringLiteral("0151")); // latest, not highest
        QCOMPARE(orNone(store.nextNumber(b)), QStringLiteral("0501"));

        env.exec(QStringLiteral("DELETE FROM TblInvoices WHERE InvoiceID = ?"), {latest});
        QCOMPARE(orNone(store.nextNumber(a)), QStringLiteral("0201"));

        env.exec(QStringLiteral("DELETE FROM TblInvoices WHERE InvoiceID = 1"));
        QCOMPARE(orNone(store.nextNumber(env.addIdentity(QStringLiteral("C")))), kNone);

        addRow(env, QVariant(), a); // a Null number cannot be continued
        QCOMPARE(orNone(store.nextNumber(a)), kNone);

        // A query that fails is an error, never "no rows" (which would follow row 1 or ask).
        const auto aside = [&](bool away) {
            env.exec(away ? QStringLiteral("ALTER TABLE TblInvoices RENAME TO TblAside")
                          : QStringLiteral("ALTER TABLE TblAside RENAME TO TblInvoices"));
        };
        aside(true);
        QCOMPARE(orNone(store.nextNumber(a)), QStringLiteral("failed"));
        // A failed read neither asks for a start nor writes anything.
        QVERIFY(describe(store.create(work, day, a, QStringLiteral("0100"))).startsWith(u'f'));
        aside(false);

        env.exec(QStringLiteral("DELETE FROM TblInvoices"));
        QCOMPARE(describe(store.create(work, day, a)), QStringLiteral("start needed"));
        QCOMPARE(describe(store.create(work, day, a, QStringLiteral("0100"))),
                 QStringLiteral("created 0100"));
        QCOMPARE(describe(store.create(work, day, a)), QStringLiteral("created 0101"));
        // The start came too late: meanwhile another window numbered the identity's first.
        QCOMPARE(describe(store.create(work, day, a, QStringLiteral("07"))),
                 QStringLiteral("after another 0102"));
        QCOMPARE(describe(store.create(work, day, a, QStringLiteral("x"))).left(7),
                 QStringLiteral("failed:"));

        // A failed insert takes nothing: the next invoice gets the same number.
        env.exec(QStringLiteral("CREATE TRIGGER NoMore BEFORE INSERT ON TblInvoices "
                                "BEGIN SELECT RAISE(ABORT, 'books closed'); END"));
        QVERIFY(describe(store.create(work, day, a)).contains(QStringLiteral("books closed")));
        env.exec(QStringLiteral("DROP TRIGGER NoMore"));
        QCOMPARE(describe(store.create(work, day, a)), QStringLiteral("created 0103"));
        QCOMPARE(env.db.scalar(QStringLiteral("SELECT group_concat(InvoiceNumber) FROM "
                                              "(SELECT InvoiceNumber FROM TblInvoices "
                                              "ORDER BY InvoiceID)")),
                 QVariant(QStringLiteral("0100,0101,0102,0103")));
        QCOMPARE(announced.count(), 4);
        QVERIFY(!store.load(99)->has_value());
    }

    // A raiser killed at random moments never leaves a damaged file, a lost invoice it reported
    // committed, or a number twice; nor do two raisers at once on one data folder.
    void raisersKilledOrRacingKeepTheNumbersWhole()
    {
        TestEnv env;
        const int identity = env.addIdentity(QStringLiteral("Main"));
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("kill moments from seed %u", seed);
        QRandomGenerator rng(seed);
        QMap<int, QString> committed;
        const auto raise = [&](QProcess& raiser, const QString& count) {
            raiser.start(QStringLiteral(INVOICE_RAISER),
                         {env.folder(), QString::number(identity), count});
        };

        // Both start on an empty table: one starts the numbering, the other follows it.
        QProcess first, second;
        raise(first, QStringLiteral("40"));
        raise(second, QStringLiteral("40"));
        for (QProcess* raiser : {&first, &second}) {
            QVERIFY(raiser->waitForFinished(20000));
            QVERIFY2(raiser->exitCode() == 0, raiser->readAllStandardError().constData());
            readCommitted(*raiser, committed);
        }
        QCOMPARE(committed.size(), 80);
        checkBooks(env, identity, committed);

        for (int kill = 0; kill < 30 && !QTest::currentTestFailed(); ++kill) {
            QProcess raiser;
            raise(raiser, QString());
            QVERIFY(raiser.waitForReadyRead(10000)); // it is raising invoices now
            QTest::qSleep(int(rng.bounded(25)));
            raiser.kill(); // SIGKILL
            QVERIFY(raiser.waitForFinished(10000));
            readCommitted(raiser, committed);
            checkBooks(env, identity, committed);
        }
        QVERIFY(committed.size() > 80 + 30);
    }
};

QTEST_GUILESS_MAIN(TestInvoiceStore)
#include "tst_invoicestore.moc"
