#include "JetSamples.h"
#include "core/DaySerial.h"
#include "core/Money.h"
#include "legacy/JetFile.h"
#include "support/CaseFile.h"
#include "support/TestEnv.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <cstring>
#include <sys/stat.h>

namespace {

struct ReadTable {
    QList<JetColumn> columns;
    QList<QVariantList> rows;
    qint64 recorded = 0;

    qsizetype column(const char* name) const
    {
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (columns[i].name == QLatin1String(name))
                return i;
        }
        qFatal("no column %s", name);
    }
};

Result<ReadTable> readTable(JetSource& source, const QString& name)
{
    Result<std::unique_ptr<JetTable>> table = source.table(name);
    if (!table)
        return Failure{table.error()};
    ReadTable read{(*table)->columns(), {}, (*table)->recordedRows()};
    QVariantList row;
    for (;;) {
        const Result<bool> more = (*table)->next(row);
        if (!more)
            return Failure{more.error()};
        if (!*more)
            return read;
        read.rows << row;
    }
}

// mdb-export's records of a table, its header first: the reference reading of the samples.
QList<QStringList> exported(const QString& file, const QString& table)
{
    QProcess p;
    p.start("mdb-export", {"-T", "%Y-%m-%d %H:%M:%S", file, table});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        qFatal("mdb-export failed on %s", qPrintable(table));
    const QString csv = QString::fromUtf8(p.readAllStandardOutput());
    QList<QStringList> records(1);
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const QChar c = csv.at(i);
        if (quoted && c == u'"' && i + 1 < csv.size() && csv.at(i + 1) == u'"') {
            field += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u',') {
            records.last() << std::exchange(field, {});
        } else if (!quoted && c == u'\n') {
            records.last() << std::exchange(field, {});
            records.append(QStringList());
        } else {
            field += c;
        }
    }
    if (records.last().isEmpty())
        records.removeLast();
    return records;
}

// Every row of every table of a file, or the first failure.
Result<std::unique_ptr<JetSource>> openJet(const QString& path, const JetReaderLimits& limits = {},
                                           QByteArray* output = nullptr)
{
    return JetFile::open(path, kReader, {}, limits, output);
}

Result<QMap<QString, QList<QVariantList>>> readEverything(const QString& path)
{
    Result<std::unique_ptr<JetSource>> source = openJet(path);
    if (!source)
        return Failure{source.error()};
    QMap<QString, QList<QVariantList>> tables;
    for (const QString& name : (*source)->tables()) {
        const Result<ReadTable> table = readTable(**source, name);
        if (!table)
            return Failure{table.error()};
        tables.insert(name, table->rows);
    }
    return tables;
}

// Points every row of a long value's chain (Jet 3 LVAL pages) that leads on to another such
// row back at itself, so that each memo or OLE object over several pages goes round in a
// circle; gives the number of rows changed. Only pages from `first` to before `end`: in
// nwind.mdb the tables' pictures lie before page 400, the catalog's long values after it.
int loopLongValueChains(QByteArray& bytes, qsizetype first, qsizetype end)
{
    constexpr qsizetype kPage = 2048;
    const auto u16 = [&](qsizetype at) {
        return int(uchar(bytes[at]) | uchar(bytes[at + 1]) << 8);
    };
    const auto isLongValuePage = [&](qsizetype page) {
        return page > 0 && page < bytes.size() / kPage && bytes[page * kPage] == 1 &&
               bytes.mid(page * kPage + 4, 4) == "LVAL";
    };
    int changed = 0;
    for (qsizetype page = first; page < std::min(end, bytes.size() / kPage); ++page) {
        if (!isLongValuePage(page))
            continue;
        for (int row = 0; row < u16(page * kPage + 8); ++row) {
            const int offset = u16(page * kPage + 10 + 2 * row);
            if (offset & 0xc000) // deleted, or a pointer to another row
                continue;
            const qsizetype at = page * kPage + (offset & 0x1fff);
            quint32 next = 0;
            std::memcpy(&next, bytes.constData() + at, 4);
            if (next == 0 || !isLongValuePage(next >> 8) ||
                int(next & 0xff) >= u16(qsizetype(next >> 8) * kPage + 8))
                continue;
            const quint32 self = quint32(page) << 8 | quint32(row);
            std::memcpy(bytes.data() + at, &self, 4);
            ++changed;
        }
    }
    return changed;
}

QByteArray bytesOf(double serial)
{
    QByteArray bytes(sizeof serial, Qt::Uninitialized);
    std::memcpy(bytes.data(), &serial, sizeof serial); // little-endian, as Jet stores it
    return bytes;
}

} // namespace

class TestJetReader : public QObject {
    Q_OBJECT

private slots:
    // Every table of nwind.mdb (Jet 3) as mdb-export reads it: the same rows, the table's own
    // count; Currency exact, Yes/No as -1/0, dates as the same instants, code page text.
    void nwindReadsAsMdbExportReadsIt()
    {
        NEED_SAMPLES();
        const QString file = sample("nwind.mdb");
        Result<std::unique_ptr<JetSource>> source = openJet(file);
        QVERIFY2(source, qPrintable(source.error()));
        QCOMPARE((*source)->tables().size(), 9);
        for (const QString& name : (*source)->tables()) {
            const Result<ReadTable> table = readTable(**source, name);
            QVERIFY2(table, qPrintable(table.error()));
            const QList<QStringList> reference = exported(file, name);
            QCOMPARE(table->rows.size(), reference.size() - 1);
            QCOMPARE(table->recorded, table->rows.size());
            QStringList names;
            for (const JetColumn& c : table->columns)
                names << c.name;
            QCOMPARE(names, reference.first());
        }

        const Result<ReadTable> orders = readTable(**source, "Orders");
        const QList<QStringList> reference = exported(file, "Orders");
        const qsizetype id = orders->column("OrderID"), freight = orders->column("Freight"),
                        date = orders->column("OrderDate"), address = orders->column("ShipAddress");
        QCOMPARE(orders->columns[freight].kind, JetKind::Currency);
        QCOMPARE(orders->columns[date].kind, JetKind::DateTime);
        for (qsizetype r = 0; r < orders->rows.size(); ++r) {
            const QVariantList& row = orders->rows[r];
            const QStringList& expected = reference[r + 1];
            QCOMPARE(row[freight].toLongLong(), Money::parse(expected[freight])->units());
            QCOMPARE(DaySerial::toDateTime(row[date].toDouble()).toString("yyyy-MM-dd HH:mm:ss"),
                     expected[date]);
            QCOMPARE(row[address].toString(), expected[address]);
            if (row[id].toLongLong() == 10330) {
                QCOMPARE(row[freight].toLongLong(), 127500);
                QCOMPARE(row[date].toDouble(), DaySerial::fromDate(QDate(1994, 11, 16)));
                QCOMPARE(row[address].toString(), "Carrera 52 con Ave. Bolívar #65-98 Llano Largo");
            }
        }

        const Result<ReadTable> products = readTable(**source, "Products");
        const QList<QStringList> productsReference = exported(file, "Products");
        const qsizetype discontinued = products->column("Discontinued");
        QCOMPARE(products->columns[discontinued].kind, JetKind::YesNo);
        QSet<qint64> seen;
        for (qsizetype r = 0; r < products->rows.size(); ++r) {
            const qint64 flag = products->rows[r][discontinued].toLongLong();
            QCOMPARE(flag, productsReference[r + 1][discontinued] == u"1" ? -1 : 0);
            seen << flag;
        }
        QCOMPARE(seen, QSet<qint64>({-1, 0}));

        // Jet names are not case-sensitive; this one is not ASCII either.
        const Result<ReadTable> sales = readTable(**source, "UMSäTZE");
        QVERIFY2(sales, qPrintable(sales.error()));
        QCOMPARE(sales->rows.size(), exported(file, "Umsätze").size() - 1);
    }

    // DateTestDatabase.mdb (Jet 4): every date is the very double the file holds, the
    // year-9999 and pre-1900 ones included; Memo and Text as written, Null as Null.
    void dateTestReadsTheStoredSerials()
    {
        NEED_SAMPLES();
        const QString file = sample("DateTestDatabase.mdb");
        Result<std::unique_ptr<JetSource>> source = openJet(file);
        QVERIFY2(source, qPrintable(source.error()));
        const Result<ReadTable> table = readTable(**source, "DateTest");
        QVERIFY2(table, qPrintable(table.error()));
        QCOMPARE(table->rows.size(), 6);
        const QByteArray bytes = readAll(file);
        for (const QVariantList& row : table->rows) {
            for (const char* name : {"DateTimeCol", "DateCol", "TimeCol"}) {
                const QVariant serial = row[table->column(name)];
                if (serial.isNull())
                    continue;
                QVERIFY(bytes.contains(bytesOf(serial.toDouble())));
            }
        }
        const auto byId = [&](qint64 id) {
            for (const QVariantList& row : table->rows) {
                if (row[table->column("IDCol")].toLongLong() == id)
                    return row;
            }
            qFatal("no row %lld", id);
        };
        QCOMPARE(byId(1)[table->column("DateCol")].toDouble(),
                 DaySerial::fromDate(QDate(2021, 12, 2)));
        QCOMPARE(DaySerial::toDate(byId(2)[table->column("DateCol")].toDouble()).year(), 9999);
        QVERIFY(byId(3)[table->column("DateCol")].toDouble() < 0);
        QVERIFY(DaySerial::toDate(byId(4)[table->column("DateCol")].toDouble()).year() < 1000);
        QCOMPARE(byId(5)[table->column("ShortTextCol")].toString(),
                 "Escaped new line \\r\\n in field");
        QCOMPARE(byId(6)[table->column("LongTextCol")].toString(), "New line\r\nin field");
        QCOMPARE(table->columns[table->column("LongTextCol")].kind, JetKind::Memo);
    }

    // Damaged and foreign files: a message naming the file or the table and row, never a
    // crash, never a change to the file; a file cut off at a page boundary either fails or
    // lost only pages that held no row.
    void badFiles_data()
    {
        CaseFile::addRows("legacy/bad-files.txt",
                          {"sampleName", "cutAt", "patchFrom", "patchTo", "error"});
    }
    void badFiles()
    {
        NEED_SAMPLES();
        const auto [sampleName, cutAt, error, patchFrom, patchTo] =
            CaseFile::fetchEach({"sampleName", "cutAt", "error", "patchFrom", "patchTo"});
        QByteArray bytes = readAll(sample(qPrintable(sampleName)));
        if (!cutAt.isEmpty())
            bytes.truncate(cutAt.toLongLong());
        if (!patchFrom.isEmpty()) {
            const qsizetype at = bytes.indexOf(patchFrom.toLatin1());
            QVERIFY(at >= 0);
            bytes.replace(at, patchTo.size(), patchTo.toLatin1());
        }
        const QByteArray tag = QTest::currentDataTag();
        if (tag == "memo chains that loop")
            QVERIFY(loopLongValueChains(bytes, 1, 400) > 0);
        QTemporaryDir dir;
        const QString copy = dir.filePath("Accounts.mdb");
        if (tag == "named pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(copy).constData(), 0600), 0);
        else
            writeAll(copy, bytes);

        const Result<QMap<QString, QList<QVariantList>>> read = readEverything(copy);
        if (tag != "named pipe") // reading one would wait for a writer
            QCOMPARE(readAll(copy), bytes);
        if (!error.isEmpty())
            QVERIFY2(!read && read.error().contains(error), qPrintable(read.error()));
        else if (read) // only pages that held no row were cut off
            QVERIFY(*read == *readEverything(sample(qPrintable(sampleName))));
    }

    // A reader that does not finish is stopped at its limits, of processor time or of waiting,
    // and what it prints never reaches this process's output: the file is named as damaged.
    // libmdb itself goes round for ever on a catalog whose long values loop.
    void readerLimits_data()
    {
        CaseFile::addRows("legacy/reader-limits.txt", {"script", "wait", "error"});
    }
    void readerLimits()
    {
        NEED_SAMPLES();
        const auto [script, wait, error] = CaseFile::fetchEach({"script", "wait", "error"});
        QTemporaryDir dir;
        QString reader = dir.filePath("reader");
        writeAll(reader, "#!/bin/sh\n" + script.toUtf8() + "\n");
        QFile::setPermissions(reader, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QByteArray bytes = readAll(sample("nwind.mdb"));
        if (script.isEmpty()) {
            reader = kReader;
            QVERIFY(loopLongValueChains(bytes, 400, bytes.size()) > 0);
        }
        const QString file = dir.filePath("Accounts.mdb");
        writeAll(file, bytes);
        QByteArray output;
        const Result<std::unique_ptr<JetSource>> source =
            JetFile::open(file, reader, {}, {1, 256 << 20, wait.toInt()}, &output);
        QVERIFY2(!source && source.error().contains(error), qPrintable(source.error()));
        if (QByteArray(QTest::currentDataTag()) == "prints and fails")
            QCOMPARE(output, QByteArray("warning\n"));
    }
};

QTEST_MAIN(TestJetReader)
#include "tst_jetreader.moc"
