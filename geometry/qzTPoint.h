// Plain 2D and 3D coordinate tuples.
#pragma once

#include "tessaform_export.h"

namespace cadcam
{
/// A 2D point or vector: x, y contiguous, so it converts to a pointer to its coordinates.
template <class T> class TESSAFORM_API qzTPoint2d
{
public:
    qzTPoint2d() : m_c{T(0), T(0)} {}
    /// The point (x, y).
    qzTPoint2d(const T& x, const T& y) : m_c{x, y} {}
    /// From a pointer to two values.
    explicit qzTPoint2d(const T* xy) : m_c{xy[0], xy[1]} {}

    /// One coordinate, read or set.
    ///@{
    const T& x() const { return m_c[0]; }
    const T& y() const { return m_c[1]; }
    void x(const T& value) { m_c[0] = value; }
    void y(const T& value) { m_c[1] = value; }
    ///@}

    /// Takes the coordinates from a pointer to two values.
    qzTPoint2d& operator=(const T* xy)
    {
        m_c[0] = xy[0];
        m_c[1] = xy[1];
        return *this;
    }
    /// Adds or subtracts `p` coordinate by coordinate, in place.
    ///@{
    qzTPoint2d& operator+=(const qzTPoint2d& p)
    {
        m_c[0] += p.m_c[0];
        m_c[1] += p.m_c[1];
        return *this;
    }
    qzTPoint2d& operator-=(const qzTPoint2d& p)
    {
        m_c[0] -= p.m_c[0];
        m_c[1] -= p.m_c[1];
        return *this;
    }
    ///@}
    /// Multiplies or divides every coordinate by `s`, in place (no check for 0).
    ///@{
    qzTPoint2d& operator*=(const T& s)
    {
        m_c[0] *= s;
        m_c[1] *= s;
        return *this;
    }
    qzTPoint2d& operator/=(const T& s)
    {
        m_c[0] /= s;
        m_c[1] /= s;
        return *this;
    }
    ///@}
    /// Exact comparison of both coordinates.
    bool operator==(const qzTPoint2d& p) const { return m_c[0] == p.m_c[0] && m_c[1] == p.m_c[1]; }
    /// True when either coordinate differs (exact comparison).
    bool operator!=(const qzTPoint2d& p) const { return !(*this == p); }

    /// Length, without overflow for large coordinates.
    T operator~() const;
    /// Squared length.
    T Length2() const { return m_c[0] * m_c[0] + m_c[1] * m_c[1]; }
    /// Normalizes in place and returns a copy of the result; qzcadcamException 2189 for (0, 0).
    qzTPoint2d Normalize();
    /// A normalized copy; qzcadcamException 2189 for (0, 0).
    qzTPoint2d Normalized() const;

    /// Pointer to x, followed by y.
    ///@{
    operator T*() { return m_c; }
    operator const T*() const { return m_c; }
    ///@}

private:
    T m_c[2];
};

/// A 3D point or vector: x, y, z contiguous.
template <class T> class TESSAFORM_API qzTPoint3d
{
public:
    qzTPoint3d() : m_c{T(0), T(0), T(0)} {}
    /// The point (x, y, z).
    qzTPoint3d(const T& x, const T& y, const T& z) : m_c{x, y, z} {}
    /// From a pointer to three values.
    explicit qzTPoint3d(const T* xyz) : m_c{xyz[0], xyz[1], xyz[2]} {}

    /// One coordinate, read or set.
    ///@{
    const T& x() const { return m_c[0]; }
    const T& y() const { return m_c[1]; }
    const T& z() const { return m_c[2]; }
    void x(const T& value) { m_c[0] = value; }
    void y(const T& value) { m_c[1] = value; }
    void z(const T& value) { m_c[2] = value; }
    ///@}

    /// Takes the coordinates from a pointer to three values.
    qzTPoint3d& operator=(const T* xyz)
    {
        m_c[0] = xyz[0];
        m_c[1] = xyz[1];
        m_c[2] = xyz[2];
        return *this;
    }
    /// Adds or subtracts `p` coordinate by coordinate, in place.
    ///@{
    qzTPoint3d& operator+=(const qzTPoint3d& p)
    {
        m_c[0] += p.m_c[0];
        m_c[1] += p.m_c[1];
        m_c[2] += p.m_c[2];
        return *this;
    }
    qzTPoint3d& operator-=(const qzTPoint3d& p)
    {
        m_c[0] -= p.m_c[0];
        m_c[1] -= p.m_c[1];
        m_c[2] -= p.m_c[2];
        return *this;
    }
    ///@}
    /// Multiplies or divides every coordinate by `s`, in place (no check for 0).
    ///@{
    qzTPoint3d& operator*=(const T& s)
    {
        m_c[0] *= s;
        m_c[1] *= s;
        m_c[2] *= s;
        return *this;
    }
    qzTPoint3d& operator/=(const T& s)
    {
        m_c[0] /= s;
        m_c[1] /= s;
        m_c[2] /= s;
        return *this;
    }
    ///@}
    /// Exact comparison of every coordinate.
    bool operator==(const qzTPoint3d& p) const
    {
        return m_c[0] == p.m_c[0] && m_c[1] == p.m_c[1] && m_c[2] == p.m_c[2];
    }
    /// True when any coordinate differs (exact comparison).
    bool operator!=(const qzTPoint3d& p) const { return !(*this == p); }

    /// Length.
    T operator~() const;
    /// Squared length.
    T Length2() const { return m_c[0] * m_c[0] + m_c[1] * m_c[1] + m_c[2] * m_c[2]; }
    /// Normalizes in place and returns the point; qzcadcamException 2189 for (0, 0, 0).
    qzTPoint3d& Normalize();
    /// A normalized copy; qzcadcamException 2189 for (0, 0, 0).
    qzTPoint3d Normalized() const;

    /// Pointer to x, followed by y and z.
    ///@{
    operator T*() { return m_c; }
    operator const T*() const { return m_c; }
    ///@}

private:
    T m_c[3];
};

template <class T> qzTPoint2d<T> operator+(qzTPoint2d<T> a, const qzTPoint2d<T>& b)
{
    return a += b;
}
template <class T> qzTPoint2d<T> operator-(qzTPoint2d<T> a, const qzTPoint2d<T>& b)
{
    return a -= b;
}
template <class T> qzTPoint2d<T> operator*(qzTPoint2d<T> a, const T& s)
{
    return a *= s;
}
template <class T> T Dot(const qzTPoint2d<T>& a, const qzTPoint2d<T>& b)
{
    return a.x() * b.x() + a.y() * b.y();
}

template <class T> qzTPoint3d<T> operator+(qzTPoint3d<T> a, const qzTPoint3d<T>& b)
{
    return a += b;
}
template <class T> qzTPoint3d<T> operator-(qzTPoint3d<T> a, const qzTPoint3d<T>& b)
{
    return a -= b;
}
template <class T> qzTPoint3d<T> operator*(qzTPoint3d<T> a, const T& s)
{
    return a *= s;
}
template <class T> T Dot(const qzTPoint3d<T>& a, const qzTPoint3d<T>& b)
{
    return a.x() * b.x() + a.y() * b.y() + a.z() * b.z();
}
template <class T> qzTPoint3d<T> Cross(const qzTPoint3d<T>& a, const qzTPoint3d<T>& b)
{
    return qzTPoint3d<T>(a.y() * b.z() - a.z() * b.y(), a.z() * b.x() - a.x() * b.z(), a.x() * b.y() - a.y() * b.x());
}

/// Distance helpers over a point type.
template <class P> class qzTPointUtils;

/// Distance helpers over 3D points of T (float or double).
template <class T> class TESSAFORM_API qzTPointUtils<qzTPoint3d<T>>
{
public:
    /// Distance from p to the segment a-b (to its midpoint when the segment is shorter than 1e-12).
    static T GetDistanceLineSegmentPoint(const qzTPoint3d<T>& a, const qzTPoint3d<T>& b, const qzTPoint3d<T>& p);
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzTPoint2d<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTPoint2d<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTPoint3d<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTPoint3d<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTPointUtils<qzTPoint3d<float>>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTPointUtils<qzTPoint3d<double>>;
} // namespace cadcam
