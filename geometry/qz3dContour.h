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
    using Member = misc::qzAutoPointer<qz3dGeometry<T>>;
    using MemberList = std::list<Member>;
    using iterator = typename MemberList::iterator;
    using const_iterator = typename MemberList::const_iterator;

    qz3dContour();
    qz3dContour(const qz3dContour& other);
    qz3dContour& operator=(const qz3dContour& other);
    ~qz3dContour() override;

    using qz3dGeometry<T>::AcceptVisitor;
    void AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dGeometryVisitor<T>& visitor) override;
    /// Union of the members' boxes.
    const qz3dBoundingBox<T>& GetBoundingBox() const override;
    misc::qzAutoPointer<qz3dPoint<T>> GetStartPoint() const override;
    misc::qzAutoPointer<qz3dPoint<T>> GetEndPoint() const override;
    bool IsContinuous(const T& tolerance) const override;
    T GetLength() const override;
    void Reverse() override;

    virtual void AddGeometry(Member element);
    virtual iterator Insert(iterator position, Member element);
    /// Inserts copies of the member pointers [first, last) before `position`.
    virtual iterator Insert(iterator position, const_iterator first, const_iterator last);
    virtual iterator Erase(iterator first, iterator last);
    /// qzcadcamException 2190 for an empty contour.
    virtual bool IsClosed() const;
    virtual std::size_t GetSize() const;
    /// Removes every member; the box becomes the degenerate box at the origin.
    virtual void Clear();
    virtual void MoveToEnd(iterator first, iterator last);

    iterator begin() { return m_members.begin(); }
    iterator end() { return m_members.end(); }
    const_iterator begin() const { return m_members.begin(); }
    const_iterator end() const { return m_members.end(); }
    const MemberList& GetMembers() const { return m_members; }

protected:
    void InvalidateCaches() const
    {
        m_lengthValid = false;
        m_boxValid = false;
    }

    MemberList m_members;
    mutable T m_length;
    mutable bool m_lengthValid;
    mutable bool m_boxValid;
};

/// A contour known to be closed; a kind of its own for the visitors.
template <class T> class TESSAFORM_API qz3dClosedContour : public qz3dContour<T>
{
public:
    qz3dClosedContour();
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
    using PointPtr = misc::qzAutoPointer<qz3dPoint<T>>;
    using PointList = std::vector<PointPtr>;
    using point_iterator = typename PointList::const_iterator;
    using typename qz3dContour<T>::Member;
    using typename qz3dContour<T>::iterator;
    using typename qz3dContour<T>::const_iterator;

    qz3dPolyLine();
    qz3dPolyLine(const qz3dPolyLine& other);
    qz3dPolyLine& operator=(const qz3dPolyLine& other);
    ~qz3dPolyLine() override;

    using qz3dGeometry<T>::AcceptVisitor;
    void AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz3dGeometryVisitor<T>& visitor) override;
    const qz3dBoundingBox<T>& GetBoundingBox() const override;
    void Reverse() override;
    /// Appends a point or a line (see qz3dPolyLineCaster).
    void AddGeometry(Member element) override;
    /// Refused: "PolyLine::Insert(). Usupported."
    iterator Insert(iterator position, Member element) override;
    iterator Insert(iterator position, const_iterator first, const_iterator last) override;
    /// Refused: "PolyLine::Remove(). Usupported."
    iterator Erase(iterator first, iterator last) override;
    void Clear() override;
    /// Refused: "PolyLine::MoveToEnd(). Usupported."
    void MoveToEnd(iterator first, iterator last) override;

    void AddPoint(const qz3dPoint<T>& point);
    void AddPoint(PointPtr point);
    void AddLine(misc::qzAutoPointer<qz3dLine<T>> line);
    /// "PolyLine::RemovePoint(). Bad Argument." for the end position.
    void RemovePoint(point_iterator position);
    /// "Can't cycle begin point on open polyline" when not closed.
    void CycleBeginPoint(point_iterator position);
    std::size_t GetPointCount() const;

    const PointList& GetPoints() const { return m_points; }
    point_iterator PointsBegin() const { return m_points.begin(); }
    point_iterator PointsEnd() const { return m_points.end(); }
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
