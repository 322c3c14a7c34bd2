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
    // later parts follow in order, left out unless longer than one character.
    void addressLines()
    {
        Client c;
        c.firstName = QStringLiteral("John");
        c.lastName = QStringLiteral("Smith");
        c.address2 = QStringLiteral("Unit 4");
        c.address3 = QStringLiteral("x");
        c.town = QStringLiteral(".");
        c.county = QStringLiteral("Kent");
        c.postCode = QStringLiteral("LS1");
        c.country = QStringLiteral("UK");
        QCOMPARE(Envelope::addressLines(c),
                 (QStringList{" John Smith", "", "", "Unit 4", "Kent", "LS1", "UK"}));
    }

    // The test PPD's third slot is its default. A maker's own name for a tray wins over
    // " (default)", matched on the printer's name whatever its case, underscores or instance,
    // and is the tray used when none is chosen. A file that is no PPD is the print system's
    // error with its number and words.
    void traysOfAPpd_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::addColumn<QByteArray>("ppd"); // empty: the test PPD
        QTest::addColumn<QString>("trays");  // label=choice, ...
        QTest::addColumn<QString>("noneChosen");
        QTest::addColumn<bool>("error");
        QTest::newRow("any printer")
            << "Office" << QByteArray() << "0=Upper,1=Cassette,2 (default)=Manual"
            << "" << false;
        QTest::newRow("maker's printer") << "canon_MP800R_SERIES_printer/envelopes" << QByteArray()
                                         << "0=Upper,1 Cassette=Cassette,2 (default)=Manual"
                                         << "Cassette" << false;
        QTest::newRow("not a PPD") << "Office" << QByteArray("%!PS-Adobe-3.0\n") << ""
                                   << "" << true;
    }
    void traysOfAPpd()
    {
        QFETCH(QString, printer);
        QFETCH(QByteArray, ppd);
        QFETCH(QString, trays);
        QFETCH(QString, noneChosen);
        QFETCH(bool, error);
        QTemporaryDir dir;
        QString path = QStringLiteral(ENVELOPE_PPD);
        if (!ppd.isEmpty()) {
            path = dir.filePath(QStringLiteral("printer.ppd"));
            writeAll(path, ppd);
        }
        const EnvelopeTrays::Reading reading = EnvelopeTrays::fromPpd(printer, path);
        QStringList listed;
        for (const EnvelopeTrays::Tray& t : reading.trays)
            listed << t.label + u'=' + t.choice;
        QCOMPARE(listed.join(u','), trays);
        QCOMPARE(EnvelopeTrays::trayWhenNoneChosen(printer).value_or(QString()), noneChosen);
        QCOMPARE(reading.error.has_value(), error);
        QVERIFY(!reading.error ||
                (reading.error->code != 0 && !reading.error->description.isEmpty()));
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
