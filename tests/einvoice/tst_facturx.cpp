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

QByteArray run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60'000);
    return p.readAllStandardOutput();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

InvoicePage::Layout invoicePage()
{
    InvoiceSheet s;
    s.invoiceNumber = QStringLiteral("0124");
    s.content = QStringLiteral("Oak table, Müller's workshop");
    s.total = Money::fromUnits(1200'0000);
    s.company = QStringLiteral("Smith & Sons Ltd");
    LayoutRecord r = LayoutRecord::designerDefaults();
    r.lblFooterCaption = QStringLiteral("Thank you for your custom");
    InvoicePage::Layout layout =
        InvoicePage::layOut(r, s, LocaleText(testLocale()), QString(), Qt::black);
    layout.title = QStringLiteral("Invoice 0124");
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

// The objects of `qpdf --json` by their reference ("3 0 R"): a dictionary's keys, or a stream's
// dictionary's.
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
    QByteArray m_xml =
        readFile(QStringLiteral(BILLCRAFT_TEST_DATA "/einvoice/facturx/invoice.xml"));
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
    // The page with files of content `bytes` attached by the qpdf program under `names`.
    QByteArray viaQpdf(const QByteArray& pdf, QStringList args, const QStringList& names = {},
                       const QByteArray& bytes = {})
    {
        for (const QString& name : names)
            args << QStringLiteral("--add-attachment") << file(name, bytes)
                 << QStringLiteral("--key=") + name << QStringLiteral("--filename=") + name
                 << QStringLiteral("--");
        const QString out = m_dir.filePath(QStringLiteral("out.pdf"));
        QFile::remove(out);
        run(m_qpdf, QStringList{file(QStringLiteral("in.pdf"), pdf), out} + args);
        return readFile(out);
    }

private slots:
    void initTestCase()
    {
        for (const char* name : {"qpdf", "pdfinfo", "pdffonts", "pdftotext", "xmllint"})
            if (tool(name).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed (scripts/install-deps)")
                                     .arg(QLatin1String(name))));
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
        const QByteArray check = run(m_qpdf, {QStringLiteral("--check"), m_madePath});
        QVERIFY2(check.contains("No syntax or stream encoding errors found"), check.constData());
        QVERIFY(m_made.startsWith("%PDF-1.7\n"));
        const PdfJson json(run(m_qpdf, {QStringLiteral("--json"), m_madePath}));
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
        const PdfJson json(run(m_qpdf, {QStringLiteral("--json"), m_madePath}));
        const QString metadataRef = json.catalog()[u"/Metadata"].toString();
        const QJsonObject dict = json.at(metadataRef);
        QCOMPARE(dict[u"/Subtype"].toString(), QStringLiteral("/XML"));
        QVERIFY(!dict.contains(u"/Filter")); // readable without decoding, as PDF/A asks

        const QString xmpPath =
            file(QStringLiteral("xmp.xml"),
                 run(m_qpdf, {QStringLiteral("--show-object=") + metadataRef.section(u' ', 0, 0),
                              QStringLiteral("--raw-stream-data"), m_madePath}));
        const QString info = QString::fromUtf8(
            run(tool("pdfinfo"), QStringLiteral("-isodates -enc UTF-8").split(u' ') << m_madePath));
        const FacturX::Document d = document();
        const QString when = QStringLiteral("2026-12-03T09:15:30Z"); // 10:15:30.25 at UTC+1
        // An XMP property (by local name), its document-information twin, what both say (null:
        // only that they agree).
        const struct {
            const char* xmp;
            const char* info;
            QString expected;
        } properties[] = {
            {"part", nullptr, QStringLiteral("3")},
            {"conformance", nullptr, QStringLiteral("B")},
            {"ConformanceLevel", nullptr, QStringLiteral("EN 16931")},
            {"DocumentFileName", nullptr, QStringLiteral("factur-x.xml")},
            {"DocumentType", nullptr, QStringLiteral("INVOICE")},
            {"Version", nullptr, QStringLiteral("1.0")},
            {"namespaceURI", nullptr,
             QStringLiteral("urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#")},
            {"MetadataDate", nullptr, when},
            {"CreateDate", "CreationDate", when},
            {"ModifyDate", "ModDate", when},
            {"title", "Title", d.title},
            {"creator", "Author", d.author},
            {"description", "Subject", d.subject},
            {"CreatorTool", "Creator", d.creator},
            {"Producer", "Producer", QString()},
        };
        for (const auto& p : properties) {
            const QString expr =
                QStringLiteral("string(//*[local-name()='%1'])").arg(QLatin1String(p.xmp));
            const QString inXmp =
                QString::fromUtf8(run(tool("xmllint"), {QStringLiteral("--xpath"), expr, xmpPath}))
                    .trimmed();
            QVERIFY2(!inXmp.isEmpty() && (p.expected.isNull() || inXmp == p.expected), p.xmp);
            if (p.info) {
                const QRegularExpression line(
                    QStringLiteral("^%1: +(.*)$").arg(QLatin1String(p.info)),
                    QRegularExpression::MultilineOption);
                QCOMPARE(line.match(info).captured(1), inXmp);
            }
        }
    }

    // The page is the printed page: every font embedded, the same text as the plain PDF.
    void page()
    {
        const QStringList fonts =
            QString::fromUtf8(run(tool("pdffonts"), {m_madePath})).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(fonts.size() > 2, qPrintable(fonts.join(u'\n'))); // a header of two lines
        for (const QString& font : fonts.mid(2))
            QVERIFY2(font.contains(QRegularExpression(QStringLiteral(" yes +(yes|no) +(yes|no) "))),
                     qPrintable(font));
        const QString text = pdfText(m_madePath);
        for (const char* expected : {"0124", "Smith & Sons Ltd", "Müller's", "£1,200.00", "Thank"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
        QCOMPARE(text, pdfText(file(QStringLiteral("page.pdf"), m_page)));
    }

    void attachmentReadsBack()
    {
        const QByteArray listed = run(m_qpdf, {QStringLiteral("--list-attachments"), m_madePath});
        QVERIFY2(listed.startsWith("factur-x.xml -> ") && listed.count('\n') == 1,
                 listed.constData());
        QCOMPARE(run(m_qpdf, {QStringLiteral("--show-attachment=factur-x.xml"), m_madePath}),
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
        const QString none = QStringLiteral(
            "This PDF carries no e-invoice (no factur-x.xml or other XML attached).");
        const QString damaged = QStringLiteral("This PDF is damaged and cannot be read.");
        const QString tooLarge = QStringLiteral(
            "The e-invoice attached to this PDF is larger than 10 MB; it was not read.");
        const auto name = [](const char* n) { return QStringList{QLatin1String(n)}; };
        QTest::newRow("our own") << m_made << "";
        QTest::newRow("made by an earlier build")
            << readFile(QStringLiteral(BILLCRAFT_TEST_DATA "/einvoice/facturx/factur-x.pdf")) << "";
        QByteArray associatedOnly = m_made;
        associatedOnly.replace("/Names ", "/Namez "); // the name tree gone, /AF left
        QTest::newRow("in /AF only") << associatedOnly << "";
        QTest::newRow("ZUGFeRD 1 name, uncompressed, beside another XML")
            << viaQpdf(m_page, {QStringLiteral("--stream-data=uncompress")},
                       name("notes.xml") + name("ZUGFeRD-invoice.xml"), m_xml)
            << "";
        QTest::newRow("the only XML, any name")
            << viaQpdf(m_page, {}, name("Rechnung 0124.XML"), m_xml) << "";
        QTest::newRow("two XML, neither named as an invoice")
            << viaQpdf(m_page, {}, name("a.xml") + name("b.xml"), m_xml)
            << "This PDF carries several XML attachments and none is named as an e-invoice "
               "(factur-x.xml).";
        QTest::newRow("no attachment") << m_page << none;
        QTest::newRow("not XML") << viaQpdf(m_page, {}, name("photo.png"), m_xml) << none;
        QTest::newRow("empty") << QByteArray() << "This file is not a PDF.";
        QTest::newRow("not a PDF") << m_xml << "This file is not a PDF.";
        QTest::newRow("only a header") << QByteArray("%PDF-1.7\n%%EOF\n") << damaged;
        QTest::newRow("truncated") << m_made.left(m_made.size() / 3) << damaged;
        QTest::newRow("password") << viaQpdf(
                                         m_made,
                                         QStringLiteral("--encrypt user owner 256 --").split(u' '))
                                  << "This PDF is protected by a password and cannot be read.";
        QTest::newRow("over 20 MB")
            << QByteArray("%PDF-1.7\n").leftJustified(FacturX::kMaxPdfBytes + 1, ' ')
            << "This PDF is larger than 20 MB, more than any e-invoice needs; it was not read.";
        // Compressed, both are a few kilobytes; the second hides its size behind a false one.
        const QByteArray big(FacturX::kMaxXmlBytes + 1, ' ');
        const QByteArray stated = viaQpdf(m_page, {}, name("factur-x.xml"), big);
        QTest::newRow("attachment states it is over 10 MB") << stated << tooLarge;
        QByteArray hidden = stated;
        hidden.replace("/Size " + QByteArray::number(big.size()), "/Size 00000001");
        QVERIFY(hidden != stated);
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
