// The ADTG recordset reader (Layout.set, Help.set) on any bytes; what it reads is written again.
#include "layout/Adtg.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    if (const std::optional<AdtgTable> table = Adtg::decode(bytes, &error))
        (void)Adtg::encode(*table);
    return 0;
}
