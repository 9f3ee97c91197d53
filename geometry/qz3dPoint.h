// 3D point and line elements.
#pragma once

#include "geometry/qz3dObject.h"
#include "geometry/qzTPoint.h"

namespace cadcam
{
/// A point element; its box is (p, p) from construction on. Its start and end point are fresh
/// copies; it is not continuous and has length 0.
template <class T> class TESSAFORM_API qz3dPoint : public qz3dGeometry<T>
{
public:
    qz3dPoint();
    /// The point at the given coordinates.
    ///@{
    qz3dPoint(const T& x, const T& y, const T& z);
    explicit qz3dPoint(const qzTPoint3d<T>& p);
    ///@}
    /// Copies the coordinates and the box.
    ///@{
    qz3dPoint(const qz3dPoint& other);
    qz3dPoint& operator=(const qz3dPoint& other);
    ///@}
    ~qz3dPoint() override;

    using qz3dGeometry<T>::AcceptVisitor;
    void AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dGeometryVisitor<T>& visitor) override;
    misc::qzAutoPointer<qz3dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz3dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    T GetLength() const override;
    void Reverse() override;

    /// One coordinate, read or set; the box moves with the point.
    ///@{
    const T& x() const { return m_p.x(); }
    const T& y() const { return m_p.y(); }
    const T& z() const { return m_p.z(); }
    void x(const T& value);
    void y(const T& value);
    void z(const T& value);
    ///@}
    /// Sets all three coordinates.
    void Set(const qzTPoint3d<T>& p);
    /// The coordinates as a plain value.
    const qzTPoint3d<T>& GetPoint() const { return m_p; }
    /// Euclidean distance to `other`.
    T GetDistance(const qz3dPoint<T>& other) const { return ~(other.m_p - m_p); }
    /// Exact comparison of every coordinate.
    bool IsEqual(const qz3dPoint<T>& other) const { return m_p == other.m_p; }

private:
    qzTPoint3d<T> m_p;
};

/// A segment between two shared points; the box is that of the end points as they are now.
template <class T> class TESSAFORM_API qz3dLine : public qz3dGeometry<T>
{
public:
    qz3dLine();
    /// The segment from `start` to `end`; both points are shared, not copied.
    qz3dLine(misc::qzAutoPointer<qz3dPoint<T>> start, misc::qzAutoPointer<qz3dPoint<T>> end);
    /// Shares the end points of `other`.
    ///@{
    qz3dLine(const qz3dLine& other);
    qz3dLine& operator=(const qz3dLine& other);
    ///@}
    ~qz3dLine() override;

    using qz3dGeometry<T>::AcceptVisitor;
    void AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dGeometryVisitor<T>& visitor) override;
    const qz3dBoundingBox<T>& GetBoundingBox() const override;
    misc::qzAutoPointer<qz3dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz3dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    T GetLength() const override;
    void Reverse() override;

    /// Replaces the start or the end point with `point` (shared, not copied).
    ///@{
    void SetStartPoint(misc::qzAutoPointer<qz3dPoint<T>> point);
    void SetEndPoint(misc::qzAutoPointer<qz3dPoint<T>> point);
    ///@}

private:
    misc::qzAutoPointer<qz3dPoint<T>> m_start;
    misc::qzAutoPointer<qz3dPoint<T>> m_end;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz3dPoint<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dPoint<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dLine<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dLine<double>;
} // namespace cadcam
