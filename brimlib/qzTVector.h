// 2D and 3D vectors of the sibling library.
#pragma once

#include "tessaform_export.h"
#include "geometry/qzTPoint.h"

namespace mathdef
{
/// A 2D vector with components of type T (float or double).
template <class T> class TESSAFORM_API qzTVector2
{
public:
    qzTVector2() : m_x(0), m_y(0) {}
    /// The vector (x, y).
    qzTVector2(const T& x, const T& y) : m_x(x), m_y(y) {}

    /// The components.
    ///@{
    const T& X() const { return m_x; }
    const T& Y() const { return m_y; }
    void SetX(const T& x) { m_x = x; }
    void SetY(const T& y) { m_y = y; }
    ///@}

    /// Componentwise sum and difference, and scaling by `s`.
    ///@{
    qzTVector2 operator+(const qzTVector2& v) const { return qzTVector2(m_x + v.m_x, m_y + v.m_y); }
    qzTVector2 operator-(const qzTVector2& v) const { return qzTVector2(m_x - v.m_x, m_y - v.m_y); }
    qzTVector2 operator*(const T& s) const { return qzTVector2(m_x * s, m_y * s); }
    ///@}
    /// Exact comparison of the components, without tolerance.
    ///@{
    bool operator==(const qzTVector2& v) const { return m_x == v.m_x && m_y == v.m_y; }
    bool operator!=(const qzTVector2& v) const { return !(*this == v); }
    ///@}

    /// Dot product.
    T Dot(const qzTVector2& v) const { return m_x * v.m_x + m_y * v.m_y; }
    /// z of the 3D cross product.
    T DotPerp(const qzTVector2& v) const { return m_x * v.m_y - m_y * v.m_x; }
    /// Euclidean length.
    T Length() const;
    /// Makes the vector unit length; a zero vector throws misc::qzMathException.
    qzTVector2& Normalize();

private:
    T m_x, m_y;
};

/// A 3D vector with components of type T (float or double).
template <class T> class TESSAFORM_API qzTVector3
{
public:
    qzTVector3() : m_x(0), m_y(0), m_z(0) {}
    /// The vector (x, y, z).
    qzTVector3(const T& x, const T& y, const T& z) : m_x(x), m_y(y), m_z(z) {}

    /// The components.
    ///@{
    const T& X() const { return m_x; }
    const T& Y() const { return m_y; }
    const T& Z() const { return m_z; }
    void SetX(const T& x) { m_x = x; }
    void SetY(const T& y) { m_y = y; }
    void SetZ(const T& z) { m_z = z; }
    ///@}

    /// Componentwise sum and difference, scaling by `s` and negation.
    ///@{
    qzTVector3 operator+(const qzTVector3& v) const { return qzTVector3(m_x + v.m_x, m_y + v.m_y, m_z + v.m_z); }
    qzTVector3 operator-(const qzTVector3& v) const { return qzTVector3(m_x - v.m_x, m_y - v.m_y, m_z - v.m_z); }
    qzTVector3 operator*(const T& s) const { return qzTVector3(m_x * s, m_y * s, m_z * s); }
    qzTVector3 operator-() const { return qzTVector3(-m_x, -m_y, -m_z); }
    ///@}
    /// Exact comparison of the components, without tolerance.
    ///@{
    bool operator==(const qzTVector3& v) const { return m_x == v.m_x && m_y == v.m_y && m_z == v.m_z; }
    bool operator!=(const qzTVector3& v) const { return !(*this == v); }
    ///@}

    /// Dot product.
    T Dot(const qzTVector3& v) const { return m_x * v.m_x + m_y * v.m_y + m_z * v.m_z; }
    /// Cross product this x v (right-handed).
    qzTVector3 Cross(const qzTVector3& v) const
    {
        return qzTVector3(m_y * v.m_z - m_z * v.m_y, m_z * v.m_x - m_x * v.m_z, m_x * v.m_y - m_y * v.m_x);
    }
    /// Euclidean length.
    T Length() const;
    /// Makes the vector unit length; a zero vector throws misc::qzMathException.
    qzTVector3& Normalize();

    /// Builds a right-handed orthonormal basis (u, v, w) around w, which is normalized first
    /// (it need not have unit length; a zero w throws misc::qzMathException).
    static void GenerateOrthonormalBasis(qzTVector3& u, qzTVector3& v, qzTVector3& w);

private:
    T m_x, m_y, m_z;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzTVector2<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTVector2<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTVector3<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTVector3<double>;
} // namespace mathdef

/// Vector predicates of the sibling library on 3D points taken as directions.
template <class T> class TESSAFORM_API qzVectorUtils
{
public:
    /// True when a and b point along one line, either way: |a x b| <= 1e-9 |a| |b| (a zero
    /// vector is parallel to every vector).
    static bool AreParallel(const cadcam::qzTPoint3d<T>& a, const cadcam::qzTPoint3d<T>& b);
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzVectorUtils<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzVectorUtils<double>;
