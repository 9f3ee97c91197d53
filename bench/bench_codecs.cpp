// Primitive codecs through a memory stream: 10 million doubles and 10 million ints written and
// read back, beside a plain memcpy of the same bytes.
#include "bench_floor.h"

#include "foundation/qzBasicTypes.h"

#include <cstring>
#include <vector>

namespace
{
constexpr std::size_t kCount = 10'000'000;

template <class T> std::vector<T> Values()
{
    std::vector<T> values(kCount);
    for (std::size_t i = 0; i < kCount; ++i)
        values[i] = static_cast<T>(i * 7 + 1) / static_cast<T>(3);
    return values;
}

template <class T> void BM_Write(benchmark::State& state)
{
    const std::vector<T> values = Values<T>();
    const std::size_t bytes = kCount * sizeof(T);
    misc::qzMemoryIOStream stream(bytes); // one step: the whole payload, touched once
    std::vector<T> copy(kCount);
    std::memcpy(copy.data(), values.data(), bytes);
    bench::Floor floor;
    for (auto _ : state)
    {
        floor.Ours([&] {
            stream.Rewind(0);
            misc::qzBOBasicTypes out(stream, false);
            for (const T& v : values)
                out << v;
            benchmark::ClobberMemory();
        });
        floor.Time(state, [&] {
            std::memcpy(copy.data(), values.data(), bytes);
            benchmark::ClobberMemory();
        });
    }
    floor.Report(state, static_cast<double>(bytes));
}

template <class T> void BM_Read(benchmark::State& state)
{
    const std::vector<T> values = Values<T>();
    const std::size_t bytes = kCount * sizeof(T);
    misc::qzMemoryIOStream stream(bytes);
    {
        misc::qzBOBasicTypes out(stream, false);
        for (const T& v : values)
            out << v;
    }
    std::vector<T> back(kCount);
    std::memcpy(back.data(), values.data(), bytes);
    bench::Floor floor;
    for (auto _ : state)
    {
        floor.Ours([&] {
            stream.Rewind(0);
            misc::qzBIBasicTypes in(stream, false, false, false);
            for (T& v : back)
                in >> v;
            benchmark::DoNotOptimize(back.data());
            benchmark::ClobberMemory();
        });
        floor.Time(state, [&] {
            std::memcpy(back.data(), stream.GetBuffer(), bytes);
            benchmark::ClobberMemory();
        });
    }
    if (back != values)
        state.SkipWithError("values read back differ");
    floor.Report(state, static_cast<double>(bytes));
}
} // namespace

BENCHMARK_TEMPLATE(BM_Write, double)->Name("WriteDoubles/10M")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_TEMPLATE(BM_Read, double)->Name("ReadDoubles/10M")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_TEMPLATE(BM_Write, int)->Name("WriteInts/10M")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_TEMPLATE(BM_Read, int)->Name("ReadInts/10M")->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
