// 2D polyline: a contour of line segments kept with its vertex list.
#pragma once

#include "geometry/qz2dContour.h"
#include "geometry/qz2dLine.h"

#include <vector>

namespace cadcam
{
/// Vertices beside segments: segment i runs from vertex i to vertex i + 1 and shares both
/// vertex pointers. A vertex closer than 1e-12 (double) / 1e-6 (float) to the last one is
/// dropped. Appending keeps the box and a valid length up to date in constant time.
template <class T> class TESSAFORM_API qz2dPolyLine : public qz2dContour<T>
{
public:
    /// A vertex, shared with the segments that meet at it.
    using PointPtr = misc::qzAutoPointer<qz2dPoint<T>>;
    /// The vertices in travel order.
    using PointList = std::vector<PointPtr>;
    /// Read-only position in the vertex list.
    using point_iterator = typename PointList::const_iterator;
    using typename qz2dContour<T>::Member;
    using typename qz2dContour<T>::iterator;

    qz2dPolyLine();
    /// Copies both lists (sharing the vertices and segments).
    ///@{
    qz2dPolyLine(const qz2dPolyLine& other);
    qz2dPolyLine& operator=(const qz2dPolyLine& other);
    ///@}
    ~qz2dPolyLine() override;

    void AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz2dGeometryVisitor<T>& visitor) override;
    /// The box of the vertices.
    const qz2dBoundingBox<T>& GetBoundingBox() const override;
    /// Reverses the segments and the vertex list.
    void Reverse() override;
    /// Appends any element that can be a chain of segments (see qz2dPolyLineCaster).
    void AddGeometry(Member element) override;
    /// Refused: "PolyLine::Insert(). Usupported."
    iterator Insert(iterator position, Member element) override;
    /// Refused like Remove.
    iterator Erase(iterator first, iterator last) override;
    /// Empties both lists; the box becomes (0, 0, 0, 0).
    void Clear() override;
    /// Refused: "PolyLine::MoveToEnd(). Usupported." (it would break the vertex order).
    void MoveToEnd(iterator first, iterator last) override;

    /// Appends a copy of the point.
    virtual void AddPoint(const qz2dPoint<T>& point);
    /// Appends the point itself unless it coincides with the last vertex.
    virtual void AddPoint(PointPtr point);
    /// Appends the line's start point, then its end point.
    virtual void AddLine(misc::qzAutoPointer<qz2dLine<T>> line);
    /// Removes a vertex; an inner vertex's two segments become one. The end position is refused
    /// with "PolyLine::RemovePoint(). Bad Argument.".
    virtual void RemovePoint(point_iterator position);
    /// Makes a closed polyline start and end at the given vertex; "Can't cycle begin point on
    /// open polyline" when it is not closed.
    virtual void CycleBeginPoint(point_iterator position);
    /// Refused: "PolyLine::Remove(). Usupported."
    virtual void Remove(iterator first, iterator last);
    /// Number of vertices: one more than the segments, or 0 when empty.
    virtual std::size_t GetPointCount() const;

    /// The vertices in travel order.
    const PointList& GetPoints() const { return m_points; }
    /// The range of vertices in travel order.
    ///@{
    point_iterator PointsBegin() const { return m_points.begin(); }
    point_iterator PointsEnd() const { return m_points.end(); }
    ///@}
    /// Reserves room for `count` vertices.
    void ReservePoints(std::size_t count) { m_points.reserve(count); }

private:
    PointList m_points;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dPolyLine<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dPolyLine<double>;
} // namespace cadcam
