#include "geometry/qz2dLine.h"

#include <cmath>

namespace cadcam
{
template <class T> qz2dLine<T>::qz2dLine() = default;

template <class T>
qz2dLine<T>::qz2dLine(misc::qzAutoPointer<qz2dPoint<T>> start, misc::qzAutoPointer<qz2dPoint<T>> end)
    : m_start(std::move(start)), m_end(std::move(end))
{
}

template <class T> qz2dLine<T>::qz2dLine(const qz2dLine& other) = default;
template <class T> qz2dLine<T>& qz2dLine<T>::operator=(const qz2dLine& other) = default;
template <class T> qz2dLine<T>::~qz2dLine() = default;

template <class T> void qz2dLine<T>::AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz2dLine<T>::AcceptVisitor(qz2dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz2dBoundingBox<T>& qz2dLine<T>::GetBoundingBox() const
{
    // Recomputed on every call: the end points are shared and may move under the line.
    this->Box().Set(m_start->x(), m_start->y(), m_end->x(), m_end->y());
    return qz2dGeometry<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dLine<T>::GetStartPoint() const
{
    return m_start;
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dLine<T>::GetEndPoint() const
{
    return m_end;
}

template <class T> bool qz2dLine<T>::IsContinuous(const T&) const
{
    return true;
}

template <class T> T qz2dLine<T>::GetLength() const
{
    return m_start->GetDistance(*m_end);
}

template <class T> void qz2dLine<T>::Reverse()
{
    m_start.Swap(m_end);
}

template <class T> void qz2dLine<T>::SetStartPoint(misc::qzAutoPointer<qz2dPoint<T>> point)
{
    m_start = std::move(point);
}

template <class T> void qz2dLine<T>::SetEndPoint(misc::qzAutoPointer<qz2dPoint<T>> point)
{
    m_end = std::move(point);
}

namespace
{
template <class T> struct Frame
{
    T sx, sy; // S - P
    T dx, dy; // D = E - S
    T dd;     // |D|^2
};

template <class T> Frame<T> FrameOf(const qz2dPoint<T>& s, const qz2dPoint<T>& e, const qz2dPoint<T>& p)
{
    const T dx = e.x() - s.x(), dy = e.y() - s.y();
    return {s.x() - p.x(), s.y() - p.y(), dx, dy, dx * dx + dy * dy};
}
} // namespace

template <class T> T qz2dLine<T>::GetDistanceToLine(const qz2dPoint<T>& p) const
{
    const Frame<T> f = FrameOf(*m_start, *m_end, p);
    const T t = -(f.sx * f.dx + f.sy * f.dy) / f.dd;
    return ~qzTPoint2d<T>(f.sx + t * f.dx, f.sy + t * f.dy);
}

template <class T> T qz2dLine<T>::GetSquaredDistanceToSegment(const qz2dPoint<T>& p) const
{
    const Frame<T> f = FrameOf(*m_start, *m_end, p);
    if (f.dd < T(1e-24))
        return f.sx * f.sx + f.sy * f.sy;
    const T t = -(f.sx * f.dx + f.sy * f.dy) / f.dd;
    if (t < T(0))
        return f.sx * f.sx + f.sy * f.sy;
    if (t > T(1))
    {
        const T ex = m_end->x() - p.x(), ey = m_end->y() - p.y();
        return ex * ex + ey * ey;
    }
    const T x = f.sx + t * f.dx, y = f.sy + t * f.dy;
    return x * x + y * y;
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dLine<T>::ProjectPoint(const qz2dPoint<T>& p) const
{
    const Frame<T> f = FrameOf(*m_start, *m_end, p);
    const T t = -(f.sx * f.dx + f.sy * f.dy) / f.dd;
    return misc::qzAutoPointer<qz2dPoint<T>>(new qz2dPoint<T>(m_start->x() + t * f.dx, m_start->y() + t * f.dy));
}

template <class T> T qz2dLine<T>::GetDistanceToSegment(const qz2dPoint<T>& p) const
{
    return std::sqrt(GetSquaredDistanceToSegment(p));
}

template class qz2dLine<float>;
template class qz2dLine<double>;
} // namespace cadcam
