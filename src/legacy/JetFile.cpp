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
    const JetReaderLimits bounds = limits;
    process.setChildProcessModifier([bounds] {
        // Runs in the child between fork and exec: system calls only.
        const rlim_t cpu = rlim_t(bounds.cpuSeconds);
        const rlimit cpuLimit{cpu, cpu + 1}; // SIGXCPU, then SIGKILL a second later
        setrlimit(RLIMIT_CPU, &cpuLimit);
#ifndef BILLCRAFT_ADDRESS_SANITIZER
        const rlimit memory{rlim_t(bounds.memoryBytes), rlim_t(bounds.memoryBytes)};
        setrlimit(RLIMIT_AS, &memory);
#endif
        const rlimit none{0, 0};
        setrlimit(RLIMIT_CORE, &none);  // a reader stopped on a damaged file leaves no core
        setrlimit(RLIMIT_FSIZE, &none); // and writes no file: it only reads and hands over
    });
    process.start();
    if (!process.waitForStarted())
        return Failure{QStringLiteral("%1 cannot be read: the Jet reader %2 cannot be started "
                                      "(%3).")
                           .arg(shown, QDir::toNativeSeparators(reader), process.errorString())};

    QByteArray data;
    QByteArray complaints;
    QString stoppedBecause;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const bool finished = process.waitForFinished(100);
        data += process.readAllStandardOutput();
        keepTail(complaints, process.readAllStandardError());
        if (finished || process.state() == QProcess::NotRunning)
            break;
        if (clock.elapsed() > limits.waitMilliseconds)
            stoppedBecause = QStringLiteral("reading it took more than %1 seconds")
                                 .arg(limits.waitMilliseconds / 1000);
        else if (data.size() > limits.outputBytes)
            stoppedBecause =
                QStringLiteral("it yields more than %1 MB").arg(limits.outputBytes >> 20);
        if (!stoppedBecause.isEmpty()) {
            process.kill();
            process.waitForFinished(-1);
            break;
        }
    }
    if (output)
        *output = complaints;

    JetTransfer::Cut cut;
    Result<std::unique_ptr<JetSource>> source = JetTransfer::read(data, cut);
    if (source || !cut.cut)
        return source;
    if (stoppedBecause.isEmpty())
        stoppedBecause = process.exitStatus() == QProcess::CrashExit
                             ? QStringLiteral("its reading was stopped at the limit of time or "
                                              "memory, or failed")
                             : QStringLiteral("its reading failed");
    if (cut.table.isEmpty())
        return Failure{QStringLiteral("%1 cannot be read; the file is damaged (%2).")
                           .arg(shown, stoppedBecause)};
    return Failure{QStringLiteral("%1: the table %2 cannot be read; the file is damaged (%3).")
                       .arg(shown, cut.table, stoppedBecause)};
}

} // namespace JetFile
