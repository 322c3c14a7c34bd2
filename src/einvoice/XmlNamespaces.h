#pragma once

#include <QString>

// The XML namespaces of the two e-invoice syntaxes, shared by the writers and the reader. Each
// is a fixed name its standards body registered: UBL's follow OASIS's URN form
// urn:oasis:names:<type>:ubl:schema:xsd:<document>-2, CII's UN/CEFACT's.
namespace XmlNamespaces {

inline const QString kUblPrefix = QStringLiteral("urn:oasis:names:specification:ubl:schema:xsd:");
inline const QString kUblInvoice = kUblPrefix + QStringLiteral("Invoice-2");
inline const QString kUblCreditNote = kUblPrefix + QStringLiteral("CreditNote-2");
inline const QString kUblAggregates = kUblPrefix + QStringLiteral("CommonAggregateComponents-2");
inline const QString kUblBasics = kUblPrefix + QStringLiteral("CommonBasicComponents-2");

inline const QString kCiiPrefix = QStringLiteral("urn:un:unece:uncefact:data:standard:");
inline const QString kCiiInvoice = kCiiPrefix + QStringLiteral("CrossIndustryInvoice:100");
inline const QString kCiiAggregates =
    kCiiPrefix + QStringLiteral("ReusableAggregateBusinessInformationEntity:100");
inline const QString kCiiUnqualified = kCiiPrefix + QStringLiteral("UnqualifiedDataType:100");
inline const QString kCiiQualified = kCiiPrefix + QStringLiteral("QualifiedDataType:100");

} // namespace XmlNamespaces
