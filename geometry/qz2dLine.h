// 2D line segment.
#pragma once

#include "geometry/qz2dPoint.h"

namespace cadcam
{
/// A segment between two shared points; GetStartPoint/GetEndPoint hand out the stored
/// pointers, Reverse swaps them. The box is that of the two end points as they are now.
template <class T> class TESSAFORM_API qz2dLine : public qz2dGeometry<T>
{
public:
    qz2dLine();
    /// The segment from `start` to `end`; both points are shared, not copied.
    qz2dLine(misc::qzAutoPointer<qz2dPoint<T>> start, misc::qzAutoPointer<qz2dPoint<T>> end);
    /// Shares the end points of `other`.
    ///@{
    qz2dLine(const qz2dLine& other);
    qz2dLine& operator=(const qz2dLine& other);
    ///@}
    ~qz2dLine() override;

    void AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz2dGeometryVisitor<T>& visitor) override;
    const qz2dBoundingBox<T>& GetBoundingBox() const override;
    misc::qzAutoPointer<qz2dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz2dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    T GetLength() const override;
    void Reverse() override;

    /// Replaces the start or the end point with `point` (shared, not copied).
    ///@{
    virtual void SetStartPoint(misc::qzAutoPointer<qz2dPoint<T>> point);
    virtual void SetEndPoint(misc::qzAutoPointer<qz2dPoint<T>> point);
    ///@}
    /// Distance to the infinite line through the segment; not a number for a segment of
    /// length 0.
    virtual T GetDistanceToLine(const qz2dPoint<T>& p) const;
    /// Squared distance to the segment (to the start point for a segment shorter than 1e-12).
    virtual T GetSquaredDistanceToSegment(const qz2dPoint<T>& p) const;
    /// Foot of the perpendicular on the infinite line, as a new point.
    virtual misc::qzAutoPointer<qz2dPoint<T>> ProjectPoint(const qz2dPoint<T>& p) const;
    /// Distance to the segment: the square root of GetSquaredDistanceToSegment.
    virtual T GetDistanceToSegment(const qz2dPoint<T>& p) const;

private:
    misc::qzAutoPointer<qz2dPoint<T>> m_start;
    misc::qzAutoPointer<qz2dPoint<T>> m_end;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dLine<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dLine<double>;
} // namespace cadcam
