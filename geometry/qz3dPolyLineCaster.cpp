#include "geometry/qz3dPolyLineCaster.h"

#include "brimlib/qzException.h"
#include "geometry/qz3dContour.h"

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
qz3dPolyLineCaster<T>::qz3dPolyLineCaster(qz3dPolyLine<T>& target, misc::qzAutoPointer<qz3dGeometry<T>> source)
    : m_target(target), m_source(std::move(source))
{
}

template <class T> qz3dPolyLineCaster<T>::~qz3dPolyLineCaster() = default;

template <class T> void qz3dPolyLineCaster<T>::Visit(const qz3dPolyLine<T>&) const
{
    Refuse("Not implemented yet");
}

template <class T> void qz3dPolyLineCaster<T>::Visit(const qz3dClosedContour<T>&) const
{
    Refuse("Can't add a contour to polyline.");
}

template <class T> void qz3dPolyLineCaster<T>::Visit(const qz3dContour<T>&) const
{
    Refuse("Can't add a contour to polyline.");
}

template <class T> void qz3dPolyLineCaster<T>::Visit(const qz3dSpline<T>&) const
{
    Refuse("Can't add a spline to polyline. Consider polygonizing.");
}

template <class T> void qz3dPolyLineCaster<T>::Visit(const qz3dCurve<T>&) const
{
    Refuse("Can't add an arc to polyline. Consider polygonizing.");
}

template <class T> void qz3dPolyLineCaster<T>::Visit(const qz3dArc<T>&) const
{
    Refuse("Can't add an arc to polyline. Consider polygonizing.");
}

template <class T> void qz3dPolyLineCaster<T>::Visit(const qz3dLine<T>&) const
{
    m_target.AddLine(m_source.template DynamicCast<qz3dLine<T>>());
}

template <class T> void qz3dPolyLineCaster<T>::Visit(const qz3dPoint<T>&) const
{
    m_target.AddPoint(m_source.template DynamicCast<qz3dPoint<T>>());
}

template <class T> void qz3dPolyLineCaster<T>::Visit(const qz3dGeometry<T>&) const
{
    Refuse("Couldn't add 3d geometry to polyline");
}

template class qz3dPolyLineCaster<float>;
template class qz3dPolyLineCaster<double>;
} // namespace cadcam
