#pragma once

// A console reporter that also prints, at the end, each measured benchmark's
// median as a ratio to its floor's median from the same run (the machines
// are shared, so only ratios mean much). Benchmarks are named
// "Function/argument"; a ratio compares two functions at the same argument.

#include <benchmark/benchmark.h>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

class MedianRatioReporter : public benchmark::ConsoleReporter {
public:
    struct Ratio {
        std::string measured;
        std::string floor;
    };

    MedianRatioReporter(std::vector<std::string> arguments, std::vector<Ratio> ratios)
        : benchmark::ConsoleReporter(benchmark::ConsoleReporter::OO_None)
        , m_arguments(std::move(arguments))
        , m_ratios(std::move(ratios))
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name == "median")
                m_medians[run.run_name.function_name + "/" + run.run_name.args] = run.GetAdjustedRealTime();
        }
    }

    void Finalize() override
    {
        std::ostream& out = GetOutputStream();
        out << "\nmedians as ratios to their floors, same run\n";
        for (const std::string& argument : m_arguments) {
            for (const Ratio& ratio : m_ratios) {
                const double measured = median(ratio.measured, argument);
                const double floor = median(ratio.floor, argument);
                if (measured > 0 && floor > 0)
                    out << ratio.measured << "/" << argument << " : " << ratio.floor << " = " << measured / floor
                        << "  (" << measured << " / " << floor << ")\n";
            }
        }
        ConsoleReporter::Finalize();
    }

private:
    double median(const std::string& function, const std::string& argument) const
    {
        const auto found = m_medians.find(function + "/" + argument);
        return found == m_medians.end() ? 0 : found->second;
    }

    std::vector<std::string> m_arguments;
    std::vector<Ratio> m_ratios;
    std::map<std::string, double> m_medians;
};
