#include "paramformat/qzLostParamsOV20.h"

#include "brimlib/qzException.h"

namespace
{
constexpr double kTolerance = 1e-12;

bool IsMetric(const measures::qzMeasurable& record)
{
    return record.GetUnits() == measures::qzUnitsFactory::METRIC;
}

// Zero when outside -limit..limit (the bounds themselves are kept).
double ZeroWhenBeyond(double angle, double limit)
{
    return angle < -(limit + kTolerance) || angle > limit + kTolerance ? 0.0 : angle;
}
} // namespace

qzLostParamsOV20::qzLostParamsOV20()
    : leadsUsed(false), leadInFlag(false), leadOutFlag(false), leadInArcSweep(0.0), leadOutArcSweep(0.0),
      leadInArcDiaOverToolDia(0.0), leadOutArcDiaOverToolDia(0.0), arcLeadsFlag(false),
      gapsAlongCutGapPercent(0.0), gapsAlongCutHandling{GAP_STRAIGHT_LINE, GAP_STRAIGHT_LINE},
      linksBetweenSlicesGapPercent(0.0), linksBetweenSlicesHandling{GAP_STRAIGHT_LINE, GAP_STRAIGHT_LINE},
      entryModeFlag(false), clearanceAxis(qz5axParams::X), clearancePlaneHeight(0.0), feedPlaneDistance(0.0),
      retractPlaneDistance(0.0), plungeUseFlag(false), plungeValue(0.0), morphPocketInsideToOutsideFlg(false),
      morphPocketSpiralFlg(false), morphPocketCount(0), depthCutsUseFlag(false), morphPocketUseFlag(false),
      blendUseFlag(false), trochoidalUseFlag(false), depthCutsType(qzDepthCutsRoughParams::CONSTANT_STOCK),
      depthCutsSortType(qzDepthCutsRoughParams::BY_DEPTH), depthRoughCuts(0), depthRoughSpacing(0.0),
      depthFinishCuts(0), depthFinishSpacing(0.0), morphPocketDistance(0.0),
      pocketAreaType(qzMorphPocketRoughParams::WHOLE_AREA), blendDistance(0.0), plungeSlideLength(0.0),
      plungeHeight(0.0), plungeRetractAngle(0.0), multiCutsUseFlag(false), multiRoughCuts(0),
      multiRoughSpacing(0.0), multiFinishCuts(0), multiFinishSpacing(0.0), multiSortFlag(false),
      stockUseFlag(false), signedStockDefTolerance(0.0), firstSpiralFlag(false), secondSpiralFlag(false),
      first2DegFlag(false), second2DegFlag(false), sideTiltFanningDist(0.0), allowFlipSideFlag(false),
      gradualLeadAngleChange(0.0), gradualSideTiltAngleChange(0.0), ruledSurfaceRadiusLimit(0.0),
      alignToPlanarEdgesFlag(false), lagAngle(0.0), sideTiltAngle(0.0), feedRate(0.0), plungeFeedRate(0.0),
      retractFeedRate(0.0), rapidRetractFlg(false), sideTiltFlag(false), surfEdgeHandlingType(0),
      connectSlicesShortDistFlg(false), depthCutsFromStockFlg(false), fixAxesFlag(false), fixAxesValue(0),
      oldTpCalcMethod(0)
{
}

void qzLostParamsOV20::ApplySettingsTo5axParams(qz5axParams& params, unsigned version) const
{
    // Only a value the stream held: versions below 115 never stored one.
    if (version < 196 && meshStockRemain &&
        params.GetTpCalculationMethodsParams().GetMethod() == qzTpCalcMethodsParams::TRIANGLE_MESH_BASED)
        params.SetStockRemain(*meshStockRemain);
    double lag = lagAngle;
    double side = sideTiltAngle;
    if (version < 200)
    {
        lag = ZeroWhenBeyond(lag, 89.999);
        side = ZeroWhenBeyond(side, 179.999);
    }
    params.SetLagAngle(lag);
    params.SetSideTiltAngle(side);
}

void qzLostParamsOV20::ApplySettingsToLinkParams(qzLinkParams& link) const
{
    ApplySettingsForClearance(link);
    ApplySettingsForLead(link);
    ApplySettingsForLeadController(link);

    qzGapsAlongCut gaps = link.GetGapsAlongCut();
    qzPercentOrValueParameter gapSize = gaps.GetGapSize();
    gapSize.SetPercent(gapsAlongCutGapPercent);
    gaps.SetGapSize(gapSize);
    qzLinkBetweenSlices slices = link.GetLinkBetweenSlices();
    gapSize = slices.GetGapSize();
    gapSize.SetPercent(linksBetweenSlicesGapPercent);
    slices.SetGapSize(gapSize);

    const auto setAction = [](qzMoveHandling handling, qzMoveHandling::Action action)
    {
        handling.SetAction(action);
        return handling;
    };
    const qzMoveHandling::Action gapActions[2] = {ConvertMoveAction(gapsAlongCutHandling[0], entryModeFlag),
                                                  ConvertMoveAction(gapsAlongCutHandling[1], entryModeFlag)};
    const qzMoveHandling::Action sliceActions[2] = {
        ConvertMoveAction(linksBetweenSlicesHandling[0], entryModeFlag),
        ConvertMoveAction(linksBetweenSlicesHandling[1], entryModeFlag)};
    gaps.SetSmallMoveHandling(setAction(gaps.GetSmallMoveHandling(), gapActions[0]));
    gaps.SetLargeMoveHandling(setAction(gaps.GetLargeMoveHandling(), gapActions[1]));
    slices.SetSmallMoveHandling(setAction(slices.GetSmallMoveHandling(), sliceActions[0]));
    slices.SetLargeMoveHandling(setAction(slices.GetLargeMoveHandling(), sliceActions[1]));
    // Links between passes had no handling of their own: they follow the links between slices.
    qzLinkBetweenPasses passes = link.GetLinkBetweenPasses();
    passes.SetSmallMoveHandling(setAction(passes.GetSmallMoveHandling(), sliceActions[0]));
    passes.SetLargeMoveHandling(setAction(passes.GetLargeMoveHandling(), sliceActions[1]));
    link.SetGapsAlongCut(gaps);
    link.SetLinkBetweenSlices(slices);
    link.SetLinkBetweenPasses(passes);
}

void qzLostParamsOV20::ApplySettingsForClearance(qzLinkParams& link) const
{
    link.SetFeedPlaneIncremental(feedPlaneDistance);
    link.SetAirMoveSafetyDistance(feedPlaneDistance);
    link.SetRetractPlaneIncremental(retractPlaneDistance);
    link.SetClearancePlaneHeight(clearancePlaneHeight);
    link.SetClearanceAxis(ConvertAxis(clearanceAxis));
    link.SetClearanceType(qzLinkParams::PLANE);
    qzFirstEntry entry = link.GetFirstEntry();
    entry.SetType(entryModeFlag ? qzFirstEntry::FROM_CLEARANCE : qzFirstEntry::DIRECT);
    link.SetFirstEntry(entry);
    qzLastExit exit = link.GetLastExit();
    exit.SetType(entryModeFlag ? qzLastExit::TO_CLEARANCE : qzLastExit::DIRECT);
    link.SetLastExit(exit);
}

void qzLostParamsOV20::ApplySettingsForLead(qzLinkParams& link) const
{
    const auto lead = [this](qzLeadController controller, double sweep, double diameterRatio)
    {
        qzLeadParams params = controller.GetLeadParams();
        params.SetDefaults();
        params.SetArcSweep(sweep);
        params.SetArcDiaOverToolDia(diameterRatio);
        params.SetUseWidthLength(false);
        params.SetType(arcLeadsFlag ? qzLeadParams::ARC : qzLeadParams::LINE);
        controller.SetLeadParams(params);
        return controller;
    };
    qzFirstEntry entry = link.GetFirstEntry();
    entry.SetLeadController(lead(entry.GetLeadController(), leadInArcSweep, leadInArcDiaOverToolDia));
    link.SetFirstEntry(entry);
    qzLastExit exit = link.GetLastExit();
    exit.SetLeadController(lead(exit.GetLeadController(), leadOutArcSweep, leadOutArcDiaOverToolDia));
    link.SetLastExit(exit);
}

void qzLostParamsOV20::SetEntryLeadOutController(qzLeadInOutController& controller, bool leadIn, bool leadOut)
{
    qzLeadController in = controller.GetLeadInController();
    in.SetIsUsed(leadIn);
    controller.SetLeadInController(in);
    qzLeadController out = controller.GetLeadOutController();
    out.SetIsUsed(leadOut);
    controller.SetLeadOutController(out);
}

void qzLostParamsOV20::ApplySettingsForLeadController(qzLinkParams& link) const
{
    const bool entryIn = leadsUsed && leadInFlag;
    const bool exitOut = leadsUsed && leadOutFlag;
    qzFirstEntry entry = link.GetFirstEntry();
    qzLeadController controller = entry.GetLeadController();
    controller.SetIsUsed(entryIn);
    entry.SetLeadController(controller);
    link.SetFirstEntry(entry);
    qzLastExit exit = link.GetLastExit();
    controller = exit.GetLeadController();
    controller.SetIsUsed(exitOut);
    exit.SetLeadController(controller);
    link.SetLastExit(exit);

    const auto moveLeads = [this](qzMoveHandling handling, gapHandling stored)
    {
        const bool use = leadsUsed && ValidateUsageOfEEMC(stored);
        qzLeadInOutController leads = handling.GetMoveLeadController();
        SetEntryLeadOutController(leads, use && leadInFlag, use && leadOutFlag);
        handling.SetMoveLeadController(leads);
        return handling;
    };
    qzGapsAlongCut gaps = link.GetGapsAlongCut();
    gaps.SetSmallMoveHandling(moveLeads(gaps.GetSmallMoveHandling(), gapsAlongCutHandling[0]));
    gaps.SetLargeMoveHandling(moveLeads(gaps.GetLargeMoveHandling(), gapsAlongCutHandling[1]));
    link.SetGapsAlongCut(gaps);
    qzLinkBetweenSlices slices = link.GetLinkBetweenSlices();
    slices.SetSmallMoveHandling(moveLeads(slices.GetSmallMoveHandling(), linksBetweenSlicesHandling[0]));
    slices.SetLargeMoveHandling(moveLeads(slices.GetLargeMoveHandling(), linksBetweenSlicesHandling[1]));
    link.SetLinkBetweenSlices(slices);
}

bool qzLostParamsOV20::ValidateUsageOfEEMC(gapHandling handling) const
{
    return handling != GAP_STRAIGHT_LINE && handling != GAP_FOLLOW_SURFACE && handling != GAP_BROKEN_FEED;
}

qzLinkParams::ClearanceAxis qzLostParamsOV20::ConvertAxis(qz5axParams::axis axis)
{
    switch (axis)
    {
    case qz5axParams::X:
        return qzLinkParams::X_AXIS;
    case qz5axParams::Y:
        return qzLinkParams::Y_AXIS;
    case qz5axParams::Z:
        return qzLinkParams::Z_AXIS;
    }
    throw misc::qzException(0, "Axis Conversion not implemented");
}

qzMoveHandling::Action qzLostParamsOV20::ConvertMoveAction(gapHandling handling, bool entryModeFlag)
{
    switch (handling)
    {
    case GAP_STRAIGHT_LINE:
        return qzMoveHandling::STRAIGHT_LINE;
    case GAP_BLEND_SPLINE:
        return qzMoveHandling::BLEND_SPLINE;
    case GAP_RETRACT:
        return entryModeFlag ? qzMoveHandling::RETRACT_TO_CLEARANCE : qzMoveHandling::RETRACT_INCREMENTAL;
    case GAP_FOLLOW_SURFACE:
        return qzMoveHandling::FOLLOW_SURFACE;
    case GAP_BROKEN_FEED:
        return qzMoveHandling::BROKEN_FEED;
    }
    throw misc::qzException(0, "MoveAction Conversion not implemented");
}

void qzLostParamsOV20::ApplySettingsToRoughingParams(qzRoughingParams& roughing, unsigned version) const
{
    if (version >= 35)
        return;
    qzLostParamsOV20 values = *this;
    if (version >= 33)
    {
        values.plungeHeight = IsMetric(roughing.GetPlungeRoughParams()) ? 5.0 : 0.5;
        values.plungeRetractAngle = 0.0;
        values.depthCutsSortType = qzDepthCutsRoughParams::BY_DEPTH;
    }
    else
        SetDefaultsForNewRoughingParams(values, roughing);

    qzMultiCutsRoughParams multi = roughing.GetMultiCutsRoughParams();
    values.ApplySettingsToMultiCutsRoughParams(multi);
    roughing.SetMultiCutsRoughParams(multi);
    qzPlungeRoughParams plunge = roughing.GetPlungeRoughParams();
    values.ApplySettingsToPlungeRoughParams(plunge);
    roughing.SetPlungeRoughParams(plunge);
    qzMorphPocketRoughParams morph = roughing.GetMorphPocketRoughParams();
    values.ApplySettingsToMorphPocketRoughParams(morph);
    roughing.SetMorphPocketRoughParams(morph);
    qzDepthCutsRoughParams depth = roughing.GetDepthCutsRoughParams();
    values.ApplySettingsToDepthCutsRoughParams(depth);
    roughing.SetDepthCutsRoughParams(depth);
    qzBlendRoughParams blend = roughing.GetBlendRoughParams();
    values.ApplySettingsToBlendRoughParams(blend);
    roughing.SetBlendRoughParams(blend);
    qzTrochoidalRoughParams trochoidal = roughing.GetTrochoidalRoughParams();
    values.ApplySettingsToTrochoidalRoughParams(trochoidal);
    roughing.SetTrochoidalRoughParams(trochoidal);
}

void qzLostParamsOV20::SetDefaultsForNewRoughingParams(qzLostParamsOV20& lost,
                                                       const qzRoughingParams& roughing)
{
    // Only what the oldest record did not store: its multi-cuts values, plunge flag and value,
    // morph-pocket flags and count are kept.
    lost.depthCutsUseFlag = false;
    lost.morphPocketUseFlag = false;
    lost.blendUseFlag = false;
    lost.trochoidalUseFlag = false;
    lost.depthCutsType = qzDepthCutsRoughParams::OFFSET_FROM_SURFACE;
    lost.depthCutsSortType = qzDepthCutsRoughParams::BY_DEPTH;
    lost.depthRoughCuts = 1;
    lost.depthRoughSpacing = 0.0;
    lost.depthFinishCuts = 0;
    lost.depthFinishSpacing = 0.0;
    lost.morphPocketDistance = 0.0;
    lost.pocketAreaType = qzMorphPocketRoughParams::WHOLE_AREA;
    lost.blendDistance = 0.0;
    lost.plungeSlideLength = 0.0;
    lost.plungeHeight = IsMetric(roughing.GetPlungeRoughParams()) ? 5.0 : 0.5;
    lost.plungeRetractAngle = 0.0;
}

void qzLostParamsOV20::ApplySettingsToMultiCutsRoughParams(qzMultiCutsRoughParams& multi) const
{
    multi.SetIsUsedFlg(multiCutsUseFlag);
    multi.SetSortType(multiSortFlag ? qzMultiCutsRoughParams::BY_REGION : qzMultiCutsRoughParams::BY_PASS);
    multi.SetNumberOfRoughCuts(multiRoughCuts);
    multi.SetRoughPassSpacing(multiRoughSpacing);
    multi.SetNumberOfFinishCuts(multiFinishCuts);
    multi.SetFinishPassSpacing(multiFinishSpacing);
}

void qzLostParamsOV20::ApplySettingsToPlungeRoughParams(qzPlungeRoughParams& plunge) const
{
    plunge.SetIsUsedFlg(plungeUseFlag);
    plunge.SetStepLength(plungeValue);
    plunge.SetSlideLength(plungeSlideLength);
    plunge.SetPlungeHeight(plungeHeight);
    plunge.SetRetractAngle(plungeRetractAngle);
}

void qzLostParamsOV20::ApplySettingsToMorphPocketRoughParams(qzMorphPocketRoughParams& morph) const
{
    morph.SetIsUsedFlg(morphPocketUseFlag);
    morph.SetInsideToOutsideFlg(morphPocketInsideToOutsideFlg);
    morph.SetSpiralMachiningFlg(morphPocketSpiralFlg);
    morph.SetNumberOfCuts(morphPocketCount);
    morph.SetPocketAreaType(pocketAreaType);
    morph.SetStepover(morphPocketDistance);
}

void qzLostParamsOV20::ApplySettingsToDepthCutsRoughParams(qzDepthCutsRoughParams& depth) const
{
    depth.SetIsUsedFlg(depthCutsUseFlag);
    depth.SetCutsType(depthCutsType);
    depth.SetNumberOfRoughCuts(depthRoughCuts);
    depth.SetRoughPassSpacing(depthRoughSpacing);
    depth.SetNumberOfFinishCuts(depthFinishCuts);
    depth.SetFinishPassSpacing(depthFinishSpacing);
    depth.SetSortType(depthCutsSortType);
}

void qzLostParamsOV20::ApplySettingsToBlendRoughParams(qzBlendRoughParams& blend) const
{
    blend.SetIsUsedFlg(blendUseFlag);
    blend.SetStepover(blendDistance);
}

void qzLostParamsOV20::ApplySettingsToTrochoidalRoughParams(qzTrochoidalRoughParams& trochoidal) const
{
    trochoidal.SetIsUsedFlg(trochoidalUseFlag);
}

void qzLostParamsOV20::ApplySettingsToStockParams(qzCollCtrlOpStockParams& stock, unsigned version) const
{
    stock.SetStatus(stockUseFlag);
    double tolerance = 0.0;
    if (version >= 15)
    {
        // The sign of the stored tolerance was the offset direction.
        tolerance = signedStockDefTolerance;
        if (tolerance <= kTolerance)
        {
            stock.SetStockOffsetMode(qzCollCtrlOpStockParams::OFFSET_INWARDS);
            tolerance = -tolerance;
        }
        else
            stock.SetStockOffsetMode(qzCollCtrlOpStockParams::OFFSET_OUTWARDS);
    }
    stock.SetStockDefTolerance(tolerance);
    SetDefaultsForNewStockParams(stock);
}

void qzLostParamsOV20::SetDefaultsForNewStockParams(qzCollCtrlOpStockParams& stock)
{
    stock.SetCheckToolShaft(true);
    stock.SetCheckArbor(true);
    stock.SetCheckHolder(true);
    stock.SetStockType(qzCollCtrlOpStockParams::STOCK_DEFINITION);
}

void qzLostParamsOV20::ApplySettingsToCollControlOpParams(qzCollCtrlOpParams& operation,
                                                          unsigned version) const
{
    if (version >= 125)
        return;
    qzCCWith2DegOptionsList::OptionList options = operation.GetCCWith2DegOptionsList().GetOptionList();
    for (auto& option : options)
    {
        if (option.first == qzCCWith2DegOptionsList::CHECK_TOOL_TIP)
            option.second = first2DegFlag;
        else if (option.first == qzCCWith2DegOptionsList::CHECK_HOLDER)
            option.second = second2DegFlag;
    }
    operation.SetCCWith2DegOptionsList(qzCCWith2DegOptionsList(options)); // checks the list
}

void qzLostParamsOV20::ApplySettingsToSurfEdgeHandlingParams(qzSurfEdgeHandlingParams& record,
                                                             const qzPercentOrValueParameter& mergeDistance,
                                                             int type) const
{
    record.SetMergeDistance(mergeDistance);
    if (type == 0)
        record.SetMaintainOutsideSharpEdgesFlg(false);
    else if (type == 1)
        record.SetMaintainOutsideSharpEdgesFlg(true);
    else
        throw qz5axParamsEx(2490, "Invalid surface edge handling type");
}

void qzLostParamsOV20::ApplySettingsToTiltRel2CutDirParams(qzTiltRelativeToCutDirParams& record,
                                                           unsigned version) const
{
    record.SetDefaults();
    // The fanning distance is stored from 13 (the oldest record's tail) on, not only from 33.
    if (version >= 13)
        record.SetSideTiltFanningDist(sideTiltFanningDist);
    if (version >= 33)
    {
        record.SetAllowFlipSideDirFlg(allowFlipSideFlag);
        record.SetAlignToolAxisToPlanarSurfEdgesFlg(version >= 148 && alignToPlanarEdgesFlag);
    }
    if (version >= 38)
    {
        record.SetGradualLeadAngleChange(gradualLeadAngleChange);
        record.SetGradualSideTiltAngleChange(gradualSideTiltAngleChange);
        record.SetRuledSurfaceRadiusLimit(ruledSurfaceRadiusLimit);
    }
    record.SetImproveSideTiltForTwistedSurfsFlg(false);
}

qz5axParams::machType qzLostParamsOV20::GetMachTypeBasedOnSpiralSettings(const qz5axParams& params) const
{
    return firstSpiralFlag || secondSpiralFlag ? qz5axParams::SPIRAL : params.GetCurMachType();
}
