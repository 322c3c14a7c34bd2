#include "EInvoiceCheck.h"
#include "einvoice/CiiWriter.h"
#include "einvoice/EInvoiceAmounts.h"
#include "einvoice/EInvoiceFile.h"
#include "einvoice/EInvoiceRules.h"
#include "einvoice/UblWriter.h"
#include "einvoice/XmlWrite.h"

#include <QLocale>
#include <QTest>
#include <QXmlStreamReader>

using EInvoice::Format;
using EInvoice::Invoice;

namespace {

Money money(const char* text)
{
    return *Money::parse(QLatin1String(text));
}

// The invoice in each syntax Billcraft writes, in the order of kFormats.
const QList<Format> kFormats{Format::FacturX, Format::XRechnung, Format::Ubl};

QByteArray written(const Invoice& invoice, Format format)
{
    switch (format) {
    case Format::XRechnung:
        return CiiWriter::write(invoice, CiiWriter::Profile::XRechnung);
    case Format::Ubl:
        return UblWriter::write(invoice);
    default:
        return CiiWriter::write(invoice, CiiWriter::Profile::FacturXEn16931);
    }
}

struct Shape {
    QString value = QStringLiteral("100");
    QString vat = QStringLiteral("20");
    QString rate = QStringLiteral("20");
    bool registered = true;
    QString sellerCountry = QStringLiteral("GB");
    QString buyerCountry = QStringLiteral("GB");
    QString buyerVatId;
    QString buyerName = QStringLiteral("Northwind Traders");
    QString content = QStringLiteral("Kitchen cupboards, fitted");
    QString iban = QStringLiteral("GB33BUKB20201555555555");
};

// A complete invoice, every term an e-invoice in any of the three formats needs, its amounts
// filled by the amount rules from the stored amounts of `shape`.
Invoice complete(const Shape& shape = {})
{
    Invoice invoice;
    invoice.number = QStringLiteral("0124");
    invoice.issueDate = QDate(2026, 12, 3);
    invoice.deliveryDate = invoice.issueDate;
    invoice.currency = QStringLiteral("GBP");
    invoice.buyerReference = QStringLiteral("04011000-12345-34");

    EInvoice::Party& s = invoice.seller;
    s.name = QStringLiteral("Harbour Joinery Ltd");
    s.vatId = shape.registered ? shape.sellerCountry + QStringLiteral("123456789") : QString();
    s.taxNumber = shape.registered ? QString() : QStringLiteral("1234567890");
    s.electronicAddress = QStringLiteral("accounts@harbour.example");
    s.electronicAddressScheme = QStringLiteral("EM");
    s.address = {QStringLiteral("1 Quay Street"),
                 {},
                 {},
                 QStringLiteral("Bristol"),
                 QStringLiteral("BS1 4DJ"),
                 {},
                 shape.sellerCountry};
    s.contact = {QStringLiteral("Ann Smith"), QStringLiteral("+44 117 496 0000"),
                 s.electronicAddress};

    EInvoice::Party& b = invoice.buyer;
    b.name = shape.buyerName;
    b.vatId = shape.buyerVatId;
    b.electronicAddress = QStringLiteral("invoices@northwind.example");
    b.electronicAddressScheme = QStringLiteral("EM");
    b.address = {QStringLiteral("5 Market Row"),
                 QStringLiteral("Unit 2"),
                 {},
                 QStringLiteral("Leeds"),
                 QStringLiteral("LS1 6AB"),
                 {},
                 shape.buyerCountry};

    EInvoiceAmounts::setPayment(invoice, shape.iban, QStringLiteral("BUKBGB22"), 30);
    const Status filled = EInvoiceAmounts::fill(
        invoice, shape.content, {money(qPrintable(shape.value)), money(qPrintable(shape.vat)), {}},
        {money(qPrintable(shape.rate)), shape.registered});
    if (!filled)
        qFatal("the amount rules refused a fixture: %s", qPrintable(filled.error()));
    return invoice;
}

} // namespace

class TestEInvoiceWrite : public QObject {
    Q_OBJECT

private slots:
    // A locale with ',' as its decimal point, which no e-invoice amount may show.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void shapes_data();
    void shapes();
    void refusals_data();
    void refusals();
    void xmlSpecialCharacters();
    void numbers_data();
    void numbers();
    void fileBytes();
    void vatWithoutRate();

private:
    QList<EInvoiceCheck::Verdict> m_verdicts; // of every shape in every format
};

// The shapes of invoice Billcraft makes, with the category and VAT the amount rules give them.
struct ShapeRow {
    QString name;
    Shape shape;
    QString category;
    QString tax;
};

QList<ShapeRow> shapeRows()
{
    QList<ShapeRow> rows;
    const auto row = [&rows](const char* name, const Shape& s, const char* category,
                             const char* tax) {
        rows.append({QString::fromUtf8(name), s, QLatin1String(category), QLatin1String(tax)});
    };
    Shape s;
    row("VAT at 20 %", s, "S", "20");
    s.value = QStringLiteral("123.45"), s.vat = QStringLiteral("21.6"),
    s.rate = QStringLiteral("17.5");
    row("VAT at 17.5 %", s, "S", "21.6");
    s = {};
    s.vat = QStringLiteral("0"), s.registered = false, s.iban.clear();
    row("not VAT registered, no IBAN", s, "E", "0");
    s = {};
    s.buyerCountry = QStringLiteral("DE"), s.buyerVatId = QStringLiteral("DE123456789");
    s.buyerName = QStringLiteral("Müller & Söhne GmbH");
    row("EU client with a VAT id, VAT charged", s, "S", "20");
    s.vat = QStringLiteral("0");
    row("client outside the EU, no VAT charged", s, "Z", "0");
    s.sellerCountry = QStringLiteral("IE");
    row("EU client with a VAT id, reverse charge", s, "AE", "0");
    s = {};
    s.vat = QStringLiteral("0");
    row("registered, no VAT charged", s, "Z", "0");
    s = {};
    s.value = QStringLiteral("10.1255"), s.vat = QStringLiteral("2.03");
    row("four decimals", s, "S", "2.03");
    s = {};
    s.buyerName = QStringLiteral("شركة النور للتجارة");
    s.content = QStringLiteral("עבודות נגרות – מטבח");
    row("right-to-left names", s, "S", "20");
    s = {};
    s.content = QStringLiteral("Oak staircase, handrail and spindles; ").repeated(140).left(5000);
    row("5,000 characters of content", s, "S", "20");
    s = {};
    s.value = QStringLiteral("0"), s.vat = QStringLiteral("0");
    row("total of 0", s, "S", "0");
    s = {};
    s.vat = QStringLiteral("20.99");
    row("stored VAT within a unit is kept", s, "S", "20.99");
    s.vat = QStringLiteral("21");
    row("stored VAT a unit off is worked out", s, "S", "20");
    s = {};
    s.value = QStringLiteral("-50"), s.vat = QStringLiteral("-10");
    row("credit", s, "S", "-10");
    return rows;
}

// Each shape, as the amount rules turn it into a model, passes the official rules in all three
// formats. Every file of the table is checked in one batch on the first row.
void TestEInvoiceWrite::shapes_data()
{
    QTest::addColumn<qsizetype>("row");
    const QList<ShapeRow> rows = shapeRows();
    for (qsizetype i = 0; i < rows.size(); ++i)
        QTest::newRow(qPrintable(rows[i].name)) << i;
}

void TestEInvoiceWrite::shapes()
{
    QFETCH(qsizetype, row);
    const QList<ShapeRow> rows = shapeRows();
    const Invoice invoice = complete(rows[row].shape);
    QCOMPARE(EInvoice::categoryCode(invoice.vat.value(0).category), rows[row].category);
    QCOMPARE(invoice.taxTotal, money(qPrintable(rows[row].tax)));
    for (const Format format : kFormats)
        QVERIFY2(!written(invoice, format).isEmpty(),
                 qPrintable(EInvoiceRules::status(invoice, format).error()));

    EINVOICE_REQUIRE_RULES();
    if (m_verdicts.isEmpty()) {
        QList<QByteArray> xmls;
        for (const ShapeRow& r : rows) {
            for (const Format format : kFormats)
                xmls.append(written(complete(r.shape), format));
        }
        m_verdicts = EInvoiceCheck::validateXmls(xmls);
    }
    for (qsizetype i = 0; i < kFormats.size(); ++i) {
        const EInvoiceCheck::Verdict& v = m_verdicts[row * kFormats.size() + i];
        QVERIFY2(v.ran, qPrintable(v.output));
        QVERIFY2(v.fatal == 0, qPrintable(QStringLiteral("format %1: ").arg(i) + v.output));
    }
}

// Each missing term is refused with its message, and nothing is written.
void TestEInvoiceWrite::refusals_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("message");

    const QString trading = QStringLiteral(" enter it under Trading details.");
    const QString clients = QStringLiteral(" enter it under E-invoice details on the Clients tab.");
    const QString broken = QStringLiteral("The invoice's amounts or VAT categories break the "
                                          "e-invoice rule %1, so it cannot be written as an "
                                          "e-invoice.");
    const auto row = [](const char* name, Format f, const char* change, const QString& message) {
        QTest::newRow(name) << f << QString::fromLatin1(change) << message;
    };
    row("seller name", Format::FacturX, "seller name",
        "The e-invoice needs your business's legal name:" + trading);
    row("VAT number or tax number", Format::Ubl, "seller ids",
        "The e-invoice needs your VAT number or tax number: enter one under Trading details.");
    row("seller country", Format::FacturX, "seller country",
        "The e-invoice needs your country code:" + trading);
    row("VAT number without its country", Format::FacturX, "seller VAT prefix",
        "Your VAT number must begin with its country code, such as GB or DE: correct it under "
        "Trading details.");
    row("client name", Format::XRechnung, "buyer name",
        "The e-invoice needs the client's name: enter it on the Clients tab.");
    row("client country", Format::Ubl, "buyer country",
        "The e-invoice needs the client's country code:" + clients);
    row("client VAT number for reverse charge", Format::FacturX, "reverse charge buyer VAT",
        "The e-invoice needs the client's VAT number for this invoice's VAT category:" + clients);
    row("IBAN for a credit transfer", Format::Ubl, "iban",
        "The e-invoice needs your IBAN for payment by credit transfer:" + trading);
    row("seller e-mail, named once", Format::XRechnung, "seller email",
        "The e-invoice needs your e-mail address:" + trading);
    row("client e-invoice address", Format::Ubl, "buyer address",
        "The e-invoice needs the client's e-invoice address:" + clients);
    row("e-invoice address optional in Factur-X", Format::FacturX, "buyer address", "");
    row("buyer reference", Format::XRechnung, "buyer reference",
        "An XRechnung needs the client's buyer reference (Leitweg-ID):" + clients);
    row("buyer reference in UBL", Format::Ubl, "buyer reference",
        "A UBL e-invoice needs the client's buyer reference or order number:" + clients);
    row("buyer reference optional in Factur-X", Format::FacturX, "buyer reference", "");
    row("contact name", Format::XRechnung, "contact name",
        "An XRechnung needs your contact name:" + trading);
    row("telephone", Format::XRechnung, "phone",
        "An XRechnung needs your telephone number:" + trading);
    row("seller town", Format::XRechnung, "seller town", "An XRechnung needs your town:" + trading);
    row("seller post code", Format::XRechnung, "seller post code",
        "An XRechnung needs your post code:" + trading);
    row("client town", Format::XRechnung, "buyer town",
        "An XRechnung needs the client's town: enter it on the Clients tab.");
    row("client post code", Format::XRechnung, "buyer post code",
        "An XRechnung needs the client's post code: enter it on the Clients tab.");
    row("town optional in Factur-X", Format::FacturX, "seller town", "");
    row("content", Format::Ubl, "content",
        "The e-invoice needs the invoice's content: edit the invoice to enter it.");
    row("lines do not add up", Format::FacturX, "line total", broken.arg("BR-CO-10"));
    row("VAT a unit off", Format::XRechnung, "vat amount", broken.arg("BR-S-09"));
    row("total does not add up", Format::Ubl, "grand total", broken.arg("BR-CO-15"));
    row("amount due does not add up", Format::FacturX, "amount due", broken.arg("BR-CO-16"));
    row("fraction of a cent", Format::FacturX, "half cent", broken.arg("BR-DEC-23"));
}

void TestEInvoiceWrite::refusals()
{
    QFETCH(Format, format);
    QFETCH(QString, change);
    QFETCH(QString, message);
    Shape shape;
    if (change == u"reverse charge buyer VAT") {
        shape.vat = QStringLiteral("0"), shape.buyerCountry = QStringLiteral("FR");
        shape.sellerCountry = QStringLiteral("IE");
        shape.buyerVatId = QStringLiteral("FR12345678901");
    }
    Invoice in = complete(shape);
    const Money unit = Money::fromUnits(Money::kScale);
    const QHash<QString, std::function<void()>> changes{
        {QStringLiteral("seller name"), [&] { in.seller.name = QStringLiteral("  "); }},
        {QStringLiteral("seller ids"),
         [&] { in.seller.vatId.clear(), in.seller.taxNumber.clear(); }},
        {QStringLiteral("seller country"), [&] { in.seller.address.countryCode.clear(); }},
        {QStringLiteral("seller VAT prefix"),
         [&] { in.seller.vatId = QStringLiteral("123456789"); }},
        {QStringLiteral("buyer name"), [&] { in.buyer.name.clear(); }},
        {QStringLiteral("buyer country"), [&] { in.buyer.address.countryCode.clear(); }},
        {QStringLiteral("reverse charge buyer VAT"), [&] { in.buyer.vatId.clear(); }},
        {QStringLiteral("iban"), [&] { in.payment.iban.clear(); }},
        {QStringLiteral("seller email"),
         [&] { in.seller.electronicAddress.clear(), in.seller.contact.email.clear(); }},
        {QStringLiteral("buyer address"), [&] { in.buyer.electronicAddress.clear(); }},
        {QStringLiteral("buyer reference"), [&] { in.buyerReference.clear(); }},
        {QStringLiteral("contact name"), [&] { in.seller.contact.name.clear(); }},
        {QStringLiteral("phone"), [&] { in.seller.contact.phone.clear(); }},
        {QStringLiteral("seller town"), [&] { in.seller.address.city.clear(); }},
        {QStringLiteral("seller post code"), [&] { in.seller.address.postCode.clear(); }},
        {QStringLiteral("buyer town"), [&] { in.buyer.address.city.clear(); }},
        {QStringLiteral("buyer post code"), [&] { in.buyer.address.postCode.clear(); }},
        {QStringLiteral("content"), [&] { in.lines[0].name.clear(); }},
        {QStringLiteral("line total"), [&] { in.lineTotal = *in.lineTotal.plus(unit); }},
        {QStringLiteral("vat amount"),
         [&] {
             in.vat[0].taxAmount = *in.vat[0].taxAmount.plus(unit);
             in.taxTotal = in.vat[0].taxAmount;
             in.grandTotal = *in.taxBasis.plus(in.taxTotal);
             in.amountDue = in.grandTotal;
         }},
        {QStringLiteral("grand total"), [&] { in.grandTotal = *in.grandTotal.plus(unit); }},
        {QStringLiteral("amount due"), [&] { in.paidAmount = unit; }},
        {QStringLiteral("half cent"), [&] { in.lines[0].netAmount = money("100.005"); }},
    };
    QVERIFY(changes.contains(change));
    changes[change]();

    const QList<EInvoiceRules::Missing> missing = EInvoiceRules::check(in, format);
    if (message.isEmpty()) {
        QVERIFY2(missing.isEmpty(), qPrintable(missing.value(0).message));
        QVERIFY(!written(in, format).isEmpty());
        return;
    }
    QVERIFY(!missing.isEmpty());
    QCOMPARE(missing.first().message, message);
    // One missing term, one message; a fault in the amounts may break several rules.
    if (!message.startsWith(u"The invoice's amounts"))
        QCOMPARE(missing.size(), 1);
    QCOMPARE(EInvoiceRules::status(in, format).error(), message);
    QVERIFY(written(in, format).isEmpty());
}

// Text the user typed reaches the XML escaped, and characters XML 1.0 cannot carry are left
// out rather than making a file no reader accepts.
void TestEInvoiceWrite::xmlSpecialCharacters()
{
    Shape shape;
    shape.content = QStringLiteral("Tom & Jerry <b>]]> bell\a tab\tend\x1f");
    shape.buyerName = QStringLiteral("A < B & \"C\"");
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
        QVERIFY(texts.contains(QStringLiteral("Tom & Jerry <b>]]> bell tab\tend")));
        QVERIFY(texts.contains(QStringLiteral("A < B & \"C\"")));
    }
}

// Amounts as both syntaxes want them: two decimals rounded half to even, prices with as many
// decimals as they carry (two at least), never the locale's form.
void TestEInvoiceWrite::numbers_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("price");
    QTest::newRow("whole") << "1234"
                           << "1234.00"
                           << "1234.00";
    QTest::newRow("four decimals") << "10.1255"
                                   << "10.13"
                                   << "10.1255";
    QTest::newRow("half a cent") << "2.125"
                                 << "2.12"
                                 << "2.125";
    QTest::newRow("negative") << "-0.5"
                              << "-0.50"
                              << "-0.50";
    QTest::newRow("less than half a cent below 0") << "-0.004"
                                                   << "0.00"
                                                   << "-0.004";
    QTest::newRow("largest") << "922337203685477.5807"
                             << "922337203685477.58"
                             << "922337203685477.5807";
}

void TestEInvoiceWrite::numbers()
{
    QFETCH(QString, value);
    QFETCH(QString, amount);
    QFETCH(QString, price);
    QCOMPARE(XmlWrite::amount(money(qPrintable(value))), amount);
    QCOMPARE(XmlWrite::price(money(qPrintable(value))), price);
}

// The file of an XML format is the writer's XML; an invoice the checks refuse never reaches the
// PDF step; the save dialog's filters are the program's texts, and name their format again.
void TestEInvoiceWrite::fileBytes()
{
    const Invoice invoice = complete();
    for (const Format format : {Format::XRechnung, Format::Ubl}) {
        const Result<QByteArray> file = EInvoiceFile::bytes(invoice, format, {}, {});
        QVERIFY2(file.ok(), qPrintable(file.error()));
        QCOMPARE(*file, written(invoice, format));
    }
    Invoice refused = invoice;
    refused.seller.vatId.clear();
    QCOMPARE(EInvoiceFile::bytes(refused, Format::FacturX, "%PDF-1.4", {}).error(),
             QStringLiteral("The e-invoice needs your VAT number or tax number: enter one under "
                            "Trading details."));
    QVERIFY(!EInvoiceFile::bytes(invoice, Format::Cii, {}, {}).ok());

    const QStringList filters = EInvoiceFile::filters();
    QCOMPARE(filters, QStringList({QStringLiteral("Factur-X PDF (*.pdf)"),
                                   QStringLiteral("XRechnung XML (*.xml)"),
                                   QStringLiteral("UBL XML (*.xml)")}));
    for (const Format format : kFormats)
        QCOMPARE(EInvoiceFile::formatOfFilter(filters[kFormats.indexOf(format)]), format);
    QCOMPARE(EInvoiceFile::formatOfFilter(QStringLiteral("All files (*)")), std::nullopt);
    QCOMPARE(EInvoiceFile::suffix(Format::FacturX), QStringLiteral("pdf"));
}

// VAT charged at a rate of 0 has no category the rules accept: refused, the invoice untouched.
void TestEInvoiceWrite::vatWithoutRate()
{
    Invoice invoice = complete();
    const Invoice before = invoice;
    const Status filled =
        EInvoiceAmounts::fill(invoice, QStringLiteral("Door"),
                              {money("100"), money("20"), money("120")}, {Money(), true});
    QCOMPARE(filled.error(), QStringLiteral("The invoice charges VAT but the identity's VAT rate "
                                            "is 0: correct the VAT Rate on the Invoice Layout "
                                            "tab."));
    QCOMPARE(invoice.lines.value(0).name, before.lines.value(0).name);
    QCOMPARE(invoice.grandTotal, before.grandTotal);
}

QTEST_GUILESS_MAIN(TestEInvoiceWrite)
#include "tst_einvoicewrite.moc"
