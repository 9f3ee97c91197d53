#include "geometry/qz3dCurve.h"

#include "brimlib/qzException.h"

#include <algorithm>
#include <cmath>

namespace cadcam
{
namespace
{
constexpr double kTwoPi = 2.0 * 3.14159265358979323846;
constexpr unsigned kCurveSegments = 50;
} // namespace

template <class T> qz3dArc<T>::qz3dArc() : m_axis(T(0), T(0), T(1)), m_sweep(0) {}

template <class T>
qz3dArc<T>::qz3dArc(const qzTPoint3d<T>& center, const qzTPoint3d<T>& axis, const qzTPoint3d<T>& start, const T& sweep)
    : m_center(center), m_axis(axis), m_start(start), m_sweep(sweep)
{
}

template <class T> qz3dArc<T>::~qz3dArc() = default;

template <class T> void qz3dArc<T>::AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz3dArc<T>::AcceptVisitor(qz3dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> qzTPoint3d<T> qz3dArc<T>::GetPointAt(const T& angle) const
{
    // Rodrigues' rotation of the start point about the axis through the centre.
    const qzTPoint3d<T> v = m_start - m_center;
    const T c = std::cos(angle), s = std::sin(angle);
    return m_center + v * c + Cross(m_axis, v) * s + m_axis * (Dot(m_axis, v) * (T(1) - c));
}

template <class T> const qz3dBoundingBox<T>& qz3dArc<T>::GetBoundingBox() const
{
    qz3dBoundingBox<T>& box = this->Box();
    box.Set(GetPointAt(T(0)), GetPointAt(m_sweep));
    // p(t) = centre + k (k.v) + u cos t + w sin t: along each axis the extremes lie at
    // atan2(w_i, u_i) and half a turn further; those the arc passes join the box.
    const qzTPoint3d<T> v = m_start - m_center;
    const qzTPoint3d<T> u = v - m_axis * Dot(m_axis, v);
    const qzTPoint3d<T> w = Cross(m_axis, u);
    const T twoPi = static_cast<T>(kTwoPi);
    for (int axis = 0; axis < 3; ++axis)
    {
        const T first = std::atan2(static_cast<const T*>(w)[axis], static_cast<const T*>(u)[axis]);
        for (T candidate : {first, first + twoPi / T(2)})
        {
            T t = std::fmod(candidate, twoPi);
            if (m_sweep >= T(0))
            {
                if (t < T(0))
                    t += twoPi;
                if (t <= m_sweep)
                    box.Extend(GetPointAt(t));
            }
            else
            {
                if (t > T(0))
                    t -= twoPi;
                if (t >= m_sweep)
                    box.Extend(GetPointAt(t));
            }
        }
    }
    return qz3dObject<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dArc<T>::GetStartPoint() const
{
    return misc::qzAutoPointer<qz3dPoint<T>>(new qz3dPoint<T>(m_start));
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dArc<T>::GetEndPoint() const
{
    return misc::qzAutoPointer<qz3dPoint<T>>(new qz3dPoint<T>(GetPointAt(m_sweep)));
}

template <class T> bool qz3dArc<T>::IsContinuous(const T&) const
{
    return true;
}

template <class T> T qz3dArc<T>::GetLength() const
{
    const qzTPoint3d<T> v = m_start - m_center;
    return ~(v - m_axis * Dot(m_axis, v)) * std::abs(m_sweep);
}

template <class T> void qz3dArc<T>::Reverse()
{
    m_start = GetPointAt(m_sweep);
    m_sweep = -m_sweep;
}

template <class T> qz3dCurve<T>::qz3dCurve() : m_reversed(false) {}
template <class T> qz3dCurve<T>::qz3dCurve(Function function) : m_function(std::move(function)), m_reversed(false) {}
template <class T> qz3dCurve<T>::~qz3dCurve() = default;

template <class T> void qz3dCurve<T>::AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz3dCurve<T>::AcceptVisitor(qz3dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> qzTPoint3d<T> qz3dCurve<T>::Evaluate(const T& t) const
{
    if (!m_function)
        throw misc::qzException(0, "Not implemented");
    return m_function(m_reversed ? T(1) - t : t);
}

template <class T> const qz3dBoundingBox<T>& qz3dCurve<T>::GetBoundingBox() const
{
    qz3dBoundingBox<T>& box = this->Box();
    box.SetEmpty();
    for (unsigned i = 0; i <= kCurveSegments; ++i)
        box.Extend(Evaluate(static_cast<T>(i) / static_cast<T>(kCurveSegments)));
    return qz3dObject<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dCurve<T>::GetStartPoint() const
{
    return misc::qzAutoPointer<qz3dPoint<T>>(new qz3dPoint<T>(Evaluate(T(0))));
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dCurve<T>::GetEndPoint() const
{
    return misc::qzAutoPointer<qz3dPoint<T>>(new qz3dPoint<T>(Evaluate(T(1))));
}

template <class T> bool qz3dCurve<T>::IsContinuous(const T&) const
{
    return true;
}

template <class T> T qz3dCurve<T>::GetLength() const
{
    T length = T(0);
    qzTPoint3d<T> previous = Evaluate(T(0));
    for (unsigned i = 1; i <= kCurveSegments; ++i)
    {
        const qzTPoint3d<T> next = Evaluate(static_cast<T>(i) / static_cast<T>(kCurveSegments));
        length += ~(next - previous);
        previous = next;
    }
    return length;
}

template <class T> void qz3dCurve<T>::Reverse()
{
    m_reversed = !m_reversed;
}

template <class T> qz3dSpline<T>::qz3dSpline() = default;
template <class T>
qz3dSpline<T>::qz3dSpline(std::vector<qzTPoint3d<T>> controlPoints) : m_controlPoints(std::move(controlPoints))
{
}
template <class T> qz3dSpline<T>::~qz3dSpline() = default;

template <class T> void qz3dSpline<T>::AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz3dSpline<T>::AcceptVisitor(qz3dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz3dBoundingBox<T>& qz3dSpline<T>::GetBoundingBox() const
{
    qz3dBoundingBox<T>& box = this->Box();
    box.SetEmpty();
    for (const qzTPoint3d<T>& p : m_controlPoints)
        box.Extend(p);
    return qz3dObject<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dSpline<T>::GetStartPoint() const
{
    if (m_controlPoints.empty())
        misc::detail::ThrowAccessingNullPointer();
    return misc::qzAutoPointer<qz3dPoint<T>>(new qz3dPoint<T>(m_controlPoints.front()));
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dSpline<T>::GetEndPoint() const
{
    if (m_controlPoints.empty())
        misc::detail::ThrowAccessingNullPointer();
    return misc::qzAutoPointer<qz3dPoint<T>>(new qz3dPoint<T>(m_controlPoints.back()));
}

template <class T> bool qz3dSpline<T>::IsContinuous(const T&) const
{
    return true;
}

template <class T> T qz3dSpline<T>::GetLength() const
{
    T length = T(0);
    for (std::size_t i = 1; i < m_controlPoints.size(); ++i)
        length += ~(m_controlPoints[i] - m_controlPoints[i - 1]);
    return length;
}

template <class T> void qz3dSpline<T>::Reverse()
{
    std::reverse(m_controlPoints.begin(), m_controlPoints.end());
}

template class qz3dArc<float>;
template class qz3dArc<double>;
template class qz3dCurve<float>;
template class qz3dCurve<double>;
template class qz3dSpline<float>;
template class qz3dSpline<double>;
} // namespace cadcam
