// The Jet reader on any bytes, as Billcraft runs it: in the reader program, under limits of
// time and memory, its complaints captured. libmdb goes round for ever or grows without end on
// some damaged pages, so it is the limits that keep each input short. Seeds are the first pages
// of the Jet samples. A sanitizer report from our own reading code in the reader stops the run.
#include "legacy/JetFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Whether the reader's output holds a sanitizer report whose first frames are in our code: a
// report from within libmdb (not instrumented, not ours to fix) does not count.
bool reportsOurFault(const QByteArray& output)
{
    if (output.contains("runtime error:")) // only our code is built with the checks
        return true;
    const qsizetype report = output.indexOf("ERROR: AddressSanitizer");
    if (report < 0)
        return false;
    const QList<QByteArray> lines = output.mid(report).split('\n');
    int frames = 0;
    for (const QByteArray& line : lines) {
        if (!line.trimmed().startsWith('#'))
            continue;
        if (line.contains("MdbSource") || line.contains("JetTransfer") ||
            line.contains("billcraft-jet-reader+"))
            return true;
        if (++frames == 4)
            break;
    }
    return false;
}

} // namespace

// The reader is watched through QProcess, which wants an application object.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Removed when the fuzzer exits.
    static const struct Scratch {
        QString file = QDir::temp().filePath(
            QStringLiteral("billcraft-fuzz-jet-%1.mdb").arg(QCoreApplication::applicationPid()));
        ~Scratch() { QFile::remove(file); }
    } scratch;
    QFile file(scratch.file);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    JetReaderLimits limits;
    limits.cpuSeconds = 2;
    limits.waitMilliseconds = 5000; // within the fuzzer's own -timeout
    QByteArray output;
    Result<std::unique_ptr<JetSource>> source =
        JetFile::open(scratch.file, QStringLiteral(BILLCRAFT_JET_READER), {}, limits, &output);
    if (reportsOurFault(output)) {
        std::fwrite(output.constData(), 1, size_t(output.size()), stderr);
        std::abort();
    }
    if (!source)
        return 0;
    for (const QString& name : (*source)->tables()) {
        Result<std::unique_ptr<JetTable>> table = (*source)->table(name);
        if (!table)
            continue;
        QVariantList row;
        for (Result<bool> more = (*table)->next(row); more && *more; more = (*table)->next(row)) {
        }
    }
    return 0;
}
