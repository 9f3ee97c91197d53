#include "brimlib/qzTypedTools.h"

namespace cadcam
{
qzTypedRevolvedTool::qzTypedRevolvedTool() : m_diameter(0.0), m_cuttingLength(0.0), m_length(0.0) {}

qzTypedRevolvedTool::qzTypedRevolvedTool(double diameter, double cuttingLength, double length, Arbor arbor,
                                         Holder holder, const qzShoulderExtender& shoulder, Units units)
    : qzTool(units), m_diameter(diameter), m_cuttingLength(cuttingLength), m_length(length),
      m_arbor(std::move(arbor)), m_holder(std::move(holder)), m_shoulder(shoulder)
{
}

qzTypedRevolvedTool::~qzTypedRevolvedTool() = default;

void qzTypedRevolvedTool::AcceptVisitor(qzToolBranchVisitor& visitor) const
{
    visitor.Visit(*this);
}

qzBoreBar::qzBoreBar() = default;

qzBoreBar::qzBoreBar(double cornerRadius, double shankDiameter, cornerRaduisType cornerType, double diameter,
                     double cuttingLength, double length, Arbor arbor, Holder holder,
                     const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_cornerRadius(cornerRadius), m_shankDiameter(shankDiameter), m_cornerType(cornerType)
{
}

qzBoreBar::~qzBoreBar() = default;

qzBullMill::qzBullMill() = default;

qzBullMill::qzBullMill(double cornerRadius, double diameter, double cuttingLength, double length, Arbor arbor,
                       Holder holder, const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_cornerRadius(cornerRadius)
{
}

qzBullMill::~qzBullMill() = default;

qzChamferMill::qzChamferMill() = default;

qzChamferMill::qzChamferMill(double cornerRadius, cornerRaduisType cornerType, double angle,
                             double tipDiameter, double diameter, double cuttingLength, double length,
                             Arbor arbor, Holder holder, const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_cornerRadius(cornerRadius), m_cornerType(cornerType), m_angle(angle), m_tipDiameter(tipDiameter)
{
}

qzChamferMill::~qzChamferMill() = default;

qzCntrBore::qzCntrBore() = default;

qzCntrBore::qzCntrBore(double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
                       const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units)
{
}

qzCntrBore::~qzCntrBore() = default;

qzCSink::qzCSink() = default;

qzCSink::qzCSink(double cornerRadius, cornerRaduisType cornerType, double angle, double diameter,
                 double cuttingLength, double length, Arbor arbor, Holder holder,
                 const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_cornerRadius(cornerRadius), m_cornerType(cornerType), m_angle(angle)
{
}

qzCSink::~qzCSink() = default;

qzCtrDrill::qzCtrDrill() = default;

qzCtrDrill::qzCtrDrill(double pilotDiameter, double pilotLength, double diameter, double cuttingLength,
                       double length, Arbor arbor, Holder holder, const qzShoulderExtender& shoulder,
                       Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_pilotDiameter(pilotDiameter), m_pilotLength(pilotLength)
{
}

qzCtrDrill::~qzCtrDrill() = default;

qzDoveMill::qzDoveMill() = default;

qzDoveMill::qzDoveMill(double angle, double cornerRadius, cornerRaduisType cornerType, double diameter,
                       double cuttingLength, double length, Arbor arbor, Holder holder,
                       const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_angle(angle), m_cornerRadius(cornerRadius), m_cornerType(cornerType)
{
}

qzDoveMill::~qzDoveMill() = default;

qzDrill::qzDrill() = default;

qzDrill::qzDrill(double pointAngle, double diameter, double cuttingLength, double length, Arbor arbor,
                 Holder holder, const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_pointAngle(pointAngle)
{
}

qzDrill::~qzDrill() = default;

qzEndMill::qzEndMill() = default;

qzEndMill::qzEndMill(double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
                     const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units)
{
}

qzEndMill::~qzEndMill() = default;

qzFaceMill::qzFaceMill() = default;

qzFaceMill::qzFaceMill(double angle, double bodyDiameter, double cornerRadius, cornerRaduisType cornerType,
                       double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
                       const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_angle(angle), m_bodyDiameter(bodyDiameter), m_cornerRadius(cornerRadius), m_cornerType(cornerType)
{
}

qzFaceMill::~qzFaceMill() = default;

qzLolMill::qzLolMill() = default;

qzLolMill::qzLolMill(double neckDiameter, double diameter, double cuttingLength, double length, Arbor arbor,
                     Holder holder, const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_neckDiameter(neckDiameter)
{
}

qzLolMill::~qzLolMill() = default;

qzRadMill::qzRadMill() = default;

qzRadMill::qzRadMill(double cornerRadius, double diameter, double cuttingLength, double length, Arbor arbor,
                     Holder holder, const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_cornerRadius(cornerRadius)
{
}

qzRadMill::~qzRadMill() = default;

qzReamer::qzReamer() = default;

qzReamer::qzReamer(double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
                   const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units)
{
}

qzReamer::~qzReamer() = default;

qzSlotMill::qzSlotMill() = default;

qzSlotMill::qzSlotMill(double cornerRadius, cornerRaduisType cornerType, double diameter, double length,
                       Arbor arbor, Holder holder, const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, length, length, std::move(arbor), std::move(holder), shoulder, units),
      m_cornerRadius(cornerRadius), m_cornerType(cornerType)
{
}

qzSlotMill::~qzSlotMill() = default;

qzSpherMill::qzSpherMill() = default;

qzSpherMill::qzSpherMill(double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
                         const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units)
{
}

qzSpherMill::~qzSpherMill() = default;

qzSpotDrill::qzSpotDrill() = default;

qzSpotDrill::qzSpotDrill(double pointAngle, double diameter, double cuttingLength, double length, Arbor arbor,
                         Holder holder, const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_pointAngle(pointAngle)
{
}

qzSpotDrill::~qzSpotDrill() = default;

qzTaperMill::qzTaperMill() = default;

qzTaperMill::qzTaperMill(double angle, double cornerRadius, cornerRaduisType cornerType, double diameter,
                         double cuttingLength, double length, Arbor arbor, Holder holder,
                         const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_angle(angle), m_cornerRadius(cornerRadius), m_cornerType(cornerType)
{
}

qzTaperMill::~qzTaperMill() = default;

qzTapLH::qzTapLH() = default;

qzTapLH::qzTapLH(double cornerRadius, cornerRaduisType cornerType, double pitch, int numberOfFlutes,
                 double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
                 const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_cornerRadius(cornerRadius), m_cornerType(cornerType), m_pitch(pitch), m_numberOfFlutes(numberOfFlutes)
{
}

qzTapLH::~qzTapLH() = default;

qzTapRH::qzTapRH() = default;

qzTapRH::qzTapRH(double cornerRadius, cornerRaduisType cornerType, double pitch, int numberOfFlutes,
                 double diameter, double cuttingLength, double length, Arbor arbor, Holder holder,
                 const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_cornerRadius(cornerRadius), m_cornerType(cornerType), m_pitch(pitch), m_numberOfFlutes(numberOfFlutes)
{
}

qzTapRH::~qzTapRH() = default;

qzBarrelMill::qzBarrelMill() = default;

qzBarrelMill::qzBarrelMill(double barrelRadius, double cornerRadius, double tipDiameter, double diameter,
                           double cuttingLength, double length, Arbor arbor, Holder holder,
                           const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_barrelRadius(barrelRadius), m_cornerRadius(cornerRadius), m_tipDiameter(tipDiameter)
{
}

qzBarrelMill::~qzBarrelMill() = default;

qzConvexTipMill::qzConvexTipMill() = default;

qzConvexTipMill::qzConvexTipMill(double cornerRadius, double tipRadius, double diameter, double cuttingLength,
                                 double length, Arbor arbor, Holder holder,
                                 const qzShoulderExtender& shoulder, Units units)
    : qzTypedRevolvedTool(diameter, cuttingLength, length, std::move(arbor), std::move(holder), shoulder,
                          units),
      m_cornerRadius(cornerRadius), m_tipRadius(tipRadius)
{
}

qzConvexTipMill::~qzConvexTipMill() = default;

} // namespace cadcam
