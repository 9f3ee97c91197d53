#include "foundation/test_support.h"

#include "geometry/qz2dArc.h"
#include "geometry/qz2dConic.h"
#include "geometry/qz2dLine.h"
#include "toolgeometry/qzGeneric2TypedToolConverter.h"
#include "toolgeometry/qzToolFactory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

namespace
{
using namespace cadcam;
using misc::qzAutoPointer;
using tessaform_test::Thrown;
using Units = measures::qzUnitsFactory;

qzAutoPointer<qz2dPoint<double>> P(double x, double y)
{
    return qzAutoPointer<qz2dPoint<double>>(new qz2dPoint<double>(x, y));
}

// A profile written as a list of steps: lines to the next point or arcs from the current one.
class ProfileBuilder
{
public:
    ProfileBuilder& Line(double x0, double y0, double x1, double y1)
    {
        m_profile->AddGeometry(
            qzAutoPointer<qz2dGeometry<double>>(new qz2dLine<double>(P(x0, y0), P(x1, y1))));
        return *this;
    }
    ProfileBuilder& Arc(double cx, double cy, double r, double start, double sweep)
    {
        m_profile->AddGeometry(
            qzAutoPointer<qz2dGeometry<double>>(new qz2dArc<double>(P(cx, cy), r, start, sweep)));
        return *this;
    }
    ProfileBuilder& Ellipse()
    {
        m_profile->AddGeometry(qzAutoPointer<qz2dGeometry<double>>(new qz2dEllipse<double>(P(0, 0), 2, 1)));
        return *this;
    }
    qzAutoPointer<qz2dContour<double>> Get() const { return m_profile; }

private:
    qzAutoPointer<qz2dContour<double>> m_profile{new qz2dContour<double>()};
};

qzAutoPointer<qzToolPartDefinition<double>> Part(qzAutoPointer<qz2dContour<double>> profile,
                                                 Units::Units units = Units::METRIC)
{
    return qzAutoPointer<qzToolPartDefinition<double>>(new qzToolPartDefinition<double>(
        qzAutoPointer<qzSolidDefinition<double>>(new qzRevolvedSolidDefinition<double>(units, profile))));
}

// A shank of radius 4 from height 30 to 70 above the cutting part.
qzAutoPointer<qz2dContour<double>> Shank()
{
    return ProfileBuilder().Line(6, 30, 4, 32).Line(4, 32, 4, 70).Line(4, 70, 0, 70).Get();
}

qzAutoPointer<qzGenericRevolvedTool> Generic(qzAutoPointer<qz2dContour<double>> cut,
                                             qzAutoPointer<qz2dContour<double>> nonCut = Shank())
{
    return qzAutoPointer<qzGenericRevolvedTool>(
        new qzGenericRevolvedTool(qzToolHelper<double>::CreateHolderAsCylinder(40, 50, Units::METRIC),
                                  qzToolHelper<double>::CreateArborAsCylinder(12, 30, Units::METRIC),
                                  Part(cut), Part(nonCut), Units::METRIC));
}

qzAutoPointer<qzTypedRevolvedTool> Convert(qzAutoPointer<qz2dContour<double>> cut)
{
    return qzGeneric2TypedToolConverter<double>().Convert(Generic(cut));
}

// The typed tool's class and its own values, as text.
class Describer : public qzToolVisitor
{
public:
    std::string text;
    void Visit(qzBoreBar&) override { text = "bore bar"; }
    void Visit(qzBullMill& t) override { text = "bull mill r=" + N(t.GetCornerRadius()); }
    void Visit(qzChamferMill& t) override
    {
        text = "chamfer mill angle=" + N(t.GetAngle()) + " tip=" + N(t.GetTipDiameter());
    }
    void Visit(qzCntrBore&) override { text = "counterbore"; }
    void Visit(qzCSink&) override { text = "countersink"; }
    void Visit(qzCtrDrill& t) override
    {
        text = "centre drill pilot=" + N(t.GetPilotDiameter()) + "x" + N(t.GetPilotLength());
    }
    void Visit(qzDoveMill&) override { text = "dovetail mill"; }
    void Visit(qzDrill& t) override { text = "drill angle=" + N(t.GetPointAngle()); }
    void Visit(qzEndMill&) override { text = "end mill"; }
    void Visit(qzFaceMill&) override { text = "face mill"; }
    void Visit(qzLolMill& t) override { text = "lollipop neck=" + N(t.GetNeckDiameter()); }
    void Visit(qzRadMill&) override { text = "radius mill"; }
    void Visit(qzReamer&) override { text = "reamer"; }
    void Visit(qzSlotMill&) override { text = "slot mill"; }
    void Visit(qzSpherMill&) override { text = "ball mill"; }
    void Visit(qzSpotDrill& t) override { text = "spot drill angle=" + N(t.GetPointAngle()); }
    void Visit(qzTaperMill& t) override
    {
        text = "taper mill angle=" + N(t.GetAngle()) + " r=" + N(t.GetCornerRadius());
    }
    void Visit(qzTapLH&) override { text = "tap LH"; }
    void Visit(qzTapRH&) override { text = "tap RH"; }
    void Visit(qzLatheTool&) override { text = "lathe"; }
    void Visit(qzBarrelMill&) override { text = "barrel"; }
    void Visit(qzConvexTipMill& t) override
    {
        text = "convex tip tip=" + N(t.GetTipRadius()) + " r=" + N(t.GetCornerRadius());
    }
    void Visit(qzGenericRevolvedTool&) override { text = "generic"; }
    void Visit(qzTool&) override { text = "tool"; }

private:
    static std::string N(double v)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.4g", v);
        return buffer;
    }
};

std::string Describe(qzTypedRevolvedTool& tool)
{
    Describer d;
    tool.AcceptVirtual(d);
    return d.text + " d=" + std::to_string(tool.GetDiameter()).substr(0, 5);
}

// A convex tip of radius 20 meeting a corner of radius 1 tangentially, then the flank at 4.8.
ProfileBuilder ConvexTip()
{
    const double sine = 0.2, cosine = std::sqrt(1 - sine * sine);
    const double sweep = std::asin(sine) * 180 / std::acos(-1.0);
    const double cornerY = 20 - 20 * cosine + cosine;
    return ProfileBuilder()
        .Arc(0, 20, 20, 270, sweep)
        .Arc(4 - sine, cornerY, 1, 270 + sweep, 90 - sweep)
        .Line(4.8, cornerY, 4.8, 30);
}

TEST(ToolRecognition, RecognisesTypedToolsByProfile)
{
    const double root3 = std::sqrt(3.0);
    const double drillTip = 5 / std::tan(59 * std::acos(-1.0) / 180);
    const struct
    {
        const char* name;
        ProfileBuilder profile;
        std::string tool;
    } cases[] = {
        {"ball alone", ProfileBuilder().Arc(0, 5, 5, 270, 90), "ball mill d=10.00"},
        {"ball and flank", ProfileBuilder().Arc(0, 5, 5, 270, 90).Line(5, 5, 5, 30), "ball mill d=10.00"},
        {"lollipop: 120 degrees, wider line",
         ProfileBuilder().Arc(0, 5, 5, 270, 120).Line(2.5 * root3, 7.5, 6, 30), "lollipop neck=8.66 d=10.00"},
        {"60 degrees, wider line", ProfileBuilder().Arc(0, 5, 5, 270, 60).Line(2.5 * root3, 2.5, 6, 30),
         "ball mill d=10.00"},
        {"bull nose", ProfileBuilder().Line(0, 0, 4, 0).Arc(4, 1, 1, 270, 90).Line(5, 1, 5, 30),
         "bull mill r=1 d=10.00"},
        {"line box wider, 45 degree corner",
         ProfileBuilder()
             .Line(0, 0, 6, 0)
             .Arc(4, 1, 1, 270, 45)
             .Line(4 + std::sqrt(0.5), 1 - std::sqrt(0.5), 4 + std::sqrt(0.5), 30),
         "taper mill angle=0 r=1 d=10.00"},
        {"convex tip", ConvexTip(), "convex tip tip=20 r=1 d=9.600"},
        // Profiles of lines only.
        {"flat end mill", ProfileBuilder().Line(0, 0, 5, 0).Line(5, 0, 5, 25), "end mill d=10.00"},
        {"drill 118", ProfileBuilder().Line(0, 0, 5, drillTip).Line(5, drillTip, 5, 30),
         "drill angle=118 d=10.00"},
        {"spot drill 90", ProfileBuilder().Line(0, 0, 5, 5).Line(5, 5, 5, 15), "spot drill angle=90 d=10.00"},
        {"chamfer mill", ProfileBuilder().Line(0, 0, 1, 0).Line(1, 0, 6, 5).Line(6, 5, 6, 20),
         "chamfer mill angle=45 tip=2 d=12.00"},
        {"chamfer mill without flank", ProfileBuilder().Line(0, 0, 1, 0).Line(1, 0, 4, 3 * root3),
         "chamfer mill angle=30 tip=2 d=8.000"},
        {"reamer", ProfileBuilder().Line(0, 0, 4.7, 0).Line(4.7, 0, 5, 0.3).Line(5, 0.3, 5, 28),
         "reamer d=10.00"},
        {"short body: chamfer mill",
         ProfileBuilder().Line(0, 0, 4.7, 0).Line(4.7, 0, 5, 0.3).Line(5, 0.3, 5, 6),
         "chamfer mill angle=45 tip=9.4 d=10.00"},
        {"counterbore", ProfileBuilder().Line(0, 0, 3, 0).Line(3, 0, 3, 5).Line(3, 5, 6, 5).Line(6, 5, 6, 25),
         "counterbore d=12.00"},
        {"centre drill",
         ProfileBuilder().Line(0, 0, 1, 0.6).Line(1, 0.6, 1, 3).Line(1, 3, 4, 4.7).Line(4, 4.7, 4, 29),
         "centre drill pilot=2x3 d=8.000"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        auto tool = Convert(c.profile.Get());
        ASSERT_TRUE(tool);
        EXPECT_EQ(Describe(*tool), c.tool);
    }
}

TEST(ToolRecognition, TypedToolCarriesTheGenericToolsPartsAndLengths)
{
    const auto generic = Generic(ProfileBuilder().Line(0, 2, 5, 2).Line(5, 2, 5, 32).Get());
    const auto tool = qzGeneric2TypedToolConverter<double>().Convert(generic);
    ASSERT_EQ(tool->GetToolType(), qzTool::END_MILL);
    EXPECT_EQ(tool->GetCuttingLength(), 30);
    EXPECT_EQ(tool->GetLength(), 68);
    EXPECT_EQ(tool->GetShoulderExtender(), qzShoulderExtender(Units::METRIC, 12, 28));
    EXPECT_EQ(tool->GetHolder().Get(), generic->GetHolder().Get());
    EXPECT_EQ(tool->GetArbor().Get(), generic->GetArbor().Get());

    const auto bare = qzGeneric2TypedToolConverter<double>().Convert(
        Generic(ProfileBuilder().Arc(0, 5, 5, 270, 90).Get(), ProfileBuilder().Get()));
    EXPECT_EQ(bare->GetLength(), 5);
    EXPECT_EQ(bare->GetShoulderExtender(), qzShoulderExtender(Units::METRIC, 0, 5));
}

template <class F> unsigned long CadcamCode(F&& f)
{
    const auto e = Thrown<qzcadcamException>(f);
    return e ? e->GetErrorCode() : 0;
}

TEST(ToolRecognition, RefusesProfilesItCannotRecogniseWithTheirErrors)
{
    const struct
    {
        const char* name;
        ProfileBuilder profile;
        unsigned long code;
    } cadcam[] = {
        {"empty", ProfileBuilder(), 2194},
        {"one line", ProfileBuilder().Line(0, 0, 5, 0), 2194},
        {"an ellipse", ProfileBuilder().Line(0, 0, 5, 0).Ellipse(), 2193},
        {"arc, line, line", ProfileBuilder().Arc(0, 5, 5, 270, 90).Line(5, 5, 5, 10).Line(5, 10, 4, 12),
         2214},
        {"arc, arc", ProfileBuilder().Arc(0, 5, 5, 270, 45).Arc(0, 5, 5, 315, 45), 2214},
        {"ball off the axis", ProfileBuilder().Arc(1, 5, 5, 270, 90), 2197},
        {"bull corner missing the flank",
         ProfileBuilder().Line(0, 1, 4, 1).Arc(5, 1, 1, 180, 90).Line(5, 0, 5, 20), 2197},
    };
    for (const auto& c : cadcam)
        EXPECT_EQ(CadcamCode([&] { Convert(c.profile.Get()); }), c.code) << c.name;

    const struct
    {
        const char* name;
        ProfileBuilder profile;
    } unknown[] = {
        {"line box wider, 90 degree corner",
         ProfileBuilder().Line(0, 0, 6, 0).Arc(4, 1, 1, 270, 90).Line(5, 1, 5, 30)},
        {"inward flank", ProfileBuilder().Line(0, 0, 5, 0).Line(5, 0, 3, 10)},
        {"lines then an arc", ProfileBuilder().Line(0, 0, 4, 0).Line(4, 0, 4, 5).Arc(3, 5, 1, 0, 90)},
        {"not from the axis", ProfileBuilder().Line(1, 0, 5, 0).Line(5, 0, 5, 10)},
    };
    for (const auto& c : unknown)
    {
        const auto e = Thrown<misc::qzException>([&] { Convert(c.profile.Get()); });
        ASSERT_TRUE(e) << c.name;
        EXPECT_EQ(e->GetErrorCode(), 2108u) << c.name;
        EXPECT_EQ(e->GetErrorMessage(), "Unknown tool type") << c.name;
    }

    EXPECT_EQ(
        tessaform_test::ErrorMessage(
            [] { qzGeneric2TypedToolConverter<double>().Convert(qzAutoPointer<qzGenericRevolvedTool>()); }),
        "Accessing NULL pointer");
    EXPECT_EQ(qzToolFactory<double>::GetInstance().GetRegistrySize(), 4u);
}

TEST(ToolRecognition, FactoryPicksTheCreatorOfTheLongestRegisteredLeadingRun)
{
    const auto& factory = qzToolFactory<double>::GetInstance();
    const qzToolCreator<double>* spherical = &factory.GetCreator({1});
    const qzToolCreator<double>* conical = &factory.GetCreator({0, 0});
    EXPECT_NE(spherical, conical);
    EXPECT_NE(dynamic_cast<const qzSphericalToolCreator<double>*>(spherical), nullptr);
    EXPECT_NE(dynamic_cast<const qzCylindroConicalToolCreator<double>*>(conical), nullptr);
    const struct
    {
        std::vector<int> kinds;
        const qzToolCreator<double>* creator;
    } cases[] = {
        {{1, 0}, spherical},  {{0, 1, 0}, spherical},  {{1, 1, 0}, spherical},    {{1, 0, 0}, spherical},
        {{0, 0, 1}, conical}, {{0, 0, 0, 0}, conical}, {{0, 1, 0, 1}, spherical},
    };
    for (const auto& c : cases)
        EXPECT_EQ(&factory.GetCreator(c.kinds), c.creator);
    for (const std::vector<int>& kinds : {std::vector<int>{}, {0}, {0, 1}, {0, 1, 1}})
        EXPECT_EQ(CadcamCode([&] { factory.GetCreator(kinds); }), 2194u);
}

TEST(ToolRecognition, BoxesAreMeasuredFromTheAxis)
{
    qzArcLineSuite<double> suite;
    qz2dArc<double>(P(0, 5), 5, 270, 90).AcceptVisitor(suite);
    qz2dLine<double>(P(5, 5), P(5, 30)).AcceptVisitor(suite);
    EXPECT_EQ(suite.GetArcsBoundingBox(), qz2dBoundingBox<double>(0, 0, 5, 5));
    // The vertical line alone spans no width; from the axis it spans the radius.
    EXPECT_EQ(suite.GetLinesBoundingBox(), qz2dBoundingBox<double>(0, 0, 5, 30));
    EXPECT_EQ(suite.GetToolType(), 10u);
    EXPECT_EQ(CadcamCode([&] { qz2dPoint<double>(1, 1).AcceptVisitor(suite); }), 2193u);
}

TEST(ToolRecognition, TwoThreadsTakeTheFactoryAtOnceAndConvertSideBySide)
{
    // Run alone (as CTest runs every test), this is the factory's first use.
    std::atomic<int> ready{0};
    const qzToolFactory<double>* seen[2] = {nullptr, nullptr};
    std::string results[2];
    const auto work = [&](int i)
    {
        ++ready;
        while (ready.load() < 2)
        {
        }
        seen[i] = &qzToolFactory<double>::GetInstance();
        // Each thread owns its tools; only the factory is shared.
        for (int k = 0; k < 50; ++k)
        {
            const auto ball = Convert(ProfileBuilder().Arc(0, 5, 5, 270, 90).Line(5, 5, 5, 20).Get());
            const auto mill = Convert(ProfileBuilder().Line(0, 0, 5, 0).Line(5, 0, 5, 25).Get());
            results[i] = Describe(*ball) + "; " + Describe(*mill);
        }
    };
    std::thread a(work, 0), b(work, 1);
    a.join();
    b.join();
    EXPECT_NE(seen[0], nullptr);
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_EQ(results[0], "ball mill d=10.00; end mill d=10.00");
    EXPECT_EQ(results[1], results[0]);
    EXPECT_EQ(seen[0]->GetRegistrySize(), 4u);
}
} // namespace
