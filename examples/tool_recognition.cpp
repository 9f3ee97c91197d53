// Builds generic revolved tools from their half-profiles (a ball mill, a bull-nose mill, a flat
// end mill and a drill), recognises the typed tool each profile shows, meshes the revolved
// profile into a binary STL file and lists the truncated cones of the polygonized profile.
//
// Usage: tool_recognition <output directory>
#include "tessaform.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace cadcam;
using misc::qzAutoPointer;

namespace
{
qzAutoPointer<qz2dPoint<double>> P(double x, double y)
{
    return misc::qzMakeAutoPointer<qz2dPoint<double>>(x, y);
}

struct Profile
{
    qzAutoPointer<qz2dContour<double>> contour = misc::qzMakeAutoPointer<qz2dContour<double>>();
    Profile& Line(double x0, double y0, double x1, double y1)
    {
        contour->AddGeometry(misc::qzMakeAutoPointer<qz2dLine<double>>(P(x0, y0), P(x1, y1)));
        return *this;
    }
    Profile& Arc(double cx, double cy, double r, double start, double sweep)
    {
        contour->AddGeometry(misc::qzMakeAutoPointer<qz2dArc<double>>(P(cx, cy), r, start, sweep));
        return *this;
    }
};

qzAutoPointer<qzToolPartDefinition<double>> Part(const Profile& profile)
{
    return misc::qzMakeAutoPointer<qzToolPartDefinition<double>>(qzAutoPointer<qzSolidDefinition<double>>(
        new qzRevolvedSolidDefinition<double>(measures::qzUnitsFactory::METRIC, profile.contour)));
}

// Names the typed tool and the values only its kind has.
class Describer : public qzToolVisitor
{
public:
    std::string text;
    void Visit(qzBoreBar&) override { text = "boring bar"; }
    void Visit(qzBullMill& t) override
    {
        text = Format("bull-nose mill, corner radius %g", t.GetCornerRadius());
    }
    void Visit(qzChamferMill& t) override { text = Format("chamfer mill, %g degrees", t.GetAngle()); }
    void Visit(qzCntrBore&) override { text = "counterbore"; }
    void Visit(qzCSink&) override { text = "countersink"; }
    void Visit(qzCtrDrill&) override { text = "centre drill"; }
    void Visit(qzDoveMill&) override { text = "dovetail mill"; }
    void Visit(qzDrill& t) override { text = Format("drill, point angle %g degrees", t.GetPointAngle()); }
    void Visit(qzEndMill&) override { text = "flat end mill"; }
    void Visit(qzFaceMill&) override { text = "face mill"; }
    void Visit(qzLolMill&) override { text = "lollipop mill"; }
    void Visit(qzRadMill&) override { text = "corner-rounding mill"; }
    void Visit(qzReamer&) override { text = "reamer"; }
    void Visit(qzSlotMill&) override { text = "slot mill"; }
    void Visit(qzSpherMill&) override { text = "ball mill"; }
    void Visit(qzSpotDrill& t) override
    {
        text = Format("spot drill, point angle %g degrees", t.GetPointAngle());
    }
    void Visit(qzTaperMill&) override { text = "taper mill"; }
    void Visit(qzTapLH&) override { text = "left-hand tap"; }
    void Visit(qzTapRH&) override { text = "right-hand tap"; }
    void Visit(qzLatheTool&) override { text = "lathe tool"; }
    void Visit(qzBarrelMill&) override { text = "barrel mill"; }
    void Visit(qzConvexTipMill&) override { text = "convex-tip mill"; }
    void Visit(qzGenericRevolvedTool&) override { text = "generic tool"; }
    void Visit(qzTool&) override { text = "tool"; }

private:
    static std::string Format(const char* format, double value)
    {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, format, value);
        return buffer;
    }
};

// The whole half-profile as a 3D polyline about OZ: x stays the radius, y becomes z.
qzAutoPointer<qz3dPolyLine<double>> RevolvableProfile(const Profile& cut, const Profile& shank)
{
    auto flat = misc::qzMakeAutoPointer<qz2dPolyLine<double>>();
    qz2dGeometryPolygonizer<double> polygonizer(0.01, flat);
    cut.contour->AcceptVisitor(polygonizer);
    shank.contour->AcceptVisitor(polygonizer);
    auto profile = misc::qzMakeAutoPointer<qz3dPolyLine<double>>();
    for (const auto& p : flat->GetPoints())
        profile->AddPoint(qz3dPoint<double>(p->x(), 0.0, p->y()));
    return profile;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const std::string out = argv[1];
    const double root = 5.0 / 1.6642794823505179; // radius 5 over tan(59 degrees): a 118-degree point

    struct Sample
    {
        const char* name;
        Profile cut;
    } samples[] = {
        {"ball", Profile().Arc(0, 5, 5, 270, 90).Line(5, 5, 5, 30)},
        {"bull_nose", Profile().Line(0, 0, 4, 0).Arc(4, 1, 1, 270, 90).Line(5, 1, 5, 30)},
        {"flat", Profile().Line(0, 0, 5, 0).Line(5, 0, 5, 30)},
        {"drill", Profile().Line(0, 0, 5, root).Line(5, root, 5, 30)},
    };
    // Every sample shares the shank: radius 5 up to 60, closed on the axis.
    const Profile shank = Profile().Line(5, 30, 5, 60).Line(5, 60, 0, 60);

    int failures = 0;
    for (const Sample& s : samples)
    {
        const auto generic = misc::qzMakeAutoPointer<qzGenericRevolvedTool>(
            qzToolHelper<double>::CreateHolderAsCylinder(40, 50, measures::qzUnitsFactory::METRIC),
            qzToolHelper<double>::CreateArborAsCylinder(16, 40, measures::qzUnitsFactory::METRIC),
            Part(s.cut), Part(shank), measures::qzUnitsFactory::METRIC);
        try
        {
            const auto typed = qzGeneric2TypedToolConverter<double>().Convert(generic);
            Describer describer;
            typed->AcceptVirtual(describer);
            std::printf("%-9s -> %s: diameter %g, cutting length %g, length %g, shoulder %g from %g\n",
                        s.name, describer.text.c_str(), typed->GetDiameter(), typed->GetCuttingLength(),
                        typed->GetLength(), typed->GetShoulderExtender().GetDiameter(),
                        typed->GetShoulderExtender().GetBaseLength());

            const auto profile = RevolvableProfile(s.cut, shank);
            const qzRevolveProfileSrv<double> service(0.01);
            const auto mesh = service.CreateMeshOZ(profile, measures::qzUnitsFactory::METRIC);
            const std::string file = out + "/" + s.name + ".stl";
            service.PrintMesh(*mesh, file);
            std::printf("          %u meridians, %u triangles written to %s\n",
                        unsigned(service.CalculateNumberOfSteps(profile)), mesh->GetNumberOfTriangles(),
                        file.c_str());

            qz3dShapeList<double> cones;
            qzRevolveProfileSrv<double>(0.01).CreateTruncatedConesOZ(profile, cones);
            std::printf("          %zu cones, volume %.3f; the first three:\n", cones.GetSize(),
                        cones.GetVolume());
            for (std::size_t i = 0; i < cones.GetSize() && i < 3; ++i)
            {
                const auto& cone = dynamic_cast<const qzTruncatedCone<double>&>(*cones[i]);
                std::printf("            z %.3f r %.3f -> z %.3f r %.3f\n", cone.GetCenter1()->z(),
                            cone.GetRadius1(), cone.GetCenter2()->z(), cone.GetRadius2());
            }
        }
        catch (const misc::qzException& e)
        {
            std::printf("%-9s -> not recognised: %s (%lu)\n", s.name, e.GetErrorMessage().c_str(),
                        e.GetErrorCode());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
