#include "geometry/qz2dCurve.h"

#include "brimlib/qzException.h"
#include "geometry/qz2dPolyLine.h"

#include <algorithm>

namespace cadcam
{
namespace
{
constexpr unsigned kCurveSegments = 50;
}

template <class T> qz2dCurve<T>::qz2dCurve() : m_reversed(false) {}
template <class T> qz2dCurve<T>::qz2dCurve(Function function) : m_function(std::move(function)), m_reversed(false) {}
template <class T> qz2dCurve<T>::qz2dCurve(const qz2dCurve& other) = default;
template <class T> qz2dCurve<T>& qz2dCurve<T>::operator=(const qz2dCurve& other) = default;
template <class T> qz2dCurve<T>::~qz2dCurve() = default;

template <class T> void qz2dCurve<T>::AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz2dCurve<T>::AcceptVisitor(qz2dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> qzTPoint2d<T> qz2dCurve<T>::Evaluate(const T& t) const
{
    if (!m_function)
        throw misc::qzException(0, "Not implemented");
    return m_function(m_reversed ? T(1) - t : t);
}

template <class T> void qz2dCurve<T>::Approximate(qz2dPolyLine<T>& polyline, unsigned count) const
{
    if (count == 0)
        count = 1;
    for (unsigned i = 0; i <= count; ++i)
        polyline.AddPoint(qz2dPoint<T>(Evaluate(static_cast<T>(i) / static_cast<T>(count))));
}

template <class T> const qz2dBoundingBox<T>& qz2dCurve<T>::GetBoundingBox() const
{
    qz2dPolyLine<T> polyline;
    Approximate(polyline, kCurveSegments);
    this->Box() = polyline.GetBoundingBox();
    return qz2dGeometry<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dCurve<T>::GetStartPoint() const
{
    return misc::qzAutoPointer<qz2dPoint<T>>(new qz2dPoint<T>(Evaluate(T(0))));
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dCurve<T>::GetEndPoint() const
{
    return misc::qzAutoPointer<qz2dPoint<T>>(new qz2dPoint<T>(Evaluate(T(1))));
}

template <class T> bool qz2dCurve<T>::IsContinuous(const T&) const
{
    return true;
}

template <class T> T qz2dCurve<T>::GetLength() const
{
    qz2dPolyLine<T> polyline;
    Approximate(polyline, kCurveSegments);
    return polyline.GetLength();
}

template <class T> void qz2dCurve<T>::Reverse()
{
    m_reversed = !m_reversed;
}

template <class T> qz2dSpline<T>::qz2dSpline() = default;
template <class T>
qz2dSpline<T>::qz2dSpline(std::vector<qzTPoint2d<T>> controlPoints) : m_controlPoints(std::move(controlPoints))
{
}
template <class T> qz2dSpline<T>::qz2dSpline(const qz2dSpline& other) = default;
template <class T> qz2dSpline<T>& qz2dSpline<T>::operator=(const qz2dSpline& other) = default;
template <class T> qz2dSpline<T>::~qz2dSpline() = default;

template <class T> void qz2dSpline<T>::AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz2dSpline<T>::AcceptVisitor(qz2dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz2dBoundingBox<T>& qz2dSpline<T>::GetBoundingBox() const
{
    qz2dBoundingBox<T>& box = this->Box();
    box.SetEmpty();
    for (const qzTPoint2d<T>& p : m_controlPoints)
        box.Union(qz2dBoundingBox<T>(p.x(), p.y(), p.x(), p.y()));
    return qz2dGeometry<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dSpline<T>::GetStartPoint() const
{
    if (m_controlPoints.empty())
        misc::detail::ThrowAccessingNullPointer();
    return misc::qzAutoPointer<qz2dPoint<T>>(new qz2dPoint<T>(m_controlPoints.front()));
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dSpline<T>::GetEndPoint() const
{
    if (m_controlPoints.empty())
        misc::detail::ThrowAccessingNullPointer();
    return misc::qzAutoPointer<qz2dPoint<T>>(new qz2dPoint<T>(m_controlPoints.back()));
}

template <class T> bool qz2dSpline<T>::IsContinuous(const T&) const
{
    return true;
}

template <class T> T qz2dSpline<T>::GetLength() const
{
    T length = T(0);
    for (std::size_t i = 1; i < m_controlPoints.size(); ++i)
        length += ~(m_controlPoints[i] - m_controlPoints[i - 1]);
    return length;
}

template <class T> void qz2dSpline<T>::Reverse()
{
    std::reverse(m_controlPoints.begin(), m_controlPoints.end());
}

template <class T> void qz2dSpline<T>::SetControlPoints(std::vector<qzTPoint2d<T>> controlPoints)
{
    m_controlPoints = std::move(controlPoints);
}

template class qz2dCurve<float>;
template class qz2dCurve<double>;
template class qz2dSpline<float>;
template class qz2dSpline<double>;
} // namespace cadcam
