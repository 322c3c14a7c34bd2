#include "clients/ClientStore.h"
#include "invoices/Envelope.h"
#include "invoices/EnvelopeTrays.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QTest>

class TestEnvelope : public QObject {
    Q_OBJECT

private slots:
    // The name keeps its spaces, and company and first line their places, when empty; the
    // later parts are left out unless longer than one character.
    void addressLines_data()
    {
        QTest::addColumn<QStringList>("fields"); // salutation .. country
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("full") << QStringList{"Mr",          "John",   "Smith",   "Acme",
                                             "1 Mill Lane", "Unit 4", "Hunslet", "Leeds",
                                             "Kent",        "LS1",    "UK"}
                              << QStringList{"Mr John Smith", "Acme",    "1 Mill Lane",
                                             "Unit 4",        "Hunslet", "Leeds",
                                             "Kent",          "LS1",     "UK"};
        QTest::newRow("gaps") << QStringList{"",  "John", "Smith", "", "",  "",
                                             "x", ".",    "Kent",  "", "NZ"}
                              << QStringList{" John Smith", "", "", "Kent", "NZ"};
    }
    void addressLines()
    {
        QFETCH(QStringList, fields);
        QFETCH(QStringList, lines);
        Client c;
        QString* parts[] = {&c.salutation, &c.firstName, &c.lastName, &c.company,
                            &c.address1,   &c.address2,  &c.address3, &c.town,
                            &c.county,     &c.postCode,  &c.country};
        for (int i = 0; i < fields.size(); ++i)
            *parts[i] = fields[i];
        QCOMPARE(Envelope::addressLines(c), lines);
    }

    // The test PPD's third slot is its default. A maker's own name for a tray wins over
    // " (default)", matched on the printer's name whatever its case or underscores, and is
    // the tray used when none is chosen. A PPD that cannot be read is the print system's error
    // with its number and words; one without InputSlot has no trays.
    void traysOfAPpd_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QByteArray>("ppd"); // "three": the test PPD; "": no file
        QTest::addColumn<QString>("trays");  // label=choice, ...
        QTest::addColumn<QString>("noneChosen");
        QTest::addColumn<int>("error"); // 0: read; -1: any error but "no file" (1)
        const QString three = QStringLiteral("0=Upper,1=Cassette,2 (default)=Manual");
        const QString canon = QStringLiteral("0=Upper,1 Cassette=Cassette,2 (default)=Manual");
        QTest::newRow("any printer") << "Office" << QByteArray("three") << three << "" << 0;
        QTest::newRow("maker's printer")
            << "Canon_MP800R_Series_Printer" << QByteArray("three") << canon << "Cassette" << 0;
        QTest::newRow("its name in capitals")
            << "CANON MP800R SERIES PRINTER" << QByteArray("three") << canon << "Cassette" << 0;
        QTest::newRow("no file") << "Office" << QByteArray() << ""
                                 << "" << 1;
        QTest::newRow("not a PPD") << "Office" << QByteArray("%!PS-Adobe-3.0\n") << ""
                                   << "" << -1;
        QTest::newRow("no trays") << "Office" << readAll(ENVELOPE_PPD).replace("InputSlot", "Bin")
                                  << ""
                                  << "" << 0;
    }
    void traysOfAPpd()
    {
        QFETCH(QString, printer);
        QFETCH(QByteArray, ppd);
        QFETCH(QString, trays);
        QFETCH(QString, noneChosen);
        QFETCH(int, error);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("printer.ppd"));
        if (ppd == "three")
            path = QStringLiteral(ENVELOPE_PPD);
        else if (!ppd.isEmpty())
            writeAll(path, ppd);
        const EnvelopeTrays::Reading reading = EnvelopeTrays::fromPpd(printer, path);
        QStringList listed;
        for (const EnvelopeTrays::Tray& t : reading.trays)
            listed << t.label + u'=' + t.choice;
        QCOMPARE(listed.join(u','), trays);
        QCOMPARE(EnvelopeTrays::trayWhenNoneChosen(printer).value_or(QString()), noneChosen);
        const int code = reading.error ? reading.error->code : 0;
        QVERIFY2(error == -1 ? code > 1 : code == error, qPrintable(QString::number(code)));
        QVERIFY(!reading.error || !reading.error->description.isEmpty());
    }

    // Without a print server a printer's trays cannot be read: an error, not a hang or a crash.
    void noPrintServer()
    {
        qputenv("CUPS_SERVER", QFile::encodeName(QDir::tempPath() + "/no-cupsd-here.sock"));
        const EnvelopeTrays::Reading reading = EnvelopeTrays::forPrinter(QStringLiteral("Office"));
        qunsetenv("CUPS_SERVER");
        QVERIFY(reading.trays.isEmpty());
        QVERIFY(reading.error && reading.error->code != 0 && !reading.error->description.isEmpty());
    }
};

QTEST_MAIN(TestEnvelope)
#include "tst_envelope.moc"
