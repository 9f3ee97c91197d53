#include "toolgeometry/qzCuttingPartToolProfileVisitor.h"

#include "brimlib/qzException.h"
#include "geometry/qz2dContour.h"

#include <cmath>
#include <iterator>
#include <vector>

namespace cadcam
{
namespace
{
constexpr double kTol = 0.001;
constexpr double kRadToDeg = 57.295779513082320876798;

[[noreturn]] void ThrowUnsupported()
{
    throw qzcadcamException(qzcadcamException::UNSUPPORTED_PROFILE_ELEMENT);
}

template <class T> qz2dBoundingBox<T> OriginBox()
{
    qz2dBoundingBox<T> box;
    box.Set(T(0), T(0), T(0), T(0));
    return box;
}

template <class T> double Width(const qz2dBoundingBox<T>& box)
{
    return double(box.GetMaxX()) - double(box.GetMinX());
}

struct Segment
{
    double x0, y0, x1, y1;
    double dx() const { return x1 - x0; }
    double dy() const { return y1 - y0; }
    double Length() const { return std::hypot(dx(), dy()); }
    bool Horizontal() const { return std::abs(dy()) <= kTol && Length() > 0.0; }
    bool VerticalUp() const { return std::abs(dx()) <= kTol && dy() > kTol; }
    bool RisingOutward() const { return dx() > kTol && dy() > kTol; }
    bool HorizontalOutward() const { return Horizontal() && dx() > kTol; }
};

template <class T> Segment ToSegment(const qz2dLine<T>& line)
{
    const auto s = line.GetStartPoint(), e = line.GetEndPoint();
    return Segment{double(s->x()), double(s->y()), double(e->x()), double(e->y())};
}
} // namespace

// ----- cutting part -----

template <class T>
qzCuttingPartToolProfileVisitor<T>::qzCuttingPartToolProfileVisitor()
    : m_arcsBox(OriginBox<T>()), m_linesBox(OriginBox<T>())
{
}

template <class T>
qzCuttingPartToolProfileVisitor<T>::qzCuttingPartToolProfileVisitor(const qzCuttingPartToolProfileVisitor&) =
    default;
template <class T> qzCuttingPartToolProfileVisitor<T>::~qzCuttingPartToolProfileVisitor() = default;

template <class T> void qzCuttingPartToolProfileVisitor<T>::Visit(const qz2dCurve<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzCuttingPartToolProfileVisitor<T>::Visit(const qz2dPolyLine<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzCuttingPartToolProfileVisitor<T>::Visit(const qz2dClosedContour<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzCuttingPartToolProfileVisitor<T>::Visit(const qz2dContour<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzCuttingPartToolProfileVisitor<T>::Visit(const qz2dSpline<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzCuttingPartToolProfileVisitor<T>::Visit(const qz2dEllipse<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzCuttingPartToolProfileVisitor<T>::Visit(const qz2dParabola<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzCuttingPartToolProfileVisitor<T>::Visit(const qz2dPoint<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzCuttingPartToolProfileVisitor<T>::Visit(const qz2dGeometry<T>&) const
{
    ThrowUnsupported();
}

template <class T> void qzCuttingPartToolProfileVisitor<T>::Visit(const qz2dArc<T>& arc) const
{
    m_arcs.push_back(misc::qzAutoPointer<qz2dArc<T>>(new qz2dArc<T>(arc)));
    m_arcsBox.Union(arc.GetBoundingBox());
}

template <class T> void qzCuttingPartToolProfileVisitor<T>::Visit(const qz2dLine<T>& line) const
{
    m_lines.push_back(misc::qzAutoPointer<qz2dLine<T>>(new qz2dLine<T>(line)));
    m_linesBox.Union(line.GetBoundingBox());
}

template <class T> unsigned qzCuttingPartToolProfileVisitor<T>::GetToolType() const
{
    return 0;
}

template <class T> bool qzCuttingPartToolProfileVisitor<T>::IsValidArc(const qz2dArc<T>& arc)
{
    return arc.GetRadius() > T(0);
}

template <class T> bool qzCuttingPartToolProfileVisitor<T>::IsVerticalLine(const qz2dLine<T>& line)
{
    const Segment s = ToSegment(line);
    return std::abs(s.dx()) <= kTol && s.Length() > 0.0;
}

template <class T> bool qzCuttingPartToolProfileVisitor<T>::IsOutwardLine(const qz2dLine<T>& line)
{
    const Segment s = ToSegment(line);
    return s.x0 < s.x1 && s.Length() > 0.0;
}

// ----- spherical -----

template <class T> unsigned qzSphericalToolVisitor<T>::GetToolType() const
{
    const double arcs = Width(this->GetArcsBoundingBox()), lines = Width(this->GetLinesBoundingBox());
    if (!std::isfinite(arcs) || !std::isfinite(lines))
        return 0;
    if (std::abs(arcs - lines) <= kTol)
        return GetEqualWidthsToolType();
    if (lines > arcs)
        return GetWiderLinesToolType();
    return GetWiderArcsToolType();
}

template <class T> T qzSphericalToolVisitor<T>::GetTipRadius() const
{
    return T(0);
}

template <class T> T qzSphericalToolVisitor<T>::GetCornerRadius() const
{
    return T(0);
}

template <class T> double qzSphericalToolVisitor<T>::Sweep(const qz2dArc<T>& arc)
{
    return std::abs(double(arc.GetSweepAngle()));
}

template <class T> const qz2dLine<T>& qzSphericalToolVisitor<T>::Line(unsigned n) const
{
    return **std::next(this->GetLines().begin(), n);
}

template <class T> const qz2dArc<T>& qzSphericalToolVisitor<T>::Arc(unsigned n) const
{
    return **std::next(this->GetArcs().begin(), n);
}

template <class T> unsigned qzArcSuite<T>::GetToolType() const
{
    return 10;
}
template <class T> unsigned qzArcSuite<T>::GetEqualWidthsToolType() const
{
    return 10;
}
template <class T> unsigned qzArcSuite<T>::GetWiderLinesToolType() const
{
    return 10;
}
template <class T> unsigned qzArcSuite<T>::GetWiderArcsToolType() const
{
    return 10;
}

template <class T> unsigned qzArcLineSuite<T>::GetEqualWidthsToolType() const
{
    if (this->GetLines().size() != 1 || this->GetArcs().size() != 1)
        return 0;
    return this->IsValidArc(this->Arc(0)) && this->IsVerticalLine(this->Line(0)) ? 10 : 0;
}

template <class T> unsigned qzArcLineSuite<T>::GetWiderLinesToolType() const
{
    if (this->GetLines().size() != 1 || this->GetArcs().size() != 1)
        return 0;
    if (!this->IsValidArc(this->Arc(0)) || !this->IsOutwardLine(this->Line(0)))
        return 0;
    return this->Sweep(this->Arc(0)) > this->kReferenceSweepAngle ? 22 : 10;
}

template <class T> unsigned qzArcLineSuite<T>::GetWiderArcsToolType() const
{
    if (this->GetLines().size() != 1 || this->GetArcs().size() != 1)
        return 0;
    const qz2dLine<T>& line = this->Line(0);
    if (!this->IsValidArc(this->Arc(0)) || !(this->IsVerticalLine(line) || this->IsOutwardLine(line)))
        return 0;
    return this->Sweep(this->Arc(0)) > this->kReferenceSweepAngle ? 22 : 10;
}

template <class T> bool qzLineArcLineSuite<T>::HasLineArcLineShape() const
{
    return this->GetLines().size() == 2 && this->GetArcs().size() == 1 &&
           this->IsVerticalLine(this->Line(1)) && this->IsValidArc(this->Arc(0));
}

template <class T> unsigned qzLineArcLineSuite<T>::GetEqualWidthsToolType() const
{
    if (!HasLineArcLineShape())
        return 0;
    return std::abs(this->Sweep(this->Arc(0)) - this->kReferenceSweepAngle) <= kTol ? 23 : 0;
}

template <class T> unsigned qzLineArcLineSuite<T>::GetWiderLinesToolType() const
{
    if (!HasLineArcLineShape())
        return 0;
    return this->Sweep(this->Arc(0)) < this->kReferenceSweepAngle ? 21 : 0;
}

template <class T> unsigned qzLineArcLineSuite<T>::GetWiderArcsToolType() const
{
    return 0;
}

template <class T> T qzLineArcLineSuite<T>::GetCornerRadius() const
{
    return this->GetArcs().size() == 1 ? this->Arc(0).GetRadius() : T(0);
}

template <class T> unsigned qzArcArcLineSuite<T>::GetEqualWidthsToolType() const
{
    if (this->GetArcs().size() != 2 || this->GetLines().size() != 1)
        return 0;
    return this->IsVerticalLine(this->Line(0)) && this->IsValidArc(this->Arc(0)) &&
                   this->IsValidArc(this->Arc(1))
               ? 27
               : 0;
}

template <class T> unsigned qzArcArcLineSuite<T>::GetWiderArcsToolType() const
{
    return 0;
}

template <class T> T qzArcArcLineSuite<T>::GetTipRadius() const
{
    return this->GetArcs().empty() ? T(0) : this->Arc(0).GetRadius();
}

template <class T> T qzArcArcLineSuite<T>::GetCornerRadius() const
{
    return this->GetArcs().size() < 2 ? T(0) : this->Arc(1).GetRadius();
}

// ----- cylindro-conical -----

template <class T> unsigned qzCylindroConicalToolVisitor<T>::GetToolType() const
{
    return GetShape().type;
}

template <class T>
typename qzCylindroConicalToolVisitor<T>::Shape qzCylindroConicalToolVisitor<T>::GetShape() const
{
    Shape shape;
    if (!this->GetArcs().empty() || this->GetLines().empty())
        return shape;
    std::vector<Segment> s;
    for (const auto& line : this->GetLines())
        s.push_back(ToSegment(*line));
    for (const Segment& segment : s)
        if (!(segment.Length() > 0.0))
            return shape;
    for (std::size_t i = 1; i < s.size(); ++i)
        if (std::hypot(s[i].x0 - s[i - 1].x1, s[i].y0 - s[i - 1].y1) > kTol)
            return shape;
    if (std::abs(s[0].x0) > kTol)
        return shape;

    const double tipY = s[0].y0;
    const auto angleFromAxis = [](const Segment& g) { return std::atan2(g.dx(), g.dy()) * kRadToDeg; };
    switch (s.size())
    {
    case 2:
        if (s[0].HorizontalOutward() && s[1].VerticalUp())
            shape.type = 10;
        else if (s[0].RisingOutward() && s[1].VerticalUp())
        {
            shape.pointAngle = 2.0 * angleFromAxis(s[0]);
            shape.type = shape.pointAngle < 100.0 ? 2 : 3;
        }
        else if (s[0].HorizontalOutward() && s[1].RisingOutward())
        {
            shape.type = 25;
            shape.chamferAngle = angleFromAxis(s[1]);
            shape.tipDiameter = 2.0 * s[0].x1;
        }
        break;
    case 3:
        if (s[0].HorizontalOutward() && s[1].RisingOutward() && s[2].VerticalUp())
        {
            const double radius = s[2].x1;
            const bool leadChamfer = s[1].dx() <= 0.1 * radius && s[2].dy() >= 2.0 * radius;
            shape.type = leadChamfer ? 6 : 25;
            shape.chamferAngle = angleFromAxis(s[1]);
            shape.tipDiameter = 2.0 * s[0].x1;
        }
        break;
    case 4:
        if (s[1].VerticalUp() && s[3].VerticalUp() && s[3].x0 > s[1].x1 + kTol)
        {
            if (s[0].HorizontalOutward() && s[2].HorizontalOutward())
                shape.type = 8;
            else if (s[0].RisingOutward() && s[2].RisingOutward())
            {
                shape.type = 1;
                shape.pointAngle = 2.0 * angleFromAxis(s[0]);
            }
            if (shape.type != 0)
            {
                shape.pilotDiameter = 2.0 * s[1].x1;
                shape.pilotLength = s[1].y1 - tipY;
            }
        }
        break;
    default:
        break;
    }
    return shape;
}

// ----- non-cutting part -----

template <class T> qzNoneCuttingPartToolProfileVisitor<T>::qzNoneCuttingPartToolProfileVisitor() = default;
template <class T>
qzNoneCuttingPartToolProfileVisitor<T>::qzNoneCuttingPartToolProfileVisitor(
    const qzNoneCuttingPartToolProfileVisitor&) = default;
template <class T> qzNoneCuttingPartToolProfileVisitor<T>::~qzNoneCuttingPartToolProfileVisitor() = default;

template <class T> void qzNoneCuttingPartToolProfileVisitor<T>::Visit(const qz2dCurve<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzNoneCuttingPartToolProfileVisitor<T>::Visit(const qz2dPolyLine<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzNoneCuttingPartToolProfileVisitor<T>::Visit(const qz2dClosedContour<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzNoneCuttingPartToolProfileVisitor<T>::Visit(const qz2dContour<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzNoneCuttingPartToolProfileVisitor<T>::Visit(const qz2dSpline<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzNoneCuttingPartToolProfileVisitor<T>::Visit(const qz2dEllipse<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzNoneCuttingPartToolProfileVisitor<T>::Visit(const qz2dParabola<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzNoneCuttingPartToolProfileVisitor<T>::Visit(const qz2dPoint<T>&) const
{
    ThrowUnsupported();
}
template <class T> void qzNoneCuttingPartToolProfileVisitor<T>::Visit(const qz2dGeometry<T>&) const
{
    ThrowUnsupported();
}

template <class T> void qzNoneCuttingPartToolProfileVisitor<T>::Visit(const qz2dArc<T>& arc) const
{
    m_box.Union(arc.GetBoundingBox());
    ++m_count;
}

template <class T> void qzNoneCuttingPartToolProfileVisitor<T>::Visit(const qz2dLine<T>& line) const
{
    m_box.Union(line.GetBoundingBox());
    ++m_count;
}

template class qzCuttingPartToolProfileVisitor<double>;
template class qzSphericalToolVisitor<double>;
template class qzArcSuite<double>;
template class qzArcLineSuite<double>;
template class qzLineArcLineSuite<double>;
template class qzArcArcLineSuite<double>;
template class qzCylindroConicalToolVisitor<double>;
template class qzNoneCuttingPartToolProfileVisitor<double>;
} // namespace cadcam
