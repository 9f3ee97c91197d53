#include "foundation/test_support.h"

#include "brimlib/qz2dPolygonOffseter.h"
#include "foundation/qzWMException.h"
#include "geometry/qz2dArc.h"
#include "geometry/qz2dLine.h"
#include "geometry/qzWildMagicAdapter.h"
#include "toolgeometry/qzCasting2SolidDefinitionChecker.h"
#include "toolgeometry/qzSolidDefinitionMeshFactory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

namespace
{
using namespace cadcam;
using misc::qzAutoPointer;
using tessaform_test::Thrown;
constexpr double kPi = 3.14159265358979323846;

template <class T> qzAutoPointer<qz2dContour<T>> Polygon(const std::vector<std::pair<T, T>>& corners)
{
    auto contour = misc::qzMakeAutoPointer<qz2dContour<T>>();
    std::vector<qzAutoPointer<qz2dPoint<T>>> points;
    for (const auto& c : corners)
        points.push_back(misc::qzMakeAutoPointer<qz2dPoint<T>>(c.first, c.second));
    for (std::size_t i = 0; i < points.size(); ++i)
        contour->AddGeometry(misc::qzMakeAutoPointer<qz2dLine<T>>(points[i], points[(i + 1) % points.size()]));
    return contour;
}

template <class T> qzAutoPointer<qz2dContour<T>> Square(T size = 10)
{
    return Polygon<T>({{0, 0}, {size, 0}, {size, size}, {0, size}});
}

template <class T>
qzAutoPointer<qzTMesh<T>> Extrude(qzAutoPointer<qz2dContour<T>> contour, qzTPoint3d<T> vector, T offset = 0,
                                  T baseHeight = 0)
{
    const qzExtrudedSolidDefinition<T> solid(measures::qzUnitsFactory::METRIC, qzExtrusionBase<T>(contour, baseHeight),
                                             qz3dPoint<T>(vector));
    return qzSolidDefinitionMeshFactory<T>::Create(solid, offset, T(0.01));
}

// Every directed edge once, and its reverse once: closed and consistently oriented.
template <class T> bool IsWatertight(const qzTMesh<T>& mesh)
{
    std::map<std::pair<unsigned, unsigned>, int> edges;
    for (const auto& t : mesh.GetTriangles())
        for (int k = 0; k < 3; ++k)
            ++edges[{t.vertices[k], t.vertices[(k + 1) % 3]}];
    for (const auto& [edge, count] : edges)
    {
        const auto back = edges.find({edge.second, edge.first});
        if (count != 1 || back == edges.end() || back->second != 1)
            return false;
    }
    return !edges.empty();
}

// Positive for a closed mesh whose triangles turn outwards.
template <class T> double SignedVolume(const qzTMesh<T>& mesh)
{
    double six = 0;
    for (unsigned t = 0; t < mesh.GetNumberOfTriangles(); ++t)
    {
        const auto a = mesh.GetTriangleFirstVertexData(t), b = mesh.GetTriangleSecondVertexData(t),
                   c = mesh.GetTriangleThirdVertexData(t);
        six += Dot(qzTPoint3d<double>(a.x(), a.y(), a.z()), qzTPoint3d<double>(Cross(b - a, c - a).x(),
                                                                            Cross(b - a, c - a).y(),
                                                                            Cross(b - a, c - a).z()));
    }
    return six / 6;
}

// The stored normal of every triangle is the right-hand normal of its corner order.
template <class T> void ExpectNormalsFollowCorners(const qzTMesh<T>& mesh)
{
    for (unsigned t = 0; t < mesh.GetNumberOfTriangles(); ++t)
    {
        const auto a = mesh.GetTriangleFirstVertexData(t), b = mesh.GetTriangleSecondVertexData(t),
                   c = mesh.GetTriangleThirdVertexData(t);
        const auto expected = Cross(b - a, c - a), stored = mesh.GetTriangleData(t);
        EXPECT_NEAR(double(~(expected - stored)), 0.0, 1e-3 * double(~expected)) << "triangle " << t;
    }
}

struct Faces
{
    int bottom = 0, top = 0, side = 0;
};

template <class T> Faces ClassifyByNormal(const qzTMesh<T>& mesh)
{
    Faces faces;
    for (unsigned t = 0; t < mesh.GetNumberOfTriangles(); ++t)
    {
        const auto n = mesh.GetTriangleData(t);
        if (n.x() == 0 && n.z() == 0)
            (n.y() < 0 ? faces.bottom : faces.top)++;
        else
        {
            EXPECT_EQ(n.y(), 0) << "side wall normal leans";
            faces.side++;
        }
    }
    return faces;
}

template <class T> class MeshFactoryTyped : public ::testing::Test
{
};
using CoordinateTypes = ::testing::Types<float, double>;
TYPED_TEST_SUITE(MeshFactoryTyped, CoordinateTypes);

TYPED_TEST(MeshFactoryTyped, SquareBecomesAClosedBoxWithSketchYAlongMeshZ)
{
    using T = TypeParam;
    const auto mesh = Extrude<T>(Square<T>(), qzTPoint3d<T>(0, 0, 10));
    ASSERT_EQ(mesh->GetNumberOfTriangles(), 12u);
    const Faces faces = ClassifyByNormal(*mesh);
    EXPECT_EQ(faces.side, 8);
    EXPECT_EQ(faces.bottom, 2);
    EXPECT_EQ(faces.top, 2);
    const auto& box = mesh->GetBoundingBox();
    EXPECT_EQ(box.GetMin(), qzTPoint3d<T>(0, 0, 0));
    EXPECT_EQ(box.GetMax(), qzTPoint3d<T>(10, 10, 10));
    EXPECT_TRUE(IsWatertight(*mesh));
    EXPECT_NEAR(SignedVolume(*mesh), 1000.0, 1e-3);
    ExpectNormalsFollowCorners(*mesh);

    // The wall on sketch y = 0 lies in the mesh plane z = 0 and faces -Z; bottom cap at Y = 0.
    for (unsigned t = 0; t < mesh->GetNumberOfTriangles(); ++t)
    {
        const auto a = mesh->GetTriangleFirstVertexData(t), b = mesh->GetTriangleSecondVertexData(t),
                   c = mesh->GetTriangleThirdVertexData(t);
        const auto n = mesh->GetTriangleData(t);
        if (a.z() == 0 && b.z() == 0 && c.z() == 0)
        {
            EXPECT_TRUE(n.z() < 0 && n.x() == 0 && n.y() == 0);
        }
        if (a.y() == 0 && b.y() == 0 && c.y() == 0)
        {
            EXPECT_LT(n.y(), 0);
        }
    }
}

TEST(MeshFactory, PositiveOffsetShrinksEverySideAndBothEnds)
{
    const auto mesh = Extrude<double>(Square<double>(), qzTPoint3d<double>(0, 0, 10), 1.0);
    const auto& box = mesh->GetBoundingBox();
    EXPECT_NEAR(box.GetMin().x(), 1, 1e-9);
    EXPECT_NEAR(box.GetMin().z(), 1, 1e-9);
    EXPECT_NEAR(box.GetMax().x(), 9, 1e-9);
    EXPECT_NEAR(box.GetMax().z(), 9, 1e-9);
    EXPECT_DOUBLE_EQ(box.GetMin().y(), 1);
    EXPECT_DOUBLE_EQ(box.GetMax().y(), 9);
    EXPECT_TRUE(IsWatertight(*mesh));
    EXPECT_NEAR(SignedVolume(*mesh), 512.0, 1e-3);
}

TEST(MeshFactory, ClockwiseBaseGivesTheSameOutwardBody)
{
    const auto clockwise = Polygon<double>({{0, 0}, {0, 10}, {10, 10}, {10, 0}});
    for (double offset : {0.0, 1.0})
    {
        const auto mesh = Extrude<double>(clockwise, qzTPoint3d<double>(0, 0, 10), offset);
        EXPECT_TRUE(IsWatertight(*mesh));
        const double side = 10 - 2 * offset;
        EXPECT_NEAR(SignedVolume(*mesh), side * side * side, 1e-3) << "offset " << offset;
        EXPECT_NEAR(mesh->GetBoundingBox().GetMax().x(), 10 - offset, 1e-9);
    }
}

TEST(MeshFactory, NegativeOffsetGrowsWithRoundedCorners)
{
    const auto mesh = Extrude<double>(Square<double>(), qzTPoint3d<double>(0, 0, 10), -1.0);
    const auto& box = mesh->GetBoundingBox();
    EXPECT_NEAR(box.GetMin().x(), -1, 1e-6);
    EXPECT_NEAR(box.GetMax().z(), 11, 1e-6);
    EXPECT_DOUBLE_EQ(box.GetMin().y(), -1);
    EXPECT_DOUBLE_EQ(box.GetMax().y(), 11);
    EXPECT_TRUE(IsWatertight(*mesh));
    // Base area 100 + 4 * 10 + pi (quarter circles at the corners), height 12; chords cut a little.
    EXPECT_NEAR(SignedVolume(*mesh), (140 + kPi) * 12, 0.5);
}

TEST(MeshFactory, ExtrusionVectorShearsTheTopAlongMeshXOrZ)
{
    const auto alongX = Extrude<double>(Square<double>(), qzTPoint3d<double>(2, 0, 10));
    EXPECT_DOUBLE_EQ(alongX->GetBoundingBox().GetMax().x(), 12);
    EXPECT_DOUBLE_EQ(alongX->GetBoundingBox().GetMax().z(), 10);
    const auto alongZ = Extrude<double>(Square<double>(), qzTPoint3d<double>(0, 2, 10));
    EXPECT_DOUBLE_EQ(alongZ->GetBoundingBox().GetMax().x(), 10);
    EXPECT_DOUBLE_EQ(alongZ->GetBoundingBox().GetMax().z(), 12);
    for (const auto* mesh : {&*alongX, &*alongZ})
    {
        EXPECT_TRUE(IsWatertight(*mesh));
        EXPECT_NEAR(SignedVolume(*mesh), 1000.0, 1e-3); // a shear keeps the volume
        for (const auto& p : mesh->GetPoints())
            if (p.y() == 10)
            {
                EXPECT_TRUE(alongX.Get() == mesh ? p.x() >= 2 : p.z() >= 2);
            }
    }
}

TEST(MeshFactory, ContourOfLinesAndArcsWithBaseHeight)
{
    // A 20 x 10 slot: two half circles of radius 5 joined by straight sides.
    auto slot = misc::qzMakeAutoPointer<qz2dContour<double>>();
    const auto P = [](double x, double y) { return misc::qzMakeAutoPointer<qz2dPoint<double>>(x, y); };
    slot->AddGeometry(misc::qzMakeAutoPointer<qz2dLine<double>>(P(0, -5), P(10, -5)));
    slot->AddGeometry(misc::qzMakeAutoPointer<qz2dArc<double>>(P(10, 0), 5.0, 270.0, 180.0));
    slot->AddGeometry(misc::qzMakeAutoPointer<qz2dLine<double>>(P(10, 5), P(0, 5)));
    slot->AddGeometry(misc::qzMakeAutoPointer<qz2dArc<double>>(P(0, 0), 5.0, 90.0, 180.0));
    const auto mesh = Extrude<double>(slot, qzTPoint3d<double>(0, 0, 4), 0.0, 3.0);
    EXPECT_TRUE(IsWatertight(*mesh));
    EXPECT_DOUBLE_EQ(mesh->GetBoundingBox().GetMin().y(), 3);
    EXPECT_DOUBLE_EQ(mesh->GetBoundingBox().GetMax().y(), 7);
    // Chords within 0.01 of the arcs cut at most 0.01 x perimeter (31.4) per unit of height.
    const double exact = (100 + 25 * kPi) * 4;
    EXPECT_LT(SignedVolume(*mesh), exact);
    EXPECT_GT(SignedVolume(*mesh), exact - 0.01 * 10 * kPi * 4);
    ExpectNormalsFollowCorners(*mesh);
}

TEST(MeshFactory, TwoPointContourHasWallsButNoCaps)
{
    const auto there = Polygon<double>({{0, 0}, {10, 0}});
    const auto mesh = Extrude<double>(there, qzTPoint3d<double>(0, 0, 5));
    const Faces faces = ClassifyByNormal(*mesh);
    EXPECT_EQ(faces.side, 4);
    EXPECT_EQ(faces.bottom + faces.top, 0);
}

TEST(MeshFactory, NegativeHeightKeepsCapsFacingTheirAxisDirections)
{
    const auto mesh = Extrude<double>(Square<double>(), qzTPoint3d<double>(0, 0, -10));
    EXPECT_DOUBLE_EQ(mesh->GetBoundingBox().GetMin().y(), -10);
    for (unsigned t = 0; t < mesh->GetNumberOfTriangles(); ++t)
    {
        const auto a = mesh->GetTriangleFirstVertexData(t), b = mesh->GetTriangleSecondVertexData(t),
                   c = mesh->GetTriangleThirdVertexData(t);
        if (a.y() == 0 && b.y() == 0 && c.y() == 0)
        {
            EXPECT_LT(mesh->GetTriangleData(t).y(), 0);
        }
        if (a.y() == -10 && b.y() == -10 && c.y() == -10)
        {
            EXPECT_GT(mesh->GetTriangleData(t).y(), 0);
        }
    }
}

TEST(MeshFactory, RefusesOpenDegenerateAndSelfCrossingContours)
{
    auto open = misc::qzMakeAutoPointer<qz2dContour<double>>();
    open->AddGeometry(misc::qzMakeAutoPointer<qz2dLine<double>>(misc::qzMakeAutoPointer<qz2dPoint<double>>(0, 0),
                                                                misc::qzMakeAutoPointer<qz2dPoint<double>>(1, 0)));
    const auto openError = Thrown<qzcadcamException>([&] { Extrude<double>(open, qzTPoint3d<double>(0, 0, 1)); });
    ASSERT_TRUE(openError);
    EXPECT_EQ(openError->GetErrorCode(), 2192u);

    // A single zero-length line is closed but polygonizes to one vertex: the bare identifier.
    const auto dot = Polygon<double>({{1, 1}});
    const auto tooFew =
        Thrown<qzcadcamException::errorIDD>([&] { Extrude<double>(dot, qzTPoint3d<double>(0, 0, 1)); });
    ASSERT_TRUE(tooFew);
    EXPECT_EQ(*tooFew, 2216);

    // A self-crossing outline: the ear clipping is not trusted with it.
    const auto crossing = Polygon<double>({{0, 0}, {10, 10}, {10, 0}, {0, 12}});
    const auto wm = Thrown<qzWMException>([&] { Extrude<double>(crossing, qzTPoint3d<double>(0, 0, 1)); });
    ASSERT_TRUE(wm);
    EXPECT_EQ(wm->GetErrorCode(), 7052u);
    EXPECT_EQ(wm->GetErrorMessage(), "Contour triangulation error");
}

// n - 2 triangles of the ring's corners, none clockwise, whose areas add up to the ring's.
void ExpectTrianglesCoverTheRing(const std::vector<wildmagic::Vec2<double>>& ring, const std::vector<int>& triples,
                                 double tolerance)
{
    ASSERT_EQ(triples.size(), 3 * (ring.size() - 2));
    double area = 0;
    for (std::size_t t = 0; t < triples.size(); t += 3)
    {
        const auto &a = ring[triples[t]], &b = ring[triples[t + 1]], &c = ring[triples[t + 2]];
        const double twice = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
        EXPECT_GE(twice, 0) << "triangle " << t / 3;
        area += twice / 2;
    }
    double ringArea = 0;
    for (std::size_t i = 0; i < ring.size(); ++i)
    {
        const auto &p = ring[i], &q = ring[(i + 1) % ring.size()];
        ringArea += (p[0] * q[1] - q[0] * p[1]) / 2;
    }
    EXPECT_NEAR(area, ringArea, tolerance);
}

TEST(EarClippingAdapter, SkipsRepeatedCornersAndCoversThePolygonOnce)
{
    const std::vector<wildmagic::Vec2<double>> square{{0, 0}, {10, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    const auto triples = wildmagic::TriangulateEarClipping(square);
    ASSERT_EQ(triples.size(), 6u);
    double area = 0;
    for (std::size_t t = 0; t < triples.size(); t += 3)
    {
        const auto &a = square[triples[t]], &b = square[triples[t + 1]], &c = square[triples[t + 2]];
        const double twice = (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]);
        EXPECT_GT(twice, 0) << "triangle " << t / 3 << " is not counter-clockwise";
        area += twice / 2;
    }
    EXPECT_EQ(area, 100.0);
    for (int index : triples)
        EXPECT_NE(index, 2) << "the repeated corner is used";
}

TEST(EarClippingAdapter, ClipsAConcaveCombAndANearlyDegenerateRing)
{
    // A comb: every second corner reflex, so most candidates are not ears.
    std::vector<wildmagic::Vec2<double>> comb{{0, 0}, {40, 0}};
    for (int tooth = 9; tooth >= 0; --tooth)
    {
        comb.push_back({4.0 * tooth + 4, 10});
        comb.push_back({4.0 * tooth + 2, 2});
    }
    comb.push_back({0, 10});
    ExpectTrianglesCoverTheRing(comb, wildmagic::TriangulateEarClipping(comb), 1e-9);

    // Corners a rounding error off a line: it still ends, with n - 2 triangles.
    const std::vector<wildmagic::Vec2<double>> sliver{{0, 0}, {1e6, 1e-9}, {2e6, 0}, {2e6, 1e-9}, {0, 2e-9}};
    EXPECT_EQ(wildmagic::TriangulateEarClipping(sliver).size(), 9u);
}

TEST(EarClippingAdapter, ClipsALargeRoundOutlineWithDents)
{
    // A round offset outline: many convex corners, a few concave dents between them.
    std::vector<wildmagic::Vec2<double>> round;
    const int corners = 2000;
    for (int k = 0; k < corners; ++k)
    {
        const double angle = 2 * kPi * k / corners;
        const double radius = k % 250 == 125 ? 80.0 : 100.0;
        round.push_back({radius * std::cos(angle), radius * std::sin(angle)});
    }
    ExpectTrianglesCoverTheRing(round, wildmagic::TriangulateEarClipping(round), 1e-6);
}

TEST(EarClippingAdapter, RefusesWhatTheLibraryCannotClip)
{
    using Ring = std::vector<wildmagic::Vec2<double>>;
    const Ring clockwise{{0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}};
    const Ring crossing{{0, 0}, {10, 10}, {10, 0}, {0, 12}, {0, 0}};
    const Ring touching{{0, 0}, {10, 0}, {10, 10}, {5, 0}, {0, 10}, {0, 0}};
    const Ring foldBack{{0, 0}, {10, 0}, {5, 0}, {5, 5}, {0, 0}};
    const Ring notFinite{{0, 0}, {10, 0}, {NAN, 5}, {0, 0}};
    const Ring line{{0, 0}, {10, 0}, {0, 0}};
    for (const Ring* ring : {&clockwise, &crossing, &touching, &foldBack, &notFinite, &line})
        EXPECT_THROW(wildmagic::TriangulateEarClipping(*ring), std::runtime_error) << ring - &clockwise;
    const Ring collinearCorner{{0, 0}, {5, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
    EXPECT_EQ(wildmagic::TriangulateEarClipping(collinearCorner).size(), 9u);
}

TEST(PolygonOffseter, DirectionIsTheSideOfTravelAndOrientationIsKept)
{
    const auto square = Square<double>();
    const auto inside = qz2dPolygonOffseter<double>(0, 1, 1).Offset(*square, 1.0);
    EXPECT_NEAR(inside->GetBoundingBox().GetMinX(), 1, 1e-9);
    EXPECT_NEAR(inside->GetBoundingBox().GetMaxY(), 9, 1e-9);
    EXPECT_TRUE(inside->IsClosed());
    const auto outside = qz2dPolygonOffseter<double>(1, 1, 1).Offset(*square, 1.0);
    EXPECT_NEAR(outside->GetBoundingBox().GetMinX(), -1, 1e-6);
    // Still counter-clockwise: the first segment of the bottom side runs towards +x.
    for (const auto& member : *outside)
    {
        const auto s = member->GetStartPoint(), e = member->GetEndPoint();
        if (s->y() < -0.999 && e->y() < -0.999)
        {
            EXPECT_GT(e->x(), s->x());
            break;
        }
    }
    EXPECT_EQ(qz2dPolygonOffseter<double>(0, 1, 1).Offset(*square, 6.0)->GetSize(), 0u); // nothing left
    const auto same = qz2dPolygonOffseter<double>(0, 1, 1).Offset(*square, 0.0);
    EXPECT_EQ(same->GetMembers(), square->GetMembers());

    // Coordinates whose area overflows a double offset all the same, to the right side.
    const auto huge = Square<double>(1e200);
    const auto shrunk = qz2dPolygonOffseter<double>(0, 1, 1).Offset(*huge, 1e199);
    ASSERT_GT(shrunk->GetSize(), 0u);
    EXPECT_NEAR(shrunk->GetBoundingBox().GetMinX() / 1e199, 1, 1e-6);
    EXPECT_NEAR(shrunk->GetBoundingBox().GetMaxY() / 1e199, 9, 1e-6);
    const auto grown = qz2dPolygonOffseter<double>(1, 1, 1).Offset(*huge, 1e199);
    ASSERT_GT(grown->GetSize(), 0u);
    EXPECT_NEAR(grown->GetBoundingBox().GetMinX() / 1e199, -1, 1e-6);
    EXPECT_NEAR(grown->GetBoundingBox().GetMaxY() / 1e199, 11, 1e-6);
}

TEST(SolidDefinitionChecker, OnlyRevolvedDefinitionsPass)
{
    using Checker = qzCasting2SolidDefinitionChecker<double>;
    qzRevolvedSolidDefinition<double> revolved;
    qzSolidDefinition<double>& asSolid = revolved;
    EXPECT_EQ(&Checker::Cast(asSolid), &revolved);

    qzExtrudedSolidDefinition<double> extruded;
    qzMeshSolidDefinition<double> meshSolid;
    qzSolidDefinition<double> plain;
    EXPECT_EQ(tessaform_test::ErrorMessage([&] { Checker::Cast(extruded); }),
              "Illegal conversion of qzExtrudedSolidDefinition& to qzRevolvedSolidDefinition& type object");
    EXPECT_EQ(tessaform_test::ErrorMessage([&] { Checker::Cast(meshSolid); }),
              "Illegal conversion of qzMeshSolidDefinition& to qzRevolvedSolidDefinition& type object");
    EXPECT_EQ(tessaform_test::ErrorMessage([&] { Checker::Cast(plain); }),
              "Illegal conversion of qzSolidDefinition& to qzRevolvedSolidDefinition& type object");
}
} // namespace
