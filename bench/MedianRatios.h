#pragma once

// A console reporter that also prints, at the end, each measured benchmark's
// median as a ratio to its floor's median from the same run (the machines
// are shared, so only ratios mean much), and likewise the medians of the
// user counters it is given. Benchmarks are named "Function/argument"; a
// ratio compares two functions at the same argument.

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

    MedianRatioReporter(
        std::vector<std::string> arguments, std::vector<Ratio> ratios, std::vector<std::string> counters = {})
        : benchmark::ConsoleReporter(benchmark::ConsoleReporter::OO_None)
        , m_arguments(std::move(arguments))
        , m_ratios(std::move(ratios))
        , m_counters(std::move(counters))
    {
    }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name != "median")
                continue;
            // A benchmark registered by its full name has no separate argument.
            const std::string name
                = run.run_name.function_name + (run.run_name.args.empty() ? std::string() : "/" + run.run_name.args);
            m_medians[name][timeKey] = run.GetAdjustedRealTime();
            for (const std::string& counter : m_counters) {
                const auto found = run.counters.find(counter);
                if (found != run.counters.end())
                    m_medians[name][counter] = found->second.value;
            }
        }
    }

    void Finalize() override
    {
        std::ostream& out = GetOutputStream();
        out << "\nmedians as ratios to their floors, same run\n";
        for (const std::string& argument : m_arguments) {
            for (const Ratio& ratio : m_ratios) {
                printRatio(out, ratio, argument, timeKey, "");
                for (const std::string& counter : m_counters)
                    printRatio(out, ratio, argument, counter, "  " + counter + ": ");
            }
        }
        ConsoleReporter::Finalize();
    }

private:
    static constexpr const char* timeKey = "";

    void printRatio(std::ostream& out, const Ratio& ratio, const std::string& argument, const std::string& key,
        const std::string& label) const
    {
        const double measured = median(ratio.measured, argument, key);
        const double floor = median(ratio.floor, argument, key);
        if (measured > 0 && floor > 0)
            out << label << ratio.measured << "/" << argument << " : " << ratio.floor << " = " << measured / floor
                << "  (" << measured << " / " << floor << ")\n";
    }

    // The median of `key` (the time when empty), or 0 when there is none.
    double median(const std::string& function, const std::string& argument, const std::string& key) const
    {
        const auto found = m_medians.find(function + "/" + argument);
        if (found == m_medians.end())
            return 0;
        const auto value = found->second.find(key);
        return value == found->second.end() ? 0 : value->second;
    }

    std::vector<std::string> m_arguments;
    std::vector<Ratio> m_ratios;
    std::vector<std::string> m_counters;
    std::map<std::string, std::map<std::string, double>> m_medians; // by benchmark, then counter
};
