#include "geometry/qz3dObject.h"

namespace cadcam
{
template <class T> qz3dObject<T>::qz3dObject() = default;

template <class T> qz3dObject<T>::qz3dObject(const qz3dObject& other)
{
    Copy(other);
}

template <class T> qz3dObject<T>& qz3dObject<T>::operator=(const qz3dObject& other)
{
    if (this != &other)
        Copy(other);
    return *this;
}

template <class T> void qz3dObject<T>::Copy(const qz3dObject& other)
{
    m_box = other.m_box;
}

template <class T> qz3dObject<T>::~qz3dObject() = default;

template <class T> const qz3dBoundingBox<T>& qz3dObject<T>::GetBoundingBox() const
{
    return m_box;
}

template <class T> qz3dGeometry<T>::qz3dGeometry() = default;
template <class T> qz3dGeometry<T>::qz3dGeometry(const qz3dGeometry& other) = default;
template <class T> qz3dGeometry<T>& qz3dGeometry<T>::operator=(const qz3dGeometry& other) = default;
template <class T> qz3dGeometry<T>::~qz3dGeometry() = default;

template <class T> void qz3dGeometry<T>::AcceptVisitor(const qz3dObjectVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz3dGeometry<T>::AcceptVisitor(qz3dObjectVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> void qz3dGeometry<T>::AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz3dGeometry<T>::AcceptVisitor(qz3dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template class qz3dObject<float>;
template class qz3dObject<double>;
template class qz3dGeometry<float>;
template class qz3dGeometry<double>;
} // namespace cadcam
