// Times our operation and a floor operation (memcpy, a raw read, a peer library) in the same
// benchmark run, and reports both throughputs and their ratio.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

namespace bench
{
class Floor
{
public:
    /// Runs our operation and adds its wall time (the framework times it too).
    template <class F> void Ours(F&& ours)
    {
        const auto start = std::chrono::steady_clock::now();
        ours();
        m_ours += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    /// Runs the floor operation with the benchmark timer paused and adds its wall time.
    template <class F> void Time(benchmark::State& state, F&& floor)
    {
        state.PauseTiming();
        const auto start = std::chrono::steady_clock::now();
        floor();
        m_floor += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.ResumeTiming();
    }

    /// Counters: our and the floor's throughput in GB/s, and ours / floor (1 = as fast).
    void Report(benchmark::State& state, double bytesPerIteration) const
    {
        const double total = bytesPerIteration * static_cast<double>(state.iterations());
        state.SetBytesProcessed(static_cast<int64_t>(total));
        if (m_ours > 0 && m_floor > 0)
        {
            state.counters["ours_GB/s"] = total / m_ours / 1e9;
            state.counters["floor_GB/s"] = total / m_floor / 1e9;
            state.counters["ratio"] = m_floor / m_ours;
        }
    }

private:
    double m_ours = 0.0;
    double m_floor = 0.0;
};
} // namespace bench
