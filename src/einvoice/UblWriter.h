#pragma once

#include "einvoice/EInvoice.h"

#include <QByteArray>

// An invoice as an OASIS UBL 2.1 Invoice in the shape of Peppol BIS Billing 3.0.
namespace UblWriter {

// The invoice as UTF-8 XML, or an empty array when it fails EInvoiceRules::check for
// Format::Ubl (which says why): an invoice that breaks the rules is never written.
QByteArray write(const EInvoice::Invoice& invoice);

} // namespace UblWriter
