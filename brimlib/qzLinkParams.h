// Link parameters: leads, entries and exits, gaps and links between cuts, clearance.
#pragma once

#include "brimlib/qzParamField.h"
#include "brimlib/qzPercentOrValueParameter.h"

/// Shape of a lead-in or lead-out move.
class TESSAFORM_API qzLeadParams
{
public:
    /// Shape of the lead (GetType).
    enum Type : int
    {
        NO_LEAD = 0,
        ARC = 1,
        VERTICAL_ARC = 2,
        LINE = 3,
        HELIX = 4
    };
    /// Tool-axis orientation along the lead (GetAxisOrientation).
    enum AxisOrientation : int
    {
        AUTOMATIC = 0,
        NORMAL_TO_SURFACE = 1,
        TOOL_AXIS = 2
    };

    /// Restores the defaults: an arc lead of 90 degrees.
    void SetDefaults() { *this = qzLeadParams(); }

    QZ_PARAM(Type, Type, ARC)
    QZ_PARAM(AxisOrientation, AxisOrientation, AUTOMATIC)
    QZ_PARAM(double, Width, 1.0)
    QZ_PARAM(double, Length, 1.0)
    QZ_PARAM(double, ArcSweep, 90.0)
    QZ_PARAM(double, ArcDiaOverToolDia, 1.0)
    QZ_PARAM(double, Height, 0.0)
    QZ_PARAM(bool, UseWidthLength, false)
    QZ_PARAM(double, MaxAngleChange, 10.0)
    QZ_PARAM(bool, FlipArcFlg, false)
    QZ_PARAM(double, TiltAngle4Orto2CutDir, 0.0)
    QZ_PARAM(double, FeedRatePercent, 100.0)
};

/// Whether a lead is used and which lead parameters it takes.
class TESSAFORM_API qzLeadController
{
public:

    QZ_PARAM(bool, IsUsed, false)
    QZ_PARAM(bool, UseDefaultLeadParams, true)
    QZ_PARAM(qzLeadParams, LeadParams, qzLeadParams())
};

/// The lead-in and lead-out of a move.
class TESSAFORM_API qzLeadInOutController
{
public:

    QZ_PARAM(qzLeadController, LeadInController, qzLeadController())
    QZ_PARAM(qzLeadController, LeadOutController, qzLeadController())
};

/// How the tool enters the first cut.
class TESSAFORM_API qzFirstEntry
{
public:
    /// Where the tool comes from (GetType).
    enum Type : int
    {
        FROM_CLEARANCE = 0,
        DIRECT = 1
    };

    QZ_PARAM(Type, Type, FROM_CLEARANCE)
    QZ_PARAM(qzLeadController, LeadController, qzLeadController())
    QZ_PARAM(bool, UseHomePositionFlg, false)
};

/// How the tool leaves the last cut.
class TESSAFORM_API qzLastExit
{
public:
    /// Where the tool goes (GetType).
    enum Type : int
    {
        TO_CLEARANCE = 0,
        DIRECT = 1
    };

    QZ_PARAM(Type, Type, TO_CLEARANCE)
    QZ_PARAM(qzLeadController, LeadController, qzLeadController())
    QZ_PARAM(bool, UseHomePositionFlg, false)
};

/// What the tool does across a gap or between cuts, with the leads of that move.
class TESSAFORM_API qzMoveHandling
{
public:
    /// The move that bridges the gap (GetAction).
    enum Action : int
    {
        STRAIGHT_LINE = 0,
        BLEND_SPLINE = 1,
        RETRACT_TO_CLEARANCE = 2,
        FOLLOW_SURFACE = 3,
        BROKEN_FEED = 4,
        RETRACT_INCREMENTAL = 5
    };

    /// The lead-in controller of the move.
    const qzLeadController& GetLeadInController() const { return m_MoveLeadController.GetLeadInController(); }
    /// The lead-out controller of the move.
    const qzLeadController& GetLeadOutController() const { return m_MoveLeadController.GetLeadOutController(); }

    QZ_PARAM(Action, Action, STRAIGHT_LINE)
    QZ_PARAM(qzLeadInOutController, MoveLeadController, qzLeadInOutController())
};

/// Handling of gaps up to a size: small and large moves.
class TESSAFORM_API qzInterlinkHandeler : public measures::qzMeasurable
{
public:
    /// Defaults in `units`; the gap size is the value 0.
    explicit qzInterlinkHandeler(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    QZ_PARAM(qzPercentOrValueParameter, GapSize, qzPercentOrValueParameter())
    QZ_PARAM(qzMoveHandling, SmallMoveHandling, qzMoveHandling())
    QZ_PARAM(qzMoveHandling, LargeMoveHandling, qzMoveHandling())
};

/// Gaps along a cut.
class TESSAFORM_API qzGapsAlongCut : public qzInterlinkHandeler
{
public:
    /// Defaults in `units`, as for qzInterlinkHandeler.
    using qzInterlinkHandeler::qzInterlinkHandeler;
};

/// Links between slices.
class TESSAFORM_API qzLinkBetweenSlices : public qzInterlinkHandeler
{
public:
    /// Defaults in `units`, as for qzInterlinkHandeler.
    using qzInterlinkHandeler::qzInterlinkHandeler;
};

/// Links between passes; the gap size is a plain length.
class TESSAFORM_API qzLinkBetweenPasses : public measures::qzMeasurable
{
public:
    /// Defaults in `units`; the gap size is 0.
    explicit qzLinkBetweenPasses(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    QZ_PARAM(double, GapSize, 0.0)
    QZ_PARAM(qzMoveHandling, SmallMoveHandling, qzMoveHandling())
    QZ_PARAM(qzMoveHandling, LargeMoveHandling, qzMoveHandling())
};

/// Every link setting of an operation.
class TESSAFORM_API qzLinkParams
{
public:
    /// Shape of the clearance area the tool retracts to (GetClearanceType).
    enum ClearanceType : int
    {
        PLANE = 0,
        CYLINDER = 1,
        SPHERE = 2
    };
    /// Axis of the clearance plane or cylinder (GetClearanceAxis).
    enum ClearanceAxis : int
    {
        X_AXIS = 0,
        Y_AXIS = 1,
        Z_AXIS = 2,
        CUSTOM_AXIS = 3
    };

    /// Defaults; `units` are those of the gap and pass-link records (the set has none itself).
    explicit qzLinkParams(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);
    /// Restores the defaults, keeping the units of the gaps-along-cut record.
    void SetDefaults();

    QZ_PARAM(qzLeadParams, LeadInDefaultParams, qzLeadParams())
    QZ_PARAM(qzLeadParams, LeadOutDefaultParams, qzLeadParams())
    QZ_PARAM(qzFirstEntry, FirstEntry, qzFirstEntry())
    QZ_PARAM(qzLastExit, LastExit, qzLastExit())
    QZ_PARAM(qzGapsAlongCut, GapsAlongCut, qzGapsAlongCut())
    QZ_PARAM(qzLinkBetweenSlices, LinkBetweenSlices, qzLinkBetweenSlices())
    QZ_PARAM(qzLinkBetweenPasses, LinkBetweenPasses, qzLinkBetweenPasses())
    QZ_PARAM(ClearanceType, ClearanceType, PLANE)
    QZ_PARAM(ClearanceAxis, ClearanceAxis, Z_AXIS)
    QZ_PARAM(double, ClearancePlaneHeight, 50.0)
    QZ_PARAM(double, ClearanceRadius, 100.0)
    QZ_PARAM(qzPoint3d, CylinderThroughPoint, qzPoint3d())
    QZ_PARAM(qzPoint3d, SphereAroundPoint, qzPoint3d())
    QZ_PARAM(double, FeedPlaneIncremental, 2.0)
    QZ_PARAM(double, RetractPlaneIncremental, 2.0)
    QZ_PARAM(double, AirMoveSafetyDistance, 2.0)
    QZ_PARAM(double, AngleStepForRapidMoves, 3.0)
    QZ_PARAM(qzPoint3d, PlaneCustomDirection, qzPoint3d(0, 0, 1))
    QZ_PARAM(qzPoint3d, CylinderCustomDirection, qzPoint3d(1, 0, 0))
    QZ_PARAM(bool, ChangeToolDir2ClearanceDirFlg, false)
    QZ_PARAM(double, ToolInitialOrientationDistance, 0.0)
    QZ_PARAM(qzPoint3d, HomePosition, qzPoint3d())
};
