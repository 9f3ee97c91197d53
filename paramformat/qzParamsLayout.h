// Field order and encoding of every record of the binary parameter format (internal).
//
// One Describe overload per record calls the visitor once per field, in stream order, with the
// model's accessor pair. The writer turns each call into bytes; the readers walk the same
// descriptions for every stored version, so each field also carries its history
// (qzParamsHistory.h): from which version it is stored, what older versions set instead, and
// what happens to its value in some versions. Records with variable parts (percent-or-value,
// option list, machine definition) are written and read by hand and appear here as nested
// records.
//
// Visitor calls: Units() for the record's own UNITS field; Bool (U8), Int (I32), UInt (U32),
// Real (F64), Enum (ENUM), Point (P3), Direction (P3 that readers of versions below 193 turn
// from a zero vector into (0, 0, 1)) and Record (a nested record) with a getter, a setter and
// optionally a history; Reserved() for a reserved U8; MachDef for the machine definition held by
// shared pointer; Operations for the four collision-control operations. Legacy... calls name
// fields that only older versions store: the writer skips them, the readers read them in the
// versions given, into the lost-parameter store or nowhere.
#pragma once

#include "brimlib/qz5axParams.h"
#include "paramformat/qzLostParamsOV20.h"
#include "paramformat/qzParamsHistory.h"

namespace paramformat
{
template <class R> struct Tag
{
};

using Lost = qzLostParamsOV20;

template <class V> void Describe(V& v, Tag<qzLeadParams>)
{
    using R = qzLeadParams;
    v.Enum("Type", &R::GetType, &R::SetType);
    v.Enum("AxisOrientation", &R::GetAxisOrientation, &R::SetAxisOrientation, From(34));
    v.Real("Width", &R::GetWidth, &R::SetWidth);
    v.Real("Length", &R::GetLength, &R::SetLength);
    v.Real("ArcSweep", &R::GetArcSweep, &R::SetArcSweep);
    v.Real("ArcDiaOverToolDia", &R::GetArcDiaOverToolDia, &R::SetArcDiaOverToolDia);
    v.Real("Height", &R::GetHeight, &R::SetHeight);
    v.Bool("UseWidthLength", &R::GetUseWidthLength, &R::SetUseWidthLength);
    v.Real("MaxAngleChange", &R::GetMaxAngleChange, &R::SetMaxAngleChange, From(94));
    v.Bool("FlipArcFlg", &R::GetFlipArcFlg, &R::SetFlipArcFlg, From(184));
    v.Real("TiltAngle4Orto2CutDir", &R::GetTiltAngle4Orto2CutDir, &R::SetTiltAngle4Orto2CutDir, From(212));
    v.Real("FeedRatePercent", &R::GetFeedRatePercent, &R::SetFeedRatePercent, From(215));
}

template <class V> void Describe(V& v, Tag<qzLeadController>)
{
    using R = qzLeadController;
    v.Bool("IsUsed", &R::GetIsUsed, &R::SetIsUsed);
    v.Bool("UseDefaultLeadParams", &R::GetUseDefaultLeadParams, &R::SetUseDefaultLeadParams, From(120));
    v.Record("LeadParams", &R::GetLeadParams, &R::SetLeadParams, From(120));
}

template <class V> void Describe(V& v, Tag<qzLeadInOutController>)
{
    using R = qzLeadInOutController;
    v.Record("LeadInController", &R::GetLeadInController, &R::SetLeadInController);
    v.Record("LeadOutController", &R::GetLeadOutController, &R::SetLeadOutController);
}

template <class R, class V> void DescribeEntryOrExit(V& v)
{
    v.Enum("Type", &R::GetType, &R::SetType);
    v.Record("LeadController", &R::GetLeadController, &R::SetLeadController);
    v.Bool("UseHomePositionFlg", &R::GetUseHomePositionFlg, &R::SetUseHomePositionFlg, From(201));
}

template <class V> void Describe(V& v, Tag<qzFirstEntry>)
{
    DescribeEntryOrExit<qzFirstEntry>(v);
}

template <class V> void Describe(V& v, Tag<qzLastExit>)
{
    DescribeEntryOrExit<qzLastExit>(v);
}

template <class V> void Describe(V& v, Tag<qzMoveHandling>)
{
    using R = qzMoveHandling;
    v.Enum("Action", &R::GetAction, &R::SetAction);
    v.Record("MoveLeadController", &R::GetMoveLeadController, &R::SetMoveLeadController);
}

template <class V> void Describe(V& v, Tag<qzInterlinkHandeler>)
{
    using R = qzInterlinkHandeler;
    v.Units();
    v.Record("GapSize", &R::GetGapSize, &R::SetGapSize);
    v.Record("SmallMoveHandling", &R::GetSmallMoveHandling, &R::SetSmallMoveHandling);
    v.Record("LargeMoveHandling", &R::GetLargeMoveHandling, &R::SetLargeMoveHandling);
}

template <class V> void Describe(V& v, Tag<qzLinkBetweenPasses>)
{
    using R = qzLinkBetweenPasses;
    v.Units();
    v.Real("GapSize", &R::GetGapSize, &R::SetGapSize);
    v.Record("SmallMoveHandling", &R::GetSmallMoveHandling, &R::SetSmallMoveHandling);
    v.Record("LargeMoveHandling", &R::GetLargeMoveHandling, &R::SetLargeMoveHandling);
}

template <class V> void Describe(V& v, Tag<qzLinkParams>)
{
    using R = qzLinkParams;
    v.Record("LeadInDefaultParams", &R::GetLeadInDefaultParams, &R::SetLeadInDefaultParams);
    v.Record("LeadOutDefaultParams", &R::GetLeadOutDefaultParams, &R::SetLeadOutDefaultParams);
    v.Record("FirstEntry", &R::GetFirstEntry, &R::SetFirstEntry);
    v.Record("LastExit", &R::GetLastExit, &R::SetLastExit);
    v.Record("GapsAlongCut", &R::GetGapsAlongCut, &R::SetGapsAlongCut);
    v.Record("LinkBetweenSlices", &R::GetLinkBetweenSlices, &R::SetLinkBetweenSlices, From(34));
    v.Record("LinkBetweenPasses", &R::GetLinkBetweenPasses, &R::SetLinkBetweenPasses);
    v.Enum("ClearanceType", &R::GetClearanceType, &R::SetClearanceType);
    v.Enum("ClearanceAxis", &R::GetClearanceAxis, &R::SetClearanceAxis);
    v.Real("ClearancePlaneHeight", &R::GetClearancePlaneHeight, &R::SetClearancePlaneHeight);
    v.Real("ClearanceRadius", &R::GetClearanceRadius, &R::SetClearanceRadius,
           Always().ConvertedIn(Below(224),
                                [](const R&, double radius) { return radius <= 1e-12 ? 0.1 : radius; }));
    v.Point("CylinderThroughPoint", &R::GetCylinderThroughPoint, &R::SetCylinderThroughPoint);
    v.Point("SphereAroundPoint", &R::GetSphereAroundPoint, &R::SetSphereAroundPoint);
    v.Real("FeedPlaneIncremental", &R::GetFeedPlaneIncremental, &R::SetFeedPlaneIncremental);
    v.Real("RetractPlaneIncremental", &R::GetRetractPlaneIncremental, &R::SetRetractPlaneIncremental);
    v.Real("AirMoveSafetyDistance", &R::GetAirMoveSafetyDistance, &R::SetAirMoveSafetyDistance);
    v.Real("AngleStepForRapidMoves", &R::GetAngleStepForRapidMoves, &R::SetAngleStepForRapidMoves, From(70));
    v.Point("PlaneCustomDirection", &R::GetPlaneCustomDirection, &R::SetPlaneCustomDirection, From(114));
    v.Point("CylinderCustomDirection", &R::GetCylinderCustomDirection, &R::SetCylinderCustomDirection, From(114));
    v.Bool("ChangeToolDir2ClearanceDirFlg", &R::GetChangeToolDir2ClearanceDirFlg, &R::SetChangeToolDir2ClearanceDirFlg, From(188));
    v.Real("ToolInitialOrientationDistance", &R::GetToolInitialOrientationDistance, &R::SetToolInitialOrientationDistance, From(188));
    v.Point("HomePosition", &R::GetHomePosition, &R::SetHomePosition, From(201));
}

/// The part of a collision-control operation that every layout from version 8 holds (older
/// layouts are read by hand). Generation 2 reads it up to the newest version.
template <class V> void DescribeCollOpHead(V& v)
{
    using R = qzCollCtrlOpParams;
    const auto metricOrInch = [](const R& op, double metric, double inch)
    { return op.GetUnits() == measures::qzUnitsFactory::METRIC ? metric : inch; };
    v.Units(From(25));
    v.Bool("Status", &R::GetStatus, &R::SetStatus);
    v.Bool("CheckToolTip", &R::GetCheckToolTip, &R::SetCheckToolTip);
    v.Bool("CheckToolShaft", &R::GetCheckToolShaft, &R::SetCheckToolShaft);
    v.Bool("CheckHolder", &R::GetCheckHolder, &R::SetCheckHolder);
    v.Bool("CheckArbor", &R::GetCheckArbor, &R::SetCheckArbor);
    v.Enum("Strategy", &R::GetStrategy, &R::SetStrategy);
    v.Enum("SideRetractDir", &R::GetSideRetractDir, &R::SetSideRetractDir);
    v.Enum("AvoidTiltDir", &R::GetAvoidTiltDir, &R::SetAvoidTiltDir);
    v.Enum("AvoidTiltSign", &R::GetAvoidTiltSign, &R::SetAvoidTiltSign);
    v.Real("AvoidMinTiltAngle", &R::GetAvoidMinTiltAngle, &R::SetAvoidMinTiltAngle, From(53).Else(0.0));
    v.Real("AvoidMaxTiltAngle", &R::GetAvoidMaxTiltAngle, &R::SetAvoidMaxTiltAngle);
    v.Bool("ToolAxOrContinuousFlg", &R::GetToolAxOrContinuousFlg, &R::SetToolAxOrContinuousFlg, From(57).Else(false));
    v.LegacyBool(Only(58));
    v.Real("DistForToolAxOrContinuous", &R::GetDistForToolAxOrContinuous, &R::SetDistForToolAxOrContinuous,
           From(56).Else([metricOrInch](const R& op) { return metricOrInch(op, 0.1, 0.05); }));
    v.Real("MinAllowedAngleInCutDirection", &R::GetMinAllowedAngleInCutDirection, &R::SetMinAllowedAngleInCutDirection, From(59).Else(-90.0));
    v.Real("MaxAllowedAngleInCutDirection", &R::GetMaxAllowedAngleInCutDirection, &R::SetMaxAllowedAngleInCutDirection, From(59).Else(90.0));
    v.Bool("ReusePastContoursSolutionFlg", &R::GetReusePastContoursSolutionFlg, &R::SetReusePastContoursSolutionFlg, From(60).Else(false));
    v.LegacyBool(Between(64, 135), &Lost::first2DegFlag);
    v.LegacyReal(Only(64));
    v.LegacyReal(Only(64));
    v.Real("DeviationAngle", &R::GetDeviationAngle, &R::SetDeviationAngle, From(65).Else(45.0));
    v.Bool("CheckDriveSurfaces", &R::GetCheckDriveSurfaces, &R::SetCheckDriveSurfaces);
    v.Bool("CheckSurfaces", &R::GetCheckSurfaces, &R::SetCheckSurfaces);
    v.Real("StockToLeave", &R::GetStockToLeave, &R::SetStockToLeave);
    v.Real("CheckSurfTolerance", &R::GetCheckSurfTolerance, &R::SetCheckSurfTolerance, From(17).DroppedIn(Only(17)));
    v.LegacyBool(Between(90, 135), &Lost::second2DegFlag);
    v.Bool("UseSplitContourWithinDistance", &R::GetUseSplitContourWithinDistance, &R::SetUseSplitContourWithinDistance, From(93));
    v.Real("SplitContourWithinDistance", &R::GetSplitContourWithinDistance, &R::SetSplitContourWithinDistance,
           From(93).ReplacedIn(Between(93, 151), 100.0));
    v.Bool("DropToolDownFlg", &R::GetDropToolDownFlg, &R::SetDropToolDownFlg, From(113));
    v.Bool("RemoveAreaWhereToolDropFailFlg", &R::GetRemoveAreaWhereToolDropFailFlg, &R::SetRemoveAreaWhereToolDropFailFlg, From(113));
    v.Direction("CustomSideRetractDir", &R::GetCustomSideRetractDir, &R::SetCustomSideRetractDir, From(114));
    v.Enum("CollLeaveOutPntsType", &R::GetCollLeaveOutPntsType, &R::SetCollLeaveOutPntsType, From(114));
    v.Bool("CheckMachiningSurfaces", &R::GetCheckMachiningSurfaces, &R::SetCheckMachiningSurfaces, From(122));
    v.Bool("TiltCollFreeContoursFlg", &R::GetTiltCollFreeContoursFlg, &R::SetTiltCollFreeContoursFlg,
           From(123).ReplacedIn(Between(152, 199), true));
}

/// The rest of a collision-control operation, stored from version 125 on. Versions 125 to 128
/// stored the two fix flags as an optional flag (125 to 127) and a number.
template <class V> void DescribeCollOpTail(V& v)
{
    using R = qzCollCtrlOpParams;
    v.Record("CCWith2DegOptionsList", &R::GetCCWith2DegOptionsList, &R::SetCCWith2DegOptionsList, From(125));
    v.LegacyBool(Between(125, 127), &Lost::fixAxesFlag);
    v.LegacyEnum(Between(125, 128), &Lost::fixAxesValue);
    v.Bool("TiltAxisFixFlg", &R::GetTiltAxisFixFlg, &R::SetTiltAxisFixFlg, From(129));
    v.Bool("RotaryAxisFixFlg", &R::GetRotaryAxisFixFlg, &R::SetRotaryAxisFixFlg, From(129));
    v.Real("ReOptimizeFor", &R::GetReOptimizeFor, &R::SetReOptimizeFor, From(125).ReplacedIn(Between(125, 158), 0.0));
    v.Real("MaxAngleStep", &R::GetMaxAngleStep, &R::SetMaxAngleStep, From(126));
    v.Real("ClearanceAngle", &R::GetClearanceAngle, &R::SetClearanceAngle, From(137).Else(0.0));
    v.Bool("ProjectToolOnDirFlg", &R::GetProjectToolOnDirFlg, &R::SetProjectToolOnDirFlg, From(147));
    // Versions 147 to 220 stored one flag and one distance for both directions: the readers
    // copy them to the inward ones.
    v.Bool("MoveToolOutwardsFlg", &R::GetMoveToolOutwardsFlg, &R::SetMoveToolOutwardsFlg, From(147));
    v.Real("MaxOutwardDistance4MoveTool", &R::GetMaxOutwardDistance4MoveTool, &R::SetMaxOutwardDistance4MoveTool, From(147));
    v.Bool("ProjectToolInwardsFlg", &R::GetProjectToolInwardsFlg, &R::SetProjectToolInwardsFlg, From(221));
    v.Real("MaxInwardDistance4ProjectTool", &R::GetMaxInwardDistance4ProjectTool, &R::SetMaxInwardDistance4ProjectTool, From(221));
    v.Bool("UsePreferredTiltAngleFlg", &R::GetUsePreferredTiltAngleFlg, &R::SetUsePreferredTiltAngleFlg, From(198));
    v.Real("PreferredTiltAngle", &R::GetPreferredTiltAngle, &R::SetPreferredTiltAngle,
           From(198).ConvertedIn(Since(198),
                                 [](R& op, double angle)
                                 {
                                     op.SetPreferredTiltAngleUsingMaxTiltAngle(angle,
                                                                               op.GetAvoidMaxTiltAngle());
                                     return op.GetPreferredTiltAngle();
                                 }));
    v.Bool("MaintainTiltAngleForCollFreeZonesFlg", &R::GetMaintainTiltAngleForCollFreeZonesFlg, &R::SetMaintainTiltAngleForCollFreeZonesFlg,
           From(198));
    v.Bool("ReverseProjectionDirFlg", &R::GetReverseProjectionDirFlg, &R::SetReverseProjectionDirFlg, From(203).Else(true));
}

template <class V> void Describe(V& v, Tag<qzCollCtrlOpParams>)
{
    DescribeCollOpHead(v);
    DescribeCollOpTail(v);
}

template <class V> void Describe(V& v, Tag<qzCollCtrlOpStockParams>)
{
    using R = qzCollCtrlOpStockParams;
    v.Units();
    v.Bool("Status", &R::GetStatus, &R::SetStatus);
    v.Bool("CheckToolShaft", &R::GetCheckToolShaft, &R::SetCheckToolShaft);
    v.Bool("CheckArbor", &R::GetCheckArbor, &R::SetCheckArbor);
    v.Bool("CheckHolder", &R::GetCheckHolder, &R::SetCheckHolder);
    // The sign of a tolerance stored before 119 was the offset direction.
    v.Real("StockDefTolerance", &R::GetStockDefTolerance, &R::SetStockDefTolerance,
           Always().ConvertedIn(Below(119),
                                [](R& stock, double tolerance)
                                {
                                    const bool inwards = tolerance <= 1e-12;
                                    stock.SetStockOffsetMode(inwards ? R::OFFSET_INWARDS
                                                                     : R::OFFSET_OUTWARDS);
                                    return inwards ? -tolerance : tolerance;
                                }));
    v.Bool("IgnoreSmallContoursFlg", &R::GetIgnoreSmallContoursFlg, &R::SetIgnoreSmallContoursFlg, From(114));
    v.Record("IgnoredSmallContoursSize", &R::GetIgnoredSmallContoursSize, &R::SetIgnoredSmallContoursSize, From(114));
    v.Enum("StockOffsetMode", &R::GetStockOffsetMode, &R::SetStockOffsetMode, From(116));
    v.Enum("StockType", &R::GetStockType, &R::SetStockType, From(134).Else(R::STOCK_DEFINITION));
}

template <class V> void Describe(V& v, Tag<qzCollCtrlParams>)
{
    using R = qzCollCtrlParams;
    v.Units(From(25));
    v.Operations("CollCtrlOperations", &R::GetCollCtrlOperations, &R::SetCollCtrlOperation);
    v.Real("ToolShaftUpperClearance", &R::GetToolShaftUpperClearance, &R::SetToolShaftUpperClearance);
    v.Real("ArborUpperClearance", &R::GetArborUpperClearance, &R::SetArborUpperClearance);
    v.Real("HolderUpperClearance", &R::GetHolderUpperClearance, &R::SetHolderUpperClearance);
    v.Bool("CheckBetweenPts", &R::GetCheckBetweenPts, &R::SetCheckBetweenPts);
    v.Bool("ReportRemainingColls", &R::GetReportRemainingColls, &R::SetReportRemainingColls, From(13));
    v.Bool("ExtendToolToInfinityFlg", &R::GetExtendToolToInfinityFlg, &R::SetExtendToolToInfinityFlg, From(84));
    v.Bool("CheckLinkMotionsFlg", &R::GetCheckLinkMotionsFlg, &R::SetCheckLinkMotionsFlg, From(84));
    // Older versions had one clearance per tool part: the lower ones take the upper values.
    v.Real("ToolShaftLowerClearance", &R::GetToolShaftLowerClearance, &R::SetToolShaftLowerClearance,
           From(118).Else([](const R& r) { return r.GetToolShaftUpperClearance(); }));
    v.Real("ArborLowerClearance", &R::GetArborLowerClearance, &R::SetArborLowerClearance,
           From(118).Else([](const R& r) { return r.GetArborUpperClearance(); }));
    v.Real("HolderLowerClearance", &R::GetHolderLowerClearance, &R::SetHolderLowerClearance,
           From(118).Else([](const R& r) { return r.GetHolderUpperClearance(); }));
    v.Bool("CheckTipRadiusFlg", &R::GetCheckTipRadiusFlg, &R::SetCheckTipRadiusFlg, From(158));
    v.Bool("CheckLinksAgainstContainmentFlg", &R::GetCheckLinksAgainstContainmentFlg, &R::SetCheckLinksAgainstContainmentFlg, From(190));
}

template <class V> void Describe(V& v, Tag<qzMultiCutsRoughParams>)
{
    using R = qzMultiCutsRoughParams;
    v.Units();
    v.Bool("IsUsedFlg", &R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Enum("SortType", &R::GetSortType, &R::SetSortType);
    v.UInt("NumberOfRoughCuts", &R::GetNumberOfRoughCuts, &R::SetNumberOfRoughCuts);
    v.Real("RoughPassSpacing", &R::GetRoughPassSpacing, &R::SetRoughPassSpacing);
    v.UInt("NumberOfFinishCuts", &R::GetNumberOfFinishCuts, &R::SetNumberOfFinishCuts);
    v.Real("FinishPassSpacing", &R::GetFinishPassSpacing, &R::SetFinishPassSpacing);
    v.Real("GradualMachAngleXYChange", &R::GetGradualMachAngleXYChange, &R::SetGradualMachAngleXYChange, From(169));
}

template <class V> void Describe(V& v, Tag<qzPlungeRoughParams>)
{
    using R = qzPlungeRoughParams;
    v.Units();
    v.Bool("IsUsedFlg", &R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Real("StepLength", &R::GetStepLength, &R::SetStepLength);
    v.Real("SlideLength", &R::GetSlideLength, &R::SetSlideLength);
    v.Real("PlungeHeight", &R::GetPlungeHeight, &R::SetPlungeHeight, From(36));
    v.Real("RetractAngle", &R::GetRetractAngle, &R::SetRetractAngle, From(36));
}

template <class V> void Describe(V& v, Tag<qzMorphPocketRoughParams>)
{
    using R = qzMorphPocketRoughParams;
    v.Units();
    v.Bool("IsUsedFlg", &R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Bool("InsideToOutsideFlg", &R::GetInsideToOutsideFlg, &R::SetInsideToOutsideFlg);
    v.Real("Stepover", &R::GetStepover, &R::SetStepover);
    v.Enum("PocketAreaType", &R::GetPocketAreaType, &R::SetPocketAreaType);
    v.UInt("NumberOfCuts", &R::GetNumberOfCuts, &R::SetNumberOfCuts);
    v.Bool("SpiralMachiningFlg", &R::GetSpiralMachiningFlg, &R::SetSpiralMachiningFlg);
}

template <class V> void Describe(V& v, Tag<qzDepthCutsRoughParams>)
{
    using R = qzDepthCutsRoughParams;
    v.Units();
    v.Bool("IsUsedFlg", &R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Enum("CutsType", &R::GetCutsType, &R::SetCutsType);
    v.UInt("NumberOfRoughCuts", &R::GetNumberOfRoughCuts, &R::SetNumberOfRoughCuts);
    v.Real("RoughPassSpacing", &R::GetRoughPassSpacing, &R::SetRoughPassSpacing);
    v.UInt("NumberOfFinishCuts", &R::GetNumberOfFinishCuts, &R::SetNumberOfFinishCuts);
    v.Real("FinishPassSpacing", &R::GetFinishPassSpacing, &R::SetFinishPassSpacing);
    v.Enum("SortType", &R::GetSortType, &R::SetSortType, From(36));
    v.Bool("UseRampFlg", &R::GetUseRampFlg, &R::SetUseRampFlg, From(40));
    v.LegacyBool(Between(202, 205), &Lost::depthCutsFromStockFlg);
    v.Enum("ApplyDepthMode", &R::GetApplyDepthMode, &R::SetApplyDepthMode,
           From(206).Else([](const R&, const Lost& lost)
                          { return lost.depthCutsFromStockFlg ? R::FROM_STOCK : R::FROM_SURFACE; }));
}

template <class V> void Describe(V& v, Tag<qzBlendRoughParams>)
{
    using R = qzBlendRoughParams;
    v.Units();
    v.Bool("IsUsedFlg", &R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Real("Stepover", &R::GetStepover, &R::SetStepover);
}

template <class V> void Describe(V& v, Tag<qzTrochoidalRoughParams>)
{
    using R = qzTrochoidalRoughParams;
    v.Units();
    v.Bool("IsUsedFlg", &R::GetIsUsedFlg, &R::SetIsUsedFlg);
}

template <class V> void Describe(V& v, Tag<qzAreaRoughParams>)
{
    using R = qzAreaRoughParams;
    v.Units();
    v.Bool("IsUsedFlg", &R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Enum("RoughingType", &R::GetRoughingType, &R::SetRoughingType);
    v.LegacyEnum(Below(67));
    v.Point("RotaryAxisDirection", &R::GetRotaryAxisDirection, &R::SetRotaryAxisDirection);
    v.Point("RotaryAxisBasePoint", &R::GetRotaryAxisBasePoint, &R::SetRotaryAxisBasePoint);
    v.Real("MaxStepoverDistance", &R::GetMaxStepoverDistance, &R::SetMaxStepoverDistance);
    v.Enum("AreaType", &R::GetAreaType, &R::SetAreaType);
    v.Enum("CuttingMethod", &R::GetCuttingMethod, &R::SetCuttingMethod);
    v.Enum("UsageStage", &R::GetUsageStage, &R::SetUsageStage, From(94));
    v.Enum("SectionMachiningMode", &R::GetSectionMachiningMode, &R::SetSectionMachiningMode, From(94));
    v.UInt("NumberOfCuts", &R::GetNumberOfCuts, &R::SetNumberOfCuts, From(94));
    v.Bool("AlternateDirectionFlg", &R::GetAlternateDirectionFlg, &R::SetAlternateDirectionFlg, From(94));
    v.Real("ContourExtensionAtStart", &R::GetContourExtensionAtStart, &R::SetContourExtensionAtStart, From(99));
    v.Real("ContourExtensionAtEnd", &R::GetContourExtensionAtEnd, &R::SetContourExtensionAtEnd, From(99));
    v.Bool("UseDepthCutsFlg", &R::GetUseDepthCutsFlg, &R::SetUseDepthCutsFlg, From(148));
    v.Int("DepthCutsNumber", &R::GetDepthCutsNumber, &R::SetDepthCutsNumber, From(148));
    v.Real("DepthCutsSpacing", &R::GetDepthCutsSpacing, &R::SetDepthCutsSpacing, From(148));
    v.Real("DepthCutsStartHeight", &R::GetDepthCutsStartHeight, &R::SetDepthCutsStartHeight, From(148));
    v.Bool("TrimCutsFlg", &R::GetTrimCutsFlg, &R::SetTrimCutsFlg, From(164));
    v.Enum("TrimCutsMethod", &R::GetTrimCutsMethod, &R::SetTrimCutsMethod, From(164));
    v.Real("CutLenTrimmingPercentage", &R::GetCutLenTrimmingPercentage, &R::SetCutLenTrimmingPercentage, From(164));
    v.Bool("SmoothAboveSplitterFlg", &R::GetSmoothAboveSplitterFlg, &R::SetSmoothAboveSplitterFlg, From(164));
}

template <class V> void Describe(V& v, Tag<qzTPRotationRoughParams>)
{
    using R = qzTPRotationRoughParams;
    v.Units();
    v.Bool("IsUsedFlg", &R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Point("RotaryAxisDirection", &R::GetRotaryAxisDirection, &R::SetRotaryAxisDirection);
    v.Point("RotaryAxisBasePoint", &R::GetRotaryAxisBasePoint, &R::SetRotaryAxisBasePoint);
    v.UInt("NumberOfSteps", &R::GetNumberOfSteps, &R::SetNumberOfSteps);
    v.Real("StartAngle", &R::GetStartAngle, &R::SetStartAngle);
    v.Real("RotationAngle", &R::GetRotationAngle, &R::SetRotationAngle);
    v.Enum("SortType", &R::GetSortType, &R::SetSortType);
    v.Real("TpToRotatePercentage", &R::GetTpToRotatePercentage, &R::SetTpToRotatePercentage, From(98));
    // Versions 104 and 105 stored the stage the other way round.
    v.Enum(
        "StockApplicationStage", &R::GetStockApplicationStage, &R::SetStockApplicationStage,
        From(104)
            .Else(R::BEFORE_ROTATION)
            .ConvertedIn(Between(104, 105), [](const R&, R::stockApplicationStage stage)
                         { return stage == R::BEFORE_ROTATION ? R::AFTER_ROTATION : R::BEFORE_ROTATION; }));
    v.Enum("LinkingApplicationStage", &R::GetLinkingApplicationStage, &R::SetLinkingApplicationStage,
           From(106).Else(R::LINK_BEFORE_ROTATION));
    v.Real("StartShiftDistance", &R::GetStartShiftDistance, &R::SetStartShiftDistance, From(192));
    v.Real("StepoverShiftDistance", &R::GetStepoverShiftDistance, &R::SetStepoverShiftDistance, From(192));
}

template <class V> void Describe(V& v, Tag<qzSortTpRoughParams>)
{
    using R = qzSortTpRoughParams;
    v.Units();
    v.Bool("IsUsedFlg", &R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Bool("ReverseOrderFlg", &R::GetReverseOrderFlg, &R::SetReverseOrderFlg);
    v.Enum("ReverseTpType", &R::GetReverseTpType, &R::SetReverseTpType);
    v.Bool("ConnectSlicesShortestDistFlg", &R::GetConnectSlicesShortestDistFlg, &R::SetConnectSlicesShortestDistFlg);
}

template <class V> void Describe(V& v, Tag<qzRoughingParams>)
{
    using R = qzRoughingParams;
    v.Record("MultiCutsRoughParams", &R::GetMultiCutsRoughParams, &R::SetMultiCutsRoughParams);
    v.Record("PlungeRoughParams", &R::GetPlungeRoughParams, &R::SetPlungeRoughParams);
    v.Record("MorphPocketRoughParams", &R::GetMorphPocketRoughParams, &R::SetMorphPocketRoughParams);
    v.Record("DepthCutsRoughParams", &R::GetDepthCutsRoughParams, &R::SetDepthCutsRoughParams);
    v.Record("BlendRoughParams", &R::GetBlendRoughParams, &R::SetBlendRoughParams);
    v.Record("TrochoidalRoughParams", &R::GetTrochoidalRoughParams, &R::SetTrochoidalRoughParams);
    // Before the sort record (127) only its connect-slices flag was stored; the readers
    // convert it.
    v.LegacyBool(Between(42, 126), &Lost::connectSlicesShortDistFlg);
    v.Record("AreaRoughParams", &R::GetAreaRoughParams, &R::SetAreaRoughParams, From(62));
    v.Record("TPRotationRoughParams", &R::GetTPRotationRoughParams, &R::SetTPRotationRoughParams, From(95));
    v.Record("SortTpRoughParams", &R::GetSortTpRoughParams, &R::SetSortTpRoughParams, From(127));
}

template <class V> void Describe(V& v, Tag<qzProjectionPatternTriMeshBasedParams>)
{
    using R = qzProjectionPatternTriMeshBasedParams;
    v.Units();
    v.Enum("Type", &R::GetType, &R::SetType);
    v.Enum("Style", &R::GetStyle, &R::SetStyle);
    v.Enum("Direction", &R::GetDirection, &R::SetDirection);
    v.Point("StartPoint", &R::GetStartPoint, &R::SetStartPoint);
    v.Real("StartHeight", &R::GetStartHeight, &R::SetStartHeight);
    v.Real("EndHeight", &R::GetEndHeight, &R::SetEndHeight);
    v.Real("StartAngle", &R::GetStartAngle, &R::SetStartAngle);
    v.Real("EndAngle", &R::GetEndAngle, &R::SetEndAngle);
    v.Real("StepAngle", &R::GetStepAngle, &R::SetStepAngle);
    v.Real("CylinderRadiusAroundLine", &R::GetCylinderRadiusAroundLine, &R::SetCylinderRadiusAroundLine);
    v.Bool("OutputPatternFlg", &R::GetOutputPatternFlg, &R::SetOutputPatternFlg);
}

template <class V> void Describe(V& v, Tag<qzImpellerCutParams>)
{
    using R = qzImpellerCutParams;
    v.Units();
    v.Enum("CutsPerSectionMode", &R::GetCutsPerSectionMode, &R::SetCutsPerSectionMode);
    v.Int("NoCutsPerSection", &R::GetNoCutsPerSection, &R::SetNoCutsPerSection);
    v.Real("Stepover", &R::GetStepover, &R::SetStepover);
    v.Enum("CutDirection", &R::GetCutDirection, &R::SetCutDirection);
    v.Enum("CutOrdering", &R::GetCutOrdering, &R::SetCutOrdering);
    v.Bool("ConnectByShortestDistFlg", &R::GetConnectByShortestDistFlg, &R::SetConnectByShortestDistFlg, From(223));
}

template <class V> void Describe(V& v, Tag<qzImpellerMachLayerDefParams>)
{
    using R = qzImpellerMachLayerDefParams;
    v.Units();
    v.Enum("MachLayerType", &R::GetMachLayerType, &R::SetMachLayerType);
    v.Bool("LimitNumberOfLayersFlg", &R::GetLimitNumberOfLayersFlg, &R::SetLimitNumberOfLayersFlg);
    v.Int("NoLayers", &R::GetNoLayers, &R::SetNoLayers);
    v.Real("DistBetwLayers", &R::GetDistBetwLayers, &R::SetDistBetwLayers);
    v.Enum("ShroudOffsetTrimType", &R::GetShroudOffsetTrimType, &R::SetShroudOffsetTrimType, From(216));
    v.Bool("UserDefinedRotaryAxisFlg", &R::GetUserDefinedRotaryAxisFlg, &R::SetUserDefinedRotaryAxisFlg, From(216));
    v.Point("RotaryAxisBasePoint", &R::GetRotaryAxisBasePoint, &R::SetRotaryAxisBasePoint, From(216));
    v.Point("RotaryAxisDirection", &R::GetRotaryAxisDirection, &R::SetRotaryAxisDirection, From(216));
    v.Bool("BlendByDistBetwLayersFlg", &R::GetBlendByDistBetwLayersFlg, &R::SetBlendByDistBetwLayersFlg, From(216));
    v.Real("BlendStartPercent", &R::GetBlendStartPercent, &R::SetBlendStartPercent, From(216));
    v.Real("BlendEndPercent", &R::GetBlendEndPercent, &R::SetBlendEndPercent, From(216));
}

template <class V> void Describe(V& v, Tag<qzImpellerOffsetAndClearanceParams>)
{
    using R = qzImpellerOffsetAndClearanceParams;
    v.Units();
    v.Real("HubOffset", &R::GetHubOffset, &R::SetHubOffset);
    v.Real("BladeOffset", &R::GetBladeOffset, &R::SetBladeOffset);
    v.Real("SideTiltClearanceAngle", &R::GetSideTiltClearanceAngle, &R::SetSideTiltClearanceAngle);
    v.Real("ShroudOffset", &R::GetShroudOffset, &R::SetShroudOffset, From(216));
}

template <class V> void Describe(V& v, Tag<qzImpellerSmoothParams>)
{
    using R = qzImpellerSmoothParams;
    v.Units();
    v.Real("CutSmoothFactor", &R::GetCutSmoothFactor, &R::SetCutSmoothFactor);
    v.Real("SideTiltSmoothFactor", &R::GetSideTiltSmoothFactor, &R::SetSideTiltSmoothFactor);
}

template <class V> void Describe(V& v, Tag<qzImpellerSplittersImpellerParams>)
{
    using R = qzImpellerSplittersImpellerParams;
    v.Units();
    v.Enum("SplitStrategy", &R::GetSplitStrategy, &R::SetSplitStrategy);
}

template <class V> void Describe(V& v, Tag<qzImpellerTiltParams>)
{
    using R = qzImpellerTiltParams;
    v.Units();
    v.Enum("TiltStrategy", &R::GetTiltStrategy, &R::SetTiltStrategy);
    v.Real("LeadAngle", &R::GetLeadAngle, &R::SetLeadAngle);
    v.Real("LeadAngleLeadingEdge", &R::GetLeadAngleLeadingEdge, &R::SetLeadAngleLeadingEdge);
    v.Real("LeadAngleSplitterEdge", &R::GetLeadAngleSplitterEdge, &R::SetLeadAngleSplitterEdge);
    v.Real("LeadAngleTrailingEdge", &R::GetLeadAngleTrailingEdge, &R::SetLeadAngleTrailingEdge);
    v.Real("MaxSideTiltAngle", &R::GetMaxSideTiltAngle, &R::SetMaxSideTiltAngle, From(222));
    v.Bool("CheckArborAndHolderFlg", &R::GetCheckArborAndHolderFlg, &R::SetCheckArborAndHolderFlg, From(222));
}

template <class V> void Describe(V& v, Tag<qzImpellerTrimAndExtendParams>)
{
    using R = qzImpellerTrimAndExtendParams;
    v.Units();
    v.Enum("TrimStrategy", &R::GetTrimStrategy, &R::SetTrimStrategy);
    v.Real("LeadTrimAngleFromTip", &R::GetLeadTrimAngleFromTip, &R::SetLeadTrimAngleFromTip);
    v.Real("LeadTangentialExtensionLen", &R::GetLeadTangentialExtensionLen, &R::SetLeadTangentialExtensionLen);
    v.Real("LeadRadialExtensionLen", &R::GetLeadRadialExtensionLen, &R::SetLeadRadialExtensionLen);
    v.Real("TrailTrimAngleFromTip", &R::GetTrailTrimAngleFromTip, &R::SetTrailTrimAngleFromTip);
    v.Real("TrailTangentialExtensionLen", &R::GetTrailTangentialExtensionLen, &R::SetTrailTangentialExtensionLen);
    v.Real("TrailRadialExtensionLen", &R::GetTrailRadialExtensionLen, &R::SetTrailRadialExtensionLen);
    v.Real("LeadTrimLen", &R::GetLeadTrimLen, &R::SetLeadTrimLen, From(216));
    v.Real("TrailTrimLen", &R::GetTrailTrimLen, &R::SetTrailTrimLen, From(216));
    v.Real("LeadSideTiltFixLen", &R::GetLeadSideTiltFixLen, &R::SetLeadSideTiltFixLen, From(216));
    v.Real("TrailSideTiltFixLen", &R::GetTrailSideTiltFixLen, &R::SetTrailSideTiltFixLen, From(216));
}

template <class V> void Describe(V& v, Tag<qzImpellerParams>)
{
    using R = qzImpellerParams;
    v.Units();
    v.Record("CutParams", &R::GetCutParams, &R::SetCutParams);
    v.Record("MachLayerDefParams", &R::GetMachLayerDefParams, &R::SetMachLayerDefParams);
    v.Record("OffsetAndClearanceParams", &R::GetOffsetAndClearanceParams, &R::SetOffsetAndClearanceParams);
    v.Record("SmoothParams", &R::GetSmoothParams, &R::SetSmoothParams);
    v.Record("SplittersImpellerParams", &R::GetSplittersImpellerParams, &R::SetSplittersImpellerParams);
    v.Record("TiltParams", &R::GetTiltParams, &R::SetTiltParams);
    v.Record("TrimAndExtendParams", &R::GetTrimAndExtendParams, &R::SetTrimAndExtendParams);
}

template <class V> void Describe(V& v, Tag<qzTriangleMeshBasedTpCalcParams>)
{
    using R = qzTriangleMeshBasedTpCalcParams;
    v.Units();
    v.Enum("Pattern", &R::GetPattern, &R::SetPattern);
    v.Real("StartHeight", &R::GetStartHeight, &R::SetStartHeight, From(111));
    v.Real("EndHeight", &R::GetEndHeight, &R::SetEndHeight, From(111));
    v.Real("DepthStep", &R::GetDepthStep, &R::SetDepthStep, From(111));
    v.LegacyReal(Between(115, 195), &Lost::meshStockRemain); // the set's stock remain for this method
    v.Bool("RestRoughFlg", &R::GetRestRoughFlg, &R::SetRestRoughFlg, From(115));
    v.Real("RoughingToolDiameter", &R::GetRoughingToolDiameter, &R::SetRoughingToolDiameter, From(115));
    v.Enum("RampType", &R::GetRampType, &R::SetRampType, From(115));
    v.Real("RampAngle", &R::GetRampAngle, &R::SetRampAngle, From(115));
    v.Real("RampLength", &R::GetRampLength, &R::SetRampLength, From(115));
    v.Enum("ParallelCutsStartCorner", &R::GetParallelCutsStartCorner, &R::SetParallelCutsStartCorner, From(115));
    v.Enum("ConstantZStart", &R::GetConstantZStart, &R::SetConstantZStart, From(115));
    v.Real("DraftAngle", &R::GetDraftAngle, &R::SetDraftAngle, From(124));
    v.Bool("AdaptiveParallelScansFlg", &R::GetAdaptiveParallelScansFlg, &R::SetAdaptiveParallelScansFlg, From(132));
    v.Bool("TrimToolpathFlg", &R::GetTrimToolpathFlg, &R::SetTrimToolpathFlg, From(150));
    v.Bool("TrimToFluteLengthFlg", &R::GetTrimToFluteLengthFlg, &R::SetTrimToFluteLengthFlg, From(153));
    v.Bool("UseAutomaticStartEndHeightFlg", &R::GetUseAutomaticStartEndHeightFlg, &R::SetUseAutomaticStartEndHeightFlg, From(157));
    v.Real("MinWidth", &R::GetMinWidth, &R::SetMinWidth, From(157));
    v.Enum("ProjectCurvesType", &R::GetProjectCurvesType, &R::SetProjectCurvesType, From(160));
    v.Point("ProjectCurvesCenterPoint", &R::GetProjectCurvesCenterPoint, &R::SetProjectCurvesCenterPoint, From(160));
    v.Real("ProjectCurvesRadiusStart", &R::GetProjectCurvesRadiusStart, &R::SetProjectCurvesRadiusStart, From(160));
    v.Real("ProjectCurvesRadiusEnd", &R::GetProjectCurvesRadiusEnd, &R::SetProjectCurvesRadiusEnd, From(160));
    v.Real("ProjectCurvesAngleStart", &R::GetProjectCurvesAngleStart, &R::SetProjectCurvesAngleStart, From(160));
    v.Real("ProjectCurvesAngleEnd", &R::GetProjectCurvesAngleEnd, &R::SetProjectCurvesAngleEnd, From(160));
    v.Int("ProjectCurvesNumberOfCuts", &R::GetProjectCurvesNumberOfCuts, &R::SetProjectCurvesNumberOfCuts, From(160));
    v.Enum("ProjectCurvesOffsetDir", &R::GetProjectCurvesOffsetDir, &R::SetProjectCurvesOffsetDir, From(160));
    v.Bool("GDUseCurveEndDistanceFlg", &R::GetGDUseCurveEndDistanceFlg, &R::SetGDUseCurveEndDistanceFlg, From(161));
    v.Enum("GDContainmentType", &R::GetGDContainmentType, &R::SetGDContainmentType, From(161));
    v.Point("GDProjCurvesDir", &R::GetGDProjCurvesDir, &R::SetGDProjCurvesDir, From(161));
    v.Enum("ProjectCurvesSpiralCutMethod", &R::GetProjectCurvesSpiralCutMethod, &R::SetProjectCurvesSpiralCutMethod, From(163));
    v.LegacyProjectionPattern(Below(173)); // an older layout of the next record, read by hand
    v.Record("ProjectionPatternParams", &R::GetProjectionPatternParams, &R::SetProjectionPatternParams, From(173));
    v.Bool("SmoothCornersFlg", &R::GetSmoothCornersFlg, &R::SetSmoothCornersFlg, From(176));
    v.Bool("SmoothLinksFlg", &R::GetSmoothLinksFlg, &R::SetSmoothLinksFlg, From(176));
    v.Bool("GDMorphBetwCurvesFlg", &R::GetGDMorphBetwCurvesFlg, &R::SetGDMorphBetwCurvesFlg, From(178));
    v.Bool("RestFinishingFlg", &R::GetRestFinishingFlg, &R::SetRestFinishingFlg, From(179));
    v.Real("RestFinishingBigToolDia", &R::GetRestFinishingBigToolDia, &R::SetRestFinishingBigToolDia, From(179));
    v.Point("MachDirectionForMesh", &R::GetMachDirectionForMesh, &R::SetMachDirectionForMesh, From(187));
    v.Bool("RemoveCornerPegsFlg", &R::GetRemoveCornerPegsFlg, &R::SetRemoveCornerPegsFlg, From(195));
    v.Real("SmoothCornersFactor", &R::GetSmoothCornersFactor, &R::SetSmoothCornersFactor, From(209));
    v.Bool("SmoothFinalPassFlg", &R::GetSmoothFinalPassFlg, &R::SetSmoothFinalPassFlg, From(209));
    v.Real("SmoothFinalPassFactor", &R::GetSmoothFinalPassFactor, &R::SetSmoothFinalPassFactor, From(209));
    v.Enum("Offset2dContainmentMethod", &R::GetOffset2dContainmentMethod, &R::SetOffset2dContainmentMethod, From(211));
    v.Real("Offset2dContainmentValue", &R::GetOffset2dContainmentValue, &R::SetOffset2dContainmentValue, From(211));
    v.Bool("AddOffset2dContainmentValue2ToolRadiusFlg", &R::GetAddOffset2dContainmentValue2ToolRadiusFlg, &R::SetAddOffset2dContainmentValue2ToolRadiusFlg,
           From(211));
    v.Bool("CenterCuttingToolFlg", &R::GetCenterCuttingToolFlg, &R::SetCenterCuttingToolFlg, From(213));
    v.Record("ImpellerParams", &R::GetImpellerParams, &R::SetImpellerParams, From(214));
    v.Bool("SilhouetteContainmentFlg", &R::GetSilhouetteContainmentFlg, &R::SetSilhouetteContainmentFlg, From(217));
    v.Bool("UseMinimumDistanceFlg", &R::GetUseMinimumDistanceFlg, &R::SetUseMinimumDistanceFlg, From(217));
    v.Real("MinimumDistance", &R::GetMinimumDistance, &R::SetMinimumDistance, From(217));
    v.Real("SilhouetteStockRemain", &R::GetSilhouetteStockRemain, &R::SetSilhouetteStockRemain, From(225));
}

template <class V> void Describe(V& v, Tag<qzDrillingBasedTpCalcParams>)
{
    using R = qzDrillingBasedTpCalcParams;
    v.Units();
    v.Enum("Pattern", &R::GetPattern, &R::SetPattern);
    v.Enum("DrillCycle", &R::GetDrillCycle, &R::SetDrillCycle);
    // Versions below 208 stored some depths negative.
    v.Real("DrillDepth", &R::GetDrillDepth, &R::SetDrillDepth,
           Always().ConvertedIn(Below(208),
                                [](const R&, double depth) { return depth < -1e-12 ? -depth : depth; }));
    v.Real("PeckDepth", &R::GetPeckDepth, &R::SetPeckDepth);
    v.Real("DwellTime", &R::GetDwellTime, &R::SetDwellTime);
}

template <class V> void Describe(V& v, Tag<qzWireframeBasedTpCalcParams>)
{
    using R = qzWireframeBasedTpCalcParams;
    v.Units();
    v.Enum("CuttingSide", &R::GetCuttingSide, &R::SetCuttingSide);
    v.Real("MaxSnapDistance", &R::GetMaxSnapDistance, &R::SetMaxSnapDistance);
}

template <class V> void Describe(V& v, Tag<qzTpCalcMethodsParams>)
{
    using R = qzTpCalcMethodsParams;
    v.LegacyEnum(Below(173), &Lost::oldTpCalcMethod); // an older numbering, converted by the readers
    v.Enum("Method", &R::GetMethod, &R::SetMethod, From(173));
    v.Record("TriangleMeshBasedTpCalcParams", &R::GetTriangleMeshBasedTpCalcParams, &R::SetTriangleMeshBasedTpCalcParams);
    v.Record("DrillingBasedTpCalcParams", &R::GetDrillingBasedTpCalcParams, &R::SetDrillingBasedTpCalcParams, From(145));
    v.Record("WireframeBasedTpCalcParams", &R::GetWireframeBasedTpCalcParams, &R::SetWireframeBasedTpCalcParams, From(149));
}

template <class V> void Describe(V& v, Tag<qzShallowAndSteepAreaParams>)
{
    using R = qzShallowAndSteepAreaParams;
    v.Units();
    v.Bool("IsUsedFlg", &R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.LegacyEnum(Only(66));
    v.Point("ViewAxisDirection", &R::GetViewAxisDirection, &R::SetViewAxisDirection);
    v.Real("SlopeAngleStart", &R::GetSlopeAngleStart, &R::SetSlopeAngleStart);
    v.Real("SlopeAngleEnd", &R::GetSlopeAngleEnd, &R::SetSlopeAngleEnd);
    v.Enum("MachiningAreaType", &R::GetMachiningAreaType, &R::SetMachiningAreaType);
}

template <class V> void Describe(V& v, Tag<qz2dContainmentParams>)
{
    using R = qz2dContainmentParams;
    v.Units();
    v.Bool("IsUsedFlg", &R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Point("ProjectionAxisDirection", &R::GetProjectionAxisDirection, &R::SetProjectionAxisDirection);
}

template <class V> void Describe(V& v, Tag<qzSurfEdgeHandlingParams>)
{
    using R = qzSurfEdgeHandlingParams;
    v.Units();
    v.Record("MergeDistance", &R::GetMergeDistance, &R::SetMergeDistance);
    v.Bool("MaintainOutsideSharpEdgesFlg", &R::GetMaintainOutsideSharpEdgesFlg, &R::SetMaintainOutsideSharpEdgesFlg);
    v.Real("SharpEdgeDetectionAngle", &R::GetSharpEdgeDetectionAngle, &R::SetSharpEdgeDetectionAngle);
    v.Real("RadiusForLoops", &R::GetRadiusForLoops, &R::SetRadiusForLoops);
}

template <class V> void Describe(V& v, Tag<qzTiltRelativeToCutDirParams>)
{
    using R = qzTiltRelativeToCutDirParams;
    v.Units();
    v.Real("SideTiltFanningDist", &R::GetSideTiltFanningDist, &R::SetSideTiltFanningDist);
    v.Bool("AllowFlipSideDirFlg", &R::GetAllowFlipSideDirFlg, &R::SetAllowFlipSideDirFlg);
    v.Real("GradualLeadAngleChange", &R::GetGradualLeadAngleChange, &R::SetGradualLeadAngleChange);
    v.Real("GradualSideTiltAngleChange", &R::GetGradualSideTiltAngleChange, &R::SetGradualSideTiltAngleChange);
    v.Real("RuledSurfaceRadiusLimit", &R::GetRuledSurfaceRadiusLimit, &R::SetRuledSurfaceRadiusLimit);
    v.Bool("AlignToolAxisToPlanarSurfEdgesFlg", &R::GetAlignToolAxisToPlanarSurfEdgesFlg, &R::SetAlignToolAxisToPlanarSurfEdgesFlg);
    v.Bool("ImproveSideTiltForTwistedSurfsFlg", &R::GetImproveSideTiltForTwistedSurfsFlg, &R::SetImproveSideTiltForTwistedSurfsFlg);
}

template <class V> void Describe(V& v, Tag<qzTiltRelToImpellerMachLayerParams>)
{
    using R = qzTiltRelToImpellerMachLayerParams;
    v.Units();
    v.Real("LeadAngleAtBladeStart", &R::GetLeadAngleAtBladeStart, &R::SetLeadAngleAtBladeStart);
    v.Real("LeadAngleAtBladeEnd", &R::GetLeadAngleAtBladeEnd, &R::SetLeadAngleAtBladeEnd);
    v.Real("LeadAngleAtSplitterEnd", &R::GetLeadAngleAtSplitterEnd, &R::SetLeadAngleAtSplitterEnd);
}

/// The main record up to the containment type: the part that generation 3 reads from version 33
/// on, where older versions go through generations 1 and 2 instead.
template <class V> void DescribeMainRecordHead(V& v)
{
    using R = qz5axParams;
    v.Units();                                                                          // 1
    v.Real("TrimLoopSurfPolygonTolerace", &R::GetTrimLoopSurfPolygonTolerace, &R::SetTrimLoopSurfPolygonTolerace);    // 2
    v.Bool("RapidRetractFlg", &R::GetRapidRetractFlg, &R::SetRapidRetractFlg, Always().AlsoParked(&Lost::rapidRetractFlg));
    v.Real("FeedRate", &R::GetFeedRate, &R::SetFeedRate, Always().AlsoParked(&Lost::feedRate));
    v.Real("PlungeFeedRate", &R::GetPlungeFeedRate, &R::SetPlungeFeedRate, Always().AlsoParked(&Lost::plungeFeedRate));
    v.Real("RetractFeedRate", &R::GetRetractFeedRate, &R::SetRetractFeedRate, Always().AlsoParked(&Lost::retractFeedRate));
    v.Bool("OptimizeFeedRate", &R::GetOptimizeFeedRate, &R::SetOptimizeFeedRate);
    v.Real("FeedRateRadius1", &R::GetFeedRateRadius1, &R::SetFeedRateRadius1);
    v.Real("FeedRateRadius2", &R::GetFeedRateRadius2, &R::SetFeedRateRadius2);
    v.Real("FeedRateFactor1", &R::GetFeedRateFactor1, &R::SetFeedRateFactor1);                            // 10
    v.Real("FeedRateFactor2", &R::GetFeedRateFactor2, &R::SetFeedRateFactor2);
    v.Real("FeedRateFactor3", &R::GetFeedRateFactor3, &R::SetFeedRateFactor3);
    v.Real("FeedRateFactor4", &R::GetFeedRateFactor4, &R::SetFeedRateFactor4);
    v.Real("StockRemain", &R::GetStockRemain, &R::SetStockRemain);
    v.Real("CutDepth", &R::GetCutDepth, &R::SetCutDepth);
    v.Real("CutTolerance", &R::GetCutTolerance, &R::SetCutTolerance);
    v.Bool("DistanceFlag", &R::GetDistanceFlag, &R::SetDistanceFlag);
    v.Real("Distance", &R::GetDistance, &R::SetDistance);
    v.Real("MaxAngleChange", &R::GetMaxAngleChange, &R::SetMaxAngleChange);
    v.Real("ChainingTolerance", &R::GetChainingTolerance, &R::SetChainingTolerance);                        // 20
    v.Real("MaxStepoverDistance", &R::GetMaxStepoverDistance, &R::SetMaxStepoverDistance);
    v.Enum("CurCutType", &R::GetCurCutType, &R::SetCurCutType);
    v.Real("ParallelMachAngleInYX", &R::GetParallelMachAngleInYX, &R::SetParallelMachAngleInYX);
    v.Real("ParallelMachAngleFromZ", &R::GetParallelMachAngleFromZ, &R::SetParallelMachAngleFromZ);
    v.UInt("NumberOfSteps", &R::GetNumberOfSteps, &R::SetNumberOfSteps);
    v.Bool("ReverseCutsFlg", &R::GetReverseCutsFlg, &R::SetReverseCutsFlg);
    v.Point("LimitPoint1", &R::GetLimitPoint1, &R::SetLimitPoint1);
    v.Point("LimitPoint2", &R::GetLimitPoint2, &R::SetLimitPoint2);
    v.Enum("CurMachType", &R::GetCurMachType, &R::SetCurMachType);
    v.Enum("CurCutOrder", &R::GetCurCutOrder, &R::SetCurCutOrder);                                    // 30
    v.Enum("MachDirForOneWay", &R::GetMachDirForOneWay, &R::SetMachDirForOneWay);
    v.Bool("EnforceClosedContourFlg", &R::GetEnforceClosedContourFlg, &R::SetEnforceClosedContourFlg);
    v.Enum("CurOutputType", &R::GetCurOutputType, &R::SetCurOutputType);
    v.Enum("Cur4Axis", &R::GetCur4Axis, &R::SetCur4Axis);
    v.Bool("StartPosFlag", &R::GetStartPosFlag, &R::SetStartPosFlag);
    v.Point("StartPosition", &R::GetStartPosition, &R::SetStartPosition);
    v.Real("StartPositionRotAngle", &R::GetStartPositionRotAngle, &R::SetStartPositionRotAngle);
    v.Reserved();                                                                       // 38
    v.Enum("TiltStrategy", &R::GetTiltStrategy, &R::SetTiltStrategy);
    v.Enum("TiltAxis", &R::GetTiltAxis, &R::SetTiltAxis);                                          // 40
    v.Point("TiltAxisStart", &R::GetTiltAxisStart, &R::SetTiltAxisStart);
    v.Point("TiltAxisEnd", &R::GetTiltAxisEnd, &R::SetTiltAxisEnd);
    v.Point("TiltPoint", &R::GetTiltPoint, &R::SetTiltPoint);
    v.Real("TiltAngle", &R::GetTiltAngle, &R::SetTiltAngle);
    v.Real("TiltAngleFixed", &R::GetTiltAngleFixed, &R::SetTiltAngleFixed);
    v.Bool("AxisMeetTiltFlg", &R::GetAxisMeetTiltFlg, &R::SetAxisMeetTiltFlg);
    v.Bool("ReverseToolFlg", &R::GetReverseToolFlg, &R::SetReverseToolFlg);
    // The two angles are set at the end of a read, out-of-range ones of old versions cleared.
    v.Real("LagAngle", &R::GetLagAngle, &R::SetLagAngle, Always().Parked(&Lost::lagAngle));
    v.Real("SideTiltAngle", &R::GetSideTiltAngle, &R::SetSideTiltAngle, Always().Parked(&Lost::sideTiltAngle));
    v.Reserved();                                                                       // 50
    v.Bool("XYPlaneAngleLimitFlg", &R::GetXYPlaneAngleLimitFlg, &R::SetXYPlaneAngleLimitFlg);
    v.Real("XYPlaneAngleLimitStart", &R::GetXYPlaneAngleLimitStart, &R::SetXYPlaneAngleLimitStart);
    v.Real("XYPlaneAngleLimitEnd", &R::GetXYPlaneAngleLimitEnd, &R::SetXYPlaneAngleLimitEnd);
    v.Bool("YZPlaneAngleLimitFlg", &R::GetYZPlaneAngleLimitFlg, &R::SetYZPlaneAngleLimitFlg);
    v.Real("YZPlaneAngleLimitStart", &R::GetYZPlaneAngleLimitStart, &R::SetYZPlaneAngleLimitStart);
    v.Real("YZPlaneAngleLimitEnd", &R::GetYZPlaneAngleLimitEnd, &R::SetYZPlaneAngleLimitEnd);
    v.Bool("XZPlaneAngleLimitFlg", &R::GetXZPlaneAngleLimitFlg, &R::SetXZPlaneAngleLimitFlg);
    v.Real("XZPlaneAngleLimitStart", &R::GetXZPlaneAngleLimitStart, &R::SetXZPlaneAngleLimitStart);
    v.Real("XZPlaneAngleLimitEnd", &R::GetXZPlaneAngleLimitEnd, &R::SetXZPlaneAngleLimitEnd);
    v.Bool("OrtAngLimitFlg", &R::GetOrtAngLimitFlg, &R::SetOrtAngLimitFlg);                              // 60
    v.Real("OrtAngLimitAngle1", &R::GetOrtAngLimitAngle1, &R::SetOrtAngLimitAngle1);
    v.Real("OrtAngLimitAngle2", &R::GetOrtAngLimitAngle2, &R::SetOrtAngLimitAngle2);
    v.Enum("RunTool", &R::GetRunTool, &R::SetRunTool);
    v.Record("CollControl", &R::GetCollControl, &R::SetCollControl);                                  // 64
    v.LegacyBool(Below(87), &Lost::stockUseFlag);
    v.LegacyBool(Below(35), &Lost::multiCutsUseFlag);
    v.LegacyUInt(Below(35), &Lost::multiRoughCuts);
    v.LegacyUInt(Below(35), &Lost::multiFinishCuts);
    v.LegacyReal(Below(35), &Lost::multiRoughSpacing);
    v.LegacyReal(Below(35), &Lost::multiFinishSpacing);
    v.LegacyBool(Below(35), &Lost::multiSortFlag);
    v.LegacyBool(Below(97), &Lost::firstSpiralFlag);
    v.LegacyBool(Between(54, 96), &Lost::secondSpiralFlag);
    v.Bool("SmoothFlg", &R::GetSmoothFlg, &R::SetSmoothFlg);
    v.Real("SmoothThreshold", &R::GetSmoothThreshold, &R::SetSmoothThreshold);
    v.Bool("RadiusFitFlg", &R::GetRadiusFitFlg, &R::SetRadiusFitFlg);
    v.Bool("AvoidSignChngRotAxisFlg", &R::GetAvoidSignChngRotAxisFlg, &R::SetAvoidSignChngRotAxisFlg);
    v.Reserved();                                                                       // 69
    v.Bool("CreatePocketFlg", &R::GetCreatePocketFlg, &R::SetCreatePocketFlg);                            // 70
    v.Bool("YLimitFlg", &R::GetYLimitFlg, &R::SetYLimitFlg);
    v.Real("YLimitMin", &R::GetYLimitMin, &R::SetYLimitMin);
    v.Real("YLimitMax", &R::GetYLimitMax, &R::SetYLimitMax);
    v.LegacyBool(Below(35), &Lost::plungeUseFlag);
    v.LegacyBool(Below(35), &Lost::morphPocketInsideToOutsideFlg);
    v.LegacyBool(Below(35), &Lost::morphPocketSpiralFlg);
    v.LegacyReal(Below(35), &Lost::plungeValue);
    v.LegacyUInt(Below(35), &Lost::morphPocketCount);
    v.Enum("CuttingAreaType", &R::GetCuttingAreaType, &R::SetCuttingAreaType);
    v.Real("StartMargin", &R::GetStartMargin, &R::SetStartMargin);
    v.Real("EndMargin", &R::GetEndMargin, &R::SetEndMargin);
    v.Enum("CurCurvTiltType", &R::GetCurCurvTiltType, &R::SetCurCurvTiltType);
    v.Enum("CurSideTiltDefType", &R::GetCurSideTiltDefType, &R::SetCurSideTiltDefType);
    v.Enum("CurSideTiltAproximationType", &R::GetCurSideTiltAproximationType, &R::SetCurSideTiltAproximationType);
    v.Enum("CurTiltThruLinesType", &R::GetCurTiltThruLinesType, &R::SetCurTiltThruLinesType);                  // 80
    v.Direction("SideTiltUserDefDir", &R::GetSideTiltUserDefDir, &R::SetSideTiltUserDefDir);
    v.MachDef("MachDef", &R::GetMachDef, &R::SetMachDef);                                         // 82
    v.Direction("ToolPlaneCustomDirFor3Axis", &R::GetToolPlaneCustomDirFor3Axis, &R::SetToolPlaneCustomDirFor3Axis);
    v.Bool("CalcBasedOnToolCenter", &R::GetCalcBasedOnToolCenter, &R::SetCalcBasedOnToolCenter);
    v.Real("FirstCutFeedRateScalePercentage", &R::GetFirstCutFeedRateScalePercentage, &R::SetFirstCutFeedRateScalePercentage);
    v.LegacyReal(Below(189), &Lost::sideTiltFanningDist);
    v.Real("DampingDistPrcntFromToolRadius", &R::GetDampingDistPrcntFromToolRadius, &R::SetDampingDistPrcntFromToolRadius);
    v.LegacyReal(Below(87), &Lost::signedStockDefTolerance);
    v.Record("LinkParams", &R::GetLinkParams, &R::SetLinkParams);                                    // 87
    v.Record("RoughingParams", &R::GetRoughingParams, &R::SetRoughingParams, From(35));
    // Before its own record, roughing was this block, converted at the end of the head.
    v.LegacyBool(Below(35), &Lost::depthCutsUseFlag);
    v.LegacyBool(Below(35), &Lost::morphPocketUseFlag);
    v.LegacyBool(Below(35), &Lost::blendUseFlag);
    v.LegacyBool(Below(35), &Lost::trochoidalUseFlag);
    v.LegacyEnum(Below(35), &Lost::depthCutsType);
    v.LegacyUInt(Below(35), &Lost::depthRoughCuts);
    v.LegacyReal(Below(35), &Lost::depthRoughSpacing);
    v.LegacyUInt(Below(35), &Lost::depthFinishCuts);
    v.LegacyReal(Below(35), &Lost::depthFinishSpacing);
    v.LegacyReal(Below(35), &Lost::morphPocketDistance);
    v.LegacyEnum(Below(35), &Lost::pocketAreaType);
    v.LegacyReal(Below(35), &Lost::blendDistance);
    v.LegacyReal(Below(35), &Lost::plungeSlideLength);
    v.LegacyBool(Only(33));
    v.Real("Scallop", &R::GetScallop, &R::SetScallop);
    v.Bool("UseStepoverNotScallopFlg", &R::GetUseStepoverNotScallopFlg, &R::SetUseStepoverNotScallopFlg);          // 90
    v.Bool("AreaUsesCleanupFlg", &R::GetAreaUsesCleanupFlg, &R::SetAreaUsesCleanupFlg);
    v.Bool("AreaUsesExtTrimFlg", &R::GetAreaUsesExtTrimFlg, &R::SetAreaUsesExtTrimFlg);
    v.Bool("AreaUsesSplitFlg", &R::GetAreaUsesSplitFlg, &R::SetAreaUsesSplitFlg);
    v.Bool("AreaUsesContainmentFlg", &R::GetAreaUsesContainmentFlg, &R::SetAreaUsesContainmentFlg);
    v.Real("PreviousToolDiam", &R::GetPreviousToolDiam, &R::SetPreviousToolDiam);
    v.Record("ContourStartExtraLength", &R::GetContourStartExtraLength, &R::SetContourStartExtraLength);
    v.Record("ContourEndExtraLength", &R::GetContourEndExtraLength, &R::SetContourEndExtraLength);
    v.Real("AdditionalRadius", &R::GetAdditionalRadius, &R::SetAdditionalRadius);
    v.Enum("ContainmentType", &R::GetContainmentType, &R::SetContainmentType);
    v.LegacyBool(Below(189), &Lost::allowFlipSideFlag);
}

/// The rest of the main record. Every field here came after version 33, so the readers also
/// walk it for older versions to give each field its absent value.
template <class V> void DescribeMainRecordTail(V& v)
{
    using R = qz5axParams;
    v.Bool("GenerateToolPathFromSide", &R::GetGenerateToolPathFromSide, &R::SetGenerateToolPathFromSide, From(37)); // 100
    v.Real("FirstSurfaceTangentAngle", &R::GetFirstSurfaceTangentAngle, &R::SetFirstSurfaceTangentAngle, From(37));
    v.Real("SecondSurfaceTangentAngle", &R::GetSecondSurfaceTangentAngle, &R::SetSecondSurfaceTangentAngle, From(37));
    v.Real("SingleEdgeTangentAngle", &R::GetSingleEdgeTangentAngle, &R::SetSingleEdgeTangentAngle, From(37));
    v.Real("RunToolFrontShift", &R::GetRunToolFrontShift, &R::SetRunToolFrontShift, From(38));
    v.Real("RunToolSideShift", &R::GetRunToolSideShift, &R::SetRunToolSideShift, From(38));
    v.Real("Locked5thAxisValue", &R::GetLocked5thAxisValue, &R::SetLocked5thAxisValue, From(38));
    v.LegacyReal(Between(38, 188), &Lost::gradualLeadAngleChange);
    v.LegacyReal(Between(38, 188), &Lost::gradualSideTiltAngleChange);
    v.LegacyReal(Between(38, 188), &Lost::ruledSurfaceRadiusLimit);
    v.Enum(
        "ToolConeAxisType", &R::GetToolConeAxisType, &R::SetToolConeAxisType,
        From(39).Else([](const R& p)
                      { return p.GetOrtAngLimitFlg() ? R::CONE_AXIS_ORTHOGONAL_LIMITS : R::CONE_AXIS_Z; }));
    v.Point("ToolConeAxisUserDefDir", &R::GetToolConeAxisUserDefDir, &R::SetToolConeAxisUserDefDir, From(39));
    v.Enum("ConversionLinkType", &R::GetConversionLinkType, &R::SetConversionLinkType, From(58));
    v.Real("TiltLinesMaxSnapDistance", &R::GetTiltLinesMaxSnapDistance, &R::SetTiltLinesMaxSnapDistance, From(63).Else(99999.0)); // 110
    v.Record("ShallowAndSteepAreaParams", &R::GetShallowAndSteepAreaParams, &R::SetShallowAndSteepAreaParams, From(66));
    v.Record("2dContainmentParams", &R::Get2dContainmentParams, &R::Set2dContainmentParams, From(68));
    v.Real("MaxProjectionDistance", &R::GetMaxProjectionDistance, &R::SetMaxProjectionDistance,
           From(70).Else([](const R& p) { return 10.0 * p.GetCutTolerance(); }));
    v.Real("SurfaceEdgeCurveTol", &R::GetSurfaceEdgeCurveTol, &R::SetSurfaceEdgeCurveTol,
           From(70).Else([](const R& p)
                         { return p.GetUnits() == measures::qzUnitsFactory::METRIC ? 0.03 : 0.00118; }));
    v.Bool("RapidFeedFlg", &R::GetRapidFeedFlg, &R::SetRapidFeedFlg, From(71).Else(false));
    v.Real("RapidFeedrate", &R::GetRapidFeedrate, &R::SetRapidFeedrate, From(71).Else(9999.0));
    v.Enum("MachiningAreaMode", &R::GetMachiningAreaMode, &R::SetMachiningAreaMode, From(73).Else(R::AREA_WHOLE));
    v.LegacyPercentOrValue(Between(85, 185), &Lost::surfEdgeMergeDistance);
    v.Record("CollCtrlOpStockParams", &R::GetCollCtrlOpStockParams, &R::SetCollCtrlOpStockParams, From(87));
    v.Enum("StartPositionOffsetType", &R::GetStartPositionOffsetType, &R::SetStartPositionOffsetType,
           From(88).Else(R::OFFSET_ALONG_TOOL_AXIS));
    v.Real("StartPositionShiftValue", &R::GetStartPositionShiftValue, &R::SetStartPositionShiftValue, From(88).Else(0.0)); // 120
    v.Bool("SlowAndSafePathCreationFlg", &R::GetSlowAndSafePathCreationFlg, &R::SetSlowAndSafePathCreationFlg, From(96));
    v.Record("TpCalculationMethodsParams", &R::GetTpCalculationMethodsParams, &R::SetTpCalculationMethodsParams, From(109));
    v.Bool("PointToolToRotAxisFlg", &R::GetPointToolToRotAxisFlg, &R::SetPointToolToRotAxisFlg, From(113));
    v.Bool("AddToolRadiusToMarginsFlg", &R::GetAddToolRadiusToMarginsFlg, &R::SetAddToolRadiusToMarginsFlg, From(114));
    v.Enum("StartPointSelectionType", &R::GetStartPointSelectionType, &R::SetStartPointSelectionType,
           From(145).Else(R::START_AUTOMATIC));
    v.Point("StartPositionSurfaceNormal", &R::GetStartPositionSurfaceNormal, &R::SetStartPositionSurfaceNormal,
            From(145).Else(qzPoint3d(1, 0, 0)));
    v.LegacyBool(Between(148, 188), &Lost::alignToPlanarEdgesFlag);
    v.Bool("TiltPoleLimitFlg", &R::GetTiltPoleLimitFlg, &R::SetTiltPoleLimitFlg, From(168).Else(true));
    v.Bool("ExtendTrimGapsFlg", &R::GetExtendTrimGapsFlg, &R::SetExtendTrimGapsFlg, From(168).Else(true));
    v.Bool("DampAxialShiftFlg", &R::GetDampAxialShiftFlg, &R::SetDampAxialShiftFlg, From(168).Else(false));
    v.Bool("AdaptiveCutsFlg", &R::GetAdaptiveCutsFlg, &R::SetAdaptiveCutsFlg, From(172)); // 130
    v.Enum("SpiralMachType", &R::GetSpiralMachType, &R::SetSpiralMachType, From(174));
    v.Real("SpiralMachBlendDistance", &R::GetSpiralMachBlendDistance, &R::SetSpiralMachBlendDistance, From(174));
    v.Bool("CloseFirstSpiralMachContour", &R::GetCloseFirstSpiralMachContour, &R::SetCloseFirstSpiralMachContour, From(174));
    v.Bool("CloseLastSpiralMachContour", &R::GetCloseLastSpiralMachContour, &R::SetCloseLastSpiralMachContour, From(174));
    v.LegacyEnum(Between(180, 185), &Lost::surfEdgeHandlingType);
    v.Record("SurfEdgeHandlingParams", &R::GetSurfEdgeHandlingParams, &R::SetSurfEdgeHandlingParams, From(186));
    v.Record("TiltRelativeToCutDirParams", &R::GetTiltRelativeToCutDirParams, &R::SetTiltRelativeToCutDirParams, From(189));
    v.Record("TiltRelToImpellerMachLayerParams", &R::GetTiltRelToImpellerMachLayerParams, &R::SetTiltRelToImpellerMachLayerParams, From(194));
    v.Enum("ToolPlaneDirTypeFor3Axis", &R::GetToolPlaneDirTypeFor3Axis, &R::SetToolPlaneDirTypeFor3Axis,
           From(199).Else(
               [](const R& p)
               {
                   return p.GetToolPlaneCustomDirFor3Axis() == qzPoint3d(0, 0, 1) ? R::TOOL_PLANE_Z
                                                                                  : R::TOOL_PLANE_CUSTOM;
               }));
}

/// The main record.
template <class V> void Describe(V& v, Tag<qz5axParams>)
{
    DescribeMainRecordHead(v);
    DescribeMainRecordTail(v);
}
} // namespace paramformat
