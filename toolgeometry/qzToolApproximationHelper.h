// Cutting tool profiles into height bands and moving, scaling, mirroring or rotating them.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "geometry/qz2dContour.h"

namespace cadcam
{
template <class T> class qzToolApproximationHelper;

/// Static services on tool half-profiles (x = radius, y = height along the tool axis).
template <> class TESSAFORM_API qzToolApproximationHelper<double>
{
public:
    /// Cuts the profile at height h: pieces below h are appended to `below`, pieces above h or
    /// on it to `above`, in profile order; an element that cannot be split goes whole to
    /// `below`. The cutting line runs left to right at height h across the whole profile box,
    /// with a margin of the box width (at least 1) on both sides, so profiles that start off
    /// the axis or are a single vertical line are cut too. An empty profile adds nothing.
    /// Splitting errors propagate.
    static void ExtractToolProfileParts(const qz2dContour<double>& profile, const double& h,
                                        qz2dContour<double>& below, qz2dContour<double>& above);
    /// Cuts at h1 into part1 (below) and the rest, then the rest at h2 into part2 and part3.
    /// The heights are expected in ascending order.
    static void ExtractToolProfileParts(const qz2dContour<double>& profile, const double& h1,
                                        const double& h2, qz2dContour<double>& part1,
                                        qz2dContour<double>& part2, qz2dContour<double>& part3);
    /// Cuts at h1, h2 and h3 into four bands, lowest first.
    static void ExtractToolProfileParts(const qz2dContour<double>& profile, const double& h1,
                                        const double& h2, const double& h3, qz2dContour<double>& part1,
                                        qz2dContour<double>& part2, qz2dContour<double>& part3,
                                        qz2dContour<double>& part4);

    /// A new contour moved by (0, dy).
    static misc::qzAutoPointer<qz2dContour<double>> ShiftContourOnY(const qz2dContour<double>& contour,
                                                                    const double& dy);
    /// A new contour scaled by s about the origin.
    static misc::qzAutoPointer<qz2dContour<double>> ScaleContour(const qz2dContour<double>& contour,
                                                                 const double& s);
    /// A new contour mirrored about the x axis (y negated) or, when `aboutXAxis` is false,
    /// about the y axis (x negated); arcs change their sense of turning.
    static misc::qzAutoPointer<qz2dContour<double>> MirrorContour(const qz2dContour<double>& contour,
                                                                  bool aboutXAxis);
    /// A new contour rotated about the origin by `angle` radians, counter-clockwise.
    static misc::qzAutoPointer<qz2dContour<double>> RotateContour(const qz2dContour<double>& contour,
                                                                  double angle);
};
} // namespace cadcam
