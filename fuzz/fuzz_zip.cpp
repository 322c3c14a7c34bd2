// The one-entry zip extraction of a restore or an update on any bytes. libzip reads from a
// file, so each input is written to one scratch file first; the entry goes to another.
#include "core/ZipArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QString scratch(const char* name)
{
    return QDir::temp().filePath(
        QStringLiteral("billcraft-fuzz-zip-%1-%2").arg(QCoreApplication::applicationPid()).arg(
            QLatin1String(name)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Removed when the fuzzer exits.
    static const struct Scratch {
        QString archive = scratch("in.zip");
        QString entry = scratch("Accounts.mdb");
        ~Scratch()
        {
            QFile::remove(archive);
            QFile::remove(entry);
        }
    } files;
    const QString& archive = files.archive;
    const QString& entry = files.entry;
    QFile file(archive);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();
    ZipArchive::ExtractLimits limits;
    limits.maxBytes = 1 << 20; // a bomb is refused, never unpacked
    (void)ZipArchive::extractOne(archive, QStringLiteral("accounts.MDB"), entry, limits);
    (void)ZipArchive::entryNames(archive);
    return 0;
}
