// The MT940 statement reader on any bytes.
#include "banking/Mt940Reader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Result<Statement> read = Mt940Reader::read(bytes);
    if (read) {
        for (const StatementEntry& entry : read->entries)
            (void)entry.amount.toPlainString();
    }
    return 0;
}
