// Writing a complete parameter set into a memory stream, beside a memcpy of the same bytes.
#include "bench_floor.h"

#include "paramformat/qzBO5axParams.h"

#include <cstring>
#include <vector>

namespace
{
void BM_WriteParameterSet(benchmark::State& state)
{
    const bool shrink = state.range(0) != 0;
    qz5axParams params;
    params.SetFeedRate(2500.0);
    misc::qzMemoryIOStream stream(1 << 16);
    qzBO5axParams(stream, shrink, false) << params;
    const std::size_t bytes = stream.GetDataLength();
    std::vector<unsigned char> copy(bytes);
    constexpr int kSetsPerRound = 1000;
    bench::Floor floor;
    for (auto _ : state)
    {
        floor.Ours([&] {
            for (int i = 0; i < kSetsPerRound; ++i)
            {
                stream.Rewind(0);
                qzBO5axParams(stream, shrink, false) << params;
            }
            benchmark::ClobberMemory();
        });
        floor.Time(state, [&] {
            for (int i = 0; i < kSetsPerRound; ++i)
            {
                std::memcpy(copy.data(), stream.GetBuffer(), bytes);
                benchmark::ClobberMemory();
            }
        });
    }
    state.counters["record_bytes"] = static_cast<double>(bytes);
    state.counters["sets/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * kSetsPerRound, benchmark::Counter::kIsRate);
    floor.Report(state, static_cast<double>(bytes) * kSetsPerRound);
}
} // namespace

BENCHMARK(BM_WriteParameterSet)->Name("WriteParameterSet/shrink")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
