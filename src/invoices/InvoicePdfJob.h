#pragma once

#include "core/Result.h"
#include "printing/InvoicePage.h"

#include <QString>
#include <functional>
#include <optional>

class Database;
class LocaleText;

// Writes one invoice as PDF without a window, for scripts: `billcraft --invoice-pdf`.
struct InvoicePdfRequest {
    QString dataFolder;
    QString invoiceNumber; // as listed: "0124"
    QString outFile;
    std::optional<int> identity; // the lowest-numbered identity when not given
};

namespace InvoicePdfJob {

// The invoice a request names, as the identity's layout prints it.
struct Found {
    InvoiceSheet sheet;
    LayoutRecord record;
    InvoicePage::Layout layout;
};

// Opens the data folder's database (refusing, without creating anything, when there is none),
// finds the identity's invoice of that number, lays it out as the identity's layout file says
// (the default layout when the file is missing; a damaged file is an error) and hands it to
// `use`. A Failure carries one line for the user. Needs a QGuiApplication, for fonts.
Status withInvoice(const InvoicePdfRequest& request, const LocaleText& locale,
                   const std::function<Status(Database&, const Found&)>& use);

// Writes the invoice withInvoice() finds as PDF to the request's file; after a Failure nothing
// has been written.
Status run(const InvoicePdfRequest& request, const LocaleText& locale);

} // namespace InvoicePdfJob
