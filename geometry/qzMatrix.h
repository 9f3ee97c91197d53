// Fixed-size matrices and homogeneous transformations.
#pragma once

#include "geometry/qzRealArray.h"
#include "geometry/qzTPoint.h"

#include <vector>

namespace cadcam
{
/// Row-major R x C matrix. Square matrices start as the identity, others as zeros.
template <class T, unsigned R, unsigned C> class TESSAFORM_API qzMatrix : public misc::qzRealArray2Drc<T, R, C>
{
public:
    qzMatrix();

    /// Square matrices become the identity; others throw misc::qzMathException
    /// "Cannot set identity matrix" (type 1).
    void LoadIdentity();
    /// True for the 3x3 and 4x4 transformation matrices.
    bool IsHomogenous() const;

    /// View of row `row` (unchecked), so that `m[i][j]` is element (i, j).
    ///@{
    misc::qzRealArrayRowl<T, C> operator[](unsigned long row) { return misc::qzRealArray2Drc<T, R, C>::operator[](row); }
    misc::qzRealArrayRowl<const T, C> operator[](unsigned long row) const
    {
        return misc::qzRealArray2Drc<T, R, C>::operator[](row);
    }
    ///@}
};

/// The ordinary matrix product.
template <class T, unsigned R, unsigned K, unsigned C>
TESSAFORM_API qzMatrix<T, R, C> operator*(const qzMatrix<T, R, K>& a, const qzMatrix<T, K, C>& b);

/// Homogeneous transformations: 2D as 3x3 matrices on (x, y, 1), 3D as 4x4 on (x, y, z, 1).
/// Angles in radians.
template <class T> class TESSAFORM_API qzMatrixTransformationsFactory
{
public:
    /// Counter-clockwise rotation by `angle` about the origin.
    static qzMatrix<T, 3, 3> Create2dRotation(const T& angle);
    /// Translation by `offset`.
    static qzMatrix<T, 3, 3> Create2dTranslation(const qzTPoint2d<T>& offset);
    /// Rotation about an axis through the origin; the axis is used as given (pass a unit vector).
    static qzMatrix<T, 4, 4> Create3dRotation(const qzTPoint3d<T>& axis, const T& angle);
    /// Rotation about the axis through `point`.
    static qzMatrix<T, 4, 4> Create3dRotation(const qzTPoint3d<T>& axis, const qzTPoint3d<T>& point, const T& angle);
    /// Translation by `offset`.
    static qzMatrix<T, 4, 4> Create3dTranslation(const qzTPoint3d<T>& offset);
    /// Rotates `p` in place by `angle` about the axis through `point` (axis used as given).
    static void Rotate3dPoint(qzTPoint3d<T>& p, const qzTPoint3d<T>& axis, const qzTPoint3d<T>& point, const T& angle);
    /// Moves `p` in place by `distance` times `direction` (not normalized here).
    static void Translate3dPoint(qzTPoint3d<T>& p, const qzTPoint3d<T>& direction, const T& distance);
    /// `count` frames from `from` (t = 0) towards `to` (never reached), t = i / count: origins,
    /// third and second columns interpolated linearly, the first column their cross product.
    /// A t whose interpolated z or y column is exactly zero gives no frame; a zero x column
    /// throws qzcadcamException 2189.
    static std::vector<qzMatrix<T, 4, 4>> CreateIntermediaryTransforms(const qzMatrix<T, 4, 4>& from,
                                                                      const qzMatrix<T, 4, 4>& to, unsigned count);

private:
    static qzTPoint3d<T> CreateIntermediaryPoint(const qzTPoint3d<T>& a, const qzTPoint3d<T>& b, const T& t);
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrix<float, 1, 1>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrix<double, 1, 1>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrix<float, 2, 2>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrix<double, 2, 2>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrix<float, 3, 3>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrix<double, 3, 3>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrix<float, 4, 4>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrix<double, 4, 4>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrix<float, 4, 1>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrix<double, 4, 1>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrixTransformationsFactory<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzMatrixTransformationsFactory<double>;
} // namespace cadcam
