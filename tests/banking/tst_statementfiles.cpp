// The statement readers on one statement written in every format they read, on files no bank
// wrote, and the CSV mapping a bank is known by again.
#include "banking/CamtReader.h"
#include "banking/CsvStatement.h"
#include "banking/Mt940Reader.h"
#include "banking/StatementFiles.h"
#include "banking/StatementReading.h"
#include "core/Preferences.h"
#include "support/CaseFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString dataFile(const QString& name)
{
    return QStringLiteral(BILLCRAFT_TEST_DATA "/banking/") + name;
}

QByteArray contents(const QString& name)
{
    QFile file(dataFile(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}

CsvMapping mappingOf(const QString& name)
{
    const std::optional<CsvMapping> mapping =
        CsvMapping::fromJson(QString::fromUtf8(contents(name)));
    if (!mapping)
        qFatal("%s is no mapping", qPrintable(name));
    return *mapping;
}

// The entries every file of tests/data/banking holds, references made where the table says
// "MADE".
QList<StatementEntry> expectedEntries()
{
    QList<StatementEntry> entries;
    StatementReading::MadeReferences made;
    for (const QStringList& c : CaseFile::read(QStringLiteral("banking/entries.cases"))) {
        StatementEntry e{QDate::fromString(c[1], Qt::ISODate),
                         *Money::parse(c[3]),
                         c[2] == u"credit",
                         c[4],
                         c[5],
                         c[6],
                         c.value(7)};
        if (e.bankRef == u"MADE")
            e.bankRef = made.next(e);
        entries << e;
    }
    return entries;
}

void compare(const StatementEntry& got, const StatementEntry& want)
{
    QCOMPARE(got.bookedOn, want.bookedOn);
    QCOMPARE(got.credit, want.credit);
    QCOMPARE(got.amount.toPlainString(), want.amount.toPlainString());
    QCOMPARE(got.currency, want.currency);
    QCOMPARE(got.bankRef, want.bankRef);
    QCOMPARE(got.remittance, want.remittance);
    QCOMPARE(got.counterparty, want.counterparty);
}

Result<Statement> readWith(const QString& path, const QString& mappingFile, QTemporaryDir& dir)
{
    Preferences preferences(dir.filePath(QStringLiteral("preferences.json")));
    if (!mappingFile.isEmpty()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return Failure{file.errorString()};
        const Status kept =
            CsvStatement::remember(file.readAll(), mappingOf(mappingFile), preferences);
        if (!kept)
            return Failure{kept.error()};
    }
    // Found again by a later run, from the preferences file.
    return StatementFiles::read(path,
                                Preferences(dir.filePath(QStringLiteral("preferences.json"))));
}

} // namespace

class TestStatementFiles : public QObject {
    Q_OBJECT
private slots:
    void readsEveryFormat_data();
    void readsEveryFormat();
    void refusesDamaged_data();
    void refusesDamaged();
    void refusesHugeFiles();
    void csvAmounts_data();
    void csvAmounts();
    void mt940Entries_data();
    void mt940Entries();
    void mappingFoundByItsHeader();
    void camtBatchWithoutOwnReferences();
};

void TestStatementFiles::readsEveryFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("mapping");
    QTest::addColumn<QString>("account");
    const QString iban = QStringLiteral("DE02120300000000202051");
    QTest::newRow("camt.053.001.02") << "camt053-02.xml" << QString() << iban;
    QTest::newRow("camt.053.001.08") << "camt053-08.xml" << QString() << iban;
    QTest::newRow("mt940 in Latin-1") << "statement-latin1.sta" << QString() << iban;
    QTest::newRow("csv ; decimal comma, preamble, Latin-1") << "bank-a.csv"
                                                            << "bank-a.mapping.json" << QString();
    QTest::newRow("csv , money in and out, UTF-8") << "bank-b.csv"
                                                   << "bank-b.mapping.json" << QString();
}

void TestStatementFiles::readsEveryFormat()
{
    QFETCH(QString, file);
    QFETCH(QString, mapping);
    QFETCH(QString, account);
    QTemporaryDir dir;
    const Result<Statement> read = readWith(dataFile(file), mapping, dir);
    QVERIFY2(read.ok(), qPrintable(read.error()));
    QCOMPARE(read->account, account);
    const QList<StatementEntry> want = expectedEntries();
    QCOMPARE(read->entries.size(), want.size());
    for (qsizetype i = 0; i < want.size(); ++i) {
        compare(read->entries[i], want[i]);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("entry %1").arg(i + 1)));
    }
    // Read again, the same references: nothing is paid twice.
    const Result<Statement> again = readWith(dataFile(file), mapping, dir);
    QVERIFY(again.ok());
    for (qsizetype i = 0; i < want.size(); ++i)
        QCOMPARE(again->entries[i].bankRef, read->entries[i].bankRef);
}

void TestStatementFiles::refusesDamaged_data()
{
    CaseFile::addRows(QStringLiteral("banking/damaged.cases"), {"name", "contents", "words"});
}

void TestStatementFiles::refusesDamaged()
{
    QFETCH(QString, name);
    QFETCH(QString, contents);
    QFETCH(QString, words);
    const QByteArray camt = ::contents(QStringLiteral("camt053-02.xml"));
    const QByteArray csv = ::contents(QStringLiteral("bank-a.csv"));
    QByteArray bytes = contents.toUtf8();
    if (bytes.startsWith("@camt"))
        bytes.replace(0, 5, camt.left(camt.indexOf("<Ntry>")));
    if (bytes.startsWith("@csv"))
        bytes.replace(0, 4, csv.left(csv.indexOf("\"30.11.2026\"")));
    QTemporaryDir dir;
    Preferences preferences(dir.filePath(QStringLiteral("preferences.json")));
    QVERIFY(
        CsvStatement::remember(csv, mappingOf(QStringLiteral("bank-a.mapping.json")), preferences)
            .ok());
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const Result<Statement> read = StatementFiles::read(file.fileName(), preferences);
    QVERIFY(!read.ok());
    QVERIFY2(read.error().startsWith(name + QStringLiteral(" cannot be read: ")),
             qPrintable(read.error()));
    QVERIFY2(read.error().contains(words), qPrintable(read.error()));
    QVERIFY(!read.error().contains(u'\n'));
}

void TestStatementFiles::refusesHugeFiles()
{
    QTemporaryDir dir;
    const Preferences preferences;
    const QByteArray line = ":61:261130C1,00NTRFNONREF\n";
    for (const QByteArray& start : {QByteArray(":20:X\n:60F:C261129EUR0,00\n"),
                                    QByteArray("<Document xmlns=\"urn:iso:std:iso:20022:tech:"
                                               "xsd:camt.053.001.02\">")}) {
        QFile file(dir.filePath(QStringLiteral("huge")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(start);
        file.write(line.repeated(StatementReading::kMaxBytes / line.size() + 1));
        file.close();
        const Result<Statement> read = StatementFiles::read(file.fileName(), preferences);
        QVERIFY2(read.error().startsWith(QStringLiteral("huge cannot be read: it is larger than")),
                 qPrintable(read.error()));
    }
    // Small entries, too many of them.
    QByteArray many = ":20:X\n:60F:C261129EUR0,00\n";
    const QByteArray tiny = ":61:261130C1,\n";
    many += tiny.repeated(StatementReading::kMaxEntries + 1);
    const Result<Statement> read = Mt940Reader::read(many);
    QVERIFY2(read.error().contains(QStringLiteral("more than 100,000 entries")),
             qPrintable(read.error()));
}

void TestStatementFiles::csvAmounts_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<QString>("amount"); // signed; empty: refused
    QTest::newRow("grouped comma") << "1.234,56" << true << "1234.56";
    QTest::newRow("plain comma") << "1234,56" << true << "1234.56";
    QTest::newRow("blank grouping") << "1 234,56" << true << "1234.56";
    QTest::newRow("millions") << "1.234.567,8" << true << "1234567.8";
    QTest::newRow("brackets") << "(12,50)" << true << "-12.5";
    QTest::newRow("trailing minus") << "12,50-" << true << "-12.5";
    QTest::newRow("plus") << "+7,00" << true << "7";
    QTest::newRow("grouped point") << "1,234.56" << false << "1234.56";
    QTest::newRow("point read as comma") << "1,234.56" << true << "";
    QTest::newRow("comma read as point") << "1.234,56" << false << "";
    QTest::newRow("groups of two") << "1.23,45" << true << "";
    QTest::newRow("with currency") << "12.50 EUR" << false << "";
    QTest::newRow("empty") << "" << false << "";
}

void TestStatementFiles::csvAmounts()
{
    QFETCH(QString, written);
    QFETCH(bool, decimalComma);
    QFETCH(QString, amount);
    CsvMapping mapping;
    mapping.date = 0;
    mapping.amount = 1;
    mapping.decimalComma = decimalComma;
    const QByteArray file = "Date;Amount\n01.12.2026;\"" + written.toUtf8() + "\"\n";
    const Result<Statement> read = CsvStatement::read(file, mapping);
    if (amount.isEmpty()) {
        QVERIFY(!read.ok());
        return;
    }
    QVERIFY2(read.ok(), qPrintable(read.error()));
    QCOMPARE(read->entries.size(), 1);
    const StatementEntry& entry = read->entries[0];
    QCOMPARE((entry.credit ? QString() : QStringLiteral("-")) + entry.amount.toPlainString(),
             amount);
}

void TestStatementFiles::mt940Entries_data()
{
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("booked");
    QTest::addColumn<bool>("credit");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("remittance");
    QTest::newRow("booked the year before its value date") << ":61:2701021231C5,00NTRFNONREF//R1"
                                                           << "2026-12-31" << true << "5"
                                                           << "R1"
                                                           << "";
    QTest::newRow("booked the year after its value date") << ":61:2612310102D5,NTRFNONREF//R2"
                                                          << "2027-01-02" << false << "5"
                                                          << "R2"
                                                          << "";
    QTest::newRow("reversed credit") << ":61:261130RC7,5NTRF//R3"
                                     << "2026-11-30" << false << "7.5"
                                     << "R3"
                                     << "";
    QTest::newRow("funds code") << ":61:261130CR9,99NTRFNONREF//R4\nsupplementary details"
                                << "2026-11-30" << true << "9.99"
                                << "R4"
                                << "";
    QTest::newRow("text cut mid-word")
        << ":61:261130C1,00NTRF//R5\n:86:166?00GUTSCHRIFT?20Invoice 0103 for consultanc?21y "
           "and 0104?30X?32A"
        << "2026-11-30" << true << "1"
        << "R5"
        << "Invoice 0103 for consultancy and 0104";
    QTest::newRow("sub-fields across lines")
        << ":61:261130C1,00NTRF//R6\n:86:166?20Invoice 0100?21and 0101\n?22thank you?32A"
        << "2026-11-30" << true << "1"
        << "R6"
        << "Invoice 0100 and 0101 thank you";
    QTest::newRow("plain text lines") << ":61:261130C1,00NTRF//R7\n:86:Invoice 0100\nand 0101"
                                      << "2026-11-30" << true << "1"
                                      << "R7"
                                      << "Invoice 0100 and 0101";
}

void TestStatementFiles::mt940Entries()
{
    QFETCH(QString, lines);
    QFETCH(QString, booked);
    QFETCH(bool, credit);
    QFETCH(QString, amount);
    QFETCH(QString, reference);
    QFETCH(QString, remittance);
    const Result<Statement> read =
        Mt940Reader::read(":20:S\n:25:ACCT\n:60F:C261129EUR0,00\n" + lines.toUtf8() + "\n-\n");
    QVERIFY2(read.ok(), qPrintable(read.error()));
    QCOMPARE(read->entries.size(), 1);
    const StatementEntry& entry = read->entries[0];
    QCOMPARE(entry.bookedOn.toString(Qt::ISODate), booked);
    QCOMPARE(entry.credit, credit);
    QCOMPARE(entry.amount.toPlainString(), amount);
    QCOMPARE(entry.currency, QStringLiteral("EUR"));
    QCOMPARE(entry.bankRef, reference);
    QCOMPARE(entry.remittance, remittance);
}

void TestStatementFiles::mappingFoundByItsHeader()
{
    QTemporaryDir dir;
    Preferences preferences(dir.filePath(QStringLiteral("preferences.json")));
    const QByteArray november = contents(QStringLiteral("bank-a.csv"));
    const CsvMapping mapping = mappingOf(QStringLiteral("bank-a.mapping.json"));
    QVERIFY(CsvStatement::remember(november, mapping, preferences).ok());
    QCOMPARE(CsvStatement::remembered(november, preferences), mapping);

    // Next month's file: another period, one more preamble line, the same columns.
    QByteArray december = november;
    december.replace("30.11.2026 - 04.12.2026", "01.12.2026 - 31.12.2026");
    december.prepend("\"Statement 12\"\r\n");
    const std::optional<CsvMapping> found = CsvStatement::remembered(december, preferences);
    QVERIFY(found);
    QCOMPARE(found->headerRow, mapping.headerRow + 1);
    const Result<Statement> read = CsvStatement::read(december, *found);
    QVERIFY2(read.ok(), qPrintable(read.error()));
    QCOMPARE(read->entries.size(), 9);

    // Another bank's columns are not taken for these.
    QByteArray other = november;
    other.replace("\"Purpose\"", "\"Reference text\"");
    QVERIFY(!CsvStatement::remembered(other, preferences));
    // A damaged remembered value is no mapping.
    QVERIFY(!CsvMapping::fromJson(QStringLiteral("{\"delimiter\":\";\"}")));
}

void TestStatementFiles::camtBatchWithoutOwnReferences()
{
    // Transactions of a batch the bank gives no reference of their own are told apart by their
    // place in it; the batch's total is never an entry.
    const QByteArray xml =
        R"(<Document xmlns="urn:iso:std:iso:20022:tech:xsd:camt.053.001.08"><BkToCstmrStmt>
        <Stmt><Acct><Id><Othr><Id>4711</Id></Othr></Id><Ccy>EUR</Ccy></Acct>
        <Ntry><Amt Ccy="EUR">30.00</Amt><CdtDbtInd>CRDT</CdtDbtInd><Sts><Cd>BOOK</Cd></Sts>
        <BookgDt><Dt>2026-12-02</Dt></BookgDt><AcctSvcrRef>REF-B</AcctSvcrRef><NtryDtls>
        <TxDtls><Refs><AcctSvcrRef>NOTPROVIDED</AcctSvcrRef></Refs><Amt Ccy="EUR">10.00</Amt>
        </TxDtls><TxDtls><Amt Ccy="EUR">20.00</Amt><CdtDbtInd>DBIT</CdtDbtInd></TxDtls>
        </NtryDtls></Ntry></Stmt></BkToCstmrStmt></Document>)";
    const Result<Statement> read = CamtReader::read(xml);
    QVERIFY2(read.ok(), qPrintable(read.error()));
    QCOMPARE(read->account, QStringLiteral("4711"));
    QCOMPARE(read->entries.size(), 2);
    QCOMPARE(read->entries[0].bankRef, QStringLiteral("REF-B/1"));
    QCOMPARE(read->entries[0].amount.toPlainString(), QStringLiteral("10"));
    QVERIFY(read->entries[0].credit);
    QCOMPARE(read->entries[1].bankRef, QStringLiteral("REF-B/2"));
    QCOMPARE(read->entries[1].amount.toPlainString(), QStringLiteral("20"));
    QVERIFY(!read->entries[1].credit);
}

QTEST_GUILESS_MAIN(TestStatementFiles)
#include "tst_statementfiles.moc"
