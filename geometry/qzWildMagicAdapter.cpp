#include "geometry/qzWildMagicAdapter.h"

#include <Wm5Arc2.h>
#include <Wm5IntrLine2Line2.h>
#include <Wm5IntrSegment2Arc2.h>
#include <Wm5Line2.h>
#include <Wm5Segment2.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace cadcam
{
namespace wildmagic
{
namespace
{
template <class T> Wm5::Vector2<T> ToWm(const Vec2<T>& v)
{
    return Wm5::Vector2<T>(v[0], v[1]);
}

template <class T> Vec2<T> FromWm(const Wm5::Vector2<T>& v)
{
    return Vec2<T>{v.X(), v.Y()};
}

// Only simple counter-clockwise polygons are clipped: anything else has no triangulation that
// covers it once.
struct RingPoint
{
    double x, y;
    bool operator==(const RingPoint& o) const { return x == o.x && y == o.y; }
};

double Cross(const RingPoint& o, const RingPoint& a, const RingPoint& b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool OnSegment(const RingPoint& a, const RingPoint& b, const RingPoint& p)
{
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Closed segments a-b and c-d share a point.
bool Touch(const RingPoint& a, const RingPoint& b, const RingPoint& c, const RingPoint& d)
{
    const double d1 = Cross(a, b, c), d2 = Cross(a, b, d), d3 = Cross(c, d, a), d4 = Cross(c, d, b);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    return (d1 == 0 && OnSegment(a, b, c)) || (d2 == 0 && OnSegment(a, b, d)) || (d3 == 0 && OnSegment(c, d, a)) ||
           (d4 == 0 && OnSegment(c, d, b));
}

template <class T> void RequireSimpleCounterClockwise(const std::vector<Vec2<T>>& positions)
{
    std::vector<RingPoint> ring;
    for (const auto& p : positions)
    {
        if (!std::isfinite(p[0]) || !std::isfinite(p[1]))
            throw std::runtime_error("polygon has a coordinate that is not finite");
        const RingPoint q{double(p[0]), double(p[1])};
        if (ring.empty() || !(ring.back() == q))
            ring.push_back(q);
    }
    while (ring.size() > 1 && ring.front() == ring.back())
        ring.pop_back();
    const std::size_t n = ring.size();
    if (n < 3)
        throw std::runtime_error("polygon has fewer than three corners");
    double twiceArea = 0.0;
    for (std::size_t i = 0; i < n; ++i)
        twiceArea += ring[i].x * ring[(i + 1) % n].y - ring[(i + 1) % n].x * ring[i].y;
    if (!(twiceArea > 0.0))
        throw std::runtime_error("polygon is not counter-clockwise");

    // Sweep over the edges by their smallest x: each edge meets only the edges whose x range
    // is still open. Neighbouring edges share their common corner and must not fold back.
    std::vector<std::size_t> order(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = i;
    const auto lowX = [&](std::size_t e) { return std::min(ring[e].x, ring[(e + 1) % n].x); };
    const auto highX = [&](std::size_t e) { return std::max(ring[e].x, ring[(e + 1) % n].x); };
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return lowX(a) < lowX(b); });
    std::vector<std::size_t> open;
    for (std::size_t e : order)
    {
        const RingPoint& a = ring[e];
        const RingPoint& b = ring[(e + 1) % n];
        std::size_t kept = 0;
        for (std::size_t f : open)
        {
            if (highX(f) < lowX(e))
                continue;
            open[kept++] = f;
            const RingPoint& c = ring[f];
            const RingPoint& d = ring[(f + 1) % n];
            const bool next = (e + 1) % n == f, previous = (f + 1) % n == e;
            if (next || previous)
            {
                // Shared corner: only a collinear fold back makes them overlap.
                const RingPoint& shared = next ? b : a;
                const RingPoint& mine = next ? a : b;
                const RingPoint& theirs = next ? d : c;
                if (Cross(shared, mine, theirs) == 0 &&
                    (mine.x - shared.x) * (theirs.x - shared.x) + (mine.y - shared.y) * (theirs.y - shared.y) > 0)
                    throw std::runtime_error("polygon folds back on itself");
                continue;
            }
            if (Touch(a, b, c, d))
                throw std::runtime_error("polygon is not simple");
        }
        open.resize(kept);
        open.push_back(e);
    }
}
} // namespace

template <class T> bool IntersectLines(const Vec2<T>& s0, const Vec2<T>& e0, const Vec2<T>& s1, const Vec2<T>& e1,
                                       Vec2<T>& point)
{
    Wm5::Vector2<T> d0 = ToWm(e0) - ToWm(s0);
    Wm5::Vector2<T> d1 = ToWm(e1) - ToWm(s1);
    d0.Normalize();
    d1.Normalize();
    const Wm5::Line2<T> line0(ToWm(s0), d0), line1(ToWm(s1), d1);
    Wm5::IntrLine2Line2<T> intersection(line0, line1);
    if (!intersection.Find() || intersection.GetQuantity() != 1)
        return false;
    point = FromWm(intersection.GetPoint());
    return true;
}

template <class T>
std::vector<Vec2<T>> IntersectLineArc(const Vec2<T>& s, const Vec2<T>& e, const Vec2<T>& center, T radius,
                                      const Vec2<T>& end0, const Vec2<T>& end1)
{
    Wm5::Vector2<T> direction = ToWm(e) - ToWm(s);
    direction.Normalize();
    // "Unlimited" extent, kept far from overflow when the end points are computed from it.
    const Wm5::Segment2<T> segment((ToWm(s) + ToWm(e)) * T(0.5), direction, std::sqrt(std::numeric_limits<T>::max()));
    const Wm5::Arc2<T> arc(ToWm(center), radius, ToWm(end0), ToWm(end1));
    Wm5::IntrSegment2Arc2<T> intersection(segment, arc);
    std::vector<Vec2<T>> points;
    if (intersection.Find())
        for (int i = 0; i < intersection.GetQuantity(); ++i)
            points.push_back(FromWm(intersection.GetPoint(i)));
    return points;
}

// Ear clipping of our own: Wild Magic's clipper corrupted the heap on some simple polygons
// that fuzzing produced (near-degenerate corners), and nothing outside its sources could tell
// which. This one works on the ring without repeated corners, tests an ear against the
// non-convex corners only (a corner inside the ear implies a non-convex one inside), and
// clips the most convex corner when rounding leaves no ear, so it always ends with n - 2
// triangles.
template <class T> std::vector<int> TriangulateEarClipping(const std::vector<Vec2<T>>& positions)
{
    RequireSimpleCounterClockwise(positions);
    const auto at = [&](int i) { return RingPoint{double(positions[i][0]), double(positions[i][1])}; };
    std::vector<int> ring;
    for (int i = 0; i < static_cast<int>(positions.size()); ++i)
        if (ring.empty() || !(at(ring.back()) == at(i)))
            ring.push_back(i);
    while (ring.size() > 1 && at(ring.front()) == at(ring.back()))
        ring.pop_back();

    const std::size_t n = ring.size();
    std::vector<RingPoint> point(n);
    std::vector<std::size_t> prev(n), next(n);
    for (std::size_t i = 0; i < n; ++i)
    {
        point[i] = at(ring[i]);
        prev[i] = (i + n - 1) % n;
        next[i] = (i + 1) % n;
    }
    const auto turn = [&](std::size_t i) { return Cross(point[prev[i]], point[i], point[next[i]]); };
    // Only a non-convex corner can lie inside an ear. Keeping them in a list, rather than
    // walking the whole ring for every candidate, makes a round offset outline (hundreds of
    // convex corners, few or none concave) cost linear rather than quadratic time.
    std::vector<char> clipped(n, 0), listed(n, 0);
    std::vector<std::size_t> concave;
    const auto noteIfConcave = [&](std::size_t j)
    {
        if (!listed[j] && !(turn(j) > 0))
        {
            listed[j] = 1;
            concave.push_back(j);
        }
    };
    for (std::size_t j = 0; j < n; ++j)
        noteIfConcave(j);
    const auto isEar = [&](std::size_t i)
    {
        if (!(turn(i) > 0))
            return false;
        const RingPoint &a = point[prev[i]], &b = point[i], &c = point[next[i]];
        for (const std::size_t j : concave)
        {
            if (clipped[j] || j == prev[i] || j == i || j == next[i] || turn(j) > 0)
                continue;
            const RingPoint& q = point[j];
            if (Cross(a, b, q) >= 0 && Cross(b, c, q) >= 0 && Cross(c, a, q) >= 0)
                return false;
        }
        return true;
    };

    std::vector<int> triangles;
    triangles.reserve(3 * (n - 2));
    const auto clip = [&](std::size_t i)
    {
        triangles.insert(triangles.end(), {ring[prev[i]], ring[i], ring[next[i]]});
        next[prev[i]] = next[i];
        prev[next[i]] = prev[i];
        clipped[i] = 1;
        // The neighbours' corners changed; a forced clip can make one of them concave.
        noteIfConcave(prev[i]);
        noteIfConcave(next[i]);
    };
    std::size_t i = 0, remaining = n, tried = 0;
    while (remaining > 3)
    {
        if (isEar(i))
        {
            clip(i);
            i = prev[i];
            --remaining;
            tried = 0;
        }
        else if (++tried > remaining)
        {
            std::size_t best = i;
            for (std::size_t j = next[i]; j != i; j = next[j])
                if (turn(j) > turn(best))
                    best = j;
            clip(best);
            i = next[best];
            --remaining;
            tried = 0;
        }
        else
            i = next[i];
    }
    triangles.insert(triangles.end(), {ring[prev[i]], ring[i], ring[next[i]]});
    return triangles;
}

template TESSAFORM_API bool IntersectLines(const Vec2<float>&, const Vec2<float>&, const Vec2<float>&,
                                           const Vec2<float>&, Vec2<float>&);
template TESSAFORM_API bool IntersectLines(const Vec2<double>&, const Vec2<double>&, const Vec2<double>&,
                                           const Vec2<double>&, Vec2<double>&);
template TESSAFORM_API std::vector<Vec2<float>> IntersectLineArc(const Vec2<float>&, const Vec2<float>&,
                                                                 const Vec2<float>&, float, const Vec2<float>&,
                                                                 const Vec2<float>&);
template TESSAFORM_API std::vector<Vec2<double>> IntersectLineArc(const Vec2<double>&, const Vec2<double>&,
                                                                  const Vec2<double>&, double, const Vec2<double>&,
                                                                  const Vec2<double>&);
template TESSAFORM_API std::vector<int> TriangulateEarClipping(const std::vector<Vec2<float>>&);
template TESSAFORM_API std::vector<int> TriangulateEarClipping(const std::vector<Vec2<double>>&);
} // namespace wildmagic
} // namespace cadcam
