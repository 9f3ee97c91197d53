// Splitting lines, arcs and contours with a cutting line; the angle helpers behind arc cuts.
#include "geometry/geometry_test_support.h"

#include "geometry/qz2dGeometrySplit.h"
#include "geometry/qzKernelAngles.h"

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace
{
using namespace cadcam;
using namespace tessaform_test;
using intersect::qz2dGeometrySplit;
using misc::qzAutoPointer;

template <class T> using Pieces = typename qz2dGeometrySplit<T>::Pieces;
using ContourSplit = intersect::qz2dContourSplit<double, qz2dContour<double>>;
using Member = qzAutoPointer<qz2dGeometry<double>>;

/// Degrees: arc angles come out of acos, which loses precision near 0 and pi in float.
template <class T> constexpr T kDegEps = std::is_same<T, float>::value ? T(2e-3) : T(1e-9);
const std::string kInnerPoint = "Inner point is equal with start point or end point.";

template <class T> qz2dLine<T> MakeLine(double x1, double y1, double x2, double y2)
{
    return qz2dLine<T>(Pt<T>(x1, y1), Pt<T>(x2, y2));
}

template <class T> qzTPoint2d<T> V(double x, double y)
{
    return qzTPoint2d<T>(static_cast<T>(x), static_cast<T>(y));
}

/// Both lists of one split that reported success.
template <class T> struct Cut
{
    Pieces<T> left, right;
};

template <class T, class E> Cut<T> SplitBy(const E& element, const qz2dLine<T>& cutter)
{
    Cut<T> cut;
    EXPECT_TRUE(qz2dGeometrySplit<T>::Split(element, cutter, cut.left, cut.right));
    return cut;
}

template <class T, class E> std::string SplitError(const E& element, const qz2dLine<T>& cutter)
{
    Pieces<T> left, right;
    const std::string message =
        ErrorMessage([&] { qz2dGeometrySplit<T>::Split(element, cutter, left, right); });
    EXPECT_TRUE(left.empty() && right.empty());
    return message;
}

template <class T>
void ExpectLine(const qzAutoPointer<qz2dGeometry<T>>& piece, double x1, double y1, double x2, double y2)
{
    const auto line = piece.template DynamicCast<qz2dLine<T>>();
    ASSERT_TRUE(line) << "piece is not a line";
    ExpectPoint(*line->GetStartPoint(), x1, y1);
    ExpectPoint(*line->GetEndPoint(), x2, y2);
}

template <class T>
void ExpectArc(const qzAutoPointer<qz2dGeometry<T>>& piece, double cx, double cy, double r, double start,
               double sweep)
{
    const auto arc = piece.template DynamicCast<qz2dArc<T>>();
    ASSERT_TRUE(arc) << "piece is not an arc";
    ExpectPoint(*arc->GetCenter(), cx, cy);
    EXPECT_NEAR(arc->GetRadius(), static_cast<T>(r), kEps<T>);
    EXPECT_NEAR(arc->GetStartAngle(), static_cast<T>(start), kDegEps<T>);
    EXPECT_NEAR(arc->GetSweepAngle(), static_cast<T>(sweep), kDegEps<T>);
}

template <class T> using GeoSplit = RealTest<T>;
TYPED_TEST_SUITE(GeoSplit, Reals);

// --- angle helpers -----------------------------------------------------------------------------

TYPED_TEST(GeoSplit, AngleHelpersSnapNearTheEndsAndCoverAFullTurn)
{
    using T = TypeParam;
    const T pi = static_cast<T>(kPi);
    EXPECT_EQ(SafeAcos(T(1.5)), T(0));
    EXPECT_EQ(SafeAcos(T(-1.5)), pi);
    EXPECT_NEAR(SafeAcos(T(0.5)), pi / 3, kEps<T>);
    // Plain acos gives about 1e-5 here; the helper treats it as exactly parallel.
    EXPECT_EQ(SafeAcos(1.0 - 5e-11), 0.0);
    EXPECT_EQ(SafeAcos(-1.0 + 5e-11), kPi);
    EXPECT_EQ(SafeAcos(1.0 - 1e-9), std::acos(1.0 - 1e-9));

    EXPECT_NEAR(AngleBetween(V<T>(0, 2), V<T>(1, 0)), pi / 2, kEps<T>);
    EXPECT_NEAR(AngleBetween(V<T>(1, 0), V<T>(1, -1)), pi / 4, kEps<T>);
    EXPECT_EQ(AngleBetween(V<T>(1, 1), V<T>(3, 3)), T(0));
    EXPECT_EQ(AngleBetween(V<T>(1, 0), V<T>(-4, 0)), pi);
    EXPECT_THROW(AngleBetween(V<T>(0, 0), V<T>(1, 0)), qzcadcamException);

    EXPECT_EQ(PolarAngle(V<T>(2, 0)), T(0));
    EXPECT_NEAR(PolarAngle(V<T>(-1, 1)), 3 * pi / 4, kEps<T>);
    EXPECT_NEAR(PolarAngle(V<T>(-1, 0)), pi, kEps<T>);
    EXPECT_NEAR(PolarAngle(V<T>(0, -1)), 3 * pi / 2, kEps<T>);
    EXPECT_NEAR(PolarAngle(V<T>(1, -1)), 7 * pi / 4, kEps<T>);
}

TYPED_TEST(GeoSplit, SweepThroughTakesTheWayPassingTheInnerPoint)
{
    using T = TypeParam;
    const T pi = static_cast<T>(kPi);
    const qzTPoint2d<T> a = V<T>(1, 0), c = V<T>(0, 1);
    EXPECT_NEAR(SweepThrough(a, V<T>(1, 1), c), pi / 2, kEps<T>);
    EXPECT_NEAR(SweepThrough(a, V<T>(0, -1), c), 3 * pi / 2, kEps<T>);
    EXPECT_NEAR(SweepThrough(c, V<T>(0, -1), a), 3 * pi / 2, kEps<T>);
    // Opposite ends give half a turn on either side, equal ends the whole turn.
    EXPECT_EQ(SweepThrough(a, V<T>(0, -1), V<T>(-1, 0)), pi);
    EXPECT_EQ(SweepThrough(a, V<T>(0, 1), V<T>(-1, 0)), pi);
    EXPECT_NEAR(SweepThrough(a, V<T>(-1, 0), a), 2 * pi, kEps<T>);
    EXPECT_EQ(ErrorMessage([&] { SweepThrough(a, a, c); }), kInnerPoint);
    EXPECT_EQ(ErrorMessage([&] { SweepThrough(a, c, c); }), kInnerPoint);
}

// --- sides and lines ---------------------------------------------------------------------------

TYPED_TEST(GeoSplit, RightSideIsStrictAndFollowsTheCutterDirection)
{
    using T = TypeParam;
    const qz2dLine<T> up = MakeLine<T>(0, -1, 0, 1), down = MakeLine<T>(0, 1, 0, -1);
    EXPECT_TRUE(qz2dGeometrySplit<T>::IsOnRightSide(up, qz2dPoint<T>(1, 0)));
    EXPECT_FALSE(qz2dGeometrySplit<T>::IsOnRightSide(up, qz2dPoint<T>(-1, 0)));
    EXPECT_FALSE(qz2dGeometrySplit<T>::IsOnRightSide(down, qz2dPoint<T>(1, 0)));
    EXPECT_TRUE(qz2dGeometrySplit<T>::IsOnRightSide(down, qz2dPoint<T>(-1, 0)));
    // On the cutter's line, inside the segment or beyond it: left.
    EXPECT_FALSE(qz2dGeometrySplit<T>::IsOnRightSide(up, qz2dPoint<T>(0, 0)));
    EXPECT_FALSE(qz2dGeometrySplit<T>::IsOnRightSide(up, qz2dPoint<T>(0, 7)));
}

TYPED_TEST(GeoSplit, CrossingLineIsCutAndSortedBySideOfItsStart)
{
    using T = TypeParam;
    const qz2dLine<T> cutter = MakeLine<T>(0, -1, 0, 1), forward = MakeLine<T>(-1, 0, 1, 0);
    const auto marker = Line<T>(9, 9, 8, 8);
    Cut<T> cut{{marker}, {marker}};
    ASSERT_TRUE(qz2dGeometrySplit<T>::Split(forward, cutter, cut.left, cut.right));
    // Appended behind what the lists held.
    ASSERT_EQ(cut.left.size(), 2u);
    ASSERT_EQ(cut.right.size(), 2u);
    EXPECT_EQ(cut.left.front(), marker);
    EXPECT_EQ(cut.right.front(), marker);
    ExpectLine(cut.left.back(), -1, 0, 0, 0);
    ExpectLine(cut.right.back(), 0, 0, 1, 0);
    // The pieces keep the line's end points and meet in one shared crossing point.
    EXPECT_EQ(cut.left.back()->GetStartPoint(), forward.GetStartPoint());
    EXPECT_EQ(cut.right.back()->GetEndPoint(), forward.GetEndPoint());
    EXPECT_EQ(cut.left.back()->GetEndPoint(), cut.right.back()->GetStartPoint());

    const Cut<T> reversed = SplitBy(MakeLine<T>(1, 0, -1, 0), cutter);
    ASSERT_EQ(reversed.left.size() + reversed.right.size(), 2u);
    ExpectLine(reversed.left.front(), 0, 0, -1, 0);
    ExpectLine(reversed.right.front(), 1, 0, 0, 0);

    const Cut<T> oblique = SplitBy(MakeLine<T>(1, 1, -3, -1), MakeLine<T>(-1, -3, -1, 3));
    ASSERT_EQ(oblique.left.size() + oblique.right.size(), 2u);
    ExpectLine(oblique.right.front(), 1, 1, -1, 0);
    ExpectLine(oblique.left.front(), -1, 0, -3, -1);
}

TYPED_TEST(GeoSplit, LineNotCrossedInsideGoesWholeBySideOfItsMidpoint)
{
    using T = TypeParam;
    const qz2dLine<T> cutter = MakeLine<T>(0, -1, 0, 1);
    struct Case
    {
        const char* what;
        double x1, y1, x2, y2;
        bool right;
    };
    for (const Case& c :
         {Case{"ends on the cutter", -1, 0, 0, 0, false}, Case{"starts on the cutter", 0, 0.5, 2, 0.5, true},
          Case{"meets the line beyond the cutter", -1, 5, 3, 5, true},
          Case{"meets the cutter beyond the line", -3, 0, -1, 0, false}, Case{"parallel", 2, -1, 2, 1, true},
          Case{"on the cutter", 0, -0.5, 0, 0.5, false}})
    {
        SCOPED_TRACE(c.what);
        const Cut<T> cut = SplitBy(MakeLine<T>(c.x1, c.y1, c.x2, c.y2), cutter);
        ASSERT_EQ(cut.right.size(), c.right ? 1u : 0u);
        ASSERT_EQ(cut.left.size(), c.right ? 0u : 1u);
        ExpectLine(c.right ? cut.right.front() : cut.left.front(), c.x1, c.y1, c.x2, c.y2);
    }
}

TYPED_TEST(GeoSplit, ZeroLengthLinesAreRefused)
{
    using T = TypeParam;
    const std::string message = "Invalid line: start point is same with end point";
    const qz2dLine<T> cutter = MakeLine<T>(0, -1, 0, 1), point = MakeLine<T>(0, 0, 0, 0);
    EXPECT_EQ(SplitError(point, cutter), message);
    EXPECT_EQ(SplitError(MakeLine<T>(-1, 0, 1, 0), point), message);
    EXPECT_EQ(SplitError(Arc<T>(0, 0, 1, 0, 180), point), message);
    const qz2dLine<T> broken(Pt<T>(std::numeric_limits<T>::quiet_NaN(), 0), Pt<T>(1, 0));
    EXPECT_EQ(SplitError(broken, cutter), message);
}

// --- arcs --------------------------------------------------------------------------------------

TYPED_TEST(GeoSplit, ArcCrossedOnceIsCutIntoTwoArcs)
{
    using T = TypeParam;
    const qz2dLine<T> yAxis = MakeLine<T>(0, -2, 0, 2);
    const Cut<T> upper = SplitBy(Arc<T>(0, 0, 1, 0, 180), yAxis);
    ASSERT_EQ(upper.left.size() + upper.right.size(), 2u);
    ExpectArc(upper.right.front(), 0, 0, 1, 0, 90);
    ExpectArc(upper.left.front(), 0, 0, 1, 90, 90);

    // The same half circle run clockwise: the start is now on the left.
    const Cut<T> clockwise = SplitBy(Arc<T>(0, 0, 1, 180, -180), yAxis);
    ASSERT_EQ(clockwise.left.size() + clockwise.right.size(), 2u);
    ExpectArc(clockwise.left.front(), 0, 0, 1, 180, -90);
    ExpectArc(clockwise.right.front(), 0, 0, 1, 90, -90);

    // Over the 0 degree direction, by a cutter that starts at the centre.
    const Cut<T> wrapping = SplitBy(Arc<T>(2, 1, 2, 300, 120), MakeLine<T>(2, 1, 6, 1));
    ASSERT_EQ(wrapping.left.size() + wrapping.right.size(), 2u);
    ExpectArc(wrapping.right.front(), 2, 1, 2, 300, 60);
    ExpectArc(wrapping.left.front(), 2, 1, 2, 0, 60);
}

TYPED_TEST(GeoSplit, ArcCrossedTwiceGivesThreeArcsWithOuterPiecesTogether)
{
    using T = TypeParam;
    for (const bool reversed : {false, true})
    {
        SCOPED_TRACE(reversed ? "cutter to -x" : "cutter to +x");
        Cut<T> cut = SplitBy(Arc<T>(0, 0, 1, 0, 180),
                             reversed ? MakeLine<T>(2, 0.5, -2, 0.5) : MakeLine<T>(-2, 0.5, 2, 0.5));
        // The start (1, 0) lies below the cutter: on its right for +x, on its left for -x.
        Pieces<T>& outer = reversed ? cut.left : cut.right;
        Pieces<T>& inner = reversed ? cut.right : cut.left;
        ASSERT_EQ(outer.size(), 2u);
        ASSERT_EQ(inner.size(), 1u);
        ExpectArc(outer.front(), 0, 0, 1, 0, 30);
        ExpectArc(inner.front(), 0, 0, 1, 30, 120);
        ExpectArc(outer.back(), 0, 0, 1, 150, 30);
    }

    // Clockwise over the 0 degree direction, from 60 down to -60 (300).
    const Cut<T> clockwise = SplitBy(Arc<T>(0, 0, 1, 60, -120), MakeLine<T>(0.8, -2, 0.8, 2));
    ASSERT_EQ(clockwise.left.size(), 2u);
    ASSERT_EQ(clockwise.right.size(), 1u);
    const double a = std::atan2(0.6, 0.8) * 180 / kPi;
    ExpectArc(clockwise.left.front(), 0, 0, 1, 60, -(60 - a));
    ExpectArc(clockwise.right.front(), 0, 0, 1, a, -2 * a);
    ExpectArc(clockwise.left.back(), 0, 0, 1, 360 - a, -(60 - a));

    // More than half a turn: both crossings lie inside the smaller angle between the ends.
    const Cut<T> large = SplitBy(Arc<T>(0, 0, 1, 0, 300), MakeLine<T>(-2, 0.5, 2, 0.5));
    ASSERT_EQ(large.left.size(), 1u);
    ASSERT_EQ(large.right.size(), 2u);
    ExpectArc(large.right.front(), 0, 0, 1, 0, 30);
    ExpectArc(large.left.front(), 0, 0, 1, 30, 120);
    ExpectArc(large.right.back(), 0, 0, 1, 150, 150);
}

TEST(GeoSplitArc, CrossingNextToAnEndLeavesATinyLastPiece)
{
    // Angles this small are where acos loses its digits and where the angle helpers snap to 0;
    // the piece order must still follow the arc.
    const double r = 10, deg = kPi / 180;
    for (const double delta : {0.01, 1e-3, 1e-4})
    {
        SCOPED_TRACE(delta);
        const double x1 = r * std::cos(30 * deg), y1 = r * std::sin(30 * deg);
        const double x2 = r * std::cos((180 - delta) * deg), y2 = r * std::sin((180 - delta) * deg);
        const Cut<double> cut = SplitBy(Arc<double>(0, 0, r, 0, 180),
                                        MakeLine<double>(2 * x1 - x2, 2 * y1 - y2, 2 * x2 - x1, 2 * y2 - y1));
        ASSERT_EQ(cut.left.size(), 2u);
        ASSERT_EQ(cut.right.size(), 1u);
        ExpectArc(cut.left.front(), 0, 0, r, 0, 30);
        ExpectArc(cut.right.front(), 0, 0, r, 30, 150 - delta);
        ExpectArc(cut.left.back(), 0, 0, r, 180 - delta, delta);
    }
}

TEST(GeoSplitArc, FloatCrossingAtARoundedEndCutsNothingOffIt)
{
    // Only crossing 6.4e-6 from the end, but just beyond it as computed in float.
    const qz2dArc<float> shortArc = Arc<float>(14.2792683, -25.4711895, 6.90415192, 237.595245, -29.3386841);
    const Cut<float> whole =
        SplitBy(shortArc, MakeLine<float>(-677.094971, -112.685326, 693.490723, 55.2058067));
    ASSERT_TRUE(whole.left.empty());
    ASSERT_EQ(whole.right.size(), 1u);
    ExpectArc(whole.right.front(), 14.2792683, -25.4711895, 6.90415192, 237.595245, -29.3386841);

    // The crossing near the end is 2.6e-6 from it, beyond the end tolerance, yet within the
    // rounding of the rest arc rebuilt in float; cutting there once went the long way round.
    const qz2dArc<float> arc = Arc<float>(5.87197018, 9.27452183, 2.31379342, 106.110611, -176.152786);
    const Cut<float> cut = SplitBy(arc, MakeLine<float>(-168.186081, -144.441193, 181.509552, 158.640564));
    ASSERT_EQ(cut.left.size(), 1u);
    ASSERT_EQ(cut.right.size(), 1u);
    ExpectArc(cut.left.front(), 5.87197018, 9.27452183, 2.31379342, 106.110611, -134.237457);
    ExpectArc(cut.right.front(), 5.87197018, 9.27452183, 2.31379342, 331.873169, -41.9153137);
}

TYPED_TEST(GeoSplit, ArcNotCrossedInsideGoesWholeBySideOfItsMiddle)
{
    using T = TypeParam;
    struct Case
    {
        const char* what;
        qz2dArc<T> arc;
        qz2dLine<T> cutter;
        bool right;
    };
    const Case cases[] = {
        {"upper half, crossed at both ends", Arc<T>(0, 0, 1, 0, 180), MakeLine<T>(-2, 0, 2, 0), false},
        {"lower half, crossed at both ends", Arc<T>(0, 0, 1, 180, 180), MakeLine<T>(-2, 0, 2, 0), true},
        {"circle crossed outside the arc", Arc<T>(0, 0, 1, 270, 90), MakeLine<T>(-0.5, -2, -0.5, 2), true},
        {"line crossed outside the cutter", Arc<T>(0, 0, 1, 0, 180), MakeLine<T>(0, -0.5, 0, 0.5), false},
        // Radius 0 is a valid arc; a cutter through its centre cannot cut it.
        {"radius 0", Arc<T>(0, 0, 0, 0, 90), MakeLine<T>(-1, -1, 1, 1), false},
        {"sweep 0 on the cutter", Arc<T>(0, 0, 1, 0, 0), MakeLine<T>(1, -1, 1, 1), false},
        {"sweep 0 beside the cutter", Arc<T>(0, 0, 1, 0, 0), MakeLine<T>(0, -2, 0, 2), true},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        const Cut<T> cut = SplitBy(c.arc, c.cutter);
        ASSERT_EQ(cut.right.size(), c.right ? 1u : 0u);
        ASSERT_EQ(cut.left.size(), c.right ? 0u : 1u);
        ExpectArc(c.right ? cut.right.front() : cut.left.front(), c.arc.GetCenter()->x(),
                  c.arc.GetCenter()->y(), c.arc.GetRadius(), c.arc.GetStartAngle(), c.arc.GetSweepAngle());
    }
}

TYPED_TEST(GeoSplit, FullCircleIsCutOnlyOppositeItsStart)
{
    using T = TypeParam;
    EXPECT_EQ(SplitError(Arc<T>(0, 0, 1, 0, 360), MakeLine<T>(0.5, -2, 0.5, 2)), kInnerPoint);
    // Start angles that do not survive start + 360 exactly: the computed end lands a rounding
    // step off the start, on either side, and the circle must still be seen whole.
    for (const double start : {0.1, 12.345, 77.7, 200.3, 333.3})
        for (const double sweep : {360.0, -360.0})
        {
            SCOPED_TRACE(std::to_string(start) + " " + std::to_string(sweep));
            EXPECT_EQ(SplitError(Arc<T>(3, 4, 2, start, sweep), MakeLine<T>(0, 5, 6, 3)), kInnerPoint);
        }
    // Through the start and the opposite point the two halves are well defined.
    const Cut<T> halves = SplitBy(Arc<T>(0, 0, 1, 0, 360), MakeLine<T>(-2, 0, 2, 0));
    ASSERT_EQ(halves.left.size() + halves.right.size(), 2u);
    ExpectArc(halves.left.front(), 0, 0, 1, 0, 180);
    ExpectArc(halves.right.front(), 0, 0, 1, 180, 180);
}

TYPED_TEST(GeoSplit, OtherCurvesAreNotSplit)
{
    using T = TypeParam;
    const qz2dLine<T> cutter = MakeLine<T>(0, -1, 0, 1);
    EXPECT_EQ(SplitError(qz2dEllipse<T>(Pt<T>(0, 0), 2, 1), cutter), "Not Implemented yet");
    EXPECT_EQ(SplitError(qz2dParabola<T>(Pt<T>(-1, 0), Pt<T>(1, 1)), cutter), "Not Implemented yet");
    EXPECT_EQ(SplitError(qz2dSpline<T>({{-1, 0}, {0, 1}, {1, 0}}), cutter), "Not Implemented yet");
}

/// Signed distance of p from the cutter's line, positive on its right.
double RightDistance(const qz2dLine<double>& cutter, const qz2dPoint<double>& p)
{
    const qz2dPoint<double>&s = *cutter.GetStartPoint(), &e = *cutter.GetEndPoint();
    const double dx = e.x() - s.x(), dy = e.y() - s.y();
    return (dy * (p.x() - s.x()) - (p.y() - s.y()) * dx) / std::hypot(dx, dy);
}

TEST(GeoSplitProperties, RandomCutsKeepTheWholeAndSortPiecesBySide)
{
    // Cutters far longer than the elements, so that every piece lies on one side of them.
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> coordinate(-5, 5), unit(0, 1);
    const auto expectSides = [](const qz2dLine<double>& cutter, const Cut<double>& cut, const auto& middleOf)
    {
        for (const auto& piece : cut.left)
            EXPECT_LE(RightDistance(cutter, middleOf(piece)), 1e-7);
        for (const auto& piece : cut.right)
            EXPECT_GE(RightDistance(cutter, middleOf(piece)), -1e-7);
    };
    std::size_t cuts = 0;
    for (int i = 0; i < 1000; ++i)
    {
        SCOPED_TRACE(i);
        const double angle = 2 * kPi * unit(random), x = coordinate(random), y = coordinate(random);
        const qz2dLine<double> cutter =
            MakeLine<double>(x - 100 * std::cos(angle), y - 100 * std::sin(angle), x + 100 * std::cos(angle),
                             y + 100 * std::sin(angle));
        const qz2dArc<double> arc =
            Arc<double>(coordinate(random), coordinate(random), 0.1 + 4.9 * unit(random), 360 * unit(random),
                        718 * unit(random) - 359);
        const Cut<double> arcCut = SplitBy(arc, cutter);
        double sweep = 0;
        for (const Pieces<double>* list : {&arcCut.left, &arcCut.right})
            for (const auto& piece : *list)
            {
                const auto part = piece.DynamicCast<qz2dArc<double>>();
                ASSERT_TRUE(part);
                EXPECT_EQ(part->GetCenter(), arc.GetCenter());
                EXPECT_EQ(part->GetRadius(), arc.GetRadius());
                EXPECT_GE(part->GetSweepAngle() * arc.GetSweepAngle(), 0.0);
                sweep += part->GetSweepAngle();
            }
        EXPECT_NEAR(sweep, arc.GetSweepAngle(), 1e-7);
        cuts += arcCut.left.size() + arcCut.right.size() > 1;
        expectSides(cutter, arcCut,
                    [](const Member& piece)
                    { return *piece.DynamicCast<qz2dArc<double>>()->GetMiddlePoint(); });

        const qz2dLine<double> line =
            MakeLine<double>(coordinate(random), coordinate(random), coordinate(random), coordinate(random));
        const Cut<double> lineCut = SplitBy(line, cutter);
        // Whole on one side, or one piece on each.
        EXPECT_EQ(lineCut.left.size() + lineCut.right.size(),
                  1u + (lineCut.left.size() == lineCut.right.size()));
        double length = 0;
        for (const Pieces<double>* list : {&lineCut.left, &lineCut.right})
            for (const auto& piece : *list)
                length += piece->GetLength();
        EXPECT_NEAR(length, line.GetLength(), 1e-9);
        expectSides(cutter, lineCut,
                    [](const Member& piece)
                    {
                        const qz2dPoint<double>&s = *piece->GetStartPoint(), &e = *piece->GetEndPoint();
                        return qz2dPoint<double>((s.x() + e.x()) / 2, (s.y() + e.y()) / 2);
                    });
    }
    // The draw must exercise the cutting paths, not only whole placements.
    EXPECT_GT(cuts, 200u);
}

// --- contour split -----------------------------------------------------------------------------

Member ArcMember(double cx, double cy, double r, double start, double sweep)
{
    return Own<qz2dGeometry<double>>(new qz2dArc<double>(Arc<double>(cx, cy, r, start, sweep)));
}

template <class C> void FillSquare(C& contour)
{
    contour.AddGeometry(Line<double>(-1, -1, 1, -1));
    contour.AddGeometry(Line<double>(1, -1, 1, 1));
    contour.AddGeometry(Line<double>(1, 1, -1, 1));
    contour.AddGeometry(Line<double>(-1, 1, -1, -1));
}

/// The halves of the square cut along the y axis, in member order.
void ExpectSquareHalves(const qz2dContour<double>& first, const qz2dContour<double>& second)
{
    ASSERT_EQ(first.GetSize(), 3u);
    ASSERT_EQ(second.GetSize(), 3u);
    auto f = first.begin(), s = second.begin();
    ExpectLine(*f++, -1, -1, 0, -1);
    ExpectLine(*f++, 0, 1, -1, 1);
    ExpectLine(*f++, -1, 1, -1, -1);
    ExpectLine(*s++, 0, -1, 1, -1);
    ExpectLine(*s++, 1, -1, 1, 1);
    ExpectLine(*s++, 1, 1, 0, 1);
    EXPECT_FALSE(first.IsClosed());
    EXPECT_FALSE(second.IsClosed());
}

TEST(GeoContourSplit, ClosedSquareSplitsIntoTwoOpenContours)
{
    const qz2dLine<double> cutter = MakeLine<double>(0, -2, 0, 2);
    {
        SCOPED_TRACE("contour");
        qz2dContour<double> square, first, second;
        FillSquare(square);
        ASSERT_TRUE(square.IsClosed());
        ContourSplit split(cutter, first, second, ContourSplit::ThrowIfImpossible);
        square.AcceptVisitor(split);
        ExpectSquareHalves(first, second);
        EXPECT_EQ(square.GetSize(), 4u);
    }
    {
        SCOPED_TRACE("closed contour, visited as const");
        qz2dClosedContour<double> square;
        qz2dContour<double> first, second;
        FillSquare(square);
        const ContourSplit split(cutter, first, second, ContourSplit::ThrowIfImpossible);
        static_cast<const qz2dClosedContour<double>&>(square).AcceptVisitor(split);
        ExpectSquareHalves(first, second);
    }
    {
        SCOPED_TRACE("polyline");
        qz2dPolyLine<double> square;
        for (const auto& c :
             {V<double>(-1, -1), V<double>(1, -1), V<double>(1, 1), V<double>(-1, 1), V<double>(-1, -1)})
            square.AddPoint(qz2dPoint<double>(c));
        qz2dContour<double> first, second;
        ContourSplit split(cutter, first, second, ContourSplit::ThrowIfImpossible);
        square.AcceptVisitor(split);
        ExpectSquareHalves(first, second);
    }
}

TEST(GeoContourSplit, MixedContourKeepsPieceOrderAndNesting)
{
    // A cup: a line down, the lower half circle, then a nested contour with a line up; cut
    // along +x at height -0.5, so the bottom of the cup is on the right.
    qz2dContour<double> profile, nested, first, second;
    profile.AddGeometry(Line<double>(-1, 1, -1, 0));
    profile.AddGeometry(ArcMember(0, 0, 1, 180, 180));
    nested.AddGeometry(Line<double>(1, 0, 1, 1));
    profile.AddGeometry(Own<qz2dGeometry<double>>(new qz2dContour<double>(nested)));
    ContourSplit split(MakeLine<double>(-3, -0.5, 3, -0.5), first, second, ContourSplit::AddToSecond);
    profile.AcceptVisitor(split);
    ASSERT_EQ(first.GetSize(), 4u);
    ASSERT_EQ(second.GetSize(), 1u);
    auto f = first.begin();
    ExpectLine(*f++, -1, 1, -1, 0);
    ExpectArc(*f++, 0, 0, 1, 180, 30);
    ExpectArc(*f++, 0, 0, 1, 330, 30);
    ExpectLine(*f++, 1, 0, 1, 1);
    ExpectArc(*second.begin(), 0, 0, 1, 210, 120);
}

TEST(GeoContourSplit, RefusedMembersKeepWhatWasAppendedBefore)
{
    const auto runWith = [](Member member)
    {
        qz2dContour<double> contour, first, second;
        contour.AddGeometry(Line<double>(-1, 0, 1, 0));
        contour.AddGeometry(std::move(member));
        ContourSplit split(MakeLine<double>(0, -2, 0, 2), first, second, ContourSplit::AddToBoth);
        const std::string message = ErrorMessage([&] { contour.AcceptVisitor(split); });
        EXPECT_EQ(first.GetSize(), 1u);
        EXPECT_EQ(second.GetSize(), 1u);
        return message;
    };
    EXPECT_EQ(runWith(Own<qz2dGeometry<double>>(new qz2dPoint<double>(0, 0))), "Unable to split a point");
    EXPECT_EQ(runWith(Own<qz2dGeometry<double>>(new qz2dSpline<double>({{0, 0}, {1, 1}}))),
              "Not implemented");
    EXPECT_EQ(runWith(Own<qz2dGeometry<double>>(new qz2dEllipse<double>(Pt<double>(0, 0), 1, 1))),
              "Not Implemented yet");
    EXPECT_EQ(
        runWith(Own<qz2dGeometry<double>>(new qz2dParabola<double>(Pt<double>(0, 0), Pt<double>(1, 1)))),
        "Not Implemented yet");
    EXPECT_EQ(runWith(Own<qz2dGeometry<double>>(
                  new qz2dCurve<double>([](const double& t) { return qzTPoint2d<double>(t, t); }))),
              "Unable to copy abstract class");
    EXPECT_EQ(runWith(Own<qz2dGeometry<double>>(new BareGeometry)), "Unable to copy abstract class");
    EXPECT_EQ(runWith(Member()), "Accessing NULL pointer");
}

TEST(GeoContourSplit, CopiesShareTargetsAndKeepTheirOwnCutter)
{
    auto start = Pt<double>(0, -2), end = Pt<double>(0, 2);
    qz2dContour<double> first, second;
    const ContourSplit original(qz2dLine<double>(start, end), first, second, ContourSplit::DropGeometry);
    // Moving the caller's points afterwards must not move the cutter.
    start->Set(-5, -5);
    end->Set(-5, 5);
    const ContourSplit copy(original);
    EXPECT_EQ(copy.GetOption(), ContourSplit::DropGeometry);
    Line<double>(-1, 0, 1, 0)->AcceptVisitor(copy);
    ArcMember(0, 0, 1, 0, 180)->AcceptVisitor(original);
    ASSERT_EQ(first.GetSize(), 2u);
    ASSERT_EQ(second.GetSize(), 2u);
    ExpectLine(*first.begin(), -1, 0, 0, 0);
    ExpectArc(first.GetMembers().back(), 0, 0, 1, 90, 90);
    ExpectLine(*second.begin(), 0, 0, 1, 0);
    ExpectArc(second.GetMembers().back(), 0, 0, 1, 0, 90);

    // A target may be the very contour being split: its new members are not visited again.
    qz2dContour<double> contour;
    contour.AddGeometry(Line<double>(-1, 0, 1, 0));
    contour.AcceptVisitor(
        ContourSplit(MakeLine<double>(0, -1, 0, 1), contour, second, ContourSplit::AddToFirst));
    ASSERT_EQ(contour.GetSize(), 2u);
    ExpectLine(contour.GetMembers().back(), -1, 0, 0, 0);
}

/// Reaches the option handling directly: line and arc splits never report failure.
class OptionProbe : public ContourSplit
{
public:
    using ContourSplit::ContourSplit;
    using ContourSplit::HandleImpossibleSplit;
};

TEST(GeoContourSplit, ImpossibleSplitOptionsPlaceCopiesOrThrow)
{
    const qz2dLine<double> cutter = MakeLine<double>(0, -1, 0, 1);
    const auto line = Line<double>(5, 5, 6, 6).DynamicCast<qz2dLine<double>>();
    const qz2dArc<double> arc = Arc<double>(3, 3, 1, 10, 20);
    struct Expected
    {
        ContourSplit::SplitImpossibleOptions option;
        std::size_t first, second;
    };
    for (const Expected& e :
         {Expected{ContourSplit::AddToFirst, 1, 0}, Expected{ContourSplit::AddToSecond, 0, 1},
          Expected{ContourSplit::AddToBoth, 1, 1}, Expected{ContourSplit::DropGeometry, 0, 0}})
    {
        SCOPED_TRACE(static_cast<int>(e.option));
        qz2dContour<double> first, second;
        const OptionProbe probe(cutter, first, second, e.option);
        probe.HandleImpossibleSplit(*line);
        probe.HandleImpossibleSplit(arc);
        ASSERT_EQ(first.GetSize(), 2 * e.first);
        ASSERT_EQ(second.GetSize(), 2 * e.second);
        for (const qz2dContour<double>* target : {&first, &second})
            if (target->GetSize() != 0)
            {
                // New elements equal to the originals, not the originals themselves.
                EXPECT_NE(target->begin()->Get(), line.Get());
                ExpectLine(*target->begin(), 5, 5, 6, 6);
                ExpectArc(target->GetMembers().back(), 3, 3, 1, 10, 20);
            }
        if (e.option == ContourSplit::AddToBoth)
        {
            EXPECT_NE(first.begin()->Get(), second.begin()->Get());
        }
    }

    qz2dContour<double> first, second;
    const auto optionValue = [](int value)
    { return static_cast<ContourSplit::SplitImpossibleOptions>(value); };
    const OptionProbe throwing(cutter, first, second, ContourSplit::ThrowIfImpossible);
    EXPECT_EQ(ErrorMessage([&] { throwing.HandleImpossibleSplit(*line); }), "Split geoemtry impossible");
    for (const int value : {0, 6, -1})
    {
        const OptionProbe unknown(cutter, first, second, optionValue(value));
        EXPECT_EQ(ErrorMessage([&] { unknown.HandleImpossibleSplit(arc); }),
                  "Unknown type of impossible split option");
    }
    EXPECT_EQ(first.GetSize() + second.GetSize(), 0u);

    // A split that succeeds never consults the option, not even an unknown one.
    qz2dContour<double> square;
    FillSquare(square);
    square.AcceptVisitor(OptionProbe(MakeLine<double>(0, -2, 0, 2), first, second, optionValue(9)));
    ExpectSquareHalves(first, second);
}
} // namespace
