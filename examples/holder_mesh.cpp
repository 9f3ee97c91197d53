// Builds an extruded holder body (an outer contour of lines and arcs), tessellates it with and
// without an offset, writes it as binary STL and checks that the mesh is closed.
#include "tessaform.h"

#include <cstdio>
#include <map>
#include <string>
#include <utility>

using cadcam::qz2dArc;
using cadcam::qz2dContour;
using cadcam::qz2dGeometry;
using cadcam::qz2dLine;
using cadcam::qz2dPoint;
using misc::qzAutoPointer;

namespace
{
using Point = qzAutoPointer<qz2dPoint<double>>;

Point P(double x, double y)
{
    return misc::qzMakeAutoPointer<qz2dPoint<double>>(x, y);
}

// A 60 x 40 clamp block with rounded corners of radius 8 and a 20 wide, 10 deep notch in its
// top side, counter-clockwise.
qzAutoPointer<qz2dContour<double>> HolderOutline()
{
    auto c = misc::qzMakeAutoPointer<qz2dContour<double>>();
    const auto line = [&](Point a, Point b) { c->AddGeometry(misc::qzMakeAutoPointer<qz2dLine<double>>(a, b)); };
    const auto arc = [&](double cx, double cy, double start) {
        c->AddGeometry(misc::qzMakeAutoPointer<qz2dArc<double>>(P(cx, cy), 8.0, start, 90.0));
    };
    line(P(-22, -20), P(22, -20));
    arc(22, -12, 270);
    line(P(30, -12), P(30, 12));
    arc(22, 12, 0);
    line(P(22, 20), P(10, 20));
    line(P(10, 20), P(10, 10));
    line(P(10, 10), P(-10, 10));
    line(P(-10, 10), P(-10, 20));
    line(P(-10, 20), P(-22, 20));
    arc(-22, 12, 90);
    line(P(-30, 12), P(-30, -12));
    arc(-22, -12, 180);
    return c;
}

// Every edge used by exactly two triangles, once in each direction.
bool IsClosed(const cadcam::qzTMesh<double>& mesh)
{
    std::map<std::pair<unsigned, unsigned>, int> edges;
    for (const auto& t : mesh.GetTriangles())
        for (int k = 0; k < 3; ++k)
            ++edges[{t.vertices[k], t.vertices[(k + 1) % 3]}];
    for (const auto& [edge, count] : edges)
        if (count != 1 || edges.count({edge.second, edge.first}) == 0 || edges.at({edge.second, edge.first}) != 1)
            return false;
    return true;
}

void Report(const char* what, const cadcam::qzTMesh<double>& mesh)
{
    const auto& box = mesh.GetBoundingBox();
    std::printf("%s: %u triangles, %u points, box (%.3f, %.3f, %.3f) - (%.3f, %.3f, %.3f), closed: %s\n", what,
                mesh.GetNumberOfTriangles(), mesh.GetNumberOfPoints(), box.GetMin().x(), box.GetMin().y(),
                box.GetMin().z(), box.GetMax().x(), box.GetMax().y(), box.GetMax().z(), IsClosed(mesh) ? "yes" : "no");
}
int Run(int argc, char** argv)
{
    // Extruded 50 upwards from height 5; sketch y becomes mesh z, heights run along mesh y.
    const cadcam::qzExtrusionBase<double> base(HolderOutline(), 5.0);
    const cadcam::qzExtrudedSolidDefinition<double> holder(measures::qzUnitsFactory::METRIC, base,
                                                           cadcam::qz3dPoint<double>(0, 0, 50));
    using Factory = cadcam::qzSolidDefinitionMeshFactory<double>;
    const auto exact = Factory::Create(holder, 0.0, 0.01);
    Report("holder", *exact);
    const auto shrunk = Factory::Create(holder, 1.0, 0.01);
    Report("holder offset by 1", *shrunk);

    const std::string out = argc > 1 ? argv[1] : "holder.stl";
    cadcam::qzTSTLTranslator<double, cadcam::qzTPoint3d<double>, cadcam::qzTPoint3d<double>>::WriteSTL(
        misc::qzFileName(out, true), *exact, true);
    std::printf("written: %s\n", out.c_str());
    return 0;
}

} // namespace

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
