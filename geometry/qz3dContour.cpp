#include "geometry/qz3dContour.h"

#include "brimlib/qzException.h"
#include "geometry/qz3dPolyLineCaster.h"
#include "geometry/qzChainAlgorithms.h"

#include <algorithm>

namespace cadcam
{
template <class T> qz3dContour<T>::qz3dContour() : m_length(0), m_lengthValid(false), m_boxValid(false) {}
template <class T> qz3dContour<T>::qz3dContour(const qz3dContour& other) = default;
template <class T> qz3dContour<T>& qz3dContour<T>::operator=(const qz3dContour& other) = default;
template <class T> qz3dContour<T>::~qz3dContour() = default;

template <class T> void qz3dContour<T>::AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz3dContour<T>::AcceptVisitor(qz3dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz3dBoundingBox<T>& qz3dContour<T>::GetBoundingBox() const
{
    if (!m_boxValid)
    {
        qz3dBoundingBox<T> box;
        for (const Member& member : m_members)
            box.Union(member->GetBoundingBox());
        this->Box() = box;
        m_boxValid = true;
    }
    return qz3dObject<T>::GetBoundingBox();
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dContour<T>::GetStartPoint() const
{
    return m_members.empty() ? misc::qzAutoPointer<qz3dPoint<T>>() : m_members.front()->GetStartPoint();
}

template <class T> misc::qzAutoPointer<qz3dPoint<T>> qz3dContour<T>::GetEndPoint() const
{
    return m_members.empty() ? misc::qzAutoPointer<qz3dPoint<T>>() : m_members.back()->GetEndPoint();
}

template <class T> bool qz3dContour<T>::IsContinuous(const T& tolerance) const
{
    for (const Member& member : m_members)
        if (!member->IsContinuous(tolerance))
            return false;
    return detail::MembersMeet(m_members, [&tolerance](const qz3dPoint<T>& end, const qz3dPoint<T>& start) {
        return tolerance == T(0) ? end.IsEqual(start) : end.GetDistance(start) < tolerance;
    });
}

template <class T> T qz3dContour<T>::GetLength() const
{
    if (!m_lengthValid)
    {
        T length = T(0);
        for (const Member& member : m_members)
            length += member->GetLength();
        m_length = length;
        m_lengthValid = true;
    }
    return m_length;
}

template <class T> void qz3dContour<T>::Reverse()
{
    m_members.reverse();
    for (Member& member : m_members)
        member->Reverse();
    InvalidateCaches();
}

template <class T> void qz3dContour<T>::AddGeometry(Member element)
{
    m_members.push_back(std::move(element));
    InvalidateCaches();
}

template <class T> typename qz3dContour<T>::iterator qz3dContour<T>::Insert(iterator position, Member element)
{
    iterator inserted = m_members.insert(position, std::move(element));
    InvalidateCaches();
    return inserted;
}

template <class T>
typename qz3dContour<T>::iterator qz3dContour<T>::Insert(iterator position, const_iterator first, const_iterator last)
{
    iterator inserted = m_members.insert(position, first, last);
    InvalidateCaches();
    return inserted;
}

template <class T> typename qz3dContour<T>::iterator qz3dContour<T>::Erase(iterator first, iterator last)
{
    iterator after = m_members.erase(first, last);
    InvalidateCaches();
    return after;
}

template <class T> bool qz3dContour<T>::IsClosed() const
{
    if (m_members.empty())
        throw qzcadcamException(qzcadcamException::EMPTY_CONTOUR);
    return IsContinuous(T(0)) && GetEndPoint()->IsEqual(*GetStartPoint());
}

template <class T> std::size_t qz3dContour<T>::GetSize() const
{
    return m_members.size();
}

template <class T> void qz3dContour<T>::Clear()
{
    m_members.clear();
    this->Box().Set(qzTPoint3d<T>(), qzTPoint3d<T>());
    m_boxValid = true;
    m_lengthValid = false;
}

template <class T> void qz3dContour<T>::MoveToEnd(iterator first, iterator last)
{
    m_members.splice(m_members.end(), m_members, first, last);
}

template <class T> qz3dClosedContour<T>::qz3dClosedContour() = default;
template <class T> qz3dClosedContour<T>::qz3dClosedContour(const qz3dClosedContour& other) = default;
template <class T> qz3dClosedContour<T>::~qz3dClosedContour() = default;

template <class T> void qz3dClosedContour<T>::AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz3dClosedContour<T>::AcceptVisitor(qz3dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> qz3dPolyLine<T>::qz3dPolyLine() = default;
template <class T> qz3dPolyLine<T>::qz3dPolyLine(const qz3dPolyLine& other) = default;
template <class T> qz3dPolyLine<T>& qz3dPolyLine<T>::operator=(const qz3dPolyLine& other) = default;
template <class T> qz3dPolyLine<T>::~qz3dPolyLine() = default;

template <class T> void qz3dPolyLine<T>::AcceptVisitor(const qz3dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz3dPolyLine<T>::AcceptVisitor(qz3dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz3dBoundingBox<T>& qz3dPolyLine<T>::GetBoundingBox() const
{
    if (!this->m_boxValid)
    {
        qz3dBoundingBox<T>& box = this->Box();
        box.SetEmpty();
        for (const PointPtr& p : m_points)
            box.Extend(p->GetPoint());
        this->m_boxValid = true;
    }
    return qz3dObject<T>::GetBoundingBox();
}

template <class T> void qz3dPolyLine<T>::Reverse()
{
    qz3dContour<T>::Reverse();
    std::reverse(m_points.begin(), m_points.end());
}

template <class T> void qz3dPolyLine<T>::AddGeometry(Member element)
{
    qz3dPolyLineCaster<T> caster(*this, element);
    element->AcceptVisitor(static_cast<qz3dGeometryVisitor<T>&>(caster));
}

template <class T> typename qz3dPolyLine<T>::iterator qz3dPolyLine<T>::Insert(iterator, Member)
{
    throw misc::qzException(0, "PolyLine::Insert(). Usupported.");
}

template <class T>
typename qz3dPolyLine<T>::iterator qz3dPolyLine<T>::Insert(iterator, const_iterator, const_iterator)
{
    throw misc::qzException(0, "PolyLine::Insert(). Usupported.");
}

template <class T> typename qz3dPolyLine<T>::iterator qz3dPolyLine<T>::Erase(iterator, iterator)
{
    throw misc::qzException(0, "PolyLine::Remove(). Usupported.");
}

template <class T> void qz3dPolyLine<T>::MoveToEnd(iterator, iterator)
{
    throw misc::qzException(0, "PolyLine::MoveToEnd(). Usupported.");
}

template <class T> void qz3dPolyLine<T>::Clear()
{
    m_points.clear();
    qz3dContour<T>::Clear();
}

template <class T> void qz3dPolyLine<T>::AddPoint(const qz3dPoint<T>& point)
{
    AddPoint(misc::qzMakeAutoPointer<qz3dPoint<T>>(point.GetPoint()));
}

template <class T> void qz3dPolyLine<T>::AddPoint(PointPtr point)
{
    const qz3dPoint<T>& p = *point;
    if (!m_points.empty() && m_points.back()->IsEqual(p))
        return;
    if (m_points.empty())
    {
        m_points.push_back(point);
        this->Box().Set(p.GetPoint(), p.GetPoint());
        this->m_boxValid = true;
        this->m_lengthValid = false;
        return;
    }
    misc::qzAutoPointer<qz3dLine<T>> segment = misc::qzMakeAutoPointer<qz3dLine<T>>(m_points.back(), point);
    m_points.push_back(point);
    // The caches follow the append, so building point by point stays linear.
    if (this->m_lengthValid)
        this->m_length += segment->GetLength();
    this->m_members.push_back(Member(segment));
    if (this->m_boxValid)
        this->Box().Extend(p.GetPoint());
}

template <class T> void qz3dPolyLine<T>::AddLine(misc::qzAutoPointer<qz3dLine<T>> line)
{
    AddPoint(line->GetStartPoint());
    AddPoint(line->GetEndPoint());
}

template <class T> void qz3dPolyLine<T>::RemovePoint(point_iterator position)
{
    if (position == m_points.end())
        throw misc::qzException(0, "PolyLine::RemovePoint(). Bad Argument.");
    detail::RemoveVertex(m_points, this->m_members, static_cast<std::size_t>(position - m_points.cbegin()),
                         [](const PointPtr& from, const PointPtr& to) {
                             return Member(misc::qzAutoPointer<qz3dLine<T>>(new qz3dLine<T>(from, to)));
                         });
    this->InvalidateCaches();
    if (m_points.empty())
    {
        this->Box().Set(qzTPoint3d<T>(), qzTPoint3d<T>());
        this->m_boxValid = true;
    }
}

template <class T> void qz3dPolyLine<T>::CycleBeginPoint(point_iterator position)
{
    if (!this->IsClosed())
        throw misc::qzException(0, "Can't cycle begin point on open polyline");
    if (position == m_points.end())
        throw misc::qzException(0, "PolyLine::CycleBeginPoint(). Bad Argument.");
    const std::size_t k = static_cast<std::size_t>(position - m_points.cbegin());
    if (k == 0 || k == m_points.size() - 1)
        return;
    PointPtr closing(new qz3dPoint<T>(m_points[k]->GetPoint()));
    detail::CycleVertices(m_points, this->m_members, k, closing,
                          [](qz3dGeometry<T>& segment, const PointPtr* start, const PointPtr* end) {
                              auto& line = static_cast<qz3dLine<T>&>(segment);
                              if (start)
                                  line.SetStartPoint(*start);
                              if (end)
                                  line.SetEndPoint(*end);
                          });
}

template <class T> std::size_t qz3dPolyLine<T>::GetPointCount() const
{
    return m_points.size();
}

template class qz3dContour<float>;
template class qz3dContour<double>;
template class qz3dClosedContour<float>;
template class qz3dClosedContour<double>;
template class qz3dPolyLine<float>;
template class qz3dPolyLine<double>;
} // namespace cadcam
