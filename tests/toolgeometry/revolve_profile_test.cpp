#include "foundation/test_support.h"

#include "mesh/qzTSTLTranslator.h"
#include "toolgeometry/qzRevolveProfileSrv.h"
#include "toolgeometry/qzTruncatedCone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <list>
#include <map>
#include <sstream>
#include <type_traits>
#include <utility>
#include <vector>

namespace
{
using namespace cadcam;
using misc::qzAutoPointer;
using tessaform_test::ErrorMessage;
using tessaform_test::Thrown;

constexpr double kPi = 3.14159265358979323846;

template <class T> qzAutoPointer<qz3dPolyLine<T>> Profile(const std::vector<std::vector<T>>& xyz)
{
    qzAutoPointer<qz3dPolyLine<T>> profile(new qz3dPolyLine<T>());
    for (const auto& p : xyz)
        profile->AddPoint(qz3dPoint<T>(p[0], p[1], p[2]));
    return profile;
}

// A (0,0,0) -> (5,0,0) -> (5,0,20) -> (0,0,25) tool: flat tip, cylinder, cone to the axis.
template <class T> qzAutoPointer<qz3dPolyLine<T>> CylinderWithCone()
{
    return Profile<T>({{0, 0, 0}, {5, 0, 0}, {5, 0, 20}, {0, 0, 25}});
}

template <class T> class Revolve : public ::testing::Test
{
};
using Reals = ::testing::Types<float, double>;
TYPED_TEST_SUITE(Revolve, Reals, );

TYPED_TEST(Revolve, StepsFollowTheChordToleranceAndNeverDropBelowThree)
{
    using T = TypeParam;
    const auto profile = Profile<T>({{0, 0, 0}, {10, 0, 0}, {10, 0, 30}});
    const struct
    {
        T tolerance;
        int steps;
    } cases[] = {{T(0.01), 70}, {T(0.1), 22}, {T(1), 6}, {T(9.9), 3}, {T(10), 3}, {T(25), 3}};
    for (const auto& c : cases)
        EXPECT_EQ(qzRevolveProfileSrv<T>(c.tolerance).CalculateNumberOfSteps(profile), c.steps)
            << c.tolerance;
}

TYPED_TEST(Revolve, RefusesAProfileOnTheAxisBeforeAZeroToleranceAndAnEmptyPointer)
{
    using T = TypeParam;
    const auto onAxis = Profile<T>({{0, 0, 0}, {-3, 0, 5}, {0, 0, 10}});
    EXPECT_EQ(ErrorMessage([&] { qzRevolveProfileSrv<T>(0).CalculateNumberOfSteps(onAxis); }),
              "Profile could not be revolved. ( maxRadius = 0)");
    EXPECT_EQ(ErrorMessage([&] { qzRevolveProfileSrv<T>(0).CalculateNumberOfSteps(CylinderWithCone<T>()); }),
              "Profile could not be revolved.(tolerance = 0)");
    EXPECT_EQ(ErrorMessage([&] { qzRevolveProfileSrv<T>(1).CalculateNumberOfSteps(nullptr); }),
              "Accessing NULL pointer");
}

TYPED_TEST(Revolve, MeridiansStartWithTheProfileAndTurnByEqualSteps)
{
    using T = TypeParam;
    const auto profile = Profile<T>({{0, 0, 1}, {10, 0, 2}, {10, 0, 30}});
    std::list<qzAutoPointer<qz3dPolyLine<T>>> meridians;
    meridians.push_back(profile); // what the caller had stays in front
    qzRevolveProfileSrv<T>(T(0.01)).RevolveOZ(profile, meridians, false);
    ASSERT_EQ(meridians.size(), 71u);
    auto it = std::next(meridians.begin());
    EXPECT_EQ(it->Get(), profile.Get());
    int i = 0;
    for (; it != meridians.end(); ++it, ++i)
    {
        const auto& points = (*it)->GetPoints();
        ASSERT_EQ(points.size(), 3u);
        // Axis points are not turned at all.
        EXPECT_EQ(points[0]->GetPoint(), qzTPoint3d<T>(0, 0, 1));
        const double angle = i * 2 * kPi / 70;
        EXPECT_NEAR(points[1]->x(), 10 * std::cos(angle), 1e-4);
        EXPECT_NEAR(points[1]->y(), 10 * std::sin(angle), 1e-4);
        EXPECT_EQ(points[2]->z(), T(30));
    }
}

TYPED_TEST(Revolve, ThreeMeridiansAtTheLimitAndCollapsedCopiesDroppedOnRequest)
{
    using T = TypeParam;
    // Two points that differ only in y meet in every turned copy.
    const auto profile = Profile<T>({{4, 0, 0}, {4, 1, 0}, {4, 0, 5}});
    std::list<qzAutoPointer<qz3dPolyLine<T>>> all, equal;
    qzRevolveProfileSrv<T> srv(4);
    srv.RevolveOZ(profile, all, false);
    srv.RevolveOZ(profile, equal, true);
    ASSERT_EQ(all.size(), 3u);
    EXPECT_NEAR((*std::next(all.begin()))->GetPoints()[0]->x(), 4 * std::cos(2 * kPi / 3), 1e-5);
    EXPECT_NEAR((*std::next(all.begin(), 2))->GetPoints()[0]->y(), 4 * std::sin(4 * kPi / 3), 1e-5);
    EXPECT_EQ((*std::next(all.begin()))->GetPointCount(), 2u);
    ASSERT_EQ(equal.size(), 1u);
    EXPECT_EQ(equal.front().Get(), profile.Get());

    std::list<qzAutoPointer<qz3dPolyLine<T>>> untouched;
    EXPECT_THROW(qzRevolveProfileSrv<T>(0).RevolveOZ(profile, untouched, false), misc::qzException);
    EXPECT_TRUE(untouched.empty());
}

TYPED_TEST(Revolve, ConesPerRisingSegment)
{
    using T = TypeParam;
    qz3dShapeList<T> shapes;
    qzRevolveProfileSrv<T>(T(0.1)).CreateTruncatedConesOZ(CylinderWithCone<T>(), shapes);
    ASSERT_EQ(shapes.GetSize(), 2u);
    const auto* cylinder = dynamic_cast<const qzTruncatedCone<T>*>(shapes[0].Get());
    const auto* cone = dynamic_cast<const qzTruncatedCone<T>*>(shapes[1].Get());
    ASSERT_TRUE(cylinder && cone);
    EXPECT_EQ(cylinder->GetCenter1()->GetPoint(), qzTPoint3d<T>(0, 0, 0));
    EXPECT_EQ(cylinder->GetCenter2()->GetPoint(), qzTPoint3d<T>(0, 0, 20));
    EXPECT_EQ(cylinder->GetRadius1(), T(5));
    EXPECT_EQ(cylinder->GetRadius2(), T(5));
    EXPECT_EQ(cone->GetCenter1()->GetPoint(), qzTPoint3d<T>(0, 0, 20));
    EXPECT_EQ(cone->GetCenter2()->GetPoint(), qzTPoint3d<T>(0, 0, 25));
    EXPECT_EQ(cone->GetRadius2(), T(0));
    EXPECT_EQ(cone->GetSurfaces(), 7);
    EXPECT_NEAR(shapes.GetVolume(), kPi * 25 * 20 + kPi / 3 * 25 * 5, 1e-2);

    // A segment rising by less than the gap cannot be a cone.
    const auto flat = Profile<T>({{1, 0, 0}, {2, 0, std::is_same<T, float>::value ? T(1e-7) : T(1e-13)}});
    EXPECT_EQ(ErrorMessage([&] { qzRevolveProfileSrv<T>(T(0.1)).CreateTruncatedConesOZ(flat, shapes); }),
              "center1 and center2 should be not equal");
}

TYPED_TEST(Revolve, ConeMeasuresFollowTheSurfaceFlags)
{
    using T = TypeParam;
    const auto c = [](T x, T y, T z) { return qzAutoPointer<qz3dPoint<T>>(new qz3dPoint<T>(x, y, z)); };
    const struct
    {
        T r1, r2;
        int flags;
        double area, volume;
    } cases[] = {
        {1, 1, 7, 6 * kPi, 2 * kPi},                             // cylinder of radius 1, height 2
        {1, 1, 1, 4 * kPi, 2 * kPi},                             // its side alone
        {1, 1, 2 | 4, 2 * kPi, 2 * kPi},                         // its two discs
        {3, 0, 7, 9 * kPi + kPi * 3 * std::sqrt(13.0), 6 * kPi}, // cone of height 2
        {0, 3, 4, 9 * kPi, 6 * kPi},
    };
    for (const auto& k : cases)
    {
        const qzTruncatedCone<T> cone(c(0, 0, 0), k.r1, c(0, 0, 2), k.r2, k.flags);
        EXPECT_NEAR(cone.GetArea(), k.area, 1e-4) << k.r1 << " " << k.r2 << " " << k.flags;
        EXPECT_NEAR(cone.GetVolume(), k.volume, 1e-4);
        EXPECT_TRUE(cone.IsSolid());
    }
    EXPECT_EQ(ErrorMessage([&] { qzTruncatedCone<T>(c(1, 2, 3), 1, c(1, 2, 3), 2, 7); }),
              "center1 and center2 should be not equal");
}

TYPED_TEST(Revolve, ConeBoxHoldsTheEndCirclesSquareToTheCentreLine)
{
    using T = TypeParam;
    const auto c = [](T x, T y, T z) { return qzAutoPointer<qz3dPoint<T>>(new qz3dPoint<T>(x, y, z)); };
    const qzTruncatedCone<T> upright(c(1, 2, 0), 2, c(1, 2, 10), 3, 7);
    EXPECT_EQ(upright.GetBoundingBox().GetMin(), qzTPoint3d<T>(-2, -1, 0));
    EXPECT_EQ(upright.GetBoundingBox().GetMax(), qzTPoint3d<T>(4, 5, 10));

    // Along the diagonal of the xy plane the circles lean: each reaches r / sqrt(2) in x and y.
    const qzTruncatedCone<T> tilted(c(0, 0, 0), 1, c(4, 4, 0), 1, 7);
    const T lean = T(1 / std::sqrt(2.0));
    EXPECT_NEAR(tilted.GetBoundingBox().GetMin().x(), -lean, 1e-6);
    EXPECT_NEAR(tilted.GetBoundingBox().GetMax().y(), 4 + lean, 1e-5);
    EXPECT_NEAR(tilted.GetBoundingBox().GetMin().z(), -1, 1e-6);
    EXPECT_NEAR(tilted.GetBoundingBox().GetMax().z(), 1, 1e-6);
}

TYPED_TEST(Revolve, PrintsProfilesAndMeshesAndRefusesFilesItCannotOpen)
{
    using T = TypeParam;
    tessaform_test::ScopedTempDir dir;
    const auto profile = Profile<T>({{0, 0, 0}, {T(2.5), 0, T(0.1)}, {T(2.5), 0, 7}});
    qzRevolveProfileSrv<T>::PrintProfile(*profile, dir.Path("profile.txt"));
    std::istringstream text(tessaform_test::ReadFile(dir.Path("profile.txt")));
    std::vector<T> read{std::istream_iterator<T>(text), std::istream_iterator<T>()};
    EXPECT_EQ(read, (std::vector<T>{0, 0, 0, T(2.5), 0, T(0.1), T(2.5), 0, 7}));

    qzRevolveProfileSrv<T> srv(T(0.5));
    const auto mesh = srv.CreateMeshOZ(profile, measures::qzUnitsFactory::METRIC);
    srv.PrintMesh(*mesh, dir.Path("mesh.stl"));
    using Stl = qzTSTLTranslator<T, qzTPoint3d<T>, qzTPoint3d<T>>;
    EXPECT_TRUE(Stl::IsBinary(misc::qzFileName(dir.Path("mesh.stl"), true)));
    qzContainerMesh<T, qzTPoint3d<T>, qzTPoint3d<T>> back(measures::qzUnitsFactory::METRIC);
    Stl::ReadSTL(misc::qzFileName(dir.Path("mesh.stl"), true), back);
    EXPECT_EQ(back.GetNumberOfTriangles(), mesh->GetNumberOfTriangles());

    const std::string nowhere = dir.Path("missing/dir/file");
    EXPECT_EQ(tessaform_test::MiscErrorCode([&] { qzRevolveProfileSrv<T>::PrintProfile(*profile, nowhere); }),
              2149u);
    EXPECT_EQ(tessaform_test::MiscErrorCode([&] { srv.PrintMesh(*mesh, nowhere); }), 2149u);
}

// ----- the closed mesh of revolution -----

// Every directed edge once and its reverse once: closed and consistently oriented.
template <class T> bool IsWatertight(const qzTMesh<T>& mesh)
{
    std::map<std::pair<unsigned, unsigned>, int> edges;
    for (const auto& t : mesh.GetTriangles())
        for (int k = 0; k < 3; ++k)
            ++edges[{t.vertices[k], t.vertices[(k + 1) % 3]}];
    for (const auto& [edge, count] : edges)
    {
        const auto back = edges.find({edge.second, edge.first});
        if (edge.first == edge.second || count != 1 || back == edges.end() || back->second != 1)
            return false;
    }
    return !edges.empty();
}

template <class T> double SignedVolume(const qzTMesh<T>& mesh)
{
    double six = 0;
    for (const auto& t : mesh.GetTriangles())
    {
        const auto& a = mesh.GetPoints()[t.vertices[0]];
        const auto& b = mesh.GetPoints()[t.vertices[1]];
        const auto& c = mesh.GetPoints()[t.vertices[2]];
        six += double(a.x()) * (double(b.y()) * c.z() - double(b.z()) * c.y()) -
               double(a.y()) * (double(b.x()) * c.z() - double(b.z()) * c.x()) +
               double(a.z()) * (double(b.x()) * c.y() - double(b.y()) * c.x());
    }
    return six / 6;
}

// Volume of the solid swept by the profile closed along the axis (Pappus, segment by segment).
double AnalyticVolume(const std::vector<std::pair<double, double>>& rz)
{
    double v = 0;
    for (std::size_t i = 0; i + 1 < rz.size(); ++i)
    {
        const auto [r0, z0] = rz[i];
        const auto [r1, z1] = rz[i + 1];
        v += kPi / 3 * (z1 - z0) * (r0 * r0 + r0 * r1 + r1 * r1);
    }
    return std::abs(v);
}

TYPED_TEST(Revolve, MeshIsClosedFacesOutwardAndHoldsTheVolume)
{
    using T = TypeParam;
    const struct
    {
        const char* name;
        std::vector<std::pair<double, double>> rz;
    } cases[] = {
        {"both ends on the axis", {{0, 0}, {5, 0}, {5, 20}, {0, 25}}},
        {"drawn top down", {{0, 25}, {5, 20}, {5, 0}, {0, 0}}},
        {"open at the top: capped", {{0, 0}, {3, 1}, {3, 12}}},
        {"open at both ends", {{2, 0}, {4, 2}, {4, 8}, {1.5, 9}}},
        {"pinched on the axis midway", {{0, 0}, {3, 2}, {0, 4}, {2, 6}, {0, 8}}},
        {"runs along the axis", {{0, 0}, {4, 1}, {0, 2}, {0, 5}, {4, 6}, {0, 7}}},
        {"closed ring off the axis", {{4, 0}, {6, 0}, {6, 3}, {4, 3}, {4, 0}}},
    };
    const T tolerance = T(0.01);
    for (const auto& c : cases)
    {
        std::vector<std::vector<T>> xyz;
        for (const auto& [r, z] : c.rz)
            xyz.push_back({T(r), 0, T(z)});
        const auto profile = Profile<T>(xyz);
        qzRevolveProfileSrv<T> srv(tolerance);
        const auto mesh = srv.CreateMeshOZ(profile, measures::qzUnitsFactory::INCH);
        EXPECT_EQ(mesh->GetUnits(), measures::qzUnitsFactory::INCH);
        EXPECT_TRUE(IsWatertight(*mesh)) << c.name;
        // The polygon of n meridians inscribed in each circle holds sin(d)/d of its area.
        const int n = srv.CalculateNumberOfSteps(profile);
        const double d = 2 * kPi / n;
        double analytic = AnalyticVolume(c.rz);
        if (c.rz.front() == c.rz.back())
            analytic = kPi * (36 - 16) * 3;
        const double expected = analytic * std::sin(d) / d;
        const double volume = SignedVolume(*mesh);
        EXPECT_NEAR(volume, expected, 2e-4 * analytic) << c.name;
        // Every polygon lies between its circle and the circle shrunk by the tolerance.
        double largest = 0;
        for (const auto& [r, z] : c.rz)
            largest = std::max(largest, r);
        EXPECT_LT(analytic - volume, analytic * 2 * tolerance / largest) << c.name;
        EXPECT_GT(analytic - volume, -1e-5 * analytic) << c.name;
    }
}

TYPED_TEST(Revolve, MeshVerticesAreTheMeridianPointsWithOneVertexPerAxisPoint)
{
    using T = TypeParam;
    const auto profile = Profile<T>({{0, 0, 0}, {5, 0, 0}, {5, 0, 20}, {0, 0, 25}});
    qzRevolveProfileSrv<T> srv(T(0.2));
    const int n = srv.CalculateNumberOfSteps(profile);
    const auto mesh = srv.CreateMeshOZ(profile, measures::qzUnitsFactory::METRIC);
    EXPECT_EQ(mesh->GetNumberOfPoints(), unsigned(2 + 2 * n));
    // Fans at both axis points, a quad of two triangles on the cylinder.
    EXPECT_EQ(mesh->GetNumberOfTriangles(), unsigned(4 * n));

    std::list<qzAutoPointer<qz3dPolyLine<T>>> meridians;
    srv.RevolveOZ(profile, meridians, false);
    const auto& points = mesh->GetPoints();
    for (const auto& meridian : meridians)
        for (const auto& p : meridian->GetPoints())
            EXPECT_NE(std::find(points.begin(), points.end(), p->GetPoint()), points.end());

    for (unsigned t = 0; t < mesh->GetNumberOfTriangles(); ++t)
    {
        // The stored normal is twice the area long and points away from the axis or the ends.
        EXPECT_NEAR(~mesh->GetTriangleData(t), 2 * mesh->GetTriangleArea(t), 1e-3);
    }
}

TYPED_TEST(Revolve, MeshStaysClosedWhereMeridiansLosePoints)
{
    using T = TypeParam;
    qzRevolveProfileSrv<T> srv(T(0.001));
    const auto lost = [&](const qzAutoPointer<qz3dPolyLine<T>>& profile)
    {
        std::list<qzAutoPointer<qz3dPolyLine<T>>> kept;
        srv.RevolveOZ(profile, kept, true);
        return srv.CalculateNumberOfSteps(profile) - int(kept.size());
    };
    const auto check = [&](const qzAutoPointer<qz3dPolyLine<T>>& profile)
    {
        const auto mesh = srv.CreateMeshOZ(profile, measures::qzUnitsFactory::METRIC);
        EXPECT_TRUE(IsWatertight(*mesh));
        for (const auto& t : mesh->GetTriangles())
            EXPECT_TRUE(t.vertices[0] != t.vertices[1] && t.vertices[1] != t.vertices[2] &&
                        t.vertices[0] != t.vertices[2]);
        EXPECT_GT(SignedVolume(*mesh), 0);
    };

    // Points apart only in y meet in every turned copy but the profile itself.
    const auto inY = Profile<T>({{0, 0, 0}, {3, 0, 0}, {3, 1, 0}, {3, 0, 5}, {0, 0, 6}});
    EXPECT_EQ(lost(inY), srv.CalculateNumberOfSteps(inY) - 1);
    check(inY);

    // Radii one unit in the last place apart: x cos and x sin round to the same values in some
    // meridians and not in others. Look for such a radius among a few.
    bool found = false;
    for (T r : {T(3), T(0.7), T(7.3), T(11.1), T(0.15), T(42.5), T(1.9), T(5.55)})
    {
        const T next = std::nextafter(r, T(100));
        const auto profile = Profile<T>({{0, 0, 0}, {r, 0, 0}, {next, 0, 0}, {next, 0, 5}, {0, 0, 6}});
        const int n = lost(profile);
        if (n > 0 && n < srv.CalculateNumberOfSteps(profile) - 1)
        {
            found = true;
            check(profile);
        }
    }
    EXPECT_TRUE(found) << "no radius made some meridians lose a point";
}

TYPED_TEST(Revolve, MeshIntoAnExistingMeshReplacesItOnlyOnSuccess)
{
    using T = TypeParam;
    qzRevolveProfileSrv<T> srv(T(0.05));
    qzTMesh<T> mesh(measures::qzUnitsFactory::INCH);
    srv.CreateMeshOZ(Profile<T>({{0, 0, 0}, {5, 0, 0}, {5, 0, 1}}), mesh);
    const auto triangles = mesh.GetTriangles();
    EXPECT_NEAR(mesh.GetBoundingBox().GetMax().z(), 1, 1e-6);

    EXPECT_EQ(ErrorMessage(
                  [&] {
                      srv.CreateMeshOZ(Profile<T>({{0, 0, 0}, {-1, 0, 0}, {2, 0, 3}}), mesh);
                  }),
              "Profile could not be revolved. ( negative radius)");
    EXPECT_THROW(srv.CreateMeshOZ(Profile<T>({{0, 0, 0}, {0, 0, 3}}), mesh), misc::qzException);
    ASSERT_EQ(mesh.GetTriangles().size(), triangles.size());

    srv.CreateMeshOZ(Profile<T>({{0, 0, 0}, {2, 0, 0}, {2, 0, 9}, {0, 0, 9}}), mesh);
    EXPECT_TRUE(IsWatertight(mesh));
    EXPECT_EQ(mesh.GetUnits(), measures::qzUnitsFactory::INCH);
    EXPECT_NEAR(mesh.GetBoundingBox().GetMax().z(), 9, 1e-6); // the old box is not kept
}
} // namespace
