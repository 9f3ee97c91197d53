#include "toolgeometry/qzToolCreator.h"

#include "brimlib/qzException.h"
#include "toolgeometry/qzCasting2SolidDefinitionChecker.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>

namespace cadcam
{
namespace
{
constexpr double kTol = 0.001;
constexpr double kRadToDeg = 57.295779513082320876798;

using Corner = qzTypedRevolvedTool::cornerRaduisType;
using Tool = misc::qzAutoPointer<qzTypedRevolvedTool>;

[[noreturn]] void ThrowUnknownToolType()
{
    throw misc::qzException(qzcadcamException::UNKNOWN_TOOL_TYPE, "Unknown tool type");
}

[[noreturn]] void ThrowDoesNotFit()
{
    throw qzcadcamException(qzcadcamException::INVALID_TOOL_DIMENSIONS);
}

Corner CornerOf(double radius)
{
    return radius > 0.0 ? qzTypedRevolvedTool::CORNER_RADIUS : qzTypedRevolvedTool::CORNER_NONE;
}

template <class X, class D, class... Own> Tool Make(const D& d, Own... own)
{
    return Tool(new X(own..., d.diameter, d.cuttingLength, d.length, d.arbor, d.holder, d.shoulder, d.units));
}
} // namespace

template <class T> qzToolCreator<T>::qzToolCreator() = default;
template <class T> qzToolCreator<T>::~qzToolCreator() = default;

template <class T>
const qz2dContour<T>&
qzToolCreator<T>::GetPartProfile(const misc::qzAutoPointer<qzToolPartDefinition<T>>& part)
{
    return *qzCasting2SolidDefinitionChecker<T>::Cast(*part->GetSolid()).GetProfile();
}

template <class T> void qzToolCreator<T>::Walk(const qz2dContour<T>& profile, qz2dGeometryVisitor<T>& visitor)
{
    for (const auto& member : profile)
        member->AcceptVisitor(visitor);
}

template <class T>
qzNoneCuttingPartToolProfileVisitor<T> qzToolCreator<T>::CollectNoneCutPart(const GenericTool& tool) const
{
    qzNoneCuttingPartToolProfileVisitor<T> visitor;
    Walk(GetPartProfile(tool->GetNonCutPart()), visitor);
    return visitor;
}

template <class T>
typename qzToolCreator<T>::Dimensions
qzToolCreator<T>::Measure(const GenericTool& tool, const qz2dContour<T>& cutProfile,
                          const qzNoneCuttingPartToolProfileVisitor<T>& nonCut) const
{
    Dimensions d;
    const qz2dBoundingBox<T>& cut = cutProfile.GetBoundingBox();
    const double tip = cut.GetMinY();
    d.diameter = 2.0 * double(cut.GetMaxX());
    d.cuttingLength = double(cut.GetMaxY()) - tip;
    d.units = tool->GetUnits();
    d.arbor = tool->GetArbor();
    d.holder = tool->GetHolder();
    if (nonCut.GetElementCount() == 0)
    {
        d.length = d.cuttingLength;
        d.shoulder = qzShoulderExtender(d.units, 0.0, d.cuttingLength);
    }
    else
    {
        const qz2dBoundingBox<T>& shank = nonCut.GetBoundingBox();
        d.length = std::max(double(cut.GetMaxY()), double(shank.GetMaxY())) - tip;
        d.shoulder =
            qzShoulderExtender(d.units, 2.0 * double(shank.GetMaxX()), double(shank.GetMinY()) - tip);
    }
    return d;
}

// ----- spherical -----

template <class T> qzSphericalToolCreator<T>::~qzSphericalToolCreator() = default;

template <class T>
void qzSphericalToolCreator<T>::Create(TypedTool& result, const GenericTool& tool, const Kinds& kinds) const
{
    const Kinds arc{1}, arcLine{1, 0}, lineArcLine{0, 1, 0}, arcArcLine{1, 1, 0};
    std::unique_ptr<qzSphericalToolVisitor<T>> visitor;
    if (kinds == arc)
        visitor.reset(new qzArcSuite<T>());
    else if (kinds == arcLine)
        visitor.reset(new qzArcLineSuite<T>());
    else if (kinds == lineArcLine)
        visitor.reset(new qzLineArcLineSuite<T>());
    else if (kinds == arcArcLine)
        visitor.reset(new qzArcArcLineSuite<T>());
    else
        throw qzcadcamException(qzcadcamException::NO_SPHERICAL_TOOL_SUITE);

    const qz2dContour<T>& profile = this->GetPartProfile(tool->GetCutPart());
    this->Walk(profile, *visitor);
    const unsigned type = visitor->GetToolType();
    const qzNoneCuttingPartToolProfileVisitor<T> nonCut = this->CollectNoneCutPart(tool);
    typename qzToolCreator<T>::Dimensions d = this->Measure(tool, profile, nonCut);

    const double corner = double(visitor->GetCornerRadius());
    const double tipRadius = double(visitor->GetTipRadius());
    const auto& arcs = visitor->GetArcs();
    const auto& lines = visitor->GetLines();
    switch (type)
    {
    case 7:
        result = Make<qzBoreBar>(d, corner, d.shoulder.GetDiameter(), CornerOf(corner));
        return;
    case 9:
        result = Make<qzCSink>(d, corner, CornerOf(corner), 0.0);
        return;
    case 10:
    {
        const qz2dArc<T>& ball = *arcs.front();
        if (std::abs(double(ball.GetCenter()->x())) > kTol)
            ThrowDoesNotFit();
        d.diameter = 2.0 * double(ball.GetRadius());
        result = Make<qzSpherMill>(d);
        return;
    }
    case 16:
        result = Make<qzChamferMill>(d, corner, CornerOf(corner), 0.0, 0.0);
        return;
    case 17:
        result = Make<qzFaceMill>(d, 0.0, d.diameter, corner, CornerOf(corner));
        return;
    case 18:
        result = Tool(new qzSlotMill(corner, CornerOf(corner), d.diameter, d.cuttingLength, d.arbor, d.holder,
                                     d.shoulder, d.units));
        return;
    case 19:
        result = Make<qzRadMill>(d, corner);
        return;
    case 20:
        result = Make<qzDoveMill>(d, 0.0, corner, CornerOf(corner));
        return;
    case 21:
    {
        const qz2dArc<T>& arc = *arcs.front();
        const auto s = lines.back()->GetStartPoint(), e = lines.back()->GetEndPoint();
        const double angle = std::atan2(double(e->x()) - s->x(), double(e->y()) - s->y()) * kRadToDeg;
        d.diameter = 2.0 * (double(arc.GetCenter()->x()) + arc.GetRadius());
        result = Make<qzTaperMill>(d, angle, corner, CornerOf(corner));
        return;
    }
    case 22:
    {
        const auto& line = *lines.front();
        d.diameter = 2.0 * double(arcs.front()->GetRadius());
        const double neck =
            2.0 * std::min(double(line.GetStartPoint()->x()), double(line.GetEndPoint()->x()));
        result = Make<qzLolMill>(d, neck);
        return;
    }
    case 23:
    {
        const qz2dArc<T>& arc = *arcs.front();
        const double centre = arc.GetCenter()->x(), flank = d.diameter / 2.0;
        if (centre < -kTol || std::abs(centre + arc.GetRadius() - flank) > kTol)
            ThrowDoesNotFit();
        result = Make<qzBullMill>(d, corner);
        return;
    }
    case 27:
        result = Make<qzConvexTipMill>(d, corner, tipRadius);
        return;
    default:
        ThrowUnknownToolType();
    }
}

// ----- cylindro-conical -----

template <class T> qzCylindroConicalToolCreator<T>::~qzCylindroConicalToolCreator() = default;

template <class T>
void qzCylindroConicalToolCreator<T>::Create(TypedTool& result, const GenericTool& tool, const Kinds&) const
{
    std::unique_ptr<qzCylindroConicalToolVisitor<T>> visitor;
    try
    {
        visitor.reset(new qzCylindroConicalToolVisitor<T>());
    }
    catch (const std::bad_alloc&)
    {
        throw qzcadcamException(qzcadcamException::NO_CYLINDRO_CONICAL_VISITOR);
    }
    const qz2dContour<T>& profile = this->GetPartProfile(tool->GetCutPart());
    this->Walk(profile, *visitor);
    const typename qzCylindroConicalToolVisitor<T>::Shape shape = visitor->GetShape();
    const qzNoneCuttingPartToolProfileVisitor<T> nonCut = this->CollectNoneCutPart(tool);
    const typename qzToolCreator<T>::Dimensions d = this->Measure(tool, profile, nonCut);

    const Corner none = qzTypedRevolvedTool::CORNER_NONE;
    switch (shape.type)
    {
    case 1:
        result = Make<qzCtrDrill>(d, shape.pilotDiameter, shape.pilotLength);
        return;
    case 2:
        result = Make<qzSpotDrill>(d, shape.pointAngle);
        return;
    case 3:
        result = Make<qzDrill>(d, shape.pointAngle);
        return;
    case 4:
        result = Make<qzTapRH>(d, 0.0, none, 0.0, 0);
        return;
    case 5:
        result = Make<qzTapLH>(d, 0.0, none, 0.0, 0);
        return;
    case 6:
        result = Make<qzReamer>(d);
        return;
    case 8:
        result = Make<qzCntrBore>(d);
        return;
    case 10:
        result = Make<qzEndMill>(d);
        return;
    case 25:
        result = Make<qzChamferMill>(d, 0.0, none, shape.chamferAngle, shape.tipDiameter);
        return;
    default:
        ThrowUnknownToolType();
    }
}

template class qzToolCreator<double>;
template class qzSphericalToolCreator<double>;
template class qzCylindroConicalToolCreator<double>;
} // namespace cadcam
