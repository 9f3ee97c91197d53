#include "geometry/qz2dPolyLine.h"

#include "brimlib/qzException.h"
#include "geometry/qz2dPolyLineCaster.h"
#include "geometry/qzChainAlgorithms.h"
#include "geometry/qzGeometryConstants.h"

#include <algorithm>

namespace cadcam
{
template <class T> qz2dPolyLine<T>::qz2dPolyLine() = default;
template <class T> qz2dPolyLine<T>::qz2dPolyLine(const qz2dPolyLine& other) = default;
template <class T> qz2dPolyLine<T>& qz2dPolyLine<T>::operator=(const qz2dPolyLine& other) = default;
template <class T> qz2dPolyLine<T>::~qz2dPolyLine() = default;

template <class T> void qz2dPolyLine<T>::AcceptVisitor(const qz2dGeometryVisitor<T>& visitor) const
{
    visitor.Visit(*this);
}

template <class T> void qz2dPolyLine<T>::AcceptVisitor(qz2dGeometryVisitor<T>& visitor)
{
    visitor.Visit(*this);
}

template <class T> const qz2dBoundingBox<T>& qz2dPolyLine<T>::GetBoundingBox() const
{
    if (this->IsBoxDirty())
    {
        qz2dBoundingBox<T>& box = this->Box();
        box.SetEmpty();
        if (!m_points.empty())
            box.Set(m_points.front()->x(), m_points.front()->y(), m_points.front()->x(), m_points.front()->y());
        for (const PointPtr& p : m_points)
            box.Extend(p->x(), p->y());
    }
    return qz2dGeometry<T>::GetBoundingBox();
}

template <class T> void qz2dPolyLine<T>::Reverse()
{
    qz2dContour<T>::Reverse();
    std::reverse(m_points.begin(), m_points.end());
}

template <class T> void qz2dPolyLine<T>::AddGeometry(Member element)
{
    qz2dPolyLineCaster<T> caster(*this, element);
    element->AcceptVisitor(caster);
}

template <class T> typename qz2dPolyLine<T>::iterator qz2dPolyLine<T>::Insert(iterator, Member)
{
    throw misc::qzException(0, "PolyLine::Insert(). Usupported.");
}

template <class T> typename qz2dPolyLine<T>::iterator qz2dPolyLine<T>::Erase(iterator first, iterator last)
{
    Remove(first, last);
    return last;
}

template <class T> void qz2dPolyLine<T>::Remove(iterator, iterator)
{
    throw misc::qzException(0, "PolyLine::Remove(). Usupported.");
}

template <class T> void qz2dPolyLine<T>::MoveToEnd(iterator, iterator)
{
    throw misc::qzException(0, "PolyLine::MoveToEnd(). Usupported.");
}

template <class T> void qz2dPolyLine<T>::Clear()
{
    m_points.clear();
    qz2dContour<T>::Clear();
}

template <class T> void qz2dPolyLine<T>::AddPoint(const qz2dPoint<T>& point)
{
    AddPoint(misc::qzMakeAutoPointer<qz2dPoint<T>>(point.x(), point.y()));
}

template <class T> void qz2dPolyLine<T>::AddPoint(PointPtr point)
{
    const qz2dPoint<T>& p = *point;
    if (!m_points.empty() && m_points.back()->GetDistance(p) < qzGeometryConstants<T>::coincidence)
        return;
    if (m_points.empty())
    {
        m_points.push_back(point);
        this->Box().Set(p.x(), p.y(), p.x(), p.y());
        this->m_lengthValid = false;
        return;
    }
    misc::qzAutoPointer<qz2dLine<T>> segment = misc::qzMakeAutoPointer<qz2dLine<T>>(m_points.back(), point);
    m_points.push_back(point);
    // Caches follow the append instead of being dropped, so building a long polyline point by
    // point stays linear even when its box or length is read in between.
    if (this->m_lengthValid)
        this->m_length += segment->GetLength();
    this->m_members.push_back(Member(segment));
    if (!this->IsBoxDirty())
        this->Box().Extend(p.x(), p.y());
}

template <class T> void qz2dPolyLine<T>::AddLine(misc::qzAutoPointer<qz2dLine<T>> line)
{
    AddPoint(line->GetStartPoint());
    AddPoint(line->GetEndPoint());
}

template <class T> void qz2dPolyLine<T>::RemovePoint(point_iterator position)
{
    if (position == m_points.end())
        throw misc::qzException(0, "PolyLine::RemovePoint(). Bad Argument.");
    detail::RemoveVertex(m_points, this->m_members, static_cast<std::size_t>(position - m_points.cbegin()),
                         [](const PointPtr& from, const PointPtr& to) {
                             return Member(misc::qzAutoPointer<qz2dLine<T>>(new qz2dLine<T>(from, to)));
                         });
    this->InvalidateCaches();
    if (m_points.empty())
        this->Box() = qz2dBoundingBox<T>(T(0), T(0), T(0), T(0));
}

template <class T> void qz2dPolyLine<T>::CycleBeginPoint(point_iterator position)
{
    if (!this->IsClosed())
        throw misc::qzException(0, "Can't cycle begin point on open polyline");
    if (position == m_points.end())
        throw misc::qzException(0, "PolyLine::CycleBeginPoint(). Bad Argument.");
    const std::size_t k = static_cast<std::size_t>(position - m_points.cbegin());
    // The first and the last vertex are the same place: either is already the beginning.
    if (k == 0 || k == m_points.size() - 1)
        return;
    PointPtr closing(new qz2dPoint<T>(m_points[k]->x(), m_points[k]->y()));
    detail::CycleVertices(m_points, this->m_members, k, closing,
                          [](qz2dGeometry<T>& segment, const PointPtr* start, const PointPtr* end) {
                              auto& line = static_cast<qz2dLine<T>&>(segment);
                              if (start)
                                  line.SetStartPoint(*start);
                              if (end)
                                  line.SetEndPoint(*end);
                          });
}

template <class T> std::size_t qz2dPolyLine<T>::GetPointCount() const
{
    return m_points.size();
}

template class qz2dPolyLine<float>;
template class qz2dPolyLine<double>;
} // namespace cadcam
