// Toolpath calculation methods: triangle-mesh, projection pattern, drilling, wireframe and
// impeller parameters.
#pragma once

#include "brimlib/qzMeasurable.h"
#include "brimlib/qzParamField.h"

/// Cuts of an impeller layer.
class TESSAFORM_API qzImpellerCutParams : public measures::qzMeasurable
{
public:
    /// Whether a section's cuts are given by count or by stepover (GetCutsPerSectionMode).
    enum CutsPerSectionMode : int
    {
        BY_NUMBER = 0,
        BY_STEPOVER = 1
    };
    /// Direction of the cuts between the blade edges (GetCutDirection).
    enum CutDirection : int
    {
        LEADING_TO_TRAILING = 0,
        TRAILING_TO_LEADING = 1
    };
    /// How successive cuts are joined (GetCutOrdering).
    enum CutOrdering : int
    {
        ZIGZAG = 0,
        ONE_WAY = 1,
        SPIRAL = 2
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(CutsPerSectionMode, CutsPerSectionMode, BY_NUMBER)
    QZ_PARAM(int, NoCutsPerSection, 10)
    QZ_PARAM(double, Stepover, 1.0)
    QZ_PARAM(CutDirection, CutDirection, LEADING_TO_TRAILING)
    QZ_PARAM(CutOrdering, CutOrdering, ZIGZAG)
    QZ_PARAM(bool, ConnectByShortestDistFlg, false)
};

/// Machining layers of an impeller.
class TESSAFORM_API qzImpellerMachLayerDefParams : public measures::qzMeasurable
{
public:
    /// Where the machining layers are taken from (GetMachLayerType).
    enum MachLayerType : int
    {
        FROM_HUB = 0,
        FROM_SHROUD = 1,
        MORPH_HUB_TO_SHROUD = 2
    };
    /// Whether the layers are trimmed at the shroud offset (GetShroudOffsetTrimType).
    enum ShroudOffsetTrimType : int
    {
        TRIM_NONE = 0,
        TRIM_AT_SHROUD_OFFSET = 1
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(MachLayerType, MachLayerType, MORPH_HUB_TO_SHROUD)
    QZ_PARAM(bool, LimitNumberOfLayersFlg, false)
    QZ_PARAM(int, NoLayers, 5)
    QZ_PARAM(double, DistBetwLayers, 1.0)
    QZ_PARAM(ShroudOffsetTrimType, ShroudOffsetTrimType, TRIM_NONE)
    QZ_PARAM(bool, UserDefinedRotaryAxisFlg, false)
    QZ_PARAM(qzPoint3d, RotaryAxisBasePoint, qzPoint3d())
    QZ_PARAM(qzPoint3d, RotaryAxisDirection, qzPoint3d(0, 0, 1))
    QZ_PARAM(bool, BlendByDistBetwLayersFlg, false)
    QZ_PARAM(double, BlendStartPercent, 0.0)
    QZ_PARAM(double, BlendEndPercent, 100.0)
};

/// Offsets from hub, blades and shroud.
class TESSAFORM_API qzImpellerOffsetAndClearanceParams : public measures::qzMeasurable
{
public:
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(double, HubOffset, 0.0)
    QZ_PARAM(double, BladeOffset, 0.0)
    QZ_PARAM(double, SideTiltClearanceAngle, 0.0)
    QZ_PARAM(double, ShroudOffset, 0.0)
};

/// Smoothing of impeller cuts.
class TESSAFORM_API qzImpellerSmoothParams : public measures::qzMeasurable
{
public:
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(double, CutSmoothFactor, 0.0)
    QZ_PARAM(double, SideTiltSmoothFactor, 0.0)
};

/// Handling of splitter blades.
class TESSAFORM_API qzImpellerSplittersImpellerParams : public measures::qzMeasurable
{
public:
    /// Whether splitter blades are machined with the main blades or apart (GetSplitStrategy).
    enum SplitStrategy : int
    {
        MACHINE_TOGETHER = 0,
        MACHINE_SEPARATELY = 1
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(SplitStrategy, SplitStrategy, MACHINE_TOGETHER)
};

/// Tool tilt in an impeller.
class TESSAFORM_API qzImpellerTiltParams : public measures::qzMeasurable
{
public:
    /// How the tool is tilted in the impeller (GetTiltStrategy).
    enum TiltStrategy : int
    {
        AUTOMATIC = 0,
        FIXED_LEAD = 1,
        VARIABLE_LEAD = 2
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(TiltStrategy, TiltStrategy, AUTOMATIC)
    QZ_PARAM(double, LeadAngle, 0.0)
    QZ_PARAM(double, LeadAngleLeadingEdge, 0.0)
    QZ_PARAM(double, LeadAngleSplitterEdge, 0.0)
    QZ_PARAM(double, LeadAngleTrailingEdge, 0.0)
    QZ_PARAM(double, MaxSideTiltAngle, 90.0)
    QZ_PARAM(bool, CheckArborAndHolderFlg, false)
};

/// Trimming and extension of impeller cuts at the blade edges.
class TESSAFORM_API qzImpellerTrimAndExtendParams : public measures::qzMeasurable
{
public:
    /// How cuts are trimmed at the blade edges (GetTrimStrategy).
    enum TrimStrategy : int
    {
        NO_TRIM = 0,
        TRIM_BY_ANGLE = 1,
        TRIM_BY_LENGTH = 2
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(TrimStrategy, TrimStrategy, NO_TRIM)
    QZ_PARAM(double, LeadTrimAngleFromTip, 0.0)
    QZ_PARAM(double, LeadTangentialExtensionLen, 0.0)
    QZ_PARAM(double, LeadRadialExtensionLen, 0.0)
    QZ_PARAM(double, TrailTrimAngleFromTip, 0.0)
    QZ_PARAM(double, TrailTangentialExtensionLen, 0.0)
    QZ_PARAM(double, TrailRadialExtensionLen, 0.0)
    QZ_PARAM(double, LeadTrimLen, 0.0)
    QZ_PARAM(double, TrailTrimLen, 0.0)
    QZ_PARAM(double, LeadSideTiltFixLen, 0.0)
    QZ_PARAM(double, TrailSideTiltFixLen, 0.0)
};

/// Impeller machining: its own units and seven sub-records.
class TESSAFORM_API qzImpellerParams : public measures::qzMeasurable
{
public:
    /// Defaults in `units`, every sub-record in the same units.
    explicit qzImpellerParams(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    QZ_PARAM(qzImpellerCutParams, CutParams, qzImpellerCutParams())
    QZ_PARAM(qzImpellerMachLayerDefParams, MachLayerDefParams, qzImpellerMachLayerDefParams())
    QZ_PARAM(qzImpellerOffsetAndClearanceParams, OffsetAndClearanceParams, qzImpellerOffsetAndClearanceParams())
    QZ_PARAM(qzImpellerSmoothParams, SmoothParams, qzImpellerSmoothParams())
    QZ_PARAM(qzImpellerSplittersImpellerParams, SplittersImpellerParams, qzImpellerSplittersImpellerParams())
    QZ_PARAM(qzImpellerTiltParams, TiltParams, qzImpellerTiltParams())
    QZ_PARAM(qzImpellerTrimAndExtendParams, TrimAndExtendParams, qzImpellerTrimAndExtendParams())
};

/// Pattern projected onto a mesh.
class TESSAFORM_API qzProjectionPatternTriMeshBasedParams : public measures::qzMeasurable
{
public:
    /// Shape of the projected pattern (GetType).
    enum Type : int
    {
        RADIAL = 0,
        SPIRAL = 1,
        CYLINDRICAL = 2,
        SPHERICAL = 3
    };
    /// How successive cuts of the pattern are joined (GetStyle).
    enum Style : int
    {
        ZIGZAG = 0,
        ONE_WAY = 1
    };
    /// Turning direction of the pattern (GetDirection).
    enum Direction : int
    {
        CLOCKWISE = 0,
        COUNTER_CLOCKWISE = 1
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(Type, Type, RADIAL)
    QZ_PARAM(Style, Style, ZIGZAG)
    QZ_PARAM(Direction, Direction, COUNTER_CLOCKWISE)
    QZ_PARAM(qzPoint3d, StartPoint, qzPoint3d())
    QZ_PARAM(double, StartHeight, 0.0)
    QZ_PARAM(double, EndHeight, 0.0)
    QZ_PARAM(double, StartAngle, 0.0)
    QZ_PARAM(double, EndAngle, 360.0)
    QZ_PARAM(double, StepAngle, 5.0)
    QZ_PARAM(double, CylinderRadiusAroundLine, 10.0)
    QZ_PARAM(bool, OutputPatternFlg, false)
};

/// Calculation on a triangle mesh.
class TESSAFORM_API qzTriangleMeshBasedTpCalcParams : public measures::qzMeasurable
{
public:
    /// Cut pattern computed on the mesh (GetPattern).
    enum Pattern : int
    {
        PARALLEL_CUTS = 0,
        CONSTANT_Z = 1,
        PROJECTION = 2,
        CONSTANT_SCALLOP = 3,
        MORPH = 4,
        FLOWLINE = 5,
        PENCIL = 6,
        CONTAINMENT_2D = 7,
        ROUGHING = 8,
        SWARF = 9,
        GEODESIC = 10,
        IMPELLER = 11
    };
    /// Ramp between levels (GetRampType).
    enum RampType : int
    {
        RAMP_NONE = 0,
        RAMP_LINEAR = 1,
        RAMP_HELICAL = 2
    };
    /// Corner where parallel cuts start (GetParallelCutsStartCorner).
    enum ParallelCutsStartCorner : int
    {
        LOWER_LEFT = 0,
        LOWER_RIGHT = 1,
        UPPER_LEFT = 2,
        UPPER_RIGHT = 3
    };
    /// Whether constant-Z levels start at the top or the bottom (GetConstantZStart).
    enum ConstantZStart : int
    {
        FROM_TOP = 0,
        FROM_BOTTOM = 1
    };
    /// Curves projected onto the mesh (GetProjectCurvesType).
    enum ProjectCurvesType : int
    {
        USER_CURVES = 0,
        RADIAL_CURVES = 1,
        SPIRAL_CURVES = 2,
        OFFSET_CURVES = 3
    };
    /// Direction of offset projection curves (GetProjectCurvesOffsetDir).
    enum ProjectCurvesOffsetDir : int
    {
        OFFSET_INWARDS = 0,
        OFFSET_OUTWARDS = 1
    };
    /// Containment of geodesic cuts (GetGDContainmentType).
    enum GDContainmentType : int
    {
        GD_NONE = 0,
        GD_BETWEEN_CURVES = 1
    };
    /// Whether projection curves are cut as a spiral (GetProjectCurvesSpiralCutMethod).
    enum ProjCurvesSpiralCutMethod : int
    {
        SPIRAL_OFF = 0,
        SPIRAL_ON = 1
    };
    /// Position of the tool against a 2D containment (GetOffset2dContainmentMethod).
    enum Offset2dContainmentMethod : int
    {
        CONTAINMENT_ON = 0,
        CONTAINMENT_INSIDE = 1,
        CONTAINMENT_OUTSIDE = 2
    };

    /// Defaults in `units`, the projection-pattern and impeller records in the same units.
    explicit qzTriangleMeshBasedTpCalcParams(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    /// Sets the start and end of the projection curves' radius range and angle range at once.
    ///@{
    void SetProjectCurvesRadiusStartEnd(double start, double end);
    void SetProjectCurvesAngleStartEnd(double start, double end);
    ///@}

    QZ_PARAM(Pattern, Pattern, PARALLEL_CUTS)
    QZ_PARAM(double, StartHeight, 0.0)
    QZ_PARAM(double, EndHeight, 0.0)
    QZ_PARAM(double, DepthStep, 1.0)
    QZ_PARAM(bool, RestRoughFlg, false)
    QZ_PARAM(double, RoughingToolDiameter, 10.0)
    QZ_PARAM(RampType, RampType, RAMP_NONE)
    QZ_PARAM(double, RampAngle, 5.0)
    QZ_PARAM(double, RampLength, 10.0)
    QZ_PARAM(ParallelCutsStartCorner, ParallelCutsStartCorner, LOWER_LEFT)
    QZ_PARAM(ConstantZStart, ConstantZStart, FROM_TOP)
    QZ_PARAM(double, DraftAngle, 0.0)
    QZ_PARAM(bool, AdaptiveParallelScansFlg, false)
    QZ_PARAM(bool, TrimToolpathFlg, false)
    QZ_PARAM(bool, TrimToFluteLengthFlg, false)
    QZ_PARAM(bool, UseAutomaticStartEndHeightFlg, true)
    QZ_PARAM(double, MinWidth, 0.0)
    QZ_PARAM(ProjectCurvesType, ProjectCurvesType, USER_CURVES)
    QZ_PARAM(qzPoint3d, ProjectCurvesCenterPoint, qzPoint3d())
    QZ_PARAM(double, ProjectCurvesRadiusStart, 0.0)
    QZ_PARAM(double, ProjectCurvesRadiusEnd, 10.0)
    QZ_PARAM(double, ProjectCurvesAngleStart, 0.0)
    QZ_PARAM(double, ProjectCurvesAngleEnd, 360.0)
    QZ_PARAM(int, ProjectCurvesNumberOfCuts, 10)
    QZ_PARAM(ProjectCurvesOffsetDir, ProjectCurvesOffsetDir, OFFSET_INWARDS)
    QZ_PARAM(bool, GDUseCurveEndDistanceFlg, false)
    QZ_PARAM(GDContainmentType, GDContainmentType, GD_NONE)
    QZ_PARAM(qzPoint3d, GDProjCurvesDir, qzPoint3d(0, 0, 1))
    QZ_PARAM(ProjCurvesSpiralCutMethod, ProjectCurvesSpiralCutMethod, SPIRAL_OFF)
    QZ_PARAM(qzProjectionPatternTriMeshBasedParams, ProjectionPatternParams, qzProjectionPatternTriMeshBasedParams())
    QZ_PARAM(bool, SmoothCornersFlg, false)
    QZ_PARAM(bool, SmoothLinksFlg, false)
    QZ_PARAM(bool, GDMorphBetwCurvesFlg, false)
    QZ_PARAM(bool, RestFinishingFlg, false)
    QZ_PARAM(double, RestFinishingBigToolDia, 20.0)
    QZ_PARAM(qzPoint3d, MachDirectionForMesh, qzPoint3d(0, 0, 1))
    QZ_PARAM(bool, RemoveCornerPegsFlg, false)
    QZ_PARAM(double, SmoothCornersFactor, 0.0)
    QZ_PARAM(bool, SmoothFinalPassFlg, false)
    QZ_PARAM(double, SmoothFinalPassFactor, 0.0)
    QZ_PARAM(Offset2dContainmentMethod, Offset2dContainmentMethod, CONTAINMENT_ON)
    QZ_PARAM(double, Offset2dContainmentValue, 0.0)
    QZ_PARAM(bool, AddOffset2dContainmentValue2ToolRadiusFlg, false)
    QZ_PARAM(bool, CenterCuttingToolFlg, true)
    QZ_PARAM(qzImpellerParams, ImpellerParams, qzImpellerParams())
    QZ_PARAM(bool, SilhouetteContainmentFlg, false)
    QZ_PARAM(bool, UseMinimumDistanceFlg, false)
    QZ_PARAM(double, MinimumDistance, 0.0)
    QZ_PARAM(double, SilhouetteStockRemain, 0.0)
};

/// Drilling.
class TESSAFORM_API qzDrillingBasedTpCalcParams : public measures::qzMeasurable
{
public:
    /// Where the holes are taken from (GetPattern).
    enum Pattern : int
    {
        POINTS_ON_SURFACE = 0,
        POINTS = 1,
        HOLE_LINES = 2
    };
    /// Drilling cycle (GetDrillCycle).
    enum DrillCycle : int
    {
        SIMPLE = 0,
        PECK = 1,
        CHIP_BREAK = 2,
        TAPPING = 3
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(Pattern, Pattern, POINTS)
    QZ_PARAM(DrillCycle, DrillCycle, SIMPLE)
    QZ_PARAM(double, DrillDepth, 10.0)
    QZ_PARAM(double, PeckDepth, 2.0)
    QZ_PARAM(double, DwellTime, 0.0)
};

/// Calculation along wireframe curves.
class TESSAFORM_API qzWireframeBasedTpCalcParams : public measures::qzMeasurable
{
public:
    /// Side of the curve the tool runs on (GetCuttingSide).
    enum CuttingSide : int
    {
        ON_CURVE = 0,
        LEFT = 1,
        RIGHT = 2
    };
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(CuttingSide, CuttingSide, ON_CURVE)
    QZ_PARAM(double, MaxSnapDistance, 1.0)
};

/// The calculation method and the parameters of each method.
class TESSAFORM_API qzTpCalcMethodsParams
{
public:
    /// How the toolpath is calculated (GetMethod).
    enum Method : int
    {
        SURFACE_BASED = 0,
        TRIANGLE_MESH_BASED = 1,
        DRILLING = 2,
        DRIVE_CURVES = 3,
        ORIGINAL_TOOLPATH = 4
    };

    /// Defaults; `units` are those of every method record (the set has none itself).
    explicit qzTpCalcMethodsParams(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    QZ_PARAM(Method, Method, SURFACE_BASED)
    QZ_PARAM(qzTriangleMeshBasedTpCalcParams, TriangleMeshBasedTpCalcParams, qzTriangleMeshBasedTpCalcParams())
    QZ_PARAM(qzDrillingBasedTpCalcParams, DrillingBasedTpCalcParams, qzDrillingBasedTpCalcParams())
    QZ_PARAM(qzWireframeBasedTpCalcParams, WireframeBasedTpCalcParams, qzWireframeBasedTpCalcParams())
};
