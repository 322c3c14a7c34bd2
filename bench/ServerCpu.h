#pragma once

#include "BenchEngine.h"

#include <benchmark/benchmark.h>
#include <optional>

// On a server the work of a statement is done by another process, whose time the benchmark's
// CPU time leaves out: this adds it as the counter "server_cpu_ms", per iteration, when the
// server runs on this machine. Made before the timed loop, reported after it.
class ServerCpu {
public:
    explicit ServerCpu(Database& db)
        : m_db(db)
        , m_start(BenchEngine::serverCpuSeconds(db))
    {}
    void report(benchmark::State& state)
    {
        const std::optional<double> end = BenchEngine::serverCpuSeconds(m_db);
        if (m_start && end)
            state.counters["server_cpu_ms"] =
                benchmark::Counter((*end - *m_start) * 1000, benchmark::Counter::kAvgIterations);
    }

private:
    Database& m_db;
    std::optional<double> m_start;
};
