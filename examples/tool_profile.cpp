// Builds the half-profile of a ball-nose end mill from lines and arcs (x = radius, y = height),
// polygonizes it at two tolerances and prints what came out.
#include "tessaform.h"

#include <cstdio>

using misc::qzAutoPointer;
using Point = cadcam::qz2dPoint<double>;
using Geometry = cadcam::qz2dGeometry<double>;

namespace
{
qzAutoPointer<Point> P(double x, double y)
{
    return qzAutoPointer<Point>(new Point(x, y));
}

void AddLine(cadcam::qz2dContour<double>& contour, double x0, double y0, double x1, double y1)
{
    contour.AddGeometry(qzAutoPointer<Geometry>(new cadcam::qz2dLine<double>(P(x0, y0), P(x1, y1))));
}
} // namespace

int main()
{
    // Ball of radius 5 at the tip, flute to height 30, a 45-degree chamfer down to the shank of
    // radius 4, then a fillet of radius 1 into the shank shoulder at height 60.
    cadcam::qz2dContour<double> profile;
    profile.AddGeometry(qzAutoPointer<Geometry>(new cadcam::qz2dArc<double>(P(0, 5), 5.0, 270.0, 90.0)));
    AddLine(profile, 5, 5, 5, 30);
    AddLine(profile, 5, 30, 4, 31);
    AddLine(profile, 4, 31, 4, 55);
    profile.AddGeometry(qzAutoPointer<Geometry>(new cadcam::qz2dArc<double>(P(5, 55), 1.0, 180.0, -90.0)));
    AddLine(profile, 5, 56, 6, 56);
    AddLine(profile, 6, 56, 6, 60);
    AddLine(profile, 6, 60, 0, 60);

    const cadcam::qz2dBoundingBox<double>& box = profile.GetBoundingBox();
    std::printf("profile: %zu elements, length %.6f, continuous: %s, box (%g, %g) - (%g, %g)\n", profile.GetSize(),
                profile.GetLength(), profile.IsContinuous(1e-9) ? "yes" : "no", box.GetMinX(), box.GetMinY(),
                box.GetMaxX(), box.GetMaxY());

    for (double tolerance : {0.01, 0.0001})
    {
        qzAutoPointer<cadcam::qz2dPolyLine<double>> polyline(new cadcam::qz2dPolyLine<double>());
        cadcam::qz2dGeometryPolygonizer<double> polygonizer(tolerance, polyline);
        profile.AcceptVisitor(polygonizer);
        std::printf("tolerance %-7g: %zu vertices, %zu segments, length %.6f (%.2e shorter than the profile)\n",
                    tolerance, polyline->GetPointCount(), polyline->GetSize(), polyline->GetLength(),
                    profile.GetLength() - polyline->GetLength());
    }
    return 0;
}
