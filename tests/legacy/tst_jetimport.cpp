#include "JetSamples.h"
#include "app/MainWindow.h"
#include "core/DaySerial.h"
#include "core/GridData.h"
#include "core/ui/LongWork.h"
#include "invoices/InvoiceList.h"
#include "legacy/JetImport.h"
#include "legacy/JetSource.h"
#include "legacy/ui/JetConversion.h"
#include "support/CaseFile.h"
#include "support/FileSizeLimit.h"
#include "support/ListItems.h"
#include "support/TestEnv.h"
#include "support/Windowless.h"

#include <QComboBox>
#include <QDirIterator>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <optional>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// A Jet database held in memory, shaped as a test needs it.
struct MemoryTableShape {
    QString name;
    QList<JetColumn> columns;
    QList<QVariantList> rows;
    qint64 recorded = -1; // -1: as many as there are rows
    int failAtRow = 0;    // the reader fails on this row (from 1); 0: never
};

// Reads a copy of its shape, so a test may change the source after opening a table.
class MemoryTable final : public JetTable {
public:
    explicit MemoryTable(MemoryTableShape shape)
        : m(std::move(shape))
    {}
    QString name() const override { return m.name; }
    const QList<JetColumn>& columns() const override { return m.columns; }
    qint64 recordedRows() const override { return m.recorded < 0 ? m.rows.size() : m.recorded; }
    Result<bool> next(QVariantList& row) override
    {
        if (++m_read == m.failAtRow)
            return Failure{QStringLiteral("%1, row %2: unreadable").arg(m.name).arg(m_read)};
        if (m_read > m.rows.size())
            return false;
        row = m.rows[m_read - 1];
        return true;
    }

private:
    MemoryTableShape m;
    qsizetype m_read = 0; // rows asked for, the one being read included
};

// Table names match in any letter case, as in Jet.
struct MemorySource final : JetSource {
    QList<MemoryTableShape> shapes;

    MemoryTableShape* find(const QString& name)
    {
        for (MemoryTableShape& s : shapes) {
            if (s.name.compare(name, Qt::CaseInsensitive) == 0)
                return &s;
        }
        return nullptr;
    }
    MemoryTableShape& shape(const QString& name) { return *find(name); }
    QStringList tables() const override
    {
        QStringList names;
        for (const MemoryTableShape& s : shapes)
            names << s.name;
        return names;
    }
    Result<std::unique_ptr<JetTable>> table(const QString& name) override
    {
        if (const MemoryTableShape* s = find(name))
            return std::unique_ptr<JetTable>(new MemoryTable(*s));
        return Failure{QStringLiteral("no table %1").arg(name)};
    }
};

const QVariant Null;

qint64 money(const char* text)
{
    return Money::parse(QLatin1String(text))->units();
}

// Starts a conversion through `start` and waits for the outcome its continuation is handed.
JetConversion::Outcome finish(const std::function<LongWork*(JetConversion::Then)>& start)
{
    std::optional<JetConversion::Outcome> outcome;
    start([&outcome](JetConversion::Outcome got) { outcome = got; });
    [&] { QTRY_VERIFY_WITH_TIMEOUT(outcome.has_value(), 60'000); }();
    return outcome.value_or(JetConversion::Outcome::Failed);
}

// The earlier program's Accounts.mdb of tests/data/legacy/old-accounts.txt (see there).
MemorySource oldAccounts()
{
    using K = JetKind;
    static const QHash<QString, K> kinds{
        {"Long", K::Long},         {"Integer", K::Integer}, {"YesNo", K::YesNo},
        {"Double", K::Double},     {"Single", K::Single},   {"Currency", K::Currency},
        {"DateTime", K::DateTime}, {"Text", K::Text},       {"Memo", K::Memo}};
    MemorySource s;
    for (const QStringList& line : CaseFile::read("legacy/old-accounts.txt")) {
        if (line[1] == u"columns") {
            s.shapes << MemoryTableShape{line[0], {}, {}};
            for (const QString& c : line.mid(2))
                s.shapes.last().columns
                    << JetColumn{c.section(u':', 0, 0), kinds.value(c.section(u':', 1))};
            continue;
        }
        QVariantList row;
        for (qsizetype i = 1; i < line.size(); ++i) {
            const QString& v = line[i];
            const K kind = s.shapes.last().columns[i - 1].kind;
            if (v == u"NULL")
                row << Null;
            else if (kind == K::Text || kind == K::Memo) // "" an empty text, not a Null
                row << (v.isEmpty() ? QVariant("") : QVariant(v));
            else if (kind == K::Currency)
                row << Money::parse(v)->units();
            else if (kind == K::DateTime && v.count(u'-') == 2)
                row << DaySerial::fromDate(QDate::fromString(v, Qt::ISODate));
            else if (kind == K::Double || kind == K::DateTime || kind == K::Single)
                row << (kind == K::Single ? double(v.toFloat()) : v.toDouble());
            else
                row << v.toInt();
        }
        s.shapes.last().rows << row;
    }
    return s;
}

// A row as text, "NULL" for Null: stored and expected rows compare with a readable difference.
QStringList texts(const QVariantList& row)
{
    QStringList list;
    for (const QVariant& v : row)
        list << (v.isNull() ? QStringLiteral("NULL") : v.toString());
    return list;
}

// Every row of a table, in key order, as stored.
QList<QStringList> stored(Database& db, const QString& table)
{
    QSqlQuery q = db.prepare(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(table));
    if (!db.exec(q))
        qFatal("%s", qPrintable(db.errorString()));
    QList<QStringList> rows;
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i);
        rows << texts(row);
    }
    return rows;
}

// Every file under a folder, hidden ones included, with its bytes (not a named pipe: reading
// one waits for a writer).
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readAll(path));
    }
    return files;
}

// A data folder whose Accounts.mdb is a Jet file (the bytes of a sample, or a stand-in).
QByteArray jetBytes()
{
    const QByteArray bytes = readAll(sample("DateTestDatabase.mdb"));
    return bytes.isEmpty() ? QByteArray("\0\1\0\0Standard Jet DB\0", 20) : bytes;
}

// Mounts a file system of `bytes` on `folder`, seen by this process alone (a mount namespace
// of its own): a disk that fills up. False where that is not allowed (not root).
bool mountSmallDisk(const QString& folder, qint64 bytes)
{
    const QByteArray options = "size=" + QByteArray::number(bytes);
    return ::unshare(CLONE_NEWNS) == 0 &&
           ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("billcraft-test", QFile::encodeName(folder).constData(), "tmpfs", 0,
                   options.constData()) == 0;
}

} // namespace

class TestJetImport : public QObject {
    Q_OBJECT

private slots:
    // The five tables arrive with their keys, exact amounts and day serials, quotes and Nulls;
    // the keys go on from the highest, and the report says what was copied.
    void copiesEveryTableExactly()
    {
        TestEnv env;
        MemorySource source = oldAccounts();
        QList<JetImportProgress> steps;
        const Result<JetImportReport> report =
            JetImport::copyTables(source, env.db, [&](const JetImportProgress& at) {
                steps << at;
                return true;
            });
        QVERIFY2(report, qPrintable(report.error()));
        QStringList lines;
        for (const JetTableSummary& t : report->tables)
            lines << t.line();
        QCOMPARE(lines, QStringList({"TblUserData: 2 rows", "TblClients: 3 rows (no Notes)",
                                     "TblInvoices: 5 rows, Total 1636.8672, VAT 242.2994",
                                     "TblExpenses: 1 row", "TblAppointments: 2 rows"}));
        QCOMPARE(steps.first().table, "TblUserData");
        QCOMPARE(steps.last().rowsDone, 13);
        QCOMPARE(steps.last().rowsTotal, 13);

        for (const MemoryTableShape& shape : source.shapes) {
            QList<QStringList> expected;
            for (QVariantList row : shape.rows) {
                // The e-invoice terms follow: none for the clients but the country code of their
                // Country text; 30 payment days for each identity. Then nothing sent or reminded
                // yet, no templates, no fees.
                if (shape.name == u"TblClients") {
                    row.insert(16, Null); // Notes, before Identity
                    row << (row[11] == QStringLiteral("UK") ? QVariant("GB") : Null) << Null << Null
                        << Null;
                }
                if (shape.name == u"TblUserData") {
                    for (int i = 0; i < 12; ++i)
                        row << Null;
                    row << 30 << Null << Null << 0 << Null << Null << Null << 0 << 0 << 0 << Null;
                }
                if (shape.name == u"TblInvoices")
                    row << Null << 0 << Null;
                if (shape.name == u"TblExpenses") { // by their decimal digits
                    row[5] = money("30.99");
                    row[6] = money("5.165");
                }
                expected << texts(row);
            }
            QCOMPARE(stored(env.db, shape.name), expected);
        }
        env.exec("INSERT INTO TblInvoices(ClientID, Identity) VALUES (5, 1)");
        QCOMPARE(env.db.scalar("SELECT max(InvoiceID) FROM TblInvoices").toInt(), 21);
        VERIFY_PROMPTS(env.prompter);
    }

    // What the copy refuses: it says which table and row, and writes nothing at all.
    void refusedSources_data() { CaseFile::addRows("legacy/refused-sources.txt", {"error"}); }
    void refusedSources()
    {
        QFETCH(QString, error);
        const QByteArray fault = QTest::currentDataTag();
        TestEnv env;
        MemorySource source = oldAccounts();
        MemoryTableShape& invoices = source.shape("TblInvoices");
        MemoryTableShape& clients = source.shape("TblClients");
        if (fault == "no InvoiceID")
            invoices.columns[0].name = "Number";
        else if (fault == "Null ClientID")
            clients.rows[1][0] = Null;
        else if (fault == "unreadable row")
            invoices.failAtRow = 4;
        else if (fault == "rows recorded but lost")
            source.shape("TblAppointments").recorded = 3;
        else if (fault == "money in words") {
            invoices.columns[4].kind = JetKind::Text;
            invoices.rows[2][4] = "twelve";
        } else if (fault == "duplicate key")
            clients.rows[2][0] = 5;
        else if (fault == "no TblExpenses")
            source.shapes.removeAt(3);
        const Result<JetImportReport> report = JetImport::copyTables(source, env.db, {});
        QVERIFY2(!report && report.error().startsWith(error), qPrintable(report.error()));
        for (const QString& table : JetImport::tableNames())
            QCOMPARE(stored(env.db, table).size(), 0);
        VERIFY_PROMPTS(env.prompter);
    }

    // Yes converts the folder: the original is kept byte for byte as Accounts.jet.mdb, and the
    // next start shows the same identities, clients and invoices with the same totals.
    void convertingTheFolderAndStartingOnIt()
    {
        QTemporaryDir dir;
        const QString jetFile = dir.filePath("Accounts.mdb");
        writeAll(jetFile, jetBytes());
        const QByteArray original = readAll(jetFile);
        ScriptedPrompter prompter;
        QCOMPARE(finish([&](JetConversion::Then then) {
                     return JetConversion::convert(prompter,
                                                   std::make_shared<MemorySource>(oldAccounts()),
                                                   dir.path(), std::move(then));
                 }),
                 JetConversion::Outcome::Converted);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"Accounts.jet.mdb", "Accounts.mdb"}));
        QCOMPARE(readAll(dir.filePath(JetImport::kKeptName)), original);

        Database db;
        QVERIFY2(db.open(jetFile), qPrintable(db.errorString()));
        FixedClock clock(TestEnv::kToday);
        Session session(db, prompter, clock, LocaleText(testLocale()), dir.path());
        {
            MainWindow window(session);
            window.startUp();
            QCOMPARE(session.currentIdentity(), 1);
            const QStringList companies = openedItems(child<QComboBox>(&window, "cmbSelectClient"));
            QVERIFY(companies.contains("O'Neill Builders"));
            QVERIFY(companies.contains("Smith & Sons Ltd"));
        }
        const Result<GridData> list = InvoiceList::load(
            db, {session.locale(), clock.today()},
            {.filter = InvoiceList::Filter::All, .hideBadDebts = false, .identity = 1});
        QVERIFY2(list, qPrintable(list.error()));
        QCOMPARE(list->rowCount(), 3); // the starting row, of client 0, is never listed
        QCOMPARE(list->text(list->rowOfKey(8), InvoiceList::ColInvoiceNumber), "0102");
        QCOMPARE(list->totals().at(InvoiceList::ColTotal), "£1,626.87");
        QCOMPARE(list->totals().at(InvoiceList::ColVat), "£242.30");
        VERIFY_PROMPTS(prompter);
    }

    // Cancelling, a failure at any step and a folder that cannot take the result all leave
    // the folder exactly as it was.
    void failuresLeaveTheFolderAsItWas_data()
    {
        CaseFile::addRows("legacy/conversion-failures.txt", {"error"});
    }
    void failuresLeaveTheFolderAsItWas()
    {
        QFETCH(QString, error);
        const QByteArray fault = QTest::currentDataTag();
        QTemporaryDir dir, elsewhere;
        if (fault.startsWith("disk full") &&
            !mountSmallDisk(dir.path(),
                            jetBytes().size() + (fault.endsWith("start") ? 512 : 2048) * 1024))
            QSKIP("A small disk cannot be mounted here (it needs root).");
        const auto unmount =
            qScopeGuard([&] { ::umount2(QFile::encodeName(dir.path()), MNT_DETACH); });
        QString jetFile = dir.filePath("Accounts.mdb");
        writeAll(jetFile, jetBytes());
        MemorySource source = oldAccounts();
        if (fault == "unreadable row")
            source.shape("TblInvoices").failAtRow = 4;
        if (fault == "file size limit" || fault == "disk full while copying")
            source.shape("TblAppointments").rows[0][2] = QString(4'000'000, u'x');
        if (fault == "earlier original kept")
            writeAll(dir.filePath(JetImport::kKeptName), "before");
        if (fault == "another database in the folder")
            jetFile = elsewhere.filePath("old.mdb");
        const QMap<QString, QByteArray> before = snapshot(dir.path());
        if (fault == "read-only folder")
            QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        std::optional<FileSizeLimit> limit;
        if (fault == "file size limit")
            limit.emplace(512 * 1024);
        int calls = 0;
        const Result<JetImportReport> report =
            JetImport::convert(source, jetFile, dir.path(), [&](const JetImportProgress& at) {
                ++calls;
                return !((fault == "cancel while copying" && calls > 1) ||
                         (fault == "cancel before the commit" && at.table.isEmpty()));
            });
        limit.reset();
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        if (error.isEmpty())
            QVERIFY2(report && report->cancelled, qPrintable(report.error()));
        else
            QVERIFY2(!report && report.error().startsWith(error.arg(dir.path())),
                     qPrintable(report.error()));
        QCOMPARE(snapshot(dir.path()), before);
    }

    // What a conversion stopped half-way leaves (name=content: jet, the original; new, a new
    // database; link, a second name of Accounts.mdb), and what the next start makes of it: the
    // original whole under its own name and no scratch files, after which the conversion runs
    // again. The files of a conversion that is still running are not touched.
    void interruptedConversions_data()
    {
        CaseFile::addRows("legacy/interrupted-conversions.txt", {"files", "after"});
    }
    void interruptedConversions()
    {
        QFETCH(QString, files);
        QFETCH(QString, after);
        QTemporaryDir dir;
        const QDir folder(dir.path());
        const auto make = [](const QDir& in, const QString& list) {
            for (const QString& file : list.split(u' ', Qt::SkipEmptyParts)) {
                const QString name = in.filePath(file.section(u'=', 0, 0));
                const QString content = file.section(u'=', 1);
                if (content == u"link")
                    QCOMPARE(::link(QFile::encodeName(in.filePath("Accounts.mdb")),
                                    QFile::encodeName(name)),
                             0);
                else
                    writeAll(name, content == u"jet" ? jetBytes() : QByteArray("SQLite format 3"));
            }
        };
        make(folder, files);
        QMap<QString, QByteArray> expected = snapshot(dir.path());
        if (!after.isEmpty()) {
            QTemporaryDir other;
            make(QDir(other.path()), after);
            expected = snapshot(other.path());
        }
        QLockFile running(folder.filePath(JetImport::kLockName));
        if (QByteArray(QTest::currentDataTag()) == "still converting")
            QVERIFY(running.lock());
        const Status recovered = JetImport::recover(dir.path());
        QVERIFY2(recovered, qPrintable(recovered.error()));
        running.unlock();
        QCOMPARE(snapshot(dir.path()), expected);
        if (after == u"Accounts.mdb=jet") {
            MemorySource source = oldAccounts();
            const Result<JetImportReport> report =
                JetImport::convert(source, folder.filePath("Accounts.mdb"), dir.path(), {});
            QVERIFY2(report, qPrintable(report.error()));
            QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden),
                     QStringList({"Accounts.jet.mdb", "Accounts.mdb"}));
        }
    }

    // The start-up question: No changes nothing; Yes on a Jet file that is not the old
    // program's says why and changes nothing.
    void startUpQuestion()
    {
        NEED_SAMPLES();
        QTemporaryDir dir;
        writeAll(dir.filePath("Accounts.mdb"), readAll(sample("nwind.mdb")));
        const QMap<QString, QByteArray> before = snapshot(dir.path());
        QVERIFY(Database::hasJetSignature(dir.filePath("Accounts.mdb")));
        ScriptedPrompter prompter;
        prompter.expectExactly({"This data folder holds a database from the earlier Windows "
                                "program. Convert it to Billcraft's format? The original is kept "
                                "as Accounts.jet.mdb.",
                                {},
                                Prompter::Buttons::YesNo,
                                Prompter::Icon::Question,
                                Prompter::Answer::No},
                               Prompter::Answer::No);
        const auto offer = [&](JetConversion::Then then) {
            return JetConversion::offer(prompter, dir.path(), kReader, std::move(then));
        };
        QCOMPARE(finish(offer), JetConversion::Outcome::Declined);
        prompter.expectQuestion(JetConversion::kQuestion, Prompter::Answer::Yes);
        prompter.expectMessage(QString(JetConversion::kFailed) + dir.filePath("Accounts.mdb") +
                               ": it lacks the tables TblUserData, TblClients, "
                               "TblInvoices, TblExpenses, TblAppointments, so it "
                               "is not the database of the earlier Windows "
                               "program.");
        QCOMPARE(finish(offer), JetConversion::Outcome::Failed);
        QCOMPARE(snapshot(dir.path()), before);
        // Opened as it is, it is refused for what it is.
        Database db;
        QVERIFY(!db.open(dir.filePath("Accounts.mdb")));
        QVERIFY2(db.errorString().contains("still to be converted"), qPrintable(db.errorString()));
        QCOMPARE(snapshot(dir.path()), before);
        VERIFY_PROMPTS(prompter);
    }

    // --import-jet on bad input: exit code 1, one line on stderr, the input and the folder
    // untouched.
    void commandLine_data() { CaseFile::addRows("legacy/command-line.txt", {"input", "error"}); }
    void commandLine()
    {
        NEED_SAMPLES();
        QFETCH(QString, input);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString file = dir.filePath("old.mdb");
        if (!input.isEmpty())
            writeAll(file, readAll(sample(qPrintable(input.section(u' ', 0, 0)))));
        const QString folder = dir.filePath("data");
        QDir().mkpath(folder);
        if (input.endsWith(u" read-only"))
            QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QMap<QString, QByteArray> before = snapshot(dir.path());

        const WindowlessRun run = runWindowless({"--import-jet", file, "--data-folder", folder});
        QVERIFY(run.finished);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        const QString& stderrText = run.stdErr;
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(stderrText.count(u'\n'), 1);
        QVERIFY2(stderrText.startsWith(QString(error).replace("%1", file).replace("%2", folder)),
                 qPrintable(stderrText));
        QCOMPARE(run.stdOut, QByteArray());
        QCOMPARE(snapshot(dir.path()), before);
    }
};

QTEST_MAIN(TestJetImport)
#include "tst_jetimport.moc"
