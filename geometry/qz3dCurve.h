// 3D curve kinds: circular arc, parametric curve and spline.
#pragma once

#include "geometry/qz3dPoint.h"

#include <functional>
#include <vector>

namespace cadcam
{
/// A circular arc: centre, unit axis, start point and sweep in radians (counter-clockwise
/// about the axis). Its box holds every axis extreme it passes.
template <class T> class TESSAFORM_API qz3dArc : public qz3dGeometry<T>
{
public:
    qz3dArc();
    /// The arc that turns `start` by `sweep` radians about `axis` through `center`; the axis is
    /// used as given, so pass a unit vector.
    qz3dArc(const qzTPoint3d<T>& center, const qzTPoint3d<T>& axis, const qzTPoint3d<T>& start, const T& sweep);
    ~qz3dArc() override;

    using qz3dGeometry<T>::AcceptVisitor;
    void AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dGeometryVisitor<T>& visitor) override;
    const qz3dBoundingBox<T>& GetBoundingBox() const override;
    misc::qzAutoPointer<qz3dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz3dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    /// radius * |sweep|
    T GetLength() const override;
    void Reverse() override;

    /// The point after turning the start point by `angle` (radians) about the axis.
    qzTPoint3d<T> GetPointAt(const T& angle) const;
    /// A point of the rotation axis; the circle's centre when the start lies in its normal plane.
    const qzTPoint3d<T>& GetCenter() const { return m_center; }
    /// The axis the arc turns about, as given.
    const qzTPoint3d<T>& GetAxis() const { return m_axis; }
    /// Signed sweep in radians; positive turns counter-clockwise seen from the axis' tip.
    const T& GetSweep() const { return m_sweep; }

private:
    qzTPoint3d<T> m_center;
    qzTPoint3d<T> m_axis;
    qzTPoint3d<T> m_start;
    T m_sweep;
};

/// A parametric curve p(t), t in [0, 1]; length and box are those of 50 chords.
template <class T> class TESSAFORM_API qz3dCurve : public qz3dGeometry<T>
{
public:
    /// The curve's point at parameter t in [0, 1].
    using Function = std::function<qzTPoint3d<T>(const T& t)>;

    qz3dCurve();
    /// The curve traced by `function`; without one, every evaluation throws "Not implemented".
    explicit qz3dCurve(Function function);
    ~qz3dCurve() override;

    using qz3dGeometry<T>::AcceptVisitor;
    void AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dGeometryVisitor<T>& visitor) override;
    const qz3dBoundingBox<T>& GetBoundingBox() const override;
    misc::qzAutoPointer<qz3dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz3dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    T GetLength() const override;
    void Reverse() override;

    /// The point at parameter t ("Not implemented" without a function).
    qzTPoint3d<T> Evaluate(const T& t) const;

private:
    Function m_function;
    bool m_reversed;
};

/// A spline given by its control points; ends, box and length are those of the control polygon.
template <class T> class TESSAFORM_API qz3dSpline : public qz3dGeometry<T>
{
public:
    qz3dSpline();
    /// The spline of `controlPoints`, in travel order.
    explicit qz3dSpline(std::vector<qzTPoint3d<T>> controlPoints);
    ~qz3dSpline() override;

    using qz3dGeometry<T>::AcceptVisitor;
    void AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dGeometryVisitor<T>& visitor) override;
    const qz3dBoundingBox<T>& GetBoundingBox() const override;
    misc::qzAutoPointer<qz3dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz3dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    T GetLength() const override;
    void Reverse() override;

    /// The control points, in travel order.
    const std::vector<qzTPoint3d<T>>& GetControlPoints() const { return m_controlPoints; }

private:
    std::vector<qzTPoint3d<T>> m_controlPoints;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz3dArc<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dArc<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dCurve<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dCurve<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dSpline<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dSpline<double>;
} // namespace cadcam
