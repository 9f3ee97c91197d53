// Appends a 3D point or line to a 3D polyline.
#pragma once

#include "geometry/qz3dObject.h"

namespace cadcam
{
/// Visitor behind qz3dPolyLine::AddGeometry: points and lines are added (shared); every other
/// kind is refused with a misc::qzException.
template <class T> class TESSAFORM_API qz3dPolyLineCaster : public qz3dConstGeometryVisitor<T>
{
public:
    /// Prepares to append `source` to `target` (which must outlive it) when `source` accepts it.
    qz3dPolyLineCaster(qz3dPolyLine<T>& target, misc::qzAutoPointer<qz3dGeometry<T>> source);
    ~qz3dPolyLineCaster() override;

    using qz3dConstGeometryVisitor<T>::Visit;
    void Visit(const qz3dPolyLine<T>&) const override;
    void Visit(const qz3dClosedContour<T>&) const override;
    void Visit(const qz3dContour<T>&) const override;
    void Visit(const qz3dSpline<T>&) const override;
    void Visit(const qz3dCurve<T>&) const override;
    void Visit(const qz3dArc<T>&) const override;
    void Visit(const qz3dLine<T>&) const override;
    void Visit(const qz3dPoint<T>&) const override;
    void Visit(const qz3dGeometry<T>&) const override;

private:
    qz3dPolyLine<T>& m_target;
    misc::qzAutoPointer<qz3dGeometry<T>> m_source;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz3dPolyLineCaster<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dPolyLineCaster<double>;
} // namespace cadcam
