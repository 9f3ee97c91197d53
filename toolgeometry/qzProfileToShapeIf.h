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
    qzProfileToShapeIf(const qzProfileToShapeIf&) = default;
    qzProfileToShapeIf& operator=(const qzProfileToShapeIf&) = default;

protected:
    // Not deleted through this interface, so no virtual destructor (the derived classes are
    // values of their own).
    ~qzProfileToShapeIf() = default;

    /// Walks the vertices in order, calling CreateCylinder or CreateCone per segment.
    virtual void Create(const qz2dPolyLine<T>& profile);
    virtual void CreateCylinder(const T& radius, const T& height, const T& baseHeight) = 0;
    virtual void CreateCone(const T& radius1, const T& radius2, const T& height, const T& baseHeight) = 0;
};

/// The one cylinder that stands for a whole profile: the largest radius met and the sum of the
/// signed segment heights (for a profile drawn upwards, the height its rising segments span).
template <class T> class TESSAFORM_API qzTProfileToCylinderApproximation : public qzProfileToShapeIf<T>
{
public:
    explicit qzTProfileToCylinderApproximation(const qz2dPolyLine<T>& profile);
    qzTProfileToCylinderApproximation(const qzTProfileToCylinderApproximation& other);
    qzTProfileToCylinderApproximation& operator=(const qzTProfileToCylinderApproximation& other);
    virtual ~qzTProfileToCylinderApproximation();

    T GetRadius() const { return m_radius; }
    T GetHeight() const { return m_height; }

protected:
    void CreateCylinder(const T& radius, const T& height, const T& baseHeight) override;
    void CreateCone(const T& radius1, const T& radius2, const T& height, const T& baseHeight) override;

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
