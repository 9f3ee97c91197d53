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
    v.Enum(&R::GetType, &R::SetType);
    v.Enum(&R::GetAxisOrientation, &R::SetAxisOrientation, From(34));
    v.Real(&R::GetWidth, &R::SetWidth);
    v.Real(&R::GetLength, &R::SetLength);
    v.Real(&R::GetArcSweep, &R::SetArcSweep);
    v.Real(&R::GetArcDiaOverToolDia, &R::SetArcDiaOverToolDia);
    v.Real(&R::GetHeight, &R::SetHeight);
    v.Bool(&R::GetUseWidthLength, &R::SetUseWidthLength);
    v.Real(&R::GetMaxAngleChange, &R::SetMaxAngleChange, From(94));
    v.Bool(&R::GetFlipArcFlg, &R::SetFlipArcFlg, From(184));
    v.Real(&R::GetTiltAngle4Orto2CutDir, &R::SetTiltAngle4Orto2CutDir, From(212));
    v.Real(&R::GetFeedRatePercent, &R::SetFeedRatePercent, From(215));
}

template <class V> void Describe(V& v, Tag<qzLeadController>)
{
    using R = qzLeadController;
    v.Bool(&R::GetIsUsed, &R::SetIsUsed);
    v.Bool(&R::GetUseDefaultLeadParams, &R::SetUseDefaultLeadParams, From(120));
    v.Record(&R::GetLeadParams, &R::SetLeadParams, From(120));
}

template <class V> void Describe(V& v, Tag<qzLeadInOutController>)
{
    using R = qzLeadInOutController;
    v.Record(&R::GetLeadInController, &R::SetLeadInController);
    v.Record(&R::GetLeadOutController, &R::SetLeadOutController);
}

template <class R, class V> void DescribeEntryOrExit(V& v)
{
    v.Enum(&R::GetType, &R::SetType);
    v.Record(&R::GetLeadController, &R::SetLeadController);
    v.Bool(&R::GetUseHomePositionFlg, &R::SetUseHomePositionFlg, From(201));
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
    v.Enum(&R::GetAction, &R::SetAction);
    v.Record(&R::GetMoveLeadController, &R::SetMoveLeadController);
}

template <class V> void Describe(V& v, Tag<qzInterlinkHandeler>)
{
    using R = qzInterlinkHandeler;
    v.Units();
    v.Record(&R::GetGapSize, &R::SetGapSize);
    v.Record(&R::GetSmallMoveHandling, &R::SetSmallMoveHandling);
    v.Record(&R::GetLargeMoveHandling, &R::SetLargeMoveHandling);
}

template <class V> void Describe(V& v, Tag<qzLinkBetweenPasses>)
{
    using R = qzLinkBetweenPasses;
    v.Units();
    v.Real(&R::GetGapSize, &R::SetGapSize);
    v.Record(&R::GetSmallMoveHandling, &R::SetSmallMoveHandling);
    v.Record(&R::GetLargeMoveHandling, &R::SetLargeMoveHandling);
}

template <class V> void Describe(V& v, Tag<qzLinkParams>)
{
    using R = qzLinkParams;
    v.Record(&R::GetLeadInDefaultParams, &R::SetLeadInDefaultParams);
    v.Record(&R::GetLeadOutDefaultParams, &R::SetLeadOutDefaultParams);
    v.Record(&R::GetFirstEntry, &R::SetFirstEntry);
    v.Record(&R::GetLastExit, &R::SetLastExit);
    v.Record(&R::GetGapsAlongCut, &R::SetGapsAlongCut);
    v.Record(&R::GetLinkBetweenSlices, &R::SetLinkBetweenSlices, From(34));
    v.Record(&R::GetLinkBetweenPasses, &R::SetLinkBetweenPasses);
    v.Enum(&R::GetClearanceType, &R::SetClearanceType);
    v.Enum(&R::GetClearanceAxis, &R::SetClearanceAxis);
    v.Real(&R::GetClearancePlaneHeight, &R::SetClearancePlaneHeight);
    v.Real(&R::GetClearanceRadius, &R::SetClearanceRadius,
           Always().ConvertedIn(Below(224),
                                [](const R&, double radius) { return radius <= 1e-12 ? 0.1 : radius; }));
    v.Point(&R::GetCylinderThroughPoint, &R::SetCylinderThroughPoint);
    v.Point(&R::GetSphereAroundPoint, &R::SetSphereAroundPoint);
    v.Real(&R::GetFeedPlaneIncremental, &R::SetFeedPlaneIncremental);
    v.Real(&R::GetRetractPlaneIncremental, &R::SetRetractPlaneIncremental);
    v.Real(&R::GetAirMoveSafetyDistance, &R::SetAirMoveSafetyDistance);
    v.Real(&R::GetAngleStepForRapidMoves, &R::SetAngleStepForRapidMoves, From(70));
    v.Point(&R::GetPlaneCustomDirection, &R::SetPlaneCustomDirection, From(114));
    v.Point(&R::GetCylinderCustomDirection, &R::SetCylinderCustomDirection, From(114));
    v.Bool(&R::GetChangeToolDir2ClearanceDirFlg, &R::SetChangeToolDir2ClearanceDirFlg, From(188));
    v.Real(&R::GetToolInitialOrientationDistance, &R::SetToolInitialOrientationDistance, From(188));
    v.Point(&R::GetHomePosition, &R::SetHomePosition, From(201));
}

/// The part of a collision-control operation that every layout from version 8 holds (older
/// layouts are read by hand). Generation 2 reads it up to the newest version.
template <class V> void DescribeCollOpHead(V& v)
{
    using R = qzCollCtrlOpParams;
    const auto metricOrInch = [](const R& op, double metric, double inch)
    { return op.GetUnits() == measures::qzUnitsFactory::METRIC ? metric : inch; };
    v.Units(From(25));
    v.Bool(&R::GetStatus, &R::SetStatus);
    v.Bool(&R::GetCheckToolTip, &R::SetCheckToolTip);
    v.Bool(&R::GetCheckToolShaft, &R::SetCheckToolShaft);
    v.Bool(&R::GetCheckHolder, &R::SetCheckHolder);
    v.Bool(&R::GetCheckArbor, &R::SetCheckArbor);
    v.Enum(&R::GetStrategy, &R::SetStrategy);
    v.Enum(&R::GetSideRetractDir, &R::SetSideRetractDir);
    v.Enum(&R::GetAvoidTiltDir, &R::SetAvoidTiltDir);
    v.Enum(&R::GetAvoidTiltSign, &R::SetAvoidTiltSign);
    v.Real(&R::GetAvoidMinTiltAngle, &R::SetAvoidMinTiltAngle, From(53).Else(0.0));
    v.Real(&R::GetAvoidMaxTiltAngle, &R::SetAvoidMaxTiltAngle);
    v.Bool(&R::GetToolAxOrContinuousFlg, &R::SetToolAxOrContinuousFlg, From(57).Else(false));
    v.LegacyBool(Only(58));
    v.Real(&R::GetDistForToolAxOrContinuous, &R::SetDistForToolAxOrContinuous,
           From(56).Else([metricOrInch](const R& op) { return metricOrInch(op, 0.1, 0.05); }));
    v.Real(&R::GetMinAllowedAngleInCutDirection, &R::SetMinAllowedAngleInCutDirection, From(59).Else(-90.0));
    v.Real(&R::GetMaxAllowedAngleInCutDirection, &R::SetMaxAllowedAngleInCutDirection, From(59).Else(90.0));
    v.Bool(&R::GetReusePastContoursSolutionFlg, &R::SetReusePastContoursSolutionFlg, From(60).Else(false));
    v.LegacyBool(Between(64, 135), &Lost::first2DegFlag);
    v.LegacyReal(Only(64));
    v.LegacyReal(Only(64));
    v.Real(&R::GetDeviationAngle, &R::SetDeviationAngle, From(65).Else(45.0));
    v.Bool(&R::GetCheckDriveSurfaces, &R::SetCheckDriveSurfaces);
    v.Bool(&R::GetCheckSurfaces, &R::SetCheckSurfaces);
    v.Real(&R::GetStockToLeave, &R::SetStockToLeave);
    v.Real(&R::GetCheckSurfTolerance, &R::SetCheckSurfTolerance, From(17).DroppedIn(Only(17)));
    v.LegacyBool(Between(90, 135), &Lost::second2DegFlag);
    v.Bool(&R::GetUseSplitContourWithinDistance, &R::SetUseSplitContourWithinDistance, From(93));
    v.Real(&R::GetSplitContourWithinDistance, &R::SetSplitContourWithinDistance,
           From(93).ReplacedIn(Between(93, 151), 100.0));
    v.Bool(&R::GetDropToolDownFlg, &R::SetDropToolDownFlg, From(113));
    v.Bool(&R::GetRemoveAreaWhereToolDropFailFlg, &R::SetRemoveAreaWhereToolDropFailFlg, From(113));
    v.Direction(&R::GetCustomSideRetractDir, &R::SetCustomSideRetractDir, From(114));
    v.Enum(&R::GetCollLeaveOutPntsType, &R::SetCollLeaveOutPntsType, From(114));
    v.Bool(&R::GetCheckMachiningSurfaces, &R::SetCheckMachiningSurfaces, From(122));
    v.Bool(&R::GetTiltCollFreeContoursFlg, &R::SetTiltCollFreeContoursFlg,
           From(123).ReplacedIn(Between(152, 199), true));
}

/// The rest of a collision-control operation, stored from version 125 on. Versions 125 to 128
/// stored the two fix flags as an optional flag (125 to 127) and a number.
template <class V> void DescribeCollOpTail(V& v)
{
    using R = qzCollCtrlOpParams;
    v.Record(&R::GetCCWith2DegOptionsList, &R::SetCCWith2DegOptionsList, From(125));
    v.LegacyBool(Between(125, 127), &Lost::fixAxesFlag);
    v.LegacyEnum(Between(125, 128), &Lost::fixAxesValue);
    v.Bool(&R::GetTiltAxisFixFlg, &R::SetTiltAxisFixFlg, From(129));
    v.Bool(&R::GetRotaryAxisFixFlg, &R::SetRotaryAxisFixFlg, From(129));
    v.Real(&R::GetReOptimizeFor, &R::SetReOptimizeFor, From(125).ReplacedIn(Between(125, 158), 0.0));
    v.Real(&R::GetMaxAngleStep, &R::SetMaxAngleStep, From(126));
    v.Real(&R::GetClearanceAngle, &R::SetClearanceAngle, From(137).Else(0.0));
    v.Bool(&R::GetProjectToolOnDirFlg, &R::SetProjectToolOnDirFlg, From(147));
    // Versions 147 to 220 stored one flag and one distance for both directions: the readers
    // copy them to the inward ones.
    v.Bool(&R::GetMoveToolOutwardsFlg, &R::SetMoveToolOutwardsFlg, From(147));
    v.Real(&R::GetMaxOutwardDistance4MoveTool, &R::SetMaxOutwardDistance4MoveTool, From(147));
    v.Bool(&R::GetProjectToolInwardsFlg, &R::SetProjectToolInwardsFlg, From(221));
    v.Real(&R::GetMaxInwardDistance4ProjectTool, &R::SetMaxInwardDistance4ProjectTool, From(221));
    v.Bool(&R::GetUsePreferredTiltAngleFlg, &R::SetUsePreferredTiltAngleFlg, From(198));
    v.Real(&R::GetPreferredTiltAngle, &R::SetPreferredTiltAngle,
           From(198).ConvertedIn(Since(198),
                                 [](R& op, double angle)
                                 {
                                     op.SetPreferredTiltAngleUsingMaxTiltAngle(angle,
                                                                               op.GetAvoidMaxTiltAngle());
                                     return op.GetPreferredTiltAngle();
                                 }));
    v.Bool(&R::GetMaintainTiltAngleForCollFreeZonesFlg, &R::SetMaintainTiltAngleForCollFreeZonesFlg,
           From(198));
    v.Bool(&R::GetReverseProjectionDirFlg, &R::SetReverseProjectionDirFlg, From(203).Else(true));
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
    v.Bool(&R::GetStatus, &R::SetStatus);
    v.Bool(&R::GetCheckToolShaft, &R::SetCheckToolShaft);
    v.Bool(&R::GetCheckArbor, &R::SetCheckArbor);
    v.Bool(&R::GetCheckHolder, &R::SetCheckHolder);
    // The sign of a tolerance stored before 119 was the offset direction.
    v.Real(&R::GetStockDefTolerance, &R::SetStockDefTolerance,
           Always().ConvertedIn(Below(119),
                                [](R& stock, double tolerance)
                                {
                                    const bool inwards = tolerance <= 1e-12;
                                    stock.SetStockOffsetMode(inwards ? R::OFFSET_INWARDS
                                                                     : R::OFFSET_OUTWARDS);
                                    return inwards ? -tolerance : tolerance;
                                }));
    v.Bool(&R::GetIgnoreSmallContoursFlg, &R::SetIgnoreSmallContoursFlg, From(114));
    v.Record(&R::GetIgnoredSmallContoursSize, &R::SetIgnoredSmallContoursSize, From(114));
    v.Enum(&R::GetStockOffsetMode, &R::SetStockOffsetMode, From(116));
    v.Enum(&R::GetStockType, &R::SetStockType, From(134).Else(R::STOCK_DEFINITION));
}

template <class V> void Describe(V& v, Tag<qzCollCtrlParams>)
{
    using R = qzCollCtrlParams;
    v.Units(From(25));
    v.Operations(&R::GetCollCtrlOperations, &R::SetCollCtrlOperation);
    v.Real(&R::GetToolShaftUpperClearance, &R::SetToolShaftUpperClearance);
    v.Real(&R::GetArborUpperClearance, &R::SetArborUpperClearance);
    v.Real(&R::GetHolderUpperClearance, &R::SetHolderUpperClearance);
    v.Bool(&R::GetCheckBetweenPts, &R::SetCheckBetweenPts);
    v.Bool(&R::GetReportRemainingColls, &R::SetReportRemainingColls, From(13));
    v.Bool(&R::GetExtendToolToInfinityFlg, &R::SetExtendToolToInfinityFlg, From(84));
    v.Bool(&R::GetCheckLinkMotionsFlg, &R::SetCheckLinkMotionsFlg, From(84));
    // Older versions had one clearance per tool part: the lower ones take the upper values.
    v.Real(&R::GetToolShaftLowerClearance, &R::SetToolShaftLowerClearance,
           From(118).Else([](const R& r) { return r.GetToolShaftUpperClearance(); }));
    v.Real(&R::GetArborLowerClearance, &R::SetArborLowerClearance,
           From(118).Else([](const R& r) { return r.GetArborUpperClearance(); }));
    v.Real(&R::GetHolderLowerClearance, &R::SetHolderLowerClearance,
           From(118).Else([](const R& r) { return r.GetHolderUpperClearance(); }));
    v.Bool(&R::GetCheckTipRadiusFlg, &R::SetCheckTipRadiusFlg, From(158));
    v.Bool(&R::GetCheckLinksAgainstContainmentFlg, &R::SetCheckLinksAgainstContainmentFlg, From(190));
}

template <class V> void Describe(V& v, Tag<qzMultiCutsRoughParams>)
{
    using R = qzMultiCutsRoughParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Enum(&R::GetSortType, &R::SetSortType);
    v.UInt(&R::GetNumberOfRoughCuts, &R::SetNumberOfRoughCuts);
    v.Real(&R::GetRoughPassSpacing, &R::SetRoughPassSpacing);
    v.UInt(&R::GetNumberOfFinishCuts, &R::SetNumberOfFinishCuts);
    v.Real(&R::GetFinishPassSpacing, &R::SetFinishPassSpacing);
    v.Real(&R::GetGradualMachAngleXYChange, &R::SetGradualMachAngleXYChange, From(169));
}

template <class V> void Describe(V& v, Tag<qzPlungeRoughParams>)
{
    using R = qzPlungeRoughParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Real(&R::GetStepLength, &R::SetStepLength);
    v.Real(&R::GetSlideLength, &R::SetSlideLength);
    v.Real(&R::GetPlungeHeight, &R::SetPlungeHeight, From(36));
    v.Real(&R::GetRetractAngle, &R::SetRetractAngle, From(36));
}

template <class V> void Describe(V& v, Tag<qzMorphPocketRoughParams>)
{
    using R = qzMorphPocketRoughParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Bool(&R::GetInsideToOutsideFlg, &R::SetInsideToOutsideFlg);
    v.Real(&R::GetStepover, &R::SetStepover);
    v.Enum(&R::GetPocketAreaType, &R::SetPocketAreaType);
    v.UInt(&R::GetNumberOfCuts, &R::SetNumberOfCuts);
    v.Bool(&R::GetSpiralMachiningFlg, &R::SetSpiralMachiningFlg);
}

template <class V> void Describe(V& v, Tag<qzDepthCutsRoughParams>)
{
    using R = qzDepthCutsRoughParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Enum(&R::GetCutsType, &R::SetCutsType);
    v.UInt(&R::GetNumberOfRoughCuts, &R::SetNumberOfRoughCuts);
    v.Real(&R::GetRoughPassSpacing, &R::SetRoughPassSpacing);
    v.UInt(&R::GetNumberOfFinishCuts, &R::SetNumberOfFinishCuts);
    v.Real(&R::GetFinishPassSpacing, &R::SetFinishPassSpacing);
    v.Enum(&R::GetSortType, &R::SetSortType, From(36));
    v.Bool(&R::GetUseRampFlg, &R::SetUseRampFlg, From(40));
    v.LegacyBool(Between(202, 205), &Lost::depthCutsFromStockFlg);
    v.Enum(&R::GetApplyDepthMode, &R::SetApplyDepthMode,
           From(206).Else([](const R&, const Lost& lost)
                          { return lost.depthCutsFromStockFlg ? R::FROM_STOCK : R::FROM_SURFACE; }));
}

template <class V> void Describe(V& v, Tag<qzBlendRoughParams>)
{
    using R = qzBlendRoughParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Real(&R::GetStepover, &R::SetStepover);
}

template <class V> void Describe(V& v, Tag<qzTrochoidalRoughParams>)
{
    using R = qzTrochoidalRoughParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
}

template <class V> void Describe(V& v, Tag<qzAreaRoughParams>)
{
    using R = qzAreaRoughParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Enum(&R::GetRoughingType, &R::SetRoughingType);
    v.LegacyEnum(Below(67));
    v.Point(&R::GetRotaryAxisDirection, &R::SetRotaryAxisDirection);
    v.Point(&R::GetRotaryAxisBasePoint, &R::SetRotaryAxisBasePoint);
    v.Real(&R::GetMaxStepoverDistance, &R::SetMaxStepoverDistance);
    v.Enum(&R::GetAreaType, &R::SetAreaType);
    v.Enum(&R::GetCuttingMethod, &R::SetCuttingMethod);
    v.Enum(&R::GetUsageStage, &R::SetUsageStage, From(94));
    v.Enum(&R::GetSectionMachiningMode, &R::SetSectionMachiningMode, From(94));
    v.UInt(&R::GetNumberOfCuts, &R::SetNumberOfCuts, From(94));
    v.Bool(&R::GetAlternateDirectionFlg, &R::SetAlternateDirectionFlg, From(94));
    v.Real(&R::GetContourExtensionAtStart, &R::SetContourExtensionAtStart, From(99));
    v.Real(&R::GetContourExtensionAtEnd, &R::SetContourExtensionAtEnd, From(99));
    v.Bool(&R::GetUseDepthCutsFlg, &R::SetUseDepthCutsFlg, From(148));
    v.Int(&R::GetDepthCutsNumber, &R::SetDepthCutsNumber, From(148));
    v.Real(&R::GetDepthCutsSpacing, &R::SetDepthCutsSpacing, From(148));
    v.Real(&R::GetDepthCutsStartHeight, &R::SetDepthCutsStartHeight, From(148));
    v.Bool(&R::GetTrimCutsFlg, &R::SetTrimCutsFlg, From(164));
    v.Enum(&R::GetTrimCutsMethod, &R::SetTrimCutsMethod, From(164));
    v.Real(&R::GetCutLenTrimmingPercentage, &R::SetCutLenTrimmingPercentage, From(164));
    v.Bool(&R::GetSmoothAboveSplitterFlg, &R::SetSmoothAboveSplitterFlg, From(164));
}

template <class V> void Describe(V& v, Tag<qzTPRotationRoughParams>)
{
    using R = qzTPRotationRoughParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Point(&R::GetRotaryAxisDirection, &R::SetRotaryAxisDirection);
    v.Point(&R::GetRotaryAxisBasePoint, &R::SetRotaryAxisBasePoint);
    v.UInt(&R::GetNumberOfSteps, &R::SetNumberOfSteps);
    v.Real(&R::GetStartAngle, &R::SetStartAngle);
    v.Real(&R::GetRotationAngle, &R::SetRotationAngle);
    v.Enum(&R::GetSortType, &R::SetSortType);
    v.Real(&R::GetTpToRotatePercentage, &R::SetTpToRotatePercentage, From(98));
    // Versions 104 and 105 stored the stage the other way round.
    v.Enum(
        &R::GetStockApplicationStage, &R::SetStockApplicationStage,
        From(104)
            .Else(R::BEFORE_ROTATION)
            .ConvertedIn(Between(104, 105), [](const R&, R::stockApplicationStage stage)
                         { return stage == R::BEFORE_ROTATION ? R::AFTER_ROTATION : R::BEFORE_ROTATION; }));
    v.Enum(&R::GetLinkingApplicationStage, &R::SetLinkingApplicationStage,
           From(106).Else(R::LINK_BEFORE_ROTATION));
    v.Real(&R::GetStartShiftDistance, &R::SetStartShiftDistance, From(192));
    v.Real(&R::GetStepoverShiftDistance, &R::SetStepoverShiftDistance, From(192));
}

template <class V> void Describe(V& v, Tag<qzSortTpRoughParams>)
{
    using R = qzSortTpRoughParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Bool(&R::GetReverseOrderFlg, &R::SetReverseOrderFlg);
    v.Enum(&R::GetReverseTpType, &R::SetReverseTpType);
    v.Bool(&R::GetConnectSlicesShortestDistFlg, &R::SetConnectSlicesShortestDistFlg);
}

template <class V> void Describe(V& v, Tag<qzRoughingParams>)
{
    using R = qzRoughingParams;
    v.Record(&R::GetMultiCutsRoughParams, &R::SetMultiCutsRoughParams);
    v.Record(&R::GetPlungeRoughParams, &R::SetPlungeRoughParams);
    v.Record(&R::GetMorphPocketRoughParams, &R::SetMorphPocketRoughParams);
    v.Record(&R::GetDepthCutsRoughParams, &R::SetDepthCutsRoughParams);
    v.Record(&R::GetBlendRoughParams, &R::SetBlendRoughParams);
    v.Record(&R::GetTrochoidalRoughParams, &R::SetTrochoidalRoughParams);
    // Before the sort record (127) only its connect-slices flag was stored; the readers
    // convert it.
    v.LegacyBool(Between(42, 126), &Lost::connectSlicesShortDistFlg);
    v.Record(&R::GetAreaRoughParams, &R::SetAreaRoughParams, From(62));
    v.Record(&R::GetTPRotationRoughParams, &R::SetTPRotationRoughParams, From(95));
    v.Record(&R::GetSortTpRoughParams, &R::SetSortTpRoughParams, From(127));
}

template <class V> void Describe(V& v, Tag<qzProjectionPatternTriMeshBasedParams>)
{
    using R = qzProjectionPatternTriMeshBasedParams;
    v.Units();
    v.Enum(&R::GetType, &R::SetType);
    v.Enum(&R::GetStyle, &R::SetStyle);
    v.Enum(&R::GetDirection, &R::SetDirection);
    v.Point(&R::GetStartPoint, &R::SetStartPoint);
    v.Real(&R::GetStartHeight, &R::SetStartHeight);
    v.Real(&R::GetEndHeight, &R::SetEndHeight);
    v.Real(&R::GetStartAngle, &R::SetStartAngle);
    v.Real(&R::GetEndAngle, &R::SetEndAngle);
    v.Real(&R::GetStepAngle, &R::SetStepAngle);
    v.Real(&R::GetCylinderRadiusAroundLine, &R::SetCylinderRadiusAroundLine);
    v.Bool(&R::GetOutputPatternFlg, &R::SetOutputPatternFlg);
}

template <class V> void Describe(V& v, Tag<qzImpellerCutParams>)
{
    using R = qzImpellerCutParams;
    v.Units();
    v.Enum(&R::GetCutsPerSectionMode, &R::SetCutsPerSectionMode);
    v.Int(&R::GetNoCutsPerSection, &R::SetNoCutsPerSection);
    v.Real(&R::GetStepover, &R::SetStepover);
    v.Enum(&R::GetCutDirection, &R::SetCutDirection);
    v.Enum(&R::GetCutOrdering, &R::SetCutOrdering);
    v.Bool(&R::GetConnectByShortestDistFlg, &R::SetConnectByShortestDistFlg, From(223));
}

template <class V> void Describe(V& v, Tag<qzImpellerMachLayerDefParams>)
{
    using R = qzImpellerMachLayerDefParams;
    v.Units();
    v.Enum(&R::GetMachLayerType, &R::SetMachLayerType);
    v.Bool(&R::GetLimitNumberOfLayersFlg, &R::SetLimitNumberOfLayersFlg);
    v.Int(&R::GetNoLayers, &R::SetNoLayers);
    v.Real(&R::GetDistBetwLayers, &R::SetDistBetwLayers);
    v.Enum(&R::GetShroudOffsetTrimType, &R::SetShroudOffsetTrimType, From(216));
    v.Bool(&R::GetUserDefinedRotaryAxisFlg, &R::SetUserDefinedRotaryAxisFlg, From(216));
    v.Point(&R::GetRotaryAxisBasePoint, &R::SetRotaryAxisBasePoint, From(216));
    v.Point(&R::GetRotaryAxisDirection, &R::SetRotaryAxisDirection, From(216));
    v.Bool(&R::GetBlendByDistBetwLayersFlg, &R::SetBlendByDistBetwLayersFlg, From(216));
    v.Real(&R::GetBlendStartPercent, &R::SetBlendStartPercent, From(216));
    v.Real(&R::GetBlendEndPercent, &R::SetBlendEndPercent, From(216));
}

template <class V> void Describe(V& v, Tag<qzImpellerOffsetAndClearanceParams>)
{
    using R = qzImpellerOffsetAndClearanceParams;
    v.Units();
    v.Real(&R::GetHubOffset, &R::SetHubOffset);
    v.Real(&R::GetBladeOffset, &R::SetBladeOffset);
    v.Real(&R::GetSideTiltClearanceAngle, &R::SetSideTiltClearanceAngle);
    v.Real(&R::GetShroudOffset, &R::SetShroudOffset, From(216));
}

template <class V> void Describe(V& v, Tag<qzImpellerSmoothParams>)
{
    using R = qzImpellerSmoothParams;
    v.Units();
    v.Real(&R::GetCutSmoothFactor, &R::SetCutSmoothFactor);
    v.Real(&R::GetSideTiltSmoothFactor, &R::SetSideTiltSmoothFactor);
}

template <class V> void Describe(V& v, Tag<qzImpellerSplittersImpellerParams>)
{
    using R = qzImpellerSplittersImpellerParams;
    v.Units();
    v.Enum(&R::GetSplitStrategy, &R::SetSplitStrategy);
}

template <class V> void Describe(V& v, Tag<qzImpellerTiltParams>)
{
    using R = qzImpellerTiltParams;
    v.Units();
    v.Enum(&R::GetTiltStrategy, &R::SetTiltStrategy);
    v.Real(&R::GetLeadAngle, &R::SetLeadAngle);
    v.Real(&R::GetLeadAngleLeadingEdge, &R::SetLeadAngleLeadingEdge);
    v.Real(&R::GetLeadAngleSplitterEdge, &R::SetLeadAngleSplitterEdge);
    v.Real(&R::GetLeadAngleTrailingEdge, &R::SetLeadAngleTrailingEdge);
    v.Real(&R::GetMaxSideTiltAngle, &R::SetMaxSideTiltAngle, From(222));
    v.Bool(&R::GetCheckArborAndHolderFlg, &R::SetCheckArborAndHolderFlg, From(222));
}

template <class V> void Describe(V& v, Tag<qzImpellerTrimAndExtendParams>)
{
    using R = qzImpellerTrimAndExtendParams;
    v.Units();
    v.Enum(&R::GetTrimStrategy, &R::SetTrimStrategy);
    v.Real(&R::GetLeadTrimAngleFromTip, &R::SetLeadTrimAngleFromTip);
    v.Real(&R::GetLeadTangentialExtensionLen, &R::SetLeadTangentialExtensionLen);
    v.Real(&R::GetLeadRadialExtensionLen, &R::SetLeadRadialExtensionLen);
    v.Real(&R::GetTrailTrimAngleFromTip, &R::SetTrailTrimAngleFromTip);
    v.Real(&R::GetTrailTangentialExtensionLen, &R::SetTrailTangentialExtensionLen);
    v.Real(&R::GetTrailRadialExtensionLen, &R::SetTrailRadialExtensionLen);
    v.Real(&R::GetLeadTrimLen, &R::SetLeadTrimLen, From(216));
    v.Real(&R::GetTrailTrimLen, &R::SetTrailTrimLen, From(216));
    v.Real(&R::GetLeadSideTiltFixLen, &R::SetLeadSideTiltFixLen, From(216));
    v.Real(&R::GetTrailSideTiltFixLen, &R::SetTrailSideTiltFixLen, From(216));
}

template <class V> void Describe(V& v, Tag<qzImpellerParams>)
{
    using R = qzImpellerParams;
    v.Units();
    v.Record(&R::GetCutParams, &R::SetCutParams);
    v.Record(&R::GetMachLayerDefParams, &R::SetMachLayerDefParams);
    v.Record(&R::GetOffsetAndClearanceParams, &R::SetOffsetAndClearanceParams);
    v.Record(&R::GetSmoothParams, &R::SetSmoothParams);
    v.Record(&R::GetSplittersImpellerParams, &R::SetSplittersImpellerParams);
    v.Record(&R::GetTiltParams, &R::SetTiltParams);
    v.Record(&R::GetTrimAndExtendParams, &R::SetTrimAndExtendParams);
}

template <class V> void Describe(V& v, Tag<qzTriangleMeshBasedTpCalcParams>)
{
    using R = qzTriangleMeshBasedTpCalcParams;
    v.Units();
    v.Enum(&R::GetPattern, &R::SetPattern);
    v.Real(&R::GetStartHeight, &R::SetStartHeight, From(111));
    v.Real(&R::GetEndHeight, &R::SetEndHeight, From(111));
    v.Real(&R::GetDepthStep, &R::SetDepthStep, From(111));
    v.LegacyReal(Between(115, 195), &Lost::meshStockRemain); // the set's stock remain for this method
    v.Bool(&R::GetRestRoughFlg, &R::SetRestRoughFlg, From(115));
    v.Real(&R::GetRoughingToolDiameter, &R::SetRoughingToolDiameter, From(115));
    v.Enum(&R::GetRampType, &R::SetRampType, From(115));
    v.Real(&R::GetRampAngle, &R::SetRampAngle, From(115));
    v.Real(&R::GetRampLength, &R::SetRampLength, From(115));
    v.Enum(&R::GetParallelCutsStartCorner, &R::SetParallelCutsStartCorner, From(115));
    v.Enum(&R::GetConstantZStart, &R::SetConstantZStart, From(115));
    v.Real(&R::GetDraftAngle, &R::SetDraftAngle, From(124));
    v.Bool(&R::GetAdaptiveParallelScansFlg, &R::SetAdaptiveParallelScansFlg, From(132));
    v.Bool(&R::GetTrimToolpathFlg, &R::SetTrimToolpathFlg, From(150));
    v.Bool(&R::GetTrimToFluteLengthFlg, &R::SetTrimToFluteLengthFlg, From(153));
    v.Bool(&R::GetUseAutomaticStartEndHeightFlg, &R::SetUseAutomaticStartEndHeightFlg, From(157));
    v.Real(&R::GetMinWidth, &R::SetMinWidth, From(157));
    v.Enum(&R::GetProjectCurvesType, &R::SetProjectCurvesType, From(160));
    v.Point(&R::GetProjectCurvesCenterPoint, &R::SetProjectCurvesCenterPoint, From(160));
    v.Real(&R::GetProjectCurvesRadiusStart, &R::SetProjectCurvesRadiusStart, From(160));
    v.Real(&R::GetProjectCurvesRadiusEnd, &R::SetProjectCurvesRadiusEnd, From(160));
    v.Real(&R::GetProjectCurvesAngleStart, &R::SetProjectCurvesAngleStart, From(160));
    v.Real(&R::GetProjectCurvesAngleEnd, &R::SetProjectCurvesAngleEnd, From(160));
    v.Int(&R::GetProjectCurvesNumberOfCuts, &R::SetProjectCurvesNumberOfCuts, From(160));
    v.Enum(&R::GetProjectCurvesOffsetDir, &R::SetProjectCurvesOffsetDir, From(160));
    v.Bool(&R::GetGDUseCurveEndDistanceFlg, &R::SetGDUseCurveEndDistanceFlg, From(161));
    v.Enum(&R::GetGDContainmentType, &R::SetGDContainmentType, From(161));
    v.Point(&R::GetGDProjCurvesDir, &R::SetGDProjCurvesDir, From(161));
    v.Enum(&R::GetProjectCurvesSpiralCutMethod, &R::SetProjectCurvesSpiralCutMethod, From(163));
    v.LegacyProjectionPattern(Below(173)); // an older layout of the next record, read by hand
    v.Record(&R::GetProjectionPatternParams, &R::SetProjectionPatternParams, From(173));
    v.Bool(&R::GetSmoothCornersFlg, &R::SetSmoothCornersFlg, From(176));
    v.Bool(&R::GetSmoothLinksFlg, &R::SetSmoothLinksFlg, From(176));
    v.Bool(&R::GetGDMorphBetwCurvesFlg, &R::SetGDMorphBetwCurvesFlg, From(178));
    v.Bool(&R::GetRestFinishingFlg, &R::SetRestFinishingFlg, From(179));
    v.Real(&R::GetRestFinishingBigToolDia, &R::SetRestFinishingBigToolDia, From(179));
    v.Point(&R::GetMachDirectionForMesh, &R::SetMachDirectionForMesh, From(187));
    v.Bool(&R::GetRemoveCornerPegsFlg, &R::SetRemoveCornerPegsFlg, From(195));
    v.Real(&R::GetSmoothCornersFactor, &R::SetSmoothCornersFactor, From(209));
    v.Bool(&R::GetSmoothFinalPassFlg, &R::SetSmoothFinalPassFlg, From(209));
    v.Real(&R::GetSmoothFinalPassFactor, &R::SetSmoothFinalPassFactor, From(209));
    v.Enum(&R::GetOffset2dContainmentMethod, &R::SetOffset2dContainmentMethod, From(211));
    v.Real(&R::GetOffset2dContainmentValue, &R::SetOffset2dContainmentValue, From(211));
    v.Bool(&R::GetAddOffset2dContainmentValue2ToolRadiusFlg, &R::SetAddOffset2dContainmentValue2ToolRadiusFlg,
           From(211));
    v.Bool(&R::GetCenterCuttingToolFlg, &R::SetCenterCuttingToolFlg, From(213));
    v.Record(&R::GetImpellerParams, &R::SetImpellerParams, From(214));
    v.Bool(&R::GetSilhouetteContainmentFlg, &R::SetSilhouetteContainmentFlg, From(217));
    v.Bool(&R::GetUseMinimumDistanceFlg, &R::SetUseMinimumDistanceFlg, From(217));
    v.Real(&R::GetMinimumDistance, &R::SetMinimumDistance, From(217));
    v.Real(&R::GetSilhouetteStockRemain, &R::SetSilhouetteStockRemain, From(225));
}

template <class V> void Describe(V& v, Tag<qzDrillingBasedTpCalcParams>)
{
    using R = qzDrillingBasedTpCalcParams;
    v.Units();
    v.Enum(&R::GetPattern, &R::SetPattern);
    v.Enum(&R::GetDrillCycle, &R::SetDrillCycle);
    // Versions below 208 stored some depths negative.
    v.Real(&R::GetDrillDepth, &R::SetDrillDepth,
           Always().ConvertedIn(Below(208),
                                [](const R&, double depth) { return depth < -1e-12 ? -depth : depth; }));
    v.Real(&R::GetPeckDepth, &R::SetPeckDepth);
    v.Real(&R::GetDwellTime, &R::SetDwellTime);
}

template <class V> void Describe(V& v, Tag<qzWireframeBasedTpCalcParams>)
{
    using R = qzWireframeBasedTpCalcParams;
    v.Units();
    v.Enum(&R::GetCuttingSide, &R::SetCuttingSide);
    v.Real(&R::GetMaxSnapDistance, &R::SetMaxSnapDistance);
}

template <class V> void Describe(V& v, Tag<qzTpCalcMethodsParams>)
{
    using R = qzTpCalcMethodsParams;
    v.LegacyEnum(Below(173), &Lost::oldTpCalcMethod); // an older numbering, converted by the readers
    v.Enum(&R::GetMethod, &R::SetMethod, From(173));
    v.Record(&R::GetTriangleMeshBasedTpCalcParams, &R::SetTriangleMeshBasedTpCalcParams);
    v.Record(&R::GetDrillingBasedTpCalcParams, &R::SetDrillingBasedTpCalcParams, From(145));
    v.Record(&R::GetWireframeBasedTpCalcParams, &R::SetWireframeBasedTpCalcParams, From(149));
}

template <class V> void Describe(V& v, Tag<qzShallowAndSteepAreaParams>)
{
    using R = qzShallowAndSteepAreaParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.LegacyEnum(Only(66));
    v.Point(&R::GetViewAxisDirection, &R::SetViewAxisDirection);
    v.Real(&R::GetSlopeAngleStart, &R::SetSlopeAngleStart);
    v.Real(&R::GetSlopeAngleEnd, &R::SetSlopeAngleEnd);
    v.Enum(&R::GetMachiningAreaType, &R::SetMachiningAreaType);
}

template <class V> void Describe(V& v, Tag<qz2dContainmentParams>)
{
    using R = qz2dContainmentParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Point(&R::GetProjectionAxisDirection, &R::SetProjectionAxisDirection);
}

template <class V> void Describe(V& v, Tag<qzSurfEdgeHandlingParams>)
{
    using R = qzSurfEdgeHandlingParams;
    v.Units();
    v.Record(&R::GetMergeDistance, &R::SetMergeDistance);
    v.Bool(&R::GetMaintainOutsideSharpEdgesFlg, &R::SetMaintainOutsideSharpEdgesFlg);
    v.Real(&R::GetSharpEdgeDetectionAngle, &R::SetSharpEdgeDetectionAngle);
    v.Real(&R::GetRadiusForLoops, &R::SetRadiusForLoops);
}

template <class V> void Describe(V& v, Tag<qzTiltRelativeToCutDirParams>)
{
    using R = qzTiltRelativeToCutDirParams;
    v.Units();
    v.Real(&R::GetSideTiltFanningDist, &R::SetSideTiltFanningDist);
    v.Bool(&R::GetAllowFlipSideDirFlg, &R::SetAllowFlipSideDirFlg);
    v.Real(&R::GetGradualLeadAngleChange, &R::SetGradualLeadAngleChange);
    v.Real(&R::GetGradualSideTiltAngleChange, &R::SetGradualSideTiltAngleChange);
    v.Real(&R::GetRuledSurfaceRadiusLimit, &R::SetRuledSurfaceRadiusLimit);
    v.Bool(&R::GetAlignToolAxisToPlanarSurfEdgesFlg, &R::SetAlignToolAxisToPlanarSurfEdgesFlg);
    v.Bool(&R::GetImproveSideTiltForTwistedSurfsFlg, &R::SetImproveSideTiltForTwistedSurfsFlg);
}

template <class V> void Describe(V& v, Tag<qzTiltRelToImpellerMachLayerParams>)
{
    using R = qzTiltRelToImpellerMachLayerParams;
    v.Units();
    v.Real(&R::GetLeadAngleAtBladeStart, &R::SetLeadAngleAtBladeStart);
    v.Real(&R::GetLeadAngleAtBladeEnd, &R::SetLeadAngleAtBladeEnd);
    v.Real(&R::GetLeadAngleAtSplitterEnd, &R::SetLeadAngleAtSplitterEnd);
}

/// The main record up to the containment type: the part that generation 3 reads from version 33
/// on, where older versions go through generations 1 and 2 instead.
template <class V> void DescribeMainRecordHead(V& v)
{
    using R = qz5axParams;
    v.Units();                                                                          // 1
    v.Real(&R::GetTrimLoopSurfPolygonTolerace, &R::SetTrimLoopSurfPolygonTolerace);    // 2
    v.Bool(&R::GetRapidRetractFlg, &R::SetRapidRetractFlg, Always().AlsoParked(&Lost::rapidRetractFlg));
    v.Real(&R::GetFeedRate, &R::SetFeedRate, Always().AlsoParked(&Lost::feedRate));
    v.Real(&R::GetPlungeFeedRate, &R::SetPlungeFeedRate, Always().AlsoParked(&Lost::plungeFeedRate));
    v.Real(&R::GetRetractFeedRate, &R::SetRetractFeedRate, Always().AlsoParked(&Lost::retractFeedRate));
    v.Bool(&R::GetOptimizeFeedRate, &R::SetOptimizeFeedRate);
    v.Real(&R::GetFeedRateRadius1, &R::SetFeedRateRadius1);
    v.Real(&R::GetFeedRateRadius2, &R::SetFeedRateRadius2);
    v.Real(&R::GetFeedRateFactor1, &R::SetFeedRateFactor1);                            // 10
    v.Real(&R::GetFeedRateFactor2, &R::SetFeedRateFactor2);
    v.Real(&R::GetFeedRateFactor3, &R::SetFeedRateFactor3);
    v.Real(&R::GetFeedRateFactor4, &R::SetFeedRateFactor4);
    v.Real(&R::GetStockRemain, &R::SetStockRemain);
    v.Real(&R::GetCutDepth, &R::SetCutDepth);
    v.Real(&R::GetCutTolerance, &R::SetCutTolerance);
    v.Bool(&R::GetDistanceFlag, &R::SetDistanceFlag);
    v.Real(&R::GetDistance, &R::SetDistance);
    v.Real(&R::GetMaxAngleChange, &R::SetMaxAngleChange);
    v.Real(&R::GetChainingTolerance, &R::SetChainingTolerance);                        // 20
    v.Real(&R::GetMaxStepoverDistance, &R::SetMaxStepoverDistance);
    v.Enum(&R::GetCurCutType, &R::SetCurCutType);
    v.Real(&R::GetParallelMachAngleInYX, &R::SetParallelMachAngleInYX);
    v.Real(&R::GetParallelMachAngleFromZ, &R::SetParallelMachAngleFromZ);
    v.UInt(&R::GetNumberOfSteps, &R::SetNumberOfSteps);
    v.Bool(&R::GetReverseCutsFlg, &R::SetReverseCutsFlg);
    v.Point(&R::GetLimitPoint1, &R::SetLimitPoint1);
    v.Point(&R::GetLimitPoint2, &R::SetLimitPoint2);
    v.Enum(&R::GetCurMachType, &R::SetCurMachType);
    v.Enum(&R::GetCurCutOrder, &R::SetCurCutOrder);                                    // 30
    v.Enum(&R::GetMachDirForOneWay, &R::SetMachDirForOneWay);
    v.Bool(&R::GetEnforceClosedContourFlg, &R::SetEnforceClosedContourFlg);
    v.Enum(&R::GetCurOutputType, &R::SetCurOutputType);
    v.Enum(&R::GetCur4Axis, &R::SetCur4Axis);
    v.Bool(&R::GetStartPosFlag, &R::SetStartPosFlag);
    v.Point(&R::GetStartPosition, &R::SetStartPosition);
    v.Real(&R::GetStartPositionRotAngle, &R::SetStartPositionRotAngle);
    v.Reserved();                                                                       // 38
    v.Enum(&R::GetTiltStrategy, &R::SetTiltStrategy);
    v.Enum(&R::GetTiltAxis, &R::SetTiltAxis);                                          // 40
    v.Point(&R::GetTiltAxisStart, &R::SetTiltAxisStart);
    v.Point(&R::GetTiltAxisEnd, &R::SetTiltAxisEnd);
    v.Point(&R::GetTiltPoint, &R::SetTiltPoint);
    v.Real(&R::GetTiltAngle, &R::SetTiltAngle);
    v.Real(&R::GetTiltAngleFixed, &R::SetTiltAngleFixed);
    v.Bool(&R::GetAxisMeetTiltFlg, &R::SetAxisMeetTiltFlg);
    v.Bool(&R::GetReverseToolFlg, &R::SetReverseToolFlg);
    // The two angles are set at the end of a read, out-of-range ones of old versions cleared.
    v.Real(&R::GetLagAngle, &R::SetLagAngle, Always().Parked(&Lost::lagAngle));
    v.Real(&R::GetSideTiltAngle, &R::SetSideTiltAngle, Always().Parked(&Lost::sideTiltAngle));
    v.Reserved();                                                                       // 50
    v.Bool(&R::GetXYPlaneAngleLimitFlg, &R::SetXYPlaneAngleLimitFlg);
    v.Real(&R::GetXYPlaneAngleLimitStart, &R::SetXYPlaneAngleLimitStart);
    v.Real(&R::GetXYPlaneAngleLimitEnd, &R::SetXYPlaneAngleLimitEnd);
    v.Bool(&R::GetYZPlaneAngleLimitFlg, &R::SetYZPlaneAngleLimitFlg);
    v.Real(&R::GetYZPlaneAngleLimitStart, &R::SetYZPlaneAngleLimitStart);
    v.Real(&R::GetYZPlaneAngleLimitEnd, &R::SetYZPlaneAngleLimitEnd);
    v.Bool(&R::GetXZPlaneAngleLimitFlg, &R::SetXZPlaneAngleLimitFlg);
    v.Real(&R::GetXZPlaneAngleLimitStart, &R::SetXZPlaneAngleLimitStart);
    v.Real(&R::GetXZPlaneAngleLimitEnd, &R::SetXZPlaneAngleLimitEnd);
    v.Bool(&R::GetOrtAngLimitFlg, &R::SetOrtAngLimitFlg);                              // 60
    v.Real(&R::GetOrtAngLimitAngle1, &R::SetOrtAngLimitAngle1);
    v.Real(&R::GetOrtAngLimitAngle2, &R::SetOrtAngLimitAngle2);
    v.Enum(&R::GetRunTool, &R::SetRunTool);
    v.Record(&R::GetCollControl, &R::SetCollControl);                                  // 64
    v.LegacyBool(Below(87), &Lost::stockUseFlag);
    v.LegacyBool(Below(35), &Lost::multiCutsUseFlag);
    v.LegacyUInt(Below(35), &Lost::multiRoughCuts);
    v.LegacyUInt(Below(35), &Lost::multiFinishCuts);
    v.LegacyReal(Below(35), &Lost::multiRoughSpacing);
    v.LegacyReal(Below(35), &Lost::multiFinishSpacing);
    v.LegacyBool(Below(35), &Lost::multiSortFlag);
    v.LegacyBool(Below(97), &Lost::firstSpiralFlag);
    v.LegacyBool(Between(54, 96), &Lost::secondSpiralFlag);
    v.Bool(&R::GetSmoothFlg, &R::SetSmoothFlg);
    v.Real(&R::GetSmoothThreshold, &R::SetSmoothThreshold);
    v.Bool(&R::GetRadiusFitFlg, &R::SetRadiusFitFlg);
    v.Bool(&R::GetAvoidSignChngRotAxisFlg, &R::SetAvoidSignChngRotAxisFlg);
    v.Reserved();                                                                       // 69
    v.Bool(&R::GetCreatePocketFlg, &R::SetCreatePocketFlg);                            // 70
    v.Bool(&R::GetYLimitFlg, &R::SetYLimitFlg);
    v.Real(&R::GetYLimitMin, &R::SetYLimitMin);
    v.Real(&R::GetYLimitMax, &R::SetYLimitMax);
    v.LegacyBool(Below(35), &Lost::plungeUseFlag);
    v.LegacyBool(Below(35), &Lost::morphPocketInsideToOutsideFlg);
    v.LegacyBool(Below(35), &Lost::morphPocketSpiralFlg);
    v.LegacyReal(Below(35), &Lost::plungeValue);
    v.LegacyUInt(Below(35), &Lost::morphPocketCount);
    v.Enum(&R::GetCuttingAreaType, &R::SetCuttingAreaType);
    v.Real(&R::GetStartMargin, &R::SetStartMargin);
    v.Real(&R::GetEndMargin, &R::SetEndMargin);
    v.Enum(&R::GetCurCurvTiltType, &R::SetCurCurvTiltType);
    v.Enum(&R::GetCurSideTiltDefType, &R::SetCurSideTiltDefType);
    v.Enum(&R::GetCurSideTiltAproximationType, &R::SetCurSideTiltAproximationType);
    v.Enum(&R::GetCurTiltThruLinesType, &R::SetCurTiltThruLinesType);                  // 80
    v.Direction(&R::GetSideTiltUserDefDir, &R::SetSideTiltUserDefDir);
    v.MachDef(&R::GetMachDef, &R::SetMachDef);                                         // 82
    v.Direction(&R::GetToolPlaneCustomDirFor3Axis, &R::SetToolPlaneCustomDirFor3Axis);
    v.Bool(&R::GetCalcBasedOnToolCenter, &R::SetCalcBasedOnToolCenter);
    v.Real(&R::GetFirstCutFeedRateScalePercentage, &R::SetFirstCutFeedRateScalePercentage);
    v.LegacyReal(Below(189), &Lost::sideTiltFanningDist);
    v.Real(&R::GetDampingDistPrcntFromToolRadius, &R::SetDampingDistPrcntFromToolRadius);
    v.LegacyReal(Below(87), &Lost::signedStockDefTolerance);
    v.Record(&R::GetLinkParams, &R::SetLinkParams);                                    // 87
    v.Record(&R::GetRoughingParams, &R::SetRoughingParams, From(35));
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
    v.Real(&R::GetScallop, &R::SetScallop);
    v.Bool(&R::GetUseStepoverNotScallopFlg, &R::SetUseStepoverNotScallopFlg);          // 90
    v.Bool(&R::GetAreaUsesCleanupFlg, &R::SetAreaUsesCleanupFlg);
    v.Bool(&R::GetAreaUsesExtTrimFlg, &R::SetAreaUsesExtTrimFlg);
    v.Bool(&R::GetAreaUsesSplitFlg, &R::SetAreaUsesSplitFlg);
    v.Bool(&R::GetAreaUsesContainmentFlg, &R::SetAreaUsesContainmentFlg);
    v.Real(&R::GetPreviousToolDiam, &R::SetPreviousToolDiam);
    v.Record(&R::GetContourStartExtraLength, &R::SetContourStartExtraLength);
    v.Record(&R::GetContourEndExtraLength, &R::SetContourEndExtraLength);
    v.Real(&R::GetAdditionalRadius, &R::SetAdditionalRadius);
    v.Enum(&R::GetContainmentType, &R::SetContainmentType);
    v.LegacyBool(Below(189), &Lost::allowFlipSideFlag);
}

/// The rest of the main record. Every field here came after version 33, so the readers also
/// walk it for older versions to give each field its absent value.
template <class V> void DescribeMainRecordTail(V& v)
{
    using R = qz5axParams;
    v.Bool(&R::GetGenerateToolPathFromSide, &R::SetGenerateToolPathFromSide, From(37)); // 100
    v.Real(&R::GetFirstSurfaceTangentAngle, &R::SetFirstSurfaceTangentAngle, From(37));
    v.Real(&R::GetSecondSurfaceTangentAngle, &R::SetSecondSurfaceTangentAngle, From(37));
    v.Real(&R::GetSingleEdgeTangentAngle, &R::SetSingleEdgeTangentAngle, From(37));
    v.Real(&R::GetRunToolFrontShift, &R::SetRunToolFrontShift, From(38));
    v.Real(&R::GetRunToolSideShift, &R::SetRunToolSideShift, From(38));
    v.Real(&R::GetLocked5thAxisValue, &R::SetLocked5thAxisValue, From(38));
    v.LegacyReal(Between(38, 188), &Lost::gradualLeadAngleChange);
    v.LegacyReal(Between(38, 188), &Lost::gradualSideTiltAngleChange);
    v.LegacyReal(Between(38, 188), &Lost::ruledSurfaceRadiusLimit);
    v.Enum(
        &R::GetToolConeAxisType, &R::SetToolConeAxisType,
        From(39).Else([](const R& p)
                      { return p.GetOrtAngLimitFlg() ? R::CONE_AXIS_ORTHOGONAL_LIMITS : R::CONE_AXIS_Z; }));
    v.Point(&R::GetToolConeAxisUserDefDir, &R::SetToolConeAxisUserDefDir, From(39));
    v.Enum(&R::GetConversionLinkType, &R::SetConversionLinkType, From(58));
    v.Real(&R::GetTiltLinesMaxSnapDistance, &R::SetTiltLinesMaxSnapDistance, From(63).Else(99999.0)); // 110
    v.Record(&R::GetShallowAndSteepAreaParams, &R::SetShallowAndSteepAreaParams, From(66));
    v.Record(&R::Get2dContainmentParams, &R::Set2dContainmentParams, From(68));
    v.Real(&R::GetMaxProjectionDistance, &R::SetMaxProjectionDistance,
           From(70).Else([](const R& p) { return 10.0 * p.GetCutTolerance(); }));
    v.Real(&R::GetSurfaceEdgeCurveTol, &R::SetSurfaceEdgeCurveTol,
           From(70).Else([](const R& p)
                         { return p.GetUnits() == measures::qzUnitsFactory::METRIC ? 0.03 : 0.00118; }));
    v.Bool(&R::GetRapidFeedFlg, &R::SetRapidFeedFlg, From(71).Else(false));
    v.Real(&R::GetRapidFeedrate, &R::SetRapidFeedrate, From(71).Else(9999.0));
    v.Enum(&R::GetMachiningAreaMode, &R::SetMachiningAreaMode, From(73).Else(R::AREA_WHOLE));
    v.LegacyPercentOrValue(Between(85, 185), &Lost::surfEdgeMergeDistance);
    v.Record(&R::GetCollCtrlOpStockParams, &R::SetCollCtrlOpStockParams, From(87));
    v.Enum(&R::GetStartPositionOffsetType, &R::SetStartPositionOffsetType,
           From(88).Else(R::OFFSET_ALONG_TOOL_AXIS));
    v.Real(&R::GetStartPositionShiftValue, &R::SetStartPositionShiftValue, From(88).Else(0.0)); // 120
    v.Bool(&R::GetSlowAndSafePathCreationFlg, &R::SetSlowAndSafePathCreationFlg, From(96));
    v.Record(&R::GetTpCalculationMethodsParams, &R::SetTpCalculationMethodsParams, From(109));
    v.Bool(&R::GetPointToolToRotAxisFlg, &R::SetPointToolToRotAxisFlg, From(113));
    v.Bool(&R::GetAddToolRadiusToMarginsFlg, &R::SetAddToolRadiusToMarginsFlg, From(114));
    v.Enum(&R::GetStartPointSelectionType, &R::SetStartPointSelectionType,
           From(145).Else(R::START_AUTOMATIC));
    v.Point(&R::GetStartPositionSurfaceNormal, &R::SetStartPositionSurfaceNormal,
            From(145).Else(qzPoint3d(1, 0, 0)));
    v.LegacyBool(Between(148, 188), &Lost::alignToPlanarEdgesFlag);
    v.Bool(&R::GetTiltPoleLimitFlg, &R::SetTiltPoleLimitFlg, From(168).Else(true));
    v.Bool(&R::GetExtendTrimGapsFlg, &R::SetExtendTrimGapsFlg, From(168).Else(true));
    v.Bool(&R::GetDampAxialShiftFlg, &R::SetDampAxialShiftFlg, From(168).Else(false));
    v.Bool(&R::GetAdaptiveCutsFlg, &R::SetAdaptiveCutsFlg, From(172)); // 130
    v.Enum(&R::GetSpiralMachType, &R::SetSpiralMachType, From(174));
    v.Real(&R::GetSpiralMachBlendDistance, &R::SetSpiralMachBlendDistance, From(174));
    v.Bool(&R::GetCloseFirstSpiralMachContour, &R::SetCloseFirstSpiralMachContour, From(174));
    v.Bool(&R::GetCloseLastSpiralMachContour, &R::SetCloseLastSpiralMachContour, From(174));
    v.LegacyEnum(Between(180, 185), &Lost::surfEdgeHandlingType);
    v.Record(&R::GetSurfEdgeHandlingParams, &R::SetSurfEdgeHandlingParams, From(186));
    v.Record(&R::GetTiltRelativeToCutDirParams, &R::SetTiltRelativeToCutDirParams, From(189));
    v.Record(&R::GetTiltRelToImpellerMachLayerParams, &R::SetTiltRelToImpellerMachLayerParams, From(194));
    v.Enum(&R::GetToolPlaneDirTypeFor3Axis, &R::SetToolPlaneDirTypeFor3Axis,
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
