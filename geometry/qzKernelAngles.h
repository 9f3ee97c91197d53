// Angle helpers of the geometry kernel: clamped arc cosine, angles between and of 2D vectors.
#pragma once

#include "geometry/qzTPoint.h"

namespace cadcam
{
/// acos that tolerates arguments rounded just past +-1: 0 above 1 + 1e-12 or within 1e-10
/// of 1, pi below -1 - 1e-12 or within 1e-10 of -1.
template <class T> TESSAFORM_API T SafeAcos(const T& x);

/// Unsigned angle between two vectors in [0, pi], snapped to 0 or pi within 1e-12 (1e-6 for
/// float) of the cosine's ends. qzcadcamException 2189 for a zero vector.
template <class T> TESSAFORM_API T AngleBetween(const qzTPoint2d<T>& u, const qzTPoint2d<T>& v);

/// Counter-clockwise angle of `u` from +x in [0, 2 pi). qzcadcamException 2189 for a zero
/// vector.
template <class T> TESSAFORM_API T PolarAngle(const qzTPoint2d<T>& u);

/// Unsigned angular extent, in radians, of the way from A to C around a common centre that
/// passes B; a, b and c are the vectors from the centre. Pi when A and C are opposite, 2 pi
/// when they coincide; misc::qzException "Inner point is equal with start point or end
/// point." when B coincides with A or C.
template <class T>
TESSAFORM_API T SweepThrough(const qzTPoint2d<T>& a, const qzTPoint2d<T>& b, const qzTPoint2d<T>& c);
} // namespace cadcam
