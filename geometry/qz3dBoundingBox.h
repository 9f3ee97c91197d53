// Axis-aligned 3D bounding box.
#pragma once

#include "tessaform_export.h"
#include "geometry/qzTPoint.h"

namespace cadcam
{
/// Min and max corners; empty while min = +sentinel and max = -sentinel (1e308 / 3e38).
/// Extending an empty box by a point gives the degenerate box of that point.
template <class T> class TESSAFORM_API qz3dBoundingBox
{
public:
    /// An empty box.
    qz3dBoundingBox();
    /// The box of the given corners, taken as they are (a min above its max leaves it empty).
    qz3dBoundingBox(const qzTPoint3d<T>& min, const qzTPoint3d<T>& max);

    /// Makes the box empty.
    void SetEmpty();
    /// True while min exceeds max on any axis, as after SetEmpty.
    bool IsEmpty() const;
    /// The box of two corner points in any order.
    void Set(const qzTPoint3d<T>& a, const qzTPoint3d<T>& b);
    /// Grows the box to hold `p`.
    void Extend(const qzTPoint3d<T>& p);
    /// An empty box adds nothing.
    void Union(const qz3dBoundingBox& other);

    /// The corners; the sentinels while the box is empty.
    ///@{
    const qzTPoint3d<T>& GetMin() const { return m_min; }
    const qzTPoint3d<T>& GetMax() const { return m_max; }
    ///@}

    /// Exact comparison of both corners.
    ///@{
    bool operator==(const qz3dBoundingBox& b) const { return m_min == b.m_min && m_max == b.m_max; }
    bool operator!=(const qz3dBoundingBox& b) const { return !(*this == b); }
    ///@}

private:
    qzTPoint3d<T> m_min;
    qzTPoint3d<T> m_max;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz3dBoundingBox<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dBoundingBox<double>;
} // namespace cadcam
