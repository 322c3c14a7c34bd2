// Reading the e-invoice out of a received PDF (qpdf underneath) on any bytes.
#include "einvoice/FacturX.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray pdf =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)FacturX::embeddedXml(pdf);
    return 0;
}
