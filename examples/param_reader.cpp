// Reads stored parameter sets of an old and of the newest format version, prints what the
// reader reported as lost and a few of the values it converted, and stores each set again as
// version 226 (read back to show nothing changed).
//
// Usage: param_reader <file> <version> [<file> <version> ...] <output folder>
#include "tessaform.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{
const char* Action(qzMoveHandling::Action action)
{
    static const char* const names[] = {"straight line",  "blend spline", "retract to clearance",
                                        "follow surface", "broken feed",  "incremental retract"};
    return action >= 0 && action <= 5 ? names[action] : "?";
}

void Describe(const qz5axParams& p)
{
    const qzLinkParams& link = p.GetLinkParams();
    const qzGapsAlongCut& gaps = link.GetGapsAlongCut();
    std::printf("  units %s, feed %.1f, plunge %.1f\n",
                p.GetUnits() == measures::qzUnitsFactory::METRIC ? "mm" : "inch", p.GetFeedRate(),
                p.GetPlungeFeedRate());
    std::printf("  lead-in feed %.1f %% of the feed rate, lag angle %.4f, side tilt %.4f\n",
                link.GetFirstEntry().GetLeadController().GetLeadParams().GetFeedRatePercent(),
                p.GetLagAngle(), p.GetSideTiltAngle());
    std::printf("  gaps along the cut: %s / %s, surface edges merged within %.4f%s\n",
                Action(gaps.GetSmallMoveHandling().GetAction()),
                Action(gaps.GetLargeMoveHandling().GetAction()),
                p.GetSurfEdgeHandlingParams().GetMergeDistance().IsPercent()
                    ? p.GetSurfEdgeHandlingParams().GetMergeDistance().GetPercent()
                    : p.GetSurfEdgeHandlingParams().GetMergeDistance().GetValue(),
                p.GetSurfEdgeHandlingParams().GetMergeDistance().IsPercent() ? " %" : "");
    std::printf("  stock offset %s by %.4f, 3-axis tool plane %s, conversion link type %d\n",
                p.GetCollCtrlOpStockParams().GetStockOffsetMode() == qzCollCtrlOpStockParams::OFFSET_INWARDS
                    ? "inwards"
                    : "outwards",
                p.GetCollCtrlOpStockParams().GetStockDefTolerance(),
                p.GetToolPlaneDirTypeFor3Axis() == qz5axParams::TOOL_PLANE_Z ? "along Z" : "custom",
                static_cast<int>(p.GetConversionLinkType()));
    if (const auto* five = dynamic_cast<const post::qz5axMachDef*>(p.GetMachDef().Get()))
    {
        const qzPoint3d& a = five->GetRotAxisDir0();
        const qzPoint3d& b = five->GetRotAxisDir1();
        std::printf("  five-axis machine, rotary axes (%g, %g, %g) and (%g, %g, %g)\n", a.x(), a.y(), a.z(),
                    b.x(), b.y(), b.z());
    }
    else
        std::printf("  machine of %d axes\n", 3 + static_cast<int>(p.GetMachDef()->GetNumberOfAxes()));
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || argc % 2 != 0)
    {
        std::fprintf(stderr, "usage: %s <file> <version> [<file> <version> ...] <output folder>\n", argv[0]);
        return 2;
    }
    const std::string outFolder = argv[argc - 1];
    try
    {
        for (int i = 1; i + 1 < argc; i += 2)
        {
            const std::string path = argv[i];
            const unsigned version = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
            std::vector<misc::qzBILostData> lost;
            qz5axParams params;
            {
                misc::qzStdInputStream in(path);
                qzBI5axParams3 reader(in, version, /*shrink*/ false, lost, /*unicode*/ false,
                                      /*64-bit sizes*/ false,
                                      /*validate*/ true);
                reader >> params;
            }
            std::printf("%s, stored with version %u:\n", path.c_str(), version);
            if (lost.empty())
                std::printf("  nothing lost\n");
            for (const misc::qzBILostData& entry : lost) // 5: the rotary axes were exchanged
                std::printf("  lost: %s %d\n", entry.GetName().c_str(), entry.GetIdentifier());
            Describe(params);

            // Stored again in the newest layout, and read back.
            const std::string out =
                outFolder + "/" + misc::qzFileName(path, true).GetFileTitle() + "_as_v226.qzp";
            {
                misc::qzStdOutputStream file(out);
                qzBO5axParams(file, false, false) << params;
                file.Close(); // reports data that did not reach the file
            }
            misc::qzStdInputStream again(out);
            std::vector<misc::qzBILostData> none;
            qz5axParams back;
            qzBI5axParams3(again, 226, false, none, false, false, false) >> back;
            const qzPercentOrValueParameter& merge = params.GetSurfEdgeHandlingParams().GetMergeDistance();
            const qzPercentOrValueParameter& mergeBack = back.GetSurfEdgeHandlingParams().GetMergeDistance();
            const bool same = none.empty() && back.GetLagAngle() == params.GetLagAngle() &&
                              back.GetLinkParams()
                                      .GetFirstEntry()
                                      .GetLeadController()
                                      .GetLeadParams()
                                      .GetFeedRatePercent() == params.GetLinkParams()
                                                                   .GetFirstEntry()
                                                                   .GetLeadController()
                                                                   .GetLeadParams()
                                                                   .GetFeedRatePercent() &&
                              mergeBack.IsPercent() == merge.IsPercent() &&
                              mergeBack.GetActualValue(100.0) == merge.GetActualValue(100.0);
            std::printf("  written as version 226 to %s, read back %s\n\n", out.c_str(),
                        same ? "unchanged" : "DIFFERENT");
            if (!same)
                return 1;
        }
    }
    catch (const misc::qzException& e)
    {
        std::fprintf(stderr, "error %lu: %s\n", e.GetErrorCode(), e.GetErrorMessage().c_str());
        return 1;
    }
    return 0;
}
