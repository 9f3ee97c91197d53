#include "mesh/qzContainerMesh.h"

#include "brimlib/qzException.h"
#include "foundation/qzIdxRangeException.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <stdexcept>

namespace cadcam
{
namespace
{
constexpr std::uint32_t kUnwelded = 0xFFFFFFFFu;

template <class Point> Point Minus(const Point& a, const Point& b)
{
    return Point(a.x() - b.x(), a.y() - b.y(), a.z() - b.z());
}

template <class Point> Point CrossOf(const Point& a, const Point& b)
{
    return Point(a.y() * b.z() - a.z() * b.y(), a.z() * b.x() - a.x() * b.z(), a.x() * b.y() - a.y() * b.x());
}

template <class Point> bool IsZero(const Point& p)
{
    return p.x() == 0 && p.y() == 0 && p.z() == 0;
}
} // namespace

// ---------------------------------------------------------------------------------------------
// Triangle soup

template <class T, class Point, class Normal>
qzContainerMesh<T, Point, Normal>::qzTTriangleVector::qzTTriangleVector()
    : m_triangles(new std::vector<qzTTriangle>()), m_points(new std::vector<Point>())
{
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::qzTTriangleVector::AddTriangle(const Point& p0, const Point& p1,
                                                                       const Point& p2, const Normal& normal)
{
    // The single-precision value nearest 1e-12; a NaN length compares false and keeps the triangle.
    const T shortest = static_cast<T>(9.999999960041972e-13);
    if (~Minus(p0, p1) < shortest || ~Minus(p1, p2) < shortest || ~Minus(p2, p0) < shortest)
        return;
    m_points->push_back(p0);
    m_points->push_back(p1);
    m_points->push_back(p2);
    m_triangles->push_back(qzTTriangle{{kUnwelded, kUnwelded, kUnwelded}, normal});
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::qzTTriangleVector::Reserve(std::size_t count)
{
    detail::ReserveLarge(*m_triangles, count);
    detail::ReserveLarge(*m_points, 3 * count);
}

// ---------------------------------------------------------------------------------------------
// Construction

template <class T, class Point, class Normal>
qzContainerMesh<T, Point, Normal>::qzContainerMesh(const Units& units)
    : measures::qzMeasurable(units), m_triangles(new std::vector<qzTTriangle>()), m_points(new std::vector<Point>())
{
}

template <class T, class Point, class Normal>
qzContainerMesh<T, Point, Normal>::qzContainerMesh(const std::vector<Point>& points,
                                                   const std::vector<qzTTriangle>& triangles, const Units& units)
    : measures::qzMeasurable(units), m_triangles(new std::vector<qzTTriangle>(triangles)),
      m_points(new std::vector<Point>(points))
{
}

template <class T, class Point, class Normal>
qzContainerMesh<T, Point, Normal>::qzContainerMesh(misc::qzAutoPointer<std::vector<Point>> points,
                                                   misc::qzAutoPointer<std::vector<qzTTriangle>> triangles,
                                                   const Units& units)
    : measures::qzMeasurable(units), m_triangles(std::move(triangles)), m_points(std::move(points))
{
}

template <class T, class Point, class Normal>
qzContainerMesh<T, Point, Normal>::qzContainerMesh(const qzTTriangleVector& soup, const Units& units)
    : qzContainerMesh(units)
{
    SetTriangles(soup);
}

template <class T, class Point, class Normal>
qzContainerMesh<T, Point, Normal>::qzContainerMesh(const qzContainerMesh& other)
    : measures::qzMeasurable(other.GetUnits()), m_triangles(new std::vector<qzTTriangle>(*other.m_triangles)),
      m_points(new std::vector<Point>(*other.m_points))
{
}

template <class T, class Point, class Normal>
qzContainerMesh<T, Point, Normal>& qzContainerMesh<T, Point, Normal>::operator=(const qzContainerMesh& other)
{
    if (this != &other)
        SetMesh(other);
    return *this;
}

template <class T, class Point, class Normal> qzContainerMesh<T, Point, Normal>::~qzContainerMesh() = default;

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::SetMesh(const qzContainerMesh& other)
{
    *m_points = *other.m_points;
    *m_triangles = *other.m_triangles;
    // The copied coordinates are already in the other mesh's units: take its units as they are.
    SetUnits(other.GetUnits(), false);
}

// ---------------------------------------------------------------------------------------------
// Queries

template <class T, class Point, class Normal> unsigned qzContainerMesh<T, Point, Normal>::GetNumberOfPoints() const
{
    return static_cast<unsigned>(m_points->size());
}

template <class T, class Point, class Normal>
unsigned qzContainerMesh<T, Point, Normal>::GetNumberOfTriangles() const
{
    return static_cast<unsigned>(m_triangles->size());
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::CheckTriangle(unsigned triangle) const
{
    if (triangle >= m_triangles->size())
        throw misc::qzIdxRangeException<unsigned>(static_cast<unsigned>(m_triangles->size()) - 1, triangle);
}

template <class T, class Point, class Normal> void qzContainerMesh<T, Point, Normal>::CheckPoint(unsigned index) const
{
    if (index >= m_points->size())
        throw misc::qzIdxRangeException<unsigned>(static_cast<unsigned>(m_points->size()) - 1, index);
}

template <class T, class Point, class Normal>
const Point& qzContainerMesh<T, Point, Normal>::GetPoint(unsigned index) const
{
    CheckPoint(index);
    return (*m_points)[index];
}

template <class T, class Point, class Normal>
const typename qzContainerMesh<T, Point, Normal>::qzTTriangle&
qzContainerMesh<T, Point, Normal>::GetTriangle(unsigned triangle) const
{
    if (triangle >= m_triangles->size())
        throw std::out_of_range("invalid vector<T> subscript");
    return (*m_triangles)[triangle];
}

template <class T, class Point, class Normal>
const Normal& qzContainerMesh<T, Point, Normal>::GetTriangleData(unsigned triangle) const
{
    CheckTriangle(triangle);
    return (*m_triangles)[triangle].normal;
}

template <class T, class Point, class Normal>
Normal qzContainerMesh<T, Point, Normal>::GetTriangleNormalVector(unsigned triangle) const
{
    return GetTriangleData(triangle);
}

template <class T, class Point, class Normal>
const Point& qzContainerMesh<T, Point, Normal>::GetTriangleVertexData(unsigned triangle, unsigned corner) const
{
    CheckTriangle(triangle);
    if (corner > 2)
        throw misc::qzIdxRangeException<unsigned>(2, corner);
    const std::uint32_t index = (*m_triangles)[triangle].vertices[corner];
    CheckPoint(index);
    return (*m_points)[index];
}

template <class T, class Point, class Normal>
Point qzContainerMesh<T, Point, Normal>::GetTriangleFirstVertexData(unsigned triangle) const
{
    return GetTriangleVertexData(triangle, 0);
}

template <class T, class Point, class Normal>
Point qzContainerMesh<T, Point, Normal>::GetTriangleSecondVertexData(unsigned triangle) const
{
    return GetTriangleVertexData(triangle, 1);
}

template <class T, class Point, class Normal>
Point qzContainerMesh<T, Point, Normal>::GetTriangleThirdVertexData(unsigned triangle) const
{
    return GetTriangleVertexData(triangle, 2);
}

template <class T, class Point, class Normal>
Point qzContainerMesh<T, Point, Normal>::GetTriangleVertexPosition(unsigned triangle, unsigned corner) const
{
    return GetTriangleVertexData(triangle, corner);
}

template <class T, class Point, class Normal>
Point qzContainerMesh<T, Point, Normal>::GetTriangleFirstVertexPosition(unsigned triangle) const
{
    return GetTriangleVertexPosition(triangle, 0);
}

template <class T, class Point, class Normal>
Point qzContainerMesh<T, Point, Normal>::GetTriangleSecondVertexPosition(unsigned triangle) const
{
    return GetTriangleVertexPosition(triangle, 1);
}

template <class T, class Point, class Normal>
Point qzContainerMesh<T, Point, Normal>::GetTriangleThirdVertexPosition(unsigned triangle) const
{
    return GetTriangleVertexPosition(triangle, 2);
}

template <class T, class Point, class Normal> T qzContainerMesh<T, Point, Normal>::GetTriangleArea(unsigned triangle) const
{
    const Point& p0 = GetTriangleVertexData(triangle, 0);
    const Point& p1 = GetTriangleVertexData(triangle, 1);
    const Point& p2 = GetTriangleVertexData(triangle, 2);
    return ~CrossOf(Minus(p2, p1), Minus(p0, p1)) / T(2);
}

template <class T, class Point, class Normal>
bool qzContainerMesh<T, Point, Normal>::ComparePoints(const Point& a, const Point& b)
{
    if (a.x() < b.x())
        return true;
    if (a.x() > b.x())
        return false;
    if (a.y() < b.y())
        return true;
    if (a.y() > b.y())
        return false;
    return a.z() < b.z();
}

template <class T, class Point, class Normal>
misc::qzAutoPointer<Point> qzContainerMesh<T, Point, Normal>::Point2TVertex(const Point& p)
{
    return misc::qzAutoPointer<Point>(new Point(p));
}

template <class T, class Point, class Normal>
misc::qzAutoPointer<Normal> qzContainerMesh<T, Point, Normal>::Point2TFaceNormal(const Normal& p)
{
    return misc::qzAutoPointer<Normal>(new Normal(p));
}

// ---------------------------------------------------------------------------------------------
// Welding and merging

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::SetTriangles(const qzTTriangleVector& soup)
{
    const std::vector<Point>& corners = soup.GetPoints();
    if (corners.empty())
        return;
    // The corners are the soup's points themselves: corner k is corner k mod 3 of triangle k / 3.
    detail::CornerWelder<T> welder(corners.size());
    std::vector<qzTTriangle> triangles(soup.GetTriangles());
    for (std::size_t t = 0; t < triangles.size(); ++t)
        for (int k = 0; k < 3; ++k)
            triangles[t].vertices[k] = welder.Add(static_cast<const T*>(corners[3 * t + k]));
    AssignWelded(FinishWeld(welder, triangles), std::move(triangles));
}


template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::SetPoints(std::vector<qzTPoint3dTInd>& corners)
{
    if (corners.empty())
        return;
    detail::CornerWelder<T> welder(corners.size());
    std::vector<std::uint32_t> ids(corners.size());
    for (std::size_t c = 0; c < corners.size(); ++c)
        ids[c] = welder.Add(static_cast<const T*>(corners[c].point));
    std::vector<Point>& points = *m_points;
    points.clear();
    points.reserve(welder.GetCount() + 2);
    const std::vector<std::uint32_t> rank = welder.Finish([&points](T x, T y, T z) { points.emplace_back(x, y, z); });
    std::vector<qzTTriangle>& triangles = *m_triangles;
    for (std::size_t c = 0; c < corners.size(); ++c)
        triangles.at(corners[c].triangle).vertices[corners[c].corner] = rank[ids[c]];
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::AssignWelded(std::vector<Point>&& points, std::vector<qzTTriangle>&& triangles)
{
    // Assigned into the existing list objects: other holders of the shared lists see the new mesh.
    *m_points = std::move(points);
    *m_triangles = std::move(triangles);
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::SetTriangles(misc::qzAutoPointer<std::vector<Point>> points,
                                                     misc::qzAutoPointer<std::vector<qzTTriangle>> triangles)
{
    m_points = std::move(points);
    m_triangles = std::move(triangles);
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::CheckUnits(const qzContainerMesh& other) const
{
    if (GetUnits() != other.GetUnits())
        throw misc::qzException(3512, "Could not merge two meshes with different units type");
}

namespace
{
/// Total order of points for merging: lexicographic, NaN after every number; a point holding a
/// NaN equals nothing.
template <class Point> int Order(const Point& a, const Point& b)
{
    const auto u = {a.x(), a.y(), a.z()};
    const auto v = {b.x(), b.y(), b.z()};
    for (auto i = u.begin(), j = v.begin(); i != u.end(); ++i, ++j)
    {
        const bool uNan = std::isnan(*i), vNan = std::isnan(*j);
        if (uNan || vNan)
            return uNan && !vNan ? 1 : -1;
        if (*i < *j)
            return -1;
        if (*j < *i)
            return 1;
    }
    return 0;
}
} // namespace

template <class T, class Point, class Normal> void qzContainerMesh<T, Point, Normal>::AddMesh(const qzContainerMesh& other)
{
    CheckUnits(other);
    if (other.m_points->empty())
        return;
    if (m_points->empty())
    {
        SetMesh(other);
        return;
    }
    // Copies where the other mesh shares this mesh's lists (or is this mesh): they change below.
    const std::vector<Point> mine(*m_points);
    const bool sharedPoints = other.m_points.Get() == m_points.Get();
    const std::vector<Point> theirCopy = sharedPoints ? mine : std::vector<Point>();
    const std::vector<Point>& theirs = sharedPoints ? theirCopy : *other.m_points;
    const std::vector<qzTTriangle> theirTriangles(*other.m_triangles);
    std::vector<std::uint32_t> mineMap(mine.size()), theirMap(theirs.size());
    std::vector<Point>& merged = *m_points;
    merged.clear();
    merged.reserve(mine.size() + theirs.size() + 2);
    m_triangles->reserve(m_triangles->size() + theirTriangles.size() + 2);
    std::size_t i = 0, j = 0;
    while (i < mine.size() && j < theirs.size())
    {
        const int order = Order(mine[i], theirs[j]);
        const auto index = static_cast<std::uint32_t>(merged.size());
        if (order < 0)
        {
            merged.push_back(mine[i]);
            mineMap[i++] = index;
        }
        else if (order > 0)
        {
            merged.push_back(theirs[j]);
            theirMap[j++] = index;
        }
        else
        {
            merged.push_back(mine[i]);
            mineMap[i++] = index;
            theirMap[j++] = index;
        }
    }
    for (; i < mine.size(); ++i)
    {
        mineMap[i] = static_cast<std::uint32_t>(merged.size());
        merged.push_back(mine[i]);
    }
    for (; j < theirs.size(); ++j)
    {
        theirMap[j] = static_cast<std::uint32_t>(merged.size());
        merged.push_back(theirs[j]);
    }
    for (qzTTriangle& triangle : *m_triangles)
        for (std::uint32_t& v : triangle.vertices)
            v = mineMap.at(v);
    for (qzTTriangle triangle : theirTriangles)
    {
        for (std::uint32_t& v : triangle.vertices)
            v = theirMap.at(v);
        m_triangles->push_back(triangle);
    }
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::AddMeshFastButDontCareDuplicates(const qzContainerMesh& other)
{
    CheckUnits(other);
    if (other.m_points->empty())
        return;
    if (m_points->empty())
    {
        SetMesh(other);
        return;
    }
    const std::vector<Point> theirs(*other.m_points);
    const std::vector<qzTTriangle> theirTriangles(*other.m_triangles);
    const auto offset = static_cast<std::uint32_t>(m_points->size());
    m_points->reserve(m_points->size() + theirs.size());
    m_triangles->reserve(m_triangles->size() + theirTriangles.size());
    m_points->insert(m_points->end(), theirs.begin(), theirs.end());
    for (qzTTriangle triangle : theirTriangles)
    {
        for (std::uint32_t& v : triangle.vertices)
            v += offset;
        m_triangles->push_back(triangle);
    }
}

template <class T, class Point, class Normal> void qzContainerMesh<T, Point, Normal>::ResetMesh()
{
    m_points->clear();
    m_triangles->clear();
}

// ---------------------------------------------------------------------------------------------
// Normals, points, scaling

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::RecalculateNormalsForATriangleNoCheck(unsigned triangle)
{
    qzTTriangle& t = (*m_triangles)[triangle];
    const std::vector<Point>& points = *m_points;
    const Point& p0 = points.at(t.vertices[0]);
    const Point& p1 = points.at(t.vertices[1]);
    const Point& p2 = points.at(t.vertices[2]);
    const Point n = CrossOf(Minus(p2, p1), Minus(p0, p1));
    t.normal = Normal(n.x(), n.y(), n.z());
}

template <class T, class Point, class Normal> void qzContainerMesh<T, Point, Normal>::RecalculateNormals()
{
    for (unsigned t = 0; t < m_triangles->size(); ++t)
        RecalculateNormalsForATriangleNoCheck(t);
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::RecalculateNormalsForATriangle(unsigned triangle)
{
    CheckTriangle(triangle);
    RecalculateNormalsForATriangleNoCheck(triangle);
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::RecalculateNormalsForAVertex(unsigned index)
{
    // Every triangle using the point: a welded vertex is typically shared by six.
    for (unsigned t = 0; t < m_triangles->size(); ++t)
    {
        const qzTTriangle& triangle = (*m_triangles)[t];
        if (triangle.vertices[0] == index || triangle.vertices[1] == index || triangle.vertices[2] == index)
            RecalculateNormalsForATriangleNoCheck(t);
    }
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::GetNormal(const Point& p0, const Point& p1, const Point& p2, Point& n)
{
    if (IsZero(n))
        n = CrossOf(Minus(p1, p0), Minus(p2, p0));
    if (IsZero(n))
        throw qzcadcamException(qzcadcamException::ZERO_LENGTH_VECTOR);
    const T length = ~n;
    n = Point(n.x() / length, n.y() / length, n.z() / length);
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::SetPoint(unsigned index, Point p, bool recalculate)
{
    CheckPoint(index);
    (*m_points)[index] = p;
    if (recalculate)
        RecalculateNormalsForAVertex(index);
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::SetVertexPosition(unsigned index, Point p, bool recalculate)
{
    SetPoint(index, p, recalculate);
}

template <class T, class Point, class Normal>
void qzContainerMesh<T, Point, Normal>::Scale(Units, const double& factor)
{
    const T f = static_cast<T>(factor);
    for (Point& p : *m_points)
        p = Point(p.x() * f, p.y() * f, p.z() * f);
}

template class qzContainerMesh<float, qzTPoint3d<float>, qzTPoint3d<float>>;
template class qzContainerMesh<double, qzTPoint3d<double>, qzTPoint3d<double>>;
} // namespace cadcam
