// 2D point element.
#pragma once

#include "geometry/qz2dGeometry.h"
#include "geometry/qzTPoint.h"

namespace cadcam
{
/// A point element. Its start and end point are fresh copies of it; it is not continuous,
/// has length 0 and does not change when reversed.
template <class T> class TESSAFORM_API qz2dPoint : public qz2dGeometry<T>
{
public:
    qz2dPoint();
    /// The point at the given coordinates.
    ///@{
    qz2dPoint(const T& x, const T& y);
    explicit qz2dPoint(const qzTPoint2d<T>& p);
    ///@}
    /// Copies the coordinates.
    ///@{
    qz2dPoint(const qz2dPoint& other);
    qz2dPoint& operator=(const qz2dPoint& other);
    ///@}
    ~qz2dPoint() override;

    void AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz2dGeometryVisitor<T>& visitor) override;
    /// The degenerate box (p, p).
    const qz2dBoundingBox<T>& GetBoundingBox() const override;
    misc::qzAutoPointer<qz2dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz2dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    T GetLength() const override;
    void Reverse() override;

    /// Euclidean distance.
    virtual T GetDistance(const qz2dPoint<T>& other) const;

    /// One coordinate, read or set; setting marks the box for recomputation.
    ///@{
    const T& x() const { return m_x; }
    const T& y() const { return m_y; }
    void x(const T& value);
    void y(const T& value);
    ///@}
    /// Sets both coordinates.
    void Set(const T& x, const T& y);
    /// The coordinates as a plain value.
    qzTPoint2d<T> GetPoint() const { return qzTPoint2d<T>(m_x, m_y); }
    /// Exact comparison of both coordinates.
    bool IsEqual(const qz2dPoint<T>& other) const { return m_x == other.m_x && m_y == other.m_y; }

private:
    T m_x;
    T m_y;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dPoint<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dPoint<double>;
} // namespace cadcam
