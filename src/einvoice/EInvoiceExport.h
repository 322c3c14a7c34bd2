#pragma once

#include "core/Result.h"
#include "einvoice/EInvoice.h"
#include "invoices/InvoicePdfJob.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>
#include <optional>

class Database;
class LocaleText;

// An invoice of the books written as an e-invoice: the model read from the books, checked,
// and written in the chosen format (Factur-X on the page exactly as it prints).
namespace EInvoiceExport {

// The format a command line names: "facturx", "xrechnung" or "ubl".
std::optional<EInvoice::Format> formatNamed(const QString& name);
// The name formatNamed() reads back.
QString nameOf(EInvoice::Format format);

// The file's bytes. A Failure carries one line for the user: the first missing term and where
// to enter it, or why the file could not be made.
Result<QByteArray> bytes(Database& db, const InvoicePdfJob::Found& found, const QLocale& locale,
                         EInvoice::Format format, const QDateTime& now);

// The same, written to `path` in one go: a failure leaves any earlier file as it was.
Status write(Database& db, const InvoicePdfJob::Found& found, const QLocale& locale,
             EInvoice::Format format, const QDateTime& now, const QString& path);

// `billcraft --einvoice NUMBER --format F --out FILE`: the request's invoice as an e-invoice.
Status runJob(const InvoicePdfRequest& request, EInvoice::Format format, const LocaleText& locale);

} // namespace EInvoiceExport
