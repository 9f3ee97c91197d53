#include "geometry/qz3dPoint.h"

namespace cadcam
{
template <class T> qz3dPoint<T>::qz3dPoint() : qz3dPoint(qzTPoint3d<T>()) {}
template <class T> qz3dPoint<T>::qz3dPoint(const T& x, const T& y, const T& z) : qz3dPoint(qzTPoint3d<T>(x, y, z)) {}

template <class T> qz3dPoint<T>::qz3dPoint(const qzTPoint3d<T>& p) : m_p(p)
{
    this->Box().Set(m_p, m_p);
}

template <class T> qz3dPoint<T>::qz3dPoint(const qz3dPoint& other) = default;
template <class T> qz3dPoint<T>& qz3dPoint<T>::operator=(const qz3dPoint& other) = default;
template <class T> qz3dPoint<T>::~qz3dPoint() = default;

template <class T> void qz3dPoint<T>::AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz3dPoint<T>::AcceptVisitor(qz3dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dPoint<T>::GetStartPoint() const
{
    return misc::qzAutoPointer<qz3dPoint<T>>(new qz3dPoint<T>(m_p));
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dPoint<T>::GetEndPoint() const
{
    return GetStartPoint();
}

template <class T> bool qz3dPoint<T>::IsContinuous(const T&) const
{
    return false;
}

template <class T> T qz3dPoint<T>::GetLength() const
{
    return T(0);
}

template <class T> void qz3dPoint<T>::Reverse() {}

template <class T> void qz3dPoint<T>::x(const T& value)
{
    m_p.x(value);
    this->Box().Set(m_p, m_p);
}

template <class T> void qz3dPoint<T>::y(const T& value)
{
    m_p.y(value);
    this->Box().Set(m_p, m_p);
}

template <class T> void qz3dPoint<T>::z(const T& value)
{
    m_p.z(value);
    this->Box().Set(m_p, m_p);
}

template <class T> void qz3dPoint<T>::Set(const qzTPoint3d<T>& p)
{
    m_p = p;
    this->Box().Set(m_p, m_p);
}

template <class T> qz3dLine<T>::qz3dLine() = default;

template <class T>
qz3dLine<T>::qz3dLine(misc::qzAutoPointer<qz3dPoint<T>> start, misc::qzAutoPointer<qz3dPoint<T>> end)
    : m_start(std::move(start)), m_end(std::move(end))
{
}

template <class T> qz3dLine<T>::qz3dLine(const qz3dLine& other) = default;
template <class T> qz3dLine<T>& qz3dLine<T>::operator=(const qz3dLine& other) = default;
template <class T> qz3dLine<T>::~qz3dLine() = default;

template <class T> void qz3dLine<T>::AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz3dLine<T>::AcceptVisitor(qz3dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz3dBoundingBox<T>& qz3dLine<T>::GetBoundingBox() const
{
    this->Box().Set(m_start->GetPoint(), m_end->GetPoint());
    return qz3dObject<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dLine<T>::GetStartPoint() const
{
    return m_start;
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dLine<T>::GetEndPoint() const
{
    return m_end;
}

template <class T> bool qz3dLine<T>::IsContinuous(const T&) const
{
    return true;
}

template <class T> T qz3dLine<T>::GetLength() const
{
    return m_start->GetDistance(*m_end);
}

template <class T> void qz3dLine<T>::Reverse()
{
    m_start.Swap(m_end);
}

template <class T> void qz3dLine<T>::SetStartPoint(misc::qzAutoPointer<qz3dPoint<T>> point)
{
    m_start = std::move(point);
}

template <class T> void qz3dLine<T>::SetEndPoint(misc::qzAutoPointer<qz3dPoint<T>> point)
{
    m_end = std::move(point);
}

template class qz3dPoint<float>;
template class qz3dPoint<double>;
template class qz3dLine<float>;
template class qz3dLine<double>;
} // namespace cadcam
