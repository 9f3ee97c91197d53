// Offsetting of closed planar contours.
#pragma once

#include "tessaform_export.h"
#include "brimlib/qzAutoPointer.h"
#include "geometry/qz2dContour.h"

namespace cadcam
{
/// Moves a closed contour sideways by a distance, with round joins at convex corners.
template <class T> class TESSAFORM_API qz2dPolygonOffseter
{
public:
    /// `offsetDir` 0 offsets to the left of the travel direction, 1 to the right. The crossover
    /// handlings are kept for the caller; the result never crosses itself whatever they say.
    qz2dPolygonOffseter(int offsetDir, int startCrossoverHandling, int endCrossoverHandling);

    /// The contour, taken as closed, moved by `distance` (a negative distance goes to the other
    /// side): a closed contour of lines with the input's orientation, the largest piece when the
    /// offset splits it, empty when nothing is left. A distance of exactly 0 returns a copy
    /// sharing the members.
    misc::qzAutoPointer<qz2dContour<T>> Offset(const qz2dContour<T>& contour, T distance) const;

    /// Offset side given at construction: 0 left of the travel direction, 1 right.
    int GetOffsetDir() const { return m_offsetDir; }
    /// Crossover handlings given at construction, kept as given; they do not change the result.
    ///@{
    int GetStartCrossoverHandling() const { return m_startCrossover; }
    int GetEndCrossoverHandling() const { return m_endCrossover; }
    ///@}

private:
    int m_offsetDir;
    int m_startCrossover;
    int m_endCrossover;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dPolygonOffseter<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dPolygonOffseter<double>;
} // namespace cadcam
