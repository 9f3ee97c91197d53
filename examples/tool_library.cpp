// Stores a small tool library (a ball mill, a bull-nose mill and a generic revolved tool with
// its holder and arbor) and a posted 5-axis toolpath in one file, reads both back and prints
// them. Usage: tool_library [file]
#include "tessaform.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using misc::qzAutoPointer;
using Units = measures::qzUnitsFactory::Units;
namespace
{
constexpr unsigned kVersion = 226; // what the writers produce; the caller keeps it beside the data
constexpr Units kMetric = measures::qzUnitsFactory::METRIC;
constexpr double kPi = 3.14159265358979323846; // MinGW hides M_PI in strict C++17
using Geometry = cadcam::qz2dGeometry<double>;

qzAutoPointer<cadcam::qz2dPoint<double>> P(double x, double y)
{
    return qzAutoPointer<cadcam::qz2dPoint<double>>(new cadcam::qz2dPoint<double>(x, y));
}

qzAutoPointer<Geometry> Line(double x0, double y0, double x1, double y1)
{
    return qzAutoPointer<Geometry>(new cadcam::qz2dLine<double>(P(x0, y0), P(x1, y1)));
}

/// A tool part revolved from a half-profile (x = radius, y = height).
qzAutoPointer<cadcam::qzToolPartDefinition<double>> Part(const std::vector<qzAutoPointer<Geometry>>& members)
{
    qzAutoPointer<cadcam::qz2dContour<double>> profile(new cadcam::qz2dContour<double>());
    for (const auto& member : members)
        profile->AddGeometry(member);
    qzAutoPointer<cadcam::qzSolidDefinition<double>> solid(new cadcam::qzRevolvedSolidDefinition<double>(kMetric, profile));
    return qzAutoPointer<cadcam::qzToolPartDefinition<double>>(new cadcam::qzToolPartDefinition<double>(solid));
}

std::vector<cadcam::qzEnrichedTool> Library()
{
    using Helper = cadcam::qzToolHelper<double>;
    const auto holder = Helper::CreateHolderAsCylinder(40, 60, kMetric);
    const auto arbor = Helper::CreateArborAsCylinder(20, 30, kMetric);
    const cadcam::qzShoulderExtender shoulder(kMetric, 10, 50);
    std::vector<cadcam::qzEnrichedTool> tools;
    tools.emplace_back(qzAutoPointer<cadcam::qzTool>(new cadcam::qzSpherMill(10, 25, 75, arbor, holder, shoulder, kMetric)),
                       1, "Ball D10", "finishing");
    tools.emplace_back(qzAutoPointer<cadcam::qzTool>(new cadcam::qzBullMill(2, 16, 30, 90, arbor, holder,
                                                                            cadcam::qzShoulderExtender(kMetric, 16, 60),
                                                                            kMetric)),
                       2, "Bull D16 R2", "roughing");
    // Ball tip of radius 4 and flute to 20, then a shank of radius 3 up to 60.
    const auto cut = Part({qzAutoPointer<Geometry>(new cadcam::qz2dArc<double>(P(0, 4), 4.0, 270.0, 90.0)),
                           Line(4, 4, 4, 20)});
    const auto shank = Part({Line(4, 20, 3, 21), Line(3, 21, 3, 60), Line(3, 60, 0, 60)});
    tools.emplace_back(qzAutoPointer<cadcam::qzTool>(new cadcam::qzGenericRevolvedTool(holder, arbor, cut, shank, kMetric)),
                       3, "Special ball D8", "from its profile");
    return tools;
}

/// A helix of 5-axis moves around the part, the tool tilted 20 degrees towards the axis.
post::qzPostedTP Toolpath()
{
    post::qzPostedTP toolpath;
    for (int i = 0; i < 200; ++i)
    {
        const double angle = i * 0.1, tilt = 20.0 * kPi / 180.0;
        qzAutoPointer<post::qzPosted5axMove> move(new post::qzPosted5axMove(false));
        move->SetPartPos({30 * std::cos(angle), 30 * std::sin(angle), 0.05 * i});
        move->SetAbsMachPos({30.0, 0.0, 0.05 * i});
        move->SetOrientation({-std::sin(tilt) * std::cos(angle), -std::sin(tilt) * std::sin(angle), std::cos(tilt)});
        move->SetRotVal(angle * 180.0 / kPi, 0);
        move->SetRotVal(20.0, 1);
        move->SetAngleState(post::ANGLES_FIRST_SOLUTION);
        move->SetFeedrate(i == 0 ? 0.0 : 1200.0);
        move->SetRapid(i == 0);
        move->SetMoveType(i == 0 ? post::qzPostedMove::RAPID : post::qzPostedMove::CUT);
        toolpath.PushBack(move);
    }
    qzAutoPointer<post::qzPostedTP::Matrix> align(new post::qzPostedTP::Matrix());
    align->LoadIdentity();
    (*align)[0][3] = 100.0; // the part sits 100 along X on the table
    toolpath.SetAlignMatrix(align);
    return toolpath;
}

const char* KindOf(const cadcam::qzTool& tool)
{
    switch (tool.GetToolType())
    {
    case cadcam::qzTool::SPHER_MILL: return "ball mill";
    case cadcam::qzTool::BULL_MILL: return "bull-nose mill";
    case cadcam::qzTool::GENERIC_REVOLVED_TOOL: return "generic revolved tool";
    default: return "tool";
    }
}

void PrintTool(const cadcam::qzEnrichedTool& entry)
{
    const cadcam::qzTool& tool = *entry.GetTool();
    std::printf("  T%d %-16s %-22s", entry.GetNumber(), entry.GetName().c_str(), KindOf(tool));
    if (const auto* typed = dynamic_cast<const cadcam::qzTypedRevolvedTool*>(&tool))
        std::printf(" diameter %g, flute %g, length %g", typed->GetDiameter(), typed->GetCuttingLength(),
                    typed->GetLength());
    if (const auto* bull = dynamic_cast<const cadcam::qzBullMill*>(&tool))
        std::printf(", corner radius %g", bull->GetCornerRadius());
    if (const auto* generic = dynamic_cast<const cadcam::qzGenericRevolvedTool*>(&tool))
    {
        const auto& solid = dynamic_cast<const cadcam::qzRevolvedSolidDefinition<double>&>(*generic->GetCutPart()->GetSolid());
        std::printf(" cutting profile of %zu elements, holder and arbor as solids", solid.GetProfile()->GetSize());
    }
    std::printf(" (%s)\n", entry.GetComment().c_str());
}

int Run(int argc, char** argv)
{
    const std::string path = argc > 1 ? argv[1] : "tool_library.bin";
    const std::vector<cadcam::qzEnrichedTool> library = Library();
    {
        misc::qzStdOutputStream out(path);
        misc::qzBOBasicTypes(out, false) << static_cast<int>(library.size());
        cadcam::qzBOTools tools(out);
        for (const auto& entry : library)
            tools << entry;
        post::qzBOPostTypes(out, false) << Toolpath();
        out.Close(); // reports data that did not reach the file
    }
    std::printf("written %s: %llu bytes (format version %u)\n", path.c_str(),
                static_cast<unsigned long long>(misc::qzFileSystem::GetFileSize(path)), kVersion);

    misc::qzStdInputStream in(path);
    int count = 0;
    misc::qzBIBasicTypes(in, false, false, false) >> count;
    cadcam::qzBITools tools(in, kVersion);
    std::printf("tool library: %d tools\n", count);
    for (int i = 0; i < count; ++i)
    {
        cadcam::qzEnrichedTool entry;
        tools >> entry;
        PrintTool(entry);
    }
    post::qzPostedTP toolpath;
    post::qzBIPostTypes(in, kVersion, false, false, false) >> toolpath;
    const auto& moves = toolpath.GetMoves();
    const auto& first = dynamic_cast<const post::qzPosted5axMove&>(*moves.front());
    const auto& last = dynamic_cast<const post::qzPosted5axMove&>(*moves.back());
    std::printf("posted toolpath: %zu five-axis moves, alignment matrix %s (shift %g)\n", toolpath.GetSize(),
                toolpath.GetAlignMatrix() ? "present" : "absent",
                toolpath.GetAlignMatrix() ? (*toolpath.GetAlignMatrix())[0][3] : 0.0);
    std::printf("  first: part (%.3f, %.3f, %.3f), rotary (%.2f, %.2f), %s\n", first.GetPartPos().x(),
                first.GetPartPos().y(), first.GetPartPos().z(), first.GetRotVal(0), first.GetRotVal(1),
                first.IsRapid() ? "rapid" : "feed");
    std::printf("  last:  part (%.3f, %.3f, %.3f), rotary (%.2f, %.2f), feed %g\n", last.GetPartPos().x(),
                last.GetPartPos().y(), last.GetPartPos().z(), last.GetRotVal(0), last.GetRotVal(1), last.GetFeedrate());
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
