#include "brimlib/qz2dPolygonOffseter.h"

#include "geometry/qz2dGeometryPolygonizer.h"
#include "geometry/qz2dLine.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <vector>

namespace cadcam
{
namespace
{
struct XY
{
    double x, y;
};
} // namespace

template <class T>
qz2dPolygonOffseter<T>::qz2dPolygonOffseter(int offsetDir, int startCrossoverHandling, int endCrossoverHandling)
    : m_offsetDir(offsetDir), m_startCrossover(startCrossoverHandling), m_endCrossover(endCrossoverHandling)
{
}

template <class T>
misc::qzAutoPointer<qz2dContour<T>> qz2dPolygonOffseter<T>::Offset(const qz2dContour<T>& contour, T distance) const
{
    if (distance == T(0))
        return misc::qzMakeAutoPointer<qz2dContour<T>>(contour);

    // Fine polygonization; the offset itself works on integers (Clipper), scaled so that the
    // largest coordinate keeps about twelve significant digits.
    const auto& box = contour.GetBoundingBox();
    const double size = std::hypot(double(box.GetMaxX()) - box.GetMinX(), double(box.GetMaxY()) - box.GetMinY());
    const T tolerance = T(std::max(size * 1e-5, 1e-7));
    auto polyline = misc::qzMakeAutoPointer<qz2dPolyLine<T>>();
    contour.AcceptVisitor(qz2dGeometryPolygonizer<T>(tolerance, polyline));

    std::vector<XY> ring;
    for (const auto& p : polyline->GetPoints())
        ring.push_back({double(p->x()), double(p->y())});
    if (ring.size() > 1 && ring.front().x == ring.back().x && ring.front().y == ring.back().y)
        ring.pop_back();
    auto result = misc::qzMakeAutoPointer<qz2dContour<T>>();
    if (ring.size() < 3)
        return result;

    double extent = std::fabs(double(distance));
    for (const auto& p : ring)
        extent = std::max({extent, std::fabs(p.x), std::fabs(p.y)});
    if (!std::isfinite(extent))
        return result;
    const double scale = 1e12 / std::max(extent, 1e-300);

    ClipperLib::Path path;
    for (const auto& p : ring)
        path.emplace_back(ClipperLib::cInt(std::llround(p.x * scale)), ClipperLib::cInt(std::llround(p.y * scale)));
    // Clipper grows a lone polygon for a positive delta whatever its orientation. To the left
    // of a counter-clockwise contour is inside. The orientation is taken from the scaled
    // integer ring, whose area cannot overflow as that of coordinates beyond 1e154 does.
    const bool counterClockwise = ClipperLib::Orientation(path);
    const bool inward = (m_offsetDir == 0) == counterClockwise;
    const double delta = (inward ? -1.0 : 1.0) * double(distance) * scale;
    ClipperLib::ClipperOffset offsetter;
    offsetter.ArcTolerance = std::max(double(tolerance) * scale, 0.25);
    offsetter.AddPath(path, ClipperLib::jtRound, ClipperLib::etClosedPolygon);
    ClipperLib::Paths pieces;
    offsetter.Execute(pieces, delta);
    if (pieces.empty())
        return result;

    const auto largest = std::max_element(pieces.begin(), pieces.end(), [](const auto& a, const auto& b) {
        return std::fabs(ClipperLib::Area(a)) < std::fabs(ClipperLib::Area(b));
    });
    std::vector<XY> out;
    for (const auto& p : *largest)
        out.push_back({double(p.X) / scale, double(p.Y) / scale});
    if (ClipperLib::Orientation(*largest) != counterClockwise)
        std::reverse(out.begin(), out.end());

    std::vector<misc::qzAutoPointer<qz2dPoint<T>>> points;
    for (const auto& p : out)
        points.push_back(misc::qzMakeAutoPointer<qz2dPoint<T>>(T(p.x), T(p.y)));
    for (std::size_t i = 0; i < points.size(); ++i)
        result->AddGeometry(misc::qzMakeAutoPointer<qz2dLine<T>>(points[i], points[(i + 1) % points.size()]));
    return result;
}

template class qz2dPolygonOffseter<float>;
template class qz2dPolygonOffseter<double>;
} // namespace cadcam
