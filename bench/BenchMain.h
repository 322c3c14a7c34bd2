#pragma once

#include "BenchEngine.h"

#include <QByteArray>
#include <QtGlobal>
#include <benchmark/benchmark.h>

// The main of a benchmark program: a Qt application of kind App (QCoreApplication,
// QGuiApplication or QApplication, on the offscreen platform unless another is set), then the
// registered benchmarks, then `done` (dropping cached books) while the application still exists.
// Takes BenchEngine's flags (--engine=, --server=) before the benchmark's own.
template <typename App> int runBenchmarks(int argc, char** argv, void (*done)() = nullptr)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1; // the benchmark's own flags are not Qt's
    App app(qtArgc, argv);
    const BenchEngine::PrivateServer server = BenchEngine::configure(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::AddCustomContext("engine", BenchEngine::name().toStdString());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (done)
        done(); // before the server goes
    return 0;
}
