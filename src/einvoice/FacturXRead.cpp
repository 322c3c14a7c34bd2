// qpdf without its old PointerHolder type: std::shared_ptr throughout.
#define POINTERHOLDER_TRANSITION 4

#include "einvoice/FacturX.h"

#include <QCoreApplication>
#include <exception>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <stdexcept>
#include <vector>

namespace FacturX {

namespace {

// The names the e-invoice attachment goes by, best first: Factur-X and ZUGFeRD 2 share the
// first; ZUGFeRD 1 wrote "ZUGFeRD-invoice.xml", XRechnung in a PDF "xrechnung.xml".
const char* const kKnownNames[] = {"factur-x.xml", "zugferd-invoice.xml", "xrechnung.xml"};

struct Attachment {
    QString name; // the file name it carries, else its key in the name tree
    QPDFObjectHandle entry;
};

// The decoded bytes of a stream, refused as soon as they pass `cap`, so a small compressed
// stream that inflates to gigabytes is never inflated further than that.
class CappedSink : public Pipeline {
public:
    explicit CappedSink(qsizetype cap)
        : Pipeline("e-invoice attachment", nullptr)
        , m_cap(cap)
    {}
    void write(unsigned char const* data, size_t len) override
    {
        if (len > size_t(m_cap - bytes.size())) {
            overflowed = true;
            throw std::length_error("attachment over its size limit");
        }
        bytes.append(reinterpret_cast<const char*>(data), qsizetype(len));
    }
    void finish() override {}

    QByteArray bytes;
    bool overflowed = false;

private:
    qsizetype m_cap;
};

Attachment attachmentOf(const QString& key, QPDFObjectHandle entry)
{
    QString name = QString::fromStdString(QPDFFileSpecObjectHelper(entry).getFilename());
    return {name.isEmpty() ? key : name, entry};
}

// Every file the PDF attaches: its name tree of embedded files, or where that has none the
// catalog's /AF (associated files), which some writers fill alone. Attachments of pages and
// annotations are not e-invoices by any of the standards. Only dictionaries are taken: qpdf's
// helpers complain on stderr about anything else.
std::vector<Attachment> attachments(QPDF& pdf)
{
    std::vector<Attachment> found;
    QPDFObjectHandle root = pdf.getRoot();
    QPDFObjectHandle tree = root.getKeyIfDict("/Names").getKeyIfDict("/EmbeddedFiles");
    if (tree.isDictionary())
        // Never repaired: a received file is read, not changed.
        for (auto [key, entry] : QPDFNameTreeObjectHelper(tree, pdf, false))
            if (entry.isDictionary())
                found.push_back(attachmentOf(QString::fromStdString(key), entry));
    if (!found.empty())
        return found;
    QPDFObjectHandle associated = root.getKeyIfDict("/AF");
    if (associated.isArray())
        for (QPDFObjectHandle entry : associated.aitems())
            if (entry.isDictionary())
                found.push_back(attachmentOf(QString(), entry));
    return found;
}

bool named(const Attachment& a, const char* name)
{
    return a.name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// The attachment that is the e-invoice, or a Failure saying why there is none.
Result<Attachment> invoiceAttachment(const std::vector<Attachment>& all)
{
    for (const char* name : kKnownNames)
        for (const Attachment& a : all)
            if (named(a, name))
                return a;
    std::vector<Attachment> xml;
    for (const Attachment& a : all)
        if (a.name.endsWith(QLatin1String(".xml"), Qt::CaseInsensitive))
            xml.push_back(a);
    if (xml.size() == 1)
        return xml.front();
    if (xml.empty())
        return Failure{QCoreApplication::translate(
            "FacturX", "This PDF carries no e-invoice (no factur-x.xml or other XML attached).")};
    return Failure{QCoreApplication::translate(
        "FacturX", "This PDF carries several XML attachments and none is named as an e-invoice "
                   "(factur-x.xml).")};
}

QString damaged()
{
    return QCoreApplication::translate(
        "FacturX", "The e-invoice attached to this PDF is damaged and cannot be read.");
}

QString tooLarge()
{
    return QCoreApplication::translate("FacturX",
                                       "The e-invoice attached to this PDF is larger than %1 MB; "
                                       "it was not read.")
        .arg(kMaxXmlBytes / (1024 * 1024));
}

Result<QByteArray> decoded(const Attachment& attachment)
{
    QPDFFileSpecObjectHelper entry(attachment.entry);
    QPDFObjectHandle stream = entry.getEmbeddedFileStream();
    if (!stream.isStream())
        return Failure{damaged()};
    // The size the file states, when it states one, refuses a large file before any decoding.
    QPDFObjectHandle size = stream.getDict().getKey("/Params").getKeyIfDict("/Size");
    if (size.isInteger() && size.getIntValue() > kMaxXmlBytes)
        return Failure{tooLarge()};
    CappedSink sink(kMaxXmlBytes);
    bool attempted = false;
    bool ok = false;
    try {
        ok = stream.pipeStreamData(&sink, &attempted, 0, qpdf_dl_generalized, true);
    } catch (const std::exception&) {
        ok = false;
    }
    if (sink.overflowed)
        return Failure{tooLarge()};
    // Not attempted: a filter qpdf does not decode, so the bytes are not the file's.
    if (!ok || !attempted)
        return Failure{damaged()};
    return sink.bytes;
}

Result<QByteArray> read(const QByteArray& bytes)
{
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    // A received PDF is often a little damaged (an edit left its cross-reference table wrong);
    // qpdf rebuilds that by scanning the file. What it finds is still only taken when the
    // attachment decodes whole, and the XML reader checks it after.
    pdf.setAttemptRecovery(true);
    pdf.processMemoryFile("received PDF", bytes.constData(), size_t(bytes.size()));
    const Result<Attachment> attachment = invoiceAttachment(attachments(pdf));
    if (!attachment)
        return Failure{attachment.error()};
    return decoded(*attachment);
}

} // namespace

Result<QByteArray> embeddedXml(const QByteArray& pdf)
{
    if (pdf.size() > kMaxPdfBytes)
        return Failure{QCoreApplication::translate(
                           "FacturX", "This PDF is larger than %1 MB, more than any e-invoice "
                                      "needs; it was not read.")
                           .arg(kMaxPdfBytes / (1024 * 1024))};
    // A PDF's header lies within its first 1024 bytes.
    if (!pdf.left(1024).contains("%PDF-"))
        return Failure{QCoreApplication::translate("FacturX", "This file is not a PDF.")};
    try {
        return read(pdf);
    } catch (const QPDFExc& e) {
        if (e.getErrorCode() == qpdf_e_password)
            return Failure{QCoreApplication::translate(
                "FacturX", "This PDF is protected by a password and cannot be read.")};
    } catch (...) {
    }
    return Failure{
        QCoreApplication::translate("FacturX", "This PDF is damaged and cannot be read.")};
}

} // namespace FacturX
