#include "geometry/qz2dPoint.h"

#include <cmath>

namespace cadcam
{
template <class T> qz2dPoint<T>::qz2dPoint() : m_x(0), m_y(0) {}
template <class T> qz2dPoint<T>::qz2dPoint(const T& x, const T& y) : m_x(x), m_y(y) {}
template <class T> qz2dPoint<T>::qz2dPoint(const qzTPoint2d<T>& p) : m_x(p.x()), m_y(p.y()) {}
template <class T> qz2dPoint<T>::qz2dPoint(const qz2dPoint& other) = default;
template <class T> qz2dPoint<T>& qz2dPoint<T>::operator=(const qz2dPoint& other)
{
    qz2dGeometry<T>::operator=(other);
    m_x = other.m_x;
    m_y = other.m_y;
    this->InvalidateBox();
    return *this;
}
template <class T> qz2dPoint<T>::~qz2dPoint() = default;

template <class T> void qz2dPoint<T>::AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz2dPoint<T>::AcceptVisitor(qz2dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz2dBoundingBox<T>& qz2dPoint<T>::GetBoundingBox() const
{
    if (this->IsBoxDirty())
        this->Box().Set(m_x, m_y, m_x, m_y);
    return qz2dGeometry<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dPoint<T>::GetStartPoint() const
{
    return misc::qzAutoPointer<qz2dPoint<T>>(new qz2dPoint<T>(m_x, m_y));
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dPoint<T>::GetEndPoint() const
{
    return GetStartPoint();
}

template <class T> bool qz2dPoint<T>::IsContinuous(const T&) const
{
    return false;
}

template <class T> T qz2dPoint<T>::GetLength() const
{
    return T(0);
}

template <class T> void qz2dPoint<T>::Reverse() {}

template <class T> T qz2dPoint<T>::GetDistance(const qz2dPoint<T>& other) const
{
    return ~qzTPoint2d<T>(other.m_x - m_x, other.m_y - m_y);
}

template <class T> void qz2dPoint<T>::x(const T& value)
{
    m_x = value;
    this->InvalidateBox();
}

template <class T> void qz2dPoint<T>::y(const T& value)
{
    m_y = value;
    this->InvalidateBox();
}

template <class T> void qz2dPoint<T>::Set(const T& x, const T& y)
{
    m_x = x;
    m_y = y;
    this->InvalidateBox();
}

template class qz2dPoint<float>;
template class qz2dPoint<double>;
} // namespace cadcam
