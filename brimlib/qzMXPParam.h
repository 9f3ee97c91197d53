// Extra parameters of the machine: how angles are chosen, interpolated and limited.
#pragma once

#include "brimlib/qzMeasurable.h"
#include "brimlib/qzParamField.h"

namespace post
{
/// Settings of the machine kinematics solver beside the machine definition.
class TESSAFORM_API qzMXPParam : public measures::qzMeasurable
{
public:
    /// Which machine limits the angle selection respects.
    enum MachineLimits : int
    {
        IGNORE_LIMITS = 0,
        TRANSLATION_LIMITS = 1,
        ROTATION_LIMITS = 2,
        ALL_LIMITS = 3
    };
    /// How the first angle of a toolpath is chosen.
    enum StartAngleType : int
    {
        AUTOMATIC_START_ANGLE = 0,
        PREFERRED_START_ANGLE = 1,
        CLOSEST_TO_ZERO = 2
    };
    /// Which of the two angle solutions starts the toolpath.
    enum SolutionForStartAngle : int
    {
        FIRST_SOLUTION = 0,
        SECOND_SOLUTION = 1
    };
    /// What happens where the tool axis passes the pole of the rotary axes.
    enum PoleHandling : int
    {
        NO_POLE_HANDLING = 0,
        KEEP_ROTARY_ANGLE = 1,
        ROTATE_AROUND_POLE = 2
    };
    /// How moves are interpolated between machine positions.
    enum Interpolation : int
    {
        LINEAR_INTERPOLATION = 0,
        VECTOR_INTERPOLATION = 1
    };

    /// Defaults in `units`: automatic angle selection, no limits, linear interpolation.
    explicit qzMXPParam(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    QZ_PARAM(bool, AngleSelectAutoFrom2Pairs, true)
    QZ_PARAM(bool, AngleSelectOtherPair, false)
    QZ_PARAM(double, AngleChangeLimit, 10.0)
    QZ_PARAM(double, InterpolationStep, 1.0)
    QZ_PARAM(double, InterpolationDist, 1.0)
    QZ_PARAM(bool, InterpolationDistFlag, false)
    QZ_PARAM(double, RetractDistForLargeAngChange, 0.0)
    QZ_PARAM(double, PoleAngleTolInDeg, 0.57)
    QZ_PARAM(MachineLimits, MachineLimits, IGNORE_LIMITS)
    QZ_PARAM(double, AngleTolInDegForUsingMachLimits, 0.0001)
    QZ_PARAM(StartAngleType, StartAngleType, AUTOMATIC_START_ANGLE)
    QZ_PARAM(SolutionForStartAngle, SolutionForStartAngle, FIRST_SOLUTION)
    QZ_PARAM(double, PreferredStartAngleValInDeg, 0.0)
    QZ_PARAM(bool, InterpolationRapidMoves, false)
    QZ_PARAM(PoleHandling, PoleHandling, NO_POLE_HANDLING)
    QZ_PARAM(bool, ToolpathAlignment, false)
    QZ_PARAM(Interpolation, Interpolation, LINEAR_INTERPOLATION)
    QZ_PARAM(bool, RetractToolAtMax, false)
};
} // namespace post
