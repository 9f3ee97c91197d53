// Spatial elements: point, arc, contour and polyline.
#include "geometry/geometry_test_support.h"

#include <cmath>
#include <utility>

namespace
{
using namespace cadcam;
using namespace tessaform_test;
using misc::qzAutoPointer;

template <class T> using P3 = qzTPoint3d<T>;
template <class T> using Poly = qz3dPolyLine<T>;
template <class T> using Box = qz3dBoundingBox<T>;

template <class T> qzAutoPointer<qz3dPoint<T>> Pt3(T x, T y, T z)
{
    return qzAutoPointer<qz3dPoint<T>>(new qz3dPoint<T>(x, y, z));
}

template <class T> Poly<T> Through(std::initializer_list<P3<T>> points)
{
    Poly<T> poly;
    for (const P3<T>& p : points)
        poly.AddPoint(qz3dPoint<T>(p));
    return poly;
}

// The square of side 2 in the plane z = 1, closed back at its first corner.
template <class T> Poly<T> Square()
{
    return Through<T>({P3<T>(0, 0, 1), P3<T>(2, 0, 1), P3<T>(2, 2, 1), P3<T>(0, 2, 1), P3<T>(0, 0, 1)});
}

template <class T> using GeoElements3d = RealTest<T>;
TYPED_TEST_SUITE(GeoElements3d, Reals);

TYPED_TEST(GeoElements3d, PolyLineTakesDistinctPointsAndLinesOnly)
{
    using T = TypeParam;
    using G = qz3dGeometry<T>;
    // Only exactly equal points merge.
    EXPECT_EQ((Through<T>({P3<T>(), P3<T>()}).GetPointCount()), 1u);
    EXPECT_EQ((Through<T>({P3<T>(), P3<T>(T(1e-15), 0, 0)}).GetPointCount()), 2u);

    Poly<T> poly;
    const auto a = Pt3<T>(0, 0, 0), b = Pt3<T>(1, 2, 2), c = Pt3<T>(1, 2, 5);
    poly.AddGeometry(a);
    poly.AddGeometry(Own<G>(new qz3dLine<T>(b, c)));
    ASSERT_EQ(poly.GetPointCount(), 3u);
    EXPECT_EQ(poly.GetPoints()[0].Get(), a.Get());
    EXPECT_EQ(poly.GetPoints()[2].Get(), c.Get());
    ExpectSegmentsShareVertices(poly);
    EXPECT_NEAR(poly.GetLength(), T(6), kEps<T>);

    const std::pair<qzAutoPointer<G>, const char*> refused[] = {
        {Own<G>(new Poly<T>()), "Not implemented yet"},
        {Own<G>(new qz3dContour<T>()), "Can't add a contour to polyline."},
        {Own<G>(new qz3dClosedContour<T>()), "Can't add a contour to polyline."},
        {Own<G>(new qz3dArc<T>(P3<T>(), P3<T>(0, 0, 1), P3<T>(1, 0, 0), 1)),
         "Can't add an arc to polyline. Consider polygonizing."},
        {Own<G>(new qz3dCurve<T>([](const T& t) { return P3<T>(t, 0, 0); })),
         "Can't add an arc to polyline. Consider polygonizing."},
        {Own<G>(new qz3dSpline<T>({P3<T>(), P3<T>(1, 1, 1)})),
         "Can't add a spline to polyline. Consider polygonizing."},
    };
    for (const auto& r : refused)
        EXPECT_EQ(ErrorMessage([&] { poly.AddGeometry(r.first); }), r.second);
    EXPECT_EQ(poly.GetPointCount(), 3u);

    const qz3dContour<T> other;
    EXPECT_EQ(ErrorMessage([&] { poly.Insert(poly.begin(), a); }), "PolyLine::Insert(). Usupported.");
    EXPECT_EQ(ErrorMessage([&] { poly.Insert(poly.begin(), other.begin(), other.end()); }),
              "PolyLine::Insert(). Usupported.");
    EXPECT_EQ(ErrorMessage([&] { poly.Erase(poly.begin(), poly.end()); }), "PolyLine::Remove(). Usupported.");
    EXPECT_EQ(poly.GetSize(), 2u);
}

TYPED_TEST(GeoElements3d, CurveLengthSumsItsFiftyChords)
{
    using T = TypeParam;
    // A quarter of the unit circle: fifty chords of pi/100 each, shorter than the arc.
    qz3dCurve<T> quarter([](const T& t) {
        const double a = 1.5707963267948966 * static_cast<double>(t);
        return P3<T>(static_cast<T>(std::cos(a)), static_cast<T>(std::sin(a)), T(2));
    });
    const double chords = 100.0 * std::sin(3.141592653589793 / 200.0);
    EXPECT_NEAR(quarter.GetLength(), chords, 1e-5);
    EXPECT_LT(quarter.GetLength(), T(1.5707963267948966));
    quarter.Reverse();
    EXPECT_NEAR(quarter.GetLength(), chords, 1e-5);
}

TYPED_TEST(GeoElements3d, RemovingVertices)
{
    using T = TypeParam;
    Poly<T> poly = Square<T>();
    EXPECT_EQ(ErrorMessage([&] { poly.RemovePoint(poly.PointsEnd()); }),
              "PolyLine::RemovePoint(). Bad Argument.");
    poly.RemovePoint(poly.PointsBegin() + 1);
    ExpectSegmentsShareVertices(poly);
    EXPECT_NEAR(poly.GetLength(), T(4 + 2 * std::sqrt(2.0)), 4 * kEps<T>);
    poly.RemovePoint(poly.PointsBegin());
    poly.RemovePoint(poly.PointsEnd() - 1);
    ExpectSegmentsShareVertices(poly);
    EXPECT_TRUE(poly.GetBoundingBox() == Box<T>(P3<T>(0, 2, 1), P3<T>(2, 2, 1)));
    poly.RemovePoint(poly.PointsBegin());
    poly.RemovePoint(poly.PointsBegin());
    EXPECT_EQ(poly.GetPointCount(), 0u);
    EXPECT_TRUE(poly.GetBoundingBox() == Box<T>(P3<T>(), P3<T>()));
}

TYPED_TEST(GeoElements3d, CyclingReversingAndClearing)
{
    using T = TypeParam;
    Poly<T> open = Through<T>({P3<T>(), P3<T>(0, 0, 1)});
    EXPECT_EQ(ErrorMessage([&] { open.CycleBeginPoint(open.PointsBegin() + 1); }),
              "Can't cycle begin point on open polyline");

    Poly<T> square = Square<T>();
    const auto* chosen = square.GetPoints()[2].Get();
    square.CycleBeginPoint(square.PointsBegin() + 2);
    // The vertex order itself comes from the algorithm the planar polyline shares.
    EXPECT_EQ(square.GetPoints()[0].Get(), chosen);
    ExpectSegmentsShareVertices(square);
    EXPECT_TRUE(square.IsClosed());

    square.Reverse();
    EXPECT_EQ(square.GetPoints()[1]->GetPoint(), P3<T>(2, 0, 1));
    ExpectSegmentsShareVertices(square);

    square.Clear();
    EXPECT_EQ(square.GetPointCount() + square.GetSize(), 0u);
    EXPECT_EQ(square.GetLength(), T(0));
    EXPECT_TRUE(square.GetBoundingBox() == Box<T>(P3<T>(), P3<T>()));

    // Appending after the caches were read keeps them right.
    square.AddPoint(qz3dPoint<T>(1, 1, 1));
    EXPECT_TRUE(square.GetBoundingBox() == Box<T>(P3<T>(1, 1, 1), P3<T>(1, 1, 1)));
    EXPECT_EQ(square.GetLength(), T(0));
    square.AddPoint(qz3dPoint<T>(3, 3, 0));
    square.AddPoint(qz3dPoint<T>(-1, 3, 0));
    EXPECT_TRUE(square.GetBoundingBox() == Box<T>(P3<T>(-1, 1, 0), P3<T>(3, 3, 1)));
    EXPECT_NEAR(square.GetLength(), T(7), kEps<T>);
}

TYPED_TEST(GeoElements3d, ArcBoxHoldsAxisExtremesAndPointBoxIsThePoint)
{
    using T = TypeParam;
    const T pi = static_cast<T>(kPi);
    const struct
    {
        P3<T> axis, start;
        T sweep;
        P3<T> min, max;
    } cases[] = {
        {P3<T>(0, 0, 1), P3<T>(1, 0, 0), pi, P3<T>(-1, 0, 0), P3<T>(1, 1, 0)},
        {P3<T>(0, 0, 1), P3<T>(1, 0, 0), -pi / 2, P3<T>(0, -1, 0), P3<T>(1, 0, 0)},
        {P3<T>(0, 0, 1), P3<T>(0, 1, 0), 2 * pi, P3<T>(-1, -1, 0), P3<T>(1, 1, 0)},
        // About x, y turns towards z; about y, z turns towards x.
        {P3<T>(1, 0, 0), P3<T>(0, 1, 0), pi, P3<T>(0, -1, 0), P3<T>(0, 1, 1)},
        {P3<T>(0, 1, 0), P3<T>(0, 0, 2), -pi / 2, P3<T>(-2, 0, 0), P3<T>(0, 0, 2)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << "sweep " << c.sweep);
        const qz3dArc<T> arc(P3<T>(), c.axis, c.start, c.sweep);
        ExpectNear(arc.GetBoundingBox().GetMin(), c.min);
        ExpectNear(arc.GetBoundingBox().GetMax(), c.max);
        EXPECT_NEAR(arc.GetLength(), std::abs(c.sweep) * ~c.start, 4 * kEps<T>);
    }

    qz3dPoint<T> p(1, 2, 3);
    EXPECT_TRUE(p.GetBoundingBox() == Box<T>(P3<T>(1, 2, 3), P3<T>(1, 2, 3)));
    p.x(-4);
    EXPECT_TRUE(p.GetBoundingBox() == Box<T>(P3<T>(-4, 2, 3), P3<T>(-4, 2, 3)));
}

TYPED_TEST(GeoElements3d, ContourChainsItsMembers)
{
    using T = TypeParam;
    using G = qz3dGeometry<T>;
    qz3dContour<T> contour;
    EXPECT_EQ(CadcamCode([&] { contour.IsClosed(); }), 2190u);

    contour.AddGeometry(Own<G>(new qz3dLine<T>(Pt3<T>(0, 0, 0), Pt3<T>(1, 0, 0))));
    contour.AddGeometry(
        Own<G>(new qz3dArc<T>(P3<T>(1, 1, 0), P3<T>(0, 0, 1), P3<T>(1, 0, 0), static_cast<T>(kPi))));
    EXPECT_TRUE(contour.IsContinuous(0));
    EXPECT_FALSE(contour.IsClosed());
    ExpectNear(contour.GetBoundingBox().GetMin(), P3<T>(0, 0, 0));
    ExpectNear(contour.GetBoundingBox().GetMax(), P3<T>(2, 2, 0));
    EXPECT_NEAR(contour.GetLength(), T(1 + kPi), 4 * kEps<T>);
    contour.AddGeometry(Pt3<T>(1, 2, 0));
    EXPECT_FALSE(contour.IsContinuous(1));
    contour.Clear();
    EXPECT_TRUE(contour.GetBoundingBox() == Box<T>(P3<T>(), P3<T>()));
}
} // namespace
