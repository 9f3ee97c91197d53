// tessaform stl info | convert
#include "cli_support.h"
#include "commands.h"

#include "mesh/qzTMesh.h"
#include "mesh/qzTSTLTranslator.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <sstream>
#include <utility>
#include <vector>

namespace tessaform_cli
{
namespace
{
using Point = cadcam::qzTPoint3d<double>;
using Mesh = cadcam::qzTMesh<double>;
using Translator = cadcam::qzTSTLTranslator<double, Point, Point>;

/// Closed: every edge is shared by exactly two triangles.
bool IsClosed(const Mesh& mesh)
{
    std::vector<std::pair<std::uint32_t, std::uint32_t>> edges;
    edges.reserve(3 * mesh.GetTriangles().size());
    for (const auto& t : mesh.GetTriangles())
        for (int k = 0; k < 3; ++k)
            edges.emplace_back(std::minmax(t.vertices[k], t.vertices[(k + 1) % 3]));
    std::sort(edges.begin(), edges.end());
    for (std::size_t i = 0; i < edges.size(); i += 2)
        if (i + 1 >= edges.size() || edges[i] != edges[i + 1] || (i + 2 < edges.size() && edges[i + 2] == edges[i]))
            return false;
    return !edges.empty();
}

/// Facets the file holds: the binary count, or the ASCII facet keywords.
std::uint64_t StoredFacets(const std::string& path, bool binary)
{
    const std::string bytes = ReadWholeFile(path);
    if (binary)
    {
        std::uint32_t count = 0;
        for (int i = 3; i >= 0; --i)
            count = count << 8 | static_cast<unsigned char>(bytes.at(80 + i));
        return count;
    }
    std::uint64_t facets = 0;
    std::istringstream lines(bytes);
    for (std::string word; lines >> word;)
    {
        if (word == "facet")
            ++facets;
        lines.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return facets;
}

void Info(const std::string& path)
{
    RequireInputFile(path);
    const misc::qzFileName name(path, true);
    const bool binary = Translator::IsBinary(name);
    Mesh mesh(measures::qzUnitsFactory::METRIC);
    Translator::ReadSTL(name, mesh);
    const std::uint64_t stored = StoredFacets(path, binary);
    std::printf("variant: %s\n", binary ? "binary" : "ASCII");
    std::printf("triangles: %u\n", mesh.GetNumberOfTriangles());
    std::printf("points: %u\n", mesh.GetNumberOfPoints());
    if (mesh.GetNumberOfTriangles() == 0)
        std::printf("box: none, the mesh is empty\n");
    else
    {
        const auto& box = mesh.GetBoundingBox();
        std::printf("box: (%.9g, %.9g, %.9g) - (%.9g, %.9g, %.9g)\n", box.GetMin().x(), box.GetMin().y(),
                    box.GetMin().z(), box.GetMax().x(), box.GetMax().y(), box.GetMax().z());
    }
    std::printf("closed: %s\n", IsClosed(mesh) ? "yes" : "no");
    const std::uint64_t kept = mesh.GetNumberOfTriangles();
    std::printf("degenerate triangles dropped: %llu\n",
                static_cast<unsigned long long>(stored > kept ? stored - kept : 0));
}

void Convert(const std::string& in, const std::string& out, bool ascii, bool binary)
{
    RequireInputFile(in);
    const misc::qzFileName name(in, true);
    // Without a choice, the other variant.
    const bool toBinary = binary || (!ascii && !Translator::IsBinary(name));
    Mesh mesh(measures::qzUnitsFactory::METRIC);
    Translator::ReadSTL(name, mesh);
    PendingOutput output(out);
    Translator::WriteSTL(misc::qzFileName(output.Path(), true), mesh, toBinary);
    output.Commit();
    std::printf("%s: %u triangles written as %s STL\n", out.c_str(), mesh.GetNumberOfTriangles(),
                toBinary ? "binary" : "ASCII");
}
} // namespace

void AddStlCommands(CLI::App& app, int& status)
{
    CLI::App* stl = app.add_subcommand("stl", "Describe and convert STL files");
    stl->require_subcommand(1);

    auto file = std::make_shared<std::string>();
    CLI::App* info = stl->add_subcommand(
        "info", "Print the variant, triangle and point counts, the box, whether the mesh is closed and the "
                "count of triangles dropped as degenerate");
    info->add_option("FILE", *file, "STL file, ASCII or binary")->required();
    info->callback([file, &status] {
        Info(*file);
        status = OK;
    });

    auto in = std::make_shared<std::string>(), out = std::make_shared<std::string>();
    auto ascii = std::make_shared<bool>(false), binary = std::make_shared<bool>(false);
    CLI::App* convert = stl->add_subcommand("convert", "Write an STL file in the other (or the given) variant");
    convert->add_option("IN", *in, "STL file to read")->required();
    convert->add_option("OUT", *out, "STL file to write")->required();
    CLI::Option* asAscii = convert->add_flag("--ascii", *ascii, "write ASCII STL");
    convert->add_flag("--binary", *binary, "write binary STL")->excludes(asAscii);
    convert->callback([=, &status] {
        Convert(*in, *out, *ascii, *binary);
        status = OK;
    });
}
} // namespace tessaform_cli
