#include "EInvoiceCheck.h"
#include "einvoice/EInvoiceAmounts.h"
#include "einvoice/EInvoiceFile.h"
#include "einvoice/EInvoiceRules.h"
#include "einvoice/XmlWrite.h"
#include "support/EInvoiceShapes.h"

#include <QLocale>
#include <QTest>
#include <QXmlStreamReader>

using EInvoice::Format;
using EInvoice::Invoice;

using namespace EInvoiceShapes;

class TestEInvoiceWrite : public QObject {
    Q_OBJECT

    const QList<QStringList> m_shapes = all();
    QList<EInvoiceCheck::Verdict> m_verdicts; // of every shape in every format

private slots:
    // A locale with ',' as its decimal point, which no e-invoice amount may show.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    // Each shape, as the amount rules turn it into a model, passes the official rules in all
    // three formats. Every file of the table is checked in one batch on the first row.
    void shapes_data()
    {
        QTest::addColumn<qsizetype>("row");
        for (qsizetype i = 0; i < m_shapes.size(); ++i)
            QTest::newRow(qPrintable(m_shapes[i][0])) << i;
    }
    void shapes()
    {
        QFETCH(qsizetype, row);
        const Invoice invoice = complete(shapeOf(m_shapes[row]));
        QCOMPARE(EInvoice::categoryCode(invoice.vat.value(0).category), m_shapes[row][11]);
        QCOMPARE(invoice.taxTotal, money(m_shapes[row][12]));
        for (const Format format : kFormats)
            QVERIFY2(!written(invoice, format).isEmpty(),
                     qPrintable(EInvoiceRules::status(invoice, format).error()));

        EINVOICE_REQUIRE_RULES();
        if (m_verdicts.isEmpty()) {
            QList<QByteArray> xmls;
            for (const QStringList& shape : m_shapes) {
                for (const Format format : kFormats)
                    xmls.append(written(complete(shapeOf(shape)), format));
            }
            m_verdicts = EInvoiceCheck::validateXmls(xmls);
        }
        for (qsizetype i = 0; i < kFormats.size(); ++i) {
            const EInvoiceCheck::Verdict& v = m_verdicts[row * kFormats.size() + i];
            QVERIFY2(v.ran && v.fatal == 0, qPrintable(kFormatNames[i] + ": " + v.output));
        }
    }

    // Each missing term is refused with its message, and nothing is written.
    void refusals_data()
    {
        CaseFile::addRows("einvoice/refusals.txt", {"format", "change", "message"});
    }
    void refusals()
    {
        const auto [format, change, message] = CaseFile::fetchEach({"format", "change", "message"});
        Shape shape;
        if (change == u"reverse charge buyer VAT")
            shape.vat = "0", shape.sellerCountry = "IE", shape.buyerCountry = "FR",
            shape.buyerVatId = "FR12345678901";
        Invoice in = complete(shape);
        const Money unit = Money::fromUnits(Money::kScale);
        const QHash<QString, std::function<void()>> changes{
            {"seller name", [&] { in.seller.name = "  "; }},
            {"seller ids", [&] { in.seller.vatId.clear(), in.seller.taxNumber.clear(); }},
            {"seller country", [&] { in.seller.address.countryCode.clear(); }},
            {"seller VAT prefix", [&] { in.seller.vatId = "123456789"; }},
            {"buyer name", [&] { in.buyer.name.clear(); }},
            {"buyer country", [&] { in.buyer.address.countryCode.clear(); }},
            {"reverse charge buyer VAT", [&] { in.buyer.vatId.clear(); }},
            {"iban", [&] { in.payment.iban.clear(); }},
            {"seller email",
             [&] { in.seller.electronicAddress.clear(), in.seller.contact.email.clear(); }},
            {"buyer address", [&] { in.buyer.electronicAddress.clear(); }},
            {"buyer reference", [&] { in.buyerReference.clear(); }},
            {"contact name", [&] { in.seller.contact.name.clear(); }},
            {"phone", [&] { in.seller.contact.phone.clear(); }},
            {"seller town", [&] { in.seller.address.city.clear(); }},
            {"seller post code", [&] { in.seller.address.postCode.clear(); }},
            {"buyer town", [&] { in.buyer.address.city.clear(); }},
            {"buyer post code", [&] { in.buyer.address.postCode.clear(); }},
            {"content", [&] { in.lines[0].name.clear(); }},
            {"line total", [&] { in.lineTotal = *in.lineTotal.plus(unit); }},
            {"vat amount",
             [&] {
                 in.taxTotal = in.vat[0].taxAmount = *in.vat[0].taxAmount.plus(unit);
                 in.amountDue = in.grandTotal = *in.taxBasis.plus(in.taxTotal);
             }},
            {"grand total", [&] { in.grandTotal = *in.grandTotal.plus(unit); }},
            {"amount due", [&] { in.paidAmount = unit; }},
            {"half cent", [&] { in.lines[0].netAmount = money("100.005"); }},
        };
        QVERIFY2(changes.contains(change) && kFormatNames.contains(format), qPrintable(change));
        changes[change]();

        const Format f = kFormats[kFormatNames.indexOf(format)];
        const QList<EInvoiceRules::Missing> missing = EInvoiceRules::check(in, f);
        QCOMPARE(missing.value(0).message, message);
        // One missing term, one message; a fault in the amounts may break several rules.
        if (!message.isEmpty() && !message.startsWith(u"The invoice's amounts"))
            QCOMPARE(missing.size(), 1);
        QCOMPARE(EInvoiceRules::status(in, f).error(), message);
        QCOMPARE(written(in, f).isEmpty(), !message.isEmpty());
    }

    // Text the user typed reaches the XML escaped, and characters XML 1.0 cannot carry are left
    // out rather than making a file no reader accepts.
    void xmlSpecialCharacters()
    {
        Shape shape;
        shape.content = "Tom & Jerry <b>]]> bell\a tab\tend\x1f";
        shape.buyerName = "A < B & \"C\"";
        const Invoice invoice = complete(shape);
        for (const Format format : kFormats) {
            const QByteArray xml = written(invoice, format);
            QVERIFY(xml.contains("]]&gt;"));
            QVERIFY(!xml.contains('\a') && !xml.contains('\x1f'));
            QXmlStreamReader reader(xml);
            QStringList texts;
            while (!reader.atEnd()) {
                if (reader.readNext() == QXmlStreamReader::Characters)
                    texts.append(reader.text().toString());
            }
            QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
            QVERIFY(texts.contains("Tom & Jerry <b>]]> bell tab\tend"));
            QVERIFY(texts.contains("A < B & \"C\""));
        }
    }

    void numbers_data() { CaseFile::addRows("einvoice/numbers.txt", {"value", "amount", "price"}); }
    void numbers()
    {
        const auto [value, amount, price] = CaseFile::fetchEach({"value", "amount", "price"});
        QCOMPARE(XmlWrite::amount(money(value)), amount);
        QCOMPARE(XmlWrite::price(money(value)), price);
    }

    // The file of an XML format is the writer's XML; an invoice the checks refuse never reaches
    // the PDF step; the save dialog's filters are the program's texts, and name their format.
    void fileBytes()
    {
        const Invoice invoice = complete();
        for (const Format format : {Format::XRechnung, Format::Ubl}) {
            const Result<QByteArray> file = EInvoiceFile::bytes(invoice, format, {}, {});
            QVERIFY2(file.ok(), qPrintable(file.error()));
            QCOMPARE(*file, written(invoice, format));
        }
        Invoice refused = invoice;
        refused.seller.vatId.clear();
        QCOMPARE(EInvoiceFile::bytes(refused, Format::FacturX,
                                     [] { return Result<QByteArray>(QByteArray("%PDF-1.4")); }, {})
                     .error(),
                 "The e-invoice needs your VAT number or tax number: enter one under Trading "
                 "details.");
        QVERIFY(!EInvoiceFile::bytes(invoice, Format::Cii, {}, {}).ok());

        const QStringList filters = EInvoiceFile::filters();
        QCOMPARE(filters,
                 QStringList({"Factur-X PDF (*.pdf)", "XRechnung XML (*.xml)", "UBL XML (*.xml)"}));
        for (qsizetype i = 0; i < kFormats.size(); ++i)
            QCOMPARE(EInvoiceFile::formatOfFilter(filters[i]), kFormats[i]);
        QCOMPARE(EInvoiceFile::formatOfFilter("All files (*)"), std::nullopt);
        QCOMPARE(EInvoiceFile::suffix(Format::FacturX), "pdf");
    }

    // VAT charged at a rate of 0 has no category the rules accept: refused, the invoice
    // untouched.
    void vatWithoutRate()
    {
        Invoice invoice = complete();
        const Invoice before = invoice;
        const Status filled = EInvoiceAmounts::fill(
            invoice, "Door", {money("100"), money("20"), money("120")}, {Money(), true});
        QCOMPARE(filled.error(), "The invoice charges VAT but the identity's VAT rate is 0: "
                                 "correct the VAT Rate on the Invoice Layout tab.");
        QCOMPARE(invoice.lines.value(0).name, before.lines.value(0).name);
        QCOMPARE(invoice.grandTotal, before.grandTotal);
    }
};

QTEST_GUILESS_MAIN(TestEInvoiceWrite)
#include "tst_einvoicewrite.moc"
