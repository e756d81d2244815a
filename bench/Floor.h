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

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

// Runs `run` and then `floor` in every iteration. The run's wall-clock time
// is the benchmark's own time (register it with UseManualTime()); the
// floor's mean goes into the counter floor_ms, and run ÷ floor into x_floor.
inline void pairWithFloor(benchmark::State &state, const std::function<void()> &run,
                          const std::function<void()> &floor)
{
    using Clock = std::chrono::steady_clock;
    double runSeconds = 0;
    double floorSeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        run();
        const auto between = Clock::now();
        floor();
        const auto end = Clock::now();
        const double runTime = std::chrono::duration<double>(between - start).count();
        state.SetIterationTime(runTime);
        runSeconds += runTime;
        floorSeconds += std::chrono::duration<double>(end - between).count();
    }
    state.counters["floor_ms"] = floorSeconds * 1e3 / double(state.iterations());
    state.counters["x_floor"] = runSeconds / floorSeconds;
}

// The peak resident memory, in bytes, of a child process that does `work`
// and ends; -1 when the child fails. The child starts as a copy of this
// process, so its peak includes what this process already holds (libraries,
// the benchmark's own data): compare it with peakOfNothing().
inline long long peakMemoryOf(const std::function<void()> &work)
{
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            work();
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    rusage usage{};
    if (child < 0 || ::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<long long>(usage.ru_maxrss) * 1024;
}

inline long long peakOfNothing()
{
    return peakMemoryOf([] {});
}

// Peak memory counters of one run: peak_MB its child's peak, base_MB that of
// a child doing nothing, and x_output the peak over the bytes it writes.
inline void reportPeakMemory(benchmark::State &state, const std::function<void()> &work, long long outputBytes)
{
    const long long peak = peakMemoryOf(work);
    const long long base = peakOfNothing();
    if (peak < 0) {
        state.SkipWithError("the run failed in its child process");
        return;
    }
    state.counters["peak_MB"] = double(peak) / 1e6;
    state.counters["base_MB"] = double(base) / 1e6;
    state.counters["output_MB"] = double(outputBytes) / 1e6;
    state.counters["x_output"] = double(peak) / double(outputBytes);
}

} // namespace bench
