#include "clients/ClientStore.h"
#include "invoices/Envelope.h"
#include "invoices/EnvelopeTrays.h"
#include "support/CaseFile.h"
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

    void traysOfAPpd_data()
    {
        CaseFile::addRows(QStringLiteral("invoices/envelope-trays.txt"),
                          {"printer", "ppd", "trays", "noneChosen", "error"});
    }
    void traysOfAPpd()
    {
        QFETCH(QString, printer);
        QFETCH(QString, ppd);
        const EnvelopeTrays::Reading reading =
            EnvelopeTrays::fromPpd(printer, QStringLiteral(BILLCRAFT_TEST_DATA "/ppd/") + ppd);
        QStringList listed;
        for (const EnvelopeTrays::Tray& t : reading.trays)
            listed << t.label + u'=' + t.choice;
        QTEST(listed.join(u','), "trays");
        QTEST(EnvelopeTrays::trayWhenNoneChosen(printer).value_or(QString()), "noneChosen");
        QTEST(QString::fromLatin1(reading.error ? "yes" : "no"), "error");
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
