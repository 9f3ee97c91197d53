// STL reading and writing on a closed 1,000,000-triangle mesh (500,000 distinct vertices), beside
// admesh (an independent STL library) reading and welding the same files, and beside plain
// fwrite / to_chars loops producing the same bytes. Reports peak memory of the binary read.
#include "bench_floor.h"

#include "brimlib/qzFileSystem.h"
#include "mesh/qzTMesh.h"
#include "mesh/qzTSTLTranslator.h"

#include <admesh/stl.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using Mesh = cadcam::qzTMesh<double>;
using P = cadcam::qzTPoint3d<double>;
using Translator = cadcam::qzTSTLTranslator<double, P, P>;

/// A torus of 1000 x 500 vertices: closed, every vertex shared by six triangles.
Mesh Torus()
{
    const int rings = 1000, sides = 500;
    std::vector<P> points;
    for (int i = 0; i < rings; ++i)
        for (int j = 0; j < sides; ++j)
        {
            const double u = 2 * M_PI * i / rings, v = 2 * M_PI * j / sides;
            points.emplace_back(static_cast<float>((100 + 30 * std::cos(v)) * std::cos(u)),
                                static_cast<float>((100 + 30 * std::cos(v)) * std::sin(u)),
                                static_cast<float>(30 * std::sin(v)));
        }
    std::vector<Mesh::qzTTriangle> triangles;
    const auto at = [&](int i, int j) { return static_cast<std::uint32_t>((i % rings) * sides + j % sides); };
    for (int i = 0; i < rings; ++i)
        for (int j = 0; j < sides; ++j)
        {
            triangles.push_back({{at(i, j), at(i + 1, j), at(i + 1, j + 1)}, P(0, 0, 1)});
            triangles.push_back({{at(i, j), at(i + 1, j + 1), at(i, j + 1)}, P(0, 0, 1)});
        }
    Mesh mesh(points, triangles, measures::qzUnitsFactory::METRIC);
    mesh.RecalculateNormals();
    return mesh;
}

struct Files
{
    Files()
    {
        const std::string dir = misc::qzFileSystem::GetTempDirectory() + "/";
        binary = dir + "tessaform_bench_torus_binary.stl";
        ascii = dir + "tessaform_bench_torus_ascii.stl";
        const Mesh mesh = Torus();
        Translator::WriteSTL(misc::qzFileName(binary, true), mesh, true);
        Translator::WriteSTL(misc::qzFileName(ascii, true), mesh, false);
    }
    ~Files()
    {
        misc::qzFileSystem::FileDelete(binary);
        misc::qzFileSystem::FileDelete(ascii);
    }
    std::string binary, ascii;
};

const Files& TheFiles()
{
    static Files files;
    return files;
}

void AdmeshReadAndWeld(const std::string& path)
{
    stl_file stl{};
    stl_open(&stl, const_cast<char*>(path.c_str()));
    stl_check_facets_exact(&stl);
    stl_generate_shared_vertices(&stl);
    benchmark::DoNotOptimize(stl.stats.shared_vertices);
    stl_close(&stl);
}

long StatusKiB(const char* key)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    long value = 0;
    while (status >> word)
        if (word == key)
        {
            status >> value;
            return value;
        }
    return 0;
}

void BM_ReadBinary(benchmark::State& state)
{
    const Files& files = TheFiles();
    const double bytes = static_cast<double>(misc::qzFileSystem::GetFileSize(files.binary));
    bench::Floor peer;
    long peakExtraKiB = 0;
    unsigned points = 0;
    for (auto _ : state)
    {
        std::ofstream("/proc/self/clear_refs") << "5";
        const long before = StatusKiB("VmRSS:");
        peer.Ours([&] {
            Mesh mesh(measures::qzUnitsFactory::METRIC);
            Translator::ReadSTL(misc::qzFileName(files.binary, true), mesh);
            points = mesh.GetNumberOfPoints();
            peakExtraKiB = std::max(peakExtraKiB, StatusKiB("VmHWM:") - before);
        });
        peer.Time(state, [&] { AdmeshReadAndWeld(files.binary); });
    }
    peer.Report(state, bytes);
    state.counters["points"] = points;
    state.counters["peak_over_file"] = peakExtraKiB * 1024.0 / bytes;
}

void BM_ReadAscii(benchmark::State& state)
{
    const Files& files = TheFiles();
    const double bytes = static_cast<double>(misc::qzFileSystem::GetFileSize(files.ascii));
    bench::Floor peer;
    unsigned points = 0;
    for (auto _ : state)
    {
        peer.Ours([&] {
            Mesh mesh(measures::qzUnitsFactory::METRIC);
            Translator::ReadSTL(misc::qzFileName(files.ascii, true), mesh);
            points = mesh.GetNumberOfPoints();
        });
        peer.Time(state, [&] { AdmeshReadAndWeld(files.ascii); });
    }
    peer.Report(state, bytes);
    state.counters["points"] = points;
}

void BM_WriteBinary(benchmark::State& state)
{
    const Mesh mesh = Torus();
    std::vector<unsigned char> bytes;
    {
        std::ostringstream text;
        misc::qzStdOutputStream out(text);
        Translator::WriteSTLBinary(out, mesh);
        const std::string s = text.str();
        bytes.assign(s.begin(), s.end());
    }
    const std::string path = misc::qzFileSystem::GetTempDirectory() + "/tessaform_bench_write.stl";
    bench::Floor floor;
    for (auto _ : state)
    {
        floor.Ours([&] { Translator::WriteSTL(misc::qzFileName(path, true), mesh, true); });
        floor.Time(state, [&] {
            std::FILE* f = std::fopen(path.c_str(), "wb");
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        });
    }
    misc::qzFileSystem::FileDelete(path);
    floor.Report(state, static_cast<double>(bytes.size()));
}

void BM_WriteAscii(benchmark::State& state)
{
    const Mesh mesh = Torus();
    const std::string path = misc::qzFileSystem::GetTempDirectory() + "/tessaform_bench_write.stl";
    std::uint64_t size = 0;
    bench::Floor floor;
    for (auto _ : state)
    {
        floor.Ours([&] { Translator::WriteSTL(misc::qzFileName(path, true), mesh, false); });
        size = misc::qzFileSystem::GetFileSize(path);
        floor.Time(state, [&] {
            // The same text from a plain to_chars loop (the fewest digits, 6 to 9, that read
            // back to the float), written with one fwrite per 256 KiB.
            std::FILE* f = std::fopen(path.c_str(), "w");
            std::string text;
            text.reserve(1 << 19);
            const auto numbers = [&](const P& p) {
                for (float v : {float(p.x()), float(p.y()), float(p.z())})
                {
                    char digits[32];
                    digits[0] = ' ';
                    char* end = digits + 1;
                    for (int precision = 6; precision <= 9; ++precision)
                    {
                        end = std::to_chars(digits + 1, digits + 32, v, std::chars_format::general, precision).ptr;
                        double back = 0;
                        std::from_chars(digits + 1, end, back);
                        if (float(back) == v)
                            break;
                    }
                    text.append(digits, end);
                }
                text += '\n';
            };
            text += "solid ascii\n";
            for (const auto& t : mesh.GetTriangles())
            {
                text += "  facet normal";
                numbers(t.normal);
                text += "    outer loop\n";
                for (std::uint32_t v : t.vertices)
                {
                    text += "      vertex";
                    numbers(mesh.GetPoints()[v]);
                }
                text += "    endloop\n  endfacet\n";
                if (text.size() > (1 << 18))
                {
                    std::fwrite(text.data(), 1, text.size(), f);
                    text.clear();
                }
            }
            text += "endsolid\n";
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        });
    }
    misc::qzFileSystem::FileDelete(path);
    floor.Report(state, static_cast<double>(size));
}
} // namespace

BENCHMARK(BM_ReadBinary)->Name("ReadSTL/binary_1M_vs_admesh")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadAscii)->Name("ReadSTL/ascii_1M_vs_admesh")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteBinary)->Name("WriteSTL/binary_1M_vs_fwrite")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteAscii)->Name("WriteSTL/ascii_1M_vs_to_chars")->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
