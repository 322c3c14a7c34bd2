#include "core/BusinessIds.h"
#include "support/CaseFile.h"

#include <QTest>

class TestBusinessIds : public QObject {
    Q_OBJECT

private slots:
    // Each check on the forms people type and on each fault it names; "ok" for no fault.
    void checks_data()
    {
        CaseFile::addRows("einvoice/ids.txt", {"kind", "text", "country", "verdict"});
    }
    void checks()
    {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, country);
        QFETCH(QString, verdict);
        QString fault;
        if (kind == u"iban")
            fault = BusinessIds::ibanFault(text);
        else if (kind == u"bic")
            fault = BusinessIds::bicFault(text);
        else if (kind == u"vat")
            fault = BusinessIds::vatIdFault(text, country);
        else if (kind == u"country")
            fault = BusinessIds::countryCodeFault(text);
        else if (kind == u"email")
            fault = BusinessIds::emailFault(text);
        else
            QFAIL(qPrintable(QStringLiteral("unknown kind ") + kind));
        QCOMPARE(fault.isEmpty() ? QStringLiteral("ok") : fault, verdict);
    }

    // The forms stored: what the checks accepted, without the blanks and signs people type.
    void compactForms()
    {
        QCOMPARE(BusinessIds::compact(QStringLiteral(" gb33 bukb\t2020 1555 5555 55 ")),
                 QStringLiteral("GB33BUKB20201555555555"));
        QCOMPARE(BusinessIds::compactVatId(QStringLiteral("CHE-123.456.789 MWST")),
                 QStringLiteral("CHE123456789MWST"));
    }
};

QTEST_GUILESS_MAIN(TestBusinessIds)
#include "tst_businessids.moc"
