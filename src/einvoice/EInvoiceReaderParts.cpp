#include "einvoice/EInvoiceReaderParts.h"

#include "einvoice/EInvoiceReader.h"
#include "einvoice/XmlNamespaces.h"

#include <QXmlStreamReader>

namespace ReceivedXml {
namespace {

// The syntax a root element names, or a Failure for any other XML.
Result<Syntax> syntaxOf(const QXmlStreamReader& xml)
{
    const QStringView name = xml.name();
    const QStringView space = xml.namespaceUri();
    if (name == u"CrossIndustryInvoice" && space == XmlNamespaces::kCiiInvoice)
        return Syntax::Cii;
    if (name == u"Invoice" && space == XmlNamespaces::kUblInvoice)
        return Syntax::UblInvoice;
    if (name == u"CreditNote" && space == XmlNamespaces::kUblCreditNote)
        return Syntax::UblCreditNote;
    return Failure{
        QCoreApplication::translate("EInvoiceReader",
                                    "The file is XML but no e-invoice: its root element is %1.")
            .arg(quoted(xml.qualifiedName().toString()))};
}

// What the readers keep of the XML and how much of it they read.
XmlTree::Limits limits()
{
    XmlTree::Limits l;
    l.maxElements = EInvoiceReader::kMaxElements;
    l.maxDepth = EInvoiceReader::kMaxDepth;
    l.keptAttributes = {QStringLiteral("schemeID"), QStringLiteral("unitCode"),
                        QStringLiteral("currencyID")};
    l.tooMany = QCoreApplication::translate(
                    "EInvoiceReader",
                    "The e-invoice has more than %L1 elements, more than Billcraft reads.")
                    .arg(EInvoiceReader::kMaxElements);
    l.tooDeep = QCoreApplication::translate("EInvoiceReader",
                                            "The e-invoice nests its elements more than %1 deep, "
                                            "more than Billcraft reads.")
                    .arg(EInvoiceReader::kMaxDepth);
    l.entities = QCoreApplication::translate(
        "EInvoiceReader", "The e-invoice declares entities, and e-invoices have none: it is not "
                          "read.");
    return l;
}

} // namespace

Result<Document> parse(const QByteArray& bytes)
{
    if (bytes.size() > EInvoiceReader::kMaxXmlBytes)
        return Failure{QCoreApplication::translate(
                           "EInvoiceReader",
                           "The e-invoice's XML is larger than %L1 MB, more than Billcraft reads.")
                           .arg(EInvoiceReader::kMaxXmlBytes / (1024 * 1024))};
    QXmlStreamReader xml(bytes);
    Document document;
    bool rootSeen = false;
    while (!xml.atEnd() && !xml.hasError()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD)
            return Failure{QCoreApplication::translate(
                "EInvoiceReader", "The file declares a DTD, and e-invoices have none: it is not "
                                  "read.")};
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (rootSeen) { // a second root
            xml.raiseError(QStringLiteral("Extra content at end of document."));
            break;
        }
        rootSeen = true;
        const Result<Syntax> syntax = syntaxOf(xml);
        if (!syntax)
            return Failure{syntax.error()};
        document.syntax = *syntax;
        const XmlTree::Limits allowed = limits();
        document.root = XmlTree::opened(xml, allowed.keptAttributes);
        if (const Status read = XmlTree::readElements(xml, document.root, allowed); !read)
            return Failure{read.error()};
    }
    if (!rootSeen)
        return Failure{QCoreApplication::translate(
            "EInvoiceReader", "The file is neither a PDF nor XML, so it is no e-invoice.")};
    if (xml.hasError())
        return Failure{QCoreApplication::translate("EInvoiceReader",
                                                   "The e-invoice's XML is damaged at line %1: %2")
                           .arg(xml.lineNumber())
                           .arg(elided(xml.errorString()))};
    return document;
}

Money Terms::amount(const Node* node)
{
    if (!node)
        return {};
    if (const std::optional<Money> value = Money::parse(node->text))
        return *value;
    fault(
        tr("The e-invoice's amount %1 in %2 is not a number.").arg(quoted(node->text), node->name));
    return {};
}

QDate Terms::ciiDate(const Node* node)
{
    if (!node)
        return {};
    const QString text = node->textAt(u"DateTimeString");
    const QDate date =
        text.size() == 8 ? QDate::fromString(text, QStringLiteral("yyyyMMdd")) : QDate();
    if (!date.isValid())
        fault(tr("The e-invoice's date %1 in %2 is not a date.").arg(quoted(text), node->name));
    return date;
}

QDate Terms::ublDate(const Node* node)
{
    if (!node)
        return {};
    // xsd:date may carry a time zone ("2013-04-10Z", "2013-04-10+01:00"); the day is enough.
    const QString day = node->text.left(10);
    const QDate date = QDate::fromString(day, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() || (node->text.size() > 10 && node->text[10].isDigit()))
        fault(
            tr("The e-invoice's date %1 in %2 is not a date.").arg(quoted(node->text), node->name));
    return date;
}

EInvoice::VatCategory Terms::category(const Node* node)
{
    EInvoice::VatCategory category = EInvoice::VatCategory::Standard;
    if (node && !EInvoice::categoryFromCode(node->text, &category))
        fault(tr("The e-invoice's VAT category %1 in %2 is not one Billcraft knows.")
                  .arg(quoted(node->text), node->name));
    return category;
}

int Terms::code(const Node* node, int fallback)
{
    if (!node)
        return fallback;
    bool ok = false;
    const int value = node->text.toInt(&ok);
    if (!ok || value < 0)
        fault(tr("The e-invoice's code %1 in %2 is not a number.")
                  .arg(quoted(node->text), node->name));
    return ok ? value : fallback;
}

void Terms::require(const Node* node, const char* term)
{
    if (!node || node->text.isEmpty())
        m_missing << tr(term);
}

void Terms::limitLines(std::size_t count)
{
    if (count > std::size_t(EInvoiceReader::kMaxLines))
        fault(tr("The e-invoice has more than %L1 lines, more than Billcraft reads.")
                  .arg(EInvoiceReader::kMaxLines));
}

void Terms::fault(const QString& message)
{
    if (m_fault.isEmpty())
        m_fault = message;
}

Result<EInvoice::Invoice> Terms::result(EInvoice::Invoice invoice) const
{
    if (!m_fault.isEmpty())
        return Failure{m_fault};
    if (!m_missing.isEmpty())
        return Failure{tr("The e-invoice lacks its %1.").arg(m_missing.join(QLatin1String(", ")))};
    return invoice;
}

QString elided(const QString& text, qsizetype longest)
{
    QString shown = text.simplified();
    if (shown.size() > longest)
        shown = shown.left(longest - 1) + QChar(0x2026); // …
    return shown;
}

QString quoted(const QString& text)
{
    return u'"' + elided(text, 40) + u'"';
}

} // namespace ReceivedXml
