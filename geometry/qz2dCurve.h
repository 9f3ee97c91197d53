// 2D free-form curves: a parametric curve and a spline given by its control points.
#pragma once

#include "geometry/qz2dPoint.h"
#include "geometry/qzTPoint.h"

#include <functional>
#include <vector>

namespace cadcam
{
/// A parametric curve p(t), t in [0, 1]. It approximates itself by a polyline on request;
/// length and box are those of the approximation with 50 segments.
template <class T> class TESSAFORM_API qz2dCurve : public qz2dGeometry<T>
{
public:
    /// The curve's point at parameter t in [0, 1].
    using Function = std::function<qzTPoint2d<T>(const T& t)>;

    qz2dCurve();
    /// The curve traced by `function`; without one, every evaluation throws "Not implemented".
    explicit qz2dCurve(Function function);
    /// Copies the function and the direction of travel.
    ///@{
    qz2dCurve(const qz2dCurve& other);
    qz2dCurve& operator=(const qz2dCurve& other);
    ///@}
    ~qz2dCurve() override;

    void AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz2dGeometryVisitor<T>& visitor) override;
    const qz2dBoundingBox<T>& GetBoundingBox() const override;
    misc::qzAutoPointer<qz2dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz2dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    T GetLength() const override;
    /// Runs the parameter the other way.
    void Reverse() override;

    /// Appends p(i / count) for i = 0 ... count to the polyline ("Not implemented" without a
    /// function).
    virtual void Approximate(qz2dPolyLine<T>& polyline, unsigned count) const;
    /// The point at parameter t.
    qzTPoint2d<T> Evaluate(const T& t) const;

private:
    Function m_function;
    bool m_reversed;
};

/// A spline given by its control points. Only what does not depend on the spline's basis is
/// offered: its ends are the first and last control points, its box and length are those of
/// the control polygon (which holds the curve, and is at least as long).
template <class T> class TESSAFORM_API qz2dSpline : public qz2dGeometry<T>
{
public:
    qz2dSpline();
    /// The spline of `controlPoints`, in travel order.
    explicit qz2dSpline(std::vector<qzTPoint2d<T>> controlPoints);
    /// Copies the control points.
    ///@{
    qz2dSpline(const qz2dSpline& other);
    qz2dSpline& operator=(const qz2dSpline& other);
    ///@}
    ~qz2dSpline() override;

    void AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz2dGeometryVisitor<T>& visitor) override;
    const qz2dBoundingBox<T>& GetBoundingBox() const override;
    /// "Accessing NULL pointer" without control points, as for an empty element pointer.
    ///@{
    misc::qzAutoPointer<qz2dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz2dPoint<T>> GetEndPoint() const override;
    ///@}
    bool IsContinuous(const T& tolerance) const override;
    T GetLength() const override;
    void Reverse() override;

    /// The control points, in travel order.
    ///@{
    const std::vector<qzTPoint2d<T>>& GetControlPoints() const { return m_controlPoints; }
    void SetControlPoints(std::vector<qzTPoint2d<T>> controlPoints);
    ///@}

private:
    std::vector<qzTPoint2d<T>> m_controlPoints;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dCurve<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dCurve<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dSpline<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dSpline<double>;
} // namespace cadcam
