#pragma once

#include "core/Result.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Factur-X 1.0 / ZUGFeRD 2.3: an invoice page that is also an e-invoice. The page is PDF/A-3b
// and carries the invoice's CII XML as the attachment "factur-x.xml".
namespace FacturX {

// What the PDF's document information and XMP metadata say about it.
struct Document {
    QString title;     // "Invoice 0124"
    QString author;    // the seller's name
    QString creator;   // "Billcraft - Harbour Joinery"
    QString subject;   // "Invoice 0124 from Harbour Joinery"
    QDateTime created; // the moment it is made; also the attachment's date
    QString conformanceLevel = QStringLiteral("EN 16931"); // the profile of the XML
};

// `pagePdf` as QPdfWriter writes it (in its PDF/A mode, fonts embedded) turned into PDF/A-3b
// with `ciiXml` embedded (/AFRelationship /Alternative), the XMP the standard asks for and an
// sRGB output intent. A Failure carries one line for the user; nothing is written anywhere.
Result<QByteArray> make(const QByteArray& pagePdf, const QByteArray& ciiXml, const Document& doc);

// What a received PDF may weigh, and its e-invoice once decoded: far more than any invoice needs,
// little enough that a hostile file costs nothing to refuse.
inline constexpr qsizetype kMaxPdfBytes = 20 * 1024 * 1024;
inline constexpr qsizetype kMaxXmlBytes = 10 * 1024 * 1024;

// The e-invoice XML a received PDF carries (factur-x.xml, zugferd-invoice.xml, xrechnung.xml,
// or its only XML attachment). A Failure says, in one line, that the PDF cannot be read or
// carries no e-invoice.
Result<QByteArray> embeddedXml(const QByteArray& pdf);

} // namespace FacturX
