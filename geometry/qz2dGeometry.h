// Abstract base of the 2D elements.
#pragma once

#include "brimlib/qzAutoPointer.h"
#include "geometry/qz2dBoundingBox.h"
#include "geometry/qz2dGeometryVisitor.h"

namespace cadcam
{
/// A planar element: point, line, arc, conic, spline, contour or polyline. Angles in degrees.
///
/// Elements are shared through misc::qzAutoPointer; an element never holds a raw pointer to
/// another one. Bounding boxes and lengths are cached: mutators of the element itself invalidate
/// them, but an element does not notice changes made to the points it shares with others.
template <class T> class TESSAFORM_API qz2dGeometry
{
public:
    qz2dGeometry();
    /// Copies the box and whether it needs recomputing.
    ///@{
    qz2dGeometry(const qz2dGeometry& other);
    qz2dGeometry& operator=(const qz2dGeometry& other);
    ///@}

    /// Calls the visitor's const Visit for the element's own kind (qz2dGeometry here, for
    /// element kinds the visitor does not know).
    virtual void AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const;
    /// Calls the visitor's mutable Visit for the element's own kind, so the visitor may change it.
    virtual void AcceptVisitor(qz2dGeometryVisitor<T>& visitor);
    /// The box, recomputed first where the class computes it lazily.
    virtual const qz2dBoundingBox<T>& GetBoundingBox() const;
    /// The start point; empty for an empty contour.
    virtual misc::qzAutoPointer<qz2dPoint<T>> GetStartPoint() const = 0;
    /// The end point (shared or a fresh copy, by kind); empty for an empty contour.
    virtual misc::qzAutoPointer<qz2dPoint<T>> GetEndPoint() const = 0;
    /// True for a single curve element, false for a point, computed for contours.
    virtual bool IsContinuous(const T& tolerance) const = 0;
    /// Arc length (signed for a clockwise arc).
    virtual T GetLength() const = 0;
    /// Reverses the direction of travel in place.
    virtual void Reverse() = 0;
    virtual ~qz2dGeometry();

protected:
    /// Marks the box for recomputation by the next GetBoundingBox of a lazy class.
    void InvalidateBox() const { m_boxDirty = true; }
    /// Whether the box must be recomputed before its next use.
    bool IsBoxDirty() const { return m_boxDirty; }
    /// The box for classes that compute it; clears the dirty flag.
    qz2dBoundingBox<T>& Box() const
    {
        m_boxDirty = false;
        return m_box;
    }

private:
    mutable qz2dBoundingBox<T> m_box;
    mutable bool m_boxDirty;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dGeometry<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dGeometry<double>;
} // namespace cadcam
