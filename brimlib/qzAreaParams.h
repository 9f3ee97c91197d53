// Machining-area, surface-edge and tilt records of an operation.
#pragma once

#include "brimlib/qzParamField.h"
#include "brimlib/qzPercentOrValueParameter.h"

/// Restriction to shallow or steep areas by slope.
class TESSAFORM_API qzShallowAndSteepAreaParams : public measures::qzMeasurable
{
public:
    /// Which areas, told apart by their slope against the view axis, are machined.
    enum MachiningAreaType : int
    {
        SHALLOW = 0,
        STEEP = 1,
        BOTH = 2
    };
    using measures::qzMeasurable::qzMeasurable;

    /// The slope angle range, start and end.
    void SetSlopeAngles(double start, double end);

    QZ_PARAM(bool, IsUsedFlg, false)
    QZ_PARAM(qzPoint3d, ViewAxisDirection, qzPoint3d(0, 0, 1))
    QZ_PARAM(double, SlopeAngleStart, 0.0)
    QZ_PARAM(double, SlopeAngleEnd, 90.0)
    QZ_PARAM(MachiningAreaType, MachiningAreaType, SHALLOW)
};

/// Containment by 2D curves projected along a direction.
class TESSAFORM_API qz2dContainmentParams : public measures::qzMeasurable
{
public:
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(bool, IsUsedFlg, false)
    QZ_PARAM(qzPoint3d, ProjectionAxisDirection, qzPoint3d(0, 0, 1))
};

/// Handling of surface edges.
class TESSAFORM_API qzSurfEdgeHandlingParams : public measures::qzMeasurable
{
public:
    /// Defaults in `units`; the merge distance is the value 0.01.
    explicit qzSurfEdgeHandlingParams(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    QZ_PARAM(qzPercentOrValueParameter, MergeDistance, qzPercentOrValueParameter())
    QZ_PARAM(bool, MaintainOutsideSharpEdgesFlg, false)
    QZ_PARAM(double, SharpEdgeDetectionAngle, 30.0)
    QZ_PARAM(double, RadiusForLoops, 0.0)
};

/// Tilt relative to the cut direction.
class TESSAFORM_API qzTiltRelativeToCutDirParams : public measures::qzMeasurable
{
public:
    using measures::qzMeasurable::qzMeasurable;
    /// The defaults, keeping the units.
    void SetDefaults();

    QZ_PARAM(double, SideTiltFanningDist, 0.0)
    QZ_PARAM(bool, AllowFlipSideDirFlg, false)
    QZ_PARAM(double, GradualLeadAngleChange, 0.0)
    QZ_PARAM(double, GradualSideTiltAngleChange, 0.0)
    QZ_PARAM(double, RuledSurfaceRadiusLimit, 0.0)
    QZ_PARAM(bool, AlignToolAxisToPlanarSurfEdgesFlg, false)
    QZ_PARAM(bool, ImproveSideTiltForTwistedSurfsFlg, false)
};

/// Lead angles relative to an impeller's machining layer.
class TESSAFORM_API qzTiltRelToImpellerMachLayerParams : public measures::qzMeasurable
{
public:
    using measures::qzMeasurable::qzMeasurable;

    QZ_PARAM(double, LeadAngleAtBladeStart, 0.0)
    QZ_PARAM(double, LeadAngleAtBladeEnd, 0.0)
    QZ_PARAM(double, LeadAngleAtSplitterEnd, 0.0)
};
