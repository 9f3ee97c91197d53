// Builds the parameters of a 5-axis finishing operation on a triangle mesh, writes them to a
// file and to memory with and without shrink data, and protects the file with a checksum.
#include "tessaform.h"

#include <cstdio>

namespace
{
qz5axParams FinishingOperation()
{
    qz5axParams params(measures::qzUnitsFactory::METRIC);
    params.SetFeedRate(2500.0);
    params.SetPlungeFeedRate(800.0);
    params.SetCutTolerance(0.005);
    params.SetScallop(0.002);
    params.SetUseStepoverNotScallopFlg(false);
    params.SetCurOutputType(qz5axParams::OUTPUT_5_AXIS);
    params.SetTiltStrategy(qz5axParams::RELATIVE_TO_CUT_DIRECTION);
    params.SetLagAngle(5.0);
    params.SetSideTiltAngle(15.0);

    // Calculation on the mesh, constant-scallop pattern.
    qzTpCalcMethodsParams methods = params.GetTpCalculationMethodsParams();
    methods.SetMethod(qzTpCalcMethodsParams::TRIANGLE_MESH_BASED);
    qzTriangleMeshBasedTpCalcParams mesh = methods.GetTriangleMeshBasedTpCalcParams();
    mesh.SetPattern(qzTriangleMeshBasedTpCalcParams::CONSTANT_SCALLOP);
    mesh.SetSmoothCornersFlg(true);
    mesh.SetSmoothCornersFactor(0.3);
    methods.SetTriangleMeshBasedTpCalcParams(mesh);
    params.SetTpCalculationMethodsParams(methods);

    // Arc leads, blended gaps, a clearance cylinder about X.
    qzLinkParams link = params.GetLinkParams();
    qzLeadParams lead = link.GetLeadInDefaultParams();
    lead.SetType(qzLeadParams::ARC);
    lead.SetArcSweep(60.0);
    link.SetLeadInDefaultParams(lead);
    link.SetLeadOutDefaultParams(lead);
    qzGapsAlongCut gaps = link.GetGapsAlongCut();
    qzPercentOrValueParameter gapSize = gaps.GetGapSize();
    gapSize.SetPercent(25.0);
    gaps.SetGapSize(gapSize);
    qzMoveHandling small = gaps.GetSmallMoveHandling();
    small.SetAction(qzMoveHandling::BLEND_SPLINE);
    gaps.SetSmallMoveHandling(small);
    link.SetGapsAlongCut(gaps);
    link.SetClearanceType(qzLinkParams::CYLINDER);
    link.SetClearanceAxis(qzLinkParams::X_AXIS);
    link.SetClearanceRadius(120.0);
    params.SetLinkParams(link);

    // Collision control of the holder against the part, tilting the tool away.
    qzCollCtrlParams control = params.GetCollControl();
    qzCollCtrlOpParams check = control.GetCollCtrlOperation(qzCollCtrlParams::OPERATION_1);
    check.SetStatus(true);
    check.SetStrategy(qzCollCtrlOpBaseParams::TILT_TOOL);
    check.SetAvoidTiltAngles(0.0, 30.0);
    check.SetCheckHolder(true);
    check.SetCheckArbor(true);
    control.SetCollCtrlOperation(check, qzCollCtrlParams::OPERATION_1);
    params.SetCollControl(control);

    // A table-table machine: C about Z, A about X.
    misc::qzAutoPointer<post::qz5axMachDef> machine(new post::qz5axMachDef(measures::qzUnitsFactory::METRIC));
    machine->SetMachType(post::qz5axMachDef::TABLE_TABLE);
    machine->SetRotAxisDir0(qzPoint3d(0, 0, 1));
    machine->SetRotAxisDir1(qzPoint3d(1, 0, 0));
    machine->SetRotAxisMinLimit1(-120.0);
    machine->SetRotAxisMaxLimit1(30.0);
    params.SetMachDef(machine);
    return params;
}

misc::qzUInt64 SizeOf(const qz5axParams& params, bool shrink)
{
    misc::qzMemoryIOStream memory(64 * 1024);
    qzBO5axParams(memory, shrink, true) << params;
    return memory.GetDataLength();
}
int Run()
{
    const qz5axParams params = FinishingOperation();
    std::printf("parameter record (format version 226): %llu bytes, %llu bytes with shrink data\n",
                SizeOf(params, false), SizeOf(params, true));

    const auto problems = qz5axParamsValidator::Validate(params, true);
    std::printf("validator findings: %zu\n", problems.size());

    // What the host has to collect from the model before the calculation can run.
    const qz5axGeoDependChecker needs(params, true);
    const struct
    {
        const char* what;
        bool needed;
    } inputs[] = {
        {"machining surfaces", needs.NeedMachiningSurfaces()},
        {"drive surfaces", needs.NeedDriveSurfaces()},
        {"check surfaces of operation 1", needs.NeedCheckSurfaces(qzCollCtrlParams::OPERATION_1)},
        {"projection curves", needs.NeedProjectionCurves()},
        {"2D containment curves", needs.Need2dContainmentCurves()},
        {"tilt lines", needs.NeedTiltLines()},
        {"tilt curve", needs.NeedTiltCurve()},
        {"stock definition", needs.NeedStockDef()},
        {"drill points", needs.NeedDrillPoints()},
    };
    std::printf("input geometry needed:");
    for (const auto& input : inputs)
        if (input.needed)
            std::printf(" [%s]", input.what);
    std::printf("\n");

    misc::qzTempFile file(misc::qzFileSystem::GetTempDirectory(), "qzp");
    file.Init();
    {
        misc::qzStdOutputStream out(file.GetFilePath());
        qzBO5axParams(out, false, false) << params;
        out.Close(); // reports data that did not reach the file
    }
    misc::qzDataIntegrityUtils::AddChecksumToFile(file.GetFilePath());
    std::printf("written to %s: %llu bytes with its checksum, intact: %s\n", file.GetFilePath().c_str(),
                static_cast<unsigned long long>(misc::qzFileSystem::GetFileSize(file.GetFilePath())),
                misc::qzDataIntegrityUtils::VerifyChecksumFromFile(file.GetFilePath()) ? "yes" : "no");
    return 0;
}

} // namespace

// The library's failures (a full disk among them) are reported, not left to abort the program.
int main()
{
    try
    {
        return Run();
    }
    catch (const misc::qzException& e)
    {
        std::fprintf(stderr, "error %lu: %s\n", e.GetErrorCode(), e.GetErrorMessage().c_str());
        return 1;
    }
}
