// The one door to the Wild Magic library: intersections and ear clipping on plain coordinates.
// No other file includes its headers.
#pragma once

#include "tessaform_export.h"

#include <array>
#include <vector>

namespace cadcam
{
namespace wildmagic
{
template <class T> using Vec2 = std::array<T, 2>;

/// Intersection of the infinite lines through (s0, e0) and (s1, e1): true with the point when
/// they meet in exactly one point (parallel or coincident lines give false).
template <class T> bool IntersectLines(const Vec2<T>& s0, const Vec2<T>& e0, const Vec2<T>& s1, const Vec2<T>& e1,
                                       Vec2<T>& point);

/// Intersection of the line through (s, e), taken as a segment of unlimited extent, with the arc
/// of `center` and `radius` that runs counter-clockwise from `end0` to `end1`. Returns the
/// points in the order the library reports them (0 to 2).
template <class T>
std::vector<Vec2<T>> IntersectLineArc(const Vec2<T>& s, const Vec2<T>& e, const Vec2<T>& center, T radius,
                                      const Vec2<T>& end0, const Vec2<T>& end1);

/// Ear clipping of the simple polygon `positions` (counter-clockwise; repeated consecutive
/// corners and a closing repeat are skipped): n - 2 index triples into `positions`, flattened,
/// for its n distinct corners. Throws std::runtime_error when the polygon is not simple and
/// counter-clockwise or has a coordinate that is not finite.
template <class T> std::vector<int> TriangulateEarClipping(const std::vector<Vec2<T>>& positions);
} // namespace wildmagic
} // namespace cadcam
