// A posted 5-axis toolpath of 1,000,000 moves (about 20 values each) written to and read from a
// memory stream, beside a memcpy of the same bytes. Reading fills a pooled list, once with a
// pool reused across iterations (emptied with Reset) and once with a fresh pool each time; a
// posted toolpath of shared moves is read too, for comparison.
#include "bench_floor.h"

#include "paramformat/qzBIPostTypes.h"
#include "paramformat/qzBOPostTypes.h"

#include <cstring>
#include <memory>
#include <vector>

namespace
{
constexpr unsigned kMoves = 1'000'000;
constexpr unsigned kVersion = 226;
constexpr std::uint32_t kMovesPerBlock = 1u << 16;

using Move = post::qzPosted5axMove;
using MoveList = misc::qzMemoryPoolList<Move>;

/// The toolpath stored once: its bytes, and the same bytes as a plain buffer for the floor.
struct Stored
{
    Stored() : pool(MoveList::NodeSize, kMovesPerBlock), moves(&pool), stream(1u << 20)
    {
        for (unsigned i = 0; i < kMoves; ++i)
        {
            Move m;
            const double t = i * 0.001;
            m.SetAbsMachPos(post::qzPostedMove::Point(t, 2 * t, -t));
            m.SetPartPos(post::qzPostedMove::Point(t + 1, 2 * t + 1, 1 - t));
            m.SetOrientation(post::qzPostedMove::Point(0.0, 0.6, 0.8));
            m.SetRotVal(t * 3, 0);
            m.SetRotVal(-t, 1);
            m.SetAngleState(post::ANGLES_FIRST_SOLUTION);
            m.SetFeedrate(1500.0);
            m.SetRapid(i % 50 == 0);
            m.SetMoveType(post::qzPostedMove::CUT);
            m.SetTime(t / 60);
            m.SetReferenceToOriginalToolpath(i);
            moves.push_back(m);
        }
        post::qzBOPostTypes(stream, false) << moves;
        bytes = static_cast<std::size_t>(stream.GetDataLength());
        plain.assign(static_cast<const char*>(stream.GetBuffer()), static_cast<const char*>(stream.GetBuffer()) + bytes);
        copy.assign(bytes, 0);
    }

    misc::qzMemoryPool pool;
    MoveList moves;
    misc::qzMemoryIOStream stream;
    std::size_t bytes = 0;
    std::vector<char> plain;
    std::vector<char> copy;
};

Stored& Data()
{
    static Stored stored;
    return stored;
}

void Report(benchmark::State& state, const bench::Floor& floor)
{
    floor.Report(state, double(Data().bytes));
    state.counters["Mmoves/s"] =
        benchmark::Counter(double(kMoves) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
}

void Memcpy(benchmark::State& state, bench::Floor& floor)
{
    Stored& d = Data();
    floor.Time(state, [&] {
        std::memcpy(d.copy.data(), d.plain.data(), d.bytes);
        benchmark::ClobberMemory();
    });
}

void WritePosted5ax(benchmark::State& state)
{
    Stored& d = Data();
    misc::qzMemoryIOStream out(d.bytes); // one step: the whole payload, touched before timing
    post::qzBOPostTypes(out, false) << d.moves;
    bench::Floor floor;
    for (auto _ : state)
    {
        floor.Ours([&] {
            out.Rewind(0);
            post::qzBOPostTypes(out, false) << d.moves;
            benchmark::ClobberMemory();
        });
        Memcpy(state, floor);
    }
    Report(state, floor);
}
BENCHMARK(WritePosted5ax)->Unit(benchmark::kMillisecond)->UseRealTime();

void ReadPosted5axReusedPool(benchmark::State& state)
{
    Stored& d = Data();
    misc::qzMemoryPool pool(MoveList::NodeSize, kMovesPerBlock);
    MoveList moves(&pool);
    d.stream.Rewind(0);
    post::qzBIPostTypes(d.stream, kVersion, false, false, false) >> moves; // the pool's memory, touched
    bench::Floor floor;
    for (auto _ : state)
    {
        state.PauseTiming();
        moves.clear();
        pool.Reset();
        state.ResumeTiming();
        floor.Ours([&] {
            d.stream.Rewind(0);
            post::qzBIPostTypes(d.stream, kVersion, false, false, false) >> moves;
        });
        Memcpy(state, floor);
    }
    if (moves.size() != kMoves)
        state.SkipWithError("short read");
    Report(state, floor);
}
BENCHMARK(ReadPosted5axReusedPool)->Unit(benchmark::kMillisecond)->UseRealTime();

void ReadPosted5axFreshPool(benchmark::State& state)
{
    Stored& d = Data();
    bench::Floor floor;
    for (auto _ : state)
    {
        auto pool = std::make_unique<misc::qzMemoryPool>(MoveList::NodeSize, kMovesPerBlock);
        auto moves = std::make_unique<MoveList>(pool.get());
        floor.Ours([&] {
            d.stream.Rewind(0);
            post::qzBIPostTypes(d.stream, kVersion, false, false, false) >> *moves;
        });
        state.PauseTiming();
        moves.reset();
        pool.reset();
        state.ResumeTiming();
        Memcpy(state, floor);
    }
    Report(state, floor);
}
BENCHMARK(ReadPosted5axFreshPool)->Unit(benchmark::kMillisecond)->UseRealTime();

void ReadPostedToolpath(benchmark::State& state)
{
    // The same moves as a posted toolpath: kind, records and an empty matrix marker.
    Stored& d = Data();
    misc::qzMemoryIOStream stream(d.bytes + 16);
    stream.Write(d.plain.data(), d.bytes);
    post::qzBOPostTypes(stream, false) << misc::qzAutoPointer<post::qzPostedTP::Matrix>();
    bench::Floor floor;
    for (auto _ : state)
    {
        auto toolpath = std::make_unique<post::qzPostedTP>();
        floor.Ours([&] {
            stream.Rewind(0);
            post::qzBIPostTypes(stream, kVersion, false, false, false) >> *toolpath;
        });
        state.PauseTiming();
        toolpath.reset();
        state.ResumeTiming();
        Memcpy(state, floor);
    }
    Report(state, floor);
}
BENCHMARK(ReadPostedToolpath)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
