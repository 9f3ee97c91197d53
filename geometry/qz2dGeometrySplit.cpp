#include "geometry/qz2dGeometrySplit.h"

#include "brimlib/qzException.h"
#include "geometry/qz2dConic.h"
#include "geometry/qz2dCurve.h"
#include "geometry/qz2dPolyLine.h"
#include "geometry/qzKernelAngles.h"
#include "geometry/qzWildMagicAdapter.h"

#include <cmath>
#include <type_traits>
#include <vector>

namespace intersect
{
using cadcam::qz2dArc;
using cadcam::qz2dGeometry;
using cadcam::qz2dLine;
using cadcam::qz2dPoint;
using cadcam::qzTPoint2d;
using misc::qzAutoPointer;

namespace
{
template <class T> using Vec2 = cadcam::wildmagic::Vec2<T>;

template <class T> constexpr T kPi = static_cast<T>(3.14159265358979323846);
template <class T> constexpr T kDegreesPerRadian = static_cast<T>(180.0 / 3.14159265358979323846);
template <class T> constexpr T kMinLineLength = std::is_same<T, float>::value ? T(1e-6) : T(1e-12);
// Distance within which a crossing counts as an element's end point; the same in both precisions.
template <class T> constexpr T kEndPointTolerance = T(1e-6);
// Angular slack of the point-on-arc test in degrees: single-precision 1e-6 in both precisions.
template <class T> constexpr T kOnArcTolerance = static_cast<T>(9.999999974752427e-07);
// Distance below which the angle helpers take two points of a circle as one.
template <class T> constexpr T kCoincidence = std::is_same<T, float>::value ? T(1e-6) : T(1e-12);
// How far, in radians, the two parts of a cut arc may miss its sweep: the angle helpers snap
// angles below sqrt(2 * kCoincidence) to 0, and each part may lose one such angle.
template <class T> constexpr T kPartsSlack = std::is_same<T, float>::value ? T(6e-3) : T(6e-6);

[[noreturn]] void Fail(const char* message)
{
    throw misc::qzException(0, message);
}

template <class T> Vec2<T> ToVec(const qz2dPoint<T>& p)
{
    return Vec2<T>{p.x(), p.y()};
}

template <class T> qzTPoint2d<T> Minus(const qz2dPoint<T>& a, const qz2dPoint<T>& b)
{
    return qzTPoint2d<T>(a.x() - b.x(), a.y() - b.y());
}

template <class T> T Distance(const Vec2<T>& a, const qz2dPoint<T>& b)
{
    return ~qzTPoint2d<T>(a[0] - b.x(), a[1] - b.y());
}

template <class T> void CheckLine(const qz2dLine<T>& line)
{
    // Written negated so that a length of NaN is refused as well.
    if (!(line.GetLength() >= kMinLineLength<T>))
        Fail("Invalid line: start point is same with end point");
}

template <class T> bool IsOnSegment(const Vec2<T>& p, const qz2dLine<T>& line)
{
    const T length = line.GetLength();
    return Distance(p, *line.GetStartPoint()) <= length && Distance(p, *line.GetEndPoint()) <= length;
}

template <class T> bool IsOnArc(const Vec2<T>& p, const qz2dArc<T>& arc)
{
    const qzAutoPointer<qz2dPoint<T>> center = arc.GetCenter();
    T theta = cadcam::SafeAcos((p[0] - center->x()) / arc.GetRadius()) * kDegreesPerRadian<T>;
    if (p[1] < center->y())
        theta = T(360) - theta;
    const T eps = kOnArcTolerance<T>;
    const T start = arc.GetStartAngle();
    const T sweep = arc.GetSweepAngle();
    const T end = start + sweep;
    if (sweep >= T(0))
    {
        if (end > T(360))
            return theta >= start - eps || theta <= end - T(360) + eps;
        return start - eps <= theta && theta < end + eps;
    }
    if (end < eps)
        return theta <= start + eps || theta >= end + T(360) - eps;
    return end - eps < theta && theta <= start + eps;
}

template <class T> std::vector<Vec2<T>> IntersectLines(const qz2dLine<T>& line, const qz2dLine<T>& cutter)
{
    CheckLine(line);
    CheckLine(cutter);
    std::vector<Vec2<T>> points;
    Vec2<T> p{};
    if (cadcam::wildmagic::IntersectLines(ToVec(*line.GetStartPoint()), ToVec(*line.GetEndPoint()),
                                          ToVec(*cutter.GetStartPoint()), ToVec(*cutter.GetEndPoint()), p) &&
        IsOnSegment(p, line) && IsOnSegment(p, cutter))
        points.push_back(p);
    return points;
}

template <class T> std::vector<Vec2<T>> IntersectLineArc(const qz2dLine<T>& cutter, const qz2dArc<T>& arc)
{
    // The cutter's direction is undefined without length, so it is refused as for lines.
    CheckLine(cutter);
    const Vec2<T> start = ToVec(*arc.GetStartPoint());
    const Vec2<T> end = ToVec(*arc.GetEndPoint());
    const T sweep = arc.GetSweepAngle();
    // The library's arc runs counter-clockwise from its first end to its second and holds the
    // points on one side of the chord between them; equal ends make it the whole circle. A
    // clockwise arc is therefore handed over from its end to its start. A full turn gets its
    // start point twice: the two ends computed from the angles may differ in the last bits and
    // would otherwise leave only a sliver of the circle. A sweep of 0 also gives equal ends;
    // our own arc test below then keeps only crossings at the start, which never split.
    Vec2<T> end0 = start, end1 = end;
    if (std::abs(sweep) >= T(360))
        end1 = start;
    else if (sweep < T(0))
    {
        end0 = end;
        end1 = start;
    }
    const std::vector<Vec2<T>> found =
        cadcam::wildmagic::IntersectLineArc(ToVec(*cutter.GetStartPoint()), ToVec(*cutter.GetEndPoint()),
                                            ToVec(*arc.GetCenter()), arc.GetRadius(), end0, end1);
    std::vector<Vec2<T>> points;
    for (const Vec2<T>& p : found)
        if (IsOnSegment(p, cutter) && IsOnArc(p, arc))
            points.push_back(p);
    return points;
}

// Whether cutting the arc at p gives two parts that add up to the arc. A crossing that rounding
// puts just beyond an end fails this: the parts would run the long way round the circle.
template <class T>
bool PartsAddUp(const qz2dArc<T>& arc, const qzTPoint2d<T>& s, const qzTPoint2d<T>& e, const qzTPoint2d<T>& v)
{
    const T twoPi = T(2) * kPi<T>;
    const T parts = (twoPi - cadcam::SweepThrough(s, e, v)) + (twoPi - cadcam::SweepThrough(v, s, e));
    return std::abs(parts - std::abs(arc.GetSweepAngle()) / kDegreesPerRadian<T>) <= kPartsSlack<T>;
}

// Vectors from the arc's centre to its start, its end and p: the distances between them are
// taken the way SweepThrough takes them, so that a point kept as inner is never one that
// SweepThrough takes for an end.
template <class T> struct ArcFrame
{
    ArcFrame(const qz2dArc<T>& arc, const qz2dPoint<T>& p)
        : s(Minus(*arc.GetStartPoint(), *arc.GetCenter())), e(Minus(*arc.GetEndPoint(), *arc.GetCenter())),
          v(Minus(p, *arc.GetCenter()))
    {
    }
    qzTPoint2d<T> s, e, v;
};

// A crossing within 1e-6 of an end of the arc, or numerically beyond it, does not cut it.
template <class T> bool IsEndPoint(const qz2dArc<T>& arc, const qz2dPoint<T>& p)
{
    const ArcFrame<T> f(arc, p);
    return ~(f.v - f.s) <= kEndPointTolerance<T> || ~(f.v - f.e) <= kEndPointTolerance<T> ||
           !PartsAddUp(arc, f.s, f.e, f.v);
}

template <class T> qzAutoPointer<qz2dGeometry<T>> Own(qz2dGeometry<T>* element)
{
    return qzAutoPointer<qz2dGeometry<T>>(element);
}
} // namespace

template <class T> bool qz2dGeometrySplit<T>::IsOnRightSide(const qz2dLine<T>& cutter, const qz2dPoint<T>& p)
{
    const qzTPoint2d<T> d = Minus(*cutter.GetEndPoint(), *cutter.GetStartPoint());
    const qzTPoint2d<T> v = Minus(p, *cutter.GetStartPoint());
    return d.y() * v.x() - v.y() * d.x() > T(0);
}

template <class T>
bool qz2dGeometrySplit<T>::Split(const qz2dLine<T>& line, const qz2dLine<T>& cutter, Pieces& left,
                                 Pieces& right)
{
    const std::vector<Vec2<T>> points = IntersectLines(line, cutter);
    const qzAutoPointer<qz2dPoint<T>> s = line.GetStartPoint();
    const qzAutoPointer<qz2dPoint<T>> e = line.GetEndPoint();
    if (points.size() > 1)
        Fail("Invalid Intersection results size");
    if (points.empty() || Distance(points[0], *s) <= kEndPointTolerance<T> ||
        Distance(points[0], *e) <= kEndPointTolerance<T>)
    {
        const qz2dPoint<T> middle((s->x() + e->x()) / T(2), (s->y() + e->y()) / T(2));
        (IsOnRightSide(cutter, middle) ? right : left).push_back(Own<T>(new qz2dLine<T>(line)));
        return true;
    }
    // Both pieces share the new crossing point and keep the line's own end points.
    const qzAutoPointer<qz2dPoint<T>> p(new qz2dPoint<T>(points[0][0], points[0][1]));
    qzAutoPointer<qz2dGeometry<T>> first = Own<T>(new qz2dLine<T>(s, p));
    qzAutoPointer<qz2dGeometry<T>> second = Own<T>(new qz2dLine<T>(p, e));
    const bool startOnRight = IsOnRightSide(cutter, *s);
    (startOnRight ? right : left).push_back(std::move(first));
    (startOnRight ? left : right).push_back(std::move(second));
    return true;
}

template <class T>
bool qz2dGeometrySplit<T>::Split(const qz2dArc<T>& arc, const qz2dLine<T>& cutter, Pieces& left,
                                 Pieces& right)
{
    const std::vector<Vec2<T>> points = IntersectLineArc(cutter, arc);
    switch (points.size())
    {
    case 0:
        (IsOnRightSide(cutter, *arc.GetMiddlePoint()) ? right : left).push_back(Own<T>(new qz2dArc<T>(arc)));
        return true;
    case 1:
        return SplitArcUsing1Point(arc, qz2dPoint<T>(points[0][0], points[0][1]), cutter, left, right);
    case 2:
        return SplitArcUsing2Points(arc, qz2dPoint<T>(points[0][0], points[0][1]),
                                    qz2dPoint<T>(points[1][0], points[1][1]), cutter, left, right);
    default:
        Fail("Invalid Intersection results size");
    }
}

template <class T>
bool qz2dGeometrySplit<T>::Split(const cadcam::qz2dEllipse<T>&, const qz2dLine<T>&, Pieces&, Pieces&)
{
    Fail("Not Implemented yet");
}

template <class T>
bool qz2dGeometrySplit<T>::Split(const cadcam::qz2dParabola<T>&, const qz2dLine<T>&, Pieces&, Pieces&)
{
    Fail("Not Implemented yet");
}

template <class T>
bool qz2dGeometrySplit<T>::Split(const cadcam::qz2dSpline<T>&, const qz2dLine<T>&, Pieces&, Pieces&)
{
    Fail("Not Implemented yet");
}

template <class T>
void qz2dGeometrySplit<T>::CreateTwoArcs(const qz2dArc<T>& arc, const qz2dPoint<T>& p,
                                         qzAutoPointer<qz2dArc<T>>& first, qzAutoPointer<qz2dArc<T>>& second)
{
    const qzAutoPointer<qz2dPoint<T>> center = arc.GetCenter();
    const qzTPoint2d<T> s = Minus(*arc.GetStartPoint(), *center);
    const qzTPoint2d<T> e = Minus(*arc.GetEndPoint(), *center);
    const qzTPoint2d<T> v = Minus(p, *center);
    const T sweep = arc.GetSweepAngle();
    const T sign = sweep > T(0) ? T(1) : (sweep < T(0) ? T(-1) : T(0));
    const T twoPi = T(2) * kPi<T>;
    // 2 pi minus the way through the far end is the way that stays on the arc.
    const T firstSweep = sign * kDegreesPerRadian<T> * (twoPi - cadcam::SweepThrough(s, e, v));
    const T secondSweep = sign * kDegreesPerRadian<T> * (twoPi - cadcam::SweepThrough(v, s, e));
    const T secondStart = kDegreesPerRadian<T> * cadcam::PolarAngle(v);
    first =
        qzAutoPointer<qz2dArc<T>>(new qz2dArc<T>(center, arc.GetRadius(), arc.GetStartAngle(), firstSweep));
    second = qzAutoPointer<qz2dArc<T>>(new qz2dArc<T>(center, arc.GetRadius(), secondStart, secondSweep));
}

template <class T>
bool qz2dGeometrySplit<T>::SplitArcUsing1Point(const qz2dArc<T>& arc, const qz2dPoint<T>& p,
                                               const qz2dLine<T>& cutter, Pieces& left, Pieces& right)
{
    if (IsEndPoint(arc, p))
    {
        (IsOnRightSide(cutter, *arc.GetMiddlePoint()) ? right : left).push_back(Own<T>(new qz2dArc<T>(arc)));
        return true;
    }
    qzAutoPointer<qz2dArc<T>> first, second;
    CreateTwoArcs(arc, p, first, second);
    const bool startOnRight = IsOnRightSide(cutter, *arc.GetStartPoint());
    (startOnRight ? right : left).push_back(first);
    (startOnRight ? left : right).push_back(second);
    return true;
}

template <class T>
bool qz2dGeometrySplit<T>::SplitArcUsing2Points(const qz2dArc<T>& arc, const qz2dPoint<T>& p1,
                                                const qz2dPoint<T>& p2, const qz2dLine<T>& cutter,
                                                Pieces& left, Pieces& right)
{
    const bool end1 = IsEndPoint(arc, p1), end2 = IsEndPoint(arc, p2);
    if (end1 && end2)
    {
        (IsOnRightSide(cutter, *arc.GetMiddlePoint()) ? right : left).push_back(Own<T>(new qz2dArc<T>(arc)));
        return true;
    }
    if (end2)
        return SplitArcUsing1Point(arc, p1, cutter, left, right);
    if (end1)
        return SplitArcUsing1Point(arc, p2, cutter, left, right);

    const ArcFrame<T> f1(arc, p1), f2(arc, p2);
    const T twoPi = T(2) * kPi<T>;
    const T extent1 = twoPi - cadcam::SweepThrough(f1.s, f1.e, f1.v);
    const T extent2 = twoPi - cadcam::SweepThrough(f2.s, f2.e, f2.v);
    const qz2dPoint<T>& a = extent2 < extent1 ? p2 : p1;
    const qz2dPoint<T>& b = extent2 < extent1 ? p1 : p2;
    qzAutoPointer<qz2dArc<T>> toA, rest, aToB, toEnd;
    CreateTwoArcs(arc, a, toA, rest);
    // The outer pieces lie on the side of the start, the middle one across the cutter.
    const bool startOnRight = IsOnRightSide(cutter, *arc.GetStartPoint());
    Pieces& outer = startOnRight ? right : left;
    Pieces& inner = startOnRight ? left : right;
    // The rest is rebuilt from rounded angles, which may leave b on or beyond its end; b then
    // cuts nothing off it.
    const ArcFrame<T> r(*rest, b);
    if (~(r.v - r.e) < kCoincidence<T> || !PartsAddUp(*rest, r.s, r.e, r.v))
    {
        outer.push_back(toA);
        inner.push_back(rest);
        return true;
    }
    CreateTwoArcs(*rest, b, aToB, toEnd);
    inner.push_back(aToB);
    outer.push_back(toA);
    outer.push_back(toEnd);
    return true;
}

namespace
{
template <class T, class ContourT, class E>
void ApplyImpossibleOption(int option, ContourT& first, ContourT& second, const E& element)
{
    using Options = typename qz2dContourSplit<T, ContourT>::SplitImpossibleOptions;
    const auto copy = [&] { return qzAutoPointer<qz2dGeometry<T>>(new E(element)); };
    switch (option)
    {
    case Options::AddToFirst:
        first.AddGeometry(copy());
        break;
    case Options::AddToSecond:
        second.AddGeometry(copy());
        break;
    case Options::AddToBoth:
        first.AddGeometry(copy());
        second.AddGeometry(copy());
        break;
    case Options::DropGeometry:
        break;
    case Options::ThrowIfImpossible:
        Fail("Split geoemtry impossible");
    default:
        Fail("Unknown type of impossible split option");
    }
}
} // namespace

template <class T, class ContourT>
qz2dContourSplit<T, ContourT>::qz2dContourSplit(const qz2dLine<T>& cutter, ContourT& first, ContourT& second,
                                                SplitImpossibleOptions option)
    // Fresh end points: the cutter must not move when the caller's points do.
    : m_first(first), m_second(second),
      m_cutter(qzAutoPointer<qz2dPoint<T>>(new qz2dPoint<T>(*cutter.GetStartPoint())),
               qzAutoPointer<qz2dPoint<T>>(new qz2dPoint<T>(*cutter.GetEndPoint()))),
      m_option(option)
{
}

template <class T, class ContourT>
qz2dContourSplit<T, ContourT>::qz2dContourSplit(const qz2dContourSplit& other)
    : cadcam::qz2dGeometryVisitor<T>(other), m_first(other.m_first), m_second(other.m_second),
      m_cutter(other.m_cutter), m_option(other.m_option)
{
}

template <class T, class ContourT> qz2dContourSplit<T, ContourT>::~qz2dContourSplit() = default;

template <class T, class ContourT>
template <class E>
void qz2dContourSplit<T, ContourT>::SplitElement(const E& element) const
{
    typename qz2dGeometrySplit<T>::Pieces left, right;
    if (!qz2dGeometrySplit<T>::Split(element, m_cutter, left, right))
    {
        ApplyImpossibleOption<T>(m_option, m_first, m_second, element);
        return;
    }
    for (auto& piece : left)
        m_first.AddGeometry(piece);
    for (auto& piece : right)
        m_second.AddGeometry(piece);
}

template <class T, class ContourT>
void qz2dContourSplit<T, ContourT>::VisitMembers(const cadcam::qz2dContour<T>& contour) const
{
    // Walk a copy of the member list: a target may be the contour being split.
    const typename cadcam::qz2dContour<T>::MemberList members = contour.GetMembers();
    qz2dContourSplit copy(*this);
    for (const auto& member : members)
        member->AcceptVisitor(copy);
}

template <class T, class ContourT>
void qz2dContourSplit<T, ContourT>::HandleImpossibleSplit(const qz2dLine<T>& element) const
{
    ApplyImpossibleOption<T>(m_option, m_first, m_second, element);
}

template <class T, class ContourT>
void qz2dContourSplit<T, ContourT>::HandleImpossibleSplit(const qz2dArc<T>& element) const
{
    ApplyImpossibleOption<T>(m_option, m_first, m_second, element);
}

template <class T, class ContourT>
void qz2dContourSplit<T, ContourT>::Visit(const cadcam::qz2dCurve<T>&) const
{
    Fail("Unable to copy abstract class");
}

template <class T, class ContourT>
void qz2dContourSplit<T, ContourT>::Visit(const cadcam::qz2dPolyLine<T>& e) const
{
    VisitMembers(e);
}

template <class T, class ContourT>
void qz2dContourSplit<T, ContourT>::Visit(const cadcam::qz2dClosedContour<T>& e) const
{
    VisitMembers(e);
}

template <class T, class ContourT>
void qz2dContourSplit<T, ContourT>::Visit(const cadcam::qz2dContour<T>& e) const
{
    VisitMembers(e);
}

template <class T, class ContourT>
void qz2dContourSplit<T, ContourT>::Visit(const cadcam::qz2dSpline<T>&) const
{
    Fail("Not implemented");
}

template <class T, class ContourT>
void qz2dContourSplit<T, ContourT>::Visit(const cadcam::qz2dEllipse<T>& e) const
{
    SplitElement(e);
}

template <class T, class ContourT>
void qz2dContourSplit<T, ContourT>::Visit(const cadcam::qz2dParabola<T>& e) const
{
    SplitElement(e);
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(const qz2dArc<T>& e) const
{
    SplitElement(e);
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(const qz2dLine<T>& e) const
{
    SplitElement(e);
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(const qz2dPoint<T>&) const
{
    Fail("Unable to split a point");
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(const qz2dGeometry<T>&) const
{
    Fail("Unable to copy abstract class");
}

// The mutable slots do what the const ones do: splitting never changes the visited element.
template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(cadcam::qz2dCurve<T>& e)
{
    Visit(static_cast<const cadcam::qz2dCurve<T>&>(e));
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(cadcam::qz2dPolyLine<T>& e)
{
    Visit(static_cast<const cadcam::qz2dPolyLine<T>&>(e));
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(cadcam::qz2dClosedContour<T>& e)
{
    Visit(static_cast<const cadcam::qz2dClosedContour<T>&>(e));
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(cadcam::qz2dContour<T>& e)
{
    Visit(static_cast<const cadcam::qz2dContour<T>&>(e));
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(cadcam::qz2dSpline<T>& e)
{
    Visit(static_cast<const cadcam::qz2dSpline<T>&>(e));
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(cadcam::qz2dEllipse<T>& e)
{
    Visit(static_cast<const cadcam::qz2dEllipse<T>&>(e));
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(cadcam::qz2dParabola<T>& e)
{
    Visit(static_cast<const cadcam::qz2dParabola<T>&>(e));
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(qz2dArc<T>& e)
{
    Visit(static_cast<const qz2dArc<T>&>(e));
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(qz2dLine<T>& e)
{
    Visit(static_cast<const qz2dLine<T>&>(e));
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(qz2dPoint<T>& e)
{
    Visit(static_cast<const qz2dPoint<T>&>(e));
}

template <class T, class ContourT> void qz2dContourSplit<T, ContourT>::Visit(qz2dGeometry<T>& e)
{
    Visit(static_cast<const qz2dGeometry<T>&>(e));
}

template class qz2dGeometrySplit<float>;
template class qz2dGeometrySplit<double>;
template class qz2dContourSplit<double, cadcam::qz2dContour<double>>;
} // namespace intersect
