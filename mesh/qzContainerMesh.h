// Indexed triangle mesh: shared point and triangle lists with one normal per triangle.
#pragma once

#include "brimlib/qzAutoPointer.h"
#include "brimlib/qzMeasurable.h"
#include "geometry/qzTPoint.h"
#include "mesh/qzMeshWeld.h"

#include <cstdint>
#include <vector>

namespace cadcam
{
/// Points and triangles (three point indices and a face normal each) in given units. Both lists
/// are reference counted: the accessors hand out further references, and the constructors and
/// SetTriangles variants that take shared lists adopt them without copying.
///
/// Building from a triangle soup welds it: the point list becomes the distinct corner points in
/// ascending lexicographic order (x, then y, then z; exact equality, -0.0 equal to 0.0, points
/// holding a NaN never welded and sorted last), triangles keep their order and normals.
template <class T, class Point, class Normal> class TESSAFORM_API qzContainerMesh : public measures::qzMeasurable
{
public:
    /// Length units of the coordinates (metric millimetres or inches).
    using Units = measures::qzUnitsFactory::Units;

    /// Three point indices in corner order 0, 1, 2, and the face normal.
    struct qzTTriangle
    {
        std::uint32_t vertices[3]; ///< Indices into the point list, in corner order.
        Normal normal;             ///< Face normal as stored (not necessarily of unit length).
    };

    /// One triangle corner while welding.
    struct qzTPoint3dTInd
    {
        Point point;            ///< Position of the corner.
        std::uint32_t triangle; ///< Index of the triangle the corner belongs to.
        std::int32_t corner;    ///< Corner number within that triangle, 0 to 2.
    };

    /// A triangle soup: triangle t owns the three consecutive points 3t, 3t+1, 3t+2.
    class TESSAFORM_API qzTTriangleVector
    {
    public:
        qzTTriangleVector();
        /// Appends the triangle unless one of its edges is shorter than 9.999999960041972e-13
        /// (a length that is not a number does not drop it). Its indices stay 0xFFFFFFFF until
        /// the soup is welded.
        void AddTriangle(const Point& p0, const Point& p1, const Point& p2, const Normal& normal);
        /// Reserves room for `count` triangles.
        void Reserve(std::size_t count);

        /// The kept triangles with their normals, in the order they were added.
        const std::vector<qzTTriangle>& GetTriangles() const { return *m_triangles; }
        /// The corners of the kept triangles, three per triangle in triangle order.
        const std::vector<Point>& GetPoints() const { return *m_points; }
        /// Number of triangles kept (degenerate ones are not counted).
        std::size_t GetNumberOfTriangles() const { return m_triangles->size(); }

    private:
        misc::qzAutoPointer<std::vector<qzTTriangle>> m_triangles;
        misc::qzAutoPointer<std::vector<Point>> m_points;
    };

    /// An empty mesh in the given units.
    explicit qzContainerMesh(const Units& units);
    /// Copies both lists unchanged (no welding).
    qzContainerMesh(const std::vector<Point>& points, const std::vector<qzTTriangle>& triangles, const Units& units);
    /// Shares the given lists.
    qzContainerMesh(misc::qzAutoPointer<std::vector<Point>> points,
                    misc::qzAutoPointer<std::vector<qzTTriangle>> triangles, const Units& units);
    /// Welds the soup.
    qzContainerMesh(const qzTTriangleVector& soup, const Units& units);
    /// Copies units and both lists (into lists of its own).
    qzContainerMesh(const qzContainerMesh& other);
    /// Copies the other mesh's lists into this mesh's (shared) lists, and its units.
    qzContainerMesh& operator=(const qzContainerMesh& other);
    ~qzContainerMesh() override;

    /// Number of points in the point list.
    unsigned GetNumberOfPoints() const;
    /// Number of triangles.
    unsigned GetNumberOfTriangles() const;
    /// The point list.
    const std::vector<Point>& GetPoints() const { return *m_points; }
    /// The point list, to edit in place (normals are not recomputed).
    std::vector<Point>& GetPoints() { return *m_points; }
    /// The triangle list.
    const std::vector<qzTTriangle>& GetTriangles() const { return *m_triangles; }
    /// The triangle list, to edit in place (indices are not checked).
    std::vector<qzTTriangle>& GetTriangles() { return *m_triangles; }
    /// A further reference to the shared point list: changes through it show in this mesh.
    misc::qzAutoPointer<std::vector<Point>> GetPointsAutoPointer() const { return m_points; }
    /// A further reference to the shared triangle list: changes through it show in this mesh.
    misc::qzAutoPointer<std::vector<qzTTriangle>> GetTrianglesAutoPointer() const { return m_triangles; }
    /// Start of the point list.
    typename std::vector<Point>::const_iterator GetPointsBegin() const { return m_points->begin(); }
    /// End of the point list.
    typename std::vector<Point>::const_iterator GetPointsEnd() const { return m_points->end(); }
    /// Start of the point list, to edit the points in place.
    typename std::vector<Point>::iterator GetPointsBegin() { return m_points->begin(); }
    /// End of the point list, to edit the points in place.
    typename std::vector<Point>::iterator GetPointsEnd() { return m_points->end(); }

    /// qzIdxRangeException<unsigned> for an index at or beyond the number of points.
    const Point& GetPoint(unsigned index) const;
    /// Checked by the vector: std::out_of_range.
    const qzTTriangle& GetTriangle(unsigned triangle) const;
    /// The stored face normal of a triangle; qzIdxRangeException<unsigned> for an index at or
    /// beyond the number of triangles.
    const Normal& GetTriangleData(unsigned triangle) const;
    /// A copy of the stored face normal, checked as GetTriangleData.
    Normal GetTriangleNormalVector(unsigned triangle) const;
    /// Corner `corner` (0 to 2) of a triangle; qzIdxRangeException<unsigned> for a triangle
    /// index out of range or a corner above 2.
    const Point& GetTriangleVertexData(unsigned triangle, unsigned corner) const;
    /// A copy of corner 0 of a triangle, checked as GetTriangleVertexData.
    Point GetTriangleFirstVertexData(unsigned triangle) const;
    /// A copy of corner 1 of a triangle, checked as GetTriangleVertexData.
    Point GetTriangleSecondVertexData(unsigned triangle) const;
    /// A copy of corner 2 of a triangle, checked as GetTriangleVertexData.
    Point GetTriangleThirdVertexData(unsigned triangle) const;
    /// Same as GetTriangleFirstVertexData.
    Point GetTriangleFirstVertexPosition(unsigned triangle) const;
    /// Same as GetTriangleSecondVertexData.
    Point GetTriangleSecondVertexPosition(unsigned triangle) const;
    /// Same as GetTriangleThirdVertexData.
    Point GetTriangleThirdVertexPosition(unsigned triangle) const;
    /// Half the length of (P2 - P1) x (P0 - P1).
    T GetTriangleArea(unsigned triangle) const;

    /// Exact lexicographic order: x, then y, then z.
    static bool ComparePoints(const Point& a, const Point& b);
    /// A newly allocated, reference-counted copy of the point.
    static misc::qzAutoPointer<Point> Point2TVertex(const Point& p);
    /// A newly allocated, reference-counted copy of the normal.
    static misc::qzAutoPointer<Normal> Point2TFaceNormal(const Normal& p);

    /// Replaces the mesh by the welded soup; an empty soup leaves the mesh unchanged.
    void SetTriangles(const qzTTriangleVector& soup);
    /// Adopts the given lists as they are.
    void SetTriangles(misc::qzAutoPointer<std::vector<Point>> points,
                      misc::qzAutoPointer<std::vector<qzTTriangle>> triangles);
    /// Sets point `index` (checked); with `recalculate` every triangle using it gets its normal
    /// recomputed.
    void SetPoint(unsigned index, Point p, bool recalculate);
    /// Same as SetPoint.
    void SetVertexPosition(unsigned index, Point p, bool recalculate);
    /// Merges another mesh of the same units, welding equal points; keeps sorted lists sorted.
    /// Different units: misc::qzException 3512 "Could not merge two meshes with different units
    /// type", both meshes unchanged.
    void AddMesh(const qzContainerMesh& other);
    /// Appends another mesh of the same units without welding.
    void AddMeshFastButDontCareDuplicates(const qzContainerMesh& other);
    /// Empties both lists (they stay shared).
    void ResetMesh();
    /// Every face normal becomes (P2 - P1) x (P0 - P1), not normalized (twice the area long).
    void RecalculateNormals();
    /// Recomputes one triangle's normal as RecalculateNormals does; qzIdxRangeException<unsigned>
    /// for an index at or beyond the number of triangles.
    void RecalculateNormalsForATriangle(unsigned triangle);
    /// Recomputes the normal of every triangle that uses point `index`.
    void RecalculateNormalsForAVertex(unsigned index);
    /// The unit normal: n as given when it is not zero, else (p1 - p0) x (p2 - p0);
    /// qzcadcamException 2189 (n left zero) when that is zero too.
    static void GetNormal(const Point& p0, const Point& p1, const Point& p2, Point& n);

    /// Replaces the content with already welded lists (moved in; the lists stay shared).
    void AssignWelded(std::vector<Point>&& points, std::vector<qzTTriangle>&& triangles);
    /// Orders the welder's points and renumbers the triangles' corners (which hold the welder's
    /// ids) to them; returns the points.
    template <class C>
    static std::vector<Point> FinishWeld(detail::CornerWelder<C>& welder, std::vector<qzTTriangle>& triangles)
    {
        std::vector<Point> points;
        detail::ReserveLarge(points, welder.GetCount() + 2);
        const std::vector<std::uint32_t> rank = welder.Finish([&points](C x, C y, C z) {
            points.emplace_back(static_cast<T>(x), static_cast<T>(y), static_cast<T>(z));
        });
        for (qzTTriangle& triangle : triangles)
            for (std::uint32_t& v : triangle.vertices)
                v = rank[v];
        return points;
    }

protected:
    /// Multiplies every coordinate by `factor`; normals are left alone.
    void Scale(Units units, const double& factor) override;
    /// Copies the other mesh's lists into this mesh's (shared) lists and takes its units as they
    /// are, without scaling.
    void SetMesh(const qzContainerMesh& other);

private:
    void CheckTriangle(unsigned triangle) const;
    void CheckPoint(unsigned index) const;
    Point GetTriangleVertexPosition(unsigned triangle, unsigned corner) const;
    void RecalculateNormalsForATriangleNoCheck(unsigned triangle);
    void SetPoints(std::vector<qzTPoint3dTInd>& corners);
    void CheckUnits(const qzContainerMesh& other) const;

    misc::qzAutoPointer<std::vector<qzTTriangle>> m_triangles;
    misc::qzAutoPointer<std::vector<Point>> m_points;
};

extern template class TESSAFORM_EXTERN_TEMPLATE qzContainerMesh<float, qzTPoint3d<float>, qzTPoint3d<float>>;
extern template class TESSAFORM_EXTERN_TEMPLATE qzContainerMesh<double, qzTPoint3d<double>, qzTPoint3d<double>>;
} // namespace cadcam
