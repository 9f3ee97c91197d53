// Polygonizing arcs and building long polylines, beside plain loops that compute the same
// vertices into a std::vector (the floor: the arithmetic alone, without the element graph).
#include "bench_floor.h"

#include "geometry/qz2dArc.h"
#include "geometry/qz2dGeometryPolygonizer.h"
#include "geometry/qzGeometryConstants.h"

#include <cmath>
#include <vector>

namespace
{
using cadcam::qz2dArc;
using cadcam::qz2dPoint;
using cadcam::qz2dPolyLine;
using misc::qzAutoPointer;

constexpr int kArcs = 100000;

void BM_PolygonizeArcs(benchmark::State& state)
{
    std::vector<qzAutoPointer<qz2dArc<double>>> arcs;
    arcs.reserve(kArcs);
    for (int i = 0; i < kArcs; ++i)
        arcs.emplace_back(new qz2dArc<double>(qzAutoPointer<qz2dPoint<double>>(new qz2dPoint<double>(i, 0)), 10.0,
                                              (i % 4) * 90.0, 90.0));
    std::size_t vertices = 0;
    bench::Floor floor;
    std::vector<cadcam::qzTPoint2d<double>> plain;
    for (auto _ : state)
    {
        vertices = 0;
        floor.Ours([&] {
            for (const auto& arc : arcs)
            {
                qzAutoPointer<qz2dPolyLine<double>> out(new qz2dPolyLine<double>());
                cadcam::qz2dGeometryPolygonizer<double> polygonizer(0.001, out);
                arc->AcceptVisitor(polygonizer);
                vertices += out->GetPointCount();
            }
        });
        floor.Time(state, [&] {
            // The same chord rule and points, straight into a reused vector.
            const double step = 2.0 * std::acos(1.0 - 0.001 / 10.0) * 180.0 / 3.14159265358979323846;
            for (const auto& arc : arcs)
            {
                plain.clear();
                const long long n = static_cast<long long>(std::ceil(90.0 / step));
                const double a0 = arc->GetStartAngle(), cx = arc->GetCenter()->x(), cy = arc->GetCenter()->y();
                for (long long k = 0; k <= n; ++k)
                {
                    const double a = a0 + k * (90.0 / n);
                    plain.emplace_back(cx + 10.0 * cadcam::CosDeg(a), cy + 10.0 * cadcam::SinDeg(a));
                }
                benchmark::DoNotOptimize(plain.data());
            }
        });
    }
    state.counters["vertices"] = static_cast<double>(vertices);
    state.counters["vertices/s"] =
        benchmark::Counter(static_cast<double>(vertices) * state.iterations(), benchmark::Counter::kIsRate);
    floor.Report(state, static_cast<double>(vertices) * 16.0);
}

void BM_BuildPolyLine(benchmark::State& state)
{
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<cadcam::qzTPoint2d<double>> points;
    points.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        points.emplace_back(std::cos(i * 1e-3) * i, std::sin(i * 1e-3) * i);
    std::size_t built = 0;
    double length = 0;
    bench::Floor floor;
    for (auto _ : state)
    {
        floor.Ours([&] {
            qz2dPolyLine<double> polyline;
            polyline.ReservePoints(count);
            for (const auto& p : points)
            {
                polyline.AddPoint(qz2dPoint<double>(p.x(), p.y()));
                // Reading the caches while appending must not make appending quadratic.
                if ((polyline.GetPointCount() & 1023) == 0)
                    length = polyline.GetLength() + polyline.GetBoundingBox().GetMaxX();
            }
            built = polyline.GetPointCount();
        });
        floor.Time(state, [&] {
            std::vector<cadcam::qzTPoint2d<double>> copy;
            copy.reserve(count);
            for (const auto& p : points)
                copy.push_back(p);
            benchmark::DoNotOptimize(copy.data());
        });
    }
    benchmark::DoNotOptimize(length);
    state.counters["vertices/s"] =
        benchmark::Counter(static_cast<double>(built) * state.iterations(), benchmark::Counter::kIsRate);
    floor.Report(state, static_cast<double>(built) * 16.0);
}
} // namespace

BENCHMARK(BM_PolygonizeArcs)->Name("PolygonizeArcs/100k_r10_sweep90_tol0.001")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_BuildPolyLine)->Name("BuildPolyLine/AddPoint")->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
