#include "core/BusinessIds.h"
#include "core/CountryNames.h"
#include "support/CaseFile.h"

#include <QFile>
#include <QTest>
#include <QtEndian>

class TestBusinessIds : public QObject {
    Q_OBJECT

private slots:
    // Each check on the forms people type and on each fault it names ("ok": none), and the
    // forms stored.
    void checks_data()
    {
        CaseFile::addRows("einvoice/ids.txt", {"kind", "text", "country", "verdict"});
    }
    void checks()
    {
        const auto [kind, text, country, verdict] =
            CaseFile::fetchEach({"kind", "text", "country", "verdict"});
        using namespace BusinessIds;
        const QString said = kind == u"iban"          ? ibanFault(text)
                             : kind == u"bic"         ? bicFault(text)
                             : kind == u"vat"         ? vatIdFault(text, country)
                             : kind == u"country"     ? countryCodeFault(text)
                             : kind == u"email"       ? emailFault(text)
                             : kind == u"compact"     ? compact(text)
                             : kind == u"compact vat" ? compactVatId(text)
                                                      : QStringLiteral("unknown kind ") + kind;
        QCOMPARE(said.isEmpty() ? QStringLiteral("ok") : said, verdict);
    }

    // Country names in German and French come from the system's iso-codes catalogues; a
    // damaged catalogue gives no names rather than wrong ones.
    void countryNames_data()
    {
        QFile file(QStringLiteral("/usr/share/locale/de/LC_MESSAGES/iso_3166-1.mo"));
        QVERIFY2(file.open(QIODevice::ReadOnly), "iso-codes is not installed");
        const QByteArray whole = file.readAll();
        QByteArray countBeyond = whole;
        qToLittleEndian<quint32>(0x7fffffff, countBeyond.data() + 8);
        QByteArray offsetBeyond = whole;
        qToLittleEndian<quint32>(quint32(whole.size()), offsetBeyond.data() + 16);

        QTest::addColumn<QByteArray>("mo");
        QTest::addColumn<QString>("germany");
        QTest::newRow("whole") << whole << "Deutschland";
        QTest::newRow("cut short") << whole.left(whole.size() / 2) << "";
        QTest::newRow("not a catalogue") << QByteArray("<html>Germany</html>") << "";
        QTest::newRow("count beyond the file") << countBeyond << "";
        QTest::newRow("table beyond the file") << offsetBeyond << "";
    }
    void countryNames()
    {
        QFETCH(QByteArray, mo);
        QFETCH(QString, germany);
        QCOMPARE(CountryNames::readCatalogue(mo).value(QStringLiteral("Germany")), germany);
    }

    void countryNamesByCode()
    {
        const QHash<QString, QString> german = CountryNames::in(QStringLiteral("de"));
        QCOMPARE(german.value(QStringLiteral("DE")), QStringLiteral("Deutschland"));
        QCOMPARE(german.value(QStringLiteral("CH")), QStringLiteral("Schweiz"));
        QCOMPARE(CountryNames::in(QStringLiteral("fr")).value(QStringLiteral("DE")),
                 QStringLiteral("Allemagne"));
        QVERIFY(CountryNames::in(QStringLiteral("xx")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBusinessIds)
#include "tst_businessids.moc"
