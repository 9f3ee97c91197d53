#include "geometry/qz2dGeometryPolygonizer.h"

#include "brimlib/qzException.h"
#include "geometry/qz2dArc.h"
#include "geometry/qz2dConic.h"
#include "geometry/qz2dCurve.h"
#include "geometry/qzGeometryConstants.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace cadcam
{
namespace
{
constexpr double kDegreesPerRadian = 180.0 / 3.14159265358979323846;

[[noreturn]] void Refuse(const char* message)
{
    throw misc::qzException(0, message);
}

/// The largest angle, in degrees, whose chord stays within `tolerance` of a circle of
/// `radius`; at most 180. Refuses a step that is not a usable positive angle.
template <class T> T ChordStep(const T& tolerance, const T& radius)
{
    // A tolerance beyond the radius gives 180 degrees (x is limited to 1).
    const T x = std::min(tolerance / radius, T(1));
    const T step = T(2) * std::acos(T(1) - x) * static_cast<T>(kDegreesPerRadian);
    if (!(std::abs(step) >= T(1e-12)))
        Refuse("Polygonization tolerance is invalid.");
    return step;
}
} // namespace

template <class T>
qz2dGeometryPolygonizer<T>::qz2dGeometryPolygonizer(const T& tolerance, misc::qzAutoPointer<qz2dPolyLine<T>> output)
    : m_tolerance(tolerance), m_output(std::move(output))
{
}

template <class T> qz2dGeometryPolygonizer<T>::~qz2dGeometryPolygonizer() = default;

template <class T> void qz2dGeometryPolygonizer<T>::Visit(const qz2dCurve<T>& curve) const
{
    misc::qzAutoPointer<qz2dPolyLine<T>> approximation(new qz2dPolyLine<T>());
    curve.Approximate(*approximation, 50);
    m_output->AddGeometry(misc::qzAutoPointer<qz2dGeometry<T>>(approximation));
}

template <class T> void qz2dGeometryPolygonizer<T>::Visit(const qz2dPolyLine<T>& polyline) const
{
    m_output->AddGeometry(misc::qzAutoPointer<qz2dGeometry<T>>(new qz2dPolyLine<T>(polyline)));
}

template <class T> void qz2dGeometryPolygonizer<T>::Visit(const qz2dClosedContour<T>& contour) const
{
    Visit(static_cast<const qz2dContour<T>&>(contour));
}

template <class T> void qz2dGeometryPolygonizer<T>::Visit(const qz2dContour<T>& contour) const
{
    for (const auto& member : contour)
        member->AcceptVisitor(*this);
}

template <class T> void qz2dGeometryPolygonizer<T>::Visit(const qz2dSpline<T>&) const
{
    Refuse("Not implemented");
}

template <class T> void qz2dGeometryPolygonizer<T>::Visit(const qz2dEllipse<T>& ellipse) const
{
    const T a = ellipse.GetA(), b = ellipse.GetB();
    const T big = std::max(std::abs(a), std::abs(b)), small = std::min(std::abs(a), std::abs(b));
    if (!(big >= T(1e-12)))
        Refuse("Ellipse axes are invalid.");
    // The arc's chord rule at the largest radius of curvature, big^2 / small.
    const T step = ChordStep(m_tolerance, big * big / small);
    const auto n = static_cast<long long>(std::ceil(T(360) / step + T(1)));
    const T delta = T(360) / static_cast<T>(n);
    const T cosDelta = CosDeg(delta), sinDelta = SinDeg(delta);
    const misc::qzAutoPointer<qz2dPoint<T>> center = ellipse.GetCenter();
    T c = T(1), s = T(0);
    for (long long i = 0; i < n; ++i)
    {
        m_output->AddPoint(qz2dPoint<T>(center->x() + a * c, center->y() + b * s));
        const T nextC = c * cosDelta - s * sinDelta;
        s = s * cosDelta + c * sinDelta;
        c = nextC;
    }
    // After a full turn the recurrence is back at angle 0 up to rounding; the closing point is
    // the first one exactly.
    m_output->AddPoint(qz2dPoint<T>(center->x() + a, center->y()));
}

template <class T> void qz2dGeometryPolygonizer<T>::Visit(const qz2dParabola<T>& parabola) const
{
    const misc::qzAutoPointer<qz2dPoint<T>> vertex = parabola.GetVertexPoint(), far = parabola.GetFarPoint();
    const T dx = far->x() - vertex->x(), dy = far->y() - vertex->y();
    if (!(std::abs(dx) > m_tolerance && std::abs(dy) > m_tolerance))
    {
        // Flat enough to be its chord.
        misc::qzAutoPointer<qz2dLine<T>> chord(new qz2dLine<T>(vertex, far));
        if (parabola.IsReversed())
            chord->Reverse();
        m_output->AddLine(chord);
        return;
    }
    if (!(m_tolerance > T(0)))
        Refuse("Polygonization tolerance is invalid.");
    const T k = dx / (dy * dy);
    // 2 sqrt(tol / |k|) is the height of a chord whose sagitta is the tolerance.
    const auto n = static_cast<long long>(std::floor(std::abs(dy) / (T(2) * std::sqrt(m_tolerance / std::abs(k))))) + 1;
    std::vector<qz2dPoint<T>> points;
    points.reserve(static_cast<std::size_t>(n) + 1);
    for (long long i = 0; i <= n; ++i)
    {
        const T t = static_cast<T>(i) / static_cast<T>(n);
        const T y = dx > T(0) ? dy * t : dy * (T(1) - t);
        points.emplace_back(vertex->x() + k * y * y, vertex->y() + y);
    }
    if (parabola.IsReversed())
        std::reverse(points.begin(), points.end());
    for (const qz2dPoint<T>& p : points)
        m_output->AddPoint(p);
}

template <class T> void qz2dGeometryPolygonizer<T>::Visit(const qz2dArc<T>& arc) const
{
    const T sweep = arc.GetSweepAngle();
    const T dir = sweep >= T(0) ? T(1) : T(-1);
    const T r = arc.GetRadius();
    if (std::abs(r) < T(1e-12))
        Refuse("Arc radius is invalid.");
    const T step = ChordStep(m_tolerance, r);
    auto n = static_cast<long long>(std::abs(std::ceil(std::abs(sweep) / step)));
    if (n == 0)
        n = 1;
    const misc::qzAutoPointer<qz2dPoint<T>> center = arc.GetCenter();
    const T start = arc.GetStartAngle(), increment = dir * std::abs(sweep) / static_cast<T>(n);
    for (long long i = 0; i <= n; ++i)
    {
        // The last angle is the arc's own end angle, not a sum of increments, so a full circle
        // closes exactly.
        const T a = i == n ? start + sweep : start + static_cast<T>(i) * increment;
        m_output->AddPoint(qz2dPoint<T>(center->x() + r * CosDeg(a), center->y() + r * SinDeg(a)));
    }
}

template <class T> void qz2dGeometryPolygonizer<T>::Visit(const qz2dLine<T>& line) const
{
    m_output->AddLine(misc::qzAutoPointer<qz2dLine<T>>(new qz2dLine<T>(line)));
}

template <class T> void qz2dGeometryPolygonizer<T>::Visit(const qz2dPoint<T>&) const
{
    Refuse("Not implemented");
}

template <class T> void qz2dGeometryPolygonizer<T>::Visit(const qz2dGeometry<T>&) const
{
    Refuse("Can't init 2dgeometry");
}

template class qz2dGeometryPolygonizer<float>;
template class qz2dGeometryPolygonizer<double>;
} // namespace cadcam
