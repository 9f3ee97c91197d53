// Collision control: the four operations, the stock operation and the clearances.
#pragma once

#include "brimlib/qzParamField.h"
#include "brimlib/qzPercentOrValueParameter.h"
#include "validation/qzCCWith2DegOptionsList.h"

#include <vector>

/// What every collision check looks at and what it does about a collision.
class TESSAFORM_API qzCollCtrlOpBaseParams : public measures::qzMeasurable
{
public:
    /// What is done about a collision (GetStrategy).
    enum collStrategy : int
    {
        RETRACT_ALONG_TOOL_AXIS = 0,
        REMOVE_POINTS = 1,
        TILT_TOOL = 2,
        RETRACT_SIDEWAYS = 3,
        REPORT_ONLY = 4
    };

    /// Defaults in `units`: inactive, every tool part checked, collisions avoided by tilting.
    explicit qzCollCtrlOpBaseParams(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    QZ_PARAM(bool, Status, false)
    QZ_PARAM(bool, CheckToolTip, true)
    QZ_PARAM(bool, CheckToolShaft, true)
    QZ_PARAM(bool, CheckArbor, true)
    QZ_PARAM(bool, CheckHolder, true)
    QZ_PARAM(collStrategy, Strategy, TILT_TOOL)
};

/// One of the four collision-control operations.
class TESSAFORM_API qzCollCtrlOpParams : public qzCollCtrlOpBaseParams
{
public:
    /// Direction of a sideways retract (GetSideRetractDir).
    enum collSideRetractDir : int
    {
        SIDE_AUTOMATIC = 0,
        SIDE_NORMAL_TO_SURFACE = 1,
        SIDE_CUSTOM_DIRECTION = 2
    };
    /// How the tool is tilted away from a collision (GetAvoidTiltDir); values outside 0 to 7
    /// are rejected by qz5axParamsValidator.
    enum collAvoidTiltDir : int
    {
        ALONG_CUT_DIRECTION = 0,
        ORTHOGONAL_TO_CUT_DIRECTION = 1,
        AUTOMATIC = 2,
        THROUGH_POINT = 3,
        AWAY_FROM_POINT = 4,
        THROUGH_CURVE = 5,
        AWAY_FROM_CURVE = 6,
        THREE_TO_FIVE_AXIS_CONVERSION = 7
    };
    /// Which sign the avoid-tilt angle may take (GetAvoidTiltSign).
    enum signType : int
    {
        BOTH_SIGNS = 0,
        POSITIVE = 1,
        NEGATIVE = 2
    };
    /// Which points are left out when collisions are removed (GetCollLeaveOutPntsType).
    enum collLeaveOutPointsType : int
    {
        LEAVE_OUT_NONE = 0,
        LEAVE_OUT_COLLIDING = 1,
        LEAVE_OUT_CONTOUR = 2
    };

    /// Defaults in `units`; the continuity distance is 0.1 in metric units, 0.05 otherwise.
    explicit qzCollCtrlOpParams(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    /// The minimum and maximum avoid-tilt angles.
    void SetAvoidTiltAngles(double minAngle, double maxAngle);
    /// The allowed angles in cut direction, minimum and maximum.
    void SetAllowedAnglesInCutDirection(double minAngle, double maxAngle);
    /// The preferred tilt angle, limited to the range 0 to `maxTiltAngle`.
    void SetPreferredTiltAngleUsingMaxTiltAngle(double angle, double maxTiltAngle);
    /// The 2-degree options (kept as they are when `list` is this operation's own).
    void SetCCWith2DegOptionsList(const qzCCWith2DegOptionsList& list);
    /// The 2-degree options of the operation.
    const qzCCWith2DegOptionsList& GetCCWith2DegOptionsList() const { return m_options; }

    QZ_PARAM(collSideRetractDir, SideRetractDir, SIDE_AUTOMATIC)
    QZ_PARAM(collAvoidTiltDir, AvoidTiltDir, AUTOMATIC)
    QZ_PARAM(signType, AvoidTiltSign, BOTH_SIGNS)
    QZ_PARAM(double, AvoidMinTiltAngle, 0.0)
    QZ_PARAM(double, AvoidMaxTiltAngle, 45.0)
    QZ_PARAM(bool, ToolAxOrContinuousFlg, false)
    QZ_PARAM(double, DistForToolAxOrContinuous, 0.1)
    QZ_PARAM(double, MinAllowedAngleInCutDirection, -90.0)
    QZ_PARAM(double, MaxAllowedAngleInCutDirection, 90.0)
    QZ_PARAM(bool, ReusePastContoursSolutionFlg, false)
    QZ_PARAM(double, DeviationAngle, 45.0)
    QZ_PARAM(bool, CheckDriveSurfaces, true)
    QZ_PARAM(bool, CheckSurfaces, false)
    QZ_PARAM(double, StockToLeave, 0.0)
    QZ_PARAM(double, CheckSurfTolerance, 0.01)
    QZ_PARAM(bool, UseSplitContourWithinDistance, false)
    QZ_PARAM(double, SplitContourWithinDistance, 100.0)
    QZ_PARAM(bool, DropToolDownFlg, false)
    QZ_PARAM(bool, RemoveAreaWhereToolDropFailFlg, false)
    QZ_PARAM(qzPoint3d, CustomSideRetractDir, qzPoint3d(0, 0, 1))
    QZ_PARAM(collLeaveOutPointsType, CollLeaveOutPntsType, LEAVE_OUT_NONE)
    QZ_PARAM(bool, CheckMachiningSurfaces, true)
    QZ_PARAM(bool, TiltCollFreeContoursFlg, false)
    QZ_PARAM(bool, TiltAxisFixFlg, false)
    QZ_PARAM(bool, RotaryAxisFixFlg, false)
    QZ_PARAM(double, ReOptimizeFor, 0.0)
    QZ_PARAM(double, MaxAngleStep, 3.0)
    QZ_PARAM(double, ClearanceAngle, 0.0)
    QZ_PARAM(bool, ProjectToolOnDirFlg, false)
    QZ_PARAM(bool, MoveToolOutwardsFlg, false)
    QZ_PARAM(double, MaxOutwardDistance4MoveTool, 0.0)
    QZ_PARAM(bool, ProjectToolInwardsFlg, false)
    QZ_PARAM(double, MaxInwardDistance4ProjectTool, 0.0)
    QZ_PARAM(bool, UsePreferredTiltAngleFlg, false)
    QZ_PARAM(double, PreferredTiltAngle, 0.0)
    QZ_PARAM(bool, MaintainTiltAngleForCollFreeZonesFlg, false)
    QZ_PARAM(bool, ReverseProjectionDirFlg, true)

private:
    qzCCWith2DegOptionsList m_options;
};

/// Collision check against the stock.
class TESSAFORM_API qzCollCtrlOpStockParams : public qzCollCtrlOpBaseParams
{
public:
    /// Side to which the stock is offset (GetStockOffsetMode).
    enum StockOffsetMode : int
    {
        OFFSET_OUTWARDS = 0,
        OFFSET_INWARDS = 1
    };
    /// What defines the stock (GetStockType).
    enum StockType : int
    {
        STOCK_NONE = 0,
        STOCK_DEFINITION = 1,
        STOCK_2D_CONTAINMENT = 2
    };

    /// Defaults in `units`; the stock is given by a stock definition.
    explicit qzCollCtrlOpStockParams(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    QZ_PARAM(double, StockDefTolerance, 0.0)
    QZ_PARAM(bool, IgnoreSmallContoursFlg, false)
    QZ_PARAM(qzPercentOrValueParameter, IgnoredSmallContoursSize, qzPercentOrValueParameter())
    QZ_PARAM(StockOffsetMode, StockOffsetMode, OFFSET_OUTWARDS)
    QZ_PARAM(StockType, StockType, STOCK_DEFINITION)
};

/// The collision-control settings: exactly four operations and the clearances of the tool parts.
class TESSAFORM_API qzCollCtrlParams : public measures::qzMeasurable
{
public:
    /// Index of an operation.
    enum CollCtrlOperations : int
    {
        OPERATION_1 = 0,
        OPERATION_2 = 1,
        OPERATION_3 = 2,
        OPERATION_4 = 3
    };

    /// Defaults in `units`: four default operations in the same units.
    explicit qzCollCtrlParams(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);

    /// The fixed number of operations, 4.
    static unsigned GetNoOfCollCtrlOperations() { return 4; }
    /// The operations held, in order (four unless replaced).
    const std::vector<qzCollCtrlOpParams>& GetCollCtrlOperations() const { return m_operations; }
    /// std::out_of_range ("invalid vector<T> subscript") for an index beyond the operations held.
    const qzCollCtrlOpParams& GetCollCtrlOperation(unsigned index) const;
    /// Replaces operation `index`; std::out_of_range ("invalid vector<T> subscript") for an
    /// index beyond the operations held.
    void SetCollCtrlOperation(const qzCollCtrlOpParams& operation, unsigned index);
    /// Replaces the operations (any number; a sound set holds four).
    void SetCollCtrlOperations(const std::vector<qzCollCtrlOpParams>& operations) { m_operations = operations; }

    QZ_PARAM(double, ToolShaftUpperClearance, 0.0)
    QZ_PARAM(double, ArborUpperClearance, 0.5)
    QZ_PARAM(double, HolderUpperClearance, 1.0)
    QZ_PARAM(bool, CheckBetweenPts, true)
    QZ_PARAM(bool, ReportRemainingColls, true)
    QZ_PARAM(bool, ExtendToolToInfinityFlg, false)
    QZ_PARAM(bool, CheckLinkMotionsFlg, true)
    QZ_PARAM(double, ToolShaftLowerClearance, 0.0)
    QZ_PARAM(double, ArborLowerClearance, 0.5)
    QZ_PARAM(double, HolderLowerClearance, 1.0)
    QZ_PARAM(bool, CheckTipRadiusFlg, false)
    QZ_PARAM(bool, CheckLinksAgainstContainmentFlg, false)

private:
    std::vector<qzCollCtrlOpParams> m_operations;
};
