// Planar elements: bounding box, line, arc, parabola, ellipse and contour.
#include "geometry/geometry_test_support.h"

#include "foundation/qzRangeException.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace
{
using namespace cadcam;
using namespace tessaform_test;
using misc::qzAutoPointer;

template <class T> using GeoElements2d = RealTest<T>;
TYPED_TEST_SUITE(GeoElements2d, Reals);

TYPED_TEST(GeoElements2d, BoxExtendRefusesEmptyOrInvertedBoxesAndUnionIgnoresEmptyOnes)
{
    using T = TypeParam;
    qz2dBoundingBox<T> empty;
    EXPECT_EQ(ErrorMessage([&] { empty.Extend(1, 2); }), "Minimum x is more then maximum x!");
    EXPECT_TRUE(empty == qz2dBoundingBox<T>());

    // Inverted along one axis (min 5, max 0): a point strictly between the limits is refused
    // and leaves the box as it was; a point beyond both limits moves one of them.
    const qz2dBoundingBox<T> invertedX(5, 0, 0, 1), invertedY(0, 5, 1, 0);
    qz2dBoundingBox<T> box = invertedX;
    EXPECT_EQ(ErrorMessage([&] { box.Extend(2, T(0.5)); }), "Minimum x is more then maximum x!");
    EXPECT_TRUE(box == invertedX);
    box = invertedY;
    EXPECT_EQ(ErrorMessage([&] { box.Extend(T(0.5), 2); }), "Minimum y is more then maximum y!");
    EXPECT_TRUE(box == invertedY);
    box = invertedX;
    box.Extend(10, T(0.5));
    EXPECT_TRUE(box == qz2dBoundingBox<T>(5, 0, 10, 1));

    const qz2dBoundingBox<T> unit(0, 0, 1, 1);
    box = unit;
    box.Union(qz2dBoundingBox<T>());
    EXPECT_TRUE(box == unit);
    empty.Union(unit);
    EXPECT_TRUE(empty == unit);
    box.Union(qz2dBoundingBox<T>(-1, 2, 0, 3));
    ExpectBox(box, -1, 0, 1, 3);
}

TYPED_TEST(GeoElements2d, ArcRangesRefuseAndKeepTheArc)
{
    using T = TypeParam;
    const T maxRadius = std::is_same<T, float>::value ? std::numeric_limits<float>::max() : T(1e308);
    qz2dArc<T> arc = Arc<T>(0, 0, 1, 30, 60);
    const qz2dBoundingBox<T> before = arc.GetBoundingBox();
    const auto e = Thrown<misc::qzRangeException<T>>([&] { arc.SetSweepAngle(400); });
    ASSERT_TRUE(e);
    EXPECT_EQ(e->GetMin(), T(-360));
    EXPECT_EQ(e->GetMax(), T(360));
    EXPECT_EQ(arc.GetSweepAngle(), T(60));
    EXPECT_TRUE(arc.GetBoundingBox() == before);

    EXPECT_TRUE(Thrown<misc::qzRangeException<T>>([&] { arc.SetStartAngle(T(-0.5)); }));
    EXPECT_TRUE(Thrown<misc::qzRangeException<T>>([&] { arc.SetStartAngle(T(360.5)); }));
    EXPECT_TRUE(Thrown<misc::qzRangeException<T>>([&] { arc.SetSweepAngle(T(-360.5)); }));
    const auto r = Thrown<misc::qzRangeException<T>>([&] { arc.SetRadius(-1); });
    ASSERT_TRUE(r);
    EXPECT_EQ(r->GetMax(), maxRadius);
    EXPECT_EQ(arc.GetStartAngle(), T(30));
    EXPECT_EQ(arc.GetRadius(), T(1));
    arc.SetRadius(maxRadius);
    arc.SetStartAngle(360);
    arc.SetSweepAngle(-360);
    EXPECT_TRUE(Thrown<misc::qzRangeException<T>>([] { Arc<T>(0, 0, 1, 0, 361); }));
}

TYPED_TEST(GeoElements2d, ArcReverseAndLength)
{
    using T = TypeParam;
    qz2dArc<T> arc = Arc<T>(0, 0, 2, 300, 90);
    arc.Reverse();
    EXPECT_NEAR(arc.GetStartAngle(), T(30), kEps<T>);
    EXPECT_EQ(arc.GetSweepAngle(), T(-90));
    ExpectPoint(*arc.GetEndPoint(), 1, -std::sqrt(3.0));
    EXPECT_NEAR(arc.GetLength(), T(-kPi), 10 * kEps<T>);
    arc.Reverse();
    EXPECT_NEAR(arc.GetStartAngle(), T(300), 10 * kEps<T>);
    EXPECT_EQ(arc.GetSweepAngle(), T(90));

    const qz2dArc<T> quarter = Arc<T>(1, 1, 2, 0, 90);
    ExpectPoint(*quarter.GetStartPoint(), 3, 1);
    ExpectPoint(*quarter.GetEndPoint(), 1, 3);
    ExpectPoint(*quarter.GetMiddlePoint(), 1 + std::sqrt(2.0), 1 + std::sqrt(2.0));
    EXPECT_NEAR(quarter.GetChordLength(), T(2 * std::sqrt(2.0)), kEps<T>);
    EXPECT_NEAR(quarter.GetLength(), T(kPi), kEps<T>);
}

TYPED_TEST(GeoElements2d, ArcBoxHoldsEveryAxisExtremeItPasses)
{
    using T = TypeParam;
    const double s45 = std::sqrt(0.5), s10 = std::sin(kPi / 18), c10 = std::cos(kPi / 18);
    const struct
    {
        double start, sweep, minX, minY, maxX, maxY;
    } cases[] = {
        {45, 90, -s45, s45, s45, 1},  {350, 20, c10, -s10, 1, s10},
        {10, -20, c10, -s10, 1, s10}, {135, -90, -s45, s45, s45, 1},
        {0, 90, 0, 0, 1, 1},          {0, 360, -1, -1, 1, 1},
        {200, -360, -1, -1, 1, 1},    {100, -200, std::cos(kPi * 100 / 180), -1, 1, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(::testing::Message() << c.start << " sweep " << c.sweep);
        ExpectBox(Arc<T>(0, 0, 1, c.start, c.sweep).GetBoundingBox(), c.minX, c.minY, c.maxX, c.maxY);
    }
    // Extremes inside the arc are exact, not rounded sines.
    EXPECT_EQ(Arc<T>(2, 3, 2, 45, 90).GetBoundingBox().GetMaxY(), T(5));
    EXPECT_EQ(Arc<T>(2, 3, 2, 350, 20).GetBoundingBox().GetMaxX(), T(4));
    EXPECT_EQ(Arc<T>(2, 3, 2, 10, -20).GetBoundingBox().GetMaxX(), T(4));

    qz2dArc<T> arc = Arc<T>(0, 0, 1, 45, 90);
    (void)arc.GetBoundingBox();
    arc.SetRadius(3);
    EXPECT_EQ(arc.GetBoundingBox().GetMaxY(), T(3));
}

TYPED_TEST(GeoElements2d, LineDistancesAndSharedEnds)
{
    using T = TypeParam;
    const qz2dLine<T> line(Pt<T>(0, 0), Pt<T>(10, 0));
    EXPECT_NEAR(line.GetSquaredDistanceToSegment(qz2dPoint<T>(-3, 4)), T(25), kEps<T>);
    EXPECT_NEAR(line.GetSquaredDistanceToSegment(qz2dPoint<T>(5, 3)), T(9), kEps<T>);
    EXPECT_NEAR(line.GetSquaredDistanceToSegment(qz2dPoint<T>(13, 4)), T(25), kEps<T>);
    EXPECT_NEAR(line.GetDistanceToLine(qz2dPoint<T>(13, 4)), T(4), kEps<T>);
    const qz2dLine<T> dot(Pt<T>(1, 1), Pt<T>(1, 1));
    EXPECT_NEAR(dot.GetSquaredDistanceToSegment(qz2dPoint<T>(4, 5)), T(25), kEps<T>);
    const qz2dLine<T> diagonal(Pt<T>(0, 0), Pt<T>(2, 2));
    ExpectPoint(*diagonal.ProjectPoint(qz2dPoint<T>(0, 2)), 1, 1);

    auto s = Pt<T>(0, 0), e = Pt<T>(3, 4);
    qz2dLine<T> shared(s, e);
    shared.Reverse();
    EXPECT_EQ(shared.GetStartPoint().Get(), e.Get());
    EXPECT_EQ(shared.GetEndPoint().Get(), s.Get());
    e->Set(-1, 7);
    ExpectBox(shared.GetBoundingBox(), -1, 0, 0, 7);
}

// Length of x = k y^2 over y in [0, h] by Simpson's rule.
double ParabolaLengthByIntegral(double k, double h)
{
    const int steps = 20000;
    const double dy = h / steps;
    auto f = [k](double y) { return std::sqrt(1 + 4 * k * k * y * y); };
    double sum = f(0) + f(h);
    for (int i = 1; i < steps; ++i)
        sum += (i % 2 ? 4 : 2) * f(i * dy);
    return sum * dy / 3;
}

TYPED_TEST(GeoElements2d, ParabolaLengthAndReverse)
{
    using T = TypeParam;
    const T tol = std::is_same<T, float>::value ? T(1e-5) : T(1e-10);
    EXPECT_NEAR(qz2dParabola<T>(Pt<T>(0, 0), Pt<T>(2, 1)).GetLength(), T(ParabolaLengthByIntegral(2, 1)),
                tol);
    // Opening towards -x and downwards: x - 1 = -(2/9)(y - 1)^2 over a height of 3.
    EXPECT_NEAR(qz2dParabola<T>(Pt<T>(1, 1), Pt<T>(-1, -2)).GetLength(),
                T(ParabolaLengthByIntegral(2.0 / 9, 3)), tol);
    EXPECT_EQ(qz2dParabola<T>(Pt<T>(1, 1), Pt<T>(1, 4)).GetLength(), T(3));
    EXPECT_EQ(qz2dParabola<T>(Pt<T>(1, 1), Pt<T>(-4, 1)).GetLength(), T(5));

    auto vertex = Pt<T>(0, 0), far = Pt<T>(2, 1);
    qz2dParabola<T> parabola(vertex, far);
    parabola.Reverse();
    EXPECT_EQ(parabola.GetStartPoint().Get(), far.Get());
    EXPECT_EQ(parabola.GetVertexPoint().Get(), vertex.Get());
    EXPECT_NEAR(parabola.GetX(T(0.5)), T(0.5), kEps<T>);
}

TYPED_TEST(GeoElements2d, ContourContinuityAndClosure)
{
    using T = TypeParam;
    qz2dContour<T> contour;
    EXPECT_FALSE(contour.IsContinuous(1));
    EXPECT_EQ(CadcamCode([&] { contour.IsClosed(); }), 2190u);

    contour.AddGeometry(Line<T>(0, 0, 1, 0));
    contour.AddGeometry(Line<T>(1, 0, 1, 1));
    EXPECT_TRUE(contour.IsContinuous(0));
    EXPECT_FALSE(contour.IsClosed());
    contour.AddGeometry(Line<T>(1, 1, 0, 0));
    EXPECT_TRUE(contour.IsClosed());
    // A point is no curve, even where it sits on the chain.
    contour.AddGeometry(Pt<T>(0, 0));
    EXPECT_FALSE(contour.IsContinuous(1));

    // The smallest gap breaks the chain with tolerance 0 only.
    qz2dContour<T> gap;
    gap.AddGeometry(Line<T>(0, 0, 1, 0));
    gap.AddGeometry(Line<T>(std::nextafter(T(1), T(2)), 0, 2, 0));
    EXPECT_FALSE(gap.IsContinuous(0));
    EXPECT_TRUE(gap.IsContinuous(T(1e-6)));
}

TYPED_TEST(GeoElements2d, ContourEditingKeepsOrderAndCaches)
{
    using T = TypeParam;
    using Members = std::vector<qz2dGeometry<T>*>;
    qz2dContour<T> contour;
    const auto order = [&contour]
    {
        Members members;
        for (const auto& m : contour)
            members.push_back(m.Get());
        return members;
    };
    const auto a = Line<T>(0, 0, 1, 0), b = Line<T>(1, 0, 1, 2), c = Line<T>(1, 2, 4, 6);
    contour.AddGeometry(a);
    contour.AddGeometry(c);
    EXPECT_NEAR(contour.GetLength(), T(6), kEps<T>);
    ExpectBox(contour.GetBoundingBox(), 0, 0, 4, 6);
    EXPECT_EQ(contour.Insert(std::next(contour.begin()), b)->Get(), b.Get());
    EXPECT_EQ(order(), (Members{a.Get(), b.Get(), c.Get()}));
    EXPECT_NEAR(contour.GetLength(), T(8), kEps<T>);
    contour.MoveToEnd(contour.begin(), std::next(contour.begin()));
    EXPECT_EQ(order(), (Members{b.Get(), c.Get(), a.Get()}));
    contour.Erase(std::next(contour.begin()), contour.end());
    EXPECT_EQ(order(), (Members{b.Get()}));
    EXPECT_NEAR(contour.GetLength(), T(2), kEps<T>);
    ExpectBox(contour.GetBoundingBox(), 1, 0, 1, 2);

    // A clockwise arc's own length is negative, the contour adds the distance travelled.
    const auto arc = Own<qz2dArc<T>>(new qz2dArc<T>(Arc<T>(0, 0, 1, 90, -90)));
    contour.AddGeometry(arc);
    EXPECT_NEAR(contour.GetLength(), T(2 + kPi / 2), kEps<T>);
    ExpectBox(contour.GetBoundingBox(), 0, 0, 1, 2);
    contour.Reverse();
    EXPECT_EQ(contour.begin()->Get(), arc.Get());
    EXPECT_NEAR(arc->GetLength(), T(kPi / 2), kEps<T>);
    EXPECT_NEAR(contour.GetLength(), T(2 + kPi / 2), kEps<T>);

    contour.Clear();
    EXPECT_EQ(contour.GetSize(), 0u);
    EXPECT_EQ(contour.GetLength(), T(0));
    EXPECT_TRUE(contour.GetBoundingBox() == qz2dBoundingBox<T>(0, 0, 0, 0));
}
} // namespace
