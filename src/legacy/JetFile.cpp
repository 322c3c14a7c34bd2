#include "legacy/JetFile.h"

#include "legacy/JetTransfer.h"
#include "legacy/MdbSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <sys/resource.h>

#if defined(__SANITIZE_ADDRESS__)
#define BILLCRAFT_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BILLCRAFT_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

// The tail of the reader's complaints kept for the caller; libmdb can print pages of them.
constexpr qsizetype kOutputKept = 64 * 1024;

void keepTail(QByteArray& kept, const QByteArray& more)
{
    kept += more;
    if (kept.size() > kOutputKept)
        kept.remove(0, kept.size() - kOutputKept);
}

// Sets up the reader for `path` under `limits`: its arguments, and the limits the child puts
// on itself before it runs.
void prepareReader(QProcess& process, const QString& path, const QString& reader,
                   const QStringList& tables, const JetReaderLimits& limits)
{
    process.setProgram(reader);
    process.setArguments(QStringList{path} + tables);
    process.setStandardInputFile(QProcess::nullDevice());
#ifdef BILLCRAFT_ADDRESS_SANITIZER
    // The sanitizer reserves far more address space than any limit allows; it bounds the
    // reader's memory itself instead.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS")) +
                           QStringLiteral(":hard_rss_limit_mb=%1").arg(limits.memoryBytes >> 20));
    process.setProcessEnvironment(environment);
#endif
    const int cpuSeconds = limits.cpuSeconds;
    const qint64 memoryBytes = limits.memoryBytes;
    process.setChildProcessModifier([cpuSeconds, memoryBytes] {
        // Runs in the child between fork and exec: system calls only.
        const rlim_t cpu = rlim_t(cpuSeconds);
        const rlimit cpuLimit{cpu, cpu + 1}; // SIGXCPU, then SIGKILL a second later
        setrlimit(RLIMIT_CPU, &cpuLimit);
#ifndef BILLCRAFT_ADDRESS_SANITIZER
        const rlimit memory{rlim_t(memoryBytes), rlim_t(memoryBytes)};
        setrlimit(RLIMIT_AS, &memory);
#else
        (void)memoryBytes;
#endif
        const rlimit none{0, 0};
        setrlimit(RLIMIT_CORE, &none);  // a reader stopped on a damaged file leaves no core
        setrlimit(RLIMIT_FSIZE, &none); // and writes no file: it only reads and hands over
    });
}

// Collects the started reader's output until it ends, or kills it past a limit or when it is
// no longer wanted. Returns why it was stopped (empty when it ended by itself).
QString collect(QProcess& process, const JetReaderLimits& limits, QByteArray& data,
                QByteArray& complaints)
{
    QElapsedTimer clock;
    clock.start();
    QString stoppedBecause;
    for (;;) {
        const bool finished = process.waitForFinished(100);
        data += process.readAllStandardOutput();
        keepTail(complaints, process.readAllStandardError());
        if (finished || process.state() == QProcess::NotRunning)
            return {};
        if (clock.elapsed() > limits.waitMilliseconds)
            stoppedBecause =
                QCoreApplication::translate("JetFile", "reading it took more than %1 seconds")
                    .arg(limits.waitMilliseconds / 1000);
        else if (data.size() > limits.outputBytes)
            stoppedBecause = QCoreApplication::translate("JetFile", "it yields more than %1 MB")
                                 .arg(limits.outputBytes >> 20);
        else if (limits.stillWanted && !limits.stillWanted())
            stoppedBecause = QCoreApplication::translate("JetFile", "its reading was cancelled");
        if (!stoppedBecause.isEmpty()) {
            process.kill();
            process.waitForFinished(-1);
            return stoppedBecause;
        }
    }
}

} // namespace

namespace JetFile {

QString installedReader()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(kReaderName);
}

Result<std::unique_ptr<JetSource>> open(const QString& path, const QString& reader,
                                        const QStringList& tables, const JetReaderLimits& limits,
                                        QByteArray* output)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (const Status checked = MdbSource::check(path); !checked)
        return Failure{checked.error()};

    QProcess process;
    prepareReader(process, path, reader, tables, limits);
    process.start();
    if (!process.waitForStarted())
        return Failure{
            QCoreApplication::translate(
                "JetFile", "%1 cannot be read: the Jet reader %2 cannot be started (%3).")
                .arg(shown, QDir::toNativeSeparators(reader), process.errorString())};

    QByteArray data;
    QByteArray complaints;
    QString stoppedBecause = collect(process, limits, data, complaints);
    if (output)
        *output = complaints;

    JetTransfer::Cut cut;
    Result<std::unique_ptr<JetSource>> source = JetTransfer::read(data, cut);
    if (source || !cut.cut)
        return source;
    if (stoppedBecause.isEmpty())
        stoppedBecause = process.exitStatus() == QProcess::CrashExit
                             ? QCoreApplication::translate(
                                   "JetFile", "its reading was stopped at the limit of time or "
                                              "memory, or failed")
                             : QCoreApplication::translate("JetFile", "its reading failed");
    if (cut.table.isEmpty())
        return Failure{
            QCoreApplication::translate("JetFile", "%1 cannot be read; the file is damaged (%2).")
                .arg(shown, stoppedBecause)};
    return Failure{QCoreApplication::translate(
                       "JetFile", "%1: the table %2 cannot be read; the file is damaged (%3).")
                       .arg(shown, cut.table, stoppedBecause)};
}

} // namespace JetFile
