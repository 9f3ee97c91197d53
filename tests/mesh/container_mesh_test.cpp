// Indexed meshes: welding soups, merging, normals, index checks, shared lists and the box cache.
#include "mesh/mesh_test_support.h"

#include "foundation/qzIdxRangeException.h"

#include <algorithm>
#include <limits>
#include <random>
#include <stdexcept>

namespace
{
using namespace tessaform_test;
using cadcam::qzTMesh;

template <class T> using Mesh = RealTest<T>;
TYPED_TEST_SUITE(Mesh, Reals);

template <class T> bool Less(const Pt3<T>& a, const Pt3<T>& b)
{
    return std::lexicographical_compare(static_cast<const T*>(a), static_cast<const T*>(a) + 3,
                                        static_cast<const T*>(b), static_cast<const T*>(b) + 3);
}

using Ids = std::array<std::uint32_t, 3>;

template <class T> Ids Corners(const MeshOf<T>& mesh, unsigned t)
{
    const auto& v = mesh.GetTriangle(t).vertices;
    return {v[0], v[1], v[2]};
}

// Two triangles on the edge (0,1,0)-(2,0,0); the other corners differ in y and z only.
template <class T> SoupOf<T> TwoTriangles()
{
    SoupOf<T> soup;
    soup.AddTriangle(Pt3<T>(2, 0, 0), Pt3<T>(0, 1, 0), Pt3<T>(0, 0, 5), Pt3<T>(0, 0, 7));
    soup.AddTriangle(Pt3<T>(0, 1, 0), Pt3<T>(2, 0, 0), Pt3<T>(0, 1, -1), Pt3<T>(1, 2, 3));
    return soup;
}

TYPED_TEST(Mesh, SoupDropsTrianglesWithAnEdgeBelowTheThreshold)
{
    using T = TypeParam;
    const T shortest = static_cast<T>(9.999999960041972e-13);
    const T below = std::nextafter(shortest, T(0));
    const T nan = std::numeric_limits<T>::quiet_NaN();
    SoupOf<T> soup;
    // The short edge in each of the three places.
    soup.AddTriangle(Pt3<T>(), Pt3<T>(T(1e-13), 0, 0), Pt3<T>(0, 1, 0), Pt3<T>());
    soup.AddTriangle(Pt3<T>(0, 1, 0), Pt3<T>(), Pt3<T>(below, 0, 0), Pt3<T>());
    soup.AddTriangle(Pt3<T>(0, 0, below), Pt3<T>(0, 1, 0), Pt3<T>(), Pt3<T>());
    EXPECT_EQ(soup.GetNumberOfTriangles(), 0u);
    EXPECT_TRUE(soup.GetPoints().empty());

    soup.AddTriangle(Pt3<T>(), Pt3<T>(shortest, 0, 0), Pt3<T>(0, 1, 0), Pt3<T>(0, 0, 1));
    soup.AddTriangle(Pt3<T>(nan, 0, 0), Pt3<T>(1, 0, 0), Pt3<T>(0, 1, 0), Pt3<T>(0, 0, 1));
    ASSERT_EQ(soup.GetNumberOfTriangles(), 2u);
    ASSERT_EQ(soup.GetPoints().size(), 6u);
    EXPECT_EQ(soup.GetPoints()[1], Pt3<T>(shortest, 0, 0));
    for (const auto& triangle : soup.GetTriangles())
        for (std::uint32_t v : triangle.vertices)
            EXPECT_EQ(v, 0xFFFFFFFFu);
}

TYPED_TEST(Mesh, WeldEqualityIsExactSignedZerosMeetAndNaNsStaySeparateAndLast)
{
    using T = TypeParam;
    const T nan = std::numeric_limits<T>::quiet_NaN();
    const T one = T(1), next = std::nextafter(one, T(2));
    SoupOf<T> soup;
    soup.AddTriangle(Pt3<T>(nan, 0, 0), Pt3<T>(nan, 0, 0), Pt3<T>(0, 0, 1), Pt3<T>());
    soup.AddTriangle(Pt3<T>(one, 0, 0), Pt3<T>(0, 1, 0), Pt3<T>(0, 0, 1), Pt3<T>());
    soup.AddTriangle(Pt3<T>(next, 0, 0), Pt3<T>(0, 1, 0), Pt3<T>(-T(0), -T(0), 1), Pt3<T>());
    soup.AddTriangle(Pt3<T>(0, nan, 0), Pt3<T>(0, 3, 0), Pt3<T>(one, 0, 0), Pt3<T>());
    const MeshOf<T> mesh(soup, kMetric);
    // (0,0,1) (0,1,0) (0,3,0) (0,NaN,0) (1,0,0) (1+ulp,0,0) and two NaN points at the end.
    ASSERT_EQ(mesh.GetNumberOfPoints(), 8u);
    const auto& p = mesh.GetPoints();
    EXPECT_EQ(p[0], Pt3<T>(0, 0, 1));
    EXPECT_EQ(p[1], Pt3<T>(0, 1, 0));
    EXPECT_EQ(p[2], Pt3<T>(0, 3, 0));
    EXPECT_TRUE(p[3].x() == 0 && std::isnan(p[3].y()));
    EXPECT_EQ(p[4], Pt3<T>(one, 0, 0));
    EXPECT_EQ(p[5], Pt3<T>(next, 0, 0));
    EXPECT_TRUE(std::isnan(p[6].x()) && std::isnan(p[7].x()));
    const auto& first = mesh.GetTriangle(0).vertices;
    EXPECT_NE(first[0], first[1]);
    EXPECT_GE(std::min(first[0], first[1]), 6u);
    EXPECT_EQ(Corners(mesh, 2), (Ids{5, 1, 0}));
    EXPECT_EQ(Corners(mesh, 3), (Ids{3, 2, 4}));
    for (const auto& triangle : mesh.GetTriangles())
        for (std::uint32_t v : triangle.vertices)
            EXPECT_LT(v, mesh.GetNumberOfPoints());
}

TYPED_TEST(Mesh, WeldMatchesSortAndUniqueOnARandomSoup)
{
    using T = TypeParam;
    std::mt19937 random(20240611);
    // Few distinct values (many shared corners), then enough distinct points for the weld to
    // order them through its bucket pass; tenths are not exact in binary, zeros come signed.
    struct Case
    {
        int range, triangles;
    };
    MeshOf<T> mesh(kMetric);
    std::vector<Pt3<T>> reference;
    for (const Case c : {Case{40, 2500}, Case{3, 400}})
    {
        std::uniform_int_distribution<int> coordinate(-c.range, c.range);
        const auto value = [&]
        {
            const int k = coordinate(random);
            return k == 0 && random() % 2 ? -T(0) : T(k) * T(0.1);
        };
        SoupOf<T> soup;
        for (int t = 0; t < c.triangles; ++t)
        {
            const Pt3<T> a(value(), value(), value()), b(value(), value(), value()), c3(value(), value(), value());
            soup.AddTriangle(a, b, c3, Pt3<T>(T(t), 0, 0));
        }
        ASSERT_GT(soup.GetNumberOfTriangles(), unsigned(c.triangles * 3 / 4));

        reference = soup.GetPoints();
        std::sort(reference.begin(), reference.end(), Less<T>);
        reference.erase(std::unique(reference.begin(), reference.end()), reference.end());
        if (c.range > 3)
        {
            ASSERT_GT(reference.size(), 4096u);
        }

        mesh.SetTriangles(soup);
        ASSERT_EQ(mesh.GetPoints(), reference);
        ASSERT_EQ(mesh.GetNumberOfTriangles(), soup.GetNumberOfTriangles());
        for (unsigned t = 0; t < mesh.GetNumberOfTriangles(); ++t)
        {
            EXPECT_EQ(mesh.GetTriangle(t).normal, soup.GetTriangles()[t].normal);
            for (int k = 0; k < 3; ++k)
            {
                const auto at =
                    std::lower_bound(reference.begin(), reference.end(), soup.GetPoints()[3 * t + k], Less<T>);
                EXPECT_EQ(Corners(mesh, t)[k], static_cast<std::uint32_t>(at - reference.begin()));
            }
        }
    }

    // An empty soup leaves the mesh as it is; another soup replaces it.
    mesh.SetTriangles(SoupOf<T>());
    EXPECT_EQ(mesh.GetPoints(), reference);
    mesh.SetTriangles(TwoTriangles<T>());
    EXPECT_EQ(mesh.GetNumberOfPoints(), 4u);
    EXPECT_EQ(mesh.GetNumberOfTriangles(), 2u);
}

TYPED_TEST(Mesh, AddMeshWeldsLikeTheCombinedSoup)
{
    using T = TypeParam;
    SoupOf<T> second, both = TwoTriangles<T>();
    for (SoupOf<T>* soup : {&second, &both})
    {
        soup->AddTriangle(Pt3<T>(0, 1, 0), Pt3<T>(0, 0, 5), Pt3<T>(-1, 0, 0), Pt3<T>(4, 4, 4));
        soup->AddTriangle(Pt3<T>(-1, 0, 0), Pt3<T>(3, 3, 3), Pt3<T>(0, 1, -1), Pt3<T>(5, 5, 5));
    }
    MeshOf<T> mesh(TwoTriangles<T>(), kMetric);
    mesh.AddMesh(MeshOf<T>(second, kMetric));
    const MeshOf<T> expected(both, kMetric);
    EXPECT_EQ(mesh.GetPoints(), expected.GetPoints());
    ASSERT_EQ(mesh.GetNumberOfTriangles(), 4u);
    for (unsigned t = 0; t < 4; ++t)
    {
        EXPECT_EQ(Corners(mesh, t), Corners(expected, t));
        EXPECT_EQ(mesh.GetTriangle(t).normal, expected.GetTriangle(t).normal);
    }

    // With itself (the very same lists): no new point, every triangle twice.
    const unsigned points = mesh.GetNumberOfPoints();
    mesh.AddMesh(mesh);
    EXPECT_EQ(mesh.GetNumberOfPoints(), points);
    ASSERT_EQ(mesh.GetNumberOfTriangles(), 8u);
    EXPECT_TRUE(std::is_sorted(mesh.GetPoints().begin(), mesh.GetPoints().end(), Less<T>));
    for (unsigned t = 0; t < 4; ++t)
        EXPECT_EQ(Corners(mesh, t + 4), Corners(mesh, t));

    // A NaN point meets no other and stays behind every number.
    SoupOf<T> nan;
    nan.AddTriangle(Pt3<T>(std::numeric_limits<T>::quiet_NaN(), 0, 0), Pt3<T>(9, 9, 9), Pt3<T>(0, 0, 5),
                    Pt3<T>());
    MeshOf<T> merged(nan, kMetric);
    merged.AddMesh(MeshOf<T>(TwoTriangles<T>(), kMetric));
    merged.AddMesh(MeshOf<T>(nan, kMetric));
    ASSERT_EQ(merged.GetNumberOfPoints(), 7u);
    EXPECT_EQ(merged.GetPoint(4), Pt3<T>(9, 9, 9));
    EXPECT_TRUE(std::isnan(merged.GetPoint(5).x()) && std::isnan(merged.GetPoint(6).x()));
    EXPECT_EQ(Corners(merged, 0), (Ids{5, 4, 0}));
    EXPECT_EQ(Corners(merged, 3), (Ids{6, 4, 0}));
}

TYPED_TEST(Mesh, MergingEmptyMeshesAndMeshesOfOtherUnits)
{
    using T = TypeParam;
    const MeshOf<T> two(TwoTriangles<T>(), kMetric);
    MeshOf<T> empty(kMetric);
    empty.AddMesh(two);
    EXPECT_EQ(empty.GetPoints(), two.GetPoints());
    EXPECT_EQ(empty.GetNumberOfTriangles(), 2u);
    MeshOf<T> mesh(two);
    mesh.AddMesh(MeshOf<T>(kMetric));
    EXPECT_EQ(mesh.GetPoints(), two.GetPoints());
    EXPECT_EQ(mesh.GetNumberOfTriangles(), 2u);

    MeshOf<T> inch(TwoTriangles<T>(), kInch);
    const auto e = Thrown<misc::qzException>([&] { mesh.AddMesh(inch); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->GetErrorCode(), 3512u);
    EXPECT_EQ(e->GetErrorMessage(), "Could not merge two meshes with different units type");
    const auto fast = Thrown<misc::qzException>([&] { mesh.AddMeshFastButDontCareDuplicates(inch); });
    EXPECT_TRUE(fast && fast->GetErrorCode() == 3512u);
    EXPECT_EQ(mesh.GetPoints(), two.GetPoints());
    EXPECT_EQ(mesh.GetNumberOfTriangles(), 2u);

    mesh.AddMeshFastButDontCareDuplicates(two);
    ASSERT_EQ(mesh.GetNumberOfPoints(), 8u);
    EXPECT_EQ(mesh.GetPoint(4), two.GetPoint(0));
    EXPECT_EQ(Corners(mesh, 2), (Ids{7, 6, 4}));
    EXPECT_EQ(Corners(mesh, 3), (Ids{6, 7, 5}));
}

TYPED_TEST(Mesh, RecalculatedNormalsAreUnnormalizedCrossProducts)
{
    using T = TypeParam;
    SoupOf<T> soup;
    soup.AddTriangle(Pt3<T>(0, 0, 0), Pt3<T>(2, 0, 0), Pt3<T>(0, 3, 0), Pt3<T>(9, 9, 9));
    MeshOf<T> mesh(soup, kMetric);
    EXPECT_EQ(mesh.GetTriangleArea(0), T(3));
    mesh.RecalculateNormals();
    EXPECT_EQ(mesh.GetTriangle(0).normal, Pt3<T>(0, 0, 6));
}

TYPED_TEST(Mesh, MovingAPointUpdatesTheNormalOfEveryTriangleUsingIt)
{
    using T = TypeParam;
    // A hexagon fan around the origin, and one triangle apart from it.
    const T s = T(0.5), h = T(0.75);
    const Pt3<T> rim[6] = {Pt3<T>(1, 0, 0),  Pt3<T>(s, h, 0),   Pt3<T>(-s, h, 0),
                           Pt3<T>(-1, 0, 0), Pt3<T>(-s, -h, 0), Pt3<T>(s, -h, 0)};
    const Pt3<T> stale(9, 9, 9);
    SoupOf<T> soup;
    for (int i = 0; i < 6; ++i)
        soup.AddTriangle(Pt3<T>(), rim[i], rim[(i + 1) % 6], stale);
    soup.AddTriangle(Pt3<T>(5, 0, 0), Pt3<T>(6, 0, 0), Pt3<T>(5, 1, 0), stale);
    MeshOf<T> mesh(soup, kMetric);
    const auto centre = static_cast<unsigned>(
        std::find(mesh.GetPoints().begin(), mesh.GetPoints().end(), Pt3<T>()) - mesh.GetPoints().begin());
    ASSERT_LT(centre, mesh.GetNumberOfPoints());

    mesh.SetPoint(centre, Pt3<T>(0, 0, 2), false);
    for (const auto& triangle : mesh.GetTriangles())
        EXPECT_EQ(triangle.normal, stale);
    mesh.SetPoint(centre, Pt3<T>(0, 0, 1), true);
    EXPECT_EQ(mesh.GetPoint(centre), Pt3<T>(0, 0, 1));
    for (unsigned t = 0; t < 6; ++t)
    {
        const Pt3<T> p0 = mesh.GetTriangleFirstVertexData(t), p1 = mesh.GetTriangleSecondVertexData(t),
                     p2 = mesh.GetTriangleThirdVertexData(t);
        const Pt3<T> a = p2 - p1, b = p0 - p1;
        const Pt3<T> expected(a.y() * b.z() - a.z() * b.y(), a.z() * b.x() - a.x() * b.z(),
                              a.x() * b.y() - a.y() * b.x());
        EXPECT_EQ(mesh.GetTriangle(t).normal, expected) << "triangle " << t;
        EXPECT_GT(mesh.GetTriangle(t).normal.z(), 0) << "triangle " << t;
    }
    EXPECT_EQ(mesh.GetTriangle(6).normal, stale);
}

TYPED_TEST(Mesh, GetNormalPrefersTheGivenVector)
{
    using T = TypeParam;
    Pt3<T> n(0, 3, 4);
    MeshOf<T>::GetNormal(Pt3<T>(), Pt3<T>(), Pt3<T>(), n);
    EXPECT_NEAR(n.x(), 0, kEps<T>);
    EXPECT_NEAR(n.y(), 0.6, kEps<T>);
    EXPECT_NEAR(n.z(), 0.8, kEps<T>);

    Pt3<T> fromPoints;
    MeshOf<T>::GetNormal(Pt3<T>(1, 1, 1), Pt3<T>(1, 1, 3), Pt3<T>(1, 5, 1), fromPoints);
    EXPECT_NEAR(fromPoints.x(), -1, kEps<T>);
    EXPECT_NEAR(fromPoints.y(), 0, kEps<T>);
    EXPECT_NEAR(fromPoints.z(), 0, kEps<T>);

    Pt3<T> zero;
    const auto e = Thrown<qzcadcamException>(
        [&] { MeshOf<T>::GetNormal(Pt3<T>(), Pt3<T>(1, 0, 0), Pt3<T>(2, 0, 0), zero); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->GetErrorCode(), 2189u);
    EXPECT_EQ(zero, Pt3<T>());
}

TEST(MeshAccess, IndicesBeyondTheListsThrow)
{
    const MeshOf<double> mesh(TwoTriangles<double>(), kMetric);
    const auto point = Thrown<misc::qzIdxRangeException<unsigned>>([&] { mesh.GetPoint(4); });
    ASSERT_TRUE(point);
    EXPECT_EQ(point->GetMaxIndex(), 3u);
    EXPECT_EQ(point->GetIndex(), 4u);
    const auto corner =
        Thrown<misc::qzIdxRangeException<unsigned>>([&] { mesh.GetTriangleVertexData(1, 3); });
    ASSERT_TRUE(corner);
    EXPECT_EQ(corner->GetMaxIndex(), 2u);
    const auto triangle =
        Thrown<misc::qzIdxRangeException<unsigned>>([&] { mesh.GetTriangleVertexData(2, 0); });
    ASSERT_TRUE(triangle);
    EXPECT_EQ(triangle->GetMaxIndex(), 1u);
    EXPECT_THROW(mesh.GetTriangle(2), std::out_of_range);
    EXPECT_EQ(mesh.GetTriangleThirdVertexPosition(1), Pt3<double>(0, 1, -1));
}

TEST(MeshShared, ListsAreSharedAdoptedOrCopiedAsDocumented)
{
    MeshOf<double> mesh(TwoTriangles<double>(), kMetric);
    auto points = mesh.GetPointsAutoPointer();
    auto triangles = mesh.GetTrianglesAutoPointer();
    (*points)[0] = Pt3<double>(-7, 0, 0);
    EXPECT_EQ(mesh.GetPoint(0), Pt3<double>(-7, 0, 0));

    const MeshOf<double> adopted(points, triangles, kMetric);
    EXPECT_EQ(adopted.GetPointsAutoPointer().Get(), points.Get());
    EXPECT_EQ(adopted.GetTrianglesAutoPointer().Get(), triangles.Get());
    const MeshOf<double> copy(mesh);
    EXPECT_NE(copy.GetPointsAutoPointer().Get(), points.Get());
    EXPECT_EQ(copy.GetPoints(), mesh.GetPoints());

    // Assignment writes into the shared lists and takes units and values as they are.
    SoupOf<double> soup;
    soup.AddTriangle(Pt3<double>(0, 0, 0), Pt3<double>(25.4, 0, 0), Pt3<double>(0, 25.4, 0),
                     Pt3<double>(0, 0, 1));
    const MeshOf<double> inch(soup, kInch);
    mesh = inch;
    EXPECT_EQ(mesh.GetUnits(), kInch);
    EXPECT_EQ(points->size(), 3u);
    EXPECT_EQ((*points)[2], Pt3<double>(25.4, 0, 0));
    EXPECT_EQ(triangles->size(), 1u);
    EXPECT_EQ(adopted.GetNumberOfTriangles(), 1u);
}

TYPED_TEST(Mesh, ChangingToInchesScalesPointsButNotNormals)
{
    using T = TypeParam;
    SoupOf<T> soup;
    soup.AddTriangle(Pt3<T>(0, 0, 0), Pt3<T>(T(25.4), 0, 0), Pt3<T>(0, 254, T(-50.8)), Pt3<T>(0, 0, 3));
    MeshOf<T> mesh(soup, kMetric);
    mesh.SetUnits(kInch, true);
    EXPECT_EQ(mesh.GetUnits(), kInch);
    EXPECT_NEAR(mesh.GetPoint(1).x(), 0, kEps<T>);
    EXPECT_NEAR(mesh.GetPoint(1).y(), 10, 10 * kEps<T>);
    EXPECT_NEAR(mesh.GetPoint(1).z(), -2, kEps<T>);
    EXPECT_NEAR(mesh.GetPoint(2).x(), 1, kEps<T>);
    EXPECT_EQ(mesh.GetTriangle(0).normal, Pt3<T>(0, 0, 3));
}

template <class T> struct Visits : cadcam::qz3dObjectVisitor<T>
{
    mutable int constMesh = 0;
    int mesh = 0;
    void Visit(const cadcam::qz3dGeometry<T>&) const override { ADD_FAILURE() << "visited as geometry"; }
    void Visit(cadcam::qz3dGeometry<T>&) override { ADD_FAILURE() << "visited as geometry"; }
    void Visit(const qzTMesh<T>&) const override { ++constMesh; }
    void Visit(qzTMesh<T>&) override { ++mesh; }
};

TYPED_TEST(Mesh, BoundingBoxIsCachedFromTheTriangleCornersAndVisitsAsAMesh)
{
    using T = TypeParam;
    using Box = cadcam::qz3dBoundingBox<T>;
    std::vector<Pt3<T>> points = {Pt3<T>(1, 2, 3), Pt3<T>(4, 0, 3), Pt3<T>(1, 5, -1), Pt3<T>(100, 100, 100)};
    std::vector<typename qzTMesh<T>::qzTTriangle> triangles = {{{0, 1, 2}, Pt3<T>(0, 0, 1)}};
    qzTMesh<T> mesh(points, triangles, kMetric);
    EXPECT_TRUE(qzTMesh<T>(kMetric).GetBoundingBox().IsEmpty());

    const Box expected(Pt3<T>(1, 0, -1), Pt3<T>(4, 5, 3));
    EXPECT_EQ(mesh.GetBoundingBox(), expected);
    mesh.SetPoint(0, Pt3<T>(-8, 2, 3), false);
    EXPECT_EQ(mesh.GetBoundingBox(), expected);
    const Box set(Pt3<T>(-1, -1, -1), Pt3<T>(1, 1, 1));
    mesh.SetBoundingBox(set);
    EXPECT_EQ(mesh.GetBoundingBox(), set);
    mesh.SetBoundingBox(Box(Pt3<T>(2, 2, 2), Pt3<T>(2, 2, 2)));
    EXPECT_EQ(mesh.GetBoundingBox(), Box(Pt3<T>(-8, 0, -1), Pt3<T>(4, 5, 3)));

    Visits<T> visitor;
    mesh.AcceptVisitor(visitor);
    static_cast<const qzTMesh<T>&>(mesh).AcceptVisitor(static_cast<const Visits<T>&>(visitor));
    EXPECT_EQ(visitor.mesh, 1);
    EXPECT_EQ(visitor.constMesh, 1);
}
} // namespace
