#include "geometry/qz2dConic.h"

#include <cmath>

namespace cadcam
{
namespace
{
constexpr double kPi = 3.14159265358979323846;
}

template <class T> qz2dParabola<T>::qz2dParabola() : m_reversed(false) {}

template <class T>
qz2dParabola<T>::qz2dParabola(misc::qzAutoPointer<qz2dPoint<T>> vertex, misc::qzAutoPointer<qz2dPoint<T>> end)
    : m_vertex(std::move(vertex)), m_end(std::move(end)), m_reversed(false)
{
}

template <class T> qz2dParabola<T>::qz2dParabola(const qz2dParabola& other) = default;
template <class T> qz2dParabola<T>& qz2dParabola<T>::operator=(const qz2dParabola& other) = default;
template <class T> qz2dParabola<T>::~qz2dParabola() = default;

template <class T> void qz2dParabola<T>::AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz2dParabola<T>::AcceptVisitor(qz2dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz2dBoundingBox<T>& qz2dParabola<T>::GetBoundingBox() const
{
    this->Box().Set(m_vertex->x(), m_vertex->y(), m_end->x(), m_end->y());
    return qz2dGeometry<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dParabola<T>::GetStartPoint() const
{
    return m_reversed ? m_end : m_vertex;
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dParabola<T>::GetEndPoint() const
{
    return m_reversed ? m_vertex : m_end;
}

template <class T> bool qz2dParabola<T>::IsContinuous(const T&) const
{
    return true;
}

template <class T> T qz2dParabola<T>::GetLength() const
{
    const T w = GetWidth(), h = GetHeight();
    if (w == T(0))
        return h;
    if (h == T(0))
        return w;
    const T r = T(2) * w / h;
    const T q = std::sqrt(T(1) + r * r);
    return T(0.5) * h * (q + std::log(r + q) / r);
}

template <class T> void qz2dParabola<T>::Reverse()
{
    m_reversed = !m_reversed;
}

template <class T> void qz2dParabola<T>::SetVertexPoint(misc::qzAutoPointer<qz2dPoint<T>> vertex)
{
    m_vertex = std::move(vertex);
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dParabola<T>::GetVertexPoint() const
{
    return m_vertex;
}

template <class T> void qz2dParabola<T>::SetFarPoint(misc::qzAutoPointer<qz2dPoint<T>> end)
{
    m_end = std::move(end);
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dParabola<T>::GetFarPoint() const
{
    return m_end;
}

template <class T> T qz2dParabola<T>::GetWidth() const
{
    return std::abs(m_end->x() - m_vertex->x());
}

template <class T> T qz2dParabola<T>::GetHeight() const
{
    return std::abs(m_end->y() - m_vertex->y());
}

template <class T> T qz2dParabola<T>::GetX(const T& y) const
{
    const T dy = m_end->y() - m_vertex->y();
    if (dy == T(0))
        return m_vertex->x();
    const T k = (m_end->x() - m_vertex->x()) / (dy * dy);
    const T v = y - m_vertex->y();
    return m_vertex->x() + k * v * v;
}

template <class T> qz2dEllipse<T>::qz2dEllipse() : m_a(0), m_b(0) {}

template <class T>
qz2dEllipse<T>::qz2dEllipse(misc::qzAutoPointer<qz2dPoint<T>> center, const T& a, const T& b)
    : m_center(std::move(center)), m_a(a), m_b(b)
{
}

template <class T> qz2dEllipse<T>::qz2dEllipse(const qz2dEllipse& other) = default;
template <class T> qz2dEllipse<T>& qz2dEllipse<T>::operator=(const qz2dEllipse& other) = default;
template <class T> qz2dEllipse<T>::~qz2dEllipse() = default;

template <class T> void qz2dEllipse<T>::AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz2dEllipse<T>::AcceptVisitor(qz2dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz2dBoundingBox<T>& qz2dEllipse<T>::GetBoundingBox() const
{
    const T a = std::abs(m_a), b = std::abs(m_b);
    this->Box().Set(m_center->x() - a, m_center->y() - b, m_center->x() + a, m_center->y() + b);
    return qz2dGeometry<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dEllipse<T>::GetStartPoint() const
{
    return misc::qzAutoPointer<qz2dPoint<T>>(new qz2dPoint<T>(m_center->x() + m_a, m_center->y()));
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dEllipse<T>::GetEndPoint() const
{
    return GetStartPoint();
}

template <class T> bool qz2dEllipse<T>::IsContinuous(const T&) const
{
    return true;
}

template <class T> T qz2dEllipse<T>::GetLength() const
{
    const T a = std::abs(m_a), b = std::abs(m_b);
    if (a + b == T(0))
        return T(0);
    const T h = (a - b) * (a - b) / ((a + b) * (a + b));
    return static_cast<T>(kPi) * (a + b) * (T(1) + T(3) * h / (T(10) + std::sqrt(T(4) - T(3) * h)));
}

template <class T> void qz2dEllipse<T>::Reverse() {}

template <class T> void qz2dEllipse<T>::SetCenter(misc::qzAutoPointer<qz2dPoint<T>> center)
{
    m_center = std::move(center);
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dEllipse<T>::GetCenter() const
{
    return m_center;
}

template <class T> void qz2dEllipse<T>::SetA(const T& a)
{
    m_a = a;
}

template <class T> T qz2dEllipse<T>::GetA() const
{
    return m_a;
}

template <class T> void qz2dEllipse<T>::SetB(const T& b)
{
    m_b = b;
}

template <class T> T qz2dEllipse<T>::GetB() const
{
    return m_b;
}

template class qz2dParabola<float>;
template class qz2dParabola<double>;
template class qz2dEllipse<float>;
template class qz2dEllipse<double>;
} // namespace cadcam
