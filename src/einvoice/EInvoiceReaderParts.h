#pragma once

// The pieces the CII and UBL readers share: the received XML as a small tree of elements, and
// the reading of its terms with the first fault remembered. Used by EInvoiceReader only.

#include "core/Result.h"
#include "core/XmlTree.h"
#include "einvoice/EInvoice.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>
#include <QStringView>
#include <utility>
#include <vector>

namespace ReceivedXml {

// One element of the received XML, with the attributes the readers use (schemeID, unitCode,
// currencyID).
using Node = XmlNode;

enum class Syntax { Cii, UblInvoice, UblCreditNote };

struct Document {
    Syntax syntax = Syntax::Cii;
    Node root;
};

// The XML as a tree, refused (one line each) when it declares a DTD, is not well-formed, is
// larger, deeper or has more elements than EInvoiceReader allows, or its root is no e-invoice.
Result<Document> parse(const QByteArray& xml);

// Reads terms off the tree into the model. Absent optional terms are left empty; the first
// malformed amount, date or code is kept as the failure, and required terms that are absent are
// listed, so that one message names them all.
class Terms {
    Q_DECLARE_TR_FUNCTIONS(EInvoiceReader)
public:
    // An amount as a plain decimal; zero when the element is absent.
    Money amount(const Node* node);
    Money amountAt(const Node& parent, QStringView path) { return amount(parent.at(path)); }
    // CII dates: yyyyMMdd (format 102). UBL dates: yyyy-MM-dd, any time zone ignored.
    QDate ciiDate(const Node* node);
    QDate ublDate(const Node* node);
    // A VAT category code (BT-118, BT-151); Standard when absent.
    EInvoice::VatCategory category(const Node* node);
    // A whole number such as a type or means code; `fallback` when absent.
    int code(const Node* node, int fallback);

    // Notes `term` ("invoice number (BT-1)") as missing when `node` is null or empty.
    void require(const Node* node, const char* term);
    // Fails when the invoice has more lines than EInvoiceReader allows.
    void limitLines(std::size_t count);

    // The invoice, or the first fault, or the missing terms in one message.
    Result<EInvoice::Invoice> result(EInvoice::Invoice invoice) const;

    // Captions of the required terms, translated at use.
    static constexpr const char* kNumber = QT_TR_NOOP("invoice number (BT-1)");
    static constexpr const char* kIssueDate = QT_TR_NOOP("issue date (BT-2)");
    static constexpr const char* kSellerName = QT_TR_NOOP("seller's name (BT-27)");
    static constexpr const char* kTaxBasis = QT_TR_NOOP("total without VAT (BT-109)");
    static constexpr const char* kGrandTotal = QT_TR_NOOP("total with VAT (BT-112)");

private:
    void fault(const QString& message);

    QString m_fault;
    QStringList m_missing;
};

// A stranger's text as it may stand inside a one-line message: blanks simplified, at most
// `longest` characters; quoted() also puts it in quotes, at most 40 characters.
QString elided(const QString& text, qsizetype longest = 120);
QString quoted(const QString& text);

// The two syntaxes. The root has been checked by parse().
Result<EInvoice::Invoice> readCii(const Node& root);
Result<EInvoice::Invoice> readUbl(const Node& root, bool creditNote);

} // namespace ReceivedXml
