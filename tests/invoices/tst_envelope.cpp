#include "clients/ClientStore.h"
#include "invoices/Envelope.h"
#include "invoices/EnvelopeTrays.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using EnvelopeTrays::Tray;

namespace {

const QString kThreeTrays = QStringLiteral(ENVELOPE_PPD);

Client client(const QStringList& fields)
{
    Client c;
    QString* parts[] = {&c.salutation, &c.firstName, &c.lastName, &c.company,
                        &c.address1,   &c.address2,  &c.address3, &c.town,
                        &c.county,     &c.postCode,  &c.country};
    for (int i = 0; i < fields.size(); ++i)
        *parts[i] = fields[i];
    return c;
}

QStringList labels(const QList<Tray>& trays)
{
    QStringList out;
    for (const Tray& t : trays)
        out << t.label;
    return out;
}

QStringList choices(const QList<Tray>& trays)
{
    QStringList out;
    for (const Tray& t : trays)
        out << t.choice;
    return out;
}

} // namespace

class TestEnvelope : public QObject {
    Q_OBJECT

private slots:
    void addressLines_data()
    {
        QTest::addColumn<QStringList>("fields"); // salutation .. country
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("full address")
            << QStringList{"Mr",     "John",    "Smith", "Smith & Sons Ltd", "1 Mill Lane",
                           "Unit 4", "Hunslet", "Leeds", "West Yorkshire",   "LS1 1AA",
                           "UK"}
            << QStringList{"Mr John Smith", "Smith & Sons Ltd", "1 Mill Lane", "Unit 4", "Hunslet",
                           "Leeds",         "West Yorkshire",   "LS1 1AA",     "UK"};
        // The name keeps its spaces, and company and first line their places, when empty;
        // the later parts are left out unless longer than one character.
        QTest::newRow("gaps") << QStringList{"",  "John", "Smith", "", "",  "",
                                             "x", ".",    "Kent",  "", "NZ"}
                              << QStringList{" John Smith", "", "", "Kent", "NZ"};
        QTest::newRow("nothing") << QStringList{} << QStringList{"  ", "", ""};
    }
    void addressLines()
    {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, lines);
        QCOMPARE(Envelope::addressLines(client(fields)), lines);
    }

    // Blank lines keep their slot, so the block below them does not move up.
    void blankLinesKeepTheirPlace()
    {
        const Envelope::Layout layout =
            Envelope::layOut({QStringLiteral("Mr A B"), QString(), QStringLiteral("Leeds")});
        QCOMPARE(layout.pageSize, QSize(12472, 6236));
        QCOMPARE(layout.lines.size(), 3);
        QVERIFY(layout.lineHeight > 0);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(layout.lines[i].origin.x(), layout.lines[0].origin.x());
            QCOMPARE(layout.lines[i].origin.y(), (Envelope::kBlankLines + i) * layout.lineHeight);
        }
    }

    // The third slot is the PPD's default; a maker's own name for a tray wins over
    // " (default)" and is matched on the printer's name, whatever its case or underscores.
    void traysOfAPpd_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QString>("noneChosen"); // the tray used when none is chosen
        QTest::newRow("any printer")
            << "Office_Laser" << QStringList{"0", "1", "2 (default)"} << QString();
        QTest::newRow("the maker's printer")
            << "Canon_MP800R_Series_Printer" << QStringList{"0", "1 Cassette", "2 (default)"}
            << "Cassette";
        QTest::newRow("its name in another case")
            << "canon mp800r series printer" << QStringList{"0", "1 Cassette", "2 (default)"}
            << "Cassette";
        QTest::newRow("a longer name is another printer")
            << "Canon_MP800R_Series_Printer_2" << QStringList{"0", "1", "2 (default)"} << QString();
    }
    void traysOfAPpd()
    {
        QFETCH(QString, printer);
        QFETCH(QStringList, labels);
        QFETCH(QString, noneChosen);
        const EnvelopeTrays::Reading reading = EnvelopeTrays::fromPpd(printer, kThreeTrays);
        QVERIFY(!reading.error);
        QCOMPARE(::labels(reading.trays), labels);
        QCOMPARE(choices(reading.trays), (QStringList{"Upper", "Cassette", "Manual"}));
        QCOMPARE(EnvelopeTrays::trayWhenNoneChosen(printer).value_or(QString()), noneChosen);
    }

    // A PPD that cannot be read is the print system's error, with its number and words; one
    // without an InputSlot option has no trays to choose.
    void unreadableOrTraylessPpd_data()
    {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<int>("error");          // 0: read; -1: any error but a missing file
        QTest::newRow("missing") << QByteArray() << 1;
        QTest::newRow("not a PPD") << QByteArray("%!PS-Adobe-3.0\nshowpage\n") << -1;
        QByteArray trayless = readAll(kThreeTrays);
        trayless.replace("InputSlot", "OutputBin");
        QTest::newRow("no trays") << trayless << 0;
    }
    void unreadableOrTraylessPpd()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("printer.ppd"));
        if (!content.isEmpty())
            writeAll(path, content);
        const EnvelopeTrays::Reading reading = EnvelopeTrays::fromPpd(QStringLiteral("P"), path);
        QVERIFY(reading.trays.isEmpty());
        const int code = reading.error ? reading.error->code : 0;
        QVERIFY2(error == -1 ? (code != 0 && code != 1) : code == error,
                 qPrintable(QString::number(code)));
        if (reading.error)
            QVERIFY(!reading.error->description.isEmpty());
    }

    // Without a print server the printer's trays cannot be read: an error, not a hang or a
    // crash, and no trays.
    void noPrintServer()
    {
        qputenv("CUPS_SERVER", QFile::encodeName(QDir::tempPath() + "/no-cupsd-here.sock"));
        const EnvelopeTrays::Reading reading = EnvelopeTrays::forPrinter(QStringLiteral("Office"));
        qunsetenv("CUPS_SERVER");
        QVERIFY(reading.trays.isEmpty());
        QVERIFY(reading.error && reading.error->code != 0);
        QVERIFY(!reading.error->description.isEmpty());
    }
};

QTEST_MAIN(TestEnvelope)
#include "tst_envelope.moc"
