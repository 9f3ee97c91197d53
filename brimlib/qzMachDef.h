// Machine definitions of 3 to 6 axes.
#pragma once

#include "brimlib/qzMeasurable.h"
#include "brimlib/qzParamField.h"

namespace post
{
/// Kinematics of a machine: spindle direction, translation axes and their limits; the variants
/// add their rotary axes.
class TESSAFORM_API qzMachDef : public measures::qzMeasurable
{
public:
    /// Number of machine axes; the value is stored in parameter files.
    enum NumbersOfAxes : int
    {
        THREE_AXES = 0,
        FOUR_AXES = 1,
        FIVE_AXES = 2,
        SIX_AXES = 3
    };

    ~qzMachDef() override;
    /// Number of axes of the variant, which tells the concrete class.
    virtual NumbersOfAxes GetNumberOfAxes() const = 0;

    /// The largest rotary travel, in degrees, either way.
    static double LimitRotation();
    /// The largest translation travel either way.
    static double LimitTranslation();

    QZ_PARAM(qzPoint3d, SpindleDir, qzPoint3d(0, 0, 1))
    QZ_PARAM(qzPoint3d, TransAxisMinLimit, qzPoint3d(-LimitTranslation(), -LimitTranslation(), -LimitTranslation()))
    QZ_PARAM(qzPoint3d, TransAxisMaxLimit, qzPoint3d(LimitTranslation(), LimitTranslation(), LimitTranslation()))
    QZ_PARAM(qzPoint3d, TranslationX, qzPoint3d(1, 0, 0))
    QZ_PARAM(qzPoint3d, TranslationY, qzPoint3d(0, 1, 0))
    QZ_PARAM(qzPoint3d, TranslationZ, qzPoint3d(0, 0, 1))

protected:
    /// Defaults in `units`: spindle along +Z, axes along X, Y, Z with the largest travel.
    explicit qzMachDef(measures::qzUnitsFactory::Units units);
};

/// Three translation axes.
class TESSAFORM_API qz3axMachDef : public qzMachDef
{
public:
    /// Defaults in `units`.
    explicit qz3axMachDef(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);
    NumbersOfAxes GetNumberOfAxes() const override { return THREE_AXES; }
};

/// One rotary axis.
class TESSAFORM_API qz4axMachDef : public qzMachDef
{
public:
    /// Whether the rotary axis turns the table or the head (GetMachType).
    enum MachType : int
    {
        ROTARY_TABLE = 0,
        ROTARY_HEAD = 1
    };
    /// Defaults in `units`: a rotary table about X through the origin, largest travel.
    explicit qz4axMachDef(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);
    NumbersOfAxes GetNumberOfAxes() const override { return FOUR_AXES; }

    QZ_PARAM(MachType, MachType, ROTARY_TABLE)
    QZ_PARAM(qzPoint3d, RotAxisDir, qzPoint3d(1, 0, 0))
    QZ_PARAM(qzPoint3d, RotAxisBasePt, qzPoint3d())
    QZ_PARAM(double, RotAxisMinLimit, -LimitRotation())
    QZ_PARAM(double, RotAxisMaxLimit, LimitRotation())
};

/// Two rotary axes.
class TESSAFORM_API qz5axMachDef : public qzMachDef
{
public:
    /// What the two rotary axes turn: tables, heads, or one of each (GetMachType).
    enum MachType : int
    {
        TABLE_TABLE = 0,
        HEAD_HEAD = 1,
        HEAD_TABLE = 2
    };
    /// Defaults in `units`: a table-table machine about Z then X, largest travel.
    explicit qz5axMachDef(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);
    NumbersOfAxes GetNumberOfAxes() const override { return FIVE_AXES; }

    QZ_PARAM(MachType, MachType, TABLE_TABLE)
    QZ_PARAM(qzPoint3d, RotAxisDir0, qzPoint3d(0, 0, 1))
    QZ_PARAM(qzPoint3d, RotAxisDir1, qzPoint3d(1, 0, 0))
    QZ_PARAM(qzPoint3d, RotAxisBasePt0, qzPoint3d())
    QZ_PARAM(qzPoint3d, RotAxisBasePt1, qzPoint3d())
    QZ_PARAM(double, RotAxisMinLimit0, -LimitRotation())
    QZ_PARAM(double, RotAxisMinLimit1, -LimitRotation())
    QZ_PARAM(double, RotAxisMaxLimit0, LimitRotation())
    QZ_PARAM(double, RotAxisMaxLimit1, LimitRotation())
};

/// Three rotary axes.
class TESSAFORM_API qz6axMachDef : public qzMachDef
{
public:
    /// Which of the three rotary axes turn the table and which the head (GetMachType).
    enum MachType : int
    {
        TABLE_HEAD_HEAD = 0,
        TABLE_TABLE_HEAD = 1,
        TABLE_TABLE_TABLE = 2,
        HEAD_HEAD_HEAD = 3
    };
    /// What one rotary axis turns: the table or the head.
    enum AxisType : int
    {
        TABLE = 0,
        HEAD = 1
    };
    /// Defaults in `units`: rotary axes about Z, X and Y, largest travel.
    explicit qz6axMachDef(measures::qzUnitsFactory::Units units = measures::qzUnitsFactory::METRIC);
    NumbersOfAxes GetNumberOfAxes() const override { return SIX_AXES; }

    QZ_PARAM(MachType, MachType, TABLE_HEAD_HEAD)
    QZ_PARAM(qzPoint3d, RotAxisDir0, qzPoint3d(0, 0, 1))
    QZ_PARAM(qzPoint3d, RotAxisDir1, qzPoint3d(1, 0, 0))
    QZ_PARAM(qzPoint3d, RotAxisDir2, qzPoint3d(0, 1, 0))
    QZ_PARAM(qzPoint3d, RotAxisBasePt0, qzPoint3d())
    QZ_PARAM(qzPoint3d, RotAxisBasePt1, qzPoint3d())
    QZ_PARAM(qzPoint3d, RotAxisBasePt2, qzPoint3d())
    QZ_PARAM(double, RotAxisMinLimit0, -LimitRotation())
    QZ_PARAM(double, RotAxisMinLimit1, -LimitRotation())
    QZ_PARAM(double, RotAxisMaxLimit0, LimitRotation())
    QZ_PARAM(double, RotAxisMaxLimit1, LimitRotation())
    QZ_PARAM(double, ThirdAngle, 0.0)
    QZ_PARAM(AxisType, FirstAxisType, TABLE)
    QZ_PARAM(AxisType, SecondAxisType, HEAD)
    QZ_PARAM(AxisType, ThirdAxisType, HEAD)
};
} // namespace post
