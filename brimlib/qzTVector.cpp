#include "brimlib/qzTVector.h"

#include "brimlib/qzException.h"

#include <cmath>

namespace mathdef
{
namespace
{
[[noreturn]] void ThrowZeroVector()
{
    throw misc::qzMathException("Cannot normalize a zero vector", misc::qzMathException::DIVISION_BY_ZERO);
}
} // namespace

template <class T> T qzTVector2<T>::Length() const
{
    return std::hypot(m_x, m_y);
}

template <class T> qzTVector2<T>& qzTVector2<T>::Normalize()
{
    const T length = Length();
    if (length == T(0))
        ThrowZeroVector();
    m_x /= length;
    m_y /= length;
    return *this;
}

template <class T> T qzTVector3<T>::Length() const
{
    return std::sqrt(Dot(*this));
}

template <class T> qzTVector3<T>& qzTVector3<T>::Normalize()
{
    const T length = Length();
    if (length == T(0))
        ThrowZeroVector();
    m_x /= length;
    m_y /= length;
    m_z /= length;
    return *this;
}

template <class T> void qzTVector3<T>::GenerateOrthonormalBasis(qzTVector3& u, qzTVector3& v, qzTVector3& w)
{
    w.Normalize();
    // u is perpendicular to w, built from w's two largest components for stability.
    if (std::abs(w.m_x) >= std::abs(w.m_y))
    {
        const T inverse = T(1) / std::sqrt(w.m_x * w.m_x + w.m_z * w.m_z);
        u = qzTVector3(-w.m_z * inverse, T(0), w.m_x * inverse);
    }
    else
    {
        const T inverse = T(1) / std::sqrt(w.m_y * w.m_y + w.m_z * w.m_z);
        u = qzTVector3(T(0), w.m_z * inverse, -w.m_y * inverse);
    }
    v = w.Cross(u);
}

template class qzTVector2<float>;
template class qzTVector2<double>;
template class qzTVector3<float>;
template class qzTVector3<double>;
} // namespace mathdef

template <class T> bool qzVectorUtils<T>::AreParallel(const cadcam::qzTPoint3d<T>& a, const cadcam::qzTPoint3d<T>& b)
{
    // In double: the squared lengths of float vectors stay finite and exact enough.
    const double ax = a.x(), ay = a.y(), az = a.z(), bx = b.x(), by = b.y(), bz = b.z();
    const double cx = ay * bz - az * by, cy = az * bx - ax * bz, cz = ax * by - ay * bx;
    const double cross2 = cx * cx + cy * cy + cz * cz;
    const double scale2 = (ax * ax + ay * ay + az * az) * (bx * bx + by * by + bz * bz);
    return cross2 <= 1e-18 * scale2;
}

template class qzVectorUtils<float>;
template class qzVectorUtils<double>;
