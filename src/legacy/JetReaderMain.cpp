// billcraft-jet-reader FILE [TABLE...]: reads a Jet file with libmdb and hands its tables to
// Billcraft on stdout (see JetTransfer). Billcraft runs it under limits of time and memory, so
// a damaged file that makes libmdb loop or grow stops here, not in the program.
#include "legacy/JetTransfer.h"

#include <QFile>
#include <QStringList>
#include <cstdio>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: billcraft-jet-reader FILE [TABLE...]\n");
        return 2;
    }
    // libmdb prints hex dumps of damaged pages on stdout: stdout becomes the complaints channel
    // (stderr), and the tables go out on the stream that was stdout.
    std::fflush(stdout);
    const int tables = ::dup(STDOUT_FILENO);
    if (tables < 0 || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        std::perror("billcraft-jet-reader");
        return 2;
    }
    QFile out;
    if (!out.open(tables, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        std::fprintf(stderr, "billcraft-jet-reader: %s\n", qPrintable(out.errorString()));
        return 2;
    }
    QStringList wanted;
    for (int i = 2; i < argc; ++i)
        wanted << QString::fromUtf8(argv[i]);
    JetTransfer::write(out, QFile::decodeName(argv[1]), wanted);
    out.close();
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
