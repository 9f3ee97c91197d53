// Axis-aligned 2D bounding box.
#pragma once

#include "tessaform_export.h"

namespace cadcam
{
/// Box of min and max corners; empty while min = +sentinel and max = -sentinel.
///
/// Extending refuses a point that lies strictly between an inverted box's max and min on an
/// axis ("Minimum x is more then maximum x!", "Minimum y is more then maximum y!"); an empty box
/// refuses every point, so owners set a box from its first point before they extend it. The
/// "Maximum ... is less then minimum ..." checks guard the same condition after the minimum
/// checks and cannot fire on their own.
template <class T> class TESSAFORM_API qz2dBoundingBox
{
public:
    /// An empty box.
    qz2dBoundingBox();
    /// The box of the given corners, taken as they are (a min above its max leaves it empty).
    qz2dBoundingBox(const T& minX, const T& minY, const T& maxX, const T& maxY);

    /// Makes the box empty.
    void SetEmpty();
    /// True while min exceeds max on either axis, as after SetEmpty.
    bool IsEmpty() const;
    /// The box of two corner points in any order.
    void Set(const T& x1, const T& y1, const T& x2, const T& y2);
    /// Grows the box to hold the point.
    void Extend(const T& x, const T& y);
    /// Grows the box to hold another box; an empty box adds nothing, and an empty box joined
    /// with another becomes that box.
    void Union(const qz2dBoundingBox& other);

    /// The corner coordinates; the sentinels while the box is empty.
    ///@{
    const T& GetMinX() const { return m_minX; }
    const T& GetMinY() const { return m_minY; }
    const T& GetMaxX() const { return m_maxX; }
    const T& GetMaxY() const { return m_maxY; }
    ///@}

    /// Exact comparison of all four coordinates.
    bool operator==(const qz2dBoundingBox& b) const
    {
        return m_minX == b.m_minX && m_minY == b.m_minY && m_maxX == b.m_maxX && m_maxY == b.m_maxY;
    }

private:
    T m_minX, m_minY, m_maxX, m_maxY;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dBoundingBox<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dBoundingBox<double>;
} // namespace cadcam
