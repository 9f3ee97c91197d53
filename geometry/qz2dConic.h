// 2D parabolic arc and axis-aligned ellipse.
#pragma once

#include "geometry/qz2dPoint.h"

namespace cadcam
{
/// A parabolic arc from its vertex S to an end point E with its axis parallel to x:
/// x - S.x = k (y - S.y)^2, k = (E.x - S.x) / (E.y - S.y)^2. Reversing swaps which end the
/// travel starts at; the vertex stays S.
template <class T> class TESSAFORM_API qz2dParabola : public qz2dGeometry<T>
{
public:
    qz2dParabola();
    /// The arc from `vertex` S to `end` E, both shared, not copied.
    qz2dParabola(misc::qzAutoPointer<qz2dPoint<T>> vertex, misc::qzAutoPointer<qz2dPoint<T>> end);
    /// Shares the two points of `other` and takes over its direction of travel.
    ///@{
    qz2dParabola(const qz2dParabola& other);
    qz2dParabola& operator=(const qz2dParabola& other);
    ///@}
    ~qz2dParabola() override;

    void AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz2dGeometryVisitor<T>& visitor) override;
    /// The box of S and E (the curve is monotonic between them).
    const qz2dBoundingBox<T>& GetBoundingBox() const override;
    misc::qzAutoPointer<qz2dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz2dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    T GetLength() const override;
    void Reverse() override;

    /// The vertex S.
    ///@{
    virtual void SetVertexPoint(misc::qzAutoPointer<qz2dPoint<T>> vertex);
    virtual misc::qzAutoPointer<qz2dPoint<T>> GetVertexPoint() const;
    ///@}
    /// The end point E (the far end from the vertex).
    ///@{
    virtual void SetFarPoint(misc::qzAutoPointer<qz2dPoint<T>> end);
    virtual misc::qzAutoPointer<qz2dPoint<T>> GetFarPoint() const;
    ///@}
    /// |E.x - S.x|
    virtual T GetWidth() const;
    /// |E.y - S.y|
    virtual T GetHeight() const;
    /// The curve's x at height y; S.x where E.y = S.y.
    virtual T GetX(const T& y) const;
    /// Whether Reverse has turned the travel to run from E to S.
    bool IsReversed() const { return m_reversed; }

private:
    misc::qzAutoPointer<qz2dPoint<T>> m_vertex;
    misc::qzAutoPointer<qz2dPoint<T>> m_end;
    bool m_reversed;
};

/// A full axis-aligned ellipse: centre, semi-axis A along x, semi-axis B along y. It starts
/// and ends at angle 0, (cx + A, cy); Reverse does nothing.
template <class T> class TESSAFORM_API qz2dEllipse : public qz2dGeometry<T>
{
public:
    qz2dEllipse();
    /// The ellipse about the shared `center` with semi-axis `a` along x and `b` along y.
    qz2dEllipse(misc::qzAutoPointer<qz2dPoint<T>> center, const T& a, const T& b);
    /// Shares the centre of `other`.
    ///@{
    qz2dEllipse(const qz2dEllipse& other);
    qz2dEllipse& operator=(const qz2dEllipse& other);
    ///@}
    ~qz2dEllipse() override;

    void AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz2dGeometryVisitor<T>& visitor) override;
    const qz2dBoundingBox<T>& GetBoundingBox() const override;
    misc::qzAutoPointer<qz2dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz2dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    /// Circumference (Ramanujan's second approximation; exact for a circle).
    T GetLength() const override;
    void Reverse() override;

    /// The centre (shared, not copied).
    ///@{
    virtual void SetCenter(misc::qzAutoPointer<qz2dPoint<T>> center);
    virtual misc::qzAutoPointer<qz2dPoint<T>> GetCenter() const;
    ///@}
    /// Semi-axis along x, unchecked: box and length use its magnitude, and a negative value
    /// puts the start point left of the centre.
    ///@{
    virtual void SetA(const T& a);
    virtual T GetA() const;
    ///@}
    /// Semi-axis along y, unchecked: box and length use its magnitude.
    ///@{
    virtual void SetB(const T& b);
    virtual T GetB() const;
    ///@}

private:
    misc::qzAutoPointer<qz2dPoint<T>> m_center;
    T m_a;
    T m_b;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dParabola<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dParabola<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dEllipse<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dEllipse<double>;
} // namespace cadcam
