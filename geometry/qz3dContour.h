// 3D contours and polylines.
#pragma once

#include "geometry/qz3dPoint.h"

#include <list>
#include <vector>

namespace cadcam
{
/// An ordered chain of shared 3D elements; works like the 2D contour with three coordinates.
template <class T> class TESSAFORM_API qz3dContour : public qz3dGeometry<T>
{
public:
    /// A member: an element shared with whoever else holds it.
    using Member = misc::qzAutoPointer<qz3dGeometry<T>>;
    /// The members in travel order.
    using MemberList = std::list<Member>;
    /// Positions in the member list.
    ///@{
    using iterator = typename MemberList::iterator;
    using const_iterator = typename MemberList::const_iterator;
    ///@}

    qz3dContour();
    /// Shares the members of `other`.
    ///@{
    qz3dContour(const qz3dContour& other);
    qz3dContour& operator=(const qz3dContour& other);
    ///@}
    ~qz3dContour() override;

    using qz3dGeometry<T>::AcceptVisitor;
    void AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dGeometryVisitor<T>& visitor) override;
    /// Union of the members' boxes.
    const qz3dBoundingBox<T>& GetBoundingBox() const override;
    /// The first member's start point; empty without members.
    misc::qzAutoPointer<qz3dPoint<T>> GetStartPoint() const override;
    /// The last member's end point; empty without members.
    misc::qzAutoPointer<qz3dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    /// Sum of the members' lengths.
    T GetLength() const override;
    /// Reverses the member order and every member.
    void Reverse() override;

    /// Appends a member.
    virtual void AddGeometry(Member element);
    /// Inserts before `position`; returns the position of the new member.
    virtual iterator Insert(iterator position, Member element);
    /// Inserts copies of the member pointers [first, last) before `position`.
    virtual iterator Insert(iterator position, const_iterator first, const_iterator last);
    /// Removes [first, last); returns the position after them.
    virtual iterator Erase(iterator first, iterator last);
    /// qzcadcamException 2190 for an empty contour.
    virtual bool IsClosed() const;
    /// Number of members.
    virtual std::size_t GetSize() const;
    /// Removes every member; the box becomes the degenerate box at the origin.
    virtual void Clear();
    /// Moves [first, last) of this contour, in order, behind its last member.
    virtual void MoveToEnd(iterator first, iterator last);

    /// The range of members in travel order (range-for works on a contour).
    ///@{
    iterator begin() { return m_members.begin(); }
    iterator end() { return m_members.end(); }
    const_iterator begin() const { return m_members.begin(); }
    const_iterator end() const { return m_members.end(); }
    ///@}
    /// The member list, read-only.
    const MemberList& GetMembers() const { return m_members; }

protected:
    /// Drops the cached length and box; call it after changing the member list directly.
    void InvalidateCaches() const
    {
        m_lengthValid = false;
        m_boxValid = false;
    }

    /// The members in travel order.
    MemberList m_members;
    /// Cached length, valid while m_lengthValid is set.
    mutable T m_length;
    /// Whether m_length is current.
    mutable bool m_lengthValid;
    /// Whether the box is current.
    mutable bool m_boxValid;
};

/// A contour known to be closed; a kind of its own for the visitors.
template <class T> class TESSAFORM_API qz3dClosedContour : public qz3dContour<T>
{
public:
    qz3dClosedContour();
    /// Shares the members of `other`.
    qz3dClosedContour(const qz3dClosedContour& other);
    ~qz3dClosedContour() override;

    using qz3dGeometry<T>::AcceptVisitor;
    void AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dGeometryVisitor<T>& visitor) override;
};

/// Vertices beside segments (segment i joins vertex i and i + 1, sharing both). A vertex equal
/// to the last one in every coordinate is dropped; there is no distance tolerance.
template <class T> class TESSAFORM_API qz3dPolyLine : public qz3dContour<T>
{
public:
    /// A vertex, shared with the segments that meet at it.
    using PointPtr = misc::qzAutoPointer<qz3dPoint<T>>;
    /// The vertices in travel order.
    using PointList = std::vector<PointPtr>;
    /// Read-only position in the vertex list.
    using point_iterator = typename PointList::const_iterator;
    using typename qz3dContour<T>::Member;
    using typename qz3dContour<T>::iterator;
    using typename qz3dContour<T>::const_iterator;

    qz3dPolyLine();
    /// Copies both lists (sharing the vertices and segments).
    ///@{
    qz3dPolyLine(const qz3dPolyLine& other);
    qz3dPolyLine& operator=(const qz3dPolyLine& other);
    ///@}
    ~qz3dPolyLine() override;

    using qz3dGeometry<T>::AcceptVisitor;
    void AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dGeometryVisitor<T>& visitor) override;
    /// The box of the vertices.
    const qz3dBoundingBox<T>& GetBoundingBox() const override;
    /// Reverses the segments and the vertex list.
    void Reverse() override;
    /// Appends a point or a line (see qz3dPolyLineCaster).
    void AddGeometry(Member element) override;
    /// Refused: "PolyLine::Insert(). Usupported."
    ///@{
    iterator Insert(iterator position, Member element) override;
    iterator Insert(iterator position, const_iterator first, const_iterator last) override;
    ///@}
    /// Refused: "PolyLine::Remove(). Usupported."
    iterator Erase(iterator first, iterator last) override;
    /// Empties both lists; the box becomes the degenerate box at the origin.
    void Clear() override;
    /// Refused: "PolyLine::MoveToEnd(). Usupported."
    void MoveToEnd(iterator first, iterator last) override;

    /// Appends a copy of the point unless it equals the last vertex exactly.
    void AddPoint(const qz3dPoint<T>& point);
    /// Appends the point itself (shared) unless it equals the last vertex exactly.
    void AddPoint(PointPtr point);
    /// Appends the line's start point, then its end point.
    void AddLine(misc::qzAutoPointer<qz3dLine<T>> line);
    /// "PolyLine::RemovePoint(). Bad Argument." for the end position.
    void RemovePoint(point_iterator position);
    /// "Can't cycle begin point on open polyline" when not closed.
    void CycleBeginPoint(point_iterator position);
    /// Number of vertices: one more than the segments, or 0 when empty.
    std::size_t GetPointCount() const;

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

extern template class TESSAFORM_EXTERN_TEMPLATE qz3dContour<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dContour<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dClosedContour<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dClosedContour<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dPolyLine<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz3dPolyLine<double>;
} // namespace cadcam
