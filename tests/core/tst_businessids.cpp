#include "core/BusinessIds.h"
#include "support/CaseFile.h"

#include <QTest>

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
};

QTEST_GUILESS_MAIN(TestBusinessIds)
#include "tst_businessids.moc"
