// 2D circular arc.
#pragma once

#include "geometry/qz2dPoint.h"

namespace cadcam
{
/// A circular arc: centre, radius in [0, 1e308], start angle in [0, 360] degrees
/// (counter-clockwise from +x) and signed sweep in [-360, 360] (positive: counter-clockwise).
/// A value outside its range throws misc::qzRangeException<T> and leaves the arc unchanged.
/// The box holds every axis extreme the arc passes; the length is signed like the sweep.
template <class T> class TESSAFORM_API qz2dArc : public qz2dGeometry<T>
{
public:
    qz2dArc();
    /// The arc about the shared `center`; each value is range-checked as by its setter.
    qz2dArc(misc::qzAutoPointer<qz2dPoint<T>> center, const T& radius, const T& startAngle, const T& sweepAngle);
    /// Shares the centre of `other`.
    ///@{
    qz2dArc(const qz2dArc& other);
    qz2dArc& operator=(const qz2dArc& other);
    ///@}
    ~qz2dArc() override;

    void AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz2dGeometryVisitor<T>& visitor) override;
    const qz2dBoundingBox<T>& GetBoundingBox() const override;
    /// The point at the start angle, as a new point.
    misc::qzAutoPointer<qz2dPoint<T>> GetStartPoint() const override;
    /// The point at start + sweep, as a new point.
    misc::qzAutoPointer<qz2dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    /// radius * sweep in radians (negative for a clockwise arc).
    T GetLength() const override;
    /// Start becomes start + sweep (brought into [0, 360]), sweep becomes -sweep.
    void Reverse() override;

    /// The centre (shared, not copied).
    ///@{
    virtual void SetCenter(misc::qzAutoPointer<qz2dPoint<T>> center);
    virtual misc::qzAutoPointer<qz2dPoint<T>> GetCenter() const;
    ///@}
    /// The point at start + sweep / 2, as a new point.
    virtual misc::qzAutoPointer<qz2dPoint<T>> GetMiddlePoint() const;
    /// Radius, in [0, 1e308] (float: up to the largest float); misc::qzRangeException<T>
    /// outside.
    ///@{
    virtual void SetRadius(const T& radius);
    virtual T GetRadius() const;
    ///@}
    /// Start angle in degrees, in [0, 360], counter-clockwise from +x;
    /// misc::qzRangeException<T> outside.
    ///@{
    virtual void SetStartAngle(const T& degrees);
    virtual T GetStartAngle() const;
    ///@}
    /// Signed sweep in degrees, in [-360, 360], positive counter-clockwise;
    /// misc::qzRangeException<T> outside.
    ///@{
    virtual void SetSweepAngle(const T& degrees);
    virtual T GetSweepAngle() const;
    ///@}
    /// Distance from the start point to the end point.
    virtual T GetChordLength() const;

    /// The point of the circle at `degrees`, as a new point.
    misc::qzAutoPointer<qz2dPoint<T>> GetPointAtAngle(const T& degrees) const;

private:
    struct Ranged
    {
        T min, max, value;
        void Set(const T& v);
    };

    bool m_initialised;
    misc::qzAutoPointer<qz2dPoint<T>> m_center;
    Ranged m_radius;
    Ranged m_start;
    Ranged m_sweep;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dArc<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dArc<double>;
} // namespace cadcam
