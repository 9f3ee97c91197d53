#include "toolgeometry/qzTruncatedCone.h"

#include "brimlib/qzException.h"

#include <cmath>
#include <type_traits>

namespace cadcam
{
namespace
{
template <class T> constexpr T kCenterGap = std::is_same<T, float>::value ? T(1e-6) : T(1e-12);
template <class T> constexpr T kPi = T(3.14159265358979323846);
} // namespace

template <class T>
qzCenterlineShape<T>::qzCenterlineShape(misc::qzAutoPointer<qz3dPoint<T>> center1,
                                        misc::qzAutoPointer<qz3dPoint<T>> center2, int surfaces)
    : m_center1(std::move(center1)), m_center2(std::move(center2)), m_surfaces(surfaces)
{
    if (m_center1->GetDistance(*m_center2) <= kCenterGap<T>)
        throw misc::qzException(0, "center1 and center2 should be not equal");
}

template <class T> qzCenterlineShape<T>::qzCenterlineShape(const qzCenterlineShape& other) = default;
template <class T>
qzCenterlineShape<T>& qzCenterlineShape<T>::operator=(const qzCenterlineShape& other) = default;
template <class T> qzCenterlineShape<T>::~qzCenterlineShape() = default;

template <class T> T qzCenterlineShape<T>::GetHeight() const
{
    return m_center1->GetDistance(*m_center2);
}

template <class T>
qzTruncatedCone<T>::qzTruncatedCone(misc::qzAutoPointer<qz3dPoint<T>> center1, const T& radius1,
                                    misc::qzAutoPointer<qz3dPoint<T>> center2, const T& radius2, int surfaces)
    : qzCenterlineShape<T>(std::move(center1), std::move(center2), surfaces), m_radius1(radius1),
      m_radius2(radius2)
{
    RecalculateBoundingBox();
}

template <class T> qzTruncatedCone<T>::qzTruncatedCone(const qzTruncatedCone& other) = default;
template <class T> qzTruncatedCone<T>& qzTruncatedCone<T>::operator=(const qzTruncatedCone& other) = default;
template <class T> qzTruncatedCone<T>::~qzTruncatedCone() = default;

template <class T> void qzTruncatedCone<T>::AcceptVisitor(const qz3dShapeVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qzTruncatedCone<T>::AcceptVisitor(qz3dShapeVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> T qzTruncatedCone<T>::GetVolume() const
{
    const T h = this->GetHeight();
    return h * (kPi<T> / T(3)) * (m_radius2 * m_radius2 + m_radius2 * m_radius1 + m_radius1 * m_radius1);
}

template <class T> T qzTruncatedCone<T>::GetArea() const
{
    const int surfaces = this->GetSurfaces();
    T area = T(0);
    if (surfaces & qzCenterlineShape<T>::BASE1)
        area += kPi<T> * m_radius1 * m_radius1;
    if (surfaces & qzCenterlineShape<T>::BASE2)
        area += kPi<T> * m_radius2 * m_radius2;
    if (surfaces & qzCenterlineShape<T>::LATERAL)
    {
        const T h = this->GetHeight(), dr = m_radius2 - m_radius1;
        area += kPi<T> * (m_radius1 + m_radius2) * std::sqrt(dr * dr + h * h);
    }
    return area;
}

template <class T> void qzTruncatedCone<T>::RecalculateBoundingBox()
{
    const qzTPoint3d<T>& c1 = this->GetCenter1()->GetPoint();
    const qzTPoint3d<T>& c2 = this->GetCenter2()->GetPoint();
    const qzTPoint3d<T> d = c2 - c1;
    const T h = ~d;
    // An end circle square to d reaches r * sqrt(h^2 - d_i^2) / h along axis i.
    qzTPoint3d<T> reach;
    for (int i = 0; i < 3; ++i)
    {
        const T spare = h * h - d[i] * d[i];
        reach[i] = spare > T(0) ? std::sqrt(spare) / h : T(0);
    }
    qz3dBoundingBox<T>& box = this->Box();
    box.Set(c1 - reach * m_radius1, c1 + reach * m_radius1);
    qz3dBoundingBox<T> other;
    other.Set(c2 - reach * m_radius2, c2 + reach * m_radius2);
    box.Union(other);
}

template class qzCenterlineShape<float>;
template class qzCenterlineShape<double>;
template class qzTruncatedCone<float>;
template class qzTruncatedCone<double>;
} // namespace cadcam
