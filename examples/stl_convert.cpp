// Reads an STL file of either variant, prints what it holds and writes it in the other variant.
// Usage: stl_convert <input.stl> [output.stl]
#include "tessaform.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <utility>

namespace
{
using Mesh = cadcam::qzTMesh<double>;
using Translator = cadcam::qzTSTLTranslator<double, cadcam::qzTPoint3d<double>, cadcam::qzTPoint3d<double>>;

bool StartsWithSolidKeywords(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string head(512, '\0');
    in.read(&head[0], static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head.compare(0, 5, "solid") == 0 && head.find("facet") != std::string::npos;
}

/// Closed: every edge is used by exactly two triangles.
bool IsClosed(const Mesh& mesh)
{
    std::map<std::pair<std::uint32_t, std::uint32_t>, int> edges;
    for (const auto& t : mesh.GetTriangles())
        for (int k = 0; k < 3; ++k)
        {
            std::uint32_t a = t.vertices[k], b = t.vertices[(k + 1) % 3];
            if (a > b)
                std::swap(a, b);
            ++edges[{a, b}];
        }
    for (const auto& edge : edges)
        if (edge.second != 2)
            return false;
    return !edges.empty();
}
} // namespace

int Run(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s <input.stl> [output.stl]\n", argv[0]);
        return 2;
    }
    const std::string input = argv[1];
    const bool ascii = StartsWithSolidKeywords(input);
    Mesh mesh(measures::qzUnitsFactory::METRIC);
    try
    {
        Translator::ReadSTL(misc::qzFileName(input, true), mesh);
    }
    catch (const misc::qzException& e)
    {
        std::fprintf(stderr, "%s: error %lu: %s\n", input.c_str(), e.GetErrorCode(), e.GetErrorMessage().c_str());
        return 1;
    }
    const auto& box = mesh.GetBoundingBox();
    std::printf("%s: %s STL, %u triangles, %u points, box (%g, %g, %g) - (%g, %g, %g), %s\n", input.c_str(),
                ascii ? "ASCII" : "binary", mesh.GetNumberOfTriangles(), mesh.GetNumberOfPoints(), box.GetMin().x(),
                box.GetMin().y(), box.GetMin().z(), box.GetMax().x(), box.GetMax().y(), box.GetMax().z(),
                IsClosed(mesh) ? "closed" : "open");

    const std::string output = argc > 2 ? argv[2] : input + (ascii ? ".binary.stl" : ".ascii.stl");
    Translator::WriteSTL(misc::qzFileName(output, true), mesh, ascii);
    std::printf("  written as %s STL to %s (%llu bytes)\n", ascii ? "binary" : "ASCII", output.c_str(),
                static_cast<unsigned long long>(misc::qzFileSystem::GetFileSize(output)));
    return 0;
}

// The library's failures (a full disk among them) are reported, not left to abort the program.
int main(int argc, char** argv)
{
    try
    {
        return Run(argc, argv);
    }
    catch (const misc::qzException& e)
    {
        std::fprintf(stderr, "error %lu: %s\n", e.GetErrorCode(), e.GetErrorMessage().c_str());
        return 1;
    }
}
