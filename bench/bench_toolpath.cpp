// The node pool beside malloc (10 million fresh 152-byte nodes, first touch included), and the
// cross-level toolpath iterator beside a plain walk over one flat std::list of the same moves.
#include "bench_floor.h"

#include "toolpath/qzMemoryPool.h"
#include "toolpath/qzToolPath.h"

#include <cstdlib>
#include <cstring>
#include <list>
#include <memory>
#include <vector>

namespace
{
constexpr std::size_t kNodes = 10'000'000;
constexpr unsigned kNodeSize = 152;

void PoolVersusMalloc(benchmark::State& state)
{
    std::vector<void*> nodes(kNodes, nullptr); // touched before timing, shared by both sides
    bench::Floor floor;
    for (auto _ : state)
    {
        std::unique_ptr<misc::qzMemoryPool> pool;
        floor.Ours([&] {
            pool = std::make_unique<misc::qzMemoryPool>(kNodeSize, 1u << 16);
            for (std::size_t i = 0; i < kNodes; ++i)
            {
                nodes[i] = pool->Alloc(kNodeSize);
                std::memcpy(nodes[i], &i, sizeof i);
            }
        });
        benchmark::DoNotOptimize(nodes.data());
        state.PauseTiming();
        pool.reset();
        state.ResumeTiming();

        floor.Time(state, [&] {
            for (std::size_t i = 0; i < kNodes; ++i)
            {
                nodes[i] = std::malloc(kNodeSize);
                std::memcpy(nodes[i], &i, sizeof i);
            }
        });
        benchmark::DoNotOptimize(nodes.data());
        state.PauseTiming();
        for (void* node : nodes)
            std::free(node);
        state.ResumeTiming();
    }
    floor.Report(state, double(kNodes) * kNodeSize);
    state.counters["ours_Mallocs/s"] = benchmark::Counter(double(kNodes), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(PoolVersusMalloc)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

struct Paths
{
    Paths()
    {
        for (int p = 0; p < 100; ++p)
        {
            auto pass = misc::qzMakeAutoPointer<cadcam::qzTPPass>();
            for (int s = 0; s < 10; ++s)
            {
                auto slice = misc::qzMakeAutoPointer<cadcam::qzTPSlice>();
                for (int c = 0; c < 10; ++c)
                {
                    auto section = misc::qzMakeAutoPointer<cadcam::qzTPContour>();
                    for (int m = 0; m < 100; ++m)
                    {
                        misc::qzAutoPointer<cadcam::qzCNCMove> move = misc::qzMakeAutoPointer<cadcam::qz5axMove>(
                            cadcam::qzCNCMove::Point(m, c, p), cadcam::qzCNCMove::Point(0, 0, 1));
                        section->PushBackMove(move);
                        flat.push_back(move);
                    }
                    slice->PushBack(section);
                }
                pass->PushBack(slice);
            }
            path.PushBack(pass);
        }
    }
    cadcam::qzToolPath path;
    std::list<misc::qzAutoPointer<cadcam::qzCNCMove>> flat;
};

void IterateToolpath(benchmark::State& state)
{
    static const Paths paths;
    const cadcam::qzToolPath& path = paths.path;
    bench::Floor floor;
    double sink = 0.0;
    for (auto _ : state)
    {
        floor.Ours([&] {
            for (auto it = path.GetMovesBegin(), end = path.GetMovesEnd(); it != end; ++it)
                sink += (*it)->GetPosition()[0];
        });
        floor.Time(state, [&] {
            for (const auto& move : paths.flat)
                sink += move->GetPosition()[0];
        });
    }
    benchmark::DoNotOptimize(sink);
    // One "byte" per move: the GB/s counters read as billions of moves per second.
    floor.Report(state, double(paths.flat.size()));
}
BENCHMARK(IterateToolpath)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
