// Reading a tool half-profile segment by segment as cylinders and cones.
#pragma once

#include "tessaform_export.h"
#include "geometry/qz2dPolyLine.h"

namespace cadcam
{
/// Walks a profile polyline (x = radius, y = height along the tool axis) and reports every
/// segment that rises or falls: one whose ends differ in x by more than 1e-6 as a cone, any
/// other as a cylinder. Segments whose ends differ in y by at most 1e-6 report nothing.
/// Heights are signed (negative for a segment drawn downwards); the base height is the y the
/// segment starts at.
template <class T> class TESSAFORM_API qzProfileToShapeIf
{
public:
    qzProfileToShapeIf() = default;
    /// Copyable: the interface holds no state.
    ///@{
    qzProfileToShapeIf(const qzProfileToShapeIf&) = default;
    qzProfileToShapeIf& operator=(const qzProfileToShapeIf&) = default;
    ///@}

protected:
    // Not deleted through this interface, so no virtual destructor (the derived classes are
    // values of their own).
    ~qzProfileToShapeIf() = default;

    /// Walks the vertices in order, calling CreateCylinder or CreateCone per segment.
    virtual void Create(const qz2dPolyLine<T>& profile);
    /// A segment of constant radius (its start radius), with its signed height and start y.
    virtual void CreateCylinder(const T& radius, const T& height, const T& baseHeight) = 0;
    /// A segment whose radius changes from `radius1` to `radius2`, with its signed height and
    /// start y.
    virtual void CreateCone(const T& radius1, const T& radius2, const T& height, const T& baseHeight) = 0;
};

/// The one cylinder that stands for a whole profile: the largest radius met and the sum of the
/// signed segment heights (for a profile drawn upwards, the height its rising segments span).
template <class T> class TESSAFORM_API qzTProfileToCylinderApproximation : public qzProfileToShapeIf<T>
{
public:
    /// Walks `profile` at once; an empty profile gives radius and height 0.
    explicit qzTProfileToCylinderApproximation(const qz2dPolyLine<T>& profile);
    /// Copies the radius and the height.
    ///@{
    qzTProfileToCylinderApproximation(const qzTProfileToCylinderApproximation& other);
    qzTProfileToCylinderApproximation& operator=(const qzTProfileToCylinderApproximation& other);
    ///@}
    virtual ~qzTProfileToCylinderApproximation();

    /// The largest radius met (0 at least).
    T GetRadius() const { return m_radius; }
    /// The sum of the signed segment heights.
    T GetHeight() const { return m_height; }

protected:
    /// Widens the radius to the segment's and adds its height.
    ///@{
    void CreateCylinder(const T& radius, const T& height, const T& baseHeight) override;
    void CreateCone(const T& radius1, const T& radius2, const T& height, const T& baseHeight) override;
    ///@}

private:
    void CheckRadius(const T& radius);
    void CheckHeight(const T& height);

    T m_radius;
    T m_height;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzProfileToShapeIf<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzProfileToShapeIf<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTProfileToCylinderApproximation<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTProfileToCylinderApproximation<double>;
} // namespace cadcam
