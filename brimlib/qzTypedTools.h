// The typed revolved tools: tools known by their kind and a few dimensions.
#pragma once

#include "brimlib/qzTool.h"

namespace cadcam
{
/// A revolved tool of a known kind. Every kind has a diameter and two lengths measured from the
/// tip: the cutting length and the length out of the arbor, and sits in an arbor, a holder and
/// a shoulder extender. Angles are in degrees.
///
/// Constructors of the kinds take, in this order: the kind's own values (in the order of their
/// accessors below), the diameter, the cutting length, the length (a slot mill has one length
/// that serves as both), the arbor, the holder, the shoulder extender and the units. Default
/// constructors make a metric tool with every value 0 and no arbor or holder.
class TESSAFORM_API qzTypedRevolvedTool : public qzTool
{
public:
    /// How the corner between the bottom and the flank is shaped.
    enum cornerRaduisType : int
    {
        CORNER_NONE = 0,   ///< sharp
        CORNER_RADIUS = 1, ///< rounded by the corner radius
        CORNER_CHAMFER = 2 ///< cut at 45 degrees, the corner radius being the chamfer width
    };
    /// Largest valid corner type; the tool reader refuses larger codes (qzcadcamException 2184).
    static constexpr int kLastCornerType = CORNER_CHAMFER;

    ~qzTypedRevolvedTool() override;

    void AcceptVisitor(qzToolBranchVisitor& visitor) const override;

    /// Diameter, cutting length and length out of the arbor, in the tool's units.
    ///@{
    double GetDiameter() const { return m_diameter; }
    double GetCuttingLength() const { return m_cuttingLength; }
    double GetLength() const { return m_length; }
    ///@}
    /// Arbor and holder, shared; empty when the tool has none.
    ///@{
    const Arbor& GetArbor() const { return m_arbor; }
    const Holder& GetHolder() const { return m_holder; }
    ///@}
    /// The shoulder extender (diameter and base length 0 when not given).
    const qzShoulderExtender& GetShoulderExtender() const { return m_shoulder; }

protected:
    qzTypedRevolvedTool();
    /// The common values of every kind; arbor and holder are shared and may be empty.
    qzTypedRevolvedTool(double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
                        const qzShoulderExtender& shoulder, Units units);

private:
    double m_diameter;
    double m_cuttingLength;
    double m_length;
    Arbor m_arbor;
    Holder m_holder;
    qzShoulderExtender m_shoulder;
};

/// A boring bar: a single cutting edge on a shank.
class TESSAFORM_API qzBoreBar : public qzTypedRevolvedTool
{
public:
    qzBoreBar();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzBoreBar(double cornerRadius, double shankDiameter, cornerRaduisType cornerType, double diameter,
              double cuttingLength, double length, Arbor arbor, Holder holder,
              const qzShoulderExtender& shoulder, Units units);
    ~qzBoreBar() override;

    toolType GetToolType() const override { return BORE_BAR; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Corner radius and shank diameter, in the tool's units, and the corner shape.
    ///@{
    double GetCornerRadius() const { return m_cornerRadius; }
    double GetShankDiameter() const { return m_shankDiameter; }
    cornerRaduisType GetCornerType() const { return m_cornerType; }
    ///@}

private:
    double m_cornerRadius = 0.0;
    double m_shankDiameter = 0.0;
    cornerRaduisType m_cornerType = CORNER_NONE;
};

/// A bull-nose end mill: a flat bottom with rounded corners.
class TESSAFORM_API qzBullMill : public qzTypedRevolvedTool
{
public:
    qzBullMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzBullMill(double cornerRadius, double diameter, double cuttingLength, double length, Arbor arbor,
               Holder holder, const qzShoulderExtender& shoulder, Units units);
    ~qzBullMill() override;

    toolType GetToolType() const override { return BULL_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Radius of the rounded corners, in the tool's units.
    double GetCornerRadius() const { return m_cornerRadius; }

private:
    double m_cornerRadius = 0.0;
};

/// A chamfer mill: a cone (angle from the axis) above a tip of given diameter.
class TESSAFORM_API qzChamferMill : public qzTypedRevolvedTool
{
public:
    qzChamferMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzChamferMill(double cornerRadius, cornerRaduisType cornerType, double angle, double tipDiameter,
                  double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
                  const qzShoulderExtender& shoulder, Units units);
    ~qzChamferMill() override;

    toolType GetToolType() const override { return CHAMFER_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Corner radius and shape, cone angle from the axis in degrees, tip diameter.
    ///@{
    double GetCornerRadius() const { return m_cornerRadius; }
    cornerRaduisType GetCornerType() const { return m_cornerType; }
    double GetAngle() const { return m_angle; }
    double GetTipDiameter() const { return m_tipDiameter; }
    ///@}

private:
    double m_cornerRadius = 0.0;
    cornerRaduisType m_cornerType = CORNER_NONE;
    double m_angle = 0.0;
    double m_tipDiameter = 0.0;
};

/// A counterbore.
class TESSAFORM_API qzCntrBore : public qzTypedRevolvedTool
{
public:
    qzCntrBore();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzCntrBore(double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
               const qzShoulderExtender& shoulder, Units units);
    ~qzCntrBore() override;

    toolType GetToolType() const override { return CNTR_BORE; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
};

/// A countersink: a cone of given angle.
class TESSAFORM_API qzCSink : public qzTypedRevolvedTool
{
public:
    qzCSink();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzCSink(double cornerRadius, cornerRaduisType cornerType, double angle, double diameter,
            double cuttingLength, double length, Arbor arbor, Holder holder,
            const qzShoulderExtender& shoulder, Units units);
    ~qzCSink() override;

    toolType GetToolType() const override { return CSINK; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Corner radius and shape, and the cone angle in degrees.
    ///@{
    double GetCornerRadius() const { return m_cornerRadius; }
    cornerRaduisType GetCornerType() const { return m_cornerType; }
    double GetAngle() const { return m_angle; }
    ///@}

private:
    double m_cornerRadius = 0.0;
    cornerRaduisType m_cornerType = CORNER_NONE;
    double m_angle = 0.0;
};

/// A centre drill: a pilot of given diameter and length below the body.
class TESSAFORM_API qzCtrDrill : public qzTypedRevolvedTool
{
public:
    qzCtrDrill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzCtrDrill(double pilotDiameter, double pilotLength, double diameter, double cuttingLength, double length,
               Arbor arbor, Holder holder, const qzShoulderExtender& shoulder, Units units);
    ~qzCtrDrill() override;

    toolType GetToolType() const override { return CTR_DRILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Diameter and length of the pilot, in the tool's units.
    ///@{
    double GetPilotDiameter() const { return m_pilotDiameter; }
    double GetPilotLength() const { return m_pilotLength; }
    ///@}

private:
    double m_pilotDiameter = 0.0;
    double m_pilotLength = 0.0;
};

/// A dovetail mill: a cone widening towards the tip.
class TESSAFORM_API qzDoveMill : public qzTypedRevolvedTool
{
public:
    qzDoveMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzDoveMill(double angle, double cornerRadius, cornerRaduisType cornerType, double diameter,
               double cuttingLength, double length, Arbor arbor, Holder holder,
               const qzShoulderExtender& shoulder, Units units);
    ~qzDoveMill() override;

    toolType GetToolType() const override { return DOVE_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Cone angle in degrees, corner radius and corner shape.
    ///@{
    double GetAngle() const { return m_angle; }
    double GetCornerRadius() const { return m_cornerRadius; }
    cornerRaduisType GetCornerType() const { return m_cornerType; }
    ///@}

private:
    double m_angle = 0.0;
    double m_cornerRadius = 0.0;
    cornerRaduisType m_cornerType = CORNER_NONE;
};

/// A twist drill with its point angle.
class TESSAFORM_API qzDrill : public qzTypedRevolvedTool
{
public:
    qzDrill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzDrill(double pointAngle, double diameter, double cuttingLength, double length, Arbor arbor,
            Holder holder, const qzShoulderExtender& shoulder, Units units);
    ~qzDrill() override;

    toolType GetToolType() const override { return DRILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Point angle: the full included angle of the tip, in degrees.
    double GetPointAngle() const { return m_pointAngle; }

private:
    double m_pointAngle = 0.0;
};

/// A flat end mill.
class TESSAFORM_API qzEndMill : public qzTypedRevolvedTool
{
public:
    qzEndMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzEndMill(double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
              const qzShoulderExtender& shoulder, Units units);
    ~qzEndMill() override;

    toolType GetToolType() const override { return END_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
};

/// A face mill: inserts of given angle on a body of given diameter.
class TESSAFORM_API qzFaceMill : public qzTypedRevolvedTool
{
public:
    qzFaceMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzFaceMill(double angle, double bodyDiameter, double cornerRadius, cornerRaduisType cornerType,
               double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
               const qzShoulderExtender& shoulder, Units units);
    ~qzFaceMill() override;

    toolType GetToolType() const override { return FACE_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Insert angle in degrees, body diameter, corner radius and corner shape.
    ///@{
    double GetAngle() const { return m_angle; }
    double GetBodyDiameter() const { return m_bodyDiameter; }
    double GetCornerRadius() const { return m_cornerRadius; }
    cornerRaduisType GetCornerType() const { return m_cornerType; }
    ///@}

private:
    double m_angle = 0.0;
    double m_bodyDiameter = 0.0;
    double m_cornerRadius = 0.0;
    cornerRaduisType m_cornerType = CORNER_NONE;
};

/// A lollipop mill: a ball on a thinner neck (neck diameter 0 when not given).
class TESSAFORM_API qzLolMill : public qzTypedRevolvedTool
{
public:
    qzLolMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzLolMill(double neckDiameter, double diameter, double cuttingLength, double length, Arbor arbor,
              Holder holder, const qzShoulderExtender& shoulder, Units units);
    ~qzLolMill() override;

    toolType GetToolType() const override { return LOL_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Diameter of the neck, in the tool's units (0 when not given).
    double GetNeckDiameter() const { return m_neckDiameter; }

private:
    double m_neckDiameter = 0.0;
};

/// A corner-rounding mill with its radius.
class TESSAFORM_API qzRadMill : public qzTypedRevolvedTool
{
public:
    qzRadMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzRadMill(double cornerRadius, double diameter, double cuttingLength, double length, Arbor arbor,
              Holder holder, const qzShoulderExtender& shoulder, Units units);
    ~qzRadMill() override;

    toolType GetToolType() const override { return RAD_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Radius of the rounded corners, in the tool's units.
    double GetCornerRadius() const { return m_cornerRadius; }

private:
    double m_cornerRadius = 0.0;
};

/// A reamer.
class TESSAFORM_API qzReamer : public qzTypedRevolvedTool
{
public:
    qzReamer();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzReamer(double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
             const qzShoulderExtender& shoulder, Units units);
    ~qzReamer() override;

    toolType GetToolType() const override { return REAMER; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
};

/// A slot mill (disc cutter): one length, the width of the disc, serves as cutting length and length.
class TESSAFORM_API qzSlotMill : public qzTypedRevolvedTool
{
public:
    qzSlotMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzSlotMill(double cornerRadius, cornerRaduisType cornerType, double diameter, double length, Arbor arbor,
               Holder holder, const qzShoulderExtender& shoulder, Units units);
    ~qzSlotMill() override;

    toolType GetToolType() const override { return SLOT_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Corner radius, in the tool's units, and the corner shape.
    ///@{
    double GetCornerRadius() const { return m_cornerRadius; }
    cornerRaduisType GetCornerType() const { return m_cornerType; }
    ///@}

private:
    double m_cornerRadius = 0.0;
    cornerRaduisType m_cornerType = CORNER_NONE;
};

/// A ball end mill.
class TESSAFORM_API qzSpherMill : public qzTypedRevolvedTool
{
public:
    qzSpherMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzSpherMill(double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
                const qzShoulderExtender& shoulder, Units units);
    ~qzSpherMill() override;

    toolType GetToolType() const override { return SPHER_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
};

/// A spot drill with its point angle.
class TESSAFORM_API qzSpotDrill : public qzTypedRevolvedTool
{
public:
    qzSpotDrill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzSpotDrill(double pointAngle, double diameter, double cuttingLength, double length, Arbor arbor,
                Holder holder, const qzShoulderExtender& shoulder, Units units);
    ~qzSpotDrill() override;

    toolType GetToolType() const override { return SPOT_DRILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Point angle: the full included angle of the tip, in degrees.
    double GetPointAngle() const { return m_pointAngle; }

private:
    double m_pointAngle = 0.0;
};

/// A tapered end mill: flanks at the given angle from the axis.
class TESSAFORM_API qzTaperMill : public qzTypedRevolvedTool
{
public:
    qzTaperMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzTaperMill(double angle, double cornerRadius, cornerRaduisType cornerType, double diameter,
                double cuttingLength, double length, Arbor arbor, Holder holder,
                const qzShoulderExtender& shoulder, Units units);
    ~qzTaperMill() override;

    toolType GetToolType() const override { return TAPER_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Flank angle from the axis in degrees, corner radius and corner shape.
    ///@{
    double GetAngle() const { return m_angle; }
    double GetCornerRadius() const { return m_cornerRadius; }
    cornerRaduisType GetCornerType() const { return m_cornerType; }
    ///@}

private:
    double m_angle = 0.0;
    double m_cornerRadius = 0.0;
    cornerRaduisType m_cornerType = CORNER_NONE;
};

/// A left-hand tap.
class TESSAFORM_API qzTapLH : public qzTypedRevolvedTool
{
public:
    qzTapLH();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzTapLH(double cornerRadius, cornerRaduisType cornerType, double pitch, int numberOfFlutes,
            double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
            const qzShoulderExtender& shoulder, Units units);
    ~qzTapLH() override;

    toolType GetToolType() const override { return TAP_LH; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Corner radius and shape, thread pitch in the tool's units, and number of flutes.
    ///@{
    double GetCornerRadius() const { return m_cornerRadius; }
    cornerRaduisType GetCornerType() const { return m_cornerType; }
    double GetPitch() const { return m_pitch; }
    int GetNumberOfFlutes() const { return m_numberOfFlutes; }
    ///@}

private:
    double m_cornerRadius = 0.0;
    cornerRaduisType m_cornerType = CORNER_NONE;
    double m_pitch = 0.0;
    int m_numberOfFlutes = 0;
};

/// A right-hand tap.
class TESSAFORM_API qzTapRH : public qzTypedRevolvedTool
{
public:
    qzTapRH();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzTapRH(double cornerRadius, cornerRaduisType cornerType, double pitch, int numberOfFlutes,
            double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
            const qzShoulderExtender& shoulder, Units units);
    ~qzTapRH() override;

    toolType GetToolType() const override { return TAP_RH; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Corner radius and shape, thread pitch in the tool's units, and number of flutes.
    ///@{
    double GetCornerRadius() const { return m_cornerRadius; }
    cornerRaduisType GetCornerType() const { return m_cornerType; }
    double GetPitch() const { return m_pitch; }
    int GetNumberOfFlutes() const { return m_numberOfFlutes; }
    ///@}

private:
    double m_cornerRadius = 0.0;
    cornerRaduisType m_cornerType = CORNER_NONE;
    double m_pitch = 0.0;
    int m_numberOfFlutes = 0;
};

/// A barrel mill: flanks on a large radius, a tip of given diameter.
class TESSAFORM_API qzBarrelMill : public qzTypedRevolvedTool
{
public:
    qzBarrelMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzBarrelMill(double barrelRadius, double cornerRadius, double tipDiameter, double diameter,
                 double cuttingLength, double length, Arbor arbor, Holder holder,
                 const qzShoulderExtender& shoulder, Units units);
    ~qzBarrelMill() override;

    toolType GetToolType() const override { return BARREL_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Radius of the barrel flanks, corner radius and tip diameter, in the tool's units.
    ///@{
    double GetBarrelRadius() const { return m_barrelRadius; }
    double GetCornerRadius() const { return m_cornerRadius; }
    double GetTipDiameter() const { return m_tipDiameter; }
    ///@}

private:
    double m_barrelRadius = 0.0;
    double m_cornerRadius = 0.0;
    double m_tipDiameter = 0.0;
};

/// A mill with a convex bottom of the given tip radius.
class TESSAFORM_API qzConvexTipMill : public qzTypedRevolvedTool
{
public:
    qzConvexTipMill();
    /// The tool from its own values, then diameter, lengths, arbor, holder, shoulder extender
    /// and units, as described at qzTypedRevolvedTool; arbor and holder are shared, may be empty.
    qzConvexTipMill(double cornerRadius, double tipRadius, double diameter, double cuttingLength,
                    double length, Arbor arbor, Holder holder, const qzShoulderExtender& shoulder,
                    Units units);
    ~qzConvexTipMill() override;

    toolType GetToolType() const override { return CONVEX_TIP_MILL; }
    void AcceptVirtual(qzToolVisitor& visitor) override { visitor.Visit(*this); }
    /// Corner radius and radius of the convex bottom, in the tool's units.
    ///@{
    double GetCornerRadius() const { return m_cornerRadius; }
    double GetTipRadius() const { return m_tipRadius; }
    ///@}

private:
    double m_cornerRadius = 0.0;
    double m_tipRadius = 0.0;
};

} // namespace cadcam
