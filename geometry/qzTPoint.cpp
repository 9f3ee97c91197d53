#include "geometry/qzTPoint.h"

#include "brimlib/qzException.h"

#include <cmath>

namespace cadcam
{
template <class T> T qzTPoint2d<T>::operator~() const
{
    // Scaled by the larger coordinate so that squaring cannot overflow.
    const T a = std::abs(m_c[0]);
    const T b = std::abs(m_c[1]);
    if (b < a)
    {
        const T r = b / a;
        return a * std::sqrt(r * r + T(1));
    }
    if (b == T(0))
        return T(0);
    const T r = a / b;
    return b * std::sqrt(r * r + T(1));
}

template <class T> qzTPoint2d<T> qzTPoint2d<T>::Normalize()
{
    if (m_c[0] == T(0) && m_c[1] == T(0))
        throw qzcadcamException(qzcadcamException::ZERO_LENGTH_VECTOR);
    *this /= ~*this;
    return *this;
}

template <class T> qzTPoint2d<T> qzTPoint2d<T>::Normalized() const
{
    qzTPoint2d copy(*this);
    return copy.Normalize();
}

template <class T> T qzTPoint3d<T>::operator~() const
{
    return std::sqrt(Length2());
}

template <class T> qzTPoint3d<T>& qzTPoint3d<T>::Normalize()
{
    if (m_c[0] == T(0) && m_c[1] == T(0) && m_c[2] == T(0))
        throw qzcadcamException(qzcadcamException::ZERO_LENGTH_VECTOR);
    return *this /= ~*this;
}

template <class T> qzTPoint3d<T> qzTPoint3d<T>::Normalized() const
{
    qzTPoint3d copy(*this);
    return copy.Normalize();
}

template <class T>
T qzTPointUtils<qzTPoint3d<T>>::GetDistanceLineSegmentPoint(const qzTPoint3d<T>& a, const qzTPoint3d<T>& b,
                                                           const qzTPoint3d<T>& p)
{
    const qzTPoint3d<T> d = b - a;
    const qzTPoint3d<T> w = p - a;
    const T dd = d.Length2();
    if (dd < T(1e-24))
        return ~(w - d * T(0.5));
    const T t = Dot(w, d) / dd;
    if (t <= T(0))
        return ~w;
    if (t >= T(1))
        return ~(w - d);
    return ~(w - d * t);
}

template class qzTPoint2d<float>;
template class qzTPoint2d<double>;
template class qzTPoint3d<float>;
template class qzTPoint3d<double>;
template class qzTPointUtils<qzTPoint3d<float>>;
template class qzTPointUtils<qzTPoint3d<double>>;
} // namespace cadcam
