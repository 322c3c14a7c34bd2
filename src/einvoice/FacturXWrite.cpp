// qpdf without its old PointerHolder type: std::shared_ptr throughout.
#define POINTERHOLDER_TRANSITION 4

#include "einvoice/FacturX.h"

#include <QCoreApplication>
#include <QFile>
#include <exception>
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEFStreamObjectHelper.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <string>

namespace FacturX {

namespace {

const char* const kXmlName = "factur-x.xml";
// The ICC profile is bigger than this only when the file is not the profile it should be.
constexpr qint64 kMaxProfileBytes = 1024 * 1024;

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// Characters XML 1.0 cannot hold (controls other than tab and line breaks) become blanks, so a
// stray control in a name never makes the XMP unreadable.
QString xmlText(QString text)
{
    for (QChar& c : text)
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            c = u' ';
    return text.toHtmlEscaped();
}

// One moment as the PDF's dates and the XMP's, to the second and in UTC, so the document
// information and the XMP say exactly the same (PDF/A checks that they do).
struct Stamp {
    std::string pdf; // D:20261203101500Z
    QString xmp;     // 2026-12-03T10:15:00Z
};

Stamp stampOf(const QDateTime& moment)
{
    QDateTime utc = moment.toUTC();
    utc.setTime(QTime(utc.time().hour(), utc.time().minute(), utc.time().second()));
    const QDate d = utc.date();
    const QTime t = utc.time();
    const QString pdf = QStringLiteral("D:%1%2%3%4%5%6Z")
                            .arg(d.year(), 4, 10, QLatin1Char('0'))
                            .arg(d.month(), 2, 10, QLatin1Char('0'))
                            .arg(d.day(), 2, 10, QLatin1Char('0'))
                            .arg(t.hour(), 2, 10, QLatin1Char('0'))
                            .arg(t.minute(), 2, 10, QLatin1Char('0'))
                            .arg(t.second(), 2, 10, QLatin1Char('0'));
    return {pdf.toStdString(), utc.toString(Qt::ISODate)};
}

QString producer()
{
    return QStringLiteral("Billcraft %1 (Qt %2, qpdf %3)")
        .arg(QStringLiteral(BILLCRAFT_VERSION), QString::fromLatin1(qVersion()),
             QString::fromStdString(QPDF::QPDFVersion()));
}

// The Factur-X extension schema: PDF/A lets an XMP use a schema of its own only when the XMP
// describes it. Its text is the one the Factur-X standard gives.
const char* const kFacturXSchema = R"(  <rdf:Description rdf:about=""
      xmlns:pdfaExtension="http://www.aiim.org/pdfa/ns/extension/"
      xmlns:pdfaSchema="http://www.aiim.org/pdfa/ns/schema#"
      xmlns:pdfaProperty="http://www.aiim.org/pdfa/ns/property#">
   <pdfaExtension:schemas>
    <rdf:Bag>
     <rdf:li rdf:parseType="Resource">
      <pdfaSchema:schema>Factur-X PDFA Extension Schema</pdfaSchema:schema>
      <pdfaSchema:namespaceURI>urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#</pdfaSchema:namespaceURI>
      <pdfaSchema:prefix>fx</pdfaSchema:prefix>
      <pdfaSchema:property>
       <rdf:Seq>
        <rdf:li rdf:parseType="Resource">
         <pdfaProperty:name>DocumentFileName</pdfaProperty:name>
         <pdfaProperty:valueType>Text</pdfaProperty:valueType>
         <pdfaProperty:category>external</pdfaProperty:category>
         <pdfaProperty:description>The name of the embedded XML document</pdfaProperty:description>
        </rdf:li>
        <rdf:li rdf:parseType="Resource">
         <pdfaProperty:name>DocumentType</pdfaProperty:name>
         <pdfaProperty:valueType>Text</pdfaProperty:valueType>
         <pdfaProperty:category>external</pdfaProperty:category>
         <pdfaProperty:description>The type of the hybrid document in capital letters, e.g. INVOICE or ORDER</pdfaProperty:description>
        </rdf:li>
        <rdf:li rdf:parseType="Resource">
         <pdfaProperty:name>Version</pdfaProperty:name>
         <pdfaProperty:valueType>Text</pdfaProperty:valueType>
         <pdfaProperty:category>external</pdfaProperty:category>
         <pdfaProperty:description>The actual version of the standard applying to the embedded XML document</pdfaProperty:description>
        </rdf:li>
        <rdf:li rdf:parseType="Resource">
         <pdfaProperty:name>ConformanceLevel</pdfaProperty:name>
         <pdfaProperty:valueType>Text</pdfaProperty:valueType>
         <pdfaProperty:category>external</pdfaProperty:category>
         <pdfaProperty:description>The conformance level of the embedded XML document</pdfaProperty:description>
        </rdf:li>
       </rdf:Seq>
      </pdfaSchema:property>
     </rdf:li>
    </rdf:Bag>
   </pdfaExtension:schemas>
  </rdf:Description>
)";

// The XMP packet: PDF/A-3b identification, the document information's twins, the Factur-X
// schema and its values. UTF-8; the packet header's begin mark is U+FEFF.
QByteArray xmp(const Document& doc, const Stamp& stamp)
{
    QString x =
        QStringLiteral("<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                       "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                       " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                       "  <rdf:Description rdf:about=\"\" "
                       "xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n"
                       "   <pdfaid:part>3</pdfaid:part>\n"
                       "   <pdfaid:conformance>B</pdfaid:conformance>\n"
                       "  </rdf:Description>\n"
                       "  <rdf:Description rdf:about=\"\" "
                       "xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
                       "   <dc:format>application/pdf</dc:format>\n");
    const auto alt = [](const QString& tag, const QString& text) {
        return QStringLiteral("   <dc:%1><rdf:Alt><rdf:li xml:lang=\"x-default\">%2</rdf:li>"
                              "</rdf:Alt></dc:%1>\n")
            .arg(tag, xmlText(text));
    };
    if (!doc.title.isEmpty())
        x += alt(QStringLiteral("title"), doc.title);
    if (!doc.author.isEmpty())
        x += QStringLiteral("   <dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>\n")
                 .arg(xmlText(doc.author));
    if (!doc.subject.isEmpty())
        x += alt(QStringLiteral("description"), doc.subject);
    x += QStringLiteral(
        "  </rdf:Description>\n"
        "  <rdf:Description rdf:about=\"\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n");
    if (!doc.creator.isEmpty())
        x += QStringLiteral("   <xmp:CreatorTool>%1</xmp:CreatorTool>\n").arg(xmlText(doc.creator));
    x += QStringLiteral(
             "   <xmp:CreateDate>%1</xmp:CreateDate>\n"
             "   <xmp:ModifyDate>%1</xmp:ModifyDate>\n"
             "   <xmp:MetadataDate>%1</xmp:MetadataDate>\n"
             "  </rdf:Description>\n"
             "  <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
             "   <pdf:Producer>%2</pdf:Producer>\n"
             "  </rdf:Description>\n")
             .arg(stamp.xmp, xmlText(producer()));
    x += QLatin1String(kFacturXSchema);
    x += QStringLiteral("  <rdf:Description rdf:about=\"\" "
                        "xmlns:fx=\"urn:factur-x:pdfa:CrossIndustryDocument:invoice:1p0#\">\n"
                        "   <fx:DocumentType>INVOICE</fx:DocumentType>\n"
                        "   <fx:DocumentFileName>%1</fx:DocumentFileName>\n"
                        "   <fx:Version>1.0</fx:Version>\n"
                        "   <fx:ConformanceLevel>%2</fx:ConformanceLevel>\n"
                        "  </rdf:Description>\n"
                        " </rdf:RDF>\n"
                        "</x:xmpmeta>\n"
                        "<?xpacket end=\"w\"?>")
             .arg(QLatin1String(kXmlName), xmlText(doc.conformanceLevel));
    return x.toUtf8();
}

// The document information dictionary, saying what the XMP says.
QPDFObjectHandle info(QPDF& pdf, const Document& doc, const Stamp& stamp)
{
    QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
    const auto text = [&](const char* key, const QString& value) {
        if (!value.isEmpty())
            dict.replaceKey(key, QPDFObjectHandle::newUnicodeString(utf8(value)));
    };
    text("/Title", doc.title);
    text("/Author", doc.author);
    text("/Subject", doc.subject);
    text("/Creator", doc.creator);
    text("/Producer", producer());
    dict.replaceKey("/CreationDate", QPDFObjectHandle::newString(stamp.pdf));
    dict.replaceKey("/ModDate", QPDFObjectHandle::newString(stamp.pdf));
    return pdf.makeIndirectObject(dict);
}

// The XML as the attachment factur-x.xml: in the catalog's name tree of embedded files and,
// as PDF/A-3 asks of an associated file, in the catalog's /AF.
void attach(QPDF& pdf, const QByteArray& xml, const Document& doc, const Stamp& stamp)
{
    QPDFEFStreamObjectHelper stream =
        QPDFEFStreamObjectHelper::createEFStream(pdf, xml.toStdString());
    stream.setSubtype("text/xml").setModDate(stamp.pdf);
    QPDFFileSpecObjectHelper entry =
        QPDFFileSpecObjectHelper::createFileSpec(pdf, kXmlName, stream);
    entry.setDescription(
        utf8(QStringLiteral("Factur-X invoice, profile %1").arg(doc.conformanceLevel)));
    QPDFObjectHandle entryObject = entry.getObjectHandle();
    entryObject.replaceKey("/AFRelationship", QPDFObjectHandle::newName("/Alternative"));
    QPDFEmbeddedFileDocumentHelper(pdf).replaceEmbeddedFile(kXmlName, entry);
    QPDFObjectHandle associated = QPDFObjectHandle::newArray();
    associated.appendItem(entryObject);
    pdf.getRoot().replaceKey("/AF", associated);
}

// The one output intent: sRGB, in place of whatever the page's writer put there.
void setOutputIntent(QPDF& pdf, const QByteArray& profile)
{
    QPDFObjectHandle icc = QPDFObjectHandle::newStream(&pdf, profile.toStdString());
    icc.getDict().replaceKey("/N", QPDFObjectHandle::newInteger(3));
    QPDFObjectHandle intent = QPDFObjectHandle::newDictionary();
    intent.replaceKey("/Type", QPDFObjectHandle::newName("/OutputIntent"));
    intent.replaceKey("/S", QPDFObjectHandle::newName("/GTS_PDFA1"));
    intent.replaceKey("/OutputConditionIdentifier",
                      QPDFObjectHandle::newString("sRGB IEC61966-2.1"));
    intent.replaceKey("/RegistryName", QPDFObjectHandle::newString("http://www.color.org"));
    intent.replaceKey("/Info", QPDFObjectHandle::newString("sRGB IEC61966-2.1"));
    intent.replaceKey("/DestOutputProfile", icc);
    QPDFObjectHandle intents = QPDFObjectHandle::newArray();
    intents.appendItem(pdf.makeIndirectObject(intent));
    pdf.getRoot().replaceKey("/OutputIntents", intents);
}

void setMetadata(QPDF& pdf, const Document& doc, const Stamp& stamp)
{
    // QPDFWriter never compresses a /Type /Metadata stream, as PDF/A wants it readable.
    QPDFObjectHandle metadata = QPDFObjectHandle::newStream(&pdf, xmp(doc, stamp).toStdString());
    metadata.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
    metadata.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
    pdf.getRoot().replaceKey("/Metadata", metadata);
    pdf.getTrailer().replaceKey("/Info", info(pdf, doc, stamp));
}

Result<QByteArray> srgbProfile()
{
    QFile file(QStringLiteral(BILLCRAFT_SRGB_PROFILE));
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly) && file.size() <= kMaxProfileBytes)
        bytes = file.readAll();
    if (bytes.size() < 128) // an ICC profile's header alone is 128 bytes
        return Failure{QCoreApplication::translate(
                           "FacturX", "The colour profile that PDF/A invoices need cannot be "
                                      "read: %1 (Debian package icc-profiles-free).")
                           .arg(file.fileName())};
    return bytes;
}

QByteArray written(QPDF& pdf)
{
    QPDFWriter writer(pdf);
    writer.setOutputMemory();
    writer.setMinimumPDFVersion("1.7"); // PDF/A-3 is based on ISO 32000-1
    writer.setObjectStreamMode(qpdf_o_disable);
    // The /ID from a hash of the content: the same invoice made twice is the same file.
    writer.setDeterministicID(true);
    writer.write();
    const std::shared_ptr<Buffer> out = writer.getBufferSharedPointer();
    return QByteArray(reinterpret_cast<const char*>(out->getBuffer()), qsizetype(out->getSize()));
}

} // namespace

Result<QByteArray> make(const QByteArray& pagePdf, const QByteArray& ciiXml, const Document& doc)
{
    if (ciiXml.isEmpty() || !doc.created.isValid())
        return Failure{QCoreApplication::translate(
            "FacturX", "The Factur-X PDF cannot be made: it has no invoice data or no date.")};
    const Result<QByteArray> profile = srgbProfile();
    if (!profile)
        return Failure{profile.error()};
    try {
        QPDF pdf;
        pdf.setSuppressWarnings(true);
        pdf.setAttemptRecovery(false); // the page is our own: a fault in it is never patched up
        pdf.processMemoryFile("invoice page", pagePdf.constData(), size_t(pagePdf.size()));
        const Stamp stamp = stampOf(doc.created);
        attach(pdf, ciiXml, doc, stamp);
        setOutputIntent(pdf, *profile);
        setMetadata(pdf, doc, stamp);
        return written(pdf);
    } catch (const std::exception& e) {
        return Failure{QCoreApplication::translate("FacturX", "The Factur-X PDF cannot be made: %1")
                           .arg(QString::fromLocal8Bit(e.what()).simplified())};
    } catch (...) {
        return Failure{QCoreApplication::translate("FacturX", "The Factur-X PDF cannot be made.")};
    }
}

} // namespace FacturX
