#include "geometry/qz2dGeometry.h"

namespace cadcam
{
template <class T> qz2dGeometry<T>::qz2dGeometry() : m_boxDirty(true) {}
template <class T> qz2dGeometry<T>::qz2dGeometry(const qz2dGeometry& other) = default;
template <class T> qz2dGeometry<T>& qz2dGeometry<T>::operator=(const qz2dGeometry& other) = default;
template <class T> qz2dGeometry<T>::~qz2dGeometry() = default;

template <class T> void qz2dGeometry<T>::AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz2dGeometry<T>::AcceptVisitor(qz2dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz2dBoundingBox<T>& qz2dGeometry<T>::GetBoundingBox() const
{
    return m_box;
}

template class qz2dGeometry<float>;
template class qz2dGeometry<double>;
} // namespace cadcam
