#include "invoices/InvoiceStore.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"

#include <QElapsedTimer>
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
    // after another in the order the rows were made: none twice, none skipped. The first is 01,
    // or, for an identity whose first invoice followed another identity's row 1, that one's
    // successor.
    static void checkBooks(TestEnv& env, int identity, const QMap<int, QString>& committed)
    {
        if (!env.db.isServer()) // a server keeps its own files whole
            QCOMPARE(env.db.scalar(QStringLiteral("PRAGMA integrity_check")).toString(),
                     QStringLiteral("ok"));
        const auto rows = env.db.all(
            QStringLiteral("SELECT InvoiceID, InvoiceNumber FROM "
                           "TblInvoices WHERE Identity = ? ORDER BY "
                           "InvoiceID"),
            {identity}, [](const Row& r) { return std::pair(r[0].toInt(), r[1].toString()); });
        QVERIFY2(rows, qPrintable(rows.error()));
        QMap<int, QString> stored;
        QString expected;
        for (const auto& [invoiceId, number] : *rows) {
            if (expected.isEmpty() && (number == u"01" || number == u"02"))
                expected = number;
            QCOMPARE(number, expected);
            expected = InvoiceStore::numberAfter(number).value_or(QString());
            stored.insert(invoiceId, number);
        }
        for (auto it = committed.cbegin(); it != committed.cend(); ++it)
            QCOMPARE(stored.value(it.key()), it.value());
    }

    // The numbers of every invoice in the order they were made.
    static QString allNumbers(TestEnv& env)
    {
        const auto numbers =
            env.db.all(QStringLiteral("SELECT InvoiceNumber FROM TblInvoices ORDER BY InvoiceID"),
                       {}, [](const Row& r) { return r[0].toString(); });
        return numbers ? numbers->join(u',') : numbers.error();
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
        env.addFailingTrigger("NoMore", "INSERT", "TblInvoices", "books closed");
        QVERIFY(describe(store.create(work, day, a)).contains(QStringLiteral("books closed")));
        env.dropFailingTrigger("NoMore", "TblInvoices");
        QCOMPARE(describe(store.create(work, day, a)), QStringLiteral("created 0103"));
        QCOMPARE(allNumbers(env), QStringLiteral("0100,0101,0102,0103"));
        QCOMPARE(announced.count(), 4);
        QVERIFY(!store.load(99)->has_value());
    }

    // On shared books a conflict with another seat (a serialization failure, a number the
    // unique index already holds) is tried again unseen; one that persists is shown, and takes
    // nothing.
    void conflictsWithOtherSeatsAreTriedAgain()
    {
        TestEnv env;
        if (!env.db.isServer())
            QSKIP("conflicts between seats are a server's");
        InvoiceStore store(env.db);
        const int a = env.addIdentity(QStringLiteral("A"));
        const InvoiceFields work{0, QStringLiteral("Work"), Money::fromUnits(10), {}, {}};
        QSignalSpy announced(env.session.get(), &Session::invoicesChanged);
        QCOMPARE(describe(store.create(work, TestEnv::kToday, a, QStringLiteral("01"))),
                 QStringLiteral("created 01"));
        // Inserts fail with a conflict's code while the counter of tries is below the limit.
        env.exec(QStringLiteral("CREATE SEQUENCE Tries"));
        env.exec(QStringLiteral(
            "CREATE FUNCTION Conflicts() RETURNS trigger LANGUAGE plpgsql AS $$BEGIN "
            "IF nextval('Tries') <= current_setting('test.failures')::int THEN RAISE EXCEPTION "
            "'conflict' USING "
            "ERRCODE = CASE WHEN currval('Tries') % 2 = 0 THEN '40001' ELSE '23505' END; END IF; "
            "RETURN NEW; END$$"));
        env.exec(QStringLiteral("CREATE TRIGGER Conflict BEFORE INSERT ON TblInvoices FOR EACH ROW "
                                "EXECUTE FUNCTION Conflicts()"));
        const auto failFirst = [&](int tries) {
            env.exec(QStringLiteral("ALTER SEQUENCE Tries RESTART"));
            env.exec(QStringLiteral("SET test.failures = %1").arg(tries));
        };
        failFirst(InvoiceStore::kConflictAttempts - 1);
        QCOMPARE(describe(store.create(work, TestEnv::kToday, a)), QStringLiteral("created 02"));
        failFirst(InvoiceStore::kConflictAttempts);
        QVERIFY(describe(store.create(work, TestEnv::kToday, a)).contains(u"conflict"));
        failFirst(0);
        QCOMPARE(describe(store.create(work, TestEnv::kToday, a)), QStringLiteral("created 03"));
        QCOMPARE(allNumbers(env), QStringLiteral("01,02,03"));
        QCOMPARE(announced.count(), 3);
    }

    // Raisers racing on two identities never take a number twice nor skip one, and print no
    // error; a raiser killed at random moments never leaves damaged books, a lost invoice it
    // reported committed, or a number twice.
    void raisersKilledOrRacingKeepTheNumbersWhole()
    {
        TestEnv env;
        const int identities[] = {env.addIdentity(QStringLiteral("Main")),
                                  env.addIdentity(QStringLiteral("Second"))};
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("kill moments from seed %u", seed);
        QRandomGenerator rng(seed);
        // Every invoice a raiser reported, and its identity's.
        QMap<int, QString> committed[2];
        const QString books = env.db.isServer() ? env.db.server().url() : env.folder();
        const auto raise = [&](QProcess& raiser, int identity, const QString& count) {
            raiser.start(QStringLiteral(INVOICE_RAISER),
                         {books, QString::number(identities[identity]), count});
        };

        // All start on an empty table: one starts an identity's numbering, the others follow.
        // A server takes many seats at once; a file a few processes on one machine.
        const int each = env.db.isServer() ? 2000 : 40;
        QElapsedTimer racing;
        racing.start();
        QProcess raisers[4];
        for (int i = 0; i < 4; ++i)
            raise(raisers[i], i % 2, QString::number(each));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(raisers[i].waitForFinished(240000));
            const QByteArray errors = raisers[i].readAllStandardError();
            QVERIFY2(raisers[i].exitCode() == 0 && errors.isEmpty(), errors.constData());
            readCommitted(raisers[i], committed[i % 2]);
        }
        qInfo("4 raisers x %d invoices: %lld ms", each, racing.elapsed());
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(committed[i].size(), 2 * each);
            checkBooks(env, identities[i], committed[i]);
        }

        for (int kill = 0; kill < 30 && !QTest::currentTestFailed(); ++kill) {
            QProcess raiser;
            raise(raiser, kill % 2, QString());
            QVERIFY(raiser.waitForReadyRead(10000)); // it is raising invoices now
            QTest::qSleep(int(rng.bounded(25)));
            raiser.kill(); // SIGKILL
            QVERIFY(raiser.waitForFinished(10000));
            readCommitted(raiser, committed[kill % 2]);
            checkBooks(env, identities[kill % 2], committed[kill % 2]);
        }
        QVERIFY(committed[0].size() + committed[1].size() > 4 * each + 30);
    }
};

QTEST_GUILESS_MAIN(TestInvoiceStore)
#include "tst_invoicestore.moc"
