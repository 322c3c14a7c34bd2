#pragma once

#include "einvoice/EInvoice.h"

#include <QByteArray>

// An invoice as UN/CEFACT Cross Industry Invoice D16B XML: the syntax of Factur-X / ZUGFeRD
// (profile EN 16931) and of XRechnung.
namespace CiiWriter {

enum class Profile {
    FacturXEn16931, // BT-24 urn:cen.eu:en16931:2017
    XRechnung,      // BT-24 ...#compliant#urn:xeinkauf.de:kosit:xrechnung_3.0
};

// The guideline identifier (BT-24) each profile writes.
QString guidelineId(Profile profile);

// The invoice as UTF-8 XML, or an empty array when it fails EInvoiceRules::check for the
// profile's format (which says why): an invoice that breaks the rules is never written.
QByteArray write(const EInvoice::Invoice& invoice, Profile profile);

} // namespace CiiWriter
