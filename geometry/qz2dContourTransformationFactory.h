// Applies a 3x3 homogeneous transformation to 2D contours.
#pragma once

#include "geometry/qz2dContour.h"
#include "geometry/qzMatrix.h"

namespace cadcam
{
/// Appends a transformed copy of every element that accepts it to its target contour. The
/// matrix acts on (x, y, 1) without division by the third component. Arcs keep their sweep,
/// negated when the matrix mirrors; an ellipse follows maps that keep its axes on the
/// coordinate axes (shifts, scalings, mirrors, quarter turns) and is refused otherwise.
template <class T> class TESSAFORM_API qz2dContourTransformationFactory : public qz2dConstGeometryVisitor<T>
{
public:
    /// A visitor appending the images under `matrix` (copied) to the shared `target`.
    qz2dContourTransformationFactory(misc::qzAutoPointer<qz2dContour<T>> target, const qzMatrix<T, 3, 3>& matrix);
    ~qz2dContourTransformationFactory() override;

    /// A new contour holding the transformed members of `source`; the source is unchanged.
    static misc::qzAutoPointer<qz2dContour<T>> Transform(const qz2dContour<T>& source, const qzMatrix<T, 3, 3>& matrix);

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

    /// The contour that receives the transformed elements.
    const misc::qzAutoPointer<qz2dContour<T>>& GetTarget() const { return m_target; }

private:
    misc::qzAutoPointer<qz2dPoint<T>> Apply(const qz2dPoint<T>& p) const;

    misc::qzAutoPointer<qz2dContour<T>> m_target;
    qzMatrix<T, 3, 3> m_matrix;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dContourTransformationFactory<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dContourTransformationFactory<double>;
} // namespace cadcam
