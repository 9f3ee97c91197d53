// Field order and encoding of every record of the binary parameter format (internal).
//
// One Describe overload per record calls the visitor once per field, in stream order, with the
// model's accessor pair. The writer turns each call into bytes; readers of older layouts walk
// the same descriptions. Records with variable parts (percent-or-value, option list,
// collision-control operations, machine definition) are written by hand and appear here as
// nested records.
//
// Visitor calls: Units() for the record's own UNITS field; Bool (U8), Int (I32), UInt (U32),
// Real (F64), Enum (ENUM), Point (P3) and Record (a nested record) with a getter and a setter;
// Reserved() for a reserved U8; MachDef for the machine definition held by shared pointer.
#pragma once

#include "brimlib/qz5axParams.h"

namespace paramformat
{
template <class R> struct Tag
{
};

template <class V> void Describe(V& v, Tag<qzLeadParams>)
{
    using R = qzLeadParams;
    v.Enum(&R::GetType, &R::SetType);
    v.Enum(&R::GetAxisOrientation, &R::SetAxisOrientation);
    v.Real(&R::GetWidth, &R::SetWidth);
    v.Real(&R::GetLength, &R::SetLength);
    v.Real(&R::GetArcSweep, &R::SetArcSweep);
    v.Real(&R::GetArcDiaOverToolDia, &R::SetArcDiaOverToolDia);
    v.Real(&R::GetHeight, &R::SetHeight);
    v.Bool(&R::GetUseWidthLength, &R::SetUseWidthLength);
    v.Real(&R::GetMaxAngleChange, &R::SetMaxAngleChange);
    v.Bool(&R::GetFlipArcFlg, &R::SetFlipArcFlg);
    v.Real(&R::GetTiltAngle4Orto2CutDir, &R::SetTiltAngle4Orto2CutDir);
    v.Real(&R::GetFeedRatePercent, &R::SetFeedRatePercent);
}

template <class V> void Describe(V& v, Tag<qzLeadController>)
{
    using R = qzLeadController;
    v.Bool(&R::GetIsUsed, &R::SetIsUsed);
    v.Bool(&R::GetUseDefaultLeadParams, &R::SetUseDefaultLeadParams);
    v.Record(&R::GetLeadParams, &R::SetLeadParams);
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
    v.Bool(&R::GetUseHomePositionFlg, &R::SetUseHomePositionFlg);
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
    v.Record(&R::GetLinkBetweenSlices, &R::SetLinkBetweenSlices);
    v.Record(&R::GetLinkBetweenPasses, &R::SetLinkBetweenPasses);
    v.Enum(&R::GetClearanceType, &R::SetClearanceType);
    v.Enum(&R::GetClearanceAxis, &R::SetClearanceAxis);
    v.Real(&R::GetClearancePlaneHeight, &R::SetClearancePlaneHeight);
    v.Real(&R::GetClearanceRadius, &R::SetClearanceRadius);
    v.Point(&R::GetCylinderThroughPoint, &R::SetCylinderThroughPoint);
    v.Point(&R::GetSphereAroundPoint, &R::SetSphereAroundPoint);
    v.Real(&R::GetFeedPlaneIncremental, &R::SetFeedPlaneIncremental);
    v.Real(&R::GetRetractPlaneIncremental, &R::SetRetractPlaneIncremental);
    v.Real(&R::GetAirMoveSafetyDistance, &R::SetAirMoveSafetyDistance);
    v.Real(&R::GetAngleStepForRapidMoves, &R::SetAngleStepForRapidMoves);
    v.Point(&R::GetPlaneCustomDirection, &R::SetPlaneCustomDirection);
    v.Point(&R::GetCylinderCustomDirection, &R::SetCylinderCustomDirection);
    v.Bool(&R::GetChangeToolDir2ClearanceDirFlg, &R::SetChangeToolDir2ClearanceDirFlg);
    v.Real(&R::GetToolInitialOrientationDistance, &R::SetToolInitialOrientationDistance);
    v.Point(&R::GetHomePosition, &R::SetHomePosition);
}

template <class V> void Describe(V& v, Tag<qzCollCtrlOpParams>)
{
    using R = qzCollCtrlOpParams;
    v.Units();
    v.Bool(&R::GetStatus, &R::SetStatus);
    v.Bool(&R::GetCheckToolTip, &R::SetCheckToolTip);
    v.Bool(&R::GetCheckToolShaft, &R::SetCheckToolShaft);
    v.Bool(&R::GetCheckHolder, &R::SetCheckHolder);
    v.Bool(&R::GetCheckArbor, &R::SetCheckArbor);
    v.Enum(&R::GetStrategy, &R::SetStrategy);
    v.Enum(&R::GetSideRetractDir, &R::SetSideRetractDir);
    v.Enum(&R::GetAvoidTiltDir, &R::SetAvoidTiltDir);
    v.Enum(&R::GetAvoidTiltSign, &R::SetAvoidTiltSign);
    v.Real(&R::GetAvoidMinTiltAngle, &R::SetAvoidMinTiltAngle);
    v.Real(&R::GetAvoidMaxTiltAngle, &R::SetAvoidMaxTiltAngle);
    v.Bool(&R::GetToolAxOrContinuousFlg, &R::SetToolAxOrContinuousFlg);
    v.Real(&R::GetDistForToolAxOrContinuous, &R::SetDistForToolAxOrContinuous);
    v.Real(&R::GetMinAllowedAngleInCutDirection, &R::SetMinAllowedAngleInCutDirection);
    v.Real(&R::GetMaxAllowedAngleInCutDirection, &R::SetMaxAllowedAngleInCutDirection);
    v.Bool(&R::GetReusePastContoursSolutionFlg, &R::SetReusePastContoursSolutionFlg);
    v.Real(&R::GetDeviationAngle, &R::SetDeviationAngle);
    v.Bool(&R::GetCheckDriveSurfaces, &R::SetCheckDriveSurfaces);
    v.Bool(&R::GetCheckSurfaces, &R::SetCheckSurfaces);
    v.Real(&R::GetStockToLeave, &R::SetStockToLeave);
    v.Real(&R::GetCheckSurfTolerance, &R::SetCheckSurfTolerance);
    v.Bool(&R::GetUseSplitContourWithinDistance, &R::SetUseSplitContourWithinDistance);
    v.Real(&R::GetSplitContourWithinDistance, &R::SetSplitContourWithinDistance);
    v.Bool(&R::GetDropToolDownFlg, &R::SetDropToolDownFlg);
    v.Bool(&R::GetRemoveAreaWhereToolDropFailFlg, &R::SetRemoveAreaWhereToolDropFailFlg);
    v.Point(&R::GetCustomSideRetractDir, &R::SetCustomSideRetractDir);
    v.Enum(&R::GetCollLeaveOutPntsType, &R::SetCollLeaveOutPntsType);
    v.Bool(&R::GetCheckMachiningSurfaces, &R::SetCheckMachiningSurfaces);
    v.Bool(&R::GetTiltCollFreeContoursFlg, &R::SetTiltCollFreeContoursFlg);
    v.Record(&R::GetCCWith2DegOptionsList, &R::SetCCWith2DegOptionsList);
    v.Bool(&R::GetTiltAxisFixFlg, &R::SetTiltAxisFixFlg);
    v.Bool(&R::GetRotaryAxisFixFlg, &R::SetRotaryAxisFixFlg);
    v.Real(&R::GetReOptimizeFor, &R::SetReOptimizeFor);
    v.Real(&R::GetMaxAngleStep, &R::SetMaxAngleStep);
    v.Real(&R::GetClearanceAngle, &R::SetClearanceAngle);
    v.Bool(&R::GetProjectToolOnDirFlg, &R::SetProjectToolOnDirFlg);
    v.Bool(&R::GetMoveToolOutwardsFlg, &R::SetMoveToolOutwardsFlg);
    v.Real(&R::GetMaxOutwardDistance4MoveTool, &R::SetMaxOutwardDistance4MoveTool);
    v.Bool(&R::GetProjectToolInwardsFlg, &R::SetProjectToolInwardsFlg);
    v.Real(&R::GetMaxInwardDistance4ProjectTool, &R::SetMaxInwardDistance4ProjectTool);
    v.Bool(&R::GetUsePreferredTiltAngleFlg, &R::SetUsePreferredTiltAngleFlg);
    v.Real(&R::GetPreferredTiltAngle, &R::SetPreferredTiltAngle);
    v.Bool(&R::GetMaintainTiltAngleForCollFreeZonesFlg, &R::SetMaintainTiltAngleForCollFreeZonesFlg);
    v.Bool(&R::GetReverseProjectionDirFlg, &R::SetReverseProjectionDirFlg);
}

template <class V> void Describe(V& v, Tag<qzCollCtrlOpStockParams>)
{
    using R = qzCollCtrlOpStockParams;
    v.Units();
    v.Bool(&R::GetStatus, &R::SetStatus);
    v.Bool(&R::GetCheckToolShaft, &R::SetCheckToolShaft);
    v.Bool(&R::GetCheckArbor, &R::SetCheckArbor);
    v.Bool(&R::GetCheckHolder, &R::SetCheckHolder);
    v.Real(&R::GetStockDefTolerance, &R::SetStockDefTolerance);
    v.Bool(&R::GetIgnoreSmallContoursFlg, &R::SetIgnoreSmallContoursFlg);
    v.Record(&R::GetIgnoredSmallContoursSize, &R::SetIgnoredSmallContoursSize);
    v.Enum(&R::GetStockOffsetMode, &R::SetStockOffsetMode);
    v.Enum(&R::GetStockType, &R::SetStockType);
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
    v.Real(&R::GetGradualMachAngleXYChange, &R::SetGradualMachAngleXYChange);
}

template <class V> void Describe(V& v, Tag<qzPlungeRoughParams>)
{
    using R = qzPlungeRoughParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
    v.Real(&R::GetStepLength, &R::SetStepLength);
    v.Real(&R::GetSlideLength, &R::SetSlideLength);
    v.Real(&R::GetPlungeHeight, &R::SetPlungeHeight);
    v.Real(&R::GetRetractAngle, &R::SetRetractAngle);
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
    v.Enum(&R::GetSortType, &R::SetSortType);
    v.Bool(&R::GetUseRampFlg, &R::SetUseRampFlg);
    v.Enum(&R::GetApplyDepthMode, &R::SetApplyDepthMode);
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
    v.Point(&R::GetRotaryAxisDirection, &R::SetRotaryAxisDirection);
    v.Point(&R::GetRotaryAxisBasePoint, &R::SetRotaryAxisBasePoint);
    v.Real(&R::GetMaxStepoverDistance, &R::SetMaxStepoverDistance);
    v.Enum(&R::GetAreaType, &R::SetAreaType);
    v.Enum(&R::GetCuttingMethod, &R::SetCuttingMethod);
    v.Enum(&R::GetUsageStage, &R::SetUsageStage);
    v.Enum(&R::GetSectionMachiningMode, &R::SetSectionMachiningMode);
    v.UInt(&R::GetNumberOfCuts, &R::SetNumberOfCuts);
    v.Bool(&R::GetAlternateDirectionFlg, &R::SetAlternateDirectionFlg);
    v.Real(&R::GetContourExtensionAtStart, &R::SetContourExtensionAtStart);
    v.Real(&R::GetContourExtensionAtEnd, &R::SetContourExtensionAtEnd);
    v.Bool(&R::GetUseDepthCutsFlg, &R::SetUseDepthCutsFlg);
    v.Int(&R::GetDepthCutsNumber, &R::SetDepthCutsNumber);
    v.Real(&R::GetDepthCutsSpacing, &R::SetDepthCutsSpacing);
    v.Real(&R::GetDepthCutsStartHeight, &R::SetDepthCutsStartHeight);
    v.Bool(&R::GetTrimCutsFlg, &R::SetTrimCutsFlg);
    v.Enum(&R::GetTrimCutsMethod, &R::SetTrimCutsMethod);
    v.Real(&R::GetCutLenTrimmingPercentage, &R::SetCutLenTrimmingPercentage);
    v.Bool(&R::GetSmoothAboveSplitterFlg, &R::SetSmoothAboveSplitterFlg);
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
    v.Real(&R::GetTpToRotatePercentage, &R::SetTpToRotatePercentage);
    v.Enum(&R::GetStockApplicationStage, &R::SetStockApplicationStage);
    v.Enum(&R::GetLinkingApplicationStage, &R::SetLinkingApplicationStage);
    v.Real(&R::GetStartShiftDistance, &R::SetStartShiftDistance);
    v.Real(&R::GetStepoverShiftDistance, &R::SetStepoverShiftDistance);
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
    v.Record(&R::GetAreaRoughParams, &R::SetAreaRoughParams);
    v.Record(&R::GetTPRotationRoughParams, &R::SetTPRotationRoughParams);
    v.Record(&R::GetSortTpRoughParams, &R::SetSortTpRoughParams);
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
    v.Bool(&R::GetConnectByShortestDistFlg, &R::SetConnectByShortestDistFlg);
}

template <class V> void Describe(V& v, Tag<qzImpellerMachLayerDefParams>)
{
    using R = qzImpellerMachLayerDefParams;
    v.Units();
    v.Enum(&R::GetMachLayerType, &R::SetMachLayerType);
    v.Bool(&R::GetLimitNumberOfLayersFlg, &R::SetLimitNumberOfLayersFlg);
    v.Int(&R::GetNoLayers, &R::SetNoLayers);
    v.Real(&R::GetDistBetwLayers, &R::SetDistBetwLayers);
    v.Enum(&R::GetShroudOffsetTrimType, &R::SetShroudOffsetTrimType);
    v.Bool(&R::GetUserDefinedRotaryAxisFlg, &R::SetUserDefinedRotaryAxisFlg);
    v.Point(&R::GetRotaryAxisBasePoint, &R::SetRotaryAxisBasePoint);
    v.Point(&R::GetRotaryAxisDirection, &R::SetRotaryAxisDirection);
    v.Bool(&R::GetBlendByDistBetwLayersFlg, &R::SetBlendByDistBetwLayersFlg);
    v.Real(&R::GetBlendStartPercent, &R::SetBlendStartPercent);
    v.Real(&R::GetBlendEndPercent, &R::SetBlendEndPercent);
}

template <class V> void Describe(V& v, Tag<qzImpellerOffsetAndClearanceParams>)
{
    using R = qzImpellerOffsetAndClearanceParams;
    v.Units();
    v.Real(&R::GetHubOffset, &R::SetHubOffset);
    v.Real(&R::GetBladeOffset, &R::SetBladeOffset);
    v.Real(&R::GetSideTiltClearanceAngle, &R::SetSideTiltClearanceAngle);
    v.Real(&R::GetShroudOffset, &R::SetShroudOffset);
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
    v.Real(&R::GetMaxSideTiltAngle, &R::SetMaxSideTiltAngle);
    v.Bool(&R::GetCheckArborAndHolderFlg, &R::SetCheckArborAndHolderFlg);
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
    v.Real(&R::GetLeadTrimLen, &R::SetLeadTrimLen);
    v.Real(&R::GetTrailTrimLen, &R::SetTrailTrimLen);
    v.Real(&R::GetLeadSideTiltFixLen, &R::SetLeadSideTiltFixLen);
    v.Real(&R::GetTrailSideTiltFixLen, &R::SetTrailSideTiltFixLen);
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
    v.Real(&R::GetStartHeight, &R::SetStartHeight);
    v.Real(&R::GetEndHeight, &R::SetEndHeight);
    v.Real(&R::GetDepthStep, &R::SetDepthStep);
    v.Bool(&R::GetRestRoughFlg, &R::SetRestRoughFlg);
    v.Real(&R::GetRoughingToolDiameter, &R::SetRoughingToolDiameter);
    v.Enum(&R::GetRampType, &R::SetRampType);
    v.Real(&R::GetRampAngle, &R::SetRampAngle);
    v.Real(&R::GetRampLength, &R::SetRampLength);
    v.Enum(&R::GetParallelCutsStartCorner, &R::SetParallelCutsStartCorner);
    v.Enum(&R::GetConstantZStart, &R::SetConstantZStart);
    v.Real(&R::GetDraftAngle, &R::SetDraftAngle);
    v.Bool(&R::GetAdaptiveParallelScansFlg, &R::SetAdaptiveParallelScansFlg);
    v.Bool(&R::GetTrimToolpathFlg, &R::SetTrimToolpathFlg);
    v.Bool(&R::GetTrimToFluteLengthFlg, &R::SetTrimToFluteLengthFlg);
    v.Bool(&R::GetUseAutomaticStartEndHeightFlg, &R::SetUseAutomaticStartEndHeightFlg);
    v.Real(&R::GetMinWidth, &R::SetMinWidth);
    v.Enum(&R::GetProjectCurvesType, &R::SetProjectCurvesType);
    v.Point(&R::GetProjectCurvesCenterPoint, &R::SetProjectCurvesCenterPoint);
    v.Real(&R::GetProjectCurvesRadiusStart, &R::SetProjectCurvesRadiusStart);
    v.Real(&R::GetProjectCurvesRadiusEnd, &R::SetProjectCurvesRadiusEnd);
    v.Real(&R::GetProjectCurvesAngleStart, &R::SetProjectCurvesAngleStart);
    v.Real(&R::GetProjectCurvesAngleEnd, &R::SetProjectCurvesAngleEnd);
    v.Int(&R::GetProjectCurvesNumberOfCuts, &R::SetProjectCurvesNumberOfCuts);
    v.Enum(&R::GetProjectCurvesOffsetDir, &R::SetProjectCurvesOffsetDir);
    v.Bool(&R::GetGDUseCurveEndDistanceFlg, &R::SetGDUseCurveEndDistanceFlg);
    v.Enum(&R::GetGDContainmentType, &R::SetGDContainmentType);
    v.Point(&R::GetGDProjCurvesDir, &R::SetGDProjCurvesDir);
    v.Enum(&R::GetProjectCurvesSpiralCutMethod, &R::SetProjectCurvesSpiralCutMethod);
    v.Record(&R::GetProjectionPatternParams, &R::SetProjectionPatternParams);
    v.Bool(&R::GetSmoothCornersFlg, &R::SetSmoothCornersFlg);
    v.Bool(&R::GetSmoothLinksFlg, &R::SetSmoothLinksFlg);
    v.Bool(&R::GetGDMorphBetwCurvesFlg, &R::SetGDMorphBetwCurvesFlg);
    v.Bool(&R::GetRestFinishingFlg, &R::SetRestFinishingFlg);
    v.Real(&R::GetRestFinishingBigToolDia, &R::SetRestFinishingBigToolDia);
    v.Point(&R::GetMachDirectionForMesh, &R::SetMachDirectionForMesh);
    v.Bool(&R::GetRemoveCornerPegsFlg, &R::SetRemoveCornerPegsFlg);
    v.Real(&R::GetSmoothCornersFactor, &R::SetSmoothCornersFactor);
    v.Bool(&R::GetSmoothFinalPassFlg, &R::SetSmoothFinalPassFlg);
    v.Real(&R::GetSmoothFinalPassFactor, &R::SetSmoothFinalPassFactor);
    v.Enum(&R::GetOffset2dContainmentMethod, &R::SetOffset2dContainmentMethod);
    v.Real(&R::GetOffset2dContainmentValue, &R::SetOffset2dContainmentValue);
    v.Bool(&R::GetAddOffset2dContainmentValue2ToolRadiusFlg, &R::SetAddOffset2dContainmentValue2ToolRadiusFlg);
    v.Bool(&R::GetCenterCuttingToolFlg, &R::SetCenterCuttingToolFlg);
    v.Record(&R::GetImpellerParams, &R::SetImpellerParams);
    v.Bool(&R::GetSilhouetteContainmentFlg, &R::SetSilhouetteContainmentFlg);
    v.Bool(&R::GetUseMinimumDistanceFlg, &R::SetUseMinimumDistanceFlg);
    v.Real(&R::GetMinimumDistance, &R::SetMinimumDistance);
    v.Real(&R::GetSilhouetteStockRemain, &R::SetSilhouetteStockRemain);
}

template <class V> void Describe(V& v, Tag<qzDrillingBasedTpCalcParams>)
{
    using R = qzDrillingBasedTpCalcParams;
    v.Units();
    v.Enum(&R::GetPattern, &R::SetPattern);
    v.Enum(&R::GetDrillCycle, &R::SetDrillCycle);
    v.Real(&R::GetDrillDepth, &R::SetDrillDepth);
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
    v.Enum(&R::GetMethod, &R::SetMethod);
    v.Record(&R::GetTriangleMeshBasedTpCalcParams, &R::SetTriangleMeshBasedTpCalcParams);
    v.Record(&R::GetDrillingBasedTpCalcParams, &R::SetDrillingBasedTpCalcParams);
    v.Record(&R::GetWireframeBasedTpCalcParams, &R::SetWireframeBasedTpCalcParams);
}

template <class V> void Describe(V& v, Tag<qzShallowAndSteepAreaParams>)
{
    using R = qzShallowAndSteepAreaParams;
    v.Units();
    v.Bool(&R::GetIsUsedFlg, &R::SetIsUsedFlg);
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

/// The main record.
template <class V> void Describe(V& v, Tag<qz5axParams>)
{
    using R = qz5axParams;
    v.Units();                                                                          // 1
    v.Real(&R::GetTrimLoopSurfPolygonTolerace, &R::SetTrimLoopSurfPolygonTolerace);    // 2
    v.Bool(&R::GetRapidRetractFlg, &R::SetRapidRetractFlg);
    v.Real(&R::GetFeedRate, &R::SetFeedRate);
    v.Real(&R::GetPlungeFeedRate, &R::SetPlungeFeedRate);
    v.Real(&R::GetRetractFeedRate, &R::SetRetractFeedRate);
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
    v.Real(&R::GetLagAngle, &R::SetLagAngle);
    v.Real(&R::GetSideTiltAngle, &R::SetSideTiltAngle);
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
    v.Bool(&R::GetSmoothFlg, &R::SetSmoothFlg);
    v.Real(&R::GetSmoothThreshold, &R::SetSmoothThreshold);
    v.Bool(&R::GetRadiusFitFlg, &R::SetRadiusFitFlg);
    v.Bool(&R::GetAvoidSignChngRotAxisFlg, &R::SetAvoidSignChngRotAxisFlg);
    v.Reserved();                                                                       // 69
    v.Bool(&R::GetCreatePocketFlg, &R::SetCreatePocketFlg);                            // 70
    v.Bool(&R::GetYLimitFlg, &R::SetYLimitFlg);
    v.Real(&R::GetYLimitMin, &R::SetYLimitMin);
    v.Real(&R::GetYLimitMax, &R::SetYLimitMax);
    v.Enum(&R::GetCuttingAreaType, &R::SetCuttingAreaType);
    v.Real(&R::GetStartMargin, &R::SetStartMargin);
    v.Real(&R::GetEndMargin, &R::SetEndMargin);
    v.Enum(&R::GetCurCurvTiltType, &R::SetCurCurvTiltType);
    v.Enum(&R::GetCurSideTiltDefType, &R::SetCurSideTiltDefType);
    v.Enum(&R::GetCurSideTiltAproximationType, &R::SetCurSideTiltAproximationType);
    v.Enum(&R::GetCurTiltThruLinesType, &R::SetCurTiltThruLinesType);                  // 80
    v.Point(&R::GetSideTiltUserDefDir, &R::SetSideTiltUserDefDir);
    v.MachDef(&R::GetMachDef, &R::SetMachDef);                                         // 82
    v.Point(&R::GetToolPlaneCustomDirFor3Axis, &R::SetToolPlaneCustomDirFor3Axis);
    v.Bool(&R::GetCalcBasedOnToolCenter, &R::SetCalcBasedOnToolCenter);
    v.Real(&R::GetFirstCutFeedRateScalePercentage, &R::SetFirstCutFeedRateScalePercentage);
    v.Real(&R::GetDampingDistPrcntFromToolRadius, &R::SetDampingDistPrcntFromToolRadius);
    v.Record(&R::GetLinkParams, &R::SetLinkParams);                                    // 87
    v.Record(&R::GetRoughingParams, &R::SetRoughingParams);
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
    v.Bool(&R::GetGenerateToolPathFromSide, &R::SetGenerateToolPathFromSide);          // 100
    v.Real(&R::GetFirstSurfaceTangentAngle, &R::SetFirstSurfaceTangentAngle);
    v.Real(&R::GetSecondSurfaceTangentAngle, &R::SetSecondSurfaceTangentAngle);
    v.Real(&R::GetSingleEdgeTangentAngle, &R::SetSingleEdgeTangentAngle);
    v.Real(&R::GetRunToolFrontShift, &R::SetRunToolFrontShift);
    v.Real(&R::GetRunToolSideShift, &R::SetRunToolSideShift);
    v.Real(&R::GetLocked5thAxisValue, &R::SetLocked5thAxisValue);
    v.Enum(&R::GetToolConeAxisType, &R::SetToolConeAxisType);
    v.Point(&R::GetToolConeAxisUserDefDir, &R::SetToolConeAxisUserDefDir);
    v.Enum(&R::GetConversionLinkType, &R::SetConversionLinkType);
    v.Real(&R::GetTiltLinesMaxSnapDistance, &R::SetTiltLinesMaxSnapDistance);          // 110
    v.Record(&R::GetShallowAndSteepAreaParams, &R::SetShallowAndSteepAreaParams);
    v.Record(&R::Get2dContainmentParams, &R::Set2dContainmentParams);
    v.Real(&R::GetMaxProjectionDistance, &R::SetMaxProjectionDistance);
    v.Real(&R::GetSurfaceEdgeCurveTol, &R::SetSurfaceEdgeCurveTol);
    v.Bool(&R::GetRapidFeedFlg, &R::SetRapidFeedFlg);
    v.Real(&R::GetRapidFeedrate, &R::SetRapidFeedrate);
    v.Enum(&R::GetMachiningAreaMode, &R::SetMachiningAreaMode);
    v.Record(&R::GetCollCtrlOpStockParams, &R::SetCollCtrlOpStockParams);
    v.Enum(&R::GetStartPositionOffsetType, &R::SetStartPositionOffsetType);
    v.Real(&R::GetStartPositionShiftValue, &R::SetStartPositionShiftValue);            // 120
    v.Bool(&R::GetSlowAndSafePathCreationFlg, &R::SetSlowAndSafePathCreationFlg);
    v.Record(&R::GetTpCalculationMethodsParams, &R::SetTpCalculationMethodsParams);
    v.Bool(&R::GetPointToolToRotAxisFlg, &R::SetPointToolToRotAxisFlg);
    v.Bool(&R::GetAddToolRadiusToMarginsFlg, &R::SetAddToolRadiusToMarginsFlg);
    v.Enum(&R::GetStartPointSelectionType, &R::SetStartPointSelectionType);
    v.Point(&R::GetStartPositionSurfaceNormal, &R::SetStartPositionSurfaceNormal);
    v.Bool(&R::GetTiltPoleLimitFlg, &R::SetTiltPoleLimitFlg);
    v.Bool(&R::GetExtendTrimGapsFlg, &R::SetExtendTrimGapsFlg);
    v.Bool(&R::GetDampAxialShiftFlg, &R::SetDampAxialShiftFlg);
    v.Bool(&R::GetAdaptiveCutsFlg, &R::SetAdaptiveCutsFlg);                            // 130
    v.Enum(&R::GetSpiralMachType, &R::SetSpiralMachType);
    v.Real(&R::GetSpiralMachBlendDistance, &R::SetSpiralMachBlendDistance);
    v.Bool(&R::GetCloseFirstSpiralMachContour, &R::SetCloseFirstSpiralMachContour);
    v.Bool(&R::GetCloseLastSpiralMachContour, &R::SetCloseLastSpiralMachContour);
    v.Record(&R::GetSurfEdgeHandlingParams, &R::SetSurfEdgeHandlingParams);
    v.Record(&R::GetTiltRelativeToCutDirParams, &R::SetTiltRelativeToCutDirParams);
    v.Record(&R::GetTiltRelToImpellerMachLayerParams, &R::SetTiltRelToImpellerMachLayerParams);
    v.Enum(&R::GetToolPlaneDirTypeFor3Axis, &R::SetToolPlaneDirTypeFor3Axis);          // 138
}
} // namespace paramformat
