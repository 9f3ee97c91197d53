#include "geometry/qz2dPolyLineCaster.h"

#include "brimlib/qzException.h"
#include "geometry/qz2dPolyLine.h"

namespace cadcam
{
namespace
{
[[noreturn]] void Refuse(const char* message)
{
    throw misc::qzException(0, message);
}
} // namespace

template <class T>
qz2dPolyLineCaster<T>::qz2dPolyLineCaster(qz2dPolyLine<T>& target, misc::qzAutoPointer<qz2dGeometry<T>> source)
    : m_target(target), m_source(std::move(source))
{
}

template <class T> qz2dPolyLineCaster<T>::~qz2dPolyLineCaster() = default;

template <class T> void qz2dPolyLineCaster<T>::Visit(const qz2dCurve<T>&) const
{
    Refuse("Not implemented yet");
}

template <class T> void qz2dPolyLineCaster<T>::Visit(const qz2dPolyLine<T>& polyline) const
{
    // A copy of the list: the polyline may be the target itself.
    const typename qz2dPolyLine<T>::PointList points = polyline.GetPoints();
    for (const auto& point : points)
        m_target.AddPoint(point);
}

template <class T> void qz2dPolyLineCaster<T>::Visit(const qz2dClosedContour<T>&) const
{
    Refuse("Can't add a contour to polyline.");
}

template <class T> void qz2dPolyLineCaster<T>::Visit(const qz2dContour<T>&) const
{
    Refuse("Can't add a contour to polyline.");
}

template <class T> void qz2dPolyLineCaster<T>::Visit(const qz2dSpline<T>&) const
{
    Refuse("Can't add a spline to polyline. Consider polygonizing.");
}

template <class T> void qz2dPolyLineCaster<T>::Visit(const qz2dEllipse<T>&) const
{
    Refuse("Can't add a Ellipse to polyline. Consider polygonizing.");
}

template <class T> void qz2dPolyLineCaster<T>::Visit(const qz2dParabola<T>&) const
{
    Refuse("Can't add a parabola to polyline. Consider polygonizing.");
}

template <class T> void qz2dPolyLineCaster<T>::Visit(const qz2dArc<T>&) const
{
    Refuse("Can't add an arc to polyline. Consider polygonizing.");
}

template <class T> void qz2dPolyLineCaster<T>::Visit(const qz2dLine<T>&) const
{
    m_target.AddLine(m_source.template DynamicCast<qz2dLine<T>>());
}

template <class T> void qz2dPolyLineCaster<T>::Visit(const qz2dPoint<T>&) const
{
    m_target.AddPoint(m_source.template DynamicCast<qz2dPoint<T>>());
}

template <class T> void qz2dPolyLineCaster<T>::Visit(const qz2dGeometry<T>&) const
{
    Refuse("Couldn't add 2d geometry to polyline");
}

template class qz2dPolyLineCaster<float>;
template class qz2dPolyLineCaster<double>;
} // namespace cadcam
