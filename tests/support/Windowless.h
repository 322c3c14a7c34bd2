#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

// What the real program answered when run in one of its modes without a window.
struct WindowlessRun {
    bool finished = false;
    int exitCode = -1;
    QString stdErr;
    QByteArray stdOut;
};

// Runs the billcraft program (BILLCRAFT_BINARY, given by the test's build) with `arguments` as
// cron would: no display and no platform chosen, so the mode must choose its own.
#ifdef BILLCRAFT_BINARY
inline WindowlessRun runWindowless(const QStringList& arguments, const QString& workingFolder = {})
{
    QProcess billcraft;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(QLatin1String(name));
    billcraft.setProcessEnvironment(environment);
    if (!workingFolder.isEmpty())
        billcraft.setWorkingDirectory(workingFolder);
    billcraft.start(QStringLiteral(BILLCRAFT_BINARY), arguments);
    WindowlessRun run;
    run.finished = billcraft.waitForFinished(60'000);
    run.exitCode = billcraft.exitCode();
    run.stdErr = QString::fromUtf8(billcraft.readAllStandardError());
    run.stdOut = billcraft.readAllStandardOutput();
    return run;
}
#endif
