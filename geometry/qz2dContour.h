// 2D contours: ordered chains of elements.
#pragma once

#include "geometry/qz2dPoint.h"

#include <list>

namespace cadcam
{
/// An ordered chain of shared elements in travel order. Length and box are cached until the
/// member list changes.
template <class T> class TESSAFORM_API qz2dContour : public qz2dGeometry<T>
{
public:
    /// A member: an element shared with whoever else holds it.
    using Member = misc::qzAutoPointer<qz2dGeometry<T>>;
    /// The members in travel order.
    using MemberList = std::list<Member>;
    /// Positions in the member list.
    ///@{
    using iterator = typename MemberList::iterator;
    using const_iterator = typename MemberList::const_iterator;
    ///@}

    qz2dContour();
    /// Shares the members of `other`.
    ///@{
    qz2dContour(const qz2dContour& other);
    qz2dContour& operator=(const qz2dContour& other);
    ///@}
    ~qz2dContour() override;

    void AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz2dGeometryVisitor<T>& visitor) override;
    /// Union of the members' boxes.
    const qz2dBoundingBox<T>& GetBoundingBox() const override;
    /// The first member's start point; empty without members.
    misc::qzAutoPointer<qz2dPoint<T>> GetStartPoint() const override;
    /// The last member's end point; empty without members.
    misc::qzAutoPointer<qz2dPoint<T>> GetEndPoint() const override;
    /// Not empty, every member continuous, and consecutive members meeting: exactly for a
    /// tolerance of 0, closer than the tolerance otherwise.
    bool IsContinuous(const T& tolerance) const override;
    /// Sum of the members' lengths, clockwise arcs counted positive.
    T GetLength() const override;
    /// Reverses the member order and every member.
    void Reverse() override;

    /// Appends a member.
    virtual void AddGeometry(Member element);
    /// Inserts before `position`; returns the position of the new member.
    virtual iterator Insert(iterator position, Member element);
    /// Removes [first, last); returns the position after them.
    virtual iterator Erase(iterator first, iterator last);
    /// Continuous with tolerance 0 and ending exactly where it starts; qzcadcamException 2190
    /// for an empty contour.
    virtual bool IsClosed() const;
    /// Number of members.
    virtual std::size_t GetSize() const;
    /// Removes every member; the box becomes (0, 0, 0, 0).
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
        this->InvalidateBox();
    }

    /// The members in travel order.
    MemberList m_members;
    /// Cached length, valid while m_lengthValid is set.
    mutable T m_length;
    /// Whether m_length is current.
    mutable bool m_lengthValid;
};

/// A contour known to be closed; a kind of its own for the visitors, with no further behaviour.
template <class T> class TESSAFORM_API qz2dClosedContour : public qz2dContour<T>
{
public:
    qz2dClosedContour();
    /// Shares the members of `other`.
    qz2dClosedContour(const qz2dClosedContour& other);
    ~qz2dClosedContour() override;

    void AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const override;
    void AcceptVisitor(qz2dGeometryVisitor<T>& visitor) override;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qz2dContour<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dContour<double>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dClosedContour<float>;
extern template class TESSAFORM_EXTERN_TEMPLATE qz2dClosedContour<double>;
} // namespace cadcam
