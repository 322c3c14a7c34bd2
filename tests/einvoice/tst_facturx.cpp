// Factur-X: the printed invoice made PDF/A-3b with its XML embedded, checked with tools that are
// not ours (qpdf, poppler-utils, xmllint); and the XML read back out of PDFs of every shape.
#include "einvoice/FacturX.h"
#include "printing/InvoicePage.h"
#include "support/CaseFile.h"
#include "support/PdfText.h"
#include "support/TestEnv.h"

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

QString tool(const char* name)
{
    return QStandardPaths::findExecutable(QLatin1String(name));
}

QByteArray run(const char* program, const QStringList& args)
{
    QProcess p;
    p.start(tool(program), args);
    p.waitForFinished(60'000);
    return p.readAllStandardOutput();
}

InvoicePage::Layout invoicePage()
{
    InvoiceSheet s;
    s.invoiceNumber = "0124";
    s.content = "Oak table, Müller's workshop";
    s.total = Money::fromUnits(1200'0000);
    s.company = "Smith & Sons Ltd";
    LayoutRecord r = LayoutRecord::designerDefaults();
    r.lblFooterCaption = "Thank you for your custom";
    InvoicePage::Layout layout =
        InvoicePage::layOut(r, s, LocaleText(testLocale()), nullptr, Qt::black);
    layout.title = "Invoice 0124";
    return layout;
}

// The names escape into XML and PDF strings: an ampersand, an angle bracket, umlauts.
FacturX::Document document()
{
    return {"Invoice 0124", "Müller & Söhne <Joinery>", "Billcraft - Müller & Söhne <Joinery>",
            "Invoice 0124 from Müller & Söhne <Joinery>",
            QDateTime(TestEnv::kToday, QTime(10, 15, 30, 250), QTimeZone(3600))};
}

// The objects of `qpdf --json`, by their reference ("3 0 R").
struct PdfJson {
    QJsonObject objects;

    explicit PdfJson(const QByteArray& json)
    {
        for (const QJsonValue v : QJsonDocument::fromJson(json)[u"qpdf"].toArray())
            if (v.toObject().contains(u"trailer"))
                objects = v.toObject();
    }
    // A reference followed to its value (a stream's: its dictionary); any other value as it is.
    QJsonValue resolved(const QJsonValue& v) const
    {
        const QJsonObject o = objects[QStringLiteral("obj:") + v.toString()].toObject();
        if (!v.isString() || o.isEmpty())
            return v;
        return o.contains(u"stream") ? o[u"stream"][u"dict"] : o[u"value"];
    }
    // The value at `path` as the case file structure.txt says it.
    QString at(const QString& path) const
    {
        QJsonValue v = objects[u"trailer"][u"value"];
        for (const QString& step : path.split(u' ')) {
            v = resolved(v);
            if (step == u"#")
                return QString::number(v.toArray().size());
            v = v.isArray() ? v.toArray().at(step.toInt()) : v.toObject().value(step);
        }
        return v.isUndefined() ? "none" : v.isDouble() ? QString::number(v.toInt()) : v.toString();
    }
};

} // namespace

class TestFacturX : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_xml = readAll(BILLCRAFT_TEST_DATA "/einvoice/facturx/invoice.xml");
    QByteArray m_page; // the page as QPdfWriter writes it, in its PDF/A mode
    QByteArray m_made; // that page made a Factur-X invoice
    QString m_madePath;
    PdfJson m_json{{}};
    QString m_xmpPath; // its XMP metadata
    QString m_info;    // its document information, as pdfinfo shows it

    QString file(const QString& name, const QByteArray& bytes) const
    {
        writeAll(m_dir.filePath(name), bytes);
        return m_dir.filePath(name);
    }
    // The PDF run through the qpdf program with `args`, and files of content `bytes` attached
    // under `names`.
    QByteArray viaQpdf(const QByteArray& pdf, QStringList args, const QStringList& names = {},
                       const QByteArray& bytes = {})
    {
        for (const QString& name : names)
            args << "--add-attachment" << file(name, bytes) << "--key=" + name
                 << "--filename=" + name << "--";
        const QString out = m_dir.filePath("out.pdf");
        QFile::remove(out);
        run("qpdf", QStringList{file("in.pdf", pdf), out} + args);
        return readAll(out);
    }

private slots:
    void initTestCase()
    {
        for (const char* name : {"qpdf", "pdfinfo", "pdffonts", "pdftotext", "xmllint"})
            if (tool(name).isEmpty())
                QSKIP(qPrintable(QString(name) + " is not installed (scripts/install-deps)"));
        QVERIFY(m_dir.isValid() && !m_xml.isEmpty());
        const Result<QByteArray> page =
            InvoicePage::pdfBytes(invoicePage(), InvoicePage::PdfKind::ArchiveA1b);
        QVERIFY2(page.ok(), qPrintable(page.error()));
        m_page = *page;
        const Result<QByteArray> made = FacturX::make(m_page, m_xml, document());
        QVERIFY2(made.ok(), qPrintable(made.error()));
        m_made = *made;
        m_madePath = file("factur-x.pdf", m_made);
        m_json = PdfJson(run("qpdf", {"--json", m_madePath}));
        const QString metadata = m_json.at("/Root /Metadata").section(u' ', 0, 0);
        m_xmpPath = file(
            "xmp.xml", run("qpdf", {"--show-object=" + metadata, "--raw-stream-data", m_madePath}));
        m_info = QString::fromUtf8(run("pdfinfo", {"-isodates", "-enc", "UTF-8", m_madePath}));
    }

    // qpdf finds the file sound, PDF 1.7, the XML attached alone and as it was given. Made
    // twice, the same invoice is the same file.
    void qpdfReadsItBack()
    {
        const QByteArray check = run("qpdf", {"--check", m_madePath});
        QVERIFY2(check.contains("No syntax or stream encoding errors found"), check.constData());
        QVERIFY(m_made.startsWith("%PDF-1.7\n"));
        QVERIFY(m_made.contains("/Subtype /text#2fxml")); // the name as the file spells it
        QCOMPARE(m_json.at("/Root /AF 0 /EF /F /Params /Size"), QString::number(m_xml.size()));
        const QByteArray listed = run("qpdf", {"--list-attachments", m_madePath});
        QVERIFY2(listed.startsWith("factur-x.xml -> ") && listed.count('\n') == 1,
                 listed.constData());
        QCOMPARE(run("qpdf", {"--show-attachment=factur-x.xml", m_madePath}), m_xml);
        QCOMPARE(FacturX::make(m_page, m_xml, document()).value(), m_made);
    }

    // One sRGB output intent in place of the one QPdfWriter wrote, the XMP readable as it is.
    void structure_data()
    {
        CaseFile::addRows("einvoice/facturx/structure.txt", {"path", "value"});
    }
    void structure()
    {
        QFETCH(QString, path);
        QFETCH(QString, value);
        QCOMPARE(m_json.at(path), value.startsWith(u"= ") ? m_json.at(value.mid(2)) : value);
    }

    // The XMP is read by xmllint; the document information by pdfinfo, and both must agree.
    void metadata_data()
    {
        CaseFile::addRows("einvoice/facturx/metadata.txt", {"xmp", "info", "value"});
    }
    void metadata()
    {
        const auto [xmp, info, value] = CaseFile::fetchEach({"xmp", "info", "value"});
        const QString expr = QString("string(//*[local-name()='%1'])").arg(xmp);
        const QString inXmp =
            QString::fromUtf8(run("xmllint", {"--xpath", expr, m_xmpPath})).trimmed();
        QVERIFY(!inXmp.isEmpty());
        if (value != u"*")
            QCOMPARE(inXmp, value);
        const QRegularExpression line("^" + info + ": +(.*)$", QRegularExpression::MultilineOption);
        if (!info.isEmpty())
            QCOMPARE(line.match(m_info).captured(1), inXmp);
    }

    // The page is the printed page: every font embedded, the same text as the plain PDF.
    void page()
    {
        const QStringList fonts =
            QString::fromUtf8(run("pdffonts", {m_madePath})).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(fonts.size() > 2, qPrintable(fonts.join(u'\n'))); // a header of two lines
        for (const QString& font : fonts.mid(2))
            QVERIFY2(font.contains(QRegularExpression(" yes +(yes|no) +(yes|no) ")),
                     qPrintable(font));
        const QString text = pdfText(m_madePath);
        for (const char* expected : {"0124", "Smith & Sons Ltd", "Müller's", "£1,200.00", "Thank"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), qPrintable(text));
        QCOMPARE(text, pdfText(file("page.pdf", m_page)));
    }

    void makeRefusesWhatIsNoPage()
    {
        const QString error = FacturX::make(m_xml, m_xml, document()).error();
        QVERIFY2(error.startsWith("The Factur-X PDF cannot be made: ") && !error.contains(u'\n'),
                 qPrintable(error));
        QCOMPARE(FacturX::make(m_page, {}, document()).error(),
                 "The Factur-X PDF cannot be made: it has no invoice data or no date.");
    }

    // The PDFs of embedded.txt, by their names there.
    void embeddedXml_data()
    {
        QTest::addColumn<QByteArray>("pdf");
        QTest::addColumn<QString>("error"); // empty: the XML comes back
        QByteArray associatedOnly = m_made;
        associatedOnly.replace("/Names ", "/Namez "); // the name tree gone, /AF left
        // Compressed, both are a few kilobytes; the second hides its size behind a false one.
        const QByteArray big(FacturX::kMaxXmlBytes + 1, ' ');
        const QByteArray stated = viaQpdf(m_page, {}, {"factur-x.xml"}, big);
        QByteArray hidden = stated;
        hidden.replace("/Size " + QByteArray::number(big.size()), "/Size 00000001");
        QVERIFY(hidden != stated);
        const QHash<QString, QByteArray> pdfs{
            {"our own", m_made},
            {"made by an earlier build",
             readAll(BILLCRAFT_TEST_DATA "/einvoice/facturx/factur-x.pdf")},
            {"in /AF only", associatedOnly},
            {"ZUGFeRD 1 name, uncompressed, beside another XML",
             viaQpdf(m_page, {"--stream-data=uncompress"}, {"notes.xml", "ZUGFeRD-invoice.xml"},
                     m_xml)},
            {"the only XML, any name", viaQpdf(m_page, {}, {"Rechnung 0124.XML"}, m_xml)},
            {"two XML, neither named as an invoice",
             viaQpdf(m_page, {}, {"a.xml", "b.xml"}, m_xml)},
            {"no attachment", m_page},
            {"not XML", viaQpdf(m_page, {}, {"photo.png"}, m_xml)},
            {"empty", QByteArray()},
            {"not a PDF", m_xml},
            {"only a header", "%PDF-1.7\n%%EOF\n"},
            {"truncated", m_made.left(m_made.size() / 3)},
            {"password", viaQpdf(m_made, QString("--encrypt user owner 256 --").split(u' '))},
            {"over 20 MB", QByteArray("%PDF-1.7\n").leftJustified(FacturX::kMaxPdfBytes + 1, ' ')},
            {"attachment states it is over 10 MB", stated},
            {"attachment inflates past 10 MB", hidden},
        };
        for (const QStringList& row : CaseFile::read("einvoice/facturx/embedded.txt")) {
            QVERIFY2(pdfs.contains(row[0]), qPrintable(row[0]));
            QTest::newRow(qPrintable(row[0])) << pdfs[row[0]] << row[1];
        }
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
