#pragma once

#include "core/Result.h"
#include "einvoice/EInvoice.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

// Reads an e-invoice received from a supplier: a Factur-X / ZUGFeRD PDF (through its embedded
// XML), CII XML (Factur-X, XRechnung) or UBL 2.1 Invoice and CreditNote XML, into the EN 16931
// model. The bytes come from strangers: no DTD is accepted (so no entity is ever expanded or
// fetched), sizes, nesting and line counts are limited, and every refusal is one line for the
// user. Nothing is written anywhere.
class EInvoiceReader {
    Q_DECLARE_TR_FUNCTIONS(EInvoiceReader)
public:
    static constexpr qint64 kMaxFileBytes = 20 * 1024 * 1024; // a PDF with its pictures
    static constexpr qsizetype kMaxXmlBytes = 10 * 1024 * 1024;
    static constexpr int kMaxDepth = 64;         // elements inside elements
    static constexpr int kMaxElements = 200'000; // about 150 per line at the most lines
    static constexpr int kMaxLines = 1'000;      // invoice lines (BG-25)

    // The invoice the bytes hold and the syntax it came in. Amounts are read as plain decimals
    // ('.' as the point); a malformed amount or date, or a missing invoice number (BT-1), issue
    // date (BT-2), seller's name (BT-27), total without VAT (BT-109) or total with VAT
    // (BT-112), is a Failure naming it.
    static Result<EInvoice::Read> read(const QByteArray& bytes);
    // The same for a file, refused unread when it is larger than kMaxFileBytes.
    static Result<EInvoice::Read> readFile(const QString& path);

    // What `--read-einvoice` prints, one term a line: seller, number, issue date (yyyy-MM-dd),
    // total without VAT, VAT and total with VAT as stated, as plain decimals with two places.
    static QStringList summaryLines(const EInvoice::Read& read);

    // True for the document types (UNTDID 1001) that EN 16931 counts as credit notes.
    static bool isCreditNote(int typeCode);
    // "XRechnung (CII)", "UBL 2.1": how the page names the syntax.
    static QString formatName(EInvoice::Format format);
};
