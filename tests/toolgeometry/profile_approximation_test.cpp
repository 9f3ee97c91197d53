#include "foundation/test_support.h"

#include "geometry/qz2dArc.h"
#include "geometry/qz2dLine.h"
#include "geometry/qz2dPolyLine.h"
#include "toolgeometry/qzProfileToShapeIf.h"
#include "toolgeometry/qzToolApproximationHelper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace
{
using namespace cadcam;
using misc::qzAutoPointer;
using tessaform_test::ErrorMessage;
using Helper = qzToolApproximationHelper<double>;

template <class T> qz2dPolyLine<T> Polyline(const std::vector<std::pair<T, T>>& xy)
{
    qz2dPolyLine<T> polyline;
    for (const auto& [x, y] : xy)
        polyline.AddPoint(qz2dPoint<T>(x, y));
    return polyline;
}

// Records what the walk reports.
template <class T> class Recorder : public qzProfileToShapeIf<T>
{
public:
    explicit Recorder(const qz2dPolyLine<T>& profile) { this->Create(profile); }
    std::vector<std::string> calls;

protected:
    void CreateCylinder(const T& r, const T& h, const T& base) override
    {
        calls.push_back("cylinder " + Text(r) + " " + Text(h) + " " + Text(base));
    }
    void CreateCone(const T& r1, const T& r2, const T& h, const T& base) override
    {
        calls.push_back("cone " + Text(r1) + " " + Text(r2) + " " + Text(h) + " " + Text(base));
    }

private:
    static std::string Text(T v)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%g", double(v));
        return buffer;
    }
};

template <class T> class ProfileToShape : public ::testing::Test
{
};
using Reals = ::testing::Types<float, double>;
TYPED_TEST_SUITE(ProfileToShape, Reals, );

TYPED_TEST(ProfileToShape, ReportsCylindersAndConesAndSkipsFlatSegments)
{
    using T = TypeParam;
    const struct
    {
        std::vector<std::pair<T, T>> points;
        std::vector<std::string> calls;
        T radius, height;
    } cases[] = {
        {{{0, 0}, {5, 0}, {5, 20}, {3, 25}}, {"cylinder 5 20 0", "cone 5 3 5 20"}, 5, 25},
        {{{3, 25}, {5, 20}, {5, 0}, {0, 0}}, {"cone 3 5 -5 25", "cylinder 5 -20 20"}, 5, -25},
        // Within 1e-6 in x a segment counts as vertical, within 1e-6 in y as flat.
        {{{2, 0}, {T(2.0000005), 4}, {7, T(4.0000005)}}, {"cylinder 2 4 0"}, 2, 4},
        {{{1, 1}}, {}, 0, 0},
        {{}, {}, 0, 0},
    };
    for (const auto& c : cases)
    {
        const auto profile = Polyline<T>(c.points);
        EXPECT_EQ(Recorder<T>(profile).calls, c.calls);
        const qzTProfileToCylinderApproximation<T> cylinder(profile);
        EXPECT_NEAR(cylinder.GetRadius(), c.radius, 1e-5);
        EXPECT_NEAR(cylinder.GetHeight(), c.height, 1e-5);
    }
}

// ----- cutting profiles into bands -----

qzAutoPointer<qz2dPoint<double>> P(double x, double y)
{
    return qzAutoPointer<qz2dPoint<double>>(new qz2dPoint<double>(x, y));
}

qz2dContour<double> Lines(const std::vector<std::pair<double, double>>& xy)
{
    qz2dContour<double> contour;
    for (std::size_t i = 0; i + 1 < xy.size(); ++i)
        contour.AddGeometry(qzAutoPointer<qz2dGeometry<double>>(
            new qz2dLine<double>(P(xy[i].first, xy[i].second), P(xy[i + 1].first, xy[i + 1].second))));
    return contour;
}

// "(x0,y0)-(x1,y1)" per line, "arc(cx,cy,r,start,sweep)" per arc.
std::vector<std::string> Describe(const qz2dContour<double>& contour)
{
    std::vector<std::string> out;
    char buffer[128];
    for (const auto& member : contour)
    {
        if (const auto* line = dynamic_cast<const qz2dLine<double>*>(member.Get()))
        {
            const auto s = line->GetStartPoint(), e = line->GetEndPoint();
            std::snprintf(buffer, sizeof buffer, "(%g,%g)-(%g,%g)", s->x(), s->y(), e->x(), e->y());
        }
        else if (const auto* arc = dynamic_cast<const qz2dArc<double>*>(member.Get()))
            std::snprintf(buffer, sizeof buffer, "arc(%g,%g,%g,%g,%g)", arc->GetCenter()->x(),
                          arc->GetCenter()->y(), arc->GetRadius(), arc->GetStartAngle(),
                          arc->GetSweepAngle());
        else
            std::snprintf(buffer, sizeof buffer, "?");
        out.push_back(buffer);
    }
    return out;
}

using Parts = std::vector<std::string>;

TEST(ToolProfileParts, CutsACylinderAtEightIntoBelowAndAbove)
{
    const auto cylinder = Lines({{0, 0}, {5, 0}, {5, 20}, {0, 20}});
    qz2dContour<double> below, above;
    Helper::ExtractToolProfileParts(cylinder, 8, below, above);
    EXPECT_EQ(Describe(below), (Parts{"(0,0)-(5,0)", "(5,0)-(5,8)"}));
    EXPECT_EQ(Describe(above), (Parts{"(5,8)-(5,20)", "(5,20)-(0,20)"}));
    EXPECT_EQ(cylinder.GetSize(), 3u);
}

TEST(ToolProfileParts, CutsProfilesThatDoNotStartOnTheAxis)
{
    // A shank from (5, 0): a cutter from the axis only twice as long as the profile is wide
    // would stop short of it.
    qz2dContour<double> below, above;
    Helper::ExtractToolProfileParts(Lines({{5, 0}, {5, 20}, {3, 25}}), 10, below, above);
    EXPECT_EQ(Describe(below), (Parts{"(5,0)-(5,10)"}));
    EXPECT_EQ(Describe(above), (Parts{"(5,10)-(5,20)", "(5,20)-(3,25)"}));

    // A single vertical line has a box of width 0.
    qz2dContour<double> low, high;
    Helper::ExtractToolProfileParts(Lines({{7, 0}, {7, 30}}), 12, low, high);
    EXPECT_EQ(Describe(low), (Parts{"(7,0)-(7,12)"}));
    EXPECT_EQ(Describe(high), (Parts{"(7,12)-(7,30)"}));

    // Off to the left of the axis too.
    qz2dContour<double> left, right;
    Helper::ExtractToolProfileParts(Lines({{-40, 0}, {-40, 10}}), 4, left, right);
    EXPECT_EQ(Describe(left), (Parts{"(-40,0)-(-40,4)"}));

    qz2dContour<double> none1, none2;
    Helper::ExtractToolProfileParts(qz2dContour<double>(), 4, none1, none2);
    EXPECT_EQ(none1.GetSize() + none2.GetSize(), 0u);
}

TEST(ToolProfileParts, CutsThroughArcsAndIntoThreeAndFourBands)
{
    // Ball of radius 5 on a cylinder up to 30.
    qz2dContour<double> ball;
    ball.AddGeometry(qzAutoPointer<qz2dGeometry<double>>(new qz2dArc<double>(P(0, 5), 5, 270, 90)));
    ball.AddGeometry(qzAutoPointer<qz2dGeometry<double>>(new qz2dLine<double>(P(5, 5), P(5, 30))));

    qz2dContour<double> p1, p2, p3;
    Helper::ExtractToolProfileParts(ball, 2.5, 10, p1, p2, p3);
    EXPECT_EQ(Describe(p1), (Parts{"arc(0,5,5,270,60)"}));
    EXPECT_EQ(Describe(p2), (Parts{"arc(0,5,5,330,30)", "(5,5)-(5,10)"}));
    EXPECT_EQ(Describe(p3), (Parts{"(5,10)-(5,30)"}));

    qz2dContour<double> q1, q2, q3, q4;
    Helper::ExtractToolProfileParts(ball, 2.5, 10, 20, q1, q2, q3, q4);
    EXPECT_EQ(Describe(q1), Describe(p1));
    EXPECT_EQ(Describe(q2), Describe(p2));
    EXPECT_EQ(Describe(q3), (Parts{"(5,10)-(5,20)"}));
    EXPECT_EQ(Describe(q4), (Parts{"(5,20)-(5,30)"}));
}

TEST(ToolProfileTransforms, ShiftScaleMirrorAndRotateMakeNewContours)
{
    qz2dContour<double> source = Lines({{5, 2}, {6, 4}});
    source.AddGeometry(qzAutoPointer<qz2dGeometry<double>>(new qz2dArc<double>(P(1, 1), 2, 0, 90)));
    const struct
    {
        const char* name;
        qzAutoPointer<qz2dContour<double>> result;
        Parts expected;
    } cases[] = {
        {"shift", Helper::ShiftContourOnY(source, 3), {"(5,5)-(6,7)", "arc(1,4,2,0,90)"}},
        {"scale", Helper::ScaleContour(source, 2), {"(10,4)-(12,8)", "arc(2,2,4,0,90)"}},
        {"mirror y axis", Helper::MirrorContour(source, false), {"(-5,2)-(-6,4)", "arc(-1,1,2,180,-90)"}},
        {"mirror x axis", Helper::MirrorContour(source, true), {"(5,-2)-(6,-4)", "arc(1,-1,2,0,-90)"}},
        {"rotate",
         Helper::RotateContour(source, std::acos(-1.0) / 2),
         {"(-2,5)-(-4,6)", "arc(-1,1,2,90,90)"}},
    };
    for (const auto& c : cases)
    {
        std::vector<std::string> got = Describe(*c.result);
        for (std::string& s : got) // rounding leaves -0 and 1e-16 behind a rotation
            for (const char* noise : {"-0,", "-0)"})
                for (std::size_t at; (at = s.find(noise)) != std::string::npos;)
                    s.erase(at, 1);
        EXPECT_EQ(got, c.expected) << c.name;
    }
    EXPECT_EQ(Describe(source), (Parts{"(5,2)-(6,4)", "arc(1,1,2,0,90)"}));
}
} // namespace
