// The 2D element codec: bytes typed from the element layout, round trips of every stored kind,
// the refusals with their exact messages, and records cut short at every byte.
#include "paramformat/tool_codec_support.h"

#include "foundation/qzRangeException.h"
#include "foundation/test_support.h"
#include "paramformat/qzBI2dGeometry.h"
#include "paramformat/qzBO2dGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace
{
using namespace tessaform_test;
using Element = misc::qzAutoPointer<cadcam::qz2dGeometry<double>>;
using Reader = cadcam::qzBI2dGeometry<double>;
constexpr unsigned kNewest = 226;

misc::qzAutoPointer<cadcam::qz2dPoint<double>> P(double x, double y)
{
    return misc::qzMakeAutoPointer<cadcam::qz2dPoint<double>>(x, y);
}

Element LineE(double x1, double y1, double x2, double y2)
{
    return misc::qzMakeAutoPointer<cadcam::qz2dLine<double>>(P(x1, y1), P(x2, y2));
}

Element ArcE(double cx, double cy, double r, double start, double sweep)
{
    return misc::qzMakeAutoPointer<cadcam::qz2dArc<double>>(P(cx, cy), r, start, sweep);
}

std::string Write(const cadcam::qz2dGeometry<double>& element)
{
    misc::qzMemoryIOStream stream;
    cadcam::qzBO2dGeometry<double> writer(stream);
    writer << element;
    return Contents(stream);
}

/// Reads one element from `bytes` at `version`; `left` receives the bytes not consumed.
Element Read(const std::string& bytes, unsigned version = kNewest, std::size_t* left = nullptr)
{
    misc::qzMemoryIOStream stream;
    Load(stream, bytes);
    Reader reader(stream, version);
    Element element;
    reader >> element;
    if (left)
        *left = static_cast<std::size_t>(stream.GetDataLength() - stream.GetPosition());
    return element;
}

// ---------------------------------------------------------------------------------------------
// Bytes typed from the layout

TEST(GeometryCodecBytes, LineIsTwoWholePointElementsAndTheSentinelStays)
{
    const std::string bytes = Bytes().U8(1).P2(1.5, -2).P2(3, 4).U8(0xAB).str();
    std::size_t left = 0;
    const Element line = Read(bytes, kNewest, &left);
    EXPECT_EQ("line (1.5 -2)(3 4)", Describe(*line));
    EXPECT_EQ(1u, left);
}

TEST(GeometryCodecBytes, EachKindReadsFromItsTypedRecord)
{
    struct Case
    {
        const char* name;
        std::string bytes;
        const char* expected;
    };
    const Case cases[] = {
        {"point", Bytes().U8(0).F64(-1).F64(2.25).str(), "point (-1 2.25)"},
        {"counter-clockwise arc", Bytes().U8(2).P2(1, 2).F64(5).F64(30).F64(90).U8(0).str(),
         "arc (1 2) r5 s30 w90"},
        {"clockwise arc", Bytes().U8(2).P2(0, 0).F64(2).F64(300).F64(45).U8(1).str(),
         "arc (0 0) r2 s300 w-45"},
        {"parabola from its vertex", Bytes().U8(7).P2(0, 0).P2(4, 2).U8(0).str(), "parabola (0 0)(4 2)"},
        {"parabola towards its vertex", Bytes().U8(7).P2(0, 0).P2(4, 2).U8(1).str(),
         "parabola (0 0)(4 2) reversed"},
        {"polyline of vertices", Bytes().U8(4).Size(3).P2(0, 0).P2(1, 0).P2(1, 1).str(),
         "polyline[(0 0)(1 0)(1 1)]"},
        {"polyline of segments", Bytes().U8(4).Size(2).U8(1).P2(0, 0).P2(1, 0).U8(1).P2(1, 0).P2(1, 1).str(),
         "polyline[(0 0)(1 0)(1 1)]"},
        {"contour",
         Bytes().U8(5).Size(2).U8(1).P2(0, 0).P2(5, 0).U8(2).P2(5, 5).F64(5).F64(270).F64(90).U8(0).str(),
         "contour[line (0 0)(5 0);arc (5 5) r5 s270 w90;]"},
        {"empty contour", Bytes().U8(5).Size(0).str(), "contour[]"},
    };
    for (const Case& c : cases)
    {
        std::size_t left = 9;
        EXPECT_EQ(c.expected, Describe(*Read(c.bytes + "\x7F", kNewest, &left))) << c.name;
        EXPECT_EQ(1u, left) << c.name;
    }
}

TEST(GeometryCodecBytes, BelowVersion18CodesAndDirectionsAreFourByteInts)
{
    const std::string bytes = Bytes().I32(2).I32(0).F64(0).F64(0).F64(1).F64(0).F64(180).I32(1).str();
    std::size_t left = 1;
    EXPECT_EQ("arc (0 0) r1 s0 w-180", Describe(*Read(bytes, 17, &left)));
    EXPECT_EQ(0u, left);
}

TEST(GeometryCodecBytes, APeekedCodeIsUsedInsteadOfReadingAgain)
{
    misc::qzMemoryIOStream stream;
    Load(stream, Bytes().U8(0).F64(7).F64(8).U8(5).Size(0).str());
    Reader reader(stream, kNewest);
    EXPECT_EQ(0, reader.PeekGeometryType());
    EXPECT_EQ(0, reader.PeekGeometryType()); // kept, not read again
    Element first, second;
    reader >> first;
    reader >> second;
    EXPECT_EQ("point (7 8)", Describe(*first));
    EXPECT_EQ("contour[]", Describe(*second));
    EXPECT_EQ(stream.GetDataLength(), stream.GetPosition());
}

TEST(GeometryCodecBytes, WriterProducesTheTypedLayout)
{
    EXPECT_EQ(Bytes().U8(2).P2(1, 2).F64(3).F64(350).F64(20).U8(1).str(), Write(*ArcE(1, 2, 3, 350, -20)));
    EXPECT_EQ(Bytes().U8(4).Size(2).P2(0, 0).P2(0, 9).str(),
              []
              {
                  cadcam::qz2dPolyLine<double> polyline;
                  polyline.AddPoint(cadcam::qz2dPoint<double>(0, 0));
                  polyline.AddPoint(cadcam::qz2dPoint<double>(0, 9));
                  return Write(polyline);
              }());
    cadcam::qz2dParabola<double> parabola(P(1, 1), P(3, 2));
    parabola.Reverse();
    EXPECT_EQ(Bytes().U8(7).P2(1, 1).P2(3, 2).U8(1).str(), Write(parabola));
}

// ---------------------------------------------------------------------------------------------
// Round trips

TEST(GeometryCodecRoundTrip, EveryStoredKindComesBackWithEveryValue)
{
    auto polyline = misc::qzMakeAutoPointer<cadcam::qz2dPolyLine<double>>();
    for (double x : {0.0, 1.25, 2.5})
        polyline->AddPoint(cadcam::qz2dPoint<double>(x, x * x));
    auto single = misc::qzMakeAutoPointer<cadcam::qz2dPolyLine<double>>();
    single->AddPoint(cadcam::qz2dPoint<double>(4, 4));
    auto reversed = misc::qzMakeAutoPointer<cadcam::qz2dParabola<double>>(P(0.1, 0.2), P(3, -4));
    reversed->Reverse();
    auto inner = misc::qzMakeAutoPointer<cadcam::qz2dContour<double>>();
    inner->AddGeometry(LineE(0, 0, 1e-300, 1e300));
    inner->AddGeometry(polyline);
    auto outer = misc::qzMakeAutoPointer<cadcam::qz2dContour<double>>();
    outer->AddGeometry(inner);
    outer->AddGeometry(ArcE(-1, -2, 0.3, 359.5, -360));
    outer->AddGeometry(misc::qzMakeAutoPointer<cadcam::qz2dPoint<double>>(5, 6));
    outer->AddGeometry(misc::qzMakeAutoPointer<cadcam::qz2dContour<double>>());

    const Element elements[] = {
        misc::qzMakeAutoPointer<cadcam::qz2dPoint<double>>(-0.0, 1.0 / 3.0),
        LineE(1, 2, 3, 4),
        ArcE(0, 0, 10, 0, 360),
        ArcE(0, 0, 10, 360, -0.0),
        polyline,
        single,
        misc::qzMakeAutoPointer<cadcam::qz2dParabola<double>>(P(0, 0), P(2, 1)),
        reversed,
        outer,
    };
    for (const Element& element : elements)
    {
        const std::string bytes = Write(*element);
        std::size_t left = 1;
        const Element back = Read(bytes, kNewest, &left);
        EXPECT_EQ(Describe(*element), Describe(*back));
        EXPECT_EQ(0u, left) << Describe(*element);
        EXPECT_EQ(bytes, Write(*back));
    }
    // The sign of a zero sweep survives: a clockwise full-circle reversal stays clockwise.
    const auto zero = Read(Write(*elements[3])).DynamicCast<cadcam::qz2dArc<double>>();
    EXPECT_TRUE(std::signbit(zero->GetSweepAngle()));
}

TEST(GeometryCodecRoundTrip, FloatElementsTravelAsDoubles)
{
    misc::qzMemoryIOStream stream;
    cadcam::qzBO2dGeometry<float> writer(stream);
    writer << cadcam::qz2dArc<float>(misc::qzMakeAutoPointer<cadcam::qz2dPoint<float>>(0.1f, 0.2f), 1.5f,
                                     10.f, -30.f);
    EXPECT_EQ(Bytes().U8(2).P2(double(0.1f), double(0.2f)).F64(1.5).F64(10).F64(30).U8(1).str(),
              Contents(stream));
    stream.Rewind(0);
    cadcam::qzBI2dGeometry<float> reader(stream, kNewest);
    misc::qzAutoPointer<cadcam::qz2dGeometry<float>> back;
    reader >> back;
    EXPECT_EQ("arc (0.10000000149011612 0.20000000298023224) r1.5 s10 w-30", Describe(*back));
}

// ---------------------------------------------------------------------------------------------
// Refusals

TEST(GeometryCodecErrors, CodesWithoutAReaderAreRefusedWithTheirMessages)
{
    struct Case
    {
        std::string bytes;
        unsigned version;
        const char* message;
    };
    const Case cases[] = {
        {Bytes().U8(3).str(), kNewest, "Please define >> operator for spline."},
        {Bytes().U8(6).str(), kNewest, "Please define >> operator for closed contour."},
        {Bytes().U8(8).str(), kNewest, "Please define >> operator for ellipse."},
        {Bytes().U8(9).str(), kNewest, "Please setup a valid Bezier object."},
        {Bytes().U8(10).str(), kNewest, "Unknown geometric type"},
        {Bytes().U8(0x7F).str(), kNewest, "Unknown geometric type"},
        {Bytes().U8(0xFF).str(), kNewest, "Unknown geometric type"},
        {Bytes().I32(-1).str(), 17, "Unknown geometric type"},
        {Bytes().I32(256).str(), 17, "Unknown geometric type"},
        {Bytes().U8(1).U8(1).P2(0, 0).P2(1, 1).P2(2, 2).str(), kNewest, "Point element expected"},
        {Bytes().U8(2).U8(5).Size(0).str(), kNewest, "Point element expected"},
        {Bytes().U8(2).P2(0, 0).F64(1).F64(0).F64(90).U8(2).str(), kNewest, "Unknown arc direction"},
        {Bytes().U8(2).P2(0, 0).F64(1).F64(0).F64(90).U8(0xFF).str(), kNewest, "Unknown arc direction"},
        {Bytes().U8(7).P2(0, 0).P2(1, 1).U8(2).str(), kNewest, "Unknown parabola travel"},
        {Bytes().U8(4).Size(1).U8(2).P2(0, 0).F64(1).F64(0).F64(90).U8(0).str(), kNewest,
         "Can't add an arc to polyline. Consider polygonizing."},
        {Bytes().U8(5).Size(1).U8(1).U8(8).str(), kNewest, "Please define >> operator for ellipse."},
    };
    for (const Case& c : cases)
    {
        const auto e = Thrown<misc::qzException>([&] { Read(c.bytes, c.version); });
        ASSERT_TRUE(e) << c.message;
        EXPECT_EQ(c.message, e->GetErrorMessage());
        EXPECT_EQ(0u, e->GetErrorCode()) << c.message;
    }
}

TEST(GeometryCodecErrors, AnArcOutOfItsRangesKeepsTheTargetAsItWas)
{
    misc::qzMemoryIOStream stream;
    Load(stream, Bytes().P2(0, 0).F64(-1).F64(0).F64(90).U8(0).str());
    Reader reader(stream, kNewest);
    cadcam::qz2dArc<double> arc(P(1, 1), 2, 3, 4);
    EXPECT_THROW(reader >> arc, misc::qzRangeException<double>);
    EXPECT_EQ("arc (1 1) r2 s3 w4", Describe(arc));
    // A bad direction too: nothing is assigned before the whole record is known.
    misc::qzMemoryIOStream bad;
    Load(bad, Bytes().P2(9, 9).F64(1).F64(0).F64(90).U8(3).str());
    Reader badReader(bad, kNewest);
    EXPECT_THROW(badReader >> arc, misc::qzException);
    EXPECT_EQ("arc (1 1) r2 s3 w4", Describe(arc));
}

TEST(GeometryCodecErrors, ReadContourRefusesOtherElements)
{
    misc::qzMemoryIOStream stream;
    Load(stream, Bytes().P2(1, 1).str());
    Reader reader(stream, kNewest);
    EXPECT_EQ("Contour element expected", ErrorMessage([&] { reader.ReadContour(); }));
}

TEST(GeometryCodecErrors, DeepNestingIsRefusedBeforeTheStackIsAtRisk)
{
    const auto nested = [](int depth)
    {
        Bytes b;
        for (int i = 0; i < depth; ++i)
            b.U8(5).Size(1);
        b.U8(0).F64(1).F64(2);
        return b.str();
    };
    std::string described = Describe(*Read(nested(cadcam::qzBIO2dGeometry::kMaxNesting)));
    EXPECT_NE(std::string::npos, described.find("point (1 2)"));
    EXPECT_EQ("2D geometry nested too deeply",
              ErrorMessage([&] { Read(nested(cadcam::qzBIO2dGeometry::kMaxNesting + 1)); }));
    // Lines and arcs hold their points through nested elements too.
    Bytes lines;
    for (int i = 0; i < 100000; ++i)
        lines.U8(1);
    EXPECT_EQ("2D geometry nested too deeply", ErrorMessage([&] { Read(lines.str()); }));
}

TEST(GeometryCodecErrors, WriterRefusesKindsWithoutAStoredForm)
{
    const std::vector<std::pair<Element, const char*>> cases = {
        {misc::qzMakeAutoPointer<cadcam::qz2dSpline<double>>(), "Please define << operator for spline."},
        {misc::qzMakeAutoPointer<cadcam::qz2dEllipse<double>>(P(0, 0), 1.0, 2.0),
         "Please define << operator for ellipse."},
        {misc::qzMakeAutoPointer<cadcam::qz2dClosedContour<double>>(),
         "Please define << operator for closed contour."},
        {misc::qzMakeAutoPointer<cadcam::qz2dCurve<double>>(), "Please define << operator for curve."},
        {misc::qzMakeAutoPointer<cadcam::qz2dLine<double>>(P(0, 0), nullptr), "Accessing NULL pointer"},
    };
    for (const auto& c : cases)
    {
        misc::qzMemoryIOStream stream;
        cadcam::qzBO2dGeometry<double> writer(stream);
        EXPECT_EQ(c.second, ErrorMessage([&] { writer << c.first; }));
        EXPECT_EQ(0u, stream.GetDataLength()) << c.second;
    }
    misc::qzMemoryIOStream stream;
    cadcam::qzBO2dGeometry<double> writer(stream);
    EXPECT_EQ("Accessing NULL pointer", ErrorMessage([&] { writer << Element(); }));
}

// ---------------------------------------------------------------------------------------------
// Short input

TEST(GeometryCodecTruncation, EveryCutEndsInUnexpectedEndOfData)
{
    auto contour = misc::qzMakeAutoPointer<cadcam::qz2dContour<double>>();
    contour->AddGeometry(LineE(0, 0, 1, 0));
    contour->AddGeometry(ArcE(1, 1, 1, 270, 90));
    contour->AddGeometry(misc::qzMakeAutoPointer<cadcam::qz2dParabola<double>>(P(2, 1), P(3, 3)));
    auto polyline = misc::qzMakeAutoPointer<cadcam::qz2dPolyLine<double>>();
    polyline->AddPoint(cadcam::qz2dPoint<double>(3, 3));
    polyline->AddPoint(cadcam::qz2dPoint<double>(0, 3));
    contour->AddGeometry(polyline);
    const std::string bytes = Write(*contour);
    for (std::size_t cut = 0; cut < bytes.size(); ++cut)
    {
        misc::qzMemoryIOStream stream;
        Load(stream, bytes.substr(0, cut));
        Reader reader(stream, kNewest);
        Element element = LineE(7, 7, 8, 8);
        EXPECT_EQ(2018u, MiscErrorCode([&] { reader >> element; })) << "cut at " << cut;
        EXPECT_EQ("line (7 7)(8 8)", Describe(*element)) << "cut at " << cut;
    }
}

TEST(GeometryCodecTruncation, AHugeCountRunsOutOfDataInsteadOfAllocating)
{
    EXPECT_EQ(2018u, MiscErrorCode([] { Read(Bytes().U8(5).Size(0x7FFFFFFF).P2(0, 0).str()); }));
    EXPECT_EQ(2018u, MiscErrorCode([] { Read(Bytes().U8(4).Size(0xFFFFFFFF).str()); }));
}
} // namespace

namespace
{
// Seeds of the 2D geometry fuzz harness: run with --gtest_also_run_disabled_tests to rewrite
// the committed corpus. A seed is the harness's flags byte, the stored version - 3 and
// elements.
TEST(GeometryCodecSeeds, DISABLED_WriteFuzzCorpus)
{
    const std::string folder = std::string(TESSAFORM_TEST_DATA) + "/../../fuzz/corpus/fuzz_2d_geometry/";
    const auto seed = [&](const std::string& name, unsigned flags, unsigned version, const std::string& elements) {
        WriteFile(folder + name, std::string{static_cast<char>(flags), static_cast<char>(version - 3)} + elements);
    };
    auto polyline = misc::qzMakeAutoPointer<cadcam::qz2dPolyLine<double>>();
    polyline->AddPoint(cadcam::qz2dPoint<double>(0, 0));
    polyline->AddPoint(cadcam::qz2dPoint<double>(2, 1));
    auto contour = misc::qzMakeAutoPointer<cadcam::qz2dContour<double>>();
    contour->AddGeometry(LineE(0, 0, 4, 0));
    contour->AddGeometry(ArcE(4, 2, 2, 270, 180));
    contour->AddGeometry(polyline);
    contour->AddGeometry(misc::qzMakeAutoPointer<cadcam::qz2dParabola<double>>(P(4, 4), P(0, 6)));
    seed("point", 0, kNewest, Write(cadcam::qz2dPoint<double>(1, 2)));
    seed("line", 0, kNewest, Write(*LineE(1, 2, 3, 4)));
    seed("arc_clockwise", 0, kNewest, Write(*ArcE(0, 0, 5, 90, -270)));
    seed("polyline", 0, kNewest, Write(*polyline));
    seed("parabola", 0, kNewest, Write(cadcam::qz2dParabola<double>(P(0, 0), P(3, 3))));
    seed("contour", 0, kNewest, Write(*contour));
    seed("contour_peeked", 8, kNewest, Write(*contour));
    seed("elements_run", 0, kNewest, Write(*LineE(0, 0, 1, 1)) + Write(*polyline) + Write(*ArcE(1, 1, 1, 0, 90)));
    seed("arc_17", 0, 17, Bytes().I32(2).I32(0).F64(0).F64(0).F64(1).F64(0).F64(180).I32(1).str());
    seed("polyline_of_lines", 0, kNewest,
         Bytes().U8(4).Size(2).U8(1).P2(0, 0).P2(1, 0).U8(1).P2(1, 0).P2(1, 1).str());
    seed("refused_codes", 0, kNewest, Bytes().U8(3).U8(6).U8(8).U8(9).str());
}
} // namespace
