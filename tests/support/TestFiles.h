#pragma once

#include "core/SharedFiles.h"
#include "support/TestEnv.h"

#include <QtGlobal>

// The shared files of a test's books (the data folder's files, or the server's rows when the
// test runs on the server), read and written whole. A failure stops the test program: these
// set a test up and look at its outcome, and are not what is tested.
struct TestFiles {
    explicit TestFiles(TestEnv& env)
        : files(env.db, env.folder())
    {}

    // The file's bytes; empty when there is no such file.
    QByteArray read(const QString& name) const
    {
        const Result<std::optional<QByteArray>> bytes = files.read(name);
        if (!bytes)
            qFatal("%s", qPrintable(bytes.error()));
        return bytes->value_or(QByteArray());
    }
    bool has(const QString& name) const
    {
        const Result<bool> there = files.exists(name);
        if (!there)
            qFatal("%s", qPrintable(there.error()));
        return *there;
    }
    void write(const QString& name, const QByteArray& bytes)
    {
        if (const Status written = files.write(name, bytes); !written)
            qFatal("%s", qPrintable(written.error()));
    }
    void remove(const QString& name)
    {
        if (const Status removed = files.remove(name); !removed)
            qFatal("%s", qPrintable(removed.error()));
    }

    SharedFiles files;
};
