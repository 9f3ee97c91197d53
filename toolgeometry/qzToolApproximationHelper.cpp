#include "toolgeometry/qzToolApproximationHelper.h"

#include "geometry/qz2dContourTransformationFactory.h"
#include "geometry/qz2dGeometrySplit.h"
#include "geometry/qzMatrix.h"

#include <algorithm>

namespace cadcam
{
namespace
{
using Split = intersect::qz2dContourSplit<double, qz2dContour<double>>;
using Matrix = qzMatrix<double, 3, 3>;

misc::qzAutoPointer<qz2dPoint<double>> Point(double x, double y)
{
    return misc::qzAutoPointer<qz2dPoint<double>>(new qz2dPoint<double>(x, y));
}
} // namespace

void qzToolApproximationHelper<double>::ExtractToolProfileParts(const qz2dContour<double>& profile,
                                                                const double& h, qz2dContour<double>& below,
                                                                qz2dContour<double>& above)
{
    if (profile.GetSize() == 0)
        return;
    const qz2dBoundingBox<double>& box = profile.GetBoundingBox();
    // Reaching past the box on both sides, so that no piece of the profile lies beyond the
    // cutter's ends; left to right, so that below is on its right.
    const double margin = std::max(1.0, box.GetMaxX() - box.GetMinX());
    const qz2dLine<double> cutter(Point(box.GetMinX() - margin, h), Point(box.GetMaxX() + margin, h));
    Split split(cutter, above, below, Split::AddToSecond);
    profile.AcceptVisitor(split);
}

void qzToolApproximationHelper<double>::ExtractToolProfileParts(const qz2dContour<double>& profile,
                                                                const double& h1, const double& h2,
                                                                qz2dContour<double>& part1,
                                                                qz2dContour<double>& part2,
                                                                qz2dContour<double>& part3)
{
    qz2dContour<double> rest;
    ExtractToolProfileParts(profile, h1, part1, rest);
    ExtractToolProfileParts(rest, h2, part2, part3);
}

void qzToolApproximationHelper<double>::ExtractToolProfileParts(const qz2dContour<double>& profile,
                                                                const double& h1, const double& h2,
                                                                const double& h3, qz2dContour<double>& part1,
                                                                qz2dContour<double>& part2,
                                                                qz2dContour<double>& part3,
                                                                qz2dContour<double>& part4)
{
    qz2dContour<double> rest;
    ExtractToolProfileParts(profile, h1, h2, part1, part2, rest);
    ExtractToolProfileParts(rest, h3, part3, part4);
}

misc::qzAutoPointer<qz2dContour<double>>
qzToolApproximationHelper<double>::ShiftContourOnY(const qz2dContour<double>& contour, const double& dy)
{
    Matrix m;
    m[1][2] = dy;
    return qz2dContourTransformationFactory<double>::Transform(contour, m);
}

misc::qzAutoPointer<qz2dContour<double>>
qzToolApproximationHelper<double>::ScaleContour(const qz2dContour<double>& contour, const double& s)
{
    Matrix m;
    m[0][0] = s;
    m[1][1] = s;
    return qz2dContourTransformationFactory<double>::Transform(contour, m);
}

misc::qzAutoPointer<qz2dContour<double>>
qzToolApproximationHelper<double>::MirrorContour(const qz2dContour<double>& contour, bool aboutXAxis)
{
    Matrix m;
    m[0][0] = aboutXAxis ? 1.0 : -1.0;
    m[1][1] = aboutXAxis ? -1.0 : 1.0;
    return qz2dContourTransformationFactory<double>::Transform(contour, m);
}

misc::qzAutoPointer<qz2dContour<double>>
qzToolApproximationHelper<double>::RotateContour(const qz2dContour<double>& contour, double angle)
{
    return qz2dContourTransformationFactory<double>::Transform(
        contour, qzMatrixTransformationsFactory<double>::Create2dRotation(angle));
}
} // namespace cadcam
