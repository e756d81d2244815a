#pragma once

// Measuring a run against its floor, the least any program must do for the
// same result (read the same input, write the same bytes), in the same
// process and the same iterations: on a shared machine the two figures then
// meet the same load, and their ratio means something where either alone
// does not.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

namespace bench {

// Runs `run` and then `floor` in every iteration. The run's wall-clock time
// is the benchmark's own time (register it with UseManualTime()); the
// floor's mean goes into the counter floor_ms, and run ÷ floor into x_floor.
//
// A run that replaces a file safely also waits for the disk and renames the
// new file over the old one, which a floor of plain writes leaves out. When
// `durable` is given it does that to the floor's file, right after the
// floor: its mean goes into durable_ms, and run ÷ (floor + durable) into
// x_durable_floor, the least a run that keeps its promise can take.
inline void pairWithFloor(benchmark::State &state, const std::function<void()> &run,
                          const std::function<void()> &floor, const std::function<void()> &durable = {})
{
    using Clock = std::chrono::steady_clock;
    double runSeconds = 0;
    double floorSeconds = 0;
    double durableSeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        run();
        const auto between = Clock::now();
        floor();
        const auto floorEnd = Clock::now();
        if (durable)
            durable();
        const auto end = Clock::now();
        const double runTime = std::chrono::duration<double>(between - start).count();
        state.SetIterationTime(runTime);
        runSeconds += runTime;
        floorSeconds += std::chrono::duration<double>(floorEnd - between).count();
        durableSeconds += std::chrono::duration<double>(end - floorEnd).count();
    }
    state.counters["floor_ms"] = floorSeconds * 1e3 / double(state.iterations());
    state.counters["x_floor"] = runSeconds / floorSeconds;
    if (durable) {
        state.counters["durable_ms"] = durableSeconds * 1e3 / double(state.iterations());
        state.counters["x_durable_floor"] = runSeconds / (floorSeconds + durableSeconds);
    }
}

// Peak memory is measured in a fresh process: this benchmark program started
// again with `--peak-child` and the arguments of one run, which a main() of
// the program hands to the run; the child then prints its own high-water
// mark (VmHWM). A forked copy, or the rusage of a child, would count this
// process's memory too, which the child inherited before it started anew.
inline constexpr const char *peakChildOption = "--peak-child";

// The child's own peak resident memory, in bytes, from /proc/self/status.
inline long long ownPeakMemory()
{
    std::FILE *status = std::fopen("/proc/self/status", "r");
    char line[256];
    long long kilobytes = -1;
    while (status && std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "VmHWM: %lld kB", &kilobytes) == 1)
            break;
    }
    if (status)
        std::fclose(status);
    return kilobytes * 1024;
}

// The peak resident memory, in bytes, of this program started again with
// `--peak-child` and `arguments` (paths without quotes); -1 when it fails.
inline long long peakMemoryOf(const std::vector<std::string> &arguments)
{
    char self[4096];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length <= 0)
        return -1;
    std::string command;
    for (const std::string &word : std::vector<std::string>{std::string(self, std::size_t(length)), peakChildOption}) {
        command.append(" '").append(word).append("'");
    }
    for (const std::string &a : arguments)
        command.append(" '").append(a).append("'");
    std::fflush(nullptr);
    std::FILE *child = ::popen(command.c_str(), "r");
    long long peak = -1;
    if (child == nullptr || std::fscanf(child, "%lld", &peak) != 1)
        peak = -1;
    if (child == nullptr || ::pclose(child) != 0)
        return -1;
    return peak;
}

// Peak memory counters of one run: peak_MB the whole process's peak while it
// runs, base_MB that of the same program started to do nothing, and x_output
// the peak over the bytes the run writes.
inline void reportPeakMemory(benchmark::State &state, const std::vector<std::string> &arguments, long long outputBytes)
{
    const long long peak = peakMemoryOf(arguments);
    const long long base = peakMemoryOf({});
    if (peak < 0 || base < 0) {
        state.SkipWithError("the run failed in its own process");
        return;
    }
    state.counters["peak_MB"] = double(peak) / 1e6;
    state.counters["base_MB"] = double(base) / 1e6;
    state.counters["output_MB"] = double(outputBytes) / 1e6;
    state.counters["x_output"] = double(peak) / double(outputBytes);
}

// The main() of a benchmark program with peak-memory children: `runChild`
// gets the arguments after --peak-child (none: do nothing) and does one run.
inline int benchmarkMain(int argc, char **argv, const std::function<void(const std::vector<std::string> &)> &runChild)
{
    if (argc >= 2 && std::string(argv[1]) == peakChildOption) {
        const std::vector<std::string> arguments(argv + 2, argv + argc);
        if (!arguments.empty())
            runChild(arguments);
        std::printf("%lld\n", ownPeakMemory());
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
