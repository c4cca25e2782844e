#pragma once

// What every benchmark program shares around Google Benchmark: a brief mode
// for the smoke run, and an exit status that says whether every benchmark ran.

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <vector>

namespace bench {

// Set by scripts/bench-smoke: one iteration of one repetition each, enough to
// show that every benchmark still runs to its end.
inline bool brief()
{
    static const bool on = std::getenv("TESSALY_BENCH_BRIEF") != nullptr;
    return on;
}

inline int iterations(int count)
{
    return brief() ? 1 : count;
}

inline int repetitions(int count)
{
    return brief() ? 1 : count;
}

// Passes every run on to `Reporter` and counts those that ended in an error
// (Google Benchmark itself reports them and carries on).
template <class Reporter> class ErrorCounting : public Reporter {
public:
    using Reporter::Reporter;

    void ReportRuns(const std::vector<benchmark::BenchmarkReporter::Run>& runs) override
    {
        for (const benchmark::BenchmarkReporter::Run& run : runs) {
            if (run.error_occurred)
                ++m_errors;
        }
        Reporter::ReportRuns(runs);
    }

    int errors() const { return m_errors; }

private:
    int m_errors = 0;
};

// Runs the benchmarks the command line selected through `reporter`; the
// program's exit status: 1 when any of them ended in an error.
template <class Reporter> int runBenchmarks(ErrorCounting<Reporter>& reporter)
{
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.errors() == 0 ? 0 : 1;
}

inline int runBenchmarks()
{
    ErrorCounting<benchmark::ConsoleReporter> reporter(benchmark::ConsoleReporter::OO_Tabular);
    return runBenchmarks(reporter);
}

} // namespace bench
