#pragma once

#include "legacy/JetSource.h"

#include <QByteArray>
#include <QStringList>
#include <functional>

// Bounds on the process that reads a Jet file. libmdb, the library that reads it, can loop for
// ever, grow without end or print on stdout when a page is damaged, and a file from an old
// computer is untrusted input: so it is read in a process of its own, which these bound.
struct JetReaderLimits {
    int cpuSeconds = 15;                     // processor time of the reader
    qint64 memoryBytes = qint64(512) << 20;  // its address space
    int waitMilliseconds = 30'000;           // from its start to its end
    qint64 outputBytes = qint64(1024) << 20; // what it may hand over
    // Asked about every 100 ms while the reader runs; false stops it (a Cancel button).
    std::function<bool()> stillWanted{};
};

namespace JetFile {

// The reader program's file name; it is installed beside billcraft.
inline const QString kReaderName = QStringLiteral("billcraft-jet-reader");

// The reader beside the running program.
QString installedReader();

// The tables of the Jet file `path` (those named in `tables`, in any letter case, or all when
// it is empty), read by the program `reader` under `limits`. The file is refused before any
// reading when it is no regular file, is too short or has another format; a file the reader
// cannot finish ends in one message that names the file and, where known, the table. The
// reader's own output (libmdb's complaints) is kept out of the terminal and, when `output` is
// given, handed back there.
Result<std::unique_ptr<JetSource>> open(const QString& path, const QString& reader,
                                        const QStringList& tables = {},
                                        const JetReaderLimits& limits = {},
                                        QByteArray* output = nullptr);

} // namespace JetFile
