// The <identity>.dat reader on any bytes; what it reads is written again.
#include "layout/IdentityLayoutFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QString error;
    if (const std::optional<LayoutRecord> record = IdentityLayoutFile::decode(bytes, &error))
        (void)IdentityLayoutFile::encode(*record);
    return 0;
}
