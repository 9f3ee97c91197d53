// Bodies around a straight centre line: the abstract centre-line shape and the truncated cone.
#pragma once

#include "geometry/qz3dPoint.h"
#include "toolgeometry/qz3dShape.h"

namespace cadcam
{
/// A body around the centre line from centre 1 to centre 2. Surface flags: bit 0 (1) the
/// lateral surface, bit 1 (2) the end disc at centre 1, bit 2 (4) the end disc at centre 2.
template <class T> class TESSAFORM_API qzCenterlineShape : public qz3dShape<T>
{
public:
    /// The surface flag bits described above; ALL_SURFACES sets all three.
    enum SurfaceFlags : int
    {
        LATERAL = 1,
        BASE1 = 2,
        BASE2 = 4,
        ALL_SURFACES = 7
    };

    /// misc::qzException "center1 and center2 should be not equal" when the centres are at
    /// most 1e-12 (float: 1e-6) apart; "Accessing NULL pointer" for an empty centre.
    qzCenterlineShape(misc::qzAutoPointer<qz3dPoint<T>> center1, misc::qzAutoPointer<qz3dPoint<T>> center2,
                      int surfaces);
    /// Copies the flags and the box; the centre points are shared with `other`.
    ///@{
    qzCenterlineShape(const qzCenterlineShape& other);
    qzCenterlineShape& operator=(const qzCenterlineShape& other);
    ///@}
    ~qzCenterlineShape() override;

    /// The end centres, shared: moving one leaves the box stale until RecalculateBoundingBox.
    ///@{
    const misc::qzAutoPointer<qz3dPoint<T>>& GetCenter1() const { return m_center1; }
    const misc::qzAutoPointer<qz3dPoint<T>>& GetCenter2() const { return m_center2; }
    ///@}
    /// The surface flags given at construction (SurfaceFlags bits).
    int GetSurfaces() const { return m_surfaces; }
    /// Distance between the centres.
    T GetHeight() const;

private:
    misc::qzAutoPointer<qz3dPoint<T>> m_center1;
    misc::qzAutoPointer<qz3dPoint<T>> m_center2;
    int m_surfaces;
};

/// A truncated cone: radius 1 at centre 1, radius 2 at centre 2 (equal radii: a cylinder, a
/// zero radius: a full cone).
template <class T> class TESSAFORM_API qzTruncatedCone : public qzCenterlineShape<T>
{
public:
    /// Builds the centre line (with its errors), keeps the radii and computes the box.
    qzTruncatedCone(misc::qzAutoPointer<qz3dPoint<T>> center1, const T& radius1,
                    misc::qzAutoPointer<qz3dPoint<T>> center2, const T& radius2, int surfaces);
    /// Copies the radii, the flags and the box; the centre points are shared with `other`.
    ///@{
    qzTruncatedCone(const qzTruncatedCone& other);
    qzTruncatedCone& operator=(const qzTruncatedCone& other);
    ///@}
    ~qzTruncatedCone() override;

    using qz3dShape<T>::AcceptVisitor;
    /// Calls the visitor's Visit for a truncated cone.
    ///@{
    void AcceptVisitor(const qz3dShapeVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dShapeVisitor<T>& visitor) override;
    ///@}
    /// h * pi / 3 * (r2^2 + r2 * r1 + r1^2).
    T GetVolume() const override;
    /// The flagged surfaces: discs pi r1^2 and pi r2^2, lateral pi (r1 + r2) s with the slant
    /// height s = sqrt((r2 - r1)^2 + h^2).
    T GetArea() const override;
    /// The union of the boxes of the two end circles, which lie square to the centre line.
    void RecalculateBoundingBox() override;

    /// The radii at centre 1 and centre 2, as given.
    ///@{
    T GetRadius1() const { return m_radius1; }
    T GetRadius2() const { return m_radius2; }
    ///@}

private:
    T m_radius1;
    T m_radius2;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzCenterlineShape<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzCenterlineShape<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTruncatedCone<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzTruncatedCone<double>;
} // namespace cadcam
