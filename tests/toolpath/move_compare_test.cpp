// Comparing moves by kind and by pose, and move sequences pairwise and geometrically.
#include "toolpath/toolpath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace
{
using namespace cadcam;
using misc::qzMakeAutoPointer;
using Point = qzCNCMove::Point;

bool Exact(const qzCNCMove& a, const qzCNCMove& b, double position, double orientation)
{
    return qzMovesCompMethods::ExactCompareMoves(a, b, position, orientation);
}

bool SameOrientation(const Point& a, const Point& b, double tolerance)
{
    return Exact(qz3axMove(Point(), a), qz3axMove(Point(), b), 1.0, tolerance);
}

qzTPContour Path(const std::vector<Point>& positions, const Point& orientation = Point(0.0, 0.0, 1.0))
{
    qzTPContour path;
    for (const Point& p : positions)
        path.PushBackMove(qzMakeAutoPointer<qz3axMove>(p, orientation));
    return path;
}

std::vector<Point> Line(double from, double to, double step)
{
    std::vector<Point> points;
    for (int i = 0; from + i * step <= to + 1e-12; ++i)
        points.emplace_back(from + i * step, 0.0, 0.0);
    return points;
}

TEST(MoveCompare, KindsMustMatch)
{
    const Point p(1.0, 2.0, 3.0), o(0.0, 0.0, 1.0);
    const qz3axMove three(p, o);
    const qz5axMove five(p, o);
    const qzCNCMove base(p, o);
    EXPECT_FALSE(qzMovesCompMethods::NormalCompareMoves(three, five));
    EXPECT_FALSE(qzMovesCompMethods::NormalCompareMoves(five, three));
    EXPECT_FALSE(qzMovesCompMethods::NormalCompareMoves(base, three));
    EXPECT_FALSE(Exact(three, five, 1.0, -2.0));
    EXPECT_FALSE(Exact(five, base, 1.0, -2.0));
    EXPECT_TRUE(qzMovesCompMethods::NormalCompareMoves(base, qzCNCMove(p, o)));
    EXPECT_TRUE(qzMovesCompMethods::NormalCompareMoves(five, qz5axMove(p, o)));
}

TEST(MoveCompare, ExactLooksAtPoseOnlyWithStrictTolerances)
{
    const qz5axMove a(Point(1.0, 2.0, 3.0), Point(0.0, 0.0, 1.0));
    qz5axMove b = a;
    b.SetFeedRate(250.0);
    b.SetPotentialSurfaceID(7);
    EXPECT_FALSE(qzMovesCompMethods::NormalCompareMoves(a, b));
    EXPECT_TRUE(Exact(a, b, 1e-12, 0.99));
    EXPECT_FALSE(Exact(a, a, 0.0, -2.0));
    b.SetPosition(Point(1.0, 2.0, 4.0));
    EXPECT_FALSE(Exact(a, b, 1.0, -2.0));
    EXPECT_TRUE(Exact(a, b, 1.000001, -2.0));

    // The orientation tolerance is a strict lower bound of the angle's cosine.
    const Point up(0.0, 0.0, 1.0), diagonal(0.0, 1.0, 1.0), down(0.0, 0.0, -2.0), zero;
    EXPECT_TRUE(SameOrientation(up, diagonal, 0.7));
    EXPECT_FALSE(SameOrientation(up, diagonal, 0.71));
    EXPECT_FALSE(SameOrientation(up, down, -1.0));
    EXPECT_TRUE(SameOrientation(up, down, -1.01));
    EXPECT_FALSE(SameOrientation(up, Point(1.0, 0.0, 0.0), 0.0));
    EXPECT_TRUE(SameOrientation(up, Point(1.0, 0.0, 0.0), -0.01));
    EXPECT_FALSE(SameOrientation(zero, up, 0.0));
    EXPECT_TRUE(SameOrientation(zero, up, -0.01));
}

TEST(MoveCompareSequence, PairwiseComparisons)
{
    const qzTPContour a = Path({Point(0, 0, 0), Point(1, 0, 0), Point(2, 0, 0)});
    const qzTPContour same = Path({Point(0, 0, 0), Point(1, 0, 0), Point(2, 0, 0)});
    const qzTPContour shifted = Path({Point(0, 0, 0), Point(1.05, 0, 0), Point(2, 0, 0)});
    const qzTPContour shorter = Path({Point(0, 0, 0), Point(1, 0, 0)});
    const qzTPContour tilted = Path({Point(0, 0, 0), Point(1, 0, 0), Point(2, 0, 0)}, Point(0, 1, 1));
    EXPECT_TRUE(a == same);
    EXPECT_TRUE(a.ExactCompareTolerance(same, 0.1, 0.99));
    EXPECT_TRUE(a != shifted);
    EXPECT_TRUE(a.ExactCompareTolerance(shifted, 0.1, 0.99));
    EXPECT_FALSE(a.ExactCompareTolerance(shifted, 0.01, 0.99));
    EXPECT_TRUE(a.ExactCompareTolerance(tilted, 0.1, 0.7));
    EXPECT_FALSE(a.ExactCompareTolerance(tilted, 0.1, 0.71));
    EXPECT_FALSE(a == shorter);
    EXPECT_FALSE(a.ExactCompareTolerance(shorter, 1e9, -2.0));
    // Itself is equal without looking at a move; a copy sharing the moves is compared.
    EXPECT_TRUE(a.ExactCompareTolerance(a, 0.0, 0.0));
    const qzTPContour sharing = a;
    EXPECT_FALSE(a.ExactCompareTolerance(sharing, 0.0, 0.0));
}

TEST(MoveCompareReal, ResampledPathsAreEqual)
{
    const qzTPContour coarse = Path(Line(0, 10, 1)), fine = Path(Line(0, 10, 0.5));
    EXPECT_TRUE(coarse.RealCompare(fine, 1e-9, 1e-9, 5.0));
    EXPECT_TRUE(fine.RealCompare(coarse, 1e-9, 1e-9, 5.0));
}

TEST(MoveCompareReal, DisplacedMoveOrAxisDiffers)
{
    const qzTPContour reference = Path(Line(0, 10, 1));
    std::vector<Point> bent = Line(0, 10, 0.5);
    bent[7] = Point(3.5, 0.5, 0.0);
    const qzTPContour displaced = Path(bent);
    EXPECT_FALSE(reference.RealCompare(displaced, 0.1, 0.1, 5.0));
    EXPECT_TRUE(reference.RealCompare(displaced, 0.6, 0.6, 5.0));

    qzTPContour tiltedOne = Path({});
    for (const Point& p : Line(0, 10, 1))
        tiltedOne.PushBackMove(
            qzMakeAutoPointer<qz3axMove>(p, p.x() == 5.0 ? Point(0.0, 0.2, 1.0) : Point(0.0, 0.0, 1.0)));
    // Same positions: the axis point 5 along the orientation lies 1 off.
    EXPECT_FALSE(reference.RealCompare(tiltedOne, 1e-9, 0.1, 5.0));
    EXPECT_TRUE(reference.RealCompare(tiltedOne, 1e-9, 1.01, 5.0));
    EXPECT_TRUE(reference.RealCompare(tiltedOne, 1e-9, 1e-9, 0.0));
}

TEST(MoveCompareReal, OrderEmptinessAndCoverage)
{
    std::vector<Point> line = Line(0, 10, 1), backwards = line;
    std::reverse(backwards.begin(), backwards.end());
    const qzTPContour forward = Path(line), reversed = Path(backwards);
    EXPECT_FALSE(forward.RealCompare(reversed, 0.01, 0.01, 5.0));
    EXPECT_TRUE(reversed.RealCompare(Path(backwards), 0.01, 0.01, 5.0));

    const qzTPContour empty = Path({}), otherEmpty = Path({});
    EXPECT_TRUE(empty.RealCompare(otherEmpty, 0.01, 0.01, 5.0));
    EXPECT_FALSE(empty.RealCompare(forward, 0.01, 0.01, 5.0));
    EXPECT_FALSE(forward.RealCompare(empty, 0.01, 0.01, 5.0));

    // The first half lies on the whole path, but the whole path does not lie on the half.
    const qzTPContour half = Path(Line(0, 5, 1));
    EXPECT_TRUE(qzMovesCompMethods::RealCompareOneWay(half.GetMovesBegin(), half.GetMovesEnd(),
                                                      forward.GetMovesBegin(), forward.GetMovesEnd(), 0.01, 0.01,
                                                      5.0));
    EXPECT_FALSE(half.RealCompare(forward, 0.01, 0.01, 5.0));
    EXPECT_FALSE(forward.RealCompare(half, 0.01, 0.01, 5.0));

    // A single move is a segment of length zero.
    const qzTPContour one = Path({Point(0, 0, 0)}), near = Path({Point(0.05, 0, 0)});
    EXPECT_TRUE(one.RealCompare(near, 0.1, 0.1, 5.0));
    EXPECT_FALSE(one.RealCompare(near, 0.01, 0.1, 5.0));
}
} // namespace
