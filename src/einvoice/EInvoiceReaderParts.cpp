#include "einvoice/EInvoiceReaderParts.h"

#include "einvoice/EInvoiceReader.h"

#include <QXmlStreamReader>

namespace ReceivedXml {
namespace {

const QString kCiiNamespace =
    QStringLiteral("urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100");
const QString kUblInvoiceNamespace =
    QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:Invoice-2");
const QString kUblCreditNoteNamespace =
    QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2");

// The syntax a root element names, or a Failure for any other XML.
Result<Syntax> syntaxOf(const QXmlStreamReader& xml)
{
    const QStringView name = xml.name();
    const QStringView space = xml.namespaceUri();
    if (name == u"CrossIndustryInvoice" && space == kCiiNamespace)
        return Syntax::Cii;
    if (name == u"Invoice" && space == kUblInvoiceNamespace)
        return Syntax::UblInvoice;
    if (name == u"CreditNote" && space == kUblCreditNoteNamespace)
        return Syntax::UblCreditNote;
    return Failure{
        QCoreApplication::translate("EInvoiceReader",
                                    "The file is XML but no e-invoice: its root element is %1.")
            .arg(quoted(xml.qualifiedName().toString()))};
}

// Only the attributes the readers ask for are kept, so that a file of attributes costs no
// more memory than its size.
Node opened(const QXmlStreamReader& xml)
{
    Node node;
    node.name = xml.name().toString();
    for (const QXmlStreamAttribute& a : xml.attributes()) {
        const QStringView name = a.name();
        if (name == u"schemeID" || name == u"unitCode" || name == u"currencyID")
            node.attributes.emplace_back(name.toString(), a.value().toString());
    }
    return node;
}

// The tokens after the root's start, into `root`. Open elements are kept on a stack of
// pointers: a child is added only to the innermost open element, so no pointer on the stack
// is moved by it.
Status readElements(QXmlStreamReader& xml, Node& root)
{
    std::vector<Node*> open{&root};
    int elements = 1;
    while (!open.empty() && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++elements > EInvoiceReader::kMaxElements)
                return Failure{QCoreApplication::translate(
                                   "EInvoiceReader",
                                   "The e-invoice has more than %L1 elements, more than Billcraft "
                                   "reads.")
                                   .arg(EInvoiceReader::kMaxElements)};
            if (int(open.size()) >= EInvoiceReader::kMaxDepth)
                return Failure{QCoreApplication::translate(
                                   "EInvoiceReader",
                                   "The e-invoice nests its elements more than %1 deep, more "
                                   "than Billcraft reads.")
                                   .arg(EInvoiceReader::kMaxDepth)};
            open.back()->children.push_back(opened(xml));
            open.push_back(&open.back()->children.back());
            break;
        case QXmlStreamReader::Characters:
            open.back()->text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            open.back()->text = open.back()->text.trimmed();
            open.pop_back();
            break;
        case QXmlStreamReader::EntityReference:
            return Failure{QCoreApplication::translate(
                "EInvoiceReader", "The e-invoice declares entities, and e-invoices have none: it "
                                  "is not read.")};
        default:
            break; // comments and processing instructions
        }
    }
    return Done{};
}

} // namespace

const Node* Node::child(QStringView childName) const
{
    for (const Node& c : children) {
        if (c.name == childName)
            return &c;
    }
    return nullptr;
}

const Node* Node::at(QStringView path) const
{
    const Node* node = this;
    for (const QStringView step : path.split(u'/')) {
        if (!(node = node->child(step)))
            return nullptr;
    }
    return node;
}

std::vector<const Node*> Node::all(QStringView childName) const
{
    std::vector<const Node*> found;
    for (const Node& c : children) {
        if (c.name == childName)
            found.push_back(&c);
    }
    return found;
}

QString Node::textAt(QStringView path) const
{
    const Node* node = at(path);
    return node ? node->text : QString();
}

QString Node::attribute(QStringView attributeName) const
{
    for (const auto& [key, value] : attributes) {
        if (key == attributeName)
            return value;
    }
    return {};
}

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
        document.root = opened(xml);
        if (const Status read = readElements(xml, document.root); !read)
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
