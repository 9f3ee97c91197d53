// Appends an element to a 2D polyline where the element is a chain of segments.
#pragma once

#include "geometry/qz2dGeometry.h"

namespace cadcam
{
/// Visitor behind qz2dPolyLine::AddGeometry: a point is added as a vertex, a line as its two
/// end points, a polyline as its vertices (all shared, not copied). Curves, contours and
/// unknown kinds are refused with a misc::qzException naming what to do instead.
template <class T> class TESSAFORM_API qz2dPolyLineCaster : public qz2dConstGeometryVisitor<T>
{
public:
    /// Prepares to append `source` to `target` (which must outlive it) when `source` accepts it.
    qz2dPolyLineCaster(qz2dPolyLine<T>& target, misc::qzAutoPointer<qz2dGeometry<T>> source);
    ~qz2dPolyLineCaster() override;

    using qz2dConstGeometryVisitor<T>::Visit;

    void Visit(const qz2dCurve<T>&) const override;
    void Visit(const qz2dPolyLine<T>&) const override;
    void Visit(const qz2dClosedContour<T>&) const override;
    void Visit(const qz2dContour<T>&) const override;
    void Visit(const qz2dSpline<T>&) const override;
    void Visit(const qz2dEllipse<T>&) const override;
    void Visit(const qz2dParabola<T>&) const override;
    void Visit(const qz2dArc<T>&) const override;
    void Visit(const qz2dLine<T>&) const override;
    void Visit(const qz2dPoint<T>&) const override;
    void Visit(const qz2dGeometry<T>&) const override;

private:
    qz2dPolyLine<T>& m_target;
    misc::qzAutoPointer<qz2dGeometry<T>> m_source;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dPolyLineCaster<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dPolyLineCaster<double>;
} // namespace cadcam
