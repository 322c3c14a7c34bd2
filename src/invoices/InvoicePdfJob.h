#pragma once

#include "core/Result.h"

#include <QString>
#include <optional>

class LocaleText;

// Writes one invoice as PDF without a window, for scripts: `billcraft --invoice-pdf`.
struct InvoicePdfRequest {
    QString dataFolder;
    QString invoiceNumber; // as listed: "0124"
    QString outFile;
    std::optional<int> identity; // the lowest-numbered identity when not given
};

namespace InvoicePdfJob {

// Opens the data folder's database (refusing, without creating anything, when there is none),
// finds the identity's invoice of that number and writes it laid out as the identity's layout
// file says (the default layout when the file is missing; a damaged file is an error). A
// Failure carries one line for the user, and then nothing has been written. Needs a
// QGuiApplication, for fonts.
Status run(const InvoicePdfRequest& request, const LocaleText& locale);

} // namespace InvoicePdfJob
