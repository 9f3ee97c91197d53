// Constants of the geometry kernel that differ between float and double coordinates.
#pragma once

#include "tessaform_export.h"

#include <limits>

namespace cadcam
{
template <class T> struct qzGeometryConstants;

template <> struct qzGeometryConstants<double>
{
    /// Corner value of an empty bounding box (min = +sentinel, max = -sentinel).
    static constexpr double boxSentinel = 1e308;
    /// Distance below which a 2D polyline treats a new vertex as the previous one.
    static constexpr double coincidence = 1e-12;
    /// Upper limit of an arc radius.
    static constexpr double maxRadius = 1e308;
};

template <> struct qzGeometryConstants<float>
{
    static constexpr float boxSentinel = 3e38f;
    static constexpr float coincidence = 1e-6f;
    // 1e308 has no float value; the largest finite float plays its part.
    static constexpr float maxRadius = std::numeric_limits<float>::max();
};

/// Sine of an angle in degrees; exactly 0 at every multiple of 180.
template <class T> TESSAFORM_API T SinDeg(const T& degrees);
/// Cosine of an angle in degrees; exactly 0 at every odd multiple of 90.
template <class T> TESSAFORM_API T CosDeg(const T& degrees);
} // namespace cadcam
