// The complete parameter set of a 5-axis operation.
#pragma once

#include "brimlib/qzAreaParams.h"
#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzCollCtrlParams.h"
#include "brimlib/qzLinkParams.h"
#include "brimlib/qzMachDef.h"
#include "brimlib/qzRoughingParams.h"
#include "brimlib/qzTpCalcMethodsParams.h"

/// Every parameter of a 5-axis operation: feeds, cut pattern, tilt, limits, collision control,
/// links, roughing, calculation method, areas and the machine definition (shared).
///
/// A default-constructed set holds the model's defaults; SetDefaults() restores them and keeps
/// the units. Sub-records are returned by const reference and replaced whole by their setters.
/// The values of the enumerations below are stored in parameter files and never change.
class TESSAFORM_API qz5axParams : public measures::qzMeasurable
{
public:
    /// Pattern the cuts follow (GetCurCutType).
    enum cutType : int
    {
        PARALLEL_CUTS = 0,
        ALONG_LEAD_CURVE = 1,
        MORPH_BETWEEN_CURVES = 2,
        PARALLEL_TO_CURVE = 3,
        PROJECTION_CURVES = 4,
        MORPH_BETWEEN_SURFACES = 5,
        PARALLEL_TO_SURFACE = 6
    };
    /// How successive cuts are joined: back and forth, one way, or as a spiral (GetCurMachType).
    enum machType : int
    {
        ZIGZAG = 0,
        ONE_WAY = 1,
        SPIRAL = 2
    };
    /// Order in which the cuts are machined (GetCurCutOrder).
    enum cutOrder : int
    {
        STANDARD_ORDER = 0,
        REVERSE_ORDER = 1
    };
    /// Cutting direction of one-way machining (GetMachDirForOneWay).
    enum direction : int
    {
        CLIMB = 0,
        CONVENTIONAL = 1
    };
    /// Number of axes of the generated toolpath (GetCurOutputType).
    enum outputType : int
    {
        OUTPUT_5_AXIS = 0,
        OUTPUT_4_AXIS = 1,
        OUTPUT_3_AXIS = 2
    };
    /// Axis of 4-axis output (GetCur4Axis).
    enum axis : int
    {
        X = 0,
        Y = 1,
        Z = 2
    };
    /// How the tool axis is tilted along the cut (GetTiltStrategy).
    enum tiltStrategy : int
    {
        NORMAL_TO_SURFACE = 0,
        RELATIVE_TO_CUT_DIRECTION = 1,
        FIXED_AXIS = 2,
        ABOUT_AXIS = 3,
        THROUGH_POINT = 4,
        AWAY_FROM_POINT = 5,
        THROUGH_LINE = 6,
        THROUGH_CURVE = 7,
        THROUGH_LINES = 8,
        AWAY_FROM_CURVE = 9,
        ORIENTATION_LINES = 10
    };
    /// Axis of the axis-based tilt strategies: a machine axis or user-defined (GetTiltAxis).
    enum extAxis : int
    {
        EXT_X = 0,
        EXT_Y = 1,
        EXT_Z = 2,
        EXT_USER_DEFINED = 3
    };
    /// Which part of the tool touches the surface (GetRunTool).
    enum toolContact : int
    {
        CONTACT_AUTO = 0,
        CONTACT_TIP = 1,
        CONTACT_FRONT = 2,
        CONTACT_SIDE = 3
    };
    /// Part of the surface that is cut (GetCuttingAreaType).
    enum cuttingAreaType : int
    {
        FULL_SURFACE = 0,
        BETWEEN_LIMITS = 1,
        BETWEEN_CURVES = 2,
        BETWEEN_POINTS = 3
    };
    /// Tilt variant of the curve-based tilt strategies (GetCurCurvTiltType).
    enum curvTiltType : int
    {
        CURVE_TILT_STANDARD = 1,
        CURVE_TILT_CLOSEST_POINT = 2,
        CURVE_TILT_RELATIVE = 3,
        CURVE_TILT_THROUGH_AXIS = 4
    };
    /// How the side tilt is defined (GetCurSideTiltDefType).
    enum sideTiltDefTypes : int
    {
        SIDE_TILT_FIXED = 0,
        SIDE_TILT_AUTOMATIC = 1,
        SIDE_TILT_NONE = 2,
        SIDE_TILT_BY_LINES = 6
    };
    /// Smoothing of the side tilt (GetCurSideTiltAproximationType).
    enum sideTiltAproximationTypes : int
    {
        APPROXIMATION_NONE = 0,
        APPROXIMATION_SMOOTH = 1
    };
    /// How the tilt is taken from orientation lines (GetCurTiltThruLinesType).
    enum tiltThruLinesTypes : int
    {
        THRU_LINES_INTERPOLATE = 0,
        THRU_LINES_CLOSEST = 1
    };
    /// Which side of the containment is machined (GetContainmentType).
    enum containmentType : int
    {
        CONTAIN_NONE = 0,
        CONTAIN_INSIDE = 1,
        CONTAIN_OUTSIDE = 2
    };
    /// Axis of the cone that limits the tool axis (GetToolConeAxisType).
    enum toolConeAxisTypes : int
    {
        CONE_AXIS_X = 0,
        CONE_AXIS_Y = 1,
        CONE_AXIS_Z = 2,
        CONE_AXIS_USER_DEFINED = 3,
        CONE_AXIS_ORTHOGONAL_LIMITS = 4
    };
    /// Link used by 3- to 5-axis conversion (GetConversionLinkType).
    enum conversionLinkType : int
    {
        CONVERSION_LINK_NONE = 0,
        CONVERSION_LINK_DIRECT = 1,
        CONVERSION_LINK_3_TO_5_AXIS = 2
    };
    /// Whether the whole area or a limited area is machined (GetMachiningAreaMode).
    enum machiningAreaMode : int
    {
        AREA_WHOLE = 0,
        AREA_LIMITED = 1
    };
    /// Direction of the start-position shift (GetStartPositionOffsetType).
    enum startPositionOffsetType : int
    {
        OFFSET_NONE = 0,
        OFFSET_ALONG_TOOL_AXIS = 1,
        OFFSET_ALONG_NORMAL = 2
    };
    /// How the start point is chosen (GetStartPointSelectionType).
    enum startPointSelectionType : int
    {
        START_AUTOMATIC = 0,
        START_NEAREST_POINT = 1,
        START_ON_SURFACE = 2
    };
    /// Spiral machining variant (GetSpiralMachType).
    enum SpiralMachType : int
    {
        SPIRAL_NONE = 0,
        SPIRAL_CONTINUOUS = 1,
        SPIRAL_BLENDED = 2
    };
    /// Tool direction of 3-axis output: Z or the custom direction (GetToolPlaneDirTypeFor3Axis).
    enum ToolPlaneDirTypeFor3Axis : int
    {
        TOOL_PLANE_Z = 0,
        TOOL_PLANE_CUSTOM = 1
    };

    /// The defaults in the given units (every sub-record in the same units), with a 5-axis
    /// machine definition.
    explicit qz5axParams(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    /// Restores the defaults, keeping the units.
    void SetDefaults();

    /// The machine definition, shared and not copied: a change through the pointer is seen by
    /// every holder. Empty only when a caller set it so.
    ///@{
    const misc::qzAutoPointer<post::qzMachDef>& GetMachDef() const { return m_machDef; }
    void SetMachDef(const misc::qzAutoPointer<post::qzMachDef>& machDef) { m_machDef = machDef; }
    ///@}
    /// Another spelling of SetCurTiltThruLinesType.
    void SetCurTiltThruLinesTypes(const tiltThruLinesTypes& value) { SetCurTiltThruLinesType(value); }

    QZ_PARAM(double, TrimLoopSurfPolygonTolerace, 0.01)
    QZ_PARAM(bool, RapidRetractFlg, true)
    QZ_PARAM(double, FeedRate, 1000.0)
    QZ_PARAM(double, PlungeFeedRate, 500.0)
    QZ_PARAM(double, RetractFeedRate, 2000.0)
    QZ_PARAM(bool, OptimizeFeedRate, false)
    QZ_PARAM(double, FeedRateRadius1, 1.0)
    QZ_PARAM(double, FeedRateRadius2, 10.0)
    QZ_PARAM(double, FeedRateFactor1, 1.0)
    QZ_PARAM(double, FeedRateFactor2, 1.0)
    QZ_PARAM(double, FeedRateFactor3, 1.0)
    QZ_PARAM(double, FeedRateFactor4, 1.0)
    QZ_PARAM(double, StockRemain, 0.0)
    QZ_PARAM(double, CutDepth, 0.0)
    QZ_PARAM(double, CutTolerance, 0.01)
    QZ_PARAM(bool, DistanceFlag, false)
    QZ_PARAM(double, Distance, 1.0)
    QZ_PARAM(double, MaxAngleChange, 3.0)
    QZ_PARAM(double, ChainingTolerance, 0.01)
    QZ_PARAM(double, MaxStepoverDistance, 1.0)
    QZ_PARAM(cutType, CurCutType, PARALLEL_CUTS)
    QZ_PARAM(double, ParallelMachAngleInYX, 0.0)
    QZ_PARAM(double, ParallelMachAngleFromZ, 90.0)
    QZ_PARAM(unsigned int, NumberOfSteps, 10u)
    QZ_PARAM(bool, ReverseCutsFlg, false)
    QZ_PARAM(qzPoint3d, LimitPoint1, qzPoint3d())
    QZ_PARAM(qzPoint3d, LimitPoint2, qzPoint3d())
    QZ_PARAM(machType, CurMachType, ZIGZAG)
    QZ_PARAM(cutOrder, CurCutOrder, STANDARD_ORDER)
    QZ_PARAM(direction, MachDirForOneWay, CLIMB)
    QZ_PARAM(bool, EnforceClosedContourFlg, false)
    QZ_PARAM(outputType, CurOutputType, OUTPUT_5_AXIS)
    QZ_PARAM(axis, Cur4Axis, X)
    QZ_PARAM(bool, StartPosFlag, false)
    QZ_PARAM(qzPoint3d, StartPosition, qzPoint3d())
    QZ_PARAM(double, StartPositionRotAngle, 0.0)
    QZ_PARAM(tiltStrategy, TiltStrategy, NORMAL_TO_SURFACE)
    QZ_PARAM(extAxis, TiltAxis, EXT_Z)
    QZ_PARAM(qzPoint3d, TiltAxisStart, qzPoint3d())
    QZ_PARAM(qzPoint3d, TiltAxisEnd, qzPoint3d(0, 0, 1))
    QZ_PARAM(qzPoint3d, TiltPoint, qzPoint3d())
    QZ_PARAM(double, TiltAngle, 0.0)
    QZ_PARAM(double, TiltAngleFixed, 0.0)
    QZ_PARAM(bool, AxisMeetTiltFlg, false)
    QZ_PARAM(bool, ReverseToolFlg, false)
    QZ_PARAM(double, LagAngle, 0.0)
    QZ_PARAM(double, SideTiltAngle, 0.0)
    QZ_PARAM(bool, XYPlaneAngleLimitFlg, false)
    QZ_PARAM(double, XYPlaneAngleLimitStart, 0.0)
    QZ_PARAM(double, XYPlaneAngleLimitEnd, 360.0)
    QZ_PARAM(bool, YZPlaneAngleLimitFlg, false)
    QZ_PARAM(double, YZPlaneAngleLimitStart, 0.0)
    QZ_PARAM(double, YZPlaneAngleLimitEnd, 360.0)
    QZ_PARAM(bool, XZPlaneAngleLimitFlg, false)
    QZ_PARAM(double, XZPlaneAngleLimitStart, 0.0)
    QZ_PARAM(double, XZPlaneAngleLimitEnd, 360.0)
    QZ_PARAM(bool, OrtAngLimitFlg, false)
    QZ_PARAM(double, OrtAngLimitAngle1, 0.0)
    QZ_PARAM(double, OrtAngLimitAngle2, 90.0)
    QZ_PARAM(toolContact, RunTool, CONTACT_AUTO)
    QZ_PARAM(qzCollCtrlParams, CollControl, qzCollCtrlParams())
    QZ_PARAM(bool, SmoothFlg, false)
    QZ_PARAM(double, SmoothThreshold, 0.0)
    QZ_PARAM(bool, RadiusFitFlg, false)
    QZ_PARAM(bool, AvoidSignChngRotAxisFlg, false)
    QZ_PARAM(bool, CreatePocketFlg, false)
    QZ_PARAM(bool, YLimitFlg, false)
    QZ_PARAM(double, YLimitMin, 0.0)
    QZ_PARAM(double, YLimitMax, 0.0)
    QZ_PARAM(cuttingAreaType, CuttingAreaType, FULL_SURFACE)
    QZ_PARAM(double, StartMargin, 0.0)
    QZ_PARAM(double, EndMargin, 0.0)
    QZ_PARAM(curvTiltType, CurCurvTiltType, CURVE_TILT_STANDARD)
    QZ_PARAM(sideTiltDefTypes, CurSideTiltDefType, SIDE_TILT_NONE)
    QZ_PARAM(sideTiltAproximationTypes, CurSideTiltAproximationType, APPROXIMATION_NONE)
    QZ_PARAM(tiltThruLinesTypes, CurTiltThruLinesType, THRU_LINES_INTERPOLATE)
    QZ_PARAM(qzPoint3d, SideTiltUserDefDir, qzPoint3d(1, 0, 0))
    QZ_PARAM(qzPoint3d, ToolPlaneCustomDirFor3Axis, qzPoint3d(0, 0, 1))
    QZ_PARAM(bool, CalcBasedOnToolCenter, false)
    QZ_PARAM(double, FirstCutFeedRateScalePercentage, 100.0)
    QZ_PARAM(double, DampingDistPrcntFromToolRadius, 0.0)
    QZ_PARAM(qzLinkParams, LinkParams, qzLinkParams())
    QZ_PARAM(qzRoughingParams, RoughingParams, qzRoughingParams())
    QZ_PARAM(double, Scallop, 0.01)
    QZ_PARAM(bool, UseStepoverNotScallopFlg, true)
    QZ_PARAM(bool, AreaUsesCleanupFlg, false)
    QZ_PARAM(bool, AreaUsesExtTrimFlg, false)
    QZ_PARAM(bool, AreaUsesSplitFlg, false)
    QZ_PARAM(bool, AreaUsesContainmentFlg, false)
    QZ_PARAM(double, PreviousToolDiam, 0.0)
    QZ_PARAM(qzPercentOrValueParameter, ContourStartExtraLength, qzPercentOrValueParameter())
    QZ_PARAM(qzPercentOrValueParameter, ContourEndExtraLength, qzPercentOrValueParameter())
    QZ_PARAM(double, AdditionalRadius, 0.0)
    QZ_PARAM(containmentType, ContainmentType, CONTAIN_NONE)
    QZ_PARAM(bool, GenerateToolPathFromSide, false)
    QZ_PARAM(double, FirstSurfaceTangentAngle, 0.0)
    QZ_PARAM(double, SecondSurfaceTangentAngle, 0.0)
    QZ_PARAM(double, SingleEdgeTangentAngle, 0.0)
    QZ_PARAM(double, RunToolFrontShift, 0.0)
    QZ_PARAM(double, RunToolSideShift, 0.0)
    QZ_PARAM(double, Locked5thAxisValue, 0.0)
    QZ_PARAM(toolConeAxisTypes, ToolConeAxisType, CONE_AXIS_Z)
    QZ_PARAM(qzPoint3d, ToolConeAxisUserDefDir, qzPoint3d(0, 0, 1))
    QZ_PARAM(conversionLinkType, ConversionLinkType, CONVERSION_LINK_NONE)
    QZ_PARAM(double, TiltLinesMaxSnapDistance, 99999.0)
    QZ_PARAM(qzShallowAndSteepAreaParams, ShallowAndSteepAreaParams, qzShallowAndSteepAreaParams())
    QZ_PARAM(qz2dContainmentParams, 2dContainmentParams, qz2dContainmentParams())
    QZ_PARAM(double, MaxProjectionDistance, 0.1)
    QZ_PARAM(double, SurfaceEdgeCurveTol, 0.03)
    QZ_PARAM(bool, RapidFeedFlg, false)
    QZ_PARAM(double, RapidFeedrate, 9999.0)
    QZ_PARAM(machiningAreaMode, MachiningAreaMode, AREA_WHOLE)
    QZ_PARAM(qzCollCtrlOpStockParams, CollCtrlOpStockParams, qzCollCtrlOpStockParams())
    QZ_PARAM(startPositionOffsetType, StartPositionOffsetType, OFFSET_ALONG_TOOL_AXIS)
    QZ_PARAM(double, StartPositionShiftValue, 0.0)
    QZ_PARAM(bool, SlowAndSafePathCreationFlg, false)
    QZ_PARAM(qzTpCalcMethodsParams, TpCalculationMethodsParams, qzTpCalcMethodsParams())
    QZ_PARAM(bool, PointToolToRotAxisFlg, false)
    QZ_PARAM(bool, AddToolRadiusToMarginsFlg, false)
    QZ_PARAM(startPointSelectionType, StartPointSelectionType, START_AUTOMATIC)
    QZ_PARAM(qzPoint3d, StartPositionSurfaceNormal, qzPoint3d(1, 0, 0))
    QZ_PARAM(bool, TiltPoleLimitFlg, true)
    QZ_PARAM(bool, ExtendTrimGapsFlg, true)
    QZ_PARAM(bool, DampAxialShiftFlg, false)
    QZ_PARAM(bool, AdaptiveCutsFlg, false)
    QZ_PARAM(SpiralMachType, SpiralMachType, SPIRAL_NONE)
    QZ_PARAM(double, SpiralMachBlendDistance, 0.0)
    QZ_PARAM(bool, CloseFirstSpiralMachContour, false)
    QZ_PARAM(bool, CloseLastSpiralMachContour, false)
    QZ_PARAM(qzSurfEdgeHandlingParams, SurfEdgeHandlingParams, qzSurfEdgeHandlingParams())
    QZ_PARAM(qzTiltRelativeToCutDirParams, TiltRelativeToCutDirParams, qzTiltRelativeToCutDirParams())
    QZ_PARAM(qzTiltRelToImpellerMachLayerParams, TiltRelToImpellerMachLayerParams,
             qzTiltRelToImpellerMachLayerParams())
    QZ_PARAM(ToolPlaneDirTypeFor3Axis, ToolPlaneDirTypeFor3Axis, TOOL_PLANE_Z)

private:
    misc::qzAutoPointer<post::qzMachDef> m_machDef;
};
