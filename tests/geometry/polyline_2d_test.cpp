// Planar polylines: vertex and segment lists kept in step, with their caches.
#include "geometry/geometry_test_support.h"

#include <cmath>
#include <utility>

namespace
{
using namespace cadcam;
using namespace tessaform_test;
using misc::qzAutoPointer;

template <class T> using Poly = qz2dPolyLine<T>;
// Distance below which a new vertex merges with the previous one.
template <class T> constexpr T kCoincidence = std::is_same<T, float>::value ? T(1e-6) : T(1e-12);

template <class T> Poly<T> Through(std::initializer_list<std::pair<double, double>> points)
{
    Poly<T> poly;
    for (const auto& xy : points)
        poly.AddPoint(qz2dPoint<T>(static_cast<T>(xy.first), static_cast<T>(xy.second)));
    return poly;
}

template <class T> using GeoPolyLine2d = RealTest<T>;
TYPED_TEST_SUITE(GeoPolyLine2d, Reals);

TYPED_TEST(GeoPolyLine2d, CoincidentPointsMergeButClosureIsExact)
{
    using T = TypeParam;
    const Poly<T> single = Through<T>({{1, 1}, {1, 1}});
    EXPECT_EQ(single.GetPointCount(), 1u);
    EXPECT_EQ(single.GetSize(), 0u);

    Poly<T> poly = Through<T>({{0, 0}, {1, 0}, {1, 0}, {2, 0}});
    EXPECT_EQ(poly.GetPointCount(), 3u);
    EXPECT_EQ(poly.GetSize(), 2u);
    poly.AddPoint(qz2dPoint<T>(2, kCoincidence<T> / 2));
    EXPECT_EQ(poly.GetPointCount(), 3u);
    poly.AddPoint(qz2dPoint<T>(2, 2 * kCoincidence<T>));
    EXPECT_EQ(poly.GetPointCount(), 4u);
    ExpectSegmentsShareVertices(poly);

    EXPECT_TRUE((Through<T>({{0, 0}, {1, 0}, {1, 1}, {0, 0}}).IsClosed()));
    // An end closer to the start than merging vertices need is still not the start.
    EXPECT_FALSE((Through<T>({{0, 0}, {1, 0}, {1, 1}, {0, kCoincidence<T> / 2}}).IsClosed()));
}

TYPED_TEST(GeoPolyLine2d, RemovingVertices)
{
    using T = TypeParam;
    Poly<T> poly = Through<T>({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    EXPECT_EQ(ErrorMessage([&] { poly.RemovePoint(poly.PointsEnd()); }),
              "PolyLine::RemovePoint(). Bad Argument.");

    // The two segments at an inner vertex become one in the same place of the chain.
    const auto* lastSegment = poly.GetMembers().back().Get();
    poly.RemovePoint(poly.PointsBegin() + 1);
    EXPECT_EQ(poly.GetSize(), 2u);
    ExpectPoint(*poly.GetPoints()[1], 1, 1);
    EXPECT_EQ(poly.GetMembers().back().Get(), lastSegment);
    ExpectSegmentsShareVertices(poly);
    EXPECT_NEAR(poly.GetLength(), T(1 + std::sqrt(2.0)), kEps<T>);

    poly.RemovePoint(poly.PointsBegin());
    ExpectSegmentsShareVertices(poly);
    poly.RemovePoint(poly.PointsEnd() - 1);
    EXPECT_EQ(poly.GetSize(), 0u);
    ExpectPoint(*poly.GetPoints()[0], 1, 1);
    poly.RemovePoint(poly.PointsBegin());
    EXPECT_EQ(poly.GetPointCount(), 0u);
    EXPECT_TRUE(poly.GetBoundingBox() == qz2dBoundingBox<T>(0, 0, 0, 0));
}

TYPED_TEST(GeoPolyLine2d, CyclingBeginOfClosedSquare)
{
    using T = TypeParam;
    Poly<T> open = Through<T>({{0, 0}, {1, 0}});
    EXPECT_EQ(ErrorMessage([&] { open.CycleBeginPoint(open.PointsBegin()); }),
              "Can't cycle begin point on open polyline");

    Poly<T> square = Through<T>({{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}});
    const auto* chosen = square.GetPoints()[2].Get();
    square.CycleBeginPoint(square.PointsBegin() + 2);
    ASSERT_EQ(square.GetPointCount(), 5u);
    EXPECT_EQ(square.GetPoints()[0].Get(), chosen);
    const double expected[5][2] = {{2, 2}, {0, 2}, {0, 0}, {2, 0}, {2, 2}};
    for (std::size_t i = 0; i < 5; ++i)
        ExpectPoint(*square.GetPoints()[i], expected[i][0], expected[i][1]);
    ExpectSegmentsShareVertices(square);
    EXPECT_TRUE(square.IsClosed());
}

TYPED_TEST(GeoPolyLine2d, ChainEditsThatBreakTheVertexListAreRefused)
{
    using T = TypeParam;
    Poly<T> poly = Through<T>({{0, 0}, {1, 0}, {1, 1}});
    EXPECT_EQ(ErrorMessage([&] { poly.Insert(poly.begin(), Line<T>(0, 0, 1, 1)); }),
              "PolyLine::Insert(). Usupported.");
    EXPECT_EQ(ErrorMessage([&] { poly.Erase(poly.begin(), poly.end()); }), "PolyLine::Remove(). Usupported.");
    EXPECT_EQ(ErrorMessage([&] { poly.Remove(poly.begin(), poly.end()); }),
              "PolyLine::Remove(). Usupported.");
    EXPECT_EQ(ErrorMessage([&] { poly.MoveToEnd(poly.begin(), poly.end()); }),
              "PolyLine::MoveToEnd(). Usupported.");
    EXPECT_EQ(poly.GetSize(), 2u);
}

TYPED_TEST(GeoPolyLine2d, AddingChainsSharesTheirPoints)
{
    using T = TypeParam;
    Poly<T> poly;
    const auto point = Pt<T>(0, 0), start = Pt<T>(1, 0), end = Pt<T>(1, 1);
    poly.AddGeometry(point);
    poly.AddGeometry(Own<qz2dGeometry<T>>(new qz2dLine<T>(start, end)));
    auto other = Own<Poly<T>>(new Poly<T>(Through<T>({{1, 1}, {0, 1}}))); // its first vertex merges
    poly.AddGeometry(other);
    ASSERT_EQ(poly.GetPointCount(), 4u);
    EXPECT_EQ(poly.GetPoints()[0].Get(), point.Get());
    EXPECT_EQ(poly.GetPoints()[1].Get(), start.Get());
    EXPECT_EQ(poly.GetPoints()[2].Get(), end.Get());
    EXPECT_EQ(poly.GetPoints()[3].Get(), other->GetPoints()[1].Get());
    ExpectSegmentsShareVertices(poly);
    EXPECT_NEAR(poly.GetLength(), T(3), kEps<T>);
}

TEST(GeoPolyLine2dDouble, CurvesAndContoursAreRefused)
{
    using G = qz2dGeometry<double>;
    const auto centre = Pt<double>(0, 0);
    const std::pair<qzAutoPointer<G>, const char*> cases[] = {
        {Own<G>(new qz2dArc<double>(centre, 1, 0, 90)),
         "Can't add an arc to polyline. Consider polygonizing."},
        {Own<G>(new qz2dParabola<double>(centre, Pt<double>(1, 1))),
         "Can't add a parabola to polyline. Consider polygonizing."},
        {Own<G>(new qz2dEllipse<double>(centre, 2, 1)),
         "Can't add a Ellipse to polyline. Consider polygonizing."},
        {Own<G>(new qz2dSpline<double>({{0, 0}, {1, 1}})),
         "Can't add a spline to polyline. Consider polygonizing."},
        {Own<G>(new qz2dContour<double>()), "Can't add a contour to polyline."},
        {Own<G>(new qz2dClosedContour<double>()), "Can't add a contour to polyline."},
        {Own<G>(new qz2dCurve<double>([](const double& t) { return qzTPoint2d<double>(t, t); })),
         "Not implemented yet"},
        {Own<G>(new BareGeometry()), "Couldn't add 2d geometry to polyline"},
    };
    for (const auto& c : cases)
    {
        Poly<double> poly = Through<double>({{5, 5}});
        EXPECT_EQ(ErrorMessage([&] { poly.AddGeometry(c.first); }), c.second);
        EXPECT_EQ(poly.GetPointCount(), 1u);
    }
}

TYPED_TEST(GeoPolyLine2d, LengthAndBoxFollowEveryChange)
{
    using T = TypeParam;
    Poly<T> poly = Through<T>({{0, 0}});
    EXPECT_EQ(poly.GetLength(), T(0));
    ExpectBox(poly.GetBoundingBox(), 0, 0, 0, 0);
    poly.AddPoint(qz2dPoint<T>(3, 4));
    EXPECT_NEAR(poly.GetLength(), T(5), kEps<T>);
    ExpectBox(poly.GetBoundingBox(), 0, 0, 3, 4);
    poly.AddPoint(qz2dPoint<T>(3, 0));
    poly.AddPoint(qz2dPoint<T>(-1, 0));
    EXPECT_NEAR(poly.GetLength(), T(13), kEps<T>);
    ExpectBox(poly.GetBoundingBox(), -1, 0, 3, 4);

    poly.RemovePoint(poly.PointsEnd() - 1);
    EXPECT_NEAR(poly.GetLength(), T(9), kEps<T>);
    ExpectBox(poly.GetBoundingBox(), 0, 0, 3, 4);
    poly.AddPoint(qz2dPoint<T>(3, -2));
    EXPECT_NEAR(poly.GetLength(), T(11), kEps<T>);
    ExpectBox(poly.GetBoundingBox(), 0, -2, 3, 4);

    const auto* first = poly.GetPoints().front().Get();
    poly.Reverse();
    EXPECT_EQ(poly.GetPoints().back().Get(), first);
    ExpectPoint(*poly.GetPoints()[0], 3, -2);
    ExpectSegmentsShareVertices(poly);
    poly.AddPoint(qz2dPoint<T>(-5, 0));
    EXPECT_NEAR(poly.GetLength(), T(16), kEps<T>);
    ExpectBox(poly.GetBoundingBox(), -5, -2, 3, 4);

    poly.Clear();
    EXPECT_EQ(poly.GetPointCount() + poly.GetSize(), 0u);
    EXPECT_EQ(poly.GetLength(), T(0));
    EXPECT_TRUE(poly.GetBoundingBox() == qz2dBoundingBox<T>(0, 0, 0, 0));
}
} // namespace
