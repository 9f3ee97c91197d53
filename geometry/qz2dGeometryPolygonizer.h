// Turns 2D elements into polyline vertices within a chord tolerance.
#pragma once

#include "geometry/qz2dPolyLine.h"

namespace cadcam
{
/// Appends the vertices of every element that accepts it to its output polyline, so that no
/// chord strays further than the tolerance from its curve (arcs, parabolas, ellipses); lines
/// and polylines are added as they are, contours member by member, curves by their own
/// 50-segment approximation. Points and splines are refused ("Not implemented"), and so is an
/// arc of radius below 1e-12 ("Arc radius is invalid."), an ellipse without size ("Ellipse axes
/// are invalid.") and a tolerance that gives no usable step ("Polygonization tolerance is
/// invalid.").
template <class T> class TESSAFORM_API qz2dGeometryPolygonizer : public qz2dConstGeometryVisitor<T>
{
public:
    /// A polygonizer appending to the shared `output`, with chords at most `tolerance` (in the
    /// elements' length unit) from their curves.
    qz2dGeometryPolygonizer(const T& tolerance, misc::qzAutoPointer<qz2dPolyLine<T>> output);
    ~qz2dGeometryPolygonizer() override;

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

    /// The output polyline, shared with the caller who gave it.
    const misc::qzAutoPointer<qz2dPolyLine<T>>& GetPolyLine() const { return m_output; }
    /// The chord tolerance given at construction.
    const T& GetTolerance() const { return m_tolerance; }

private:
    T m_tolerance;
    misc::qzAutoPointer<qz2dPolyLine<T>> m_output;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dGeometryPolygonizer<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dGeometryPolygonizer<double>;
} // namespace cadcam
