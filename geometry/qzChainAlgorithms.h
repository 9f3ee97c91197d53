// Algorithms shared by the 2D and 3D contours and polylines (internal).
#pragma once

#include <iterator>
#include <list>
#include <vector>

namespace cadcam
{
namespace detail
{
/// Whether consecutive members meet: `meets(endOfPrevious, startOfNext)`.
template <class MemberList, class Meets> bool MembersMeet(const MemberList& members, Meets meets)
{
    if (members.empty())
        return false;
    for (auto it = members.begin(), next = std::next(it); next != members.end(); ++it, ++next)
        if (!meets(*(*it)->GetEndPoint(), *(*next)->GetStartPoint()))
            return false;
    return true;
}

/// Removes vertex `index` from a polyline's vertex and segment lists: at either end the one
/// adjacent segment goes, inside the two segments meeting there become `makeSegment(prev, next)`
/// in their place.
template <class PointList, class MemberList, class MakeSegment>
void RemoveVertex(PointList& points, MemberList& members, std::size_t index, MakeSegment makeSegment)
{
    const std::size_t count = points.size();
    if (count > 1)
    {
        if (index == 0)
            members.pop_front();
        else if (index == count - 1)
            members.pop_back();
        else
        {
            auto first = std::next(members.begin(), static_cast<std::ptrdiff_t>(index - 1));
            auto after = members.erase(first, std::next(first, 2));
            members.insert(after, makeSegment(points[index - 1], points[index + 1]));
        }
    }
    points.erase(points.begin() + static_cast<std::ptrdiff_t>(index));
}

/// Makes a closed polyline start and end at vertex k (0 < k < count - 1): the first vertex
/// (the same place as the last) leaves, the segments and vertices before k move behind the
/// last ones, and `closing` (a copy of vertex k) ends the list. The segments are re-linked so
/// that they keep sharing their vertices: `relink(segment, newStart, newEnd)` with a null
/// pointer for an end that stays.
template <class PointList, class MemberList, class Relink>
void CycleVertices(PointList& points, MemberList& members, std::size_t k, typename PointList::value_type closing,
                   Relink relink)
{
    const std::size_t n = points.size();
    auto chosen = std::next(members.begin(), static_cast<std::ptrdiff_t>(k));
    relink(*members.front(), &points[n - 1], nullptr);
    relink(**std::prev(chosen), nullptr, &closing);
    members.splice(members.end(), members, members.begin(), chosen);

    PointList cycled;
    cycled.reserve(n);
    cycled.insert(cycled.end(), points.begin() + static_cast<std::ptrdiff_t>(k), points.end());
    cycled.insert(cycled.end(), points.begin() + 1, points.begin() + static_cast<std::ptrdiff_t>(k));
    cycled.push_back(closing);
    points.swap(cycled);
}
} // namespace detail
} // namespace cadcam
