#include "geometry/qz2dContour.h"

#include "brimlib/qzException.h"
#include "geometry/qzChainAlgorithms.h"

#include <algorithm>
#include <cmath>

namespace cadcam
{
template <class T> qz2dContour<T>::qz2dContour() : m_length(0), m_lengthValid(false) {}
template <class T> qz2dContour<T>::qz2dContour(const qz2dContour& other) = default;
template <class T> qz2dContour<T>& qz2dContour<T>::operator=(const qz2dContour& other) = default;
template <class T> qz2dContour<T>::~qz2dContour() = default;

template <class T> void qz2dContour<T>::AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz2dContour<T>::AcceptVisitor(qz2dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz2dBoundingBox<T>& qz2dContour<T>::GetBoundingBox() const
{
    if (this->IsBoxDirty())
    {
        qz2dBoundingBox<T> box;
        for (const Member& member : m_members)
            box.Union(member->GetBoundingBox());
        this->Box() = box;
    }
    return qz2dGeometry<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dContour<T>::GetStartPoint() const
{
    return m_members.empty() ? misc::qzAutoPointer<qz2dPoint<T>>() : m_members.front()->GetStartPoint();
}

template <class T> misc::qzAutoPointer<qz2dPoint<T>> qz2dContour<T>::GetEndPoint() const
{
    return m_members.empty() ? misc::qzAutoPointer<qz2dPoint<T>>() : m_members.back()->GetEndPoint();
}

template <class T> bool qz2dContour<T>::IsContinuous(const T& tolerance) const
{
    if (m_members.empty())
        return false;
    for (const Member& member : m_members)
        if (!member->IsContinuous(tolerance))
            return false;
    return detail::MembersMeet(m_members, [&tolerance](const qz2dPoint<T>& end, const qz2dPoint<T>& start) {
        return tolerance == T(0) ? end.IsEqual(start) : end.GetDistance(start) < tolerance;
    });
}

template <class T> T qz2dContour<T>::GetLength() const
{
    if (!m_lengthValid)
    {
        // An arc's length is signed like its sweep; the contour's is the distance travelled.
        T length = T(0);
        for (const Member& member : m_members)
            length += std::abs(member->GetLength());
        m_length = length;
        m_lengthValid = true;
    }
    return m_length;
}

template <class T> void qz2dContour<T>::Reverse()
{
    m_members.reverse();
    for (Member& member : m_members)
        member->Reverse();
    InvalidateCaches();
}

template <class T> void qz2dContour<T>::AddGeometry(Member element)
{
    m_members.push_back(std::move(element));
    InvalidateCaches();
}

template <class T> typename qz2dContour<T>::iterator qz2dContour<T>::Insert(iterator position, Member element)
{
    iterator inserted = m_members.insert(position, std::move(element));
    InvalidateCaches();
    return inserted;
}

template <class T> typename qz2dContour<T>::iterator qz2dContour<T>::Erase(iterator first, iterator last)
{
    iterator after = m_members.erase(first, last);
    InvalidateCaches();
    return after;
}

template <class T> bool qz2dContour<T>::IsClosed() const
{
    if (m_members.empty())
        throw qzcadcamException(qzcadcamException::EMPTY_CONTOUR);
    return IsContinuous(T(0)) && GetEndPoint()->IsEqual(*GetStartPoint());
}

template <class T> std::size_t qz2dContour<T>::GetSize() const
{
    return m_members.size();
}

template <class T> void qz2dContour<T>::Clear()
{
    m_members.clear();
    this->Box() = qz2dBoundingBox<T>(T(0), T(0), T(0), T(0));
    m_lengthValid = false;
}

template <class T> void qz2dContour<T>::MoveToEnd(iterator first, iterator last)
{
    m_members.splice(m_members.end(), m_members, first, last);
}

template <class T> qz2dClosedContour<T>::qz2dClosedContour() = default;
template <class T> qz2dClosedContour<T>::qz2dClosedContour(const qz2dClosedContour& other) = default;
template <class T> qz2dClosedContour<T>::~qz2dClosedContour() = default;

template <class T> void qz2dClosedContour<T>::AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz2dClosedContour<T>::AcceptVisitor(qz2dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template class qz2dContour<float>;
template class qz2dContour<double>;
template class qz2dClosedContour<float>;
template class qz2dClosedContour<double>;
} // namespace cadcam
