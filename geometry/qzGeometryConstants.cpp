#include "geometry/qzGeometryConstants.h"

#include "tessaform_export.h"

#include <cmath>

namespace cadcam
{
namespace
{
template <class T> constexpr T kDegree = static_cast<T>(3.14159265358979323846 / 180.0);
}

template <class T> T SinDeg(const T& degrees)
{
    // Whole turns are taken off exactly first, so that 450 or -540 hit the exact values too.
    const T a = std::fmod(degrees, T(360));
    if (a == T(-180) || a == T(180) || a == T(0))
        return T(0);
    return std::sin(a * kDegree<T>);
}

template <class T> T CosDeg(const T& degrees)
{
    const T a = std::fmod(degrees, T(360));
    if (a == T(-90) || a == T(90) || a == T(-270) || a == T(270))
        return T(0);
    return std::cos(a * kDegree<T>);
}

template TESSAFORM_API float SinDeg<float>(const float&);
template TESSAFORM_API double SinDeg<double>(const double&);
template TESSAFORM_API float CosDeg<float>(const float&);
template TESSAFORM_API double CosDeg<double>(const double&);
} // namespace cadcam
