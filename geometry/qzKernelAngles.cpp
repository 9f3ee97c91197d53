#include "geometry/qzKernelAngles.h"

#include "brimlib/qzException.h"

#include <cmath>
#include <type_traits>

namespace cadcam
{
namespace
{
template <class T> constexpr T kPi = static_cast<T>(3.14159265358979323846);
// Angles near 0 and pi come out of acos with errors far above the unit roundoff, so they are
// snapped with a tolerance that suits the precision.
template <class T> constexpr T kTolerance = std::is_same<T, float>::value ? T(1e-6) : T(1e-12);
} // namespace

template <class T> T SafeAcos(const T& x)
{
    if (x > T(1.000000000001) || std::abs(x - T(1)) <= T(1e-10))
        return T(0);
    if (x < T(-1.000000000001) || std::abs(x + T(1)) < T(1e-10))
        return kPi<T>;
    return std::acos(x);
}

template <class T> T AngleBetween(const qzTPoint2d<T>& u, const qzTPoint2d<T>& v)
{
    const qzTPoint2d<T> a = u.Normalized(), b = v.Normalized();
    const T d = Dot(a, b);
    if (std::abs(d - T(1)) <= kTolerance<T>)
        return T(0);
    if (std::abs(d + T(1)) < kTolerance<T>)
        return kPi<T>;
    // acos(d), but through atan2: acos loses half the digits near 0 and pi, and SweepThrough
    // compares sums of these angles far below that error.
    return std::atan2(std::abs(a.x() * b.y() - a.y() * b.x()), d);
}

template <class T> T PolarAngle(const qzTPoint2d<T>& u)
{
    const qzTPoint2d<T> a = u.Normalized();
    if (std::abs(a.x() - T(1)) < kTolerance<T>)
        return T(0);
    // acos(a.x) mirrored below the x axis, through atan2 for the same reason as above.
    const T t = std::atan2(std::abs(a.y()), a.x());
    return u.y() >= T(0) ? t : T(2) * kPi<T> - t;
}

template <class T> T SweepThrough(const qzTPoint2d<T>& a, const qzTPoint2d<T>& b, const qzTPoint2d<T>& c)
{
    const T theta = AngleBetween(a, c);
    if (std::abs(theta - kPi<T>) < kTolerance<T>)
        return kPi<T>;
    if (~(a - b) < kTolerance<T> || ~(c - b) < kTolerance<T>)
        throw misc::qzException(0, "Inner point is equal with start point or end point.");
    if (~(a - c) < kTolerance<T>)
        return T(2) * kPi<T>;
    const T alpha = AngleBetween(a, b);
    const T beta = AngleBetween(c, b);
    // B inside the smaller angle AOC splits it: alpha + beta = theta. Outside it the sum is
    // larger, never smaller, so only an excess marks B as outside; a deficit comes from alpha
    // or beta snapped to 0 with B just inside next to A or C.
    return alpha + beta - theta < kTolerance<T> ? theta : T(2) * kPi<T> - theta;
}

template TESSAFORM_API float SafeAcos<float>(const float&);
template TESSAFORM_API double SafeAcos<double>(const double&);
template TESSAFORM_API float AngleBetween<float>(const qzTPoint2d<float>&, const qzTPoint2d<float>&);
template TESSAFORM_API double AngleBetween<double>(const qzTPoint2d<double>&, const qzTPoint2d<double>&);
template TESSAFORM_API float PolarAngle<float>(const qzTPoint2d<float>&);
template TESSAFORM_API double PolarAngle<double>(const qzTPoint2d<double>&);
template TESSAFORM_API float SweepThrough<float>(const qzTPoint2d<float>&, const qzTPoint2d<float>&,
                                                 const qzTPoint2d<float>&);
template TESSAFORM_API double SweepThrough<double>(const qzTPoint2d<double>&, const qzTPoint2d<double>&,
                                                   const qzTPoint2d<double>&);
} // namespace cadcam
