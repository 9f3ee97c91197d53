// Tessellating an extruded contour of N vertices (a wavy ring, so that ear clipping has real
// work), beside the floor of welding its side walls alone. The growth from 1,000 to 10,000
// vertices shows the cost of the ear clipping of the caps, quadratic in the worst case.
#include "bench_floor.h"

#include "brimlib/qzSolidDefinition.h"
#include "geometry/qz2dLine.h"
#include "toolgeometry/qzSolidDefinitionMeshFactory.h"

#include <cmath>
#include <vector>

namespace
{
using Point = misc::qzAutoPointer<cadcam::qz2dPoint<double>>;

std::vector<Point> Ring(int n)
{
    std::vector<Point> points;
    for (int i = 0; i < n; ++i)
    {
        const double a = 2 * M_PI * i / n, r = 50 + 5 * std::sin(37 * a);
        points.push_back(misc::qzMakeAutoPointer<cadcam::qz2dPoint<double>>(r * std::cos(a), r * std::sin(a)));
    }
    return points;
}

void ExtrudeContour(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const auto points = Ring(n);
    auto contour = misc::qzMakeAutoPointer<cadcam::qz2dContour<double>>();
    for (int i = 0; i < n; ++i)
        contour->AddGeometry(misc::qzMakeAutoPointer<cadcam::qz2dLine<double>>(points[i], points[(i + 1) % n]));
    const cadcam::qzExtrudedSolidDefinition<double> solid(
        measures::qzUnitsFactory::METRIC, cadcam::qzExtrusionBase<double>(contour, 0.0),
        cadcam::qz3dPoint<double>(0, 0, 30));

    bench::Floor floor;
    unsigned triangles = 0;
    for (auto _ : state)
    {
        floor.Ours([&] { triangles = cadcam::qzSolidDefinitionMeshFactory<double>::Create(solid, 0.0, 0.01)
                                         ->GetNumberOfTriangles(); });
        floor.Time(state, [&] {
            cadcam::qzTMesh<double>::qzTTriangleVector walls;
            for (int i = 0; i < n; ++i)
            {
                const auto& a = *points[i];
                const auto& b = *points[(i + 1) % n];
                const cadcam::qzTPoint3d<double> b0(a.x(), 0, a.y()), b1(b.x(), 0, b.y()), t0(a.x(), 30, a.y()),
                    t1(b.x(), 30, b.y());
                walls.AddTriangle(b0, t0, t1, Cross(t1 - t0, b0 - t0));
                walls.AddTriangle(b0, t1, b1, Cross(b1 - t1, b0 - t1));
            }
            cadcam::qzTMesh<double> mesh(measures::qzUnitsFactory::METRIC);
            mesh.SetTriangles(walls);
            benchmark::DoNotOptimize(mesh.GetNumberOfPoints());
        });
    }
    // One "byte" per contour vertex.
    floor.Report(state, double(n));
    state.counters["triangles"] = triangles;
}
BENCHMARK(ExtrudeContour)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
