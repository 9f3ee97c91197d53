// Reading a complete parameter set from memory beside writing the same set in the same run:
// the fully populated sample of the newest version, and an old version (100) whose values are
// converted on reading. The ratio is write time / read time (1 = reading as fast as writing).
#include "bench_floor.h"

#include "paramformat/qzBI5axParams3.h"
#include "paramformat/qzBO5axParams.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace
{
std::string Sample(const char* name)
{
    std::ifstream in(std::string(TESSAFORM_EXAMPLE_DATA) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void ReadParameterSet(benchmark::State& state)
{
    const unsigned version = static_cast<unsigned>(state.range(0));
    const std::string bytes = Sample(version == 226 ? "operation_v226.qzp" : "operation_v100.qzp");
    if (bytes.empty())
    {
        state.SkipWithError("sample data missing");
        return;
    }
    misc::qzMemoryIOStream in(bytes.size());
    in.Write(bytes.data(), bytes.size());
    std::vector<misc::qzBILostData> lost;
    qz5axParams params;
    in.Rewind(0);
    qzBI5axParams3(in, version, false, lost, false, false, false) >> params;
    misc::qzMemoryIOStream out(1 << 16);
    constexpr int kSetsPerRound = 1000;
    bench::Floor floor;
    for (auto _ : state)
    {
        floor.Ours(
            [&]
            {
                for (int i = 0; i < kSetsPerRound; ++i)
                {
                    in.Rewind(0);
                    lost.clear();
                    qzBI5axParams3(in, version, false, lost, false, false, false) >> params;
                }
                benchmark::DoNotOptimize(params);
            });
        floor.Time(state, [&] { // the writer, on the set just read
            for (int i = 0; i < kSetsPerRound; ++i)
            {
                out.Rewind(0);
                qzBO5axParams(out, false, false) << params;
            }
            benchmark::ClobberMemory();
        });
    }
    state.counters["record_bytes"] = static_cast<double>(bytes.size());
    state.counters["sets/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kSetsPerRound,
                                                  benchmark::Counter::kIsRate);
    floor.Report(state, static_cast<double>(bytes.size()) * kSetsPerRound);
}
} // namespace

BENCHMARK(ReadParameterSet)
    ->Name("ReadParameterSet/version")
    ->Arg(226)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();
