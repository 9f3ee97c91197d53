#include "geometry/qz2dArc.h"

#include "foundation/qzRangeException.h"
#include "geometry/qzGeometryConstants.h"

#include <cmath>

namespace cadcam
{
namespace
{
constexpr double kPi = 3.14159265358979323846;
}

template <class T> void qz2dArc<T>::Ranged::Set(const T& v)
{
    if (!(min <= v && v <= max))
        throw misc::qzRangeException<T>(min, max, v, 6);
    value = v;
}

template <class T>
qz2dArc<T>::qz2dArc()
    : m_initialised(true), m_radius{T(0), qzGeometryConstants<T>::maxRadius, T(0)}, m_start{T(0), T(360), T(0)},
      m_sweep{T(-360), T(360), T(0)}
{
}

template <class T>
qz2dArc<T>::qz2dArc(misc::qzAutoPointer<qz2dPoint<T>> center, const T& radius, const T& startAngle,
                    const T& sweepAngle)
    : qz2dArc()
{
    m_initialised = false;
    SetCenter(std::move(center));
    SetRadius(radius);
    SetStartAngle(startAngle);
    SetSweepAngle(sweepAngle);
    m_initialised = true;
    this->InvalidateBox();
}

template <class T> qz2dArc<T>::qz2dArc(const qz2dArc& other) = default;
template <class T> qz2dArc<T>& qz2dArc<T>::operator=(const qz2dArc& other) = default;
template <class T> qz2dArc<T>::~qz2dArc() = default;

template <class T> void qz2dArc<T>::AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz2dArc<T>::AcceptVisitor(qz2dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dArc<T>::GetPointAtAngle(const T& degrees) const
{
    return misc::qzAutoPointer<qz2dPoint<T>>(new qz2dPoint<T>(m_center->x() + m_radius.value * CosDeg(degrees),
                                                              m_center->y() + m_radius.value * SinDeg(degrees)));
}

template <class T> const qz2dBoundingBox<T>& qz2dArc<T>::GetBoundingBox() const
{
    if (!this->IsBoxDirty() || !m_initialised)
        return qz2dGeometry<T>::GetBoundingBox();
    // Walk a counter-clockwise copy of the arc: its end points, then every multiple of 90
    // degrees strictly inside it, where the circle reaches an axis extreme.
    T start = m_start.value, sweep = m_sweep.value;
    if (sweep < T(0))
    {
        start += sweep;
        if (start < T(0))
            start += T(360);
        sweep = -sweep;
    }
    const T cx = m_center->x(), cy = m_center->y(), r = m_radius.value;
    const misc::qzAutoPointer<qz2dPoint<T>> s = GetPointAtAngle(start), e = GetPointAtAngle(start + sweep);
    qz2dBoundingBox<T>& box = this->Box();
    box.Set(s->x(), s->y(), e->x(), e->y());
    const T end = start + sweep;
    for (long quarter = static_cast<long>(std::floor(start / T(90))) + 1; T(90) * quarter < end; ++quarter)
    {
        switch (((quarter % 4) + 4) % 4)
        {
        case 0:
            box.Extend(cx + r, cy);
            break;
        case 1:
            box.Extend(cx, cy + r);
            break;
        case 2:
            box.Extend(cx - r, cy);
            break;
        default:
            box.Extend(cx, cy - r);
            break;
        }
    }
    return qz2dGeometry<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dArc<T>::GetStartPoint() const
{
    return GetPointAtAngle(m_start.value);
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dArc<T>::GetEndPoint() const
{
    return GetPointAtAngle(m_start.value + m_sweep.value);
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dArc<T>::GetMiddlePoint() const
{
    return GetPointAtAngle(m_start.value + m_sweep.value / T(2));
}

template <class T> bool qz2dArc<T>::IsContinuous(const T&) const
{
    return true;
}

template <class T> T qz2dArc<T>::GetLength() const
{
    return m_radius.value * m_sweep.value * static_cast<T>(kPi) / T(180);
}

template <class T> void qz2dArc<T>::Reverse()
{
    T start = m_start.value + m_sweep.value;
    if (start < T(0))
        start += T(360);
    else if (start > T(360))
        start -= T(360);
    Ranged newStart = m_start, newSweep = m_sweep;
    newStart.Set(start);
    newSweep.Set(-m_sweep.value);
    m_start = newStart;
    m_sweep = newSweep;
    this->InvalidateBox();
}

template <class T> void qz2dArc<T>::SetCenter(misc::qzAutoPointer<qz2dPoint<T>> center)
{
    m_center = std::move(center);
    this->InvalidateBox();
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dArc<T>::GetCenter() const
{
    return m_center;
}

template <class T> void qz2dArc<T>::SetRadius(const T& radius)
{
    m_radius.Set(radius);
    this->InvalidateBox();
}

template <class T> T qz2dArc<T>::GetRadius() const
{
    return m_radius.value;
}

template <class T> void qz2dArc<T>::SetStartAngle(const T& degrees)
{
    m_start.Set(degrees);
    this->InvalidateBox();
}

template <class T> T qz2dArc<T>::GetStartAngle() const
{
    return m_start.value;
}

template <class T> void qz2dArc<T>::SetSweepAngle(const T& degrees)
{
    m_sweep.Set(degrees);
    this->InvalidateBox();
}

template <class T> T qz2dArc<T>::GetSweepAngle() const
{
    return m_sweep.value;
}

template <class T> T qz2dArc<T>::GetChordLength() const
{
    return GetStartPoint()->GetDistance(*GetEndPoint());
}

template class qz2dArc<float>;
template class qz2dArc<double>;
} // namespace cadcam
