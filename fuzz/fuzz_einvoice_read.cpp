// The received e-invoice reader on any bytes; what it reads is shown as the page, summed up as
// the command line prints it and made into an expense, as the program does.
#include "core/LocaleText.h"
#include "einvoice/EInvoiceHtml.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/ReceivedExpense.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const LocaleText locale(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Result<EInvoice::Read> read = EInvoiceReader::read(bytes);
    if (!read)
        return 0;
    (void)EInvoiceHtml::page(*read, locale);
    (void)EInvoiceReader::summaryLines(*read);
    (void)ReceivedExpense::fieldsOf(read->invoice);
    return 0;
}
