// Factur-X: the printed invoice made PDF/A-3b with its XML embedded, checked with tools that are
// not ours (qpdf, poppler-utils, xmllint); and the XML read back out of PDFs of every shape.
#include "einvoice/FacturX.h"
#include "printing/InvoicePage.h"
#include "support/PdfText.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
};

Run run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60'000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput()};
}

InvoicePage::Layout invoicePage()
{
    InvoiceSheet s;
    s.invoiceNumber = QStringLiteral("0124");
    s.content = QStringLiteral("Oak table, Müller's workshop");
    s.date = TestEnv::kToday;
    s.value = Money::fromUnits(1000'0000);
    s.vat = Money::fromUnits(200'0000);
    s.total = Money::fromUnits(1200'0000);
    s.firstName = QStringLiteral("John");
    s.lastName = QStringLiteral("Smith");
    s.company = QStringLiteral("Smith & Sons Ltd");
    s.address1 = QStringLiteral("1 High Street");
    LayoutRecord r = LayoutRecord::designerDefaults();
    r.lblInvoiceCaption = QStringLiteral("Invoice");
    r.lblTextLogoCaption = QStringLiteral("Harbour Joinery");
    r.lblFooterCaption = QStringLiteral("Thank you for your custom");
    InvoicePage::Layout layout =
        InvoicePage::layOut(r, s, LocaleText(testLocale()), QString(), Qt::black);
    layout.title = QStringLiteral("Invoice 0124");
    layout.creator = QStringLiteral("Billcraft - Harbour Joinery");
    return layout;
}

// The names escape into XML and PDF strings: an ampersand, an angle bracket, umlauts.
FacturX::Document document()
{
    FacturX::Document d;
    d.title = QStringLiteral("Invoice 0124");
    d.author = QStringLiteral("Müller & Söhne <Joinery>");
    d.creator = QStringLiteral("Billcraft - Müller & Söhne <Joinery>");
    d.subject = QStringLiteral("Invoice 0124 from Müller & Söhne <Joinery>");
    d.created = QDateTime(TestEnv::kToday, QTime(10, 15, 30, 250), QTimeZone(3600));
    return d;
}

// A small CII invoice of our own; well-formed is all that matters here.
QByteArray ciiXml()
{
    QFile file(QStringLiteral(BILLCRAFT_TEST_DATA "/einvoice/facturx/invoice.xml"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}

// The objects of `qpdf --json` output by their reference ("3 0 R"): a dictionary's keys, or a
// stream's dictionary with "data" beside it when asked for.
struct PdfJson {
    QJsonObject root;
    QJsonObject objects;

    explicit PdfJson(const QByteArray& json)
        : root(QJsonDocument::fromJson(json).object())
    {
        for (const QJsonValue v : root[u"qpdf"].toArray())
            if (v.toObject().contains(u"trailer"))
                objects = v.toObject();
    }
    // An object given directly, or by its reference.
    QJsonObject at(const QJsonValue& ref) const
    {
        if (ref.isObject())
            return ref.toObject();
        const QJsonObject o = objects[QStringLiteral("obj:") + ref.toString()].toObject();
        return o.contains(u"stream") ? o[u"stream"][u"dict"].toObject() : o[u"value"].toObject();
    }
    QJsonObject trailer() const { return objects[u"trailer"][u"value"].toObject(); }
    QJsonObject catalog() const { return at(trailer()[u"/Root"]); }
};

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QLatin1String(name));
}

} // namespace

class TestFacturX : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_qpdf = tool("qpdf");
    QByteArray m_xml = ciiXml();
    QByteArray m_page; // the page as QPdfWriter writes it, in its PDF/A mode
    QByteArray m_made; // that page made a Factur-X invoice
    QString m_madePath;

    QString file(const QString& name, const QByteArray& bytes) const
    {
        const QString path = m_dir.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    // `pdf` rewritten by the qpdf program with `args` ("--add-attachment", ...).
    QByteArray viaQpdf(const QByteArray& pdf, const QStringList& args)
    {
        const QString in = file(QStringLiteral("in.pdf"), pdf);
        const QString out = m_dir.filePath(QStringLiteral("out.pdf"));
        const Run r = run(m_qpdf, QStringList{in, out} + args);
        QFile f(out);
        if (r.exitCode != 0 || !f.open(QIODevice::ReadOnly))
            qFatal("qpdf %s failed", qPrintable(args.join(u' ')));
        return f.readAll();
    }
    // The page with files attached under the given names (and `bytes` as their content).
    QByteArray attached(const QStringList& names, const QByteArray& bytes, QStringList extra = {})
    {
        for (const QString& name : names)
            extra << QStringLiteral("--add-attachment") << file(name, bytes)
                  << QStringLiteral("--key=") + name << QStringLiteral("--filename=") + name
                  << QStringLiteral("--");
        return viaQpdf(m_page, extra);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const Result<QByteArray> page =
            InvoicePage::pdfBytes(invoicePage(), InvoicePage::PdfKind::ArchiveA1b);
        QVERIFY2(page.ok(), qPrintable(page.error()));
        m_page = *page;
        const Result<QByteArray> made = FacturX::make(m_page, m_xml, document());
        QVERIFY2(made.ok(), qPrintable(made.error()));
        m_made = *made;
        m_madePath = file(QStringLiteral("factur-x.pdf"), m_made);
    }

    void structure()
    {
        if (m_qpdf.isEmpty())
            QSKIP("qpdf is not installed");
        const Run check = run(m_qpdf, {QStringLiteral("--check"), m_madePath});
        QVERIFY2(check.exitCode == 0, check.out.constData());
        QVERIFY(m_made.startsWith("%PDF-1.7\n"));

        const PdfJson json(run(m_qpdf, {QStringLiteral("--json"), m_madePath}).out);
        QCOMPARE(json.root[u"encrypt"][u"encrypted"].toBool(), false);
        QCOMPARE(json.trailer()[u"/ID"].toArray().size(), 2);
        const QJsonObject catalog = json.catalog();

        const QJsonArray af = catalog[u"/AF"].toArray();
        QCOMPARE(af.size(), 1);
        const QJsonObject spec = json.at(af[0]);
        QCOMPARE(spec[u"/AFRelationship"].toString(), QStringLiteral("/Alternative"));
        QCOMPARE(spec[u"/F"].toString(), QStringLiteral("u:factur-x.xml"));
        QCOMPARE(spec[u"/UF"].toString(), QStringLiteral("u:factur-x.xml"));
        QVERIFY(spec.contains(u"/Desc"));
        const QJsonObject embedded = json.at(spec[u"/EF"][u"/F"]);
        QCOMPARE(embedded[u"/Type"].toString(), QStringLiteral("/EmbeddedFile"));
        QCOMPARE(embedded[u"/Subtype"].toString(), QStringLiteral("/text/xml"));
        QVERIFY(m_made.contains("/Subtype /text#2fxml")); // the name as the file spells it
        QCOMPARE(embedded[u"/Params"][u"/Size"].toInt(), m_xml.size());
        QCOMPARE(embedded[u"/Params"][u"/ModDate"].toString(),
                 QStringLiteral("u:D:20261203091530Z"));
        // The name tree lists the same file specification.
        const QJsonObject tree = json.at(json.at(catalog[u"/Names"])[u"/EmbeddedFiles"]);
        QCOMPARE(tree[u"/Names"].toArray().at(1), af[0]);

        // One output intent, sRGB, in place of the one QPdfWriter wrote.
        const QJsonArray intents = catalog[u"/OutputIntents"].toArray();
        QCOMPARE(intents.size(), 1);
        const QJsonObject intent = json.at(intents[0]);
        QCOMPARE(intent[u"/S"].toString(), QStringLiteral("/GTS_PDFA1"));
        QCOMPARE(intent[u"/OutputConditionIdentifier"].toString(),
                 QStringLiteral("u:sRGB IEC61966-2.1"));
        QCOMPARE(json.at(intent[u"/DestOutputProfile"])[u"/N"].toInt(), 3);
    }

    // The XMP is read by xmllint; the document information by pdfinfo, and both must agree.
    void metadata()
    {
        const QString xmllint = tool("xmllint");
        const QString pdfinfo = tool("pdfinfo");
        if (m_qpdf.isEmpty() || xmllint.isEmpty() || pdfinfo.isEmpty())
            QSKIP("qpdf, xmllint or pdfinfo (poppler-utils) is not installed");
        const PdfJson json(run(m_qpdf, {QStringLiteral("--json"), m_madePath}).out);
        const QString metadataRef = json.catalog()[u"/Metadata"].toString();
        const QJsonObject dict = json.at(metadataRef);
        QCOMPARE(dict[u"/Type"].toString(), QStringLiteral("/Metadata"));
        QCOMPARE(dict[u"/Subtype"].toString(), QStringLiteral("/XML"));
        QVERIFY(!dict.contains(u"/Filter")); // readable without decoding, as PDF/A asks

        const QByteArray xmp =
            run(m_qpdf, {QStringLiteral("--show-object=") + metadataRef.section(u' ', 0, 0),
                         QStringLiteral("--raw-stream-data"), m_madePath})
                .out;
        const QString xmpPath = file(QStringLiteral("xmp.xml"), xmp);
        const auto xpath = [&](const char* localName) {
            const QString expr =
                QStringLiteral("string(//*[local-name()='%1'])").arg(QLatin1String(localName));
            return QString::fromUtf8(run(xmllint, {QStringLiteral("--xpath"), expr, xmpPath}).out)
                .trimmed();
        };
        QCOMPARE(xpath("part"), QStringLiteral("3"));
        QCOMPARE(xpath("conformance"), QStringLiteral("B"));
        QCOMPARE(xpath("ConformanceLevel"), QStringLiteral("EN 16931"));
        QCOMPARE(xpath("DocumentFileName"), QStringLiteral("factur-x.xml"));
        QCOMPARE(xpath("DocumentType"), QStringLiteral("INVOICE"));
        QCOMPARE(xpath("Version"), QStringLiteral("1.0"));
        QCOMPARE(xpath("namespaceURI"),
                 QStringLiteral("urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#"));
        QCOMPARE(xpath("MetadataDate"), QStringLiteral("2026-12-03T09:15:30Z"));

        const QString info =
            QString::fromUtf8(run(pdfinfo, {QStringLiteral("-isodates"), QStringLiteral("-enc"),
                                            QStringLiteral("UTF-8"), m_madePath})
                                  .out);
        const auto field = [&](const char* name) {
            const QRegularExpression line(QStringLiteral("^%1: +(.*)$").arg(QLatin1String(name)),
                                          QRegularExpression::MultilineOption);
            return line.match(info).captured(1);
        };
        const FacturX::Document d = document();
        QCOMPARE(field("Title"), d.title);
        QCOMPARE(xpath("title"), d.title);
        QCOMPARE(field("Author"), d.author);
        QCOMPARE(xpath("creator"), d.author);
        QCOMPARE(field("Subject"), d.subject);
        QCOMPARE(xpath("description"), d.subject);
        QCOMPARE(field("Creator"), d.creator);
        QCOMPARE(xpath("CreatorTool"), d.creator);
        QCOMPARE(field("Producer"), xpath("Producer"));
        QCOMPARE(field("CreationDate"), xpath("CreateDate"));
        QCOMPARE(field("ModDate"), xpath("ModifyDate"));
        QCOMPARE(xpath("CreateDate"), QStringLiteral("2026-12-03T09:15:30Z"));
    }

    // The page is the printed page: every font embedded, the same text as the plain PDF.
    void page()
    {
        const QString pdffonts = tool("pdffonts");
        if (pdffonts.isEmpty() || pdfText(m_madePath).isNull())
            QSKIP("pdffonts and pdftotext (poppler-utils) are not installed");
        const QStringList fonts =
            QString::fromUtf8(run(pdffonts, {m_madePath}).out).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(fonts.size() > 2, qPrintable(fonts.join(u'\n'))); // a header of two lines
        for (const QString& font : fonts.mid(2))
            QVERIFY2(font.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +(yes|no) "))),
                     qPrintable(font));
        const QString text = pdfText(m_madePath);
        for (const char* expected : {"0124", "Smith & Sons Ltd", "Müller's", "£1,200.00"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
        QCOMPARE(text, pdfText(file(QStringLiteral("page.pdf"), m_page)));
    }

    void attachmentReadsBack()
    {
        if (m_qpdf.isEmpty())
            QSKIP("qpdf is not installed");
        const QByteArray listed =
            run(m_qpdf, {QStringLiteral("--list-attachments"), m_madePath}).out;
        QVERIFY2(listed.startsWith("factur-x.xml -> ") && listed.count('\n') == 1,
                 listed.constData());
        QCOMPARE(run(m_qpdf, {QStringLiteral("--show-attachment=factur-x.xml"), m_madePath}).out,
                 m_xml);
        // Made twice, the same invoice is the same file.
        QCOMPARE(FacturX::make(m_page, m_xml, document()).value(), m_made);
    }

    void makeRefusesWhatIsNoPage()
    {
        const QString error = FacturX::make(m_xml, m_xml, document()).error();
        QVERIFY2(error.startsWith(QLatin1String("The Factur-X PDF cannot be made: ")) &&
                     !error.contains(u'\n'),
                 qPrintable(error));
        QCOMPARE(
            FacturX::make(m_page, QByteArray(), document()).error(),
            QStringLiteral("The Factur-X PDF cannot be made: it has no invoice data or no date."));
    }

    void embeddedXml_data()
    {
        QTest::addColumn<QByteArray>("pdf");
        QTest::addColumn<QString>("error"); // empty: the XML comes back
        if (m_qpdf.isEmpty())
            QSKIP("qpdf is not installed");
        const QString none = QStringLiteral(
            "This PDF carries no e-invoice (no factur-x.xml or other XML attached).");
        const QString damaged = QStringLiteral("This PDF is damaged and cannot be read.");
        const QString tooLarge =
            QStringLiteral("The e-invoice attached to this PDF is larger than 10 MB; it was not "
                           "read.");
        QTest::newRow("our own") << m_made << "";
        QFile sample(QStringLiteral(BILLCRAFT_TEST_DATA "/einvoice/facturx/factur-x.pdf"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QTest::newRow("made by an earlier build") << sample.readAll() << "";
        QByteArray associatedOnly = m_made;
        associatedOnly.replace("/Names ", "/Namez "); // the name tree gone, /AF left
        QTest::newRow("in /AF only") << associatedOnly << "";
        QTest::newRow("ZUGFeRD 1 name, uncompressed, beside another XML")
            << attached({QStringLiteral("notes.xml"), QStringLiteral("ZUGFeRD-invoice.xml")}, m_xml,
                        {QStringLiteral("--stream-data=uncompress")})
            << "";
        QTest::newRow("the only XML, any name")
            << attached({QStringLiteral("Rechnung 0124.XML")}, m_xml) << "";
        QTest::newRow("two XML, neither named as an invoice")
            << attached({QStringLiteral("a.xml"), QStringLiteral("b.xml")}, m_xml)
            << "This PDF carries several XML attachments and none is named as an e-invoice "
               "(factur-x.xml).";
        QTest::newRow("no attachment") << m_page << none;
        QTest::newRow("not XML") << attached({QStringLiteral("photo.png")}, m_xml) << none;
        QTest::newRow("empty") << QByteArray() << "This file is not a PDF.";
        QTest::newRow("not a PDF") << m_xml << "This file is not a PDF.";
        QTest::newRow("only a header") << QByteArray("%PDF-1.7\n%%EOF\n") << damaged;
        QTest::newRow("truncated") << m_made.left(m_made.size() / 3) << damaged;
        QTest::newRow("password") << viaQpdf(m_made,
                                             {QStringLiteral("--encrypt"), QStringLiteral("user"),
                                              QStringLiteral("owner"), QStringLiteral("256"),
                                              QStringLiteral("--")})
                                  << "This PDF is protected by a password and cannot be read.";
        QTest::newRow("over 20 MB")
            << QByteArray("%PDF-1.7\n").leftJustified(FacturX::kMaxPdfBytes + 1, ' ')
            << "This PDF is larger than 20 MB, more than any e-invoice needs; it was not read.";
        // Compressed, both are a few kilobytes.
        const QByteArray big(FacturX::kMaxXmlBytes + 1, ' ');
        const QByteArray stated = attached({QStringLiteral("factur-x.xml")}, big);
        QTest::newRow("attachment states it is over 10 MB") << stated << tooLarge;
        QByteArray hidden = stated;
        const QByteArray size = "/Size " + QByteArray::number(big.size());
        QVERIFY(hidden.contains(size));
        hidden.replace(size, "/Size " + QByteArray::number(1).rightJustified(8, '0'));
        QTest::newRow("attachment inflates past 10 MB") << hidden << tooLarge;
    }
    void embeddedXml()
    {
        QFETCH(QByteArray, pdf);
        QFETCH(QString, error);
        const Result<QByteArray> xml = FacturX::embeddedXml(pdf);
        QCOMPARE(xml.error(), error);
        if (error.isEmpty())
            QCOMPARE(xml.value(), m_xml);
    }
};

QTEST_MAIN(TestFacturX)
#include "tst_facturx.moc"
