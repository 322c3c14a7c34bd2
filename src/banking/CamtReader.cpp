#include "banking/CamtReader.h"

#include "banking/StatementReading.h"
#include "core/XmlTree.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <vector>

namespace CamtReader {
namespace {

constexpr int kMaxDepth = 32;
constexpr int kMaxNodeElements = 200'000; // one entry with a large batch
const QRegularExpression
    kNamespace(QStringLiteral("^urn:iso:std:iso:20022:tech:xsd:camt\\.053\\.001\\.(\\d\\d)$"));
constexpr int kFirstVersion = 2;
constexpr int kLastVersion = 8;

// One element of an account or entry, with the currency attribute (Ccy) of amounts.
using Node = XmlNode;

// The element whose start the reader is at, with everything inside it.
Result<Node> readNode(QXmlStreamReader& xml, int depth)
{
    XmlTree::Limits limits;
    limits.maxElements = kMaxNodeElements;
    limits.maxDepth = kMaxDepth;
    limits.depth = depth;
    limits.keptAttributes = {QStringLiteral("Ccy")};
    limits.tooMany = limits.tooDeep = QCoreApplication::translate(
        "StatementFiles", "an entry is larger or deeper than a statement's entries are.");
    limits.entities = QCoreApplication::translate(
        "StatementFiles", "the XML declares entities, which statements have none of.");
    Node root = XmlTree::opened(xml, limits.keptAttributes);
    if (const Status read = XmlTree::readElements(xml, root, limits); !read)
        return Failure{read.error()};
    return root;
}

Result<Money> amountOf(const Node* node)
{
    static const QRegularExpression plain(QStringLiteral("^\\d{1,14}(\\.\\d{1,5})?$"));
    // 14 digits before the point always fit the count of ten-thousandths.
    if (!node || !plain.match(node->text).hasMatch() || !Money::parse(node->text))
        return Failure{
            QCoreApplication::translate("StatementFiles", "an entry's amount \"%1\" is no amount.")
                .arg(node ? node->text.left(40) : QString())};
    return *Money::parse(node->text);
}

Result<QDate> dateOf(const Node& entry)
{
    for (const QString& path : {QStringLiteral("BookgDt/Dt"), QStringLiteral("BookgDt/DtTm"),
                                QStringLiteral("ValDt/Dt"), QStringLiteral("ValDt/DtTm")}) {
        const QString text = entry.textAt(path);
        if (text.isEmpty())
            continue;
        const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        if (!date.isValid())
            return Failure{
                QCoreApplication::translate("StatementFiles", "an entry's date \"%1\" is no date.")
                    .arg(text.left(40))};
        return date;
    }
    return Failure{QCoreApplication::translate("StatementFiles", "an entry has no booking date.")};
}

bool isTrue(const QString& text)
{
    return text == u"true" || text == u"1";
}

bool booked(const Node& entry)
{
    const Node* status = entry.child(u"Sts");
    if (!status)
        return true;
    const QString code = status->children.empty() ? status->text : status->textAt(u"Cd");
    return code.isEmpty() || code == u"BOOK";
}

QString usable(const QString& reference)
{
    return reference == u"NOTPROVIDED" || reference == u"NONREF" ? QString() : reference;
}

// The payer's name of a credit, the payee's of a debit: Dbtr/Nm in .02, Dbtr/Pty/Nm later.
QString counterpartyOf(const Node* transaction, bool credit)
{
    if (!transaction)
        return {};
    const QString party =
        credit ? QStringLiteral("RltdPties/Dbtr") : QStringLiteral("RltdPties/Cdtr");
    const QString name = transaction->textAt(party + QStringLiteral("/Nm"));
    return name.isEmpty() ? transaction->textAt(party + QStringLiteral("/Pty/Nm")) : name;
}

QString remittanceOf(const Node* transaction)
{
    const Node* info = transaction ? transaction->child(u"RmtInf") : nullptr;
    if (!info)
        return {};
    QStringList parts;
    for (const Node* line : info->all(u"Ustrd"))
        parts << line->text;
    for (const Node* structured : info->all(u"Strd"))
        parts << structured->textAt(u"CdtrRefInf/Ref");
    parts.removeAll(QString());
    return parts.join(u' ').simplified();
}

struct EntryParts {
    QDate bookedOn;
    bool credit = true;
    bool reversal = false;
    QString reference;
};

// One statement entry for one transaction of `entry` (null: the entry has no details).
Result<StatementEntry> entryFor(const Node& entry, const EntryParts& parts, const Node* tx,
                                bool batch, int index)
{
    StatementEntry out;
    out.bookedOn = parts.bookedOn;
    const Node* amount = entry.child(u"Amt");
    const QString direction = tx ? tx->textAt(u"CdtDbtInd") : QString();
    out.credit = direction.isEmpty() ? parts.credit : direction == u"CRDT";
    if (batch) {
        amount = tx->at(u"AmtDtls/TxAmt/Amt");
        if (!amount)
            amount = tx->child(u"Amt");
        if (!amount)
            amount = tx->at(u"AmtDtls/InstdAmt/Amt");
    }
    const Result<Money> money = amountOf(amount);
    if (!money)
        return Failure{money.error()};
    out.amount = *money;
    out.currency = amount->attribute(u"Ccy");
    out.remittance = remittanceOf(tx);
    out.counterparty = counterpartyOf(tx, out.credit);
    out.credit = out.credit && !parts.reversal;
    const QString txRef = tx ? usable(tx->textAt(u"Refs/AcctSvcrRef")) : QString();
    if (!batch)
        out.bankRef = !parts.reference.isEmpty() ? parts.reference : txRef;
    else if (!txRef.isEmpty() && txRef != parts.reference)
        out.bankRef = txRef;
    else if (!parts.reference.isEmpty())
        out.bankRef = parts.reference + u'/' + QString::number(index + 1);
    return out;
}

Status addEntries(const Node& entry, Statement& statement, StatementReading::MadeReferences& made)
{
    if (!booked(entry))
        return Done{};
    const Result<QDate> date = dateOf(entry);
    if (!date)
        return Failure{date.error()};
    const QString direction = entry.textAt(u"CdtDbtInd");
    if (direction != u"CRDT" && direction != u"DBIT")
        return Failure{QCoreApplication::translate("StatementFiles",
                                                   "an entry is neither a credit nor a debit.")};
    EntryParts parts{*date, direction == u"CRDT", isTrue(entry.textAt(u"RvslInd")),
                     usable(entry.textAt(u"AcctSvcrRef"))};
    if (parts.reference.isEmpty())
        parts.reference = usable(entry.textAt(u"NtryRef"));
    std::vector<const Node*> transactions;
    for (const Node* details : entry.all(u"NtryDtls")) {
        for (const Node* tx : details->all(u"TxDtls"))
            transactions.push_back(tx);
    }
    const bool batch = transactions.size() > 1;
    if (transactions.empty())
        transactions.push_back(nullptr);
    for (std::size_t i = 0; i < transactions.size(); ++i) {
        Result<StatementEntry> one = entryFor(entry, parts, transactions[i], batch, int(i));
        if (!one)
            return Failure{one.error()};
        if (one->bankRef.isEmpty())
            one->bankRef = made.next(*one);
        if (statement.entries.size() >= StatementReading::kMaxEntries)
            return Failure{StatementReading::tooManyEntries()};
        statement.entries.append(*one);
    }
    return Done{};
}

Status checkRoot(const QXmlStreamReader& xml)
{
    const QRegularExpressionMatch match = kNamespace.match(xml.namespaceUri());
    if (xml.name() != u"Document" || !match.hasMatch())
        return Failure{
            QCoreApplication::translate("StatementFiles", "it is XML but no camt.053 statement.")};
    const int version = match.captured(1).toInt();
    if (version < kFirstVersion || version > kLastVersion)
        return Failure{QCoreApplication::translate(
                           "StatementFiles",
                           "it is camt.053 version %1, which Billcraft does not read (it reads "
                           "versions 02 to 08).")
                           .arg(match.captured(1))};
    return Done{};
}

} // namespace

bool looksLike(const QByteArray& bytes)
{
    const QByteArray start = bytes.left(4096);
    return start.contains("urn:iso:std:iso:20022:tech:xsd:camt.053.") && start.contains("Document");
}

Result<Statement> read(const QByteArray& bytes)
{
    if (const QString large = StatementReading::tooLarge(bytes.size()); !large.isEmpty())
        return Failure{large};
    QXmlStreamReader xml(bytes);
    Statement statement;
    StatementReading::MadeReferences made;
    QStringList open; // names of the elements the reader is in
    int statements = 0;
    while (!xml.atEnd() && !xml.hasError()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::DTD)
            return Failure{QCoreApplication::translate(
                "StatementFiles", "the XML declares a DTD, which statements have none of.")};
        if (token == QXmlStreamReader::EntityReference)
            return Failure{QCoreApplication::translate(
                "StatementFiles", "the XML declares entities, which statements have none of.")};
        if (token == QXmlStreamReader::EndElement) {
            open.removeLast();
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (open.isEmpty()) {
            if (const Status root = checkRoot(xml); !root)
                return Failure{root.error()};
        } else if (open.size() >= kMaxDepth) {
            return Failure{QCoreApplication::translate(
                "StatementFiles", "the XML nests its elements deeper than a statement does.")};
        }
        const QStringView name = xml.name();
        const bool inStatement = open.size() == 3 && open.last() == u"Stmt";
        if (inStatement && (name == u"Acct" || name == u"Ntry")) {
            Result<Node> node = readNode(xml, int(open.size()));
            if (!node)
                return Failure{node.error()};
            if (xml.hasError())
                break;
            if (node->name == u"Ntry") {
                if (const Status added = addEntries(*node, statement, made); !added)
                    return Failure{added.error()};
            } else if (statement.account.isEmpty()) {
                statement.account = node->textAt(u"Id/IBAN");
                if (statement.account.isEmpty())
                    statement.account = node->textAt(u"Id/Othr/Id");
                statement.currency = node->textAt(u"Ccy");
            }
            continue;
        }
        statements += open.size() == 2 && name == u"Stmt";
        open.append(name.toString());
    }
    if (xml.hasError())
        return Failure{
            QCoreApplication::translate("StatementFiles", "its XML is damaged at line %1: %2")
                .arg(xml.lineNumber())
                .arg(xml.errorString().left(120))};
    if (statements == 0)
        return Failure{QCoreApplication::translate("StatementFiles",
                                                   "the camt.053 document holds no statement.")};
    return statement;
}

} // namespace CamtReader
