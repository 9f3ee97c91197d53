// Meshing a revolved tool profile of 500 vertices at a tolerance that gives about a million
// triangles, beside the floor of filling the same triangle array (indices and normals of the
// same quads) directly from points computed beforehand. Arg 0: a new mesh per call (both sides
// allocate fresh lists); arg 1: the mesh is reused (both sides refill lists they already hold).
#include "toolgeometry/qzRevolveProfileSrv.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <vector>

namespace
{
using Mesh = cadcam::qzTMesh<double>;
using Point = cadcam::qzTPoint3d<double>;

constexpr int kVertices = 500;
constexpr double kPi = 3.14159265358979323846;

// Ball of radius 5 at the tip, then a fluted flank up to 60, back to the axis on top.
misc::qzAutoPointer<cadcam::qz3dPolyLine<double>> ToolProfile()
{
    misc::qzAutoPointer<cadcam::qz3dPolyLine<double>> profile(new cadcam::qz3dPolyLine<double>());
    const int ball = 100;
    for (int i = 0; i <= ball; ++i)
    {
        const double a = -kPi / 2 + kPi / 2 * i / ball;
        profile->AddPoint(cadcam::qz3dPoint<double>(i == 0 ? 0.0 : 5 * std::cos(a), 0, 5 + 5 * std::sin(a)));
    }
    const int flank = kVertices - ball - 2;
    for (int i = 1; i <= flank; ++i)
    {
        const double z = 5 + 55.0 * i / flank;
        profile->AddPoint(cadcam::qz3dPoint<double>(5 + 0.3 * std::sin(z), 0, z));
    }
    profile->AddPoint(cadcam::qz3dPoint<double>(0, 0, 60));
    return profile;
}

// The tolerance that gives `steps` meridians around the largest radius.
double ToleranceFor(int steps, double radius)
{
    return radius * (1 - std::cos(kPi / (steps - 0.5)));
}

class Clock
{
public:
    template <class F> void Add(F&& f, double& total)
    {
        const auto start = std::chrono::steady_clock::now();
        f();
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
};

void RevolveToMesh(benchmark::State& state)
{
    const bool reuse = state.range(0) != 0;
    const auto profile = ToolProfile();
    double radius = 0;
    for (const auto& p : profile->GetPoints())
        radius = std::max(radius, p->x());
    const cadcam::qzRevolveProfileSrv<double> srv(ToleranceFor(1000, radius));
    const int n = srv.CalculateNumberOfSteps(profile);

    // The floor's input: every ring's points laid out as the mesh lays them out.
    std::vector<Point> points;
    std::vector<double> cosines(n), sines(n);
    for (int j = 0; j < n; ++j)
    {
        cosines[j] = std::cos(2 * kPi * j / n);
        sines[j] = std::sin(2 * kPi * j / n);
    }
    const auto& vertices = profile->GetPoints();
    const unsigned rings = static_cast<unsigned>(vertices.size()) - 2; // the two axis points aside
    for (unsigned i = 1; i <= rings; ++i)
        for (int j = 0; j < n; ++j)
            points.emplace_back(vertices[i]->x() * cosines[j], vertices[i]->x() * sines[j], vertices[i]->z());

    Mesh reused(measures::qzUnitsFactory::METRIC);
    std::vector<Mesh::qzTTriangle> floorTriangles;
    double ours = 0, floor = 0;
    std::size_t triangles = 0;
    Clock clock;
    for (auto _ : state)
    {
        clock.Add(
            [&]
            {
                if (reuse)
                {
                    srv.CreateMeshOZ(profile, reused);
                    triangles = reused.GetNumberOfTriangles();
                }
                else
                    triangles =
                        srv.CreateMeshOZ(profile, measures::qzUnitsFactory::METRIC)->GetNumberOfTriangles();
            },
            ours);

        state.PauseTiming();
        clock.Add(
            [&]
            {
                std::vector<Mesh::qzTTriangle> fresh;
                std::vector<Mesh::qzTTriangle>& out = reuse ? floorTriangles : fresh;
                out.clear();
                out.reserve(2 * std::size_t(rings) * n);
                const auto add = [&](std::uint32_t a, std::uint32_t b, std::uint32_t c) {
                    out.push_back(
                        Mesh::qzTTriangle{{a, b, c}, Cross(points[c] - points[b], points[a] - points[b])});
                };
                for (unsigned i = 0; i + 1 < rings; ++i)
                    for (int j = 0; j < n; ++j)
                    {
                        const std::uint32_t k = j + 1 == n ? 0 : j + 1;
                        const std::uint32_t a = i * n + j, b = i * n + k, c = (i + 1) * n + k,
                                            d = (i + 1) * n + j;
                        add(a, b, c);
                        add(a, c, d);
                    }
                // The two fans at the axis come to as many triangles again as one ring of quads.
                for (int j = 0; j < 2 * n; ++j)
                    add(0, 1 + j % (n - 1), 2 + j % (n - 2));
                benchmark::DoNotOptimize(out.data());
            },
            floor);
        state.ResumeTiming();
    }
    const double total = double(triangles) * double(state.iterations());
    state.counters["triangles"] = double(triangles);
    state.counters["meridians"] = n;
    state.counters["ours_Mtri/s"] = total / ours / 1e6;
    state.counters["floor_Mtri/s"] = total / floor / 1e6;
    // floor time / our time: 1 means as fast as the floor, 1/3 is the target's bound.
    state.counters["ratio"] = floor / ours;
}
BENCHMARK(RevolveToMesh)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace

BENCHMARK_MAIN();
